// The siding window on Testowo's siding and on Rozjazdowo: bands, titles and
// labels, the plan of a painted sub-track, every kind of click, the
// placement of the window, and a consist routed into a sub-track and out of
// it by the player's clicks.
#include <gtest/gtest.h>

#include <optional>

#include "pane_input_recorder.h"
#include "route_station.h"
#include "simulation/coupling_texts.h"
#include "simulation/pantographs.h"
#include "simulation/routes.h"
#include "simulation/train_tracking.h"
#include "station_builder.h"
#include "support/fresh_ui_state.h"
#include "testowo_game.h"
#include "ui/siding_window.h"
#include "ui/station_pane_input.h"
#include "ui/station_view.h"

namespace {

constexpr int32_t kStripWidth = 60;  ///< units every slot's pictures take in these tests
int32_t FixedWidth(int32_t, int32_t) { return kStripWidth; }

constexpr int32_t kSecondSubTrack = kStcSubTrack1 + 1;  // SM42 #44, a wagon and a car, loose

class SidingWindow : public RunningTestowoGame {
protected:
    void SetUp() override
    {
        RunningTestowoGame::SetUp();
        SetNotifyHooks(Recording({[] { return true; }}));  // the game's hooks, recorded; its TearDown puts back the sink's
        FreshUiState();
        gUi.gameRunning = true;
        ResetTrainTracking();
        ResetPantographs();
        Open(false);
    }
    void TearDown() override
    {
        FreshUiState();
        gSidingWindow = SidingWindowState();
        RunningTestowoGame::TearDown();
    }
    void Open(bool choosing)
    {
        BeginSidingWindow(gSidingWindow, kStcSiding, game.SidingSubTrackRow(713, 55), game.SidingSubTrackRow(713, 60),
                          713, choosing);
        gSidingHits = PlanSidingPane(game, gSidingWindow, FixedWidth, 1.0).hits;
    }
    SidingClickOutcome Click(bool right, int32_t x, int32_t y)
    {
        return SidingPaneClick(game, gSidingWindow, gSidingHits, right, x, y);
    }
    // The middle of a vehicle of the second sub-track's band.
    static int32_t VehicleX(int32_t slot) { return kSidingVehiclesX + slot * (kStripWidth + 10) + kStripWidth / 2; }
    static constexpr int32_t kSecondBandY = kSidingBand + 20;

