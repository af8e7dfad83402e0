// The track labels' drawing: measured texts, placed codes and the columns.
#include "ui/win32/track_labels_paint.h"

#include <algorithm>

#include "model/game.h"
#include "ui/font_table.h"
#include "ui/level_bar.h"
#include "ui/station_view.h"
#include "ui/tile_pictures.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"

namespace {

// The label font, or the base interface font when it does not exist.
HFONT LabelFont()
{
    HFONT font = UiFont(FontId::kPreviewFont);
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT LabelBoldFont()
{
    HFONT font = UiFont(FontId::kPreviewBoldFont);
    return font ? font : LabelFont();
}

SIZE TextSize(HDC dc, const std::string& text)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void DrawClosedLine(HDC dc, const TrackLabelSpot& spot, double scale)
{
    ScopedPen pen(CreatePen(PS_SOLID, static_cast<int>(2 * scale) + 1, static_cast<COLORREF>(kLabelClosedColour)));
    ScopedSelect select(dc, pen.Get());
    const int y = spot.y + static_cast<int>(kTileSize * scale / 2);
    MoveToEx(dc, spot.x1, y, nullptr);
    LineTo(dc, spot.x2, y);
}

void PlaceAndDraw(HDC dc, std::vector<ViewRect>& placed, const TrackLabelSpot& spot, const std::string& text,
                  bool onLeft)
{
    const SIZE size = TextSize(dc, text);
    const ViewRect at = PlaceLabel(placed, spot, size.cx, size.cy, onLeft, gStationView.scale);
    DrawHaloText(dc, at.left, at.top, text, static_cast<COLORREF>(spot.colour));
}

}  // namespace

void DrawTrackLabels(HDC dc, const TrackLabelPlan& plan, int width, int height)
{
    if (!plan.drawn) return;
    ScopedSelect selectFont(dc, LabelFont());
    SetBkMode(dc, TRANSPARENT);
    std::vector<ViewRect> placed;
    for (const TrackLabelSpot& spot : plan.spots) {
        if (spot.closed) DrawClosedLine(dc, spot, gStationView.scale);
        PlaceAndDraw(dc, placed, spot, spot.leftText, true);
        if (!spot.rightText.empty()) PlaceAndDraw(dc, placed, spot, spot.rightText, false);
    }
    SetTextColor(dc, RGB(0, 0, 0));
    DrawLabelColumn(dc, plan.leftRows, true, width, height);
    DrawLabelColumn(dc, plan.rightRows, false, width, height);
}

void DrawHaloText(HDC dc, int x, int y, const std::string& text, COLORREF colour)
{
    SetTextColor(dc, static_cast<COLORREF>(kLabelHaloColour));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) DrawTextAt(dc, x + dx, y + dy, text.c_str());
    SetTextColor(dc, colour);
    DrawTextAt(dc, x, y, text.c_str());
}

void DrawLabelColumn(HDC dc, const std::vector<TrackLabelRow>& rows, bool left, int width, int height)
{
    HFONT regular = LabelFont();
    HFONT bold = LabelBoldFont();
    ScopedSelect selectFont(dc, regular);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + 1;
    const int shown = LabelColumnRows(static_cast<int>(rows.size()), lineHeight, height);
    if (shown == 0) return;
    int widestName = 0, widestDetail = 0;
    for (int i = 0; i < shown; ++i)
        widestDetail = std::max(widestDetail, static_cast<int>(TextSize(dc, FormatLabelDetail(rows[i])).cx));
    SelectObject(dc, bold);
    for (int i = 0; i < shown; ++i)
        widestName = std::max(widestName, static_cast<int>(TextSize(dc, rows[i].name).cx));
    const LabelColumnLayout layout = LayoutLabelColumn(shown, widestName, widestDetail, lineHeight, width, left);
    const RECT box = {layout.box.left, layout.box.top, layout.box.right, layout.box.bottom};
    FillSolid(dc, box, static_cast<COLORREF>(kColumnFill));
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    for (int i = 0; i < shown; ++i) {
        const TrackLabelRow& row = rows[static_cast<size_t>(i)];
        const int y = layout.top + i * lineHeight;
        const COLORREF rowColour = static_cast<COLORREF>(LabelRowColour(row));
        SelectObject(dc, bold);
        SetTextColor(dc, rowColour);
        DrawTextAt(dc, layout.x, y, row.name.c_str());
        SelectObject(dc, regular);
        const std::vector<LabelItem> items = BuildLabelItems(row);
        const size_t mainItem = row.frontWarnings.size();
        int x = layout.x + layout.nameColumn;
        for (size_t k = 0; k < items.size(); ++k) {
            SetTextColor(dc, k == mainItem ? rowColour : static_cast<COLORREF>(StateColour(items[k].severity)));
            DrawTextAt(dc, x, y, items[k].text.c_str());
            x += TextSize(dc, k + 1 < items.size() ? items[k].text + "  " : items[k].text).cx;
        }
    }
}
