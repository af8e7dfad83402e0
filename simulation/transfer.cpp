// Transferring consists between points and sub-tracks, and the room test.
#include "simulation/transfer.h"

#include <climits>

#include "simulation/consist.h"
#include "simulation/slot_queries.h"

namespace {

// The sub-track row a slot link names: +L and -L both name row L.
int32_t LinkedRow(int32_t link) { return link == INT32_MIN ? -1 : (link < 0 ? -link : link); }

// The siding point whose sub-track rows hold `row`, -1 when none.
int32_t SidingOfSubTrack(Game& game, int32_t row)
{
    for (int32_t p = 0; p < game.pointCount; ++p)
        if (IsSidingSubTrack(game, p, row)) return p;
    return -1;
}

// Vehicles that came onto a siding point pass on into the sub-track named by
// the link of its slot 0: +L behind the vehicles of row L, -L in front of them.
void PassIntoSubTrack(Game& game, int32_t siding)
{
    VehicleSlot& first = SlotOrEmpty(game, siding, 0);
    if (first.IsEmpty()) return;
    const int32_t link = first.Link();
    const int32_t target = LinkedRow(link);
    if (!IsSidingSubTrack(game, siding, target)) return;
    const SlotRun coming{0, OccupiedRun(game, siding) - 1};
    const int32_t there = OccupiedRun(game, target);
    if (!SlotsFree(game, target, there, coming.Length())) return;
    if (link < 0) {
        ShiftUp(game, target, there, coming.Length());
        MoveRun(game, siding, coming, target, 0);
    } else {
        MoveRun(game, siding, coming, target, there);
    }
}

// Where a run of `length` vehicles enters destination d; -1 when it does not fit.
int32_t InsertionSlot(Game& game, int32_t d, TileCode target, int32_t length)
{
    if (!IsPlatformKind(game.PointKind(d))) return SlotsFree(game, d, 0, length) ? 0 : -1;
    const int32_t standing = OccupiedRun(game, d);
    if (!SlotsFree(game, d, standing, length)) return -1;
    // Coming to the platform's first tile, the consist enters at its front.
    if (target != game.PointTile(d) || standing == 0) return standing;
    ShiftUp(game, d, standing, length);
    return 0;
}

}  // namespace

void TransferConsistAt(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot& head = SlotOrEmpty(game, row, slot);
    if (!head.HasPath()) return;
    const TileCode target = head.PathFirst();
    const int32_t d = game.FindPointByTile(target);
    if (d < 0) return;
    if (d == row) {
        // Already there: only a siding point hands the consist on.
        if (game.PointKind(d) == kPointSiding) PassIntoSubTrack(game, d);
        return;
    }
    const SlotRun run = ConsistAround(game, row, slot);
    const int32_t at = InsertionSlot(game, d, target, run.Length());
    if (at < 0) return;
    MoveRun(game, row, run, d, at);
    if (row < game.pointCount && IsPlatformKind(game.PointKind(row)) && SlotOrEmpty(game, row, 0).IsEmpty()) {
        CloseUp(game, row);
        if (SlotOrEmpty(game, row, 0).IsEmpty()) SetPointTiles(game, row, kTileFree);
    }
    if (game.PointKind(d) == kPointSiding) PassIntoSubTrack(game, d);
}

void StartConsist(Game& game, int32_t row, int32_t slot)
{
    SlotOrEmpty(game, row, slot).Motion(kMotionMoving);
    TransferConsistAt(game, row, slot);
}

void LeaveSiding(Game& game, int32_t row, int32_t slot)
{
    const int32_t siding = SidingOfSubTrack(game, row);
    VehicleSlot& head = SlotOrEmpty(game, row, slot);
    if (siding < 0 || !head.HasPath()) return;
    const bool towardsLower = TileColumn(head.PathFirst()) - TileColumn(head.PathLast()) < 1;
    const SlotRun run = towardsLower ? LeadingRun(game, row) : TrailingRun(game, row);
    if (!SlotsFree(game, siding, 0, run.Length())) return;
    MoveRun(game, row, run, siding, 0);
    if (SlotOrEmpty(game, row, 0).IsEmpty()) CloseUp(game, row);
    const int32_t found = towardsLower ? FindPoweredSlot(game, siding, 0, 1) : FindPoweredSlot(game, siding, run.hi, -1);
    if (found >= 0) StartConsist(game, siding, found);
}

void Game::TransferConsist(VehicleSlot& head)
{
    for (int32_t r = 0; r < SlotRowCount(*this); ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s)
            if (SlotAt(r, s) == &head) return TransferConsistAt(*this, r, s);
}

bool Game::HasRoomForConsist(int32_t destination, int32_t sourcePoint, int32_t sourceColumn,
                             int32_t destinationColumn)
{
    const int32_t source = SourceRow(*this, sourcePoint);
    const SlotRun run = sourceColumn < destinationColumn ? TrailingRun(*this, source) : LeadingRun(*this, source);
    const int32_t length = run.Length();
    if (destination < 0 || destination >= SlotRowCount(*this)) return false;
    if (destination >= pointCount) return OccupiedRun(*this, destination) + length <= kSlotsPerPoint;
    const int32_t kind = PointKind(destination);
    const bool firstFree = SlotOrEmpty(*this, destination, 0).IsEmpty();
    if (kind == kPointDepot) return depot.HasRoom() && firstFree;
    if (!IsPlatformKind(kind)) return firstFree;
    const int32_t from = PointKind(sourcePoint);
    // A train from a line comes only onto an empty platform.
    if (from == kPointEntry || from == kPointLine) return firstFree;
    return OccupiedRun(*this, destination) + length <= kSlotsPerPoint;
}
