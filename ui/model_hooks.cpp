// Game services answered by TheGame().
#include "ui/model_hooks.h"

#include "model/game.h"
#include "simulation/event_log.h"
#include "simulation/supplies.h"

GameHooks GameModelHooks()
{
    GameHooks hooks = kNoGameHooks;
    hooks.now = [] { return static_cast<int>(TheGame().Now()); };
    hooks.seconds = [] { return static_cast<int>(TheGame().Seconds()); };
    hooks.clockStep = [] { return static_cast<int>(TheGame().clock.Step(0)); };
    hooks.setClockStep = [](int seconds) { TheGame().clock.Step(seconds); };
    hooks.setMoveDivisor = [](int divisor) {
        Game& game = TheGame();
        game.moveDivisor = divisor > 1 ? divisor : 1;
        game.tickCounter = 0;
    };
    hooks.trainCount = [] { return static_cast<int>(TheGame().TrainCount()); };
    hooks.trainStateNow = [](int train, int side, int value) {
        return static_cast<int>(TheGame().TrainStateNow(train, side, value));
    };
    hooks.isTestGame = [] { return TheGame().IsTestGame(); };
    hooks.lookAhead = [](int value) { return static_cast<int>(TheGame().LookAhead(value)); };
    hooks.delayChance = [](int cls, int sign, int value) {
        return static_cast<int>(TheGame().DelayChance(cls, sign, value));
    };
    hooks.findPointByTile = [](int tile) { return static_cast<int>(TheGame().FindPointByTile(tile)); };
    hooks.entryTileByNumber = [](int number) { return static_cast<int>(TheGame().EntryTileByNumber(number)); };
    hooks.suppliesTick = [] { SuppliesTick(TheGame()); };
    hooks.findSlotToExtinguish = [](int point) { return static_cast<int>(FindSlotToExtinguish(TheGame(), point)); };
    hooks.findSlotToFireUp = [](int point) { return static_cast<int>(FindSlotToFireUp(TheGame(), point)); };
    hooks.extinguishSteamLoco = [](int point) { return ExtinguishSteamLoco(TheGame(), point); };
    hooks.fireUpSteamLoco = [](int point) { return FireUpSteamLoco(TheGame(), point); };
    hooks.addLogEvent = AddLogEvent;
    return hooks;
}
