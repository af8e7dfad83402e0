// Puts the user interface's globals back to how the program starts: default
// settings, no game running, no selection, the pacing clock stopped, the
// starting scale and no splitter bands. The game itself is the test's.
#pragma once

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
    gUiScale = kInitialUiScale;
    gSplitters = Splitters();
}
