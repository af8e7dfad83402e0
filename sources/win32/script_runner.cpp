// Child processes with captured output, and the timetable scripts.
#include "sources/win32/script_runner.h"

#include <vector>

#include "sources/game_folder.h"
#include "sources/script_runner.h"
#include "sources/win32/text_cp1250.h"

namespace {

constexpr DWORD kProcessEndWaitMs = 60000;
constexpr DWORD kReadChunk = 511;

// Appends the pipe's bytes until every holder of its write end closed it.
void ReadAll(HANDLE pipe, std::string& output)
{
    char chunk[kReadChunk + 1];
    DWORD read = 0;
    while (ReadFile(pipe, chunk, kReadChunk, &read, nullptr) && read > 0) {
        chunk[read] = '\0';
        output += chunk;  // text up to a zero byte, as the chunk's C string
    }
}

}  // namespace

bool RunProcessCapture(const std::wstring& commandLine, std::string& output, DWORD& errorCode)
{
    errorCode = 0;
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nullInput = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullInput == INVALID_HANDLE_VALUE ? nullptr : nullInput;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    // The system may write into the command line: give it a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const std::wstring folder = AnsiToWide(gGameFolder);
    const BOOL created = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    if (!created) errorCode = GetLastError();
    // Only the child may hold the write end now, or the reading never ends.
    CloseHandle(writeEnd);
    if (nullInput != INVALID_HANDLE_VALUE) CloseHandle(nullInput);
    if (!created) {
        CloseHandle(readEnd);
        return false;
    }

    ReadAll(readEnd, output);
    CloseHandle(readEnd);
    // A child still running after the wait is left alone; its exit code then
    // reads as still active, which is not 0.
    WaitForSingleObject(process.hProcess, kProcessEndWaitMs);
    DWORD exitCode = 1;
    if (!GetExitCodeProcess(process.hProcess, &exitCode)) exitCode = 1;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode == 0;
}

std::string RunTimetableScript(const std::wstring& scriptName, const std::wstring& argumentPath, std::string& log)
{
    HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    const std::wstring scriptPath = ScriptPath(AnsiToWide(gGameFolder), scriptName);
    DWORD firstError = 0;
    std::string output;
    bool succeeded = false;
    for (const wchar_t* interpreter : kInterpreters) {
        output.clear();
        DWORD error = 0;
        succeeded = RunProcessCapture(ScriptCommandLine(interpreter, scriptPath, argumentPath), output, error);
        // A script that failed and said why was run: another interpreter would
        // only fail the same way.
        if (succeeded || !output.empty()) break;
        if (firstError == 0) firstError = error;
    }
    SetCursor(previousCursor);

    const std::string result = succeeded ? ScriptResultPath(output) : std::string();
    if (result.empty()) log = output.empty() ? InterpreterFailureMessage(firstError, scriptName) : output;
    return result;
}
