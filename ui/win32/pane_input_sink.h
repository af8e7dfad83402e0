// The panes' input sink as the main window fills it: the repaints of the
// station and train panes and the siding, depot and timetable windows.
#pragma once

#include "ui/pane_input.h"

extern const PaneInputSink kWindowPaneInputSink;
