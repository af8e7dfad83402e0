#include <gtest/gtest.h>

#include "ui/layout.h"

namespace {

void ExpectRect(const PaneRect& rect, int x, int y, int width, int height)
{
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

TEST(PaneLayout, WithoutAGameTheStationPaneTakesTheWholeArea)
{
    PaneLayout layout = ComputePaneLayout(884, 520, false, 0.3, 0.4, 1.35);
    ExpectRect(layout.station, 0, 0, 884, 520);
    EXPECT_EQ(layout.arrivals.width, 0);
    EXPECT_EQ(layout.departures.width, 0);
    EXPECT_EQ(layout.train.height, 0);
    EXPECT_EQ(layout.splitters.bottomY, -1);
    EXPECT_EQ(layout.uiScale, 1.35);
}

TEST(PaneLayout, AGamePlacesBoardsBandsAndTrainPane)
{
    // boards trunc(884 x 0.14) = 123, scale 0.6 clamped to 0.7; train pane trunc(520 x 0.16) = 83
    PaneLayout layout = ComputePaneLayout(884, 520, true, 0.14, 0.16, 1.35);
    EXPECT_DOUBLE_EQ(layout.uiScale, 0.7);
    ExpectRect(layout.arrivals, 0, 0, 123, 431);
    ExpectRect(layout.station, 129, 0, 626, 431);
    ExpectRect(layout.departures, 761, 0, 123, 431);
    ExpectRect(layout.train, 0, 437, 884, 83);
    EXPECT_EQ(layout.splitters.leftX, 123);
    EXPECT_EQ(layout.splitters.rightX, 755);
    EXPECT_EQ(layout.splitters.bottomY, 431);

    // the station pane sits exactly between the bands
    EXPECT_EQ(layout.station.x, layout.splitters.leftX + kSplitterWidth);
    EXPECT_EQ(layout.station.x + layout.station.width, layout.splitters.rightX);
}

TEST(PaneLayout, BoardsLeaveTheStationPaneAtLeast240Pixels)
{
    EXPECT_EQ(BoardWidth(500, 0.3), 130);
    EXPECT_EQ(BoardWidth(1000, 0.3), 300);
    EXPECT_EQ(BoardWidth(200, 0.3), 0);
    EXPECT_EQ(BoardWidth(0, 0.3), 0);
    PaneLayout layout = ComputePaneLayout(500, 400, true, 0.3, 0.16, 1.35);
    EXPECT_EQ(layout.arrivals.width, 130);
    EXPECT_EQ(layout.station.width, 500 - 2 * 136);
}

TEST(PaneLayout, UiScaleFollowsTheBoardWidthWithinItsClamps)
{
    EXPECT_DOUBLE_EQ(ComputePaneLayout(1025, 600, true, 0.2, 0.16, 1.35).uiScale, 1.0);  // board 205
    EXPECT_DOUBLE_EQ(ComputePaneLayout(1000, 600, true, 0.1, 0.16, 1.35).uiScale, 0.7);  // board 100
    EXPECT_DOUBLE_EQ(ComputePaneLayout(2500, 600, true, 0.28, 0.16, 1.35).uiScale, 3.0);  // board 700
    // a change of at most 0.005 keeps the scale (and the fonts)
    EXPECT_DOUBLE_EQ(ComputePaneLayout(1025, 600, true, 0.2, 0.16, 1.004).uiScale, 1.004);
    EXPECT_DOUBLE_EQ(ComputePaneLayout(1025, 600, true, 0.2, 0.16, 1.006).uiScale, 1.0);
    // an area too narrow for boards leaves it
    EXPECT_DOUBLE_EQ(ComputePaneLayout(230, 600, true, 0.3, 0.16, 1.35).uiScale, 1.35);
}

TEST(PaneLayout, TrainPaneHeightIsHeldBetweenItsLeastAndHalfTheArea)
{
    // board 420: uiScale 2.0487..., least height trunc(90 x that) = 184
    PaneLayout tall = ComputePaneLayout(1400, 1000, true, 0.3, 0.08, 1.35);
    EXPECT_EQ(tall.train.height, 184);
    PaneLayout low = ComputePaneLayout(1400, 300, true, 0.3, 0.08, 1.35);
    EXPECT_EQ(low.train.height, 150);
    EXPECT_EQ(low.train.y, 150);
    EXPECT_EQ(low.station.height, 144);

    // an area of next to nothing: no boards, a sliver of train pane, nothing negative
    PaneLayout tiny = ComputePaneLayout(100, 10, true, 0.14, 0.16, 1.35);
    ExpectRect(tiny.station, 0, 0, 100, 0);
    ExpectRect(tiny.train, 0, 5, 100, 5);
    EXPECT_EQ(tiny.splitters.bottomY, -1);  // the band would start above the area
    PaneLayout none = ComputePaneLayout(0, 0, true, 0.14, 0.16, 1.35);
    ExpectRect(none.station, 0, 0, 0, 0);
    ExpectRect(none.train, 0, 0, 0, 0);
    EXPECT_EQ(none.splitters.bottomY, -1);
}

TEST(PaneLayout, SplittersAreFoundOnlyInTheirBandsAboveTheTrainPane)
{
    Splitters bands{123, 755, 431};
    EXPECT_EQ(SplitterAt(bands, false, 125, 100), kNoSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 122, 100), kNoSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 123, 100), kLeftSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 128, 0), kLeftSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 129, 100), kNoSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 755, 430), kRightSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 760, 430), kRightSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 761, 430), kNoSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 400, 431), kBottomSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 125, 436), kBottomSplitter);
    // inside the train pane, even at the x of a vertical band
    EXPECT_EQ(SplitterAt(bands, true, 125, 437), kNoSplitter);
    EXPECT_EQ(SplitterAt(bands, true, 757, 500), kNoSplitter);
    // without a train pane the vertical bands reach down to the status bar
    EXPECT_EQ(SplitterAt({123, 755, -1}, true, 125, 600), kLeftSplitter);
}

