// The arithmetic of horizontal scrolling in the panes that show consists side
// by side: scroll bar ranges, clamping and the step of each scroll action;
// and the plain pixel steps of the tool windows' panes.
#pragma once

// Scroll actions, numbered as the scroll bar's notification codes.
enum ScrollAction {
    kScrollLineLeft = 0,
    kScrollLineRight = 1,
    kScrollPageLeft = 2,
    kScrollPageRight = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollLeft = 6,
    kScrollRight = 7,
    kScrollEnd = 8,
};

// What the scroll bar is set to for a content width in a client width.
struct HScrollBarState {
    int max;   ///< range is 0 .. max
    int page;  ///< the visible width, at least 1
    int pos;   ///< the clamped scroll position
};
HScrollBarState HScrollRange(int contentWidth, int clientWidth, int pos);

// A position clamped to what a bar with this range and page can show.
int ClampHScrollPos(int pos, int barMax, int barPage);

// Where a scroll action moves the position (before clamping); the line is
// 40 units at uiScale, the page and the ends are the bar's.
int HScrollActionTarget(int action, int pos, int barMax, int barPage, int trackPos, double uiScale);

// The tool windows' panes (timetable, track list), scrolled by pixels: where
// an action moves a position, a line of `line` pixels, a page of 200, the
// thumb to trackPos; never below 0 (the window clamps the top end).
int ToolPaneScrollTarget(int action, int pos, int line, int trackPos);

// Where a wheel turn moves the position: 60 units at uiScale per notch
// (a delta of 120), to the left for a turn away from the user.
int WheelScrollTarget(int pos, int wheelDelta, double uiScale);
