// The train pane's plan on Testowo after a new game: the strip's geometry and
// width, hit ranges, timetable lines and their centring, names, supply bars,
// coupling texts and separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "simulation/supplies.h"
#include "testowo_game.h"
#include "ui/train_pane.h"

namespace {

constexpr int32_t kTwLocoOl49 = 4;  ///< Testowo's steam locomotive type

// Every text is 5 pixels a character, whatever its font.
int32_t FivePerChar(PaneFont, const std::string& text) { return 5 * static_cast<int32_t>(text.size()); }

const PaneText* FindText(const TrainPanePlan& plan, const std::string& text)
{
    for (const PaneText& t : plan.texts)
        if (t.text == text) return &t;
    return nullptr;
}

class TrainPaneOnTestowo : public RunningTestowoGame {
protected:
    TrainPaneView View(int32_t point, std::vector<int32_t> widths, double scale = 1.0, int32_t scroll = 0)
    {
        TrainPaneView view;
        view.point = point;
        view.widths = std::move(widths);
        view.scale = scale;
        view.scroll = scroll;
        view.height = 300;
        return view;
    }
    // Three cars on the stabling track: two of row 6 coupled to one of row 7.
    void TwoCoupledTrains()
    {
        EmptyRow(game, kStcStabling);
        PutVehicles(game, kStcStabling, 0, {{kTwCarB, kTwArriving}, {kTwCarB, kTwArriving}, {kTwCarB, kTwPassenger}});
    }

};

TEST_F(TrainPaneOnTestowo, TheStripIsAsWideAsItsPicturesGapsAndMargin)
{
    // Platform 1: EU07 coupled to the car of row 0, which is coupled to nothing.
    ASSERT_EQ(VehiclesOnPoint(game, kStcPlatform1), 2);
    TrainPaneView view = View(kStcPlatform1, {80, 100}, 1.35);
    EXPECT_EQ(TrainPaneContentWidth(game, view), static_cast<int32_t>((80 + 100 + 10 + 180) * 1.35));
    const StripGeometry strip = LayOutStrip(game, view);
    EXPECT_EQ(strip.left, (std::vector<int32_t>{0, 80}));
    EXPECT_EQ(strip.right, (std::vector<int32_t>{180, 180})) << "one train: both end where it ends";
    EXPECT_EQ(strip.trains, 1);

    // Uncoupled, the locomotive is followed by a gap that the width counts.
    SceneSlot(game, kStcPlatform1, 0).Coupled(0);
    EXPECT_EQ(LayOutStrip(game, view).left, (std::vector<int32_t>{0, 90}));
    EXPECT_EQ(TrainPaneContentWidth(game, view), static_cast<int32_t>((80 + 10 + 100 + 10 + 180) * 1.35));

    EXPECT_EQ(TrainPaneContentWidth(game, View(-1, {})), 0) << "nothing selected";
    EmptyRow(game, kStcPlatform1);
    EXPECT_EQ(TrainPaneContentWidth(game, View(kStcPlatform1, {})), static_cast<int32_t>(180 * 1.0));
}

TEST_F(TrainPaneOnTestowo, HitRangesFollowThePicturesScaledAndScrolled)
{
    const TrainPanePlan plan = PlanTrainPane(game, View(kStcPlatform1, {80, 0}, 1.5, 20), FivePerChar);
    EXPECT_EQ(plan.hits[0].left, -20);
    EXPECT_EQ(plan.hits[0].right, 120 - 20);
    EXPECT_EQ(plan.hits[1].left, -1) << "a vehicle without a picture is not hit";
    EXPECT_EQ(plan.hits[2].left, -1);
    ASSERT_EQ(plan.pictures.size(), 2u);
    EXPECT_EQ(plan.pictures[1].x, 80);
    EXPECT_TRUE(PlanTrainPane(game, View(-1, {}), FivePerChar).texts.empty());
}

TEST_F(TrainPaneOnTestowo, TheFirstOfTwoTrainsHasItsLineCentredOverItsVehiclesAndADashBetweenThem)
{
    TwoCoupledTrains();
    // At scale 2 the line of row 6 ("II 3311 1 5:45") ends 200 pixels on:
    // 100 units, half as wide as its two cars (200 units).
    const TrainPanePlan plan = PlanTrainPane(game, View(kStcStabling, {100, 100, 100}, 2.0), FivePerChar);
    const PaneText* platform = FindText(plan, "II");
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(platform->x, 100) << "starts 50 units in";
    EXPECT_EQ(platform->y, 84);
    EXPECT_EQ(platform->colour, kPaneCarColour);
    EXPECT_EQ(FindText(plan, "3311")->x, 100 + 30);
    EXPECT_EQ(FindText(plan, "5:45")->x, 100 + 140);
    EXPECT_EQ(FindText(plan, "Malinowo")->y, 112);
    const bool destination = std::any_of(plan.texts.begin(), plan.texts.end(),
                                         [](const PaneText& t) { return t.x == 100 && t.y == 140; });
    EXPECT_TRUE(destination) << "origin under the line, destination under that";
    // Row 7's line is as wide as its one car: it starts at the car.
    const PaneText* second = FindText(plan, "8202");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(FindText(plan, "I")->x, 400);
    // One line per train, not one per car.
    EXPECT_EQ(std::count_if(plan.texts.begin(), plan.texts.end(), [](const PaneText& t) { return t.text == "3311"; }), 1);

    ASSERT_EQ(plan.separators.size(), 1u);
    EXPECT_EQ(plan.separators[0].x, 400 + 4);
    EXPECT_EQ(plan.separators[0].top, 4);
    EXPECT_EQ(plan.separators[0].bottom, 76);

    // Not coupled, the two trains get only the gap.
    SceneSlot(game, kStcStabling, 1).Coupled(0);
    EXPECT_TRUE(PlanTrainPane(game, View(kStcStabling, {100, 100, 100}, 2.0), FivePerChar).separators.empty());
}

TEST_F(TrainPaneOnTestowo, ALineNarrowerThanItsTrainIsLeftWhereItIsWithOneTrainOnThePoint)
{
    EmptyRow(game, kStcStabling);
    PutVehicles(game, kStcStabling, 0, {{kTwCarB, kTwArriving}, {kTwCarB, kTwArriving}});
    const TrainPanePlan plan = PlanTrainPane(game, View(kStcStabling, {100, 100}, 2.0), FivePerChar);
    EXPECT_EQ(FindText(plan, "II")->x, 0);
}

TEST_F(TrainPaneOnTestowo, AMultipleUnitNamesItsTypeRightOfItsLine)
{
    const TrainPanePlan plan = PlanTrainPane(game, View(kStcPlatform2, {150}), FivePerChar);
    const PaneText* type = FindText(plan, "EN57");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->x, 130);
    EXPECT_EQ(type->y, 42);
    // A long line pushes it further right.
    const TrainPanePlan wide = PlanTrainPane(game, View(kStcPlatform2, {150}),
                                             [](PaneFont, const std::string& text) { return 40 * static_cast<int32_t>(text.size()); });
    EXPECT_GT(FindText(wide, "EN57")->x, 130);
    EXPECT_EQ(FindText(wide, "EN57")->x, FindText(wide, "5:10")->x + 160 + 6);
}

