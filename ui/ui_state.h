// The user interface's shared flags: game running, pause, activity, the
// selection of the station schematic and the line-section request.
#pragma once

#include <string>

struct UiFlags {
    bool gameRunning = false;   ///< a game is loaded (set by the game files)
    bool paused = false;        ///< the player's pause
    bool appActive = true;      ///< the program is the active application
    bool previewOpen = false;   ///< the consist preview window is open
    int prevDueDepartures = 0;  ///< trains due to depart at the previous timer message
};

// The selection of the station schematic.
struct SelectionState {
    int selectedTile = 0;          ///< TileCode of the selected consist's point, 0 = none
    bool routeLaying = false;      ///< a route is being laid
    bool candidatesShown = false;  ///< route candidates are drawn
};

// What the line-section permission dialog is asked and answers.
struct SectionRequest {
    int entryTile = 0;          ///< TileCode of the line's entry point
    int entryNumber = 0;        ///< the line's number as the player knows it (1..9)
    std::string waitingTrain;   ///< number text of the train that asks (ask mode)
    int answer = 0;             ///< 0 = permission, N > 0 = the train waits N minutes
};

extern UiFlags gUi;
extern SelectionState gSelection;
extern SectionRequest gSectionRequest;

// The point of the selected consist while a game runs, else -1. Tile 0 means
// nothing is selected and is never looked up.
int SelectedPoint();
