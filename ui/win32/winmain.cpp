// The program's entry point.
#include "ui/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (!RegisterMainWindowClass(instance)) return 1;
    HWND main = CreateMainWindow(instance);
    if (!main) return 1;
    ShowWindow(main, showCommand);
    UpdateWindow(main);
    return RunMessageLoop();
}
