// Test support: a shift started on the sample station Testowo from its own
// timetable (game/Stacje/Testowo), and the names of its vehicle types and
// timetable rows.
//
// At the start (5:00, ten-second steps) platform 1 holds EU07 #8 coupled to a
// car of row 0, platform 2 the multiple unit of row 1, the freight platform
// three vehicles, the stabling track two coupled SM42, the locomotive track
// an Ol49 and the second sub-track of the siding SM42 #44 with two cars.
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "simulation/supplies.h"
#include "slot_texts.h"
#include "station_files.h"
#include "support/fresh_ui_state.h"
#include "ui/game_session.h"
#include "vehicle_scenes.h"

// Vehicle types of Testowo.roz.
enum TestowoType : int32_t {
    kTwEu07 = 1,   ///< electric locomotive
    kTwSm42 = 2,   ///< diesel locomotive
    kTwEn57 = 5,   ///< electric multiple unit
    kTwCarB = 7,   ///< passenger car
    kTwEaos = 8,   ///< goods wagon
};

// Rows of Testowo.roz.
enum TestowoTrain : int32_t {
    kTwCarOfEu07 = 0,    ///< standing since 22:40 (1300 from 442), OS, leaves 5:20 by the east exit 542, type EU07 planned
    kTwUnitTrain = 1,    ///< the EN57, standing since 23:15 (8100 from 442), leaves 5:10 by 542
    kTwFreight = 2,      ///< TW, standing since 21:50 (60100 from 401), leaves 5:40 by the line 401
    kTwArriving = 6,     ///< POS, arrives 5:30 at 442, leaves 5:45 by 401, arriving role
    kTwPassenger = 7,    ///< OS, arrives 6:10 at 401
    kTwEastbound = 8,    ///< OS, arrives 6:50 at 442, leaves 7:00 by 542
    kTwFreightIn = 9,    ///< TW, arrives 7:20 at 401, leaves 7:35 by 542
};

constexpr int32_t kStcSubTrack1 = kStcPointCount;  ///< first sub-track row of the siding

class TestowoGame : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted); }

    FixedRandom draws{100};  ///< operational depot locomotives, the middle sub-track
    Game game;
};

// The same shift while the game runs (the names and supplies ask), with its
// supplies started.
class RunningTestowoGame : public TestowoGame {
protected:
    void SetUp() override
    {
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        TestowoGame::SetUp();
        ResetSupplies(game);
    }
    void TearDown() override { SetNotifyHooks(oldHooks_); }

    NotifyHooks oldHooks_{};  ///< put back after the test
};

// The program's own game for the user interface's tests: the interface as the
// program starts, the window's gameRunning answered by gUi and its message
// line and log both going into the event log; BeginShift begins a Testowo
// shift in TheGame() as the program begins one. All is put back at the end.
class ProgramTestowo : public testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        TheGame() = Game();
        oldHooks_ = SetNotifyHooks({[] { return gUi.gameRunning; }, AddLogEvent, AddLogEvent});
    }
    void TearDown() override
    {
        FreshUiState();
        StartDisruptions(TheGame());  // no game runs: the disruptions stop
        ResetDispatchingServices();
        TheGame() = Game();
        SetNotifyHooks(oldHooks_);
    }
    static void BeginShift()
    {
        ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
        FixedRandom::Value() = 99;  // no winter
        BeginGameSession();
        FixedRandom::Value() = 100;
    }

    FixedRandom draws{100};   ///< operational depot locomotives, no random delays
    NotifyHooks oldHooks_{};  ///< put back after the test
};
