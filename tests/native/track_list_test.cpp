// The track list: Testowo's table at the start of its shift, the remarks and
// levels of steam, supplies, damage and coupling on hand-built vehicles,
// closed and empty tracks, and the rows' tops, clicks, colours and scrolling.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scripted_random.h"
#include "service_game.h"
#include "simulation/disruptions.h"
#include "simulation/supplies.h"
#include "simulation/vehicle_status.h"
#include "testowo_game.h"
#include "ui/track_list.h"

namespace {

// "name|what|number|relation|departure|remarks" of a row, "# title" of a section.
std::string Line(const TrackListRow& r)
{
    if (r.header) return "# " + r.name;
    return r.name + "|" + r.what + "|" + r.number + "|" + r.relation + "|" + r.departure + "|" + r.remarks;
}

std::vector<std::string> Lines(const std::vector<TrackListRow>& rows)
{
    std::vector<std::string> lines;
    for (const TrackListRow& r : rows) lines.push_back(Line(r));
    return lines;
}

using TrackListOfTestowo = RunningTestowoGame;

TEST_F(TrackListOfTestowo, EveryTrackInItsSectionWithWhatStandsThere)
{
    GetSupplies(game, kStcLocoTrack, 0)->water = 2200;  // the draw of its start is the library's
    const std::vector<TrackListRow> rows = BuildTrackList(game, true);
    const std::vector<std::string> expected = {
        "# PERONY",
        "P1  peron 1, tor 1|EU07||||połączony z następnym",
        "P1  peron 1, tor 1|wagony|1301|Testowo - Malinowo|5:20|",
        "P2  peron 2, tor 2|EN57|8101|Testowo - Malinowo|5:10|",
        "# PERONY TOWAROWE",
        "Pt1  peron towarowy 1|wagony|60101|Testowo - Jeżynowo|5:40|połączony z następnym",
        "Pt1  peron towarowy 1|SM42||||",
        "Pt1  peron towarowy 1|wagony|60105|Testowo - Jeżynowo|12:00|",
        "# TORY POSTOJOWE",
        "T1  tor postojowy 1|SM42||||połączony z następnym",
        "T1  tor postojowy 1|SM42||||",
        "# TORY DLA LOKOMOTYW",
        "L1  tor dla lokomotyw 1|Ol49||||nawadnianie 22%: jeszcze 12 min",
        "# BOCZNICE",
        "B1/1  bocznica 1, tor 1|- wolny -||||",
        "B1/2  bocznica 1, tor 2|SM42||||",
        "B1/2  bocznica 1, tor 2|wagony|60103|Testowo - Jeżynowo|10:00|",
        "B1/2  bocznica 1, tor 2|wagony|33101|Testowo - Jeżynowo|11:00|",
        "B1/3  bocznica 1, tor 3|- wolny -||||",
    };
    EXPECT_EQ(Lines(rows), expected);
    // A row selects its point's first tile; a sub-track its siding's.
    EXPECT_EQ(rows[1].tile, 412);
    EXPECT_EQ(rows[15].tile, 713);
    EXPECT_EQ(rows[0].tile, 0);
    // Only the first of a track's rows carries its name and line.
    EXPECT_TRUE(StartsTrack(rows, 1));
    EXPECT_FALSE(StartsTrack(rows, 2));
    EXPECT_TRUE(StartsTrack(rows, 3));
    // Only the crane's refill is news; nothing else is raised.
    EXPECT_EQ(rows[12].level, kSeverityInfo);
    EXPECT_EQ(rows[1].level, kSeverityNone);

    EXPECT_TRUE(BuildTrackList(game, false).empty());
}

TEST_F(TrackListOfTestowo, ALateDepartureShowsItsDelay)
{
    game.clock.Set(5, 30, 0);
    const std::vector<TrackListRow> rows = BuildTrackList(game, true);
    EXPECT_EQ(rows[2].departure, "5:20 +10");
    EXPECT_EQ(rows[3].departure, "5:10 +20");
    EXPECT_EQ(rows[5].departure, "5:40");
}

// Hand-built Testowo: a water crane at platform 2, nothing standing yet.
class TrackListRemarks : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        SetTileCode(game_, 723, -18);
        ScriptedRandom seed({3});
        ResetSupplies(game_);
    }
    void TearDown() override
    {
        gSettings.utrudnienia = false;
        StartDisruptions(game_);  // no closure stays for the next test
        ServiceGameTest::TearDown();
    }
    // The rows of one slot-grid row.
    std::vector<TrackListRow> Rows(int32_t row)
    {
        std::vector<TrackListRow> rows;
        AddTrackListRows(game_, row, "X", 520, rows);
        return rows;
    }
    SteamSupplies& Steam(int32_t slot, int32_t water)
    {
        PlaceVehicle(game_, kTestowoPlatform1, slot, kTypeOl49, kKindSteamLoco);
        SteamSupplies& r = *GetSupplies(game_, kTestowoPlatform1, slot);
        r.water = water;
        r.coal = kLevelFull;
        return r;
    }
};

