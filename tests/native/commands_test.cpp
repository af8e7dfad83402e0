#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "support/fresh_ui_state.h"
#include "ui/commands.h"
#include "ui/game_hooks.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/status_texts.h"
#include "ui/ui_hooks.h"
#include "ui/ui_state.h"

namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
    }
    void TearDown() override { gGameHooks = kNoGameHooks; }
};

TEST(MenuTable, IdsAreUniqueInRangeAndAcceleratorsParse)
{
    std::set<int> ids;
    std::set<std::pair<int, bool>> keys;
    size_t items = 0;
    for (size_t m = 0; m < kMenuCount; ++m)
        for (size_t i = 0; i < kMenus[m].count; ++i) {
            const MenuItem& item = kMenus[m].items[i];
            ++items;
            EXPECT_TRUE(ids.insert(item.id).second) << item.id;
            EXPECT_GE(item.id, 40001);
            EXPECT_LE(item.id, 40041);
            EXPECT_EQ(FindMenuItem(item.id), &item);
            AcceleratorKey key{};
            if (ParseAccelerator(item.text, key)) EXPECT_TRUE(keys.insert({key.key, key.ctrl}).second) << item.text;
            else EXPECT_EQ(std::strchr(item.text, '\t'), nullptr) << item.text;
        }
    EXPECT_EQ(items, 34u);
    EXPECT_EQ(keys.size(), 22u);
    for (int unused : {40006, 40007, 40008, 40009, 40015, 40028, 40029}) EXPECT_EQ(FindMenuItem(unused), nullptr);
}

TEST(MenuTable, AcceleratorTexts)
{
    AcceleratorKey key{};
    ASSERT_TRUE(ParseAccelerator(FindMenuItem(kCmdNewGame)->text, key));
    EXPECT_EQ(key.key, 'N');
    EXPECT_TRUE(key.ctrl);
    ASSERT_TRUE(ParseAccelerator(FindMenuItem(kCmdArrivals)->text, key));
    EXPECT_EQ(key.key, 'P');
    EXPECT_FALSE(key.ctrl);
    ASSERT_TRUE(ParseAccelerator(FindMenuItem(kCmdCentreSchematic)->text, key));
    EXPECT_EQ(key.key, 0x24);
    EXPECT_FALSE(ParseAccelerator(FindMenuItem(kCmdExit)->text, key));
    EXPECT_FALSE(ParseAccelerator("x\tCtrl+Alt+X", key));
}

TEST_F(Commands, TogglesFlipTheirSettingsAndDisruptionsRestartOnlyInAGame)
{
    static int starts;
    starts = 0;
    gGameHooks.startDisruptions = [] { ++starts; };
    EXPECT_STREQ(ToggleDisruptions(), "Utrudnienia wyłączone - dyżur bez niespodzianek.");
    EXPECT_FALSE(gSettings.utrudnienia);
    EXPECT_EQ(starts, 0);
    gUi.gameRunning = true;
    EXPECT_STREQ(ToggleDisruptions(),
                 "Utrudnienia włączone: tory bywają zamykane, w szczycie rośnie skala opóźnień.");
    EXPECT_TRUE(gSettings.utrudnienia);
    EXPECT_EQ(starts, 1);

    EXPECT_STREQ(ToggleHints(), "Podpowiedzi wyłączone.");
    EXPECT_FALSE(gSettings.podpowiedzi);
    EXPECT_STREQ(ToggleHints(), "Podpowiedzi włączone: w rogu schematu widac, czym trzeba sie zająć.");

    gClockDriver.stepAccumulator = 0.7;
    EXPECT_TRUE(TogglePause());
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);
    EXPECT_FALSE(TogglePause());
}

int gLookedUpTile;

