#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "simulation/disruptions.h"
#include "simulation/routes.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "testowo_game.h"
#include "ui/commands.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/status_texts.h"
#include "ui/ui_state.h"

namespace {

using Commands = ProgramTestowo;

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
    BeginShift();
    const int32_t late = TheGame().DelayChance(0, 1);
    FixedRandom::Value() = 0;  // every start of the disruptions draws a winter
    gUi.gameRunning = false;
    EXPECT_STREQ(ToggleDisruptions(), "Utrudnienia wyłączone - dyżur bez niespodzianek.");
    EXPECT_FALSE(gSettings.utrudnienia);
    EXPECT_EQ(TheGame().DelayChance(0, 1), late);
    gUi.gameRunning = true;
    EXPECT_STREQ(ToggleDisruptions(),
                 "Utrudnienia włączone: tory bywają zamykane, w szczycie rośnie skala opóźnień.");
    EXPECT_TRUE(gSettings.utrudnienia);
    EXPECT_EQ(TheGame().DelayChance(0, 1), late + kWinterOffset) << "started: a winter shift";

    EXPECT_STREQ(ToggleHints(), "Podpowiedzi wyłączone.");
    EXPECT_FALSE(gSettings.podpowiedzi);
    EXPECT_STREQ(ToggleHints(), "Podpowiedzi włączone: w rogu schematu widac, czym trzeba sie zająć.");

    gClockDriver.stepAccumulator = 0.7;
    EXPECT_TRUE(TogglePause());
    EXPECT_EQ(gClockDriver.stepAccumulator, 0.0);
    EXPECT_FALSE(TogglePause());
}

TEST_F(Commands, SteamCommandsNeedASelectedPoint)
{
    // no game, then a game with nothing selected
    for (bool running : {false, true}) {
        if (running) BeginShift();
        EXPECT_EQ(SelectedPoint(), -1);
        EXPECT_FALSE(SteamCommandEnabled(kCmdExtinguish));
        EXPECT_STREQ(RunSteamCommand(kCmdExtinguish), "Zaznacz najpierw stojący parowóz, który ma zostać wygaszony");
        EXPECT_STREQ(RunSteamCommand(kCmdFireUp), "Zaznacz najpierw wygaszony parowóz");
    }
    gSelection.selectedTile = 933;  // the Ol49 on the locomotive track, fired up
    EXPECT_EQ(SelectedPoint(), kStcLocoTrack);
    EXPECT_TRUE(SteamCommandEnabled(kCmdExtinguish));
    EXPECT_FALSE(SteamCommandEnabled(kCmdFireUp));
    EXPECT_EQ(RunSteamCommand(kCmdExtinguish), nullptr);
    EXPECT_FALSE(SteamCommandEnabled(kCmdExtinguish));
    EXPECT_TRUE(SteamCommandEnabled(kCmdFireUp));
    EXPECT_EQ(RunSteamCommand(kCmdFireUp), nullptr);
}

// Whether the station shows candidate tiles of a route being laid.
bool CandidatesMarked()
{
    const Game& game = TheGame();
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c)
            if (game.TileState(r, c) == kTileCandidate) return true;
    return false;
}

TEST_F(Commands, EscCancelsOnlyARouteBeingLaid)
{
    BeginShift();
    EXPECT_FALSE(CancelRouteLaying());
    // The Ol49 on the locomotive track towards the engine shed: candidates marked.
    ASSERT_EQ(TheGame().RouteSelection(933, 937, false), kCandidatesMarked);
    ASSERT_TRUE(CandidatesMarked());
    gSelection = SelectionState{933, false, true};
    gUi.gameRunning = false;
    EXPECT_FALSE(CancelRouteLaying());
    EXPECT_TRUE(CandidatesMarked());
    gUi.gameRunning = true;
    EXPECT_TRUE(CancelRouteLaying());
    EXPECT_FALSE(gSelection.candidatesShown);
    EXPECT_EQ(gSelection.selectedTile, 933);
    EXPECT_FALSE(CandidatesMarked());
}

TEST_F(Commands, RealTimeFromNowReportsThePlacedConsists)
{
    BeginShift();
    EXPECT_EQ(RealTimeFromNow(7, 30),
              "Godzina 07:30 - sytuacja ruchowa ustawiona na teraz (składów na stacji: 1), tempo rzeczywiste.");
    EXPECT_TRUE(gSettings.czasRzeczywisty);
}

TEST_F(Commands, StatusBarTexts)
{
    EXPECT_EQ(ClockStatusText(), "");
    BeginShift();
    ASSERT_EQ(TheGame().clock.Set(9, 5, 7), 1);
    for (int i = 0; i < 3; ++i) AddPenaltyEvent(TheGame());  // five points each
    EXPECT_EQ(ClockStatusText(), "Godzina: 09:05:07");
    EXPECT_EQ(ScoreStatusText(), "Punkty karne: 15");
    gSelection.routeLaying = true;
    std::string routing = ClockStatusText();
    EXPECT_EQ(routing, "Godzina: 09:05:07  (pauza: układasz drogę - Esc przerywa)");
    EXPECT_EQ(routing.size(), 57u);  // CP1250: one byte per letter
    gUi.paused = true;
    EXPECT_EQ(ClockStatusText(), "Godzina: 09:05:07  (pauza)");
    TheGame().SetTestGame(true);
    EXPECT_EQ(ScoreStatusText(), "Gra testowa");

    // Every kind of clock text, the widest among them the route's 57 letters.
    std::vector<std::string> kinds = ClockStatusTextKinds();
    ASSERT_EQ(kinds.size(), 4u);
    EXPECT_EQ(kinds[0], "Godzina: 23:59:59  (pauza)");
    EXPECT_EQ(kinds[1], "Godzina: 23:59:59  (pauza: układasz drogę - Esc przerywa)");
    EXPECT_EQ(kinds[2], "Godzina: 23:59:59  (pauza: otwarty podgląd składu)");
    EXPECT_EQ(kinds[3], "Godzina: 23:59:59  (pauza: okno gry nieaktywne)");

    // The clock part is 170 wide or as wide as its text needs, up to the
    // whole bar; the message line gives way down to nothing, then the score.
    EXPECT_EQ(StatusBarPartEdges(900, 0).edges[1], 730);
    EXPECT_EQ(StatusBarPartEdges(900, 330).edges[1], 570);
    EXPECT_EQ(StatusBarPartEdges(900, 330).edges[0], 120);
    EXPECT_EQ(StatusBarPartEdges(300, 100).edges[1], 130);
    EXPECT_EQ(StatusBarPartEdges(450, 330).edges[1], 120);
    const StatusBarEdges narrow = StatusBarPartEdges(404, 369);
    EXPECT_EQ(narrow.edges[0], 35);
    EXPECT_EQ(narrow.edges[1], 35);
    const StatusBarEdges tiny = StatusBarPartEdges(300, 369);
    EXPECT_EQ(tiny.edges[0], 0);
    EXPECT_EQ(tiny.edges[1], 0);
    EXPECT_EQ(StatusBarPartEdges(0, 0).edges[0], 0);
    EXPECT_EQ(StatusBarPartEdges(0, 0).edges[2], -1);
}

}  // namespace
