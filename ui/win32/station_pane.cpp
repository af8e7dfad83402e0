// The station schematic pane's window procedure.
#include "ui/win32/station_pane.h"

#include <windowsx.h>

#include "ui/settings.h"
#include "ui/station_view.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/station_view_paint.h"

namespace {

void Repaint(HWND window) { InvalidateRect(window, nullptr, FALSE); }

void OnWheel(HWND window, WPARAM wParam, LPARAM lParam)
{
    POINT cursor = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // the wheel reports screen coordinates
    ScreenToClient(window, &cursor);
    ZoomAt(gStationView, gSettings.rozmiarSchematu, cursor.x, cursor.y, GET_WHEEL_DELTA_WPARAM(wParam));
    Repaint(window);
}

}  // namespace

void BeginPan(HWND window, int x, int y)
{
    SetCapture(window);  // first: taking the capture may end a drag that ran before
    StartPanDrag(gStationView, x, y);
}

void DragPan(HWND window, int x, int y)
{
    if (PanDragStep(gStationView, x, y)) Repaint(window);
}

void EndPan()
{
    if (EndPanDrag(gStationView)) ReleaseCapture();
}

LRESULT CALLBACK StationPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        if (!(wParam & MK_CONTROL)) break;
        BeginPan(window, x, y);
        return 0;
    case WM_MBUTTONDOWN:
        BeginPan(window, x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
        EndPan();
        return 0;
    case WM_MOUSEMOVE:
        DragPan(window, x, y);
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (another window, a dialog): the drag
        // ends, or the pane would pan on moves without a button held.
        EndPanDrag(gStationView);
        return 0;
    case WM_MBUTTONDBLCLK:
        ResetStationPan(gStationView);
        Repaint(window);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(window, wParam, lParam);
        return 0;
    default:
        break;
    }
    return PaneProcWithPainter(window, message, wParam, lParam, PaintStationView);
}
