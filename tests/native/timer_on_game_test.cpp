// The simulation timer on a real game: Testowo started as the program starts
// it, the model's services behind the timer, the milliseconds fed by the test
// and the main window replaced by a recorder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "shift_driver.h"
#include "simulation/event_log.h"
#include "simulation/new_game.h"
#include "simulation/rolling_stock_kinds.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "slot_texts.h"
#include "station_files.h"
#include "support/fresh_ui_state.h"
#include "ui/game_session.h"
#include "ui/model_hooks.h"
#include "ui/timer_message.h"
#include "ui/ui_hooks.h"

namespace {

constexpr int kStepMs = 10;  // S = 10 game seconds in 100 ms: one step every 10 ms
constexpr const char* kMidnight = "Północ - nowa doba, rozkład rusza od nowa";

// What the main window was asked to do.
struct WindowRecord {
    std::vector<Sound> sounds;
    std::vector<std::string> statusTexts;
    std::vector<std::string> questions;  ///< the waiting train of each permission question
    std::vector<int> answers;            ///< answers to give, in order; then permission (1)
    int restarts = 0;
    int supplies = 0;                    ///< supplies ticks run
};
WindowRecord gWindow;
uint64_t gNowMs;

const UiHooks kRecordingWindow = {
    [] { gClockDriver.timerId = 0; },
    [] { ++gWindow.restarts, gClockDriver.timerId = 1; },
    [] {
        gWindow.questions.push_back(gSectionRequest.waitingTrain);
        gSectionRequest.answer = 1;
        if (!gWindow.answers.empty()) gSectionRequest.answer = gWindow.answers.front(), gWindow.answers.erase(gWindow.answers.begin());
    },
    [](Sound sound) { gWindow.sounds.push_back(sound); },
    [](int, const char* text) { gWindow.statusTexts.push_back(text); },
    [] {},
    [] {},
};

int Count(const std::vector<Sound>& sounds, Sound sound)
{
    int n = 0;
    for (Sound s : sounds) n += s == sound ? 1 : 0;
    return n;
}

class TimerOnGame : public testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gWindow = WindowRecord();
        gNowMs = 100000;
        oldTicks_ = SetTickSource([] { return gNowMs; });
        gGameHooks = GameModelHooks();
        gGameHooks.suppliesTick = [] { ++gWindow.supplies, SuppliesTick(TheGame()); };
        gSettings.interval = 100;  // a hundred steps a real second
        StartTestowo();
    }
    void TearDown() override
    {
        SetTickSource(oldTicks_);
        ResetTrainTracking();
        ResetSupplies(TheGame());
        ResetRollingStockKinds();
        ClearLog();
        FreshUiState();
        TheGame() = Game();
    }

    // A new Testowo shift at 5:00, begun as the program begins one.
    void StartTestowo()
    {
        TheGame() = Game();
        ASSERT_EQ(TheGame().NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
        BeginGameSession();
        gClockDriver.timerId = 1;
        ASSERT_EQ(gClockDriver.nominalStepSeconds, 10);
        ASSERT_EQ(TheGame().clock.Step(0), 1);
    }
    // The game's clock in seconds of the day.
    static int ClockSeconds() { return TheGame().Now() / 100 * 3600 + TheGame().Now() % 100 * 60 + TheGame().Seconds(); }
    // One timer message after ms of real time; the steps it ran.
    static int MessageAfter(int ms)
    {
        gNowMs += static_cast<uint64_t>(ms);
        return RunTimerMessage(kRecordingWindow);
    }
    // One-step messages until a permission question comes; false when none
    // comes within limit steps.
    static bool StepUntilAsked(int limit)
    {
        for (int i = 0; i < limit && gWindow.questions.empty(); ++i) MessageAfter(kStepMs);
        return !gWindow.questions.empty();
    }

    FixedRandom draws_{100};  ///< no random delays, no breakdowns
    RunningGameLog log_;
    TickSource oldTicks_ = nullptr;
};

