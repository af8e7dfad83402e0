// Track labels: the plan of codes and columns on Testowo, the candidate
// order and collisions of the placement, the items of a row and the columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripted_random.h"
#include "simulation/consist.h"
#include "simulation/disruptions.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "slot_texts.h"
#include "station_builder.h"
#include "station_files.h"
#include "ui/settings.h"
#include "ui/track_labels.h"

namespace {

constexpr int kPaneWidth = 44 * 14;  // Testowo's whole grid at scale 1: columns 0..21 on the left

std::string Names(const std::vector<TrackLabelRow>& rows)
{
    std::string text;
    for (const TrackLabelRow& row : rows) text += (text.empty() ? "" : " ") + row.name;
    return text;
}

void Clear(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot nothing;
    game.SlotAt(row, slot)->MoveFrom(nothing);
}

class TrackLabels : public testing::Test {
protected:
    void SetUp() override
    {
        gSettings = Settings();
        oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
        ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    }
    void TearDown() override
    {
        gSettings.utrudnienia = false;
        StartDisruptions(game);  // no closure stays for the next test
        SetNotifyHooks(oldHooks_);
        gSettings = Settings();
    }
    TrackLabelPlan Plan(TileCode selected = 0) { return PlanTrackLabels(game, view, kPaneWidth, true, selected); }
    const TrackLabelSpot* Spot(const TrackLabelPlan& plan, int32_t point)
    {
        for (const TrackLabelSpot& spot : plan.spots)
            if (spot.point == point) return &spot;
        return nullptr;
    }

    FixedRandom draws{100};  // the start placement of the new-game test
    Game game;
    StationViewState view;  // scale 1 at origin (0, 0)
    NotifyHooks oldHooks_{};
};

TEST_F(TrackLabels, TestowoGetsItsCodesAndTwoColumnsSortedByExitSide)
{
    const TrackLabelPlan plan = Plan();
    ASSERT_TRUE(plan.drawn);
    std::string codes;
    for (const TrackLabelSpot& spot : plan.spots)
        codes += (codes.empty() ? "" : " ") + spot.leftText + (spot.rightText.empty() ? "" : ".." + spot.rightText);
    EXPECT_EQ(codes, "P1 P2 B1 T1 L1 Pt1/1..Pt1/2");

    // Trains leaving westwards through 401 on the left, eastwards through 542
    // on the right whatever their track; engines by their own track.
    EXPECT_EQ(Names(plan.leftRows), "B1/2 B1/2 Pt1/1 Pt1/2");
    EXPECT_EQ(Names(plan.rightRows), "P1 P2 T1 L1");
    EXPECT_EQ(plan.leftRows[0].label, "10:00 60103");
    EXPECT_EQ(plan.leftRows[0].frontLocos, "SM42");
    EXPECT_EQ(plan.rightRows[1].rearLocos, "+EN57");

    const TrackLabelSpot* p1 = Spot(plan, kStcPlatform1);
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(p1->y, 4 * 14);
    EXPECT_EQ(p1->x1, 12 * 14);
    EXPECT_EQ(p1->x2, 15 * 14);
    EXPECT_EQ(p1->colour, kLabelOccupiedColour);
    EXPECT_EQ(Spot(plan, kStcSiding)->colour, kLabelFreeColour);  // its vehicles stand on the sub-tracks
    EXPECT_EQ(Spot(plan, kStcFreight)->x2, 15 * 14);              // tiles 213 and 214
}

TEST_F(TrackLabels, SelectionAndClosureColourTheCode)
{
    // A disruption closes the first free point for twenty minutes.
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) Clear(game, kStcFreight, s);
    for (TileCode tile : {213, 214}) SetTileState(game, tile, kTileFree);
    const std::vector<int32_t> candidates = ClosureCandidates(game);
    ASSERT_FALSE(candidates.empty());
    const int32_t closed = candidates.front();
    {
        ScriptedRandom draws({0, 0, 5, 0});
        DisruptionsTick(game);
    }
    ASSERT_TRUE(IsPointClosed(closed));
    TrackLabelPlan plan = Plan(413);  // P1's second tile does not select it
    EXPECT_EQ(Spot(plan, kStcPlatform1)->colour, kLabelOccupiedColour);
    EXPECT_FALSE(plan.rightRows[0].selected);
    EXPECT_TRUE(Spot(plan, closed)->closed);
    EXPECT_EQ(Spot(plan, closed)->colour, kLabelClosedColour);
    EXPECT_FALSE(Spot(plan, kStcPlatform2)->closed);

