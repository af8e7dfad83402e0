// Test helpers for timetable files: fixture paths, reading a fixture, and
// writing a timetable of given rows into the test's temporary folder.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/timetable.h"

inline std::string TimetableFixture(const std::string& name)
{
    return std::string(SEMARION_FIXTURES) + "/timetables/" + name;
}

inline std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes text to a file of the temporary folder and returns its path. The
// file is named after the running test too, as tests run in parallel.
inline std::string WriteTempFile(const std::string& name, const std::string& text)
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string owner = test ? std::string(test->test_suite_name()) + "." + test->name() + "-" : "";
    const std::string path = testing::TempDir() + owner + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A row of 26 fields as the file gives them: category, state, times, links,
// all else 0.
inline std::string RozRowOfCategory(int category, int state, int arrival, int departure, int arrivalLink = 0,
                                    int departureLink = 0)
{
    const int fields[26] = {state, arrival, 501, 0, 0, departure, 560, 0, 0, 100, 100, arrivalLink,
                            departureLink, category, category, 0, 0, -1, 1, 1, 0, 0, 0, 0, 0, 0};
    std::string text;
    for (int f : fields) text += std::to_string(f) + ",";
    return text + "\n";
}

// The same in category 2 ("OS").
inline std::string RozRow(int state, int arrival, int departure, int arrivalLink = 0, int departureLink = 0)
{
    return RozRowOfCategory(2, state, arrival, departure, arrivalLink, departureLink);
}

// A version-3 timetable of the given rows and nothing else, starting at 06:00.
inline std::string RozWithRows(const std::vector<std::string>& rows)
{
    std::string text = "3,\nProba\n0,\n" + std::to_string(rows.size()) + ",\n";
    for (const std::string& row : rows) text += row;
    return text + "600,\n0,\n0,\n0,\n0,\n0,\n0,\n1,\nProba\n0,\n0,\n";
}

// A timetable read from a file of the given rows, written under name.
inline Timetable LoadRozRows(const std::vector<std::string>& rows, const std::string& name = "rows.roz")
{
    Timetable t;
    PictureNameTable pictures{};
    EXPECT_EQ(t.LoadRoz(WriteTempFile(name, RozWithRows(rows)).c_str(), pictures), 600);
    return t;
}
