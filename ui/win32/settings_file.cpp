// The private-profile side of the settings file and the game folder choice.
#include "ui/win32/settings_file.h"

#include <windows.h>

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

void WriteProfile(const char* section, const char* key, const char* value, const char* path)
{
    if (!WritePrivateProfileStringA(section, key, value, path)) gDraftWriteFailed = true;
}

// The draft begins as the file (keys the program does not know stay), or
// empty when there is no file yet; a draft an earlier crash left goes.
std::string StartDraft(const char* path)
{
    gDraftWriteFailed = false;
    const std::string draft = std::string(path) + kDraftSuffix;
    DeleteFileA(draft.c_str());
    if (CopyFileA(path, draft.c_str(), FALSE) || GetLastError() == ERROR_FILE_NOT_FOUND) return draft;
    return std::string();
}

bool FinishDraft(const char* draft, const char* path)
{
    return ReplaceWithDraft(AnsiToWide(draft), AnsiToWide(path), !gDraftWriteFailed);
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
