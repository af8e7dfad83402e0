// The panes' input sink as the main window fills it: the status bar, the
// error sound and the repaints of the station and train panes.
#pragma once

#include "ui/pane_input.h"

// The depot and timetable windows keep their stand-ins until they
// are built.
extern const PaneInputSink kWindowPaneInputSink;
