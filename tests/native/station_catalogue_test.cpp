#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "native/station_files.h"
#include "sources/station_catalogue.h"
#include "sources/wide_text.h"

namespace fs = std::filesystem;

namespace {

std::wstring WideOf(const fs::path& path)
{
    std::wstring wide;
    EXPECT_TRUE(WideFromUtf8(path.u8string(), wide));
    return wide;
}

std::wstring Join(std::initializer_list<std::wstring> parts)
{
    std::wstring path;
    for (const std::wstring& part : parts) path += (path.empty() ? L"" : std::wstring(1, kPathSeparator)) + part;
    return path;
}

// A game folder of the test's own, with stations written into its "Stacje".
class StationCatalogueTest : public testing::Test {
protected:
    void SetUp() override { game_ = WideOf(fs::path(TestFolder()).parent_path().lexically_normal()); }

    // Writes a timetable (or any file) under "Stacje" and gives its full path.
    std::wstring Write(std::initializer_list<std::wstring> parts, const std::string& text)
    {
        std::wstring path = Join({game_, L"Stacje"});
        for (const std::wstring& part : parts) path = Join({path, part});
        fs::create_directories(FileSystemPath(path).parent_path());
        std::ofstream(FileSystemPath(path), std::ios::binary) << text;
        return path;
    }

    std::wstring Timetable(std::initializer_list<std::wstring> parts, const std::string& layout)
    {
        return Write(parts, "3,\n" + layout + "\n8,\n1,2,7,0,0,0,\n");
    }

    static void SetTime(const std::wstring& path, fs::file_time_type time) { fs::last_write_time(FileSystemPath(path), time); }

    const StationEntry* Station(const std::wstring& name) const
    {
        for (const StationEntry& station : gStationCatalogue)
            if (station.folderName == name) return &station;
        return nullptr;
    }

    std::wstring game_;  ///< the test's game folder, without a trailing separator
};

}  // namespace

TEST(StationCatalogue, YearFromFileName)
{
    EXPECT_EQ(YearFromFileName(L"Tarninowo-2019-2024.roz"), 2024);
    EXPECT_EQ(YearFromFileName(L"2024 i 2019.roz"), 2024);
    EXPECT_EQ(YearFromFileName(L"Alfa-1850.roz"), 0);  // not a year, and "-18" runs on into a digit
    EXPECT_EQ(YearFromFileName(L"Alfa-1850_07.roz"), 2007);
    EXPECT_EQ(YearFromFileName(L"Alfa-24.roz"), 2024);
    EXPECT_EQ(YearFromFileName(L"Alfa_99.roz"), 1999);
    EXPECT_EQ(YearFromFileName(L"Alfa_50.roz"), 2050);
    EXPECT_EQ(YearFromFileName(L"Alfa_51.roz"), 1951);
    EXPECT_EQ(YearFromFileName(L"Alfa-245.roz"), 0);
    EXPECT_EQ(YearFromFileName(L"Alfa-245_12.roz"), 2012);
    EXPECT_EQ(YearFromFileName(L"Alfa-24"), 2024);  // the name may end after the pair
    EXPECT_EQ(YearFromFileName(L"-24.roz"), 0);     // the sign is looked for from the second character
    EXPECT_EQ(YearFromFileName(L"12019.roz"), 0);   // groups of four from the left: "1201", then "9"
    EXPECT_EQ(YearFromFileName(L"20192.roz"), 2019);
    EXPECT_EQ(YearFromFileName(L"2101-2100.roz"), 2100);
    EXPECT_EQ(YearFromFileName(L""), 0);
}

TEST_F(StationCatalogueTest, LayoutNameIsTheSecondLineWithoutItsEnd)
{
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"a.roz"}, "3,\nŁódź Kaliska \t\r\n8,\n")), L"Łódź Kaliska");
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"b.roz"}, "3,\n  Testowo,\n")), L"  Testowo,");
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"c.roz"}, "3,\n")), L"");
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"d.roz"}, "3,\n\n8,\n")), L"");
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"e.roz"}, "3,\nTest\0owo\n")), L"Test");
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"f.roz"}, "")), L"");
    EXPECT_EQ(ReadTimetableLayoutName(Join({game_, L"brak.roz"})), L"");
    // Lines are read 255 bytes at most, as the C library's line reading does.
    EXPECT_EQ(ReadTimetableLayoutName(Write({L"A", L"g.roz"}, "3,\n" + std::string(300, 'x') + "\n")),
              std::wstring(255, L'x'));
}

