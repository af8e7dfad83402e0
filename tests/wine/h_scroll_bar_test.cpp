#include <gtest/gtest.h>

#include <windows.h>

#include "support/fresh_ui_state.h"
#include "ui/win32/h_scroll_bar.h"

namespace {

class HScrollBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_HSCROLL, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        RECT client;
        GetClientRect(window_, &client);
        ASSERT_EQ(client.right, 300);
    }
    void TearDown() override { DestroyWindow(window_); }
    SCROLLINFO Bar() const
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(window_, SB_HORZ, &info);
        return info;
    }
    void Scroll(int action) { EXPECT_TRUE(HandleHScroll(window_, WM_HSCROLL, MAKEWPARAM(action, 0), pos_)); }
    // only a shown window collects what is to be repainted
    bool Repainting() const { return GetUpdateRect(window_, nullptr, FALSE) != 0; }

    HWND window_ = nullptr;
    int pos_ = 0;
};

TEST_F(HScrollBar, TheRangeFollowsTheContentAndClampsThePosition)
{
    EXPECT_EQ(SetHScrollRange(nullptr, 1000, 50), 0);
    pos_ = SetHScrollRange(window_, 1000, 900);
    EXPECT_EQ(pos_, 700);
    SCROLLINFO bar = Bar();
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 999);
    EXPECT_EQ(bar.nPage, 300u);
    EXPECT_EQ(bar.nPos, 700);

    pos_ = SetHScrollRange(window_, 200, pos_);  // the content fits now
    EXPECT_EQ(pos_, 0);
    EXPECT_EQ(Bar().nMax, 199);
}

TEST_F(HScrollBar, ScrollMessagesAndTheWheelMoveWithinTheBar)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    pos_ = SetHScrollRange(window_, 1000, 700);
    ValidateRect(window_, nullptr);
    Scroll(SB_LINELEFT);
    EXPECT_EQ(pos_, 646);  // a line is 54 pixels at 1.35
    EXPECT_EQ(Bar().nPos, 646);
    EXPECT_TRUE(Repainting());

    Scroll(SB_PAGERIGHT);
    EXPECT_EQ(pos_, 700);  // not past the last page
    Scroll(SB_LEFT);
    EXPECT_EQ(pos_, 0);
    ValidateRect(window_, nullptr);
    Scroll(SB_PAGELEFT);
    EXPECT_EQ(pos_, 0);
    EXPECT_FALSE(Repainting());  // nothing moved
    Scroll(SB_RIGHT);
    EXPECT_EQ(pos_, 700);
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(pos_, 700);

    EXPECT_TRUE(HandleHScroll(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), pos_));
    EXPECT_EQ(pos_, 619);  // 81 pixels to the left
    EXPECT_TRUE(HandleHScroll(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), pos_));
    EXPECT_EQ(pos_, 700);
    EXPECT_EQ(Bar().nPos, 700);

    EXPECT_FALSE(HandleHScroll(window_, WM_VSCROLL, SB_LINEUP, pos_));
    EXPECT_EQ(pos_, 700);
}

}  // namespace