    RecordingSink sink;
};

TEST_F(SidingWindow, BandsTitleAndLabelsFollowTheSubTracksShown)
{
    EXPECT_EQ(gSidingWindow.firstRow, kStcSubTrack1);
    EXPECT_EQ(SidingRowCount(gSidingWindow), 3);
    EXPECT_EQ(SidingTitle(game, gSidingWindow), "Bocznica B1  (tory B1/1-B1/3)");

    SidingWindowState twelve = gSidingWindow;
    twelve.lastRow = twelve.firstRow + 11;
    EXPECT_EQ(SidingRowCount(twelve), 10);
    EXPECT_EQ(SidingTitle(game, twelve), "Bocznica B1  (tory B1/1-B1/10)");
    SidingWindowState inverted = gSidingWindow;
    inverted.lastRow = inverted.firstRow - 3;
    EXPECT_EQ(SidingRowCount(inverted), 1);

    SidingWindowState noCode = gSidingWindow;
    noCode.point = -1;  // no point, no short code
    EXPECT_EQ(SidingTitle(game, noCode), "Bocznica  (tory 1-3)");
    EXPECT_EQ(SubTrackLabel("", 2), "2");
    EXPECT_EQ(SubTrackLabel("B1", 3), "B1/3");
    EXPECT_EQ(SubTrackLabel("B12345", 10), "B12345/");
}

TEST_F(SidingWindow, APaintedBandPlacesItsVehiclesTextsAndHitRanges)
{
    const SidingPanePlan plan = PlanSidingPane(game, gSidingWindow, FixedWidth, 2.0);
    ASSERT_EQ(plan.rails.size(), 3u);
    EXPECT_EQ(plan.rails[1].left, 56);
    EXPECT_EQ(plan.rails[1].y, 2 * (58 + 40));
    ASSERT_EQ(plan.signals.size(), 3u);
    EXPECT_EQ(plan.signals[2].y, 2 * (2 * 58 + 6));
    EXPECT_FALSE(plan.signals[0].moving);  // empty
    EXPECT_FALSE(plan.signals[1].moving);

    // Three loose vehicles on the second sub-track, each followed by a gap.
    ASSERT_EQ(plan.pictures.size(), 3u);
    EXPECT_EQ(plan.pictures[1].row, kSecondSubTrack);
    EXPECT_EQ(plan.pictures[1].x, 85 + 70);
    EXPECT_EQ(plan.pictures[1].y, 58);
    EXPECT_EQ(plan.hits[1][0].left, 85);
    EXPECT_EQ(plan.hits[1][0].right, 145);
    EXPECT_EQ(plan.hits[1][2].left, 225);
    EXPECT_EQ(plan.hits[1][3].left, -1);
    EXPECT_EQ(plan.hits[0][0].left, -1);

    auto textAt = [&](int32_t x, int32_t y) {
        for (const PaneText& text : plan.texts)
            if (text.x == x && text.y == y) return text;
        return PaneText();
    };
    EXPECT_EQ(textAt(62, 2 * 42).text, "B1/1");
    EXPECT_EQ(textAt(62, 2 * (58 + 42)).font, PaneFont::kBold);
    const PaneText loco = textAt(2 * 85, 2 * (58 + 42));
    EXPECT_EQ(loco.text, "SM42");
    EXPECT_EQ(loco.font, PaneFont::kRegular);
    EXPECT_EQ(loco.colour, kPaneLocoColour);
    // A car tells of its train's departure: its time at column 74.
    const int32_t car = 85 + 2 * 70;
    const int32_t train = game.SlotTrain(kSecondSubTrack, 2);
    const std::string time = textAt(2 * (car + 74), 2 * (58 + 42)).text;
    EXPECT_EQ(time, game.ScheduledTimeText(train, kRawRow, kDepartureSide).Text());
    EXPECT_FALSE(time.empty());

    // A damaged vehicle is red; one counting down a coupling bold.
    SceneSlot(game, kSecondSubTrack, 0).Operational(0);
    ASSERT_STREQ(game.CoupleOrUncouple(713, 1, kSecondSubTrack), "");
    const SidingPanePlan after = PlanSidingPane(game, gSidingWindow, FixedWidth, 2.0);
    for (const PaneText& text : after.texts) {
        if (text.x == 2 * 85 && text.y == 2 * (58 + 42)) {
            EXPECT_EQ(text.colour, kPaneDamagedColour);
        }
        if (text.x == 2 * car) {
            EXPECT_EQ(text.font, PaneFont::kBold);
        }
    }
}

TEST_F(SidingWindow, WidthMakesRoomAfterTheWidestBand)
{
    EXPECT_EQ(SidingPaneWidth(game, gSidingWindow, FixedWidth), 415 + 10);
    for (int32_t s = 3; s < 9; ++s) PutVehicles(game, kSecondSubTrack, s, {{kTwEaos, kTwFreight}});
    SceneSlot(game, kSecondSubTrack, 8).Coupled(1);
    // Nine vehicles: eight gaps; the last one's left edge at 85 + 8 * 70.
    EXPECT_EQ(SidingPaneWidth(game, gSidingWindow, FixedWidth), 85 + 8 * 70 + 190 + 10);
}

TEST_F(SidingWindow, ChoosingModeTakesAnyClickInABandAndNothingElse)
{
    Open(true);
    EXPECT_EQ(SidingPaneShiftClick(game, gSidingWindow, gSidingHits, VehicleX(0), kSecondBandY),
              SidingClickOutcome::kNothing);
    EXPECT_EQ(Click(false, 5, 3 * kSidingBand), SidingClickOutcome::kNothing);  // below the last band
    EXPECT_FALSE(gSidingWindow.chosen);
    EXPECT_EQ(Click(false, 5, 2 * kSidingBand + 1), SidingClickOutcome::kClose);  // the icon column too
    EXPECT_TRUE(gSidingWindow.chosen);
    EXPECT_EQ(gSidingWindow.chosenRow, kStcSubTrack1 + 2);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_EQ(game.SlotCountdown(kSecondSubTrack, 0), 0);

    Open(true);  // each opening starts without a choice
    EXPECT_FALSE(gSidingWindow.chosen);
    EXPECT_EQ(Click(true, VehicleX(0), kSecondBandY), SidingClickOutcome::kClose);
    EXPECT_EQ(gSidingWindow.chosenRow, kSecondSubTrack);
}

TEST_F(SidingWindow, ClicksOnVehiclesCoupleOrTellWhyNot)
{
    // Left of the first vehicle nothing stands: no sound, no penalty.
    EXPECT_EQ(Click(false, VehicleX(0), kSecondBandY), SidingClickOutcome::kNothing);
    EXPECT_EQ(sink->LastMessage(), "Po lewej stronie nic nie stoi");
    EXPECT_EQ(sink->sounds, 0);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 0);

