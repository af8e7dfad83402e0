// Painting the station chooser's thumbnail of gThumbGrid.
#pragma once

#include <windows.h>

// Fills rect with the station colour and draws the grid's tiles over it,
// scaled to fit and centred.
void DrawStationThumb(HDC dc, const RECT& rect);
