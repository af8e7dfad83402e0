// Win32 tests: a shift on one of the sample stations of the game folder in
// TheGame(), with its rolling-stock pictures and the fonts, as the program
// has it while a game runs (the window's other hooks stay as they were);
// everything is put back at the end.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/game.h"
#include "native/slot_texts.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "support/fixture_path.h"
#include "ui/layout.h"
#include "ui/startup.h"
#include "ui/ui_state.h"
#include "ui/win32/fonts.h"
#include "ui/win32/vehicle_pictures.h"

class SampleGame {
public:
    // "Testowo" or "Tarninowo"; every random draw 100 (all engines fit).
    explicit SampleGame(const std::string& station)
    {
        oldHooks_ = SetNotifyHooks(kNoNotifyHooks);
        NotifyHooks running = oldHooks_;
        running.gameRunning = [] { return true; };
        SetNotifyHooks(running);
        savedFolder_ = gGameFolder;
        gGameFolder = FixturePath("\\..\\..\\game");
        TheGame() = Game();
        {
            FixedRandom draws(100);
            const std::string roz = gGameFolder + "\\Stacje\\" + station + "\\" + station + ".roz";
            EXPECT_EQ(TheGame().NewGameFromTimetable(roz.c_str()), kNewGameStarted);
        }
        std::string failed;
        EXPECT_TRUE(LoadRollingStockBitmaps(failed)) << failed;
        ownsFonts_ = UiFont(FontId::kBoardFont) == nullptr;  // a main window has made them
        if (ownsFonts_) CreateFonts(gUiScale);
        gUi.gameRunning = true;
    }
    ~SampleGame()
    {
        gUi.gameRunning = false;
        FreeRollingStockBitmaps();
        if (ownsFonts_) DeleteFonts();
        TheGame() = Game();
        SetNotifyHooks(oldHooks_);
        gGameFolder = savedFolder_;
    }
    SampleGame(const SampleGame&) = delete;
    SampleGame& operator=(const SampleGame&) = delete;

private:
    NotifyHooks oldHooks_{};   ///< put back at the end
    bool ownsFonts_ = false;   ///< the fonts were made here
    std::string savedFolder_;  ///< gGameFolder before
};
