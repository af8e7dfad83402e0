// Double-buffered paint frames of the panes.
#include "ui/win32/pane_paint.h"

#include <algorithm>
#include <map>
#include <memory>

#include "ui/layout.h"
#include "ui/win32/double_buffer.h"

namespace {

// Each pane's buffer, kept from paint to paint while the pane keeps its size.
std::map<HWND, std::unique_ptr<DoubleBuffer>> gPaneBuffers;

DoubleBuffer& BufferOf(HWND window)
{
    std::unique_ptr<DoubleBuffer>& buffer = gPaneBuffers[window];
    if (!buffer) buffer.reset(new DoubleBuffer);
    return *buffer;
}

// The client drawn by one of the painters into the pane's buffer (straight
// onto the window when there is no memory for one), and the invalidated
// part copied to the window.
void PaintKept(HWND window, PanePainter painter, KeptPanePainter keptPainter)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    DoubleBuffer& buffer = BufferOf(window);
    const bool kept = buffer.Fit(dc, client.right, client.bottom);
    HDC target = buffer.Dc() ? buffer.Dc() : dc;
    if (keptPainter) keptPainter(target, client.right, client.bottom, kept && target != dc);
    else painter(target, client.right, client.bottom);
    if (target != dc) buffer.Blit(dc, paint.rcPaint);
    EndPaint(window, &paint);
}

LRESULT PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, PanePainter painter,
                 KeptPanePainter keptPainter)
{
    switch (message) {
    case WM_PAINT:
        PaintKept(window, painter, keptPainter);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        gPaneBuffers.erase(window);
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, PanePainter painter)
{
    return PaneProc(window, message, wParam, lParam, painter, nullptr);
}

LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, KeptPanePainter painter)
{
    return PaneProc(window, message, wParam, lParam, nullptr, painter);
}

SIZE UiLogicalSize(int width, int height) { return {std::max(UiUnits(width), 1), std::max(UiUnits(height), 1)}; }

void PaintDoubleBuffered(HWND window, PanePainter painter, LogicalSizer sizer)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const SIZE logical = sizer(client.right, client.bottom);
    DoubleBuffer& buffer = BufferOf(window);
    buffer.Fit(dc, logical.cx, logical.cy);
    if (buffer.Dc()) {
        painter(buffer.Dc(), buffer.Width(), buffer.Height());
        buffer.StretchBlit(dc, client.right, client.bottom);
    }
    EndPaint(window, &paint);
}
