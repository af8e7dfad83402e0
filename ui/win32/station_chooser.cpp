// The station chooser dialog and the open-file dialog it falls back to.
#include "ui/win32/station_chooser.h"

#include <commdlg.h>

#include "sources/station_catalogue.h"
#include "sources/station_choice.h"
#include "sources/win32/text_cp1250.h"
#include "ui/startup.h"
#include "ui/station_thumb.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"
#include "ui/win32/station_thumb_paint.h"

std::wstring gChosenTimetable;
WNDPROC gSearchEditPreviousProc;

namespace {

constexpr int kSearchChars = 127;
constexpr INT_PTR kChooseFile = -1;

bool OpenTimetableFile(HWND owner, const std::wstring& folder, std::wstring& path)
{
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Rozklad (*.roz)\0*.roz\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = L"Wskaż dowolny rozkład tej stacji";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) return false;
    path = file;
    return true;
}

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

int ListSelection(HWND dialog, int id) { return static_cast<int>(SendMessageW(Item(dialog, id), LB_GETCURSEL, 0, 0)); }

int ListCount(HWND dialog, int id) { return static_cast<int>(SendMessageW(Item(dialog, id), LB_GETCOUNT, 0, 0)); }

void OnInit(HWND dialog, const wchar_t* title)
{
    if (title) SetWindowTextW(dialog, title);
    FillStationList(dialog, std::wstring());
    HWND edit = Item(dialog, kStationSearchEdit);
    gSearchEditPreviousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditSubclassProc)));
    SetFocus(edit);
}

void OnSearchChanged(HWND dialog)
{
    wchar_t filter[kSearchChars + 1] = {};
    GetDlgItemTextW(dialog, kStationSearchEdit, filter, kSearchChars + 1);
    FillStationList(dialog, filter);
}

void OnTake(HWND dialog)
{
    if (ListSelection(dialog, kStationList) < 0) {
        const char* text = ListCount(dialog, kStationList) > 0 ? "Wybierz stacje z listy."
                                                               : "Zadna stacja nie pasuje do wpisanego tekstu.";
        gStationChooserCalls.messageBox(dialog, text, "Rozkład na dziś", MB_OK | MB_ICONINFORMATION);
        SetFocus(Item(dialog, kStationSearchEdit));
        return;
    }
    gChosenTimetable = SelectedTimetablePath(dialog);
    if (!gChosenTimetable.empty()) EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id, int code)
{
    switch (id) {
    case kStationSearchEdit:
        if (code == EN_CHANGE) OnSearchChanged(dialog);
        break;
    case kStationList:
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) FillLayoutList(dialog);
        if (code == LBN_DBLCLK) OnTake(dialog);
        break;
    case kLayoutList:
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) UpdateStationInfoText(dialog);
        if (code == LBN_DBLCLK) OnTake(dialog);
        break;
    case IDOK:
        OnTake(dialog);
        break;
    case kTimetableFileButton:
        EndDialog(dialog, kChooseFile);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    default:
        break;
    }
}

}  // namespace

StationChooserCalls gStationChooserCalls = {MessageBoxCp1250, OpenTimetableFile};

std::wstring ChooseStationTimetable(HWND owner, const char* title)
{
    BuildStationCatalogue(AnsiToWide(gGameFolder));
    const std::wstring wideTitle = Cp1250ToWide(title);
    const INT_PTR result =
        gStationCatalogue.empty()
            ? kChooseFile
            : DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kStationChooserDialog), owner,
                              GuardedDialogProc<StationChooserDialogProc>,
                              reinterpret_cast<LPARAM>(wideTitle.empty() ? nullptr : wideTitle.c_str()));
    if (result >= 1) return gChosenTimetable;
    if (result == 0) return std::wstring();
    std::wstring path;
    const std::wstring folder = AnsiToWide(gGameFolder) + L"\\Stacje";
    return gStationChooserCalls.openTimetableFile(owner, folder, path) ? path : std::wstring();
}

INT_PTR CALLBACK StationChooserDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, reinterpret_cast<const wchar_t*>(lParam));
        return FALSE;  // the focus is set: on the search box
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != kStationThumb) return FALSE;
        DrawStationThumb(item->hDC, item->rcItem);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

LRESULT CALLBACK SearchEditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN) {
        const int delta = wParam == VK_UP ? -1 : wParam == VK_DOWN ? 1 : wParam == VK_PRIOR ? -10
                        : wParam == VK_NEXT ? 10 : 0;
        if (delta != 0) {
            HWND dialog = GetParent(edit);
            HWND list = Item(dialog, kStationList);
            const int count = ListCount(dialog, kStationList);
            if (count > 0) {
                const int selection = MovedSelection(ListSelection(dialog, kStationList), delta, count);
                SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kStationList, LBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }
            return 0;
        }
    }
    return CallWindowProcW(gSearchEditPreviousProc, edit, message, wParam, lParam);
}

void FillStationList(HWND dialog, const std::wstring& filter)
{
    HWND list = Item(dialog, kStationList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < gStationCatalogue.size(); ++i) {
        if (!StationMatchesFilter(gStationCatalogue[i].folderName, filter)) continue;
        const LRESULT item =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gStationCatalogue[i].folderName.c_str()));
        if (item >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    FillLayoutList(dialog);
}

void FillLayoutList(HWND dialog)
{
    HWND list = Item(dialog, kLayoutList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const int station = SelectedStationIndex(dialog);
    if (station >= 0) {
        for (const LayoutEntry& layout : gStationCatalogue[static_cast<size_t>(station)].layouts)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LayoutLineText(layout).c_str()));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    UpdateStationInfoText(dialog);
}

void UpdateStationInfoText(HWND dialog)
{
    LoadLayoutPreview(dialog);
    const int station = SelectedStationIndex(dialog);
    const std::wstring text = station < 0 ? std::wstring()
                                          : StationInfoText(gStationCatalogue[static_cast<size_t>(station)],
                                                            SelectedTimetablePath(dialog));
    SetDlgItemTextW(dialog, kStationInfoText, text.c_str());
}

void LoadLayoutPreview(HWND dialog)
{
    LoadStationThumb(LayoutStationFile(SelectedTimetablePath(dialog)));
    InvalidateRect(Item(dialog, kStationThumb), nullptr, FALSE);
}

int SelectedStationIndex(HWND dialog)
{
    const int selection = ListSelection(dialog, kStationList);
    if (selection < 0) return -1;
    const LRESULT data = SendMessageW(Item(dialog, kStationList), LB_GETITEMDATA, static_cast<WPARAM>(selection), 0);
    if (data < 0 || static_cast<size_t>(data) >= gStationCatalogue.size()) return -1;
    return static_cast<int>(data);
}

std::wstring SelectedTimetablePath(HWND dialog)
{
    const int station = SelectedStationIndex(dialog);
    if (station < 0) return std::wstring();
    return ChosenTimetable(gStationCatalogue[static_cast<size_t>(station)], ListSelection(dialog, kLayoutList));
}
