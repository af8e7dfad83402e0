// The entries and exits window: its dialog procedure, its pane and the painter.
#include "ui/win32/entries_exits_dialog.h"

#include "model/game.h"
#include "ui/entries_exits.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/tool_dialog.h"

namespace {

constexpr int kPaneMargin = 5;
constexpr int kPaneWidth = 220;
constexpr int kClientWidth = 230;
constexpr int kBelowPane = 35;  ///< room for "Zamknij" under the pane
constexpr int kPaneId = 431;

HFONT TableFontOrLabelFont()
{
    HFONT table = UiFont(FontId::kTableFont);
    return table ? table : UiFontOrDefault(FontId::kLabelFont);
}

void OnInit(HWND dialog)
{
    const int paneHeight = EntriesPaneHeight(TheGame().EntryExitCode(0));
    CreateToolPane(dialog, "SemarionWWPane", kPaneId, 0, kPaneMargin, kPaneMargin, kPaneWidth, paneHeight);
    RECT frame = {0, 0, kClientWidth, paneHeight + kBelowPane + kPaneMargin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    const int width = gSettings.wjazdyW >= 1 ? gSettings.wjazdyW : frame.right - frame.left;
    const int height = gSettings.wjazdyH >= 1 ? gSettings.wjazdyH : frame.bottom - frame.top;
    ResizeWindowInPlace(dialog, width, height);
}

void OnSize(HWND dialog, int width, int height)
{
    MoveWindow(GetDlgItem(dialog, kPaneId), kPaneMargin, kPaneMargin, width - 2 * kPaneMargin,
               height - kBelowPane - kPaneMargin, TRUE);
    MoveWindow(GetDlgItem(dialog, kEntriesCloseButton), width / 2 - 25, height - 32, 50, 14, TRUE);
}

// The size the player left goes with the settings, written when they are.
void Close(HWND dialog)
{
    RememberWindowSize(dialog, gSettings.wjazdyW, gSettings.wjazdyH);
    EndDialog(dialog, IDOK);
}

void DrawRow(HDC dc, int y, const EntryExitRow& row)
{
    BlitTile14(dc, kEntriesTrackX, y, TileBitmap(row.trackTile - 100));
    if (HBITMAP marker = EntryNumberBitmap(row.entryNumber)) BlitTile14(dc, kEntriesNumberX, y, marker);
    DrawTextAt(dc, kEntriesThirdX, y, row.third.c_str());
    DrawTextAt(dc, kEntriesIntervalX, y, row.interval.c_str());
    DrawTextAt(dc, kEntriesPassingX, y, row.passing.c_str());
}

}  // namespace

void PaintEntriesExitsPane(HDC dc, int width, int height)
{
    FillSolid(dc, RECT{0, 0, width, height}, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    ScopedSelect font(dc, TableFontOrLabelFont());
    for (const EntriesHeading& heading : kEntriesHeadings) DrawTextAt(dc, heading.x, 0, heading.text);
    const std::vector<EntryExitRow> rows = EntryExitRows(TheGame());
    for (size_t n = 0; n < rows.size(); ++n) DrawRow(dc, static_cast<int>(n + 1) * kEntriesRowHeight, rows[n]);
}

LRESULT CALLBACK EntriesExitsPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PaneProcWithPainter(window, message, wParam, lParam, PaintEntriesExitsPane);
}

INT_PTR CALLBACK EntriesExitsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_SIZE:
        OnSize(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kEntriesCloseButton || LOWORD(wParam) == IDCANCEL) Close(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenEntriesExitsDialog(HWND owner)
{
    if (!gUi.gameRunning) return;
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kEntriesExitsDialog), owner, GuardedDialogProc<EntriesExitsDialogProc>, 0);
}
