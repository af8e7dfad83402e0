// The Game's station tables, queries and texts, on the hand-built station
// Testowo and, where trains matter, the day at Wrzosogród
// (tests/fixtures/timetables).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "model/game.h"
#include "roz_files.h"
#include "station_builder.h"

namespace {

std::string Text(const MallocPtr& p) { return p.Text(); }

class Testowo : public testing::Test {
protected:
    void SetUp() override { BuildTestowo(game); }

    VehicleSlot& Slot(int32_t row, int32_t slot)
    {
        return *game.slots.At(static_cast<uint32_t>(row), static_cast<uint32_t>(slot));
    }

    // A standing locomotive (or car, by kind) of train 0.
    void Put(int32_t row, int32_t slot, int32_t kind, int32_t number = 1)
    {
        Slot(row, slot).Fill(0, 1, kind, number, 1, 0, kMotionStanding);
    }

    Game game;
};

// Testowo with the day at Wrzosogród loaded into its timetable.
class TestowoDay : public Testowo {
protected:
    void SetUp() override
    {
        Testowo::SetUp();
        ASSERT_EQ(game.timetable.LoadRoz(TimetableFixture("wrzosogrod_day.roz").c_str(), game.pictureNames), 500);
    }

    // Position of a row in the arrival (mode 2) or departure index.
    int32_t IndexOf(int32_t row, int32_t mode) const
    {
        for (int32_t i = 0; i < game.TrainCount(); ++i)
            if (game.IndexRow(i, mode) == row) return i;
        ADD_FAILURE() << "row " << row << " is not in the index";
        return -1;
    }
};

// Rows of wrzosogrod_day.roz that the tests name.
enum DayRow : int32_t {
    kThrough = 0,     // comes in at 501 at 5:12, unit 0 (E4K, "E4K-101"), leaves at 560
    kTwoUnits = 1,    // units 1 (E6K, "E6K-201") and 2 (E4K, "E4K-102")
    kNoUnits = 2,     // a multiple unit (EZT-3) without units, [8] 0
    kStartsHere = 3,  // train state 1, leaves at 7:20
    kSplitTail = 5,   // second member of the arrival list 4 -> 5, comes in at 1201
    kAtNine = 7,      // arrives 9:05
};

TEST(Game, StartsEmptyAndAnswersWithoutAStation)
{
    Game game;
    EXPECT_EQ(game.Now(), 0);
    EXPECT_EQ(game.Seconds(), 0);
    EXPECT_EQ(game.clock.Step(0), 10);
    EXPECT_EQ(game.moveDivisor, 1);
    EXPECT_EQ(game.tickCounter, 0);
    EXPECT_EQ(game.PointCount() + game.SubTrackCount() + game.GridRows() + game.GridCols() + game.pathCount, 0);
    EXPECT_STREQ(game.StationName(), "");
    EXPECT_EQ(game.TileCode(3, 4), 0);
    EXPECT_EQ(game.FindPointByTile(501), -1);
    EXPECT_EQ(game.EntryExitCode(0), 0);
    EXPECT_EQ(game.EntryNumberOfRow(0, kRawRow), 0);  // no point to clamp to: a zeroed one
    EXPECT_EQ(game.LineSectionInfo(0, 0), 0);
    EXPECT_EQ(game.SlotTrain(0, 0), -1);
    EXPECT_EQ(game.TurnLocomotive(0, 0), kTurnNoVehicle);
    EXPECT_EQ(&TheGame(), &TheGame());
}

TEST(Game, CreatesConsistentTablesAndRefusesImpossibleSizes)
{
    Game game;
    ASSERT_TRUE(game.CreateStationTables(4, 100, 2, 3, 5));
    EXPECT_EQ(game.tileCodes.RowCount(), 4u);
    EXPECT_EQ(game.tileStates.Row(3)->Count(), 100u);
    EXPECT_EQ(game.paths.Row(1)->Count(), static_cast<uint32_t>(kPathCells));
    EXPECT_EQ(game.points.RowCount(), 3u);
    EXPECT_EQ(game.slots.RowCount(), 8u);
    EXPECT_EQ(game.slots.Row(7)->Count(), static_cast<uint32_t>(kSlotsPerPoint));
    EXPECT_EQ(game.LineSectionInfo(2, kSectionLineState), kLineFree);
    EXPECT_EQ(*game.lineSections.At(2, 0), -1);
    EXPECT_EQ(game.TileState(3, 99), kTileFree);

    *game.tileCodes.At(3, 99) = 17;
    EXPECT_FALSE(game.CreateStationTables(4, 101, 2, 3, 5));  // a TileCode holds columns 0..99
    EXPECT_FALSE(game.CreateStationTables(-1, 10, 2, 3, 5));
    EXPECT_FALSE(game.CreateStationTables(4, 10, 2, -3, 5));
    EXPECT_FALSE(game.CreateStationTables(4, 10, 2, 3, kMaxSubTracks + 1));
    EXPECT_EQ(game.TileCode(3, 99), 17);  // refused sizes change nothing
    EXPECT_EQ(game.GridCols(), 100);
    EXPECT_EQ(game.SubTrackCount(), 5);
}

TEST(Game, KeepsTwentyNineCharactersOfTheStationName)
{
    Game game;
    game.SetStationName("Bardzo Dluga Nazwa Stacji Kolejowej.stc");
    EXPECT_STREQ(game.StationName(), "Bardzo Dluga Nazwa Stacji Kol");
    game.SetStationName(nullptr);
    EXPECT_STREQ(game.StationName(), "");
}

TEST(Game, MovesWholeIntoAnotherGame)
{
    Game built;
    BuildTestowo(built);
    built.slots.At(kTestowoLocoTrack, 0)->Fill(0, 1, kKindDieselLoco, 1, 1, 0, 0);
    Game running;
    running = std::move(built);
    EXPECT_EQ(running.PointCount(), kTestowoPointCount);
    EXPECT_EQ(running.FindPointByTile(1050), kTestowoLocoTrack);
    EXPECT_EQ(running.TurnLocomotive(kTestowoLocoTrack, 0), kTurnDone);
    EXPECT_STREQ(running.StationName(), "Testowo.stc");
}

TEST_F(Testowo, CountsAndPacksEntriesAndExits)
{
    EXPECT_EQ(game.EntryExitCode(0), 5);  // three entries, two exits
    EXPECT_EQ(game.EntryExitCode(1), 12000 + 200 + 10 + kPointEntry);
    EXPECT_EQ(game.EntryExitCode(2), 510023);
    EXPECT_EQ(game.EntryExitCode(5), 6000 + 50 + kPointExit);
    EXPECT_EQ(game.EntryExitCode(6), 0);
    EXPECT_EQ(game.EntryExitCode(-1), 0);

    // A damaged point of kind 0 is no entry; a huge parameter does not overflow.
    SetPoint(game, kTestowoWestExit, {0, 6, 502, 0, 0, 41});
    SetPoint(game, kTestowoEastExit, {kPointExit, 3000000, 560, 0, 0, 52});
    EXPECT_EQ(game.EntryExitCode(0), 4);
    EXPECT_EQ(game.EntryExitCode(4), static_cast<int32_t>(int64_t{3000000} * 1000 + 52));
}

TEST_F(Testowo, TravelTimesOfLines)
{
    EXPECT_EQ(game.LineTravelTime(kTestowoLine, 0), 10);
    EXPECT_EQ(game.LineTravelTime(kTestowoLine, 1), 5);
    EXPECT_EQ(game.LineTravelTime(kTestowoWestEntry, 0), 14);
    EXPECT_EQ(game.LineTravelTime(kTestowoWestEntry, 1), 2);
    EXPECT_EQ(game.LineTravelTime(kTestowoWestExit, 0), 0);
    // Only lines have travel times: a platform's [3] is a tile, not minutes.
    EXPECT_EQ(game.LineTravelTime(kTestowoPlatform1, 1), 0);
    EXPECT_EQ(game.LineTravelTime(-1, 0), 0);
    EXPECT_EQ(game.LineTravelTime(kTestowoPointCount, 1), 0);
}

TEST_F(Testowo, FindsPointsTilesAndEntriesByNumber)
{
    EXPECT_EQ(game.FindPointByTile(521), kTestowoPlatform1);
    EXPECT_EQ(game.FindPointByTile(1121), kTestowoFreight);
    EXPECT_EQ(game.FindPointByTile(0), kTestowoDepot);  // its empty second tile
    EXPECT_EQ(game.FindPointByTile(1234), -1);

    EXPECT_EQ(game.PointSideNumber(530, 521), 22);  // coming from the right: the right end
    EXPECT_EQ(game.PointSideNumber(521, 521), 22);
    EXPECT_EQ(game.PointSideNumber(510, 522), 20);
    EXPECT_EQ(game.PointSideNumber(510, 1234), 0);

    EXPECT_EQ(game.EntryTileByNumber(2), 1201);
    EXPECT_EQ(game.EntryTileByNumber(1), -1);  // entry 1 has no block sections
    EXPECT_EQ(game.ArrivalEntryTileByNumber(1), 501);
    EXPECT_EQ(game.ArrivalEntryTileByNumber(2), 1201);
    EXPECT_EQ(game.ArrivalEntryTileByNumber(4), -1);  // an exit

    EXPECT_EQ(game.PointKind(kTestowoSiding), kPointSiding);
    EXPECT_EQ(game.PointTile(kTestowoPlatform2), 720);
    EXPECT_EQ(game.PointTileAt(kTestowoPlatform2, 2), 722);
    EXPECT_EQ(game.PointTileAt(kTestowoPlatform2, 3), 0);
    EXPECT_EQ(game.PointTileAt(kTestowoPlatform2, -1), 0);
    EXPECT_EQ(game.PointKind(kTestowoPointCount), 0);
    EXPECT_EQ(game.PointTile(-1), 0);
}

TEST_F(Testowo, ReadsTheLineSections)
{
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, 0), 1);
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, kSectionLineState), kLineFree);
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, 1), -1);  // countdown 0: nothing in the block
    *game.lineSections.At(kTestowoLine, kSectionTrain) = 17;
    *game.lineSections.At(kTestowoLine, kSectionCountdown) = 12;
    *game.lineSections.At(kTestowoLine, kSectionLineState) = kLineArriving;
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, 1), 17);
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, kSectionLineState), kLineArriving);
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, 11), -1);
    EXPECT_EQ(game.LineSectionInfo(kTestowoWestEntry, 0), 0);
    EXPECT_EQ(game.LineSectionInfo(kTestowoPointCount, 0), 0);
    EXPECT_EQ(game.LineSectionInfo(-1, 1), -1);

    SetLineBlocks(game, kTestowoLine, {18, 18, 18, 18, 18, 18, 18, 18, 18, 18});
    EXPECT_EQ(game.LineSectionInfo(kTestowoLine, 0), 10);  // stops at the last triple
}

