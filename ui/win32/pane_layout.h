// The main window's pane layout applied to its windows: placing the panes,
// the splitter bands under the mouse and the fit of the train pane to the
// station at game start.
#pragma once

// Places the four panes from the [Widok] fractions and sets uiScale; nothing
// before the station pane exists. After a size change, a fraction change,
// game start and load.
void LayoutPanes();

// With [Widok] Dopasuj_do_stacji on and a game running, sets the train pane
// fraction so that the station's occupied region (regionCols x regionRows
// tiles, GetOccupiedBounds widened by one) fits the station pane's width.
// At game start and load, before LayoutPanes.
void FitLayoutToStation(int regionCols, int regionRows);

int HitTestSplitter(int x, int y);  // band under a client point: SplitterBand
void DragSplitter(int x, int y);    // moves gDraggedSplitter's band to the point and lays out again

// Rebuilds the fonts that follow uiScale, called when the layout changes it;
// the graphics plug in CreateScaledFonts.
extern void (*gCreateScaledFonts)();
