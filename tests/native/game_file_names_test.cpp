// Narrowing game file paths for the 8-bit readers, names from a station
// file and the window title.
#include <gtest/gtest.h>

#include <string>

#include "ui/game_file_names.h"

namespace {

// A platform whose code page holds ASCII only, with short forms for some paths.
std::wstring gEnteredFolder;
bool gFolderEnters = true;
bool gHasShortForm = true;

bool Enter(const std::wstring& folder)
{
    gEnteredFolder = folder;
    return gFolderEnters;
}

bool AsciiOnly(const std::wstring& wide, std::string& ansi)
{
    ansi.clear();
    for (wchar_t c : wide) {
        if (c > 0x7f) return false;
        ansi += static_cast<char>(c);
    }
    return true;
}

bool ShortForm(const std::wstring&, std::wstring& shortPath)
{
    shortPath = L"C:\\GRA\\ROZKLA~1.ROZ";
    return gHasShortForm;
}

const PathNarrowing kPlatform = {Enter, AsciiOnly, ShortForm};

class NarrowPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        gEnteredFolder = L"(none)";
        gFolderEnters = true;
        gHasShortForm = true;
    }
};

TEST_F(NarrowPath, EntersTheFolderAndGivesTheBareName)
{
    EXPECT_EQ(NarrowPathWith(L"C:\\gra\\Stacje\\Testowo\\Testowo.roz", kPlatform), "Testowo.roz");
    EXPECT_EQ(gEnteredFolder, L"C:\\gra\\Stacje\\Testowo\\");
    EXPECT_EQ(NarrowPathWith(L"D:/zapisy/gra.sav", kPlatform), "gra.sav");
    EXPECT_EQ(gEnteredFolder, L"D:/zapisy/");
    // The root keeps its separator: "C:" alone would be the drive's current folder.
    EXPECT_EQ(NarrowPathWith(L"C:\\gra.sav", kPlatform), "gra.sav");
    EXPECT_EQ(gEnteredFolder, L"C:\\");
}

TEST_F(NarrowPath, ABareNameStaysInTheCurrentFolder)
{
    EXPECT_EQ(NarrowPathWith(L"gra.sav", kPlatform), "gra.sav");
    EXPECT_EQ(gEnteredFolder, L"(none)");
    EXPECT_EQ(NarrowPathWith(L"", kPlatform), "");
}

TEST_F(NarrowPath, ANameOutsideTheCodePageGoesByItsShortForm)
{
    EXPECT_EQ(NarrowPathWith(L"C:\\gra\\rozk\u0142ad.roz", kPlatform), "C:\\GRA\\ROZKLA~1.ROZ");
    gHasShortForm = false;  // a volume without short names
    EXPECT_EQ(NarrowPathWith(L"C:\\gra\\rozk\u0142ad.roz", kPlatform), "");
    // A folder that ends the path leaves no name to open.
    EXPECT_EQ(NarrowPathWith(L"C:\\gra\\", kPlatform), "");
}

TEST_F(NarrowPath, AFolderThatCannotBeEnteredOpensNothing)
{
    gFolderEnters = false;
    EXPECT_EQ(NarrowPathWith(L"C:\\nie ma\\gra.sav", kPlatform), "");
}

TEST(GameFileNames, StationBaseNameAndTitle)
{
    EXPECT_EQ(StationBaseName("Testowo.stc"), "Testowo");
    EXPECT_EQ(StationBaseName("ab.stc"), "ab");
    EXPECT_EQ(StationBaseName("abc"), "abc");  // shorter than 4: whole
    EXPECT_EQ(StationBaseName(""), "");

    EXPECT_STREQ(kTitleNoGame, "Semarion Win32 port - Phase 1");
    EXPECT_EQ(GameTitle("Testowo.stc"), "Semarion Win32 port - Phase 2 - Testowo.stc");
    const std::string title = GameTitle(std::string(600, 'x'));
    EXPECT_EQ(title.size(), 511u);
}

}  // namespace
