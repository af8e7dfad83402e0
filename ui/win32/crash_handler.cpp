// Crash log writer and the handlers that call it.
#include "ui/win32/crash_handler.h"

#include <dbghelp.h>

#include <cstdio>

#include "ui/crash_log.h"

namespace {

DWORD gGuardedThread = 0;
volatile LONG gCrashing = 0;

bool IsSystemFault(DWORD code) { return (code & 0xE0000000u) == 0xC0000000u; }

LONG WINAPI GuardUserInterfaceThread(EXCEPTION_POINTERS* info)
{
    DWORD code = info->ExceptionRecord->ExceptionCode;
    if (GetCurrentThreadId() != gGuardedThread || !IsSystemFault(code)) return EXCEPTION_CONTINUE_SEARCH;
    // A fault while the log is being written ends the process at once.
    if (InterlockedExchange(&gCrashing, 1) == 0) CrashHandler(info);
    TerminateProcess(GetCurrentProcess(), code);
    return EXCEPTION_CONTINUE_SEARCH;
}

void WriteFrame(FILE* log, HANDLE process, int index, void* frame)
{
    DWORD64 address = reinterpret_cast<DWORD64>(frame);
    alignas(SYMBOL_INFO) char storage[sizeof(SYMBOL_INFO) + 256] = {};
    SYMBOL_INFO* symbol = reinterpret_cast<SYMBOL_INFO*>(storage);
    symbol->SizeOfStruct = sizeof(SYMBOL_INFO);
    symbol->MaxNameLen = 255;
    DWORD64 displacement = 0;
    IMAGEHLP_LINE64 line = {};
    line.SizeOfStruct = sizeof line;
    DWORD lineDisplacement = 0;

    bool hasSymbol = SymFromAddr(process, address, &displacement, symbol);
    bool hasLine = hasSymbol && SymGetLineFromAddr64(process, address, &lineDisplacement, &line);
    std::string text = CrashFrameLine(index, address, hasSymbol ? symbol->Name : nullptr, displacement,
                                      hasLine ? line.FileName : nullptr, hasLine ? line.LineNumber : 0);
    std::fputs(text.c_str(), log);
}

}  // namespace

LONG WINAPI CrashHandler(EXCEPTION_POINTERS* info)
{
    FILE* log = std::fopen("crash.log", "w");
    if (!log) return EXCEPTION_EXECUTE_HANDLER;
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    std::fputs(CrashHeaderLine(record->ExceptionCode, reinterpret_cast<uint64_t>(record->ExceptionAddress)).c_str(),
               log);
    HANDLE process = GetCurrentProcess();
    SymInitialize(process, nullptr, TRUE);
    void* frames[kMaxCrashFrames] = {};
    USHORT count = RtlCaptureStackBackTrace(0, kMaxCrashFrames, frames, nullptr);
    for (USHORT i = 0; i < count; ++i) WriteFrame(log, process, i, frames[i]);
    std::fclose(log);
    return EXCEPTION_EXECUTE_HANDLER;
}

void InstallCrashHandlers()
{
    SetUnhandledExceptionFilter(CrashHandler);
    gGuardedThread = GetCurrentThreadId();
    AddVectoredExceptionHandler(1, GuardUserInterfaceThread);
}
