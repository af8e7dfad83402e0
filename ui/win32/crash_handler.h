// The crash log: "crash.log" in the current folder with the exception and a
// symbolised stack trace, then the end of the process.
#pragma once

#include <windows.h>

// Writes "crash.log"; returns EXCEPTION_EXECUTE_HANDLER. The process filter.
LONG WINAPI CrashHandler(EXCEPTION_POINTERS* info);

// Installs CrashHandler as the process's unhandled-exception filter, and a
// guard for the calling (user-interface) thread that catches a fault in any
// window procedure, logs it and ends the process with the exception code.
//
// MinGW has no __try, and Windows and Wine both swallow exceptions that leave
// a window procedure called back from the system (WM_CREATE, messages sent
// from another thread), so the filter alone would miss them. The guard is a
// vectored handler: it sees every exception first and acts only on system
// error codes (severity error, not customer-defined) raised on this thread,
// so the C++ exceptions the program throws and catches itself (the clock's
// midnight signal) pass untouched.
void InstallCrashHandlers();