TEST_F(Testowo, SlotQueriesStayInsideTheGrid)
{
    const int32_t lastRow = kTestowoPointCount + kTestowoSubTracks - 1;
    Slot(lastRow, 9).Fill(4, 1, kKindDieselLoco, 3, 0, 1, kMotionStanding);
    Slot(lastRow, 9).Turned(1);
    EXPECT_EQ(game.SlotTrain(lastRow, 9), 4);
    EXPECT_EQ(game.SlotKind(lastRow, 9), kKindDieselLoco);
    EXPECT_EQ(game.SlotOperational(lastRow, 9), 0);
    EXPECT_EQ(game.SlotCoupled(lastRow, 9), 1);
    EXPECT_EQ(game.SlotTurned(lastRow, 9), 1);
    EXPECT_EQ(game.SlotCountdown(lastRow, 9, 6), 6);
    EXPECT_EQ(game.SlotCountdown(lastRow, 9), 6);

    // Past the grid answers as an empty slot and never reaches the last one.
    for (auto [row, slot] : {std::pair{lastRow + 1, 9}, {lastRow, 10}, {-1, 0}, {0, -1}}) {
        EXPECT_EQ(game.SlotAt(row, slot), nullptr);
        EXPECT_EQ(game.SlotTrain(row, slot), -1);
        EXPECT_EQ(game.SlotKind(row, slot), kKindCar);
        EXPECT_EQ(game.SlotOperational(row, slot), 1);
        EXPECT_EQ(game.SlotCoupled(row, slot), 0);
        EXPECT_EQ(game.SlotTurned(row, slot), 0);
        EXPECT_EQ(game.SlotCountdown(row, slot, 99), 0);
    }
    EXPECT_EQ(game.SlotCountdown(lastRow, 9), 6);
}

