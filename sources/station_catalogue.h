// The catalogue of the stations installed under the game folder's "Stacje":
// their timetables grouped by the station file (layout) each one names, with
// the newest timetable of every station and layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Paths are joined with the system's separator (a backslash on Windows).
#ifdef _WIN32
constexpr wchar_t kPathSeparator = L'\\';
#else
constexpr wchar_t kPathSeparator = L'/';
#endif

struct LayoutEntry {
    std::wstring layoutName;       ///< station-file base name from the timetables' second line
    std::wstring newestTimetable;  ///< full path of the newest timetable on this layout
    int32_t timetableCount = 0;    ///< the station's timetables naming this layout
    int32_t newestYear = -1;       ///< year of the newest timetable, -1 before the first
    uint64_t newestTime = 0;       ///< last-write time of the newest timetable, for ties of year
};

struct StationEntry {
    std::wstring folderName;          ///< the station's folder under "Stacje", shown as its name
    std::wstring newestTimetable;     ///< full path of the station's newest timetable
    int32_t timetableCount = 0;       ///< timetables found in the station folder
    std::vector<LayoutEntry> layouts; ///< sorted by LayoutEntryLess
};

// Station folders in the order the file system lists them.
using StationCatalogue = std::vector<StationEntry>;

extern StationCatalogue gStationCatalogue;

// Rebuilds gStationCatalogue from gameFolder's "Stacje": one entry per station
// folder that holds at least one timetable. A missing folder leaves it empty.
void BuildStationCatalogue(const std::wstring& gameFolder);

// Appends folder's timetables (".roz", not "-dzis.roz" nor "-losowy.roz") as
// full paths, searching sub-folders down to depth more levels.
void CollectTimetableFiles(const std::wstring& folder, std::vector<std::wstring>& list, int32_t depth);

// The largest year 1900..2100 written as four digits in the name, else the
// year of the first "-NN" or "_NN", else 0.
int32_t YearFromFileName(const std::wstring& fileName);

// The timetable's second line (the station file it runs on) without its line
// end and trailing blanks and TABs; empty when the file or the line is missing.
std::wstring ReadTimetableLayoutName(const std::wstring& path);

// Whether layout a goes before b in the station's list: the one holding the
// station's newest timetable first, then more timetables, then by name.
bool LayoutEntryLess(const StationEntry& station, const LayoutEntry& a, const LayoutEntry& b);
