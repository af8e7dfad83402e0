// The train pane's clicks and tooltips on Testowo: coupling and uncoupling
// with their refusals and penalties, the pantograph and the turntable, and
// the texts of the vehicles' tooltips.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "pane_input_recorder.h"
#include "simulation/notify.h"
#include "simulation/pantographs.h"
#include "simulation/train_tracking.h"
#include "support/fresh_ui_state.h"
#include "testowo_game.h"
#include "timetable_access.h"
#include "ui/train_pane_input.h"

namespace {

constexpr int kStrip = 54;  // 40 units at the starting scale 1.35

std::vector<std::string>& LoggedEvents()
{
    static std::vector<std::string> events;
    return events;
}

// The painter's hit ranges: a picture's left and right pane x, (-1, -1) where none.
struct HitPair {
    int left = -1;   ///< left edge
    int right = -1;  ///< right edge
};
using HitPairs = std::array<HitPair, kSlotsPerPoint>;

// Vehicle i drawn from 50 i to 50 i + 50.
HitPairs EvenRanges(int count)
{
    HitPairs ranges;
    for (int i = 0; i < count; ++i) ranges[static_cast<size_t>(i)] = {50 * i, 50 * i + 50};
    return ranges;
}

int MiddleOf(int i) { return 50 * i + 25; }

class TrainPaneInput : public TestowoGame {
protected:
    void SetUp() override
    {
        TestowoGame::SetUp();
        FreshUiState();
        gUi.gameRunning = true;
        LoggedEvents().clear();
        oldHooks_ = SetNotifyHooks(
            Recording({[] { return true; }, nullptr, [](const char* text) { LoggedEvents().push_back(text); }}));
        ResetPantographs();
        ResetTrainTracking();
    }
    void TearDown() override
    {
        SetNotifyHooks(oldHooks_);
        FreshUiState();
    }
    int32_t At(int x, int y = 20) const { return VehicleAtTrainPanePoint(ranges_, kStrip, x, y); }
    void Couple(bool right, int i) { TrainPaneCoupleClick(game, right, At(MiddleOf(i))); }
    std::string Tooltip(int i) { return BuildVehicleTooltip(game, At(MiddleOf(i))); }

    RecordingSink sink;
    HitPairs ranges_ = EvenRanges(2);
    NotifyHooks oldHooks_{};
};

TEST(TrainPaneHitTest, OnlyInsideAVehicleAndTheStrip)
{
    const HitPairs ranges = EvenRanges(3);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 1, 1), 0);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 50, 20), -1);  // the bound between two vehicles
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 51, 20), 1);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 149, kStrip - 1), 2);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 120, 0), -1);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 120, kStrip), -1);
    EXPECT_EQ(VehicleAtTrainPanePoint(ranges, kStrip, 150, 20), -1);
    EXPECT_EQ(VehicleAtTrainPanePoint(HitPairs(), kStrip, -1, 20), -1);  // nothing drawn
    EXPECT_EQ(TrainStripHeight(1.35), 54);
    EXPECT_EQ(TrainStripHeight(0.99), 39);
}

TEST_F(TrainPaneInput, AClickUncouplesAndASecondOnTheBusyJointIsRefused)
{
    gSelection.selectedTile = 413;
    Couple(true, 0);  // the joint between the EU07 and its car
    EXPECT_EQ(game.SlotCountdown(kStcPlatform1, 0), 60 / game.clock.Step(0));
    EXPECT_EQ(game.SlotCountdown(kStcPlatform1, 1), 60 / game.clock.Step(0));
    ASSERT_EQ(sink->messages.size(), 1u);
    EXPECT_NE(sink->messages[0].find("Rozłączanie"), std::string::npos) << sink->messages[0];
    EXPECT_EQ(LoggedEvents().size(), 1u);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 0);
    EXPECT_EQ(sink->sounds, 0);
    EXPECT_EQ(sink->trainRepaints, 1);

    Couple(false, 1);  // the same joint from its right vehicle
    EXPECT_EQ(sink->LastMessage(), "Trwa łączenie/rozłączanie.");
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 1);
    EXPECT_EQ(sink->sounds, 1);
    EXPECT_EQ(game.SlotCountdown(kStcPlatform1, 0), 60 / game.clock.Step(0));  // not restarted

    Couple(false, 0);
    EXPECT_EQ(sink->LastMessage(), "Po lewej stronie nic nie stoi");
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 2);
    EXPECT_EQ(sink->clears, 3);

    // Between the pictures, or with nothing selected, a click does nothing.
    TrainPaneCoupleClick(game, true, At(50));
    gSelection.selectedTile = 0;
    Couple(true, 0);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 2);
    EXPECT_EQ(sink->messages.size(), 3u);
}

