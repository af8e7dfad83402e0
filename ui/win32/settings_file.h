// The settings file through the private-profile calls, and the folders it
// depends on.
#pragma once

#include <string>

#include "ui/settings.h"

extern const IniAccess kPrivateProfile;  // GetPrivateProfileStringA / WritePrivateProfileStringA

std::string GetExeFolder();  // the program's own folder
// The path a data file named in the settings is opened at (sound files).
std::string ResolveDataPath(const std::string& file);
// Start-up: chooses the game folder for a program folder, reads the settings
// through the private-profile calls and, when the file does not exist yet,
// writes it with every key.
void ReadSettingsAtStartup(const std::string& exeFolder);
