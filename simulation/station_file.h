// Station file (".stc"): the results of Game::LoadStationFile and the limits
// a station file is held to. docs/station-format.md describes the file.
#pragma once

#include <cstdint>

enum StationFileResult : int32_t {
    kStationLoaded = 0,
    kStationCannotOpen = 1,
    kStationBadLine = 2,     ///< a kind-3 point whose block sections make no line
    kStationNoDepot = 3,     ///< no point of kind 8
    kStationBadDepot = 4,    ///< a depot value below 1, or beyond what the depot can hold
    kStationDamaged = 5,     ///< ends early, a non-number, or a size, count or tile out of range
};

constexpr int32_t kMaxDepotMinutes = 100000;  ///< longest preparation or repair a station may ask for
