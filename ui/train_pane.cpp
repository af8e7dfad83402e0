// The train pane's plan: strip geometry, timetable lines, locomotive names,
// supply bars, coupling texts and separators.
#include "ui/train_pane.h"

#include <algorithm>

#include "simulation/coupling_texts.h"
#include "ui/board_delays.h"
#include "ui/layout.h"
#include "ui/supply_bars.h"
#include "ui/timetable_texts.h"

VehicleHitRanges gVehicleHitRanges;
TrainPaneScroll gTrainPaneScroll;

namespace {

// Rows of the texts under the pictures, in units.
constexpr int32_t kLineRow = 42;         ///< the timetable line, the type names
constexpr int32_t kSecondRow = 56;       ///< origin, unit names
constexpr int32_t kThirdRow = 70;        ///< destination, the first supply bar
constexpr int32_t kWagonCouplingRow = 84;
constexpr int32_t kUnitNameColumn = 130;  ///< a powered unit's type name, right of its train's line
constexpr int32_t kCouplingLine = 12;     ///< units per line of a coupling text
constexpr int32_t kSeparatorTop = 2;
constexpr int32_t kSeparatorBottom = 38;

int32_t X(const TrainPaneView& view, int32_t units) { return ScaleUnits(units, view.scale) - view.scroll; }
int32_t Y(const TrainPaneView& view, int32_t units) { return ScaleUnits(units, view.scale); }

// What one plan is made with.
struct PaneCanvas {
    Game& game;                 ///< the running game
    const TrainPaneView& view;  ///< point, scale, scroll, height, picture widths
    const PaneTextWidth& width; ///< text measurement
    TrainPanePlan& plan;        ///< what is drawn
};

void AddText(TrainPanePlan& plan, int32_t x, int32_t y, std::string text, int32_t colour, PaneFont font)
{
    if (!text.empty()) plan.texts.push_back({x, y, std::move(text), colour, font});
}

// The vehicle's colour and font before its supplies are known.
struct VehicleStyle {
    int32_t colour = kPaneCarColour;     ///< of its texts
    PaneFont font = PaneFont::kRegular;  ///< of its texts
};

VehicleStyle StyleOf(Game& game, int32_t point, int32_t slot)
{
    VehicleStyle style;
    if (!game.SlotOperational(point, slot))
        style.colour = kPaneDamagedColour;
    else if (game.IsSlotLocoOrSpecial(point, slot))
        style.colour = kPaneLocoColour;
    if (game.IsSlotConsistMoving(point, slot))
        style.font = PaneFont::kItalic;
    else if (game.SlotCountdown(point, slot) >= 1)
        style.font = PaneFont::kBold;
    return style;
}

// The coupling progress text of the pair's owner: its left vehicle, or the
// right one when a powered vehicle couples to a car on its left.
std::string CouplingTextOf(Game& game, int32_t point, int32_t slot)
{
    const int32_t pair = CouplingPairIndex(game, point, slot);
    if (pair < 0) return std::string();
    const bool rightOwns = game.SlotKind(point, pair) == kKindCar && game.SlotKind(point, pair + 1) >= 1;
    return slot == (rightOwns ? pair + 1 : pair) ? CouplingProgressText(game, point, slot) : std::string();
}

// Lays out a train's line from unit x and adds it to the plan when `draw`;
// returns the pane x where it ends.
int32_t DrawTrainPaneTrainLine(PaneCanvas& c, int32_t x, int32_t train, bool platformArrival, bool arriving,
                               const VehicleStyle& style, bool draw)
{
    const TrainLineTexts texts = BuildTrainLineTexts(c.game, train, platformArrival, arriving);
    std::array<int32_t, 5> widths{};
    for (size_t k = 0; k < widths.size(); ++k)
        widths[k] = texts.pieces[k].empty() ? 0 : std::max(c.width(style.font, texts.pieces[k]), 1);
    const TrainLinePlace place = PlaceTrainLine(x, widths, c.view);
    if (draw) {
        for (size_t k = 0; k < widths.size(); ++k)
            AddText(c.plan, place.x[k], Y(c.view, kLineRow), texts.pieces[k], style.colour, style.font);
        AddText(c.plan, X(c.view, x), Y(c.view, kSecondRow), texts.origin, style.colour, style.font);
        AddText(c.plan, X(c.view, x), Y(c.view, kThirdRow), texts.destination, style.colour, style.font);
    }
    return place.end;
}

// A vehicle that carries a train: the train's line under its first vehicle,
// and a powered unit's type and unit names.
void DrawCarriedTrain(PaneCanvas& c, const StripGeometry& strip, int32_t slot, int32_t x, const VehicleStyle& style)
{
    Game& game = c.game;
    const int32_t point = c.view.point;
    const int32_t train = game.SlotTrain(point, slot);
    int32_t lineEnd = X(c.view, x);
    bool first = train >= 0;  // a vehicle of no timetable train has no line to show
    for (int32_t j = 0; j < slot && first; ++j)
        first = !(game.SlotKind(point, j) < kKindElectricLoco && game.SlotTrain(point, j) == train);
    if (first) {
        const int32_t pointKind = game.PointKind(point);
        const int32_t state = game.TrainStateNow(train, kRawRow);
        const bool arriving = (pointKind == kPointEntry || pointKind == kPointLine) && (state == 1 || state == 4);
        const bool platformArrival = game.IsSlotLocoOrSpecial(point, slot) ? arriving : true;
        int32_t start = x;
        if (strip.trains >= 2) {
            const int32_t end = DrawTrainPaneTrainLine(c, x, train, platformArrival, arriving, style, false);
            const size_t i = static_cast<size_t>(slot);
            start = CentredLineStart(x, strip.right[i] - strip.left[i], X(c.view, x), end, c.view.scale);
        }
        lineEnd = DrawTrainPaneTrainLine(c, start, train, platformArrival, arriving, style, true);
    }
    const int32_t kind = game.SlotKind(point, slot);
    if (kind != kKindElectricUnit && kind != kKindDieselUnit) return;
    const int32_t left = std::max(X(c.view, x + kUnitNameColumn), lineEnd);
    AddText(c.plan, left, Y(c.view, kLineRow), game.VehicleTypeName(point, slot), style.colour, style.font);
    AddText(c.plan, left, Y(c.view, kSecondRow), game.SlotUnitName(point, slot).Text(), style.colour, style.font);
}

// The bars of a locomotive's supplies from Y(70) down to the coupling text;
// returns the y below the last bar, 0 when none fitted.
int32_t DrawSupplyBars(PaneCanvas& c, const SupplyRecord& record, int32_t x, int32_t vehicleWidth,
                       int32_t couplingHeight)
{
    const std::vector<int32_t> order = SupplyBarOrder(record);
    SupplyTextWidths widths;
    widths.name = c.width(PaneFont::kSmall, "węgiel");
    for (int32_t index : order) {
        const SupplyEntry& entry = record.entries[static_cast<size_t>(index)];
        widths.longText = std::max(widths.longText, c.width(PaneFont::kSmall, entry.longText));
        widths.shortText = std::max(widths.shortText, c.width(PaneFont::kSmall, entry.shortText));
        if (!entry.extraText.empty())
            widths.extra = std::max(widths.extra, c.width(PaneFont::kSmall, " " + entry.extraText));
    }
    const SupplyBarLayout layout = LayoutSupplyBars(widths, vehicleWidth, c.view.scale);
    const int32_t limit = c.view.height - couplingHeight;
    const int32_t left = X(c.view, x);
    int32_t y = Y(c.view, kThirdRow), bottom = 0;
    for (int32_t index : order) {
        if (y + layout.barHeight > limit) break;
        const SupplyEntry& entry = record.entries[static_cast<size_t>(index)];
        const int32_t level = SupplyLevel(record, index);
        const int32_t colour = StateColour(level);
        if (layout.names) AddText(c.plan, left, y, entry.name, colour, PaneFont::kSmall);
        const int32_t barX = layout.names ? left + widths.name + layout.gap : left;
        c.plan.bars.push_back({barX, y, layout.barWidth, layout.barHeight, entry.value, level});
        AddText(c.plan, barX + layout.barWidth + layout.gap, y, SupplyBarText(entry, layout), colour, PaneFont::kSmall);
        y += layout.rowStep;
        bottom = y;
    }
    return bottom;
}

// A locomotive: its names in the colour of its worst supply, and its bars.
int32_t DrawLocomotive(PaneCanvas& c, int32_t slot, int32_t x, int32_t vehicleWidth, VehicleStyle style,
                       int32_t couplingHeight)
{
    Game& game = c.game;
    const int32_t point = c.view.point;
    const SupplyRecord record = BuildSupplyRecord(game, point, slot);
    const int32_t worst = WorstSupplyLevel(record);
    if (worst != 0) style.colour = StateColour(worst);
    AddText(c.plan, X(c.view, x), Y(c.view, kLineRow), game.VehicleTypeName(point, slot), style.colour, style.font);
    AddText(c.plan, X(c.view, x), Y(c.view, kSecondRow), game.SlotUnitName(point, slot).Text(), style.colour,
            style.font);
    return HasSupplyBars(record) ? DrawSupplyBars(c, record, x, vehicleWidth, couplingHeight) : 0;
}

// "łączenie: jeszcze 12 s" on two lines: up to the colon, then the rest.
void DrawCouplingText(PaneCanvas& c, const std::string& text, int32_t x, int32_t top)
{
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        AddText(c.plan, X(c.view, x), top, text, kPaneCouplingColour, PaneFont::kSmall);
        return;
    }
    AddText(c.plan, X(c.view, x), top, text.substr(0, colon + 1), kPaneCouplingColour, PaneFont::kSmall);
    const size_t rest = text.find_first_not_of(' ', colon + 1);
    if (rest != std::string::npos)
        AddText(c.plan, X(c.view, x), top + Y(c.view, kCouplingLine), text.substr(rest), kPaneCouplingColour,
                PaneFont::kSmall);
}

}  // namespace

