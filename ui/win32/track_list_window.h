// The track list window ("Tory postojowe - co gdzie stoi"): a modal dialog
// hosting one scrolling pane that draws the table of what stands on which
// track, refreshed every second; a click on a row selects that track.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/track_list.h"

// What the window shows and where it stood, kept between paints.
struct TrackListWindowState {
    std::vector<TrackListRow> rows;  ///< rebuilt at every paint
    TrackListLayout layout;          ///< the rows' tops, rebuilt with them
    int vScroll = 0;                 ///< vertical position, pixels of the rendered table
    int hScroll = 0;                 ///< horizontal position
    RECT remembered = {};            ///< window rectangle at its last close in this run
    HWND pane = nullptr;             ///< the pane while the window is open
};
extern TrackListWindowState gTrackList;

// Runs dialog 500 modally; returns the command that closed it.
INT_PTR OpenTrackListDialog(HWND owner);
INT_PTR CALLBACK TrackListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The pane and the close button placed in the dialog's client area.
void LayoutTrackListDialog(HWND dialog);

// The painter of the pane: the list rebuilt, the table rendered at uiScale
// and the part at the scroll positions copied into dc; the bars follow.
void PaintTrackListPane(HDC dc, int width, int height);
// A press at pane y: the row's track becomes the selection.
void TrackListClick(int y);
LRESULT CALLBACK TrackListPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
