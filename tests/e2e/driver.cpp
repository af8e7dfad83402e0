// Drives the game from outside in end-to-end tests: finds its windows by title
// and sends them messages, as a player's desktop would.
//   driver wait TITLE SECONDS   exit 0 once a top-level window has this title
//   driver close TITLE          posts WM_CLOSE to it
//   driver command TITLE ID     posts WM_COMMAND with a menu command id
//   driver menu TITLE           exit 0 when the window shows a menu bar
//   driver statusbar TITLE      prints the status bar's part count
//   driver statustext TITLE PART
//                               prints the text of a status bar part (code
//                               page 1250, as the program holds it)
//   driver statusfit TITLE PART prints the room a status bar part gives its
//                               text and the width of the text, in pixels
//   driver foreground SECONDS   holds a window of its own in the foreground
//   driver pane TITLE ID        prints the screen x, y of the client area of
//                               the window's child ID and its width, height
//   driver slide TITLE ID POS   moves a dialog's trackbar as a drag would
//   driver click TITLE ID       clicks a dialog's button
//   driver settext TITLE ID TEXT
//                               puts TEXT into a dialog's control, as typing would
//   driver text TITLE ID        prints the text of a dialog's control (code
//                               page 1250)
//   driver filedialog TITLE PATH SECONDS
//                               types PATH into the file dialog the window
//                               opened and presses its OK button
//   driver dialogs              prints one line per dialog box on the desktop:
//                               its caption, ": ", the texts of its labels
//                               (code page 1250); nothing when there is none
//   driver memory TITLE         prints the private memory (PagefileUsage) and
//                               the working set of the window's process, in KB
//   driver size TITLE W H       gives the window this outer width and height,
//                               as a drag of its frame would, not activating it
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

HWND WaitForWindow(const char* title, int seconds)
{
    for (int waited = 0; waited <= seconds * 10; ++waited) {
        if (HWND hwnd = FindWindowA(nullptr, title)) return hwnd;
        Sleep(100);
    }
    return nullptr;
}

// Menus live in the process that made them: from outside only the handle and
// the room the menu bar takes in the window can be seen.
int PrintMenu(HWND hwnd)
{
    HMENU bar = GetMenu(hwnd);
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    int frame = (window.bottom - window.top) - client.bottom - GetSystemMetrics(SM_CYCAPTION) -
                2 * GetSystemMetrics(SM_CYSIZEFRAME) - 2 * GetSystemMetrics(SM_CXPADDEDBORDER);
    std::printf("menu %s, bar height %d\n", bar ? "yes" : "no", frame);
    return bar && frame >= GetSystemMetrics(SM_CYMENU) ? 0 : 1;
}

int PrintStatusBar(HWND hwnd)
{
    HWND bar = FindWindowExA(hwnd, nullptr, STATUSCLASSNAMEA, nullptr);
    if (!bar) return 1;
    // no buffer: the count alone comes back, nothing has to cross processes
    std::printf("parts %d\n", static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0)));
    return 0;
}

HWND StatusBarOf(HWND hwnd) { return FindWindowExA(hwnd, nullptr, STATUSCLASSNAMEA, nullptr); }

// What the status bar answers to `message` about a part lives in the
// program's process: the bar writes it into a buffer made there, which is
// read back from here; `size` must hold the whole answer.
bool AskStatusBar(HWND bar, UINT message, int part, void* answer, SIZE_T size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(bar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    bool read = false;
    if (remote) {
        SendMessageA(bar, message, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
        read = ReadProcessMemory(process, remote, answer, size, nullptr) != 0;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return read;
}

bool TextFits(HWND bar, int part, size_t characters)
{
    return LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0)) < characters;
}

int PrintStatusText(HWND hwnd, int part)
{
    char text[1024] = {};
    HWND bar = StatusBarOf(hwnd);
    if (!bar || !TextFits(bar, part, sizeof text) || !AskStatusBar(bar, SB_GETTEXTA, part, text, sizeof text - 1))
        return 1;
    std::printf("%s\n", text);
    return 0;
}

// The room a part gives its text (the size grip, which the last part
// shares, left out) and the width of the text it shows, in the font every
// status bar takes from the system.
int PrintStatusFit(HWND hwnd, int part)
{
    wchar_t text[512] = {};
    RECT rect = {};
    HWND bar = StatusBarOf(hwnd);
    if (!bar || !TextFits(bar, part, std::size(text)) ||
        !AskStatusBar(bar, SB_GETTEXTW, part, text, sizeof text - sizeof(wchar_t)) ||
        !AskStatusBar(bar, SB_GETRECT, part, &rect, sizeof rect))
        return 1;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    const bool grip = (GetWindowLongPtrA(bar, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    std::printf("%ld %ld\n", rect.right - rect.left - (grip ? GetSystemMetrics(SM_CXVSCROLL) : 0), extent.cx);
    return 0;
}

// A window of the driver's own in the foreground for a while: the program
// is then not the active one.
int HoldForeground(int seconds)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SemarionDriverForeground";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "Semarion driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    SetForegroundWindow(window);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG msg;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
    DestroyWindow(window);
    return 0;
}

int PrintPane(HWND hwnd, int id)
{
    HWND pane = GetDlgItem(hwnd, id);
    RECT client;
    if (!pane || !GetClientRect(pane, &client)) return 1;
    POINT origin = {0, 0};
    ClientToScreen(pane, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

// The trackbar goes to its position, and its dialog hears of it as it
// would from a drag.
int Slide(HWND dialog, int id, int position)
{
    HWND trackbar = GetDlgItem(dialog, id);
    if (!trackbar) return 1;
    SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(trackbar));
    return 0;
}

int Click(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button) return 1;
    SendMessageA(button, BM_CLICK, 0, 0);
    return 0;
}

int SetControlText(HWND dialog, int id, const char* text)
{
    HWND control = GetDlgItem(dialog, id);
    return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? 0 : 1;
}

int PrintControlText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) return 1;
    char text[512] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
    return 0;
}

