// Line sections: trains moving block by block along the lines, once per step.
#include "simulation/line_sections.h"

#include <algorithm>

#include "simulation/admission.h"
#include "simulation/consist.h"

namespace {

int32_t& SectionCell(Game& game, int32_t point, int32_t cell)
{
    return *game.lineSections.At(static_cast<uint32_t>(point), static_cast<uint32_t>(cell));
}

int32_t TripleCell(int32_t block, int32_t offset) { return block * kSectionTripleSize + offset; }

// Block 1 holds an arriving train whose time is up: it comes onto the entry
// point when the point is empty, else it tries again next step.
void ComeOffLine(Game& game, int32_t point)
{
    if (RowHasVehicle(game, point)) return;
    const int32_t train = BlockTrain(game, point, 0);
    if (IsTimetableRow(game, train)) {
        const ArrivalPlacement placed = PlaceArrivingTrain(game, train, point);
        const int32_t param = PointParam(game, point);
        if (placed.head >= 0)
            SlotOrEmpty(game, point, placed.head).Countdown(std::max(StepsForMinutes(game, param / 100), 1));
        if (placed.head >= 0 && !placed.lightEngine)
            game.timetable.ExpectedTime(train, kRawRow, kArrivalSide,
                                        AddMinutesClamped(game.Now(), game.LineTravelTime(point, 1)));
    }
    FreeBlock(game, point, 0);
}

// Arriving trains move towards the station; each block is visited after the
// one it moves into, so a train moves at most one block a step.
void AdvanceArriving(Game& game, int32_t point)
{
    for (int32_t b = 0; b < kSectionBlocks; ++b) {
        int32_t& countdown = BlockCountdown(game, point, b);
        if (countdown >= 2) {
            --countdown;
        } else if (countdown == 1 && b == 0) {
            ComeOffLine(game, point);
        } else if (countdown == 1 && BlockCountdown(game, point, b - 1) == 0) {
            EnterBlock(game, point, b - 1, BlockTrain(game, point, b));
            FreeBlock(game, point, b);
        }
    }
}

// Departing trains move away from the station; a train that moved on skips
// the block it entered until the next step.
void AdvanceDeparting(Game& game, int32_t point)
{
    const int32_t last = BlockCount(game, point) - 1;
    for (int32_t b = 0; b < kSectionBlocks; ++b) {
        int32_t& countdown = BlockCountdown(game, point, b);
        if (countdown >= 2) {
            --countdown;
        } else if (countdown == 1 && b >= last) {
            FreeBlock(game, point, b);
        } else if (countdown == 1 && BlockCountdown(game, point, b + 1) == 0) {
            EnterBlock(game, point, b + 1, BlockTrain(game, point, b));
            FreeBlock(game, point, b);
            ++b;
        }
    }
}

// A line in any other state (only a damaged saved game gives one) just counts down.
void CountDownBlocks(Game& game, int32_t point)
{
    for (int32_t b = 0; b < kSectionBlocks; ++b)
        if (BlockCountdown(game, point, b) >= 2) --BlockCountdown(game, point, b);
}

bool AnyBlockCounting(Game& game, int32_t point)
{
    for (int32_t b = 0; b < kSectionBlocks; ++b)
        if (BlockCountdown(game, point, b) > 0) return true;
    return false;
}

}  // namespace

int32_t& BlockTrain(Game& game, int32_t point, int32_t block)
{
    return SectionCell(game, point, TripleCell(block, kSectionTrain));
}

int32_t& BlockCountdown(Game& game, int32_t point, int32_t block)
{
    return SectionCell(game, point, TripleCell(block, kSectionCountdown));
}

int32_t BlockTime(Game& game, int32_t point, int32_t block)
{
    return SectionCell(game, point, TripleCell(block, kSectionTime));
}

int32_t& LineStateOf(Game& game, int32_t point) { return SectionCell(game, point, kSectionLineState); }

int32_t BlockCount(const Game& game, int32_t point) { return game.LineSectionInfo(point, 0); }

void EnterBlock(Game& game, int32_t point, int32_t block, int32_t train)
{
    BlockTrain(game, point, block) = train;
    // A block of no time would read as a free one and lose its train.
    BlockCountdown(game, point, block) = std::max(BlockTime(game, point, block), 1);
}

void FreeBlock(Game& game, int32_t point, int32_t block)
{
    BlockTrain(game, point, block) = 0;
    BlockCountdown(game, point, block) = 0;
}

void Game::AdvanceLineSections()
{
    for (int32_t p = 0; p < pointCount; ++p) {
        const int32_t state = LineStateOf(*this, p);
        if (state == kLineArriving)
            AdvanceArriving(*this, p);
        else if (state == kLineDeparting)
            AdvanceDeparting(*this, p);
        else if (state != kLineFree)
            CountDownBlocks(*this, p);

        if (PointKind(p) != kPointLine) continue;
        int32_t& line = LineStateOf(*this, p);
        const ::TileCode tile = PointTile(p);
        if (!AnyBlockCounting(*this, p)) {
            if ((line == kLineDeparting || line == kLineArriving) && TileStateAt(*this, tile) != kTileFree) continue;
            line = kLineFree;
        }
        // The entry is kept for the arriving train while it is on the line.
        if (line == kLineArriving && TileStateAt(*this, tile) == kTileFree) SetTileState(*this, tile, kTileLocked);
    }
}
