// Pane layout arithmetic: panes, scale, bands, drag and fit.
#include "ui/layout.h"

#include <algorithm>
#include <cstdint>

#include "ui/tile_pictures.h"

double gUiScale = kInitialUiScale;
Splitters gSplitters;

namespace {

constexpr int kMinStationWidth = 240;  // the boards never squeeze the schematic below this
constexpr double kBoardUnitWidth = 205.0;  // board width at uiScale 1
constexpr double kMinUiScale = 0.7;
constexpr double kMaxUiScale = 3.0;
constexpr double kUiScaleTolerance = 0.005;  // smaller changes keep the fonts
constexpr double kTrainPaneUnits = 90.0;     // least train pane height in ui units
constexpr double kMinBoardFraction = 0.06;
constexpr double kMaxBoardFraction = 0.3;
constexpr double kMinTrainFraction = 0.08;
constexpr double kMaxTrainFraction = 0.4;
constexpr double kMinFitFraction = 0.12;
constexpr double kMaxFitFraction = 0.25;

}  // namespace

double ClampDouble(double value, double low, double high)
{
    return value < low ? low : value > high ? high : value;
}

int BoardWidth(int areaWidth, double boardFraction)
{
    int most = std::max((areaWidth - kMinStationWidth) / 2, 0);
    return std::max(std::min(static_cast<int>(areaWidth * boardFraction), most), 0);
}

PaneLayout ComputePaneLayout(int width, int height, bool gameRunning, double boardFraction, double trainFraction,
                             double uiScale)
{
    PaneLayout layout{};
    int boardWidth = gameRunning ? BoardWidth(width, boardFraction) : 0;
    int trainHeight = gameRunning ? static_cast<int>(height * trainFraction) : 0;

    layout.uiScale = uiScale;
    if (boardWidth > 0) {
        double scale = ClampDouble(boardWidth / kBoardUnitWidth, kMinUiScale, kMaxUiScale);
        if (scale < uiScale - kUiScaleTolerance || scale > uiScale + kUiScaleTolerance) layout.uiScale = scale;
    }
    if (gameRunning) {
        trainHeight = std::max(trainHeight, static_cast<int>(kTrainPaneUnits * layout.uiScale));
        trainHeight = std::max(std::min(trainHeight, height / 2), 0);
    }

    int topHeight = std::max(height - trainHeight, 0);
    int bandV = boardWidth >= 1 ? kSplitterWidth : 0;
    int bandH = trainHeight >= 1 ? kSplitterWidth : 0;
    int paneHeight = std::max(topHeight - bandH, 0);

    layout.splitters.leftX = boardWidth;
    layout.splitters.rightX = width - boardWidth - bandV;
    layout.splitters.bottomY = trainHeight >= 1 ? topHeight - kSplitterWidth : -1;

    layout.arrivals = {0, 0, boardWidth, paneHeight};
    layout.station = {boardWidth + bandV, 0, std::max(width - 2 * (boardWidth + bandV), 0), paneHeight};
    layout.departures = {width - boardWidth, 0, boardWidth, paneHeight};
    layout.train = {0, topHeight, width, trainHeight};
    return layout;
}

int SplitterAt(const Splitters& splitters, bool gameRunning, int x, int y)
{
    if (!gameRunning) return kNoSplitter;
    if (splitters.bottomY >= 0) {
        if (y >= splitters.bottomY && y < splitters.bottomY + kSplitterWidth) return kBottomSplitter;
        if (y >= splitters.bottomY) return kNoSplitter;
    }
    if (splitters.leftX >= 0 && x >= splitters.leftX && x < splitters.leftX + kSplitterWidth) return kLeftSplitter;
    if (splitters.rightX >= 0 && x >= splitters.rightX && x < splitters.rightX + kSplitterWidth)
        return kRightSplitter;
    return kNoSplitter;
}

bool DragSplitterFractions(int band, int x, int y, int width, int height, double& boardFraction,
                           double& trainFraction)
{
    if (width < 1 || height < 1) return false;
    switch (band) {
    case kLeftSplitter:
        boardFraction = ClampDouble(static_cast<double>(x) / width, kMinBoardFraction, kMaxBoardFraction);
        return true;
    case kRightSplitter:
        boardFraction = ClampDouble(static_cast<double>(width - x) / width, kMinBoardFraction, kMaxBoardFraction);
        return true;
    case kBottomSplitter:
        trainFraction = ClampDouble(static_cast<double>(height - y) / height, kMinTrainFraction, kMaxTrainFraction);
        return true;
    default:
        return false;
    }
}

bool FitTrainFraction(int width, int height, double boardFraction, int regionCols, int regionRows,
                      double& trainFraction)
{
    int64_t contentWidth = static_cast<int64_t>(regionCols) * kTileSize;
    int64_t contentHeight = static_cast<int64_t>(regionRows) * kTileSize;
    if (contentWidth < 1 || contentHeight < 1 || width < 1 || height < 1) return false;
    int stationWidth = width - 2 * BoardWidth(width, boardFraction) - 2 * kSplitterWidth;
    if (stationWidth <= 0) return false;
    int64_t need = stationWidth * contentHeight / contentWidth;
    trainFraction = ClampDouble(static_cast<double>(height - need - kSplitterWidth) / height, kMinFitFraction,
                                kMaxFitFraction);
    return true;
}

int UiPixels(double units) { return ScaleUnits(units, gUiScale); }

int ScaleUnits(double units, double scale) { return static_cast<int>(units * scale); }

int UiUnits(int pixels) { return static_cast<int>(pixels / gUiScale); }
