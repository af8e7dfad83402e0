// Composing the station schematic in memory: 14 x 14 tiles copied into a
// 32-bit pixel buffer, whole or leaving out one key colour, and the buffer
// reduced to the pane by averaging. A few thousand tiles a repaint are too
// many for one GDI blit each, and the system's halftone stretch takes longer
// than the whole rest of the repaint.
#pragma once

#include <array>
#include <cstdint>

#include "ui/tile_pictures.h"

// Pixels as a 32-bit top-down device-independent bitmap holds them: 0x00RRGGBB.
using CanvasPixel = uint32_t;

// One tile's pixels, row by row from the top.
struct TilePixels {
    std::array<CanvasPixel, kTileSize * kTileSize> pixels{};  ///< 0x00RRGGBB
};

// A buffer owned by someone else (the bitmap's memory), width x height pixels.
struct TileCanvas {
    CanvasPixel* pixels = nullptr;  ///< top row first; null draws nothing
    int32_t width = 0;              ///< pixels in a row
    int32_t height = 0;             ///< rows
};

// The pixel of a Windows colour (0x00BBGGRR).
constexpr CanvasPixel CanvasPixelOf(uint32_t colourRef)
{
    return ((colourRef & 0xFF) << 16) | (colourRef & 0xFF00) | ((colourRef >> 16) & 0xFF);
}

// The tile with its top-left corner at (x, y); what falls outside the canvas is cut.
void PutTile(const TileCanvas& canvas, int32_t x, int32_t y, const TilePixels& tile);
// The same, leaving out the pixels of colour `key`.
void PutTileKeyed(const TileCanvas& canvas, int32_t x, int32_t y, const TilePixels& tile, CanvasPixel key);

// Reduces `from` onto the whole of `to`, each pixel of `to` the average of the
// part of `from` it covers, so a line of one pixel fades rather than
// vanishes. `to` is at most as wide and as high as `from`; otherwise, or
// without pixels, nothing is drawn.
void ShrinkCanvas(const TileCanvas& from, const TileCanvas& to);
// The same for the rows of `to` that rows firstRow..endRow-1 of `from` take
// part in; the other rows of `to` are left as they are.
void ShrinkCanvasRows(const TileCanvas& from, const TileCanvas& to, int32_t firstRow, int32_t endRow);

// A kept reduced copy of a canvas that changes part by part. It remembers
// which rows of the canvas changed since the copy was last brought up to
// date, whatever the paints in between did with the canvas (drawn enlarged,
// not drawn at all), and what size both had then; a copy that cannot be
// known to match is reduced whole.
class KeptReduction {
public:
    // Rows firstRow..endRow-1 of the canvas changed.
    void Changed(int32_t firstRow, int32_t endRow);
    // All of the canvas changed, or the copy's pixels are new.
    void ChangedWhole();
    // `to` (the copy) made to show `from` (the canvas) reduced: whole when
    // either has another size than at the last call or ChangedWhole was
    // called since, else the rows of `to` that the changed rows take part in.
    void Update(const TileCanvas& from, const TileCanvas& to);

private:
    bool whole_ = true;      ///< the copy must be reduced whole
    int32_t firstRow_ = 0;   ///< the changed rows of the canvas, none when endRow_ <= firstRow_
    int32_t endRow_ = 0;
    int32_t sizes_[4] = {};  ///< the canvas's and the copy's width and height at the last update
};
