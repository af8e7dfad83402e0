// The folder of a path and the search for a saved game's station file.
#include "simulation/game_files.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool CanRead(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string FolderOf(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string FindStationFile(const std::string& besidePath, const std::string& stationName,
                            const std::string& gameFolder)
{
    const std::string beside = FolderOf(besidePath) + stationName;
    if (CanRead(beside) || gameFolder.empty()) return beside;
    // "/" serves on Windows too, also after a folder that ends in "\..".
    const std::string stations = gameFolder + "/Stacje/";
    for (const std::string& folder : FolderEntries(stations)) {
        const std::string candidate = stations + folder + "/" + stationName;
        if (CanRead(candidate)) return candidate;
    }
    return beside;
}
