// The panes' input: partial hooks and sink keep the stand-ins, a refusal
// reports in order, and the boards' double click names its side.
#include <gtest/gtest.h>

#include "pane_input_recorder.h"
#include "simulation/notify.h"
#include "simulation/train_tracking.h"

namespace {

TEST(PaneInput, RefusalsAndTheBoardsDoubleClickReachTheWindow)
{
    RecordingSink sink;
    const NotifyHooks old = SetNotifyHooks(Recording({[] { return true; }}));
    ResetTrainTracking();
    Game game;
    RefuseCommand(game, "Trasa zajęta - inny przebieg blokuje te droge", true);
    RefuseCommand(game, "Wskazany punkt nie identyfikuje jednoznacznie trasy", false);
    EXPECT_EQ(sink->messages.size(), 2u);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 1);
    EXPECT_EQ(sink->sounds, 2);
    ResetTrainTracking();
    SetNotifyHooks(old);
    BoardDoubleClick(true);
    EXPECT_EQ(sink->timetableMode, 2);
    BoardDoubleClick(false);
    EXPECT_EQ(sink->timetableMode, 1);
}

TEST(PaneInput, MembersLeftNullKeepTheirStandIns)
{
    RecordingSink sink;
    NotifyHooks soundOnly = {};
    soundOnly.playSound = Recording({}).playSound;
    const NotifyHooks recordingHooks = SetNotifyHooks(soundOnly);
    const PaneInputSink recording = SetPaneInputSink({});
    RefuseCommand(Game(), "Brak trasy", false);  // no message line: nothing fails
    BoardDoubleClick(true);
    EXPECT_EQ(sink->sounds, 1);
    EXPECT_TRUE(sink->messages.empty());
    int32_t row = 7;
    EXPECT_FALSE(ThePaneInputSink().chooseSubTrack(6, 10, 12, 713, &row));
    EXPECT_EQ(row, 7);
    SetPaneInputSink(recording);
    SetNotifyHooks(recordingHooks);
}

}  // namespace
