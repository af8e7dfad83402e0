// The game services the user interface calls, as function pointers, so the
// window code and its tests run before and without the simulation behind them.
#pragma once

#include <string>

// Each member mirrors the game operation named in its comment. The initial
// values stand in while no game model is plugged in: they report an empty
// station, refuse every operation and keep the timetable options in memory.
struct GameHooks {
    // Clock and timetable
    int (*now)();                                  ///< Game::Now: clock HHMM
    int (*seconds)();                              ///< Game::Seconds
    int (*clockStep)();                            ///< Game::ClockStep: seconds per step
    void (*setClockStep)(int seconds);             ///< Game::SetClockStep
    void (*setMoveDivisor)(int divisor);           ///< Game::SetMoveDivisor
    int (*trainCount)();                           ///< Game::TrainCount
    int (*trainStateNow)(int train, int side, int value);  ///< Game::TrainStateNow
    bool (*isTestGame)();                          ///< Game::IsTestGame
    int (*lookAhead)(int value);                   ///< Game::LookAhead: -100 reads
    int (*delayChance)(int cls, int sign, int value);  ///< BaseDelayChance: the player's own, -100 reads
    // Simulation and admission
    int (*simulationStep)();                       ///< Game::SimulationStep: moved + 10 x changed
    int (*admitArrivingTrains)(int row, int answer);  ///< Game::AdmitArrivingTrains: row asking, or < 0
    int (*entryPointTileOfRow)(int row);           ///< Game::EntryPointTileOfRow (arrival side)
    int (*entryNumberOfRow)(int row);              ///< Game::EntryNumberOfRow (arrival side)
    std::string (*trainNumberText)(int row);       ///< Game::TrainNumberText (arrival side)
    int (*placeTrainsForTime)(int hhmm);           ///< Game::PlaceTrainsForTime: consists placed
    // Station
    int (*findPointByTile)(int tile);              ///< Game::FindPointByTile: point or -1
    int (*entryTileByNumber)(int number);          ///< Game::EntryTileByNumber: tile or -1
    void (*clearRouteCandidates)();                ///< Game::RouteSelection(-1, -1, 1)
    // Dispatching services
    void (*applyDueDelays)();                      ///< ApplyDueDelays
    void (*pollDelayRefresh)();                    ///< PollDelayRefresh
    void (*updateRandomDelaysSwitch)();            ///< UpdateRandomDelaysSwitch
    void (*autosaveTick)();                        ///< AutosaveTick
    void (*resetTrainTracking)();                  ///< ResetTrainTracking
    void (*trackTrainsTick)();                     ///< TrackTrainsTick
    int (*penaltyPoints)();                        ///< GetPenaltyPoints
    void (*startDisruptions)();                    ///< StartDisruptions
    void (*disruptionsTick)();                     ///< DisruptionsTick
    void (*suppliesTick)();                        ///< SuppliesTick
    int (*findSlotToExtinguish)(int point);        ///< FindSlotToExtinguish: slot or < 0
    int (*findSlotToFireUp)(int point);            ///< FindSlotToFireUp: slot or < 0
    bool (*extinguishSteamLoco)(int point);        ///< ExtinguishSteamLoco
    bool (*fireUpSteamLoco)(int point);            ///< FireUpSteamLoco
    void (*addLogEvent)(const char* text);         ///< AddLogEvent
};

extern GameHooks gGameHooks;
extern const GameHooks kNoGameHooks;  // the stand-ins gGameHooks starts with
