// Drawing primitives: blits, text, the level bar and the stretch mode.
#include "ui/win32/drawing.h"

#include <cstring>

#include "ui/level_bar.h"
#include "ui/stock_pictures.h"
#include "ui/tile_pictures.h"

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    ScopedBrush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.Get());
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

COLORREF TopLeftPixel(HBITMAP bitmap)
{
    if (!bitmap) return kTransparentWhite;
    ScopedMemoryDC memory(nullptr);
    ScopedSelect select(memory.Get(), bitmap);
    const COLORREF pixel = GetPixel(memory.Get(), 0, 0);
    return pixel == CLR_INVALID ? kTransparentWhite : pixel;
}

void SetStretchModeForScale(HDC dc, double scale)
{
    SetStretchBltMode(dc, scale >= 1 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
}

HBITMAP CreatePixelBuffer(int width, int height, CanvasPixel*& pixels)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = section ? static_cast<CanvasPixel*>(bits) : nullptr;
    return section;
}

void TileBlitter::Copy(int x, int y, HBITMAP tile)
{
    if (!dc_ || !tile) return;
    ScopedSelect select(memory_.Get(), tile);
    BitBlt(dc_, x, y, kTileSize, kTileSize, memory_.Get(), 0, 0, SRCCOPY);
}

void TileBlitter::Transparent(int x, int y, HBITMAP tile, COLORREF key)
{
    if (!dc_ || !tile) return;
    ScopedSelect select(memory_.Get(), tile);
    TransparentBlt(dc_, x, y, kTileSize, kTileSize, memory_.Get(), 0, 0, kTileSize, kTileSize, key);
}

void BlitTile14(HDC dc, int x, int y, HBITMAP bitmap)
{
    TileBlitter(dc).Copy(x, y, bitmap);
}

void BlitTile14Transparent(HDC dc, int x, int y, HBITMAP bitmap, COLORREF key)
{
    TileBlitter(dc).Transparent(x, y, bitmap, key);
}

void DrawBitmapScaled(HDC dc, int x, int y, HBITMAP bitmap, double scale)
{
    const SIZE size = BitmapSize(bitmap);
    if (!dc || size.cx < 1 || size.cy < 1 || !(scale > 0)) return;
    const SpritePlace place = PlaceSprite(0, 0, size.cx, size.cy, 0, scale);
    if (place.width < 1 || place.height < 1) return;
    SetStretchModeForScale(dc, scale);
    ScopedMemoryDC memory(dc);
    ScopedSelect select(memory.Get(), bitmap);
    TransparentBlt(dc, x, y, place.width, place.height, memory.Get(), 0, 0, size.cx, size.cy, kTransparentWhite);
}

void DrawTextAt(HDC dc, int x, int y, const char* text)
{
    if (!dc || !text) return;
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void DrawLevelBar(HDC dc, int x, int y, int width, int height, int percent, int state)
{
    if (!dc) return;
    const LevelBarShape bar = LayoutLevelBar(x, y, width, height, percent, state);
    const RECT outer = {bar.left, bar.top, bar.right, bar.bottom};
    FillSolid(dc, outer, static_cast<COLORREF>(kLevelBarBackground));
    if (bar.fillWidth > 0) {
        const RECT fill = {bar.left + 1, bar.top + 1, bar.left + 1 + bar.fillWidth, bar.bottom - 1};
        FillSolid(dc, fill, static_cast<COLORREF>(bar.fillColour));
    }
    FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}
