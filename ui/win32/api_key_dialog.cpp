// The API key dialog and the key file.
#include "ui/win32/api_key_dialog.h"

#include "sources/win32/text_cp1250.h"
#include "ui/api_key.h"
#include "ui/game_dialog_ids.h"
#include "ui/startup.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"

int (*gApiKeyMessageBox)(HWND, const char*, const char*, UINT) = MessageBoxCp1250;

namespace {

std::string* gAskedKey = nullptr;  // the caller's key text while the dialog is open

// The edit's text in UTF-8; ApiKeyFromTyped cuts it to the bytes kept.
std::string TypedKey(HWND dialog)
{
    wchar_t wide[kApiKeyChars + 1] = {};
    const int length = GetDlgItemTextW(dialog, kApiKeyEdit, wide, kApiKeyChars + 1);
    if (length <= 0) return std::string();
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

void OnSave(HWND dialog)
{
    const std::string key = ApiKeyFromTyped(TypedKey(dialog));
    if (key.empty()) {
        gApiKeyMessageBox(dialog, kApiKeyEmpty, kApiKeyCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    *gAskedKey = key;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK ApiKeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextCp1250(dialog, kApiKeyExplanation, ApiKeyExplanation().c_str());
        SetDlgItemTextCp1250(dialog, kApiKeyNote, kApiKeyNoteText);
        SendDlgItemMessageW(dialog, kApiKeyEdit, EM_LIMITTEXT, kApiKeyChars, 0);
        SetFocus(GetDlgItem(dialog, kApiKeyEdit));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnSave(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

bool AskApiKey(HWND owner, std::string& key)
{
    gAskedKey = &key;
    const INT_PTR ending = DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kApiKeyDialog), owner, GuardedDialogProc<ApiKeyDialogProc>, 0);
    gAskedKey = nullptr;
    if (ending != IDOK) return false;
    if (WriteApiKeyFile(ApiKeyPath(gGameFolder), key)) return true;
    gApiKeyMessageBox(owner, kApiKeyNotWritten, kApiKeyCaption, MB_OK | MB_ICONERROR);
    return false;
}
