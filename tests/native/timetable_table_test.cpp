// The timetable window's table on the sample stations: which positions it
// lists in which colour and font, the texts of each column, the limit of
// rows, two-unit lines, its height and scale, scrolling and the title.
#include <gtest/gtest.h>

#include <string>

#include "simulation/notify.h"
#include "testowo_game.h"
#include "timetable_access.h"
#include "ui/boards.h"
#include "ui/h_scroll.h"
#include "ui/timetable_table.h"

namespace {

// "x:text" of every cell, blank-separated.
std::string CellsText(const TimetableLine& line)
{
    std::string text;
    for (const TimetableCell& cell : line.cells) text += (text.empty() ? "" : " ") + std::to_string(cell.x) + ":" + cell.text;
    return text;
}

const TimetableCell* CellAt(const TimetableLine& line, int32_t x)
{
    for (const TimetableCell& cell : line.cells)
        if (cell.x == x) return &cell;
    return nullptr;
}

int32_t PositionOf(Game& game, int32_t row, int32_t mode)
{
    for (int32_t i = 0; i < game.TrainCount(); ++i)
        if (game.IndexRow(i, mode) == row) return i;
    return -1;
}

// The line of a timetable row, found by its number cell; null when not listed.
const TimetableLine* LineOf(Game& game, const TimetablePlan& plan, int32_t row, int32_t mode)
{
    const int32_t side = mode == kArrivalMode ? kArrivalSide : kDepartureSide;
    const std::string number = game.TrainNumberText(row, kRawRow, side).Text();
    for (const TimetableLine& line : plan.lines) {
        const TimetableCell* cell = CellAt(line, 160);
        if (cell && cell->text == number) return &line;
    }
    return nullptr;
}

class TimetableOnTestowo : public RunningTestowoGame {
protected:
    void SetStates(int32_t row, int32_t rowState, int32_t trainState)
    {
        game.timetable.RowState(row, kRawRow, rowState);
        game.timetable.TrainState(row, kRawRow, trainState);
    }
    std::optional<int32_t> Colour(int32_t row, int32_t mode)
    {
        return TimetableLineColour(game, mode, PositionOf(game, row, mode));
    }
    TimetableLine Line(int32_t row, int32_t mode)
    {
        const TimetablePlan plan = PlanTimetable(game, mode, 0);
        const TimetableLine* line = LineOf(game, plan, row, mode);
        EXPECT_NE(line, nullptr) << "row " << row;
        return line ? *line : TimetableLine();
    }
};

TEST_F(TimetableOnTestowo, LinesShowTheTrainsTextsInTheirColumns)
{
    // Coming in: entry, times, platform, kind, number, name, relation, where
    // it goes on, and its locomotive; no delay before the times are drawn.
    const TimetableLine arriving = Line(kTwArriving, kArrivalMode);
    EXPECT_EQ(CellsText(arriving), "1:2 20:5:30 103:II 124:POS 160:3311 212:Borówka 352:Malinowo 490:Testowo "
                                   "632:5:45 672:1 690:SU45");
    EXPECT_EQ(arriving.colour, kBoardColour);
    EXPECT_FALSE(arriving.italic);
    EXPECT_EQ(CellAt(arriving, 690)->colour, kTimetableLocoColour);
    const TimetableLine leaving = Line(kTwArriving, kDepartureMode);
    EXPECT_EQ(CellsText(leaving), "1:1 22:5:45 102:II 124:POS 160:3311 212:Borówka 352:Testowo 490:Jeżynowo 632:SU45");
    // Standing: where it stands, in blue.
    const TimetableLine standing = Line(kTwUnitTrain, kDepartureMode);
    EXPECT_EQ(CellsText(standing), "1:3 22:5:10 102:II 124:OS 160:8101 352:Testowo 490:Malinowo 632:EN57 "
                                   "728:P2  peron 2, tor 2");
    EXPECT_EQ(standing.colour, kBoardStandingColour);
    EXPECT_EQ(CellAt(standing, 728)->colour, kTimetablePlaceColour);
    EXPECT_EQ(CellAt(standing, 160)->colour, kBoardStandingColour);
}

TEST_F(TimetableOnTestowo, LinesFollowOneAnotherTwentyUnitsApartBelowTheHeader)
{
    const TimetablePlan plan = PlanTimetable(game, kArrivalMode, 0);
    ASSERT_EQ(plan.lines.size(), 10u) << "every train of Testowo";
    for (size_t k = 0; k < plan.lines.size(); ++k) EXPECT_EQ(plan.lines[k].y, 20 * static_cast<int32_t>(k + 1) + 5);
    EXPECT_EQ(plan.heightUnits, (10 + 1) * 20);
    EXPECT_EQ(TimetableColumns(kArrivalMode).size(), 12u);
    EXPECT_EQ(TimetableColumns(kDepartureMode).size(), 10u);
    EXPECT_EQ(TimetableColumns(kDepartureMode).back().ruleX, 0) << "no rule after \"Stoi\"";
}

TEST_F(TimetableOnTestowo, TheDelayShowsZeroOnlyOnceTheExpectedTimesAreDrawn)
{
    auto delay = [&] {
        const TimetableLine line = Line(kTwArriving, kArrivalMode);
        const TimetableCell* cell = CellAt(line, 62);
        return cell ? cell->text : std::string("(none)");
    };
    ASSERT_FALSE(game.HasExpectedArrival(kTwArriving));
    EXPECT_EQ(delay(), "(none)");
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 530);
    EXPECT_EQ(delay(), "0");
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 537);
    EXPECT_EQ(delay(), "+7");
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 527);
    EXPECT_EQ(delay(), "-3");
}