TEST_F(Testowo, NonElectricTractionOnAPoint)
{
    Put(kTestowoPlatform1, 0, kKindElectricLoco);
    Put(kTestowoPlatform1, 1, kKindCar);
    EXPECT_FALSE(game.PointHasNonElectricTraction(521));
    Put(kTestowoPlatform1, 9, kKindSteamLoco);
    EXPECT_TRUE(game.PointHasNonElectricTraction(520));
    Put(kTestowoPlatform2, 0, kKindDieselUnit);
    EXPECT_TRUE(game.PointHasNonElectricTraction(722));
    EXPECT_FALSE(game.PointHasNonElectricTraction(1234));
}

TEST_F(Testowo, TurnsOnlyAStandingLooseLocomotiveAtTheTurntable)
{
    const int32_t subTrack = kTestowoPointCount;
    Put(subTrack, 0, kKindDieselLoco);
    EXPECT_EQ(game.TurnLocomotive(subTrack, 0), kTurnNotAtTurntable);  // before the vehicle is looked at
    Put(kTestowoPlatform1, 0, kKindDieselLoco);
    EXPECT_EQ(game.TurnLocomotive(kTestowoPlatform1, 0), kTurnNotAtTurntable);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 0), kTurnNoVehicle);
    EXPECT_EQ(game.TurnLocomotive(kTestowoPointCount + kTestowoSubTracks, 0), kTurnNoVehicle);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 10), kTurnNoVehicle);
    EXPECT_EQ(game.TurnLocomotive(-1, 0), kTurnNoVehicle);

    Put(kTestowoLocoTrack, 0, kKindElectricUnit);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 0), kTurnNotLocomotive);

    Put(kTestowoLocoTrack, 0, kKindSteamLoco);
    Slot(kTestowoLocoTrack, 0).Motion(kMotionRouted);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 0), kTurnMoving);
    Slot(kTestowoLocoTrack, 0).Motion(kMotionStanding);
    Slot(kTestowoLocoTrack, 0).SetPath({1049, 1050});
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 0), kTurnMoving);
    Slot(kTestowoLocoTrack, 0).SetPath({});

    Slot(kTestowoLocoTrack, 0).Coupled(1);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 0), kTurnCoupled);
    Put(kTestowoLocoTrack, 1, kKindDieselLoco);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 1), kTurnCoupled);  // slot 0 holds on to it
    Slot(kTestowoLocoTrack, 0).Coupled(0);

    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 1), kTurnDone);
    EXPECT_EQ(game.SlotTurned(kTestowoLocoTrack, 1), 1);
    EXPECT_EQ(game.TurnLocomotive(kTestowoLocoTrack, 1), kTurnDone);
    EXPECT_EQ(game.SlotTurned(kTestowoLocoTrack, 1), 0);

    Put(kTestowoDepot, 0, kKindElectricLoco);
    EXPECT_EQ(game.TurnLocomotive(kTestowoDepot, 0), kTurnDone);
}

