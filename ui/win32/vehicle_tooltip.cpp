// The vehicle tooltip window.
#include "ui/win32/vehicle_tooltip.h"

#include <commctrl.h>

#include "sources/win32/text_cp1250.h"

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 600;  // also makes the tooltip break its lines at "\n"

HWND gTip = nullptr;
HWND gTipOwner = nullptr;
std::string gShownText;  // the text the tool holds

TTTOOLINFOW ToolInfo(HWND owner)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = kToolInfoSize;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = kToolId;
    return tool;
}

}  // namespace

HWND CreateTooltipWindow(HWND owner)
{
    if (gTip && IsWindow(gTip) && gTipOwner == owner) return gTip;
    if (gTip && IsWindow(gTip)) DestroyWindow(gTip);
    gShownText.clear();
    gTipOwner = owner;
    gTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    if (!gTip) return nullptr;
    TTTOOLINFOW tool = ToolInfo(owner);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(gTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(gTip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return gTip;
}

void ShowTooltipAt(HWND owner, const std::string& text, int screenX, int screenY)
{
    if (!CreateTooltipWindow(owner)) return;
    TTTOOLINFOW tool = ToolInfo(owner);
    if (text != gShownText) {
        std::wstring wide = Cp1250ToWide(text.c_str());
        tool.lpszText = wide.data();
        SendMessageW(gTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        gShownText = text;
    }
    SendMessageW(gTip, TTM_TRACKPOSITION, 0, MAKELPARAM(screenX, screenY));
    SendMessageW(gTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void HideTooltip()
{
    gShownText.clear();
    if (!gTip || !IsWindow(gTip)) return;
    TTTOOLINFOW tool = ToolInfo(gTipOwner);
    SendMessageW(gTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

HWND TooltipWindow() { return gTip && IsWindow(gTip) ? gTip : nullptr; }
