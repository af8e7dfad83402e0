// Grid2D: the two-level table every model table is held in.
//
// An index at or past the end is clamped to the last element, and indexes are
// taken as unsigned, so -1 (what a failed point search returns) reaches the
// last element too. Callers throughout the model rely on that.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

template <typename T>
class GridRow {
public:
    GridRow() = default;
    GridRow(GridRow&& other) noexcept { *this = std::move(other); }
    GridRow& operator=(GridRow&& other) noexcept
    {
        cells_ = std::move(other.cells_);
        cellCount_ = other.cellCount_;
        other.cellCount_ = 0;
        return *this;
    }

    // The in-range read is forced inline (the compiler's own limits keep it
    // out of line at over a thousand calls a step); clamping and the
    // stand-in cell are out of line.
    [[gnu::always_inline]] T* At(uint32_t j) { return j < cellCount_ ? &cells_[j] : AtClamped(j); }
    [[gnu::always_inline]] const T* At(uint32_t j) const { return j < cellCount_ ? &cells_[j] : AtClamped(j); }
    uint32_t Count() const { return cellCount_; }

private:
    template <typename> friend class Grid2D;

    // cols value-initialised cells: zero for numbers, empty slots for VehicleSlot.
    void Allocate(uint32_t cols)
    {
        cells_.reset(cols ? new T[cols]() : nullptr);
        cellCount_ = cols;
    }

    // A row with cells has cells_ set, so an index below cellCount_ is a cell.
    [[gnu::noinline]] T* AtClamped(uint32_t) const { return cells_ ? &cells_[cellCount_ - 1] : ZeroedCell(); }

    // An empty row has no cell to give; a fresh zeroed one stands in, so a
    // stray read sees 0 and a stray write is forgotten.
    static T* ZeroedCell()
    {
        static T cell;
        cell = T();
        return &cell;
    }

    std::unique_ptr<T[]> cells_;  ///< the row's cells, owned
    uint32_t cellCount_ = 0;      ///< number of cells
};

template <typename T>
class Grid2D {
public:
    Grid2D() = default;
    Grid2D(Grid2D&& other) noexcept { *this = std::move(other); }
    Grid2D& operator=(Grid2D&& other) noexcept
    {
        rows_ = std::move(other.rows_);
        rowCount_ = other.rowCount_;
        other.rowCount_ = 0;
        return *this;
    }

    // Releases the old rows, then makes rows rows of cols cells each.
    void Create(int32_t rows, int32_t cols)
    {
        rows_.reset();
        rowCount_ = 0;
        if (rows <= 0) return;
        rows_.reset(new GridRow<T>[static_cast<uint32_t>(rows)]);
        rowCount_ = static_cast<uint32_t>(rows);
        for (uint32_t i = 0; i < rowCount_; ++i)
            rows_[i].Allocate(cols > 0 ? static_cast<uint32_t>(cols) : 0);
    }

    [[gnu::always_inline]] GridRow<T>* Row(uint32_t i) { return i < rowCount_ ? &rows_[i] : RowClamped(i); }
    [[gnu::always_inline]] const GridRow<T>* Row(uint32_t i) const { return i < rowCount_ ? &rows_[i] : RowClamped(i); }
    uint32_t RowCount() const { return rowCount_; }

    // Row(i)->At(j), the way nearly every caller reads a table.
    [[gnu::always_inline]] T* At(uint32_t i, uint32_t j) { return Row(i)->At(j); }
    [[gnu::always_inline]] const T* At(uint32_t i, uint32_t j) const { return Row(i)->At(j); }

    // The cell itself, or null outside the table: no clamping.
    [[gnu::always_inline]] T* Find(uint32_t i, uint32_t j)
    {
        if (i >= rowCount_) return nullptr;
        GridRow<T>& row = rows_[i];
        return j < row.cellCount_ ? &row.cells_[j] : nullptr;
    }

private:
    // rows_ is set whenever rowCount_ is not zero.
    [[gnu::noinline]] GridRow<T>* RowClamped(uint32_t) const
    {
        return rows_ ? &rows_[rowCount_ - 1] : EmptyRow();
    }

    static GridRow<T>* EmptyRow()
    {
        static GridRow<T> row;  // stays empty: nothing can allocate into it from outside Create
        return &row;
    }

    std::unique_ptr<GridRow<T>[]> rows_;  ///< the rows, owned
    uint32_t rowCount_ = 0;               ///< number of rows
};