TEST_F(TrainPaneOnTestowo, VehicleColoursAndFontsTellDamageMovementAndCoupling)
{
    TwoCoupledTrains();
    SceneSlot(game, kStcStabling, 0).Operational(0);
    TrainPanePlan plan = PlanTrainPane(game, View(kStcStabling, {100, 100, 100}), FivePerChar);
    EXPECT_EQ(FindText(plan, "3311")->colour, kPaneDamagedColour);
    EXPECT_EQ(FindText(plan, "8202")->colour, kPaneCarColour);
    EXPECT_EQ(FindText(plan, "8202")->font, PaneFont::kRegular);

    SceneSlot(game, kStcStabling, 2).Countdown(5);
    plan = PlanTrainPane(game, View(kStcPlatform1, {80, 100}), FivePerChar);
    EXPECT_EQ(FindText(plan, "EU07")->colour, kPaneLocoColour);
    plan = PlanTrainPane(game, View(kStcStabling, {100, 100, 100}), FivePerChar);
    EXPECT_EQ(FindText(plan, "8202")->font, PaneFont::kBold);
    SceneSlot(game, kStcPlatform1, 0).Motion(kMotionMoving);
    plan = PlanTrainPane(game, View(kStcPlatform1, {80, 100}), FivePerChar);
    EXPECT_EQ(FindText(plan, "EU07")->font, PaneFont::kItalic);
    EXPECT_EQ(FindText(plan, "1301")->font, PaneFont::kItalic) << "its car moves with it";
}

