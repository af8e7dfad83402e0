// Reading timetable files: the variants that read, and damaged files, which
// are refused whole and leave the timetable read before untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/timetable.h"
#include "roz_files.h"

namespace {

// The files of tests/fixtures/timetables that read; every other one is damaged.
const std::set<std::string> kReadableFiles = {
    "wrzosogrod_day.roz", "wrzosogrod_day_crlf.roz", "malinowo.roz",     "negative_count.roz",
    "version1.roz",       "version2.roz",            "zero_rows.roz",    "self_linked_head.roz",
    "trailing_text.roz",  // what follows the last table is not read
    "drawn_units.roz",
};

int32_t Load(Timetable& t, const std::string& name)
{
    PictureNameTable pictures{};
    return t.LoadRoz(TimetableFixture(name).c_str(), pictures);
}

using Replacement = std::pair<std::string, std::string>;

// malinowo.roz with pieces of text replaced, written to the temporary folder.
std::string MalinowoWith(const std::vector<Replacement>& replacements)
{
    std::string text = ReadFileText(TimetableFixture("malinowo.roz"));
    for (const Replacement& r : replacements) {
        const size_t at = text.find(r.first);
        EXPECT_NE(at, std::string::npos) << r.first;
        if (at != std::string::npos) text.replace(at, r.first.size(), r.second);
    }
    return WriteTempFile("malinowo_variant.roz", text);
}

// The rows of malinowo.roz up to their links.
const std::string kRow0 = "0,600,501,1,0,605,560,2,0,101,101,";
const std::string kRow1 = "0,610,560,2,0,612,501,1,0,102,102,";
const std::string kRow2 = "0,620,501,1,3,625,560,2,0,103,103,";

TEST(TimetableReader, CrlfLineEndsReadAsLineFeeds)
{
    Timetable lf, crlf;
    PictureNameTable lfPictures{}, crlfPictures{};
    ASSERT_EQ(lf.LoadRoz(TimetableFixture("wrzosogrod_day.roz").c_str(), lfPictures), 500);
    ASSERT_EQ(crlf.LoadRoz(TimetableFixture("wrzosogrod_day_crlf.roz").c_str(), crlfPictures), 500);
    EXPECT_EQ(lfPictures, crlfPictures);
    ASSERT_EQ(lf.TrainCount(), crlf.TrainCount());
    for (int32_t r = 0; r < lf.TrainCount(); ++r) {
        for (int32_t mode : {kRawRow, kArrivalMode, kDepartureMode}) {
            EXPECT_EQ(lf.IndexRow(r, mode, false), crlf.IndexRow(r, mode, false));
            EXPECT_STREQ(lf.OriginText(r, mode).Text(), crlf.OriginText(r, mode).Text());
            EXPECT_STREQ(lf.DestinationText(r, mode).Text(), crlf.DestinationText(r, mode).Text());
            EXPECT_STREQ(lf.TrainNameText(r, mode, 1).Text(), crlf.TrainNameText(r, mode, 1).Text());
            EXPECT_STREQ(lf.CategoryCode(r, mode), crlf.CategoryCode(r, mode));
            EXPECT_EQ(lf.LocoType(r, mode), crlf.LocoType(r, mode));
            EXPECT_EQ(lf.UnitNameRef(r, mode, 1), crlf.UnitNameRef(r, mode, 1));
        }
        EXPECT_EQ(lf.ExpectedTime(r, kRawRow, 1), crlf.ExpectedTime(r, kRawRow, 1));
        EXPECT_EQ(lf.StartSubTrack(r), crlf.StartSubTrack(r));
    }
    for (int32_t type = 1; type <= lf.VehicleTypeCount(); ++type) {
        EXPECT_STREQ(lf.VehicleTypeName(type), crlf.VehicleTypeName(type));
        EXPECT_EQ(lf.VehicleTypeKind(type), crlf.VehicleTypeKind(type));
    }
    for (int32_t name = 0; name < 10; ++name)
        EXPECT_STREQ(lf.UnitNameText(name).Text(), crlf.UnitNameText(name).Text());
}

TEST(TimetableReader, NegativeRowCountSetsTheFlagAndAPositiveOneClearsIt)
{
    Timetable t;
    EXPECT_EQ(Load(t, "negative_count.roz"), 600);
    EXPECT_EQ(t.TrainCount(), 3);
    EXPECT_TRUE(t.CountWasNegative());
    EXPECT_EQ(Load(t, "malinowo.roz"), 600);
    EXPECT_EQ(t.TrainCount(), 3);
    EXPECT_FALSE(t.CountWasNegative());
}

TEST(TimetableReader, OlderVersionsLeaveTheCategoryTableAsItWas)
{
    Timetable t;
    EXPECT_EQ(Load(t, "version2.roz"), 600);
    EXPECT_EQ(t.CategoryClass(9), kClassUndefined);
    EXPECT_EQ(Load(t, "malinowo.roz"), 600);
    EXPECT_EQ(t.CategoryClass(9), kClassFast);
    EXPECT_STREQ(t.CategoryCode(0, kRawRow), "OS");

    for (const char* older : {"version2.roz", "version1.roz"}) {
        EXPECT_EQ(Load(t, older), 600) << older;
        EXPECT_EQ(t.TrainCount(), 3);
        EXPECT_EQ(t.CategoryClass(9), kClassFast) << older;
        EXPECT_EQ(t.ScheduledTime(2, kRawRow, 1), 625);
        EXPECT_STREQ(t.TrainNameText(1, kRawRow, kArrivalSide).Text(), "Malina");
    }
}

TEST(TimetableReader, EmptyTimetable)
{
    Timetable t;
    PictureNameTable pictures{};
    pictures[3][0] = 'x';
    EXPECT_EQ(t.LoadRoz(TimetableFixture("zero_rows.roz").c_str(), pictures), 1200);
    EXPECT_EQ(pictures[3][0], 0);  // the table is refilled whole
    EXPECT_EQ(t.TrainCount(), 0);
    EXPECT_EQ(t.VehicleTypeCount(), 0);
    EXPECT_FALSE(t.HasCompositions());
    EXPECT_EQ(t.CountTwoUnitRows(kArrivalMode, 0), 0);
    t.BuildIndex(kArrivalMode);
    EXPECT_EQ(t.IndexRow(0, kArrivalMode, false), 0);
    EXPECT_STREQ(t.OriginText(0, kArrivalMode).Text(), "Pusty Przystanek");
    EXPECT_EQ(t.LocoType(0, kDepartureMode), 0);
    EXPECT_FALSE(t.TrainNumberText(0, kDepartureMode, 1));
}

TEST(TimetableReader, SelfLinkedRowIsAListOfOne)
{
    Timetable t;
    EXPECT_EQ(Load(t, "self_linked_head.roz"), 600);
    EXPECT_EQ(t.ArrivalLink(1, kRawRow), 11);
    t.ExpectedTime(1, kRawRow, kArrivalSide, 615);
    t.BuildIndex(kArrivalMode);
    const int32_t at = t.IndexRow(1, kArrivalMode, false) == 1 ? 1 : 2;
    ASSERT_EQ(t.IndexRow(at, kArrivalMode, false), 1);
    EXPECT_EQ(t.TrainState(at, kArrivalMode, 4), 4);
    EXPECT_EQ(t.TrainState(0, kRawRow), 0);
    EXPECT_EQ(t.TrainState(2, kRawRow), 0);
}

TEST(TimetableReader, UnitsEnterTheirRows)
{
    Timetable t;
    PictureNameTable pictures{};
    // A second unit on a row whose first unit is unit 0 replaces it.
    ASSERT_EQ(t.LoadRoz(MalinowoWith({{"2,1,1,1,1,", "2,1,0,0,1,"}}).c_str(), pictures), 600);
    EXPECT_EQ(t.LocoType(0, kRawRow), 2);
    EXPECT_EQ(t.CountTwoUnitRows(kArrivalMode, 0), 0);

    // A unit with a negative type works both sides of both its rows.
    ASSERT_EQ(t.LoadRoz(MalinowoWith({{"2,1,1,1,1,", "-2,1,1,2,0,"}}).c_str(), pictures), 600);
    EXPECT_EQ(t.UnitFieldAbs(1, kUnitType), 2);
    for (int32_t row : {1, 2}) {
        EXPECT_EQ(t.BaseLocoType(row, kRawRow, kArrivalSide), 2) << row;
        EXPECT_EQ(t.BaseLocoType(row, kRawRow, 1), 2) << row;
    }
    // A row type from the file is stored times 1000.
    ASSERT_EQ(t.LoadRoz(TimetableFixture("malinowo.roz").c_str(), pictures), 600);
    EXPECT_EQ(t.LocoType(2, kRawRow), 3);
    EXPECT_EQ(t.LocoType(1, kRawRow), 2);
    EXPECT_STREQ(pictures[3].data(), "wagon");
}

TEST(TimetableReader, LinkRepairFillsOnlyMembersWithoutUnits)
{
    // Arrival list 1 -> 2 -> 0 -> 1 headed by row 1 (unit 1, type 2).
    const std::string path = MalinowoWith({{kRow0 + "0,0,", kRow0 + "13,0,"},
                                            {kRow1 + "0,0,", kRow1 + "21,0,"},
                                            {kRow2 + "0,0,", kRow2 + "2,0,"}});
    Timetable t;
    PictureNameTable pictures{};
    ASSERT_EQ(t.LoadRoz(path.c_str(), pictures), 600);
    EXPECT_EQ(t.ArrivalLink(0, kRawRow), 13);
    EXPECT_EQ(t.BaseLocoType(0, kRawRow, kArrivalSide), 2);  // took the head's unit
    EXPECT_EQ(t.UnitNameRef(0, kRawRow, kArrivalSide), 1);
    EXPECT_EQ(t.BaseLocoType(2, kRawRow, kArrivalSide), 3);  // kept its own type
}

TEST(TimetableReader, MissingFileIsMinusOneAndChangesNothing)
{
    Timetable t;
    PictureNameTable pictures{};
    ASSERT_EQ(t.LoadRoz(TimetableFixture("malinowo.roz").c_str(), pictures), 600);
    EXPECT_EQ(t.LoadRoz(TimetableFixture("no_such_file.roz").c_str(), pictures), kRozCannotOpen);
    EXPECT_EQ(t.TrainCount(), 3);
    EXPECT_STREQ(pictures[1].data(), "e4k");
}

TEST(TimetableReader, TrainLinkedToItselfIsRefused)
{
    Timetable t;
    EXPECT_EQ(Load(t, "linked_to_itself.roz"), kRozDamaged);
    EXPECT_EQ(t.TrainCount(), 0);
    EXPECT_EQ(t.CategoryClass(9), kClassUndefined);
}

// Every damaged file is refused, and the day read before stays whole.
TEST(TimetableReader, DamagedFilesAreRefusedWhole)
{
    Timetable t;
    PictureNameTable pictures{};
    ASSERT_EQ(t.LoadRoz(TimetableFixture("wrzosogrod_day.roz").c_str(), pictures), 500);
    const PictureNameTable dayPictures = pictures;
    const int32_t firstArrival = t.IndexRow(0, kArrivalMode, false);

    int damaged = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TimetableFixture(""))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".roz" || kReadableFiles.count(name)) continue;
        ++damaged;
        SCOPED_TRACE(name);
        EXPECT_EQ(t.LoadRoz(entry.path().string().c_str(), pictures), kRozDamaged);
        EXPECT_EQ(t.TrainCount(), 53);
        EXPECT_FALSE(t.CountWasNegative());
        EXPECT_EQ(t.VehicleTypeCount(), 10);
        EXPECT_STREQ(t.VehicleTypeName(1), "E4K");
        EXPECT_EQ(t.CategoryClass(9), kClassFast);
        EXPECT_STREQ(t.CategoryCode(12, kRawRow), "ABC");
        EXPECT_EQ(t.CategoryClass(30), kClassSuburban);
        EXPECT_STREQ(t.UnitNameText(0).Text(), "E4K-101");
        EXPECT_STREQ(t.OriginText(0, kRawRow).Text(), "Jodłów Zdrój");
        EXPECT_EQ(t.LocoType(1, kRawRow), -2001);
        EXPECT_EQ(t.IndexRow(0, kArrivalMode, false), firstArrival);
        EXPECT_TRUE(pictures == dayPictures);
    }
    EXPECT_GE(damaged, 30);
}

}  // namespace
