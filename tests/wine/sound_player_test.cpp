// Sounds with the real PlaySound: a sound whose file is not there is
// reported once, in the program's own message box, and switched off.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "sources/win32/text_cp1250.h"
#include "support/dialog_script.h"
#include "support/fresh_ui_state.h"
#include "ui/settings.h"
#include "ui/win32/sound_player.h"

namespace {

std::wstring gShown;  // the message box's text

TEST(SoundPlayer, ASoundThatCannotPlayIsReportedOnceAndSwitchedOff)
{
    FreshUiState();
    gSettings.dzwiek = true;
    gSettings.blad = true;
    gSettings.bladPlik = "Audio\\nie-ma-takiego.wav";
    gShown.clear();
    const UINT_PTR timer = ScheduleDialogScript(Cp1250ToWide("Błąd odtwarzania dźwięku").c_str(), [](HWND box) {
        wchar_t text[200] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 200);  // the message box's text
        gShown = text;
    });
    PlayGameSound(Sound::kError);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(DialogScriptRan());
    EXPECT_EQ(gShown, Cp1250ToWide(kSoundErrorText));
    EXPECT_EQ(std::string(kSoundErrorText), "Błąd podczas odtwarzania dźwięku. Dzwiek zostaje wylaczony.");
    EXPECT_FALSE(gSettings.blad);  // off from now on: no second message

    gShown = L"-";
    PlayGameSound(Sound::kError);
    EXPECT_EQ(gShown, L"-");
    gSettings = Settings();
}

}  // namespace
