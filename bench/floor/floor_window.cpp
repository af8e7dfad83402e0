// The floor under the game's Wine figures: the least a Win32 program of the
// game's shape costs under Wine. Its window has the game's size (900 x 600)
// and a timer of the game's period at the default pace (one second); each
// tick it repaints the whole client area from a bitmap kept since the start,
// as the game's panes do from theirs. Nothing else: no game, no files.
//
//   floor                           shows the window until it is closed
//   floor repaint COUNT             prints one full repaint of a 1280 x 800
//                                   client area from the kept bitmap, in the
//                                   repaint benchmark's line "NAME ... median X ms"
//
// Built by scripts/bench.sh alone: no part of the game links it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 600;
constexpr UINT kTimerPeriodMs = 1000;
constexpr int kRepaintWidth = 1280;
constexpr int kRepaintHeight = 800;
constexpr char kClassName[] = "SemarionFloor";

HBITMAP gKept;  // drawn once, blitted on every paint

// A bitmap with something in it, so that the blit copies real pixels.
HBITMAP DrawKept(HWND window, int width, int height)
{
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int x = 0; x < width; x += 14) {
        RECT band = {x, 0, x + 14, height};
        HBRUSH brush = CreateSolidBrush(RGB(x % 256, 128, 255 - x % 256));
        FillRect(memory, &band, brush);
        DeleteObject(brush);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return bitmap;
}

void PaintKept(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, gKept);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT:
        PaintKept(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND MakeWindow(int width, int height)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return nullptr;
    return CreateWindowExA(0, kClassName, "Semarion floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, width,
                           height, nullptr, nullptr, windowClass.hInstance, nullptr);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int MeasureRepaints(int count)
{
    RECT frame = {0, 0, kRepaintWidth, kRepaintHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = MakeWindow(frame.right - frame.left, frame.bottom - frame.top);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    gKept = DrawKept(window, kRepaintWidth, kRepaintHeight);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        QueryPerformanceCounter(&t1);
        times.push_back(Milliseconds(t0, t1));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-32s %4d repaints  median %.3f ms  fastest %.3f ms\n", "floor repaint", count,
                times[times.size() / 2], times.front());
    DestroyWindow(window);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "repaint") == 0) return MeasureRepaints(std::max(1, std::atoi(argv[2])));
    HWND window = MakeWindow(kWindowWidth, kWindowHeight);
    if (!window) return 1;
    gKept = DrawKept(window, kWindowWidth, kWindowHeight);
    ShowWindow(window, SW_SHOW);
    SetTimer(window, 1, kTimerPeriodMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteObject(gKept);
    return 0;
}
