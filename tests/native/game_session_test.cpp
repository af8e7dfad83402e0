// The user interface's side of a game that starts: flags, services, the
// clock's step and the first log line, on Testowo as the program starts it.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "simulation/pantographs.h"
#include "simulation/rolling_stock_kinds.h"
#include "simulation/train_tracking.h"
#include "slot_texts.h"
#include "station_files.h"
#include "support/fresh_ui_state.h"
#include "ui/autosave.h"
#include "ui/board_delays.h"
#include "ui/game_session.h"

namespace {

uint64_t FixedNow() { return 4242; }

class GameSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        oldTicks_ = SetTickSource(FixedNow);
        oldNotify_ = SetNotifyHooks({[] { return gUi.gameRunning; }, [](const char*) {}, [](const char*) {}, [] {}});
    }
    void TearDown() override
    {
        SetNotifyHooks(oldNotify_);
        SetTickSource(oldTicks_);
        ResetRollingStockKinds();
        ClearLog();
        ResetTrainTracking();
        gUi.gameRunning = false;
        StartDisruptions(TheGame());  // no game runs: the disruptions stop
        TheGame() = Game();
    }

    TickSource oldTicks_ = nullptr;
    NotifyHooks oldNotify_{};
};

TEST_F(GameSession, StartsRunningWithTheStationStepAsMoveDivisor)
{
    ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    gUi.paused = true;
    gUi.prevDueDepartures = 3;
    gSelection.selectedTile = 412;
    gSelection.routeLaying = true;
    gAutosaveBase = 0;
    gUi.gameRunning = true;
    AddLogEvent("z poprzedniej gry");
    AddPenaltyEvent(TheGame());
    const int32_t late = TheGame().DelayChance(0, 1);

    {
        FixedRandom winter(0);
        BeginGameSession();
    }

    EXPECT_TRUE(gUi.gameRunning);
    EXPECT_FALSE(gUi.paused);
    EXPECT_EQ(gUi.prevDueDepartures, 0);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_FALSE(gSelection.routeLaying);
    EXPECT_EQ(gClockDriver.nominalStepSeconds, 10);
    EXPECT_EQ(TheGame().clock.Step(0), 1);  // a step is one game second
    EXPECT_EQ(TheGame().moveDivisor, 10);
    EXPECT_EQ(gAutosaveBase, 4242u);
    EXPECT_EQ(std::count(gEntryTiles.begin(), gEntryTiles.end(), 442), 1) << "the boards' entry tiles";
    EXPECT_EQ(GetPenaltyPoints(TheGame()), 0) << "the tracking starts afresh";
    EXPECT_EQ(TheGame().DelayChance(0, 1), late + kWinterOffset) << "the disruptions start: a winter shift";
    ASSERT_EQ(LogCount(), 1);  // the last game's log is gone
    EXPECT_EQ(GetLogEvent(0).text, "Dyżur rozpoczęty - Testowo.stc, godzina 05:00");
    EXPECT_EQ(GetLogEvent(0).time, 500);
}

TEST_F(GameSession, ADepotTooSmallLeavesItsLocomotivesOnTheDepotTrackAndLogsThem)
{
    // Sixteen EU07 and the SU45 for a depot of six: the shift starts, ten
    // stand on the depot point's track, the last finds no slot.
    ASSERT_EQ(StartTestowoVariant(TheGame(), {{"1,2,7,0,0,0,", "1,16,7,0,0,0,"}}), kNewGameStarted);
    Game& game = TheGame();
    EXPECT_EQ(game.depot.Count(), 6);
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        EXPECT_EQ(game.SlotAt(kStcDepot, s)->Type(), 1) << s;
        EXPECT_EQ(game.SlotAt(kStcDepot, s)->Coupled(), 0) << s;
    }
    EXPECT_EQ(game.TileState(9, 37), kTileOccupied);

    BeginGameSession();
    ASSERT_EQ(LogCount(), 1 + 10 + 1);
    EXPECT_EQ(GetLogEvent(1).text, "Lokomotywownia pełna: EU07 nr 7 stoi przed nią na miejscu 1");
    EXPECT_EQ(GetLogEvent(10).text, "Lokomotywownia pełna: EU07 nr 7 stoi przed nią na miejscu 10");
    EXPECT_EQ(GetLogEvent(11).text, "Lokomotywownia pełna: SU45 nr 45 nie zmieściła się na stacji");
}

TEST_F(GameSession, LocomotivesLeftOutsideTheDepotTakeOnlySlotsNoGroupClaims)
{
    // Eight EU07 and the SU45 for a depot of six, and after them a group that
    // puts another SU45 on slot 0 of the depot point: that slot stays its own.
    ASSERT_EQ(StartTestowoVariant(TheGame(), {{"Testowo\n8,", "Testowo\n9,"},
                                              {"1,2,7,0,0,0,", "1,8,7,0,0,0,"},
                                              {"2,1,44,713,0,1,", "2,1,44,713,0,1,\n3,1,46,937,0,0,"}}),
              kNewGameStarted);
    Game& game = TheGame();
    EXPECT_EQ(game.SlotAt(kStcDepot, 0)->Type(), 3);
    EXPECT_EQ(game.SlotAt(kStcDepot, 0)->Number(), 46);
    for (int32_t s = 1; s <= 2; ++s) EXPECT_EQ(game.SlotAt(kStcDepot, s)->Type(), 1) << s;
    EXPECT_EQ(game.SlotAt(kStcDepot, 3)->Type(), 3);
    EXPECT_EQ(game.SlotAt(kStcDepot, 3)->Number(), 45);
    EXPECT_TRUE(game.SlotAt(kStcDepot, 4)->IsEmpty());
}

TEST_F(GameSession, TheServicesOfTheLastGameStartAfresh)
{
    ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    gUi.gameRunning = true;
    ASSERT_EQ(TogglePantograph(TheGame(), kStcPlatform1, 0), kPantographFront);
    ASSERT_GT(LoadRollingStockKinds(SEMARION_FIXTURES "/services/services.roz"), 0);
    ASSERT_EQ(GetTrainKindName(0, "OS"), "EN71");

    AddPenaltyEvent(TheGame());

    BeginGameSession();  // as a loaded game does
    EXPECT_TRUE(IsRearPantographRaised(TheGame(), kStcPlatform1, 0));
    EXPECT_EQ(GetTrainKindName(0, "OS"), "OS");
    EXPECT_EQ(GetPenaltyPoints(TheGame()), 0);
}

TEST(GameSessionTexts, ShiftStartText)
{
    EXPECT_EQ(ShiftStartText("Testowo.stc", 2359), "Dyżur rozpoczęty - Testowo.stc, godzina 23:59");
    EXPECT_EQ(ShiftStartText(std::string(300, 'x').c_str(), 0).size(), 199u);
}

}  // namespace
