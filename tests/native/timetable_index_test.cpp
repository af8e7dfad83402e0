// The arrival and departure indexes: rows by time, then link digit, then row.
#include <gtest/gtest.h>

#include <vector>

#include "model/timetable.h"
#include "roz_files.h"

namespace {

std::vector<int32_t> IndexRows(const Timetable& t, int32_t mode)
{
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < t.TrainCount(); ++i) rows.push_back(t.IndexRow(i, mode, false));
    return rows;
}

TEST(TimetableIndex, EqualTimesGoByLinkDigitThenRow)
{
    // Departure list 2 -> 0 -> 2 headed by row 2; row 1 is alone.
    Timetable t = LoadRozRows({RozRow(0, 1100, 1205, 0, 22), RozRow(0, 1100, 1200), RozRow(0, 1100, 1205, 0, 1),
                            RozRow(0, 1100, 1205)});
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{1, 3, 2, 0}));
    EXPECT_EQ(IndexRows(t, kArrivalMode), (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST(TimetableIndex, ExpectedTimesReorderAfterARebuild)
{
    Timetable t = LoadRozRows({RozRow(0, 1150, 1200), RozRow(0, 1155, 1210)});
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{0, 1}));
    t.ExpectedTime(0, kRawRow, 1, 1212);
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{0, 1}));  // not until rebuilt
    t.BuildIndex(kDepartureMode);
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(IndexRows(t, kArrivalMode), (std::vector<int32_t>{0, 1}));
    t.BuildIndex(3);  // not an index: nothing happens
    t.ExpectedTime(0, kRawRow, 1, kNotDrawn);
    t.BuildIndex(0);
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{1, 0}));
}

TEST(TimetableIndex, YesterdayFirstNextDayAndLightEnginesLast)
{
    Timetable t = LoadRozRows({RozRow(0, 900, 2410), RozRow(0, 905, 910), RozRow(0, 2330, 2345), RozRow(0, 0, 700)});
    t.ScheduledTime(2, kRawRow, 1, -2345);  // yesterday's, after midnight
    t.ExpectedTime(3, kRawRow, 1, 9999);    // as a light engine waits
    t.BuildIndex(kDepartureMode);
    EXPECT_EQ(IndexRows(t, kDepartureMode), (std::vector<int32_t>{2, 1, 0, 3}));
    EXPECT_EQ(IndexRows(t, kArrivalMode), (std::vector<int32_t>{3, 0, 1, 2}));  // no arrival: time 0
}

TEST(TimetableIndex, RowsInReverseOrderComeOutSorted)
{
    std::vector<std::string> rows;
    for (int i = 0; i < 40; ++i) rows.push_back(RozRow(0, 2300 - 50 * i, 2305 - 50 * i));
    Timetable t = LoadRozRows(rows);
    const std::vector<int32_t> order = IndexRows(t, kArrivalMode);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(order[i], 39 - i);
}

}  // namespace
