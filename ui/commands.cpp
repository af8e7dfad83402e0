// The menu table and the main window's own commands.
#include "ui/commands.h"

#include <cstdio>
#include <cstring>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/routes.h"
#include "simulation/supplies.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

namespace {

constexpr bool kGame = true;  // game only
constexpr bool kAny = false;
constexpr bool kSep = true;   // separator after
constexpr bool kNoSep = false;

const MenuItem kFileItems[] = {
    {kCmdNewGame, "&Nowa gra...\tCtrl+N", kAny, kNoSep},
    {kCmdTodayTimetable, "Nowa gra na &dziś (pobierz aktualny rozkład)...\tCtrl+R", kAny, kNoSep},
    {kCmdFictionalTimetable, "Nowa gra na rozkładzie &fikcyjnym...\tCtrl+L", kAny, kNoSep},
    {kCmdLoadGame, "&Wczytaj stan gry...\tCtrl+W", kAny, kNoSep},
    {kCmdLoadAutosave, "Wczytaj ostatni &autozapis", kAny, kSep},
    {kCmdSaveGame, "Zapisz &stan gry\tCtrl+S", kGame, kNoSep},
    {kCmdSaveGameAs, "&Zapisz stan gry jako...", kGame, kSep},
    {kCmdExit, "Za&kończ", kAny, kNoSep},
};
const MenuItem kTimetableItems[] = {
    {kCmdArrivals, "&Przyjazdy\tP", kAny, kNoSep},
    {kCmdDepartures, "&Odjazdy\tO", kAny, kSep},
    {kCmdEntriesExits, "&Wjazdy/Wyjazdy\tW", kAny, kNoSep},
    {kCmdDepot, "&Lokomotywownia\tL", kGame, kSep},
    {kCmdTrackList, "&Tory postojowe (co gdzie stoi)\tT", kGame, kSep},
    {kCmdFindTrain, "&Szukaj pociągu...\tCtrl+F", kGame, kNoSep},
};
const MenuItem kShiftItems[] = {
    {kCmdUpcoming, "&Najbliższe pół godziny\tN", kGame, kNoSep},
    {kCmdEventLog, "&Dziennik zdarzeń\tZ", kGame, kNoSep},
    {kCmdShiftSummary, "Podsumowanie dy&żuru\tB", kGame, kSep},
    {kCmdExtinguish, "&Wygaś parowóz", kAny, kNoSep},
    {kCmdFireUp, "&Rozpal parowóz", kAny, kSep},
    {kCmdDisruptions, "&Utrudnienia (zamykane tory, szczyt, zima)", kAny, kNoSep},
    {kCmdHints, "Po&dpowiedzi dyżurnego", kAny, kSep},
    {kCmdPause, "&Pauza\tCtrl+P", kAny, kNoSep},
};
const MenuItem kOptionsItems[] = {
    {kCmdOptionsClock, "&Zegar...\tCtrl+G", kAny, kNoSep},
    {kCmdOptionsDelays, "&Opóźnienia...\tCtrl+O", kAny, kNoSep},
    {kCmdOptionsSettings, "&Ustawienia...\tCtrl+U", kAny, kNoSep},
    {kCmdOptionsSounds, "&Dźwięki...\tCtrl+D", kAny, kNoSep},
    {kCmdOptionsOther, "&Inne (zapasy lokomotyw, palenisko)...", kAny, kSep},
    {kCmdRealTime, "Czas &rzeczywisty od teraz\tCtrl+T", kGame, kSep},
    {kCmdRemarks, "&Uwagi", kAny, kNoSep},
};
const MenuItem kViewItems[] = {
    {kCmdCentreSchematic, "&Wyśrodkuj schemat\tHome", kAny, kNoSep},
    {kCmdViewSizes, "&Rozmiary okien i schematu...", kAny, kNoSep},
    {kCmdOptionsColours, "&Kolory...\tCtrl+K", kAny, kNoSep},
};
const MenuItem kHelpItems[] = {
    {kCmdHelp, "&Spis treści", kAny, kSep},
    {kCmdAbout, "O programie", kAny, kNoSep},
};

template <size_t N>
constexpr Menu MakeMenu(const char* title, const MenuItem (&items)[N])
{
    return Menu{title, items, N};
}

constexpr int kVkHome = 0x24;

}  // namespace

