// Dispatcher hints: waiting and overdue trains, supplies and breakdowns.
#include "simulation/hints.h"

#include <algorithm>
#include <cstdio>

#include "model/settings.h"
#include "simulation/disruptions.h"
#include "simulation/notify.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"
#include "simulation/track_names.h"
#include "simulation/train_search.h"
#include "simulation/train_tracking.h"
#include "simulation/upcoming_trains.h"

namespace {

constexpr int32_t kWaitingPriority = 100;
constexpr int32_t kOverduePriority = 200;
constexpr int32_t kSuppliesPriority = 170;
constexpr int32_t kBrokenPriority = 180;
constexpr int32_t kLowPercent = 20;  ///< a supply below this is worth a hint

// The first point, in index order, that accept takes, with slot 0 empty, not
// closed and not offered yet; its short code is then offered.
template <typename Accept>
std::string FirstFreePoint(Game& game, SuggestedPlaces* suggested, Accept accept)
{
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        if (!accept(p) || game.SlotVehicleType(p, 0) != 0 || IsPointClosed(p)) continue;
        const std::string code = PointShortCode(game, p);
        if (suggested && suggested->count(code) != 0) continue;
        if (suggested) suggested->insert(code);
        return code;
    }
    return std::string();
}

std::string FirstFreeOfKind(Game& game, int32_t kind, SuggestedPlaces& suggested)
{
    return FirstFreePoint(game, &suggested, [&game, kind](int32_t p) { return game.PointKind(p) == kind; });
}

int32_t PointTileOrZero(const Game& game, int32_t point) { return point >= 0 ? game.PointTile(point) : 0; }

// Minutes from a scheduled time (its "H:MM" text) moved by delay until now,
// 0 when the text cannot be read or the time is still ahead.
int32_t MinutesPastSchedule(Game& game, const MallocPtr& timeText, int64_t delay)
{
    const int32_t scheduled = ParseHourMinute(timeText.Get());
    return scheduled < 0 ? 0 : DelayMinutesUntilNow(game, scheduled + delay);
}

void AddWaitingTrains(Game& game, std::vector<Hint>& hints, SuggestedPlaces& suggested)
{
    for (int32_t t = 0; t < game.TrainCount(); ++t) {
        if (game.TrainStateNow(t, kArrivalMode) != 2) continue;
        const std::string number = game.TrainNumberText(t, kArrivalMode, kArrivalSide).Text();
        const int32_t wait = MinutesPastSchedule(game, game.ScheduledTimeText(t, kArrivalMode, kArrivalSide),
                                                 game.Delay(t, kArrivalMode, kArrivalSide));
        // A train held back has no vehicles here yet: it waits at its entry.
        int32_t point = TrainStandingPoint(game, game.IndexRow(t, kArrivalMode));
        if (point < 0) point = game.FindPointByTile(game.timetable.EntryTile(t, kArrivalMode));
        const std::string free = point >= 0 ? FindFreePointForEntry(game, point, &suggested) : std::string();
        char text[240];
        if (wait > 0 && !free.empty())
            std::snprintf(text, sizeof text, "Pociąg %s czeka na wjazd %d min - wolny jest %s", number.c_str(),
                          static_cast<int>(wait), free.c_str());
        else if (wait >= 1)
            std::snprintf(text, sizeof text, "Pociąg %s czeka na wjazd %d min", number.c_str(), static_cast<int>(wait));
        else if (!free.empty())
            std::snprintf(text, sizeof text, "Pociąg %s czeka na wjazd - wolny jest %s", number.c_str(), free.c_str());
        else
            std::snprintf(text, sizeof text, "Pociąg %s czeka na wjazd", number.c_str());
        AddHint(hints, kWaitingPriority + wait, text, PointTileOrZero(game, point));
    }
}

void AddOverdueDepartures(Game& game, std::vector<Hint>& hints)
{
    for (int32_t t = 0; t < game.TrainCount(); ++t) {
        if (game.TrainStateNow(t, kDepartureMode) != 3) continue;
        const int32_t row = game.IndexRow(t, kDepartureMode);
        const std::string number = game.TrainNumberText(t, kDepartureMode, kDepartureSide).Text();
        const int32_t late = MinutesPastSchedule(game, game.ScheduledTimeText(t, kDepartureMode, kDepartureSide),
                                                 ExpectedDelay(game, row));
        const std::string place = TrainPlaceLabel(game, row);
        const char* dash = place.empty() ? "" : " - ";
        char text[240];
        if (late < 1)
            std::snprintf(text, sizeof text, "Pociąg %s czeka na wyjazd%s%s", number.c_str(), dash, place.c_str());
        else
            std::snprintf(text, sizeof text, "Pociąg %s stoi %d min po godzinie odjazdu%s%s", number.c_str(),
                          static_cast<int>(late), dash, place.c_str());
        AddHint(hints, kOverduePriority + late, text, PointTileOrZero(game, TrainStandingPoint(game, row)));
    }
}

// Where a hint's vehicle stands, as its texts and its tile say it.
struct VehiclePlace {
    int32_t row;      ///< slot-grid row
    int32_t slot;     ///< slot of the vehicle
    std::string name; ///< vehicle-type name
    std::string at;   ///< " na P2", or "" on a sub-track or a point without a code
    int32_t tile;     ///< the point's first tile, 0 for a sub-track row
};

