// The main window's commands: ids, the menu table with texts and accelerators,
// and the window-free part of the commands that this window carries out itself.
#pragma once

#include <cstddef>
#include <string>

// Menu command ids (the resource script uses the same numbers).
constexpr int kCmdNewGame = 40001;
constexpr int kCmdLoadGame = 40002;
constexpr int kCmdSaveGame = 40003;
constexpr int kCmdSaveGameAs = 40004;
constexpr int kCmdExit = 40005;
constexpr int kCmdArrivals = 40010;
constexpr int kCmdDepartures = 40011;
constexpr int kCmdEntriesExits = 40012;
constexpr int kCmdDepot = 40013;
constexpr int kCmdViewSizes = 40014;
constexpr int kCmdTrackList = 40016;
constexpr int kCmdTodayTimetable = 40017;
constexpr int kCmdShiftSummary = 40018;
constexpr int kCmdEventLog = 40019;
constexpr int kCmdOptionsClock = 40020;
constexpr int kCmdOptionsDelays = 40021;
constexpr int kCmdOptionsSettings = 40022;
constexpr int kCmdOptionsColours = 40023;
constexpr int kCmdOptionsSounds = 40024;
constexpr int kCmdPause = 40025;
constexpr int kCmdRemarks = 40026;
constexpr int kCmdRealTime = 40027;
constexpr int kCmdHelp = 40030;
constexpr int kCmdAbout = 40031;
constexpr int kCmdUpcoming = 40032;
constexpr int kCmdFindTrain = 40033;
constexpr int kCmdLoadAutosave = 40034;
constexpr int kCmdCentreSchematic = 40035;
constexpr int kCmdDisruptions = 40036;
constexpr int kCmdHints = 40037;
constexpr int kCmdFictionalTimetable = 40038;
constexpr int kCmdExtinguish = 40039;
constexpr int kCmdFireUp = 40040;
constexpr int kCmdOptionsOther = 40041;

struct MenuItem {
    int id;               ///< command id
    const char* text;     ///< item text; after a TAB the accelerator
    bool gameOnly;        ///< does nothing while no game runs
    bool separatorAfter;  ///< a separator follows the item
};

struct Menu {
    const char* title;      ///< popup title
    const MenuItem* items;  ///< its items in order
    size_t count;           ///< number of items
};

extern const Menu kMenus[];
extern const size_t kMenuCount;
const MenuItem* FindMenuItem(int id);  // null for an id without an item

// An accelerator as a virtual key with or without Ctrl.
struct AcceleratorKey {
    int key;    ///< virtual-key code
    bool ctrl;  ///< Ctrl held
};
// The accelerator named after the TAB of an item text; false when it has none.
bool ParseAccelerator(const char* itemText, AcceleratorKey& key);

// Commands carried out by the main window, without their Win32 side.
bool TogglePause();                       // returns the new pause state
const char* ToggleDisruptions();          // returns the status text
const char* ToggleHints();                // returns the status text
bool SteamCommandEnabled(int id);         // kCmdExtinguish or kCmdFireUp
const char* RunSteamCommand(int id);      // refusal text, or null when done
std::string RealTimeFromNow(int localHour, int localMinute);  // status text
bool CancelRouteLaying();                 // Esc: true when a route was being laid
// "Spis treści" that opened nothing: neither the contents page nor the help
// book is there (no help installed), or the page is and could not be opened.
std::string HelpFailedText(const std::string& contentsPath, const std::string& bookPath, bool contentsFound);
constexpr const char kHelpCaption[] = "Pomoc";
