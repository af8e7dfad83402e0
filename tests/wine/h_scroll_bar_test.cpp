#include <gtest/gtest.h>

#include <windows.h>

#include "support/fresh_ui_state.h"
#include "ui/win32/h_scroll_bar.h"

namespace {

SCROLLINFO Bar(HWND window)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_HORZ, &info);
    return info;
}

TEST(HScrollBar, TheBarFollowsTheContentAndScrollMessagesMoveWithinIt)
{
    FreshUiState();
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_HSCROLL, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);  // only a shown window collects what is to be repainted
    EXPECT_EQ(SetHScrollRange(nullptr, 1000, 50), 0);
    int pos = SetHScrollRange(window, 1000, 900);
    EXPECT_EQ(pos, 700);
    SCROLLINFO bar = Bar(window);
    EXPECT_EQ(bar.nMax, 999);
    EXPECT_EQ(bar.nPage, 300u);
    EXPECT_EQ(bar.nPos, 700);

    ValidateRect(window, nullptr);
    EXPECT_TRUE(HandleHScroll(window, WM_HSCROLL, SB_LINELEFT, pos));
    EXPECT_EQ(pos, 646);  // a line is 54 pixels at 1.35
    EXPECT_EQ(Bar(window).nPos, 646);
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
    EXPECT_TRUE(HandleHScroll(window, WM_HSCROLL, SB_PAGERIGHT, pos));
    EXPECT_EQ(pos, 700);  // not past the last page
    ValidateRect(window, nullptr);
    EXPECT_TRUE(HandleHScroll(window, WM_HSCROLL, SB_RIGHT, pos));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));  // nothing moved
    EXPECT_TRUE(HandleHScroll(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), pos));
    EXPECT_EQ(pos, 619);  // 81 pixels to the left
    EXPECT_EQ(Bar(window).nPos, 619);
    EXPECT_FALSE(HandleHScroll(window, WM_VSCROLL, SB_LINEUP, pos));

    pos = SetHScrollRange(window, 200, pos);  // the content fits now
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(Bar(window).nMax, 199);
    DestroyWindow(window);
}

}  // namespace
