// Collecting the station remarks.
#include "ui/station_remarks.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "simulation/game_files.h"
#include "ui/game_file_names.h"

std::string gStationDescription;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool HasTextExtension(const std::string& name)
{
    return name.size() > 4 && EqualNoCase(name.substr(name.size() - 4), ".txt");
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The other timetables' remarks: a text file beside a ".roz" of its name.
bool BelongsToATimetable(const std::string& folder, const std::string& textFile)
{
    return Exists(folder + StationBaseName(textFile) + ".roz");
}

}  // namespace

std::string ReadFileToString(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::string();
    std::string text;
    char buffer[4096];
    while (text.size() < kMaxRemarksFileBytes) {
        const size_t wanted = std::min(sizeof buffer, kMaxRemarksFileBytes - text.size());
        const size_t got = std::fread(buffer, 1, wanted, file.get());
        if (got == 0) break;
        text.append(buffer, got);
    }
    return text;
}

bool ContainsNoCase(const std::vector<std::string>& list, const std::string& name)
{
    for (const std::string& element : list)
        if (EqualNoCase(element, name)) return true;
    return false;
}

std::vector<std::string> RemarkFileNames(const std::string& timetablePath, const std::string& stationFile,
                                         bool otherTexts)
{
    const std::string folder = FolderOf(timetablePath);
    const std::string timetableName = StationBaseName(timetablePath.substr(folder.size())) + ".txt";
    const std::string stationName = StationBaseName(stationFile) + ".txt";
    std::vector<std::string> names;
    if (!ReadFileToString(folder + timetableName).empty()) names.push_back(timetableName);
    if (!ContainsNoCase(names, stationName) && !ReadFileToString(folder + stationName).empty())
        names.push_back(stationName);
    if (!otherTexts) return names;
    for (const std::string& name : FolderEntries(folder.empty() ? "." : folder)) {
        if (!HasTextExtension(name) || ContainsNoCase(names, name) || IsFolder(folder + name) ||
            BelongsToATimetable(folder, name) || ReadFileToString(folder + name).empty())
            continue;
        names.push_back(name);
    }
    return names;
}

std::string StationDescription(const std::string& timetablePath, const std::string& stationFile, bool otherTexts)
{
    const std::string folder = FolderOf(timetablePath);
    const std::vector<std::string> names = RemarkFileNames(timetablePath, stationFile, otherTexts);
    std::string description;
    for (const std::string& name : names) {
        const std::string text = ReadFileToString(folder + name);
        if (text.empty()) continue;
        if (!description.empty()) description += "\r\n\r\n";
        if (names.size() > 1) description += "=== " + name + " ===\r\n";
        description += text;
    }
    return description;
}
