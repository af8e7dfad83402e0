// Double-buffered paint frames of the panes.
#include "ui/win32/pane_paint.h"

#include <algorithm>
#include <map>
#include <memory>

#include "ui/layout.h"
#include "ui/win32/double_buffer.h"
#include "ui/win32/gdi_scoped.h"

namespace {

// A pane's back buffer, kept from paint to paint while the pane keeps its size.
struct PaneBuffer {
    ScopedMemoryDC dc{nullptr};
    ScopedBitmap bitmap;
    HGDIOBJ previous = nullptr;  ///< the memory context's own bitmap
    int width = 0;
    int height = 0;

    ~PaneBuffer()
    {
        if (previous) SelectObject(dc.Get(), previous);
    }
};

std::map<HWND, std::unique_ptr<PaneBuffer>> gPaneBuffers;

// The window's buffer of width x height (each at least 1), compatible with
// target; null when it cannot be made.
PaneBuffer* BufferFor(HWND window, HDC target, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    std::unique_ptr<PaneBuffer>& buffer = gPaneBuffers[window];
    if (buffer && buffer->width == width && buffer->height == height) return buffer.get();
    buffer.reset(new PaneBuffer);
    // compatible with the window's context, not the memory one, which is monochrome
    buffer->bitmap.Reset(CreateCompatibleBitmap(target, width, height));
    if (!buffer->dc.Get() || !buffer->bitmap) {
        gPaneBuffers.erase(window);
        return nullptr;
    }
    buffer->previous = SelectObject(buffer->dc.Get(), buffer->bitmap.Get());
    buffer->width = width;
    buffer->height = height;
    return buffer.get();
}

}  // namespace

LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, PanePainter painter)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        if (PaneBuffer* buffer = BufferFor(window, dc, client.right, client.bottom)) {
            painter(buffer->dc.Get(), client.right, client.bottom);
            BitBlt(dc, 0, 0, buffer->width, buffer->height, buffer->dc.Get(), 0, 0, SRCCOPY);
        } else {
            DoubleBuffer fallback(dc, client.right, client.bottom);
            painter(fallback.Dc(), client.right, client.bottom);
            fallback.Blit();
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        gPaneBuffers.erase(window);
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

SIZE UiLogicalSize(int width, int height) { return {std::max(UiUnits(width), 1), std::max(UiUnits(height), 1)}; }

void PaintDoubleBuffered(HWND window, PanePainter painter, LogicalSizer sizer)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    {
        const SIZE logical = sizer(client.right, client.bottom);
        DoubleBuffer buffer(dc, logical.cx, logical.cy);
        painter(buffer.Dc(), buffer.Width(), buffer.Height());
        buffer.StretchBlit(client.right, client.bottom);
    }
    EndPaint(window, &paint);
}
