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
// window or dialog procedure on a posted or a sent message, throws out of
// one, overflows its stack, faults in a thread or handles its own fault, in
// the folder these tests then read "crash.log" from. Each test names the
// guard that writes its log, and the others are kept out of its way: the
// procedures' tests end the process unlogged when the fault gets past the
// procedure's own guard to the process filter.
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

// This program's file name, as the log names its module.
std::string OwnModule()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    return name.substr(name.find_last_of("\\/") + 1);
}

constexpr UINT kPastTheGuard = 99;  // the exit of a fault the procedure's guard let through

LONG WINAPI EndUnlogged(EXCEPTION_POINTERS*)
{
    TerminateProcess(GetCurrentProcess(), kPastTheGuard);
    return EXCEPTION_EXECUTE_HANDLER;
}

// The program's handlers in a fresh folder, the process filter then taken
// away when only a procedure's guard may log.
void EnterCrashFolder(bool filterToo)
{
    SetCurrentDirectoryA(CrashFolder().c_str());
    DeleteFileA("crash.log");
    InstallCrashHandlers();
    if (!filterToo) SetUnhandledExceptionFilter(EndUnlogged);
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

__attribute__((noinline)) int Overflow(int depth)
{
    volatile char frame[512];
    frame[0] = static_cast<char>(depth);
    if (depth < 0) return 0;  // never: the stack runs out first
    return Overflow(depth + 1) + frame[0];
}

// What the window does with WM_USER.
enum class Fault { kDeep, kHandled, kThrow, kOverflow };
Fault gFault;

LRESULT CALLBACK FaultingWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER) {
        try {
            throw 1;  // the program's own signal, caught: no crash
        } catch (int) {
        }
        if (gFault == Fault::kThrow) throw std::runtime_error("nikt tego nie złapie");
        if (gFault == Fault::kOverflow) return Overflow(0);
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
// it, the message loop run; a handled fault ends the loop with code 7, and a
// fault swallowed on the way (a window that was never made) with 9.
void RunFaultingWindow(int depth, Fault fault = Fault::kDeep)
{
    EnterCrashFolder(false);
    gDepth = depth;
    gFault = fault;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = GuardedWindowProc<FaultingWndProc>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SemarionFaultingWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) ExitProcess(9);
    PostMessageA(window, WM_USER, 0, 0);
    ExitProcess(static_cast<UINT>(RunMessageLoop(nullptr)));
}

// Faults as it is made; a dialog that lives on anyway ends itself at once.
INT_PTR CALLBACK FaultingDlgProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return *gNowhere;
    }
    if (message == WM_COMMAND) EndDialog(dialog, 9);
    return FALSE;
}

void RunFaultingDialog()
{
    EnterCrashFolder(false);
    struct alignas(4) {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } empty = {{WS_POPUP, 0, 0, 0, 0, 50, 20}, 0, 0, 0};
    ExitProcess(static_cast<UINT>(DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &empty.head, nullptr,
                                                          GuardedDialogProc<FaultingDlgProc>, 0)));
}

DWORD WINAPI FaultingThread(void*) { return static_cast<DWORD>(*gNowhere); }

void FaultInAThread()
{
    EnterCrashFolder(true);
    HANDLE thread = CreateThread(nullptr, 0, FaultingThread, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    ExitProcess(0);  // not reached
}

__attribute__((noinline)) void Throw() { throw std::runtime_error("przez noexcept"); }
void ThrowThrough() noexcept { Throw(); }

void TerminateAtANoexceptBoundary()
{
    EnterCrashFolder(true);
    ThrowThrough();
    ExitProcess(0);  // not reached
}

const int kAccessViolation = static_cast<int>(0xC0000005u);
const int kStackOverflow = static_cast<int>(0xC00000FDu);
const int kCppException = 0x20474343;  // "GCC ": what a C++ throw raises

// The header and `frames` frame lines, each with its source line or its
// module and offset: the walk stops before a frame outside every module.
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
        EXPECT_TRUE(std::regex_match(
            lines[i].substr(number.size()),
            std::regex("[0-9A-F]{16} (.+\\+0x[0-9a-f]+  \\[.*:\\d+\\]|(<no symbol>|.+\\+0x[0-9a-f]+) in .+\\+0x[0-9a-f]+)")))
            << lines[i];
    }
}

// A log of 1 to 32 frames, as ExpectCrashLog wants it.
void ExpectSomeFrames(const char* code = "C0000005")
{
    std::vector<std::string> lines = CrashLogLines();
    ASSERT_GE(lines.size(), 2u);
    ASSERT_LE(lines.size(), 33u);
    ExpectCrashLog(lines.size() - 1, code);
}

TEST(CrashHandlerDeathTest, FaultInAWindowProcedureIsLoggedByItsGuard)
{
    EXPECT_EXIT(RunFaultingWindow(0), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectSomeFrames();
    bool named = false, located = false;
    for (const std::string& line : CrashLogLines()) {
        named |= line.find(" FaultDeep+0x") != std::string::npos;
        located |= line.find(" in " + OwnModule() + "+0x") != std::string::npos;
    }
    EXPECT_TRUE(named) << "the faulting function is named";
    EXPECT_TRUE(located) << "a frame without a source line names its module and offset";
}

TEST(CrashHandlerDeathTest, AnExceptionLeavingAWindowProcedureIsLoggedByItsGuard)
{
    // A fault handled where it was raised: the program runs on, no log.
    EXPECT_EXIT(RunFaultingWindow(0, Fault::kHandled), ::testing::ExitedWithCode(7), "");
    EXPECT_TRUE(CrashLogLines().empty());

    // A C++ exception that leaves a message handler ends the program.
    EXPECT_EXIT(RunFaultingWindow(0, Fault::kThrow), ::testing::ExitedWithCode(kCppException), "");
    ExpectSomeFrames("20474343");
}

TEST(CrashHandlerDeathTest, DeepStackGivesExactlyThirtyTwoFrames)
{
    EXPECT_EXIT(RunFaultingWindow(50), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectCrashLog(32);
}

TEST(CrashHandlerDeathTest, FaultWhileTheWindowIsCreatedIsLoggedByItsGuard)
{
    EXPECT_EXIT(RunFaultingWindow(-1), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectSomeFrames();
}

TEST(CrashHandlerDeathTest, FaultWhileADialogIsCreatedIsLoggedByItsGuard)
{
    EXPECT_EXIT(RunFaultingDialog(), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectSomeFrames();
}

// The handler runs on the stack the thread keeps in reserve.
TEST(CrashHandlerDeathTest, StackOverflowIsLoggedFromTheReservedStack)
{
    EXPECT_EXIT(RunFaultingWindow(0, Fault::kOverflow), ::testing::ExitedWithCode(kStackOverflow), "");
    ExpectCrashLog(32, "C00000FD");
}

TEST(CrashHandlerDeathTest, FaultInAThreadIsLoggedByTheProcessFilter)
{
    EXPECT_EXIT(FaultInAThread(), ::testing::ExitedWithCode(kAccessViolation), "");
    ExpectSomeFrames();
}

// An exception that meets a noexcept boundary ends in std::terminate with no
// system exception: logged as abort's exit by the terminate handler.
TEST(CrashHandlerDeathTest, TerminationIsLoggedByTheTerminateHandler)
{
    EXPECT_EXIT(TerminateAtANoexceptBoundary(), ::testing::ExitedWithCode(3), "");
    ExpectSomeFrames("40000015");
}

}  // namespace
