// The train pane's clicks and tooltip.
#include "ui/win32/train_pane_mouse.h"

#include <windowsx.h>

#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/win32/vehicle_tooltip.h"

namespace {

void FollowMouse(HWND pane, const VehicleHitRanges& ranges, int strip, int x, int y)
{
    const std::string text = BuildVehicleTooltip(TheGame(), ranges, strip, x, y);
    if (text.empty()) {
        HideTooltip();
        return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    ShowTooltipAt(pane, text, cursor.x + 10, cursor.y + 20);
    TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, pane, 0};
    TrackMouseEvent(&leave);
}

}  // namespace

bool TrainPaneMouseMessage(HWND pane, UINT message, WPARAM wParam, LPARAM lParam, const VehicleHitRanges& ranges)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const int strip = TrainStripHeight(StationFontScale(gUiScale));
    switch (message) {
    case WM_LBUTTONDOWN:
        if (wParam & MK_CONTROL)
            TrainPaneVehicleClick(TheGame(), ranges, strip, x, y);
        else
            TrainPaneCoupleClick(TheGame(), ranges, strip, false, x, y);
        return true;
    case WM_RBUTTONDOWN:
        TrainPaneCoupleClick(TheGame(), ranges, strip, true, x, y);
        return true;
    case WM_MOUSEMOVE:
        FollowMouse(pane, ranges, strip, x, y);
        return true;
    case WM_MOUSELEAVE:
        HideTooltip();
        return true;
    default:
        return false;
    }
}
