// Move validation on the sample station Testowo: every rule with its refusal,
// in the order the rules are tested, and the predicates behind them.
#include "simulation/move_validation.h"
#include "testowo_game.h"
#include "timetable_access.h"

namespace {

// Platform 1 turned round: the car of row 0 in slot 0, EU07 #8 at the east end.
void LocoEast(Game& g)
{
    EmptyRow(g, kStcPlatform1);
    PutVehicles(g, kStcPlatform1, 0, {{kTwCarB, kTwCarOfEu07}, {kTwEu07, 0, 8}});
}

void LightLocoEast(Game& g)
{
    LocoEast(g);
    SceneSlot(g, kStcPlatform1, 0).Coupled(0);
}

// A car of the given row with an SM42 on the point, the head where the side puts it.
void OnLine(Game& g, int32_t train)
{
    PutVehicles(g, kStcLine, 0, {{kTwCarB, train}, {kTwSm42, 0}});
    EmptyRow(g, kStcFreight);
}

void OnEastEntry(Game& g)
{
    PutVehicles(g, kStcEastEntry, 0, {{kTwSm42, 0}, {kTwCarB, kTwEastbound}});
    g.clock.Set(6, 50, 0);
}

// The car of the arriving row 6 behind EU07 at platform 1's east end.
void JustArrived(Game& g)
{
    EmptyRow(g, kStcPlatform1);
    PutVehicles(g, kStcPlatform1, 0, {{kTwCarB, kTwArriving}, {kTwEu07, 0}});
}

void Moving(Game& g) { SceneSlot(g, kStcPlatform1, 1).Motion(kMotionMoving); }

struct MoveCase {
    const char* name;            ///< what the case shows
    void (*setup)(Game& game);   ///< the scene on a fresh start at Testowo
    TileCode from;               ///< the consist's tile
    TileCode to;                 ///< the destination tile
    int32_t subTrackRow;         ///< -1, or the sub-track chosen for a siding
    const char* refusal;         ///< null: the move is allowed
};

// Each refusal, and where two rules are broken, the earlier one's.
const MoveCase kMoveCases[] = {
    {"train turned round to leave east", LocoEast, 414, 542, -1, nullptr},
    {"same point twice, though the train moves", [](Game& g) { LocoEast(g); Moving(g); }, 414, 414, -1,
     "Wskazano dwa razy ten sam punkt"},
    {"exit occupied, though the train moves",
     [](Game& g) { LocoEast(g); Moving(g); PutVehicles(g, kStcEastExit, 0, {{kTwSm42, 0}}); }, 414, 542, -1,
     "Brak wolnego miejsca w punkcie docelowym"},
    {"tile of no point", LocoEast, 414, 300, -1, "Brak wolnego miejsca w punkcie docelowym"},
    {"moving, while coupling too",
     [](Game& g) { LocoEast(g); Moving(g); SceneSlot(g, kStcPlatform1, 0).Countdown(5); }, 414, 542, -1,
     "Ten pociąg jeszcze jedzie"},
    {"car coupled to a moving locomotive", [](Game& g) { SceneSlot(g, kStcPlatform1, 0).Motion(kMotionRouted); },
     414, 512, -1, "Ten pociąg jeszcze jedzie"},
    {"train to the depot", LocoEast, 414, 937, -1, "Tylko pojedyńcza lokomotywa może pojechać do lokomotywowni"},
    {"light locomotive to the depot", LightLocoEast, 414, 937, -1, nullptr},
    {"train to the locomotive track", [](Game& g) { LocoEast(g); EmptyRow(g, kStcLocoTrack); }, 414, 933, -1,
     "Tylko pojedyńcza lokomotywa może wjechać na ten punkt"},
    {"light locomotive to the locomotive track", [](Game& g) { LightLocoEast(g); EmptyRow(g, kStcLocoTrack); }, 414,
     933, -1, nullptr},
    {"locomotive track taken", LightLocoEast, 414, 933, -1, "Brak wolnego miejsca w punkcie docelowym"},
    {"car in front, bound elsewhere too", [](Game& g) { SceneSlot(g, kStcPlatform1, 1).Train(kTwFreight); }, 414,
     542, -1, "Brak lokomotywy na początku składu"},
    {"wrong exit, too early too", [](Game& g) { LocoEast(g); g.clock.Set(4, 40, 0); }, 414, 401, -1,
     "Zły punkt wyjazdowy dla tego pociągu"},
    {"light locomotive to an exit", LightLocoEast, 414, 542, -1, "Sama lokomotywa nie może opuścić stacji"},
    {"at 4:49 for 5:20", [](Game& g) { LocoEast(g); g.clock.Set(4, 49, 0); }, 414, 542, -1,
     "Za wcześnie na zaznaczenie wyjazdu"},
    {"at 4:50 for 5:20", [](Game& g) { LocoEast(g); g.clock.Set(4, 50, 0); }, 414, 542, -1, nullptr},
    {"straight through from the entry", OnEastEntry, 442, 542, -1, "Pociag musi sie zatrzymac przy peronie"},
    {"straight through, need not stop",
     [](Game& g) { OnEastEntry(g); g.timetable.RowState(kTwEastbound, kRawRow, 5); }, 442, 542, -1, nullptr},
    {"damaged locomotive pulling, coupling too",
     [](Game& g) { SceneSlot(g, kStcPlatform1, 0).Operational(0); SceneSlot(g, kStcPlatform1, 1).Countdown(5); },
     412, 512, -1, "Uszkodzona lokomotywa nie może ciągnąć składu."},
    {"damaged unit alone", [](Game& g) { SceneSlot(g, kStcPlatform2, 0).Operational(0); }, 512, 412, -1,
     "Uszkodzona jednostka nie może się samodzielnie poruszać."},
    {"damaged light locomotive", [](Game& g) { LightLocoEast(g); SceneSlot(g, kStcPlatform1, 1).Operational(0); },
     414, 937, -1, nullptr},
    {"arrived less than 5 minutes ago", JustArrived, 414, 512, -1, "Ten pociąg musi postać 5 min. przy peronie."},
    {"special train need not wait",
     [](Game& g) {
         JustArrived(g);
         TimetableTestAccess::Field(g.timetable, kTwArriving, kRowArrivalCategory) = kLightEngineCategory;
     },
     414, 512, -1, nullptr},
    {"five minutes later", [](Game& g) { JustArrived(g); g.timetable.RowState(kTwArriving, kRawRow, 1); }, 414, 512,
     -1, nullptr},
    {"light locomotive need not wait", [](Game& g) { JustArrived(g); SceneSlot(g, kStcPlatform1, 0).Coupled(0); },
     414, 512, -1, nullptr},
    {"coupling under way", [](Game& g) { LocoEast(g); SceneSlot(g, kStcPlatform1, 0).Countdown(5); }, 414, 512, -1,
     "Trwa łączenie/rozłączanie"},
    {"coupling at the other end", [](Game& g) { LightLocoEast(g); SceneSlot(g, kStcPlatform1, 0).Countdown(5); },
     414, 937, -1, nullptr},
    {"passenger train from the line to goods", [](Game& g) { OnLine(g, kTwPassenger); }, 401, 213, -1,
     "Pociąg pasażerski nie może wjechać na tory towarowe"},
    {"freight train from the line to goods", [](Game& g) { OnLine(g, kTwFreightIn); }, 401, 213, -1, nullptr},
    {"passenger train from a platform to goods", LocoEast, 412, 213, -1, nullptr},
    {"sub-track with room", LocoEast, 412, 713, kStcSubTrack1, nullptr},
    {"full sub-track",
     [](Game& g) {
         LocoEast(g);
         for (int32_t s = 0; s < 9; ++s) PutVehicles(g, kStcSubTrack1, s, {{kTwEaos, kTwFreight}});
     },
     412, 713, kStcSubTrack1, "Brak wolnego miejsca w punkcie docelowym"},
    {"a row that is not the siding's", LocoEast, 412, 713, kStcPlatform2, "Brak wolnego miejsca w punkcie docelowym"},
};

TEST(MoveValidation, RulesInTheirOrder)
{
    FixedRandom draws(100);
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.name);
        Game game;
        ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
        c.setup(game);
        const char* refusal = game.ValidateMove(c.from, c.to, c.subTrackRow);
        if (c.refusal)
            EXPECT_STREQ(refusal, c.refusal);
        else
            EXPECT_EQ(refusal, nullptr) << refusal;
    }
}

