// Crash log writer, the process filter and the guard around the program's
// window and dialog procedures.
#include "ui/win32/crash_handler.h"

#include <dbghelp.h>

#include <cstdio>
#include <exception>

#include "ui/crash_log.h"

namespace {

volatile LONG gCrashing = 0;

// The size of a loaded module's image, from its own headers.
DWORD64 ImageSize(HMODULE module)
{
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(module) + dos->e_lfanew);
    return nt->OptionalHeader.SizeOfImage;
}

// The file name of the module holding `address` and the address's offset in
// it, as the linker's image lays it out; false outside every module.
bool ModuleOffset(DWORD64 address, char (&name)[MAX_PATH], DWORD64& offset)
{
    HMODULE module = nullptr;
    // A null address would name the program itself.
    if (address == 0 ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(address), &module))
        return false;
    offset = address - reinterpret_cast<DWORD64>(module);
    if (address < reinterpret_cast<DWORD64>(module) || offset >= ImageSize(module)) return false;
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const char* base = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') base = c + 1;
    lstrcpynA(name, base, MAX_PATH);
    return true;
}

// One frame's line; false, and nothing written, for a frame outside every
// loaded module: past the system's callback dispatcher the walk reads what
// is no frame at all, and nothing after it is worth a line.
bool WriteFrame(FILE* log, HANDLE process, int index, void* frame)
{
    DWORD64 address = reinterpret_cast<DWORD64>(frame);
    char module[MAX_PATH] = {};
    DWORD64 offset = 0;
    if (!ModuleOffset(address, module, offset)) return false;
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
                                      hasLine ? line.FileName : nullptr, hasLine ? line.LineNumber : 0, module,
                                      offset);
    std::fputs(text.c_str(), log);
    return true;
}

}  // namespace

// The language handler of CallGuarded's frame: the system asks it only about
// an exception that every frame inside the procedure let pass. The log is
// written once; a fault while it is written ends the process at once.
extern "C" EXCEPTION_DISPOSITION GuardHandler(EXCEPTION_RECORD* record, void*, CONTEXT* context, void*)
{
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
    EXCEPTION_POINTERS info = {record, context};
    if (InterlockedExchange(&gCrashing, 1) == 0) CrashHandler(&info);
    TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
    return ExceptionContinueSearch;
}

// CallGuarded (procedure, window, message, wParam, lParam): the procedure is
// called with the other four, from a frame whose exception handler is
// GuardHandler. GCC has no __try, so the frame and its unwind data are
// written out here.
asm(R"(
    .text
    .globl CallGuarded
    .def CallGuarded; .scl 2; .type 32; .endef
    .seh_proc CallGuarded
CallGuarded:
    subq $56, %rsp
    .seh_stackalloc 56
    .seh_endprologue
    .seh_handler GuardHandler, @except
    movq %rcx, %rax
    movq %rdx, %rcx
    movq %r8, %rdx
    movq %r9, %r8
    movq 96(%rsp), %r9
    callq *%rax
    nop
    addq $56, %rsp
    ret
    .seh_endproc
)");

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
    for (USHORT i = 0; i < count && WriteFrame(log, process, i, frames[i]); ++i) {
    }
    std::fclose(log);
    return EXCEPTION_EXECUTE_HANDLER;
}

namespace {

// What abort() reports when it ends a program: "fatal application exit".
constexpr DWORD kFatalAppExit = 0x40000015;

// std::terminate raises no system exception (a C++ exception meeting a
// noexcept boundary, or one the run-time cannot unwind), so nothing above
// would see it: it is logged as abort's fatal exit, and ends the program with
// abort's code.
[[noreturn]] void LogTermination()
{
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = kFatalAppExit;
    record.ExceptionAddress = __builtin_return_address(0);
    EXCEPTION_POINTERS info = {&record, nullptr};
    if (InterlockedExchange(&gCrashing, 1) == 0) CrashHandler(&info);
    TerminateProcess(GetCurrentProcess(), 3);
    for (;;) {
    }
}

}  // namespace

// Windows commits a stack as it grows, behind a guard page that moves down
// with it, and keeps the guarantee below that page. Wine commits the whole
// stack at once with its guard at the very bottom, where no guarantee fits:
// a guard page of our own above the guarantee makes Wine's stack growth
// start there, and it then stops with the guarantee still free. On Windows
// that page is not committed yet and is left alone.
void ReserveCrashStack()
{
    ULONG size = kCrashStackBytes;
    SetThreadStackGuarantee(&size);
    MEMORY_BASIC_INFORMATION stack = {};
    if (!VirtualQuery(&stack, &stack, sizeof stack)) return;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    char* guard = static_cast<char*>(stack.AllocationBase) + 2 * system.dwPageSize + kCrashStackBytes;
    MEMORY_BASIC_INFORMATION page = {};
    DWORD old = 0;
    if (VirtualQuery(guard, &page, sizeof page) && page.State == MEM_COMMIT && page.Protect == PAGE_READWRITE &&
        guard < reinterpret_cast<char*>(&stack))
        VirtualProtect(guard, system.dwPageSize, PAGE_READWRITE | PAGE_GUARD, &old);
}

void InstallCrashHandlers()
{
    ReserveCrashStack();
    SetUnhandledExceptionFilter(CrashHandler);
    std::set_terminate(LogTermination);
}
