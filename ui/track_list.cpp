// The track list's rows, their remarks and colours, and its scroll steps.
#include "ui/track_list.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "simulation/coupling_texts.h"
#include "simulation/disruptions.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"
#include "simulation/track_names.h"
#include "simulation/upcoming_trains.h"
#include "simulation/vehicle_status.h"
#include "ui/board_delays.h"
#include "ui/timetable_texts.h"

const TrackListSection kTrackListSections[kTrackListSectionCount] = {
    {kPointPlatform, "PERONY"},
    {kPointFreightPlatform, "PERONY TOWAROWE"},
    {kPointStabling, "TORY POSTOJOWE"},
    {kPointLocoTrack, "TORY DLA LOKOMOTYW"},
    {kPointSiding, "BOCZNICE"},
};

namespace {

constexpr int32_t kLowPercent = 20;    ///< below this a level is reported
constexpr int32_t kAlarmPercent = 10;  ///< below this a low level is an alarm
constexpr int32_t kUntitledKey = 900000;  ///< sort key base of the points without a track number

// The words of one supply's remarks.
struct SupplyWords {
    const char* empty;   ///< nothing left
    const char* low;     ///< before the low percentage
    const char* refill;  ///< before the percentage while it refills
};
constexpr SupplyWords kWaterWords = {"brak wody", "woda", "nawadnianie"};
constexpr SupplyWords kCoalWords = {"brak węgla", "węgiel", "węgiel"};
constexpr SupplyWords kFuelWords = {"brak paliwa", "paliwo", "tankowanie"};

void AddRemark(TrackListRow& row, const std::string& text, int32_t level)
{
    if (!row.remarks.empty()) row.remarks += ", ";
    row.remarks += text;
    RaiseRowLevel(row, level);
}

void AddFireRemark(Game& game, int32_t row, int32_t slot, TrackListRow& line)
{
    const int32_t state = SteamFireState(game, row, slot);
    const int32_t seconds = SteamFireSecondsLeft(game, row, slot);
    if (state == kFireExtinguished) {
        AddRemark(line, "wygaszony", kSeverityAlarm);
    } else if (seconds >= 0) {
        char text[80];
        std::snprintf(text, sizeof text, "%s: jeszcze %d h %d min",
                      state == kFireExtinguishing ? "wygaszanie" : "rozpalanie", seconds / 3600,
                      (seconds % 3600 + 59) / 60);
        AddRemark(line, text, kSeverityInfo);
    }
}

// Nothing left, a low level, or the refill under way with its minutes.
void AddSupplyRemark(TrackListRow& line, int32_t percent, int32_t seconds, const SupplyWords& words)
{
    char text[80];
    if (percent == 0 && seconds < 0) {
        AddRemark(line, words.empty, kSeverityAlarm);
    } else if (seconds < 0 && percent >= 0 && percent < kLowPercent) {
        std::snprintf(text, sizeof text, "%s %d%%", words.low, percent);
        AddRemark(line, text, percent >= kAlarmPercent ? kSeverityLow : kSeverityAlarm);
    } else if (seconds >= 0) {
        std::snprintf(text, sizeof text, "%s %d%%: jeszcze %d min", words.refill, percent, (seconds + 59) / 60);
        AddRemark(line, text, kSeverityInfo);
    }
}

void AddVehicleRemarks(Game& game, int32_t row, int32_t slot, TrackListRow& line)
{
    if (!game.SlotOperational(row, slot)) AddRemark(line, "uszkodzony", kSeverityAlarm);
    AddFireRemark(game, row, slot, line);
    AddSupplyRemark(line, SteamWaterPercent(game, row, slot), WaterSecondsToFull(game, row, slot), kWaterWords);
    AddSupplyRemark(line, SteamCoalPercent(game, row, slot), CoalSecondsToFull(game, row, slot), kCoalWords);
    AddSupplyRemark(line, FuelPercent(game, row, slot), FuelSecondsToFull(game, row, slot), kFuelWords);
    if (game.IsSlotConsistMoving(row, slot)) AddRemark(line, "w ruchu", kSeverityNone);
    const std::string coupling = CouplingProgressText(game, row, slot);
    if (!coupling.empty()) AddRemark(line, coupling, kSeverityNone);
    if (game.SlotCoupled(row, slot)) AddRemark(line, "połączony z następnym", kSeverityNone);
}

// A car or multiple unit: its train's number, relation and departure. A
// vehicle that names no train shows only what it is.
void DescribeTrainVehicle(Game& game, int32_t row, int32_t slot, TrackListRow& line)
{
    line.what = game.SlotKind(row, slot) == kKindCar ? "wagony" : game.VehicleTypeName(row, slot);
    const int32_t train = game.SlotTrain(row, slot);
    if (train < 0) return;
    const int32_t kind = game.PointKind(row);  // 0 for a sub-track row
    if (kind == kPointPlatform || kind == kPointFreightPlatform) {
        const std::string label = PointFullLabel(game, row, train, 0);
        if (!label.empty()) line.name = label;
    }
    line.number = game.TrainNumberText(train, kRawRow, kDepartureSide).Text();
    line.relation = TrainRelation(game, train, kRawRow);
    line.departure = ScheduledTimeText(game, train, kRawRow, kDepartureSide);
    // A train that ends here has no departure to be late for.
    const int32_t delay = line.departure.empty() ? 0 : EntryDelayMinutes(game, train, false);
    if (delay > 0) line.departure += " +" + std::to_string(delay);
}

// The points of one kind in table order: by platform track number, the
// others after them by their first tile, then by index.
std::vector<int32_t> SortedPointsOfKind(Game& game, int32_t kind)
{
    std::vector<std::pair<int64_t, int32_t>> keyed;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        if (game.PointKind(p) != kind) continue;
        const int32_t track = PlatformTrackNumber(game, p);
        keyed.emplace_back(track >= 1 ? int64_t{track} * 1000 : int64_t{kUntitledKey} + game.PointTile(p), p);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<int32_t> points;
    for (const auto& entry : keyed) points.push_back(entry.second);
    return points;
}

// A point's rows; a siding's per sub-track, named with its number.
void AddPointRows(Game& game, int32_t point, std::vector<TrackListRow>& rows)
{
    const TileCode tile = game.PointTile(point);
    const SubTrackRows subTracks = SidingRows(game, point);
    if (subTracks.first > subTracks.last) {
        AddTrackListRows(game, point, PointFullLabel(game, point, -1, 0), tile, rows);
        return;
    }
    for (int32_t r = subTracks.first; r <= subTracks.last; ++r)
        AddTrackListRows(game, r, PointFullLabel(game, point, -1, r - subTracks.first + 1), tile, rows);
}

}  // namespace

