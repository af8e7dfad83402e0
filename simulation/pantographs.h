// Pantographs of electric locomotives: which of the two is raised. A
// locomotive has its rear pantograph raised until the player changes it; the
// drawing shows the raised one. Not part of a saved game.
#pragma once

#include <cstdint>

#include "model/game.h"

// Results of TogglePantograph.
enum PantographResult : int32_t {
    kPantographRear = 0,        ///< the rear one is now raised
    kPantographFront = 1,       ///< the front one is now raised
    kPantographMoving = 2,      ///< the consist moves: nothing changed
    kPantographNotElectric = 3, ///< no electric locomotive in the slot
};

bool IsElectricLoco(Game& game, int32_t point, int32_t slot);  // a game runs and the slot holds kind 3
bool IsRearPantographRaised(Game& game, int32_t point, int32_t slot);  // true for every other vehicle
int32_t TogglePantograph(Game& game, int32_t point, int32_t slot);     // PantographResult
const char* PantographResultText(int32_t result);  // the status-bar text; "" for 3 and unknown codes
void ResetPantographs();  // every rear one raised: at every new and loaded game
