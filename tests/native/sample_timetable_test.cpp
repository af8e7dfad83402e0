// The sample station Tarninowo and its day (game/Stacje/Tarninowo): the day
// reads, its pictures exist, its trains use the station's entries, exits and
// standing places, and a shift starts on it with everything in its place.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "model/timetable.h"
#include "model/vehicle_slot.h"
#include "simulation/new_game.h"
#include "slot_texts.h"

namespace {

const std::string kGameFolder = std::string(SEMARION_FIXTURES) + "/../../game";
const std::string kTimetable = kGameFolder + "/Stacje/Tarninowo/Tarninowo.roz";

// Tiles of Tarninowo.stc (docs/sample-stations.md).
const std::set<int32_t> kEntryTiles = {1101, 1092, 792};   // lines 1, 2 and the branch
const std::set<int32_t> kExitTiles = {1001, 1192, 792};
const std::set<int32_t> kStandingTiles = {951, 1243, 1343, 1641, 813, 2034};  // P3, P4, P5, Pt1, B1, B2
constexpr int32_t kStateLightEngine = 7;
constexpr int32_t kClassFreight = 4;
constexpr int32_t kClassSpecial = 5;

class Tarninowo : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(t.LoadRoz(kTimetable.c_str(), pictures), 400);
    }

    // Rows whose departure number is n.
    std::vector<int32_t> Departing(const std::string& n) const
    {
        std::vector<int32_t> rows;
        for (int32_t r = 0; r < t.TrainCount(); ++r) {
            MallocPtr number = t.TrainNumberText(r, kRawRow, 1);
            if (number.Text() == n) rows.push_back(r);
        }
        return rows;
    }

    Timetable t;
    PictureNameTable pictures{};
};

TEST_F(Tarninowo, ADayOfOverAHundredTrainsWithEveryPictureInTheGameFolder)
{
    EXPECT_GE(t.TrainCount(), 100);
    EXPECT_LE(t.TrainCount(), 150);
    ASSERT_EQ(t.VehicleTypeCount(), 27);
    for (int32_t type = 1; type <= t.VehicleTypeCount(); ++type) {
        const std::string picture = kGameFolder + "/Tabor/" + pictures[static_cast<size_t>(type)].data() + ".bmp";
        EXPECT_TRUE(std::filesystem::exists(picture)) << picture;
    }
}

TEST_F(Tarninowo, TrainsComeAndGoThroughTheStationsLines)
{
    for (int32_t r = 0; r < t.TrainCount(); ++r) {
        const bool arrives = t.ScheduledTime(r, kRawRow, kArrivalSide) != 0;
        const bool leaves = t.ScheduledTime(r, kRawRow, 1) != 0;
        if (arrives) {
            EXPECT_EQ(kEntryTiles.count(t.EntryTile(r, kRawRow)), 1u) << "row " << r;
        }
        if (leaves) {
            EXPECT_EQ(kExitTiles.count(t.ExitTileOfRow(r)), 1u) << "row " << r;
        }
        EXPECT_TRUE(arrives || leaves) << "row " << r;
    }
}

TEST_F(Tarninowo, StockStandsOnPlatformsGoodsTracksAndSidingsWhenTheShiftBegins)
{
    int32_t standing = 0;
    for (int32_t r = 0; r < t.TrainCount(); ++r) {
        if (t.TrainState(r, kRawRow) != 1) continue;
        ++standing;
        const int32_t tile = t.StartTile(r) < 0 ? -t.StartTile(r) : t.StartTile(r);
        EXPECT_EQ(kStandingTiles.count(tile), 1u) << "row " << r;
        EXPECT_NE(t.ScheduledTime(r, kRawRow, 1), 0) << "row " << r << " never leaves";
        // A train that stood here overnight has already switched to its leaving role.
        EXPECT_NE(t.RowState(r, kRawRow), 0) << "row " << r;
    }
    EXPECT_GE(standing, 8);
}

TEST_F(Tarninowo, EveryKindOfTractionRuns)
{
    std::set<int32_t> kinds;
    for (int32_t r = 0; r < t.TrainCount(); ++r)
        for (int32_t side : {kArrivalSide, 1}) {
            const int32_t type = t.BaseLocoType(r, kRawRow, side);
            if (type > 0) kinds.insert(t.VehicleTypeKind(type));
        }
    EXPECT_EQ(kinds, (std::set<int32_t>{kKindElectricUnit, kKindDieselUnit, kKindElectricLoco,
                                        kKindDieselLoco, kKindSteamLoco}));
}

