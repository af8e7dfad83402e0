// Survey of the station folders and their timetables.
#include "sources/station_catalogue.h"

#include <algorithm>
#include <chrono>
#include <cwctype>
#include <filesystem>
#include <fstream>

#include "sources/wide_text.h"

StationCatalogue gStationCatalogue;

namespace fs = std::filesystem;

namespace {

constexpr size_t kLayoutLineBytes = 255;

struct FolderItem {
    std::wstring name;  ///< entry name without its folder
    bool folder;        ///< a folder (or a link to one)
    bool file;          ///< a regular file; devices and pipes are neither
};

// The folder's entries as listed; an unreadable folder lists nothing. Names that
// are no text (bytes outside UTF-8 on Linux) are passed over.
std::vector<FolderItem> ListFolder(const std::wstring& folder)
{
    std::vector<FolderItem> items;
    std::error_code error;
    fs::directory_iterator it(FileSystemPath(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        FolderItem item{std::wstring(), it->is_directory(kindError), false};
        item.file = !item.folder && it->is_regular_file(kindError);
        std::string name;
        try {
            name = it->path().filename().u8string();
        } catch (const std::exception&) {
            continue;
        }
        if (WideFromUtf8(name, item.name)) items.push_back(item);
    }
    return items;
}

bool EndsWith(const std::wstring& text, const std::wstring& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsTimetableName(const std::wstring& name)
{
    if (name.size() < 5) return false;
    std::wstring extension = name.substr(name.size() - 4);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (extension != L".roz") return false;
    // The scripts name their own timetables so; they stay out of the chooser.
    if (name.size() > 9 && EndsWith(name, L"-dzis.roz")) return false;
    return !(name.size() > 11 && EndsWith(name, L"-losowy.roz"));
}

uint64_t FileWriteTime(const std::wstring& path)
{
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(FileSystemPath(path), error);
    if (error) return 0;
    // The file clock's epoch differs between libraries: measure from the
    // system clock's once, so that equal times stay equal within a run.
    using Ticks = std::chrono::duration<int64_t, std::ratio<1, 10000000>>;
    static const Ticks kFileToSystem =
        std::chrono::duration_cast<Ticks>(std::chrono::system_clock::now().time_since_epoch()) -
        std::chrono::duration_cast<Ticks>(fs::file_time_type::clock::now().time_since_epoch());
    constexpr int64_t kTicks1601To1970 = 116444736000000000;
    const int64_t ticks =
        std::chrono::duration_cast<Ticks>(written.time_since_epoch()).count() + kFileToSystem.count() + kTicks1601To1970;
    return ticks > 0 ? static_cast<uint64_t>(ticks) : 0;
}

// One line as the C library reads it: up to its line feed (kept) or max bytes.
bool ReadLine(std::istream& in, std::string& line, size_t max)
{
    line.clear();
    char c;
    while (line.size() < max && in.get(c)) {
        line += c;
        if (c == '\n') break;
    }
    return !line.empty();
}

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t separator = path.rfind(kPathSeparator);
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

// Whether a timetable of this year and time replaces the newest so far.
bool IsNewer(int32_t year, uint64_t time, int32_t bestYear, uint64_t bestTime)
{
    return year > bestYear || (year == bestYear && time > bestTime);
}

StationEntry SurveyStation(const std::wstring& name, const std::vector<std::wstring>& timetables)
{
    StationEntry station;
    station.folderName = name;
    station.timetableCount = static_cast<int32_t>(timetables.size());
    int32_t bestYear = 0;
    uint64_t bestTime = 0;
    for (size_t i = 0; i < timetables.size(); ++i) {
        const std::wstring& path = timetables[i];
        const int32_t year = YearFromFileName(FileNameOf(path));
        const uint64_t time = FileWriteTime(path);
        if (i == 0 || IsNewer(year, time, bestYear, bestTime)) {
            station.newestTimetable = path;
            bestYear = year;
            bestTime = time;
        }
        const std::wstring layoutName = ReadTimetableLayoutName(path);
        if (layoutName.empty()) continue;
        auto layout = std::find_if(station.layouts.begin(), station.layouts.end(),
                                   [&](const LayoutEntry& entry) { return entry.layoutName == layoutName; });
        if (layout == station.layouts.end()) {
            station.layouts.push_back(LayoutEntry{layoutName, path, 0, -1, 0});
            layout = station.layouts.end() - 1;
        }
        ++layout->timetableCount;
        if (IsNewer(year, time, layout->newestYear, layout->newestTime)) {
            layout->newestTimetable = path;
            layout->newestYear = year;
            layout->newestTime = time;
        }
    }
    std::stable_sort(station.layouts.begin(), station.layouts.end(),
                     [&](const LayoutEntry& a, const LayoutEntry& b) { return LayoutEntryLess(station, a, b); });
    return station;
}

}  // namespace

void BuildStationCatalogue(const std::wstring& gameFolder)
{
    const std::wstring root = gameFolder + kPathSeparator + L"Stacje";
    StationCatalogue catalogue;
    for (const FolderItem& item : ListFolder(root)) {
        if (!item.folder || item.name == L"." || item.name == L"..") continue;
        std::vector<std::wstring> timetables;
        CollectTimetableFiles(root + kPathSeparator + item.name, timetables, 2);
        if (!timetables.empty()) catalogue.push_back(SurveyStation(item.name, timetables));
    }
    gStationCatalogue.swap(catalogue);
}

void CollectTimetableFiles(const std::wstring& folder, std::vector<std::wstring>& list, int32_t depth)
{
    for (const FolderItem& item : ListFolder(folder)) {
        if (item.name == L"." || item.name == L"..") continue;
        const std::wstring path = folder + kPathSeparator + item.name;
        if (item.folder) {
            if (depth > 0) CollectTimetableFiles(path, list, depth - 1);
        } else if (item.file && IsTimetableName(item.name)) {
            list.push_back(path);
        }
    }
}

int32_t YearFromFileName(const std::wstring& fileName)
{
    const auto isDigit = [&](size_t i) { return i < fileName.size() && fileName[i] >= L'0' && fileName[i] <= L'9'; };
    const auto digit = [&](size_t i) { return static_cast<int32_t>(fileName[i] - L'0'); };

    int32_t best = 0;
    for (size_t i = 0; i < fileName.size();) {
        if (isDigit(i) && isDigit(i + 1) && isDigit(i + 2) && isDigit(i + 3)) {
            const int32_t number = digit(i) * 1000 + digit(i + 1) * 100 + digit(i + 2) * 10 + digit(i + 3);
            if (number >= 1900 && number <= 2100 && number > best) best = number;
            i += 4;
        } else {
            ++i;
        }
    }
    if (best > 0) return best;

    for (size_t i = 1; i < fileName.size(); ++i) {
        if ((fileName[i] == L'-' || fileName[i] == L'_') && isDigit(i + 1) && isDigit(i + 2) && !isDigit(i + 3)) {
            const int32_t pair = digit(i + 1) * 10 + digit(i + 2);
            return pair < 51 ? 2000 + pair : 1900 + pair;
        }
    }
    return 0;
}

std::wstring ReadTimetableLayoutName(const std::wstring& path)
{
    std::ifstream in(FileSystemPath(path), std::ios::binary);
    if (!in) return std::wstring();
    std::string line;
    if (!ReadLine(in, line, kLayoutLineBytes) || !ReadLine(in, line, kLayoutLineBytes)) return std::wstring();
    // A zero byte ends the text, as it does in the C library's line.
    line.erase(std::min(line.find('\0'), line.size()));
    const size_t last = line.find_last_not_of("\n\r \t");
    line.erase(last == std::string::npos ? 0 : last + 1);
    return WideFromCp1250(line);
}

bool LayoutEntryLess(const StationEntry& station, const LayoutEntry& a, const LayoutEntry& b)
{
    const bool aNewest = a.newestTimetable == station.newestTimetable;
    const bool bNewest = b.newestTimetable == station.newestTimetable;
    if (aNewest != bNewest) return aNewest;
    if (a.timetableCount != b.timetableCount) return a.timetableCount > b.timetableCount;
    return a.layoutName < b.layoutName;
}
