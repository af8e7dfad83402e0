// The station schematic's pixel buffers and their composing.
#include "ui/win32/schematic_canvas.h"

#include <algorithm>

#include "ui/tile_pictures.h"
#include "ui/win32/drawing.h"
#include "ui/win32/tile_bitmaps.h"

namespace {

int RegionCols(const ViewRegion& region) { return region.srcW / kTileSize; }

// The part of the background picture under the rectangle `cell` of the
// composed region: the picture at its own size with the grid's (0, 0) at its
// top-left corner, the region starting at (srcX, srcY) of the grid.
void DrawBackgroundPart(HDC target, HBITMAP picture, const ViewRegion& region, const RECT& cell)
{
    const SIZE size = BitmapSize(picture);
    RECT shown = {-region.srcX, -region.srcY, size.cx - region.srcX, size.cy - region.srcY};
    RECT part;
    if (!IntersectRect(&part, &shown, &cell)) return;
    ScopedMemoryDC memory(target);
    ScopedSelect select(memory.Get(), picture);
    BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, memory.Get(),
           part.left + region.srcX, part.top + region.srcY, SRCCOPY);
}

}  // namespace

bool SchematicSource::SameButTiles(const SchematicSource& o) const
{
    return region.srcX == o.region.srcX && region.srcY == o.region.srcY && region.srcW == o.region.srcW &&
           region.srcH == o.region.srcH && colour == o.colour && background.picture == o.background.picture &&
           background.load == o.background.load && tilePictures == o.tilePictures && tiles.size() == o.tiles.size();
}

bool SchematicSource::operator==(const SchematicSource& o) const { return SameButTiles(o) && tiles == o.tiles; }

SchematicSource SchematicSourceNow(Game& game, const ViewRegion& region, int64_t colour,
                                   const StationBackground& background)
{
    SchematicSource source{region, colour, background, TileBitmapsGeneration(), {}};
    const int firstCol = region.srcX / kTileSize, firstRow = region.srcY / kTileSize;
    for (int r = firstRow; r < firstRow + region.srcH / kTileSize; ++r)
        for (int c = firstCol; c < firstCol + RegionCols(region); ++c) {
            source.tiles.push_back(game.TileCode(r, c));
            source.tiles.push_back(game.TileState(r, c));
        }
    return source;
}

SchematicCanvas::~SchematicCanvas()
{
    if (composedPrevious_) SelectObject(composedDc_->Get(), composedPrevious_);
}

bool SchematicCanvas::MakeComposed(HDC like, int width, int height)
{
    if (composedBitmap_ && composed_.width == width && composed_.height == height) return true;
    if (composedPrevious_) SelectObject(composedDc_->Get(), composedPrevious_);
    composedPrevious_ = nullptr;
    composedDc_.reset(new ScopedMemoryDC(like));
    composed_ = {nullptr, width, height};
    composedBitmap_.Reset(CreatePixelBuffer(width, height, composed_.pixels));
    if (!composedDc_->Get() || !composedBitmap_) {
        composedBitmap_.Reset();
        return false;
    }
    composedPrevious_ = SelectObject(composedDc_->Get(), composedBitmap_.Get());
    return true;
}

// Over a background picture a track tile leaves out white (the level
// crossing its own corner colour); markers are always opaque.
void SchematicCanvas::PutTileAt(const SchematicSource& source, size_t at, int x, int y)
{
    const int32_t code = source.tiles[at];
    if (code == 0) return;
    const TilePicture picture = PictureForTile(code, source.tiles[at + 1]);
    const TilePixels* tile = PicturePixels(picture);
    if (!tile) return;
    if (source.background.picture && picture.kind == TilePictureKind::kTrack)
        PutTileKeyed(composed_, x, y, *tile,
                     IsKeyedOnOwnCorner(picture.number) ? tile->pixels[0] : CanvasPixelOf(kTransparentWhite));
    else
        PutTile(composed_, x, y, *tile);
}

