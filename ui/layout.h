// The arithmetic of the main window's pane layout: where the four panes go,
// the user-interface scale, the splitter bands, their drag and the fit of the
// train pane to a station. Window-free: the main window applies the results.
#pragma once

constexpr double kInitialUiScale = 1.35;  ///< uiScale until a game's boards set it
constexpr int kSplitterWidth = 6;         ///< width of a band between panes

// Board and tool-pane units become pixels by multiplying by it and truncating.
extern double gUiScale;

// The splitter bands: 0 none, 1 left of the station pane, 2 right, 3 bottom.
enum SplitterBand { kNoSplitter = 0, kLeftSplitter = 1, kRightSplitter = 2, kBottomSplitter = 3 };

// Where the bands lie after the last layout, in the main window's client.
struct Splitters {
    int leftX = 0;     ///< left edge of the band right of the arrivals board
    int rightX = 0;    ///< left edge of the band left of the departures board
    int bottomY = -1;  ///< top edge of the band above the train pane; -1 when none
};
extern Splitters gSplitters;

struct PaneRect {
    int x;       ///< left, in the main window's client
    int y;       ///< top
    int width;   ///< 0 when the pane has no room
    int height;  ///< 0 when the pane has no room
};

struct PaneLayout {
    PaneRect arrivals;    ///< left board
    PaneRect station;     ///< station schematic in the middle
    PaneRect departures;  ///< right board
    PaneRect train;       ///< train pane across the bottom
    Splitters splitters;  ///< the bands between them
    double uiScale;       ///< the scale after this layout
};

double ClampDouble(double value, double low, double high);

// Width of each board for a pane area width: the board fraction of it, leaving
// the station pane at least 240 pixels.
int BoardWidth(int areaWidth, double boardFraction);

// The four panes in an area of width x height (the client above the status
// bar). Without a game the station pane takes it all and uiScale stays.
PaneLayout ComputePaneLayout(int width, int height, bool gameRunning, double boardFraction, double trainFraction,
                             double uiScale);

// The band under a client point; only while a game runs, never inside the
// train pane.
int SplitterAt(const Splitters& splitters, bool gameRunning, int x, int y);

// Moves the band to a client point by changing its fraction; false when
// nothing changed (an empty area or no band).
bool DragSplitterFractions(int band, int x, int y, int width, int height, double& boardFraction,
                           double& trainFraction);

// The train pane fraction at which a station region of regionCols x regionRows
// tiles, filling the station pane's width, fits above it; false when the
// region or the area is empty.
bool FitTrainFraction(int width, int height, double boardFraction, int regionCols, int regionRows,
                      double& trainFraction);

int UiPixels(double units);  // units times uiScale, truncated
int ScaleUnits(double units, double scale);  // units times scale, truncated toward zero
int UiUnits(int pixels);     // pixels divided by uiScale, truncated
