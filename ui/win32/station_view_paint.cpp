// The station schematic pane's painter.
#include "ui/win32/station_view_paint.h"

#include <algorithm>

#include "model/game.h"
#include "ui/event_box.h"
#include "ui/font_table.h"
#include "ui/settings.h"
#include "ui/station_view.h"
#include "ui/tile_pictures.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/track_labels_paint.h"

namespace {

StationBackgroundSource gBackgroundSource = [] { return HBITMAP(nullptr); };

// The background picture at its own size, with the grid's (0, 0) at its
// top-left corner; the region's buffer starts at (srcX, srcY) of the grid.
void DrawBackground(HDC target, HDC like, HBITMAP picture, const ViewRegion& region)
{
    const SIZE size = BitmapSize(picture);
    ScopedMemoryDC memory(like);
    ScopedSelect select(memory.Get(), picture);
    BitBlt(target, -region.srcX, -region.srcY, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
}

// The region's tiles at 14 x 14 grid pixels each, composed in the buffer's
// own memory. Over a background picture a track tile leaves out white (the
// level crossing its own corner colour); markers are always opaque.
void DrawTiles(const TileCanvas& canvas, Game& game, const ViewRegion& region, bool overBackground)
{
    const int firstCol = region.srcX / kTileSize, firstRow = region.srcY / kTileSize;
    const int cols = region.srcW / kTileSize, rows = region.srcH / kTileSize;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const int32_t code = game.TileCode(firstRow + r, firstCol + c);
            if (code == 0) continue;
            const TilePicture picture = PictureForTile(code, game.TileState(firstRow + r, firstCol + c));
            const TilePixels* tile = PicturePixels(picture);
            if (!tile) continue;
            const int x = c * kTileSize, y = r * kTileSize;
            if (overBackground && picture.kind == TilePictureKind::kTrack)
                PutTileKeyed(canvas, x, y, *tile,
                             IsKeyedOnOwnCorner(picture.number) ? tile->pixels[0] : CanvasPixelOf(kTransparentWhite));
            else
                PutTile(canvas, x, y, *tile);
        }
}

// A composed region that the pane shows smaller, reduced by averaging and
// copied as it is; false when it is shown larger in either direction.
bool DrawReduced(HDC dc, const TileCanvas& composed, const ViewPlacement& place)
{
    if (place.dstW < 1 || place.dstH < 1 || place.dstW > composed.width || place.dstH > composed.height) return false;
    TileCanvas reduced{nullptr, place.dstW, place.dstH};
    ScopedMemoryDC memory(dc);
    ScopedBitmap buffer(CreatePixelBuffer(reduced.width, reduced.height, reduced.pixels));
    if (!memory.Get() || !buffer) return false;
    ShrinkCanvas(composed, reduced);
    ScopedSelect select(memory.Get(), buffer.Get());
    BitBlt(dc, place.dstX, place.dstY, reduced.width, reduced.height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

// Composes the region at 1:1 and stretches it onto the pane where the view
// places it. Only the drawn region is composed: nothing lies outside it but
// the background picture, which is cut there anyway.
void DrawSchematic(HDC dc, Game& game, int width, int height)
{
    const ViewRegion region = StationViewRegion(game);
    const ViewPlacement place = FitStationView(gStationView, region, width, height, gSettings.rozmiarSchematu);
    TileCanvas canvas{nullptr, std::max(region.srcW, 1), std::max(region.srcH, 1)};
    ScopedMemoryDC tiles(dc);
    ScopedBitmap buffer(CreatePixelBuffer(canvas.width, canvas.height, canvas.pixels));
    if (!tiles.Get() || !buffer) return;
    ScopedSelect select(tiles.Get(), buffer.Get());
    FillSolid(tiles.Get(), {0, 0, region.srcW, region.srcH}, static_cast<COLORREF>(gSettings.schematStacji));
    HBITMAP background = gBackgroundSource();
    const bool overBackground = gSettings.tlo && background;
    if (overBackground) DrawBackground(tiles.Get(), dc, background, region);
    GdiFlush();  // the fill and the picture are in the pixels before the tiles go over them
    DrawTiles(canvas, game, region, overBackground);
    if (!DrawReduced(dc, canvas, place)) {
        SetStretchModeForScale(dc, place.scale);
        StretchBlt(dc, place.dstX, place.dstY, place.dstW, place.dstH, tiles.Get(), 0, 0, region.srcW, region.srcH,
                   SRCCOPY);
    }
}

}  // namespace

StationBackgroundSource SetStationBackgroundSource(StationBackgroundSource source)
{
    const StationBackgroundSource old = gBackgroundSource;
    gBackgroundSource = source ? source : [] { return HBITMAP(nullptr); };
    return old;
}

void PaintStationView(HDC dc, int width, int height)
{
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(gSettings.schematStacji));
    Game& game = TheGame();
    if (gUi.gameRunning && game.GridCols() >= 1 && game.GridRows() >= 1) {
        DrawSchematic(dc, game, width, height);
        DrawTrackLabels(dc, width, height);
    } else {
        ClearStationViewPlacement(gStationView);
    }
    DrawEventBox(dc, width, height);
}

void DrawEventBox(HDC dc, int width, int height)
{
    const std::vector<EventBoxLine> lines = EventBoxLinesNow(gUi.gameRunning);
    if (lines.empty()) return;
    HFONT font = UiFont(FontId::kPreviewSmallFont);
    ScopedSelect selectFont(dc, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + 2;
    int widest = 0;
    for (const EventBoxLine& line : lines) {
        SIZE extent = {};
        GetTextExtentPoint32A(dc, line.text.c_str(), static_cast<int>(line.text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    const ViewRect box = LayoutEventBox(widest, static_cast<int>(lines.size()), lineHeight, width, height);
    FillSolid(dc, {box.left, box.top, box.right, box.bottom}, static_cast<COLORREF>(kEventBoxFill));
    {
        ScopedPen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(kEventBoxFrame)));
        ScopedSelect selectPen(dc, pen.Get());
        ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const ViewRect r = EventBoxLineRect(box, static_cast<int>(i), lineHeight);
        RECT rect = {r.left, r.top, r.right, r.bottom};
        SetTextColor(dc, static_cast<COLORREF>(lines[i].colour));
        DrawTextA(dc, lines[i].text.c_str(), static_cast<int>(lines[i].text.size()), &rect,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
    }
}
