// Puts the user interface's globals back to how the program starts: default
// settings, no game, no selection, the pacing clock stopped, stand-in hooks,
// the starting scale and no splitter bands.
#pragma once

#include "ui/game_hooks.h"
#include "ui/layout.h"
#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

inline void FreshUiState()
{
    gSettings = Settings();
    gUi = UiFlags();
    gSelection = SelectionState();
    gSectionRequest = SectionRequest();
    gClockDriver = ClockDriver();
    gGameHooks = kNoGameHooks;
    gUiScale = kInitialUiScale;
    gSplitters = Splitters();
}
