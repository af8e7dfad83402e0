// The train pane's mouse messages: the clicks on its vehicles and the
// vehicle tooltip. The pane's own procedure hands these over after its
// horizontal scroll handling, with the vehicle its hit ranges of the last
// paint find under the message's point (VehicleAtTrainPanePoint).
#pragma once

#include <windows.h>

#include <cstdint>

// Left button (with Ctrl: pantograph or turntable), right button, mouse
// move (tooltip) and mouse leave (no tooltip); true when the message was one
// of these and is done.
bool TrainPaneMouseMessage(HWND pane, UINT message, WPARAM wParam, int32_t vehicle);

// The train pane's mouse handler (SetTrainPaneMouseHandler): the vehicle
// under the message's point in the hit ranges of the pane's last paint.
bool TrainPaneMouse(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
