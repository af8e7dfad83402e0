// The depot window's cells on a depot filled by hand: placement, counts,
// readiness texts and what a click on the pane calls out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "roz_files.h"
#include "station_builder.h"
#include "ui/depot_table.h"

namespace {

// Malinowo's vehicle types and unit names (numbers with shed transfers).
constexpr int32_t kE4k = 1;
constexpr int32_t kEzt3 = 2;
constexpr int32_t kWagon = 3;

class DepotTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildTestowo(game_);
        ASSERT_GE(game_.timetable.LoadRoz(TimetableFixture("malinowo.roz").c_str(), game_.pictureNames), 0);
        game_.depot.Param(kDepotParamCapacity, 40);
        game_.depot.Param(kDepotParamPreparationSteps, 90);
        game_.depot.Param(kDepotParamRepairSteps, 500);
        game_.depot.Param(kDepotParamRepairsAtOnce, 1);
        game_.clock.Set(10, 58, 0);
        game_.clock.Step(1);
    }
    void Add(int32_t type, int32_t number, int32_t operational = 1)
    {
        VehicleSlot slot;
        slot.Fill(0, type, kKindElectricLoco, number, operational, 0, 0);
        ASSERT_EQ(game_.depot.Add(slot), kDepotOk);
    }
    std::vector<DepotCellView> Plan() { return PlanDepotCells(game_, cells_); }
    // Statuses of the listed entries in depot order.
    std::vector<int32_t> Statuses()
    {
        const DepotStats& stats = game_.DepotStats();
        std::vector<int32_t> statuses;
        for (int32_t i = 0; i < stats.listed; ++i) statuses.push_back(stats.table[static_cast<size_t>(i)].status);
        return statuses;
    }

    Game game_;
    DepotCellTable cells_{};
    DepotGeometry geometry_;
};

TEST_F(DepotTable, FiveTypesFillThreeRowsOnTheLeftAndTwoOnTheRight)
{
    for (int32_t type = 5; type >= 1; --type) Add(type, 1);
    const std::vector<DepotCellView> views = Plan();
    ASSERT_EQ(views.size(), 5u);
    const int32_t expected[5][3] = {{1, 0, 0}, {2, 1, 0}, {3, 2, 0}, {4, 0, 1}, {5, 1, 1}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(views[i].type, expected[i][0]);
        EXPECT_EQ(views[i].row, expected[i][1]);
        EXPECT_EQ(views[i].column, expected[i][2]);
        EXPECT_EQ(cells_[static_cast<size_t>(expected[i][1])][static_cast<size_t>(expected[i][2])][0], views[i].type);
    }
    EXPECT_EQ(views[0].name, "E4K");
    EXPECT_EQ(views[1].name, "EZT-3");
    const DepotPaneExtent size = DepotPaneSize(5, geometry_);
    EXPECT_EQ(size.width, 2 * 320);
    EXPECT_EQ(size.height, 3 * 40 + 6);
    EXPECT_EQ(DepotPaneSize(6, geometry_).height, 3 * 40 + 6);
    EXPECT_EQ(DepotPaneSize(7, geometry_).height, 4 * 40 + 6);
}

TEST_F(DepotTable, AnEmptyDepotIsOneRowHighDrawsNothingAndClicksCallNothingOut)
{
    cells_[0][0] = {kE4k, 7, -1};  // left over from an earlier paint
    EXPECT_TRUE(Plan().empty());
    EXPECT_EQ(cells_[0][0][0], 0) << "the table is made anew at every paint";
    EXPECT_EQ(DepotPaneSize(0, geometry_).height, 46);
    const DepotClickResult click = DepotPaneClick(game_, cells_, geometry_, 10, 10);
    EXPECT_EQ(click.kind, DepotClickKind::kEmptyCell);
    EXPECT_TRUE(click.choices.empty());
}

TEST_F(DepotTable, CountsFitDamagedAndPreparingLocomotivesAndListsOnlyTheFitOnes)
{
    Add(kE4k, 30);
    Add(kE4k, 10, 0);  // damaged: waits for a repair
    Add(kE4k, 20);
    Add(kE4k, 40);
    ASSERT_EQ(game_.depot.Release(kE4k, 40), kDepotOk);
    Add(kEzt3, 3);
    const std::vector<DepotCellView> views = Plan();
    ASSERT_EQ(views.size(), 2u);
    EXPECT_EQ(views[0].fit, 2);
    EXPECT_EQ(views[0].damaged, 1);
    EXPECT_EQ(views[0].preparing, 1);
    EXPECT_EQ(DepotCellNumbers(cells_[0][0]), (std::vector<int32_t>{20, 30}));
    EXPECT_EQ(views[1].fit, 1);
    EXPECT_EQ(DepotCellNumbers(cells_[0][1]), std::vector<int32_t>{3});
    EXPECT_TRUE(views[1].readiness.empty());
}

TEST_F(DepotTable, ReadinessSaysGotowaOrWhenThePreparationEnds)
{
    DepotReadiness readiness;
    readiness.Accumulate(kDepotPreparing, 90);
    readiness.Accumulate(kDepotReady, 0);
    EXPECT_EQ(readiness.Text(game_), "gotowa");
    EXPECT_EQ(readiness.Text(game_), "") << "the text starts the accumulator afresh";

    // 90 steps of a second: 2 minutes from 10:58.
    readiness.Accumulate(kDepotParked, 0);
    readiness.Accumulate(kDepotPreparing, 200);
    readiness.Accumulate(kDepotPreparing, 90);
    EXPECT_EQ(readiness.Text(game_), "11:00 (za 2 min)");
    game_.clock.Set(23, 59, 0);
    readiness.Accumulate(kDepotPreparing, 90);
    EXPECT_EQ(readiness.Text(game_), "0:01 (za 2 min)");

    // Through the plan: one ready and one being prepared.
    Add(kEzt3, 1);
    Add(kEzt3, 2);
    game_.depot.Param(kDepotParamPreparationSteps, 1);
    ASSERT_EQ(game_.depot.Release(kEzt3, 1), kDepotOk);
    game_.depot.Tick();  // the exit is not free: it stays ready
    game_.depot.Param(kDepotParamPreparationSteps, 90);
    ASSERT_EQ(game_.depot.Release(kEzt3, 2), kDepotOk);
    EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotReady, kDepotPreparing}));
    EXPECT_EQ(Plan()[0].readiness, "gotowa");
}

