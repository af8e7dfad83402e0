// Double-buffered paint frames of the panes.
#include "ui/win32/pane_paint.h"

#include <algorithm>

#include "ui/layout.h"
#include "ui/win32/double_buffer.h"

LRESULT PaneProcWithPainter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, PanePainter painter)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        {
            DoubleBuffer buffer(dc, client.right, client.bottom);
            painter(buffer.Dc(), client.right, client.bottom);
            buffer.Blit();
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
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
