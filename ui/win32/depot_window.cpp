// The depot window: its pane's painting and clicks, the dialog's layout.
#include "ui/win32/depot_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/game.h"
#include "sources/win32/text_cp1250.h"
#include "ui/depot_table.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tool_dialog.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr int kPaneMargin = 5;         ///< pane's distance from the client edges
constexpr int kButtonBand = 33;        ///< client height below the pane
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 20;
constexpr int kButtonFromBottom = 25;

struct DepotWindow {
    HWND pane = nullptr;        ///< the depot pane while the window is open
    bool open = false;          ///< the window is open
    DepotGeometry geometry;     ///< of the last measure
    DepotCellTable cells{};     ///< of the last paint
    DepotCell offered{};        ///< the cell whose locomotives the list offers, as clicked
};
DepotWindow gDepot;

int32_t PictureWidth(int32_t type) { return BitmapSize(GetVehicleBitmap(type, false)).cx; }

// The picture column and the number of types of the depot now.
int32_t MeasureDepot()
{
    gDepot.geometry.baseWidth = kDepotStartBaseWidth;
    if (!gUi.gameRunning) return 0;
    const DepotStats& stats = TheGame().DepotStats();
    gDepot.geometry.baseWidth = MeasureLocoBitmaps(stats, PictureWidth);
    return static_cast<int32_t>(DepotTypeRuns(stats).size());
}

void DrawNumber(HDC dc, int x, int y, int32_t value, COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetTextColor(dc, colour);
    DrawTextAt(dc, x, y, text);
}

void DrawCell(HDC dc, const DepotCellView& cell)
{
    const DepotGeometry& g = gDepot.geometry;
    const int32_t x0 = cell.column * g.CellWidth();
    const int32_t y0 = cell.row * kDepotCellHeight;
    const int y = UiPixels(y0 + kDepotTextRow);
    DrawBitmapScaled(dc, UiPixels(x0), UiPixels(y0), GetVehicleBitmap(cell.type, false), gUiScale);
    SetTextColor(dc, static_cast<COLORREF>(kDepotFitColour));
    DrawTextAt(dc, UiPixels(x0 + g.NameX()), y, cell.name.c_str());
    DrawNumber(dc, UiPixels(x0 + g.FirstCountX()), y, cell.fit, static_cast<COLORREF>(kDepotFitColour));
    DrawNumber(dc, UiPixels(x0 + g.SecondCountX()), y, cell.damaged, static_cast<COLORREF>(kDepotDamagedColour));
    DrawNumber(dc, UiPixels(x0 + g.ThirdCountX()), y, cell.preparing, static_cast<COLORREF>(kDepotPreparingColour));
    if (cell.readiness.empty()) return;
    SetTextColor(dc, static_cast<COLORREF>(kDepotPreparingColour));
    DrawTextAt(dc, UiPixels(x0 + g.NameX()), UiPixels(y0 + kDepotReadinessRow), cell.readiness.c_str());
}

HWND List(HWND dialog) { return GetDlgItem(dialog, kDepotList); }

void HideList(HWND dialog) { ShowWindow(List(dialog), SW_HIDE); }

