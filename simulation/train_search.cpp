// Train search by number, and where a train's vehicles stand.
#include "simulation/train_search.h"

#include <cstdio>

#include "simulation/consist.h"
#include "simulation/notify.h"
#include "simulation/slot_queries.h"
#include "simulation/track_names.h"
#include "simulation/upcoming_trains.h"

namespace {

// The side an index lists: arrivals for the arrival index, else departures.
int32_t SideOf(int32_t mode) { return mode == kArrivalMode ? kArrivalSide : kDepartureSide; }

bool NumberIs(Game& game, int32_t index, int32_t mode, int32_t side, const std::string& query)
{
    return TrimmedName(game.TrainNumberText(index, mode, side).Get()) == query;
}

// The siding one of whose sub-tracks is the slot-grid row; -1 when none.
TrainVehiclePlace SidingOfRow(Game& game, int32_t row)
{
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        const SubTrackRows rows = SidingRows(game, p);
        if (row >= rows.first && row <= rows.last) return {p, row - rows.first + 1, -1};
    }
    return {};
}

// "wjedzie o 6:05  (+3 min) - czeka na wjazd", "odjedzie o 6:10", "już odjechał".
std::string ComingText(Game& game, int32_t t, int32_t mode)
{
    const int32_t state = game.TrainStateNow(t, mode);
    if (state == -1) return "już odjechał";
    const int32_t side = SideOf(mode);
    char text[120];
    std::snprintf(text, sizeof text, "%s o %s%s", side == kArrivalSide ? "wjedzie" : "odjedzie",
                  game.ScheduledTimeText(t, mode, side).Text(), "");
    std::string status = text;
    const int32_t delay = game.Delay(t, mode, side);
    if (delay != 0) {
        std::snprintf(text, sizeof text, "  (%+d min)", static_cast<int>(delay));
        status += text;
    }
    if (state == 2) status += " - czeka na wjazd";
    return status;
}

}  // namespace

FindTrainResult TrainInfoText(Game& game, const char* query)
{
    FindTrainResult result;
    const std::string q = TrimmedName(query);
    if (!NotifyGameRunning() || q.empty()) return result;
    int32_t t = -1;
    int32_t mode = kArrivalMode;
    for (int32_t m : {kArrivalMode, kDepartureMode}) {
        for (int32_t i = 0; i < game.TrainCount() && t < 0; ++i)
            if (NumberIs(game, i, m, SideOf(m), q)) t = i;
        if (t >= 0) {
            mode = m;
            break;
        }
    }
    if (t < 0) return result;
    result.train = game.IndexRow(t, mode);
    result.number = q;
    result.relation = TrainRelation(game, t, mode);

    TrainVehiclePlace place{TrainStandingPoint(game, result.train), 0, result.train};
    if (place.point < 0) place = FindPointOfTrainLoco(game, q);
    if (place.point < 0) {
        result.status = ComingText(game, t, mode);
        return result;
    }
    result.tile = game.PointTile(place.point);
    std::string label = TrainPlaceLabel(game, place.train);
    // A train of locomotives alone has no cars to name its place by.
    if (label.empty()) label = PointFullLabel(game, place.point, place.train, place.subTrack);
    result.status = "stoi na stacji: " + label;
    return result;
}

std::string TrimmedName(const char* text)
{
    if (!text) return std::string();
    std::string name = text;
    const size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

TrainVehiclePlace FindPointOfTrainLoco(Game& game, const std::string& query)
{
    const int32_t rowCount = game.PointCount() + game.SubTrackCount();
    for (int32_t r = 0; r < rowCount; ++r) {
        const int32_t run = OccupiedRun(game, r);
        for (int32_t s = 0; s < run; ++s) {
            const int32_t train = game.SlotTrain(r, s);
            if (train < 0 || train >= game.TrainCount()) continue;
            // Locomotives carry train 0 of their own: only a train that
            // stands in the station can be found by them.
            const int32_t state = game.TrainStateNow(train, kRawRow);
            if (state != kTrainStanding && state != kTrainDueOut) continue;
            if (!NumberIs(game, train, kRawRow, kArrivalSide, query) &&
                !NumberIs(game, train, kRawRow, kDepartureSide, query))
                continue;
            TrainVehiclePlace place = r < game.PointCount() ? TrainVehiclePlace{r, 0, -1} : SidingOfRow(game, r);
            place.train = train;
            if (place.point >= 0) return place;
        }
    }
    return {};
}

int32_t TrainStandingPoint(Game& game, int32_t train)
{
    const int32_t point = FindPointOfTrain(game, train);
    return point >= 0 ? point : FindSidingOfTrain(game, train).point;
}
