#include <gtest/gtest.h>

#include "service_game.h"
#include "simulation/coupling_texts.h"

namespace {

using CouplingTextsTest = ServiceGameTest;

TEST_F(CouplingTextsTest, PairsFormFromTheLeft)
{
    for (int32_t s = 0; s < 7; ++s) PlaceVehicle(game_, kTestowoPlatform1, s, kTypeA, kKindCar);
    for (int32_t s = 2; s <= 5; ++s) game_.SlotCountdown(kTestowoPlatform1, s, 3);
    const int32_t expected[] = {-1, -1, 2, 2, 4, 4, -1};
    for (int32_t s = 0; s < 7; ++s) EXPECT_EQ(CouplingPairIndex(game_, kTestowoPlatform1, s), expected[s]) << s;
    EXPECT_EQ(CouplingPairIndex(game_, kTestowoPlatform1, -1), -1);

    // A lone countdown is no pair; a moving consist couples nothing.
    game_.SlotCountdown(kTestowoPlatform2, 0, 3);
    PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeEU07, kKindElectricLoco);
    game_.SlotCountdown(kTestowoPlatform2, 0, 3);
    EXPECT_EQ(CouplingPairIndex(game_, kTestowoPlatform2, 0), -1);
    PlaceVehicle(game_, kTestowoPlatform2, 1, kTypeA, kKindCar);
    game_.SlotCountdown(kTestowoPlatform2, 1, 3);
    EXPECT_EQ(CouplingPairIndex(game_, kTestowoPlatform2, 1), 0);
    game_.SlotAt(kTestowoPlatform2, 0)->Motion(kMotionMoving);
    EXPECT_FALSE(IsCouplingVehicle(game_, kTestowoPlatform2, 0));
}

TEST_F(CouplingTextsTest, CountdownTextsInSeconds)
{
    game_.clock.Step(10);
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar);
    EXPECT_EQ(CouplingStatusText(game_, kTestowoPlatform1, 0), "");
    game_.SlotCountdown(kTestowoPlatform1, 0, 3);
    game_.SlotCountdown(kTestowoPlatform1, 1, 2);
    EXPECT_EQ(CouplingStatusText(game_, kTestowoPlatform1, 0), "Łączenie - potrwa 30 s");
    EXPECT_EQ(CouplingProgressText(game_, kTestowoPlatform1, 1), "łączenie: jeszcze 20 s");
    game_.SlotAt(kTestowoPlatform1, 0)->Coupled(1);
    EXPECT_EQ(CouplingStatusText(game_, kTestowoPlatform1, 0), "Rozłączanie - potrwa 30 s");
    EXPECT_EQ(CouplingProgressText(game_, kTestowoPlatform1, 1), "rozłączanie: jeszcze 20 s");
    EXPECT_EQ(CouplingStatusText(game_, -1, 0), "");
    EXPECT_EQ(CouplingProgressText(game_, kTestowoPlatform1, 2), "");
}

TEST_F(CouplingTextsTest, LogLinesNameBothVehicles)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar, kRowWithNumber);
    LogCouplingEvent(game_, kTestowoPlatform1, 0);
    game_.SlotAt(kTestowoPlatform1, 0)->Coupled(1);
    LogCouplingEvent(game_, kTestowoPlatform1, 0);

    // A car of a train without a number by its type, one without a type name as cars.
    const int32_t subTrack = kTestowoPointCount;
    PlaceVehicle(game_, subTrack, 0, kTypeA, kKindCar, kRowWithoutNumber);
    PlaceVehicle(game_, subTrack, 1, 150, kKindCar);
    LogCouplingEvent(game_, subTrack, 0);
    LogCouplingEvent(game_, subTrack, 1);   // nothing beside it
    LogCouplingEvent(game_, subTrack, -1);
    const std::vector<std::string> expected = {"Łączenie: EU07 z pociągiem 1234 na P1",
                                               "Rozłączanie: EU07 od pociągu 1234 na P1", "Łączenie: A z wagonami"};
    EXPECT_EQ(logLines_, expected);
    EXPECT_TRUE(statusTexts_.empty());
    EXPECT_EQ(VehicleNounPhrase(game_, kTestowoPlatform1, 1, kNominative), "pociąg 1234");
    EXPECT_EQ(VehicleNounPhrase(game_, subTrack, 1, kGenitive), "wagonów");
    EXPECT_EQ(VehicleNounPhrase(game_, subTrack, 2, kNominative), "");

    running_ = false;
    LogCouplingEvent(game_, kTestowoPlatform1, 0);
    EXPECT_EQ(logLines_.size(), 3u);
}

}  // namespace
