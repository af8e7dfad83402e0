// The depot window without windows: one cell per locomotive type in a grid of
// two columns, its counts and readiness text, the numbers of the parked, fit
// locomotives a click can call out, and what a click on the pane does.
// Positions are logical units (pane pixels divided by uiScale).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "ui/level_bar.h"

constexpr int32_t kDepotStartBaseWidth = 110;  ///< picture column before any picture is wider
constexpr int32_t kDepotCellHeight = 40;
constexpr int32_t kDepotTableRows = 12;
constexpr int32_t kDepotTableColumns = 2;
constexpr int32_t kDepotCellValues = 51;                   ///< the type, then numbers ended by -1
constexpr int32_t kDepotCellNumbers = kDepotCellValues - 2;  ///< room for the end mark
constexpr int32_t kDepotTextRow = 20;       ///< y of the name and the counts in a cell
constexpr int32_t kDepotReadinessRow = 2;   ///< y of the readiness text
constexpr int32_t kDepotPaneMargin = 6;     ///< added below the last row

constexpr int32_t kDepotFitColour = RgbColour(0, 0, 0);
constexpr int32_t kDepotDamagedColour = RgbColour(255, 0, 0);
constexpr int32_t kDepotPreparingColour = RgbColour(0, 0, 255);

// The cell's columns, all from one base width (the widest locomotive picture).
struct DepotGeometry {
    int32_t baseWidth = kDepotStartBaseWidth;  ///< the picture column

    int32_t NameX() const { return baseWidth + 5; }
    int32_t FirstCountX() const { return baseWidth + 70; }
    int32_t SecondCountX() const { return baseWidth + 110; }
    int32_t ThirdCountX() const { return baseWidth + 150; }
    int32_t CellWidth() const { return baseWidth + 210; }
};

// A cell: [0] its vehicle type, [1..] the numbers of that type's parked, fit
// locomotives in depot order, ended by -1. An empty cell is all zeros.
using DepotCell = std::array<int32_t, kDepotCellValues>;
using DepotCellTable = std::array<std::array<DepotCell, kDepotTableColumns>, kDepotTableRows>;

// A run of consecutive listed entries of one type: one cell of the window.
struct DepotTypeRun {
    int32_t type = 0;   ///< the vehicle type
    int32_t first = 0;  ///< its first row of the listing
    int32_t count = 0;  ///< rows of the listing
};
std::vector<DepotTypeRun> DepotTypeRuns(const DepotStats& stats);

// The picture column: 110, or the widest picture of a listed type 1..299.
// widthOf gives a type's picture width in pixels, 0 without a picture.
using DepotPictureWidth = int32_t (*)(int32_t type);
int32_t MeasureLocoBitmaps(const DepotStats& stats, DepotPictureWidth widthOf);

// The pane's logical size for `types` types: two cells wide, ceil(types / 2)
// rows (at least one) high plus the margin.
struct DepotPaneExtent {
    int32_t width = 0;   ///< units
    int32_t height = 0;  ///< units
};
DepotPaneExtent DepotPaneSize(int32_t types, const DepotGeometry& geometry);

// When the next locomotive of a type will be ready, gathered entry by entry.
struct DepotReadiness {
    bool ready = false;      ///< one is ready to leave
    int32_t countdown = -1;  ///< smallest preparation countdown, -1 for none

    void Accumulate(int32_t status, int32_t entryCountdown);
    // "gotowa", "H:MM (za M min)" or ""; the accumulator starts afresh.
    std::string Text(Game& game);
};

// What one cell shows.
struct DepotCellView {
    int32_t row = 0;        ///< row of the grid
    int32_t column = 0;     ///< 0 left, 1 right
    int32_t type = 0;       ///< its vehicle type
    std::string name;       ///< the type's name
    int32_t fit = 0;        ///< parked, fit locomotives
    int32_t damaged = 0;    ///< waiting for or under repair
    int32_t preparing = 0;  ///< being prepared or ready
    std::string readiness;  ///< empty when none is being prepared
};

// The cells of the game's depot now, the first half of the types down the
// left column, the rest down the right one. `cells` is made anew: the drawn
// cells get their type and numbers (types past the grid's 24 cells and
// numbers past 49 are shown but not listed), every other cell is empty.
std::vector<DepotCellView> PlanDepotCells(Game& game, DepotCellTable& cells);

// The numbers of a cell up to its end mark.
std::vector<int32_t> DepotCellNumbers(const DepotCell& cell);

// A click on the pane at logical (x, y).
enum class DepotClickKind : int32_t {
    kHideList,   ///< beside the pictures: an open choice closes
    kNothing,    ///< on a picture column, outside the grid
    kEmptyCell,  ///< a cell without a parked, fit locomotive
    kChoices,    ///< shed transfers: the player picks one of `choices`
    kCalledOut,  ///< the cell's first locomotive was called out
};
struct DepotClickResult {
    DepotClickKind kind = DepotClickKind::kNothing;  ///< what happened
    int32_t row = 0;                                 ///< the cell's row (from kEmptyCell on)
    int32_t column = 0;                              ///< the cell's column
    std::vector<std::string> choices;                ///< unit names, one per number of the cell
};
DepotClickResult DepotPaneClick(Game& game, const DepotCellTable& cells, const DepotGeometry& geometry, int32_t x,
                                int32_t y);

// Calls out the locomotive at `position` of a cell's numbers: the depot's
// result, kDepotTypeAbsent for a position the cell does not have.
int32_t DepotCallOut(Game& game, const DepotCell& cell, int32_t position);
