// This test program stands in for the Python interpreter when it is started
// under an interpreter's name (the script runner's tests link it so): it runs
// the script with the host's python3 through Wine's start of Unix programs,
// and hands the script's output and exit code back as a Windows child would.
// Wine gives a started Unix program no process handle and no pipe, so a shell
// script relays them through files in the stand-in's own folder.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "sources/script_runner.h"
#include "sources/wide_text.h"
#include "sources/win32/text_cp1250.h"

namespace {

using ToUnixName = char*(CDECL*)(LPCWSTR);
using ToDosName = WCHAR*(CDECL*)(const char*);

constexpr DWORD kScriptWaitMs = 60000;
constexpr char kResultLine[] = "PLIK: /";

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

bool RunsAsInterpreter()
{
    std::wstring name = OwnPath().substr(OwnPath().rfind(L'\\') + 1);
    CharLowerW(name.data());
    for (const wchar_t* interpreter : kInterpreters)
        if (name == interpreter) return true;
    return false;
}

// Wine's own path conversions; absent on Windows.
template <typename Call>
Call WineCall(const char* name)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), name)));
}

// The Unix name of an existing Windows path; the text itself when it has none.
std::string UnixName(const std::wstring& path)
{
    auto toUnix = WineCall<ToUnixName>("wine_get_unix_file_name");
    char* unix = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!unix) return Utf8FromWide(path);
    std::string name = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return name;
}

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool ReadBytes(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    CloseHandle(file);
    return true;
}

// The script prints Unix paths of what it wrote; a Windows Python would have
// printed Windows ones.
std::string WithWindowsResultPaths(const std::string& output)
{
    auto toDos = WineCall<ToDosName>("wine_get_dos_file_name");
    std::string rewritten;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        end = end == std::string::npos ? output.size() : end + 1;
        std::string line = output.substr(start, end - start);
        if (toDos && line.rfind(kResultLine, 0) == 0) {
            const size_t pathEnd = line.find_last_not_of("\r\n") + 1;
            WCHAR* dos = toDos(line.substr(sizeof kResultLine - 2, pathEnd - (sizeof kResultLine - 2)).c_str());
            if (dos) {
                line = "PLIK: " + Utf8FromWide(dos) + line.substr(pathEnd);
                HeapFree(GetProcessHeap(), 0, dos);
            }
        }
        rewritten += line;
        start = end;
    }
    return rewritten;
}

int RunScriptWithHostPython()
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string command = "python3";
    for (int i = 1; i < count; ++i) command += " " + ShellQuoted(UnixName(args[i]));
    LocalFree(args);
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);

    const std::wstring folder = FolderOf(OwnPath());
    const std::wstring outputFile = folder + L"\\output.txt";
    const std::wstring codeFile = folder + L"\\code.txt";
    const std::wstring shellFile = folder + L"\\run.sh";
    DeleteFileW(codeFile.c_str());
    const std::string shell = "cd " + ShellQuoted(UnixName(current)) + " || exit 1\n" + command + " > " +
                              ShellQuoted(UnixName(folder) + "/output.txt") + " 2>&1\necho $? > " +
                              ShellQuoted(UnixName(folder) + "/code.tmp") + " && mv " +
                              ShellQuoted(UnixName(folder) + "/code.tmp") + " " +
                              ShellQuoted(UnixName(folder) + "/code.txt") + "\n";
    if (!WriteBytes(shellFile, shell)) return 90;

    std::wstring line = L"Z:\\bin\\sh " + Utf8ToWide(UnixName(shellFile));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 91;

    std::string code;
    for (DWORD waited = 0; !ReadBytes(codeFile, code); waited += 20) {
        if (waited > kScriptWaitMs) return 92;
        Sleep(20);
    }
    std::string output;
    ReadBytes(outputFile, output);
    output = WithWindowsResultPaths(output);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), static_cast<DWORD>(output.size()), &written, nullptr);
    return atoi(code.c_str());
}

// Before the tests' own start: a stand-in ends here with the script's code.
[[maybe_unused]] const bool gStandsIn = RunsAsInterpreter() ? (ExitProcess(static_cast<UINT>(RunScriptWithHostPython())), true) : false;

}  // namespace
