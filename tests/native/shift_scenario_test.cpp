// Whole shifts through the model, as the timer and the player's clicks drive
// it: a morning on Testowo with every kind of operation, and some hours of
// Tarninowo's traffic under a plain dispatcher with every service switched on.
#include <gtest/gtest.h>

#include <vector>

#include "shift_driver.h"
#include "simulation/admission.h"
#include "simulation/coupling.h"
#include "simulation/disruptions.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
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
    void StepTo(int32_t hhmm)
    {
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
    ASSERT_EQ(ClickRoute(game, 514, 542), nullptr);
    ASSERT_TRUE(StepUntil([&] { return !RowHasVehicle(game, kStcPlatform2) && !RowHasVehicle(game, kStcEastExit); }));
    StepTo(511);
    EXPECT_EQ(LoggedCount("Odjechał pociąg"), 1);
    VehicleCensus now = TakeCensus(game);
    EXPECT_EQ(now.byType[kTwEn57], 0);
    // In the meantime, drawn early by the winter, row 6's SU45 and its car
    // reached the east entry and row 7's railcar its line.
    EXPECT_EQ(now.byType[kTwSu45], start.byType.at(kTwSu45) + 1);
    EXPECT_EQ(now.byType[kTwCarB], start.byType.at(kTwCarB) + 1);
    EXPECT_EQ(now.byType[kTwSa133], 1);
    EXPECT_EQ(now.total, start.total - 1 + 3);
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
    EXPECT_EQ(summary.departedCount, 1);
    EXPECT_EQ(summary.penaltyEvents, 3);
    EXPECT_EQ(summary.penaltyPoints, 3 * kPointsPerEvent + summary.delayMinutes);
}

}  // namespace
