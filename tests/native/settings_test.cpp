#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "support/read_whole_file.h"
#include "ui/settings.h"
#include "ui/startup.h"

namespace {

// An INI file in memory, kept in the order keys were first written, rendered
// the way the private-profile calls write a new file.
struct MemoryIni {
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
    std::vector<std::string> paths;  // path of every call

    std::string* Find(const std::string& section, const std::string& key)
    {
        for (auto& s : sections)
            if (s.first == section)
                for (auto& k : s.second)
                    if (k.first == key) return &k.second;
        return nullptr;
    }
    void Set(const std::string& section, const std::string& key, const std::string& value)
    {
        if (std::string* v = Find(section, key)) {
            *v = value;
            return;
        }
        for (auto& s : sections)
            if (s.first == section) {
                s.second.emplace_back(key, value);
                return;
            }
        sections.push_back({section, {{key, value}}});
    }
    std::string Text() const
    {
        std::string text;
        for (auto& s : sections) {
            text += "[" + s.first + "]\r\n";
            for (auto& k : s.second) text += k.first + "=" + k.second + "\r\n";
        }
        return text;
    }
};

MemoryIni gIni;

std::string Read(const char* section, const char* key, const char* fallback, const char* path)
{
    gIni.paths.push_back(path);
    std::string* v = gIni.Find(section, key);
    return v ? *v : fallback;
}

void Write(const char* section, const char* key, const char* value, const char* path)
{
    gIni.paths.push_back(path);
    gIni.Set(section, key, value);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        gIni = MemoryIni();
        gSettings = Settings();
        TheGame() = Game();
        StartDisruptions(TheGame());  // no game runs: the timetable holds the player's own chances
        savedFolder_ = gGameFolder;
        gGameFolder = "C:\\gra";
        savedIni_ = SetIniAccess({Read, Write});
    }
    void TearDown() override
    {
        SetIniAccess(savedIni_);
        gGameFolder = savedFolder_;
        TheGame() = Game();
    }
    // Loads, then writes into an empty file, and returns what was written.
    static std::string LoadAndRewrite()
    {
        LoadSettings();
        gIni = MemoryIni();
        SaveSettings();
        return gIni.Text();
    }

private:
    IniAccess savedIni_{};
    std::string savedFolder_;
};

TEST_F(SettingsFile, FreshWriteHasEveryKeyInOrder)
{
    std::string text = LoadAndRewrite();
    EXPECT_EQ(text, ReadWholeFile(std::string(SEMARION_FIXTURES) + "/settings/fresh.ini"));
    for (const std::string& path : gIni.paths) EXPECT_EQ(path, "C:\\gra\\semarion.ini");
}

TEST_F(SettingsFile, ValuesOutOfRangeAreClamped)
{
    gIni.Set("Opcje", "Autozapis_minut", "500");
    gIni.Set("Zapasy", "Woda_sekund", "10");
    gIni.Set("Zapasy", "Wygaszanie_sekund", "-5");
    gIni.Set("Widok", "Szerokosc_tablic", "3");
    gIni.Set("Widok", "Wysokosc_podgladu", "99");
    gIni.Set("Widok", "Rozmiar_schematu", "10");
    gIni.Set("Widok", "Powiekszenie_podgladu", "301");
    LoadSettings();
    EXPECT_EQ(gSettings.autozapisMinut, 120);
    EXPECT_EQ(gSettings.wodaSekund, 3600);
    EXPECT_EQ(gSettings.wygaszanieSekund, 0);
    EXPECT_DOUBLE_EQ(gSettings.szerokoscTablic, 0.06);
    EXPECT_DOUBLE_EQ(gSettings.wysokoscPodgladu, 0.40);
    EXPECT_DOUBLE_EQ(gSettings.rozmiarSchematu, 0.20);
    EXPECT_DOUBLE_EQ(gSettings.powiekszeniePodgladu, 3.0);
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Opcje", "Autozapis_minut"), "120");
    EXPECT_EQ(*gIni.Find("Widok", "Szerokosc_tablic"), "6");

    gIni.Set("Opcje", "Autozapis_minut", "-3");
    LoadSettings();
    EXPECT_EQ(gSettings.autozapisMinut, 0);
}

