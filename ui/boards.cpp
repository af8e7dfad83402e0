// The boards' rows: filters, colours, fonts, texts and columns, and the fit.
#include "ui/boards.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "simulation/rolling_stock_kinds.h"
#include "simulation/track_names.h"
#include "simulation/upcoming_trains.h"
#include "ui/board_delays.h"
#include "ui/layout.h"
#include "ui/timetable_texts.h"

namespace {

// Columns of the arrivals board, in board units.
constexpr int32_t kArrEntry = 2;
constexpr int32_t kArrTime = 15;
constexpr int32_t kArrDelay = 48;
constexpr int32_t kArrKind = 78;
constexpr int32_t kArrNumber = 106;
constexpr int32_t kArrPlatform = 146;
// Columns of the departures board.
constexpr int32_t kDepMark = 0;
constexpr int32_t kDepPlatform = 10;
constexpr int32_t kDepTime = 26;
constexpr int32_t kDepDelay = 60;
constexpr int32_t kDepKind = 90;
constexpr int32_t kDepNumber = 118;
constexpr int32_t kDepExit = 160;
// Both boards.
constexpr int32_t kArrMark = 164;  ///< "#" or ">" on the arrivals board
constexpr int32_t kPlaceCode = 178;
// The depot section.
constexpr int32_t kDepotLetter = 2;
constexpr int32_t kDepotTime = 15;
constexpr int32_t kDepotType = 90;

void AddCell(BoardRow& row, int32_t column, std::string text, int32_t colour)
{
    if (!text.empty()) row.cells.push_back({column, std::move(text), colour});
}
void AddCell(BoardRow& row, int32_t column, std::string text) { AddCell(row, column, std::move(text), row.colour); }

std::string KindName(Game& game, int32_t position, int32_t mode)
{
    const char* category = game.CategoryCode(position, mode);
    return GetTrainKindName(game.IndexRow(position, mode), category ? category : "");
}

// A delay of 0 shows nothing; a late train is written in red with its sign.
void AddDelay(BoardRow& row, int32_t column, int32_t delay)
{
    AddCell(row, column, SignedDelayText(delay), delay > 0 ? kBoardLateColour : row.colour);
}

// Where the train stands; without a place, "#" for a train still to come or
// standing, ">" for one that changes locomotives.
void AddPlace(Game& game, BoardRow& row, int32_t train, int32_t markColumn, bool hashMark, bool changesLoco)
{
    std::string code = TrainPlaceCode(game, train);
    if (!code.empty())
        AddCell(row, kPlaceCode, std::move(code), kBoardPlaceColour);
    else if (hashMark)
        AddCell(row, markColumn, "#");
    else if (changesLoco)
        AddCell(row, markColumn, ">");
}

// The arrivals board's colour of a train, or none when it is not listed.
std::optional<int32_t> ArrivalColour(int32_t rowState, int32_t state)
{
    if (state == 1 || state == 3) return kBoardStandingColour;
    if (state == 0 || (rowState == kStateDeparting && state != -1)) return kBoardColour;
    if (state == 2) return kBoardWaitingColour;
    if (state == 4) return kBoardAdmittedColour;
    return std::nullopt;
}

std::optional<int32_t> DepartureColour(int32_t state)
{
    if (state == 1) return kBoardStandingColour;
    if (IsArrivalOrDepartureKind(state)) return kBoardColour;
    if (state == 3) return kBoardWaitingColour;
    return std::nullopt;
}

BoardFont RowFont(int32_t rowState, bool linked)
{
    if (rowState == 5) return BoardFont::kItalic;
    return linked ? BoardFont::kUnderline : BoardFont::kRegular;
}

// The departures board's delay: the drawn one, and the minutes by which the
// expected departure lies behind the clock while the train has not left.
int32_t DepartureDelay(Game& game, int32_t position, int32_t state)
{
    const int32_t delay = game.Delay(position, kDepartureMode, kDepartureSide);
    return state == -1 ? delay : delay + MinutesBehindExpected(game, position, kDepartureMode, kDepartureSide);
}

}  // namespace

std::optional<BoardRow> ArrivalBoardRow(Game& game, int32_t position)
{
    const int32_t mode = kArrivalMode;
    const int32_t rowState = game.RowState(position, mode);
    if (rowState == kStateNotAdmitted || rowState == kStateArrivingNotAdmitted ||
        rowState == kStateDepartingNotAdmitted)
        return std::nullopt;
    const std::optional<int32_t> colour = ArrivalColour(rowState, game.TrainStateNow(position, mode));
    if (!colour) return std::nullopt;
    const int32_t train = game.IndexRow(position, mode);
    BoardRow row;
    row.colour = TrainHasVehicleNotOk(game, train) ? kBoardNotOkColour : *colour;
    row.font = RowFont(rowState, game.HasArrivalLink(position, mode));
    row.relationColumn = kArrTime;
    if (rowState != kStateLightEngine) row.relation = TrainRelation(game, position, mode);
    AddCell(row, kArrEntry,
            LineNumberText(game, game.timetable.EntryTile(position, mode), game.EntryNumberOfRow(position, mode)));
    AddCell(row, kArrTime, ScheduledTimeText(game, position, mode, kArrivalSide));
    AddDelay(row, kArrDelay, EntryDelayMinutes(game, train, true));
    AddCell(row, kArrKind, KindName(game, position, mode));
    AddCell(row, kArrNumber, game.TrainNumberText(position, mode, kArrivalSide).Text());
    AddCell(row, kArrPlatform, PlatformNumeral(game.Platform(position, mode, kArrivalSide)));
    AddPlace(game, row, train, kArrMark, rowState == kStateArriving || rowState == kStateDeparting,
             game.LocoChanges(position, mode));
    return row;
}