struct OwnedDialog {
    HWND owner;   ///< the window whose dialog is looked for
    HWND found;   ///< the file dialog, null until found
};

// File dialogs, old and new style, keep the file name in one of these.
constexpr int kFileNameCombo = 0x47c;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1

HWND FileNameBox(HWND dialog)
{
    HWND box = GetDlgItem(dialog, kFileNameCombo);
    return box ? box : GetDlgItem(dialog, kFileNameEdit);
}

BOOL CALLBACK FindFileDialog(HWND hwnd, LPARAM param)
{
    OwnedDialog* wanted = reinterpret_cast<OwnedDialog*>(param);
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || GetWindow(hwnd, GW_OWNER) != wanted->owner || !IsWindowVisible(hwnd) ||
        !FileNameBox(hwnd))
        return TRUE;
    wanted->found = hwnd;
    return FALSE;
}

int FillFileDialog(HWND owner, const char* path, int seconds)
{
    OwnedDialog wanted = {owner, nullptr};
    for (int waited = 0; waited <= seconds * 10 && !wanted.found; ++waited) {
        EnumWindows(FindFileDialog, reinterpret_cast<LPARAM>(&wanted));
        if (!wanted.found) Sleep(100);
    }
    if (!wanted.found) return 1;
    SendMessageA(FileNameBox(wanted.found), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
    return Click(wanted.found, IDOK);
}

BOOL CALLBACK PrintLabel(HWND hwnd, LPARAM)
{
    char name[16] = {};
    char text[1024] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(hwnd, text, sizeof text) > 0) {
        for (char* c = text; *c; ++c)
            if (*c == '\r' || *c == '\n') *c = ' ';
        std::printf(" %s", text);
    }
    return TRUE;
}

// Message boxes and dialogs are all of the dialog class; the labels carry
// what a message box says.
BOOL CALLBACK PrintDialog(HWND hwnd, LPARAM)
{
    char name[16] = {};
    char caption[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    GetWindowTextA(hwnd, caption, sizeof caption);
    std::printf("%s:", caption);
    EnumChildWindows(hwnd, PrintLabel, 0);
    std::printf("\n");
    return TRUE;
}

int PrintMemory(HWND hwnd)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    bool read = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process) CloseHandle(process);
    if (!read) return 1;
    std::printf("%llu %llu\n", static_cast<unsigned long long>(counters.PagefileUsage / 1024),
                static_cast<unsigned long long>(counters.WorkingSetSize / 1024));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0)
        return WaitForWindow(argv[2], std::atoi(argv[3])) ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "dialogs") == 0) return EnumWindows(PrintDialog, 0) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "foreground") == 0) return HoldForeground(std::atoi(argv[2]));
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: driver wait|close|command|menu|statusbar|statustext|statusfit|pane|slide|click|settext|"
                     "text|filedialog|memory|size TITLE [...] | driver dialogs | driver foreground SECONDS\n");
        return 2;
    }
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    if (!hwnd) return 1;
    if (std::strcmp(argv[1], "close") == 0) return PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    if (argc >= 4 && std::strcmp(argv[1], "command") == 0)
        return PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0) ? 0 : 1;
    if (std::strcmp(argv[1], "menu") == 0) return PrintMenu(hwnd);
    if (std::strcmp(argv[1], "memory") == 0) return PrintMemory(hwnd);
    if (argc >= 5 && std::strcmp(argv[1], "size") == 0)
        return SetWindowPos(hwnd, nullptr, 0, 0, std::atoi(argv[3]), std::atoi(argv[4]),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    if (std::strcmp(argv[1], "statusbar") == 0) return PrintStatusBar(hwnd);
    if (argc >= 4 && std::strcmp(argv[1], "statustext") == 0) return PrintStatusText(hwnd, std::atoi(argv[3]));
    if (argc >= 4 && std::strcmp(argv[1], "statusfit") == 0) return PrintStatusFit(hwnd, std::atoi(argv[3]));
    if (argc >= 4 && std::strcmp(argv[1], "pane") == 0) return PrintPane(hwnd, std::atoi(argv[3]));
    if (argc >= 5 && std::strcmp(argv[1], "slide") == 0) return Slide(hwnd, std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc >= 4 && std::strcmp(argv[1], "click") == 0) return Click(hwnd, std::atoi(argv[3]));
    if (argc >= 5 && std::strcmp(argv[1], "settext") == 0) return SetControlText(hwnd, std::atoi(argv[3]), argv[4]);
    if (argc >= 4 && std::strcmp(argv[1], "text") == 0) return PrintControlText(hwnd, std::atoi(argv[3]));
    if (argc >= 5 && std::strcmp(argv[1], "filedialog") == 0) return FillFileDialog(hwnd, argv[3], std::atoi(argv[4]));
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
