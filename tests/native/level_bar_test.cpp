#include <gtest/gtest.h>

#include "ui/level_bar.h"

namespace {

TEST(LevelBar, StateColoursBySeverity)
{
    EXPECT_EQ(StateColour(1), RgbColour(0, 0, 200));
    EXPECT_EQ(StateColour(2), RgbColour(200, 110, 0));
    EXPECT_EQ(StateColour(3), RgbColour(255, 0, 0));
    for (int32_t other : {0, 4, -1, 100})
        EXPECT_EQ(StateColour(other), 0) << other;
    EXPECT_EQ(RgbColour(1, 2, 3), 0x030201);
}

TEST(LevelBar, TooSmallBarsGrowToSixByThree)
{
    const LevelBarShape bar = LayoutLevelBar(10, 20, 2, 1, 50, 0);
    EXPECT_EQ(bar.left, 10);
    EXPECT_EQ(bar.top, 20);
    EXPECT_EQ(bar.right, 16);
    EXPECT_EQ(bar.bottom, 23);
    EXPECT_EQ(bar.fillWidth, 2);  // (6 - 2) x 50 %
}

TEST(LevelBar, PercentIsClampedAndStateColoursTheFill)
{
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 150, 0).fillWidth, 50);
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 100, 0).fillWidth, 50);
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 0, 0).fillWidth, 0);
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, -20, 0).fillWidth, 0);
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 33, 0).fillWidth, 16);  // 16.5 truncated
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 1, 0).fillWidth, 0);    // under one pixel: no fill

    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 50, 0).fillColour, kLevelBarNormal);
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 50, 3).fillColour, StateColour(3));
    EXPECT_EQ(LayoutLevelBar(0, 0, 52, 8, 50, 7).fillColour, StateColour(0));
    EXPECT_EQ(LayoutLevelBar(0, 0, 2000000000, 8, 100, 0).fillWidth, 1999999998);
}

}  // namespace