void FillList(HWND dialog, const DepotClickResult& click)
{
    HWND list = List(dialog);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : click.choices)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Cp1250ToWide(name.c_str()).c_str()));
    const int x = kPaneMargin + ScaleUnits(click.column * gDepot.geometry.CellWidth(), gUiScale);
    const int y = kPaneMargin + ScaleUnits(click.row * kDepotCellHeight, gUiScale);
    SetWindowPos(list, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void OnPaneClick(HWND dialog, int x, int y)
{
    const DepotClickResult click = DepotPaneClick(TheGame(), gDepot.cells, gDepot.geometry, x, y);
    switch (click.kind) {
    case DepotClickKind::kHideList: HideList(dialog); return;
    case DepotClickKind::kNothing: return;
    default: break;
    }
    gDepot.offered = gDepot.cells[static_cast<size_t>(click.row)][static_cast<size_t>(click.column)];
    FillList(dialog, click);
    if (click.kind == DepotClickKind::kEmptyCell) return;
    if (click.kind == DepotClickKind::kChoices) ShowWindow(List(dialog), SW_SHOW);
    RepaintDepotPane();
}

// The locomotive picked from the list: the one the list showed at the click,
// even when the grid has moved on since.
void OnListPick(HWND dialog)
{
    const LRESULT picked = SendMessageW(List(dialog), LB_GETCURSEL, 0, 0);
    if (picked == LB_ERR) return;
    DepotCallOut(TheGame(), gDepot.offered, static_cast<int32_t>(picked));
    HideList(dialog);
    RepaintDepotPane();
}

void LayoutDepotDialog(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    MoveWindow(gDepot.pane, kPaneMargin, kPaneMargin, client.right - 2 * kPaneMargin, client.bottom - kButtonBand,
               TRUE);
    MoveWindow(GetDlgItem(dialog, IDOK), (client.right - kButtonWidth) / 2, client.bottom - kButtonFromBottom,
               kButtonWidth, kButtonHeight, TRUE);
    RepaintDepotPane();
}

void OnInit(HWND dialog)
{
    gDepot.open = true;
    const DepotPaneExtent extent = DepotPaneSize(MeasureDepot(), gDepot.geometry);
    const int paneWidth = ScaleUnits(extent.width, gUiScale);
    const int paneHeight = ScaleUnits(extent.height, gUiScale);
    gDepot.pane = CreateToolPane(dialog, "SemarionLokomPane", kDepotPane, WS_CLIPSIBLINGS, kPaneMargin, kPaneMargin, paneWidth,
                                 paneHeight);
    HideList(dialog);
    RECT frame = {0, 0, paneWidth + 2 * kPaneMargin, paneHeight + kButtonBand};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (gSettings.lokomW >= 1 && gSettings.lokomH >= 1) {
        width = gSettings.lokomW;
        height = gSettings.lokomH;
    }
    const SIZE area = WorkAreaSize();
    ResizeWindowInPlace(dialog, std::min<int>(width, area.cx), std::min<int>(height, area.cy));
    LayoutDepotDialog(dialog);
}

}  // namespace

void PaintDepotPane(HDC dc, int width, int height)
{
    FillSolid(dc, {0, 0, width, height}, RGB(255, 255, 255));
    MeasureDepot();
    if (!gUi.gameRunning) {
        gDepot.cells = DepotCellTable();
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    ScopedSelect font(dc, UiFontOrDefault(FontId::kBoardFont));
    for (const DepotCellView& cell : PlanDepotCells(TheGame(), gDepot.cells)) DrawCell(dc, cell);
}

LRESULT CALLBACK DepotPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        OnPaneClick(GetParent(window), UiUnits(GET_X_LPARAM(lParam)), UiUnits(GET_Y_LPARAM(lParam)));
        return 0;
    }
    return PaneProcWithPainter(window, message, wParam, lParam, PaintDepotPane);
}

INT_PTR CALLBACK DepotDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_SIZE:
        if (!gDepot.pane) return FALSE;
        LayoutDepotDialog(dialog);
        RememberWindowSize(dialog, gSettings.lokomW, gSettings.lokomH);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kDepotList && HIWORD(wParam) == LBN_SELCHANGE) {
            OnListPick(dialog);
        } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            HideList(dialog);
            EndDialog(dialog, LOWORD(wParam));
        }
        return TRUE;
    case WM_DESTROY:
        gDepot.open = false;
        gDepot.pane = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR OpenDepotDialog(HWND owner)
{
    return DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kDepotDialog), owner, GuardedDialogProc<DepotDialogProc>, 0);
}

void RepaintDepotPane()
{
    if (gDepot.open && gDepot.pane) InvalidateRect(gDepot.pane, nullptr, FALSE);
}
