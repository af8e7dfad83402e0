// The boards' rows on the sample stations after a new game: which trains are
// listed in which colour and font with which texts in which columns, the
// depot section, and how many rows fit a pane.
#include <gtest/gtest.h>

#include <string>

#include "simulation/notify.h"
#include "testowo_game.h"
#include "ui/board_delays.h"
#include "ui/boards.h"

namespace {

constexpr int32_t kTwLocoSu45 = 3;  ///< the depot's SU45 #45

// "column:text" of every cell, blank-separated.
std::string CellsText(const BoardRow& row)
{
    std::string text;
    for (const BoardCell& cell : row.cells) text += (text.empty() ? "" : " ") + std::to_string(cell.column) + ":" + cell.text;
    return text;
}

const BoardCell* CellAt(const BoardRow& row, int32_t column)
{
    for (const BoardCell& cell : row.cells)
        if (cell.column == column) return &cell;
    return nullptr;
}

// The board position of a timetable row.
int32_t PositionOf(Game& game, int32_t row, int32_t mode)
{
    for (int32_t i = 0; i < game.TrainCount(); ++i)
        if (game.IndexRow(i, mode) == row) return i;
    return -1;
}

// Listed in `colour`, or not listed for -1.
void ExpectListedIn(const std::optional<BoardRow>& row, int32_t colour)
{
    EXPECT_EQ(row.has_value(), colour >= 0);
    if (row) {
        EXPECT_EQ(row->colour, colour);
    }
}

class BoardsOnTestowo : public RunningTestowoGame {
protected:
    void SetUp() override
    {
        RunningTestowoGame::SetUp();
        CollectEntryTiles(game);
    }
    void TearDown() override
    {
        gEntryTiles.clear();
        RunningTestowoGame::TearDown();
    }
    BoardRow Arrival(int32_t row)
    {
        std::optional<BoardRow> listed = ArrivalBoardRow(game, PositionOf(game, row, kArrivalMode));
        EXPECT_TRUE(listed.has_value()) << "row " << row;
        return listed.value_or(BoardRow());
    }
    BoardRow Departure(int32_t row)
    {
        std::optional<BoardRow> listed = DepartureBoardRow(game, PositionOf(game, row, kDepartureMode));
        EXPECT_TRUE(listed.has_value()) << "row " << row;
        return listed.value_or(BoardRow());
    }
    void SetStates(int32_t row, int32_t rowState, int32_t trainState)
    {
        game.timetable.RowState(row, kRawRow, rowState);
        game.timetable.TrainState(row, kRawRow, trainState);
    }

};

TEST_F(BoardsOnTestowo, ArrivalsListTheStandingTrainsWhereTheyStandAndTheComingOnesWithTheirEntries)
{
    const BoardRow standing = Arrival(kTwCarOfEu07);
    EXPECT_EQ(standing.colour, kBoardStandingColour);
    EXPECT_EQ(standing.font, BoardFont::kRegular);
    // It came in last evening: yesterday's entry, time, number and origin.
    EXPECT_EQ(CellsText(standing), "2:2 15:22:40 78:OS 106:1300 146:I 178:P1");
    EXPECT_EQ(standing.relation, "Malinowo - Testowo");
    EXPECT_EQ(CellAt(standing, 178)->colour, kBoardPlaceColour);
    EXPECT_EQ(CellAt(standing, 146)->colour, kBoardStandingColour);
    // Every train the board lists has its time and its number.
    int32_t listed = 0;
    for (int32_t i = 0; i < game.TrainCount(); ++i) {
        const std::optional<BoardRow> row = ArrivalBoardRow(game, i);
        if (!row) continue;
        ++listed;
        EXPECT_NE(CellAt(*row, 15), nullptr) << "position " << i;
        EXPECT_NE(CellAt(*row, 106), nullptr) << "position " << i;
    }
    EXPECT_EQ(listed, 10);

    const BoardRow coming = Arrival(kTwArriving);
    EXPECT_EQ(coming.colour, kBoardColour);
    EXPECT_EQ(CellsText(coming), "2:2 15:5:30 78:POS 106:3311 146:II 164:#");
    EXPECT_EQ(coming.relationColumn, 15);
    EXPECT_EQ(coming.relation, "Malinowo - Testowo");
    EXPECT_EQ(CellsText(Arrival(kTwPassenger)), "2:1 15:6:10 78:OS 106:8201 146:I 164:#");
}

TEST_F(BoardsOnTestowo, ArrivalColoursAndFontsFollowTheStatesAndTheVehicles)
{
    struct Case {
        int32_t rowState, trainState;
        int32_t colour;  ///< -1: not listed
    };
    const Case cases[] = {
        {0, 0, kBoardColour},        {0, 1, kBoardStandingColour}, {0, 3, kBoardStandingColour},
        {0, 2, kBoardWaitingColour}, {0, 4, kBoardAdmittedColour}, {0, -1, -1},
        {1, 2, kBoardColour},        {1, 4, kBoardColour},         {1, -1, -1},
        {3, 0, -1},                  {4, 0, -1},                   {6, 1, -1},
        {5, 2, kBoardWaitingColour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rowState) + "/" + std::to_string(c.trainState));
        SetStates(kTwArriving, c.rowState, c.trainState);
        ExpectListedIn(ArrivalBoardRow(game, PositionOf(game, kTwArriving, kArrivalMode)), c.colour);
    }
    SetStates(kTwArriving, 5, 0);
    EXPECT_EQ(Arrival(kTwArriving).font, BoardFont::kItalic);
    SetStates(kTwArriving, 7, 0);  // a light engine: no relation
    EXPECT_EQ(Arrival(kTwArriving).relation, "");

