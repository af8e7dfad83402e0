// Drawing the track labels over the station schematic: the codes beside the
// tracks with a white halo, and the two boxed columns of consists.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/track_labels.h"

// The overlay of the plan (PlanTrackLabels of the same paint) for a pane of
// width x height, at the view's scale and origin of the same paint.
void DrawTrackLabels(HDC dc, const TrackLabelPlan& plan, int width, int height);

// The text in white one pixel around (x, y), then in `colour` at (x, y).
void DrawHaloText(HDC dc, int x, int y, const std::string& text, COLORREF colour);

// One boxed column of rows at the pane's left or right edge.
void DrawLabelColumn(HDC dc, const std::vector<TrackLabelRow>& rows, bool left, int width, int height);
