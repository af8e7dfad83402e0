// The settings file ("semarion.ini") read at start-up into the settings and
// the game's timetable, written back, and a game run with the delay
// chances it gave. The private-profile calls are Windows'; here a
// small reader of the same "[section]" and "key=value" lines stands in.
#include <map>
#include <utility>

#include "fuzz_files.h"
#include "ui/settings.h"

namespace {

std::map<std::pair<std::string, std::string>, std::string> gIni;

// As GetPrivateProfileString finds keys: the first of a name in its section,
// names without case, blanks around the name and the value dropped.
std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

std::string Trimmed(const std::string& text)
{
    const size_t from = text.find_first_not_of(" \t");
    if (from == std::string::npos) return "";
    return text.substr(from, text.find_last_not_of(" \t\r") + 1 - from);
}

void ParseIni(const std::string& text)
{
    gIni.clear();
    std::string section;
    for (size_t from = 0; from < text.size();) {
        size_t to = text.find('\n', from);
        if (to == std::string::npos) to = text.size();
        const std::string line = Trimmed(text.substr(from, to - from));
        from = to + 1;
        if (!line.empty() && line[0] == '[') {
            section = Lower(line.substr(1, line.find(']') == std::string::npos ? std::string::npos : line.find(']') - 1));
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        gIni.emplace(std::make_pair(section, Lower(Trimmed(line.substr(0, eq)))), Trimmed(line.substr(eq + 1)));
    }
}

std::string Read(const char* section, const char* key, const char* fallback, const char*)
{
    const auto found = gIni.find({Lower(section), Lower(key)});
    return found == gIni.end() ? fallback : found->second;
}

void Write(const char* section, const char* key, const char* value, const char*)
{
    gIni[{Lower(section), Lower(key)}] = value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool hooked = [] {
        SetIniAccess({Read, Write});
        return true;
    }();
    (void)hooked;
    ParseIni(std::string(reinterpret_cast<const char*>(data), size));
    gSettings = Settings();
    TheGame() = Game();
    LoadSettings();
    SaveSettings();
    LoadSettings();
    fuzz::Seed(1);
    if (TheGame().NewGameFromTimetable(fuzz::SampleTimetable("Testowo").c_str()) != 0) std::abort();
    TheGame().clock.Step(60);
    fuzz::Steps(TheGame(), 300);
    return 0;
}
