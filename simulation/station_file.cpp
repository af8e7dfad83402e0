// Game: reading a station file (".stc") into the station tables.
//
// The file is untrusted: all of it is read and checked into plain lists
// first, and the Game's tables, depot and clock step change only when the
// whole file is sound.
#include "simulation/station_file.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "model/game.h"
#include "model/text_reader.h"

namespace {

using PointRow = std::array<int32_t, kPointFieldCount>;
using SectionRow = std::array<int32_t, kSectionCells>;

constexpr int32_t kSecondsPerMinute = 60;  ///< one-second steps of a minute of line or depot time

enum DepotValue : int32_t {
    kDepotCapacityValue,
    kDepotRepairsAtOnceValue,
    kDepotPreparationValue,
    kDepotRepairValue,
    kDepotValueCount,
};

struct StationTrack {
    int32_t twoWay = 0;           ///< kPathTwoWay
    int32_t catenary = 0;         ///< kPathCatenary
    std::vector<TileCode> tiles;  ///< start tile to end tile
};

// A station file as read, before it goes into a Game.
struct StationData {
    int32_t rows = 0;                  ///< grid rows
    int32_t cols = 0;                  ///< grid columns
    std::vector<int32_t> codes;        ///< drawing codes, row by row
    std::vector<StationTrack> tracks;  ///< TrackPaths
    int32_t subTracks = 0;             ///< siding sub-track rows of the slot grid
    std::vector<PointRow> points;      ///< StationPoints, the depot moved to the front
    std::vector<SectionRow> sections;  ///< the LineSection of each point, moved with it
    int32_t step = 0;                  ///< seconds per step, as the clock takes the file's value
    std::array<int32_t, kDepotValueCount> depot{};  ///< capacity, repairs at once, then steps
};

// The step a clock that holds currentStep takes from the file's value.
int32_t ClockStepFor(int32_t currentStep, int32_t fileStep)
{
    GameClock clock;
    clock.Step(currentStep);
    return clock.Step(fileStep);
}

bool IsKind(int32_t kind) { return kind >= kPointEntry && kind <= kPointFreightPlatform; }

class StationReader {
public:
    StationReader(TextReader& in, StationData& s) : in_(in), s_(s) {}

    // StationFileResult; on kStationLoaded s holds the whole station.
    int32_t Read(int32_t currentStep)
    {
        int32_t fileStep = 0;
        if (!ReadGrid() || !ReadTracks() || !ReadPoints() || !in_.Number(fileStep, 1)) return kStationDamaged;
        s_.step = ClockStepFor(currentStep, fileStep);
        for (size_t p = 0; p < s_.points.size(); ++p)
            if (s_.points[p][kPointFieldKind] == kPointLine && !SetLineBlocks(s_.points[p], s_.sections[p]))
                return kStationBadLine;
        if (!MoveDepotFirst()) return kStationNoDepot;
        return ReadDepot();
    }

private:
    bool ReadGrid()
    {
        int32_t head = 0;
        if (!in_.Number(head, 1) || !in_.NumberIn(s_.rows, 1, kMaxGridRows, 1) ||
            !in_.NumberIn(s_.cols, 1, kMaxGridColumns, 1))
            return false;
        s_.codes.resize(static_cast<size_t>(s_.rows) * static_cast<size_t>(s_.cols));
        for (int32_t& code : s_.codes)
            if (!in_.Number(code, 1)) return false;
        return true;
    }

    bool IsGridTile(TileCode tile) const
    {
        return tile > 0 && TileRow(tile) < s_.rows && TileColumn(tile) < s_.cols;
    }

    bool ReadTracks()
    {
        int32_t count = 0;
        if (!in_.NumberIn(count, 0, kMaxStationTracks, 1)) return false;
        for (int32_t t = 0; t < count; ++t) {
            StationTrack track;
            if (!in_.Number(track.twoWay, 1) || !in_.Number(track.catenary, 1)) return false;
            for (;;) {
                TileCode tile = 0;
                if (!in_.Number(tile, 1)) return false;
                if (tile == 0) break;
                // The row must keep room for the end mark after its last tile.
                if (track.tiles.size() == static_cast<size_t>(kPathMaxTiles) || !IsGridTile(tile)) return false;
                track.tiles.push_back(tile);
            }
            s_.tracks.push_back(std::move(track));
        }
        return true;
    }

    bool ReadPoints()
    {
        int32_t count = 0;
        if (!in_.NumberIn(count, 0, kMaxStationPoints, 1) || !in_.NumberIn(s_.subTracks, 0, kMaxSubTracks, 1))
            return false;
        for (int32_t p = 0; p < count; ++p) {
            PointRow point{};
            for (int32_t& value : point)
                if (!in_.Number(value, 1)) return false;
            if (!PointFits(point)) return false;
            s_.points.push_back(point);
            SectionRow free;
            free.fill(-1);
            s_.sections.push_back(free);
        }
        return true;
    }

