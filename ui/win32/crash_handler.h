// The crash log: "crash.log" in the current folder with the exception and a
// symbolised stack trace, then the end of the process. Only a fault or an
// exception that nothing handles gets there.
#pragma once

#include <windows.h>

// Writes "crash.log"; returns EXCEPTION_EXECUTE_HANDLER. The process filter.
LONG WINAPI CrashHandler(EXCEPTION_POINTERS* info);

// Installs CrashHandler as the process's unhandled-exception filter: a fault
// or a C++ exception that leaves a thread or the start-up code unhandled; and
// logs a std::terminate the same way before it ends the program. Reserves
// the calling thread's crash stack.
void InstallCrashHandlers();

// A stack overflow leaves its handler only the stack the thread has kept in
// reserve, and the log (the C library's file, the symbol handler) needs far
// more than the system's default: without it the process dies unlogged.
// Every thread the program makes calls this first.
constexpr ULONG kCrashStackBytes = 128 * 1024;
void ReserveCrashStack();

// Calls a window or dialog procedure inside a guard: a fault or a C++
// exception that leaves the procedure (nothing inside it handled it) is
// written to "crash.log" and ends the process with its code. Faults that the
// code raising them handles (IsBadReadPtr, the common dialogs) never reach
// the guard. Both Windows and Wine swallow what leaves a procedure that the
// system calls back (WM_CREATE, sent messages), so the process filter alone
// would miss it: each procedure the program registers carries its own guard.
extern "C" LRESULT CallGuarded(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

template <WNDPROC Procedure>
LRESULT CALLBACK GuardedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallGuarded(Procedure, window, message, wParam, lParam);
}

template <DLGPROC Procedure>
INT_PTR CALLBACK GuardedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallGuarded(reinterpret_cast<WNDPROC>(Procedure), window, message, wParam, lParam);
}
