// The consists of a slot-grid row with their labels, locomotives and warnings.
#include "ui/consist_infos.h"

#include <string>

#include "simulation/track_names.h"

namespace {

constexpr char kCarsLabel[] = "wagony";

// The timetable train of the group's first train-carrying vehicle; -1 when
// none belongs to a train.
int32_t GroupTrain(Game& game, int32_t row, const std::vector<int32_t>& group)
{
    for (int32_t s : group) {
        const int32_t train = game.SlotTrain(row, s);
        if (game.SlotVehicleType(row, s) != 0 && game.SlotKind(row, s) < kKindElectricLoco && train >= 0)
            return train;
    }
    return -1;
}

// "H:MM number" of the train's departure, "wagony" for a train without a number.
std::string TrainLabel(Game& game, int32_t train)
{
    const std::string time = game.ScheduledTimeText(train, kRawRow, kDepartureSide).Text();
    const std::string number = game.TrainNumberText(train, kRawRow, kDepartureSide).Text();
    return (time.empty() ? time : time + " ") + (number.empty() ? kCarsLabel : number);
}

ConsistInfo InfoOfGroup(Game& game, int32_t row, const std::vector<int32_t>& group)
{
    ConsistInfo info;
    info.train = GroupTrain(game, row, group);
    info.statuses = BuildVehicleStatusList(game, row, group);
    info.lightEngines = 1;
    for (int32_t s : group)
        if (!IsPoweredVehicle(game, row, s)) info.lightEngines = 0;
    if (info.train >= 0) {
        info.label = TrainLabel(game, info.train);
        JoinConsistLocoNames(game, row, group, info.frontLocos, info.rearLocos);
    } else {
        const std::string name = game.VehicleTypeName(row, group.front());
        info.label = name.empty() ? kCarsLabel : name;
    }
    return info;
}

// A consist that a light engine may join: not itself powered all through.
bool TakesEngineAt(const ConsistInfo& info, const std::string& end)
{
    return !info.lightEngines && end.empty();
}

// Light engines without a train become the front locomotive of the consist
// after them, else the rear locomotive of the one before them.
void MergeLightEngines(std::vector<ConsistInfo>& infos)
{
    size_t i = 0;
    while (i < infos.size()) {
        const ConsistInfo& engine = infos[i];
        if (!engine.lightEngines || engine.train >= 0) {
            ++i;
            continue;
        }
        if (i + 1 < infos.size() && TakesEngineAt(infos[i + 1], infos[i + 1].frontLocos)) {
            infos[i + 1].frontLocos = engine.label;
            CopyVehicleStatuses(infos[i + 1], engine, true);
        } else if (i >= 1 && TakesEngineAt(infos[i - 1], infos[i - 1].rearLocos)) {
            infos[i - 1].rearLocos = engine.label;
            CopyVehicleStatuses(infos[i - 1], engine, false);
        } else {
            ++i;
            continue;
        }
        infos.erase(infos.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

}  // namespace

std::vector<ConsistInfo> CollectConsistInfos(Game& game, int32_t row)
{
    std::vector<ConsistInfo> infos;
    for (const std::vector<int32_t>& group : ConsistGroupsOnPoint(game, row))
        infos.push_back(InfoOfGroup(game, row, group));
    MergeLightEngines(infos);
    for (ConsistInfo& info : infos) FinishConsistInfo(info);
    return infos;
}