TEST_F(StationCatalogueTest, NewestTimetableAndLayoutsOfAStation)
{
    const std::wstring newest = Timetable({L"Alfa", L"Alfa-2019-2024.roz"}, "AlfaStara");
    Timetable({L"Alfa", L"Alfa_99.roz"}, "AlfaNowa");
    Timetable({L"Alfa", L"stare", L"Alfa-1850.roz"}, "AlfaNowa");
    const std::wstring newestOfNowa = Timetable({L"Alfa", L"stare", L"2010", L"Alfa_2010.roz"}, "AlfaNowa\r");
    Write({L"Alfa", L"Rano-DZIS.roz"}, "3,\n");  // counts, but names no layout
    Timetable({L"Alfa", L"Alfa-dzis.roz"}, "AlfaDzis");
    Timetable({L"Alfa", L"Alfa-losowy.roz"}, "AlfaLosowa");
    Timetable({L"Alfa", L"Alfa.roz.txt"}, "AlfaTekst");

    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    const StationEntry& alfa = gStationCatalogue[0];
    EXPECT_EQ(alfa.folderName, L"Alfa");
    EXPECT_EQ(alfa.timetableCount, 5);
    EXPECT_EQ(alfa.newestTimetable, newest);
    ASSERT_EQ(alfa.layouts.size(), 2u);
    // The layout of the newest timetable leads although it has fewer.
    EXPECT_EQ(alfa.layouts[0].layoutName, L"AlfaStara");
    EXPECT_EQ(alfa.layouts[0].timetableCount, 1);
    EXPECT_EQ(alfa.layouts[0].newestYear, 2024);
    EXPECT_EQ(alfa.layouts[1].layoutName, L"AlfaNowa");
    EXPECT_EQ(alfa.layouts[1].timetableCount, 3);
    EXPECT_EQ(alfa.layouts[1].newestTimetable, newestOfNowa);
    EXPECT_EQ(alfa.layouts[1].newestYear, 2010);
}

TEST_F(StationCatalogueTest, LayoutsAfterTheNewestGoByCountThenName)
{
    Timetable({L"Eps", L"E-2001.roz"}, "B");
    Timetable({L"Eps", L"E-2002.roz"}, "B");
    Timetable({L"Eps", L"E-2003.roz"}, "A");
    Timetable({L"Eps", L"E-2004.roz"}, "A");
    Timetable({L"Eps", L"E-2005.roz"}, "C");
    Timetable({L"Eps", L"E-2024.roz"}, "Z");
    Timetable({L"Eps", L"E-2000.roz"}, "a");  // ordinal: capitals first

    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    std::vector<std::wstring> order;
    for (const LayoutEntry& layout : gStationCatalogue[0].layouts) order.push_back(layout.layoutName);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"Z", L"A", L"B", L"C", L"a"}));
}

TEST_F(StationCatalogueTest, TiesOfYearGoToTheLaterFileThenTheFirstFound)
{
    const std::wstring first = Timetable({L"Delta", L"d1.roz"}, "Delta");
    const std::wstring second = Timetable({L"Delta", L"d2.roz"}, "Delta");
    const fs::file_time_type base = fs::last_write_time(FileSystemPath(first));
    SetTime(second, base);
    std::vector<std::wstring> listed;
    CollectTimetableFiles(Join({game_, L"Stacje", L"Delta"}), listed, 2);
    ASSERT_EQ(listed.size(), 2u);

    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].newestTimetable, listed[0]);
    EXPECT_EQ(gStationCatalogue[0].layouts.at(0).newestTimetable, listed[0]);

    SetTime(listed[1], base + std::chrono::seconds(10));
    BuildStationCatalogue(game_);
    EXPECT_EQ(gStationCatalogue[0].newestTimetable, listed[1]);
    EXPECT_EQ(gStationCatalogue[0].layouts.at(0).newestTimetable, listed[1]);
    EXPECT_EQ(gStationCatalogue[0].layouts.at(0).timetableCount, 2);
}

