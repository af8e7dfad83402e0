// The timetable window's table: columns, listed lines and their texts, height,
// scale and scrolling.
#include "ui/timetable_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "simulation/rolling_stock_kinds.h"
#include "simulation/track_names.h"
#include "ui/board_delays.h"
#include "ui/boards.h"
#include "ui/timetable_texts.h"

namespace {


const TimetableColumn kArrivalColumns[] = {
    {"Wj.", 0, 18},      {"Godz.", 20, 60},   {"+/-", 70, 100},     {"Pr.", 101, 122},
    {"Rodz.", 123, 158}, {"Numer", 160, 210}, {"Nazwa", 212, 350},  {"Relacja", 360, 630},
    {"Godz.", 632, 670}, {"W", 672, 688},     {"Lok.", 690, 792},   {"Stoi", 795, 0},
};
const TimetableColumn kDepartureColumns[] = {
    {"W.", 0, 20},       {"Godz.", 22, 60},   {"+/-", 65, 100},    {"Pr.", 101, 122},
    {"Rodz.", 123, 158}, {"Numer", 160, 210}, {"Nazwa", 212, 350}, {"Relacja", 360, 630},
    {"Lok.", 632, 725},  {"Stoi", 728, 0},
};

// Where the values of a mode stand.
struct ValueColumns {
    int32_t line;      ///< entry or exit number
    int32_t time;      ///< scheduled time of the mode's side
    int32_t delay;     ///< "+/-"
    int32_t platform;  ///< platform numeral
    int32_t loco;      ///< locomotive type
    int32_t unit;      ///< unit name
    int32_t place;     ///< where the train stands
};
constexpr ValueColumns kArrivalValues = {1, 20, 62, 103, 690, 730, 795};
constexpr ValueColumns kDepartureValues = {1, 22, 62, 102, 632, 678, 728};
// Shared by both modes.
constexpr int32_t kKindX = 124;
constexpr int32_t kNumberX = 160;
constexpr int32_t kNameX = 212;
constexpr int32_t kOriginX = 352;
constexpr int32_t kDestinationX = 490;
// Arrivals only: where the train goes on from here.
constexpr int32_t kOnwardTimeX = 632;
constexpr int32_t kOnwardExitX = 672;

void AddCell(TimetableLine& line, int32_t x, std::string text, int32_t colour, bool twoLines = false)
{
    if (!text.empty()) line.cells.push_back({x, std::move(text), colour, twoLines});
}
void AddCell(TimetableLine& line, int32_t x, std::string text) { AddCell(line, x, std::move(text), line.colour); }

// The delay of the mode's side; on time it shows "0" once the expected times
// are drawn, nothing before.
std::string DelayText(Game& game, int32_t mode, int32_t position)
{
    const int32_t side = mode == kArrivalMode ? kArrivalSide : kDepartureSide;
    const int32_t delay = game.Delay(position, mode, side);
    if (delay != 0) return SignedDelayText(delay);
    return game.HasExpectedArrival(game.IndexRow(position, mode)) ? "0" : "";
}

// Whether the line shows the locomotive and unit cells.
bool ShowsLoco(Game& game, int32_t mode, int32_t position, int32_t rowState)
{
    if (mode == kArrivalMode)
        return rowState != kStateNotAdmitted && rowState != kStateArrivingNotAdmitted &&
               rowState != kStateDepartingNotAdmitted;
    const int32_t digit = std::abs(game.DepartureLink(position, mode) % 10);
    return digit == 0 || digit == 1;
}

// The locomotive type and unit name; two units take the line below as well,
// which moves the following lines down by one. Returns the lines it took.
int32_t AddLocoCells(Game& game, TimetableLine& line, int32_t mode, int32_t position, const ValueColumns& at)
{
    const std::string loco = game.LocoTypeName(position, mode).Text();
    const int32_t colour = game.LocoChanges(position, mode) ? kTimetableLocoChangeColour : kTimetableLocoColour;
    const bool twoLines = loco.find('|') != std::string::npos;
    AddCell(line, at.loco, loco, colour, twoLines);
    AddCell(line, at.unit, game.UnitName(position, mode).Text(), colour, twoLines);
    return twoLines ? 2 : 1;
}

}  // namespace

std::vector<TimetableColumn> TimetableColumns(int32_t mode)
{
    if (mode == kArrivalMode) return {std::begin(kArrivalColumns), std::end(kArrivalColumns)};
    return {std::begin(kDepartureColumns), std::end(kDepartureColumns)};
}

int32_t TimetableRowsShown(const Game& game, int32_t first)
{
    const int32_t count = game.TrainCount();
    return first <= 0 || first > count ? count : first;
}

int32_t TimetableHeightUnits(const Game& game, int32_t mode, int32_t first)
{
    const int32_t n = TimetableRowsShown(game, first);
    return std::max(n + 1 + game.CountTwoUnitRows(mode, n), 1) * kTimetableLineHeight;
}

