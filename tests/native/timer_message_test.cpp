#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fresh_ui_state.h"
#include "ui/game_hooks.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/timer_message.h"
#include "ui/ui_hooks.h"
#include "ui/ui_state.h"

namespace {

// A scripted game: a clock that ticks one second per step, step results,
// trains asking for their line sections and trains due to depart, and a record
// of every call in order.
struct FakeGame {
    int hour = 12, minute = 0, second = 0;
    std::vector<int> stepResults;   // result of step i (0 when missing)
    int stepsRun = 0;
    std::vector<int> askingRows;    // rows asking, one after the other, at the first admission
    int askAtStep = 0;              // the step whose admission asks
    int dueDepartures = 0;
    std::vector<std::string> calls;
    std::vector<std::string> log;
    std::vector<std::string> status;
};
FakeGame gGame;
uint64_t gNow;

void Call(const std::string& name) { gGame.calls.push_back(name); }

GameHooks FakeHooks()
{
    GameHooks h = kNoGameHooks;
    h.now = [] { return gGame.hour * 100 + gGame.minute; };
    h.seconds = [] { return gGame.second; };
    h.simulationStep = [] {
        Call("step");
        FakeGame& g = gGame;
        if (++g.second == 60) g.second = 0, ++g.minute;
        if (g.minute == 60) g.minute = 0, ++g.hour;
        if (g.hour == 24) g.hour = 0;
        int i = g.stepsRun++;
        return i < static_cast<int>(g.stepResults.size()) ? g.stepResults[i] : 0;
    };
    h.admitArrivingTrains = [](int row, int answer) {
        Call("admit " + std::to_string(row) + " " + std::to_string(answer));
        FakeGame& g = gGame;
        if (g.stepsRun - 1 != g.askAtStep || g.askingRows.empty()) return -1;
        int next = g.askingRows.front();
        g.askingRows.erase(g.askingRows.begin());
        return next;
    };
    h.entryPointTileOfRow = [](int row) { return 1000 + row; };
    h.entryNumberOfRow = [](int row) { return row % 10; };
    h.trainNumberText = [](int row) { return "Os " + std::to_string(row); };
    h.trainCount = [] { return 5; };
    h.trainStateNow = [](int t, int side, int value) {
        EXPECT_EQ(side, 1);
        EXPECT_EQ(value, -100);
        return t < gGame.dueDepartures ? 3 : 1;
    };
    h.applyDueDelays = [] { Call("delays"); };
    h.pollDelayRefresh = [] { Call("poll"); };
    h.autosaveTick = [] { Call("autosave"); };
    h.resetTrainTracking = [] { Call("reset tracking"); };
    h.trackTrainsTick = [] { Call("track"); };
    h.disruptionsTick = [] { Call("disruptions"); };
    h.suppliesTick = [] { Call("supplies"); };
    h.addLogEvent = [](const char* text) { gGame.log.push_back(text); };
    return h;
}

const char* SoundName(Sound s)
{
    switch (s) {
    case Sound::kNewTrain: return "new train";
    case Sound::kSection: return "section";
    case Sound::kDeparture: return "departure";
    case Sound::kDelay: return "delay";
    default: return "other";
    }
}

const UiHooks kUi = {
    [] { Call("stop timer"), gClockDriver.timerId = 0; },
    [] { Call("restart timer"), gClockDriver.timerId = 1; },
    [] {
        Call("ask " + std::to_string(gSectionRequest.entryTile) + " " +
             std::to_string(gSectionRequest.entryNumber) + " " + gSectionRequest.waitingTrain);
        gSectionRequest.answer = 4;
    },
    [](Sound s) { Call(std::string("sound ") + SoundName(s)); },
    [](int part, const char* text) { gGame.status.push_back(std::to_string(part) + ":" + text); },
    [] { Call("status bar"); },
    [] { Call("repaint"); },
};

class TimerMessage : public ::testing::Test {
protected:
    void SetUp() override
    {
        gGame = FakeGame();
        FreshUiState();
        gUi.gameRunning = true;
        gGameHooks = FakeHooks();
        gClockDriver.timerId = 1;
        gNow = 10000;
        saved_ = SetTickSource([] { return gNow; });
        ResetClockTickBase();
    }
    void TearDown() override
    {
        SetTickSource(saved_);
        gGameHooks = kNoGameHooks;
    }
    // One timer message after ms of real time (78 ms is one step).
    static int MessageAfter(int ms)
    {
        gNow += ms;
        gGame.calls.clear();
        return RunTimerMessage(kUi);
    }
    static std::vector<std::string> Sounds()
    {
        std::vector<std::string> sounds;
        for (const std::string& c : gGame.calls)
            if (c.rfind("sound ", 0) == 0) sounds.push_back(c.substr(6));
        return sounds;
    }

private:
    TickSource saved_ = nullptr;
};

using Calls = std::vector<std::string>;

TEST_F(TimerMessage, StandingStillOnlyResetsThePacingBase)
{
    auto standsStill = [] {
        gClockDriver.stepAccumulator = 0.5;
        EXPECT_EQ(MessageAfter(400), 0);
        EXPECT_TRUE(gGame.calls.empty());
        EXPECT_EQ(gClockDriver.tickBase, gNow);
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
}

TEST_F(TimerMessage, StepsRunInOrderAfterOnePollAndOneAutosave)
{
    EXPECT_EQ(MessageAfter(160), 2);
    Calls oneStep = {"delays", "step", "track", "disruptions", "admit -2 0", "supplies"};
    Calls expected = {"poll", "autosave"};
    for (int i = 0; i < 2; ++i) expected.insert(expected.end(), oneStep.begin(), oneStep.end());
    expected.insert(expected.end(), {"status bar", "repaint"});
    EXPECT_EQ(gGame.calls, expected);
    EXPECT_EQ(gGame.hour * 10000 + gGame.minute * 100 + gGame.second, 120002);
}

TEST_F(TimerMessage, StepResultsAreCombinedFlagByFlagNeverSummed)
{
    gGame.stepResults = std::vector<int>(10, 1);  // ten arrivals would sum to 10
    EXPECT_EQ(MessageAfter(800), 10);
    EXPECT_EQ(Sounds(), Calls{"new train"});

    gGame.stepResults.assign(20, 0);
    gGame.stepResults[12] = 10;
    gGame.stepResults[13] = 10;
    EXPECT_EQ(MessageAfter(400), 5);
    EXPECT_EQ(Sounds(), Calls{"delay"});

    gGame.stepResults.resize(17);
    gGame.stepResults[15] = 1;
    gGame.stepResults[16] = 11;
    EXPECT_EQ(MessageAfter(160), 2);
    EXPECT_EQ(Sounds(), (Calls{"new train", "delay"}));

    EXPECT_EQ(CombineStepFlags(0, 0), 0);
    EXPECT_EQ(CombineStepFlags(1, 10), 11);
    EXPECT_EQ(CombineStepFlags(11, 11), 11);
    EXPECT_EQ(CombineStepFlags(10, 2), 11);
}

TEST_F(TimerMessage, MidnightIsLoggedOnceAndTheStepsGoOn)
{
    gGame.hour = 23, gGame.minute = 59, gGame.second = 58;
    EXPECT_EQ(MessageAfter(320), 4);
    EXPECT_EQ(gGame.log, Calls{"Północ - nowa doba, rozkład rusza od nowa"});
    EXPECT_EQ(gGame.status, Calls{"1:Nowa doba - rozkład rusza od nowa, punkty od zera"});
    int resets = 0, supplies = 0;
    for (const std::string& c : gGame.calls) resets += c == "reset tracking", supplies += c == "supplies";
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(supplies, 4);
    EXPECT_EQ(gGame.hour * 10000 + gGame.minute * 100 + gGame.second, 2);
}

TEST_F(TimerMessage, PermissionOnTheFirstStepDropsTheRestAndSkipsSupplies)
{
    gGame.askingRows = {7, 12};
    gGame.askAtStep = 0;
    EXPECT_EQ(MessageAfter(400), 1);  // 5 steps were due
    // the status bar and the panes show the station as the question finds it
    Calls expected = {"poll", "autosave", "delays", "step", "track", "disruptions", "admit -2 0",
                      "stop timer", "status bar", "repaint", "sound section", "ask 1007 7 Os 7", "admit 7 4",
                      "sound section", "ask 1012 2 Os 12", "admit 12 4", "restart timer",
                      "status bar", "repaint"};
    EXPECT_EQ(gGame.calls, expected);
    EXPECT_EQ(gClockDriver.timerId, 1u);
    EXPECT_EQ(gClockDriver.tickBase, gNow);  // the next message starts afresh
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);

    EXPECT_EQ(MessageAfter(160), 2);  // and then it runs on
}

TEST_F(TimerMessage, PermissionOnALaterStepKeepsTheStepsBefore)
{
    gGame.askingRows = {3};
    gGame.askAtStep = 2;
    EXPECT_EQ(MessageAfter(400), 3);
    int supplies = 0;
    for (const std::string& c : gGame.calls) supplies += c == "supplies";
    EXPECT_EQ(supplies, 2);
}

TEST_F(TimerMessage, DepartureSoundOnlyWhenTheDueCountRises)
{
    std::vector<std::pair<int, bool>> cases = {{2, true}, {2, false}, {1, false}, {3, true}, {0, false}};
    for (auto [due, sounds] : cases) {
        gGame.dueDepartures = due;
        MessageAfter(78);
        EXPECT_EQ(Sounds().size(), sounds ? 1u : 0u) << "due " << due;
        EXPECT_EQ(gUi.prevDueDepartures, due);
    }
}

}  // namespace
