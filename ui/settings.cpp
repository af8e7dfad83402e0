// Reading and writing "semarion.ini": one table of keys walked by both.
#include "ui/settings.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/notify.h"
#include "ui/options_form.h"
#include "ui/startup.h"

const char kBuiltInServer[] = "http://localhost:8080";
const char kBuiltInToken[] = "";

namespace {

enum class KeyType { kInt, kBool, kColour, kPercent, kText };

// One key of the file: where it lives in Settings and how it is clamped.
struct SettingKey {
    const char* section;              ///< INI section
    const char* key;                  ///< INI key
    KeyType type;                     ///< how it is read and written
    int Settings::*intField;          ///< kInt and kColour
    bool Settings::*boolField;        ///< kBool
    double Settings::*percentField;   ///< kPercent, held as value / 100
    std::string Settings::*textField; ///< kText
    int low;                          ///< clamp of kInt and kPercent
    int high;                         ///< clamp of kInt and kPercent

    SettingKey(const char* s, const char* k, int Settings::*f, int lo = INT_MIN, int hi = INT_MAX)
        : section(s), key(k), type(KeyType::kInt), intField(f), boolField(nullptr),
          percentField(nullptr), textField(nullptr), low(lo), high(hi) {}
    SettingKey(const char* s, const char* k, bool Settings::*f)
        : section(s), key(k), type(KeyType::kBool), intField(nullptr), boolField(f),
          percentField(nullptr), textField(nullptr), low(0), high(0) {}
    SettingKey(const char* s, const char* k, double Settings::*f, int lo, int hi)
        : section(s), key(k), type(KeyType::kPercent), intField(nullptr), boolField(nullptr),
          percentField(f), textField(nullptr), low(lo), high(hi) {}
    SettingKey(const char* s, const char* k, std::string Settings::*f)
        : section(s), key(k), type(KeyType::kText), intField(nullptr), boolField(nullptr),
          percentField(nullptr), textField(f), low(0), high(0) {}
};

SettingKey Colour(const char* key, int Settings::*field)
{
    SettingKey colour("Kolor", key, field);
    colour.type = KeyType::kColour;
    return colour;
}

// The keys in the order of the file ([Opoznienia] and [Rozklad] are handled apart).
const SettingKey kKeys[] = {
    {"Zegar", "Interval", &Settings::interval},
    {"Zegar", "Czas_rzeczywisty", &Settings::czasRzeczywisty},
    {"Opcje", "Pauza_zaznaczanie", &Settings::pauzaZaznaczanie},
    {"Opcje", "Pauza_podglad", &Settings::pauzaPodglad},
    {"Opcje", "Pauza_nieaktywne", &Settings::pauzaNieaktywne},
    {"Opcje", "Rozklad_pierwszych", &Settings::rozkladPierwszych},
    {"Opcje", "Staly_rozmiar", &Settings::stalyRozmiar},
    {"Opcje", "Utrudnienia", &Settings::utrudnienia},
    {"Opcje", "Podpowiedzi", &Settings::podpowiedzi},
    {"Opcje", "Autozapis_minut", &Settings::autozapisMinut, 0, 120},
    {"Zapasy", "Wlaczone", &Settings::zapasyWlaczone},
    {"Zapasy", "Woda_sekund", &Settings::wodaSekund, 3600},
    {"Zapasy", "Wegiel_sekund", &Settings::wegielSekund, 3600},
    {"Zapasy", "Paliwo_sekund", &Settings::paliwoSekund, 3600},
    {"Zapasy", "Wygaszanie_sekund", &Settings::wygaszanieSekund, 0},
    {"Zapasy", "Rozpalanie_sekund", &Settings::rozpalanieSekund, 0},
    {"Kolor", "Tlo", &Settings::tlo},
    Colour("Schemat_stacji", &Settings::schematStacji),
    Colour("Przyjazdy", &Settings::przyjazdy),
    Colour("Odjazdy", &Settings::odjazdy),
    Colour("Podglad_skladow", &Settings::podgladSkladow),
    {"Dzwieki", "Dzwiek", &Settings::dzwiek},
    {"Dzwieki", "Nowy_pociag", &Settings::nowyPociag},
    {"Dzwieki", "Nowy_pociag_plik", &Settings::nowyPociagPlik},
    {"Dzwieki", "Blad", &Settings::blad},
    {"Dzwieki", "Blad_plik", &Settings::bladPlik},
    {"Dzwieki", "Mijanka", &Settings::mijanka},
    {"Dzwieki", "Mijanka_plik", &Settings::mijankaPlik},
    {"Dzwieki", "Odjazd", &Settings::odjazd},
    {"Dzwieki", "Odjazd_plik", &Settings::odjazdPlik},
    {"Dzwieki", "Pkt_karne", &Settings::pktKarne},
    {"Dzwieki", "Pkt_karne_plik", &Settings::pktKarnePlik},
    {"Dzwieki", "Opoznienie", &Settings::opoznienie},
    {"Dzwieki", "Opoznienie_plik", &Settings::opoznieniePlik},
    {"Widok", "Szerokosc_tablic", &Settings::szerokoscTablic, 6, 30},
    {"Widok", "Wysokosc_podgladu", &Settings::wysokoscPodgladu, 8, 40},
    {"Widok", "Rozmiar_schematu", &Settings::rozmiarSchematu, 20, 300},
    {"Widok", "Powiekszenie_podgladu", &Settings::powiekszeniePodgladu, 50, 300},
    {"Widok", "Cale_sklady", &Settings::caleSklady},
    {"Widok", "Dopasuj_do_stacji", &Settings::dopasujDoStacji},
    {"Widok", "Opisy_torow", &Settings::opisyTorow},
    {"Widok", "Wjazdy_w", &Settings::wjazdyW},
    {"Widok", "Wjazdy_h", &Settings::wjazdyH},
    {"Widok", "Rozklad_w", &Settings::rozkladW},
    {"Widok", "Rozklad_h", &Settings::rozkladH},
    {"Widok", "Lokom_w", &Settings::lokomW},
    {"Widok", "Lokom_h", &Settings::lokomH},
    {"Widok", "Podglad_w", &Settings::podgladW},
    {"Widok", "Podglad_h", &Settings::podgladH},
    {"Widok", "Bocznica_x", &Settings::bocznicaX},
    {"Widok", "Bocznica_y", &Settings::bocznicaY},
    {"Widok", "Bocznica_w", &Settings::bocznicaW},
    {"Widok", "Bocznica_h", &Settings::bocznicaH},
};

const char* const kReadOrder[] = {"Zegar", "Opoznienia", "Opcje", "Zapasy", "Kolor", "Dzwieki", "Widok"};
const char* const kWriteOrder[] = {"Zegar",  "Opoznienia", "Opcje",   "Rozklad",
                                   "Zapasy", "Kolor",      "Dzwieki", "Widok"};

// The train classes of the delay chances, class 0 to 5.
const char* const kClassNames[] = {"Podmiejski", "Osobowy", "Pospieszny", "Expres", "Towarowy", "Specjalny"};

// [Rozklad] keys with the defaults they are copied with.
struct RozkladKey {
    const char* key;       ///< INI key
    const char* fallback;  ///< value written when the file has none
};
const RozkladKey kRozkladKeys[] = {{"Serwer", ""}, {"Token", ""}, {"OdswiezanieMinut", "5"}};

std::string NoValue(const char*, const char*, const char* fallback, const char*) { return fallback; }
void NoWrite(const char*, const char*, const char*, const char*) {}
IniAccess gIni = {NoValue, NoWrite};

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

int ReadInt(const char* section, const char* key, int fallback)
{
    return ParseProfileInt(IniReadString(section, key, ""), fallback);
}

// Writes go to `path`: the settings file, or its draft.
void WriteText(const std::string& path, const char* section, const char* key, const std::string& value)
{
    gIni.write(section, key, value.c_str(), path.c_str());
}

void WriteInt(const std::string& path, const char* section, const char* key, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d", value);
    WriteText(path, section, key, text);
}

std::string DelayChanceKey(int cls, int sign) { return std::string(kClassNames[cls]) + (sign ? "+" : "-"); }

void LoadKey(const SettingKey& k, const Settings& defaults)
{
    Settings& s = gSettings;
    switch (k.type) {
    case KeyType::kInt:
    case KeyType::kColour:
        s.*k.intField = Clamp(ReadInt(k.section, k.key, defaults.*k.intField), k.low, k.high);
        break;
    case KeyType::kBool:
        s.*k.boolField = ReadInt(k.section, k.key, defaults.*k.boolField) != 0;
        break;
    case KeyType::kPercent: {
        int fallback = static_cast<int>(defaults.*k.percentField * 100 + 0.5);
        s.*k.percentField = Clamp(ReadInt(k.section, k.key, fallback), k.low, k.high) / 100.0;
        break;
    }
    case KeyType::kText:
        s.*k.textField = IniReadString(k.section, k.key, (s.*k.textField).c_str()).substr(0, kMaxSettingText);
        break;
    }
}

void SaveKey(const std::string& path, const SettingKey& k)
{
    const Settings& s = gSettings;
    switch (k.type) {
    case KeyType::kInt:
    case KeyType::kColour: WriteInt(path, k.section, k.key, s.*k.intField); break;
    case KeyType::kBool: WriteText(path, k.section, k.key, s.*k.boolField ? "1" : "0"); break;
    case KeyType::kPercent:
        WriteInt(path, k.section, k.key, static_cast<int>(s.*k.percentField * 100 + 0.5));
        break;
    case KeyType::kText: WriteText(path, k.section, k.key, s.*k.textField); break;
    }
}

void LoadDelayOptions()
{
    Game& game = TheGame();
    // Clamped as the options dialog clamps what the player types.
    game.LookAhead(Clamp(ReadInt("Opoznienia", "Wyprzedzenie", game.LookAhead()), 0, kMaxLookAhead));
    for (int cls = 0; cls < 6; ++cls)
        for (int sign = 0; sign < 2; ++sign) {
            const int chance = ReadInt("Opoznienia", DelayChanceKey(cls, sign).c_str(), BaseDelayChance(game, cls, sign));
            BaseDelayChance(game, cls, sign, Clamp(chance, 0, kMaxChance));
        }
}

void SaveDelayOptions(const std::string& path)
{
    Game& game = TheGame();
    WriteInt(path, "Opoznienia", "Wyprzedzenie", game.LookAhead());
    for (int cls = 0; cls < 6; ++cls)
        for (int sign = 0; sign < 2; ++sign)
            WriteInt(path, "Opoznienia", DelayChanceKey(cls, sign).c_str(), BaseDelayChance(game, cls, sign));
}

// When all four colours read as black the file predates them: all go white.
void WhitenBlackColours()
{
    Settings& s = gSettings;
    if (s.schematStacji == 0 && s.przyjazdy == 0 && s.odjazdy == 0 && s.podgladSkladow == 0)
        s.schematStacji = s.przyjazdy = s.odjazdy = s.podgladSkladow = 0xFFFFFF;
}

bool IsTrailingJunk(char c) { return c == ' ' || c == '\t' || c == '/'; }

void WriteEveryKey(const std::string& path)
{
    for (const char* section : kWriteOrder) {
        std::string name = section;
        if (name == "Opoznienia") {
            SaveDelayOptions(path);
        } else if (name == "Rozklad") {
            for (const RozkladKey& k : kRozkladKeys)
                WriteText(path, section, k.key, IniReadString(section, k.key, k.fallback));
        } else {
            for (const SettingKey& k : kKeys)
                if (name == k.section) SaveKey(path, k);
        }
    }
}

}  // namespace

