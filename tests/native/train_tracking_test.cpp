// Arrival and departure tracking on Testowo with the trains of services.roz:
// what is logged and when, how a departure is scored, the reset, refused
// operations and the test game.
#include <gtest/gtest.h>

#include "service_game.h"
#include "simulation/train_tracking.h"
#include "timetable_access.h"

namespace {

class TrackingTest : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        ResetTrainTracking();
    }
    void TearDown() override
    {
        ResetTrainTracking();
        ServiceGameTest::TearDown();
    }
    // Scheduled and expected (drawn) times of a row.
    void Times(int32_t row, int32_t arrival, int32_t departure, int32_t expectedArrival, int32_t expectedDeparture)
    {
        TimetableTestAccess::Field(game_.timetable, row, kRowArrival) = arrival;
        TimetableTestAccess::Field(game_.timetable, row, kRowDeparture) = departure;
        TimetableTestAccess::Field(game_.timetable, row, kRowExpectedArrival) = expectedArrival;
        TimetableTestAccess::Field(game_.timetable, row, kRowExpectedDeparture) = expectedDeparture;
    }
    void State(int32_t row, int32_t state) { game_.timetable.TrainState(row, kRawRow, state); }
    // One step at the given clock time.
    void At(int32_t hour, int32_t minute, int32_t seconds = 0)
    {
        game_.clock.Set(hour, minute, seconds);
        TrackTrainsTick(game_);
    }
    // The train's car moved from one slot-grid row to another (-1: off the station).
    void Move(int32_t row, int32_t from, int32_t to)
    {
        VehicleSlot gone;
        VehicleSlot& source = from >= 0 ? *game_.SlotAt(from, 0) : gone;
        if (from < 0) source.Fill(row, kTypeA, kKindCar, 1, 1, 0, kMotionStanding);
        VehicleSlot& target = to >= 0 ? *game_.SlotAt(to, 0) : gone;
        target.MoveFrom(source);
    }
};

TEST_F(TrackingTest, WaitAtTheExitForTheLineIsNotCounted)
{
    Times(kRowWithNumber, 950, 1000, 950, 1000);
    At(9, 45);
    Move(kRowWithNumber, -1, kTestowoPlatform1);
    State(kRowWithNumber, 1);
    At(9, 50);
    EXPECT_EQ(logLines_, std::vector<std::string>{"Wjechał pociąg 1201 o czasie"});

    State(kRowWithNumber, 3);
    At(10, 0);
    EXPECT_EQ(logLines_.back(), "Pociąg 1234 czeka na wyjazd - minęła godzina odjazdu");
    EXPECT_EQ(GetScoreSummary(game_).stillAtStation, 1);

    Move(kRowWithNumber, kTestowoPlatform1, kTestowoEastExit);
    At(10, 5);
    At(10, 12);  // still waiting for the line
    Move(kRowWithNumber, kTestowoEastExit, -1);
    State(kRowWithNumber, -1);
    At(10, 20);
    EXPECT_EQ(logLines_.back(), "Odjechał pociąg 1234 - 5 min po czasie (punkty karne)");

    const ScoreSummary summary = GetScoreSummary(game_);
    EXPECT_EQ(summary.departedCount, 1);
    EXPECT_EQ(summary.stillAtStation, 0);
    EXPECT_EQ(summary.delayMinutes, 5);
    EXPECT_EQ(summary.maxDelay, 5);
    EXPECT_EQ(summary.maxDelayTrain, "1234");
    EXPECT_EQ(summary.penaltyPoints, 5);
    EXPECT_TRUE(statusTexts_.empty());  // the event log only
}

TEST_F(TrackingTest, LatenessCountsUpTo720MinutesAndNothingEarly)
{
    EXPECT_EQ(DelayMinutesBetween(600, 605), 5);
    EXPECT_EQ(DelayMinutesBetween(600, 600 + 720), 720);
    EXPECT_EQ(DelayMinutesBetween(600, 600 + 721), 0);
    EXPECT_EQ(DelayMinutesBetween(600, 599), 0);   // left early
    EXPECT_EQ(DelayMinutesBetween(1430, 10), 20);  // over midnight

    // A train that leaves 721 minutes after it might have scores nothing.
    Times(kRowWithNumber, 950, 1000, 950, 1000);
    State(kRowWithNumber, 1);
    At(9, 0);
    State(kRowWithNumber, -1);
    At(22, 1);
    EXPECT_EQ(logLines_.back(), "Odjechał pociąg 1234 o czasie");
    EXPECT_EQ(GetPenaltyPoints(game_), 0);
    EXPECT_EQ(GetScoreSummary(game_).departedCount, 1);
}