void RaiseRowLevel(TrackListRow& row, int32_t level) { row.level = std::max(row.level, level); }

void AddTrackListRows(Game& game, int32_t row, const std::string& name, TileCode tile,
                      std::vector<TrackListRow>& rows)
{
    const int32_t count = OccupiedRun(game, row);
    if (count == 0) {
        TrackListRow line;
        line.name = name;
        line.tile = tile;
        if (IsPointClosed(row)) {
            line.what = "- zamknięty -";
            line.remarks = PointClosureText(game, row);
        } else {
            line.what = "- wolny -";
        }
        rows.push_back(line);
        return;
    }
    for (int32_t slot = 0; slot < count; ++slot) {
        TrackListRow line;
        line.name = name;
        line.tile = tile;
        if (game.SlotKind(row, slot) < kKindElectricLoco) {
            DescribeTrainVehicle(game, row, slot, line);
        } else {
            line.what = game.VehicleTypeName(row, slot);
            line.number = game.SlotUnitName(row, slot).Text();
        }
        AddVehicleRemarks(game, row, slot, line);
        rows.push_back(line);
    }
}

std::vector<TrackListRow> BuildTrackList(Game& game, bool gameRunning)
{
    std::vector<TrackListRow> rows;
    if (!gameRunning) return rows;
    for (const TrackListSection& section : kTrackListSections) {
        const std::vector<int32_t> points = SortedPointsOfKind(game, section.kind);
        if (points.empty()) continue;
        TrackListRow header;
        header.name = section.title;
        header.header = true;
        rows.push_back(header);
        for (int32_t p : points) AddPointRows(game, p, rows);
    }
    return rows;
}

int32_t TrackListRowHeight(const TrackListRow& row)
{
    return row.header ? kTrackListHeaderHeight : kTrackListRowHeight;
}

TrackListLayout LayOutTrackList(const std::vector<TrackListRow>& rows)
{
    TrackListLayout layout;
    int32_t y = kTrackListFirstTop;
    for (const TrackListRow& row : rows) {
        layout.tops.push_back(y);
        y += TrackListRowHeight(row);
    }
    layout.contentHeight = y + kTrackListRowHeight;
    return layout;
}

int TrackListRowAt(const std::vector<TrackListRow>& rows, const TrackListLayout& layout, double y)
{
    const size_t count = std::min(rows.size(), layout.tops.size());
    for (size_t i = 0; i < count; ++i) {
        const double top = layout.tops[i];
        if (top <= y && y < top + TrackListRowHeight(rows[i])) return rows[i].header ? -1 : static_cast<int>(i);
    }
    return -1;
}

int32_t TrackListRowColour(const TrackListRow& row, TileCode selectedTile)
{
    if (row.level != 0) return StateColour(row.level);
    if (row.remarks.find(": jeszcze") != std::string::npos) return StateColour(kSeverityInfo);
    if (selectedTile != 0 && row.tile == selectedTile) return kTrackListSelectedColour;
    return RgbColour(0, 0, 0);
}

bool StartsTrack(const std::vector<TrackListRow>& rows, size_t i)
{
    return i == 0 || (i < rows.size() && rows[i].name != rows[i - 1].name);
}

int TrackListWheelTarget(int pos, int wheelDelta) { return std::max(pos - wheelDelta / 2, 0); }