TEST_F(TimetableOnTestowo, ColoursAndFontsFollowTheStatesAndTheVehicles)
{
    struct Case {
        int32_t mode, rowState, trainState;
        int32_t colour;  ///< -1: not listed
    };
    const Case cases[] = {
        {kArrivalMode, 0, 0, kBoardColour},           {kArrivalMode, 0, 1, kBoardStandingColour},
        {kArrivalMode, 0, 3, kBoardStandingColour},   {kArrivalMode, 0, 2, kBoardWaitingColour},
        {kArrivalMode, 0, 4, kBoardAdmittedColour},   {kArrivalMode, 0, -1, -1},
        {kArrivalMode, 1, -1, kBoardColour},          {kArrivalMode, 6, 2, kBoardColour},
        {kArrivalMode, 7, 0, kBoardColour},           {kArrivalMode, 3, 4, kBoardAdmittedColour},
        {kDepartureMode, 0, 1, kBoardStandingColour}, {kDepartureMode, 0, 0, kBoardColour},
        {kDepartureMode, 0, 2, kBoardColour},         {kDepartureMode, 0, 4, kBoardColour},
        {kDepartureMode, 0, 3, kBoardWaitingColour},  {kDepartureMode, 0, -1, -1},
        {kDepartureMode, 7, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + ":" + std::to_string(c.rowState) + "/" + std::to_string(c.trainState));
        SetStates(kTwArriving, c.rowState, c.trainState);
        const std::optional<int32_t> colour = Colour(kTwArriving, c.mode);
        EXPECT_EQ(colour.has_value(), c.colour >= 0);
        if (colour) {
            EXPECT_EQ(*colour, c.colour);
        }
    }
    SetStates(kTwArriving, 5, 0);
    EXPECT_TRUE(Line(kTwArriving, kArrivalMode).italic);

    // A damaged car of the standing train turns its line dark red.
    SceneSlot(game, kStcPlatform1, 1).Operational(0);
    EXPECT_EQ(Line(kTwCarOfEu07, kDepartureMode).colour, kBoardNotOkColour);
}

TEST_F(TimetableOnTestowo, ALightEngineIsLeftOutOfTheDeparturesAndShownWithoutRelationInTheArrivals)
{
    SetStates(kTwArriving, kStateLightEngine, 0);
    const TimetablePlan departures = PlanTimetable(game, kDepartureMode, 0);
    EXPECT_EQ(LineOf(game, departures, kTwArriving, kDepartureMode), nullptr);
    EXPECT_EQ(departures.lines.size(), 9u);
    EXPECT_EQ(departures.heightUnits, (10 + 1 - 1) * 20) << "its line is not counted";
    const TimetableLine arriving = Line(kTwArriving, kArrivalMode);
    for (int32_t x : {352, 490, 632, 672}) EXPECT_EQ(CellAt(arriving, x), nullptr) << x;
    EXPECT_NE(CellAt(arriving, 160), nullptr);
}

