// The panes' input sink as the main window fills it: the status bar, the
// error sound and the repaints of the station and train panes.
#pragma once

#include "ui/pane_input.h"

extern const PaneInputSink kWindowPaneInputSink;
