// Move validation on Rozjazdowo: every rule with its refusal, in the order the
// rules are tested, and the predicates behind them.
#include <string>

#include "route_station.h"
#include "simulation/move_validation.h"

namespace {

// A train ready to leave platform 1 eastwards: its car (train kRzCarsA, due
// out at 10:00 by the east exit) in slot 0, its electric locomotive at the
// east end in slot 1. At 9:40 the move 512 -> 539 is allowed.
void ReadyTrain(Game& game)
{
    RzPut(game, kRzPlatform1, 0, {{kRzCar, kRzCarsA}, {kRzElectricLoco, 0}});
    game.clock.Set(9, 40, 0);
}

void LightLoco(Game& game)
{
    ReadyTrain(game);
    RzSlot(game, kRzPlatform1, 0).Coupled(0);
}

// A train of the given row standing on the west entry, its car in slot 0 and
// its locomotive at the high end (the entry's side is odd).
void AtWestEntry(Game& game, int32_t train)
{
    RzPut(game, kRzWestEntry, 0, {{kRzCar, train}, {kRzDieselLoco, 0}});
    game.clock.Set(9, 40, 0);
}

struct MoveCase {
    const char* name;            ///< what the case shows
    void (*setup)(Game& game);   ///< the scene on a fresh Rozjazdowo
    TileCode from;               ///< the consist's tile
    TileCode to;                 ///< the destination tile
    int32_t subTrackRow;         ///< -1, or the sub-track chosen for a siding
    const char* refusal;         ///< null: the move is allowed
};

// Each refusal, and where two rules are broken, the earlier one's.
const MoveCase kMoveCases[] = {
    {"ready train", ReadyTrain, 512, 539, -1, nullptr},
    {"same point twice, though the train moves", [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 1).Motion(1); },
     512, 512, -1, "Wskazano dwa razy ten sam punkt"},
    {"exit occupied, though the train moves",
     [](Game& g) { ReadyTrain(g); RzPut(g, kRzEastExit, 0, {{kRzDieselLoco, 0}}); RzSlot(g, kRzPlatform1, 1).Motion(1); },
     512, 539, -1, "Brak wolnego miejsca w punkcie docelowym"},
    {"tile of no point", ReadyTrain, 512, 530, -1, "Brak wolnego miejsca w punkcie docelowym"},
    {"moving, while coupling too",
     [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 1).Motion(1); RzSlot(g, kRzPlatform1, 0).Countdown(5); },
     512, 539, -1, "Ten pociąg jeszcze jedzie"},
    {"car coupled to a moving locomotive", [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 1).Motion(2); },
     510, 320, -1, "Ten pociąg jeszcze jedzie"},
    {"train to the depot", ReadyTrain, 512, 1030, -1, "Tylko pojedyńcza lokomotywa może pojechać do lokomotywowni"},
    {"light locomotive to the depot", LightLoco, 512, 1030, -1, nullptr},
    {"train to the locomotive track", ReadyTrain, 512, 1020, -1,
     "Tylko pojedyńcza lokomotywa może wjechać na ten punkt"},
    {"light locomotive to the locomotive track", LightLoco, 512, 1020, -1, nullptr},
    {"car in front, from the wrong exit too",
     [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 0).Train(kRzWestTrain); }, 510, 539, -1,
     "Brak lokomotywy na początku składu"},
    {"wrong exit, too early too",
     [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 0).Train(kRzWestTrain); g.clock.Set(9, 0, 0); }, 512, 539,
     -1, "Zły punkt wyjazdowy dla tego pociągu"},
    {"light locomotive to an exit", LightLoco, 512, 139, -1, "Sama lokomotywa nie może opuścić stacji"},
    {"at 9:29 for 10:00", [](Game& g) { ReadyTrain(g); g.clock.Set(9, 29, 0); }, 512, 539, -1,
     "Za wcześnie na zaznaczenie wyjazdu"},
    {"at 9:30 for 10:00", [](Game& g) { ReadyTrain(g); g.clock.Set(9, 30, 0); }, 512, 539, -1, nullptr},
    {"straight through from the entry", [](Game& g) { AtWestEntry(g, kRzCarsA); }, 501, 539, -1,
     "Pociag musi sie zatrzymac przy peronie"},
    {"straight through, need not stop", [](Game& g) { AtWestEntry(g, kRzNoStopTrain); }, 501, 539, -1, nullptr},
    {"damaged locomotive pulling, coupling too",
     [](Game& g) {
         RzPut(g, kRzPlatform1, 0, {{kRzElectricLoco, 0, 0, 0}, {kRzCar, kRzCarsA}});
         RzSlot(g, kRzPlatform1, 1).Countdown(5);
     },
     510, 320, -1, "Uszkodzona lokomotywa nie może ciągnąć składu."},
    {"damaged unit alone", [](Game& g) { RzPut(g, kRzPlatform1, 0, {{kRzUnit, kRzUnitTrain, 0, 0}}); }, 510, 320, -1,
     "Uszkodzona jednostka nie może się samodzielnie poruszać."},
    {"damaged light locomotive",
     [](Game& g) { RzPut(g, kRzPlatform1, 0, {{kRzElectricLoco, 0, 0, 0}}); }, 510, 320, -1, nullptr},
    {"arrived less than 5 minutes ago",
     [](Game& g) { RzPut(g, kRzPlatform1, 0, {{kRzCar, kRzArrivingTrain}, {kRzDieselLoco, 0}}); }, 512, 320, -1,
     "Ten pociąg musi postać 5 min. przy peronie."},
    {"special train need not wait",
     [](Game& g) { RzPut(g, kRzPlatform1, 0, {{kRzCar, kRzSpecialTrain}, {kRzDieselLoco, 0}}); }, 512, 320, -1,
     nullptr},
    {"light locomotive need not wait",
     [](Game& g) { RzPut(g, kRzPlatform1, 0, {{kRzCar, kRzArrivingTrain}, {kRzDieselLoco, 0}});
                   RzSlot(g, kRzPlatform1, 0).Coupled(0); },
     512, 320, -1, nullptr},
    {"coupling under way", [](Game& g) { ReadyTrain(g); RzSlot(g, kRzPlatform1, 0).Countdown(5); }, 512, 320, -1,
     "Trwa łączenie/rozłączanie"},
    {"coupling at the other end", [](Game& g) { LightLoco(g); RzSlot(g, kRzPlatform1, 0).Countdown(5); }, 512, 320,
     -1, nullptr},
    {"passenger train from the entry to goods",
     [](Game& g) { AtWestEntry(g, kRzCarsA); }, 501, 315, -1, "Pociąg pasażerski nie może wjechać na tory towarowe"},
    {"freight train from the entry to goods", [](Game& g) { AtWestEntry(g, kRzFreightTrain); }, 501, 315, -1,
     nullptr},
    {"passenger train from a platform to goods", ReadyTrain, 510, 315, -1, nullptr},
    {"sub-track with room", ReadyTrain, 510, 920, kRzSubTrack1, nullptr},
    {"full sub-track",
     [](Game& g) { ReadyTrain(g); for (int32_t s = 0; s < 9; ++s) RzPut(g, kRzSubTrack1, s, {{kRzCar, kRzCarsB}}); },
     510, 920, kRzSubTrack1, "Brak wolnego miejsca w punkcie docelowym"},
    {"a row that is not the siding's", ReadyTrain, 510, 920, kRzPlatform2, "Brak wolnego miejsca w punkcie docelowym"},
};

