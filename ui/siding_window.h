// The siding window without windows: which siding it shows and in which mode,
// the sub-track bands with their rails, labels, signals, vehicles and texts,
// the vehicles' hit ranges, and what a click in a band does to the game (a
// sub-track chosen for a route, a sub-track's consist selected, a coupling,
// a pantograph or a turned locomotive). Pane units become pixels at the
// user-interface scale s: trunc(u s). The Win32 side measures the vehicle
// strips, draws the plan and ends the dialog when a click says so.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "ui/layout.h"
#include "ui/train_pane.h"

constexpr int kSidingDialog = 450;             ///< dialog resource "Bocznica"
constexpr int32_t kSidingMaxRows = 10;         ///< sub-tracks shown at most
constexpr int32_t kSidingBand = 58;            ///< units of one sub-track's band
constexpr int32_t kSidingIconRight = 27;       ///< last unit of the signal column that selects a consist
constexpr int32_t kSidingVehiclesX = 85;       ///< where the first vehicle of a band starts
constexpr int32_t kSidingMinWidth = 415;       ///< narrowest pane, in units
constexpr int32_t kSidingRoomAfter = 190;      ///< units after the last vehicle's left edge
constexpr int32_t kSidingPaneMargin = 5;       ///< pixels around the pane in the dialog
constexpr int32_t kSidingRailColour = RgbColour(150, 150, 150);

// The window's state while it is open, and what it chose after.
struct SidingWindowState {
    int32_t point = -1;         ///< the siding's StationPoint
    int32_t firstRow = 0;       ///< slot-grid row of its first sub-track
    int32_t lastRow = 0;        ///< slot-grid row of its last sub-track
    TileCode tile = 0;          ///< the siding's tile on the schematic
    bool choosing = false;      ///< opened to choose a route's sub-track
    bool chosen = false;        ///< a sub-track was chosen (false at each opening)
    int32_t chosenRow = -1;     ///< slot-grid row of the chosen sub-track
    bool open = false;          ///< the dialog is open: the timer repaints its pane
};
extern SidingWindowState gSidingWindow;

// Per shown sub-track the x range (units) of each slot's vehicles as last
// painted; (-1, -1) where nothing was. Clicks act on what was painted.
using SidingHitTable = std::array<VehicleHitRanges, kSidingMaxRows>;
extern SidingHitTable gSidingHits;

// The state for an opening: the siding, its rows and mode, nothing chosen.
void BeginSidingWindow(SidingWindowState& state, int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile,
                       bool choosing);

// clamp(last - first + 1, 1, 10): an inverted range still shows one band.
int32_t SidingRowCount(const SidingWindowState& state);

// "Bocznica B1  (tory B1/1-B1/3)", or "Bocznica  (tory 1-3)" without a short code.
std::string SidingTitle(Game& game, const SidingWindowState& state);
// "B1/2", or "2" without a short code; at most 7 characters.
std::string SubTrackLabel(const std::string& shortCode, int32_t subTrack);

// Width in units of the vehicles standing in a slot (picture widths; 0 measures none).
using SlotStripWidth = int32_t (*)(int32_t row, int32_t slot);

// The widest band's need (each vehicle, 10 units after a joint that is not
// coupled, at least 190 after the last vehicle's left edge), at least 415,
// plus 10.
int32_t SidingPaneWidth(Game& game, const SidingWindowState& state, SlotStripWidth width);

// What the painter draws. Pictures are placed in units (the strip drawer
// scales them); every other coordinate is in pixels.
struct SidingRail {
    int32_t left = 0;   ///< pixels
    int32_t y = 0;      ///< pixels
};
struct SidingSignal {
    int32_t y = 0;       ///< top, pixels (left is 0)
    bool moving = false; ///< the signal up: slot 0's consist moves
};
struct SidingPicture {
    int32_t row = 0;  ///< slot-grid row
    int32_t slot = 0; ///< its slot
    int32_t x = 0;    ///< left, units
    int32_t y = 0;    ///< top, units
};
struct SidingPanePlan {
    std::vector<SidingRail> rails;         ///< one per band, to the pane's right edge
    std::vector<SidingSignal> signals;     ///< one per band
    std::vector<SidingPicture> pictures;   ///< the vehicles
    std::vector<PaneText> texts;           ///< labels and vehicle texts (kRegular, kBold, kItalic: board fonts)
    SidingHitTable hits;                   ///< for gSidingHits
};
SidingPanePlan PlanSidingPane(Game& game, const SidingWindowState& state, SlotStripWidth width, double scale);

// What the dialog does after a click.
enum class SidingClickOutcome : int32_t {
    kNothing,  ///< nothing more
    kRepaint,  ///< the pane is repainted
    kClose,    ///< the dialog ends
};

// A click at pane units (x, y): the message line cleared, then in choosing
// mode the band's sub-track chosen; else on the signal column of a band with
// vehicles its consist selected for a route (slot 0's link of the siding
// names the sub-track, then the siding's tile is right-clicked); else the
// joint left (left button) or right (right button) of the vehicle hit is
// coupled or uncoupled. Messages go to the pane input sink, without sound or
// penalty.
SidingClickOutcome SidingPaneClick(Game& game, SidingWindowState& state, const SidingHitTable& hits, bool rightButton,
                                   int32_t x, int32_t y);
// Shift + left button, outside choosing mode: the other pantograph of the
// vehicle hit, or for one that is not electric the turntable's answer.
SidingClickOutcome SidingPaneShiftClick(Game& game, const SidingWindowState& state, const SidingHitTable& hits,
                                        int32_t x, int32_t y);

// Where the dialog's pane and its "Zamknij" button go in a client area.
struct SidingDialogLayout {
    PaneRect pane;    ///< at (5, 5), the client less 10 x 35
    PaneRect button;  ///< 60 x 20, centred, 26 above the bottom
};
SidingDialogLayout LayOutSidingDialog(int32_t clientWidth, int32_t clientHeight);

// Where the dialog goes: a frame of frameWidth x frameHeight, each clamped to
// the work area's size, centred over the owner (or the work area without
// one); a remembered rectangle whose width and height are both at least 1
// replaces it; then it is pushed inside the work area, its top left corner
// winning when it is larger.
PaneRect PlaceSidingWindow(int32_t frameWidth, int32_t frameHeight, const PaneRect& workArea, const PaneRect* owner,
                           const PaneRect& remembered);