TEST_F(Tarninowo, EngineChangesShowOnTheDepartureBoard)
{
    int32_t changes = 0;
    for (int32_t i = 0; i < t.TrainCount(); ++i)
        if (t.LocoChanges(i, kDepartureMode, false)) ++changes;
    EXPECT_EQ(changes, 6);
    // The retro special changes one steam engine for another.
    const std::vector<int32_t> retro = Departing("19001");
    ASSERT_EQ(retro.size(), 1u);
    EXPECT_STREQ(t.VehicleTypeName(t.BaseLocoType(retro[0], kRawRow, kArrivalSide)), "Ol49");
    EXPECT_STREQ(t.VehicleTypeName(t.BaseLocoType(retro[0], kRawRow, 1)), "TKt48");
    EXPECT_EQ(t.CategoryClass(t.Category(retro[0], kRawRow)), kClassSpecial);
}

TEST_F(Tarninowo, TrainsRunOverMidnightAndStandOvernight)
{
    int32_t nextDay = 0;
    int32_t overnight = 0;
    for (int32_t r = 0; r < t.TrainCount(); ++r) {
        const int32_t arrival = t.ScheduledTime(r, kRawRow, kArrivalSide);
        const int32_t departure = t.ScheduledTime(r, kRawRow, 1);
        if (arrival >= 2400 || departure >= 2400) ++nextDay;
        if (arrival != 0 && departure != 0 && departure < arrival) ++overnight;
    }
    EXPECT_GE(nextDay, 8);
    EXPECT_EQ(overnight, 5);
}

TEST_F(Tarninowo, LightEnginesStandLastSoThatDroppingThemMovesNoOtherTrain)
{
    int32_t first = t.TrainCount();
    for (int32_t r = t.TrainCount() - 1; r >= 0 && t.RowState(r, kRawRow) == kStateLightEngine; --r) first = r;
    EXPECT_EQ(t.TrainCount() - first, 3);
    for (int32_t r = 0; r < first; ++r) EXPECT_NE(t.RowState(r, kRawRow), kStateLightEngine) << "row " << r;
    for (int32_t r = first; r < t.TrainCount(); ++r) EXPECT_STREQ(t.CategoryCode(r, kRawRow), "LOK");
}

TEST_F(Tarninowo, PickUpGoodsTrainLeavesAsOneConsistInOrder)
{
    const std::vector<int32_t> rows = Departing("61202");
    ASSERT_EQ(rows.size(), 3u);
    std::set<int32_t> digits;
    for (int32_t r : rows) {
        digits.insert(t.LinkDigit(r, 1));
        EXPECT_EQ(t.ScheduledTime(r, kRawRow, 1), 1600);
        EXPECT_STREQ(t.CategoryCode(r, kRawRow), "TDZ");
    }
    EXPECT_EQ(digits, (std::set<int32_t>{1, 2, 3}));
    EXPECT_EQ(t.CategoryClass(t.Category(rows[0], kRawRow)), kClassFreight);
}

// Slot rows of Tarninowo.stc (docs/sample-stations.md): points, then the
// sub-tracks of B1 and B2.
enum TarninowoRow : int32_t {
    kBay = 8,            ///< P3, track 3 at peron 4
    kTrack4 = 9,         ///< P4
    kTrack6 = 10,        ///< P5
    kGoodsTrack10 = 12,  ///< Pt1
    kLocoTrack2 = 20,    ///< L2
    kEmuSidings = 21,    ///< B1's first sub-track
    kSawmill = 24,       ///< B2's first sub-track
    kRows = 28,          ///< 21 points and 7 sub-tracks
};

TEST(TarninowoShift, StartsAtFourWithTheStockOfTheTimetablesHeadAndItsStandingTrains)
{
    FixedRandom draws{100};  // no depot locomotive comes damaged
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable(kTimetable.c_str()), kNewGameStarted);
    EXPECT_STREQ(game.StationName(), "Tarninowo.stc");
    EXPECT_EQ(game.Now(), 400);
    ASSERT_EQ(game.PointCount() + game.SubTrackCount(), kRows);
    EXPECT_EQ(game.PointKind(0), kPointDepot);

    const std::vector<std::pair<int32_t, std::string>> expected = {
        {kBay, "0:SA133#6 r1"},
        {kTrack4, "0:EN57#7 r2"},
        {kTrack6, "0:B#0 r5"},
        {kGoodsTrack10, "0:Eaos#0 r0+ 1:ET22#5 r0"},
        {kLocoTrack2, "0:SM42#4 r0"},
        {kEmuSidings, "0:EN57#9 r4"},
        {kEmuSidings + 1, "0:EN57#8 r3"},
        {kSawmill, "0:Res#0 r6"},
        {kSawmill + 1, "0:Res#0 r7"},
    };
    for (int32_t row = 0; row < kRows; ++row) {
        std::string want;
        for (const auto& e : expected)
            if (e.first == row) want = e.second;
        EXPECT_EQ(RowText(game, row), want) << "row " << row;
    }
    EXPECT_EQ(DepotText(game), "EU07.0:3 SU45.1:3 ST44.2:3 TKt48.3:3");
    EXPECT_EQ(OccupiedTiles(game), (std::vector<TileCode>{951, 952, 953, 1243, 1244, 1245, 1343, 1344, 1345,
                                                          1641, 1642, 1643, 2089}));
}

}  // namespace
