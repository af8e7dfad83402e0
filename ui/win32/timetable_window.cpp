// The timetable window: its pane's painting and scrolling, its dialog
// procedure and the call that opens it.
#include "ui/win32/timetable_window.h"

#include <algorithm>

#include "model/game.h"
#include "sources/delay_data.h"
#include "sources/win32/text_cp1250.h"
#include "ui/font_table.h"
#include "ui/h_scroll.h"
#include "ui/settings.h"
#include "ui/timetable_table.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tool_dialog.h"

int gTimetableMode = kArrivalMode;
int gTimetableHPos = 0;
int gTimetableVPos = 0;
HWND gTimetablePane = nullptr;

namespace {

constexpr int kLogicalSpan = 1000;  ///< logical units mapped to trunc(1000 x s) pixels
constexpr int kPaneMargin = 5;      ///< pixels around the pane
constexpr int kButtonSpace = 40;    ///< pixels below the pane kept for the button
constexpr int kButtonTop = 32;      ///< the button's top, pixels above the client's bottom

COLORREF BoardColour(int mode)
{
    return static_cast<COLORREF>(mode == kArrivalMode ? gSettings.przyjazdy : gSettings.odjazdy);
}

HFONT LineFont(bool italic)
{
    return UiFontOrDefault(italic ? FontId::kTableItalicFont : FontId::kTableFont);
}

void DrawHeader(HDC dc, int heightUnits)
{
    SetTextColor(dc, RGB(0, 0, 0));
    for (const TimetableColumn& column : TimetableColumns(gTimetableMode)) {
        DrawTextAt(dc, column.headerX, 0, column.header);
        if (column.ruleX != 0) DrawColumnSeparator(dc, column.ruleX, heightUnits);
    }
    MoveToEx(dc, 0, kTimetableLineHeight, nullptr);
    LineTo(dc, kTimetableTableWidth, kTimetableLineHeight);
}

void DrawLine(HDC dc, const TimetableLine& line)
{
    ScopedSelect font(dc, LineFont(line.italic));
    for (const TimetableCell& cell : line.cells) {
        SetTextColor(dc, static_cast<COLORREF>(cell.colour));
        if (cell.twoLines)
            DrawTwoLineCell(dc, cell.x, line.y, cell.text);
        else
            DrawTextAt(dc, cell.x, line.y, cell.text.c_str());
    }
}

void SetBar(HWND pane, int bar, int range, int page, int pos)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(range - 1, 0);
    info.nPage = static_cast<UINT>(std::max(page, 0));
    info.nPos = pos;
    SetScrollInfo(pane, bar, &info, TRUE);
}

int TrackPosition(HWND pane, int bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(pane, bar, &info);
    return info.nTrackPos;
}

void Scroll(HWND pane, int bar, WPARAM wParam, int& pos, int line)
{
    pos = ToolPaneScrollTarget(LOWORD(wParam), pos, line, TrackPosition(pane, bar));
    InvalidateRect(pane, nullptr, FALSE);
}

// Places the pane and the button in the dialog's client area.
void LayOut(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    MoveWindow(gTimetablePane, kPaneMargin, kPaneMargin, client.right - 2 * kPaneMargin,
               client.bottom - kButtonSpace, TRUE);
    RECT button = {0, 0, 50, 14};  // dialog units, as the resource gives them
    MapDialogRect(dialog, &button);
    MoveWindow(GetDlgItem(dialog, IDOK), client.right / 2 - button.right / 2, client.bottom - kButtonTop,
               button.right, button.bottom, TRUE);
}

