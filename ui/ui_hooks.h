// What the window-free user-interface logic asks of the main window.
#pragma once

#include "ui/settings.h"

// The main window fills these with its Win32 calls; tests with recorders.
struct UiHooks {
    void (*stopTimer)();                           ///< kill timer 1, timerId = 0
    void (*restartTimer)();                        ///< RestartClockTimer on the main window
    void (*askSectionPermission)();                ///< permission dialog in ask mode; sets gSectionRequest.answer
    void (*playSound)(Sound sound);                ///< PlaySoundIfEnabled of that sound
    void (*setStatusText)(int part, const char* text);  ///< SetStatusText
    void (*updateStatusBar)();                     ///< UpdateStatusBar
    void (*repaint)();                             ///< the panes and the open tool panes, without erasing
};
