// Track and point names, platform and track numbers, consists on a point and
// where a train stands.
#include "simulation/track_names.h"

#include <algorithm>
#include <cstdio>

#include "simulation/notify.h"
#include "simulation/slot_queries.h"

namespace {

constexpr int32_t kMaxPlatformDigits = 9;  ///< a longer run of digit markers is cut: the number stays in 32 bits

bool IsPointIndex(const Game& game, int32_t point) { return point >= 0 && point < game.PointCount(); }

int32_t Ordinal(const Game& game, int32_t point)
{
    const int32_t kind = game.PointKind(point);
    int32_t n = 0;
    for (int32_t p = 0; p <= point; ++p)
        if (game.PointKind(p) == kind) ++n;
    return n;
}

const char* ShortCodePrefix(int32_t kind)
{
    switch (kind) {
    case kPointPlatform: return "P";
    case kPointSiding: return "B";
    case kPointStabling: return "T";
    case kPointLocoTrack: return "L";
    case kPointFreightPlatform: return "Pt";
    default: return "";
    }
}

std::string Format(const char* format, const char* text, int32_t n)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, text, n);
    return buffer;
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

bool TileInGrid(const Game& game, TileCode tile)
{
    return tile > 0 && TileRow(tile) < game.GridRows() && TileColumn(tile) < game.GridCols();
}

bool IsDigitMarker(int32_t code) { return code >= 1 && code <= 9; }

// The platform's own name: its digit markers, else the train's departure
// platform as a numeral, else the ordinal.
std::string PlatformBaseName(Game& game, int32_t point, int32_t train, const char* base)
{
    const int32_t number = PlatformNumberOfPoint(game, point);
    if (number >= 1) return Format("%s %d", base, number);
    if (train >= 0) {
        MallocPtr numeral = RomanNumeral(game.Platform(train, kRawRow, kDepartureSide));
        const char* text = numeral.Text();
        while (*text == ' ') ++text;
        if (*text) return std::string(base) + " " + text;
    }
    return Format("%s %d", base, Ordinal(game, point));
}

bool RowHoldsTrain(Game& game, int32_t row, int32_t train)
{
    for (int32_t s = 0; s < kSlotsPerPoint; ++s)
        if (IsTrainVehicleOf(game, row, s, train)) return true;
    return false;
}

}  // namespace

std::string PointShortCode(Game& game, int32_t point)
{
    if (!NotifyGameRunning() || !IsPointIndex(game, point)) return std::string();
    const char* prefix = ShortCodePrefix(game.PointKind(point));
    if (!*prefix) return std::string();
    return Format("%s%d", prefix, Ordinal(game, point));
}

std::string PointAtText(Game& game, int32_t point)
{
    const std::string code = PointShortCode(game, point);
    return code.empty() ? code : " na " + code;
}

std::string PointLongName(Game& game, int32_t point, int32_t train, int32_t subTrack)
{
    const int32_t kind = game.PointKind(point);
    switch (kind) {
    case kPointEntry: return Format("%s %d", "wjazd", Ordinal(game, point));
    case kPointExit: return Format("%s %d", "wyjazd", Ordinal(game, point));
    case kPointLine: return Format("%s %d", "wjazd/wyjazd", Ordinal(game, point));
    case kPointPlatform:
    case kPointFreightPlatform: {
        std::string name = PlatformBaseName(game, point, train, kind == kPointPlatform ? "peron" : "peron towarowy");
        const int32_t track = PlatformTrackNumber(game, point);
        if (track >= 1) name += ", tor " + std::to_string(track);
        return name;
    }
    case kPointSiding:
        if (subTrack < 1) return Format("%s %d", "bocznica", Ordinal(game, point));
        return Format("%s %d", "bocznica", Ordinal(game, point)) + ", tor " + std::to_string(subTrack);
    case kPointStabling: return Format("%s %d", "tor postojowy", Ordinal(game, point));
    case kPointLocoTrack: return Format("%s %d", "tor dla lokomotyw", Ordinal(game, point));
    case kPointDepot: return "lokomotywownia";
    default: return Format("%s %d", "punkt", point);
    }
}

std::string PointFullLabel(Game& game, int32_t point, int32_t train, int32_t subTrack)
{
    const std::string code = PointShortCode(game, point);
    const std::string name = PointLongName(game, point, train, subTrack);
    if (code.empty()) return Capitalised(name);
    return code + (subTrack > 0 ? "/" + std::to_string(subTrack) : std::string()) + "  " + name;
}

int32_t PlatformNumberOfPoint(Game& game, int32_t point)
{
    if (!NotifyGameRunning() || !IsPointIndex(game, point)) return 0;
    for (int32_t k = 0; k < 3; ++k) {
        const TileCode tile = game.PointTileAt(point, k);
        if (!TileInGrid(game, tile)) continue;
        const int32_t row = TileRow(tile);
        int32_t number = 0;
        for (int32_t col = TileColumn(tile), digits = 0;
             col < game.GridCols() && digits < kMaxPlatformDigits && IsDigitMarker(game.TileCode(row, col));
             ++col, ++digits)
            number = number * 10 + game.TileCode(row, col);
        if (number > 0) return number;
    }
    return 0;
}

