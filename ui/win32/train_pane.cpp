// The train pane: the plan of the strip drawn with the pictures, the preview
// fonts, the level bars and a dashed pen.
#include "ui/win32/train_pane.h"

#include <vector>

#include "model/game.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/settings.h"
#include "ui/train_pane.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/h_scroll_bar.h"
#include "ui/win32/pane_paint.h"
#include "ui/win32/panes.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

TrainPaneMouseHandler gMouseHandler = nullptr;

HFONT PaneFontHandle(PaneFont font)
{
    switch (font) {
    case PaneFont::kItalic: return UiFontOrDefault(FontId::kPreviewItalicFont);
    case PaneFont::kBold: return UiFontOrDefault(FontId::kPreviewBoldFont);
    case PaneFont::kSmall: return UiFontOrDefault(FontId::kPreviewSmallFont);
    default: return UiFontOrDefault(FontId::kPreviewFont);
    }
}

int32_t TextWidth(HDC dc, PaneFont font, const std::string& text)
{
    ScopedSelect select(dc, PaneFontHandle(font));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The selected point while a game runs; -1 when nothing, or no point, is selected.
int32_t SelectedStripPoint(Game& game)
{
    if (!gUi.gameRunning || gSelection.selectedTile == 0) return -1;
    return game.FindPointByTile(gSelection.selectedTile);
}

void DrawPlan(HDC dc, const TrainPanePlan& plan, const TrainPaneView& view)
{
    const bool transparent = static_cast<COLORREF>(gSettings.podgladSkladow) != kTransparentWhite;
    for (const PanePicture& picture : plan.pictures)
        DrawVehicleStrip(dc, view.point, picture.slot, picture.x, 0, transparent, view.scroll, view.scale);
    SetBkMode(dc, TRANSPARENT);
    for (const PaneText& text : plan.texts) {
        ScopedSelect select(dc, PaneFontHandle(text.font));
        SetTextColor(dc, static_cast<COLORREF>(text.colour));
        DrawTextAt(dc, text.x, text.y, text.text.c_str());
    }
    for (const PaneBar& bar : plan.bars) DrawLevelBar(dc, bar.x, bar.y, bar.width, bar.height, bar.percent, bar.state);
    if (plan.separators.empty()) return;
    ScopedPen pen(CreatePen(PS_DASH, 1, static_cast<COLORREF>(kPaneSeparatorColour)));
    ScopedSelect select(dc, pen.Get());
    for (const PaneSeparator& line : plan.separators) {
        MoveToEx(dc, line.x, line.top, nullptr);
        LineTo(dc, line.x, line.bottom);
    }
}

}  // namespace

void PaintTrainPane(HDC dc, int width, int height)
{
    gVehicleHitRanges = VehicleHitRanges();
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(gSettings.podgladSkladow));
    Game& game = TheGame();
    FollowSelectedTile(gTrainPaneScroll, gSelection.selectedTile);
    TrainPaneView view;
    view.point = SelectedStripPoint(game);
    view.scale = StationFontScale(gUiScale);
    view.height = height;
    if (view.point >= 0)
        for (int32_t slot = 0; slot < VehiclesOnPoint(game, view.point); ++slot)
            view.widths.push_back(DrawVehicleStrip(nullptr, view.point, slot, 0, 0, false, 0, view.scale));
    gTrainPaneScroll.pos = SetHScrollRange(gTrainPane, TrainPaneContentWidth(game, view), gTrainPaneScroll.pos);
    view.scroll = gTrainPaneScroll.pos;
    if (view.point < 0) return;
    const TrainPanePlan plan =
        PlanTrainPane(game, view, [dc](PaneFont font, const std::string& text) { return TextWidth(dc, font, text); });
    DrawPlan(dc, plan, view);
    gVehicleHitRanges = plan.hits;
}

LRESULT CALLBACK TrainPaneWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleHScroll(window, message, wParam, gTrainPaneScroll.pos)) return 0;
    if (gMouseHandler && gMouseHandler(window, message, wParam, lParam)) return 0;
    return PaneProcWithPainter(window, message, wParam, lParam, PaintTrainPane);
}

TrainPaneMouseHandler SetTrainPaneMouseHandler(TrainPaneMouseHandler handler)
{
    const TrainPaneMouseHandler old = gMouseHandler;
    gMouseHandler = handler;
    return old;
}

void RepaintTrainPane()
{
    if (gTrainPane) InvalidateRect(gTrainPane, nullptr, FALSE);
}
