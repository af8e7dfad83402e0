// What only the window can do for the panes' mouse commands: repaint one
// pane and open the windows a click opens. Their message line and error
// sound go where the simulation's go (simulation/notify.h). The main window
// plugs in its Win32 calls; until then, and in tests that record them, these
// are plain function pointers.
#pragma once

#include <cstdint>

#include "model/game.h"

struct PaneInputSink {
    void (*repaintStation)();             ///< the station schematic
    void (*repaintTrain)();               ///< the train pane
    /// The siding window in choosing mode; false when closed without a choice, else *row is the sub-track row.
    bool (*chooseSubTrack)(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, int32_t* row);
    /// The siding window in viewing mode.
    void (*viewSiding)(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile);
    void (*openDepot)();                  ///< the depot window
    void (*openTimetable)(int32_t mode);  ///< the timetable window: 2 arrivals, 1 departures
};

// Stand-ins: nothing repainted, no window (the siding chooser closes
// without a choice).
extern const PaneInputSink kNoPaneInputSink;

// Replaces the sink and returns the one before; a member left null keeps its stand-in.
PaneInputSink SetPaneInputSink(PaneInputSink sink);
const PaneInputSink& ThePaneInputSink();

// A refused command: its text in the message line, one penalty event of the
// shift's score when it counts (AddPenaltyEvent), and the error sound
// ([Dzwieki] Blad).
void RefuseCommand(const Game& game, const char* text, bool penalty);

// A double click on a board opens the timetable window on that board's side.
void BoardDoubleClick(bool arrivalsBoard);
