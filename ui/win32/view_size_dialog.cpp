// The view size dialog: its procedure and the call that opens it.
#include "ui/win32/view_size_dialog.h"

#include <commctrl.h>

#include "sources/win32/text_cp1250.h"
#include "ui/settings.h"
#include "ui/view_sizes.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_layout.h"
#include "ui/win32/panes.h"

namespace {

void ShowPosition(HWND dialog, const ViewSizeSlider& slider, int position)
{
    SetDlgItemTextW(dialog, slider.labelId, Cp1250ToWide(PercentLabel(position).c_str()).c_str());
}

void OnInit(HWND dialog, const ViewSizeSnapshot& kept)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&kept));
    CheckDlgButton(dialog, kWholeConsistsCheckBox, kept.caleSklady ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kTrackLabelsCheckBox, kept.opisyTorow ? BST_CHECKED : BST_UNCHECKED);
    for (const ViewSizeSlider& slider : kViewSizeSliders) {
        HWND trackbar = GetDlgItem(dialog, slider.trackbarId);
        int position = SliderPosition(gSettings.*slider.value);
        SendMessageA(trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(slider.low, slider.high));
        SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
        ShowPosition(dialog, slider, position);
    }
}

// Every slider is read, whichever moved: the view follows them all.
void OnSliderMoved(HWND dialog)
{
    for (const ViewSizeSlider& slider : kViewSizeSliders) {
        int position = static_cast<int>(SendDlgItemMessageA(dialog, slider.trackbarId, TBM_GETPOS, 0, 0));
        ShowPosition(dialog, slider, position);
        gSettings.*slider.value = position / 100.0;
    }
    LayoutPanes();
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case kWholeConsistsCheckBox:
        gSettings.caleSklady = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        InvalidateAllPanes();
        gWindowServices.invalidateToolPanes();
        break;
    case kTrackLabelsCheckBox:
        gSettings.opisyTorow = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        InvalidateAllPanes();
        break;
    case IDOK:
        SaveSettings();
        EndDialog(dialog, IDOK);
        break;
    case IDCANCEL:
        RestoreViewSizes(*reinterpret_cast<const ViewSizeSnapshot*>(GetWindowLongPtrA(dialog, DWLP_USER)),
                         gSettings);
        LayoutPanes();
        EndDialog(dialog, IDCANCEL);
        break;
    default:
        break;
    }
}

}  // namespace

INT_PTR CALLBACK ViewSizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, *reinterpret_cast<const ViewSizeSnapshot*>(lParam));
        return TRUE;
    case WM_HSCROLL:
        OnSliderMoved(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR OpenViewSizeDialog(HWND owner)
{
    ViewSizeSnapshot kept = TakeViewSizes(gSettings);
    return DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kViewSizeDialog), owner, GuardedDialogProc<ViewSizeDialogProc>,
                           reinterpret_cast<LPARAM>(&kept));
}