    // The right button couples the locomotive with the wagon behind it.
    EXPECT_EQ(Click(true, VehicleX(0), kSecondBandY), SidingClickOutcome::kRepaint);
    EXPECT_EQ(game.SlotCountdown(kSecondSubTrack, 0), 18);  // 180 seconds in steps of 10
    EXPECT_EQ(game.SlotCountdown(kSecondSubTrack, 1), 18);
    EXPECT_EQ(sink->LastMessage(), CouplingStatusText(game, kSecondSubTrack, 0));
    EXPECT_NE(sink->LastMessage(), "");
    // The same joint from the wagon's side: busy.
    EXPECT_EQ(Click(false, VehicleX(1), kSecondBandY), SidingClickOutcome::kRepaint);
    EXPECT_EQ(sink->LastMessage(), "Trwa łączenie/rozłączanie.");
    EXPECT_EQ(game.SlotCountdown(kSecondSubTrack, 0), 18);
    // Right of the last vehicle nothing stands.
    EXPECT_EQ(Click(true, VehicleX(2), kSecondBandY), SidingClickOutcome::kRepaint);
    EXPECT_EQ(sink->LastMessage(), "Na prawo nic nie stoi.");
    EXPECT_EQ(sink->sounds, 0);
    EXPECT_EQ(GetScoreSummary(game).penaltyEvents, 0);

    // The edge between two painted ranges, a gap, an empty band: nothing but the message cleared.
    const int32_t clears = sink->clears;
    const size_t messages = sink->messages.size();
    gSidingHits[1][1].left = gSidingHits[1][0].right;
    EXPECT_EQ(Click(true, gSidingHits[1][0].right, kSecondBandY), SidingClickOutcome::kNothing);
    EXPECT_EQ(Click(true, 220, kSecondBandY), SidingClickOutcome::kNothing);
    EXPECT_EQ(Click(true, VehicleX(0), 20), SidingClickOutcome::kNothing);
    EXPECT_EQ(Click(true, VehicleX(0), -1), SidingClickOutcome::kNothing);
    EXPECT_EQ(sink->clears, clears + 4);
    EXPECT_EQ(sink->messages.size(), messages);
}

TEST_F(SidingWindow, ShiftClickTurnsNothingOnASubTrack)
{
    EXPECT_EQ(SidingPaneShiftClick(game, gSidingWindow, gSidingHits, VehicleX(0), kSecondBandY),
              SidingClickOutcome::kRepaint);
    EXPECT_EQ(sink->LastMessage(), TurnLocomotiveMessage(kTurnNotAtTurntable));
    EXPECT_EQ(SidingPaneShiftClick(game, gSidingWindow, gSidingHits, 150, kSecondBandY), SidingClickOutcome::kNothing);
}

