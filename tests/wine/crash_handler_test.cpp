#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"

namespace {

// The death tests run their statement in a child process; it faults inside a
// window procedure on a posted or a created message, throws out of one,
// faults in a thread or handles its own fault, in the folder these tests then
// read "crash.log" from.
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

// What the window does with WM_USER.
enum class Fault { kDeep, kHandled, kThrow };
Fault gFault;

LRESULT CALLBACK FaultingWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER) {
        try {
            throw 1;  // the program's own signal, caught: no crash
        } catch (int) {
        }
        if (gFault == Fault::kThrow) throw std::runtime_error("nikt tego nie złapie");
        if (gFault == Fault::kHandled) {
            // A fault that the code raising it handles itself.
            void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
            const bool bad = IsBadReadPtr(reserved, 4);
            VirtualFree(reserved, 0, MEM_RELEASE);
            PostQuitMessage(bad ? 7 : 8);
            return 0;
        }
        return FaultDeep(gDepth);
    }
    if (message == WM_CREATE && gDepth < 0) return *gNowhere;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window registered as the program registers its own, WM_USER posted to
// it, the message loop run; a handled fault ends the loop with code 7.
void RunFaultingWindow(int depth, Fault fault = Fault::kDeep)
{
    SetCurrentDirectoryA(CrashFolder().c_str());
    DeleteFileA("crash.log");
    InstallCrashHandlers();
    gDepth = depth;
    gFault = fault;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = GuardedWindowProc<FaultingWndProc>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SemarionFaultingWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    PostMessageA(window, WM_USER, 0, 0);
    ExitProcess(static_cast<UINT>(RunMessageLoop(nullptr)));
}

DWORD WINAPI FaultingThread(void*) { return static_cast<DWORD>(*gNowhere); }

void FaultInAThread()
{
    SetCurrentDirectoryA(CrashFolder().c_str());
    DeleteFileA("crash.log");
    InstallCrashHandlers();
    HANDLE thread = CreateThread(nullptr, 0, FaultingThread, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    ExitProcess(0);  // not reached
}

__attribute__((noinline)) void Throw() { throw std::runtime_error("przez noexcept"); }
void ThrowThrough() noexcept { Throw(); }

void TerminateAtANoexceptBoundary()
{
    SetCurrentDirectoryA(CrashFolder().c_str());
    DeleteFileA("crash.log");
    InstallCrashHandlers();
    ThrowThrough();
    ExitProcess(0);  // not reached
}

const int kAccessViolation = static_cast<int>(0xC0000005u);
const int kCppException = 0x20474343;  // "GCC ": what a C++ throw raises

void ExpectCrashLog(size_t frames, const char* code = "C0000005")
{
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(std::string("Exception code: 0x") + code +
                                                      " at address [0-9A-F]{16}")))
        << lines[0];
    ASSERT_EQ(lines.size(), frames + 1);
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string number = "  #" + std::to_string(i - 1) + " ";
        EXPECT_EQ(lines[i].rfind(number, 0), 0u) << lines[i];
        EXPECT_TRUE(std::regex_match(lines[i].substr(number.size()),
                                     std::regex("[0-9A-F]{16} (<no symbol>|.+\\+0x[0-9a-f]+)(  \\[.*:\\d+\\]| in .+\\+0x[0-9a-f]+)?")))
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
    bool named = false, located = false;
    for (const std::string& line : lines) {
        named |= line.find(" FaultDeep+0x") != std::string::npos;
        located |= line.find(" in semarion_wine_tests.exe+0x") != std::string::npos;
    }
    EXPECT_TRUE(named) << "the faulting function is named";
    EXPECT_TRUE(located) << "a frame without a source line names its module and offset";
}

TEST(CrashHandlerDeathTest, OnlyWhatNobodyHandlesIsLogged)
{
    // A fault handled where it was raised: the program runs on, no log.
    EXPECT_EXIT(RunFaultingWindow(0, Fault::kHandled), ::testing::ExitedWithCode(7), "");
    EXPECT_TRUE(CrashLogLines().empty());

    // A C++ exception that leaves a message handler ends the program.
    EXPECT_EXIT(RunFaultingWindow(0, Fault::kThrow), ::testing::ExitedWithCode(kCppException), "");
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ExpectCrashLog(lines.size() - 1, "20474343");

    // So does a fault in a thread of its own, through the process filter.
    EXPECT_EXIT(FaultInAThread(), ::testing::ExitedWithCode(kAccessViolation), "");
    lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ExpectCrashLog(lines.size() - 1);

    // And an exception that meets a noexcept boundary, which ends in
    // std::terminate with no system exception: logged as abort's exit.
    EXPECT_EXIT(TerminateAtANoexceptBoundary(), ::testing::ExitedWithCode(3), "");
    lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ExpectCrashLog(lines.size() - 1, "40000015");
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
