// The horizontal scroll bar of a pane.
#include "ui/win32/h_scroll_bar.h"

#include <algorithm>

#include "ui/h_scroll.h"
#include "ui/layout.h"

static_assert(SB_LINELEFT == kScrollLineLeft && SB_LINERIGHT == kScrollLineRight &&
                  SB_PAGELEFT == kScrollPageLeft && SB_PAGERIGHT == kScrollPageRight &&
                  SB_THUMBPOSITION == kScrollThumbPosition && SB_THUMBTRACK == kScrollThumbTrack &&
                  SB_LEFT == kScrollLeft && SB_RIGHT == kScrollRight && SB_ENDSCROLL == kScrollEnd,
              "scroll actions are the scroll bar's codes");

namespace {

SCROLLINFO BarInfo(HWND window)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_HORZ, &info);
    return info;
}

}  // namespace

int SetHScrollRange(HWND window, int contentWidth, int pos)
{
    if (!window) return 0;
    RECT client;
    GetClientRect(window, &client);
    HScrollBarState bar = HScrollRange(contentWidth, client.right, pos);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = bar.max;
    info.nPage = static_cast<UINT>(bar.page);
    info.nPos = bar.pos;
    // Every paint of the pane sets the range; the bar is drawn again only when it changes.
    SCROLLINFO shown = {};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    // The system keeps the page within the range.
    const UINT page = std::min(info.nPage, static_cast<UINT>(std::max(info.nMax - info.nMin + 1, 0)));
    if (!GetScrollInfo(window, SB_HORZ, &shown) || shown.nMin != info.nMin || shown.nMax != info.nMax ||
        shown.nPage != page || shown.nPos != info.nPos)
        SetScrollInfo(window, SB_HORZ, &info, TRUE);
    return bar.pos;
}

void HScrollTo(HWND window, int newPos, int& pos)
{
    SCROLLINFO info = BarInfo(window);
    newPos = ClampHScrollPos(newPos, info.nMax, static_cast<int>(info.nPage));
    if (newPos == pos) return;
    pos = newPos;
    SetScrollPos(window, SB_HORZ, pos, TRUE);
    InvalidateRect(window, nullptr, FALSE);
}

bool HandleHScroll(HWND window, UINT message, WPARAM wParam, int& pos)
{
    if (message == WM_HSCROLL) {
        SCROLLINFO info = BarInfo(window);
        HScrollTo(window,
                  HScrollActionTarget(LOWORD(wParam), pos, info.nMax, static_cast<int>(info.nPage), info.nTrackPos,
                                      gUiScale),
                  pos);
        return true;
    }
    if (message == WM_MOUSEWHEEL) {
        HScrollTo(window, WheelScrollTarget(pos, GET_WHEEL_DELTA_WPARAM(wParam), gUiScale), pos);
        return true;
    }
    return false;
}
