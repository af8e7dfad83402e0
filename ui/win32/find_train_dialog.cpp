// The train search dialog.
#include "ui/win32/find_train_dialog.h"

#include <string>

#include "model/game.h"
#include "simulation/train_search.h"
#include "sources/win32/text_cp1250.h"
#include "ui/game_dialog_ids.h"
#include "ui/game_dialog_texts.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"

namespace {

// The typed number in code page 1250, at most kTrainNumberChars characters
// (one byte each there); what the code page lacks becomes "?".
std::string TypedNumber(HWND dialog)
{
    wchar_t wide[kTrainNumberChars + 1] = {};
    GetDlgItemTextW(dialog, kFindTrainEdit, wide, kTrainNumberChars + 1);
    char text[kTrainNumberChars + 1] = {};
    WideCharToMultiByte(1250, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void Search(HWND dialog)
{
    const std::string typed = TypedNumber(dialog);
    const FindTrainResult found = TrainInfoText(TheGame(), typed.c_str());
    SetDlgItemTextCp1250(dialog, kFindTrainResult, FindTrainAnswer(found, typed.c_str()).c_str());
    if (found.train < 0 || found.tile == 0) return;
    gSelection.selectedTile = found.tile;
    gSelection.routeLaying = false;
    gSelection.candidatesShown = false;
    InvalidateAllPanes();
    SetStatusText(1, FoundTrainStatusLine(found).c_str());
}

}  // namespace

INT_PTR CALLBACK FindTrainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(dialog, kFindTrainEdit, EM_LIMITTEXT, kTrainNumberChars, 0);
        SetFocus(GetDlgItem(dialog, kFindTrainEdit));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) Search(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenFindTrainDialog(HWND owner)
{
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kFindTrainDialog), owner, GuardedDialogProc<FindTrainDialogProc>, 0);
}
