// Reading the delays text and the small rules around it.
#include <gtest/gtest.h>

#include <string>

#include "sources/delays_text.h"

namespace {

TEST(DelaysText, LinesBecomeEntriesAndTheStamp)
{
    const DelaysText read = ParseDelaysLines(
        "# komentarz 1 2 3\n"
        "POBRANE 2026-12-7 9:05\r\n"
        "\n"
        "\r\n"
        "0 5 4\r\n"
        "  2\t-3   0 reszta\n"
        "1 7\n"
        "POBRANE 2026-12-07 10\n"   // four numbers: neither form
        "3 1 1\n"                   // no train 3 in a timetable of 3
        "-1 1 1\n"
        "x 1 1 1\n"
        "2 +9 -0",
        3);
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[0].train, 0);
    EXPECT_EQ(read.entries[0].arrivalDelay, 5);
    EXPECT_EQ(read.entries[0].departureDelay, 4);
    EXPECT_EQ(read.entries[1].train, 2);
    EXPECT_EQ(read.entries[1].arrivalDelay, -3);
    EXPECT_EQ(read.entries[2].arrivalDelay, 9);
    EXPECT_TRUE(read.hasStamp);
    EXPECT_EQ(read.stamp.year, 2026);
    EXPECT_EQ(read.stamp.month, 12);
    EXPECT_EQ(read.stamp.day, 7);
    EXPECT_EQ(read.stamp.hour, 9);
    EXPECT_EQ(read.stamp.minute, 5);
}

TEST(DelaysText, LaterStampWinsAndHugeNumbersStayInRange)
{
    DelaysText read = ParseDelaysLines("POBRANE 2026-1-1 1:1\nPOBRANE 2027-2-2 2:2\n", 5);
    EXPECT_EQ(read.stamp.year, 2027);
    EXPECT_TRUE(read.entries.empty());
    read = ParseDelaysLines("99999999999999999999 1 1\n1 99999999999999999999 -99999999999999999999\n", 5);
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].arrivalDelay, 2147483647);
    EXPECT_EQ(read.entries[0].departureDelay, -2147483647 - 1);
    EXPECT_FALSE(ParseDelaysLines("", 5).hasStamp);
    EXPECT_TRUE(ParseDelaysLines("# tylko komentarz\n", 5).entries.empty());
}

TEST(DelaysText, FileBesideTheTimetable)
{
    EXPECT_EQ(DelaysFilePath("C:\\gra\\Stacje\\Testowo\\Testowo.roz"), "C:\\gra\\Stacje\\Testowo\\Testowo.opoz");
    EXPECT_EQ(DelaysFilePath("Testowo"), "Testowo.opoz");
    EXPECT_EQ(DelaysFilePath("C:\\st.1\\Testowo"), "C:\\st.opoz");  // the last "." of the whole path
}

TEST(DelaysText, RefreshMinutesSetting)
{
    EXPECT_EQ(RefreshMinutesFromSetting(""), 5);
    EXPECT_EQ(RefreshMinutesFromSetting("0"), 0);
    EXPECT_EQ(RefreshMinutesFromSetting("co chwile"), 0);
    EXPECT_EQ(RefreshMinutesFromSetting("90"), 60);
    EXPECT_EQ(RefreshMinutesFromSetting(" 7 minut"), 7);
    EXPECT_EQ(RefreshMinutesFromSetting("-3"), 0);
    EXPECT_EQ(RefreshMinutesFromSetting("99999999999"), 60);
}

TEST(DelaysText, StampAge)
{
    const LocalMinute now{2026, 12, 7, 9, 5};
    EXPECT_EQ(StampAgeMinutes({2026, 12, 7, 9, 5}, now), 0);
    EXPECT_EQ(StampAgeMinutes({2026, 12, 7, 8, 0}, now), 65);
    EXPECT_EQ(StampAgeMinutes({2026, 12, 6, 23, 59}, now), 546);
    EXPECT_EQ(StampAgeMinutes({2024, 2, 29, 0, 0}, {2024, 3, 1, 0, 0}), 1440);  // a leap day
    EXPECT_EQ(StampAgeMinutes({2025, 12, 31, 23, 0}, {2026, 1, 1, 0, 30}), 90);
    EXPECT_EQ(StampAgeMinutes({2026, 12, 7, 9, 6}, now), 0);  // in the future
    for (LocalMinute bad : {LocalMinute{2026, 13, 1, 0, 0}, LocalMinute{2026, 2, 29, 0, 0}, LocalMinute{2026, 1, 1, 24, 0},
                            LocalMinute{2026, 1, 1, 0, 60}, LocalMinute{1600, 1, 1, 0, 0}, LocalMinute{2026, 4, 31, 0, 0}})
        EXPECT_EQ(StampAgeMinutes(bad, now), -1);
    EXPECT_EQ(StampAgeMinutes({2026, 12, 7, 9, 0}, LocalMinute()), -1);
}

}  // namespace
