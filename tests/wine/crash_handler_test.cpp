#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"

namespace {

// The death tests run their statement in a child process; it faults inside a
// window procedure on a posted, a sent or a created message, in the folder
// these tests then read "crash.log" from.
std::string CrashFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "semarion_crash_test";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::string> CrashLogLines()
{
    std::ifstream in(CrashFolder() + "\\crash.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

volatile int* volatile gNowhere = nullptr;
int gDepth;

__attribute__((noinline)) int FaultDeep(int depth)
{
    if (depth == 0) return *gNowhere;
    volatile int kept = depth;  // read after the call: each level keeps its frame
    int below = FaultDeep(depth - 1);
    return below + kept;
}

LRESULT CALLBACK FaultingWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER) {
        try {
            throw 1;  // the program's own signal, caught: no crash
        } catch (int) {
        }
        return FaultDeep(gDepth);
    }
    if (message == WM_CREATE && gDepth < 0) return *gNowhere;
    return DefWindowProcA(window, message, wParam, lParam);
}

void RunFaultingWindow(int depth)
{
    SetCurrentDirectoryA(CrashFolder().c_str());
    DeleteFileA("crash.log");
    InstallCrashHandlers();
    gDepth = depth;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FaultingWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SemarionFaultingWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    PostMessageA(window, WM_USER, 0, 0);
    RunMessageLoop(nullptr);
    ExitProcess(0);  // not reached
}

const int kAccessViolation = static_cast<int>(0xC0000005u);

void ExpectCrashLog(size_t frames)
{
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("Exception code: 0xC0000005 at address [0-9A-F]{16}")))
        << lines[0];
    ASSERT_EQ(lines.size(), frames + 1);
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string number = "  #" + std::to_string(i - 1) + " ";
        EXPECT_EQ(lines[i].rfind(number, 0), 0u) << lines[i];
        EXPECT_TRUE(std::regex_match(lines[i].substr(number.size()),
                                     std::regex("[0-9A-F]{16} (<no symbol>|.+\\+0x[0-9a-f]+(  \\[.*:\\d+\\])?)")))
            << lines[i];
    }
}

TEST(CrashHandlerDeathTest, FaultInAWindowProcedureWritesTheLogAndEnds)
{
    EXPECT_EXIT(RunFaultingWindow(0), ::testing::ExitedWithCode(kAccessViolation), "");
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ASSERT_LE(lines.size(), 33u);
    ExpectCrashLog(lines.size() - 1);
    bool named = false;
    for (const std::string& line : lines) named |= line.find(" FaultDeep+0x") != std::string::npos;
    EXPECT_TRUE(named) << "the faulting function is named";
}

TEST(CrashHandlerDeathTest, DeepStackGivesExactlyThirtyTwoFrames)
{
    EXPECT_EXIT(RunFaultingWindow(50), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectCrashLog(32);
}

TEST(CrashHandlerDeathTest, FaultWhileTheWindowIsCreatedIsLoggedToo)
{
    EXPECT_EXIT(RunFaultingWindow(-1), ::testing::ExitedWithCode(kAccessViolation), "");
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ExpectCrashLog(lines.size() - 1);
}

}  // namespace
