// Game services answered by TheGame().
#include "ui/model_hooks.h"

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/hints.h"
#include "simulation/routes.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "sources/delay_data.h"
#include "sources/delay_refresh.h"
#include "ui/pacing.h"

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
    // The player's own chances: the settings never see a disruption's offset.
    hooks.delayChance = [](int cls, int sign, int value) {
        return static_cast<int>(BaseDelayChance(TheGame(), cls, sign, value));
    };
    hooks.simulationStep = [] { return static_cast<int>(TheGame().SimulationStep()); };
    // The train asking for its line section is named by its arrival-index position.
    hooks.admitArrivingTrains = [](int position, int answer) {
        return static_cast<int>(TheGame().AdmitArrivingTrains(position, answer));
    };
    hooks.entryPointTileOfRow = [](int position) {
        return static_cast<int>(TheGame().EntryPointTileOfRow(position, kArrivalMode));
    };
    hooks.entryNumberOfRow = [](int position) {
        return static_cast<int>(TheGame().EntryNumberOfRow(position, kArrivalMode));
    };
    hooks.trainNumberText = [](int position) {
        return std::string(TheGame().TrainNumberText(position, kArrivalMode, kArrivalSide).Text());
    };
    hooks.placeTrainsForTime = [](int hhmm) { return static_cast<int>(TheGame().PlaceTrainsForTime(hhmm)); };
    hooks.findPointByTile = [](int tile) { return static_cast<int>(TheGame().FindPointByTile(tile)); };
    hooks.entryTileByNumber = [](int number) { return static_cast<int>(TheGame().EntryTileByNumber(number)); };
    hooks.clearRouteCandidates = [] { TheGame().RouteSelection(kRouteClear, kRouteClear, false); };
    hooks.suppliesTick = [] { SuppliesTick(TheGame()); };
    hooks.findSlotToExtinguish = [](int point) { return static_cast<int>(FindSlotToExtinguish(TheGame(), point)); };
    hooks.findSlotToFireUp = [](int point) { return static_cast<int>(FindSlotToFireUp(TheGame(), point)); };
    hooks.extinguishSteamLoco = [](int point) { return ExtinguishSteamLoco(TheGame(), point); };
    hooks.fireUpSteamLoco = [](int point) { return FireUpSteamLoco(TheGame(), point); };
    hooks.addLogEvent = AddLogEvent;
    hooks.resetTrainTracking = ResetTrainTracking;
    hooks.trackTrainsTick = [] { TrackTrainsTick(TheGame()); };
    hooks.penaltyPoints = [] { return static_cast<int>(GetPenaltyPoints(TheGame())); };
    hooks.startDisruptions = [] { StartDisruptions(TheGame()); };
    hooks.disruptionsTick = [] { DisruptionsTick(TheGame()); };
    hooks.applyDueDelays = [] { ApplyDueDelays(TheGame()); };
    hooks.pollDelayRefresh = [] { PollDelayRefresh(TheGame(), DelayRefreshGate()); };
    hooks.updateRandomDelaysSwitch = [] { UpdateRandomDelaysSwitch(TheGame(), ClockRealTimeOrSlower()); };
    return hooks;
}

StationViewFeed ModelStationViewFeed()
{
    StationViewFeed feed = kNoStationViewFeed;
    feed.hints = [] {
        std::vector<std::string> texts;
        for (const Hint& hint : BuildHints(TheGame())) texts.push_back(hint.text);
        return texts;
    };
    feed.newestEvents = [](int32_t n) {
        std::vector<ViewLogEntry> entries;
        for (int32_t i = 0; i < n && i < LogCount(); ++i) {
            LogEvent event = GetLogEventNewestFirst(i);
            entries.push_back({event.time, event.text});
        }
        return entries;
    };
    feed.pointClosed = IsPointClosed;
    return feed;
}
