// Starting the user interface's side of a game.
#include "ui/game_session.h"

#include <cstdio>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/event_log.h"
#include "simulation/pantographs.h"
#include "simulation/rolling_stock_kinds.h"
#include "simulation/supplies.h"
#include "simulation/train_tracking.h"
#include "ui/autosave.h"
#include "ui/board_delays.h"
#include "ui/pacing.h"
#include "ui/ui_state.h"

namespace {

constexpr size_t kLogChars = 200;

}  // namespace

std::string ShiftStartText(const char* stationFile, int hhmm)
{
    char text[kLogChars];
    std::snprintf(text, sizeof text, "Dyżur rozpoczęty - %s, godzina %02d:%02d", stationFile, hhmm / 100,
                  hhmm % 100);
    return text;
}

void ResetDispatchingServices()
{
    ResetRollingStockKinds();
    ResetSupplies(TheGame());
    ResetPantographs();
    ResetTrainTracking();
    ClearLog();
}

void BeginGameSession()
{
    Game& game = TheGame();
    gUi.gameRunning = true;
    gUi.paused = false;
    gUi.prevDueDepartures = 0;
    gSelection = SelectionState();
    ResetDispatchingServices();
    CollectEntryTiles(game);
    SyncStepFromGame();
    AddLogEvent(ShiftStartText(game.StationName(), game.Now()).c_str());
    for (const std::string& note : game.startNotes) AddLogEvent(note.c_str());
    ResetAutosaveBase();
    StartDisruptions(game);
}
