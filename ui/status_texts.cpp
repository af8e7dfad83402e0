// Status bar texts built from the game and the pause state.
#include "ui/status_texts.h"

#include <cstdio>

#include "model/game.h"
#include "simulation/train_tracking.h"
#include "ui/pacing.h"
#include "ui/ui_state.h"

namespace {

constexpr int kScoreEdge = 120;
constexpr int kMinClockWidth = 170;

// The clock text for a time of day (HHMM and seconds), the player's pause
// and the automatic pause's reason (null when none).
std::string ClockText(int hhmm, int seconds, bool paused, const char* reason)
{
    int h = hhmm / 100, m = hhmm % 100;
    char text[160];
    if (paused)
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d  (pauza)", h, m, seconds);
    else if (reason)
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d  (pauza: %s)", h, m, seconds, reason);
    else
        std::snprintf(text, sizeof text, "Godzina: %02d:%02d:%02d", h, m, seconds);
    return text;
}

}  // namespace

StatusBarEdges StatusBarPartEdges(int clientWidth, int clockWidth)
{
    const int width = clientWidth > 0 ? clientWidth : 0;
    const int wanted = clockWidth > kMinClockWidth ? clockWidth : kMinClockWidth;
    const int clockEdge = wanted < width ? width - wanted : 0;
    return StatusBarEdges{{clockEdge < kScoreEdge ? clockEdge : kScoreEdge, clockEdge, -1}};
}

std::string ClockStatusText()
{
    if (!gUi.gameRunning) return std::string();
    return ClockText(TheGame().Now(), TheGame().Seconds(), gUi.paused, PauseReason());
}

std::vector<std::string> ClockStatusTextKinds()
{
    constexpr int kLatestHHMM = 2359;
    constexpr int kLatestSecond = 59;
    std::vector<std::string> kinds = {ClockText(kLatestHHMM, kLatestSecond, true, nullptr)};
    for (const char* reason : kPauseReasons) kinds.push_back(ClockText(kLatestHHMM, kLatestSecond, false, reason));
    return kinds;
}

std::string ScoreStatusText()
{
    if (TheGame().IsTestGame()) return "Gra testowa";
    char text[48];
    std::snprintf(text, sizeof text, "Punkty karne: %d", GetPenaltyPoints(TheGame()));
    return text;
}
