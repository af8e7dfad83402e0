// Status bar creation, parts and texts.
#include "ui/win32/status_bar.h"

#include <commctrl.h>

#include "simulation/event_log.h"
#include "sources/win32/text_cp1250.h"
#include "ui/status_texts.h"
#include "ui/ui_state.h"

HWND gStatusBar = nullptr;

namespace {

constexpr int kStatusTextChars = 512;  ///< longer texts are set without comparing

}  // namespace

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
    if (part == kStatusMessage) AddLogEvent(text);
    if (!gStatusBar) return;
    std::wstring wide = Cp1250ToWide(text);
    // The timer sets the texts after every message: a part that would show
    // what it shows is left alone rather than drawn again.
    wchar_t shown[kStatusTextChars] = {};
    const LRESULT length = SendMessageW(gStatusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
    if (LOWORD(length) < kStatusTextChars) {
        SendMessageW(gStatusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(shown));
        if (wide == shown) return;
    }
    SendMessageW(gStatusBar, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide.c_str()));
}

void UpdateStatusBar()
{
    SetStatusText(kStatusClock, ClockStatusText().c_str());
    if (gUi.gameRunning) SetStatusText(kStatusScore, ScoreStatusText().c_str());
}
