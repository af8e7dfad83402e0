// The station schematic pane's painter.
#include "ui/win32/station_view_paint.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "ui/event_box.h"
#include "ui/font_table.h"
#include "ui/settings.h"
#include "ui/station_view.h"
#include "ui/track_labels.h"
#include "ui/tile_pictures.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/kept_picture.h"
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
void DrawSchematic(HDC dc, Game& game, const ViewRegion& region, const ViewPlacement& place)
{
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

// Everything the filled pane with its schematic is drawn from.
struct SchematicInputs {
    int width = 0, height = 0;
    ViewRegion region;
    ViewPlacement place;
    int64_t colour = 0;
    bool background = false;
    HBITMAP picture = nullptr;
    int32_t tilePictures = 0;  ///< TileBitmapsGeneration
    std::string station;
    std::vector<int32_t> tiles;  ///< code and state of every tile of the region

    bool operator==(const SchematicInputs& o) const
    {
        return width == o.width && height == o.height && region.srcX == o.region.srcX &&
               region.srcY == o.region.srcY && region.srcW == o.region.srcW && region.srcH == o.region.srcH &&
               place.dstX == o.place.dstX && place.dstY == o.place.dstY && place.dstW == o.place.dstW &&
               place.dstH == o.place.dstH && place.scale == o.place.scale && colour == o.colour &&
               background == o.background && picture == o.picture && tilePictures == o.tilePictures &&
               station == o.station && tiles == o.tiles;
    }
};

SchematicInputs InputsNow(Game& game, const ViewRegion& region, const ViewPlacement& place, int width, int height)
{
    SchematicInputs in{width, height, region, place, gSettings.schematStacji, gSettings.tlo, gBackgroundSource(),
                       TileBitmapsGeneration(), game.StationName(), {}};
    const int firstCol = region.srcX / kTileSize, firstRow = region.srcY / kTileSize;
    for (int r = firstRow; r < firstRow + region.srcH / kTileSize; ++r)
        for (int c = firstCol; c < firstCol + region.srcW / kTileSize; ++c) {
            in.tiles.push_back(game.TileCode(r, c));
            in.tiles.push_back(game.TileState(r, c));
        }
    return in;
}

// What the labels and the event box over the schematic are drawn from.
struct OverlayInputs {
    TrackLabelPlan labels;
    std::vector<EventBoxLine> events;
    HFONT fonts[3] = {};

    bool operator==(const OverlayInputs& o) const
    {
        return labels == o.labels && events == o.events && std::equal(fonts, fonts + 3, o.fonts);
    }
};

KeptPicture<SchematicInputs> gKeptSchematic;  ///< the filled pane and the schematic
KeptPicture<std::pair<SchematicInputs, OverlayInputs>> gKeptPane;  ///< with the labels and the event box

HFONT EventBoxFont()
{
    HFONT font = UiFont(FontId::kPreviewSmallFont);
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The running game's pane: schematic, labels and event box, each drawn again
// only when what it shows has changed.
void PaintRunningView(HDC dc, Game& game, int width, int height)
{
    const ViewRegion region = StationViewRegion(game);
    const ViewPlacement place = FitStationView(gStationView, region, width, height, gSettings.rozmiarSchematu);
    // The inputs are kept only after the drawing, which reads them.
    std::pair<SchematicInputs, OverlayInputs> now(
        InputsNow(game, region, place, width, height),
        OverlayInputs{PlanTrackLabels(game, gStationView, width, gUi.gameRunning, gSelection.selectedTile),
                      EventBoxLinesNow(gUi.gameRunning),
                      {TrackLabelFont(false), TrackLabelFont(true), EventBoxFont()}});
    auto drawSchematic = [&](HDC target) {
        FillSolid(target, {0, 0, width, height}, static_cast<COLORREF>(gSettings.schematStacji));
        DrawSchematic(target, game, region, place);
    };
    auto drawPane = [&](HDC target) {
        gKeptSchematic.Paint(target, SchematicInputs(now.first), width, height, drawSchematic);
        DrawTrackLabels(target, now.second.labels, width, height);
        DrawEventBox(target, now.second.events, width, height);
    };
    gKeptPane.Paint(dc, std::move(now), width, height, drawPane);
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
    Game& game = TheGame();
    if (gUi.gameRunning && game.GridCols() >= 1 && game.GridRows() >= 1) {
        PaintRunningView(dc, game, width, height);
        return;
    }
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(gSettings.schematStacji));
    ClearStationViewPlacement(gStationView);
    DrawEventBox(dc, EventBoxLinesNow(gUi.gameRunning), width, height);
}

void DrawEventBox(HDC dc, const std::vector<EventBoxLine>& lines, int width, int height)
{
    if (lines.empty()) return;
    ScopedSelect selectFont(dc, EventBoxFont());
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
