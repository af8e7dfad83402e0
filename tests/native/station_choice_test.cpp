#include <gtest/gtest.h>

#include <filesystem>

#include "native/station_files.h"
#include "sources/station_choice.h"
#include "sources/wide_text.h"

namespace {

std::wstring Wide(const std::string& path)
{
    std::wstring wide;
    EXPECT_TRUE(WideFromUtf8(path, wide));
    return wide;
}

LayoutEntry Layout(const wchar_t* name, const wchar_t* newest, int32_t count)
{
    return LayoutEntry{name, newest, count, 2024, 0};
}

}  // namespace

TEST(StationChoice, SearchIgnoresCaseAndPolishLetters)
{
    EXPECT_EQ(FoldPolishLower(L"ĄĆĘŁŃÓŚŹŻąćęłńóśźż AbC"), L"acelnoszzacelnoszz abc");
    EXPECT_TRUE(StationMatchesFilter(L"Łódź Kaliska", L"lodz"));
    EXPECT_TRUE(StationMatchesFilter(L"Łódź Kaliska", L"ŁÓDŹ"));
    EXPECT_TRUE(StationMatchesFilter(L"Łódź Kaliska", L"dz kal"));
    EXPECT_TRUE(StationMatchesFilter(L"Łódź Kaliska", L""));
    EXPECT_FALSE(StationMatchesFilter(L"Łódź Kaliska", L"lodz fabryczna"));
    EXPECT_FALSE(StationMatchesFilter(L"Łódź Kaliska", L"kaliskaa"));
    EXPECT_TRUE(StationMatchesFilter(L"Żagań", L"zagan"));
}

TEST(StationChoice, LayoutLinesCountTheirTimetablesInPolish)
{
    EXPECT_EQ(LayoutLineText(Layout(L"Tarninowo", L"", 1)), L"Tarninowo  (1 rozkład)");
    EXPECT_EQ(LayoutLineText(Layout(L"Tarninowo", L"", 3)), L"Tarninowo  (3 rozkłady)");
    EXPECT_EQ(LayoutLineText(Layout(L"Tarninowo", L"", 5)), L"Tarninowo  (5 rozkładów)");
    EXPECT_EQ(LayoutLineText(Layout(L"Tarninowo", L"", 22)), L"Tarninowo  (22 rozkładów)");
}

TEST(StationChoice, ChoiceAndInformationFollowTheSelectedLayout)
{
    const wchar_t sep = kPathSeparator;
    const std::wstring a = std::wstring(L"S") + sep + L"Alfa" + sep + L"Alfa-2024.roz";
    const std::wstring b = std::wstring(L"S") + sep + L"Alfa" + sep + L"Alfa-2010.roz";
    StationEntry station{L"Alfa", a, 3, {Layout(L"Nowy", a.c_str(), 1), Layout(L"Stary", b.c_str(), 2)}};
    EXPECT_EQ(ChosenTimetable(station, 1), b);
    EXPECT_EQ(ChosenTimetable(station, 0), a);
    EXPECT_EQ(ChosenTimetable(station, -1), a);
    EXPECT_EQ(ChosenTimetable(station, 2), a);

    EXPECT_EQ(StationInfoText(station, b),
              L"Układ i tabor bierzemy z: Alfa-2010.roz\n(to najnowszy z rozkładów na tym schemacie)"
              L"  \u2014 ta stacja ma kilka schematów, wybierz po prawej");
    station.timetableCount = 1;
    station.layouts.resize(1);
    EXPECT_EQ(StationInfoText(station, a), L"Układ i tabor bierzemy z: Alfa-2024.roz");
}

TEST(StationChoice, ThumbnailStationFileLiesBesideTheTimetable)
{
    const std::string folder = TestFolder();
    const std::wstring wideFolder = Wide(std::filesystem::path(folder).lexically_normal().u8string());
    const auto write = [&](const char* name, const std::string& text) {
        WriteFileIn(folder, name, text);
        return wideFolder + Wide(name);
    };
    EXPECT_EQ(LayoutStationFile(write("a.roz", "3,\nTestowo\r\n")), wideFolder + L"Testowo.stc");
    EXPECT_EQ(LayoutStationFile(write("b.roz", "3,\n\n")), L"");
    EXPECT_EQ(LayoutStationFile(write("c.roz", "3,\n..\\..\\sekret\n")), L"");
    EXPECT_EQ(LayoutStationFile(write("d.roz", "3,\n../sekret\n")), L"");
    EXPECT_EQ(LayoutStationFile(write("e.roz", "3,\nC:sekret\n")), L"");
    EXPECT_EQ(LayoutStationFile(L""), L"");
}

TEST(StationChoice, KeysMoveTheSelectionWithinTheList)
{
    EXPECT_EQ(MovedSelection(0, 10, 25), 10);  // Page Down from the first: the eleventh
    EXPECT_EQ(MovedSelection(2, -10, 25), 0);  // Page Up from the third: the first
    EXPECT_EQ(MovedSelection(-1, 1, 25), 0);   // Down with no selection: the first
    EXPECT_EQ(MovedSelection(-1, -1, 25), 0);
    EXPECT_EQ(MovedSelection(20, 10, 25), 24);
    EXPECT_EQ(MovedSelection(24, 1, 25), 24);
    EXPECT_EQ(MovedSelection(0, 1, 0), -1);
}