TEST(MoveValidation, RulesInTheirOrder)
{
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.name);
        Game game;
        BuildRozjazdowo(game);
        c.setup(game);
        const char* refusal = game.ValidateMove(c.from, c.to, c.subTrackRow);
        if (c.refusal)
            EXPECT_STREQ(refusal, c.refusal);
        else
            EXPECT_EQ(refusal, nullptr) << refusal;
    }
}

class MoveRules : public RozjazdowoTest {};

TEST_F(MoveRules, SidingLinkNamesTheSubTrackWithTheDirection)
{
    ReadyTrain(game);
    EXPECT_EQ(game.ValidateMove(510, 920, kRzSubTrack2), nullptr);
    EXPECT_EQ(RzSlot(game, kRzSiding, 0).Link(), -kRzSubTrack2);  // towards higher columns: in front
    RzSlot(game, kRzDepot, 0).Fill(0, kRzDieselLoco, kKindDieselLoco, 0, 1, 0, kMotionStanding);
    game.ValidateMove(1030, 920, kRzSubTrack1);
    EXPECT_EQ(RzSlot(game, kRzSiding, 0).Link(), kRzSubTrack1);  // appended

    // A refused row leaves the link alone.
    EXPECT_STREQ(game.ValidateMove(1030, 920, kRzStabling), "Brak wolnego miejsca w punkcie docelowym");
    EXPECT_EQ(RzSlot(game, kRzSiding, 0).Link(), kRzSubTrack1);
}