TEST_F(TrackListRemarks, WaterAwayFromTheCraneIsLowThenAnAlarmThenGone)
{
    Steam(0, 1500);
    std::vector<TrackListRow> rows = Rows(kTestowoPlatform1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].what, "Ol49");
    EXPECT_EQ(rows[0].remarks, "woda 15%");
    EXPECT_EQ(rows[0].level, kSeverityLow);
    EXPECT_EQ(TrackListRowColour(rows[0], 0), StateColour(kSeverityLow));

    Steam(0, 500);
    rows = Rows(kTestowoPlatform1);
    EXPECT_EQ(rows[0].remarks, "woda 5%");
    EXPECT_EQ(rows[0].level, kSeverityAlarm);

    Steam(0, 0);
    EXPECT_EQ(Rows(kTestowoPlatform1)[0].remarks, "brak wody");

    // Under the crane the refill shows instead, with its minutes.
    PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeOl49, kKindSteamLoco);
    GetSupplies(game_, kTestowoPlatform2, 0)->water = 0;
    GetSupplies(game_, kTestowoPlatform2, 0)->coal = kLevelFull;
    std::vector<TrackListRow> crane;
    AddTrackListRows(game_, kTestowoPlatform2, "P2", 720, crane);
    EXPECT_EQ(crane[0].remarks, "nawadnianie 0%: jeszcze 15 min");
    EXPECT_EQ(crane[0].level, kSeverityInfo);
}

TEST_F(TrackListRemarks, FireCoalAndFuelInTheirOrderAndLevels)
{
    SteamSupplies& r = Steam(0, kLevelFull);
    r.fireState = kFireFiringUp;
    r.heat = 0;
    gSettings.rozpalanieSekund = 3700;
    r.coal = 900;
    std::vector<TrackListRow> rows = Rows(kTestowoPlatform1);
    EXPECT_EQ(rows[0].remarks, "rozpalanie: jeszcze 1 h 2 min, węgiel 9%");
    EXPECT_EQ(rows[0].level, kSeverityAlarm);

    r.coal = kLevelFull;
    rows = Rows(kTestowoPlatform1);
    EXPECT_EQ(rows[0].remarks, "rozpalanie: jeszcze 1 h 2 min");
    EXPECT_EQ(rows[0].level, kSeverityInfo);

    r.fireState = kFireExtinguished;
    EXPECT_EQ(Rows(kTestowoPlatform1)[0].remarks, "wygaszony");
    EXPECT_EQ(Rows(kTestowoPlatform1)[0].level, kSeverityAlarm);

    PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeSM42, kKindDieselLoco);
    GetSupplies(game_, kTestowoPlatform2, 0)->fuel = 1000;
    std::vector<TrackListRow> diesel;
    AddTrackListRows(game_, kTestowoPlatform2, "P2", 720, diesel);
    EXPECT_EQ(diesel[0].remarks, "paliwo 10%");
    EXPECT_EQ(diesel[0].level, kSeverityLow);
}

TEST_F(TrackListRemarks, DamageCouplingAndAConsistsRows)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco, 0, true).Operational(0);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar, kRowWithNumber);
    std::vector<TrackListRow> rows = Rows(kTestowoPlatform1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].remarks, "uszkodzony, połączony z następnym");
    EXPECT_EQ(rows[0].level, kSeverityAlarm);
    EXPECT_EQ(rows[1].what, "wagony");
    EXPECT_EQ(rows[1].number, "1234");
    EXPECT_EQ(rows[1].remarks, "");
    // A train's vehicle on a platform without a number is named by its train's platform.
    EXPECT_EQ(rows[0].name, "X");
    EXPECT_EQ(rows[1].name, "P1  peron II, tor 1");

    // A coupling under way: news, though nothing is raised.
    game_.SlotAt(kTestowoPlatform1, 0)->Coupled(0);
    game_.SlotAt(kTestowoPlatform1, 0)->Operational(1);
    game_.SlotCountdown(kTestowoPlatform1, 0, 5);
    game_.SlotCountdown(kTestowoPlatform1, 1, 5);
    rows = Rows(kTestowoPlatform1);
    EXPECT_EQ(rows[1].remarks, "łączenie: jeszcze 5 s");
    EXPECT_EQ(rows[1].level, kSeverityNone);
    EXPECT_EQ(TrackListRowColour(rows[1], 0), StateColour(kSeverityInfo));
}

