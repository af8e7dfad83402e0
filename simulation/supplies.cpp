// Steam-locomotive supplies: the records, the station's facilities, and the
// queries on levels, refills, fuel, the fire and temperatures.
#include "simulation/supplies.h"

#include <cctype>
#include <unordered_map>
#include <vector>

#include "model/random.h"
#include "model/settings.h"
#include "simulation/notify.h"
#include "simulation/slot_queries.h"

namespace {

std::unordered_map<int32_t, SteamSupplies> gRecords;  // by vehicle serial; references stay valid
std::vector<uint8_t> gCraneFlags;                     // one per point: a water crane stands there
bool gStationHasCrane = false;                        // some flag is set
uint32_t gSeed = 1;                                   // drawn at every reset

bool NoWinter() { return false; }
WinterQuery gWinter = NoWinter;

bool SuppliesOn() { return gSettings.zapasyWlaczone; }

// Known fuel tanks, by the start of the vehicle-type name.
struct FuelTank {
    const char* prefix;  ///< compared case-insensitively over its length
    int32_t litres;      ///< tank size
};
const FuelTank kFuelTanks[] = {
    {"SM42", 2840}, {"SM31", 4400}, {"SU45", 3500}, {"SP45", 3500}, {"SU46", 3200}, {"ST44", 3900},
};

bool StartsWithNoCase(const char* name, const char* prefix)
{
    for (; *prefix; ++prefix, ++name)
        if (std::toupper(static_cast<unsigned char>(*name)) != std::toupper(static_cast<unsigned char>(*prefix)))
            return false;
    return true;
}

SteamSupplies NewRecord(Game& game, int32_t point, int32_t slot, uint32_t serial)
{
    auto h = [serial](uint32_t salt) { return static_cast<int32_t>(SupplyHash(serial, salt)); };
    SteamSupplies record;
    record.water = game.SlotServiced(point, slot) ? h(13) % 5000 + 4500 : h(11) % 2000 + 1500;
    record.coal = h(17) % 1000 < 50 ? h(19) % 1500 + 1200 : h(23) % 5500 + 4500;
    record.fuel = h(29) % 4500 + 5500;
    return record;
}

bool PointHasKind(const Game& game, int32_t point, int32_t kind)
{
    return point >= 0 && point < game.PointCount() && game.PointKind(point) == kind;
}

bool StationHasKind(const Game& game, int32_t kind)
{
    for (int32_t p = 0; p < game.PointCount(); ++p)
        if (game.PointKind(p) == kind) return true;
    return false;
}

bool CraneNear(const Game& game, TileCode tile)
{
    static const int32_t kOffsets[][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& offset : kOffsets) {
        const int32_t row = TileRow(tile) + offset[0];
        const int32_t col = TileColumn(tile) + offset[1];
        if (row < 0 || row >= game.GridRows() || col < 0 || col >= game.GridCols()) continue;
        if (IsWaterCraneTile(game.TileCode(row, col))) return true;
    }
    return false;
}

// Seconds of a refill still to go; -1 when the level is full.
int32_t RefillSeconds(int32_t level, int32_t refillSeconds)
{
    if (level >= kLevelFull) return -1;
    return static_cast<int32_t>(int64_t{kLevelFull - level} * refillSeconds / kLevelFull);
}

// The record of a steam locomotive while the supplies run; null otherwise.
SteamSupplies* SteamRecord(Game& game, int32_t point, int32_t slot)
{
    return SuppliesOn() && IsSteamLoco(game, point, slot) ? GetSupplies(game, point, slot) : nullptr;
}

SteamSupplies* FuelRecord(Game& game, int32_t point, int32_t slot)
{
    return SuppliesOn() && UsesFuel(game, point, slot) ? GetSupplies(game, point, slot) : nullptr;
}

}  // namespace

