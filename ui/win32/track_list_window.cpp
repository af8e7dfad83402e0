// The track list window: its dialog procedure, its pane's painting,
// scrolling and clicks, and the call that opens it.
#include "ui/win32/track_list_window.h"

#include <windowsx.h>

#include <algorithm>

#include "model/game.h"
#include "ui/h_scroll.h"
#include "ui/layout.h"
#include "ui/timetable_table.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tool_dialog.h"
#include "ui/win32/train_pane.h"

TrackListWindowState gTrackList;

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;
constexpr int kLogicalExtent = 1000;  ///< logical units mapped onto UiPixels of as many
constexpr int kPaneMargin = 5;        ///< around the pane
constexpr int kButtonBand = 33;       ///< below the pane, for the button
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 20;
constexpr int kButtonFromBottom = 25;

struct ColumnTitle {
    int x;             ///< logical x
    const char* text;  ///< title
};
constexpr ColumnTitle kColumnTitles[] = {
    {kTrackListNameX, "Tor"},          {kTrackListWhatX, "Co stoi"},    {kTrackListNumberX, "Numer"},
    {kTrackListRelationX, "Relacja"},  {kTrackListDepartureX, "Odjazd"}, {kTrackListRemarksX, "Uwagi"},
};

// Sets one bar for a table `content` pixels long in a client `client` long
// and returns the position clamped to it.
int SetBar(HWND pane, int bar, int content, int client, int pos)
{
    const HScrollBarState state = HScrollRange(content, client, pos);
    if (pane) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = state.max;
        info.nPage = static_cast<UINT>(state.page);
        info.nPos = state.pos;
        SetScrollInfo(pane, bar, &info, TRUE);
    }
    return state.pos;
}

// The thumb's position while it is dragged, in full 32 bits.
int TrackPos(HWND pane, int bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(pane, bar, &info);
    return info.nTrackPos;
}

void ScrollTo(HWND pane, int& pos, int target)
{
    pos = target;
    InvalidateRect(pane, nullptr, FALSE);
}

void LineAcross(HDC dc, int y)
{
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, kTrackListWidth, y);
}

void DrawRow(HDC dc, size_t i, HFONT bold)
{
    const TrackListRow& row = gTrackList.rows[i];
    const int ty = gTrackList.layout.tops[i] + 3;
    if (row.header) {
        ScopedSelect font(dc, bold);
        SetTextColor(dc, static_cast<COLORREF>(kTrackListTitleColour));
        DrawTextAt(dc, kTrackListNameX, ty + 14, row.name.c_str());
        LineAcross(dc, ty + 30);
        return;
    }
    SetTextColor(dc, static_cast<COLORREF>(TrackListRowColour(row, gSelection.selectedTile)));
    if (StartsTrack(gTrackList.rows, i)) {
        if (i > 0) LineAcross(dc, ty - 3);
        DrawTextAt(dc, kTrackListNameX, ty, row.name.c_str());
    }
    DrawTextAt(dc, kTrackListWhatX, ty, row.what.c_str());
    DrawTextAt(dc, kTrackListNumberX, ty, row.number.c_str());
    DrawTextAt(dc, kTrackListRelationX, ty, row.relation.c_str());
    DrawTextAt(dc, kTrackListDepartureX, ty, row.departure.c_str());
    DrawTextAt(dc, kTrackListRemarksX, ty, row.remarks.c_str());
}

// The whole table in logical units, which the mapping scales by uiScale.
void DrawTable(HDC dc)
{
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kLogicalExtent, kLogicalExtent, nullptr);
    SetViewportExtEx(dc, UiPixels(kLogicalExtent), UiPixels(kLogicalExtent), nullptr);
    SetBkMode(dc, TRANSPARENT);
    {
        HFONT bold = UiFont(FontId::kTableBoldFont);
        if (!bold) bold = UiFontOrDefault(FontId::kTableFont);
        ScopedSelect font(dc, UiFontOrDefault(FontId::kTableFont));
        SetTextColor(dc, RGB(0, 0, 0));
        for (const ColumnTitle& title : kColumnTitles) DrawTextAt(dc, title.x, 2, title.text);
        LineAcross(dc, kTrackListFirstTop);
        if (gTrackList.rows.empty()) DrawTextAt(dc, kTrackListNameX, 22, kTrackListEmptyText);
        for (size_t i = 0; i < gTrackList.rows.size(); ++i) DrawRow(dc, i, bold);
    }
    SetMapMode(dc, MM_TEXT);
}