std::optional<BoardRow> DepartureBoardRow(Game& game, int32_t position)
{
    const int32_t mode = kDepartureMode;
    const int32_t rowState = game.RowState(position, mode);
    if (rowState == kStateLightEngine) return std::nullopt;
    const int32_t link = game.DepartureLink(position, mode);
    if (link != 0 && std::abs(link % 10) != 1) return std::nullopt;  // listed through its list's head
    const int32_t state = game.TrainStateNow(position, mode);
    const std::optional<int32_t> colour = DepartureColour(state);
    if (!colour) return std::nullopt;
    const int32_t train = game.IndexRow(position, mode);
    BoardRow row;
    row.colour = TrainHasVehicleNotOk(game, train) ? kBoardNotOkColour : *colour;
    row.font = RowFont(rowState, link != 0);
    row.relationColumn = kDepPlatform;
    row.relation = TrainRelation(game, position, mode);
    AddPlace(game, row, train, kDepMark, IsArrivingRole(rowState) || IsDepartingRole(rowState),
             game.LocoChanges(position, mode));
    AddCell(row, kDepPlatform, PlatformNumeral(game.Platform(position, mode, kDepartureSide)));
    AddCell(row, kDepTime, ScheduledTimeText(game, position, mode, kDepartureSide));
    AddDelay(row, kDepDelay, DepartureDelay(game, position, state));
    AddCell(row, kDepKind, KindName(game, position, mode));
    AddCell(row, kDepNumber, game.TrainNumberText(position, mode, kDepartureSide).Text());
    AddCell(row, kDepExit, LineNumberText(game, game.ExitTile(position, mode), game.ExitNumberOfRow(position, mode)));
    return row;
}

std::vector<BoardRow> DepotBoardRows(Game& game)
{
    std::vector<BoardRow> rows;
    const DepotStats& stats = game.DepotStats();
    for (int32_t k = 0; k < stats.listed && k < static_cast<int32_t>(stats.table.size()); ++k) {
        const DepotListing& listing = stats.table[static_cast<size_t>(k)];
        if ((listing.status != kDepotReady && listing.status != kDepotPreparing) || !listing.entry) continue;
        VehicleSlot& loco = listing.entry->slot;
        BoardRow row;
        row.colour = kBoardDepotColour;
        row.relationColumn = kDepotTime;
        row.relation = "Lokomotywownia";
        const std::string unit = game.UnitName(loco.Number(), kRawRow).Text();
        if (!unit.empty()) row.relation += " - " + unit;
        AddCell(row, kDepotLetter, "L");
        if (listing.status == kDepotReady) {
            AddCell(row, kDepotTime, "gotowa");
        } else {
            const int32_t ready = AddMinutesWrap(game.Now(), TicksToMinutesCeil(game, listing.countdown));
            char text[24];
            std::snprintf(text, sizeof text, "%d:%02d", ready / 100, ready % 100);
            AddCell(row, kDepotTime, text);
        }
        AddCell(row, kDepotType, game.timetable.VehicleTypeName(loco.Type()));
        rows.push_back(std::move(row));
    }
    return rows;
}

int32_t BoardHeaderHeight(double s) { return ScaleUnits(15, s); }
int32_t BoardFirstRowY(double s) { return ScaleUnits(15, s) + ScaleUnits(4, s); }
int32_t BoardLineHeight(double s) { return ScaleUnits(13, s); }

bool PlaceBoardRow(BoardPlan& plan, BoardRow row, int32_t height, double s, const RelationHeight& measure)
{
    if (plan.full) return false;
    const int32_t relationHeight = row.relation.empty() ? 0 : measure(row.relation, ScaleUnits(row.relationColumn, s));
    if (plan.y + BoardLineHeight(s) + relationHeight > height) {
        plan.full = true;
        return false;
    }
    plan.rows.push_back({std::move(row), plan.y, relationHeight});
    plan.y += BoardLineHeight(s) + relationHeight + ScaleUnits(4, s);
    return true;
}

BoardPlan PlanDepotSection(Game& game, bool gameRunning, int32_t y, int32_t height, double s,
                           const RelationHeight& measure)
{
    BoardPlan plan;
    plan.y = y;
    if (!gameRunning) return plan;
    for (BoardRow& row : DepotBoardRows(game))
        if (!PlaceBoardRow(plan, std::move(row), height, s, measure)) break;
    return plan;
}

BoardPlan PlanBoardList(Game& game, bool gameRunning, bool arrivals, int32_t y, int32_t height, double s,
                        const RelationHeight& measure)
{
    BoardPlan plan;
    plan.y = y;
    if (!gameRunning) return plan;
    const int32_t count = game.TrainCount();
    for (int32_t i = 0; i < count && !plan.full; ++i) {
        if (plan.y >= height) {
            plan.full = true;
            break;
        }
        std::optional<BoardRow> row = arrivals ? ArrivalBoardRow(game, i) : DepartureBoardRow(game, i);
        if (row) PlaceBoardRow(plan, std::move(*row), height, s, measure);
    }
    return plan;
}