void FollowSelectedTile(TrainPaneScroll& scroll, TileCode selectedTile)
{
    if (selectedTile != scroll.paintedTile) scroll.pos = 0;
    scroll.paintedTile = selectedTile;
}

int32_t VehiclesOnPoint(Game& game, int32_t point)
{
    int32_t n = 0;
    while (n < kStripSlots && game.SlotVehicleType(point, n) != 0) ++n;
    return n;
}

int32_t TrainPaneContentWidth(Game& game, const TrainPaneView& view)
{
    if (view.point < 0) return 0;
    const StripGeometry strip = LayOutStrip(game, view);
    if (strip.left.empty()) return ScaleUnits(kStripMargin, view.scale);
    const size_t last = strip.left.size() - 1;
    int32_t end = strip.left[last] + view.widths[last];
    if (!game.SlotCoupled(view.point, static_cast<int32_t>(last))) end += kStripGap;
    return ScaleUnits(end + kStripMargin, view.scale);
}

StripGeometry LayOutStrip(Game& game, const TrainPaneView& view)
{
    StripGeometry strip;
    const int32_t n = std::min(VehiclesOnPoint(game, view.point), static_cast<int32_t>(view.widths.size()));
    int32_t x = 0, lastTrain = -1;
    for (int32_t i = 0; i < n; ++i) {
        strip.left.push_back(x);
        x += view.widths[static_cast<size_t>(i)];
        strip.right.push_back(x);
        if (!game.SlotCoupled(view.point, i)) x += kStripGap;
        const int32_t train = game.SlotTrain(view.point, i);
        if (train >= 0 && train != lastTrain) {
            ++strip.trains;
            lastTrain = train;
        }
    }
    // Every vehicle of a run of one train ends where the run ends.
    for (int32_t i = n - 1; i > 0; --i) {
        const int32_t train = game.SlotTrain(view.point, i);
        if (train >= 0 && game.SlotTrain(view.point, i - 1) == train)
            strip.right[static_cast<size_t>(i - 1)] = strip.right[static_cast<size_t>(i)];
    }
    return strip;
}

