// The panes' input sink filled with the main window's calls.
#include "ui/win32/pane_input_sink.h"

#include <windows.h>

#include "ui/win32/depot_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/siding_window.h"
#include "ui/win32/timetable_window.h"
#include "ui/win32/train_pane.h"

const PaneInputSink kWindowPaneInputSink = {
    [] { if (gStationPane) InvalidateRect(gStationPane, nullptr, FALSE); },  // repaintStation
    RepaintTrainPane,                                                        // repaintTrain
    ChooseSubTrack,                                                          // chooseSubTrack
    ViewSiding,                                                              // viewSiding
    [] { OpenDepotDialog(gMainWindow); },                                    // openDepot
    [](int32_t mode) { OpenTimetableDialog(gMainWindow, mode); },            // openTimetable
};
