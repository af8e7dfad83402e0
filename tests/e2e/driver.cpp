// Drives the game from outside in end-to-end tests: finds its windows by title
// and sends them messages, as a player's desktop would.
//   driver wait TITLE SECONDS   exit 0 once a top-level window has this title
//   driver close TITLE          posts WM_CLOSE to it
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND WaitForWindow(const char* title, int seconds)
{
    for (int waited = 0; waited <= seconds * 10; ++waited) {
        if (HWND hwnd = FindWindowA(nullptr, title)) return hwnd;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0)
        return WaitForWindow(argv[2], std::atoi(argv[3])) ? 0 : 1;
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
        HWND hwnd = FindWindowA(nullptr, argv[2]);
        return hwnd && PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: driver wait TITLE SECONDS | close TITLE\n");
    return 2;
}
