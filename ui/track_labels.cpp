// Track labels: what the overlay shows, where the codes go and how the
// columns are laid out.
#include "ui/track_labels.h"

#include <algorithm>
#include <cmath>

#include "simulation/disruptions.h"
#include "simulation/slot_queries.h"
#include "simulation/track_names.h"
#include "ui/consist_infos.h"
#include "ui/settings.h"
#include "ui/tile_pictures.h"

namespace {

constexpr int kCandidateReach = 2;  ///< candidates lie up to two cells away each way
constexpr int kMinLabelGap = 2;     ///< pixels at least between a track and its label

std::string NumberedName(const std::string& code, int32_t n) { return code + "/" + std::to_string(n); }

// Where a point's code goes: its first tile's row, over its tiles in that row.
TrackLabelSpot SpotOf(Game& game, const StationViewState& view, int32_t point)
{
    const TileCode first = game.PointTileAt(point, 0);
    const int32_t row = TileRow(first);
    int32_t lowCol = TileColumn(first), highCol = TileColumn(first);
    for (int32_t k = 1; k < 3; ++k) {
        const TileCode tile = game.PointTileAt(point, k);
        if (tile == 0 || TileRow(tile) != row) continue;
        lowCol = std::min(lowCol, TileColumn(tile));
        highCol = std::max(highCol, TileColumn(tile));
    }
    TrackLabelSpot spot;
    spot.point = point;
    spot.y = PaneYOfRow(view, row);
    spot.x1 = PaneXOfColumn(view, lowCol);
    spot.x2 = PaneXOfColumn(view, highCol + 1);
    return spot;
}

int32_t SpotColour(bool closed, bool selected, bool occupied)
{
    if (closed) return kLabelClosedColour;
    if (selected) return kLabelSelectedColour;
    return occupied ? kLabelOccupiedColour : kLabelFreeColour;
}

TrackLabelRow RowOf(const ConsistInfo& info, const std::string& name, bool selected, bool left)
{
    TrackLabelRow row;
    row.name = name;
    row.label = info.label;
    row.frontLocos = info.frontLocos;
    row.rearLocos = info.rearLocos;
    row.frontWarnings = info.frontWarnings;
    row.rearWarnings = info.rearWarnings;
    row.notReady = info.notReady != 0;
    row.selected = selected;
    row.left = left;
    return row;
}

bool LiesLeft(const StationViewState& view, int32_t column, int width)
{
    return view.originX + column * kTileSize * view.scale < width / 2;
}

bool Intersect(const ViewRect& a, const ViewRect& b)
{
    const bool empty = a.left >= a.right || a.top >= a.bottom || b.left >= b.right || b.top >= b.bottom;
    return !empty && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::array<LabelOffset, kLabelCandidates> MakeCandidates()
{
    std::array<LabelOffset, kLabelCandidates> offsets;
    size_t n = 0;
    for (int dy = -kCandidateReach; dy <= kCandidateReach; ++dy)
        for (int dx = -kCandidateReach; dx <= kCandidateReach; ++dx) offsets[n++] = {dx, dy};
    const auto cost = [](const LabelOffset& o) { return (o.dy < 0 ? -2 * o.dy : 3 * o.dy) + 5 * std::abs(o.dx); };
    std::stable_sort(offsets.begin(), offsets.end(),
                     [&](const LabelOffset& a, const LabelOffset& b) { return cost(a) < cost(b); });
    return offsets;
}

}  // namespace

bool IsLeftHalf(Game& game, const StationViewState& view, int32_t train, bool pointLeft, int width)
{
    if (train < 0) return pointLeft;
    const TileCode exit = game.ExitTile(train, kRawRow);
    return exit > 0 ? LiesLeft(view, TileColumn(exit), width) : pointLeft;
}

TrackLabelPlan PlanTrackLabels(Game& game, const StationViewState& view, int width, bool gameRunning,
                               TileCode selectedTile)
{
    TrackLabelPlan plan;
    if (!gSettings.opisyTorow || !gameRunning) return plan;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        const std::string code = PointShortCode(game, p);
        if (code.empty()) continue;
        const TileCode first = game.PointTileAt(p, 0);
        const bool pointLeft = LiesLeft(view, TileColumn(first), width);
        const bool selected = selectedTile != 0 && first == selectedTile;
        const auto addRow = [&](const ConsistInfo& info, const std::string& name) {
            TrackLabelRow row = RowOf(info, name, selected, IsLeftHalf(game, view, info.train, pointLeft, width));
            (row.left ? plan.leftRows : plan.rightRows).push_back(std::move(row));
        };
        TrackLabelSpot spot = SpotOf(game, view, p);
        spot.leftText = code;
        if (game.PointKind(p) == kPointSiding) {
            const SubTrackRows rows = SidingRows(game, p);
            if (rows.first <= rows.last) plan.drawn = true;
            for (int32_t r = rows.first; r <= rows.last; ++r)
                for (const ConsistInfo& info : CollectConsistInfos(game, r))
                    addRow(info, NumberedName(code, r - rows.first + 1));
        } else {
            plan.drawn = true;
            const std::vector<ConsistInfo> infos = CollectConsistInfos(game, p);
            const bool several = infos.size() >= 2;
            for (size_t k = 0; k < infos.size(); ++k)
                addRow(infos[k], several ? NumberedName(code, static_cast<int32_t>(k + 1)) : code);
            if (several) {
                spot.leftText = NumberedName(code, 1);
                spot.rightText = NumberedName(code, static_cast<int32_t>(infos.size()));
            }
        }
        spot.closed = IsPointClosed(p);
        spot.colour = SpotColour(spot.closed, selected, game.SlotVehicleType(p, 0) != 0);
        plan.spots.push_back(std::move(spot));
    }
    if (!plan.drawn) plan = TrackLabelPlan();
    return plan;
}

