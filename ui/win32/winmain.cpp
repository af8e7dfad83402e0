// The program's entry point: start-up in order, then the message loop.
#include <windows.h>

#include <commctrl.h>

#include "simulation/notify.h"
#include "sources/delay_refresh.h"
#include "sources/win32/timetable_server.h"
#include "ui/pacing.h"
#include "ui/startup.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/game_files.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/settings_file.h"
#include "ui/win32/station_view_paint.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    InstallCrashHandlers();
    gInstance = instance;
    SetTickSource([] { return static_cast<uint64_t>(GetTickCount64()); });
    // The delay refresh's thread does nothing but this call.
    SetDelaysTransport([](const std::string& current, std::string& error) {
        ReserveCrashStack();
        return RefreshDelays(current, error);
    });
    SetNotifyHooks(kMainWindowHooks);
    SetStationBackgroundSource([] { return gStationBackground; });
    ReadSettingsAtStartup(GetExeFolder());

    INITCOMMONCONTROLSEX controls = {8, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterPaneClasses(instance) || !RegisterMainWindowClass(instance)) return 1;
    HWND main = CreateMainWindow(instance);
    if (!main) return 1;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(1));
    ShowWindow(main, showCommand);
    UpdateWindow(main);

    std::wstring timetable = TimetableArgument(GetCommandLineW());
    if (!timetable.empty()) gWindowServices.startGameFromCommandLine(main, timetable);

    RunMessageLoop(accelerators);
    return 0;
}
