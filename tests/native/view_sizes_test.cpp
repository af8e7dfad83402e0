#include <gtest/gtest.h>

#include <set>

#include "ui/settings.h"
#include "ui/view_sizes.h"

namespace {

TEST(ViewSizes, SlidersCoverTheFourFractionsWithTheirSettingsRanges)
{
    std::set<int> ids;
    for (const ViewSizeSlider& slider : kViewSizeSliders) {
        ids.insert(slider.trackbarId);
        ids.insert(slider.labelId);
        EXPECT_LT(slider.low, slider.high);
    }
    EXPECT_EQ(ids.size(), 8u);
    EXPECT_EQ(kViewSizeSliders[0].value, &Settings::szerokoscTablic);
    EXPECT_EQ(kViewSizeSliders[0].low, 6);
    EXPECT_EQ(kViewSizeSliders[0].high, 30);
    EXPECT_EQ(kViewSizeSliders[1].value, &Settings::wysokoscPodgladu);
    EXPECT_EQ(kViewSizeSliders[1].high, 40);
    EXPECT_EQ(kViewSizeSliders[2].value, &Settings::rozmiarSchematu);
    EXPECT_EQ(kViewSizeSliders[2].high, 300);
    EXPECT_EQ(kViewSizeSliders[3].value, &Settings::powiekszeniePodgladu);
    EXPECT_EQ(kViewSizeSliders[3].low, 50);
}

TEST(ViewSizes, PositionsRoundToWholePercents)
{
    EXPECT_EQ(SliderPosition(0.14), 14);
    EXPECT_EQ(SliderPosition(0.146), 15);
    EXPECT_EQ(SliderPosition(0.29), 29);
    EXPECT_EQ(SliderPosition(0.2), 20);
    EXPECT_EQ(SliderPosition(3.0), 300);
    EXPECT_EQ(PercentLabel(14), "14%");
    EXPECT_EQ(PercentLabel(300), "300%");
}

TEST(ViewSizes, RestoreBringsBackAllSixKeptValuesAndNothingElse)
{
    Settings settings;
    settings.caleSklady = true;
    settings.opisyTorow = false;
    settings.szerokoscTablic = 0.21;
    ViewSizeSnapshot kept = TakeViewSizes(settings);

    settings.szerokoscTablic = 0.3;
    settings.wysokoscPodgladu = 0.4;
    settings.rozmiarSchematu = 2.5;
    settings.powiekszeniePodgladu = 0.5;
    settings.caleSklady = false;
    settings.opisyTorow = true;
    settings.dopasujDoStacji = false;
    RestoreViewSizes(kept, settings);

    Settings expected;
    expected.caleSklady = true;
    expected.opisyTorow = false;
    expected.szerokoscTablic = 0.21;
    expected.dopasujDoStacji = false;  // not the dialog's
    EXPECT_EQ(settings.szerokoscTablic, expected.szerokoscTablic);
    EXPECT_EQ(settings.wysokoscPodgladu, expected.wysokoscPodgladu);
    EXPECT_EQ(settings.rozmiarSchematu, expected.rozmiarSchematu);
    EXPECT_EQ(settings.powiekszeniePodgladu, expected.powiekszeniePodgladu);
    EXPECT_EQ(settings.caleSklady, expected.caleSklady);
    EXPECT_EQ(settings.opisyTorow, expected.opisyTorow);
    EXPECT_EQ(settings.dopasujDoStacji, expected.dopasujDoStacji);
}

}  // namespace
