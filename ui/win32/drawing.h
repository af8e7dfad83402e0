// The drawing primitives every pane shares: tile and picture blits, text, the
// supply level bar and the stretch mode for a scale. Null bitmaps and null
// texts draw nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/tile_canvas.h"
#include "ui/win32/gdi_scoped.h"

// The colour left out when a tile or picture is drawn transparently.
constexpr COLORREF kTransparentWhite = RGB(255, 255, 255);

// A 32-bit top-down section of width x height whose pixels the program
// writes directly (after GdiFlush when GDI drew into it); null when it
// cannot be made.
HBITMAP CreatePixelBuffer(int width, int height, CanvasPixel*& pixels);

// Fills a rectangle with one colour through a brush of its own.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// The size of a bitmap in pixels; 0 x 0 for a null or unreadable one.
SIZE BitmapSize(HBITMAP bitmap);

// The colour of a bitmap's top-left pixel (white for a null bitmap).
COLORREF TopLeftPixel(HBITMAP bitmap);

// Colour-on-colour stretching at a scale of 1 or more, halftone below, and the
// brush origin back at (0, 0) as halftone needs.
void SetStretchModeForScale(HDC dc, double scale);

// Copies 14 x 14 tiles onto one context through one memory context, for a
// pane that draws many of them.
class TileBlitter {
public:
    explicit TileBlitter(HDC dc) : dc_(dc), memory_(dc) {}
    void Copy(int x, int y, HBITMAP tile);                            // SRCCOPY
    void Transparent(int x, int y, HBITMAP tile, COLORREF key);       // TransparentBlt keyed on `key`

private:
    HDC dc_;                // the target
    ScopedMemoryDC memory_; // holds each tile while it is copied
};

void BlitTile14(HDC dc, int x, int y, HBITMAP bitmap);
void BlitTile14Transparent(HDC dc, int x, int y, HBITMAP bitmap, COLORREF key);

// The bitmap at (x, y) stretched by `scale` (each side truncated), white
// transparent: the signals and the depot's pictures at the user-interface scale.
void DrawBitmapScaled(HDC dc, int x, int y, HBITMAP bitmap, double scale);

// A zero-terminated code page 1250 text in the selected font.
void DrawTextAt(HDC dc, int x, int y, const char* text);

// A supply bar: light grey, filled to `percent` (0..100) in the colour of
// `state` (StateColour; green at 0), framed in grey; at least 6 x 3 pixels.
void DrawLevelBar(HDC dc, int x, int y, int width, int height, int percent, int state);