TrainLineTexts BuildTrainLineTexts(Game& game, int32_t train, bool platformArrival, bool arriving)
{
    const int32_t side = arriving ? kArrivalSide : kDepartureSide;
    TrainLineTexts texts;
    texts.pieces[0] = PlatformNumeral(game.Platform(train, kRawRow, platformArrival ? kArrivalSide : kDepartureSide));
    texts.pieces[1] = game.TrainNumberText(train, kRawRow, side).Text();
    texts.pieces[2] = arriving ? LineNumberText(game, game.timetable.EntryTile(train, kRawRow),
                                                game.EntryNumberOfRow(train, kRawRow))
                               : LineNumberText(game, game.ExitTile(train, kRawRow), game.ExitNumberOfRow(train, kRawRow));
    texts.pieces[3] = ScheduledTimeText(game, train, kRawRow, side);
    texts.pieces[4] = SignedDelayText(EntryDelayMinutes(game, train, arriving));
    texts.origin = game.OriginText(train, kRawRow).Text();
    texts.destination = game.DestinationText(train, kRawRow).Text();
    return texts;
}

TrainLinePlace PlaceTrainLine(int32_t x, const std::array<int32_t, 5>& widths, const TrainPaneView& view)
{
    TrainLinePlace place;
    const int32_t spacing = ScaleUnits(5, view.scale) + 1;
    int32_t cursor = X(view, x);
    for (size_t k = 0; k < widths.size(); ++k) {
        cursor = std::max(cursor, X(view, x + kTrainLineColumns[k]));
        place.x[k] = cursor;
        if (widths[k] > 0) cursor += widths[k] + spacing;
    }
    place.end = cursor;
    return place;
}

