// The station catalogue over a game folder whose one station holds the
// fuzzer's timetable: its first line is the file name (the year in it picks
// the newest), the rest the file, whose second line names the layout.
#include <filesystem>

#include "fuzz_files.h"
#include "sources/station_catalogue.h"

namespace {

std::wstring Widened(const std::string& text)
{
    std::wstring wide;
    for (unsigned char c : text) wide += static_cast<wchar_t>(c);
    return wide;
}

// A name the file system takes: letters, digits, "-" and "_" kept, at most 40.
std::string FileSystemName(const std::string& line)
{
    std::string name;
    for (char c : line.substr(0, 40))
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_')
            name += c;
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t lineEnd = input.find('\n');
    const std::string line = input.substr(0, lineEnd);
    YearFromFileName(Widened(line));
    const fs::path station = fs::path(fuzz::Folder()) / "katalog" / "Stacje" / "Proba";
    fs::remove_all(station);
    fs::create_directories(station);
    fuzz::WriteInput("katalog/Stacje/Proba/Proba-1999.roz", data, size);
    fuzz::WriteInput("katalog/Stacje/Proba/" + FileSystemName(line) + ".roz", data, size);
    BuildStationCatalogue(Widened(fuzz::Folder() + "katalog"));
    for (const StationEntry& entry : gStationCatalogue)
        for (const LayoutEntry& a : entry.layouts)
            for (const LayoutEntry& b : entry.layouts) LayoutEntryLess(entry, a, b);
    return 0;
}