using MoveRules = TestowoGame;

TEST_F(MoveRules, SidingLinkNamesTheSubTrackWithTheDirection)
{
    LocoEast(game);
    EXPECT_EQ(game.ValidateMove(412, 713, kStcSubTrack1 + 2), nullptr);
    EXPECT_EQ(SceneSlot(game, kStcSiding, 0).Link(), -(kStcSubTrack1 + 2));  // towards higher columns: in front
    PutVehicles(game, kStcDepot, 0, {{kTwSm42, 0}});
    EXPECT_EQ(game.ValidateMove(937, 713, kStcSubTrack1), nullptr);
    EXPECT_EQ(SceneSlot(game, kStcSiding, 0).Link(), kStcSubTrack1);  // appended

    // A refused row leaves the link alone.
    EXPECT_STREQ(game.ValidateMove(937, 713, kStcStabling), "Brak wolnego miejsca w punkcie docelowym");
    EXPECT_EQ(SceneSlot(game, kStcSiding, 0).Link(), kStcSubTrack1);
}

TEST_F(MoveRules, PlatformTakesATrainFromTheLineOnlyWhenEmpty)
{
    OnLine(game, kTwPassenger);
    EXPECT_STREQ(game.ValidateMove(401, 412, -1), "Brak wolnego miejsca w punkcie docelowym");
    EmptyRow(game, kStcPlatform1);
    EXPECT_EQ(game.ValidateMove(401, 412, -1), nullptr);

    // From inside the station, as long as the whole run fits.
    for (int32_t s = 0; s < 9; ++s) PutVehicles(game, kStcPlatform1, s, {{kTwCarB, kTwCarOfEu07}});
    EXPECT_EQ(game.ValidateMove(512, 414, -1), nullptr);
    PutVehicles(game, kStcPlatform1, 9, {{kTwCarB, kTwCarOfEu07}});
    EXPECT_STREQ(game.ValidateMove(512, 414, -1), "Brak wolnego miejsca w punkcie docelowym");
}