TEST_F(StationCatalogueTest, TimetablesAreFoundTwoFoldersBelowTheStation)
{
    Timetable({L"Beta", L"Beta.ROZ"}, "Beta");
    const std::wstring deep = Timetable({L"Beta", L"a", L"b", L"deep.roz"}, "Beta");
    Timetable({L"Beta", L"a", L"b", L"c", L"too-deep.roz"}, "Beta");
    Timetable({L"Beta", L"x.roz", L"in.roz"}, "Beta");  // a folder, searched, not taken
    Timetable({L"Beta", L".roz"}, "Beta");              // four characters: too short
    Write({L"Gamma", L"opis.txt"}, "nic");
    Timetable({L"loose.roz"}, "Luzem");
    fs::create_directories(FileSystemPath(Join({game_, L"Stacje", L"Pusta"})));

    std::vector<std::wstring> found;
    CollectTimetableFiles(Join({game_, L"Stacje", L"Beta"}), found, 2);
    EXPECT_EQ(found.size(), 3u);
    EXPECT_NE(std::find(found.begin(), found.end(), deep), found.end());

    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].folderName, L"Beta");
    EXPECT_EQ(gStationCatalogue[0].timetableCount, 3);
    ASSERT_EQ(gStationCatalogue[0].layouts.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].layouts[0].timetableCount, 3);
}

TEST_F(StationCatalogueTest, NoStationsFolderEmptiesTheCatalogue)
{
    Timetable({L"Alfa", L"Alfa.roz"}, "Alfa");
    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    BuildStationCatalogue(Join({game_, L"brak"}));
    EXPECT_TRUE(gStationCatalogue.empty());
}

TEST_F(StationCatalogueTest, PolishStationNamesAndStrangeFilesAreSafe)
{
    const std::wstring lodz = Timetable({L"Łódź Kaliska", L"Łódź Kaliska.roz"}, "Łódź Kaliska");
#ifndef _WIN32
    // Names that are not UTF-8, and a pipe that would never end a read.
    std::ofstream(FileSystemPath(game_).string() + "/Stacje/\xff\xfe-2024.roz") << "3,\nZly\n";
    std::ofstream(FileSystemPath(game_).string() + "/Stacje/\xc5\x81\xc3\xb3\x64\xc5\xba Kaliska/\xff.roz") << "3,\nZly\n";
    ASSERT_EQ(mkfifo((FileSystemPath(game_).string() + "/Stacje/\xc5\x81\xc3\xb3\x64\xc5\xba Kaliska/rura.roz").c_str(), 0600), 0);
#endif
    BuildStationCatalogue(game_);
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].folderName, L"Łódź Kaliska");
    EXPECT_EQ(gStationCatalogue[0].timetableCount, 1);
    EXPECT_EQ(gStationCatalogue[0].newestTimetable, lodz);
    ASSERT_EQ(gStationCatalogue[0].layouts.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].layouts[0].layoutName, L"Łódź Kaliska");
}

TEST(StationCatalogue, SampleGameHoldsTestowoAndTarninowo)
{
    BuildStationCatalogue(WideOf(fs::path(GameFolder()).lexically_normal()));
    ASSERT_EQ(gStationCatalogue.size(), 2u);
    for (const StationEntry& station : gStationCatalogue) {
        SCOPED_TRACE(Utf8FromWide(station.folderName));
        EXPECT_EQ(station.timetableCount, 1);
        ASSERT_EQ(station.layouts.size(), 1u);
        EXPECT_EQ(station.layouts[0].layoutName, station.folderName);
        EXPECT_EQ(station.newestTimetable, station.layouts[0].newestTimetable);
        EXPECT_EQ(WideOf(FileSystemPath(station.newestTimetable).filename()), station.folderName + L".roz");
    }
}
