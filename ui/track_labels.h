// The track labels over the station view: the short code beside each
// labelled point's track, coloured by its state and placed so that no two
// overlap, and the boxed columns at the pane's left and right edges that
// list every consist with its train, locomotives and warnings. Window-free:
// the painter measures the texts and draws what these functions decide.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/vehicle_status.h"
#include "ui/level_bar.h"
#include "ui/station_view.h"

constexpr int32_t kLabelClosedColour = RgbColour(210, 90, 0);
constexpr int32_t kLabelSelectedColour = RgbColour(0, 0, 255);
constexpr int32_t kLabelOccupiedColour = RgbColour(150, 0, 0);
constexpr int32_t kLabelFreeColour = RgbColour(160, 160, 160);
constexpr int32_t kLabelHaloColour = RgbColour(255, 255, 255);
constexpr int32_t kColumnFill = RgbColour(255, 255, 240);
constexpr int32_t kRowNotReadyColour = RgbColour(255, 0, 0);
constexpr int32_t kRowSelectedColour = RgbColour(0, 0, 255);
constexpr int32_t kRowColour = RgbColour(0, 0, 0);

// One row of a label column.
struct TrackLabelRow {
    std::string name;                     ///< the point's short code, "/n" added for several consists or a sub-track
    std::string label;                    ///< the consist's label
    std::string frontLocos;               ///< "+"-joined locomotives at the front, or a merged light engine
    std::string rearLocos;                ///< the same at the rear
    std::vector<LabelItem> frontWarnings; ///< (text, severity) of the front vehicles
    std::vector<LabelItem> rearWarnings;  ///< (text, severity) of the others
    bool notReady = false;                ///< some vehicle of the consist cannot run
    bool selected = false;                ///< the point's first tile is the selected tile
    bool left = false;                    ///< listed in the left column

    bool operator==(const TrackLabelRow& o) const
    {
        return name == o.name && label == o.label && frontLocos == o.frontLocos && rearLocos == o.rearLocos &&
               frontWarnings == o.frontWarnings && rearWarnings == o.rearWarnings && notReady == o.notReady &&
               selected == o.selected && left == o.left;
    }
};

// One labelled point's code beside its track.
struct TrackLabelSpot {
    int32_t point = 0;      ///< StationPoint index
    int y = 0;              ///< pane y of its first tile's row
    int x1 = 0;             ///< pane x where its tiles in that row begin
    int x2 = 0;             ///< pane x where they end
    int32_t colour = 0;     ///< closed, selected, occupied or free
    bool closed = false;    ///< a disruption closes it: a line is drawn across
    std::string leftText;   ///< placed left of the track
    std::string rightText;  ///< placed right of it; empty when none

    bool operator==(const TrackLabelSpot& o) const
    {
        return point == o.point && y == o.y && x1 == o.x1 && x2 == o.x2 && colour == o.colour && closed == o.closed &&
               leftText == o.leftText && rightText == o.rightText;
    }
};

// Everything the overlay draws.
struct TrackLabelPlan {
    bool drawn = false;                  ///< some point has a short code (a siding only with sub-tracks)
    std::vector<TrackLabelSpot> spots;   ///< in point order
    std::vector<TrackLabelRow> leftRows;   ///< the left column, in point order
    std::vector<TrackLabelRow> rightRows;  ///< the right column

    bool operator==(const TrackLabelPlan& o) const
    {
        return drawn == o.drawn && spots == o.spots && leftRows == o.leftRows && rightRows == o.rightRows;
    }
};

// The overlay for a pane `width` wide at the view of the same paint: nothing
// unless [Widok] Opisy_torow is on and a game runs. selectedTile is the
// selection's tile (0 none); a point a disruption closes is marked closed.
TrackLabelPlan PlanTrackLabels(Game& game, const StationViewState& view, int width, bool gameRunning,
                               TileCode selectedTile);

// Whether a consist is listed in the left column: by the column of its
// train's exit tile when it has one, else by its point's side.
bool IsLeftHalf(Game& game, const StationViewState& view, int32_t train, bool pointLeft, int width);

// The offsets, in cells, tried for a track label, cheapest first: moving up
// costs less than moving down, sideways most.
struct LabelOffset {
    int dx = 0;  ///< cells to the right
    int dy = 0;  ///< cells down
};
constexpr int kLabelCandidates = 25;
const std::array<LabelOffset, kLabelCandidates>& LabelCandidates();

// True when the rectangle lies at no negative coordinate and meets none of
// the placed ones.
bool LabelRectFree(const std::vector<ViewRect>& placed, const ViewRect& rect);

// Places a text of textWidth x textHeight left or right of a spot's track at
// the first free candidate (else its base position), adds it to the placed
// rectangles and returns it.
ViewRect PlaceLabel(std::vector<ViewRect>& placed, const TrackLabelSpot& spot, int textWidth, int textHeight,
                    bool onLeft, double scale);

// The items of a column row: front warnings, the main item (front
// locomotives, label, rear locomotives), rear warnings. The main item has
// severity 0 and the row's notReady.
std::vector<LabelItem> BuildLabelItems(const TrackLabelRow& row);
std::string FormatLabelDetail(const TrackLabelRow& row);  // the item texts joined by two blanks

// The colour a row's name and main item are drawn in.
int32_t LabelRowColour(const TrackLabelRow& row);

// How many of a column's rows are shown: those that fit the pane's height,
// at least 1 (none of none); the later ones are dropped.
int LabelColumnRows(int rowCount, int lineHeight, int height);

// Where a label column of `rows` shown rows goes, for the widest of their
// names (bold) and of their details.
struct LabelColumnLayout {
    int x = 0;           ///< left of the names
    int top = 0;         ///< top of the first row
    int nameColumn = 0;  ///< width of the name column, 0 when no name has a width
    ViewRect box;        ///< the framed background
};
LabelColumnLayout LayoutLabelColumn(int rows, int widestName, int widestDetail, int lineHeight, int width,
                                    bool left);