TEST_F(TrackingTest, AfterAResetStandingTrainsAreScoredButNotAnnounced)
{
    Times(kRowWithNumber, 950, 1000, 950, 1000);
    Move(kRowWithNumber, -1, kTestowoPlatform1);
    State(kRowWithNumber, 1);
    // Gone before the reset: when it left is not known, so it is not scored.
    Times(2, 900, 905, 900, 905);
    State(2, -1);
    At(9, 55);
    At(9, 56);
    EXPECT_TRUE(logLines_.empty());

    State(kRowWithNumber, -1);
    Move(kRowWithNumber, kTestowoPlatform1, -1);
    At(10, 3);
    EXPECT_EQ(logLines_, std::vector<std::string>{"Odjechał pociąg 1234 - 3 min po czasie (punkty karne)"});
    EXPECT_EQ(GetScoreSummary(game_).departedCount, 1);
    EXPECT_EQ(GetPenaltyPoints(game_), 3);

    ResetTrainTracking();  // midnight, or the clock set to the real time
    EXPECT_EQ(GetPenaltyPoints(game_), 0);
    EXPECT_EQ(GetScoreSummary(game_).maxDelayTrain, "");
}

TEST_F(TrackingTest, ArrivalInTheMiddleOfAMinuteIsLoggedAtTheNextOne)
{
    Times(kRowWithNumber, 950, 1000, 953, 1003);
    At(9, 50);
    At(9, 52, 50);
    Move(kRowWithNumber, -1, kTestowoPlatform2);
    State(kRowWithNumber, 1);
    At(9, 52, 51);
    EXPECT_TRUE(logLines_.empty());
    At(9, 53);
    EXPECT_EQ(logLines_, std::vector<std::string>{"Wjechał pociąg 1201 (+3 min)"});
}

TEST_F(TrackingTest, HeldTrainsAndTiesForTheLongestWait)
{
    // Seen with its arrival drawn on time, then held back 10 minutes before
    // its entry: 10 of its late minutes were gathered there.
    Times(kRowWithNumber, 950, 1000, 950, 1000);
    Times(kRowWithoutNumber, 950, 1000, 950, 1000);
    At(9, 40);
    State(kRowWithNumber, 2);
    TimetableTestAccess::Field(game_.timetable, kRowWithNumber, kRowExpectedArrival) = 1000;
    At(9, 50);
    EXPECT_EQ(logLines_, std::vector<std::string>{"Pociąg 1201 czeka na wjazd"});

    // Both leave 12 minutes late; the first keeps the longest wait.
    State(kRowWithNumber, -1);
    State(kRowWithoutNumber, -1);
    At(10, 12);
    EXPECT_EQ(logLines_.back(), "Odjechał pociąg bez numeru - 12 min po czasie (punkty karne)");
    const ScoreSummary summary = GetScoreSummary(game_);
    EXPECT_EQ(summary.delayMinutes, 24);
    EXPECT_EQ(summary.heldBeforeEntryMinutes, 10);
    EXPECT_EQ(summary.maxDelay, 12);
    EXPECT_EQ(summary.maxDelayTrain, "1234");
}

TEST_F(TrackingTest, RefusedOperationsCountFiveEachButNotInATestGame)
{
    AddPenaltyEvent(game_);
    AddPenaltyEvent(game_);
    EXPECT_EQ(GetPenaltyPoints(game_), 10);
    EXPECT_EQ(GetScoreSummary(game_).penaltyEvents, 2);
    EXPECT_EQ(GetScoreSummary(game_).pointsPerEvent, 5);

    running_ = false;
    AddPenaltyEvent(game_);
    EXPECT_EQ(GetPenaltyPoints(game_), 10);
    running_ = true;

    // A test game: no point counts, whether refused or late, and nothing is tracked.
    game_.SetTestGame(true);
    AddPenaltyEvent(game_);
    EXPECT_EQ(GetPenaltyPoints(game_), 0);
    EXPECT_EQ(GetScoreSummary(game_).penaltyPoints, 0);
    Times(kRowWithNumber, 950, 1000, 950, 1000);
    State(kRowWithNumber, 1);
    At(9, 0);
    State(kRowWithNumber, -1);
    At(11, 0);
    EXPECT_TRUE(logLines_.empty());
    EXPECT_EQ(GetScoreSummary(game_).departedCount, 0);
    game_.SetTestGame(false);
    EXPECT_EQ(GetScoreSummary(game_).penaltyEvents, 2);
}

}  // namespace
