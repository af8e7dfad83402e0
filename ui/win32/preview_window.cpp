// The consist preview window: the strip's painting and scrolling, the dialog's layout.
#include "ui/win32/preview_window.h"

#include <vector>

#include "model/game.h"
#include "ui/consist_preview.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/train_pane.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/h_scroll_bar.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/status_bar.h"
#include "ui/win32/tool_dialog.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr int kPaneMargin = 5;
constexpr int kInitialButtonBand = 40;  ///< client height below the pane as the dialog opens
constexpr int kButtonBand = 28;         ///< after a resize
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 18;
constexpr int kButtonFromBottom = 22;

struct PreviewWindow {
    HWND pane = nullptr;  ///< the strip while the window is open
    int scroll = 0;       ///< pixels scrolled to the right
};
PreviewWindow gPreview;

int32_t MeasureStrip(const StripVehicles& vehicles) { return DrawStripVehicles(nullptr, vehicles, 0, 0, false, 0, 1.0); }

void OnInit(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    gPreview.pane = CreateToolPane(dialog, "SemarionPodgladPane", kPreviewPane, WS_HSCROLL, kPaneMargin, kPaneMargin,
                                   client.right - 2 * kPaneMargin, client.bottom - kInitialButtonBand);
    if (gSettings.podgladW >= 1 && gSettings.podgladH >= 1)
        ResizeWindowInPlace(dialog, gSettings.podgladW, gSettings.podgladH);
}

void OnSize(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    MoveWindow(gPreview.pane, kPaneMargin, kPaneMargin, client.right - 2 * kPaneMargin, client.bottom - kButtonBand,
               TRUE);
    MoveWindow(GetDlgItem(dialog, IDOK), (client.right - kButtonWidth) / 2, client.bottom - kButtonFromBottom,
               kButtonWidth, kButtonHeight, TRUE);
    InvalidateRect(gPreview.pane, nullptr, FALSE);
    RememberWindowSize(dialog, gSettings.podgladW, gSettings.podgladH);
}

}  // namespace

void PaintPreviewPane(HDC dc, int width, int height)
{
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(gSettings.podgladSkladow));
    const double zoom = StationFontScale(gUiScale);
    const std::vector<PreviewSlot> slots = PreviewSlots(TheGame(), SelectedPoint());
    const int contentWidth = ScaleUnits(PreviewTotalWidth(slots, MeasureStrip), zoom);
    gPreview.scroll = SetHScrollRange(gPreview.pane, contentWidth, gPreview.scroll);
    const bool transparent = static_cast<COLORREF>(gSettings.podgladSkladow) != kTransparentWhite;
    int32_t x = 0;
    for (const PreviewSlot& slot : slots) {
        x += DrawStripVehicles(dc, slot.vehicles, x, 0, transparent, gPreview.scroll, zoom);
        if (slot.gapAfter) x += kStripGap;
    }
}

LRESULT CALLBACK PreviewPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleHScroll(window, message, wParam, gPreview.scroll)) return 0;
    return PaneProcWithPainter(window, message, wParam, lParam, PaintPreviewPane);
}

INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_SIZE:
        if (!gPreview.pane) return FALSE;
        OnSize(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        gPreview.pane = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void OpenPreviewDialog(HWND owner)
{
    if (!CanOpenPreview(TheGame(), gSelection.selectedTile)) return;
    gUi.previewOpen = true;
    UpdateStatusBar();
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kPreviewDialog), owner, GuardedDialogProc<PreviewDialogProc>, 0);
    gUi.previewOpen = false;
    ResetClockTickBase();
    UpdateStatusBar();
}
