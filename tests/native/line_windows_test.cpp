// The entries and exits table and the line-section window without windows:
// unpacked codes, the queue of a line on Testowo with arriving, departing and
// light-engine trains, the headings and the minutes the player types.
#include <gtest/gtest.h>

#include "simulation/line_sections.h"
#include "testowo_game.h"
#include "timetable_access.h"
#include "ui/entries_exits.h"
#include "ui/section_queue.h"

namespace {

TEST(EntriesExitsTable, ColumnsUnpackedFromTheCode)
{
    // a line of 15 minutes with a passing loop at 30, line number 4, digit 0
    EntryExitRow line = UnpackEntryExit(1530 * 1000 + 0 * 100 + 4 * 10 + 3);
    EXPECT_EQ(line.kind, 3);
    EXPECT_EQ(line.entryNumber, 4);
    EXPECT_EQ(line.trackTile, 422);
    EXPECT_EQ(line.third, "");
    EXPECT_EQ(line.interval, "15");
    EXPECT_EQ(line.passing, "30");

    EntryExitRow entry = UnpackEntryExit(12 * 1000 + 7 * 100 + 1 * 10 + 1);
    EXPECT_EQ(entry.trackTile, 402);
    EXPECT_EQ(entry.third, "7");
    EXPECT_EQ(entry.interval, "12");
    EXPECT_EQ(entry.passing, "");

    EntryExitRow exit = UnpackEntryExit(0 * 1000 + 0 * 100 + 0 * 10 + 2);
    EXPECT_EQ(exit.trackTile, 412);
    EXPECT_EQ(exit.entryNumber, 0);  // no marker
    EXPECT_EQ(exit.interval, "0");
}

TEST(EntriesExitsTable, PaneHeightHasTheHeaderAndEveryRow)
{
    EXPECT_EQ(EntriesPaneHeight(0), 20);
    EXPECT_EQ(EntriesPaneHeight(5), 120);
}

TEST(WaitingMinutes, TypedNumbersBoundedToADay)
{
    EXPECT_EQ(WaitingMinutes("5"), 5);
    EXPECT_EQ(WaitingMinutes("1440"), 1440);
    EXPECT_EQ(WaitingMinutes("1441"), kMaxWaitingMinutes);
    EXPECT_EQ(WaitingMinutes("4294967297"), kMaxWaitingMinutes);  // would wrap to 1 as unsigned
    EXPECT_EQ(WaitingMinutes("99999999999999999999"), kMaxWaitingMinutes);
    EXPECT_EQ(WaitingMinutes(""), 0);    // the train is let on
    EXPECT_EQ(WaitingMinutes("0"), 0);
    EXPECT_EQ(WaitingMinutes("-5"), 0);  // not a number
    EXPECT_EQ(WaitingMinutes("5a"), 0);
}

TEST(SectionPaneSize, NeverNarrowerThanTheColumns)
{
    QueuePaneSize wide = SectionPaneLogicalSize(1200, 360, 1.5);
    EXPECT_EQ(wide.width, 800);
    EXPECT_EQ(wide.height, 240);
    // a 609-pixel pane at 1.35 would be 451 wide: widened, height in proportion
    QueuePaneSize narrow = SectionPaneLogicalSize(609, 270, 1.35);
    EXPECT_EQ(narrow.width, kQueueContentWidth);
    EXPECT_EQ(narrow.height, 200 * kQueueContentWidth / 451);
    QueuePaneSize empty = SectionPaneLogicalSize(0, 0, 1.0);
    EXPECT_EQ(empty.width, kQueueContentWidth);
    EXPECT_GE(empty.height, 1);
}

class SectionQueue : public TestowoGame {
protected:
    void SetUp() override
    {
        TestowoGame::SetUp();
        for (int32_t p = 0; p < game.PointCount(); ++p)
            if (game.PointKind(p) == kPointLine) line = p;
        ASSERT_GE(line, 0);
        lineTile = game.PointTile(line);
    }
    std::vector<std::string> Texts(const QueueRow& row)
    {
        std::vector<std::string> texts;
        for (const QueueCell& cell : row.cells) texts.push_back(std::to_string(cell.x) + " " + cell.text);
        return texts;
    }