TEST_F(MoveRules, SidingIsMovedFromTheSubTrackItsLinkNames)
{
    const int32_t subTrack = kStcSubTrack1 + 1;  // SM42 #44 and two cars at the start
    SceneSlot(game, subTrack, 0).Coupled(1);
    SceneSlot(game, kStcSiding, 0).Link(subTrack);
    // Towards lower columns the leading vehicle: a locomotive, coupled to its car.
    EXPECT_FALSE(game.IsSingleLocomotive(kStcSiding, 13, 1, 713));
    SceneSlot(game, subTrack, 0).Coupled(0);
    EXPECT_TRUE(game.IsSingleLocomotive(kStcSiding, 13, 1, 713));
    EXPECT_FALSE(game.IsSingleLocomotive(kStcSiding, 13, 20, 713));  // a car at the other end
    SceneSlot(game, subTrack, 0).Coupled(1);
    SceneSlot(game, subTrack, 1).Countdown(60);
    EXPECT_TRUE(game.IsCouplingInProgress(kStcSiding, 13, 1));
    SceneSlot(game, subTrack, 1).Countdown(0);
    SceneSlot(game, subTrack, 0).Countdown(60);
    EXPECT_FALSE(game.IsCouplingInProgress(kStcSiding, 13, 20));  // the run at the high end is the last car
    // A link that names no sub-track of this siding reads no other point's
    // row: not the locomotive track's single Ol49.
    SceneSlot(game, kStcSiding, 0).Link(kStcLocoTrack);
    EXPECT_FALSE(game.IsSingleLocomotive(kStcSiding, 13, 1, 713));
}

}  // namespace
