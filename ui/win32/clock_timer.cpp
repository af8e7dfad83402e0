// Starting and stopping the simulation timer.
#include "ui/win32/clock_timer.h"

#include "ui/pacing.h"

void RestartClockTimer(HWND window)
{
    if (gClockDriver.timerId != 0) KillTimer(window, kClockTimer);
    gClockDriver.timerId = SetTimer(window, kClockTimer, static_cast<UINT>(TimerPeriodMs()), nullptr);
    ResetClockTickBase();
}

void StopClockTimer(HWND window)
{
    if (gClockDriver.timerId == 0) return;
    KillTimer(window, kClockTimer);
    gClockDriver.timerId = 0;
}
