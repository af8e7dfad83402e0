// The game services of GameHooks answered by the program's Game.
#pragma once

#include "ui/game_hooks.h"
#include "ui/station_view_feed.h"

// kNoGameHooks with every service the model has plugged into TheGame(); the
// program starts with these, tests keep the stand-ins or take these.
GameHooks GameModelHooks();

// What the station view's event box and labels show, read from the game:
// the dispatcher's hints, the newest event-log entries and closed points.
StationViewFeed ModelStationViewFeed();