TEST_F(TrackListRemarks, ACarOfNoTrainShowsOnlyWhatItIs)
{
    PlaceVehicle(game_, kTestowoStabling, 0, kTypeA, kKindCar, -1);
    std::vector<TrackListRow> rows;
    AddTrackListRows(game_, kTestowoStabling, "T1", 920, rows);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Line(rows[0]), "T1|wagony||||");
}

TEST_F(TrackListRemarks, EmptyAndClosedTracks)
{
    std::vector<TrackListRow> rows = Rows(kTestowoPlatform1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Line(rows[0]), "X|- wolny -||||");

    gSettings.utrudnienia = true;
    {
        ScriptedRandom draws({99});  // no winter
        StartDisruptions(game_);
    }
    {
        ScriptedRandom draws({5, 0, 5, 1});  // a closure of the first free platform, 20 minutes
        game_.clock.Set(10, 0, 0);
        DisruptionsTick(game_);
    }
    ASSERT_TRUE(IsPointClosed(kTestowoPlatform1));
    rows = Rows(kTestowoPlatform1);
    EXPECT_EQ(Line(rows[0]), "X|- zamknięty -||||P1 zamknięty do 10:20 (prace torowe)");
}

TEST_F(TrackListRemarks, WithoutListedTracksTheTableIsEmpty)
{
    Game bare;
    BuildStation(bare, 10, 20, {{kPointDepot, 0, 105}, {kPointEntry, 5, 101, 1, 0, 10}}, 0, {});
    EXPECT_TRUE(BuildTrackList(bare, true).empty());
}

TEST_F(TrackListRemarks, PlatformsGoByTrackNumberAndSubTracksEachGetTheirName)
{
    SetTileCode(game_, 721, 1);  // platform 2 is platform 1: track 1, the other above it track 3
    std::vector<std::string> names;
    for (const TrackListRow& r : BuildTrackList(game_, true)) names.push_back(r.name);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "PERONY");
    EXPECT_EQ(names[1].substr(0, 3), "P2 ");
    EXPECT_EQ(names[2].substr(0, 3), "P1 ");
    EXPECT_EQ(std::count(names.begin(), names.end(), "B1/1  bocznica 1, tor 1"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "B1/3  bocznica 1, tor 3"), 1);
}

std::vector<TrackListRow> HeaderAndTwo()
{
    TrackListRow header;
    header.header = true;
    header.name = "PERONY";
    TrackListRow a;
    a.name = "P1";
    a.tile = 412;
    TrackListRow b = a;
    return {header, a, b};
}

TEST(TrackListLayout, TopsClicksAndColours)
{
    const std::vector<TrackListRow> rows = HeaderAndTwo();
    const TrackListLayout layout = LayOutTrackList(rows);
    EXPECT_EQ(layout.tops, (std::vector<int32_t>{18, 58, 76}));
    EXPECT_EQ(layout.contentHeight, 112);
    EXPECT_EQ(LayOutTrackList({}).contentHeight, 36);

    EXPECT_EQ(TrackListRowAt(rows, layout, 30.0), -1);   // the section title
    EXPECT_EQ(TrackListRowAt(rows, layout, 10.0), -1);   // the column titles
    EXPECT_EQ(TrackListRowAt(rows, layout, 58.0), 1);
    EXPECT_EQ(TrackListRowAt(rows, layout, 75.9), 1);
    EXPECT_EQ(TrackListRowAt(rows, layout, 76.0), 2);
    EXPECT_EQ(TrackListRowAt(rows, layout, 94.0), -1);   // below the last row

    EXPECT_EQ(TrackListRowColour(rows[1], 412), kTrackListSelectedColour);
    EXPECT_EQ(TrackListRowColour(rows[1], 0), RgbColour(0, 0, 0));
    TrackListRow late = rows[1];
    RaiseRowLevel(late, kSeverityAlarm);
    RaiseRowLevel(late, kSeverityInfo);
    EXPECT_EQ(late.level, kSeverityAlarm);
    EXPECT_EQ(TrackListRowColour(late, 412), StateColour(kSeverityAlarm));
}

TEST(TrackListScroll, TheWheelMovesSixtyPixelsANotchNeverAboveTheTop)
{
    EXPECT_EQ(TrackListWheelTarget(100, -120), 160);
    EXPECT_EQ(TrackListWheelTarget(100, 120), 40);
    EXPECT_EQ(TrackListWheelTarget(100, 240), 0);
}

}  // namespace
