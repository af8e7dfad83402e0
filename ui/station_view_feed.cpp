// The station view's feed from the dispatching services, and its stand-ins.
#include "ui/station_view_feed.h"

const StationViewFeed kNoStationViewFeed = {
    [] { return std::vector<std::string>(); },          // hints
    [](int32_t) { return std::vector<ViewLogEntry>(); },  // newestEvents
    [](int32_t) { return false; },                       // pointClosed
};

namespace {
StationViewFeed gFeed = kNoStationViewFeed;
}  // namespace

StationViewFeed SetStationViewFeed(StationViewFeed feed)
{
    if (!feed.hints) feed.hints = kNoStationViewFeed.hints;
    if (!feed.newestEvents) feed.newestEvents = kNoStationViewFeed.newestEvents;
    if (!feed.pointClosed) feed.pointClosed = kNoStationViewFeed.pointClosed;
    const StationViewFeed old = gFeed;
    gFeed = feed;
    return old;
}

const StationViewFeed& TheStationViewFeed() { return gFeed; }
