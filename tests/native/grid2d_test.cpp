#include <gtest/gtest.h>

#include "model/grid2d.h"
#include "model/vehicle_slot.h"

namespace {

Grid2D<int32_t> Numbered(int32_t rows, int32_t cols)
{
    Grid2D<int32_t> grid;
    grid.Create(rows, cols);
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j < cols; ++j) *grid.Row(i)->At(j) = i * 100 + j;
    return grid;
}

TEST(Grid2D, IndexPastTheEndOrNegativeYieldsTheLastElement)
{
    Grid2D<int32_t> grid = Numbered(4, 3);
    EXPECT_EQ(grid.Row(4), grid.Row(3));
    EXPECT_EQ(grid.Row(4 + 5), grid.Row(3));
    EXPECT_EQ(grid.Row(-1), grid.Row(3));
    EXPECT_EQ(*grid.Row(2)->At(-1), 202);
    EXPECT_EQ(*grid.Row(2)->At(3), 202);
    EXPECT_EQ(*grid.Row(-1)->At(-1), 302);
    EXPECT_EQ(*grid.At(1, 1), 101);
}

TEST(Grid2D, CreateReplacesOldRows)
{
    Grid2D<int32_t> grid = Numbered(4, 3);
    grid.Create(2, 5);
    EXPECT_EQ(grid.RowCount(), 2u);
    EXPECT_EQ(grid.Row(1)->Count(), 5u);
    *grid.At(1, 4) = 7;
    EXPECT_EQ(*grid.At(9, 9), 7);
}

TEST(Grid2D, EmptyTableGivesAZeroedElementNeverNull)
{
    Grid2D<int32_t> grid;
    ASSERT_NE(grid.Row(0), nullptr);
    EXPECT_EQ(grid.Row(5)->Count(), 0u);
    int32_t* cell = grid.Row(-1)->At(-1);
    ASSERT_NE(cell, nullptr);
    *cell = 55;  // a stray write is forgotten
    EXPECT_EQ(*grid.At(0, 0), 0);

    grid.Create(3, 0);  // rows without cells
    EXPECT_EQ(*grid.At(2, 0), 0);
    grid.Create(0, 4);
    EXPECT_EQ(grid.RowCount(), 0u);
}

TEST(Grid2D, ByteTableHoldsFixedWidthText)
{
    Grid2D<uint8_t> names;
    names.Create(2, 30);
    EXPECT_EQ(names.Row(1)->Count(), 30u);
    *names.At(1, 29) = 'x';
    EXPECT_EQ(*names.At(7, 40), 'x');
}

TEST(Grid2D, MovesTransferOwnership)
{
    Grid2D<int32_t> a = Numbered(2, 2);
    Grid2D<int32_t> b = std::move(a);
    EXPECT_EQ(*b.At(1, 1), 101);
    EXPECT_EQ(a.RowCount(), 0u);  // NOLINT(bugprone-use-after-move): moved-from is empty
}

TEST(SlotGrid, RowsOfTenEmptySlots)
{
    const int32_t points = 6, subTracks = 3;
    SlotGrid slots;
    slots.Create(points + subTracks, kSlotsPerPoint);
    ASSERT_EQ(slots.RowCount(), 9u);
    for (int32_t r = 0; r < points + subTracks; ++r) {
        ASSERT_EQ(slots.Row(r)->Count(), 10u);
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
            VehicleSlot* slot = slots.Row(r)->At(s);
            EXPECT_EQ(slot->Type(), 0);
            EXPECT_EQ(slot->Operational(), 1);
            EXPECT_EQ(slot->Serviced(), 1);
        }
    }
    // Slot -1 is slot 9, the last slot of the point.
    slots.Row(2)->At(9)->Number(42);
    EXPECT_EQ(slots.Row(2)->At(-1)->Number(), 42);
}

}  // namespace
