// The station schematic's view: which part of the grid is drawn, where it
// lands in the pane at the player's zoom and pan, the wheel zoom that keeps
// the point under the cursor, the pan drag, and the pane point to tile hit
// test. Window-free: the pane paints and calls.
#pragma once

#include <cstdint>

#include "model/game.h"

constexpr double kZoomStep = 1.15;      ///< one wheel turn multiplies or divides the zoom by it
constexpr double kMinZoom = 0.2;        ///< [Widok] Rozmiar_schematu bounds
constexpr double kMaxZoom = 3.0;
constexpr double kMinViewScale = 0.01;  ///< a pane without room still gets a scale

// A rectangle of the pane; right and bottom lie outside it.
struct ViewRect {
    int left = 0;    ///< first column inside
    int top = 0;     ///< first row inside
    int right = 0;   ///< first column to the right of it
    int bottom = 0;  ///< first row below it
};

// What the view remembers between paints and input messages.
struct StationViewState {
    double scale = 1.0;        ///< pane pixels per grid pixel at the last paint; 1 without a schematic
    int originX = 0;           ///< pane x of grid column 0 at the last paint
    int originY = 0;           ///< pane y of grid row 0 at the last paint
    int panX = 0;              ///< the player's pan from the centred position, pane pixels
    int panY = 0;              ///< the same downwards
    bool anchorSet = false;    ///< a wheel turn waits for the next paint to keep its point
    int anchorPaneX = 0;       ///< the cursor's pane point at the wheel turn
    int anchorPaneY = 0;       ///< the same downwards
    double anchorGridX = 0;    ///< the grid pixel that was under it
    double anchorGridY = 0;    ///< the same downwards
    bool dragging = false;     ///< a pan drag is under way
    int dragLastX = 0;         ///< the mouse position of the last drag step
    int dragLastY = 0;         ///< the same downwards
};

extern StationViewState gStationView;

// The part of the grid drawn, in grid pixels (14 per tile).
struct ViewRegion {
    int srcX = 0;  ///< first column x 14
    int srcY = 0;  ///< first row x 14
    int srcW = 0;  ///< columns x 14
    int srcH = 0;  ///< rows x 14
};

// The tiles that hold a code, widened by one tile where the grid allows;
// the whole grid when none does.
ViewRegion StationViewRegion(const Game& game);

// Where the region lands in the pane.
struct ViewPlacement {
    int dstX = 0;        ///< pane position of the region's top-left corner
    int dstY = 0;        ///< the same downwards
    int dstW = 0;        ///< the region's width in the pane
    int dstH = 0;        ///< its height in the pane
    double scale = 1.0;  ///< pane pixels per grid pixel
};

// Fits the region into a pane of width x height at the zoom, applies a
// pending zoom anchor and the pan limits (a smaller schematic stays inside
// the pane, a larger one leaves no gap at an edge), and stores the scale and
// the origin in the view.
ViewPlacement FitStationView(StationViewState& view, const ViewRegion& region, int width, int height, double zoom);

// No schematic drawn: scale 1, origin (0, 0).
void ClearStationViewPlacement(StationViewState& view);

// One wheel turn at a pane point: the zoom grows or shrinks by one step (the
// size of the delta does not count), clamped to kMinZoom..kMaxZoom, and the
// grid point under the cursor is kept there at the next paint, unless the
// zoom hit a bound. The caller repaints.
void ZoomAt(StationViewState& view, double& zoom, int paneX, int paneY, int wheelDelta);

// Back to the centred position; the zoom stays.
void ResetStationPan(StationViewState& view);

// The pan drag. A step adds the mouse movement to the pan and answers
// whether a drag is under way (the caller repaints); the end answers whether
// there was one to end.
void StartPanDrag(StationViewState& view, int x, int y);
bool PanDragStep(StationViewState& view, int x, int y);
bool EndPanDrag(StationViewState& view);

// The tile under a pane point at the last paint; false left of or above the
// grid's origin and beyond its last column or row.
bool TileAtPanePoint(const StationViewState& view, int columns, int rows, int x, int y, TileCode& tile);

// The pane x of a grid column's left edge and the pane y of a row's top
// edge at the last paint (origin plus the truncated scaled grid pixels).
int PaneXOfColumn(const StationViewState& view, int32_t column);
int PaneYOfRow(const StationViewState& view, int32_t row);

// v + 0.5 truncated toward zero, kept inside the int range.
int NearestInt(double v);