std::optional<int32_t> TimetableLineColour(Game& game, int32_t mode, int32_t position)
{
    const int32_t rowState = game.RowState(position, mode);
    std::optional<int32_t> colour;
    if (mode == kArrivalMode) {
        const int32_t state = game.TrainStateNow(position, mode);
        if (state == 0 || rowState == kStateDeparting || rowState == kStateDepartingNotAdmitted)
            colour = kBoardColour;
        else if (state == 1 || state == 3)
            colour = kBoardStandingColour;
        else if (state == 2)
            colour = kBoardWaitingColour;
        else if (state == 4)
            colour = kBoardAdmittedColour;
    } else {
        if (rowState == kStateLightEngine) return std::nullopt;
        const int32_t state = game.TrainStateNow(position, mode);
        if (state == 1)
            colour = kBoardStandingColour;
        else if (IsArrivalOrDepartureKind(state))
            colour = kBoardColour;
        else if (state == 3)
            colour = kBoardWaitingColour;
    }
    if (colour && TrainHasVehicleNotOk(game, game.IndexRow(position, mode))) colour = kBoardNotOkColour;
    return colour;
}

TimetablePlan PlanTimetable(Game& game, int32_t mode, int32_t first)
{
    const bool arrivals = mode == kArrivalMode;
    const int32_t side = arrivals ? kArrivalSide : kDepartureSide;
    const ValueColumns& at = arrivals ? kArrivalValues : kDepartureValues;
    TimetablePlan plan;
    plan.heightUnits = TimetableHeightUnits(game, mode, first);
    const int32_t n = TimetableRowsShown(game, first);
    int32_t drawn = 0;  // lines taken so far, the header not counted
    for (int32_t i = 0; i < n; ++i) {
        const std::optional<int32_t> colour = TimetableLineColour(game, mode, i);
        if (!colour) continue;
        const int32_t rowState = game.RowState(i, mode);
        TimetableLine line;
        line.colour = *colour;
        line.italic = rowState == 5;
        line.y = kTimetableLineHeight * (drawn + 1) + kTimetableTextOffset;
        const TileCode lineTile = arrivals ? game.timetable.EntryTile(i, mode) : game.ExitTile(i, mode);
        const int32_t lineNumber = arrivals ? game.EntryNumberOfRow(i, mode) : game.ExitNumberOfRow(i, mode);
        AddCell(line, at.line, LineNumberText(game, lineTile, lineNumber));
        AddCell(line, at.time, ScheduledTimeText(game, i, mode, side));
        AddCell(line, at.delay, DelayText(game, mode, i));
        AddCell(line, at.platform, PlatformNumeral(game.Platform(i, mode, side)));
        const char* category = game.CategoryCode(i, mode);
        AddCell(line, kKindX, GetTrainKindName(game.IndexRow(i, mode), category ? category : ""));
        AddCell(line, kNumberX, game.TrainNumberText(i, mode, side).Text());
        AddCell(line, kNameX, game.TrainNameText(i, mode, side).Text());
        if (!arrivals || rowState != kStateLightEngine) {
            AddCell(line, kOriginX, game.OriginText(i, mode).Text());
            AddCell(line, kDestinationX, game.DestinationText(i, mode).Text());
        }
        if (arrivals && rowState != kStateLightEngine) {
            AddCell(line, kOnwardTimeX, ScheduledTimeText(game, i, mode, kDepartureSide));
            AddCell(line, kOnwardExitX,
                    LineNumberText(game, game.ExitTile(i, mode), game.ExitNumberOfRow(i, mode)));
        }
        const int32_t taken = ShowsLoco(game, mode, i, rowState) ? AddLocoCells(game, line, mode, i, at) : 1;
        AddCell(line, at.place, TrainPlaceLabel(game, game.IndexRow(i, mode)), kTimetablePlaceColour);
        drawn += taken;
        plan.lines.push_back(std::move(line));
    }
    return plan;
}

std::pair<std::string, std::string> SplitTwoLineText(const std::string& text)
{
    const size_t bar = text.find('|');
    if (bar == std::string::npos) return {text, std::string()};
    return {text.substr(0, bar), text.substr(bar + 1)};
}

double TimetableScaleForWidth(int32_t width)
{
    return std::clamp(width / static_cast<double>(kTimetableTableWidth), kTimetableMinScale, kTimetableMaxScale);
}

int32_t TimetablePixels(int32_t units, double s) { return static_cast<int32_t>(units * s); }

TimetableView FitTimetableView(int32_t width, int32_t height, int32_t heightUnits, int32_t hPos, int32_t vPos)
{
    TimetableView view;
    view.scale = TimetableScaleForWidth(width);
    view.tableWidth = TimetablePixels(kTimetableTableWidth, view.scale);
    view.tableHeight = TimetablePixels(heightUnits, view.scale);
    view.hPos = std::max(0, std::min(hPos, view.tableWidth - width));
    view.vPos = std::max(0, std::min(vPos, view.tableHeight - height));
    return view;
}

std::string TimetableWindowTitle(int32_t mode, int32_t delayAgeMinutes)
{
    std::string title = mode == kArrivalMode ? "Przyjazdy" : "Odjazdy";
    if (delayAgeMinutes >= 0) {
        char age[48];
        std::snprintf(age, sizeof age, " - opóźnienia sprzed %d min", static_cast<int>(delayAgeMinutes));
        title += age;
    }
    return title;
}