TEST(Game, TurntableMessagesAreCp1250)
{
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnDone), "Lokomotywa obrocona na obrotnicy");
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnNoVehicle), "");
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnNotAtTurntable),
                 "Obrotnica jest przy lokomotywowni - podstaw lokomotyw\xEA na punkt dla lokomotyw");
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnNotLocomotive),
                 "Obrocic mo\xBF" "na tylko lokomotyw\xEA - wagony jada w sk\xB3" "adzie");
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnMoving),
                 "Lokomotywa jest w ruchu - obrocic mo\xBF" "na dopiero stojaca");
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnCoupled),
                 "Lokomotywa jest po\xB3\xB9" "czona ze sk\xB3" "adem - najpierw ja odczep");
    EXPECT_STREQ(TurnLocomotiveMessage(6), "");
}

TEST(Game, ClockTimesAndPlatformNumerals)
{
    EXPECT_EQ(Text(ClockTimeText(2405)), "0:05");
    EXPECT_EQ(Text(ClockTimeText(-130)), "1:30");
    EXPECT_EQ(Text(ClockTimeText(905)), "9:05");
    EXPECT_EQ(Text(ClockTimeText(2340)), "23:40");
    EXPECT_EQ(Text(ClockTimeText(0)), "0:00");
    EXPECT_EQ(Text(ClockTimeText(-2405)), "24:05");  // a negative time loses no day
    EXPECT_EQ(Text(ClockTimeText(INT_MIN)), "21474836:48");
    EXPECT_EQ(Text(ClockTimeText(INT_MAX)), "21474812:47");

    const char* const numerals[] = {" ", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", " "};
    for (int32_t n = 0; n <= 10; ++n) EXPECT_EQ(Text(RomanNumeral(n)), numerals[n]) << n;
    EXPECT_EQ(Text(RomanNumeral(-3)), " ");
}

TEST_F(TestowoDay, EntryAndExitNumbersOfRows)
{
    EXPECT_EQ(game.EntryNumberOfRow(kThrough, kRawRow), 1);
    EXPECT_EQ(game.ExitNumberOfRow(kThrough, kRawRow), 5);
    EXPECT_EQ(game.EntryPointTileOfRow(kThrough, kRawRow), 501);
    EXPECT_EQ(game.EntryNumberOfRow(IndexOf(kSplitTail, kArrivalMode), kArrivalMode), 2);
    EXPECT_EQ(game.ExitNumberOfRow(IndexOf(kTwoUnits, kDepartureMode), kDepartureMode), 5);

    // The line moves off tile 1201: the search finds nothing and the last point answers.
    SetPoint(game, kTestowoLine, {kPointLine, 510, 1202, 0, 0, 21});
    SetPoint(game, kTestowoFreight, {kPointFreightPlatform, 0, 1120, 1121, 0, 73});
    EXPECT_EQ(game.EntryNumberOfRow(kSplitTail, kRawRow), 7);
    EXPECT_EQ(game.EntryPointTileOfRow(kSplitTail, kRawRow), 1120);
}

TEST_F(TestowoDay, ScheduledAndExpectedTimeTexts)
{
    EXPECT_EQ(Text(game.ScheduledTimeText(kAtNine, kRawRow, kArrivalSide)), "9:05");
    EXPECT_EQ(Text(game.ScheduledTimeText(kThrough, kRawRow, kDepartureMode)), "5:15");
    game.timetable.ScheduledTime(kThrough, kRawRow, kArrivalSide, 2405);
    EXPECT_EQ(Text(game.ScheduledTimeText(kThrough, kRawRow, kArrivalSide)), "0:05");
    game.timetable.ScheduledTime(kThrough, kRawRow, kArrivalSide, -130);
    EXPECT_EQ(Text(game.ScheduledTimeText(kThrough, kRawRow, kArrivalSide)), "1:30");

    EXPECT_EQ(Text(game.ExpectedTimeText(kAtNine, kRawRow, kArrivalSide)), "9:05");  // not drawn yet
    game.timetable.ExpectedTime(kAtNine, kRawRow, kArrivalSide, 917);
    EXPECT_EQ(Text(game.ExpectedTimeText(kAtNine, kRawRow, kArrivalSide)), "9:17");
}

TEST_F(TestowoDay, LocomotiveAndUnitNames)
{
    const int32_t twoUnits = IndexOf(kTwoUnits, kArrivalMode);
    EXPECT_EQ(Text(game.LocoTypeName(twoUnits, kArrivalMode)), "E6K|E4K");
    EXPECT_EQ(Text(game.LocoTypeName(IndexOf(kThrough, kDepartureMode), kDepartureMode)), "E4K");
    EXPECT_EQ(Text(game.LocoTypeName(IndexOf(kNoUnits, kArrivalMode), kArrivalMode)), "EZT-3");

    EXPECT_FALSE(game.UnitName(twoUnits, kArrivalMode));  // names only with shed transfers
    EXPECT_EQ(game.AllowShedTransfers(5), 1);
    EXPECT_EQ(game.AllowShedTransfers(), 1);
    EXPECT_EQ(Text(game.UnitName(twoUnits, kArrivalMode)), "E6K-201|E4K-102");
    EXPECT_EQ(Text(game.UnitName(IndexOf(kThrough, kDepartureMode), kDepartureMode)), "E4K-101");
    EXPECT_EQ(Text(game.UnitName(3, kRawRow)), "M6D-301");
    EXPECT_FALSE(game.UnitName(9, kRawRow));
    EXPECT_FALSE(game.UnitName(-1, kRawRow));
    // The second member of an arrival list leaves the names to its head.
    EXPECT_FALSE(game.UnitName(IndexOf(kSplitTail, kArrivalMode), kArrivalMode));

    Put(kTestowoLocoTrack, 0, kKindElectricLoco, 3);
    EXPECT_EQ(Text(game.SlotUnitName(kTestowoLocoTrack, 0)), "M6D-301");
    Slot(kTestowoLocoTrack, 0).Number(40);
    EXPECT_FALSE(game.SlotUnitName(kTestowoLocoTrack, 0));
    EXPECT_FALSE(game.SlotUnitName(kTestowoLocoTrack, 10));
    game.AllowShedTransfers(0);
    Slot(kTestowoLocoTrack, 0).Number(3);
    EXPECT_FALSE(game.SlotUnitName(kTestowoLocoTrack, 0));
}

TEST_F(TestowoDay, StandingTrainBecomesDueAtItsExpectedDeparture)
{
    const int32_t departure = IndexOf(kStartsHere, kDepartureMode);
    ASSERT_EQ(game.TrainStateNow(departure, kDepartureMode), 1);
    game.clock.Set(7, 19, 50);
    EXPECT_EQ(game.TrainStateNow(departure, kDepartureMode), 1);
    EXPECT_EQ(game.TrainStateNow(kStartsHere, kRawRow), 1);  // only the departure index moves it
    game.clock.Set(7, 20, 0);
    EXPECT_EQ(game.TrainStateNow(kStartsHere, kRawRow), 1);
    EXPECT_EQ(game.TrainStateNow(departure, kDepartureMode), 3);
    EXPECT_EQ(game.TrainStateNow(kStartsHere, kRawRow), 3);

    game.timetable.TrainState(kStartsHere, kRawRow, 1);
    game.timetable.ExpectedTime(kStartsHere, kRawRow, kDepartureMode, 735);  // running late
    EXPECT_EQ(game.TrainStateNow(departure, kDepartureMode), 1);
    EXPECT_EQ(game.TrainStateNow(-1, kDepartureMode), 1);  // no row: nothing is written
}

}  // namespace
