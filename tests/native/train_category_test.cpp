#include <gtest/gtest.h>

#include <cstring>

#include "model/timetable.h"
#include "model/train_category.h"

namespace {

TEST(TrainCategory, DefaultTableDefinesTwentyNineNumbers)
{
    const CategoryTable table = DefaultCategoryTable();
    int defined = 0;
    for (const TrainCategory& c : table) {
        if (c.categoryClass == kClassUndefined) {
            EXPECT_STREQ(c.longCode, "");
            EXPECT_STREQ(c.letter, "");
            continue;
        }
        ++defined;
        EXPECT_TRUE(IsCategoryClass(c.categoryClass));
        EXPECT_EQ(std::strlen(c.letter), 1u);
        EXPECT_LE(std::strlen(c.longCode), 3u);
    }
    EXPECT_EQ(defined, 29);

    EXPECT_EQ(table[0].categoryClass, kClassFreight);
    EXPECT_STREQ(table[0].longCode, "TW");
    EXPECT_EQ(table[kLightEngineCategory].categoryClass, kClassSpecial);
    EXPECT_STREQ(table[kLightEngineCategory].longCode, "LOK");
    EXPECT_STREQ(table[10].longCode, "EC");
    EXPECT_STREQ(table[10].letter, "E");
    EXPECT_STREQ(table[212].longCode, "TdN");
    EXPECT_EQ(table[212].categoryClass, kClassExpress);
    EXPECT_EQ(table[9].categoryClass, kClassUndefined);
    EXPECT_EQ(table[249].categoryClass, kClassUndefined);
}

TEST(TrainCategory, TimetableReadsAndWritesDelayChances)
{
    Timetable t;
    EXPECT_EQ(t.DelayChance(3, kDelayLate), 10);
    EXPECT_EQ(t.DelayChance(3, kDelayLate, 25), 25);
    EXPECT_EQ(t.DelayChance(3, kDelayLate), 25);
    EXPECT_EQ(t.DelayChance(3, kDelayEarly), 10);
    // Outside the table nothing is read or written.
    EXPECT_EQ(t.DelayChance(6, kDelayLate, 50), 0);
    EXPECT_EQ(t.DelayChance(0, 2, 50), 0);
    EXPECT_EQ(t.DelayChance(-1, kDelayEarly), 0);
}

TEST(TrainCategory, ClassOfUndefinedOrOutOfRangeNumberIsMinusOne)
{
    Timetable t;
    EXPECT_EQ(t.CategoryClass(9), kClassUndefined);
    EXPECT_EQ(t.CategoryClass(4), kClassFast);
    EXPECT_EQ(t.CategoryClass(250), kClassUndefined);
    EXPECT_EQ(t.CategoryClass(-1), kClassUndefined);
}

}  // namespace
