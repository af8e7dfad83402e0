// Which text files make the station remarks, and how they are joined.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "station_files.h"
#include "ui/station_remarks.h"

namespace {

using Names = std::vector<std::string>;

TEST(StationRemarks, OwnRemarksThenOtherTextsButOtherTimetables)
{
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Dzien.roz", "3,\n");
    WriteFileIn(folder, "Dzien.txt", "Rano ruch podmiejski.");
    WriteFileIn(folder, "Noc.roz", "3,\n");
    WriteFileIn(folder, "Noc.txt", "W nocy towarowe.");
    WriteFileIn(folder, "Inne.txt", "Nastawnia wschodnia.");
    EXPECT_EQ(RemarkFileNames(folder + "Dzien.roz", "Testowo.stc", true), (Names{"Dzien.txt", "Inne.txt"}));
    EXPECT_EQ(StationDescription(folder + "Dzien.roz", "Testowo.stc", true),
              "=== Dzien.txt ===\r\nRano ruch podmiejski.\r\n\r\n=== Inne.txt ===\r\nNastawnia wschodnia.");

    // A loaded game takes only what belongs to its station.
    EXPECT_EQ(StationDescription(folder + "Testowo.roz", "Testowo.stc", false), "");
    WriteFileIn(folder, "Testowo.txt", "Stacja testowa.");
    EXPECT_EQ(StationDescription(folder + "Testowo.roz", "Testowo.stc", false), "Stacja testowa.");
}

TEST(StationRemarks, TimetableAndStationRemarksOnceEachIgnoringCase)
{
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Lato.roz", "3,\n");
    WriteFileIn(folder, "Lato.txt", "Rozklad letni.");
    WriteFileIn(folder, "Testowo.txt", "Stacja testowa.");
    EXPECT_EQ(RemarkFileNames(folder + "Lato.roz", "Testowo.stc", false), (Names{"Lato.txt", "Testowo.txt"}));
    // Where names differ only in case (one file on Windows), one is read.
    WriteFileIn(folder, "TESTOWO.txt", "Stacja testowa.");
    EXPECT_EQ(RemarkFileNames(folder + "Testowo.roz", "TESTOWO.stc", true), (Names{"Testowo.txt"}));
    EXPECT_EQ(StationDescription(folder + "Testowo.roz", "TESTOWO.stc", true), "Stacja testowa.");
}

TEST(StationRemarks, EmptyFilesFoldersAndOtherNamesAreSkipped)
{
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Testowo.txt", "");
    std::filesystem::create_directory(folder + "Stare.txt");
    WriteFileIn(folder, "Plan.TXT", "Plan torow.");
    WriteFileIn(folder, "Opis.txt.bak", "kopia");
    WriteFileIn(folder, ".txt", "bez nazwy");
    EXPECT_EQ(RemarkFileNames(folder + "Testowo.roz", "Testowo.stc", true), (Names{"Plan.TXT"}));
    EXPECT_EQ(StationDescription(folder + "Testowo.roz", "Testowo.stc", true), "Plan torow.");
    EXPECT_EQ(StationDescription(folder + "Brak.roz", "Brak.stc", false), "");
}

TEST(StationRemarks, ABareTimetableNameLooksInTheCurrentFolder)
{
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Testowo.txt", "Stacja testowa.");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const std::string description = StationDescription("Testowo.roz", "Testowo.stc", true);
    std::filesystem::current_path(before);
    EXPECT_EQ(description, "Stacja testowa.");
}

TEST(StationRemarks, AFileIsReadUpToItsBound)
{
    const std::string folder = TestFolder();
    const std::string big = WriteFileIn(folder, "Duzy.txt", std::string(kMaxRemarksFileBytes + 10, 'a'));
    EXPECT_EQ(ReadFileToString(big).size(), kMaxRemarksFileBytes);
    EXPECT_EQ(ReadFileToString(folder + "brak.txt"), "");
    EXPECT_EQ(ReadFileToString(WriteFileIn(folder, "bin.txt", std::string("a\0\r\nb", 5))), std::string("a\0\r\nb", 5));

    EXPECT_TRUE(ContainsNoCase({"Jeden.txt", "DWA.TXT"}, "dwa.txt"));
    EXPECT_FALSE(ContainsNoCase({"Jeden.txt"}, "Jeden.tx"));
    EXPECT_FALSE(ContainsNoCase({}, ""));
}

}  // namespace