void ResetSupplies(Game& game)
{
    const bool running = NotifyGameRunning();
    gCraneFlags.assign(running ? static_cast<size_t>(game.PointCount()) : 0, 0);
    gRecords.clear();
    gSeed = static_cast<uint32_t>(RandomValue()) * 0x9E3779B1u + 1u;
    gStationHasCrane = false;
    for (size_t p = 0; p < gCraneFlags.size(); ++p) {
        for (int32_t k = 0; k < 3 && !gCraneFlags[p]; ++k) {
            const TileCode tile = game.PointTileAt(static_cast<int32_t>(p), k);
            if (tile >= 1 && CraneNear(game, tile)) gCraneFlags[p] = 1;
        }
        gStationHasCrane = gStationHasCrane || gCraneFlags[p];
    }
}

uint32_t SupplyHash(uint32_t x, uint32_t salt) { return ((x ^ (gSeed + salt)) * 0x9E3779B1u) >> 11; }

SteamSupplies* GetSupplies(Game& game, int32_t point, int32_t slot)
{
    if (!IsSteamLoco(game, point, slot) && !UsesFuel(game, point, slot)) return nullptr;
    const int32_t serial = game.SlotVehicleSerial(point, slot);
    auto found = gRecords.find(serial);
    if (found == gRecords.end())
        found = gRecords.emplace(serial, NewRecord(game, point, slot, static_cast<uint32_t>(serial))).first;
    return &found->second;
}

bool IsWaterCraneTile(int32_t tileCode) { return tileCode == -18 || tileCode == -36 || tileCode == -37; }

bool PointHasWaterCrane(int32_t point)
{
    return point >= 0 && static_cast<size_t>(point) < gCraneFlags.size() && gCraneFlags[static_cast<size_t>(point)];
}

bool StationHasWaterCrane() { return gStationHasCrane; }

bool IsFreightPlatform(const Game& game, int32_t point) { return PointHasKind(game, point, kPointFreightPlatform); }

bool StationHasFreightPlatform(const Game& game) { return StationHasKind(game, kPointFreightPlatform); }

bool IsLocoTrack(const Game& game, int32_t point) { return PointHasKind(game, point, kPointLocoTrack); }

bool StationHasLocoTrack(const Game& game) { return StationHasKind(game, kPointLocoTrack); }

bool IsSteamLoco(Game& game, int32_t point, int32_t slot)
{
    return NotifyGameRunning() && game.SlotKind(point, slot) == kKindSteamLoco;  // an empty slot has kind 0
}

bool UsesFuel(Game& game, int32_t point, int32_t slot)
{
    const int32_t kind = game.SlotKind(point, slot);
    return NotifyGameRunning() && (kind == kKindDieselUnit || kind == kKindDieselLoco);
}

int32_t SteamWaterPercent(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = StationHasWaterCrane() ? SteamRecord(game, point, slot) : nullptr;
    return r ? r->water / 100 : -1;
}

int32_t SteamCoalPercent(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = StationHasFreightPlatform(game) ? SteamRecord(game, point, slot) : nullptr;
    return r ? r->coal / 100 : -1;
}

int32_t FuelPercent(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = StationHasLocoTrack(game) ? FuelRecord(game, point, slot) : nullptr;
    return r ? r->fuel / 100 : -1;
}

bool IsWaterEmpty(Game& game, int32_t point, int32_t slot) { return SteamWaterPercent(game, point, slot) == 0; }

bool IsCoalEmpty(Game& game, int32_t point, int32_t slot) { return SteamCoalPercent(game, point, slot) == 0; }

bool IsFuelEmpty(Game& game, int32_t point, int32_t slot) { return FuelPercent(game, point, slot) == 0; }

int32_t WaterSecondsToFull(Game& game, int32_t point, int32_t slot)
{
    if (!PointHasWaterCrane(point) || game.IsSlotConsistMoving(point, slot)) return -1;
    SteamSupplies* r = SteamRecord(game, point, slot);
    return r ? RefillSeconds(r->water, kWaterRefillSeconds) : -1;
}

