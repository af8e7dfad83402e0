// Command line, result line and failure message of the timetable scripts.
#include "sources/script_runner.h"

#include "sources/wide_text.h"

std::wstring ScriptPath(const std::wstring& gameFolder, const std::wstring& scriptName)
{
    return gameFolder + L"\\narzedzia\\" + scriptName;
}

std::wstring ScriptCommandLine(const std::wstring& interpreter, const std::wstring& scriptPath,
                               const std::wstring& argument)
{
    return interpreter + L" \"" + scriptPath + L"\" \"" + argument + L"\"";
}

std::string ScriptResultPath(const std::string& output)
{
    const size_t marker = output.rfind(kResultMarker);
    if (marker == std::string::npos) return std::string();
    const size_t start = marker + sizeof kResultMarker - 1;
    const size_t lineEnd = output.find('\n', start);
    std::string path = output.substr(start, lineEnd == std::string::npos ? std::string::npos : lineEnd - start);
    const size_t last = path.find_last_not_of("\r ");
    path.erase(last == std::string::npos ? 0 : last + 1);
    return path;
}

std::string InterpreterFailureMessage(uint32_t errorCode, const std::wstring& scriptName)
{
    // u8 literals: the log is UTF-8 whatever the program's own code page.
    return std::string(u8"Nie udało się uruchomic Pythona (py.exe, python.exe, python3.exe).\n"
                       u8"Kod błędu Windows: ") +
           std::to_string(errorCode) + u8".\n\nRozklad przygotowuje skrypt narzedzia\\" + Utf8FromWide(scriptName) +
           u8",\nwiec potrzebny jest zainstalowany Python 3 (do pobrania ze strony https://www.python.org/downloads/).";
}
