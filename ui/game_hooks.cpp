// The stand-in game services used until a game model is plugged in.
#include "ui/game_hooks.h"

namespace {

constexpr int kReadSentinel = -100;

// The timetable options live here until a timetable holds them.
int gLookAhead = 45;
int gDelayChances[6][2] = {{2, 5}, {5, 20}, {10, 20}, {10, 10}, {10, 30}, {15, 30}};

int Zero() { return 0; }
int NoTile(int) { return -1; }
void Nothing() {}

int StoredLookAhead(int value)
{
    if (value != kReadSentinel) gLookAhead = value;
    return gLookAhead;
}

int StoredDelayChance(int cls, int sign, int value)
{
    int& chance = gDelayChances[cls][sign];
    if (value != kReadSentinel) chance = value;
    return chance;
}

}  // namespace

const GameHooks kNoGameHooks = {
    Zero,                              // now
    Zero,                              // seconds
    Zero,                              // clockStep
    [](int) {},                        // setClockStep
    [](int) {},                        // setMoveDivisor
    Zero,                              // trainCount
    [](int, int, int) { return 0; },   // trainStateNow
    [] { return false; },              // isTestGame
    StoredLookAhead,                   // lookAhead
    StoredDelayChance,                 // delayChance
    Zero,                              // simulationStep
    [](int, int) { return -1; },       // admitArrivingTrains
    NoTile,                            // entryPointTileOfRow
    [](int) { return 0; },             // entryNumberOfRow
    [](int) { return std::string(); }, // trainNumberText
    [](int) { return 0; },             // placeTrainsForTime
    NoTile,                            // findPointByTile
    NoTile,                            // entryTileByNumber
    Nothing,                           // clearRouteCandidates
    Nothing,                           // applyDueDelays
    Nothing,                           // pollDelayRefresh
    Nothing,                           // updateRandomDelaysSwitch
    Nothing,                           // autosaveTick
    Nothing,                           // resetTrainTracking
    Nothing,                           // trackTrainsTick
    Zero,                              // penaltyPoints
    Nothing,                           // startDisruptions
    Nothing,                           // disruptionsTick
    Nothing,                           // suppliesTick
    NoTile,                            // findSlotToExtinguish
    NoTile,                            // findSlotToFireUp
    [](int) { return false; },         // extinguishSteamLoco
    [](int) { return false; },         // fireUpSteamLoco
    [](const char*) {},                // addLogEvent
};

GameHooks gGameHooks = kNoGameHooks;