TEST_F(SidingWindow, TheSignalColumnSelectsASubTracksConsist)
{
    // An empty sub-track selects nothing.
    EXPECT_EQ(Click(false, 10, 10), SidingClickOutcome::kNothing);
    EXPECT_EQ(gSelection.selectedTile, 0);

    gSelection.routeLaying = true;
    EXPECT_EQ(Click(false, 10, kSecondBandY), SidingClickOutcome::kClose);
    EXPECT_EQ(game.SlotAt(kStcSiding, 0)->Link(), kSecondSubTrack);
    EXPECT_EQ(gSelection.selectedTile, 713);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_EQ(sink->trainRepaints, 1);
    EXPECT_EQ(game.FindSlotForRoute(713, 401), game.SlotAt(kSecondSubTrack, 0));
    // A move from the siding is the selected sub-track's: its coupling holds it.
    ASSERT_EQ(Click(true, VehicleX(0), kSecondBandY), SidingClickOutcome::kRepaint);
    EXPECT_STREQ(game.ValidateMove(713, 401, -1), "Trwa łączenie/rozłączanie");
}

TEST(SidingWindowPlace, CentredOverTheOwnerThenPushedInsideTheWorkArea)
{
    const PaneRect work = {0, 0, 1024, 740};
    const PaneRect owner = {100, 50, 900, 600};
    const PaneRect none = {};
    PaneRect place = PlaceSidingWindow(500, 300, work, &owner, none);
    EXPECT_EQ(place.x, 300);
    EXPECT_EQ(place.y, 200);
    EXPECT_EQ(place.width, 500);
    place = PlaceSidingWindow(500, 300, work, nullptr, none);
    EXPECT_EQ(place.x, 262);
    EXPECT_EQ(place.y, 220);

    // A remembered rectangle partly off the screen comes back inside.
    place = PlaceSidingWindow(500, 300, work, &owner, {900, 600, 400, 200});
    EXPECT_EQ(place.x, 624);
    EXPECT_EQ(place.y, 540);
    EXPECT_EQ(place.width, 400);
    place = PlaceSidingWindow(500, 300, work, &owner, {-50, -20, 400, 200});
    EXPECT_EQ(place.x, 0);
    EXPECT_EQ(place.y, 0);
    // Only a width and a height both at least 1 count.
    EXPECT_EQ(PlaceSidingWindow(500, 300, work, &owner, {900, 600, 0, 200}).x, 300);

    // Larger than the work area: clamped when computed, the corner wins when remembered.
    place = PlaceSidingWindow(3000, 2000, work, &owner, none);
    EXPECT_EQ(place.width, 1024);
    EXPECT_EQ(place.height, 740);
    EXPECT_EQ(place.x, 0);
    place = PlaceSidingWindow(500, 300, {10, 20, 1000, 700}, &owner, {300, 300, 1200, 900});
    EXPECT_EQ(place.x, 10);
    EXPECT_EQ(place.y, 20);
    EXPECT_EQ(place.width, 1200);
}

TEST(SidingWindowLayout, PaneAndButtonFollowTheClient)
{
    const SidingDialogLayout layout = LayOutSidingDialog(600, 400);
    EXPECT_EQ(layout.pane.x, 5);
    EXPECT_EQ(layout.pane.y, 5);
    EXPECT_EQ(layout.pane.width, 590);
    EXPECT_EQ(layout.pane.height, 365);
    EXPECT_EQ(layout.button.x, 270);
    EXPECT_EQ(layout.button.y, 374);
    EXPECT_EQ(layout.button.width, 60);
    EXPECT_EQ(layout.button.height, 20);
}