    // A damaged car of the standing train turns its row dark red.
    SceneSlot(game, kStcPlatform1, 1).Operational(0);
    EXPECT_EQ(Arrival(kTwCarOfEu07).colour, kBoardNotOkColour);
}

TEST_F(BoardsOnTestowo, ArrivalDelaysShowLateInRedEarlyInTheRowColourAndTimeWaitedBehindTheClock)
{
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 537);  // 7 min late
    BoardRow row = Arrival(kTwArriving);
    ASSERT_NE(CellAt(row, 48), nullptr);
    EXPECT_EQ(CellAt(row, 48)->text, "+7");
    EXPECT_EQ(CellAt(row, 48)->colour, kBoardLateColour);

    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 527);  // 3 min early
    row = Arrival(kTwArriving);
    EXPECT_EQ(CellAt(row, 48)->text, "-3");
    EXPECT_EQ(CellAt(row, 48)->colour, kBoardColour);

    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 530);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48), nullptr) << "on time: nothing";

    // Held before its entry at 5:42 with 5:30 expected: 12 minutes behind the clock.
    game.clock.Set(5, 42, 0);
    SetStates(kTwArriving, 0, 2);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48)->text, "+12");
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, true), 12);
    // Standing (state 1) it counts the drawn delay only.
    SetStates(kTwArriving, 0, 1);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48), nullptr);
    // More than 240 minutes behind is another day's time.
    game.clock.Set(9, 31, 0);
    SetStates(kTwArriving, 0, 2);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48), nullptr);
    game.clock.Set(9, 30, 0);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48)->text, "+240");
}

TEST_F(BoardsOnTestowo, ATrainStandingAtItsEntryCountsTheTimeItWaitsThere)
{
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 530);
    game.clock.Set(5, 35, 0);
    SetStates(kTwArriving, 0, 1);
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, true), 0);
    EXPECT_FALSE(IsTrainAtEntry(game, "3311"));
    PutVehicles(game, kStcEastEntry, 0, {{kTwEu07, kTwArriving}, {kTwCarB, kTwArriving}});
    EXPECT_TRUE(IsTrainAtEntry(game, "3311"));
    EXPECT_FALSE(IsTrainAtEntry(game, ""));
    EXPECT_FALSE(IsTrainAtEntry(game, "8201"));
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, true), 5);
    EXPECT_EQ(CellAt(Arrival(kTwArriving), 48)->text, "+5");
    gEntryTiles.clear();  // before a game's entries are collected nothing stands there
    EXPECT_FALSE(IsTrainAtEntry(game, "3311"));
}

