#include <gtest/gtest.h>

#include "roz_files.h"
#include "simulation/rolling_stock_kinds.h"

namespace {

std::string ServicesTimetable() { return std::string(SEMARION_FIXTURES) + "/services/services.roz"; }

class RollingStockKindsTest : public testing::Test {
protected:
    void TearDown() override { ResetRollingStockKinds(); }
};

TEST_F(RollingStockKindsTest, TheFileBesideTheTimetable)
{
    EXPECT_EQ(RollingStockKindsPath("C:\\gry\\v1.2\\plan.roz"), "C:\\gry\\v1.2\\plan.rodz");
    EXPECT_EQ(RollingStockKindsPath("C:\\gry\\v1.2\\plan"), "C:\\gry\\v1.2\\plan.rodz");
    EXPECT_EQ(RollingStockKindsPath("plan"), "plan.rodz");
    EXPECT_EQ(RollingStockKindsPath("a.b.roz"), "a.b.rodz");
}

TEST_F(RollingStockKindsTest, ReadsKindsAndSkipsWhatIsNotARow)
{
    EXPECT_EQ(LoadRollingStockKinds(ServicesTimetable()), 7);
    EXPECT_EQ(GetTrainKindName(0, "OS"), "EN71");  // a later line replaces
    EXPECT_EQ(GetTrainKindName(1, "OS"), "SA133");
    EXPECT_EQ(GetTrainKindName(2, "OS"), "Bardzo_dluga_nazwa_rodzaju_tabo");  // 31 characters
    EXPECT_EQ(GetTrainKindName(3, "OS"), "OS");  // a comment, then no name
    EXPECT_EQ(GetTrainKindName(4, "OS"), "ED74");
    EXPECT_EQ(GetTrainKindName(5, "OS"), "OS");
    EXPECT_EQ(GetTrainKindName(6, "OS"), "OS");  // the end of an over-long comment is no line
    EXPECT_EQ(GetTrainKindName(7, "OS"), std::string(31, 'B'));
    EXPECT_EQ(GetTrainKindName(8, "OS"), "Żubr");
    EXPECT_EQ(GetTrainKindName(9, "OS"), "Elf2");
    EXPECT_EQ(GetTrainKindName(10, "OS"), "OS");
    EXPECT_EQ(GetTrainKindName(11, "OS"), "OS");  // the line ends at the zero byte
    EXPECT_EQ(GetTrainKindName(20000, "OS"), "OS");
    EXPECT_EQ(GetTrainKindName(-1, nullptr), "");
}

TEST_F(RollingStockKindsTest, AnotherGameNeverShowsTheOldKinds)
{
    ASSERT_GT(LoadRollingStockKinds(ServicesTimetable()), 0);
    EXPECT_EQ(LoadRollingStockKinds(TimetableFixture("malinowo.roz")), 0);  // no side file
    EXPECT_EQ(GetTrainKindName(0, "OS"), "OS");

    ASSERT_GT(LoadRollingStockKinds(ServicesTimetable()), 0);
    ResetRollingStockKinds();  // a loaded game
    EXPECT_EQ(GetTrainKindName(0, "OS"), "OS");
}

TEST_F(RollingStockKindsTest, AFileWithoutLineEndOrLines)
{
    // The timetable beside the written side file: its name up to ".rodz", then ".roz".
    auto timetableOf = [](const std::string& kindsPath) { return kindsPath.substr(0, kindsPath.size() - 2) + "z"; };
    EXPECT_EQ(LoadRollingStockKinds(timetableOf(WriteTempFile("last.rodz", "5 EN57"))), 1);
    EXPECT_EQ(GetTrainKindName(5, ""), "EN57");
    EXPECT_EQ(LoadRollingStockKinds(timetableOf(WriteTempFile("empty.rodz", ""))), 0);
}

}  // namespace
