// Disruptions on Testowo with scripted draws: closures over midnight, the
// points that may be closed, winter and the rush hours on the delay chances,
// and the player's own chances kept apart from the shift's.
#include <gtest/gtest.h>

#include "scripted_random.h"
#include "service_game.h"
#include "simulation/disruptions.h"
#include "simulation/supplies.h"

namespace {

constexpr int32_t kNoWinter = 99;       ///< a winter draw that gives none
constexpr int32_t kWinter = 24;         ///< the largest winter draw that gives one
constexpr int32_t kNoClosure = 999;     ///< a closure draw that makes none
constexpr int32_t kExpres = 3;          ///< the class whose late chance is set to 95 here

class DisruptionsTest : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        game_.DelayChance(kExpres, kDelayLate, 95);
        Start(kNoWinter);
    }
    void TearDown() override
    {
        gSettings.utrudnienia = false;
        StartDisruptions(game_);  // puts the chances back; nothing stays for the next test
        ServiceGameTest::TearDown();
    }
    void Start(int32_t winterDraw)
    {
        ScriptedRandom draws({winterDraw});
        StartDisruptions(game_);
    }
    // One tick at the given time with the given draws; all of them taken.
    void At(int32_t hour, int32_t minute, std::vector<int> draws = {kNoClosure})
    {
        ScriptedRandom random(draws);
        game_.clock.Set(hour, minute, 0);
        DisruptionsTick(game_);
        EXPECT_TRUE(random.AllUsed()) << hour << ":" << minute << " took " << random.Used();
    }
    int32_t Chance(int32_t cls, int32_t sign) { return game_.DelayChance(cls, sign); }
};

TEST_F(DisruptionsTest, ClosureMadeBeforeMidnightEndsAfterIt)
{
    // The chance draw, then the point (first candidate), 20 minutes, "prace torowe".
    At(23, 50, {5, 0, 5, 1});
    EXPECT_TRUE(IsPointClosed(kTestowoPlatform1));
    EXPECT_EQ(statusTexts_, std::vector<std::string>{"P1 zamknięty do 00:10 (prace torowe)"});
    EXPECT_EQ(PointClosureText(game_, kTestowoPlatform1), "P1 zamknięty do 00:10 (prace torowe)");
    EXPECT_EQ(PointClosureText(game_, kTestowoPlatform2), "");

    At(0, 9);
    EXPECT_TRUE(IsPointClosed(kTestowoPlatform1));
    At(0, 10);
    EXPECT_FALSE(IsPointClosed(kTestowoPlatform1));
    EXPECT_EQ(statusTexts_.back(), "Tor P1 znowu czynny");

    // Once a minute: a second step in the same minute draws nothing.
    At(0, 11);
    At(0, 11, {});
}

TEST_F(DisruptionsTest, ClosuresTakeFreePointsAndNeverMoreThanTwo)
{
    EXPECT_EQ(ClosureCandidates(game_),
              (std::vector<int32_t>{kTestowoPlatform1, kTestowoPlatform2, kTestowoStabling, kTestowoFreight}));
    PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeA, kKindCar);
    *game_.tileStates.At(TileRow(920), TileColumn(920)) = kTileLocked;  // a route set into the stabling track
    EXPECT_EQ(ClosureCandidates(game_), (std::vector<int32_t>{kTestowoPlatform1, kTestowoFreight}));

    At(10, 0, {0, 1, 0, 4});  // the second candidate: the freight platform
    EXPECT_EQ(statusTexts_.back(), "Pt1 zamknięty do 10:15 (usuwanie awarii)");
    EXPECT_EQ(ClosureCandidates(game_), std::vector<int32_t>{kTestowoPlatform1});
    At(10, 1, {0, 7, 30, 3});
    EXPECT_EQ(statusTexts_.back(), "P1 zamknięty do 10:46 (uszkodzona sieć trakcyjna)");
    EXPECT_TRUE(ClosureCandidates(game_).empty());

    // Two closures: no third, not even a draw for one.
    At(10, 2, {});
    // One reopens; with no free point left a draw makes none.
    PlaceVehicle(game_, kTestowoFreight, 0, kTypeA, kKindCar);
    At(10, 15, {0});
    EXPECT_EQ(statusTexts_.back(), "Tor Pt1 znowu czynny");
    EXPECT_FALSE(IsPointClosed(kTestowoFreight));
    EXPECT_TRUE(IsPointClosed(kTestowoPlatform1));
}