TEST_F(TimetableOnTestowo, ADueDepartureIsMadeDueAndRedWhenTheTableReadsIt)
{
    game.timetable.ExpectedTime(kTwUnitTrain, kRawRow, kDepartureSide, 510);
    game.clock.Set(5, 16, 0);
    EXPECT_EQ(Line(kTwUnitTrain, kDepartureMode).colour, kBoardWaitingColour);
    EXPECT_EQ(game.timetable.TrainState(kTwUnitTrain, kRawRow), 3);
}

class TimetableOnTarninowo : public testing::Test {
protected:
    void SetUp() override
    {
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        FixedRandom draws(100);
        ASSERT_EQ(game.NewGameFromTimetable((GameFolder() + "/Stacje/Tarninowo/Tarninowo.roz").c_str()),
                  kNewGameStarted);
    }
    void TearDown() override { SetNotifyHooks(oldHooks_); }

    Game game;
    NotifyHooks oldHooks_{};
};

TEST_F(TimetableOnTarninowo, TheSettingLimitsTheRowsToTheFirstPositionsOfTheIndex)
{
    ASSERT_EQ(game.TrainCount(), 104);
    const TimetablePlan all = PlanTimetable(game, kArrivalMode, 0);
    EXPECT_GT(all.lines.size(), 90u);
    for (int32_t first : {104, 105, 500, -3}) {
        SCOPED_TRACE(first);
        EXPECT_EQ(TimetableRowsShown(game, first), 104);
        EXPECT_EQ(PlanTimetable(game, kArrivalMode, first).lines.size(), all.lines.size());
    }
    const TimetablePlan ten = PlanTimetable(game, kArrivalMode, 10);
    EXPECT_LE(ten.lines.size(), 10u);
    EXPECT_EQ(ten.heightUnits, (10 + 1 + game.CountTwoUnitRows(kArrivalMode, 10)) * 20);
    for (size_t k = 0; k < ten.lines.size(); ++k) EXPECT_EQ(CellsText(ten.lines[k]), CellsText(all.lines[k]));
    // Departures: the light engines are neither listed nor counted.
    int32_t lightEngines = 0;
    for (int32_t i = 0; i < 104; ++i) lightEngines += game.RowState(i, kDepartureMode) == kStateLightEngine;
    EXPECT_EQ(lightEngines, 3);
    ASSERT_EQ(game.CountTwoUnitRows(kArrivalMode, 0), 0) << "Tarninowo has no two-unit trains";
    EXPECT_EQ(all.heightUnits, (104 + 1) * 20);
    EXPECT_EQ(PlanTimetable(game, kDepartureMode, 0).heightUnits, (104 + 1 - lightEngines) * 20);
}

TEST_F(TimetableOnTarninowo, AnEngineChangeIsGreenAndTwoUnitsTakeTwoLinesPushingTheRestDown)
{
    game.AllowShedTransfers(1);
    int32_t changes = 0;
    for (const TimetableLine& line : PlanTimetable(game, kDepartureMode, 0).lines) {
        const TimetableCell* loco = CellAt(line, 632);
        if (loco && loco->colour == kTimetableLocoChangeColour) ++changes;
    }
    EXPECT_GE(changes, 6) << "the engine changes of the day";

    // The first arrival that shows its locomotive comes in with two units of the day.
    const TimetablePlan before = PlanTimetable(game, kArrivalMode, 0);
    size_t k = 0;
    while (k < before.lines.size() && !CellAt(before.lines[k], 690)) ++k;
    ASSERT_LT(k + 1, before.lines.size());
    int32_t row = 0;
    while (row < 104 && game.TrainNumberText(row, kRawRow, kArrivalSide).Text() != CellAt(before.lines[k], 160)->text)
        ++row;
    TimetableTestAccess::Field(game.timetable, row, kRowArrivalUnits) = -(0 * 1000 + 1);
    const TimetablePlan after = PlanTimetable(game, kArrivalMode, 0);
    EXPECT_EQ(after.heightUnits, before.heightUnits + 20);
    const TimetableLine& first = after.lines[k];
    const TimetableCell* loco = CellAt(first, 690);
    const TimetableCell* unit = CellAt(first, 730);
    ASSERT_NE(loco, nullptr);
    ASSERT_NE(unit, nullptr);
    EXPECT_TRUE(loco->twoLines);
    EXPECT_TRUE(unit->twoLines);
    EXPECT_NE(loco->text.find('|'), std::string::npos) << loco->text;
    EXPECT_EQ(first.y, before.lines[k].y);
    EXPECT_EQ(after.lines[k + 1].y, before.lines[k + 1].y + 20) << "the next line moves down by one";
    EXPECT_EQ(after.lines.back().y, before.lines.back().y + 20);
}

