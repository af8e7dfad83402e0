// The new game's options dialog.
#include "ui/win32/new_game_dialog.h"

#include "model/game.h"
#include "sources/win32/text_cp1250.h"
#include "ui/game_dialog_ids.h"
#include "ui/game_dialog_texts.h"
#include "ui/station_remarks.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/info_dialogs.h"
#include "ui/win32/main_window.h"
#include "ui/win32/status_bar.h"

namespace {

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void OnInit(HWND dialog)
{
    SetDlgItemTextCp1250(dialog, kNewGameStation, NewGameStationText(TheGame()).c_str());
    CheckDlgButton(dialog, kNewGamePreview, TheGame().HasCompositions() ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, kNewGameRemarks), !gStationDescription.empty());
}

void Apply(HWND dialog)
{
    TheGame().AllowShedTransfers(Checked(dialog, kNewGameShedTransfers) ? 1 : 0);
    TheGame().SetTestGame(Checked(dialog, kNewGameTestGame));
    UpdateStatusBar();
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK NewGameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kNewGameRemarks) OpenRemarksDialog(dialog);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Apply(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenNewGameDialog(HWND owner)
{
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kNewGameDialog), owner, GuardedDialogProc<NewGameDialogProc>, 0);
}
