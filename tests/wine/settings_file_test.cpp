#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "simulation/notify.h"
#include "support/read_whole_file.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/win32/settings_file.h"

namespace {

std::string gStatus;  // what the settings said in the status bar
int gStatusCount;     // how often they said something

// A scratch folder under the temporary folder, emptied first.
class SettingsOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "semarion_settings_test";
        Remove(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        gSettings = Settings();
        savedFolder_ = gGameFolder;
        savedIni_ = SetIniAccess(kPrivateProfile);
    }
    void TearDown() override
    {
        SetIniAccess(savedIni_);
        gGameFolder = savedFolder_;
        gSettings = Settings();
        Remove(root_);
    }
    static void Remove(const std::string& folder)
    {
        std::string pattern = folder + "\\*";
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                std::string path = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(path);
                else DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string Folder(const std::string& name) const
    {
        std::string path = root_ + "\\" + name;
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }

    std::string root_;

private:
    std::string savedFolder_;
    IniAccess savedIni_{};
};

TEST_F(SettingsOnDisk, MissingFileIsCreatedWithEveryKey)
{
    std::string game = Folder("gra");
    Folder("gra\\Stacje");
    ReadSettingsAtStartup(game);
    EXPECT_EQ(gGameFolder, game);
    std::string fresh = ReadWholeFile(std::string(SEMARION_FIXTURES) + "/settings/fresh.ini");
    EXPECT_EQ(ReadWholeFile(game + "\\semarion.ini"), fresh);
}

TEST_F(SettingsOnDisk, WithoutStationsTheParentIsTheGameFolder)
{
    std::string bin = Folder("bin");
    ReadSettingsAtStartup(bin);
    EXPECT_EQ(gGameFolder, bin + "\\..");
    EXPECT_NE(GetFileAttributesA((root_ + "\\semarion.ini").c_str()), INVALID_FILE_ATTRIBUTES);

    std::string other = Folder("inna");
    std::ofstream(other + "\\Stacje") << "a file, not a folder";
    ReadSettingsAtStartup(other);
    EXPECT_EQ(gGameFolder, other + "\\..");
}

TEST_F(SettingsOnDisk, ValuesSurviveARoundTrip)
{
    gGameFolder = Folder("gra");
    gSettings.interval = 1500;
    gSettings.autozapisMinut = 0;
    gSettings.schematStacji = 0x00336699;
    gSettings.szerokoscTablic = 0.2;
    gSettings.caleSklady = true;
    gSettings.bocznicaX = -40;
    gSettings.odjazdPlik = "D:\\Dźwięki\\odjazd żółty.wav";
    SaveSettings();
    Settings written = gSettings;

    gSettings = Settings();
    LoadSettings();
    EXPECT_EQ(gSettings.interval, 1500);
    EXPECT_EQ(gSettings.autozapisMinut, 0);
    EXPECT_EQ(gSettings.schematStacji, 0x00336699);
    EXPECT_DOUBLE_EQ(gSettings.szerokoscTablic, 0.2);
    EXPECT_TRUE(gSettings.caleSklady);
    EXPECT_EQ(gSettings.bocznicaX, -40);
    EXPECT_EQ(gSettings.odjazdPlik, written.odjazdPlik);
    EXPECT_EQ(ReadRozkladSetting("OdswiezanieMinut"), "5");

    // an existing file is read, not rewritten, at start-up
    Folder("gra\\Stacje");
    WritePrivateProfileStringA("Opcje", "Autozapis_minut", "500", GetIniPath().c_str());
    ReadSettingsAtStartup(gGameFolder);
    EXPECT_EQ(gSettings.autozapisMinut, 120);
    char value[16];
    GetPrivateProfileStringA("Opcje", "Autozapis_minut", "", value, sizeof value, GetIniPath().c_str());
    EXPECT_STREQ(value, "500");
}

// A save writes a draft beside the file, begun as its copy, which then takes
// its place; when the draft cannot be made the file stays as it was and the
// status bar says so, once. Read back before it replaces the file, the draft
// of a sound save passes whatever the old file holds: keys without a value,
// comments, names in other letter case, values in quotes and blanks.
TEST_F(SettingsOnDisk, ASaveGoesThroughADraftAndAFailedOneKeepsTheFile)
{
    gGameFolder = Folder("gra");
    const std::string ini = GetIniPath();
    std::ofstream(ini, std::ios::binary) << "[Inne]\r\nKlucz=1\r\ngoły\r\n;uwaga\r\nCytat=\"a b\"\r\n"
                                            "[zegar]\r\ninterval=999\r\n";
    gSettings.interval = 1500;
    gSettings.bladPlik = "  \"Audio\\01.wav\" ";
    EXPECT_TRUE(SaveSettings());
    char value[16];
    GetPrivateProfileStringA("Inne", "Klucz", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "1");
    GetPrivateProfileStringA("Zegar", "Interval", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "1500");
    EXPECT_EQ(GetFileAttributesA((ini + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string saved = ReadWholeFile(ini);
    NotifyHooks oldHooks = SetNotifyHooks({nullptr, [](const char* text) {
                                               gStatus = text;
                                               ++gStatusCount;
                                           }});
    gStatusCount = 0;
    CreateDirectoryA((ini + ".tmp").c_str(), nullptr);
    gSettings.interval = 2000;
    EXPECT_FALSE(SaveSettings());
    SetNotifyHooks(oldHooks);
    RemoveDirectoryA((ini + ".tmp").c_str());
    EXPECT_EQ(gStatus, kSettingsNotSaved);
    EXPECT_EQ(gStatusCount, 1);
    EXPECT_EQ(ReadWholeFile(ini), saved);
}

}  // namespace
