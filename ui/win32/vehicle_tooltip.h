// The tooltip of the train pane's vehicles: one tracking tooltip window,
// made on first use, topmost, owned by the pane, placed at absolute screen
// positions; its text is replaced only when it changes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>

// The tool's structure as the common controls of version 5 take it (version
// 6 takes it too): without the reserved member of later versions, whose
// larger size version 5 refuses.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);  // TTTOOLINFOW_V2_SIZE

HWND CreateTooltipWindow(HWND owner);  // the one window, made once for its owner
// Shows text (code page 1250, lines split by "\n") at a screen point; the
// window is made first when it does not exist.
void ShowTooltipAt(HWND owner, const std::string& text, int screenX, int screenY);
void HideTooltip();  // the tool deactivated and the remembered text forgotten
HWND TooltipWindow();  // null until made
