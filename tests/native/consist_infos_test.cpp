// The consists of a slot row as the labels list them, on Testowo as a new
// game leaves it and with light engines moved about.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulation/new_game.h"
#include "slot_texts.h"
#include "station_builder.h"
#include "station_files.h"
#include "ui/consist_infos.h"

namespace {

constexpr int32_t kTypeEU07 = 1;
constexpr int32_t kTypeSM42 = 2;
constexpr int32_t kTypeB = 7;
constexpr int32_t kTypeUnnamed = 50;  ///< Testowo names types 1..9 only

class ConsistInfos : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted); }

    // "label [front|rear] train" of each consist on the row.
    std::string Infos(int32_t row)
    {
        std::string text;
        for (const ConsistInfo& info : CollectConsistInfos(game, row))
            text += (text.empty() ? "" : " / ") + info.label + " [" + info.frontLocos + "|" + info.rearLocos + "] " +
                    std::to_string(info.train);
        return text;
    }

    FixedRandom draws{100};  // the start placement of the new-game test
    Game game;
};

TEST_F(ConsistInfos, TestowoAfterANewGame)
{
    EXPECT_EQ(Infos(kStcPlatform1), "5:20 1301 [|] 0");      // EU07 and a car of train 0
    EXPECT_EQ(Infos(kStcPlatform2), "5:10 8101 [|+EN57] 1");  // a unit carries its own train
    EXPECT_EQ(Infos(kStcFreight), "5:40 60101 [|] 2 / 12:00 60105 [|] 5");
    EXPECT_EQ(Infos(kStcStabling), "SM42 [|] -1");           // two coupled engines, no train
    EXPECT_EQ(Infos(kStcLocoTrack), "Ol49 [|] -1");
    // The second sub-track: an SM42 uncoupled before a car of train 3 is its front engine.
    EXPECT_EQ(Infos(kStcPointCount + 1), "10:00 60103 [SM42|] 3 / 11:00 33101 [|] 4");
    EXPECT_EQ(Infos(kStcPointCount), "");
    EXPECT_EQ(Infos(kStcDepot), "");
    EXPECT_EQ(Infos(-1), "");  // outside the slot grid
}

TEST_F(ConsistInfos, ALightEngineJoinsTheConsistBeforeItWhenTheOneAfterCannotTakeIt)
{
    // P1: EU07 uncoupled from its car, another EU07 after the car.
    game.SlotAt(kStcPlatform1, 0)->Coupled(0);
    PlaceVehicle(game, kStcPlatform1, 2, kTypeEU07, kKindElectricLoco);
    EXPECT_EQ(Infos(kStcPlatform1), "5:20 1301 [EU07|EU07] 0");

    // A car without a train is labelled by its type, or "wagony" without a name.
    PlaceVehicle(game, kStcStabling, 2, kTypeB, kKindCar, -1);
    EXPECT_EQ(Infos(kStcStabling), "B [SM42|] -1");
    PlaceVehicle(game, kStcStabling, 2, kTypeUnnamed, kKindCar, -1);
    EXPECT_EQ(Infos(kStcStabling), "wagony [SM42|] -1");

    // Two engines in a row: the first stays on its own, the second heads the car.
    game.SlotAt(kStcStabling, 0)->Coupled(0);
    EXPECT_EQ(Infos(kStcStabling), "SM42 [|] -1 / wagony [SM42|] -1");

    // An engine goes to the front of the train after it, also between two trains.
    PlaceVehicle(game, kStcLocoTrack, 1, kTypeB, kKindCar, 3);
    PlaceVehicle(game, kStcLocoTrack, 2, kTypeSM42, kKindDieselLoco);
    PlaceVehicle(game, kStcLocoTrack, 3, kTypeB, kKindCar, 4);
    EXPECT_EQ(Infos(kStcLocoTrack), "10:00 60103 [Ol49|] 3 / 11:00 33101 [SM42|] 4");
}

TEST_F(ConsistInfos, AMergedEngineBringsItsWarningsToTheFront)
{
    const int32_t row = kStcPointCount + 1;
    game.SlotAt(row, 0)->Operational(0);  // the SM42 that heads train 3
    game.SlotAt(row, 2)->Operational(0);  // the car of train 4
    const std::vector<ConsistInfo> infos = CollectConsistInfos(game, row);
    ASSERT_EQ(infos.size(), 2u);
    ASSERT_EQ(infos[0].frontWarnings.size(), 1u);
    EXPECT_EQ(infos[0].frontWarnings[0].text, "uszkodzony");
    EXPECT_EQ(infos[0].frontWarnings[0].severity, kSeverityAlarm);
    EXPECT_TRUE(infos[0].rearWarnings.empty());
    EXPECT_EQ(infos[0].notReady, 1);
    ASSERT_EQ(infos[1].rearWarnings.size(), 1u);  // a car is no front part
    EXPECT_EQ(infos[1].notReady, 1);
}

}  // namespace
