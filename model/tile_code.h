// TileCode: a tile of the station grid as row * 100 + column.
#pragma once

#include <cstdint>

using TileCode = int32_t;

constexpr int32_t kMaxGridColumns = 100;  ///< a TileCode has room for columns 0..99

constexpr TileCode MakeTileCode(int32_t row, int32_t col) { return row * kMaxGridColumns + col; }
constexpr int32_t TileRow(TileCode tile) { return tile / kMaxGridColumns; }
constexpr int32_t TileColumn(TileCode tile) { return tile % kMaxGridColumns; }