IniAccess SetIniAccess(IniAccess access)
{
    IniAccess old = gIni;
    gIni = access;
    return old;
}

std::string GetIniPath() { return gGameFolder + "\\semarion.ini"; }

std::string IniReadString(const char* section, const char* key, const char* fallback)
{
    return gIni.read(section, key, fallback, GetIniPath().c_str());
}

int ParseProfileInt(const std::string& text, int fallback)
{
    if (text.empty()) return fallback;
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    int64_t value = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
        int digit = std::isdigit(static_cast<unsigned char>(text[i]))
                        ? text[i] - '0'
                        : std::tolower(static_cast<unsigned char>(text[i])) - 'a' + 10;
        if (digit >= base) break;
        value = value * base + digit;
        if (value > INT64_C(0xFFFFFFFF)) value = INT64_C(0xFFFFFFFF);  // saturate, never overflow
    }
    if (base == 16 && value > INT_MAX) value -= INT64_C(0x100000000);  // hex is a bit pattern
    if (negative) value = -value;
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

void LoadSettings()
{
    const Settings defaults;
    for (const char* section : kReadOrder) {
        if (std::string(section) == "Opoznienia") {
            LoadDelayOptions();
            continue;
        }
        for (const SettingKey& k : kKeys)
            if (std::string(k.section) == section) LoadKey(k, defaults);
    }
    WhitenBlackColours();
}

