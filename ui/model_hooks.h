// The game services of GameHooks answered by the program's Game.
#pragma once

#include "ui/game_hooks.h"

// kNoGameHooks with every service the model has plugged into TheGame(); the
// program starts with these, tests keep the stand-ins or take these.
GameHooks GameModelHooks();
