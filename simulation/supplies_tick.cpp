// Steam-locomotive supplies: one simulation step of every locomotive's
// levels and fire, and the messages when a supply is full or a fire done.
#include <algorithm>
#include <string>

#include "model/settings.h"
#include "simulation/notify.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"
#include "simulation/track_names.h"

namespace {

constexpr int32_t kMovingUseFactor = 5;  ///< a moving consist uses its supplies five times as fast

// One step of a level: taken on at the refill rate, or used at the rate of a
// full level lasting lastsSeconds. Wide arithmetic: the durations come from
// the settings and may be as large as an int holds.
void StepSupplyLevel(int32_t& level, int32_t& remainder, int32_t dt, bool refilling, int32_t refillSeconds,
                     int32_t lastsSeconds, bool moving)
{
    const int64_t divisor = refilling ? refillSeconds : std::max(lastsSeconds, 1);
    int64_t rest = int64_t{remainder} + int64_t{dt} * kLevelFull * (!refilling && moving ? kMovingUseFactor : 1);
    const int64_t q = rest / divisor;
    rest -= q * divisor;
    const int64_t next = refilling ? level + q : level - q;
    if (next > kLevelFull || next < 0) {
        level = next > kLevelFull ? kLevelFull : 0;
        remainder = 0;
        return;
    }
    level = static_cast<int32_t>(next);
    remainder = static_cast<int32_t>(rest);
}

void ReportSupplyEvent(Game& game, int32_t point, int32_t slot, const char* prefix, const char* suffix)
{
    const std::string text = prefix + std::string(game.VehicleTypeName(point, slot)) + suffix + PointAtText(game, point);
    NotifyStatusText(text.c_str());
    NotifyRepaint();
}

// The fire of a locomotive being extinguished or fired up.
void StepFire(Game& game, int32_t row, int32_t slot, SteamSupplies& r, int32_t dt)
{
    const bool cooling = r.fireState == kFireExtinguishing;
    if (!cooling && r.fireState != kFireFiringUp) return;
    const int32_t duration = cooling ? gSettings.wygaszanieSekund : gSettings.rozpalanieSekund;
    if (duration > 0) {
        int64_t rest = int64_t{r.heatRemainder} + int64_t{dt} * kLevelFull;
        const int64_t q = rest / duration;
        rest -= q * duration;
        r.heatRemainder = static_cast<int32_t>(rest);
        const int64_t heat = cooling ? r.heat - q : r.heat + q;
        r.heat = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(heat, 0), kLevelFull));
    } else {
        r.heat = cooling ? 0 : kLevelFull;
    }
    if (r.heat != (cooling ? 0 : kLevelFull)) return;
    r.heatRemainder = 0;
    r.fireState = cooling ? kFireExtinguished : kFireReady;
    ReportSupplyEvent(game, row, slot, "Parowóz ", cooling ? " wygaszony" : " rozpalony - gotowy do jazdy");
}

// One supply of one vehicle: refilled at its facility, used while the
// vehicle may run. Reports when it has just become full at the facility.
void StepSupply(Game& game, int32_t row, int32_t slot, int32_t& level, int32_t& remainder, int32_t dt,
                bool atFacility, int32_t refillSeconds, int32_t lastsSeconds, bool moving, const char* prefix,
                const char* suffix)
{
    const int32_t before = level;
    StepSupplyLevel(level, remainder, dt, atFacility, refillSeconds, lastsSeconds, moving);
    if (atFacility && before < kLevelFull && level == kLevelFull) ReportSupplyEvent(game, row, slot, prefix, suffix);
}

}  // namespace

void SuppliesTick(Game& game)
{
    if (!NotifyGameRunning() || !gSettings.zapasyWlaczone) return;
    const bool crane = StationHasWaterCrane();
    const bool freight = StationHasFreightPlatform(game);
    const bool loco = StationHasLocoTrack(game);
    const int32_t dt = std::max(game.clock.Step(0), 1);
    const int32_t rowCount = game.PointCount() + game.SubTrackCount();
    for (int32_t row = 0; row < rowCount; ++row) {
        const int32_t run = OccupiedRun(game, row);
        for (int32_t slot = 0; slot < run; ++slot) {
            const bool steam = IsSteamLoco(game, row, slot);
            const bool fuel = UsesFuel(game, row, slot);
            if (!steam && !fuel) continue;
            const bool moving = game.IsSlotConsistMoving(row, slot);
            SteamSupplies& r = *GetSupplies(game, row, slot);
            const bool standing = row < game.PointCount() && !moving;
            // The fire runs its course wherever the locomotive stands: a station
            // without any facility must not keep it cold for good.
            if (steam) StepFire(game, row, slot, r, dt);
            // A cold locomotive uses no water or coal; it still takes them on.
            const bool hot = r.fireState == kFireReady;
            if (steam && crane) {
                const bool atCrane = standing && PointHasWaterCrane(row);
                const int32_t before = r.water;
                if (atCrane || hot)
                    StepSupply(game, row, slot, r.water, r.waterRemainder, dt, atCrane, kWaterRefillSeconds,
                               gSettings.wodaSekund, moving, "Parowóz ", " nabrał wody");
                if (before <= 0 && r.water >= 1) game.MarkSlotServiced(row, slot);
            }
            if (steam && freight) {
                const bool atFreight = standing && IsFreightPlatform(game, row);
                if (atFreight || hot)
                    StepSupply(game, row, slot, r.coal, r.coalRemainder, dt, atFreight, kCoalRefillSeconds,
                               gSettings.wegielSekund, moving, "Parowóz ", " nabrał węgla");
            }
            if (fuel && loco) {
                const bool atLoco = standing && IsLocoTrack(game, row);
                StepSupply(game, row, slot, r.fuel, r.fuelRemainder, dt, atLoco, kFuelRefillSeconds,
                           gSettings.paliwoSekund, moving, "", " zatankował");
            }
        }
    }
}
