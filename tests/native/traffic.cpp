// Test support: Testowo with hand-written traffic.
#include "traffic.h"

#include "roz_files.h"
#include "simulation/admission.h"
#include "station_builder.h"

namespace {

std::string Numbers(const std::vector<int32_t>& values)
{
    std::string text;
    for (int32_t v : values) text += std::to_string(v) + ",";
    return text + "\n";
}

std::string RowText(const TrainSpec& t)
{
    return Numbers({t.rowState, t.arrival, t.entry, 0, t.locoType, t.departure, t.exit, 0, 0, 100, 100,
                    t.arrivalLink, 0, 2, 2, t.trainState, t.carType, -1, 1, 1, 0, 0, t.startTile, t.startSlot, 0, 0});
}

}  // namespace

TrainSpec CarTrain(int32_t arrival, int32_t departure, TileCode entry, TileCode exit)
{
    TrainSpec t;
    t.arrival = arrival;
    t.departure = departure;
    t.entry = entry;
    t.exit = exit;
    t.locoType = kTypeElectricLoco;
    t.carType = kTypeCar;
    return t;
}

std::string TrafficRoz(const std::vector<TrainSpec>& trains, const std::vector<UnitSpec>& units)
{
    std::string text = "3,\nProba\n0,\n" + std::to_string(trains.size()) + ",\n";
    for (const TrainSpec& t : trains) text += RowText(t);
    text += "600,\n" + std::to_string(units.size()) + ",\n";
    int32_t names = 0;
    for (const UnitSpec& u : units) {
        text += Numbers({u.type, u.name, u.arrivalRow, u.departureRow, 0});
        names = std::max(names, u.name + 1);
    }
    text += "4,\n0,\n0,\n0,\n";  // four named types, no percent rows, no compositions, no picture-only types
    text += "eu07 EU07 3 1\nen57 EN57 1 2\nb B 0 3\nsm42 SM42 4 4\n";
    text += std::to_string(names) + ",\n";
    for (int32_t n = 0; n < names; ++n) text += "U" + std::to_string(n) + "\n";
    return text + "1,\nProba\n0,\n0,\n";
}

void Traffic::SetUp()
{
    BuildTestowo(game);
    game.clock.Step(1);
}

void Traffic::Load(const std::vector<TrainSpec>& trains, const std::vector<UnitSpec>& units)
{
    const std::string path = WriteTempFile("traffic.roz", TrafficRoz(trains, units));
    ASSERT_EQ(game.timetable.LoadRoz(path.c_str(), game.pictureNames), 600);
    game.timetable.SetRandomDelays(false);
}

void Traffic::SetClock(int32_t hhmm, int32_t seconds) { ASSERT_EQ(game.clock.Set(hhmm / 100, hhmm % 100, seconds), 1); }

int32_t Traffic::Step(int32_t answer)
{
    const int32_t flags = game.SimulationStep();
    int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0);
    while (asking >= 0) {
        asked.push_back(asking);
        asking = game.AdmitArrivingTrains(asking, answer);
    }
    return flags;
}

void Traffic::Steps(int32_t n)
{
    for (int32_t i = 0; i < n; ++i) Step();
}

VehicleSlot& Traffic::Slot(int32_t row, int32_t slot)
{
    return *game.slots.At(static_cast<uint32_t>(row), static_cast<uint32_t>(slot));
}

int32_t Traffic::TileStateOf(TileCode tile) const { return game.TileState(TileRow(tile), TileColumn(tile)); }

void Traffic::Route(int32_t row, int32_t slot, const std::vector<TileCode>& path)
{
    Slot(row, slot).SetPath(path);
    Slot(row, slot).Motion(kMotionRouted);
}

std::vector<TileCode> Traffic::Path(TileCode from, TileCode to)
{
    std::vector<TileCode> travelled{from};
    TileCode at = from;
    while (TileColumn(at) != TileColumn(to)) travelled.push_back(at += TileColumn(at) < TileColumn(to) ? 1 : -1);
    while (TileRow(at) != TileRow(to)) travelled.push_back(at += TileRow(at) < TileRow(to) ? 100 : -100);
    return std::vector<TileCode>(travelled.rbegin(), travelled.rend());
}

void Traffic::Put(int32_t row, int32_t slot, int32_t type, int32_t train, bool coupled)
{
    Slot(row, slot).Fill(train, type, game.timetable.VehicleTypeKind(type), 0, 1, coupled ? 1 : 0, kMotionStanding);
}
