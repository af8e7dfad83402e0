#include <gtest/gtest.h>

#include "ui/h_scroll.h"

namespace {

TEST(HScroll, RangeClampsThePositionToTheContent)
{
    HScrollBarState bar = HScrollRange(1000, 300, 900);
    EXPECT_EQ(bar.max, 999);
    EXPECT_EQ(bar.page, 300);
    EXPECT_EQ(bar.pos, 700);
    EXPECT_EQ(HScrollRange(1000, 300, -20).pos, 0);
    EXPECT_EQ(HScrollRange(1000, 300, 250).pos, 250);

    bar = HScrollRange(200, 300, 50);  // all of it visible
    EXPECT_EQ(bar.max, 199);
    EXPECT_EQ(bar.pos, 0);
    bar = HScrollRange(0, 0, 10);  // nothing to show in no room
    EXPECT_EQ(bar.max, 0);
    EXPECT_EQ(bar.page, 1);
    EXPECT_EQ(bar.pos, 0);
}

TEST(HScroll, APositionStaysWhereTheBarCanShowIt)
{
    EXPECT_EQ(ClampHScrollPos(800, 999, 300), 700);
    EXPECT_EQ(ClampHScrollPos(700, 999, 300), 700);
    EXPECT_EQ(ClampHScrollPos(-1, 999, 300), 0);
    EXPECT_EQ(ClampHScrollPos(5, 199, 300), 0);  // the page is wider than the content
}

TEST(HScroll, ActionsMoveByLinePageThumbOrToAnEnd)
{
    // line: trunc(40 x 1.35) = 54
    EXPECT_EQ(HScrollActionTarget(kScrollLineLeft, 100, 999, 300, 0, 1.35), 46);
    EXPECT_EQ(HScrollActionTarget(kScrollLineRight, 100, 999, 300, 0, 1.35), 154);
    EXPECT_EQ(HScrollActionTarget(kScrollLineRight, 100, 999, 300, 0, 0.7), 128);
    EXPECT_EQ(HScrollActionTarget(kScrollPageLeft, 100, 999, 300, 0, 1.35), -200);
    EXPECT_EQ(HScrollActionTarget(kScrollPageRight, 100, 999, 300, 0, 1.35), 400);
    EXPECT_EQ(HScrollActionTarget(kScrollThumbPosition, 100, 999, 300, 333, 1.35), 333);
    EXPECT_EQ(HScrollActionTarget(kScrollThumbTrack, 100, 999, 300, 334, 1.35), 334);
    EXPECT_EQ(HScrollActionTarget(kScrollLeft, 100, 999, 300, 0, 1.35), 0);
    EXPECT_EQ(HScrollActionTarget(kScrollRight, 100, 999, 300, 0, 1.35), 999);
    EXPECT_EQ(HScrollActionTarget(kScrollEnd, 100, 999, 300, 500, 1.35), 100);
    // a page or an end past the bar's limits is clamped afterwards
    EXPECT_EQ(ClampHScrollPos(HScrollActionTarget(kScrollRight, 100, 999, 300, 0, 1.35), 999, 300), 700);
}

TEST(HScroll, TheWheelMovesSixtyUnitsANotch)
{
    EXPECT_EQ(WheelScrollTarget(200, 120, 1.35), 119);  // 81 pixels to the left
    EXPECT_EQ(WheelScrollTarget(200, -120, 1.35), 281);
    EXPECT_EQ(WheelScrollTarget(200, 240, 1.0), 80);
    // multiplication first: small deltas of fine wheels still move
    EXPECT_EQ(WheelScrollTarget(200, 60, 1.35), 160);
    EXPECT_EQ(WheelScrollTarget(200, 1, 1.35), 200);
    EXPECT_EQ(WheelScrollTarget(200, 2, 1.35), 199);
}

}  // namespace
