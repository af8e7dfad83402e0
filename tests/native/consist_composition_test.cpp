// The composition of a consist that leaves the station: the order of its
// vehicles, its locomotives against the timetable's plan and, with shed
// transfers, their units.
#include <vector>

#include "route_station.h"
#include "simulation/consist_composition.h"
#include "timetable_access.h"

namespace {

struct CompositionCase {
    const char* name;                 ///< what the case shows
    std::vector<SceneVehicle> vehicles;  ///< front first, from slot 0 of platform 1
    bool shedTransfers;               ///< Game::AllowShedTransfers
    int32_t result;                   ///< CompositionResult
};

constexpr int32_t kDamaged = 0;
const SceneVehicle kEu07{kRzElectricLoco, 0};
const SceneVehicle kSm42{kRzDieselLoco, 0};

SceneVehicle Car(int32_t train) { return {kRzCar, train}; }
SceneVehicle Loco(int32_t type, int32_t number, int32_t operational = 1) { return {type, 0, number, operational}; }

// Cars of rows A, B and C stand where the digits 1, 2, 3 of their departure links ask.
const CompositionCase kCases[] = {
    {"cars in the order of their digits", {kEu07, Car(kRzCarsA), Car(kRzCarsB), Car(kRzCarsC)}, false,
     kCompositionRight},
    {"cars out of order", {kEu07, Car(kRzCarsB), Car(kRzCarsA), Car(kRzCarsC)}, false, kWrongCarOrder},
    {"one car without a link", {kEu07, Car(kRzOneLocoTrain)}, false, kCompositionRight},
    {"two cars without a link", {kEu07, Car(kRzOneLocoTrain), Car(kRzWestTrain)}, false, kWrongComposition},
    {"no locomotive in front", {Car(kRzCarsA), kEu07}, false, kNoLocomotiveInFront},
    {"locomotive alone", {kEu07}, false, kLocomotiveAlone},
    {"unit then car", {{kRzUnit, kRzUnitTrain}, Car(kRzCarsB)}, false, kCompositionRight},
    {"car then unit", {kEu07, Car(kRzCarsA), {kRzUnit, kRzUnitTrain}}, false, kUnitNotInFront},
    {"locomotive behind a car", {kEu07, Car(kRzCarsA), kSm42}, false, kLocomotiveNotInFront},
    {"locomotive hauling a damaged unit", {kEu07, {kRzUnit, kRzUnitTrain, 0, kDamaged}}, false, kCompositionRight},
    {"locomotive before a working unit", {kEu07, {kRzUnit, kRzUnitTrain}}, false, kTooManyLocomotives},
    {"two locomotives before a damaged unit", {kEu07, kSm42, {kRzUnit, kRzUnitTrain, 0, kDamaged}}, false,
     kTooManyLocomotives},
    {"damaged locomotive carried behind", {kEu07, Loco(kRzDieselLoco, 0, kDamaged), Car(kRzOneLocoTrain)}, false,
     kCompositionRight},
    {"second working locomotive", {kEu07, kSm42, Car(kRzOneLocoTrain)}, false, kTooManyLocomotives},
    {"three locomotives for one", {kEu07, Loco(kRzDieselLoco, 0, kDamaged), kSm42, Car(kRzOneLocoTrain)}, false,
     kTooManyLocomotives},
    {"one of two planned", {kEu07, Car(kRzTwoLocoTrain)}, false, kTooFewLocomotives},
    {"two planned, two attached", {kEu07, kSm42, Car(kRzTwoLocoTrain)}, false, kCompositionRight},
    {"two planned, one damaged", {kEu07, Loco(kRzDieselLoco, 0, kDamaged), Car(kRzTwoLocoTrain)}, false,
     kTooFewLocomotives},
    {"two planned and a damaged one", {kEu07, Loco(kRzDieselLoco, 0, kDamaged), kSm42, Car(kRzTwoLocoTrain)}, false,
     kCompositionRight},
    {"two planned, three working", {kEu07, kSm42, kSm42, Car(kRzTwoLocoTrain)}, false, kTooManyLocomotives},
    {"without shed transfers any locomotive goes", {Loco(kRzDieselLoco, 3), Car(kRzOneLocoTrain)}, false,
     kCompositionRight},
    // Shed transfers: row kRzOneLocoTrain plans EU07 "EU07-001" (name 1).
    {"the planned unit", {Loco(kRzElectricLoco, 1), Car(kRzOneLocoTrain)}, true, kCompositionRight},
    {"an unnamed locomotive", {Loco(kRzDieselLoco, 0), Car(kRzOneLocoTrain)}, true, kCompositionRight},
    {"another shed's locomotive", {Loco(kRzElectricLoco, 2), Car(kRzOneLocoTrain)}, true, kWrongShed},
    {"the right shed, the wrong type", {Loco(kRzDieselLoco, 1), Car(kRzOneLocoTrain)}, true, kWrongLocomotiveType},
    {"named locomotive hauling a damaged one", {Loco(kRzElectricLoco, 1), Loco(kRzDieselLoco, 0, kDamaged),
     Car(kRzOneLocoTrain)}, true, kWrongShed},
    {"the planned unit hauled damaged", {Loco(kRzElectricLoco, 0), Loco(kRzElectricLoco, 1, kDamaged),
     Car(kRzOneLocoTrain)}, true, kCompositionRight},
    {"another unit hauled damaged", {Loco(kRzElectricLoco, 0), Loco(kRzElectricLoco, 2, kDamaged),
     Car(kRzOneLocoTrain)}, true, kWrongShed},
    {"named locomotive before a damaged unit", {Loco(kRzElectricLoco, 1), {kRzUnit, kRzUnitTrain, 0, kDamaged}},
     true, kWrongShed},
    // Row kRzTwoLocoTrain plans EU07 "EU07-002" (name 2), then SM42 "SM42-001" (name 3).
    {"the planned pair", {Loco(kRzElectricLoco, 2), Loco(kRzDieselLoco, 3), Car(kRzTwoLocoTrain)}, true,
     kCompositionRight},
    {"first of the pair from another shed", {Loco(kRzElectricLoco, 3), Loco(kRzDieselLoco, 3),
     Car(kRzTwoLocoTrain)}, true, kWrongShed},
    {"first of the pair of the wrong type", {Loco(kRzDieselLoco, 2), Loco(kRzDieselLoco, 3), Car(kRzTwoLocoTrain)},
     true, kWrongLocomotiveType},
    {"second of the pair from another shed", {Loco(kRzElectricLoco, 2), Loco(kRzDieselLoco, 1),
     Car(kRzTwoLocoTrain)}, true, kWrongShed},
    {"second of the pair of the wrong type", {Loco(kRzElectricLoco, 2), Loco(kRzElectricLoco, 3),
     Car(kRzTwoLocoTrain)}, true, kWrongLocomotiveType},
    {"unnamed second of any type", {Loco(kRzElectricLoco, 2), Loco(kRzElectricLoco, 0), Car(kRzTwoLocoTrain)}, true,
     kCompositionRight},
    {"the pair with a damaged one between", {Loco(kRzElectricLoco, 0), Loco(kRzElectricLoco, 2, kDamaged),
     Loco(kRzDieselLoco, 3), Car(kRzTwoLocoTrain)}, true, kCompositionRight},
    {"named front before the pair", {Loco(kRzElectricLoco, 1), Loco(kRzElectricLoco, 2, kDamaged),
     Loco(kRzDieselLoco, 3), Car(kRzTwoLocoTrain)}, true, kWrongShed},
};

class Composition : public RozjazdowoTest {
protected:
    void SetUp() override
    {
        RozjazdowoTest::SetUp();
        TimetableTestAccess::Field(game.timetable, kRzCarsA, kRowDepartureLink) = kRzCarsB * 10 + 1;
        TimetableTestAccess::Field(game.timetable, kRzCarsB, kRowDepartureLink) = kRzCarsC * 10 + 2;
        TimetableTestAccess::Field(game.timetable, kRzCarsC, kRowDepartureLink) = kRzCarsA * 10 + 3;
        TimetableTestAccess::Field(game.timetable, kRzUnitTrain, kRowDepartureLink) = kRzCarsB * 10 + 1;
    }
};

TEST_F(Composition, TheTimetablePlansOneOrTwoNamedLocomotives)
{
    EXPECT_EQ(game.timetable.BaseLocoType(kRzOneLocoTrain, kRawRow, kDepartureSide), kRzElectricLoco);
    EXPECT_EQ(game.timetable.UnitNameRef(kRzOneLocoTrain, kRawRow, kDepartureSide), 1);
    EXPECT_EQ(game.timetable.BaseLocoType(kRzTwoLocoTrain, kRawRow, kDepartureSide), -1002);
    EXPECT_EQ(game.timetable.UnitNameRef(kRzTwoLocoTrain, kRawRow, kDepartureSide), -2003);
}

TEST_F(Composition, EveryRuleOnItsCase)
{
    for (const CompositionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) SceneSlot(game, kRzPlatform1, s) = VehicleSlot();
        PutVehicles(game, kRzPlatform1, 0, c.vehicles);
        game.AllowShedTransfers(c.shedTransfers);
        EXPECT_EQ(game.CheckConsistComposition(kRzPlatform1, 510), c.result);
    }
}

