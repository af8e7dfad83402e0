// Whole shifts through the model, as the timer and the player's clicks drive
// it: a morning on Testowo with every kind of operation, and some hours of
// Tarninowo's traffic under a plain dispatcher with every service switched on.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shift_driver.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/coupling.h"
#include "simulation/disruptions.h"
#include "simulation/hints.h"
#include "simulation/slot_queries.h"
#include "simulation/line_sections.h"
#include "simulation/new_game.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "scripted_random.h"
#include "station_files.h"
#include "testowo_game.h"
#include "ui/settings.h"

namespace {

constexpr int32_t kTwSu45 = 3;   ///< Testowo's diesel of row 6
constexpr int32_t kTwSa133 = 6;  ///< Testowo's railcar of row 7

// Testowo from 5:00 at one game second a step; every timer step as the
// program runs it, the permission questions answered from a script.
class TestowoShift : public TestowoGame {
protected:
    void SetUp() override
    {
        TestowoGame::SetUp();
        game.clock.Step(1);
        ResetTrainTracking();
        ResetSupplies(game);
        StartDisruptions(game);
    }
    void TearDown() override { ResetTrainTracking(); }

    void Step()
    {
        game.SimulationStep();
        TrackTrainsTick(game);
        DisruptionsTick(game);
        for (int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0); asking >= 0;) {
            asked.push_back(asking);
            int32_t answer = kLetOntoLine;
            if (!answers.empty()) answer = answers.front(), answers.erase(answers.begin());
            asking = game.AdmitArrivingTrains(asking, answer);
        }
        SuppliesTick(game);
    }
    template <typename Condition>
    bool StepUntil(Condition condition, int32_t limit = 3600)
    {
        for (int32_t i = 0; i < limit && !condition(); ++i) Step();
        return condition();
    }
    // Steps on to a later time of the same morning.
    void StepTo(int32_t hhmm)
    {
        ASSERT_LT(game.Now(), hhmm) << "the time has passed: it would come again only tomorrow";
        ASSERT_TRUE(StepUntil([&] { return game.Now() == hhmm; }, 24 * 3600));
    }

    RunningGameLog log;
    std::vector<int32_t> answers;  ///< answers to the permission questions, in order; then permission
    std::vector<int32_t> asked;    ///< arrival positions that asked, in order
};

