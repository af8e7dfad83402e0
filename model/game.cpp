// Game: construction, the station tables, the single instance and the
// forwards to the clock, the timetable and the depot.
#include "model/game.h"

#include <cstring>

Game::Game() : clock(0, 0) {}

bool Game::CreateStationTables(int32_t gridRows, int32_t gridCols, int32_t trackCount, int32_t pointTotal,
                               int32_t subTrackRows)
{
    if (gridRows < 0 || gridRows > kMaxGridRows || gridCols < 0 || gridCols > kMaxGridColumns ||
        trackCount < 0 || trackCount > kMaxStationTracks || pointTotal < 0 || pointTotal > kMaxStationPoints ||
        subTrackRows < 0 || subTrackRows > kMaxSubTracks)
        return false;
    tileCodes.Create(gridRows, gridCols);
    tileStates.Create(gridRows, gridCols);  // every tile kTileFree
    paths.Create(trackCount, kPathCells);
    points.Create(pointTotal, kPointFieldCount);
    lineSections.Create(pointTotal, kSectionCells);
    for (int32_t p = 0; p < pointTotal; ++p)
        for (int32_t c = 0; c < kSectionCells; ++c)
            *lineSections.At(static_cast<uint32_t>(p), static_cast<uint32_t>(c)) = -1;
    slots.Create(pointTotal + subTrackRows, kSlotsPerPoint);
    rows = gridRows;
    cols = gridCols;
    pathCount = trackCount;
    pointCount = pointTotal;
    subTrackCount = subTrackRows;
    return true;
}

void Game::SetStationName(const char* name)
{
    stationName.fill(0);
    if (name) std::strncpy(stationName.data(), name, stationName.size() - 1);
}

int32_t Game::TileCode(int32_t row, int32_t col) const
{
    return *tileCodes.At(static_cast<uint32_t>(row), static_cast<uint32_t>(col));
}

int32_t Game::TileState(int32_t row, int32_t col) const
{
    return *tileStates.At(static_cast<uint32_t>(row), static_cast<uint32_t>(col));
}

int32_t Game::AllowShedTransfers(int32_t v)
{
    if (v != -1) allowShedTransfers = v != 0 ? 1 : 0;
    return allowShedTransfers;
}

int32_t Game::TrainCount() const { return timetable.TrainCount(); }

MallocPtr Game::DestinationText(int32_t index, int32_t mode) const
{
    return timetable.DestinationText(index, mode);
}

MallocPtr Game::OriginText(int32_t index, int32_t mode) const { return timetable.OriginText(index, mode); }

MallocPtr Game::TrainNumberText(int32_t index, int32_t mode, int32_t side) const
{
    return timetable.TrainNumberText(index, mode, side);
}

MallocPtr Game::TrainNameText(int32_t index, int32_t mode, int32_t side) const
{
    return timetable.TrainNameText(index, mode, side);
}

int32_t Game::LinkDigit(int32_t row, int32_t side) const { return timetable.LinkDigit(row, side); }

int32_t Game::Platform(int32_t index, int32_t mode, int32_t side) const
{
    return timetable.Platform(index, mode, side);
}

::TileCode Game::ExitTile(int32_t index, int32_t mode) const { return timetable.ExitTile(index, mode); }

int32_t Game::DepartureLink(int32_t index, int32_t mode) const { return timetable.DepartureLink(index, mode); }

bool Game::HasArrivalLink(int32_t index, int32_t mode) const { return timetable.ArrivalLink(index, mode) != 0; }

bool Game::LocoChanges(int32_t index, int32_t mode) const
{
    return timetable.LocoChanges(index, mode, allowShedTransfers != 0);
}

int32_t Game::IndexRow(int32_t index, int32_t mode) const { return timetable.IndexRow(index, mode, false); }

int32_t Game::CountTwoUnitRows(int32_t mode, int32_t n) const { return timetable.CountTwoUnitRows(mode, n); }

const char* Game::CategoryCode(int32_t index, int32_t mode) const { return timetable.CategoryCode(index, mode); }

int32_t Game::RowState(int32_t index, int32_t mode) { return timetable.RowState(index, mode); }

int32_t Game::RowTime(int32_t row, int32_t side) const { return timetable.RowTime(row, side); }

int32_t Game::DelayChance(int32_t cls, int32_t sign, int32_t value)
{
    return timetable.DelayChance(cls, sign, value);
}

int32_t Game::LookAhead(int32_t value) { return timetable.LookAhead(value); }

int32_t Game::Delay(int32_t index, int32_t mode, int32_t side) { return timetable.Delay(index, mode, 0, side); }

bool Game::HasCompositions() const { return timetable.HasCompositions(); }

int32_t Game::VehicleTypeCount() { return timetable.VehicleTypeCount(); }

bool Game::IsTestGame() const { return timetable.IsTestGame(); }

void Game::SetTestGame(bool on) { timetable.SetTestGame(on); }

const ::DepotStats& Game::DepotStats() { return depot.Stats(); }

int32_t Game::StandingStateNow(int32_t departureIndex)
{
    // Any side but kArrivalSide is the departure side.
    if (Now() < timetable.ExpectedTime(departureIndex, kDepartureMode, kDepartureMode)) return 1;
    return timetable.TrainState(departureIndex, kDepartureMode, 3);
}
