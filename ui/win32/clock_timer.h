// Timer 1 of the main window, which drives the simulation.
#pragma once

#include <windows.h>

constexpr UINT_PTR kClockTimer = 1;

void RestartClockTimer(HWND window);  // (re)starts at TimerPeriodMs(), fresh pacing base
void StopClockTimer(HWND window);     // kills it when it runs
