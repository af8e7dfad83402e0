// Win32 tests: a bitmap to draw on, its pixels, and saving it as a ".bmp" file
// in the build tree for a person to look at.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "ui/stock_pictures.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/vehicle_pictures.h"

// The colour of pixel (x, y) of a picture.
inline COLORREF PixelAt(const Pixels24& p, int x, int y)
{
    const uint8_t* px = &p.bytes[static_cast<size_t>(y) * Stride24(p.width) + 3 * static_cast<size_t>(x)];
    return RGB(px[2], px[1], px[0]);
}

// Pixels of a bitmap, empty when it cannot be read.
inline Pixels24 PixelsOf(HBITMAP bitmap)
{
    Pixels24 pixels;
    if (!ReadBitmapPixels24(bitmap, pixels)) pixels = Pixels24();
    return pixels;
}

// Writes 24-bit pixels as a bottom-up ".bmp" file.
inline bool SavePixels(const Pixels24& p, const std::string& path)
{
    const uint32_t stride = static_cast<uint32_t>(Stride24(p.width));
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * static_cast<uint32_t>(p.height);
    info.biSize = sizeof info;
    info.biWidth = p.width;
    info.biHeight = p.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = p.height - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(&p.bytes[static_cast<size_t>(y) * stride]), stride);
    return static_cast<bool>(out);
}

// The folder of the pictures the Win32 tests leave: "pictures" in the
// folder the suite runs in (the build tree's tests folder).
inline std::string TestPicturePath(const std::string& name)
{
    CreateDirectoryA("pictures", nullptr);
    return "pictures\\" + name;
}

// A screen-compatible bitmap filled with one colour and selected into its own
// memory context.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : dc_(nullptr)
    {
        ScopedWindowDC screen(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        previous_ = SelectObject(dc_.Get(), bitmap_.Get());
        const RECT all = {0, 0, width, height};
        ScopedBrush brush(CreateSolidBrush(fill));
        FillRect(dc_.Get(), &all, brush.Get());
    }
    ~Canvas() { SelectObject(dc_.Get(), previous_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_.Get(); }
    // What was drawn; the bitmap leaves its context while it is read.
    Pixels24 Pixels()
    {
        SelectObject(dc_.Get(), previous_);
        Pixels24 pixels = PixelsOf(bitmap_.Get());
        SelectObject(dc_.Get(), bitmap_.Get());
        return pixels;
    }
    bool Save(const std::string& name) { return SavePixels(Pixels(), TestPicturePath(name)); }

private:
    ScopedMemoryDC dc_;      ///< the context drawn on
    ScopedBitmap bitmap_;    ///< the picture
    HGDIOBJ previous_;       ///< the context's own bitmap, back in place while reading
};

// Pixels that differ between what a window shows, read from it where its
// parents and the screen do not cut it off, and what `anew` paints at the
// size of its client area from nothing; -1 when none of it can be seen.
inline int PixelsDifferingFromAnew(HWND window, void (*anew)(HDC dc, int width, int height))
{
    RECT client, seen;
    GetClientRect(window, &client);
    Canvas shown(client.right, client.bottom, RGB(1, 2, 3)), fresh(client.right, client.bottom, RGB(1, 2, 3));
    HDC dc = GetDC(window);
    const int visible = GetClipBox(dc, &seen);
    BitBlt(shown.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    if (visible == NULLREGION || visible == ERROR || client.right < 1 || client.bottom < 1) return -1;
    anew(fresh.Dc(), client.right, client.bottom);
    const Pixels24 a = shown.Pixels(), b = fresh.Pixels();
    int n = 0;
    for (int y = std::max(0L, seen.top); y < std::min(static_cast<LONG>(a.height), seen.bottom); ++y)
        for (int x = std::max(0L, seen.left); x < std::min(static_cast<LONG>(a.width), seen.right); ++x)
            n += PixelAt(a, x, y) != PixelAt(b, x, y);
    return n;
}