// " Pt1" after a free point's code, or "" when there is none.
std::string Offered(const std::string& code) { return code.empty() ? code : " " + code; }

void AddSupplyHints(Game& game, std::vector<Hint>& hints, SuggestedPlaces& suggested, const VehiclePlace& v)
{
    const char* name = v.name.c_str();
    const char* at = v.at.c_str();
    char text[240];
    const int32_t water = SteamWaterPercent(game, v.row, v.slot);
    if (water >= 0 && water < kLowPercent && WaterSecondsToFull(game, v.row, v.slot) == -1) {
        if (water > 0)
            std::snprintf(text, sizeof text, "Parowóz %s ma %d%% wody%s - czas pod żuraw", name, static_cast<int>(water), at);
        else
            std::snprintf(text, sizeof text, "Parowóz %s ma pusty tender%s - podstaw go pod żuraw", name, at);
        AddHint(hints, kSuppliesPriority - water, text, v.tile);
    }
    const bool coalRefill = CoalSecondsToFull(game, v.row, v.slot) != -1;
    const int32_t coal = SteamCoalPercent(game, v.row, v.slot);
    if (coal >= 1 && coal < kLowPercent && !coalRefill) {
        const std::string free = Offered(FirstFreeOfKind(game, kPointFreightPlatform, suggested));
        std::snprintf(text, sizeof text, "Parowóz %s ma %d%% węgla%s - czas pod peron towarowy%s", name,
                      static_cast<int>(coal), at, free.c_str());
        AddHint(hints, kSuppliesPriority - coal, text, v.tile);
    }
    if (IsCoalEmpty(game, v.row, v.slot) && !coalRefill) {
        const std::string free = Offered(FirstFreeOfKind(game, kPointFreightPlatform, suggested));
        std::snprintf(text, sizeof text, "Parowóz %s nie ma węgla%s - podstaw go pod peron towarowy%s", name, at,
                      free.c_str());
        AddHint(hints, kSuppliesPriority, text, v.tile);
    }
    const int32_t fuel = FuelPercent(game, v.row, v.slot);
    if (fuel >= 0 && fuel < kLowPercent && FuelSecondsToFull(game, v.row, v.slot) == -1) {
        const std::string free = Offered(FirstFreeOfKind(game, kPointLocoTrack, suggested));
        if (fuel > 0)
            std::snprintf(text, sizeof text, "%s ma %d%% paliwa%s - czas pod tor dla lokomotyw%s", name,
                          static_cast<int>(fuel), at, free.c_str());
        else
            std::snprintf(text, sizeof text, "%s nie ma paliwa%s - podstaw ją pod tor dla lokomotyw%s", name, at,
                          free.c_str());
        AddHint(hints, kSuppliesPriority - fuel, text, v.tile);
    }
}

void AddVehicleHints(Game& game, std::vector<Hint>& hints, SuggestedPlaces& suggested)
{
    const int32_t rowCount = game.PointCount() + game.SubTrackCount();
    for (int32_t r = 0; r < rowCount; ++r) {
        const int32_t run = OccupiedRun(game, r);
        for (int32_t s = 0; s < run; ++s) {
            const VehiclePlace v{r, s, game.VehicleTypeName(r, s), PointAtText(game, r),
                                 r < game.PointCount() ? game.PointTile(r) : 0};
            AddSupplyHints(game, hints, suggested, v);
            if (!game.SlotOperational(r, s) && game.SlotKind(r, s) >= kKindElectricUnit) {
                char text[240];
                std::snprintf(text, sizeof text, "%s%s jest niesprawna - potrzebna inna maszyna", v.name.c_str(),
                              v.at.c_str());
                AddHint(hints, kBrokenPriority, text, v.tile);
            }
        }
    }
}

}  // namespace

std::vector<Hint> BuildHints(Game& game)
{
    std::vector<Hint> hints;
    if (!NotifyGameRunning() || !gSettings.podpowiedzi) return hints;
    SuggestedPlaces suggested;
    AddWaitingTrains(game, hints, suggested);
    AddOverdueDepartures(game, hints);
    AddVehicleHints(game, hints, suggested);
    std::stable_sort(hints.begin(), hints.end(), HintGreater);
    return hints;
}

void AddHint(std::vector<Hint>& hints, int32_t priority, const char* text, int32_t tile)
{
    hints.push_back(Hint{priority, text ? text : "", tile});
}

bool HintGreater(const Hint& a, const Hint& b) { return a.priority > b.priority; }

std::string FindFreePointForEntry(Game& game, int32_t entryPoint, SuggestedPlaces* suggested)
{
    const TileCode from = entryPoint >= 0 && entryPoint < game.PointCount() ? game.PointTile(entryPoint) : 0;
    if (from <= 0) return std::string();
    // Any tile of the platform counts: a track from the far side reaches its last.
    return FirstFreePoint(game, suggested, [&game, from](int32_t p) {
        const int32_t kind = game.PointKind(p);
        if (kind != kPointPlatform && kind != kPointFreightPlatform) return false;
        for (int32_t k = 0; k < 3; ++k) {
            const TileCode to = game.PointTileAt(p, k);
            if (to > 0 && game.PathExistsBetween(from, to, false)) return true;
        }
        return false;
    });
}
