// What the station view shows from the dispatching services: the
// dispatcher's hints, the newest entries of the event log and the points
// closed by a disruption. The program plugs in the services; until then
// there is no hint, no event and no closure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One event-log entry as the view shows it.
struct ViewLogEntry {
    int32_t time = 0;  ///< clock HHMM when it was logged
    std::string text;  ///< code page 1250
};

struct StationViewFeed {
    std::vector<std::string> (*hints)();                   ///< hint texts, most urgent first
    std::vector<ViewLogEntry> (*newestEvents)(int32_t n);  ///< at most n log entries, newest first
    bool (*pointClosed)(int32_t point);                    ///< a disruption closes the point
};

extern const StationViewFeed kNoStationViewFeed;  // nothing to show

// Replaces the feed and returns the one before; a member left null keeps
// its stand-in.
StationViewFeed SetStationViewFeed(StationViewFeed feed);
const StationViewFeed& TheStationViewFeed();
