// The autosave's interval and its status texts.
#include "ui/autosave.h"

#include <cstdio>

#include "ui/pacing.h"
#include "ui/settings.h"
#include "ui/ui_state.h"

uint64_t gAutosaveBase = 0;

namespace {

constexpr uint64_t kMinuteMs = 60000;
constexpr size_t kStatusChars = 160;

}  // namespace

void ResetAutosaveBase() { gAutosaveBase = TickNow(); }

bool AutosaveDue()
{
    if (!gUi.gameRunning || gSettings.autozapisMinut <= 0) return false;
    const uint64_t now = TickNow();
    if (gAutosaveBase == 0) {
        gAutosaveBase = now;
        return false;
    }
    if (now - gAutosaveBase < static_cast<uint64_t>(gSettings.autozapisMinut) * kMinuteMs) return false;
    gAutosaveBase = now;
    return true;
}

std::string AutosaveStatusText(bool saved, int hhmm)
{
    if (!saved) return "Autozapis się nie udał - sprawdź prawa do katalogu gry.";
    char text[kStatusChars];
    std::snprintf(text, sizeof text, "Autozapis: stan gry z godziny %02d:%02d zapisany.", hhmm / 100, hhmm % 100);
    return text;
}
