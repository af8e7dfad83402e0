// The remarks, the about box and the shift summary.
#include "ui/win32/info_dialogs.h"

#include <shellapi.h>

#include <string>

#include "model/game.h"
#include "simulation/train_tracking.h"
#include "sources/win32/text_cp1250.h"
#include "ui/game_dialog_ids.h"
#include "ui/shift_summary.h"
#include "ui/station_remarks.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"

const char kAboutWebAddress[] = "https://semarion.example.org/";
const char kAboutMailAddress[] = "kontakt@semarion.example.org";

HINSTANCE(WINAPI* gAboutShellOpen)(HWND, const char*, const char*, const char*, const char*, int) = ShellExecuteA;

namespace {

// OK and closing end these dialogs alike.
bool EndsDialog(HWND dialog, WPARAM wParam)
{
    if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return false;
    EndDialog(dialog, IDOK);
    return true;
}

void OpenLink(HWND dialog, int control)
{
    if (control == kAboutWebLink) gAboutShellOpen(dialog, "open", kAboutWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
    if (control == kAboutMailLink) {
        const std::string mail = std::string("mailto:") + kAboutMailAddress + "?subject=[Semarion]";
        gAboutShellOpen(dialog, "open", mail.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

INT_PTR Run(HWND owner, int dialog, DLGPROC procedure)
{
    return DialogBoxParamW(gInstance, MAKEINTRESOURCEW(dialog), owner, procedure, 0);
}

}  // namespace

INT_PTR CALLBACK RemarksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextCp1250(dialog, kRemarksEdit, gStationDescription.c_str());
        SendDlgItemMessageW(dialog, kRemarksEdit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        EndsDialog(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, kAboutWebLink, kAboutWebAddress);
        SetDlgItemTextA(dialog, kAboutMailLink, kAboutMailAddress);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) OpenLink(dialog, LOWORD(wParam));
        EndsDialog(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ShiftSummaryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        const Game& game = TheGame();
        const auto lines = ShiftSummaryTexts(GetScoreSummary(game), game.Now(), game.IsTestGame());
        for (int i = 0; i < kShiftSummaryLineCount; ++i)
            SetDlgItemTextCp1250(dialog, kShiftSummaryFirst + i, lines[static_cast<size_t>(i)].c_str());
        return TRUE;
    }
    case WM_COMMAND:
        EndsDialog(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenRemarksDialog(HWND owner) { Run(owner, kRemarksDialog, GuardedDialogProc<RemarksDialogProc>); }
void OpenAboutDialog(HWND owner) { Run(owner, kAboutDialog, GuardedDialogProc<AboutDialogProc>); }
void OpenShiftSummaryDialog(HWND owner) { Run(owner, kShiftSummaryDialog, GuardedDialogProc<ShiftSummaryDialogProc>); }