void OnInitDialog(HWND dialog)
{
    gTrackList.vScroll = 0;
    gTrackList.hScroll = 0;
    // Placed by the layout below, at (5, 5) in the client less the button's band.
    gTrackList.pane = CreateToolPane(dialog, "SemarionToryPane", kTrackListPaneId, WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0);
    const RECT& kept = gTrackList.remembered;
    if (kept.right - kept.left >= 1 && kept.bottom - kept.top >= 1)
        SetWindowPos(dialog, nullptr, kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutTrackListDialog(dialog);
    SetTimer(dialog, kRefreshTimer, kRefreshMs, nullptr);
}

void OnDestroy(HWND dialog)
{
    KillTimer(dialog, kRefreshTimer);
    GetWindowRect(dialog, &gTrackList.remembered);
    gTrackList.pane = nullptr;
}

}  // namespace

void LayoutTrackListDialog(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    if (gTrackList.pane)
        MoveWindow(gTrackList.pane, kPaneMargin, kPaneMargin, std::max<LONG>(client.right - 2 * kPaneMargin, 0),
                   std::max<LONG>(client.bottom - kButtonBand, 0), TRUE);
    if (HWND close = GetDlgItem(dialog, IDOK))
        MoveWindow(close, (client.right - kButtonWidth) / 2, client.bottom - kButtonFromBottom, kButtonWidth,
                   kButtonHeight, TRUE);
    if (gTrackList.pane) InvalidateRect(gTrackList.pane, nullptr, FALSE);
}

void PaintTrackListPane(HDC dc, int width, int height)
{
    gTrackList.rows = BuildTrackList(TheGame(), gUi.gameRunning);
    gTrackList.layout = LayOutTrackList(gTrackList.rows);
    const int tableWidth = std::max(UiPixels(kTrackListWidth), width);
    const int tableHeight = std::max(UiPixels(gTrackList.layout.contentHeight), height);
    gTrackList.hScroll = SetBar(gTrackList.pane, SB_HORZ, tableWidth, width, gTrackList.hScroll);
    gTrackList.vScroll = SetBar(gTrackList.pane, SB_VERT, tableHeight, height, gTrackList.vScroll);

    ScopedMemoryDC memory(dc);
    ScopedBitmap table(CreateCompatibleBitmap(dc, tableWidth, tableHeight));
    if (!memory.Get() || !table) return;
    ScopedSelect select(memory.Get(), table.Get());
    FillSolid(memory.Get(), {0, 0, tableWidth, tableHeight}, RGB(255, 255, 255));
    DrawTable(memory.Get());
    BitBlt(dc, 0, 0, width, height, memory.Get(), gTrackList.hScroll, gTrackList.vScroll, SRCCOPY);
}

void TrackListClick(int y)
{
    const double logicalY = (y + gTrackList.vScroll) / gUiScale;
    const int i = TrackListRowAt(gTrackList.rows, gTrackList.layout, logicalY);
    if (i < 0) return;
    gSelection.selectedTile = gTrackList.rows[static_cast<size_t>(i)].tile;
    RepaintTrainPane();
    if (gTrackList.pane) InvalidateRect(gTrackList.pane, nullptr, FALSE);
}

LRESULT CALLBACK TrackListPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
        ScrollTo(window, gTrackList.hScroll,
                 ToolPaneScrollTarget(LOWORD(wParam), gTrackList.hScroll, kTrackListHLine, TrackPos(window, SB_HORZ)));
        return 0;
    case WM_VSCROLL:
        ScrollTo(window, gTrackList.vScroll,
                 ToolPaneScrollTarget(LOWORD(wParam), gTrackList.vScroll, kTrackListVLine, TrackPos(window, SB_VERT)));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(window, gTrackList.vScroll, TrackListWheelTarget(gTrackList.vScroll, GET_WHEEL_DELTA_WPARAM(wParam)));
        return 0;
    case WM_LBUTTONDOWN:
        TrackListClick(GET_Y_LPARAM(lParam));
        return 0;
    default:
        return PaneProcWithPainter(window, message, wParam, lParam, PaintTrackListPane);
    }
}

INT_PTR CALLBACK TrackListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_TIMER:
        if (wParam == kRefreshTimer && gTrackList.pane) InvalidateRect(gTrackList.pane, nullptr, FALSE);
        return TRUE;
    case WM_SIZE:
        LayoutTrackListDialog(dialog);
        return TRUE;
    case WM_MOUSEWHEEL:
        // The wheel comes to the window with the focus, the button; the table is what it scrolls.
        if (gTrackList.pane) SendMessageW(gTrackList.pane, message, wParam, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR OpenTrackListDialog(HWND owner)
{
    return DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kTrackListDialog), owner, GuardedDialogProc<TrackListDialogProc>, 0);
}