TEST_F(Commands, SteamCommandsNeedASelectedPoint)
{
    gGameHooks.findPointByTile = [](int tile) { return gLookedUpTile = tile, tile == 0 ? 0 : 7; };
    gGameHooks.findSlotToExtinguish = [](int point) { return point == 7 ? 2 : -1; };
    gGameHooks.findSlotToFireUp = [](int point) { return point == 7 ? -1 : -1; };
    gGameHooks.extinguishSteamLoco = [](int point) { return point == 7; };
    gGameHooks.fireUpSteamLoco = [](int point) { return point >= 0; };

    // no game, then a game with nothing selected: tile 0 is never looked up
    for (bool running : {false, true}) {
        gUi.gameRunning = running;
        gLookedUpTile = -1;
        EXPECT_EQ(SelectedPoint(), -1);
        EXPECT_FALSE(SteamCommandEnabled(kCmdExtinguish));
        EXPECT_STREQ(RunSteamCommand(kCmdExtinguish), "Zaznacz najpierw stojący parowóz, który ma zostać wygaszony");
        EXPECT_STREQ(RunSteamCommand(kCmdFireUp), "Zaznacz najpierw wygaszony parowóz");
        EXPECT_EQ(gLookedUpTile, -1);
    }
    gSelection.selectedTile = 1204;
    EXPECT_EQ(SelectedPoint(), 7);
    EXPECT_EQ(gLookedUpTile, 1204);
    EXPECT_TRUE(SteamCommandEnabled(kCmdExtinguish));
    EXPECT_FALSE(SteamCommandEnabled(kCmdFireUp));
    EXPECT_EQ(RunSteamCommand(kCmdExtinguish), nullptr);
    EXPECT_EQ(RunSteamCommand(kCmdFireUp), nullptr);
}

TEST_F(Commands, EscCancelsOnlyARouteBeingLaid)
{
    static int clears;
    clears = 0;
    gGameHooks.clearRouteCandidates = [] { ++clears; };
    gUi.gameRunning = true;
    EXPECT_FALSE(CancelRouteLaying());
    gSelection = SelectionState{1204, false, true};
    EXPECT_TRUE(CancelRouteLaying());
    EXPECT_FALSE(gSelection.candidatesShown);
    EXPECT_EQ(gSelection.selectedTile, 1204);
    EXPECT_EQ(clears, 1);
    gUi.gameRunning = false;
    gSelection.routeLaying = true;
    EXPECT_FALSE(CancelRouteLaying());
    EXPECT_EQ(clears, 1);
}

TEST_F(Commands, RealTimeFromNowReportsThePlacedConsists)
{
    UiHooks ui = {[] {}, [] {}, [] {}, [](Sound) {}, [](int, const char*) {}, [] {}, [] {}};
    gUi.gameRunning = true;
    gGameHooks.placeTrainsForTime = [](int) { return 6; };
    EXPECT_EQ(RealTimeFromNow(7, 5, ui),
              "Godzina 07:05 - sytuacja ruchowa ustawiona na teraz (składów na stacji: 6), tempo rzeczywiste.");
    EXPECT_TRUE(gSettings.czasRzeczywisty);
}

TEST_F(Commands, StatusBarTexts)
{
    EXPECT_EQ(ClockStatusText(), "");
    gUi.gameRunning = true;
    gGameHooks.now = [] { return 905; };
    gGameHooks.seconds = [] { return 7; };
    gGameHooks.penaltyPoints = [] { return 15; };
    EXPECT_EQ(ClockStatusText(), "Godzina: 09:05:07");
    EXPECT_EQ(ScoreStatusText(), "Punkty karne: 15");
    gSelection.routeLaying = true;
    std::string routing = ClockStatusText();
    EXPECT_EQ(routing, "Godzina: 09:05:07  (pauza: układasz drogę - Esc przerywa)");
    EXPECT_EQ(routing.size(), 57u);  // CP1250: one byte per letter
    gUi.paused = true;
    EXPECT_EQ(ClockStatusText(), "Godzina: 09:05:07  (pauza)");
    gGameHooks.isTestGame = [] { return true; };
    EXPECT_EQ(ScoreStatusText(), "Gra testowa");

    EXPECT_EQ(StatusBarPartEdges(900).edges[1], 730);
    EXPECT_EQ(StatusBarPartEdges(300).edges[1], 230);
    EXPECT_EQ(StatusBarPartEdges(400).edges[1], 230);
    EXPECT_EQ(StatusBarPartEdges(0).edges[0], 120);
    EXPECT_EQ(StatusBarPartEdges(0).edges[2], -1);
}

}  // namespace
