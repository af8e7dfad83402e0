#include <gtest/gtest.h>

#include "ui/crash_log.h"
#include "ui/startup.h"

namespace {

TEST(CommandLine, OnlyTheProgramNameStartsNoGame)
{
    EXPECT_EQ(TimetableArgument(L""), L"");
    EXPECT_EQ(TimetableArgument(L"semarion.exe"), L"");
    EXPECT_EQ(TimetableArgument(L"\"C:\\Program Files\\Semarion\\semarion.exe\""), L"");
    EXPECT_EQ(TimetableArgument(L"\"C:\\Program Files\\Semarion\\semarion.exe\"   \t "), L"");
    EXPECT_EQ(TimetableArgument(L"semarion.exe \"\""), L"");
}

TEST(CommandLine, TheRestIsTrimmedAndUnquotedOnce)
{
    EXPECT_EQ(TimetableArgument(L"\"C:\\Gry\\semarion.exe\" \"C:\\Stacje\\Nowa Wieś\\dzień.roz\""),
              L"C:\\Stacje\\Nowa Wieś\\dzień.roz");
    EXPECT_EQ(TimetableArgument(L"semarion.exe   C:\\a.roz \t"), L"C:\\a.roz");
    EXPECT_EQ(TimetableArgument(L"semarion.exe C:\\Moje stacje\\a b.roz"), L"C:\\Moje stacje\\a b.roz");
    EXPECT_EQ(TimetableArgument(L"semarion.exe \"\"a.roz\"\""), L"\"a.roz\"");
    EXPECT_EQ(TimetableArgument(L"semarion.exe \"a.roz"), L"\"a.roz");
    EXPECT_EQ(TimetableArgument(L"semarion.exe x"), L"x");
}

TEST(CommandLine, AnUnclosedQuoteEndsTheNameAtTheFirstBlank)
{
    EXPECT_EQ(TimetableArgument(L"\"C:\\Program Files\\semarion.exe a.roz"), L"Files\\semarion.exe a.roz");
}

TEST(GameFolder, ProgramFolderWithStationsElseItsParent)
{
    EXPECT_EQ(FolderOfPath("C:\\Gry\\Semarion\\semarion.exe"), "C:\\Gry\\Semarion");
    EXPECT_EQ(FolderOfPath("semarion.exe"), "semarion.exe");
    EXPECT_EQ(ChooseGameFolder("C:\\Gry\\Semarion", true), "C:\\Gry\\Semarion");
    EXPECT_EQ(ChooseGameFolder("C:\\Gry\\Semarion\\bin", false), "C:\\Gry\\Semarion\\bin\\..");
}

TEST(CrashLog, LineFormats)
{
    EXPECT_EQ(CrashHeaderLine(0xC0000005u, 0x140001758ull),
              "Exception code: 0xC0000005 at address 0000000140001758\n");
    EXPECT_EQ(CrashFrameLine(0, 0x7b013d7eull, "RaiseException", 0x46, nullptr, 0),
              "  #0 000000007B013D7E RaiseException+0x46\n");
    EXPECT_EQ(CrashFrameLine(12, 0x1400017e2ull, "MainWndProc", 0x83, "main_window.cpp", 42),
              "  #12 00000001400017E2 MainWndProc+0x83  [main_window.cpp:42]\n");
    EXPECT_EQ(CrashFrameLine(31, 0x10ull, nullptr, 0, nullptr, 0), "  #31 0000000000000010 <no symbol>\n");
    // Without a source line the module and the offset in it follow.
    EXPECT_EQ(CrashFrameLine(3, 0x1400017e2ull, nullptr, 0, nullptr, 0, "semarion.exe", 0x17e2),
              "  #3 00000001400017E2 <no symbol> in semarion.exe+0x17e2\n");
    EXPECT_EQ(CrashFrameLine(4, 0x1400017e2ull, "MainWndProc", 0x83, nullptr, 0, "semarion.exe", 0x17e2),
              "  #4 00000001400017E2 MainWndProc+0x83 in semarion.exe+0x17e2\n");
    EXPECT_EQ(CrashFrameLine(5, 0x1400017e2ull, "MainWndProc", 0x83, "main_window.cpp", 42, "semarion.exe", 0x17e2),
              "  #5 00000001400017E2 MainWndProc+0x83  [main_window.cpp:42]\n");
}

}  // namespace