// Rozjazdowo with the siding's track leaving from platform 2's east end, so
// that both ways face the platform's end the clicks move to.
class SidingRoutes : public RozjazdowoTest {
protected:
    void SetUp() override
    {
        RozjazdowoTest::SetUp();
        SetPath(game, kRzSidingToPlatform2, {1, 1, {712, 713, 714, 815, 916, 917, 918, 919, 920}});
        FreshUiState();
        gStationView = StationViewState();  // a tile is 14 pane pixels
        gUi.gameRunning = true;
        gGame = &game;
        sink_.emplace();
        PaneInputSink chooser = kRecordingSink;
        chooser.chooseSubTrack = ChooseSecondSubTrack;
        SetPaneInputSink(chooser);
    }
    void TearDown() override
    {
        sink_.reset();
        FreshUiState();
        gSidingWindow = SidingWindowState();
        gGame = nullptr;
    }
    // The siding window in choosing mode, and the player's click on the second band.
    static bool ChooseSecondSubTrack(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, int32_t* row)
    {
        BeginSidingWindow(gSidingWindow, point, firstRow, lastRow, tile, true);
        SidingPaneClick(*gGame, gSidingWindow, gSidingHits, false, 200, kSidingBand + 30);
        if (gSidingWindow.chosen) *row = gSidingWindow.chosenRow;
        return gSidingWindow.chosen;
    }
    void Click(bool right, TileCode tile)
    {
        StationPaneClick(game, right, TileColumn(tile) * 14 + 7, TileRow(tile) * 14 + 7, false);
    }
    // Steps until the row's slot 0 holds a standing vehicle; false after a thousand.
    bool StepUntilStanding(int32_t row)
    {
        for (int32_t i = 0; i < 1000; ++i) {
            if (game.SlotVehicleType(row, 0) != 0 && !game.IsSlotConsistMoving(row, 0)) return true;
            game.SimulationStep();
        }
        return false;
    }

    // The two clicks of a route for the selection (the second on the siding's
    // track), then the steps until the consist stands on the row it went to.
    bool RouteAndRun(TileCode destination, int32_t row)
    {
        Click(false, destination);
        if (!TheRecord().messages.empty() || !gSelection.candidatesShown) return false;
        Click(false, 916);
        return gSelection.selectedTile == 0 && StepUntilStanding(row);
    }

    static inline Game* gGame = nullptr;  ///< the game the chooser clicks in
    std::optional<RecordingSink> sink_;   ///< records, then the chooser replaces its chooser
};

TEST_F(SidingRoutes, AConsistGoesIntoTheChosenSubTrackAndOutAgain)
{
    PutVehicles(game, kRzPlatform2, 0, {{kRzDieselLoco}});
    Click(true, 711);
    ASSERT_EQ(gSelection.selectedTile, 711);
    ASSERT_TRUE(RouteAndRun(920, kRzSubTrack2)) << TheRecord().LastMessage();
    EXPECT_EQ(game.SlotAt(kRzSiding, 0)->Link(), -kRzSubTrack2);  // it went in at the sub-track's front
    EXPECT_EQ(game.SlotKind(kRzSubTrack2, 0), kKindDieselLoco);
    EXPECT_EQ(game.SlotVehicleType(kRzPlatform2, 0), 0);
    EXPECT_EQ(game.SlotVehicleType(kRzSiding, 0), 0);
    EXPECT_EQ(game.SlotVehicleType(kRzSubTrack1, 0), 0);

    // Out again: the window's signal column selects the sub-track's consist.
    BeginSidingWindow(gSidingWindow, kRzSiding, kRzSubTrack1, kRzSubTrack2, 920, false);
    gSidingHits = PlanSidingPane(game, gSidingWindow, FixedWidth, 1.0).hits;
    ASSERT_EQ(SidingPaneClick(game, gSidingWindow, gSidingHits, false, 10, kSidingBand + 10), SidingClickOutcome::kClose);
    ASSERT_EQ(gSelection.selectedTile, 920);
    ASSERT_TRUE(RouteAndRun(711, kRzPlatform2)) << TheRecord().LastMessage();
    EXPECT_EQ(game.SlotKind(kRzPlatform2, 0), kKindDieselLoco);
    EXPECT_EQ(game.SlotVehicleType(kRzSubTrack2, 0), 0);
    EXPECT_EQ(game.SlotVehicleType(kRzSiding, 0), 0);
}

}  // namespace
