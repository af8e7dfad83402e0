// The simulation timer on a real game: Testowo started as the program starts
// it, the milliseconds fed by the test and the main window replaced by a
// recorder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "shift_driver.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/new_game.h"
#include "simulation/rolling_stock_kinds.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "slot_texts.h"
#include "station_files.h"
#include "support/fresh_ui_state.h"
#include "ui/game_session.h"
#include "ui/timer_message.h"

namespace {

constexpr int kStepMs = 10;  // S = 10 game seconds in 100 ms: one step every 10 ms
constexpr const char* kMidnight = "Północ - nowa doba, rozkład rusza od nowa";

// What the main window was asked to do.
struct WindowRecord {
    std::vector<Sound> sounds;
    std::vector<std::string> statusTexts;
    std::vector<std::string> questions;  ///< the waiting train of each permission question
    std::vector<int> answers;            ///< answers to give, in order; then permission (1)
    std::vector<std::string> calls;      ///< timer, status bar, repaint, sound and question calls in order
    int restarts = 0;
    int autosaves = 0;
};
WindowRecord gWindow;
uint64_t gNowMs;

void Call(const char* name) { gWindow.calls.push_back(name); }

const NotifyHooks kRecordingWindow = {
    [] { return gUi.gameRunning; },
    [](const char* text) { gWindow.statusTexts.push_back(text); },
    AddLogEvent,
    [] { Call("repaint"); },
    [] { Call("status bar"); },
    [] { Call("stop timer"), gClockDriver.timerId = 0; },
    [] { Call("restart timer"), ++gWindow.restarts, gClockDriver.timerId = 1; },
    [] {
        Call("ask");
        gWindow.questions.push_back(gSectionRequest.waitingTrain);
        gSectionRequest.answer = 1;
        if (!gWindow.answers.empty()) gSectionRequest.answer = gWindow.answers.front(), gWindow.answers.erase(gWindow.answers.begin());
    },
    [](Sound sound) { Call("sound"), gWindow.sounds.push_back(sound); },
    [] { ++gWindow.autosaves; },
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
        oldHooks_ = SetNotifyHooks(kRecordingWindow);
        gSettings.interval = 100;  // a hundred steps a real second
        StartTestowo();
    }
    void TearDown() override
    {
        gUi.gameRunning = false;
        StartDisruptions(TheGame());  // no game runs: the disruptions stop
        SetNotifyHooks(oldHooks_);
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
        // The Ol49 cools down one heat unit a second: each supplies tick shows.
        gSettings.wygaszanieSekund = kLevelFull;
        ASSERT_TRUE(ExtinguishSteamLoco(TheGame(), kStcLocoTrack));
        coolingSlot_ = FindSlotToFireUp(TheGame(), kStcLocoTrack);
        ASSERT_GE(coolingSlot_, 0);
        coolingStart_ = SuppliesTicks();
        gWindow.calls.clear();
        gWindow.statusTexts.clear();
    }
    // Supplies ticks run since the shift began.
    int SuppliesTicks() const
    {
        return kLevelFull - SteamFireSecondsLeft(TheGame(), kStcLocoTrack, coolingSlot_) - coolingStart_;
    }
    // The game's clock in seconds of the day.
    static int ClockSeconds() { return TheGame().Now() / 100 * 3600 + TheGame().Now() % 100 * 60 + TheGame().Seconds(); }
    // One timer message after ms of real time; the steps it ran.
    static int MessageAfter(int ms)
    {
        gNowMs += static_cast<uint64_t>(ms);
        return RunTimerMessage();
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
    NotifyHooks oldHooks_{};
    int coolingSlot_ = -1;  ///< the Ol49's slot on the locomotive track
    int coolingStart_ = 0;
};

TEST(TimerMessage, StepResultsAreCombinedFlagByFlagNeverSummed)
{
    EXPECT_EQ(CombineStepFlags(0, 0), 0);
    EXPECT_EQ(CombineStepFlags(0, 1), 1);
    EXPECT_EQ(CombineStepFlags(1, 10), 11);
    EXPECT_EQ(CombineStepFlags(11, 11), 11);
    EXPECT_EQ(CombineStepFlags(10, 2), 11);
}

TEST_F(TimerOnGame, StandingStillOnlyResetsThePacingBase)
{
    auto standsStill = [this] {
        const int clock = ClockSeconds();
        const int ticks = SuppliesTicks();
        gWindow.calls.clear();
        gClockDriver.stepAccumulator = 0.5;
        EXPECT_EQ(MessageAfter(400), 0);
        EXPECT_EQ(ClockSeconds(), clock);
        EXPECT_EQ(SuppliesTicks(), ticks);
        // Only the status bar, which shows the pause, or its reason, at once.
        EXPECT_EQ(gWindow.calls, (std::vector<std::string>{"status bar"}));
        EXPECT_EQ(gClockDriver.tickBase, gNowMs);
        EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);
    };
    gUi.gameRunning = false;
    standsStill();
    gUi.gameRunning = true;
    gUi.paused = true;
    standsStill();
    gUi.paused = false;
    gUi.appActive = false;  // Pauza_nieaktywne is on
    standsStill();
    gUi.appActive = true;
    gSelection.routeLaying = true;
    standsStill();
    EXPECT_EQ(gWindow.autosaves, 0);
}

