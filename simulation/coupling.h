// Coupling and uncoupling: the player clicks the joint between two adjacent
// vehicles of a platform or of a siding's sub-track; Game::CoupleOrUncouple
// (declared in model/game.h) checks the pair and starts the same countdown
// on both. The movement counts it down and, when it runs out, inverts the
// left vehicle's coupled-to-next flag.
#pragma once

#include <cstdint>

constexpr int32_t kUncoupleSeconds = 60;      ///< uncoupling, or coupling two cars
constexpr int32_t kCouplePoweredSeconds = 180;  ///< coupling when either vehicle is powered

// The refusals, byte for byte as the player reads them.
extern const char kCouplingNotHere[];
extern const char kCouplingTrainMoving[];
extern const char kCouplingUnderWay[];
extern const char kCouplingNothingRight[];
extern const char kCouplingNothingLeft[];