    int32_t line = -1;    ///< Testowo's line with block sections
    TileCode lineTile = 0;
};

TEST_F(SectionQueue, EmptyBlocksAreNumberedWithoutTrains)
{
    const int32_t blocks = game.LineSectionInfo(line, 0);
    ASSERT_GT(blocks, 0);
    std::vector<QueueRow> rows = SectionQueueRows(game, lineTile);
    ASSERT_EQ(static_cast<int32_t>(rows.size()), blocks);
    EXPECT_EQ(rows[0].number, "1. ");
    for (const QueueRow& row : rows) EXPECT_TRUE(row.cells.empty());
    EXPECT_EQ(SectionHeading(game, lineTile, 7), "Odcinek dojazdowy do wjazdu nr: 7");
}

TEST_F(SectionQueue, ArrivingTrainShowsItsRelationAndExpectedTime)
{
    EnterBlock(game, line, 1, kTwPassenger);
    std::vector<QueueRow> rows = SectionQueueRows(game, lineTile);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_TRUE(rows[0].cells.empty());
    const std::string number = game.TrainNumberText(kTwPassenger, kRawRow, kArrivalSide).Text();
    std::vector<std::string> expected = {
        "20 6:10", std::string("70 ") + game.CategoryCode(kTwPassenger, kRawRow), "120 " + number,
        std::string("190 ") + game.OriginText(kTwPassenger, kRawRow).Text(),
        std::string("360 ") + game.DestinationText(kTwPassenger, kRawRow).Text(),
        std::string("520 ") + game.ExpectedTimeText(kTwPassenger, kRawRow, kArrivalSide).Text()};
    EXPECT_EQ(Texts(rows[1]), expected);
}

TEST_F(SectionQueue, LightEngineHasNoRelation)
{
    TimetableTestAccess::Field(game.timetable, kTwPassenger, kRowState) = kStateLightEngine;
    EnterBlock(game, line, 0, kTwPassenger);
    std::vector<std::string> texts = Texts(SectionQueueRows(game, lineTile)[0]);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "20 6:10");
    EXPECT_EQ(texts[3].substr(0, 4), "520 ");
}

TEST_F(SectionQueue, DepartingTrainHoldsTheLine)
{
    LineStateOf(game, line) = kLineDeparting;
    EnterBlock(game, line, 0, kTwFreight);
    std::vector<std::string> texts = Texts(SectionQueueRows(game, lineTile)[0]);
    const std::string number = game.TrainNumberText(kTwFreight, kRawRow, kDepartureSide).Text();
    EXPECT_EQ(texts, (std::vector<std::string>{"20 5:40", "120 " + number}));
    EXPECT_EQ(SectionHeading(game, lineTile, 2), "Odcinek wyjazdowy od wyjazdu nr: 2");
}

TEST_F(SectionQueue, EntryWithoutBlocksAndUnknownTile)
{
    int32_t entry = -1;
    for (int32_t p = 0; p < game.PointCount() && entry < 0; ++p)
        if (game.PointKind(p) == kPointEntry) entry = p;
    ASSERT_GE(entry, 0);
    EXPECT_TRUE(SectionQueueRows(game, game.PointTile(entry)).empty());
    EXPECT_EQ(SectionHeading(game, game.PointTile(entry), 1), "Wjazd/wyjazd nr: 1");
    EXPECT_TRUE(SectionQueueRows(game, 99999).empty());
    EXPECT_EQ(SectionHeading(game, 99999, 9), "Wjazd/wyjazd nr: 9");
}

TEST(SectionQuestion, CutAtTheDialogsBuffer)
{
    EXPECT_EQ(SectionQuestion("12345"), "Pociąg numer 12345 czeka na pozwolenie zajęcia odcinka");
    EXPECT_EQ(SectionQuestion(std::string(300, '9')).size(), 159u);
}

TEST_F(SectionQueue, EveryStationEntryListed)
{
    std::vector<EntryExitRow> rows = EntryExitRows(game);
    ASSERT_EQ(static_cast<int32_t>(rows.size()), game.EntryExitCode(0));
    int32_t lines = 0;
    for (const EntryExitRow& row : rows) lines += row.kind == kPointLine;
    EXPECT_EQ(lines, 1);
}

}  // namespace
