// Win32 tests: what the player does in a modal dialog, run from a timer once
// the dialog's own message loop shows it; the dialog is closed with IDOK after.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

using DialogScript = void (*)(HWND dialog);

struct DialogScriptState {
    const wchar_t* title = nullptr;  ///< of the dialog looked for
    DialogScript script = nullptr;   ///< what is done in it
    bool ran = false;                ///< the dialog was found (or given up on) and the script run
    DWORD giveUpAt = 0;              ///< GetTickCount after which a dialog not open is a failure
};

inline DialogScriptState& CurrentDialogScript()
{
    static DialogScriptState state;
    return state;
}

inline void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR id, DWORD)
{
    DialogScriptState& state = CurrentDialogScript();
    HWND dialog = FindWindowW(L"#32770", state.title);
    // The dialog shows itself once its queue is first empty: a timer due
    // earlier finds it hidden and unpainted. On a busy machine the timer may
    // also come due in a message loop run before the dialog is made: it waits
    // on, or the dialog would stay open with nobody to close it.
    if (dialog ? !IsWindowVisible(dialog) : static_cast<LONG>(GetTickCount() - state.giveUpAt) < 0) return;
    KillTimer(nullptr, id);
    state.ran = true;
    if (!dialog) {
        ADD_FAILURE() << "the dialog is not open";
        return;
    }
    state.script(dialog);
    if (IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Arms the script for the next dialog titled `title`; returns the timer.
inline UINT_PTR ScheduleDialogScript(const wchar_t* title, DialogScript script)
{
    CurrentDialogScript() = {title, script, false, GetTickCount() + 10000};
    return SetTimer(nullptr, 0, 10, RunDialogScript);
}

inline bool DialogScriptRan() { return CurrentDialogScript().ran; }