TEST(TimetableTable, TwoLineTextsSplitAtTheFirstBar)
{
    EXPECT_EQ(SplitTwoLineText("EU07|ET22"), std::make_pair(std::string("EU07"), std::string("ET22")));
    EXPECT_EQ(SplitTwoLineText("|ET22"), std::make_pair(std::string(), std::string("ET22")));
    EXPECT_EQ(SplitTwoLineText("a|b|c"), std::make_pair(std::string("a"), std::string("b|c")));
    EXPECT_EQ(SplitTwoLineText("SU45"), std::make_pair(std::string("SU45"), std::string()));
}

TEST(TimetableTable, TheScaleFollowsTheWidthWithinItsLimits)
{
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(450), 0.7);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(630), 0.7);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(900), 1.0);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(1350), 1.5);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(2700), 3.0);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(5000), 3.0);
    EXPECT_DOUBLE_EQ(TimetableScaleForWidth(0), 0.7);
}

TEST(TimetableTable, TheViewReachesTheLastLineAtAnyWidthAndNoFurther)
{
    const int32_t units = 106 * 20;  // 104 trains, the header and one two-unit line
    for (int32_t width : {300, 450, 900, 1333, 2700, 4000}) {
        SCOPED_TRACE(width);
        const TimetableView view = FitTimetableView(width, 400, units, 1 << 30, 1 << 30);
        EXPECT_EQ(view.tableHeight, static_cast<int32_t>(units * view.scale));
        EXPECT_EQ(view.vPos + 400, view.tableHeight) << "the bottom of the table at the bottom of the pane";
        EXPECT_EQ(view.hPos, std::max(0, view.tableWidth - width));
    }
    const TimetableView small = FitTimetableView(900, 5000, units, 30, 30);
    EXPECT_EQ(small.vPos, 0) << "a table shorter than the pane does not scroll";
    EXPECT_EQ(small.hPos, 0);
    EXPECT_EQ(FitTimetableView(450, 400, units, 100, 200).vPos, 200) << "a position inside the range stays";
}

TEST(TimetableTable, ScrollActionsMoveByLinesPagesAndTheThumbButNotAboveZero)
{
    EXPECT_EQ(ToolPaneScrollTarget(kScrollLineRight, 100, kTimetableHLine, 0), 165);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollLineLeft, 100, kTimetableVLine, 0), 80);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollPageRight, 100, kTimetableVLine, 0), 300);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollPageLeft, 100, kTimetableVLine, 0), 0);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollThumbTrack, 100, kTimetableVLine, 421), 421);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollThumbPosition, 100, kTimetableVLine, 17), 17);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollLineLeft, 5, kTimetableHLine, 0), 0);
    EXPECT_EQ(ToolPaneScrollTarget(kScrollEnd, 100, kTimetableVLine, 0), 100) << "other codes change nothing";
    EXPECT_EQ(ToolPaneScrollTarget(kScrollLeft, 100, kTimetableVLine, 0), 100);
}

TEST(TimetableTable, TheTitleNamesTheModeAndTheAgeOfTheDelays)
{
    EXPECT_EQ(TimetableWindowTitle(kArrivalMode, -1), "Przyjazdy");
    EXPECT_EQ(TimetableWindowTitle(kDepartureMode, -1), "Odjazdy");
    EXPECT_EQ(TimetableWindowTitle(kArrivalMode, 0), "Przyjazdy - opóźnienia sprzed 0 min");
    EXPECT_EQ(TimetableWindowTitle(kDepartureMode, 12), "Odjazdy - opóźnienia sprzed 12 min");
}

}  // namespace
