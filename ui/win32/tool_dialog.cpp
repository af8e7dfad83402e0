// The tool windows' panes, sizes and work area.
#include "ui/win32/tool_dialog.h"

HWND CreateToolPane(HWND dialog, const char* className, int id, DWORD extraStyle, int x, int y, int width,
                    int height)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | extraStyle, x, y, width, height,
                           dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), nullptr);
}

void ResizeWindowInPlace(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RememberWindowSize(HWND window, int& width, int& height)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

RECT WorkArea()
{
    RECT area;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) return {0, 0, 1024, 768};
    return area;
}

SIZE WorkAreaSize()
{
    const RECT area = WorkArea();
    return {area.right - area.left, area.bottom - area.top};
}