TEST_F(MoveRules, PlatformTakesATrainFromTheLineOnlyWhenEmpty)
{
    AtWestEntry(game, kRzCarsA);
    EXPECT_EQ(game.ValidateMove(501, 510, -1), nullptr);
    RzPut(game, kRzPlatform1, 0, {{kRzCar, kRzCarsB}});
    EXPECT_STREQ(game.ValidateMove(501, 510, -1), "Brak wolnego miejsca w punkcie docelowym");
    // From inside the station, as long as the whole run fits.
    RzPut(game, kRzPlatform2, 0, {{kRzCar, kRzCarsC}, {kRzDieselLoco, 0}});
    RzPut(game, kRzPlatform1, 0, {{kRzCar, kRzCarsB}, {kRzCar, kRzCarsB}, {kRzCar, kRzCarsB}, {kRzCar, kRzCarsB},
                                  {kRzCar, kRzCarsB}, {kRzCar, kRzCarsB}, {kRzCar, kRzCarsB}, {kRzCar, kRzCarsB}});
    EXPECT_EQ(game.ValidateMove(710, 512, -1), nullptr);
    RzPut(game, kRzPlatform1, 8, {{kRzCar, kRzCarsB}});
    EXPECT_STREQ(game.ValidateMove(710, 512, -1), "Brak wolnego miejsca w punkcie docelowym");
}

TEST_F(MoveRules, CarMovesWithAnyMovingVehicleOfItsRun)
{
    RzPut(game, kRzPlatform1, 0, {{kRzDieselLoco, 0}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsB}});
    RzPut(game, kRzPlatform1, 3, {{kRzCar, kRzCarsC}});
    RzSlot(game, kRzPlatform1, 0).Motion(1);
    EXPECT_TRUE(game.IsSlotConsistMoving(kRzPlatform1, 2));
    EXPECT_FALSE(game.IsSlotConsistMoving(kRzPlatform1, 3));  // not coupled to the run
    RzSlot(game, kRzPlatform1, 0).Motion(0);
    RzSlot(game, kRzPlatform1, 3).Fill(kRzCarsC, kRzDieselLoco, kKindDieselLoco, 0, 1, 0, kMotionRouted);
    RzSlot(game, kRzPlatform1, 2).Coupled(1);
    EXPECT_TRUE(game.IsSlotConsistMoving(kRzPlatform1, 1));  // up the run
    EXPECT_FALSE(game.IsSlotConsistMoving(kRzPlatform1, 0));  // a standing locomotive
}

TEST_F(MoveRules, ArrivingTrainTurnsIntoADepartingOneAndMayLeave)
{
    RzPut(game, kRzPlatform1, 0, {{kRzCar, kRzArrivingTrain}, {kRzDieselLoco, 0}});
    EXPECT_FALSE(game.IsSlotLocoOrSpecial(kRzPlatform1, 0));
    EXPECT_TRUE(game.IsSlotLocoOrSpecial(kRzPlatform1, 1));
    game.timetable.RowState(kRzArrivingTrain, kRawRow, kStateDeparting);
    EXPECT_TRUE(game.IsSlotLocoOrSpecial(kRzPlatform1, 0));
    EXPECT_EQ(game.ValidateMove(512, 320, -1), nullptr);
    EXPECT_FALSE(game.IsSlotLocoOrSpecial(kRzPlatform1, 5));  // empty
}

TEST_F(MoveRules, SidingIsMovedFromTheSubTrackItsLinkNames)
{
    RzPut(game, kRzSubTrack2, 0, {{kRzDieselLoco, 0}, {kRzCar, kRzCarsA}});
    RzSlot(game, kRzSiding, 0).Link(kRzSubTrack2);
    // Towards lower columns the leading vehicle, a locomotive coupled to its car.
    EXPECT_FALSE(game.IsSingleLocomotive(kRzSiding, 20, 10, 920));
    RzSlot(game, kRzSubTrack2, 0).Coupled(0);
    EXPECT_TRUE(game.IsSingleLocomotive(kRzSiding, 20, 10, 920));
    EXPECT_FALSE(game.IsSingleLocomotive(kRzSiding, 20, 30, 920));  // the car at the other end
    RzSlot(game, kRzSubTrack2, 1).Countdown(60);
    EXPECT_TRUE(game.IsCouplingInProgress(kRzSiding, 20, 30));
    EXPECT_FALSE(game.IsCouplingInProgress(kRzSiding, 20, 10));
}

}  // namespace
