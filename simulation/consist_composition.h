// Consist composition: whether the consist that leaves the station through
// an exit is made up the way its timetable rows ask (Game::CheckConsistComposition,
// declared in model/game.h), and the texts of its refusals.
//
// The run at the moving end is read front first: locomotives, then multiple
// units or cars; each car or unit stands where the last digit of its row's
// departure link puts it; the number of locomotives follows the departure
// unit of the first train vehicle's row; and, when locomotives may change
// sheds, the locomotives' numbers and types must be the planned units'.
#pragma once

#include <cstdint>

// Results of Game::CheckConsistComposition; 1 to 10 are refusals.
enum CompositionResult : int32_t {
    kCompositionFromLine = 0,         ///< the source is an entry: not checked
    kNoLocomotiveInFront = 1,
    kLocomotiveAlone = 2,
    kUnitNotInFront = 3,
    kLocomotiveNotInFront = 4,
    kWrongCarOrder = 5,
    kWrongComposition = 6,
    kTooManyLocomotives = 7,
    kTooFewLocomotives = 8,
    kWrongShed = 9,
    kWrongLocomotiveType = 10,
    kCompositionRight = 100,
};

// The refusal text of a result 1 to 10; null for any other result.
const char* CompositionRefusal(int32_t result);