    plan = Plan(412);
    EXPECT_EQ(Spot(plan, kStcPlatform1)->colour, kLabelSelectedColour);
    EXPECT_TRUE(plan.rightRows[0].selected);
    EXPECT_EQ(LabelRowColour(plan.rightRows[0]), kRowSelectedColour);
    EXPECT_FALSE(plan.rightRows[1].selected);

    // With nothing on it a code is grey.
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) Clear(game, kStcLocoTrack, s);
    plan = Plan();
    EXPECT_EQ(Spot(plan, kStcLocoTrack)->colour, kLabelFreeColour);
    EXPECT_EQ(Names(plan.rightRows), "P1 P2 T1");
}

TEST_F(TrackLabels, ThreeConsistsOnOnePlatformAreNumbered)
{
    PlaceVehicle(game, kStcPlatform2, 1, 7, kKindCar, 3);
    PlaceVehicle(game, kStcPlatform2, 2, 7, kKindCar, 4);
    const TrackLabelPlan plan = Plan();
    const TrackLabelSpot* p2 = Spot(plan, kStcPlatform2);
    EXPECT_EQ(p2->leftText, "P2/1");
    EXPECT_EQ(p2->rightText, "P2/3");
    EXPECT_EQ(Names(plan.leftRows), "P2/2 P2/3 B1/2 B1/2 Pt1/1 Pt1/2");  // trains 3 and 4 leave westwards
    EXPECT_EQ(Names(plan.rightRows), "P1 P2/1 T1 L1");
}

TEST_F(TrackLabels, NothingWithoutLabelsOrGameAndCodesEvenWithNoConsist)
{
    gSettings.opisyTorow = false;
    EXPECT_FALSE(Plan().drawn);
    gSettings.opisyTorow = true;
    EXPECT_FALSE(PlanTrackLabels(game, view, kPaneWidth, false, 0).drawn);

    for (int32_t r = 0; r < game.PointCount() + game.SubTrackCount(); ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) Clear(game, r, s);
    const TrackLabelPlan plan = Plan();
    EXPECT_TRUE(plan.drawn);
    EXPECT_EQ(plan.spots.size(), 6u);
    for (const TrackLabelSpot& spot : plan.spots) EXPECT_EQ(spot.colour, kLabelFreeColour) << spot.leftText;
    EXPECT_TRUE(plan.leftRows.empty());
    EXPECT_TRUE(plan.rightRows.empty());

    // A station whose only coded point is a siding without sub-tracks draws nothing.
    Game bare;
    BuildStation(bare, 5, 10, {{kPointDepot, 0, 101, 0, 0, 0}, {kPointSiding, 0, 203, 0, 0, 0}}, 0, {});
    EXPECT_FALSE(PlanTrackLabels(bare, view, kPaneWidth, true, 0).drawn);
}

TEST(LabelPlacement, CandidatesGoUpBeforeDownAndSidewaysLast)
{
    const int expected[][2] = {{0, 0},  {0, -1}, {0, 1},   {0, -2},  {-1, 0}, {1, 0},  {0, 2},  {-1, -1}, {1, -1},
                               {-1, 1}, {1, 1},  {-1, -2}, {1, -2},  {-2, 0}, {2, 0},  {-1, 2}, {1, 2},   {-2, -1},
                               {2, -1}, {-2, 1}, {2, 1},   {-2, -2}, {2, -2}, {-2, 2}, {2, 2}};
    for (int i = 0; i < kLabelCandidates; ++i) {
        EXPECT_EQ(LabelCandidates()[i].dx, expected[i][0]) << i;
        EXPECT_EQ(LabelCandidates()[i].dy, expected[i][1]) << i;
    }
}

