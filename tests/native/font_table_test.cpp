#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "support/fresh_ui_state.h"
#include "ui/font_table.h"

namespace {

TEST(FontTable, FixedFontsIgnoreTheScales)
{
    struct Expected {
        FontId id;
        const char* face;
        int32_t height;
        int32_t weight;
        bool italic;
    };
    const Expected fixed[] = {
        {FontId::kLabelFont, "MS Sans Serif", 12, kFontWeightRegular, false},
        {FontId::kLabelBoldFont, "MS Sans Serif", 12, kFontWeightBold, false},
        {FontId::kTableFont, "Microsoft Sans Serif", 12, kFontWeightRegular, false},
        {FontId::kTableItalicFont, "Microsoft Sans Serif", 12, kFontWeightRegular, true},
        {FontId::kTableBoldFont, "Microsoft Sans Serif", 13, kFontWeightBold, false},
        {FontId::kDialogSmallFont, "Microsoft Sans Serif", 11, kFontWeightRegular, false},
    };
    ASSERT_EQ(std::size(fixed), static_cast<size_t>(kFixedFontCount));
    for (const Expected& e : fixed) {
        const FontSpec wanted = FontSpecFor(e.id, 2.7, 0.4);
        EXPECT_STREQ(wanted.face, e.face);
        EXPECT_EQ(wanted.height, e.height);
        EXPECT_EQ(wanted.weight, e.weight);
        EXPECT_EQ(wanted.italic, e.italic);
        EXPECT_FALSE(wanted.underline);
    }
}

TEST(FontTable, BoardFontsFollowTheUiScaleAndPreviewFontsTheStationScale)
{
    // 12 x 1.35 = 16.2 -> 16; 10 x 1.35 = 13.5 -> 14 (half rounds up).
    EXPECT_EQ(FontSpecFor(FontId::kBoardFont, 1.35, 1.0).height, 16);
    EXPECT_EQ(FontSpecFor(FontId::kBoardSmallFont, 1.35, 1.0).height, 14);
    EXPECT_TRUE(FontSpecFor(FontId::kBoardItalicFont, 1.35, 1.0).italic);
    EXPECT_TRUE(FontSpecFor(FontId::kBoardUnderlineFont, 1.35, 1.0).underline);
    EXPECT_EQ(FontSpecFor(FontId::kBoardBoldFont, 1.35, 1.0).weight, kFontWeightBold);
    EXPECT_STREQ(FontSpecFor(FontId::kBoardFont, 1.35, 1.0).face, "Microsoft Sans Serif");

    EXPECT_EQ(FontSpecFor(FontId::kPreviewFont, 1.0, 2.0).height, 24);
    EXPECT_EQ(FontSpecFor(FontId::kPreviewBoldFont, 1.0, 2.0).weight, kFontWeightBold);
    EXPECT_TRUE(FontSpecFor(FontId::kPreviewItalicFont, 1.0, 2.0).italic);
    EXPECT_EQ(FontSpecFor(FontId::kPreviewSmallFont, 3.0, 0.5).height, 5);  // 4.5 -> 5
}

TEST(FontTable, HeightsStayDrawableForAnyScale)
{
    EXPECT_EQ(ScaledFontHeight(12, 0.7), 8);   // 8.4
    EXPECT_EQ(ScaledFontHeight(12, 0.0), 1);
    EXPECT_EQ(ScaledFontHeight(12, -3.0), 1);
    EXPECT_EQ(ScaledFontHeight(12, std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(ScaledFontHeight(12, 1e300), kMaxFontHeight);
    EXPECT_EQ(ScaledFontHeight(12, std::numeric_limits<double>::infinity()), kMaxFontHeight);
}

TEST(FontTable, StationFontScaleIsTheUiScaleTimesThePictureZoom)
{
    FreshUiState();
    EXPECT_DOUBLE_EQ(StationFontScale(1.35), 1.35);
    gSettings.powiekszeniePodgladu = 1.5;
    EXPECT_DOUBLE_EQ(StationFontScale(2.0), 3.0);
    EXPECT_EQ(FontSpecFor(FontId::kPreviewFont, 2.0, StationFontScale(2.0)).height, 36);
    gSettings = Settings();
}

}  // namespace
