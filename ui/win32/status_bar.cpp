// Status bar creation, parts and texts.
#include "ui/win32/status_bar.h"

#include <commctrl.h>

#include "simulation/event_log.h"
#include "sources/win32/text_cp1250.h"
#include "ui/status_texts.h"
#include "ui/ui_state.h"
#include "ui/win32/gdi_scoped.h"

HWND gStatusBar = nullptr;

namespace {

constexpr int kStatusTextChars = 512;  ///< longer texts are set without comparing
// A part's own edges and the room the bar leaves before and after its text.
constexpr int kPartPadding = 16;

// The clock part's width: its widest text in the bar's own font, and the
// size grip, which the last part shares with its text.
int ClockPartWidth()
{
    ScopedWindowDC dc(gStatusBar);
    if (!dc.Get()) return 0;
    ScopedSelect font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(gStatusBar, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& text : ClockStatusTextKinds()) {
        std::wstring wide = Cp1250ToWide(text.c_str());
        SIZE size = {};
        if (GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size) && size.cx > widest)
            widest = size.cx;
    }
    const bool grip = (GetWindowLongPtrW(gStatusBar, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    return widest + kPartPadding + (grip ? GetSystemMetrics(SM_CXVSCROLL) : 0);
}

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
    StatusBarEdges parts = StatusBarPartEdges(client.right - client.left, ClockPartWidth());
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
