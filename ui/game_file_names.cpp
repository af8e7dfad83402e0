// Narrowing of game file paths, station-derived names and the window title.
#include "ui/game_file_names.h"

#include <cstdio>

const char kTitleNoGame[] = "Semarion Win32 port - Phase 1";

namespace {

constexpr size_t kTitleChars = 512;  ///< the title buffer, its zero included

}  // namespace

std::wstring WideFolderOf(const std::wstring& path)
{
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::string NarrowPathWith(const std::wstring& widePath, const PathNarrowing& platform)
{
    if (widePath.empty()) return std::string();
    // The separator stays with the folder: "C:" alone would be the drive's
    // current folder, "C:\" is its root.
    const std::wstring folder = WideFolderOf(widePath);
    const std::wstring name = widePath.substr(folder.size());
    if (!folder.empty() && !platform.setCurrentFolder(folder)) return std::string();

    std::string narrow;
    if (!name.empty() && platform.toAnsi(name, narrow)) return narrow;
    std::wstring shortForm;
    if (platform.shortPath(widePath, shortForm) && !shortForm.empty() && platform.toAnsi(shortForm, narrow))
        return narrow;
    return std::string();
}

std::string StationBaseName(const std::string& stationFile)
{
    return stationFile.size() < 4 ? stationFile : stationFile.substr(0, stationFile.size() - 4);
}

std::string GameTitle(const std::string& stationFile)
{
    char title[kTitleChars];
    std::snprintf(title, sizeof title, "Semarion Win32 port - Phase 2 - %s", stationFile.c_str());
    return title;
}