TEST(LabelPlacement, ALabelMovesToTheFirstFreeCandidateOrStaysOverlapping)
{
    TrackLabelSpot spot;
    spot.y = 100;
    spot.x1 = 200;
    spot.x2 = 242;
    std::vector<ViewRect> placed;
    // Scale 1: cells of 14, a gap of 4; the text is 20 x 12.
    ViewRect r = PlaceLabel(placed, spot, 20, 12, true, 1.0);
    EXPECT_EQ(r.left, 200 - 20 - 4);
    EXPECT_EQ(r.top, 94);
    r = PlaceLabel(placed, spot, 20, 12, true, 1.0);
    EXPECT_EQ(r.top, 94 - 14);  // one cell up
    r = PlaceLabel(placed, spot, 20, 12, true, 1.0);
    EXPECT_EQ(r.top, 94 + 14);  // then one down
    r = PlaceLabel(placed, spot, 20, 12, false, 1.0);
    EXPECT_EQ(r.left, 246);
    EXPECT_EQ(r.top, 94);
    EXPECT_EQ(placed.size(), 4u);

    // Nowhere free: the base position, overlapping.
    std::vector<ViewRect> full = {{0, 0, 1000, 1000}};
    r = PlaceLabel(full, spot, 20, 12, true, 1.0);
    EXPECT_EQ(r.left, 176);
    EXPECT_EQ(r.top, 94);

    // Near the corner: never at a negative coordinate.
    spot.y = 3;
    spot.x1 = 5;
    std::vector<ViewRect> corner;
    r = PlaceLabel(corner, spot, 30, 12, true, 1.0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    r = PlaceLabel(corner, spot, 30, 12, true, 1.0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 14);  // up would be negative
    EXPECT_FALSE(LabelRectFree({}, {-1, 0, 5, 5}));
    EXPECT_TRUE(LabelRectFree({{0, 0, 5, 5}}, {5, 0, 9, 5}));  // touching edges do not meet

    // A small scale still steps by at least a pixel and keeps a gap of 2.
    spot.y = 50;
    spot.x1 = 100;
    std::vector<ViewRect> tiny;
    r = PlaceLabel(tiny, spot, 10, 8, true, 0.05);
    EXPECT_EQ(r.left, 100 - 10 - 2);
    r = PlaceLabel(tiny, spot, 10, 8, true, 0.05);
    EXPECT_EQ(r.top, 46);  // every candidate lies within two pixels and meets the first: the base
}

TEST(LabelColumns, ItemsDetailAndColours)
{
    TrackLabelRow row;
    row.name = "B1/2";
    row.label = "10:00 60103";
    row.frontLocos = "SM42";
    row.rearLocos = "+EN57";
    row.frontWarnings = {{"brak wody", 1, kSeverityAlarm}};
    row.rearWarnings = {{"węgiel 15%", 0, kSeverityLow}, {"uszkodzony", 1, kSeverityAlarm}};
    row.notReady = true;
    const std::vector<LabelItem> items = BuildLabelItems(row);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1].text, "SM42 10:00 60103 +EN57");
    EXPECT_EQ(items[1].severity, kSeverityNone);
    EXPECT_EQ(items[1].notReady, 1);
    EXPECT_EQ(FormatLabelDetail(row), "brak wody  SM42 10:00 60103 +EN57  węgiel 15%  uszkodzony");
    EXPECT_EQ(LabelRowColour(row), kRowNotReadyColour);
    row.selected = true;
    EXPECT_EQ(LabelRowColour(row), kRowNotReadyColour);
    row.notReady = false;
    EXPECT_EQ(LabelRowColour(row), kRowSelectedColour);

    TrackLabelRow plain;
    plain.label = "Ol49";
    EXPECT_EQ(FormatLabelDetail(plain), "Ol49");
    EXPECT_EQ(LabelRowColour(plain), kRowColour);
}

TEST(LabelColumns, ATallColumnLosesItsLastRowsAndTheBoxesHugTheEdges)
{
    EXPECT_EQ(LabelColumnRows(10, 13, 100), 7);  // (100 - 6) / 13
    EXPECT_EQ(LabelColumnRows(3, 13, 100), 3);
    EXPECT_EQ(LabelColumnRows(3, 13, 5), 1);
    EXPECT_EQ(LabelColumnRows(0, 13, 100), 0);

    LabelColumnLayout left = LayoutLabelColumn(3, 30, 100, 13, 600, true);
    EXPECT_EQ(left.x, 2);
    EXPECT_EQ(left.nameColumn, 38);
    EXPECT_EQ(left.box.left, 0);
    EXPECT_EQ(left.box.right, 2 + 138 + 4);
    EXPECT_EQ(left.box.bottom, 2 + 39 + 2);
    const LabelColumnLayout right = LayoutLabelColumn(3, 0, 100, 13, 600, false);
    EXPECT_EQ(right.nameColumn, 0);
    EXPECT_EQ(right.x, 600 - 100 - 4);
    EXPECT_EQ(right.box.right, 600);
    EXPECT_EQ(LayoutLabelColumn(1, 30, 900, 13, 600, false).x, 0);
}

}  // namespace
