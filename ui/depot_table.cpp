// The depot window's cells, counts, readiness texts and clicks.
#include "ui/depot_table.h"

#include <algorithm>
#include <cstdio>

#include "model/time_arithmetic.h"
#include "ui/board_delays.h"

namespace {

constexpr int32_t kEndMark = -1;

bool IsPreparingOrReady(int32_t status) { return status == kDepotReady || status == kDepotPreparing; }

}  // namespace

std::vector<DepotTypeRun> DepotTypeRuns(const DepotStats& stats)
{
    std::vector<DepotTypeRun> runs;
    const int32_t listed = std::min(stats.listed, static_cast<int32_t>(stats.table.size()));
    for (int32_t i = 0; i < listed; ++i) {
        DepotEntry* entry = stats.table[static_cast<size_t>(i)].entry;
        const int32_t type = entry ? entry->slot.Type() : 0;
        if (runs.empty() || runs.back().type != type)
            runs.push_back({type, i, 1});
        else
            ++runs.back().count;
    }
    return runs;
}

int32_t MeasureLocoBitmaps(const DepotStats& stats, DepotPictureWidth widthOf)
{
    int32_t base = kDepotStartBaseWidth;
    for (const DepotTypeRun& run : DepotTypeRuns(stats))
        if (run.type >= 1 && run.type < kVehicleTypeSlots) base = std::max(base, widthOf(run.type));
    return base;
}

DepotPaneExtent DepotPaneSize(int32_t types, const DepotGeometry& geometry)
{
    const int32_t rows = std::max(1, (std::max(types, 0) + 1) / 2);
    return {kDepotTableColumns * geometry.CellWidth(), rows * kDepotCellHeight + kDepotPaneMargin};
}

void DepotReadiness::Accumulate(int32_t status, int32_t entryCountdown)
{
    if (status == kDepotReady) ready = true;
    if (status == kDepotPreparing && (countdown < 0 || entryCountdown < countdown)) countdown = entryCountdown;
}

std::string DepotReadiness::Text(Game& game)
{
    std::string text;
    if (ready) {
        text = "gotowa";
    } else if (countdown >= 0) {
        const int32_t minutes = TicksToMinutesCeil(game, countdown);
        const int32_t at = AddMinutesWrap(game.Now(), minutes);
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%d:%02d (za %d min)", at / 100, at % 100, minutes);
        text = buffer;
    }
    *this = DepotReadiness();
    return text;
}

std::vector<DepotCellView> PlanDepotCells(Game& game, DepotCellTable& cells)
{
    cells = DepotCellTable();
    const DepotStats& stats = game.DepotStats();
    const std::vector<DepotTypeRun> runs = DepotTypeRuns(stats);
    const int32_t leftRows = (static_cast<int32_t>(runs.size()) + 1) / 2;
    std::vector<DepotCellView> views;
    DepotReadiness readiness;
    for (size_t k = 0; k < runs.size(); ++k) {
        const DepotTypeRun& run = runs[k];
        DepotCellView view;
        const int32_t index = static_cast<int32_t>(k);
        view.column = index < leftRows ? 0 : 1;
        view.row = index < leftRows ? index : index - leftRows;
        view.type = run.type;
        view.name = game.timetable.VehicleTypeName(run.type);
        const bool inTable = view.row < kDepotTableRows;
        DepotCell* cell = inTable ? &cells[static_cast<size_t>(view.row)][static_cast<size_t>(view.column)] : nullptr;
        for (int32_t i = run.first; i < run.first + run.count; ++i) {
            const DepotListing& listing = stats.table[static_cast<size_t>(i)];
            VehicleSlot& slot = listing.entry->slot;
            if (IsPreparingOrReady(listing.status)) {
                ++view.preparing;
            } else if (!slot.Operational()) {
                ++view.damaged;
            } else {
                ++view.fit;
                if (cell && view.fit <= kDepotCellNumbers) {
                    (*cell)[static_cast<size_t>(view.fit)] = slot.Number();
                    (*cell)[static_cast<size_t>(view.fit) + 1] = kEndMark;
                }
            }
            readiness.Accumulate(listing.status, listing.countdown);
        }
        if (cell) {
            (*cell)[0] = run.type;
            if (view.fit == 0) (*cell)[1] = kEndMark;
        }
        view.readiness = readiness.Text(game);
        views.push_back(std::move(view));
    }
    return views;
}

std::vector<int32_t> DepotCellNumbers(const DepotCell& cell)
{
    std::vector<int32_t> numbers;
    if (cell[0] == 0) return numbers;  // a cell no paint drew
    for (size_t i = 1; i < cell.size() && cell[i] != kEndMark; ++i) numbers.push_back(cell[i]);
    return numbers;
}

DepotClickResult DepotPaneClick(Game& game, const DepotCellTable& cells, const DepotGeometry& geometry, int32_t x,
                                int32_t y)
{
    DepotClickResult result;
    const int32_t cellWidth = geometry.CellWidth();
    const bool onPicture =
        (x >= 0 && x < geometry.baseWidth) || (x > cellWidth && x < cellWidth + geometry.baseWidth);
    if (!onPicture) {
        result.kind = DepotClickKind::kHideList;
        return result;
    }
    result.column = x / cellWidth;
    result.row = y / kDepotCellHeight;
    if (y < 0 || result.column >= kDepotTableColumns || result.row >= kDepotTableRows) return result;
    const DepotCell& cell = cells[static_cast<size_t>(result.row)][static_cast<size_t>(result.column)];
    for (int32_t number : DepotCellNumbers(cell)) result.choices.push_back(game.UnitName(number, kRawRow).Text());
    if (result.choices.empty()) {
        result.kind = DepotClickKind::kEmptyCell;
    } else if (game.AllowShedTransfers()) {
        result.kind = DepotClickKind::kChoices;
    } else {
        result.kind = DepotClickKind::kCalledOut;
        DepotCallOut(game, cell, 0);
    }
    return result;
}

int32_t DepotCallOut(Game& game, const DepotCell& cell, int32_t position)
{
    const std::vector<int32_t> numbers = DepotCellNumbers(cell);
    if (position < 0 || position >= static_cast<int32_t>(numbers.size())) return kDepotTypeAbsent;
    return game.depot.Release(cell[0], numbers[static_cast<size_t>(position)]);
}
