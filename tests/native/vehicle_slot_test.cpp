#include <gtest/gtest.h>

#include "model/random.h"
#include "model/vehicle_slot.h"

namespace {

int AlwaysOdd() { return 7; }
int AlwaysEven() { return 4; }

// Puts a fixed draw in place of the generator for one test.
class FixedRandom {
public:
    explicit FixedRandom(RandomSource src) : old_(SetRandomSource(src)) {}
    ~FixedRandom() { SetRandomSource(old_); }

private:
    RandomSource old_;
};

TEST(VehicleSlot, ConstructedEmpty)
{
    VehicleSlot slot;
    EXPECT_TRUE(slot.IsEmpty());
    EXPECT_EQ(slot.Train(), 0);
    EXPECT_EQ(slot.Operational(), 1);
    EXPECT_EQ(slot.Coupled(), 0);
    EXPECT_EQ(slot.Turned(), 0);
    EXPECT_EQ(slot.Serviced(), 1);
    EXPECT_FALSE(slot.HasPath());
    EXPECT_EQ(slot.EnsureSerial(), 0);  // an empty slot gets no serial
}

TEST(VehicleSlot, SentinelsReadAndOtherValuesWrite)
{
    VehicleSlot slot;
    EXPECT_EQ(slot.Type(12), 12);
    EXPECT_EQ(slot.Type(0), 12);
    EXPECT_EQ(slot.Type(-3), 0);
    EXPECT_EQ(slot.Type(), 12);

    EXPECT_EQ(slot.Kind(4), 4);
    EXPECT_EQ(slot.Kind(-1), 0);
    EXPECT_EQ(slot.Kind(), 4);

    EXPECT_EQ(slot.Train(5), 5);
    EXPECT_EQ(slot.Train(-1), 5);
    EXPECT_EQ(slot.Train(-7), -7);  // only -1 is the sentinel

    EXPECT_EQ(slot.Number(3021), 3021);
    EXPECT_EQ(slot.Number(-2), -2);
    EXPECT_EQ(slot.Number(0), -2);

    EXPECT_EQ(slot.Operational(0), 0);
    EXPECT_EQ(slot.Operational(-100), 0);
    EXPECT_EQ(slot.Operational(9), 1);

    EXPECT_EQ(slot.Coupled(3), 1);
    EXPECT_EQ(slot.Coupled(-1), 1);
    EXPECT_EQ(slot.Coupled(0), 0);

    EXPECT_EQ(slot.Countdown(30), 30);
    EXPECT_EQ(slot.Countdown(-5), 30);
    EXPECT_EQ(slot.Countdown(0), 0);

    EXPECT_EQ(slot.Link(-3), -3);
    EXPECT_EQ(slot.Link(0), -3);

    EXPECT_EQ(slot.Turned(1), 1);
    EXPECT_EQ(slot.Turned(-100), 1);
    EXPECT_EQ(slot.Serviced(0), 0);
    EXPECT_EQ(slot.Serviced(), 0);
}

TEST(VehicleSlot, TrainOfANonTimetableVehicleIsNeverSet)
{
    VehicleSlot slot;
    slot.Train(8);
    slot.Type(120);
    EXPECT_EQ(slot.Train(5), -1);
    slot.Type(20);
    EXPECT_EQ(slot.Train(), 8);
}

TEST(VehicleSlot, MotionOnlyForVehiclesWithTraction)
{
    VehicleSlot car;
    EXPECT_EQ(car.Motion(1), 0);
    EXPECT_EQ(car.Motion(), 0);

    VehicleSlot loco;
    loco.Kind(kKindDieselLoco);
    EXPECT_EQ(loco.Motion(2), 2);
    EXPECT_EQ(loco.Motion(-1), 2);
    EXPECT_EQ(loco.Motion(0), 0);
}

TEST(VehicleSlot, ElectricKinds)
{
    const bool expected[] = {false, true, false, true, false, false};
    for (int32_t kind = 0; kind <= 5; ++kind) {
        VehicleSlot slot;
        slot.Fill(0, 1, kind, 1, 1, 0, 0);
        EXPECT_EQ(slot.IsElectric(), expected[kind]) << "kind " << kind;
    }
}

TEST(VehicleSlot, PathReadsFromDestinationToTheTileUnderTheVehicle)
{
    VehicleSlot slot;
    EXPECT_EQ(slot.PathFirst(), 0);
    EXPECT_EQ(slot.PathLast(), 0);
    EXPECT_EQ(slot.PathPop(), 0);

    slot.SetPath({512, 511, 510, 0, 999});  // stops at the terminator
    EXPECT_EQ(slot.PathLength(), 3u);
    EXPECT_EQ(slot.PathFirst(), 512);
    EXPECT_EQ(slot.PathLast(), 510);
    EXPECT_EQ(slot.NextTile(), 510);
    EXPECT_EQ(slot.PathAt(1), 511);
    EXPECT_EQ(slot.PathAt(3), 0);
    EXPECT_EQ(slot.PathPop(), 511);
    EXPECT_EQ(slot.PathLast(), 511);

    slot.SetPath({});
    EXPECT_FALSE(slot.HasPath());
}

TEST(VehicleSlot, PoppingTheOnlyTileStopsTheVehicle)
{
    VehicleSlot slot;
    slot.Fill(3, 7, kKindElectricLoco, 1, 1, 0, kMotionMoving);
    slot.SetPath({204});
    EXPECT_EQ(slot.PathPop(), 0);
    EXPECT_FALSE(slot.HasPath());
    EXPECT_EQ(slot.Motion(), kMotionStanding);
}

TEST(VehicleSlot, FillSetsFieldsDirectlyAndGivesANewSerial)
{
    FixedRandom odd(AlwaysOdd);
    VehicleSlot slot;
    slot.Countdown(12);
    slot.Link(4);
    slot.SetPath({101});
    slot.Turned(1);
    slot.Fill(-4, 130, kKindCar, 77, 0, 1, 2);  // no accessor rules apply
    EXPECT_EQ(slot.Type(), 130);
    EXPECT_EQ(slot.Motion(), 0);  // the accessor still hides a car's motion
    EXPECT_EQ(slot.Number(), 77);
    EXPECT_EQ(slot.Operational(), 0);
    EXPECT_EQ(slot.Coupled(), 1);
    EXPECT_EQ(slot.Turned(), 0);
    EXPECT_EQ(slot.Serviced(), 1);
    EXPECT_EQ(slot.Countdown(), 12);
    EXPECT_EQ(slot.Link(), 4);
    EXPECT_EQ(slot.PathFirst(), 101);

    int32_t first = slot.EnsureSerial();
    slot.Fill(1, 5, kKindElectricLoco, 1, 1, 0, 0);
    int32_t second = slot.EnsureSerial();
    EXPECT_GT(first, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(slot.EnsureSerial(), second);
}

TEST(VehicleSlot, SteamLocomotiveServicedByADraw)
{
    VehicleSlot slot;
    {
        FixedRandom odd(AlwaysOdd);
        slot.Fill(1, 9, kKindSteamLoco, 1, 1, 0, 0);
        EXPECT_EQ(slot.Serviced(), 1);
    }
    {
        FixedRandom even(AlwaysEven);
        slot.Fill(1, 9, kKindSteamLoco, 1, 1, 0, 0);
        EXPECT_EQ(slot.Serviced(), 0);
        slot.Fill(1, 9, kKindDieselLoco, 1, 1, 0, 0);
        EXPECT_EQ(slot.Serviced(), 1);
    }
}

TEST(VehicleSlot, MoveFromCarriesTheVehicleAndKeepsBothLinks)
{
    VehicleSlot source, target;
    source.Fill(6, 14, kKindElectricLoco, 4021, 0, 1, kMotionMoving);
    source.SetPath({305, 304});
    source.Countdown(9);
    source.Turned(1);
    source.Serviced(0);
    source.Link(-3);
    target.Link(7);
    int32_t serial = source.EnsureSerial();

    target.MoveFrom(source);
    EXPECT_EQ(target.Train(), 6);
    EXPECT_EQ(target.Type(), 14);
    EXPECT_EQ(target.Kind(), kKindElectricLoco);
    EXPECT_EQ(target.Number(), 4021);
    EXPECT_EQ(target.Operational(), 0);
    EXPECT_EQ(target.Coupled(), 1);
    EXPECT_EQ(target.Motion(), kMotionMoving);
    EXPECT_EQ(target.PathFirst(), 305);
    EXPECT_EQ(target.PathLast(), 304);
    EXPECT_EQ(target.Countdown(), 9);
    EXPECT_EQ(target.Turned(), 1);
    EXPECT_EQ(target.Serviced(), 0);
    EXPECT_EQ(target.EnsureSerial(), serial);
    EXPECT_EQ(target.Link(), 7);

    EXPECT_TRUE(source.IsEmpty());
    EXPECT_EQ(source.Train(), 0);
    EXPECT_EQ(source.Kind(), 0);
    EXPECT_EQ(source.Number(), 0);
    EXPECT_EQ(source.Countdown(), 0);
    EXPECT_FALSE(source.HasPath());
    EXPECT_EQ(source.Operational(), 1);
    EXPECT_EQ(source.Coupled(), 0);
    EXPECT_EQ(source.Turned(), 0);
    EXPECT_EQ(source.Serviced(), 1);
    EXPECT_EQ(source.EnsureSerial(), 0);
    EXPECT_EQ(source.Link(), -3);
}

TEST(VehicleSlot, MoveOntoItselfLeavesTheSlotUnchanged)
{
    VehicleSlot slot;
    slot.Fill(2, 11, kKindDieselLoco, 555, 1, 0, kMotionRouted);
    slot.SetPath({707, 706});
    slot.MoveFrom(slot);
    EXPECT_EQ(slot.Type(), 11);
    EXPECT_EQ(slot.Number(), 555);
    EXPECT_EQ(slot.PathFirst(), 707);
    EXPECT_EQ(slot.Motion(), kMotionRouted);
}

}  // namespace
