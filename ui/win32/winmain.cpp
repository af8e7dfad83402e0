// The program's entry point: start-up in order, then the message loop.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "simulation/notify.h"
#include "sources/delay_refresh.h"
#include "sources/win32/text_cp1250.h"
#include "sources/win32/timetable_server.h"
#include "ui/pacing.h"
#include "ui/startup.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/game_files.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/settings_file.h"
#include "ui/win32/station_view_paint.h"

namespace {

// A start that cannot go on: no window can say why, so standard error does
// (in UTF-8, for the terminal or log that reads it), and the exit code.
int StartFailed(const char* what)
{
    const DWORD error = GetLastError();
    char text[200];
    std::snprintf(text, sizeof text, "semarion: %s (błąd systemu %lu)\n", what, error);
    const std::wstring wide = Cp1250ToWide(text);
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), wideLength, utf8.data(), length, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), utf8.data(), static_cast<DWORD>(length), &written, nullptr);
    return kExitNoWindow;
}

}  // namespace

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
    if (!RegisterPaneClasses(instance) || !RegisterMainWindowClass(instance))
        return StartFailed("nie udało się zarejestrować klas okien programu");
    HWND main = CreateMainWindow(instance);
    if (!main) return StartFailed("nie udało się utworzyć okna programu, gra nie może wystartować");
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(1));
    ShowWindow(main, showCommand);
    UpdateWindow(main);

    std::wstring timetable = TimetableArgument(GetCommandLineW());
    if (!timetable.empty()) gWindowServices.startGameFromCommandLine(main, timetable);

    RunMessageLoop(accelerators);
    return 0;
}
