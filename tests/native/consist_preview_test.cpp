// The consist preview's strip on Testowo's platform with Malinowo's
// timetable: compositions car by car, locomotives as they stand, the gaps.
#include <gtest/gtest.h>

#include <vector>

#include "model/game.h"
#include "roz_files.h"
#include "station_builder.h"
#include "ui/consist_preview.h"

namespace {

constexpr int32_t kE4k = 1;
constexpr int32_t kEzt3 = 2;
constexpr int32_t kWagon = 3;

// A picture of type t is 10 t pixels wide.
int32_t Width(const StripVehicles& vehicles)
{
    int32_t width = 0;
    for (int32_t type : vehicles.types) width += 10 * type;
    return width;
}

class ConsistPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildTestowo(game_);
        // Row 2's composition: two E4K pictures, then three wagons.
        std::string roz = ReadFileText(TimetableFixture("malinowo.roz"));
        const size_t at = roz.find("\n4,3,0,");
        ASSERT_NE(at, std::string::npos);
        roz.replace(at, 7, "\n2,1,3,3,0,");
        ASSERT_GE(game_.timetable.LoadRoz(WriteTempFile("preview.roz", roz).c_str(), game_.pictureNames), 0);
    }
    VehicleSlot* Slot(int32_t slot) { return game_.SlotAt(kTestowoPlatform1, slot); }

    Game game_;
};

TEST_F(ConsistPreview, ALocomotiveAndItsTrainShowTheWholeCompositionWithoutGaps)
{
    Slot(0)->Fill(2, kE4k, kKindElectricLoco, 7, 1, 1, kMotionStanding);
    Slot(1)->Fill(2, kWagon, kKindCar, 0, 1, 0, kMotionStanding);
    Slot(1)->Turned(1);
    const std::vector<PreviewSlot> slots = PreviewSlots(game_, kTestowoPlatform1);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots[0].vehicles.types, std::vector<int32_t>{kE4k});
    EXPECT_FALSE(slots[0].vehicles.mirrored);
    EXPECT_FALSE(slots[0].gapAfter);
    EXPECT_EQ(slots[1].vehicles.types, (std::vector<int32_t>{kE4k, kE4k, kWagon, kWagon, kWagon}));
    EXPECT_FALSE(slots[1].vehicles.mirrored) << "a composition is not reversed";
    EXPECT_TRUE(slots[1].gapAfter);
    EXPECT_EQ(PreviewTotalWidth(slots, Width), 10 + (10 + 10 + 90) + 10);
}

TEST_F(ConsistPreview, ATurnedLocomotiveIsMirroredAndUncoupledSlotsAreApart)
{
    Slot(0)->Fill(0, kE4k, kKindElectricLoco, 7, 1, 0, kMotionStanding);
    Slot(0)->Turned(1);
    Slot(1)->Fill(1, kEzt3, kKindElectricUnit, 0, 1, 0, kMotionStanding);
    Slot(3)->Fill(2, kWagon, kKindCar, 0, 1, 0, kMotionStanding);  // beyond an empty slot: not shown
    const std::vector<PreviewSlot> slots = PreviewSlots(game_, kTestowoPlatform1);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_TRUE(slots[0].vehicles.mirrored);
    EXPECT_TRUE(slots[0].gapAfter);
    EXPECT_TRUE(slots[1].vehicles.types.empty()) << "row 1 has no composition";
    EXPECT_EQ(PreviewTotalWidth(slots, Width), 10 + 10 + 0 + 10);
}

TEST_F(ConsistPreview, NothingWithoutAPointAndNoOpeningWithoutSelectionOrCompositions)
{
    EXPECT_TRUE(PreviewSlots(game_, -1).empty());
    EXPECT_TRUE(PreviewSlots(game_, kTestowoPlatform2).empty());
    EXPECT_EQ(PreviewTotalWidth({}, Width), 0);
    EXPECT_TRUE(CanOpenPreview(game_, 520));
    EXPECT_FALSE(CanOpenPreview(game_, 0));
    Game plain;
    BuildTestowo(plain);
    EXPECT_FALSE(CanOpenPreview(plain, 520));
}

}  // namespace