TEST_F(DisruptionsTest, AJumpOfTheClockEndsAClosure)
{
    At(10, 0, {0, 0, 0, 0});
    ASSERT_TRUE(IsPointClosed(kTestowoPlatform1));
    At(22, 50);  // 12 hours 35 minutes on: the closure's 10:15 lies 11 hours ahead again
    EXPECT_FALSE(IsPointClosed(kTestowoPlatform1));
}

TEST_F(DisruptionsTest, WinterAndRushAddToThePlayersOwnChances)
{
    EXPECT_EQ(Chance(0, kDelayEarly), 2);
    Start(kWinter);
    EXPECT_TRUE(IsWinter());
    EXPECT_EQ(logLines_, std::vector<std::string>{"Zimowe warunki: opóźnienia większe"});
    EXPECT_EQ(Chance(0, kDelayEarly), 12);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 100);
    EXPECT_LE(AmbientTemperature(), 2);  // the supplies feel the winter

    At(6, 0);
    EXPECT_EQ(logLines_.back(), "Godziny szczytu - ruch gęstnieje");
    EXPECT_EQ(Chance(0, kDelayEarly), 27);
    EXPECT_EQ(Chance(1, kDelayLate), 45);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 100);  // 95 + 25 is clamped
    At(8, 59);
    EXPECT_EQ(Chance(0, kDelayEarly), 27);
    At(9, 0);
    EXPECT_EQ(logLines_.back(), "Szczyt minął - ruch się rozrzedza");
    EXPECT_EQ(Chance(0, kDelayEarly), 12);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 100);

    // Switched off: the player's own chances come back at the next tick.
    gSettings.utrudnienia = false;
    At(9, 1, {});
    EXPECT_FALSE(IsWinter());
    EXPECT_EQ(Chance(0, kDelayEarly), 2);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 95);

    // And on again: winter drawn anew over the restored chances, never added twice.
    gSettings.utrudnienia = true;
    Start(kWinter);
    Start(kWinter);
    EXPECT_EQ(Chance(0, kDelayEarly), 12);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 100);
}

TEST_F(DisruptionsTest, TheSettingsSeeThePlayersOwnChances)
{
    Start(kWinter);
    At(16, 0);  // winter and rush: 25 above the player's own
    EXPECT_EQ(BaseDelayChance(game_, kExpres, kDelayLate), 95);
    EXPECT_EQ(BaseDelayChance(game_, 0, kDelayEarly), 2);

    // The options dialog sets 7: the shift keeps its 25 on top of it.
    EXPECT_EQ(BaseDelayChance(game_, 0, kDelayEarly, 7), 7);
    EXPECT_EQ(Chance(0, kDelayEarly), 32);
    EXPECT_EQ(BaseDelayChance(game_, 0, kDelayEarly), 7);

    gSettings.utrudnienia = false;
    StartDisruptions(game_);
    EXPECT_EQ(Chance(0, kDelayEarly), 7);
    EXPECT_EQ(Chance(kExpres, kDelayLate), 95);
    // Without disruptions it is the timetable's own chance.
    EXPECT_EQ(BaseDelayChance(game_, 0, kDelayEarly, 9), 9);
    EXPECT_EQ(Chance(0, kDelayEarly), 9);
}

TEST_F(DisruptionsTest, NothingWithoutAGame)
{
    running_ = false;
    ScriptedRandom draws({0});
    StartDisruptions(game_);
    game_.clock.Set(6, 0, 0);
    DisruptionsTick(game_);
    EXPECT_EQ(draws.Used(), 0u);
    EXPECT_FALSE(IsWinter());
    EXPECT_EQ(Chance(0, kDelayEarly), 2);
    EXPECT_TRUE(logLines_.empty());
}

}  // namespace
