// The track list ("Tory postojowe - co gdzie stoi") without windows: one row
// per vehicle standing on each platform, freight platform, stabling track,
// locomotive track and siding sub-track, with its train, relation, departure
// and remarks; the rows' tops, colours and the row under a click; the scroll
// steps of its pane. The painter draws what these decide.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "ui/level_bar.h"

constexpr int kTrackListDialog = 500;  ///< dialog resource
constexpr int kTrackListPaneId = 501;  ///< the pane inside it

// The table in logical units (pixels at a scale of 1).
constexpr int32_t kTrackListWidth = 800;       ///< width of the table and its lines
constexpr int32_t kTrackListFirstTop = 18;     ///< under the column titles' line
constexpr int32_t kTrackListRowHeight = 18;    ///< a vehicle's row
constexpr int32_t kTrackListHeaderHeight = 40; ///< a section title's row

// Left edges of the columns.
constexpr int32_t kTrackListNameX = 2;        ///< "Tor"
constexpr int32_t kTrackListWhatX = 230;      ///< "Co stoi"
constexpr int32_t kTrackListNumberX = 330;    ///< "Numer"
constexpr int32_t kTrackListRelationX = 390;  ///< "Relacja"
constexpr int32_t kTrackListDepartureX = 640; ///< "Odjazd"
constexpr int32_t kTrackListRemarksX = 690;   ///< "Uwagi"

constexpr int32_t kTrackListTitleColour = RgbColour(40, 40, 40);     ///< section titles
constexpr int32_t kTrackListSelectedColour = RgbColour(0, 0, 255);  ///< rows of the selected track
constexpr char kTrackListEmptyText[] = "Na torach nic nie stoi.";

// One row of the table.
struct TrackListRow {
    std::string name;       ///< track name (column "Tor"), or the section title
    std::string what;       ///< what stands there
    std::string number;     ///< train number or unit name
    std::string relation;   ///< origin and destination
    std::string departure;  ///< scheduled departure and delay
    std::string remarks;    ///< remarks joined by ", "
    TileCode tile = 0;      ///< first tile of the track's point: clicking the row selects it
    int32_t level = 0;      ///< severity 0..3, only ever raised
    bool header = false;    ///< a section title
};

// A section of the table: the point kind it lists under its title.
struct TrackListSection {
    int32_t kind;       ///< StationPointKind
    const char* title;  ///< section title
};
constexpr int32_t kTrackListSectionCount = 5;
extern const TrackListSection kTrackListSections[kTrackListSectionCount];

// The whole table; empty without a running game.
std::vector<TrackListRow> BuildTrackList(Game& game, bool gameRunning);
// Appends the rows of one slot-grid row (a point or a siding sub-track):
// "- wolny -" or "- zamknięty -" when it is empty, else one per vehicle.
void AddTrackListRows(Game& game, int32_t row, const std::string& name, TileCode tile,
                      std::vector<TrackListRow>& rows);
void RaiseRowLevel(TrackListRow& row, int32_t level);  // level = max(level, v)

// The rows' tops and the table's height, in logical units.
struct TrackListLayout {
    std::vector<int32_t> tops;  ///< one per row
    int32_t contentHeight = 0;  ///< below the last row, with a margin
};
TrackListLayout LayOutTrackList(const std::vector<TrackListRow>& rows);
int32_t TrackListRowHeight(const TrackListRow& row);

// The row a click at logical y falls on; -1 for none or a section title.
int TrackListRowAt(const std::vector<TrackListRow>& rows, const TrackListLayout& layout, double y);

// A vehicle row's colour: its severity, else information while something is
// under way, else blue when its track is selected, else black.
int32_t TrackListRowColour(const TrackListRow& row, TileCode selectedTile);
// Whether row i opens its track: the first row, or a name unlike the row before.
bool StartsTrack(const std::vector<TrackListRow>& rows, size_t i);

// Line steps of the pane's scroll bars in pixels; a page is 200 either way
// (ToolPaneScrollTarget moves the positions, as in the timetable window).
constexpr int kTrackListHLine = 40;  ///< pixels of a horizontal line step
constexpr int kTrackListVLine = 20;  ///< pixels of a vertical line step
// A wheel turn: 60 pixels per notch of 120, away from the user moves up; not below 0.
int TrackListWheelTarget(int pos, int wheelDelta);
