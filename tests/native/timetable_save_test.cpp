// The timetable block of the saved game: what it writes, that it reads back
// every value, and that a damaged block is refused with the timetable kept.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/random.h"
#include "model/timetable.h"
#include "roz_files.h"
#include "timetable_access.h"

namespace {

using Access = TimetableTestAccess;

// What the game part of a saved game writes before the block, by default
// with CR LF line ends, as a saved game written on Windows has them.
std::string SaveHead(int version, const std::string& lineEnd = "\r\n")
{
    return std::to_string(version) + "," + lineEnd + "Stacja.stc" + lineEnd + "1 2 3" + lineEnd + "4,5," + lineEnd;
}

// A file's text with CR LF pairs made line feeds, as a text-mode read sees
// it: the block is written in text mode.
std::string TextOf(const std::string& path)
{
    std::string text = ReadFileText(path);
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    return text;
}

struct SavedGame {
    std::string path;  ///< the saved game
    long position;     ///< where its timetable block begins
};

SavedGame Save(const Timetable& t, const std::string& name, const std::string& head = SaveHead(7))
{
    const std::string path = WriteTempFile(name, head);
    EXPECT_EQ(t.AppendToSave(path.c_str()), kSaveOk);
    return {path, static_cast<long>(head.size())};
}

Timetable LoadFixture(const std::string& name)
{
    Timetable t;
    PictureNameTable pictures{};
    EXPECT_GE(t.LoadRoz(TimetableFixture(name).c_str(), pictures), 0);
    return t;
}

// A day at Wrzosogród played through: drawn times, a drawn unit type, an
// override, light engines, trains under way, the rollover to the next day
// and rows with each of the marks.
Timetable PlayedDay()
{
    Timetable t = LoadFixture("wrzosogrod_day.roz");
    SeedRandom(20240611);
    for (int32_t now = 0; now < 2400; now += now % 100 == 59 ? 41 : 1) t.Update(now);
    t.SetTypeOverride(0, 2, 1);
    t.TrainState(3, kRawRow, 1);
    t.TrainState(5, kRawRow, 2);
    EXPECT_EQ(t.AddOrRemoveRow(1, 3, 501), kRowChanged);
    EXPECT_EQ(t.AddOrRemoveRow(20, 4, 560), kRowChanged);
    t.RollOverMidnight();
    t.Update(30);
    EXPECT_EQ(t.AddOrRemoveRow(2, 5, 501), kRowChanged);
    t.BuildIndex(kArrivalMode);  // as the next update would
    t.BuildIndex(kDepartureMode);
    Access::Field(t, 7, kRowCarried) = INT32_MIN;
    Access::Field(t, 8, kRowCarried) = INT32_MAX;
    t.SetTestGame(true);
    Access::SetMarks(t, 9, Access::kTakenUpWithoutClass);
    Access::SetMarks(t, 10, Access::kHeavyWithoutDeparture);
    Access::SetMarks(t, 11, Access::kArrivalYesterday);
    Access::SetMarks(t, 12, Access::kArrivedBeforeMidnight);
    Access::SetMarks(t, 13, Access::kTakenUpWithoutClass | Access::kHeavyWithoutDeparture |
                                Access::kArrivalYesterday | Access::kArrivedBeforeMidnight);
    return t;
}

void ClearMarks(Timetable& t)
{
    for (int32_t row = 0; row < t.TrainCount(); ++row) Access::SetMarks(t, row, 0);
}

TEST(TimetableSave, APlayedDayReadsBackFieldByField)
{
    Timetable day = PlayedDay();
    // The day holds what the block must carry unchanged.
    ASSERT_EQ(day.TrainCount(), 56);
    EXPECT_EQ(Access::Marks(day, 0), Access::kArrivalYesterday);  // from the rollover
    EXPECT_EQ(Access::Field(day, 53, kRowExpectedDeparture), kLightEngineDeparture);
    EXPECT_LT(Access::Field(day, 0, kRowArrival), 0);  // yesterday's
    EXPECT_GT(Access::Field(day, 0, kRowExpectedArrival), 0);
    EXPECT_EQ(Access::Field(day, 15, kRowArrival), 15);                // tomorrow's train, today
    EXPECT_NE(Access::Field(day, 15, kRowExpectedArrival), kNotDrawn);
    EXPECT_NE(Access::Unit(day, 0, kUnitOverrideType), 0);

    const SavedGame saved = Save(day, "played.sav");
    Timetable loaded;
    loaded.VehicleTypeCount(day.VehicleTypeCount());  // as the game part sets it
    ASSERT_EQ(loaded.LoadFromSave(saved.position, saved.path.c_str()), kSaveOk);
    EXPECT_EQ(Access::Difference(day, loaded), "");

    // Written again, the block is the same to the byte.
    const SavedGame again = Save(loaded, "played_again.sav");
    EXPECT_EQ(ReadFileText(again.path), ReadFileText(saved.path));

    Access::Field(loaded, 55, kRowCarried) = 1;  // the comparison sees a single field
    EXPECT_EQ(Access::Difference(day, loaded), "row[55][25]: 0 != 1");

    // Before version 7, and in a block that ends at its test-game flag, the
    // rows come back unmarked.
    const std::string older = SaveHead(6, "\n");
    const std::string block = TextOf(saved.path).substr(SaveHead(7, "\n").size());
    const std::string flagged = block.substr(0, block.rfind("\n\n") + 3);
    ASSERT_EQ(flagged.back(), '1');
    ClearMarks(day);
    for (const std::string& text : {older + block, SaveHead(7, "\n") + flagged}) {
        const std::string path = WriteTempFile("unmarked.sav", text);
        ASSERT_EQ(loaded.LoadFromSave(static_cast<long>(older.size()), path.c_str()), kSaveOk);
        EXPECT_EQ(Access::Difference(day, loaded), "");
    }
}

TEST(TimetableSave, AnEmptyTimetableWritesEveryCountAsZero)
{
    const Timetable empty;
    const SavedGame saved = Save(empty, "empty.sav", "6,\nPusty.stc\n");
    const std::string block = TextOf(saved.path).substr(static_cast<size_t>(saved.position));
    EXPECT_EQ(block.substr(0, 32), "0,\n0,\n0,\n0,\n\n\n0,\n\n0,0,\n0,\n\n\n4 TW");
    EXPECT_EQ(block.substr(block.size() - 7), "\n\n0\n0,\n");

    Timetable loaded = LoadFixture("malinowo.roz");
    loaded.VehicleTypeCount(0);
    ASSERT_EQ(loaded.LoadFromSave(saved.position, saved.path.c_str()), kSaveOk);
    EXPECT_EQ(loaded.TrainCount(), 0);
    EXPECT_FALSE(loaded.HasCompositions());
    EXPECT_EQ(loaded.UnitNameText(0).Get(), nullptr);
    EXPECT_EQ(loaded.CountTwoUnitRows(kArrivalMode, 0), 0);
    EXPECT_EQ(loaded.Update(1200), 0);

    Timetable fresh;
    ASSERT_EQ(fresh.LoadFromSave(saved.position, saved.path.c_str()), kSaveOk);
    EXPECT_EQ(Access::Difference(empty, fresh), "");
}

TEST(TimetableSave, CategoriesAndCompositionsInTheirWrittenForm)
{
    Timetable t = LoadFixture("malinowo.roz");
    const std::string block = TextOf(Save(t, "forms.sav").path);
    EXPECT_NE(block.find("\n4,3,0,\n3,\n"), std::string::npos);  // the composition, then the place names
    EXPECT_NE(block.find(std::string("\n3 EC\0 E\n", 9)), std::string::npos);
    EXPECT_NE(block.find(std::string("\n0 SKM S\n", 9)), std::string::npos);
    EXPECT_NE(block.find(std::string("\n2 ABC A\n", 9)), std::string::npos);  // number 9, from the file
    EXPECT_NE(block.find(std::string("\n-1 \0\0\0 \0\n", 10)), std::string::npos);

    // A composition of 30 numbers has no 0 and no line end.
    for (int32_t i = 0; i < kCompositionLength; ++i) Access::Composition(t, 0, i) = 1;
    const SavedGame saved = Save(t, "full_composition.sav");
    EXPECT_NE(TextOf(saved.path).find("1,1,1,1,3,\n"), std::string::npos);
    Timetable loaded;
    loaded.VehicleTypeCount(t.VehicleTypeCount());
    ASSERT_EQ(loaded.LoadFromSave(saved.position, saved.path.c_str()), kSaveOk);
    EXPECT_EQ(Access::Difference(t, loaded), "");
}

TEST(TimetableSave, AVersionTwoBlockEndsBeforeTheCategories)
{
    Timetable day = PlayedDay();
    const SavedGame saved = Save(day, "version2.sav", SaveHead(2, "\n"));
    const std::string text = TextOf(saved.path);
    const size_t categories = text.find(std::string("\n4 TW\0 T\n", 9));
    ASSERT_NE(categories, std::string::npos);
    WriteTempFile("version2.sav", text.substr(0, categories + 1));

    Timetable loaded;
    loaded.VehicleTypeCount(day.VehicleTypeCount());
    loaded.SetTestGame(true);
    Access::Category(loaded, 9) = {kClassFreight, "QQ", "Q"};
    ASSERT_EQ(loaded.LoadFromSave(saved.position, saved.path.c_str()), kSaveOk);
    EXPECT_FALSE(loaded.IsTestGame());
    EXPECT_EQ(loaded.CategoryClass(9), kClassFreight);  // the table stays as it was
    EXPECT_EQ(loaded.TrainCount(), day.TrainCount());
    EXPECT_EQ(loaded.CategoryClass(30), kClassUndefined);
}

// A timetable that has been through a refused load is the same as before.
class DamagedBlock : public testing::Test {
protected:
    void SetUp() override
    {
        ready = LoadFixture("malinowo.roz");
        ready.VehicleTypeCount(10);
        reference = LoadFixture("malinowo.roz");
        reference.VehicleTypeCount(10);
        day = PlayedDay();
        const SavedGame saved = Save(day, "damaged.sav", SaveHead(7, "\n"));
        text = TextOf(saved.path);
        position = saved.position;
        flag = text.rfind("\n\n") + 2;
    }

