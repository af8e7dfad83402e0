// The timetable window's table without windows: its columns and rules, which
// index positions it lists and in what colour and font, the texts of each
// line, its height and scale, and where scrolling leaves it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "ui/level_bar.h"

constexpr int32_t kTimetableTableWidth = 900;  ///< logical units
constexpr int32_t kTimetableLineHeight = 20;   ///< logical units of one line
constexpr int32_t kTimetableTextOffset = 5;    ///< from a line's top to its texts
constexpr int32_t kTimetableLocoColour = RgbColour(0, 0, 0);       ///< the locomotive stays
constexpr int32_t kTimetableLocoChangeColour = RgbColour(0, 128, 0);  ///< another locomotive leaves
constexpr int32_t kTimetablePlaceColour = RgbColour(0, 0, 255);    ///< where the train stands
constexpr double kTimetableMinScale = 0.7;
constexpr double kTimetableMaxScale = 3.0;

// A column's header text and the vertical rule after it (none for the last).
struct TimetableColumn {
    const char* header;  ///< its title
    int32_t headerX;     ///< logical x of the title
    int32_t ruleX;       ///< logical x of the rule after the column; 0 = none
};
// The columns of a mode (kArrivalMode or any other for the departures).
std::vector<TimetableColumn> TimetableColumns(int32_t mode);

struct TimetableCell {
    int32_t x = 0;          ///< logical x
    std::string text;       ///< never empty
    int32_t colour = 0;     ///< 0x00BBGGRR
    bool twoLines = false;  ///< the part after "|" goes on the line below
};

// One listed train.
struct TimetableLine {
    int32_t y = 0;                     ///< logical y of its texts
    int32_t colour = 0;                ///< the row's colour
    bool italic = false;               ///< TableItalicFont instead of TableFont
    std::vector<TimetableCell> cells;  ///< in column order
};

struct TimetablePlan {
    int32_t heightUnits = kTimetableLineHeight;  ///< the table's height in logical units
    std::vector<TimetableLine> lines;            ///< top to bottom
};

// How many index positions the table covers for [Opcje] Rozklad_pierwszych
// `first`: all trains for 0, a negative count or more than there are.
int32_t TimetableRowsShown(const Game& game, int32_t first);
// The table's height in logical units: the header, one line per position and
// one more for each two-unit locomotive cell; at least one line.
int32_t TimetableHeightUnits(const Game& game, int32_t mode, int32_t first);

// The colour of the position's line, or none when the table leaves it out.
// Reading a departure through its index may make it due (TrainStateNow).
std::optional<int32_t> TimetableLineColour(Game& game, int32_t mode, int32_t position);

// The whole table of a mode (kArrivalMode or kDepartureMode).
TimetablePlan PlanTimetable(Game& game, int32_t mode, int32_t first);

// The text of a two-line cell: what comes before the first "|" and what
// follows it (empty without one).
std::pair<std::string, std::string> SplitTwoLineText(const std::string& text);

// The table scale for a pane width: width / 900 within 0.7 .. 3.0.
double TimetableScaleForWidth(int32_t width);
// Logical units at scale s in pixels, truncated.
int32_t TimetablePixels(int32_t units, double s);

// What a pane width x height shows of a table heightUnits high, with the
// scroll positions lowered to the largest ones that still fill the pane.
struct TimetableView {
    double scale = 1.0;       ///< TimetableScaleForWidth
    int32_t tableWidth = 0;   ///< pixels
    int32_t tableHeight = 0;  ///< pixels
    int32_t hPos = 0;         ///< horizontal scroll position, pixels
    int32_t vPos = 0;         ///< vertical scroll position, pixels
};
TimetableView FitTimetableView(int32_t width, int32_t height, int32_t heightUnits, int32_t hPos, int32_t vPos);

// Line steps of ToolPaneScrollTarget (ui/h_scroll.h).
constexpr int32_t kTimetableHLine = 65;  ///< pixels of a horizontal line step
constexpr int32_t kTimetableVLine = 20;  ///< pixels of a vertical line step

// The window's title: "Przyjazdy" or "Odjazdy", and the age of the delays
// when the game has a delays file (delayAgeMinutes 0 or more).
std::string TimetableWindowTitle(int32_t mode, int32_t delayAgeMinutes);
