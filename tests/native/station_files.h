// Test helpers for station files: the test station Testowo of the game
// folder, its damaged copies in tests/fixtures/stations, and variants of it
// written into a folder of the running test's own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/game.h"
#include "support/read_whole_file.h"

// Testowo's points as loaded: the depot moved to the front, the line that
// stood there moved to its place.
enum TestowoStcPoint : int32_t {
    kStcDepot = 0,         ///< tile 937, the engine shed
    kStcEastEntry = 1,     ///< tile 442, entry 2
    kStcEastExit = 2,      ///< tile 542, exit 3
    kStcPlatform1 = 3,     ///< tiles 412, 413 (digit 1), 414
    kStcPlatform2 = 4,     ///< tiles 512, 513 (digit 2), 514
    kStcLine = 5,          ///< tile 401, line 1 with block sections, [1] 310
    kStcSiding = 6,        ///< tile 713, three sub-tracks from row 0
    kStcStabling = 7,      ///< tiles 730, 731, 732
    kStcLocoTrack = 8,     ///< tile 933, a water crane below
    kStcFreight = 9,       ///< tiles 213, 214
    kStcPointCount = 10,
};

constexpr int32_t kStcSubTracks = 3;

inline std::string GameFolder() { return std::string(SEMARION_FIXTURES) + "/../../game"; }

inline std::string TestowoFile(const std::string& name) { return GameFolder() + "/Stacje/Testowo/" + name; }

inline std::string StationFixture(const std::string& name)
{
    return std::string(SEMARION_FIXTURES) + "/stations/" + name;
}

// An empty folder of the running test's own, ending in a separator.
inline std::string TestFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("semarion_" + std::string(test->test_suite_name()) + "_" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

// text with its first `from` replaced by `to`; a test fails when there is none.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

inline std::string WriteFileIn(const std::string& folder, const std::string& name, const std::string& text)
{
    const std::string path = folder + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

using Changes = std::vector<std::pair<std::string, std::string>>;

// A new game on Testowo's timetable and station, each with the changes made,
// both written into the test's own folder.
inline int32_t StartTestowoVariant(Game& game, const Changes& rozChanges, const Changes& stcChanges = {})
{
    std::string roz = ReadWholeFile(TestowoFile("Testowo.roz"));
    std::string stc = ReadWholeFile(TestowoFile("Testowo.stc"));
    for (const auto& change : rozChanges) roz = Replaced(roz, change.first, change.second);
    for (const auto& change : stcChanges) stc = Replaced(stc, change.first, change.second);
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Testowo.stc", stc);
    return game.NewGameFromTimetable(WriteFileIn(folder, "Testowo.roz", roz).c_str());
}
