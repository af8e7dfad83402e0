// The options dialog: its procedure, its pages and the call that opens it.
#include "ui/win32/options_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <string>

#include "sources/win32/text_cp1250.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/settings_file.h"
#include "ui/win32/tile_bitmaps.h"

namespace {

constexpr int kNumberTextSize = 32;
constexpr int kEditDigits = 9;  // more could not be held by an int

// The colour picker's custom colours, kept for the whole run.
COLORREF gCustomColours[16];

// Null until WM_INITDIALOG: the controls may talk to the dialog before it.
OptionsDialogState* State(HWND dialog)
{
    return reinterpret_cast<OptionsDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void Check(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetNumber(HWND dialog, int id, int value, bool isSigned)
{
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kEditDigits + (isSigned ? 1 : 0), 0);
    SetDlgItemInt(dialog, id, static_cast<UINT>(value), isSigned);
}

int Number(HWND dialog, int id, bool isSigned)
{
    char text[kNumberTextSize] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return ReadEditNumber(text, isSigned);
}

// Sound paths are 8-bit text of the system code page, as the settings file holds them.
std::string PathText(HWND dialog, int id)
{
    char text[kMaxSoundPath + 1] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int ChanceEdit(int cls, int sign) { return kFirstChanceEdit + 2 * cls + sign; }

void UpdatePreviewPauseEnabled(HWND dialog)
{
    bool routePause = IsChecked(dialog, kPauseRouteCheckBox);
    if (routePause) Check(dialog, kPausePreviewCheckBox, false);
    EnableWindow(GetDlgItem(dialog, kPausePreviewCheckBox), !routePause);
}

void ShowForm(HWND dialog, const OptionsForm& form)
{
    HWND trackbar = GetDlgItem(dialog, kSpeedTrackbar);
    SendMessageA(trackbar, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageA(trackbar, TBM_SETRANGEMAX, FALSE, SpeedRange());
    SendMessageA(trackbar, TBM_SETPOS, TRUE, form.speedPosition);
    Check(dialog, kRealTimeCheckBox, form.realTime);

    SetNumber(dialog, kLookAheadEdit, form.lookAhead, false);
    for (int cls = 0; cls < kChanceClassCount; ++cls)
        for (int sign = 0; sign < 2; ++sign) SetNumber(dialog, ChanceEdit(cls, sign), form.chances[cls][sign], sign == 0);

    Check(dialog, kPauseRouteCheckBox, form.pauseRoute);
    Check(dialog, kPausePreviewCheckBox, form.pausePreview);
    Check(dialog, kPauseInactiveCheckBox, form.pauseInactive);
    Check(dialog, kFixedPreviewCheckBox, form.fixedPreview);
    EnableWindow(GetDlgItem(dialog, kPausePreviewCheckBox), !form.pauseRoute);
    Check(dialog, form.firstTrains != 0 ? kFirstTrainsRadio : kAllTrainsRadio, true);
    SendDlgItemMessageA(dialog, kFirstTrainsEdit, EM_LIMITTEXT, 4, 0);
    if (form.firstTrains != 0) SetNumber(dialog, kFirstTrainsEdit, form.firstTrains, false);

    Check(dialog, kBackgroundCheckBox, form.background);

    Check(dialog, kMuteCheckBox, form.muted);
    for (int i = 0; i < kOptionsSoundCount; ++i) {
        Check(dialog, kOptionsSounds[i].checkBoxId, form.soundOn[i]);
        SendDlgItemMessageA(dialog, kOptionsSounds[i].pathId, EM_LIMITTEXT, kMaxSoundPath, 0);
        SetDlgItemTextA(dialog, kOptionsSounds[i].pathId, form.soundFile[i].c_str());
    }

    Check(dialog, kSuppliesCheckBox, form.supplies);
    SetNumber(dialog, kExtinguishEdit, form.extinguishHours, false);
    SetNumber(dialog, kFireUpEdit, form.fireUpHours, false);
    SetNumber(dialog, kWaterEdit, form.waterHours, false);
    SetNumber(dialog, kCoalEdit, form.coalHours, false);
    SetNumber(dialog, kFuelEdit, form.fuelHours, false);
}

OptionsForm ReadForm(HWND dialog, const OptionsDialogState& state)
{
    OptionsForm form;
    form.speedPosition = static_cast<int>(SendDlgItemMessageA(dialog, kSpeedTrackbar, TBM_GETPOS, 0, 0));
    form.lookAhead = Number(dialog, kLookAheadEdit, false);
    for (int cls = 0; cls < kChanceClassCount; ++cls)
        for (int sign = 0; sign < 2; ++sign) form.chances[cls][sign] = Number(dialog, ChanceEdit(cls, sign), sign == 0);
    form.pauseRoute = IsChecked(dialog, kPauseRouteCheckBox);
    form.pausePreview = IsChecked(dialog, kPausePreviewCheckBox);
    form.pauseInactive = IsChecked(dialog, kPauseInactiveCheckBox);
    form.fixedPreview = IsChecked(dialog, kFixedPreviewCheckBox);
    form.firstTrains = IsChecked(dialog, kAllTrainsRadio) ? 0 : Number(dialog, kFirstTrainsEdit, false);
    for (int i = 0; i < kOptionsColourCount; ++i) form.colours[i] = static_cast<int>(state.colours[i]);
    form.background = IsChecked(dialog, kBackgroundCheckBox);
    form.muted = IsChecked(dialog, kMuteCheckBox);
    for (int i = 0; i < kOptionsSoundCount; ++i) {
        form.soundOn[i] = IsChecked(dialog, kOptionsSounds[i].checkBoxId);
        form.soundFile[i] = PathText(dialog, kOptionsSounds[i].pathId);
    }
    form.supplies = IsChecked(dialog, kSuppliesCheckBox);
    form.extinguishHours = Number(dialog, kExtinguishEdit, false);
    form.fireUpHours = Number(dialog, kFireUpEdit, false);
    form.waterHours = Number(dialog, kWaterEdit, false);
    form.coalHours = Number(dialog, kCoalEdit, false);
    form.fuelHours = Number(dialog, kFuelEdit, false);
    return form;
}

void InsertTabs(HWND dialog)
{
    HWND tab = GetDlgItem(dialog, kOptionsTab);
    for (int page = 0; page < kOptionsPageCount; ++page) {
        std::wstring name = Cp1250ToWide(kOptionsTabNames[page]);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &name[0];
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    }
}

void OnCommand(HWND dialog, OptionsDialogState& state, int id)
{
    switch (id) {
    case kRealTimeCheckBox:
        SendDlgItemMessageA(dialog, kSpeedTrackbar, TBM_SETPOS, TRUE,
                            RealTimeSwitchPosition(IsChecked(dialog, kRealTimeCheckBox)));
        return;
    case kPauseRouteCheckBox: UpdatePreviewPauseEnabled(dialog); return;
    case kSuppliesCheckBox: UpdateSupplyControlsEnabled(dialog); return;
    case IDOK:
        ApplyOptionsDialog(dialog);
        EndDialog(dialog, IDOK);
        return;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    default: break;
    }
    for (int i = 0; i < kOptionsColourCount; ++i)
        if (id == kOptionsColours[i].buttonId)
            PickColour(dialog, state.colours[i], state.swatches[i], kOptionsColours[i].swatchId);
    for (const OptionsSound& sound : kOptionsSounds) {
        if (id == sound.browseId) BrowseSoundFile(dialog, sound.pathId, sound.checkBoxId);
        if (id == sound.playId) TestPlaySound(dialog, sound.pathId, sound.checkBoxId);
    }
}

// The colour the tab control fills its body with: the face colour in the
// classic look, lighter under a theme. Read from a picture of the control.
COLORREF TabBodyColour(HWND tab)
{
    RECT body;
    GetClientRect(tab, &body);
    int width = body.right;
    int height = body.bottom;
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
    ScopedWindowDC screen(tab);
    ScopedMemoryDC memory(screen.Get());
    ScopedBitmap picture(CreateCompatibleBitmap(screen.Get(), width, height));
    COLORREF colour = CLR_INVALID;
    if (memory.Get() && picture) {
        ScopedSelect select(memory.Get(), picture.Get());
        SendMessageA(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
        colour = GetPixel(memory.Get(), (body.left + body.right) / 2, (body.top + body.bottom) / 2);
    }
    return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

// The swatches are painted with their brushes; the other statics, check boxes
// and the trackbar sit on the tab's body. Edits keep their own colours.
INT_PTR StaticBrush(HWND dialog, const OptionsDialogState& state, HDC dc, HWND control)
{
    for (int i = 0; i < kOptionsColourCount; ++i)
        if (control == GetDlgItem(dialog, kOptionsColours[i].swatchId))
            return reinterpret_cast<INT_PTR>(state.swatches[i]);
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) return FALSE;
    SetBkColor(dc, state.pageColour);
    return reinterpret_cast<INT_PTR>(state.pageBrush.Get());
}

void OnDestroy(OptionsDialogState& state)
{
    for (HBRUSH& swatch : state.swatches) {
        if (swatch) DeleteObject(swatch);
        swatch = nullptr;
    }
}

}  // namespace

void RecreateSwatchBrush(HBRUSH& swatch, COLORREF colour)
{
    if (swatch) DeleteObject(swatch);
    swatch = CreateSolidBrush(colour);
}

void ShowOptionsPage(HWND dialog, int page)
{
    for (int p = 0; p < kOptionsPageCount; ++p)
        for (size_t i = 0; i < kOptionsPages[p].count; ++i)
            ShowWindow(GetDlgItem(dialog, kOptionsPages[p].ids[i]), p == page ? SW_SHOW : SW_HIDE);
}

void UpdateSupplyControlsEnabled(HWND dialog)
{
    bool on = IsChecked(dialog, kSuppliesCheckBox);
    for (int id = kFirstSupplyControl; id <= kLastSupplyControl; ++id) EnableWindow(GetDlgItem(dialog, id), on);
}

void InitOptionsDialog(HWND dialog, int page)
{
    OptionsDialogState& state = *State(dialog);
    InsertTabs(dialog);
    state.shown = ReadOptionsForm();
    ShowForm(dialog, state.shown);
    for (int i = 0; i < kOptionsColourCount; ++i) {
        state.colours[i] = static_cast<COLORREF>(state.shown.colours[i]);
        RecreateSwatchBrush(state.swatches[i], state.colours[i]);
    }
    state.pageColour = TabBodyColour(GetDlgItem(dialog, kOptionsTab));
    state.pageBrush.Reset(CreateSolidBrush(state.pageColour));
    UpdateSupplyControlsEnabled(dialog);
    if (page < 0 || page >= kOptionsPageCount) page = 0;
    SendDlgItemMessageA(dialog, kOptionsTab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    ShowOptionsPage(dialog, page);
}

void ApplyOptionsDialog(HWND dialog)
{
    OptionsDialogState& state = *State(dialog);
    if (ApplyOptionsForm(ReadForm(dialog, state), state.shown)) LoadTileBitmaps();
    InvalidateAllPanes();
}

void PickColour(HWND dialog, COLORREF& colour, HBRUSH& swatch, int swatchId)
{
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.rgbResult = colour;
    choice.lpCustColors = gCustomColours;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choice)) return;
    colour = choice.rgbResult;
    RecreateSwatchBrush(swatch, colour);
    InvalidateRect(GetDlgItem(dialog, swatchId), nullptr, TRUE);
}

void BrowseSoundFile(HWND dialog, int pathId, int checkBoxId)
{
    char file[kMaxSoundPath + 1] = {};
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Pliki dzwiekowe (*.wav)\0*.wav\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&open)) SetDlgItemTextA(dialog, pathId, file);
    Check(dialog, checkBoxId, true);
}

void TestPlaySound(HWND dialog, int pathId, int checkBoxId)
{
    std::string path = PathText(dialog, pathId);
    if (path.empty()) return;
    // An asynchronous PlaySound may answer before it opens the file, and without
    // SND_NODEFAULT a missing one plays the system sound: look for the file first.
    std::string file = ResolveDataPath(path);
    DWORD attributes = GetFileAttributesA(file.c_str());
    bool isFile = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (isFile && PlaySoundA(file.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT)) return;
    MessageBoxCp1250(dialog, "Błąd odczytu pliku dźwiękowego.", "Błąd odczytu", MB_OK);
    Check(dialog, checkBoxId, false);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* opened = reinterpret_cast<OptionsDialogState*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(opened));
        InitOptionsDialog(dialog, opened->page);
        return TRUE;
    }
    OptionsDialogState* state = State(dialog);
    if (!state) return FALSE;
    switch (message) {
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != kOptionsTab || header->code != TCN_SELCHANGE) return FALSE;
        ShowOptionsPage(dialog, static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
        return TRUE;
    }
    case WM_COMMAND: OnCommand(dialog, *state, LOWORD(wParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
        return StaticBrush(dialog, *state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY: OnDestroy(*state); return TRUE;
    default: return FALSE;
    }
}

INT_PTR OpenOptionsDialog(HWND owner, int page)
{
    OptionsDialogState state = {};
    state.page = page;
    return DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kOptionsDialog), owner, GuardedDialogProc<OptionsDialogProc>,
                           reinterpret_cast<LPARAM>(&state));
}