// The morning's operations one after the other: every kind of click, the
// log lines they bring, and no vehicle lost or duplicated on the way.
TEST_F(TestowoShift, MorningOfEveryKindOfOperation)
{
    answers = {3};
    const VehicleCensus start = TakeCensus(game);
    ASSERT_EQ(start.total, 15);
    ASSERT_EQ(start.inDepot, 3);
    ASSERT_EQ(start.duplicatedSerials, 0);

    // Refused clicks cost the player five points each.
    const char* refusal = ClickRoute(game, 414, 542);  // the car's end: no locomotive in front
    ASSERT_STREQ(refusal, "Brak lokomotywy na początku składu");
    AddPenaltyEvent(game);
    ASSERT_STREQ(ClickRoute(game, 512, 512), "Wskazano dwa razy ten sam punkt");
    AddPenaltyEvent(game);

    // The Ol49 is turned on the turntable and sent into the shed.
    ASSERT_EQ(game.TurnLocomotive(kStcLocoTrack, 0), kTurnDone);
    ASSERT_EQ(ClickRoute(game, 933, 937), nullptr);
    EXPECT_EQ(game.TurnLocomotive(kStcLocoTrack, 0), kTurnMoving);
    ASSERT_TRUE(StepUntil([&] { return game.depot.Count() == 4; }));
    EXPECT_FALSE(RowHasVehicle(game, kStcLocoTrack));

    // EU07 #8 is uncoupled from its car and coupled back.
    ASSERT_STREQ(game.CoupleOrUncouple(413, 0, -1), "");
    ASSERT_TRUE(StepUntil([&] { return game.SlotCoupled(kStcPlatform1, 0) == 0; }, 61));
    ASSERT_STREQ(game.CoupleOrUncouple(413, 0, -1), "");
    EXPECT_STREQ(ClickRoute(game, 412, 713, kStcSubTrack1), "Trwa łączenie/rozłączanie");
    ASSERT_TRUE(StepUntil([&] { return game.SlotCoupled(kStcPlatform1, 0) == 1; }, 181));

    // The multiple unit leaves at 5:10 by the east exit; the count loses it.
    // It came in last evening, before the shift drew any times for it, so
    // its leaving is not scored.
    ASSERT_EQ(ClickRoute(game, 514, 542), nullptr);
    ASSERT_TRUE(StepUntil([&] { return !RowHasVehicle(game, kStcPlatform2) && !RowHasVehicle(game, kStcEastExit); }));
    EXPECT_EQ(LoggedCount("Odjechał pociąg"), 0);
    EXPECT_EQ(TakeCensus(game).byType[kTwEn57], 0);
    // Row 6's SU45 and its car come to the east entry and stop there.
    ASSERT_TRUE(StepUntil([&] { return RowHasVehicle(game, kStcEastEntry) && !game.IsConsistStillMoving(kStcEastEntry, 442); }));
    VehicleCensus now = TakeCensus(game);
    EXPECT_EQ(now.byType[kTwSu45], start.byType.at(kTwSu45) + 1);
    EXPECT_EQ(now.byType[kTwCarB], start.byType.at(kTwCarB) + 1);
    EXPECT_EQ(now.total, start.total - 1 + 2);
    EXPECT_EQ(now.duplicatedSerials, 0);

    // Row 6 goes from the east entry to the platform 2 just left.
    EXPECT_STREQ(ClickRoute(game, 442, 414), "Brak wolnego miejsca w punkcie docelowym");
    AddPenaltyEvent(game);
    refusal = ClickRoute(game, 442, 514); ASSERT_EQ(refusal, nullptr) << refusal;
    ASSERT_TRUE(StepUntil([&] { return RowHasVehicle(game, kStcPlatform2) && !RowHasVehicle(game, kStcEastEntry); }));
    EXPECT_TRUE(StepUntil([&] { return LoggedCount("Wjechał pociąg") == 1; }, 900));
    // The unit out, row 6's two vehicles in, and whatever waits at the entries.
    EXPECT_EQ(TakeCensus(game).total,
              start.total - 1 + 2 + OccupiedRun(game, kStcEastEntry) + OccupiedRun(game, kStcLine));

    // Row 7 asked for its line: held three minutes, then let on.
    StepTo(620);
    ASSERT_GE(asked.size(), 2u);
    EXPECT_EQ(asked[0], asked[1]);
    EXPECT_TRUE(RowHasVehicle(game, kStcLine));
    EXPECT_GE(LoggedCount("Pociąg 8201 czeka na wjazd"), 1);

    now = TakeCensus(game);
    EXPECT_EQ(now.duplicatedSerials, 0);
    EXPECT_EQ(PointsNotMarkedOccupied(game), "");

    const ScoreSummary summary = GetScoreSummary(game);
    EXPECT_EQ(summary.departedCount, 0);
    EXPECT_EQ(summary.penaltyEvents, 3);
    EXPECT_EQ(summary.penaltyPoints, 3 * kPointsPerEvent + summary.delayMinutes);
}

// Draws of a small linear congruential generator: the same on every libc.
std::vector<int> ScriptedDraws(size_t count)
{
    std::vector<int> draws(count);
    uint32_t x = 12345;
    for (int& draw : draws) {
        x = x * 1103515245u + 12345u;
        draw = static_cast<int>((x >> 16) & 0x7fff);
    }
    return draws;
}