    // Loads text as a saved game and expects the result; the timetable must
    // then hold what it held before.
    void ExpectRefused(const std::string& damaged, long at, int32_t result = kSaveBlockDamaged)
    {
        const std::string path = WriteTempFile("damaged.sav", damaged);
        EXPECT_EQ(ready.LoadFromSave(at, path.c_str()), result);
        EXPECT_EQ(Access::Difference(reference, ready), "");
    }

    std::string Replaced(const std::string& what, const std::string& with) const
    {
        const size_t at = text.find(what, static_cast<size_t>(position));
        EXPECT_NE(at, std::string::npos) << what;
        return at == std::string::npos ? text : text.substr(0, at) + with + text.substr(at + what.size());
    }

    Timetable ready;      ///< loads the damaged blocks
    Timetable reference;  ///< what ready holds
    Timetable day;        ///< the saved timetable
    std::string text;     ///< the saved game
    long position = 0;    ///< where its block begins
    size_t flag = 0;      ///< where its test-game flag stands, the rows' marks after it
};

TEST_F(DamagedBlock, ABlockCutShortAnywhereIsRefused)
{
    const size_t end = text.size();
    for (size_t cut = static_cast<size_t>(position); cut < end; cut += cut + 400 < end ? 37 : 1) {
        // Cut at the flag's line end, it is a block without marks; a cut of
        // the last comma or line end loses nothing.
        if (cut == flag + 1 || cut == flag + 2 || cut + 2 >= end) continue;
        SCOPED_TRACE(cut);
        ExpectRefused(text.substr(0, cut), position);
        if (HasFailure()) break;
    }
}

TEST_F(DamagedBlock, ValuesBeyondTheirTablesAreRefused)
{
    const std::string rows = std::to_string(day.TrainCount()) + ",\n";
    ExpectRefused(Replaced(rows, "20001,\n"), position);
    ExpectRefused(Replaced(rows, "-1,\n"), position);
    ExpectRefused(Replaced(rows, "2147483648,\n"), position);
    ExpectRefused(Replaced("60,40,", "160,40,"), position);                  // a percent over 100
    ExpectRefused(Replaced("3,3,4,4,5,1,2,0,0,0,", "3,3,4,4,5,1,2,0,0,7,"), position);  // no such kind
    ExpectRefused(Replaced(std::string("E4K") + std::string(17, '\0'), std::string(20, 'X')), position);
    ExpectRefused(Replaced(std::string("\n4 TW\0 T\n", 9), std::string("\n7 TW\0 T\n", 9)), position);
    ExpectRefused(text.substr(0, flag) + "2" + text.substr(flag + 1), position);  // test-game flag
    // The marks: a count past the rows, a row twice or out of order, a row
    // past the last, no marks, marks that do not exist.
    ASSERT_NE(text.find("\n13,15,\n", flag), std::string::npos);
    const std::string head = text.substr(0, flag + 2);
    ExpectRefused(head + "57,\n9,1,\n", position);
    ExpectRefused(head + "2,\n9,1,\n9,1,\n", position);
    ExpectRefused(head + "2,\n10,2,\n9,1,\n", position);
    ExpectRefused(head + "1,\n56,1,\n", position);
    ExpectRefused(head + "1,\n-1,1,\n", position);
    ExpectRefused(head + "1,\n9,0,\n", position);
    ExpectRefused(head + "1,\n9,16,\n", position);
    ExpectRefused(head + "x", position);
}

TEST_F(DamagedBlock, ReferencesToWhatDoesNotExistAreRefused)
{
    auto refusedAfter = [this](auto damage) {
        Timetable damaged = PlayedDay();
        damage(damaged);
        const SavedGame saved = Save(damaged, "references.sav");
        ExpectRefused(ReadFileText(saved.path), saved.position);
    };
    refusedAfter([](Timetable& t) { Access::Field(t, 4, kRowOrigin) = 99; });
    refusedAfter([](Timetable& t) { Access::Field(t, 4, kRowArrivalCategory) = kCategoryCount; });
    refusedAfter([](Timetable& t) { Access::Field(t, 0, kRowArrivalUnits) = 40; });
    refusedAfter([](Timetable& t) { Access::Field(t, 4, kRowArrivalLink) = 9991; });
    refusedAfter([](Timetable& t) { Access::Unit(t, 1, kUnitName) = 99; });
    refusedAfter([](Timetable& t) { Access::Unit(t, 6, kUnitPercentRow) = 3; });
    refusedAfter([](Timetable& t) { Access::Composition(t, 0, 1) = 11; });  // vehicle type 11 of 10
}

TEST_F(DamagedBlock, ABlockThatIsNotThereIsRefused)
{
    ExpectRefused(text, static_cast<long>(text.size()) + 1);
    ExpectRefused(text, -1);
    ExpectRefused(text, 3);  // inside the head
    ExpectRefused("x" + text, position + 1);  // no version first
    ready.VehicleTypeCount(5);  // fewer types than the percent table names
    reference.VehicleTypeCount(5);
    ExpectRefused(text, position);
    EXPECT_EQ(ready.LoadFromSave(position, (testing::TempDir() + "missing.sav").c_str()), kSaveFileError);
    EXPECT_EQ(Access::Difference(reference, ready), "");
}

TEST(TimetableSave, AFailedWriteIsReported)
{
    const Timetable t = LoadFixture("malinowo.roz");
    EXPECT_EQ(t.AppendToSave((testing::TempDir() + "no_such_folder/x.sav").c_str()), kSaveFileError);
#ifndef _WIN32
    if (std::FILE* full = std::fopen("/dev/full", "a")) {
        std::fclose(full);
        EXPECT_EQ(t.AppendToSave("/dev/full"), kSaveFileError);  // every write fails: no room
    }
#endif
}

}  // namespace
