// Start-up decisions: the game folder and the command-line timetable.
#include "ui/startup.h"

std::string FolderOfPath(const std::string& path)
{
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string ChooseGameFolder(const std::string& exeFolder, bool hasStationsFolder)
{
    return hasStationsFolder ? exeFolder : exeFolder + "\\..";
}

std::wstring TimetableArgument(const std::wstring& commandLine)
{
    size_t start = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        size_t closing = commandLine.find(L'"', 1);
        if (closing != std::wstring::npos) start = closing;
    }
    size_t blank = commandLine.find(L' ', start);
    if (blank == std::wstring::npos) return std::wstring();

    std::wstring rest = commandLine.substr(blank + 1);
    const wchar_t* kBlanks = L" \t";
    size_t first = rest.find_first_not_of(kBlanks);
    if (first == std::wstring::npos) return std::wstring();
    rest = rest.substr(first, rest.find_last_not_of(kBlanks) - first + 1);
    if (rest.size() >= 2 && rest.front() == L'"' && rest.back() == L'"')
        rest = rest.substr(1, rest.size() - 2);
    return rest;
}
