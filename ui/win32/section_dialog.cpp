// The line-section window: its dialog procedure, its pane and the painter.
#include "ui/win32/section_dialog.h"

#include <string>

#include "model/game.h"
#include "sources/win32/text_cp1250.h"
#include "ui/layout.h"
#include "ui/section_queue.h"
#include "ui/ui_state.h"
#include "ui/win32/crash_handler.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/tool_dialog.h"

namespace {

constexpr int kPaneId = 441;
// The pane in dialog units, between the heading and the question.
constexpr RECT kPaneUnits = {7, 22, 7 + 406, 22 + 180};
constexpr int kAskModeControls[] = {kSectionQuestion, kSectionMinutesLabel, kSectionMinutes, kSectionWait};

void SetText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextW(dialog, id, Cp1250ToWide(text.c_str()).c_str());
}

void CreatePane(HWND dialog)
{
    RECT pane = kPaneUnits;
    MapDialogRect(dialog, &pane);
    CreateToolPane(dialog, "SemarionMijankaPane", kPaneId, 0, pane.left, pane.top, pane.right - pane.left,
                   pane.bottom - pane.top);
}

void OnInit(HWND dialog, bool askMode)
{
    CreatePane(dialog);
    for (int id : {kSectionHeading, kSectionQuestion})
        SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(UiFontOrDefault(FontId::kDialogSmallFont)),
                            FALSE);
    SetText(dialog, kSectionHeading,
            SectionHeading(TheGame(), gSectionRequest.entryTile, gSectionRequest.entryNumber));
    SetText(dialog, kSectionQuestion, askMode ? SectionQuestion(gSectionRequest.waitingTrain) : std::string());
    SetText(dialog, kSectionGrant, askMode ? "Zezwalam" : "OK");
    // four digits: anything longer is beyond the day the answer is bounded to
    SendDlgItemMessageA(dialog, kSectionMinutes, EM_LIMITTEXT, 4, 0);
    for (int id : kAskModeControls) ShowWindow(GetDlgItem(dialog, id), askMode ? SW_SHOW : SW_HIDE);
    gSectionRequest.answer = 0;
}

std::string TypedMinutes(HWND dialog)
{
    char text[16] = "";
    GetDlgItemTextA(dialog, kSectionMinutes, text, sizeof text);
    return text;
}

void OnCommand(HWND dialog, int id)
{
    if (id == kSectionGrant || id == IDCANCEL) {
        gSectionRequest.answer = 0;
        EndDialog(dialog, id);
    } else if (id == kSectionWait) {
        gSectionRequest.answer = WaitingMinutes(TypedMinutes(dialog));
        EndDialog(dialog, id);
    }
}

SIZE QueueLogicalSize(int width, int height)
{
    const QueuePaneSize size = SectionPaneLogicalSize(width, height, gUiScale);
    return {size.width, size.height};
}

}  // namespace

void PaintSectionPane(HDC dc, int width, int height)
{
    FillSolid(dc, RECT{0, 0, width, height}, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::vector<QueueRow> rows = SectionQueueRows(TheGame(), gSectionRequest.entryTile);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int y = static_cast<int>(i) * kQueueRowHeight;
        {
            ScopedSelect bold(dc, UiFontOrDefault(FontId::kLabelBoldFont));
            DrawTextAt(dc, 0, y, rows[i].number.c_str());
        }
        ScopedSelect regular(dc, UiFontOrDefault(FontId::kLabelFont));
        for (const QueueCell& cell : rows[i].cells) DrawTextAt(dc, cell.x, y, cell.text.c_str());
    }
}

LRESULT CALLBACK SectionPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return PaneProcWithPainter(window, message, wParam, lParam, PaintSectionPane);
    PaintDoubleBuffered(window, PaintSectionPane, QueueLogicalSize);
    return 0;
}

INT_PTR CALLBACK SectionPermissionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, lParam != 0);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenSectionPermissionDialog(HWND owner, int askMode)
{
    gSectionRequest.answer = 0;  // a dialog that cannot open lets the train on, as Esc does
    DialogBoxParamW(gInstance, MAKEINTRESOURCEW(kSectionDialog), owner, GuardedDialogProc<SectionPermissionDialogProc>, askMode);
}
