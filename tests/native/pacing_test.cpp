#include <gtest/gtest.h>

#include "testowo_game.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

namespace {

uint64_t gNow;
uint64_t FakeTicks() { return gNow; }

class Pacing : public ProgramTestowo {
protected:
    void SetUp() override
    {
        ProgramTestowo::SetUp();
        gNow = 1000;
        saved_ = SetTickSource(FakeTicks);
    }
    void TearDown() override
    {
        SetTickSource(saved_);
        ProgramTestowo::TearDown();
    }
    // Steps of the messages that arrive every periodMs, after a first one.
    static std::vector<int> Messages(int count, int periodMs)
    {
        std::vector<int> steps;
        ClockTicksForTimer();
        for (int i = 0; i < count; ++i) {
            gNow += periodMs;
            steps.push_back(ClockTicksForTimer());
        }
        return steps;
    }

private:
    TickSource saved_ = nullptr;
};

TEST_F(Pacing, DefaultsRunTwelvePointEightStepsPerSecond)
{
    EXPECT_NEAR(SpeedFactor(), 12.8205, 1e-4);
    EXPECT_EQ(TimerPeriodMs(), 78);
    EXPECT_EQ(ClockStepMillis(), 10000);
    EXPECT_EQ(ClockStepMillisMin5s(), 10000);

    // Messages 100 ms apart carry 1.28 steps each: the fractions add up.
    std::vector<int> steps = Messages(10, 100);
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 1, 2, 1, 1, 1, 2, 1, 1}));
    EXPECT_NEAR(gClockDriver.stepAccumulator, 0.8205, 1e-4);

    gSettings.interval = ClockStepMillis();
    EXPECT_DOUBLE_EQ(SpeedFactor(), 1.0);
    EXPECT_EQ(TimerPeriodMs(), 1000);
}

TEST_F(Pacing, IntervalBelowTwoIsOneMillisecondAndTheCapHolds)
{
    for (int interval : {0, 1, -5}) {
        gSettings.interval = interval;
        EXPECT_DOUBLE_EQ(SpeedFactor(), 10000.0);
        EXPECT_EQ(TimerPeriodMs(), 40);
    }
    EXPECT_EQ(Messages(3, 40), (std::vector<int>{300, 300, 300}));
}

TEST_F(Pacing, SlowSpeedStillRunsOneStepPerMessage)
{
    gSettings.interval = 10 * 10 * 1000;  // 0.1 steps per second
    EXPECT_EQ(TimerPeriodMs(), 1000);
    EXPECT_EQ(Messages(3, 1000), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);
}

TEST_F(Pacing, FirstMessageRunsOneStepAndLongGapsAreNotCaughtUp)
{
    EXPECT_EQ(ClockTicksForTimer(), 1);
    EXPECT_EQ(gClockDriver.tickBase, 1000u);
    gNow += 6000;  // six seconds without a message
    EXPECT_EQ(ClockTicksForTimer(), 1);  // one period (78 ms) worth, not 76 steps
    gNow += 5000;  // exactly five seconds still count
    EXPECT_EQ(ClockTicksForTimer(), 64);
}

TEST_F(Pacing, ResetDropsTheCarriedFraction)
{
    ClockTicksForTimer();
    gNow += 100;
    ClockTicksForTimer();
    EXPECT_GT(gClockDriver.stepAccumulator, 0.0);
    gNow += 3000;
    ResetClockTickBase();
    EXPECT_EQ(gClockDriver.tickBase, gNow);
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);
    gNow += 78;
    EXPECT_EQ(ClockTicksForTimer(), 1);  // no burst after the reset
}

TEST_F(Pacing, PauseReasonsInOrder)
{
    EXPECT_EQ(PauseReason(), nullptr);
    gUi.appActive = false;
    EXPECT_STREQ(PauseReason(), "okno gry nieaktywne");
    gUi.previewOpen = true;
    EXPECT_STREQ(PauseReason(), "okno gry nieaktywne");  // Pauza_podglad is off by default
    gSettings.pauzaPodglad = true;
    EXPECT_STREQ(PauseReason(), "otwarty podgląd składu");
    gSelection.candidatesShown = true;
    EXPECT_STREQ(PauseReason(), "układasz drogę - Esc przerywa");
    gSettings.pauzaZaznaczanie = false;
    EXPECT_STREQ(PauseReason(), "otwarty podgląd składu");
    gSettings.pauzaPodglad = false;
    gSettings.pauzaNieaktywne = false;
    EXPECT_FALSE(IsAutoPaused());
}

TEST_F(Pacing, StationStepBecomesTheMoveDivisor)
{
    Game& game = TheGame();
    game.clock.Step(5);
    game.tickCounter = 3;
    SyncStepFromGame();
    EXPECT_EQ(gClockDriver.nominalStepSeconds, 5);
    EXPECT_EQ(game.clock.Step(0), 1);
    EXPECT_EQ(game.moveDivisor, 5);
    EXPECT_EQ(game.tickCounter, 0);
    EXPECT_NEAR(SpeedFactor(), 5000.0 / 780, 1e-9);
}

int gRestarts;
TEST_F(Pacing, LocalTimeSyncSetsRealTimeAndClearsTheSelection)
{
    gRestarts = 0;
    SetNotifyHooks({[] { return gUi.gameRunning; }, AddLogEvent, AddLogEvent, nullptr, nullptr, nullptr,
                    [] { ++gRestarts; }});
    EXPECT_EQ(SyncClockToLocalTime(1234), 0);  // no game: nothing changes
    EXPECT_FALSE(gSettings.czasRzeczywisty);
    EXPECT_EQ(gRestarts, 0);

    BeginShift();
    gUi.prevDueDepartures = 4;
    gSelection = SelectionState{2105, true, true};
    gClockDriver.nominalStepSeconds = 6;
    EXPECT_EQ(SyncClockToLocalTime(730), 1);
    EXPECT_EQ(TheGame().Now(), 730);
    EXPECT_TRUE(gSettings.czasRzeczywisty);
    EXPECT_EQ(gSettings.interval, 6000);
    EXPECT_DOUBLE_EQ(SpeedFactor(), 1.0);
    EXPECT_EQ(gSelection.selectedTile, 0);
    EXPECT_FALSE(gSelection.routeLaying || gSelection.candidatesShown);
    EXPECT_EQ(gUi.prevDueDepartures, 0);
    EXPECT_EQ(gRestarts, 1);
}

}  // namespace
