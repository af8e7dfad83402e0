// The boards' painting: the plans of ui/boards drawn in the board fonts.
#include "ui/win32/boards_paint.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <utility>

#include "model/game.h"
#include "ui/boards.h"
#include "ui/font_table.h"
#include "ui/layout.h"
#include "ui/pane_input.h"
#include "ui/settings.h"
#include "ui/ui_state.h"
#include "ui/win32/drawing.h"
#include "ui/win32/fonts.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/kept_picture.h"
#include "ui/win32/pane_paint.h"

namespace {

constexpr UINT kWrapFlags = DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP;
constexpr size_t kMeasuredTextsKept = 4096;

HFONT BoardFontHandle(BoardFont font)
{
    switch (font) {
    case BoardFont::kItalic: return UiFontOrDefault(FontId::kBoardItalicFont);
    case BoardFont::kUnderline: return UiFontOrDefault(FontId::kBoardUnderlineFont);
    default: return UiFontOrDefault(FontId::kBoardFont);
    }
}

RelationHeight MeasureIn(HDC dc, int width)
{
    return [dc, width](const std::string& text, int32_t left) { return MeasureBoardText(dc, text, left, width); };
}

void DrawBoardRows(HDC dc, const BoardPlan& plan, int width)
{
    const double s = gUiScale;
    SetBkMode(dc, TRANSPARENT);
    for (const PlacedBoardRow& placed : plan.rows) {
        {
            ScopedSelect select(dc, BoardFontHandle(placed.row.font));
            for (const BoardCell& cell : placed.row.cells) {
                SetTextColor(dc, static_cast<COLORREF>(cell.colour));
                DrawTextAt(dc, ScaleUnits(cell.column, s), placed.y, cell.text.c_str());
            }
        }
        SetTextColor(dc, static_cast<COLORREF>(placed.row.colour));
        DrawBoardText(dc, placed.row.relation, ScaleUnits(placed.row.relationColumn, s),
                      placed.y + BoardLineHeight(s), width, placed.relationHeight);
    }
}

// What a board shows: its lists (the depot section and the trains, or the
// trains alone) planned for its size, colour, scale and fonts; without a game
// the colour alone.
struct BoardInputs {
    int width = 0;
    int height = 0;
    int colour = 0;
    bool running = false;
    double scale = 0;
    std::vector<BoardPlan> plans;
    int32_t fonts = 0;  ///< FontsGeneration

    bool operator==(const BoardInputs& o) const
    {
        return width == o.width && height == o.height && colour == o.colour && running == o.running &&
               scale == o.scale && plans == o.plans && fonts == o.fonts;
    }
};

KeptPicture<BoardInputs> gKeptArrivals;
KeptPicture<BoardInputs> gKeptDepartures;

BoardInputs BoardInputsNow(int width, int height, int colour)
{
    return {width, height, colour, gUi.gameRunning, gUiScale, {}, FontsGeneration()};
}

// The background, the header and the plans, or without a game the background
// alone; nothing when dc still shows that.
void PaintBoard(HDC dc, bool kept, KeptPicture<BoardInputs>& picture, BoardInputs&& now, const char* header)
{
    if (!picture.Redraw(dc, kept, std::move(now))) return;
    const BoardInputs& drawn = picture.Drawn();
    FillSolid(dc, {0, 0, drawn.width, drawn.height}, static_cast<COLORREF>(drawn.colour));
    if (!drawn.running) return;
    DrawBoardHeader(dc, drawn.width, header);
    for (const BoardPlan& plan : drawn.plans) DrawBoardRows(dc, plan, drawn.width);
}

}  // namespace

int DrawBoardHeader(HDC dc, int width, const char* text)
{
    const double s = gUiScale;
    const int line = BoardHeaderHeight(s);
    {
        ScopedSelect select(dc, UiFontOrDefault(FontId::kBoardBoldFont));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        RECT rect = {2, 0, width - 2, line};
        DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ScopedPen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(kBoardHeaderLineColour)));
    ScopedSelect select(dc, pen.Get());
    MoveToEx(dc, 2, line, nullptr);
    LineTo(dc, width - 2, line);
    return BoardFirstRowY(s);
}

int MeasureBoardText(HDC dc, const std::string& text, int x, int right)
{
    if (text.empty()) return 0;
    // The boards measure the same relations at every paint: the heights are
    // remembered by font, width and text, and forgotten when too many.
    using Key = std::tuple<HFONT, double, int, std::string>;
    static std::map<Key, int> measured;
    HFONT font = UiFontOrDefault(FontId::kBoardSmallFont);
    Key key(font, gUiScale, right - 2 - x, text);
    const auto found = measured.find(key);
    if (found != measured.end()) return found->second;
    if (measured.size() >= kMeasuredTextsKept) measured.clear();
    ScopedSelect select(dc, font);
    RECT rect = {x, 0, right - 2, 0};
    const int height = DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, kWrapFlags | DT_CALCRECT);
    measured.emplace(std::move(key), height);
    return height;
}

void DrawBoardText(HDC dc, const std::string& text, int x, int y, int right, int height)
{
    if (text.empty()) return;
    ScopedSelect select(dc, UiFontOrDefault(FontId::kBoardSmallFont));
    RECT rect = {x, y, right - 2, y + height};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, kWrapFlags);
}

void PaintArrivalsBoard(HDC dc, int width, int height, bool kept)
{
    BoardInputs now = BoardInputsNow(width, height, gSettings.przyjazdy);
    if (gUi.gameRunning) {
        const int first = BoardFirstRowY(gUiScale);
        now.plans.push_back(PlanDepotSection(TheGame(), true, first, height, gUiScale, MeasureIn(dc, width)));
        const int y = now.plans[0].full ? height : now.plans[0].y;
        now.plans.push_back(PlanBoardList(TheGame(), true, true, y, height, gUiScale, MeasureIn(dc, width)));
    }
    PaintBoard(dc, kept, gKeptArrivals, std::move(now), "PRZYJAZDY");
}

void PaintDeparturesBoard(HDC dc, int width, int height, bool kept)
{
    BoardInputs now = BoardInputsNow(width, height, gSettings.odjazdy);
    if (gUi.gameRunning)
        now.plans.push_back(
            PlanBoardList(TheGame(), true, false, BoardFirstRowY(gUiScale), height, gUiScale, MeasureIn(dc, width)));
    PaintBoard(dc, kept, gKeptDepartures, std::move(now), "ODJAZDY");
}

LRESULT CALLBACK ArrivalsBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK) {
        BoardDoubleClick(true);
        return 0;
    }
    return PaneProcWithPainter(window, message, wParam, lParam, PaintArrivalsBoard);
}

LRESULT CALLBACK DeparturesBoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK) {
        BoardDoubleClick(false);
        return 0;
    }
    return PaneProcWithPainter(window, message, wParam, lParam, PaintDeparturesBoard);
}
