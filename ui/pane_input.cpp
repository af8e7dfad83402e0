// The panes' command sink, its stand-ins, and the boards' double click.
#include "ui/pane_input.h"

#include "model/settings.h"
#include "model/timetable.h"
#include "simulation/notify.h"
#include "simulation/train_tracking.h"

const PaneInputSink kNoPaneInputSink = {
    [] {},                                                                // repaintStation
    [] {},                                                                // repaintTrain
    [](int32_t, int32_t, int32_t, TileCode, int32_t*) { return false; },  // chooseSubTrack
    [](int32_t, int32_t, int32_t, TileCode) {},                           // viewSiding
    [] {},                                                                // openDepot
    [](int32_t) {},                                                       // openTimetable
};

namespace {

PaneInputSink gSink = kNoPaneInputSink;

}  // namespace

PaneInputSink SetPaneInputSink(PaneInputSink sink)
{
    const PaneInputSink& no = kNoPaneInputSink;
    KeepStandIn(sink.repaintStation, no.repaintStation);
    KeepStandIn(sink.repaintTrain, no.repaintTrain);
    KeepStandIn(sink.chooseSubTrack, no.chooseSubTrack);
    KeepStandIn(sink.viewSiding, no.viewSiding);
    KeepStandIn(sink.openDepot, no.openDepot);
    KeepStandIn(sink.openTimetable, no.openTimetable);
    const PaneInputSink old = gSink;
    gSink = sink;
    return old;
}

const PaneInputSink& ThePaneInputSink() { return gSink; }

void RefuseCommand(const Game& game, const char* text, bool penalty)
{
    NotifyStatusText(text);
    if (penalty) AddPenaltyEvent(game);
    NotifyPlaySound(Sound::kError);
}

void BoardDoubleClick(bool arrivalsBoard) { gSink.openTimetable(arrivalsBoard ? kArrivalMode : kDepartureMode); }