const Menu kMenus[] = {
    MakeMenu("&Plik", kFileItems),     MakeMenu("&Rozkład", kTimetableItems),
    MakeMenu("D&yżur", kShiftItems),   MakeMenu("&Opcje", kOptionsItems),
    MakeMenu("&Widok", kViewItems),    MakeMenu("Pomo&c", kHelpItems),
};
const size_t kMenuCount = sizeof kMenus / sizeof kMenus[0];

const MenuItem* FindMenuItem(int id)
{
    for (const Menu& menu : kMenus)
        for (size_t i = 0; i < menu.count; ++i)
            if (menu.items[i].id == id) return &menu.items[i];
    return nullptr;
}

bool ParseAccelerator(const char* itemText, AcceleratorKey& key)
{
    const char* tab = std::strchr(itemText, '\t');
    if (!tab) return false;
    const char* name = tab + 1;
    key.ctrl = std::strncmp(name, "Ctrl+", 5) == 0;
    if (key.ctrl) name += 5;
    if (std::strcmp(name, "Home") == 0) {
        key.key = kVkHome;
        return true;
    }
    if (std::strlen(name) != 1) return false;
    key.key = static_cast<unsigned char>(name[0]);  // a letter's virtual key is its capital
    return true;
}

bool TogglePause()
{
    gUi.paused = !gUi.paused;
    ResetClockTickBase();
    return gUi.paused;
}

const char* ToggleDisruptions()
{
    gSettings.utrudnienia = !gSettings.utrudnienia;
    if (gUi.gameRunning) StartDisruptions(TheGame());
    return gSettings.utrudnienia ? "Utrudnienia włączone: tory bywają zamykane, w szczycie rośnie skala opóźnień."
                                 : "Utrudnienia wyłączone - dyżur bez niespodzianek.";
}

const char* ToggleHints()
{
    gSettings.podpowiedzi = !gSettings.podpowiedzi;
    return gSettings.podpowiedzi ? "Podpowiedzi włączone: w rogu schematu widac, czym trzeba sie zająć."
                                 : "Podpowiedzi wyłączone.";
}

std::string HelpFailedText(const std::string& contentsPath, const std::string& bookPath, bool contentsFound)
{
    if (contentsFound) return "Nie udało się otworzyć pomocy: " + contentsPath;
    return "Pomoc nie jest zainstalowana. Program szuka jej w pliku " + contentsPath + " albo " + bookPath + ".";
}

bool SteamCommandEnabled(int id)
{
    int point = SelectedPoint();
    int slot = id == kCmdExtinguish ? FindSlotToExtinguish(TheGame(), point) : FindSlotToFireUp(TheGame(), point);
    return slot >= 0;
}

const char* RunSteamCommand(int id)
{
    int point = SelectedPoint();
    if (id == kCmdExtinguish)
        return ExtinguishSteamLoco(TheGame(), point) ? nullptr
                                                      : "Zaznacz najpierw stojący parowóz, który ma zostać wygaszony";
    return FireUpSteamLoco(TheGame(), point) ? nullptr : "Zaznacz najpierw wygaszony parowóz";
}

std::string RealTimeFromNow(int localHour, int localMinute)
{
    int placed = SyncClockToLocalTime(localHour * 100 + localMinute);
    char text[200];
    std::snprintf(text, sizeof text,
                  "Godzina %02d:%02d - sytuacja ruchowa ustawiona na teraz (składów na stacji: %d), tempo rzeczywiste.",
                  localHour, localMinute, placed);
    return text;
}

bool CancelRouteLaying()
{
    if (!gUi.gameRunning || !(gSelection.routeLaying || gSelection.candidatesShown)) return false;
    gSelection.routeLaying = false;
    gSelection.candidatesShown = false;
    TheGame().RouteSelection(kRouteClear, kRouteClear, false);
    return true;
}