    // A point of a known kind whose tiles lie on the grid; a siding's
    // sub-track rows lie among the file's sub-track rows.
    bool PointFits(const PointRow& point) const
    {
        const int32_t kind = point[kPointFieldKind];
        if (!IsKind(kind) || !IsGridTile(point[kPointFieldTile])) return false;
        // The second and third values of entries and exits are no tiles.
        if (kind >= kPointPlatform)
            for (int32_t k = 1; k < 3; ++k)
                if (point[kPointFieldTile + k] != 0 && !IsGridTile(point[kPointFieldTile + k])) return false;
        if (kind != kPointSiding) return true;
        const int64_t first = point[kPointFieldSixth];
        const int64_t count = point[kPointFieldParam];
        return count >= 1 && first >= 0 && first + count <= s_.subTracks;
    }

    // The blocks of a line of b minutes in blocks of a minutes: one triple
    // (0, 0, steps) per block boundary before b, the last block what is left.
    // A game runs one second per step, so a block of m minutes takes m x 60.
    bool SetLineBlocks(const PointRow& point, SectionRow& section) const
    {
        const int32_t a = point[kPointFieldParam] / 100;
        const int32_t b = point[kPointFieldParam] % 100;
        if (a <= 0 || b <= 0 || 10 * int64_t{a} < b) return false;
        int32_t triple = 0;
        for (int32_t k = a; k < b && triple < kSectionBlocks; k += a, ++triple) {
            const int32_t minutes = k + a > b ? b - k : a;
            int32_t* cells = &section[static_cast<size_t>(triple * kSectionTripleSize)];
            cells[kSectionTrain] = 0;
            cells[kSectionCountdown] = 0;
            cells[kSectionTime] = minutes * kSecondsPerMinute;
        }
        return true;
    }

    // Every depot in turn changes places with point 0, so the last one ends
    // there; its line-section row goes with each point.
    bool MoveDepotFirst()
    {
        bool found = false;
        for (size_t p = 0; p < s_.points.size(); ++p) {
            if (s_.points[p][kPointFieldKind] != kPointDepot) continue;
            std::swap(s_.points[p], s_.points[0]);
            std::swap(s_.sections[p], s_.sections[0]);
            found = true;
        }
        return found;
    }

    int32_t ReadDepot()
    {
        static const int32_t kHighest[kDepotValueCount] = {kDepotMaxCapacity, kDepotMaxCapacity,
                                                           kMaxDepotMinutes, kMaxDepotMinutes};
        for (int32_t v = 0; v < kDepotValueCount; ++v) {
            int32_t& value = s_.depot[static_cast<size_t>(v)];
            if (!in_.Number(value, 1)) return kStationDamaged;
            if (value < 1 || value > kHighest[v]) return kStationBadDepot;
        }
        // Minutes become one-second steps, as a game runs them. A locomotive
        // is ready two station steps before its preparation time is up, and a
        // preparation takes at least one step.
        int32_t& preparation = s_.depot[kDepotPreparationValue];
        preparation = std::max(preparation * kSecondsPerMinute - 2 * s_.step, 1);
        s_.depot[kDepotRepairValue] = s_.depot[kDepotRepairValue] * kSecondsPerMinute;
        return kStationLoaded;
    }

    TextReader& in_;  ///< the station file
    StationData& s_;  ///< what has been read
};

}  // namespace

int32_t Game::LoadStationFile(const char* path)
{
    TextReader in;
    if (!path || !in.Open(path)) return kStationCannotOpen;
    StationData s;
    const int32_t result = StationReader(in, s).Read(clock.Step(0));
    if (result != kStationLoaded) return result;
    if (!CreateStationTables(s.rows, s.cols, static_cast<int32_t>(s.tracks.size()),
                             static_cast<int32_t>(s.points.size()), s.subTracks))
        return kStationDamaged;

    for (int32_t r = 0; r < s.rows; ++r)
        for (int32_t c = 0; c < s.cols; ++c)
            *tileCodes.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)) =
                s.codes[static_cast<size_t>(r) * static_cast<size_t>(s.cols) + static_cast<size_t>(c)];
    for (size_t t = 0; t < s.tracks.size(); ++t) {
        int32_t* cells = paths.Row(static_cast<uint32_t>(t))->At(0);
        const std::vector<::TileCode>& tiles = s.tracks[t].tiles;
        cells[kPathTwoWay] = s.tracks[t].twoWay;
        cells[kPathCatenary] = s.tracks[t].catenary;
        cells[kPathEndTile] = tiles.empty() ? 0 : tiles.back();
        std::copy(tiles.begin(), tiles.end(), cells + kPathFirstTile);
    }
    for (size_t p = 0; p < s.points.size(); ++p) {
        std::copy(s.points[p].begin(), s.points[p].end(), points.Row(static_cast<uint32_t>(p))->At(0));
        std::copy(s.sections[p].begin(), s.sections[p].end(), lineSections.Row(static_cast<uint32_t>(p))->At(0));
    }

    depot.Reset();
    depot.Param(kDepotParamCapacity, s.depot[kDepotCapacityValue]);
    depot.Param(kDepotParamRepairsAtOnce, s.depot[kDepotRepairsAtOnceValue]);
    depot.Param(kDepotParamPreparationSteps, s.depot[kDepotPreparationValue]);
    depot.Param(kDepotParamRepairSteps, s.depot[kDepotRepairValue]);
    clock.Step(s.step);
    return kStationLoaded;
}