// The whole region: the station colour, the background picture, then the
// tiles in the buffer's own memory.
void SchematicCanvas::ComposeAll(const SchematicSource& source)
{
    const ViewRegion& region = source.region;
    const RECT all = {0, 0, region.srcW, region.srcH};
    FillSolid(composedDc_->Get(), all, static_cast<COLORREF>(source.colour));
    if (source.background.picture) DrawBackgroundPart(composedDc_->Get(), source.background.picture, region, all);
    GdiFlush();  // the fill and the picture are in the pixels before the tiles go over them
    const int cols = RegionCols(region);
    for (size_t i = 0; i < source.tiles.size(); i += 2) {
        const int cell = static_cast<int>(i / 2);
        PutTileAt(source, i, cell % cols * kTileSize, cell / cols * kTileSize);
    }
}

// Tile (row, col) of the region anew, over its part of the colour and the picture.
void SchematicCanvas::ComposeTile(const SchematicSource& source, int row, int col)
{
    const int x = col * kTileSize, y = row * kTileSize;
    const RECT cell = {x, y, x + kTileSize, y + kTileSize};
    FillSolid(composedDc_->Get(), cell, static_cast<COLORREF>(source.colour));
    if (source.background.picture)
        DrawBackgroundPart(composedDc_->Get(), source.background.picture, source.region, cell);
    GdiFlush();
    PutTileAt(source, 2 * static_cast<size_t>(row * RegionCols(source.region) + col), x, y);
}

bool SchematicCanvas::Draw(HDC dc, const SchematicSource& source, const ViewPlacement& place)
{
    const ViewRegion& region = source.region;
    const bool patch = valid_ && source.SameButTiles(source_) &&
                       composed_.width == std::max(region.srcW, 1) && composed_.height == std::max(region.srcH, 1);
    if (patch) {
        const int cols = RegionCols(region);
        for (size_t i = 0; i < source.tiles.size(); i += 2) {
            if (source.tiles[i] == source_.tiles[i] && source.tiles[i + 1] == source_.tiles[i + 1]) continue;
            const int row = static_cast<int>(i / 2) / cols, col = static_cast<int>(i / 2) % cols;
            ComposeTile(source, row, col);
            reduction_.Changed(row * kTileSize, (row + 1) * kTileSize);
        }
    } else {
        valid_ = false;
        reduction_.ChangedWhole();
        if (!MakeComposed(dc, std::max(region.srcW, 1), std::max(region.srcH, 1))) return false;
        ComposeAll(source);
    }
    source_ = source;
    valid_ = true;
    if (place.dstW >= 1 && place.dstH >= 1 && place.dstW <= composed_.width && place.dstH <= composed_.height)
        return DrawReduced(dc, place);
    SetStretchModeForScale(dc, place.scale);
    StretchBlt(dc, place.dstX, place.dstY, place.dstW, place.dstH, composedDc_->Get(), 0, 0, region.srcW,
               region.srcH, SRCCOPY);
    return true;
}

// The composed region reduced by averaging and copied as it is; of the kept
// reduced picture only what the composed one changed in since it was last
// drawn is made again, whichever way it was drawn in between.
bool SchematicCanvas::DrawReduced(HDC dc, const ViewPlacement& place)
{
    if (!reducedBitmap_ || reduced_.width != place.dstW || reduced_.height != place.dstH) {
        reduced_ = {nullptr, place.dstW, place.dstH};
        reducedBitmap_.Reset(CreatePixelBuffer(reduced_.width, reduced_.height, reduced_.pixels));
        reduction_.ChangedWhole();
    }
    ScopedMemoryDC memory(dc);
    if (!memory.Get() || !reducedBitmap_) {
        reducedBitmap_.Reset();
        return false;
    }
    reduction_.Update(composed_, reduced_);
    ScopedSelect select(memory.Get(), reducedBitmap_.Get());
    BitBlt(dc, place.dstX, place.dstY, reduced_.width, reduced_.height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}
