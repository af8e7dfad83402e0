// The train pane without windows: the strip of the consist standing on the
// selected point, where each picture, text, supply bar and separator goes,
// the vehicles' hit ranges and the strip's width. Pane units become pixels at
// the station font scale s: X(u) = trunc(u s) - scroll, Y(u) = trunc(u s).
// The painter measures the pictures and texts and draws the plan.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/game.h"
#include "ui/level_bar.h"

constexpr int32_t kStripSlots = 10;    ///< slots of a point
constexpr int32_t kStripGap = 10;      ///< units after a vehicle not coupled to the next
constexpr int32_t kStripMargin = 180;  ///< units of room after the last vehicle

constexpr int32_t kPaneDamagedColour = RgbColour(255, 0, 0);
constexpr int32_t kPaneLocoColour = RgbColour(0, 0, 0);
constexpr int32_t kPaneCarColour = RgbColour(0, 128, 0);
constexpr int32_t kPaneCouplingColour = RgbColour(0, 0, 200);
constexpr int32_t kPaneSeparatorColour = RgbColour(160, 0, 0);

// A vehicle's picture spans pane x from left to right, both excluded; (-1, -1)
// when it was not drawn.
struct HitRange {
    int32_t left = -1;   ///< pane x of the picture's left edge
    int32_t right = -1;  ///< pane x of its right edge
};
using VehicleHitRanges = std::array<HitRange, kStripSlots>;
// The ranges of the last paint, slot by slot: the clicks and the tooltip read them.
extern VehicleHitRanges gVehicleHitRanges;

// The pane's scroll position in pixels, back at 0 whenever the selected tile
// is another than at the previous paint.
struct TrainPaneScroll {
    int32_t pos = 0;        ///< pixels scrolled to the right
    TileCode paintedTile = 0;  ///< the selected tile of the previous paint
};
extern TrainPaneScroll gTrainPaneScroll;
void FollowSelectedTile(TrainPaneScroll& scroll, TileCode selectedTile);

enum class PaneFont : int32_t { kRegular, kItalic, kBold, kSmall };

struct PanePicture {
    int32_t slot = 0;  ///< the slot whose vehicles are drawn
    int32_t x = 0;     ///< left, in pane units
};
struct PaneText {
    int32_t x = 0;       ///< pixels
    int32_t y = 0;       ///< top, pixels
    std::string text;    ///< never empty
    int32_t colour = 0;  ///< 0x00BBGGRR
    PaneFont font = PaneFont::kRegular;  ///< of the station label fonts
};
struct PaneBar {
    int32_t x = 0;        ///< pixels
    int32_t y = 0;        ///< top, pixels
    int32_t width = 0;    ///< pixels
    int32_t height = 0;   ///< pixels
    int32_t percent = 0;  ///< filled part
    int32_t state = 0;    ///< severity of its colour
};
// A dashed vertical line between coupled vehicles of two trains.
struct PaneSeparator {
    int32_t x = 0;       ///< pixels
    int32_t top = 0;     ///< pixels
    int32_t bottom = 0;  ///< pixels, drawn to
};

struct TrainPanePlan {
    std::vector<PanePicture> pictures;        ///< slot by slot
    std::vector<PaneText> texts;              ///< in drawing order
    std::vector<PaneBar> bars;                ///< supply bars
    std::vector<PaneSeparator> separators;    ///< between trains
    VehicleHitRanges hits;                    ///< for gVehicleHitRanges
};

// What the plan is made for.
struct TrainPaneView {
    int32_t point = -1;           ///< slot-grid row of the selected point; -1 none
    double scale = 1.0;           ///< station font scale
    int32_t scroll = 0;           ///< pixels
    int32_t height = 0;           ///< of the pane, pixels
    std::vector<int32_t> widths;  ///< unscaled picture width of each occupied slot (VehiclesOnPoint of them)
};

// Width in pixels of a text in one of the pane's fonts.
using PaneTextWidth = std::function<int32_t(PaneFont font, const std::string& text)>;

// The occupied slots of a point from slot 0, up to the first empty one.
int32_t VehiclesOnPoint(Game& game, int32_t point);

// trunc((picture widths + 10 per uncoupled vehicle + 180) s); 0 without a point.
int32_t TrainPaneContentWidth(Game& game, const TrainPaneView& view);

// Where the vehicles of the strip lie in units: each vehicle's left, and the
// right end of the run of slots of its train that it belongs to.
struct StripGeometry {
    std::vector<int32_t> left;   ///< per vehicle
    std::vector<int32_t> right;  ///< per vehicle: the right end of its train's run
    int32_t trains = 0;          ///< changes of train along the slots
};
StripGeometry LayOutStrip(Game& game, const TrainPaneView& view);

// A train's timetable line: the pieces at their columns, then its origin and
// destination under it.
constexpr std::array<int32_t, 5> kTrainLineColumns = {0, 15, 58, 70, 100};
struct TrainLineTexts {
    std::array<std::string, 5> pieces;  ///< platform, number, entry or exit, time, delay; may be empty
    std::string origin;                 ///< second line
    std::string destination;            ///< third line
};
TrainLineTexts BuildTrainLineTexts(Game& game, int32_t train, bool platformArrival, bool arriving);

// The pane x of each piece of a line starting at unit x, for the pieces'
// widths; end is where the line ends, its spacing included.
struct TrainLinePlace {
    std::array<int32_t, 5> x{};  ///< pixels
    int32_t end = 0;             ///< pixels
};
TrainLinePlace PlaceTrainLine(int32_t x, const std::array<int32_t, 5>& widths, const TrainPaneView& view);

// Where the line of the first train of several starts: centred over its
// vehicles (groupWidth units from x) when they are wider than the line, which
// lay from pixel lineStart to lineEnd.
int32_t CentredLineStart(int32_t x, int32_t groupWidth, int32_t lineStart, int32_t lineEnd, double scale);

// Where the coupling text of a vehicle goes: below its bars (barsBottom, 0
// when none) and not above its own line, but moved up to end inside the pane.
int32_t CouplingTextTop(int32_t barsBottom, bool powered, int32_t textHeight, const TrainPaneView& view);
int32_t CouplingTextHeight(const std::string& text, double scale);  // 2 lines with ":", else 1, 0 empty

// The whole strip of the view's point.
TrainPanePlan PlanTrainPane(Game& game, const TrainPaneView& view, const PaneTextWidth& width);