const std::array<LabelOffset, kLabelCandidates>& LabelCandidates()
{
    static const std::array<LabelOffset, kLabelCandidates> candidates = MakeCandidates();
    return candidates;
}

bool LabelRectFree(const std::vector<ViewRect>& placed, const ViewRect& rect)
{
    if (rect.left < 0 || rect.top < 0) return false;
    for (const ViewRect& other : placed)
        if (Intersect(rect, other)) return false;
    return true;
}

ViewRect PlaceLabel(std::vector<ViewRect>& placed, const TrackLabelSpot& spot, int textWidth, int textHeight,
                    bool onLeft, double scale)
{
    const double cell = std::max(kTileSize * scale, 1.0);
    const int gap = std::max(static_cast<int>(kTileSize * scale / 3), kMinLabelGap);
    const int baseY = std::max(spot.y - textHeight / 2, 0);
    const int baseX = std::max(onLeft ? spot.x1 - textWidth - gap : spot.x2 + gap, 0);
    ViewRect chosen{baseX, baseY, baseX + textWidth, baseY + textHeight};
    for (const LabelOffset& offset : LabelCandidates()) {
        const int x = baseX + static_cast<int>(offset.dx * cell);
        const int y = baseY + static_cast<int>(offset.dy * cell);
        const ViewRect rect{x, y, x + textWidth, y + textHeight};
        if (LabelRectFree(placed, rect)) {
            chosen = rect;
            break;
        }
    }
    placed.push_back(chosen);
    return chosen;
}

std::vector<LabelItem> BuildLabelItems(const TrackLabelRow& row)
{
    std::vector<LabelItem> items = row.frontWarnings;
    std::string main = row.frontLocos.empty() ? std::string() : row.frontLocos + " ";
    main += row.label;
    if (!row.rearLocos.empty()) main += " " + row.rearLocos;
    items.push_back({main, static_cast<uint8_t>(row.notReady ? 1 : 0), kSeverityNone});
    items.insert(items.end(), row.rearWarnings.begin(), row.rearWarnings.end());
    return items;
}

std::string FormatLabelDetail(const TrackLabelRow& row)
{
    std::string detail;
    for (const LabelItem& item : BuildLabelItems(row)) detail += (detail.empty() ? "" : "  ") + item.text;
    return detail;
}

int32_t LabelRowColour(const TrackLabelRow& row)
{
    if (row.notReady) return kRowNotReadyColour;
    return row.selected ? kRowSelectedColour : kRowColour;
}

int LabelColumnRows(int rowCount, int lineHeight, int height)
{
    if (rowCount <= 0) return 0;
    const int fit = std::max((height - 6) / std::max(lineHeight, 1), 1);
    return std::min(rowCount, fit);
}

LabelColumnLayout LayoutLabelColumn(int rows, int widestName, int widestDetail, int lineHeight, int width,
                                    bool left)
{
    LabelColumnLayout layout;
    layout.nameColumn = widestName > 0 ? widestName + 8 : 0;
    const int columnWidth = layout.nameColumn + widestDetail;
    layout.x = left ? 2 : std::max(width - columnWidth - 4, 0);
    layout.top = 2;
    layout.box = {layout.x - 2, 0, layout.x + columnWidth + 4, layout.top + rows * lineHeight + 2};
    return layout;
}
