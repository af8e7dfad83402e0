// The station schematic pane's painter.
#include "ui/win32/station_view_paint.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "ui/event_box.h"
#include "ui/font_table.h"
#include "ui/settings.h"
#include "ui/station_view.h"
#include "ui/track_labels.h"
#include "ui/tile_pictures.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/kept_picture.h"
#include "ui/win32/schematic_canvas.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/track_labels_paint.h"

namespace {

StationBackgroundSource gBackgroundSource = [] { return StationBackground(); };

// Everything the filled pane with its schematic is drawn from.
struct SchematicInputs {
    int width = 0, height = 0;
    ViewPlacement place;
    SchematicSource source;
    std::string station;

    bool operator==(const SchematicInputs& o) const
    {
        return width == o.width && height == o.height && place.dstX == o.place.dstX && place.dstY == o.place.dstY &&
               place.dstW == o.place.dstW && place.dstH == o.place.dstH && place.scale == o.place.scale &&
               source == o.source && station == o.station;
    }
};

// What the labels and the event box over the schematic are drawn from.
struct OverlayInputs {
    TrackLabelPlan labels;
    std::vector<EventBoxLine> events;
    int32_t fonts = 0;  ///< FontsGeneration

    bool operator==(const OverlayInputs& o) const
    {
        return labels == o.labels && events == o.events && fonts == o.fonts;
    }
};

// What a painter keeps from paint to paint: what the pane was drawn from
// (the schematic, labels and event box) and the composed schematic.
struct KeptPane {
    KeptPicture<std::pair<SchematicInputs, OverlayInputs>> pane;
    SchematicCanvas schematic;
};

KeptPane gKept;  ///< the pane's

HFONT EventBoxFont()
{
    HFONT font = UiFont(FontId::kPreviewSmallFont);
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The running game's pane: schematic, labels and event box, drawn again only
// when what they show has changed; the schematic composes again only the
// tiles that changed (ui/win32/schematic_canvas.h).
void PaintRunningView(KeptPane& pictures, HDC dc, bool kept, Game& game, int width, int height)
{
    const ViewRegion region = StationViewRegion(game);
    const ViewPlacement place = FitStationView(gStationView, region, width, height, gSettings.rozmiarSchematu);
    const int64_t colour = gSettings.schematStacji;
    const StationBackground background = gSettings.tlo ? gBackgroundSource() : StationBackground();
    std::pair<SchematicInputs, OverlayInputs> now(
        SchematicInputs{width, height, place, SchematicSourceNow(game, region, colour, background), game.StationName()},
        OverlayInputs{PlanTrackLabels(game, gStationView, width, gUi.gameRunning, gSelection.selectedTile),
                      EventBoxLinesNow(gUi.gameRunning), FontsGeneration()});
    if (!pictures.pane.Redraw(dc, kept, std::move(now))) return;
    const std::pair<SchematicInputs, OverlayInputs>& drawn = pictures.pane.Drawn();
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(colour));
    // without its schematic the pane is not what it was drawn from: the next paint tries again
    if (!pictures.schematic.Draw(dc, drawn.first.source, place)) pictures.pane.Forget();
    DrawTrackLabels(dc, drawn.second.labels, width, height);
    DrawEventBox(dc, drawn.second.events, width, height);
}

}  // namespace

StationBackgroundSource SetStationBackgroundSource(StationBackgroundSource source)
{
    const StationBackgroundSource old = gBackgroundSource;
    gBackgroundSource = source ? source : [] { return StationBackground(); };
    return old;
}

namespace {

void PaintWith(KeptPane& pictures, HDC dc, int width, int height, bool kept)
{
    Game& game = TheGame();
    if (gUi.gameRunning && game.GridCols() >= 1 && game.GridRows() >= 1) {
        PaintRunningView(pictures, dc, kept, game, width, height);
        return;
    }
    pictures.pane.Forget();
    FillSolid(dc, {0, 0, width, height}, static_cast<COLORREF>(gSettings.schematStacji));
    ClearStationViewPlacement(gStationView);
    DrawEventBox(dc, EventBoxLinesNow(gUi.gameRunning), width, height);
}

}  // namespace

void PaintStationView(HDC dc, int width, int height, bool kept) { PaintWith(gKept, dc, width, height, kept); }

void PaintStationViewAnew(HDC dc, int width, int height)
{
    KeptPane fresh;
    PaintWith(fresh, dc, width, height, false);
}

void DrawEventBox(HDC dc, const std::vector<EventBoxLine>& lines, int width, int height)
{
    if (lines.empty()) return;
    ScopedSelect selectFont(dc, EventBoxFont());
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + 2;
    int widest = 0;
    for (const EventBoxLine& line : lines) {
        SIZE extent = {};
        GetTextExtentPoint32A(dc, line.text.c_str(), static_cast<int>(line.text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    const ViewRect box = LayoutEventBox(widest, static_cast<int>(lines.size()), lineHeight, width, height);
    FillSolid(dc, {box.left, box.top, box.right, box.bottom}, static_cast<COLORREF>(kEventBoxFill));
    {
        ScopedPen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(kEventBoxFrame)));
        ScopedSelect selectPen(dc, pen.Get());
        ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const ViewRect r = EventBoxLineRect(box, static_cast<int>(i), lineHeight);
        RECT rect = {r.left, r.top, r.right, r.bottom};
        SetTextColor(dc, static_cast<COLORREF>(lines[i].colour));
        DrawTextA(dc, lines[i].text.c_str(), static_cast<int>(lines[i].text.size()), &rect,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
    }
}