bool SaveSettings()
{
    const std::string path = GetIniPath();
    const bool drafted = gIni.startDraft && gIni.finishDraft;
    const std::string target = drafted ? gIni.startDraft(path.c_str()) : path;
    bool saved = !target.empty();
    if (saved) WriteEveryKey(target);
    if (saved && drafted) saved = gIni.finishDraft(target.c_str(), path.c_str());
    if (!saved) NotifyStatusText(kSettingsNotSaved);
    return saved;
}

std::string ReadRozkladSetting(const std::string& key)
{
    std::string value = IniReadString("Rozklad", key.c_str(), "");
    while (!value.empty() && IsTrailingJunk(value.back())) value.pop_back();
    if (!value.empty()) return value;
    if (key == "Serwer") return kBuiltInServer;
    if (key == "Token") return kBuiltInToken;
    return std::string();
}

std::string ResolveDataPathFrom(const std::string& file, const std::string& programPath,
                                bool (*exists)(const std::string& path))
{
    if (file.empty()) return file;
    if ((file.size() > 1 && file[1] == ':') || file[0] == '\\' || file[0] == '/') return file;
    size_t slash = programPath.find_last_of("\\/");
    if (slash == std::string::npos) return file;
    std::string folder = programPath.substr(0, slash);
    for (const std::string& candidate : {folder + "\\" + file, folder + "\\..\\" + file})
        if (exists(candidate)) return candidate;
    return file;
}