int32_t CoalSecondsToFull(Game& game, int32_t point, int32_t slot)
{
    if (!IsFreightPlatform(game, point) || game.IsSlotConsistMoving(point, slot)) return -1;
    SteamSupplies* r = SteamRecord(game, point, slot);
    return r ? RefillSeconds(r->coal, kCoalRefillSeconds) : -1;
}

int32_t FuelSecondsToFull(Game& game, int32_t point, int32_t slot)
{
    if (!IsLocoTrack(game, point) || game.IsSlotConsistMoving(point, slot)) return -1;
    SteamSupplies* r = FuelRecord(game, point, slot);
    return r ? RefillSeconds(r->fuel, kFuelRefillSeconds) : -1;
}

int32_t FuelTankLitres(Game& game, int32_t point, int32_t slot)
{
    if (!UsesFuel(game, point, slot)) return 0;
    const char* name = game.VehicleTypeName(point, slot);
    for (const FuelTank& tank : kFuelTanks)
        if (StartsWithNoCase(name, tank.prefix)) return tank.litres;
    return 0;
}

int32_t FuelLitres(Game& game, int32_t point, int32_t slot)
{
    const int32_t tank = FuelTankLitres(game, point, slot);
    if (tank < 1 || FuelPercent(game, point, slot) == -1) return 0;
    return static_cast<int32_t>(int64_t{tank} * GetSupplies(game, point, slot)->fuel / kLevelFull);
}

int32_t SteamFireState(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = SteamRecord(game, point, slot);
    return r ? r->fireState : kFireReady;
}

int32_t SteamFireSecondsLeft(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = SteamRecord(game, point, slot);
    if (!r) return -1;
    if (r->fireState == kFireExtinguishing)
        return static_cast<int32_t>(int64_t{r->heat} * gSettings.wygaszanieSekund / kLevelFull);
    if (r->fireState == kFireFiringUp)
        return static_cast<int32_t>(int64_t{kLevelFull - r->heat} * gSettings.rozpalanieSekund / kLevelFull);
    return -1;
}

int32_t SteamHeatPercent(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = SteamRecord(game, point, slot);
    return r ? r->heat / 100 : -1;
}

WinterQuery SetWinterQuery(WinterQuery query)
{
    WinterQuery old = gWinter;
    gWinter = query ? query : NoWinter;
    return old;
}

int32_t AmbientTemperature()
{
    const uint32_t h = SupplyHash(0, 71);
    return gWinter() ? -12 + static_cast<int32_t>(h % 15) : 8 + static_cast<int32_t>(h % 17);
}

int32_t BoilerWorkingTemperature(Game& game, int32_t point, int32_t slot)
{
    if (!IsSteamLoco(game, point, slot)) return 205;
    return 188 + static_cast<int32_t>(SupplyHash(static_cast<uint32_t>(game.SlotVehicleSerial(point, slot)), 83) % 18);
}

int32_t BoilerTemperature(Game& game, int32_t point, int32_t slot)
{
    SteamSupplies* r = SteamRecord(game, point, slot);
    if (!r) return -1;
    const int32_t ambient = AmbientTemperature();
    const int32_t working = BoilerWorkingTemperature(game, point, slot);
    int32_t t = ambient + static_cast<int32_t>(int64_t{r->heat} * (working - ambient) / kLevelFull);
    if (r->fireState == kFireReady) {
        // The reading wanders by -3..+3 degrees every five game minutes.
        const int32_t hhmm = game.Now();
        const uint32_t fiveMinutes = static_cast<uint32_t>((hhmm / 100 * 60 + hhmm % 100) / 5) * 7919u;
        const uint32_t serial = static_cast<uint32_t>(game.SlotVehicleSerial(point, slot));
        t += static_cast<int32_t>(SupplyHash(serial ^ fiveMinutes, 89) % 7) - 3;
    }
    return t;
}
