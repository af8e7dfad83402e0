// The settings file "semarion.ini": the option record read from it at start-up
// and written back whole, through a seam over the private-profile calls.
#pragma once

#include <string>

#include "model/settings.h"

// The private-profile calls: Windows plugs in GetPrivateProfileStringA and
// WritePrivateProfileStringA, tests an INI held in memory. A whole save goes
// into a draft beside the file, which then takes the file's place in one
// step, so the file is never seen half written; a store without drafts
// (null) takes the keys straight in.
struct IniAccess {
    std::string (*read)(const char* section, const char* key, const char* fallback,
                        const char* path);  ///< value, or fallback when the key is missing
    void (*write)(const char* section, const char* key, const char* value,
                  const char* path);        ///< stores one key; a failure shows when the draft is finished
    std::string (*startDraft)(const char* path) = nullptr;  ///< the draft's path, begun as the file's copy; "" when it cannot be
    bool (*finishDraft)(const char* draft, const char* path) = nullptr;  ///< every key written: the draft becomes the file
};
IniAccess SetIniAccess(IniAccess access);  // returns the previous one

constexpr int kMaxSettingText = 511;      // characters kept of a string value
extern const char kBuiltInServer[];       // [Rozklad] Serwer when the file leaves it empty
extern const char kBuiltInToken[];        // [Rozklad] Token when the file leaves it empty

std::string GetIniPath();                 // game folder + "\semarion.ini"
void LoadSettings();                      // every key but [Rozklad], clamped
// Every key, [Rozklad] copied through the file. A save that fails leaves the
// file as it was and says so once in the status bar: false.
bool SaveSettings();
constexpr char kSettingsNotSaved[] = "Nie udało się zapisać ustawień w pliku semarion.ini.";
std::string IniReadString(const char* section, const char* key, const char* fallback);
std::string ReadRozkladSetting(const std::string& key);
int ParseProfileInt(const std::string& text, int fallback);  // as GetPrivateProfileIntA reads

// Where a data file named in the settings is opened: absolute names as they are,
// else beside the program, then one folder up, else relative to the current folder.
std::string ResolveDataPathFrom(const std::string& file, const std::string& programPath,
                                bool (*exists)(const std::string& path));
