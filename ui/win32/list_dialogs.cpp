// The coming half hour and the event log: their lists, timers and layout.
#include "ui/win32/list_dialogs.h"

#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/event_log.h"
#include "sources/win32/draft_file.h"
#include "sources/win32/text_cp1250.h"
#include "ui/game_dialog_ids.h"
#include "ui/game_dialog_texts.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/main_window.h"
#include "ui/win32/settings_file.h"

int (*gEventLogMessageBox)(HWND, const char*, const char*, UINT) = MessageBoxCp1250;

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kUpcomingRefreshMs = 5000;
constexpr UINT kEventLogRefreshMs = 1000;
constexpr int kMargin = 5;
constexpr int kBelowList = 28;     ///< room for the buttons under the list
constexpr int kButtonHeight = 20;
constexpr int kButtonsAbove = 25;  ///< buttons' top above the client's bottom
constexpr int kMaxMeasuredChars = 1000;

int gListedLogTotal = 0;  // the log's running total up to which the open event log lists

void AppendLines(HWND list, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Cp1250ToWide(line.c_str()).c_str()));
}

// The list at the top, the buttons (id, x, width) in a row under it.
struct ButtonPlace {
    int id;     ///< control
    int x;      ///< left edge
    int width;  ///< pixels
};

void LayoutList(HWND dialog, int listId, int width, int height, const ButtonPlace* buttons, size_t count)
{
    MoveWindow(GetDlgItem(dialog, listId), kMargin, kMargin, width - 2 * kMargin, height - kMargin - kBelowList,
               TRUE);
    for (size_t i = 0; i < count; ++i)
        MoveWindow(GetDlgItem(dialog, buttons[i].id), buttons[i].x, height - kButtonsAbove, buttons[i].width,
                   kButtonHeight, TRUE);
}

// The list redraws once, after its lines have changed.
void EndListUpdate(HWND list)
{
    SetListBoxHorizontalExtent(list);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void EndWithTimer(HWND dialog)
{
    KillTimer(dialog, kRefreshTimer);
    EndDialog(dialog, IDOK);
}

}  // namespace

void SetListBoxHorizontalExtent(HWND list)
{
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::wstring line;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 1 || length > kMaxMeasuredChars) continue;
        line.assign(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&line[0]));
        SIZE size = {};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(length), &size);
        if (size.cx > widest) widest = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 16), 0);
}

void FillUpcomingList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kUpcomingList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    AppendLines(list, UpcomingLines(TheGame()));
    EndListUpdate(list);
}

INT_PTR CALLBACK UpcomingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(dialog, kUpcomingList, WM_SETFONT, static_cast<WPARAM>(lParam), FALSE);
        FillUpcomingList(dialog);
        SetTimer(dialog, kRefreshTimer, kUpcomingRefreshMs, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam == kRefreshTimer) FillUpcomingList(dialog);
        return TRUE;
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const ButtonPlace close = {IDOK, width / 2 - 30, 60};
        LayoutList(dialog, kUpcomingList, width, HIWORD(lParam), &close, 1);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndWithTimer(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenUpcomingDialog(HWND owner)
{
    // The columns line up only in a fixed-pitch font.
    ScopedFont font(CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Consolas"));
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kUpcomingDialog), owner, GuardedDialogProc<UpcomingDialogProc>,
                    reinterpret_cast<LPARAM>(font.Get()));
}

void RefreshEventLogList(HWND dialog)
{
    if (LogTotal() == gListedLogTotal) return;
    HWND list = GetDlgItem(dialog, kEventLogList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    AppendLines(list, NewEventLogLines(gListedLogTotal));
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count > 0) SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(count - 1), 0);
    EndListUpdate(list);
}

void SaveEventLogToFile(HWND dialog)
{
    const std::string path = LogExportPath(GetExeFolder());
    const std::string draft = path + kDraftSuffix;
    if (ReplaceWithDraft(AnsiToWide(draft), AnsiToWide(path), ExportLog(draft)))
        gEventLogMessageBox(dialog, (kEventLogSaved + path).c_str(), kEventLogCaption, MB_OK | MB_ICONINFORMATION);
    else
        gEventLogMessageBox(dialog, kEventLogNotSaved, kEventLogCaption, MB_OK | MB_ICONERROR);
}

INT_PTR CALLBACK EventLogDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        gListedLogTotal = 0;
        RefreshEventLogList(dialog);
        SetTimer(dialog, kRefreshTimer, kEventLogRefreshMs, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam == kRefreshTimer) RefreshEventLogList(dialog);
        return TRUE;
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const ButtonPlace buttons[] = {{kEventLogSave, width / 2 - 100, 90}, {IDOK, width / 2 + 10, 60}};
        LayoutList(dialog, kEventLogList, width, HIWORD(lParam), buttons, 2);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kEventLogSave) SaveEventLogToFile(dialog);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndWithTimer(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenEventLogDialog(HWND owner)
{
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kEventLogDialog), owner, GuardedDialogProc<EventLogDialogProc>, 0);
}
