// Win32 tests: what the player does in a modal dialog, run from a timer once
// the dialog's own message loop shows it; a dialog the script left open is
// closed with IDOK after (cancelled when an assertion stopped the script).
// No dialog is ever left open with nobody to close it: one that is not the
// awaited one, or still open long after the script ran, is closed from the
// timer, and whatever dialog of the process is still open when the test ends
// is closed then; each such dialog fails the test with its title.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using DialogScript = void (*)(HWND dialog);

struct DialogScriptState {
    std::wstring title;              ///< of the dialog looked for (a copy: callers pass temporaries)
    DialogScript script = nullptr;   ///< what is done in it
    bool ran = false;                ///< the dialog was found and the script run
    bool reported = false;           ///< a dialog that never opened is already a failure
    DWORD closeAt = 0;               ///< GetTickCount after which an open dialog is left behind
    UINT_PTR timer = 0;              ///< the armed timer, 0 once the script's watch is over
};

// Generous on a loaded machine: the awaited dialog may be slow to come, and
// a dialog still open this long after its script ran was left behind.
constexpr DWORD kDialogScriptWaitMs = 60000;
constexpr DWORD kDialogLeftOpenMs = 30000;
constexpr DWORD kDialogNeverDue = 0x7fffffff;  // the farthest GetTickCount ahead

inline DialogScriptState& CurrentDialogScript()
{
    static DialogScriptState state;
    return state;
}

inline std::string Utf8(const wchar_t* text)
{
    char utf8[600] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

inline std::string DialogTitle(HWND dialog)
{
    wchar_t title[200] = {};
    GetWindowTextW(dialog, title, 200);
    return Utf8(title);
}

// The shown dialogs (message boxes too) of this process.
inline std::vector<HWND> OpenDialogs()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM list) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Closes every open dialog, failing the test with each one's title: from
// inside a modal loop its dialog ends, at the end of a test it is destroyed.
inline bool CloseDialogsLeftOpen(const std::string& why, bool modal)
{
    const std::vector<HWND> open = OpenDialogs();
    for (HWND dialog : open) {
        ADD_FAILURE() << why << ": the dialog \"" << DialogTitle(dialog) << "\" was left open and is closed";
        if (modal) EndDialog(dialog, IDCANCEL);
        else DestroyWindow(dialog);
    }
    return !open.empty();
}

inline void EndDialogScriptWatch()
{
    DialogScriptState& state = CurrentDialogScript();
    if (state.timer) KillTimer(nullptr, state.timer);
    state.timer = 0;
}

inline void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR id, DWORD)
{
    DialogScriptState& state = CurrentDialogScript();
    if (id != state.timer) return;  // a script's timer that another has replaced
    const bool due = static_cast<LONG>(GetTickCount() - state.closeAt) >= 0;
    if (state.ran) {
        if (due) CloseDialogsLeftOpen("still open long after the script ran", true);
        return;
    }
    HWND dialog = FindWindowW(L"#32770", state.title.c_str());
    // The dialog shows itself once its queue is first empty: a timer due
    // earlier finds it hidden and unpainted. On a busy machine the timer may
    // also come due in a message loop run before the dialog is made: it waits
    // on, and the timer stays to close whatever dialog comes instead.
    if (dialog && IsWindowVisible(dialog)) {
        state.ran = true;
        state.closeAt = GetTickCount() + kDialogNeverDue;  // nothing is left behind while it runs
        state.script(dialog);
        // A dialog the script ended is hidden at once, though its window
        // stays until its loop returns. One stopped by a failed assertion is
        // cancelled: nothing half done is taken.
        if (IsWindow(dialog) && IsWindowVisible(dialog)) {
            if (testing::Test::HasFatalFailure()) EndDialog(dialog, IDCANCEL);
            else SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
        if (id == state.timer) state.closeAt = GetTickCount() + kDialogLeftOpenMs;
        return;
    }
    if (!due) return;
    const std::string awaited = "the dialog \"" + Utf8(state.title.c_str()) + "\" awaited by the script did not open in " +
                                std::to_string(kDialogScriptWaitMs / 1000) + " s";
    if (!CloseDialogsLeftOpen(awaited, true) && !state.reported) ADD_FAILURE() << awaited;
    state.reported = true;
}

// At the end of each test the script's watch ends and no dialog is left
// for the next test.
class DialogScriptListener : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override
    {
        EndDialogScriptWatch();
        CloseDialogsLeftOpen("at the end of the test", false);
    }
};

inline const bool kDialogScriptListening = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new DialogScriptListener);
    return true;
}();

// Arms the script for the next dialog titled `title`, ending the watch of
// the one before; returns the timer.
inline UINT_PTR ScheduleDialogScript(const wchar_t* title, DialogScript script)
{
    EndDialogScriptWatch();
    DialogScriptState& state = CurrentDialogScript();
    state = {title, script, false, false, GetTickCount() + kDialogScriptWaitMs, 0};
    state.timer = SetTimer(nullptr, 0, 10, RunDialogScript);
    return state.timer;
}

// Whether the script ran; asked once the dialog's call returned, it ends the watch.
inline bool DialogScriptRan()
{
    EndDialogScriptWatch();
    return CurrentDialogScript().ran;
}