TEST_F(DepotTable, APictureClickCallsOutTheLowestNumberAndOtherClicksOnlyHideTheList)
{
    Add(kE4k, 12);
    Add(kE4k, 5);
    Add(kEzt3, 1);
    Add(kWagon, 1);
    Plan();  // E4K and EZT-3 on the left, the third type on the right
    const int32_t cell = geometry_.CellWidth();
    for (int32_t x : {geometry_.NameX(), geometry_.FirstCountX(), geometry_.ThirdCountX(), cell - 1, cell,
                      cell + geometry_.baseWidth, -1}) {
        EXPECT_EQ(DepotPaneClick(game_, cells_, geometry_, x, 5).kind, DepotClickKind::kHideList) << x;
    }
    EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotParked, kDepotParked, kDepotParked}));

    EXPECT_EQ(DepotPaneClick(game_, cells_, geometry_, 0, 12 * 40).kind, DepotClickKind::kNothing);
    const DepotClickResult click = DepotPaneClick(game_, cells_, geometry_, geometry_.baseWidth - 1, 39);
    EXPECT_EQ(click.kind, DepotClickKind::kCalledOut);
    EXPECT_EQ(click.row, 0);
    EXPECT_EQ(click.column, 0);
    EXPECT_EQ(click.choices, (std::vector<std::string>{"", ""})) << "no names without shed transfers";
    EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotPreparing, kDepotParked, kDepotParked, kDepotParked}));
    EXPECT_EQ(Plan()[0].preparing, 1);

    const DepotClickResult right = DepotPaneClick(game_, cells_, geometry_, cell + 1, 0);
    EXPECT_EQ(right.kind, DepotClickKind::kCalledOut);
    EXPECT_EQ(right.column, 1);
    EXPECT_EQ(Statuses().back(), kDepotPreparing);
    // Nothing parked there any more: the cell offers nothing.
    Plan();
    EXPECT_EQ(DepotPaneClick(game_, cells_, geometry_, cell + 1, 0).kind, DepotClickKind::kEmptyCell);
}

TEST_F(DepotTable, WithShedTransfersTheClickOffersTheUnitsByNameAndThePickCallsOutThatOne)
{
    game_.AllowShedTransfers(1);
    Add(kE4k, 0);
    Add(kE4k, 1);
    Plan();
    const DepotClickResult click = DepotPaneClick(game_, cells_, geometry_, 3, 3);
    ASSERT_EQ(click.kind, DepotClickKind::kChoices);
    EXPECT_EQ(click.choices, (std::vector<std::string>{"E4K-11", "EZT-21"}));
    EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotParked})) << "nothing called out yet";
    EXPECT_EQ(DepotCallOut(game_, cells_[0][0], 2), kDepotTypeAbsent);
    EXPECT_EQ(DepotCallOut(game_, cells_[0][0], -1), kDepotTypeAbsent);
    EXPECT_EQ(DepotCallOut(game_, cells_[0][0], 1), kDepotOk);
    EXPECT_EQ(Statuses(), (std::vector<int32_t>{kDepotParked, kDepotPreparing}));
    EXPECT_EQ(DepotCallOut(game_, cells_[0][0], 1), kDepotNoneParked) << "the list is of the last paint";
}

TEST_F(DepotTable, TypesAndNumbersPastTheGridAreShownButNotListed)
{
    game_.depot.Param(kDepotParamCapacity, 100);
    for (int32_t type = 1; type <= 26; ++type) Add(type, 1);
    for (int32_t number = 2; number <= 52; ++number) Add(kE4k, number);
    const std::vector<DepotCellView> views = Plan();
    ASSERT_EQ(views.size(), 26u);
    EXPECT_EQ(views[0].fit, 52);
    EXPECT_EQ(DepotCellNumbers(cells_[0][0]).size(), 49u);
    EXPECT_EQ(views[12].row, 12);
    EXPECT_EQ(views[12].column, 0);
    EXPECT_EQ(views[25].row, 12);
    EXPECT_EQ(DepotPaneClick(game_, cells_, geometry_, 0, 12 * 40 + 1).kind, DepotClickKind::kNothing);
}

TEST_F(DepotTable, ThePictureColumnIsAsWideAsTheWidestListedPicture)
{
    EXPECT_EQ(MeasureLocoBitmaps(game_.DepotStats(), [](int32_t) { return 500; }), 110);
    Add(kE4k, 1);
    Add(kEzt3, 1);
    EXPECT_EQ(MeasureLocoBitmaps(game_.DepotStats(), [](int32_t type) { return type == kEzt3 ? 140 : 60; }), 140);
    EXPECT_EQ(MeasureLocoBitmaps(game_.DepotStats(), [](int32_t) { return 0; }), 110);
    DepotGeometry wide{140};
    EXPECT_EQ(wide.NameX(), 145);
    EXPECT_EQ(wide.SecondCountX(), 250);
    EXPECT_EQ(DepotPaneSize(1, wide).width, 700);
}

}  // namespace