TEST_F(SettingsFile, FractionsAreWrittenRounded)
{
    LoadSettings();
    gSettings.szerokoscTablic = 0.146;
    gSettings.wysokoscPodgladu = 0.234;
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Widok", "Szerokosc_tablic"), "15");
    EXPECT_EQ(*gIni.Find("Widok", "Wysokosc_podgladu"), "23");
}

TEST_F(SettingsFile, ColoursAllBlackBecomeWhiteButOneBlackStays)
{
    gIni.Set("Kolor", "Schemat_stacji", "0");
    LoadSettings();
    EXPECT_EQ(gSettings.schematStacji, 0);
    EXPECT_EQ(gSettings.przyjazdy, 0xFFFFFF);
    EXPECT_EQ(gSettings.odjazdy, 0xFFFFFF);
    EXPECT_EQ(gSettings.podgladSkladow, 0xFFFFFF);

    for (const char* key : {"Przyjazdy", "Odjazdy", "Podglad_skladow"}) gIni.Set("Kolor", key, "0");
    LoadSettings();
    EXPECT_EQ(gSettings.schematStacji, 0xFFFFFF);
    EXPECT_EQ(gSettings.podgladSkladow, 0xFFFFFF);

    gIni.Set("Kolor", "Odjazdy", "255");
    LoadSettings();
    EXPECT_EQ(gSettings.odjazdy, 255);
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Kolor", "Odjazdy"), "255");
}

TEST_F(SettingsFile, BoolsAndTextsAreTakenAsRead)
{
    gIni.Set("Dzwieki", "Odjazd", "7");
    gIni.Set("Dzwieki", "Blad", "0");
    gIni.Set("Dzwieki", "Blad_plik", "D:\\dzwieki\\blad.wav");
    gIni.Set("Dzwieki", "Nowy_pociag_plik", std::string(600, 'x'));
    gIni.Set("Zegar", "Czas_rzeczywisty", "1");
    LoadSettings();
    EXPECT_TRUE(SoundFlag(Sound::kDeparture));
    EXPECT_FALSE(SoundFlag(Sound::kError));
    EXPECT_EQ(SoundFile(Sound::kError), "D:\\dzwieki\\blad.wav");
    EXPECT_EQ(SoundFile(Sound::kNewTrain).size(), static_cast<size_t>(kMaxSettingText));
    EXPECT_EQ(SoundFile(Sound::kSection), "Audio\\25.wav");
    EXPECT_TRUE(gSettings.czasRzeczywisty);
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Dzwieki", "Odjazd"), "1");
    EXPECT_EQ(*gIni.Find("Dzwieki", "Blad"), "0");
}

TEST_F(SettingsFile, DelayOptionsGoThroughTheTimetable)
{
    Game& game = TheGame();
    game.LookAhead(30);
    for (int cls = 0; cls < 6; ++cls) game.DelayChance(cls, 0, cls), game.DelayChance(cls, 1, cls);
    gIni.Set("Opoznienia", "Wyprzedzenie", "60");
    gIni.Set("Opoznienia", "Podmiejski-", "7");
    gIni.Set("Opoznienia", "Specjalny+", "44");
    // Out of range values are clamped, as the options dialog clamps them.
    gIni.Set("Opoznienia", "Osobowy+", "2147483647");
    gIni.Set("Opoznienia", "Osobowy-", "-2147483648");
    LoadSettings();
    EXPECT_EQ(game.LookAhead(), 60);
    EXPECT_EQ(game.DelayChance(0, 0), 7);
    EXPECT_EQ(game.DelayChance(0, 1), 0);  // missing: the timetable keeps its value
    EXPECT_EQ(game.DelayChance(5, 1), 44);
    EXPECT_EQ(game.DelayChance(1, 1), 100);
    EXPECT_EQ(game.DelayChance(1, 0), 0);
    gIni.Set("Opoznienia", "Wyprzedzenie", "-2147483648");
    LoadSettings();
    EXPECT_EQ(game.LookAhead(), 15);  // clamped to 0, which the timetable keeps as 15
    gIni.Set("Opoznienia", "Wyprzedzenie", "60");
    gIni.Set("Opoznienia", "Osobowy+", "1");
    gIni.Set("Opoznienia", "Osobowy-", "1");
    LoadSettings();

    game.DelayChance(3, 1, 25);
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Opoznienia", "Expres+"), "25");
    EXPECT_EQ(*gIni.Find("Opoznienia", "Osobowy-"), "1");
    EXPECT_EQ(*gIni.Find("Opoznienia", "Wyprzedzenie"), "60");
}

