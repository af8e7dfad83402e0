// Status bar texts built from the game and the pause state.
#include "ui/status_texts.h"

#include <cstdio>

#include "model/game.h"
#include "simulation/train_tracking.h"
#include "ui/pacing.h"
#include "ui/ui_state.h"

StatusBarEdges StatusBarPartEdges(int clientWidth)
{
    int width = clientWidth < 400 ? 400 : clientWidth;
    int message = width - 170 > 180 ? width - 170 : 180;
    return StatusBarEdges{{120, message, -1}};
}

std::string ClockStatusText()
{
    if (!gUi.gameRunning) return std::string();
    int hhmm = TheGame().Now();
    int h = hhmm / 100, m = hhmm % 100, s = TheGame().Seconds();
    char text[160];
    const char* reason = PauseReason();
    if (gUi.paused)
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d  (pauza)", h, m, s);
    else if (reason)
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d  (pauza: %s)", h, m, s, reason);
    else
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d", h, m, s);
    return text;
}

std::string ScoreStatusText()
{
    if (TheGame().IsTestGame()) return "Gra testowa";
    char text[48];
    std::snprintf(text, sizeof text, "Punkty karne: %d", GetPenaltyPoints(TheGame()));
    return text;
}
