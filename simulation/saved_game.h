// Saved game (".sav", the autosave too): the results of Game::SaveGameState
// and Game::LoadGameState, and the versions written and read.
#pragma once

#include <cstdint>

class Game;

enum SavedGameResult : int32_t {
    kSavedGameOk = 0,
    kSavedGameFileError = 1,   ///< not written whole; or not read: missing, damaged, its station missing or damaged
    kSavedGameOldVersion = 2,  ///< a version below 2
};

constexpr int32_t kSavedGameVersion = 7;       ///< the version written; a higher one reads as this
constexpr int32_t kSavedGameOldestVersion = 2;
constexpr int32_t kSavedStationNameBytes = 29;  ///< the station name field, padded with zero bytes
constexpr int32_t kSavedPathTiles = 199;        ///< tiles of a saved path before its 0

// Game::LoadGameState's work on a game emptied for it (ClearForNextGame), for
// a caller that builds the next game in the running one's place itself
// (RebuildGame) and checks more before it keeps it.
int32_t FillGameFromSave(Game& game, const char* path, const char* gameFolder);
