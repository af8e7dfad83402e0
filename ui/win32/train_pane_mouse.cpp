// The train pane's clicks and tooltip.
#include "ui/win32/train_pane_mouse.h"

#include <windowsx.h>

#include <string>

#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/train_pane.h"
#include "ui/train_pane_input.h"
#include "ui/win32/vehicle_tooltip.h"

namespace {

void FollowMouse(HWND pane, int32_t vehicle)
{
    const std::string text = BuildVehicleTooltip(TheGame(), vehicle);
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

bool TrainPaneMouseMessage(HWND pane, UINT message, WPARAM wParam, int32_t vehicle)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        if (wParam & MK_CONTROL)
            TrainPaneVehicleClick(TheGame(), vehicle);
        else
            TrainPaneCoupleClick(TheGame(), false, vehicle);
        return true;
    case WM_RBUTTONDOWN:
        TrainPaneCoupleClick(TheGame(), true, vehicle);
        return true;
    case WM_MOUSEMOVE:
        FollowMouse(pane, vehicle);
        return true;
    case WM_MOUSELEAVE:
        HideTooltip();
        return true;
    default:
        return false;
    }
}

bool TrainPaneMouse(HWND pane, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int32_t vehicle = VehicleAtTrainPanePoint(gVehicleHitRanges, TrainStripHeight(StationFontScale(gUiScale)),
                                                    GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return TrainPaneMouseMessage(pane, message, wParam, vehicle);
}