TEST_F(SettingsFile, RozkladKeysAreCopiedUnchanged)
{
    gIni.Set("Rozklad", "Serwer", "http://serwer.example/rozklad/ ");
    gIni.Set("Rozklad", "OdswiezanieMinut", "3");
    SaveSettings();
    EXPECT_EQ(*gIni.Find("Rozklad", "Serwer"), "http://serwer.example/rozklad/ ");
    EXPECT_EQ(*gIni.Find("Rozklad", "Token"), "");
    EXPECT_EQ(*gIni.Find("Rozklad", "OdswiezanieMinut"), "3");

    EXPECT_EQ(ReadRozkladSetting("Serwer"), "http://serwer.example/rozklad");
    EXPECT_EQ(ReadRozkladSetting("Token"), kBuiltInToken);
    EXPECT_EQ(ReadRozkladSetting("OdswiezanieMinut"), "3");
    gIni.Set("Rozklad", "Serwer", " /\t/");
    EXPECT_EQ(ReadRozkladSetting("Serwer"), kBuiltInServer);
    gIni.Set("Rozklad", "OdswiezanieMinut", "");
    EXPECT_EQ(ReadRozkladSetting("OdswiezanieMinut"), "");
}

TEST(ProfileInt, ReadsAsThePrivateProfileCalls)
{
    EXPECT_EQ(ParseProfileInt("", 14), 14);
    EXPECT_EQ(ParseProfileInt("780", 1), 780);
    EXPECT_EQ(ParseProfileInt("  -3", 1), -3);
    EXPECT_EQ(ParseProfileInt("+12abc", 1), 12);
    EXPECT_EQ(ParseProfileInt("abc", 5), 0);
    EXPECT_EQ(ParseProfileInt("0x00FF00", 5), 0xFF00);
    EXPECT_EQ(ParseProfileInt("99999999999999999999", 5), 2147483647);
    EXPECT_EQ(ParseProfileInt("-99999999999999999999", 5), -2147483647 - 1);
}

std::set<std::string> gExisting;
bool Exists(const std::string& path) { return gExisting.count(path) != 0; }

TEST(DataPath, AbsoluteNamesStayBareNamesAreLookedForBesideTheProgramThenAbove)
{
    const std::string exe = "C:\\Gry\\Semarion\\bin\\semarion.exe";
    gExisting = {"C:\\Gry\\Semarion\\bin\\..\\Audio\\22.wav", "C:\\Gry\\Semarion\\bin\\Audio\\01.wav"};
    EXPECT_EQ(ResolveDataPathFrom("", exe, Exists), "");
    EXPECT_EQ(ResolveDataPathFrom("D:\\x.wav", exe, Exists), "D:\\x.wav");
    EXPECT_EQ(ResolveDataPathFrom("\\x.wav", exe, Exists), "\\x.wav");
    EXPECT_EQ(ResolveDataPathFrom("/x.wav", exe, Exists), "/x.wav");
    EXPECT_EQ(ResolveDataPathFrom("Audio\\01.wav", exe, Exists), "C:\\Gry\\Semarion\\bin\\Audio\\01.wav");
    EXPECT_EQ(ResolveDataPathFrom("Audio\\22.wav", exe, Exists), "C:\\Gry\\Semarion\\bin\\..\\Audio\\22.wav");
    EXPECT_EQ(ResolveDataPathFrom("Audio\\03.wav", exe, Exists), "Audio\\03.wav");
    EXPECT_EQ(ResolveDataPathFrom("Audio\\01.wav", "", Exists), "Audio\\01.wav");
    EXPECT_EQ(ResolveDataPathFrom("Audio\\01.wav", "semarion.exe", Exists), "Audio\\01.wav");
    EXPECT_EQ(ResolveDataPathFrom("a.wav", "C:/Gry/semarion.exe", [](const std::string& p) {
                  return p == "C:/Gry\\a.wav";
              }), "C:/Gry\\a.wav");
}

}  // namespace
