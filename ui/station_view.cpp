// The station view's region, fit, zoom, pan and hit test.
#include "ui/station_view.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "simulation/track_names.h"
#include "ui/tile_pictures.h"

StationViewState gStationView;

namespace {

// The pan along one axis kept so that a schematic of `size` in a pane of
// `pane` with the centring offset `offset` stays inside the pane when it is
// smaller, and leaves no gap at either edge when it is larger.
int LimitPan(int pan, int size, int pane, int offset)
{
    const int low = size <= pane ? -offset : pane - size - offset;
    const int high = size <= pane ? pane - size - offset : -offset;
    return std::clamp(pan, low, high);
}

// A wide sum of pixel positions kept well inside the int range, so that the
// pan limits can still add the pane's offsets to it.
int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 4, INT_MAX / 4)); }

}  // namespace

int NearestInt(double v)
{
    const double x = v + 0.5;
    if (!(x > INT_MIN)) return INT_MIN;  // also a value that is not a number
    if (!(x < INT_MAX)) return INT_MAX;
    return static_cast<int>(x);
}

ViewRegion StationViewRegion(const Game& game)
{
    GridBounds bounds{0, game.GridRows() - 1, 0, game.GridCols() - 1};
    GetOccupiedBounds(game, bounds);  // leaves the whole grid when no tile has a code
    ViewRegion region;
    region.srcX = bounds.firstCol * kTileSize;
    region.srcY = bounds.firstRow * kTileSize;
    region.srcW = (bounds.lastCol - bounds.firstCol + 1) * kTileSize;
    region.srcH = (bounds.lastRow - bounds.firstRow + 1) * kTileSize;
    return region;
}

ViewPlacement FitStationView(StationViewState& view, const ViewRegion& region, int width, int height, double zoom)
{
    ViewPlacement place;
    const double fit = std::min(static_cast<double>(width) / std::max(region.srcW, 1),
                                static_cast<double>(height) / std::max(region.srcH, 1));
    const double s = std::max(fit * zoom, kMinViewScale);  // also for a zoom that is not a number
    place.scale = s;
    place.dstW = NearestInt(region.srcW * s);
    place.dstH = NearestInt(region.srcH * s);
    int offX = (width - place.dstW) / 2;
    int offY = (height - place.dstH) / 2;
    if (view.anchorSet) {
        view.panX = ClampToInt(0LL + view.anchorPaneX - NearestInt(view.anchorGridX * s) - offX +
                               NearestInt(region.srcX * s));
        view.panY = ClampToInt(0LL + view.anchorPaneY - NearestInt(view.anchorGridY * s) - offY +
                               NearestInt(region.srcY * s));
        view.anchorSet = false;
    }
    view.panX = LimitPan(view.panX, place.dstW, width, offX);
    view.panY = LimitPan(view.panY, place.dstH, height, offY);
    offX += view.panX;
    offY += view.panY;
    place.dstX = offX;
    place.dstY = offY;
    view.scale = s;
    view.originX = offX - NearestInt(region.srcX * s);
    view.originY = offY - NearestInt(region.srcY * s);
    return place;
}

void ClearStationViewPlacement(StationViewState& view)
{
    view.scale = 1.0;
    view.originX = 0;
    view.originY = 0;
}

void ZoomAt(StationViewState& view, double& zoom, int paneX, int paneY, int wheelDelta)
{
    if (view.scale > 0) {
        view.anchorPaneX = paneX;
        view.anchorPaneY = paneY;
        view.anchorGridX = (paneX - view.originX) / view.scale;
        view.anchorGridY = (paneY - view.originY) / view.scale;
        view.anchorSet = true;
    }
    zoom = wheelDelta >= 1 ? zoom * kZoomStep : zoom / kZoomStep;
    if (!(zoom >= kMinZoom)) {  // also a zoom that is not a number
        zoom = kMinZoom;
        view.anchorSet = false;
    } else if (zoom > kMaxZoom) {
        zoom = kMaxZoom;
        view.anchorSet = false;
    }
}

void ResetStationPan(StationViewState& view)
{
    view.panX = 0;
    view.panY = 0;
    view.anchorSet = false;
}

void StartPanDrag(StationViewState& view, int x, int y)
{
    view.dragging = true;
    view.dragLastX = x;
    view.dragLastY = y;
}

bool PanDragStep(StationViewState& view, int x, int y)
{
    if (!view.dragging) return false;
    // Wide sums: the limits of the next paint bring a far pan back into range.
    view.panX = ClampToInt(0LL + view.panX + x - view.dragLastX);
    view.panY = ClampToInt(0LL + view.panY + y - view.dragLastY);
    view.dragLastX = x;
    view.dragLastY = y;
    return true;
}

bool EndPanDrag(StationViewState& view)
{
    const bool was = view.dragging;
    view.dragging = false;
    return was;
}

bool TileAtPanePoint(const StationViewState& view, int columns, int rows, int x, int y, TileCode& tile)
{
    if (x < view.originX || y < view.originY || !(view.scale > 0)) return false;
    const double cell = kTileSize * view.scale;
    const double column = std::trunc((static_cast<double>(x) - view.originX) / cell);
    const double row = std::trunc((static_cast<double>(y) - view.originY) / cell);
    if (column >= columns || row >= rows || column >= kMaxGridColumns) return false;
    tile = MakeTileCode(static_cast<int32_t>(row), static_cast<int32_t>(column));
    return true;
}

int PaneXOfColumn(const StationViewState& view, int32_t column)
{
    return view.originX + static_cast<int>(column * kTileSize * view.scale);
}

int PaneYOfRow(const StationViewState& view, int32_t row)
{
    return view.originY + static_cast<int>(row * kTileSize * view.scale);
}