// Tarninowo's morning under a plain dispatcher, once a game minute: a train
// standing at an entry or a line is sent to a free platform, a train whose
// departure has come to its exit, an engine without a train to the depot or
// the locomotive track. Every refused click costs the player, as it would.
class TarninowoMorning : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(game.NewGameFromTimetable((GameFolder() + "/Stacje/Tarninowo/Tarninowo.roz").c_str()), kNewGameStarted);
        game.clock.Step(1);
        ResetTrainTracking();
        ResetSupplies(game);
        StartDisruptions(game);
    }
    void TearDown() override
    {
        ResetTrainTracking();
        gSettings.utrudnienia = false;
        StartDisruptions(game);  // the delay chances back, no closures left
        gSettings = Settings();
    }

    void Step()
    {
        game.SimulationStep();
        TrackTrainsTick(game);
        DisruptionsTick(game);
        for (int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0); asking >= 0;)
            asking = game.AdmitArrivingTrains(asking, kLetOntoLine);
        SuppliesTick(game);
    }
    // The player's clicks from point from to point to, by any of their tiles:
    // a move the rules forbid is never clicked, a click refused is charged.
    bool Click(int32_t from, int32_t to)
    {
        for (int32_t i = 0; i < 3; ++i)
            for (int32_t j = 0; j < 3; ++j) {
                const TileCode fromTile = game.PointTileAt(from, i), toTile = game.PointTileAt(to, j);
                if (fromTile <= 0 || toTile <= 0 || game.ValidateMove(fromTile, toTile, -1)) continue;
                if (ClickRoute(game, fromTile, toTile) == nullptr) return true;
                AddPenaltyEvent(game);
                ++refused;
            }
        return false;
    }
    bool Free(int32_t point) { return !RowHasVehicle(game, point) && !IsPointClosed(point); }
    void Dispatch()
    {
        for (int32_t p = 0; p < game.PointCount(); ++p) {
            const int32_t slot = FindPoweredSlot(game, p, 0, 1);
            if (slot < 0) continue;
            VehicleSlot& head = *game.SlotAt(p, slot);
            if (head.Motion() != kMotionStanding || head.HasPath() || head.Countdown() != 0) continue;
            const int32_t kind = game.PointKind(p);
            const int32_t train = HeadTrainRow(game, p, slot);
            if (kind == kPointEntry || kind == kPointLine) {
                for (int32_t to = 0; to < game.PointCount(); ++to)
                    if (IsPlatformKind(game.PointKind(to)) && Free(to) && Click(p, to)) break;
            } else if (train < 0) {
                for (int32_t to = 0; to < game.PointCount(); ++to) {
                    const int32_t k = game.PointKind(to);
                    if ((k == kPointDepot || k == kPointLocoTrack) && to != p && Free(to) && Click(p, to)) break;
                }
            } else if (!IsArrivingRole(game.timetable.RowState(train, kRawRow)) && game.Now() >= game.timetable.RowTime(train, 1)) {
                const int32_t exit = game.FindPointByTile(game.timetable.ExitTileOfRow(train));
                const int32_t k = exit >= 0 ? game.PointKind(exit) : 0;
                if ((k == kPointExit || (k == kPointLine && LineStateOf(game, exit) == kLineFree)) && Free(exit))
                    sent += Click(p, exit) ? 1 : 0;
            }
        }
    }

    ScriptedRandom random{ScriptedDraws(1 << 20)};
    RunningGameLog log;
    Game game;
    int32_t refused = 0;  ///< clicks refused
    int32_t sent = 0;     ///< trains sent to their exits
};

TEST_F(TarninowoMorning, HoursOfTrafficKeepEveryVehicleAndScoreTheShift)
{
    const int32_t start = TakeCensus(game).total;
    ASSERT_GT(start, 0);
    int32_t hintsSeen = 0;
    for (int32_t s = 0; s < 4 * 3600; ++s) {
        Step();
        if (game.Seconds() != 0) continue;
        Dispatch();
        const VehicleCensus census = TakeCensus(game);
        ASSERT_EQ(census.duplicatedSerials, 0) << game.Now();
        ASSERT_EQ(PointsNotMarkedOccupied(game), "") << game.Now();
        // The dispatcher's hints, as the event box asks for them every paint.
        const std::vector<Hint> hints = BuildHints(game);
        ASSERT_TRUE(std::is_sorted(hints.begin(), hints.end(), HintGreater)) << game.Now();
        for (const Hint& hint : hints) ASSERT_FALSE(hint.text.empty()) << game.Now();
        hintsSeen += static_cast<int32_t>(hints.size());
    }
    EXPECT_GT(hintsSeen, 0);
    EXPECT_LT(random.Used(), size_t{1} << 20);  // never past the script
    EXPECT_GT(sent, 0);
    EXPECT_GT(LoggedCount("Wjechał pociąg"), 0);

    const ScoreSummary summary = GetScoreSummary(game);
    EXPECT_GT(summary.departedCount, 0);
    EXPECT_EQ(summary.penaltyEvents, refused);
    EXPECT_EQ(summary.penaltyPoints, refused * kPointsPerEvent + summary.delayMinutes);
    EXPECT_GE(summary.maxDelay, 0);
    EXPECT_LE(summary.maxDelay, summary.delayMinutes);
}

}  // namespace
