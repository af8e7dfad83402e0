// Steam-locomotive supplies: water, coal and the boiler's fire of steam
// locomotives and the fuel of diesels, their refill at the station's water
// cranes, freight platforms and locomotive tracks, the commands that
// extinguish and fire up a locomotive, and the departure block they cause.
//
// One record per vehicle, by its serial, made on first use from a hash of the
// game's seed, so a vehicle keeps its values while it moves between slots.
// ResetSupplies starts everything afresh at every new and loaded game.
// Switched by [Zapasy] Wlaczone; the durations come from [Zapasy] as well.
// Levels are hundredths of a percent (10000 full); percentages are whole.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

enum FireState : int32_t {
    kFireReady = 0,          ///< hot, may run
    kFireExtinguishing = 1,  ///< cooling down
    kFireExtinguished = 2,   ///< cold, cannot run
    kFireFiringUp = 3,       ///< heating up, cannot run yet
};

struct SteamSupplies {
    int32_t water = 0;           ///< 0..10000 of a full tender
    int32_t coal = 0;            ///< 0..10000
    int32_t fuel = 0;            ///< 0..10000 of a full tank
    int32_t waterRemainder = 0;  ///< fraction carried between steps, seconds x 10000
    int32_t coalRemainder = 0;   ///< the same for coal
    int32_t fuelRemainder = 0;   ///< the same for fuel
    int32_t fireState = kFireReady;  ///< FireState
    int32_t heat = 10000;        ///< boiler heat, 10000 = working temperature
    int32_t heatRemainder = 0;   ///< fraction carried for heat
};

constexpr int32_t kLevelFull = 10000;
constexpr int32_t kWaterRefillSeconds = 900;   ///< empty to full under a crane
constexpr int32_t kCoalRefillSeconds = 1200;   ///< empty to full at a freight platform
constexpr int32_t kFuelRefillSeconds = 900;    ///< empty to full on a locomotive track

// Life cycle.
void ResetSupplies(Game& game);  // crane flags from the schematic, no records, a new seed
void SuppliesTick(Game& game);   // one simulation step, the last action of the step
uint32_t SupplyHash(uint32_t x, uint32_t salt);
SteamSupplies* GetSupplies(Game& game, int32_t point, int32_t slot);  // null for an empty slot

// Station facilities.
bool IsWaterCraneTile(int32_t tileCode);  // letter markers -18, -36, -37 (an N)
bool PointHasWaterCrane(int32_t point);
bool StationHasWaterCrane();
bool IsFreightPlatform(const Game& game, int32_t point);
bool StationHasFreightPlatform(const Game& game);
bool IsLocoTrack(const Game& game, int32_t point);
bool StationHasLocoTrack(const Game& game);

// Vehicles; false without a game or for an empty slot.
bool IsSteamLoco(Game& game, int32_t point, int32_t slot);
bool UsesFuel(Game& game, int32_t point, int32_t slot);

// Levels in percent; -1 when the switch is off, the vehicle does not take
// that supply or the station does not provide it.
int32_t SteamWaterPercent(Game& game, int32_t point, int32_t slot);
int32_t SteamCoalPercent(Game& game, int32_t point, int32_t slot);
int32_t FuelPercent(Game& game, int32_t point, int32_t slot);
bool IsWaterEmpty(Game& game, int32_t point, int32_t slot);  // exactly 0 %
bool IsCoalEmpty(Game& game, int32_t point, int32_t slot);
bool IsFuelEmpty(Game& game, int32_t point, int32_t slot);

// Seconds until full while a refill goes on (the vehicle stands at the
// facility, the switch is on and the level is not full); -1 otherwise.
int32_t WaterSecondsToFull(Game& game, int32_t point, int32_t slot);
int32_t CoalSecondsToFull(Game& game, int32_t point, int32_t slot);
int32_t FuelSecondsToFull(Game& game, int32_t point, int32_t slot);

// Fuel quantity of the diesels whose tank size is known by type name.
int32_t FuelTankLitres(Game& game, int32_t point, int32_t slot);  // 0 when not known
int32_t FuelLitres(Game& game, int32_t point, int32_t slot);

// The fire; 0 / -1 when the switch is off or the vehicle is not steam.
int32_t SteamFireState(Game& game, int32_t point, int32_t slot);
int32_t SteamFireSecondsLeft(Game& game, int32_t point, int32_t slot);  // -1 unless heating or cooling
int32_t SteamHeatPercent(Game& game, int32_t point, int32_t slot);

// Temperatures in degrees Celsius, steady through a game.
int32_t AmbientTemperature();
int32_t BoilerWorkingTemperature(Game& game, int32_t point, int32_t slot);
int32_t BoilerTemperature(Game& game, int32_t point, int32_t slot);  // -1 when off or not steam

// Where the winter of the disruptions comes from; the stand-in answers no.
using WinterQuery = bool (*)();
WinterQuery SetWinterQuery(WinterQuery query);  // nullptr restores the stand-in; returns the old

// The player's commands on the selected consist's point (-1 when none).
int32_t FindSlotToExtinguish(Game& game, int32_t point);  // slot, or -1
int32_t FindSlotToFireUp(Game& game, int32_t point);      // slot, or -1
bool ExtinguishSteamLoco(Game& game, int32_t point);      // false when there is none to extinguish
bool FireUpSteamLoco(Game& game, int32_t point);          // false when there is none to fire up

// True when no vehicle on the point can pull for want of supplies; out, when
// given, receives the advice for the player.
bool GetDepartureBlockReason(Game& game, int32_t point, std::string* out = nullptr);
