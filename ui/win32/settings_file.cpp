// The private-profile side of the settings file and the game folder choice.
#include "ui/win32/settings_file.h"

#include <windows.h>

#include <map>
#include <vector>

#include "sources/rozklad_setting.h"
#include "sources/win32/draft_file.h"
#include "sources/win32/text_cp1250.h"
#include "ui/startup.h"

namespace {

constexpr DWORD kProgramPathChars = 260;
constexpr DWORD kValueBuffer = 512;

std::string ReadProfile(const char* section, const char* key, const char* fallback, const char* path)
{
    char value[kValueBuffer] = {};
    GetPrivateProfileStringA(section, key, fallback, value, kValueBuffer, path);
    return value;
}

bool gDraftWriteFailed = false;  // a key of the draft being written could not be stored

// A key of the file and its value.
struct ProfileKey {
    std::string section;  ///< INI section
    std::string key;      ///< INI key
    std::string value;    ///< its value
};
// What the save wrote into the draft, read back before the draft takes the file's place.
std::vector<ProfileKey> gDraftKeys;

void WriteProfile(const char* section, const char* key, const char* value, const char* path)
{
    gDraftKeys.push_back({section, key, value});
    if (!WritePrivateProfileStringA(section, key, value, path)) gDraftWriteFailed = true;
}

// The draft begins as the file (keys the program does not know stay), or
// empty when there is no file yet; a draft an earlier crash left goes.
std::string StartDraft(const char* path)
{
    gDraftWriteFailed = false;
    gDraftKeys.clear();
    const std::string draft = std::string(path) + kDraftSuffix;
    DeleteFileA(draft.c_str());
    if (CopyFileA(path, draft.c_str(), FALSE) || GetLastError() == ERROR_FILE_NOT_FOUND) return draft;
    return std::string();
}

constexpr DWORD kNameListLimit = 1 << 20;  ///< a file with more names is not one this program wrote

// The sections of a file (section null) or the keys of one of its sections,
// as the private-profile calls list them: each name ended by a zero. The
// buffer grows while the list fills it.
std::vector<std::string> ProfileNames(const char* section, const char* path)
{
    for (DWORD size = 4096;; size *= 2) {
        std::vector<char> list(size);
        const DWORD length = section ? GetPrivateProfileStringA(section, nullptr, "", list.data(), size, path)
                                     : GetPrivateProfileSectionNamesA(list.data(), size, path);
        if (length + 2 >= size && size < kNameListLimit) continue;
        std::vector<std::string> names;
        for (DWORD at = 0; at < length && list[at]; at += static_cast<DWORD>(names.back().size()) + 1)
            names.emplace_back(list.data() + at);
        return names;
    }
}

// Section and key as the file matches them: without regard to case.
std::string KeyName(const std::string& section, const std::string& key)
{
    std::string name = section + '\n' + key;
    CharLowerBuffA(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

// A value as the reader gives it back: without the blanks around it, nor a
// pair of quotes that enclose it.
std::string AsReadBack(std::string value)
{
    const char* blanks = " \t\r\n";
    const size_t first = value.find_first_not_of(blanks);
    value = first == std::string::npos ? std::string() : value.substr(first, value.find_last_not_of(blanks) - first + 1);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value.substr(0, kValueBuffer - 1);
}

// The private-profile write says it succeeded even when the disk was full
// and the file was cut short (Wine), so the draft is read back from the disk
// before it may replace the file: every key the save wrote has its value,
// and every other key of the old file is still there with its own.
bool DraftIsWhole(const char* draft, const char* path)
{
    // The profile code keeps its own copy of the draft as it meant to write
    // it; dropped, the reads below see what the disk holds.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, draft);
    // A key missing from the draft reads as this, which no value written can
    // be; a key the old file holds without a value reads so too.
    const char* missing = "\x01";
    std::map<std::string, ProfileKey> expected;
    for (const std::string& section : ProfileNames(nullptr, path))
        for (const std::string& key : ProfileNames(section.c_str(), path))
            expected[KeyName(section, key)] = {section, key, ReadProfile(section.c_str(), key.c_str(), missing, path)};
    for (const ProfileKey& written : gDraftKeys)
        expected[KeyName(written.section, written.key)] = {written.section, written.key, AsReadBack(written.value)};
    for (const auto& entry : expected) {
        const ProfileKey& key = entry.second;
        if (ReadProfile(key.section.c_str(), key.key.c_str(), missing, draft) != key.value) return false;
    }
    return true;
}

bool FinishDraft(const char* draft, const char* path)
{
    const bool whole = !gDraftWriteFailed && DraftIsWhole(draft, path);
    return ReplaceWithDraft(AnsiToWide(draft), AnsiToWide(path), whole);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramPath()
{
    char path[kProgramPathChars] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, kProgramPathChars);
    return length > 0 && length < kProgramPathChars ? std::string(path, length) : std::string();
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

const IniAccess kPrivateProfile = {ReadProfile, WriteProfile, StartDraft, FinishDraft};

std::string GetExeFolder() { return FolderOfPath(ProgramPath()); }

std::string ResolveDataPath(const std::string& file) { return ResolveDataPathFrom(file, ProgramPath(), FileExists); }

void ReadSettingsAtStartup(const std::string& exeFolder)
{
    gGameFolder = ChooseGameFolder(exeFolder, IsFolder(exeFolder + "\\Stacje"));
    SetIniAccess(kPrivateProfile);
    SetRozkladReader(ReadRozkladSetting);
    LoadSettings();
    if (!FileExists(GetIniPath())) SaveSettings();
}
