// Tiles copied into a pixel buffer.
#include "ui/tile_canvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The part of a tile at (x, y) that lies on the canvas: its first and last
// row and column, in tile coordinates; empty when nothing does.
struct Overlap {
    int32_t top, bottom, left, right;  ///< bottom and right lie outside
    bool Empty() const { return top >= bottom || left >= right; }
};

Overlap OverlapOf(const TileCanvas& canvas, int32_t x, int32_t y)
{
    if (!canvas.pixels) return {0, 0, 0, 0};
    return {std::max(0, -y), std::min(kTileSize, canvas.height - y), std::max(0, -x),
            std::min(kTileSize, canvas.width - x)};
}

CanvasPixel* RowStart(const TileCanvas& canvas, int32_t x, int32_t y)
{
    return canvas.pixels + static_cast<size_t>(y) * static_cast<size_t>(canvas.width) + x;
}

}  // namespace

void PutTile(const TileCanvas& canvas, int32_t x, int32_t y, const TilePixels& tile)
{
    const Overlap o = OverlapOf(canvas, x, y);
    if (o.Empty()) return;
    for (int32_t r = o.top; r < o.bottom; ++r)
        std::memcpy(RowStart(canvas, x + o.left, y + r), &tile.pixels[static_cast<size_t>(r * kTileSize + o.left)],
                    static_cast<size_t>(o.right - o.left) * sizeof(CanvasPixel));
}

void PutTileKeyed(const TileCanvas& canvas, int32_t x, int32_t y, const TilePixels& tile, CanvasPixel key)
{
    const Overlap o = OverlapOf(canvas, x, y);
    if (o.Empty()) return;
    for (int32_t r = o.top; r < o.bottom; ++r) {
        CanvasPixel* out = RowStart(canvas, x, y + r);
        for (int32_t c = o.left; c < o.right; ++c) {
            const CanvasPixel p = tile.pixels[static_cast<size_t>(r * kTileSize + c)];
            if (p != key) out[c] = p;
        }
    }
}

namespace {

constexpr uint32_t kWeightOne = 256;  ///< the weights of one target pixel add up to it

// Which pixels of the larger length make one pixel of the smaller one, and
// how much each counts, in 1 / kWeightOne.
struct Spans {
    std::vector<int32_t> first;   ///< per target pixel: its first source pixel
    std::vector<int32_t> count;   ///< per target pixel: how many source pixels from there
    std::vector<uint32_t> start;  ///< per target pixel: where its weights begin
    std::vector<uint32_t> weights;
};

// Source pixel i covers [i * to, (i + 1) * to) and target pixel d covers
// [d * from, (d + 1) * from) of one axis: whole numbers for every overlap,
// scaled so that they add up to kWeightOne; the last takes the rounding.
Spans SpansOf(int32_t from, int32_t to)
{
    Spans spans;
    for (int32_t d = 0; d < to; ++d) {
        const int64_t begin = int64_t{d} * from, end = begin + from;
        const int32_t first = static_cast<int32_t>(begin / to);
        spans.first.push_back(first);
        spans.start.push_back(static_cast<uint32_t>(spans.weights.size()));
        uint32_t given = 0;
        int32_t n = 0;
        for (int64_t i = first; i * to < end; ++i, ++n) {
            const int64_t overlap = std::min(end, (i + 1) * to) - std::max(begin, i * to);
            const uint32_t w = static_cast<uint32_t>(overlap * kWeightOne / from);
            spans.weights.push_back(w);
            given += w;
        }
        spans.weights.back() += kWeightOne - given;
        spans.count.push_back(n);
    }
    return spans;
}

// Red and blue are summed in one word and green in another: with weights
// adding up to 256 no channel's sum reaches the next channel.
struct PixelSum {
    uint32_t redBlue = 0x800080;  ///< the halves that round the averages
    uint32_t green = 0x8000;

    void Add(CanvasPixel p, uint32_t weight)
    {
        redBlue += (p & 0xFF00FF) * weight;
        green += (p & 0x00FF00) * weight;
    }
    CanvasPixel Average() const { return ((redBlue >> 8) & 0xFF00FF) | ((green >> 8) & 0x00FF00); }
};

// A row reduced across into `out` (the target's width).
void ShrinkRow(const CanvasPixel* in, const Spans& across, CanvasPixel* out, size_t width)
{
    for (size_t x = 0; x < width; ++x) {
        const uint32_t* w = &across.weights[across.start[x]];
        const CanvasPixel* p = in + across.first[x];
        PixelSum sum;
        for (int32_t k = 0; k < across.count[x]; ++k) sum.Add(p[k], w[k]);
        out[x] = sum.Average();
    }
}

// Whether `to` can show `from` reduced: both have pixels and `to` is no wider or higher.
bool CanShrink(const TileCanvas& from, const TileCanvas& to)
{
    return from.pixels && to.pixels && to.width >= 1 && to.height >= 1 && to.width <= from.width &&
           to.height <= from.height;
}

}  // namespace

void ShrinkCanvas(const TileCanvas& from, const TileCanvas& to) { ShrinkCanvasRows(from, to, 0, from.height); }

void ShrinkCanvasRows(const TileCanvas& from, const TileCanvas& to, int32_t firstRow, int32_t endRow)
{
    if (!CanShrink(from, to)) return;
    // each target row: its source rows averaged down into one row, which is
    // then reduced across; only one row is ever held on the side
    const size_t wide = static_cast<size_t>(from.width);
    const Spans across = SpansOf(from.width, to.width);
    const Spans down = SpansOf(from.height, to.height);
    std::vector<PixelSum> sums(wide);
    std::vector<CanvasPixel> row(wide);
    for (size_t y = 0; y < static_cast<size_t>(to.height); ++y) {
        if (down.first[y] >= endRow || down.first[y] + down.count[y] <= firstRow) continue;
        std::fill(sums.begin(), sums.end(), PixelSum());
        for (int32_t k = 0; k < down.count[y]; ++k) {
            const CanvasPixel* in = from.pixels + static_cast<size_t>(down.first[y] + k) * wide;
            const uint32_t w = down.weights[down.start[y] + static_cast<uint32_t>(k)];
            for (size_t x = 0; x < wide; ++x) sums[x].Add(in[x], w);
        }
        for (size_t x = 0; x < wide; ++x) row[x] = sums[x].Average();
        ShrinkRow(row.data(), across, to.pixels + y * static_cast<size_t>(to.width), static_cast<size_t>(to.width));
    }
}

void KeptReduction::Changed(int32_t firstRow, int32_t endRow)
{
    if (endRow <= firstRow) return;
    firstRow_ = endRow_ <= firstRow_ ? firstRow : std::min(firstRow_, firstRow);
    endRow_ = std::max(endRow_, endRow);
}

void KeptReduction::ChangedWhole() { whole_ = true; }

void KeptReduction::Update(const TileCanvas& from, const TileCanvas& to)
{
    const int32_t sizes[4] = {from.width, from.height, to.width, to.height};
    if (whole_ || !std::equal(sizes, sizes + 4, sizes_)) ShrinkCanvas(from, to);
    else if (firstRow_ < endRow_) ShrinkCanvasRows(from, to, firstRow_, endRow_);
    std::copy(sizes, sizes + 4, sizes_);
    whole_ = !CanShrink(from, to);  // nothing was drawn
    firstRow_ = endRow_ = 0;
}
