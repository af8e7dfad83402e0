// Status bar creation, parts and texts.
#include "ui/win32/status_bar.h"

#include <commctrl.h>

#include "ui/game_hooks.h"
#include "ui/status_texts.h"
#include "ui/ui_state.h"
#include "ui/win32/text_cp1250.h"

HWND gStatusBar = nullptr;

void CreateStatusBar(HWND main)
{
    gStatusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main, nullptr,
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(main, GWLP_HINSTANCE)), nullptr);
}

void SetStatusBarParts()
{
    if (!gStatusBar) return;
    RECT client;
    GetClientRect(GetParent(gStatusBar), &client);
    StatusBarEdges parts = StatusBarPartEdges(client.right - client.left);
    SendMessageW(gStatusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts.edges));
}

void SetStatusText(int part, const char* text)
{
    if (part == kStatusMessage) gGameHooks.addLogEvent(text);
    if (!gStatusBar) return;
    std::wstring wide = Cp1250ToWide(text);
    SendMessageW(gStatusBar, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide.c_str()));
}

void UpdateStatusBar()
{
    SetStatusText(kStatusClock, ClockStatusText().c_str());
    if (gUi.gameRunning) SetStatusText(kStatusScore, ScoreStatusText().c_str());
}

std::string StatusText(int part)
{
    if (!gStatusBar) return std::string();
    LRESULT length = LOWORD(SendMessageW(gStatusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(gStatusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(static_cast<size_t>(length));
    int bytes = WideCharToMultiByte(1250, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(1250, 0, wide.c_str(), -1, &text[0], bytes, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}