TEST_F(TimerOnGame, MessagesRunTheStepsTheMillisecondsBuy)
{
    const int start = ClockSeconds();
    EXPECT_EQ(MessageAfter(2 * kStepMs), 2);
    // once the autosave, then the steps; the status bar and the panes after them
    EXPECT_EQ(gWindow.autosaves, 1);
    EXPECT_EQ(gWindow.calls, (std::vector<std::string>{"status bar", "repaint"}));
    EXPECT_EQ(MessageAfter(kStepMs), 1);
    EXPECT_EQ(MessageAfter(35), 3);   // half a step carried
    EXPECT_EQ(MessageAfter(15), 2);   // and spent here
    EXPECT_EQ(MessageAfter(3), 1);    // never fewer than one
    EXPECT_EQ(MessageAfter(4000), 300);  // capped; the rest carried
    EXPECT_EQ(MessageAfter(kStepMs), 101);
    EXPECT_EQ(MessageAfter(60000), 4);  // a long gap counts as one period, 40 ms at the fastest
    EXPECT_EQ(ClockSeconds() - start, 2 + 1 + 3 + 2 + 1 + 300 + 101 + 4);
    EXPECT_EQ(SuppliesTicks(), 414);
    EXPECT_EQ(gWindow.autosaves, 8);
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

    // Afresh, up to three steps before it; then a message worth fifty steps.
    TearDown();
    SetUp();
    while (ClockSeconds() < askedAt - 3) MessageAfter(kStepMs);
    ASSERT_TRUE(gWindow.questions.empty());
    gWindow.answers = {3};  // held three minutes
    gWindow.calls.clear();
    const int supplies = SuppliesTicks();
    const int restarts = gWindow.restarts;
    EXPECT_EQ(MessageAfter(50 * kStepMs), 3);
    EXPECT_EQ(ClockSeconds(), askedAt);
    EXPECT_EQ(gWindow.questions, std::vector<std::string>{"8201"});
    EXPECT_EQ(SuppliesTicks(), supplies + 2) << "the steps before the question keep their supplies";
    EXPECT_EQ(gWindow.restarts, restarts + 1);
    // the status bar and the panes show the station as the question finds it
    EXPECT_EQ(gWindow.calls, (std::vector<std::string>{"stop timer", "status bar", "repaint", "sound", "ask",
                                                       "restart timer", "status bar", "repaint"}));
    EXPECT_EQ(gClockDriver.timerId, 1u);
    EXPECT_EQ(gClockDriver.tickBase, gNowMs);
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);

    // The next message catches nothing up; the train waits and asks again.
    EXPECT_EQ(MessageAfter(kStepMs), 1);
    EXPECT_EQ(SuppliesTicks(), supplies + 3);
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
        // sixty steps, each sound at most once: the steps' flags are combined
        EXPECT_LE(Count(gWindow.sounds, Sound::kNewTrain), 1);
        EXPECT_LE(Count(gWindow.sounds, Sound::kDelay), 1);
        rises += due > previous ? 1 : 0;
        previous = due;
    }
    EXPECT_GE(rises, 2);  // the unit at 5:10 and the car's train at 5:20 at least
}

}  // namespace