TEST_F(BoardsOnTestowo, DeparturesListStandingAndComingTrainsWithTheirExits)
{
    const BoardRow standing = Departure(kTwUnitTrain);
    EXPECT_EQ(standing.colour, kBoardStandingColour);
    EXPECT_EQ(CellsText(standing), "178:P2 10:II 26:5:10 90:OS 118:8101 160:3");
    EXPECT_EQ(standing.relationColumn, 10);
    EXPECT_EQ(standing.relation, "Testowo - Malinowo");
    EXPECT_EQ(CellsText(Departure(kTwArriving)), "0:# 10:II 26:5:45 90:POS 118:3311 160:1");

    struct Case {
        int32_t trainState;
        int32_t colour;  ///< -1: not listed
    };
    for (const Case c : {Case{0, kBoardColour}, Case{2, kBoardColour}, Case{4, kBoardColour},
                         Case{3, kBoardWaitingColour}, Case{-1, -1}}) {
        SCOPED_TRACE(c.trainState);
        SetStates(kTwArriving, 0, c.trainState);
        ExpectListedIn(DepartureBoardRow(game, PositionOf(game, kTwArriving, kDepartureMode)), c.colour);
    }
    SetStates(kTwArriving, 7, 0);
    EXPECT_FALSE(DepartureBoardRow(game, PositionOf(game, kTwArriving, kDepartureMode)).has_value());
    // Not at the station and in neither role: no "#".
    SetStates(kTwArriving, 2, 0);
    EXPECT_EQ(CellAt(Departure(kTwArriving), 0), nullptr);
}

TEST_F(BoardsOnTestowo, ADueDepartureTurnsRedAndCountsTheMinutesPastItsTime)
{
    game.timetable.ExpectedTime(kTwUnitTrain, kRawRow, kDepartureSide, 510);
    game.clock.Set(5, 16, 0);
    const BoardRow row = Departure(kTwUnitTrain);  // the board's read makes it due
    EXPECT_EQ(row.colour, kBoardWaitingColour);
    EXPECT_EQ(game.timetable.TrainState(kTwUnitTrain, kRawRow), 3);
    ASSERT_NE(CellAt(row, 60), nullptr);
    EXPECT_EQ(CellAt(row, 60)->text, "+6");
    EXPECT_EQ(EntryDelayMinutes(game, kTwUnitTrain, false), 6);
}

TEST_F(BoardsOnTestowo, TheDepotSectionShowsReadyAndPreparingLocomotives)
{
    EXPECT_TRUE(DepotBoardRows(game).empty()) << "parked locomotives are not listed";
    game.clock.Step(1);  // as a game runs: Testowo prepares a locomotive in 280 s, ready in 5 minutes
    ASSERT_EQ(game.depot.Param(kDepotParamPreparationSteps, -1), 280);
    ASSERT_EQ(game.depot.Release(kTwLocoSu45, 45), kDepotOk);
    std::vector<BoardRow> rows = DepotBoardRows(game);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(CellsText(rows[0]), "2:L 15:5:05 90:SU45");
    EXPECT_EQ(rows[0].colour, kBoardDepotColour);
    EXPECT_EQ(rows[0].relation, "Lokomotywownia");
    EXPECT_EQ(rows[0].relationColumn, 15);

    game.depot.SetExitFree(0);  // it stays ready in the shed
    for (int32_t i = 0; i < 280; ++i) game.depot.Tick();
    rows = DepotBoardRows(game);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(CellsText(rows[0]), "2:L 15:gotowa 90:SU45");
}

