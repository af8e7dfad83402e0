// Painting the station schematic pane: the tiles of the grid by their codes
// and states, over the station's background picture, fitted, zoomed and
// panned, then the track labels and the event box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/event_box.h"

// The whole pane of width x height into dc (the pane's memory context),
// unless dc still holds (`kept`) what it shows (KeptPanePainter); leaves the
// view's scale and origin for the input and the labels.
void PaintStationView(HDC dc, int width, int height, bool kept = false);
// The same drawn from nothing, with pictures made for this paint alone: what
// the pane keeps is left as it is. What the pane shows after any sequence of
// paints is this picture of the same state.
void PaintStationViewAnew(HDC dc, int width, int height);

// The box of the lines (hints and newest events, EventBoxLinesNow) in the
// pane's bottom-right corner.
void DrawEventBox(HDC dc, const std::vector<EventBoxLine>& lines, int width, int height);

// The station's background picture and which of its loads it is: a picture
// loaded later may get the handle of one freed before, so the kept schematic
// knows its picture by both.
struct StationBackground {
    HBITMAP picture = nullptr;  ///< null when none
    int32_t load = 0;           ///< moves on with every load and free
};

// Where the station's background picture comes from (the game files load
// it); until one is set there is none. Returns the one before.
using StationBackgroundSource = StationBackground (*)();
StationBackgroundSource SetStationBackgroundSource(StationBackgroundSource source);
