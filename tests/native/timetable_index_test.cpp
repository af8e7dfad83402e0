// The arrival and departure indexes: rows by time, then link digit, then row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "model/timetable.h"
#include "roz_files.h"
#include "timetable_access.h"
#include "simulation/admission.h"
#include "simulation/new_game.h"

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

// Whether the index lists every row once, in the order of the two stable
// sorts (link digit, then time): rows by time, link digit, row number, each
// with its time now.
bool InSortedOrder(Timetable& t, int32_t mode)
{
    const int32_t side = mode == kArrivalMode ? kArrivalSide : kDepartureSide;
    auto key = [&](int32_t r) { return std::make_tuple(t.ExpectedTime(r, kRawRow, side), t.LinkDigit(r, side), r); };
    std::vector<bool> listed(static_cast<size_t>(t.TrainCount()));
    for (int32_t i = 0; i < t.TrainCount(); ++i) {
        const int32_t row = t.IndexRow(i, mode, false);
        if (row < 0 || row >= t.TrainCount() || listed[static_cast<size_t>(row)]) return false;
        listed[static_cast<size_t>(row)] = true;
        if (TimetableTestAccess::IndexTime(t, mode, i) != std::get<0>(key(row))) return false;
        if (i > 0 && !(key(t.IndexRow(i - 1, mode, false)) < key(row))) return false;
    }
    return true;
}

// Draws that vary, so trains run early, late and heavily delayed.
int ScrambledDraw()
{
    static uint32_t state = 1;
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) & 0x7fff);
}

// After every step of a whole day on both sample stations (steps of ten game
// seconds), with every train let onto its line, both indexes list the rows in
// the sorted order, though they are built again only when a time or link has
// been written.
TEST(TimetableIndex, KeepTheSortedOrderThroughADayOfBothSampleStations)
{
    const RandomSource old = SetRandomSource(ScrambledDraw);
    for (const char* station : {"Tarninowo", "Testowo"}) {
        const std::string path = std::string(SEMARION_FIXTURES) + "/../../game/Stacje/" + station + "/" + station + ".roz";
        Game game;
        ASSERT_EQ(game.NewGameFromTimetable(path.c_str()), kNewGameStarted) << station;
        int32_t reordered = 0;
        int32_t untouched = 0;  // steps that wrote no time: the indexes were left as they were
        std::vector<int32_t> previous[3];  // by mode
        for (int32_t step = 0; step < 24 * 360; ++step) {
            const uint64_t revision = game.timetable.TimesRevision();
            game.SimulationStep();  // its update ends with the indexes
            untouched += game.timetable.TimesRevision() == revision ? 1 : 0;
            for (int32_t mode : {kArrivalMode, kDepartureMode}) {
                ASSERT_TRUE(InSortedOrder(game.timetable, mode)) << station << " step " << step << " mode " << mode;
                const std::vector<int32_t> rows = IndexRows(game.timetable, mode);
                reordered += rows != previous[mode] ? 1 : 0;
                previous[mode] = rows;
            }
            // Admission may move expected times; the next update puts them in order.
            for (int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0); asking >= 0;)
                asking = game.AdmitArrivingTrains(asking, kLetOntoLine);
        }
        EXPECT_GT(reordered, 2) << station;  // delays did reorder the day
        EXPECT_GT(untouched, 24 * 360 / 2) << station;
    }
    SetRandomSource(old);
}

}  // namespace
