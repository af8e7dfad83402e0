// The station view's region, fit, zoom, pan and hit test.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "station_builder.h"
#include "ui/station_view.h"

namespace {

// A 10 x 20 grid with track codes at (3, 5) and (6, 12): the region is rows
// 2..7 and columns 4..13.
Game SmallStation()
{
    Game game;
    BuildStation(game, 10, 20, {{kPointDepot, 0, 305, 0, 0, 0}}, 0, {});
    SetTileCode(game, MakeTileCode(3, 5), 10);
    SetTileCode(game, MakeTileCode(6, 12), 100);
    return game;
}

const ViewRegion kSmallRegion{4 * 14, 2 * 14, 10 * 14, 6 * 14};

void ExpectRegion(const ViewRegion& r, int x, int y, int w, int h)
{
    EXPECT_EQ(r.srcX, x);
    EXPECT_EQ(r.srcY, y);
    EXPECT_EQ(r.srcW, w);
    EXPECT_EQ(r.srcH, h);
}

TEST(StationView, RegionIsTheDrawnTilesWidenedByOneOrTheWholeGrid)
{
    Game game = SmallStation();
    ExpectRegion(StationViewRegion(game), kSmallRegion.srcX, kSmallRegion.srcY, kSmallRegion.srcW, kSmallRegion.srcH);

    // A code at the grid's corner widens only inwards.
    SetTileCode(game, MakeTileCode(0, 0), -3);
    ExpectRegion(StationViewRegion(game), 0, 0, 14 * 14, 8 * 14);

    // Nothing drawn anywhere: the whole grid.
    Game empty;
    BuildStation(empty, 10, 20, {{kPointDepot, 0, 305, 0, 0, 0}}, 0, {});
    ExpectRegion(StationViewRegion(empty), 0, 0, 20 * 14, 10 * 14);
}

TEST(StationView, FitCentresTheRegionAndPlacesTheGridOrigin)
{
    StationViewState view;
    // 140 x 84 into 280 x 100: the height decides, s = 100 / 84.
    ViewPlacement place = FitStationView(view, kSmallRegion, 280, 100, 1.0);
    EXPECT_DOUBLE_EQ(place.scale, 100.0 / 84);
    EXPECT_EQ(place.dstW, 167);  // 166.67 to the nearest
    EXPECT_EQ(place.dstH, 100);
    EXPECT_EQ(place.dstX, 56);   // (280 - 167) / 2
    EXPECT_EQ(place.dstY, 0);
    EXPECT_DOUBLE_EQ(view.scale, place.scale);
    EXPECT_EQ(view.originX, 56 - 67);  // 56 grid pixels of margin are 66.67 pane pixels
    EXPECT_EQ(view.originY, 0 - 33);

    // Half the zoom: half the size, centred both ways.
    place = FitStationView(view, kSmallRegion, 280, 100, 0.5);
    EXPECT_EQ(place.dstW, 83);
    EXPECT_EQ(place.dstH, 50);
    EXPECT_EQ(place.dstX, 98);
    EXPECT_EQ(place.dstY, 25);

    // A pane without room still gets a positive scale.
    place = FitStationView(view, kSmallRegion, 0, 0, 1.0);
    EXPECT_DOUBLE_EQ(place.scale, kMinViewScale);

    ClearStationViewPlacement(view);
    EXPECT_DOUBLE_EQ(view.scale, 1.0);
    EXPECT_EQ(view.originX, 0);
    EXPECT_EQ(view.originY, 0);
}

// The grid point under a pane point is still under it after each wheel turn,
// to the pixel.
TEST(StationView, ZoomAtKeepsTheGridPointUnderTheCursor)
{
    StationViewState view;
    double zoom = 1.0;
    FitStationView(view, kSmallRegion, 600, 400, zoom);
    const int cursorX = 350, cursorY = 180;
    const double gridX = (cursorX - view.originX) / view.scale;
    const double gridY = (cursorY - view.originY) / view.scale;
    for (int delta : {120, 120, 240, -120, 120, 1, -1, -360}) {
        ZoomAt(view, zoom, cursorX, cursorY, delta);
        FitStationView(view, kSmallRegion, 600, 400, zoom);
        EXPECT_FALSE(view.anchorSet);
        EXPECT_NEAR(view.originX + gridX * view.scale, cursorX, 1.0) << "zoom " << zoom;
        EXPECT_NEAR(view.originY + gridY * view.scale, cursorY, 1.0) << "zoom " << zoom;
    }
    // One step per message whatever the delta.
    EXPECT_NEAR(zoom, std::pow(kZoomStep, 2), 1e-9);
}

TEST(StationView, ZoomStopsAtItsBoundsAndThenLeavesThePanAlone)
{
    StationViewState view;
    double zoom = 2.9;
    FitStationView(view, kSmallRegion, 600, 400, zoom);
    ZoomAt(view, zoom, 10, 10, 120);
    EXPECT_DOUBLE_EQ(zoom, kMaxZoom);
    EXPECT_FALSE(view.anchorSet);
    FitStationView(view, kSmallRegion, 600, 400, zoom);
    const int panX = view.panX, panY = view.panY;
    ZoomAt(view, zoom, 500, 300, 120);
    FitStationView(view, kSmallRegion, 600, 400, zoom);
    EXPECT_DOUBLE_EQ(zoom, kMaxZoom);
    EXPECT_EQ(view.panX, panX);
    EXPECT_EQ(view.panY, panY);

    zoom = 0.21;
    ZoomAt(view, zoom, 500, 300, -120);
    EXPECT_DOUBLE_EQ(zoom, kMinZoom);
    EXPECT_FALSE(view.anchorSet);
    zoom = std::nan("");
    ZoomAt(view, zoom, 500, 300, -120);
    EXPECT_DOUBLE_EQ(zoom, kMinZoom);
}

// A smaller schematic moves anywhere inside the pane, a larger one never
// shows a gap at an edge.
TEST(StationView, PanLimitsKeepTheSchematicInPlace)
{
    StationViewState view;
    view.panX = 10000;
    view.panY = -10000;
    ViewPlacement place = FitStationView(view, kSmallRegion, 280, 200, 0.5);
    EXPECT_EQ(place.dstX + place.dstW, 280);
    EXPECT_EQ(place.dstY, 0);
    view.panX = -10000;
    view.panY = 10000;
    place = FitStationView(view, kSmallRegion, 280, 200, 0.5);
    EXPECT_EQ(place.dstX, 0);
    EXPECT_EQ(place.dstY + place.dstH, 200);

    // Three times the fit: wider than the pane.
    view.panX = 10000;
    place = FitStationView(view, kSmallRegion, 281, 200, 3.0);
    EXPECT_GT(place.dstW, 281);
    EXPECT_EQ(place.dstX, 0);
    view.panX = -10000;
    place = FitStationView(view, kSmallRegion, 281, 200, 3.0);
    EXPECT_EQ(place.dstX + place.dstW, 281);

    // Centring forgets the pan, not the zoom.
    view.anchorSet = true;
    ResetStationPan(view);
    EXPECT_EQ(view.panX, 0);
    EXPECT_EQ(view.panY, 0);
    EXPECT_FALSE(view.anchorSet);
    place = FitStationView(view, kSmallRegion, 281, 200, 3.0);
    EXPECT_EQ(place.dstX, (281 - place.dstW) / 2);
}

TEST(StationView, PanePointsTurnIntoTilesOfTheGrid)
{
    StationViewState view;
    view.scale = 2.0;  // 28 pane pixels per tile
    view.originX = -40;
    view.originY = 12;
    TileCode tile = -1;
    ASSERT_TRUE(TileAtPanePoint(view, 20, 10, -40, 12, tile));
    EXPECT_EQ(tile, 0);
    ASSERT_TRUE(TileAtPanePoint(view, 20, 10, 100, 100, tile));
    EXPECT_EQ(tile, MakeTileCode(3, 5));  // (140 / 28, 88 / 28)
    ASSERT_TRUE(TileAtPanePoint(view, 20, 10, -40 + 20 * 28 - 1, 12 + 10 * 28 - 1, tile));
    EXPECT_EQ(tile, MakeTileCode(9, 19));
    tile = -1;
    EXPECT_FALSE(TileAtPanePoint(view, 20, 10, -41, 50, tile));   // left of the origin
    EXPECT_FALSE(TileAtPanePoint(view, 20, 10, 50, 11, tile));    // above it
    EXPECT_FALSE(TileAtPanePoint(view, 20, 10, -40 + 20 * 28, 50, tile));  // past the last column
    EXPECT_FALSE(TileAtPanePoint(view, 20, 10, 50, 12 + 10 * 28, tile));   // past the last row
    EXPECT_EQ(tile, -1);

    EXPECT_EQ(PaneXOfColumn(view, 3), -40 + 84);
    EXPECT_EQ(PaneYOfRow(view, 2), 12 + 56);
    EXPECT_EQ(NearestInt(2.5), 3);
    EXPECT_EQ(NearestInt(1e300), INT_MAX);
}

}  // namespace