TEST(PaneLayout, DraggingABandSetsItsFractionWithinTheClamps)
{
    double board = 0.14, train = 0.16;
    ASSERT_TRUE(DragSplitterFractions(kLeftSplitter, 200, 50, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(board, 0.2);
    ASSERT_TRUE(DragSplitterFractions(kRightSplitter, 750, 50, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(board, 0.25);
    ASSERT_TRUE(DragSplitterFractions(kRightSplitter, 1000, 50, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(board, 0.06);  // to the right edge
    ASSERT_TRUE(DragSplitterFractions(kLeftSplitter, -40, 50, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(board, 0.06);  // dragged out of the window
    ASSERT_TRUE(DragSplitterFractions(kLeftSplitter, 900, 50, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(board, 0.3);
    ASSERT_TRUE(DragSplitterFractions(kBottomSplitter, 10, 0, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(train, 0.4);  // to the top
    ASSERT_TRUE(DragSplitterFractions(kBottomSplitter, 10, 400, 1000, 500, board, train));
    EXPECT_DOUBLE_EQ(train, 0.2);
    EXPECT_DOUBLE_EQ(board, 0.3);

    EXPECT_FALSE(DragSplitterFractions(kNoSplitter, 200, 50, 1000, 500, board, train));
    EXPECT_FALSE(DragSplitterFractions(kLeftSplitter, 200, 50, 0, 500, board, train));
    EXPECT_FALSE(DragSplitterFractions(kBottomSplitter, 200, 50, 1000, 0, board, train));
    EXPECT_DOUBLE_EQ(board, 0.3);
    EXPECT_DOUBLE_EQ(train, 0.2);
}

TEST(PaneLayout, FitGivesTheTrainPaneWhatTheStationLeaves)
{
    // 1000 x 600, boards 140: the station pane is 708 wide
    double train = 0.16;
    ASSERT_TRUE(FitTrainFraction(1000, 600, 0.14, 61, 40, train));
    EXPECT_DOUBLE_EQ(train, (600 - 464 - 6) / 600.0);  // drawn 708 x 464 (trunc of 464.26)
    ASSERT_TRUE(FitTrainFraction(1000, 600, 0.14, 100, 20, train));
    EXPECT_DOUBLE_EQ(train, 0.25);  // wide and flat
    ASSERT_TRUE(FitTrainFraction(1000, 600, 0.14, 20, 100, train));
    EXPECT_DOUBLE_EQ(train, 0.12);  // tall

    train = 0.16;
    EXPECT_FALSE(FitTrainFraction(1000, 600, 0.14, 0, 40, train));
    EXPECT_FALSE(FitTrainFraction(1000, 600, 0.14, 59, 0, train));
    EXPECT_FALSE(FitTrainFraction(0, 600, 0.14, 59, 40, train));
    EXPECT_FALSE(FitTrainFraction(1000, 0, 0.14, 59, 40, train));
    EXPECT_FALSE(FitTrainFraction(10, 600, 0.14, 59, 40, train));  // no room beside the bands
    EXPECT_DOUBLE_EQ(train, 0.16);
    // the largest grid does not overflow
    ASSERT_TRUE(FitTrainFraction(100000, 600, 0.14, 100, 1000, train));
    EXPECT_DOUBLE_EQ(train, 0.12);
}

}  // namespace