int32_t CentredLineStart(int32_t x, int32_t groupWidth, int32_t lineStart, int32_t lineEnd, double scale)
{
    if (scale <= 0) return x;
    // The line is measured in pixels, the vehicles in units: compare in units.
    const int32_t lineWidth = static_cast<int32_t>((lineEnd - lineStart) / scale);
    return groupWidth > lineWidth ? x + (groupWidth - lineWidth) / 2 : x;
}

int32_t CouplingTextTop(int32_t barsBottom, bool powered, int32_t textHeight, const TrainPaneView& view)
{
    const int32_t least = Y(view, powered ? kThirdRow : kWagonCouplingRow);
    int32_t top = std::max(barsBottom, least);
    if (top + textHeight > view.height) top = view.height - textHeight;
    return std::max(top, least);
}

int32_t CouplingTextHeight(const std::string& text, double scale)
{
    if (text.empty()) return 0;
    return (text.find(':') != std::string::npos ? 2 : 1) * ScaleUnits(kCouplingLine, scale);
}

TrainPanePlan PlanTrainPane(Game& game, const TrainPaneView& view, const PaneTextWidth& width)
{
    TrainPanePlan plan;
    if (view.point < 0) return plan;
    PaneCanvas c{game, view, width, plan};
    const StripGeometry strip = LayOutStrip(game, view);
    const int32_t n = static_cast<int32_t>(strip.left.size());
    for (int32_t i = 0; i < n; ++i) {
        const int32_t x = strip.left[static_cast<size_t>(i)];
        const int32_t w = view.widths[static_cast<size_t>(i)];
        plan.pictures.push_back({i, x});
        if (w > 0) plan.hits[static_cast<size_t>(i)] = {X(view, x), X(view, x + w)};
        const VehicleStyle style = StyleOf(game, view.point, i);
        const std::string coupling = CouplingTextOf(game, view.point, i);
        const int32_t couplingHeight = CouplingTextHeight(coupling, view.scale);
        const int32_t kind = game.SlotKind(view.point, i);
        int32_t barsBottom = 0;
        if (kind < kKindElectricLoco)
            DrawCarriedTrain(c, strip, i, x, style);
        else
            barsBottom = DrawLocomotive(c, i, x, w, style, couplingHeight);
        if (!coupling.empty())
            DrawCouplingText(c, coupling, x, CouplingTextTop(barsBottom, kind >= 1, couplingHeight, view));
        const int32_t next = game.SlotTrain(view.point, i + 1), train = game.SlotTrain(view.point, i);
        if (i + 1 < n && train >= 0 && next >= 0 && train != next && game.SlotCoupled(view.point, i))
            plan.separators.push_back(
                {X(view, x + w) + ScaleUnits(2, view.scale), Y(view, kSeparatorTop), Y(view, kSeparatorBottom)});
    }
    return plan;
}
