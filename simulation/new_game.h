// New game from a timetable: the results of Game::NewGameFromTimetable and
// the message the player sees for each.
#pragma once

#include <cstdint>

class Game;

enum NewGameResult : int32_t {
    kNewGameStarted = 0,
    kNewGameTimetableUnreadable = 1,  ///< the timetable cannot be read, or its head is damaged
    kNewGameOldVersion = 2,           ///< the version is not 1, 2 or 3
    kNewGameStationUnreadable = 3,    ///< the station file cannot be read, or is damaged
    kNewGameTimetableDamaged = 4,     ///< the timetable's body, or a locomotive of no known type
    kNewGameBadLine = 5,              ///< the station's kind-3 line makes no block sections
    kNewGameNoDepot = 6,
    kNewGameBadDepot = 7,
    kNewGameBadStartPoint = 8,        ///< a start train on no platform, freight platform or siding
    kNewGameNoRoom = 9,               ///< no place left for a train placed at random
    kNewGameLocoPlaceTaken = 10,
    kNewGameTrainPlaceTaken = 11,
    kNewGameBadLocoPlace = 12,        ///< a locomotive on no point, a wrong slot or sub-track, or uncoupled
};

// Game::NewGameFromTimetable's work on a game emptied for it
// (ClearForNextGame), for a caller that builds the next game in the running
// one's place itself (RebuildGame) and checks more before it keeps it.
int32_t FillGameFromTimetable(Game& game, const char* path);

constexpr const char* kNewGameMessageCaption = "Błąd odczytu pliku";

// The message box text of a result; "" for a code the new game does not give.
const char* NewGameMessage(int32_t result);
