// The siding window's dialog, its pane's procedure and painter.
#include "ui/win32/siding_window.h"

#include <windowsx.h>

#include "model/game.h"
#include "sources/win32/text_cp1250.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/siding_window.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/tool_dialog.h"
#include "ui/win32/vehicle_pictures.h"

HWND gSidingPane = nullptr;

namespace {

constexpr int kCloseButton = 1;
constexpr int kPaneId = 451;
constexpr int kPaneExtraHeight = 6;  ///< pixels below the last band
constexpr int kFrameExtraWidth = 10;
constexpr int kFrameExtraHeight = 35;  ///< the pane's margins and the button row

int32_t MeasureStrip(int32_t row, int32_t slot) { return DrawVehicleStrip(nullptr, row, slot, 0, 0, false, 0, 1.0); }

HFONT SidingFont(PaneFont font)
{
    switch (font) {
    case PaneFont::kItalic: return UiFontOrDefault(FontId::kBoardItalicFont);
    case PaneFont::kBold: return UiFontOrDefault(FontId::kBoardBoldFont);
    default: return UiFontOrDefault(FontId::kBoardFont);
    }
}

PaneRect ToPaneRect(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

// Sizes the pane for the siding's bands, then the window around it, placed
// over its owner or where the player left it last, inside the work area.
void PlaceDialog(HWND dialog)
{
    const int paneWidth = UiPixels(SidingPaneWidth(TheGame(), gSidingWindow, MeasureStrip));
    const int paneHeight = UiPixels(SidingRowCount(gSidingWindow) * kSidingBand) + kPaneExtraHeight;
    gSidingPane = CreateToolPane(dialog, "SemarionBocznicaPane", kPaneId, 0, kSidingPaneMargin, kSidingPaneMargin,
                                 paneWidth, paneHeight);
    RECT frame = {0, 0, paneWidth + kFrameExtraWidth, paneHeight + kFrameExtraHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT ownerRect;
    const bool hasOwner = owner && GetWindowRect(owner, &ownerRect);
    const PaneRect ownerPlace = hasOwner ? ToPaneRect(ownerRect) : PaneRect{};
    const PaneRect remembered = {gSettings.bocznicaX, gSettings.bocznicaY, gSettings.bocznicaW, gSettings.bocznicaH};
    const PaneRect place = PlaceSidingWindow(frame.right - frame.left, frame.bottom - frame.top,
                                             ToPaneRect(WorkArea()), hasOwner ? &ownerPlace : nullptr, remembered);
    SetWindowPos(dialog, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutSidingDialog(dialog);
}

void OnInit(HWND dialog)
{
    gSidingWindow.open = true;
    SetWindowTextW(dialog, Cp1250ToWide(SidingTitle(TheGame(), gSidingWindow).c_str()).c_str());
    PlaceDialog(dialog);
}

// The rectangle is kept for the next opening; the settings file gets it with the rest.
void OnDestroy(HWND dialog)
{
    RECT rect;
    if (GetWindowRect(dialog, &rect)) {
        gSettings.bocznicaX = rect.left;
        gSettings.bocznicaY = rect.top;
        gSettings.bocznicaW = rect.right - rect.left;
        gSettings.bocznicaH = rect.bottom - rect.top;
    }
    gSidingWindow.open = false;
    gSidingPane = nullptr;
}

void Apply(HWND pane, SidingClickOutcome outcome)
{
    if (outcome == SidingClickOutcome::kRepaint) InvalidateRect(pane, nullptr, FALSE);
    if (outcome == SidingClickOutcome::kClose) EndDialog(GetParent(pane), 0);
}

}  // namespace

bool OpenSidingDialog(HWND owner, int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, bool choosing)
{
    BeginSidingWindow(gSidingWindow, point, firstRow, lastRow, tile, choosing);
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kSidingDialog), owner, GuardedDialogProc<SidingDialogProc>, 0);
    gSidingWindow.choosing = false;
    return gSidingWindow.chosen;
}

INT_PTR CALLBACK SidingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_SIZE:
        LayoutSidingDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK SidingPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int32_t x = UiUnits(GET_X_LPARAM(lParam)), y = UiUnits(GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
        if (wParam & MK_SHIFT)
            Apply(window, SidingPaneShiftClick(TheGame(), gSidingWindow, gSidingHits, x, y));
        else
            Apply(window, SidingPaneClick(TheGame(), gSidingWindow, gSidingHits, false, x, y));
        return 0;
    case WM_RBUTTONDOWN:
        Apply(window, SidingPaneClick(TheGame(), gSidingWindow, gSidingHits, true, x, y));
        return 0;
    default:
        return PaneProcWithPainter(window, message, wParam, lParam, PaintSidingPane);
    }
}

void PaintSidingPane(HDC dc, int width, int height)
{
    FillSolid(dc, {0, 0, width, height}, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    const double s = gUiScale;
    const SidingPanePlan plan = PlanSidingPane(TheGame(), gSidingWindow, MeasureStrip, s);
    gSidingHits = plan.hits;
    {
        ScopedPen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(kSidingRailColour)));
        ScopedSelect select(dc, pen.Get());
        for (const SidingRail& rail : plan.rails) {
            MoveToEx(dc, rail.left, rail.y, nullptr);
            LineTo(dc, width, rail.y);
        }
    }
    for (const SidingSignal& signal : plan.signals)
        DrawBitmapScaled(dc, 0, signal.y, signal.moving ? SignalUpBitmap() : SignalDownBitmap(), s);
    for (const SidingPicture& picture : plan.pictures)
        DrawVehicleStrip(dc, picture.row, picture.slot, picture.x, picture.y, true, 0, s);
    for (const PaneText& text : plan.texts) {
        ScopedSelect select(dc, SidingFont(text.font));
        SetTextColor(dc, static_cast<COLORREF>(text.colour));
        DrawTextAt(dc, text.x, text.y, text.text.c_str());
    }
}

void LayoutSidingDialog(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    const SidingDialogLayout layout = LayOutSidingDialog(client.right, client.bottom);
    HWND pane = GetDlgItem(dialog, kPaneId);
    if (pane) {
        MoveWindow(pane, layout.pane.x, layout.pane.y, layout.pane.width, layout.pane.height, TRUE);
        InvalidateRect(pane, nullptr, FALSE);
    }
    MoveWindow(GetDlgItem(dialog, kCloseButton), layout.button.x, layout.button.y, layout.button.width,
               layout.button.height, TRUE);
}

void InvalidateSidingPane()
{
    if (gSidingWindow.open && gSidingPane) InvalidateRect(gSidingPane, nullptr, FALSE);
}

bool ChooseSubTrack(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile, int32_t* row)
{
    if (!OpenSidingDialog(gMainWindow, point, firstRow, lastRow, tile, true)) return false;
    *row = gSidingWindow.chosenRow;
    return true;
}

void ViewSiding(int32_t point, int32_t firstRow, int32_t lastRow, TileCode tile)
{
    OpenSidingDialog(gMainWindow, point, firstRow, lastRow, tile, false);
}