TEST_F(TrainPaneInput, TheLastOfTenVehiclesIsNeverCoupledToItself)
{
    EmptyRow(game, kStcPlatform1);
    PutVehicles(game, kStcPlatform1, 0, std::vector<SceneVehicle>(10, {kTwCarB, kTwCarOfEu07}));
    ranges_ = EvenRanges(10);
    gSelection.selectedTile = 412;
    Couple(true, 9);
    EXPECT_EQ(sink->LastMessage(), "Na prawo nic nie stoi.");
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 1);
    EXPECT_EQ(game.SlotCountdown(kStcPlatform1, 9), 0);
    EXPECT_EQ(game.SlotCoupled(kStcPlatform1, 9), 0);

    Couple(false, 9);  // its left joint is a real one
    EXPECT_EQ(game.SlotCountdown(kStcPlatform1, 8), 60 / game.clock.Step(0));
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 1);
}

TEST_F(TrainPaneInput, CouplingIsRefusedOffThePlatforms)
{
    gSelection.selectedTile = 730;
    Couple(true, 0);
    EXPECT_EQ(sink->LastMessage(), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 1);
    EXPECT_EQ(game.SlotCountdown(kStcStabling, 0), 0);
}

TEST_F(TrainPaneInput, CtrlClickRaisesThePantographOrTurnsTheLocomotive)
{
    gSelection.selectedTile = 412;
    TrainPaneVehicleClick(game, At(MiddleOf(0)));
    EXPECT_EQ(sink->LastMessage(), PantographResultText(kPantographFront));
    EXPECT_FALSE(IsRearPantographRaised(game, kStcPlatform1, 0));

    gSelection.selectedTile = 730;
    TrainPaneVehicleClick(game, At(MiddleOf(1)));
    EXPECT_EQ(sink->LastMessage(), TurnLocomotiveMessage(kTurnNotAtTurntable));
    EXPECT_EQ(sink->sounds, 0);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 0);
    EXPECT_EQ(sink->trainRepaints, 2);

    TrainPaneVehicleClick(game, At(MiddleOf(1), 0));  // above the strip
    EXPECT_EQ(sink->messages.size(), 2u);
}

TEST_F(TrainPaneInput, TooltipsNameTheTrainOrTheLocomotive)
{
    gSelection.selectedTile = 512;
    EXPECT_EQ(Tooltip(0), "P: II  Nr: 8101  W: 3  Godz: 5:10\nTestowo - Malinowo");
    EXPECT_EQ(Tooltip(1), "");  // nothing drawn there
    gSelection.selectedTile = 412;
    EXPECT_EQ(Tooltip(0), "EU07\n");
    EXPECT_EQ(BuildVehicleTooltip(game, At(50)), "");  // between the pictures

    // The car's place in its departing consist follows the time; its train
    // has turned to its departing role, so the departure side counts.
    TimetableTestAccess::Field(game.timetable, kTwCarOfEu07, kRowArrivalLink) = 3;
    TimetableTestAccess::Field(game.timetable, kTwCarOfEu07, kRowDepartureLink) = 2;
    EXPECT_EQ(Tooltip(1), "P: I  Nr: 1301  W: 3  Godz: 5:20 (2)\nTestowo - Malinowo");

    // A train coming in at its entry: its arrival, and the entry's number.
    PutVehicles(game, kStcEastEntry, 0, {{kTwCarB, kTwArriving}});
    gSelection.selectedTile = 442;
    EXPECT_EQ(Tooltip(0), "P: II  Nr: 3311  W: 1  Godz: 5:45\nMalinowo - Testowo");
    game.timetable.TrainState(kTwArriving, kRawRow, 4);
    EXPECT_EQ(Tooltip(0), "P: II  Nr: 3311  W: 2  Godz: 5:30\nMalinowo - Testowo");

    gUi.gameRunning = false;
    EXPECT_EQ(Tooltip(0), "");
}

// A vehicle of type 100 or more belongs to no timetable train: its train
// field is no row, and reading it as one would show another train.
TEST_F(TrainPaneInput, AVehicleOfNoTimetableTrainShowsOnlyItsType)
{
    constexpr int32_t kSpecialType = 150;
    std::snprintf(TimetableTestAccess::TypeName(game.timetable, kSpecialType), kTypeNameLength, "%s", "Drezyna");
    gSelection.selectedTile = 412;
    SceneSlot(game, kStcPlatform1, 1).Fill(kTwCarOfEu07, kSpecialType, kKindCar, 0, 1, 0, kMotionStanding);
    EXPECT_EQ(Tooltip(1), "Drezyna\n");
    SceneSlot(game, kStcPlatform1, 1).Fill(-1, kTwCarB, kKindCar, 0, 1, 0, kMotionStanding);
    EXPECT_EQ(Tooltip(1), "B\n");
}

}  // namespace