TEST_F(TrainPaneOnTestowo, ASteamLocomotiveShowsItsWaterCoalAndBoilerColdBoilerFirst)
{
    ASSERT_EQ(game.SlotVehicleType(kStcLocoTrack, 0), kTwLocoOl49);
    TrainPanePlan plan = PlanTrainPane(game, View(kStcLocoTrack, {200}), FivePerChar);
    ASSERT_EQ(plan.bars.size(), 3u);
    const PaneText* water = FindText(plan, "woda");
    const PaneText* coal = FindText(plan, "węgiel");
    const PaneText* boiler = FindText(plan, "kocioł");
    ASSERT_TRUE(water && coal && boiler);
    EXPECT_EQ(water->y, 70);
    EXPECT_LT(water->y, coal->y);
    EXPECT_LT(coal->y, boiler->y);
    EXPECT_EQ(plan.bars[0].x, 30 + 4) << "after the widest name and a gap";
    EXPECT_EQ(plan.bars[0].height, 6);
    EXPECT_EQ(plan.bars[1].y - plan.bars[0].y, 6 + 4 + 2);

    SteamSupplies* supplies = GetSupplies(game, kStcLocoTrack, 0);
    ASSERT_NE(supplies, nullptr);
    supplies->fireState = kFireExtinguished;
    supplies->heat = 0;
    plan = PlanTrainPane(game, View(kStcLocoTrack, {200}), FivePerChar);
    EXPECT_LT(FindText(plan, "kocioł")->y, FindText(plan, "woda")->y);
    EXPECT_EQ(FindText(plan, "Ol49")->colour, StateColour(3));
    EXPECT_EQ(FindText(plan, "kocioł")->colour, StateColour(3));
    EXPECT_EQ(plan.bars[0].state, 3);
    bool cold = false;
    for (const PaneText& t : plan.texts) cold = cold || t.text.find("zimny") != std::string::npos;
    EXPECT_TRUE(cold);
}

TEST_F(TrainPaneOnTestowo, BarsThatWouldLeaveThePaneAreLeftOut)
{
    TrainPaneView view = View(kStcLocoTrack, {200});
    view.height = 70 + 6 + 12 + 6;  // room for two bars
    EXPECT_EQ(PlanTrainPane(game, view, FivePerChar).bars.size(), 2u);
    view.height = 75;
    EXPECT_TRUE(PlanTrainPane(game, view, FivePerChar).bars.empty());
}

TEST_F(TrainPaneOnTestowo, ACouplingShowsItsProgressUnderTheBarsOnTwoLines)
{
    // An SM42 uncoupled from its car on platform 1: the locomotive tells the progress.
    EmptyRow(game, kStcPlatform1);
    PutVehicles(game, kStcPlatform1, 0, {{kTwSm42, kTwCarOfEu07}, {kTwCarB, kTwCarOfEu07}});
    ASSERT_STREQ(game.CoupleOrUncouple(game.PointTile(kStcPlatform1), 0, -1), "");
    const TrainPanePlan plan = PlanTrainPane(game, View(kStcPlatform1, {150, 150}), FivePerChar);
    const PaneText* head = FindText(plan, "rozłączanie:");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->x, 0);
    EXPECT_EQ(head->colour, kPaneCouplingColour);
    EXPECT_EQ(head->font, PaneFont::kSmall);
    ASSERT_FALSE(plan.bars.empty()) << "a diesel on Testowo shows its fuel";
    EXPECT_EQ(head->y, plan.bars[0].y + 6 + 4 + 2) << "below the bar";
    int32_t rest = 0;
    for (const PaneText& t : plan.texts) rest += t.text.rfind("jeszcze", 0) == 0 && t.y == head->y + 12;
    EXPECT_EQ(rest, 1);
    EXPECT_EQ(FindText(plan, "SM42")->font, PaneFont::kBold);
}

TEST(TrainPane, CouplingTextsStayInsideThePaneButBelowTheirLine)
{
    TrainPaneView view;
    view.height = 200;
    EXPECT_EQ(CouplingTextHeight("łączenie: jeszcze 5 s", 1.5), 36);
    EXPECT_EQ(CouplingTextHeight("łączenie", 1.5), 18);
    EXPECT_EQ(CouplingTextHeight("", 1.5), 0);
    EXPECT_EQ(CouplingTextTop(0, true, 24, view), 70);
    EXPECT_EQ(CouplingTextTop(0, false, 24, view), 84);
    EXPECT_EQ(CouplingTextTop(130, true, 24, view), 130);
    EXPECT_EQ(CouplingTextTop(190, true, 24, view), 176) << "moved up to end in the pane";
    view.height = 80;
    EXPECT_EQ(CouplingTextTop(0, true, 24, view), 70) << "but never above its own line";
}

TEST(TrainPane, TheLineCentresOnlyWhenTheVehiclesAreWiderInUnits)
{
    EXPECT_EQ(CentredLineStart(10, 200, 0, 200, 2.0), 10 + 50);
    EXPECT_EQ(CentredLineStart(10, 200, 0, 400, 2.0), 10) << "as wide";
    EXPECT_EQ(CentredLineStart(10, 150, 20, 120, 1.0), 10 + 25);
}

TEST(TrainPane, SelectingAnotherPointScrollsBackToTheStart)
{
    TrainPaneScroll scroll;
    FollowSelectedTile(scroll, 412);
    scroll.pos = 120;
    FollowSelectedTile(scroll, 412);
    EXPECT_EQ(scroll.pos, 120);
    FollowSelectedTile(scroll, 512);
    EXPECT_EQ(scroll.pos, 0);
    scroll.pos = 40;
    FollowSelectedTile(scroll, 0);
    EXPECT_EQ(scroll.pos, 0);
}

}  // namespace