TEST_F(TimerOnGame, MessagesRunTheStepsTheMillisecondsBuy)
{
    const int start = ClockSeconds();
    EXPECT_EQ(MessageAfter(kStepMs), 1);
    EXPECT_EQ(MessageAfter(35), 3);   // half a step carried
    EXPECT_EQ(MessageAfter(15), 2);   // and spent here
    EXPECT_EQ(MessageAfter(3), 1);    // never fewer than one
    EXPECT_EQ(MessageAfter(4000), 300);  // capped; the rest carried
    EXPECT_EQ(MessageAfter(kStepMs), 101);
    EXPECT_EQ(MessageAfter(60000), 4);  // a long gap counts as one period, 40 ms at the fastest
    EXPECT_EQ(ClockSeconds() - start, 1 + 3 + 2 + 1 + 300 + 101 + 4);
    EXPECT_EQ(gWindow.supplies, 412);
    EXPECT_EQ(TakeCensus(TheGame()).duplicatedSerials, 0);
    EXPECT_EQ(PointsNotMarkedOccupied(TheGame()), "");
}

TEST_F(TimerOnGame, MidnightIsLoggedOnceWhenTheClockPasses)
{
    ASSERT_EQ(TheGame().clock.Set(23, 59, 50), 1);
    ClearLog();
    for (int i = 0; i < 10; ++i) MessageAfter(20 * kStepMs);
    EXPECT_EQ(TheGame().Now(), 3);
    EXPECT_EQ(LoggedCount(kMidnight), 1);
    int newDay = 0;
    for (const std::string& text : gWindow.statusTexts)
        newDay += text == "Nowa doba - rozkład rusza od nowa, punkty od zera" ? 1 : 0;
    EXPECT_EQ(newDay, 1);
}

TEST_F(TimerOnGame, PermissionOnTheFirstStepDropsTheRestAndSkipsSupplies)
{
    // Find the step whose admission asks: row 7 (8201) for the west line.
    ASSERT_TRUE(StepUntilAsked(2 * 3600));
    const int askedAt = ClockSeconds();
    EXPECT_EQ(gWindow.questions.front(), "8201");
    EXPECT_EQ(Count(gWindow.sounds, Sound::kSection), 1);

    // Afresh, up to the step before it; then a message worth fifty steps.
    TearDown();
    SetUp();
    while (ClockSeconds() < askedAt - 1) MessageAfter(kStepMs);
    ASSERT_TRUE(gWindow.questions.empty());
    gWindow.answers = {3};  // held three minutes
    const int supplies = gWindow.supplies;
    const int restarts = gWindow.restarts;
    EXPECT_EQ(MessageAfter(50 * kStepMs), 1);
    EXPECT_EQ(ClockSeconds(), askedAt);
    EXPECT_EQ(gWindow.questions, std::vector<std::string>{"8201"});
    EXPECT_EQ(gWindow.supplies, supplies);
    EXPECT_EQ(gWindow.restarts, restarts + 1);
    EXPECT_EQ(gClockDriver.timerId, 1u);
    EXPECT_EQ(gClockDriver.tickBase, gNowMs);
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);

    // The next message catches nothing up; the train waits and asks again.
    EXPECT_EQ(MessageAfter(kStepMs), 1);
    EXPECT_EQ(gWindow.supplies, supplies + 1);
    for (int i = 0; i < 4 * 60 && gWindow.questions.size() < 2; ++i) MessageAfter(kStepMs);
    ASSERT_EQ(gWindow.questions.size(), 2u);
    EXPECT_EQ(gWindow.questions[1], "8201");
    EXPECT_GE(LoggedCount("Pociąg 8201 czeka na wjazd"), 1);
}

TEST_F(TimerOnGame, DepartureSoundWhenTheDueCountRises)
{
    int previous = 0, rises = 0;
    for (int minute = 0; minute < 50; ++minute) {
        gWindow.sounds.clear();
        MessageAfter(60 * kStepMs);  // one game minute
        int due = 0;
        for (int t = 0; t < TheGame().TrainCount(); ++t) due += TheGame().TrainStateNow(t, 1) == 3 ? 1 : 0;
        EXPECT_EQ(gUi.prevDueDepartures, due);
        EXPECT_EQ(Count(gWindow.sounds, Sound::kDeparture), due > previous ? 1 : 0) << "minute " << minute;
        rises += due > previous ? 1 : 0;
        previous = due;
    }
    EXPECT_GE(rises, 2);  // the unit at 5:10 and the car's train at 5:20 at least
}

}  // namespace