int32_t PlatformTrackNumber(Game& game, int32_t point)
{
    if (!NotifyGameRunning() || !IsPointIndex(game, point) || game.PointKind(point) != kPointPlatform) return 0;
    std::vector<int32_t> rows;
    int32_t reference = -1;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        if (game.PointKind(p) != kPointPlatform) continue;
        const int32_t row = TileRow(game.PointTile(p));
        rows.push_back(row);
        if (PlatformNumberOfPoint(game, p) == 1 && (reference < 0 || row < reference)) reference = row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (reference < 0) reference = rows.front();  // the point itself is a platform: rows is not empty
    const int32_t row = TileRow(game.PointTile(point));
    if (row == reference) return 1;
    int32_t number = row > reference ? 0 : 1;
    if (row > reference) {
        for (int32_t r : rows)
            if (r > reference && r <= row) number += 2;
    } else {
        for (int32_t r : rows)
            if (r < reference && r >= row) number += 2;
    }
    return number;
}

std::vector<std::vector<int32_t>> ConsistGroupsOnPoint(Game& game, int32_t row)
{
    std::vector<std::vector<int32_t>> groups;
    std::vector<int32_t> group;
    const int32_t run = OccupiedRun(game, row);
    for (int32_t s = 0; s < run; ++s) {
        group.push_back(s);
        if (!game.SlotCoupled(row, s)) {
            groups.push_back(group);
            group.clear();
        }
    }
    if (!group.empty()) groups.push_back(group);
    return groups;
}

int32_t FindPointOfTrain(Game& game, int32_t train)
{
    if (!NotifyGameRunning() || train < 0) return -1;
    for (int32_t p = 0; p < game.PointCount(); ++p)
        if (RowHoldsTrain(game, p, train)) return p;
    return -1;
}

SidingPlace FindSidingOfTrain(Game& game, int32_t train)
{
    if (!NotifyGameRunning() || train < 0) return {};
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        const SubTrackRows rows = SidingRows(game, p);
        for (int32_t r = rows.first; r <= rows.last; ++r)
            if (RowHoldsTrain(game, r, train)) return {p, r - rows.first + 1};
    }
    return {};
}

std::string TrainPlaceCode(Game& game, int32_t train)
{
    if (train < 0) return std::string();
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        const std::string code = PointShortCode(game, p);
        if (code.empty()) continue;
        if (game.PointKind(p) == kPointSiding) {
            const SubTrackRows rows = SidingRows(game, p);
            for (int32_t r = rows.first; r <= rows.last; ++r)
                if (RowHoldsTrain(game, r, train)) return Format("%s/%d", code.c_str(), r - rows.first + 1);
            continue;
        }
        const std::vector<std::vector<int32_t>> groups = ConsistGroupsOnPoint(game, p);
        for (size_t g = 0; g < groups.size(); ++g)
            for (int32_t s : groups[g])
                if (IsTrainVehicleOf(game, p, s, train))
                    return groups.size() >= 2 ? Format("%s/%d", code.c_str(), static_cast<int32_t>(g + 1)) : code;
    }
    return std::string();
}

std::string TrainPlaceLabel(Game& game, int32_t train)
{
    const std::string code = TrainPlaceCode(game, train);
    SidingPlace place{FindPointOfTrain(game, train), 0};
    if (place.point < 0) place = FindSidingOfTrain(game, train);
    if (place.point < 0) return code;
    const std::string name = PointLongName(game, place.point, train, place.subTrack);
    if (code.empty()) return Capitalised(name);
    if (name.empty()) return code;
    return code + "  " + name;
}

bool TrainHasVehicleNotOk(Game& game, int32_t train)
{
    const int32_t rowCount = game.PointCount() + game.SubTrackCount();
    for (int32_t r = 0; r < rowCount; ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s)
            if (IsTrainVehicleOf(game, r, s, train) && !game.SlotOperational(r, s)) return true;
    return false;
}

bool GetOccupiedBounds(const Game& game, GridBounds& bounds)
{
    GridBounds found{game.GridRows(), -1, game.GridCols(), -1};
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c)
            if (game.TileCode(r, c) != 0) {
                found.firstRow = std::min(found.firstRow, r);
                found.lastRow = std::max(found.lastRow, r);
                found.firstCol = std::min(found.firstCol, c);
                found.lastCol = std::max(found.lastCol, c);
            }
    if (found.lastRow < 0) return false;
    bounds.firstRow = std::max(found.firstRow - 1, 0);
    bounds.lastRow = std::min(found.lastRow + 1, game.GridRows() - 1);
    bounds.firstCol = std::max(found.firstCol - 1, 0);
    bounds.lastCol = std::min(found.lastCol + 1, game.GridCols() - 1);
    return true;
}