void OnInit(HWND dialog, int mode)
{
    gTimetableMode = mode;
    gTimetableHPos = gTimetableVPos = 0;
    const int delayAge = DelayDataLoaded() ? DelayDataAgeMinutes() : -1;
    SetWindowTextW(dialog, Cp1250ToWide(TimetableWindowTitle(mode, delayAge).c_str()).c_str());
    RECT client;
    GetClientRect(dialog, &client);
    gTimetablePane = CreateToolPane(dialog, "SemarionRozkladPane", kTimetablePaneId, WS_VSCROLL | WS_HSCROLL,
                                    kPaneMargin, kPaneMargin, client.right - 2 * kPaneMargin,
                                    client.bottom - kButtonSpace);
    if (gSettings.rozkladW >= 1 && gSettings.rozkladH >= 1)
        ResizeWindowInPlace(dialog, gSettings.rozkladW, gSettings.rozkladH);
}

void OnSize(HWND dialog)
{
    if (!gTimetablePane) return;
    LayOut(dialog);
    RememberWindowSize(dialog, gSettings.rozkladW, gSettings.rozkladH);
}

}  // namespace

int DrawTimetableTable(HDC dc, double s, int hPos, int vPos)
{
    const TimetablePlan plan = PlanTimetable(TheGame(), gTimetableMode, gSettings.rozkladPierwszych);
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kLogicalSpan, kLogicalSpan, nullptr);
    const int span = TimetablePixels(kLogicalSpan, s);
    SetViewportExtEx(dc, span, span, nullptr);
    SetViewportOrgEx(dc, -hPos, -vPos, nullptr);
    IntersectClipRect(dc, 0, 0, kTimetableTableWidth, plan.heightUnits);
    FillSolid(dc, {0, 0, kTimetableTableWidth, plan.heightUnits}, BoardColour(gTimetableMode));
    SetBkMode(dc, TRANSPARENT);
    ScopedPen pen(CreatePen(PS_SOLID, 0, RGB(0, 0, 0)));  // one pixel at any scale
    SelectObject(dc, pen.Get());
    SelectObject(dc, LineFont(false));
    DrawHeader(dc, plan.heightUnits);
    for (const TimetableLine& line : plan.lines) DrawLine(dc, line);
    RestoreDC(dc, saved);  // the pen and font leave the context before the pen is deleted
    return TimetablePixels(plan.heightUnits, s);
}

void PaintTimetablePane(HDC dc, int width, int height)
{
    const int heightUnits = TimetableHeightUnits(TheGame(), gTimetableMode, gSettings.rozkladPierwszych);
    const TimetableView view = FitTimetableView(width, height, heightUnits, gTimetableHPos, gTimetableVPos);
    gTimetableHPos = view.hPos;
    gTimetableVPos = view.vPos;
    FillSolid(dc, {0, 0, width, height}, BoardColour(gTimetableMode));
    DrawTimetableTable(dc, view.scale, view.hPos, view.vPos);
    if (!gTimetablePane) return;
    SetBar(gTimetablePane, SB_VERT, view.tableHeight, height, view.vPos);
    SetBar(gTimetablePane, SB_HORZ, view.tableWidth, width, view.hPos);
}

void DrawTwoLineCell(HDC dc, int x, int y, const std::string& text)
{
    const auto [first, second] = SplitTwoLineText(text);
    DrawTextAt(dc, x, y, first.c_str());
    DrawTextAt(dc, x, y + kTimetableLineHeight, second.c_str());
}

void DrawColumnSeparator(HDC dc, int x, int height)
{
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, height);
}

LRESULT CALLBACK TimetablePaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
        Scroll(window, SB_HORZ, wParam, gTimetableHPos, kTimetableHLine);
        return 0;
    case WM_VSCROLL:
        Scroll(window, SB_VERT, wParam, gTimetableVPos, kTimetableVLine);
        return 0;
    default:
        return PaneProcWithPainter(window, message, wParam, lParam, PaintTimetablePane);
    }
}

INT_PTR CALLBACK TimetableDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, static_cast<int>(lParam));
        return TRUE;
    case WM_SIZE:
        OnSize(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        gTimetablePane = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void OpenTimetableDialog(HWND owner, int mode)
{
    if (!gUi.gameRunning) return;
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kTimetableDialog), owner, GuardedDialogProc<TimetableDialogProc>, mode);
}