// Relations measured at 10 pixels per line of up to 20 characters.
int32_t TenPerLine(const std::string& text, int32_t) { return 10 * static_cast<int32_t>((text.size() + 19) / 20); }

TEST_F(BoardsOnTestowo, RowsFillThePaneUntilOneDoesNotFitAndLongRelationsPushTheRestDown)
{
    const double s = 1.0;  // a line of 13, a gap of 4 and the relation's lines of 10
    EXPECT_EQ(BoardFirstRowY(s), 19);
    BoardPlan plan = PlanBoardList(game, true, true, BoardFirstRowY(s), 1000, s, TenPerLine);
    ASSERT_EQ(plan.rows.size(), 10u) << "every train of Testowo";
    EXPECT_FALSE(plan.full);
    EXPECT_EQ(plan.rows[1].y, 19 + 13 + 10 + 4);

    // Room for three rows and a part: the fourth does not fit and ends the board.
    plan = PlanBoardList(game, true, true, 19, 19 + 3 * 27 + 20, s, TenPerLine);
    EXPECT_EQ(plan.rows.size(), 3u);
    EXPECT_TRUE(plan.full);

    // A relation of three lines pushes the rows after it down.
    const RelationHeight longSecond = [](const std::string& text, int32_t) {
        return text == "Jeżynowo - Testowo" ? 30 : 10;
    };
    plan = PlanBoardList(game, true, true, 19, 1000, s, longSecond);
    ASSERT_GE(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[0].relationHeight, 10);
    EXPECT_EQ(plan.rows[1].y, 19 + 27);
    EXPECT_EQ(plan.rows[1].relationHeight, 30);
    EXPECT_EQ(plan.rows[2].y, 19 + 27 + 13 + 30 + 4);

    EXPECT_TRUE(PlanBoardList(game, false, true, 19, 1000, s, TenPerLine).rows.empty()) << "no game";
}

TEST_F(BoardsOnTestowo, ADepotSectionThatIsCutEndsTheBoard)
{
    ASSERT_EQ(game.depot.Release(kTwLocoSu45, 45), kDepotOk);
    BoardPlan depot = PlanDepotSection(game, true, 19, 1000, 1.0, TenPerLine);
    ASSERT_EQ(depot.rows.size(), 1u);
    EXPECT_EQ(depot.y, 19 + 27);
    depot = PlanDepotSection(game, true, 19, 19 + 20, 1.0, TenPerLine);
    EXPECT_TRUE(depot.rows.empty());
    EXPECT_TRUE(depot.full);
    // A light-engine row, without a relation, would still fit there; nothing
    // more is listed once the board is full.
    EXPECT_FALSE(PlaceBoardRow(depot, BoardRow(), 1000, 1.0, TenPerLine));
}

TEST(BoardsOnTarninowo, ALinkedTrainIsListedOnceUnderlinedThroughItsHead)
{
    const NotifyHooks old = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
    FixedRandom draws(100);
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable((GameFolder() + "/Stacje/Tarninowo/Tarninowo.roz").c_str()), kNewGameStarted);
    int32_t heads = 0, members = 0;
    for (int32_t i = 0; i < game.TrainCount(); ++i) {
        const int32_t link = game.DepartureLink(i, kDepartureMode);
        if (link == 0 || game.RowState(i, kDepartureMode) == kStateLightEngine) continue;
        const std::optional<BoardRow> row = DepartureBoardRow(game, i);
        if (link % 10 == 1) {
            ++heads;
            ASSERT_TRUE(row.has_value()) << "position " << i;
            EXPECT_EQ(row->font, BoardFont::kUnderline);
        } else {
            ++members;
            EXPECT_FALSE(row.has_value()) << "position " << i;
        }
    }
    EXPECT_GE(heads, 1);
    EXPECT_GE(members, 1);
    SetNotifyHooks(old);
}

}  // namespace
