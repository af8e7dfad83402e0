// Today's delays on a real Testowo game: the delays file beside a copy of its
// timetable, the hand-over of each delay, the random-delays switch and the
// background refresh on a real thread behind a transport of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "model/game.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "slot_texts.h"
#include "sources/delay_data.h"
#include "sources/delay_refresh.h"
#include "sources/rozklad_setting.h"
#include "station_files.h"
#include "support/fresh_ui_state.h"

namespace {

constexpr int32_t kFirstArriving = 6;  // arrives 5:30
constexpr int32_t kPassenger = 7;      // arrives 6:10
constexpr int32_t kEastbound = 8;      // arrives 6:50
constexpr uint64_t kMinuteMs = 60000;

std::map<std::string, std::string> gRozklad;  // [Rozklad] of the test's settings file
std::vector<std::string> gStatus;             // status bar messages
int gRepaints = 0;
uint64_t gNowMs = 0;

// The transport the refresh thread calls: each call answers with the next text.
std::vector<std::pair<std::string, std::string>> gAnswers;  // (text, error)
std::vector<std::string> gSent;

std::string Answer(const std::string& current, std::string& error)
{
    gSent.push_back(current);
    if (gAnswers.empty()) return std::string();
    const auto answer = gAnswers.front();
    gAnswers.erase(gAnswers.begin());
    error = answer.second;
    return answer.first;
}

// A transport that holds its answer until the test lets it go.
std::atomic<bool> gReleased{true};
std::string HeldAnswer(const std::string& current, std::string& error)
{
    while (!gReleased) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return Answer(current, error);
}

std::string ReadIni(const char* section, const char* key, const char* fallback, const char*)
{
    const auto found = gRozklad.find(key);
    return std::string(section) == "Rozklad" && found != gRozklad.end() ? found->second : fallback;
}

class TodayDelays : public testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gUi.gameRunning = true;
        gRozklad = {{"Serwer", "http://127.0.0.1:1"}};
        gStatus.clear();
        gRepaints = 0;
        gNowMs = 1000000;
        gAnswers.clear();
        gSent.clear();
        gDelayData = DelayData();
        oldIni_ = SetIniAccess({ReadIni, [](const char*, const char*, const char*, const char*) {}});
        oldRozklad_ = SetRozkladReader(ReadRozkladSetting);
        oldTicks_ = SetTickSource([] { return gNowMs; });
        oldNotify_ = SetNotifyHooks({[] { return true; }, [](const char* text) { gStatus.push_back(text); },
                                     [](const char*) {}, [] { ++gRepaints; }});
        oldTransport_ = SetDelaysTransport(Answer);
        folder_ = TestFolder();
        WriteFileIn(folder_, "Testowo.stc", ReadWholeFile(TestowoFile("Testowo.stc")));
        timetable_ = WriteFileIn(folder_, "Testowo.roz", ReadWholeFile(TestowoFile("Testowo.roz")));
        ASSERT_EQ(game.NewGameFromTimetable(timetable_.c_str()), kNewGameStarted);
        game.LookAhead(45);
    }
    void TearDown() override
    {
        WaitForRefresh();
        SetDelaysTransport(oldTransport_);
        SetNotifyHooks(oldNotify_);
        SetTickSource(oldTicks_);
        SetRozkladReader(oldRozklad_);
        SetIniAccess(oldIni_);
        gDelayData = DelayData();
        StoreDelaysRequest("");
        FreshUiState();
    }

    void Load(const std::string& delays)
    {
        WriteFileIn(folder_, "Testowo.opoz", delays);
        LoadDelaysFile(game, timetable_, ClockRealTimeOrSlower());
    }
    void At(int32_t hour, int32_t minute) { game.clock.Set(hour, minute, 0); }
    int32_t ArrivalDelay(int32_t row) { return game.Delay(row, kRawRow, kArrivalSide); }
    static void WaitForRefresh()
    {
        for (int i = 0; i < 500 && DelayRefreshBusy(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_FALSE(DelayRefreshBusy());
    }
    // Minutes of real time, then one poll; then the poll that takes the answer.
    void PollAfter(uint64_t minutes)
    {
        gNowMs += minutes * kMinuteMs;
        PollDelayRefresh(game, DelayRefreshGate());
        WaitForRefresh();
    }

    FixedRandom draws_{100};
    Game game;
    std::string folder_;
    std::string timetable_;
    IniAccess oldIni_{};
    RozkladReader oldRozklad_ = nullptr;
    TickSource oldTicks_ = nullptr;
    NotifyHooks oldNotify_{};
    DelaysTransport oldTransport_ = nullptr;
};

TEST_F(TodayDelays, FileStartsTodayModeAndSwitchesRandomDelaysOff)
{
    gSettings.interval = 10000;  // real time: S = 10 game seconds in 10 real seconds
    Load("# dzis\nPOBRANE 2026-12-07 04:50\n6 12 10\n7 -2 0\n99 1 1\n");
    EXPECT_TRUE(DelayDataLoaded());
    EXPECT_EQ(DelayEntryCount(), 2u);
    EXPECT_FALSE(game.RandomDelays());
    EXPECT_EQ(gDelayData.lastRefreshTick, gNowMs);
    SetLocalTimeSource([] { return LocalMinute{2026, 12, 7, 5, 20}; });
    EXPECT_EQ(DelayDataAgeMinutes(), 30);
    SetLocalTimeSource(nullptr);

    gSettings.interval = 780;  // faster than real time: the timetable draws its own again
    UpdateRandomDelaysSwitch(game, ClockRealTimeOrSlower());
    EXPECT_TRUE(game.RandomDelays());

    gSettings.interval = 10000;
    std::remove((folder_ + "Testowo.opoz").c_str());
    LoadDelaysFile(game, timetable_, ClockRealTimeOrSlower());
    EXPECT_FALSE(DelayDataLoaded());
    EXPECT_EQ(DelayEntryCount(), 0u);
    EXPECT_EQ(DelayDataAgeMinutes(), -1);
    EXPECT_TRUE(game.RandomDelays());

    Load("");  // empty: today mode all the same
    EXPECT_TRUE(DelayDataLoaded());
    EXPECT_FALSE(game.RandomDelays());
    EndDelayData(game);  // a saved game loaded after it
    EXPECT_FALSE(DelayDataLoaded());
    EXPECT_TRUE(game.RandomDelays());
}

TEST_F(TodayDelays, DelayIsHandedOverOneMinuteBeforeTheTimetableDrawsIt)
{
    Load("6 12 10\n7 -2 0\n8 35 33\n");
    ApplyDueDelays(game);  // 5:00: the 5:30 arrival is within 46 minutes
    EXPECT_EQ(ArrivalDelay(kFirstArriving), 12);
    EXPECT_EQ(DelayEntryCount(), 2u);

    At(5, 23);  // 6:10 is 47 minutes away
    ApplyDueDelays(game);
    EXPECT_FALSE(game.HasExpectedArrival(kPassenger));
    At(5, 24);
    ApplyDueDelays(game);
    EXPECT_EQ(ArrivalDelay(kPassenger), -2);

    game.ApplyDelays(kEastbound, 1, 1);  // drawn before its real delay came
    ApplyDueDelays(game);
    EXPECT_EQ(DelayEntryCount(), 0u);
    EXPECT_EQ(ArrivalDelay(kEastbound), 1);
}

TEST_F(TodayDelays, PastTrainWaitsForTheNextDayAndMidnightWraps)
{
    At(6, 0);  // the 5:30 arrival has gone by
    Load("6 12 10\n");
    ApplyDueDelays(game);
    EXPECT_EQ(DelayEntryCount(), 1u);
    At(4, 43);  // 47 minutes before it, on the next day
    ApplyDueDelays(game);
    EXPECT_EQ(DelayEntryCount(), 1u);
    At(4, 44);
    ApplyDueDelays(game);
    EXPECT_EQ(DelayEntryCount(), 0u);
    EXPECT_EQ(ArrivalDelay(kFirstArriving), 12);

    game.LookAhead(45);
    At(23, 30);  // the 0:10 of a look-ahead across midnight: 40 minutes away
    gDelayData.pending = {{kPassenger, 3, 3}};
    game.timetable = Timetable();  // no rows: nothing handed over, nothing read out of range
    ApplyDueDelays(game);
    EXPECT_TRUE(gDelayData.pending.empty());
}

TEST_F(TodayDelays, RefreshSendsTheTextAndTakesTheAnswerAtTheNextPoll)
{
    gSettings.interval = 10000;
    const std::string file = "# dzis\nPOBRANE 2026-12-07 04:50\n7 5 5\n8 1 1\n";
    Load(file);
    PollAfter(4);
    EXPECT_TRUE(gSent.empty());  // the first refresh comes one interval after the file
    gAnswers = {{"POBRANE 2026-12-07 05:00\n7 6 6\n8 2 2\n9 3 3\n", ""}};
    PollAfter(1);
    ASSERT_EQ(gSent.size(), 1u);
    EXPECT_EQ(gSent[0], file);
    EXPECT_EQ(DelayEntryCount(), 2u);  // not taken in yet
    PollAfter(0);
    EXPECT_EQ(DelayEntryCount(), 3u);
    ASSERT_FALSE(gStatus.empty());
    EXPECT_EQ(gStatus.back(), "Opóźnienia odświeżone: 3 pociągów");
    EXPECT_EQ(gRepaints, 1);
    EXPECT_EQ(gDelayData.pending[0].arrivalDelay, 6);

    // The answer is what the next refresh sends; a failure keeps the list
    // and waits 15 minutes whatever the setting says. The status bar shows
    // the failure on one line.
    gAnswers = {{"", "Serwer odmowil (kod 500).\n\nWewnetrzny blad\r\n\tserwera\x7F."}};
    PollAfter(5);
    PollAfter(0);
    EXPECT_EQ(gSent.back(), "POBRANE 2026-12-07 05:00\n7 6 6\n8 2 2\n9 3 3\n");
    EXPECT_EQ(gStatus.back(), "Opóźnienia bez zmian: Serwer odmowil (kod 500). Wewnetrzny blad serwera .");
    EXPECT_EQ(DelayEntryCount(), 3u);
    EXPECT_EQ(gDelayData.refreshInterval, kFailedRefreshMinutes);
    PollAfter(14);
    EXPECT_EQ(gSent.size(), 2u);
    gAnswers = {{"# nic\n", ""}};  // no answer at all would read "brak odpowiedzi"
    PollAfter(1);
    PollAfter(0);
    EXPECT_EQ(gSent.size(), 3u);
    EXPECT_EQ(DelayEntryCount(), 0u);
    EXPECT_EQ(gStatus.back(), "Opóźnienia odświeżone: 0 pociągów");
    PollAfter(5);
    PollAfter(0);
    EXPECT_EQ(gStatus.back(), "Opóźnienia bez zmian: brak odpowiedzi");
}

// A refresh belongs to the game that asked: its answer, waiting for the poll
// or still on the way, never reaches the next game, which keeps the delays
// of its own file and later sends its own text.
TEST_F(TodayDelays, AnAnswerForTheLastGameNeverReachesTheNext)
{
    const auto refreshReports = [] {
        return std::count_if(gStatus.begin(), gStatus.end(),
                             [](const std::string& text) { return text.rfind("Opóźnienia", 0) == 0; });
    };
    gSettings.interval = 10000;
    Load("7 5 5\n8 1 1\n");
    gAnswers = {{"6 30 30\n7 30 30\n", ""}};
    PollAfter(5);
    ASSERT_EQ(gSent.size(), 1u);
    ASSERT_EQ(game.NewGameFromTimetable(timetable_.c_str()), kNewGameStarted);
    Load("8 2 2\n");
    PollAfter(0);
    ASSERT_EQ(DelayEntryCount(), 1u);
    EXPECT_EQ(gDelayData.pending[0].train, kEastbound);
    EXPECT_EQ(gDelayData.pending[0].arrivalDelay, 2);
    EXPECT_EQ(refreshReports(), 0);

    gReleased = false;
    SetDelaysTransport(HeldAnswer);
    gAnswers = {{"", "Serwer nie odpowiada (kod bledu 12002)."}};
    gNowMs += 5 * kMinuteMs;
    PollDelayRefresh(game, DelayRefreshGate());
    ASSERT_TRUE(DelayRefreshBusy());
    Load("6 4 4\n");  // the same station started again while the request is on the way
    gReleased = true;
    PollAfter(0);
    PollAfter(0);
    ASSERT_EQ(DelayEntryCount(), 1u);
    EXPECT_EQ(gDelayData.pending[0].train, kFirstArriving);
    EXPECT_EQ(refreshReports(), 0);
    EXPECT_NE(gDelayData.refreshInterval, kFailedRefreshMinutes);

    gAnswers = {{"6 5 5\n", ""}};
    PollAfter(5);
    PollAfter(0);
    EXPECT_EQ(gSent.back(), "6 4 4\n");
    EXPECT_EQ(gDelayData.pending[0].arrivalDelay, 5);
    EXPECT_EQ(gStatus.back(), "Opóźnienia odświeżone: 1 pociągów");
}

TEST_F(TodayDelays, NoRefreshWhenOffFasterThanRealTimePausedOrNothingToSend)
{
    gSettings.interval = 10000;
    Load("7 5 5\n");
    gRozklad["OdswiezanieMinut"] = "0";
    PollAfter(120);
    EXPECT_TRUE(gSent.empty());
    Load("7 5 5\n");
    gRozklad["OdswiezanieMinut"] = "90";  // read again while the interval is 0: 60
    PollAfter(59);
    gSettings.interval = 780;
    PollAfter(1);
    gSettings.interval = 10000;
    gUi.paused = true;
    PollAfter(0);
    gUi.paused = false;
    gUi.appActive = false;  // the window is inactive
    PollAfter(0);
    gUi.appActive = true;
    gUi.gameRunning = false;
    PollAfter(0);
    EXPECT_TRUE(gSent.empty());
    gUi.gameRunning = true;
    gAnswers = {{"7 9 9\n", ""}};
    PollAfter(0);
    EXPECT_EQ(gSent.size(), 1u);

    PollAfter(0);  // the answer taken in
    Load("");  // an empty file is never sent
    PollAfter(61);
    PollAfter(61);
    EXPECT_EQ(gSent.size(), 1u);
}

TEST_F(TodayDelays, StatusTextsOfTheShiftStart)
{
    EXPECT_EQ(TodayDelaysStatusText(4, -1), "Rozkład na dziś: 4 pociągów ma prawdziwe opóźnienie z API PLK.");
    EXPECT_EQ(TodayDelaysStatusText(4, 59),
              "Rozkład na dziś: 4 pociągów ma prawdziwe opóźnienie z API PLK. Dane sprzed 59 min.");
    EXPECT_EQ(TodayDelaysStatusText(4, 60),
              "Rozkład na dziś: 4 pociągów ma prawdziwe opóźnienie z API PLK. UWAGA: dane sprzed 60 min!");
    EXPECT_EQ(TodayClockStatusText(7, 5, 3), "Rozkład na dziś: zegar ustawiony na 07:05, składów na stacji: 3.");
}

}  // namespace
