// Game: queries on the station's points and line sections.
#include "model/game.h"

namespace {

bool IsLineKind(int32_t kind) { return kind >= kPointEntry && kind <= kPointLine; }

}  // namespace

int32_t Game::FindPointByTile(::TileCode tile) const
{
    for (int32_t p = 0; IsPoint(p); ++p)
        for (int32_t k = 0; k < 3; ++k)
            if (Point(p, kPointFieldTile + k) == tile) return p;
    return -1;
}

int32_t Game::EntryExitCode(int32_t n) const
{
    int32_t seen = 0;
    for (int32_t p = 0; IsPoint(p); ++p) {
        const int32_t kind = Point(p, kPointFieldKind);
        if (!IsLineKind(kind) || ++seen != n) continue;
        // Wide arithmetic: a station file's parameter may be any 32-bit value.
        const int64_t code = int64_t{Point(p, kPointFieldParam)} * 1000 +
                             int64_t{Point(p, kPointFieldTile + 1)} * 100 +
                             int64_t{Point(p, kPointFieldSixth) / 10} * 10 + kind;
        return static_cast<int32_t>(code);
    }
    return n == 0 ? seen : 0;
}

int32_t Game::PointSideNumber(::TileCode a, ::TileCode b) const
{
    const int32_t p = FindPointByTile(b);
    if (p < 0) return 0;
    return TileColumn(TileColumn(a) >= TileColumn(b) ? PointFarEndTile(p) : Point(p, kPointFieldTile));
}

int32_t Game::FirstLinePointTile(int32_t n, bool kindOneToo) const
{
    for (int32_t p = 0; IsPoint(p); ++p) {
        const int32_t kind = Point(p, kPointFieldKind);
        if ((kind == kPointLine || (kindOneToo && kind == kPointEntry)) && Point(p, kPointFieldSixth) / 10 == n)
            return Point(p, kPointFieldTile);
    }
    return -1;
}

::TileCode Game::EntryTileByNumber(int32_t n) const { return FirstLinePointTile(n, false); }

::TileCode Game::ArrivalEntryTileByNumber(int32_t n) const { return FirstLinePointTile(n, true); }

int32_t Game::LineTravelTime(int32_t point, int32_t flag) const
{
    if (!IsPoint(point)) return 0;
    const int32_t kind = Point(point, kPointFieldKind);
    if (!IsLineKind(kind)) return 0;  // [3] of other kinds is a tile, not minutes
    const int32_t param = Point(point, kPointFieldParam);
    const int32_t extra = Point(point, kPointFieldTile + 1);
    if (flag) return param / 100 + extra;
    if (kind == kPointEntry) return param + extra;
    if (kind == kPointLine) return param % 100 + extra;
    return 0;
}

int32_t Game::LineSectionInfo(int32_t point, int32_t k) const
{
    if (!IsPoint(point)) return k == 0 ? 0 : -1;  // no line: no blocks, nothing in them
    const GridRow<int32_t>* line = lineSections.Row(static_cast<uint32_t>(point));
    auto cell = [line](int32_t c) { return *line->At(static_cast<uint32_t>(c)); };
    if (k == 0) {
        int32_t used = 0;
        while (used < kSectionBlocks && cell(used * kSectionTripleSize + kSectionTime) != -1) ++used;
        return used;
    }
    if (k == kSectionLineState) return cell(kSectionLineState);
    if (k < 1 || k > kSectionBlocks) return -1;
    const int32_t triple = (k - 1) * kSectionTripleSize;
    return cell(triple + kSectionCountdown) != 0 ? cell(triple + kSectionTrain) : -1;
}

::TileCode Game::PointTileAt(int32_t point, int32_t k) const
{
    return IsPoint(point) && k >= 0 && k < 3 ? Point(point, kPointFieldTile + k) : 0;
}

// A point of one or two tiles ends at its last tile, not at an empty third one.
::TileCode Game::PointFarEndTile(int32_t point) const
{
    if (!IsPoint(point)) return 0;
    for (int32_t k = 2; k > 0; --k)
        if (Point(point, kPointFieldTile + k) != 0) return Point(point, kPointFieldTile + k);
    return Point(point, kPointFieldTile);
}

// The next three answer with the last point's values when no point holds the
// tile: the failed search gives -1, which the table clamps to its last row.
int32_t Game::EntryNumberOfRow(int32_t index, int32_t mode) const
{
    return Point(FindPointByTile(timetable.EntryTile(index, mode)), kPointFieldSixth) / 10;
}

int32_t Game::ExitNumberOfRow(int32_t index, int32_t mode) const
{
    return Point(FindPointByTile(timetable.ExitTile(index, mode)), kPointFieldSixth) / 10;
}

::TileCode Game::EntryPointTileOfRow(int32_t index, int32_t mode) const
{
    return Point(FindPointByTile(timetable.EntryTile(index, mode)), kPointFieldTile);
}