TEST_F(Composition, IsReadFromTheEndTheConsistLeavesBy)
{
    // Seen from the east end the locomotive is behind its cars.
    PutVehicles(game, kRzPlatform1, 0, {kEu07, Car(kRzCarsA), Car(kRzCarsB)});
    EXPECT_EQ(game.CheckConsistComposition(kRzPlatform1, 510), kCompositionRight);
    EXPECT_EQ(game.CheckConsistComposition(kRzPlatform1, 512), kNoLocomotiveInFront);
    // A train from a line is not checked.
    PutVehicles(game, kRzWestEntry, 0, {Car(kRzCarsA)});
    EXPECT_EQ(game.CheckConsistComposition(kRzWestEntry, 501), kCompositionFromLine);
}

TEST(CompositionRefusal, TextsOfTheTenRefusals)
{
    const char* const texts[] = {
        "Brak lokomotywy na początku składu",
        "Sama lokomotywa nie może opuścić stacji",
        "Jednostka musi się znajdować na początku składu",
        "Lokomotywa musi się znajdować na początku składu",
        "Nieprawidłowa kolejność wagonów w składzie",
        "Nieprawidłowe zestawienie składu",
        "Za dużo lokomotyw podłaczono do składu",
        "Za mało lokomotyw podłaczono do składu",
        "Lokomotywa pochodzi z niewłaściwej lokomotywowni",
        "Lokomotywa pochodzi z właściwej lokomotywowni, ale ma niewłaściwy typ",
    };
    for (int32_t r = 1; r <= 10; ++r) EXPECT_STREQ(CompositionRefusal(r), texts[r - 1]) << r;
    EXPECT_EQ(CompositionRefusal(kCompositionFromLine), nullptr);
    EXPECT_EQ(CompositionRefusal(kCompositionRight), nullptr);
}

}  // namespace
