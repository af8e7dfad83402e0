// The delay-refresh thread and its poll on the user-interface thread.
#include "sources/delay_refresh.h"

#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

#include "model/game.h"
#include "model/tick_source.h"
#include "simulation/notify.h"
#include "sources/delay_data.h"
#include "sources/rozklad_setting.h"
#include "sources/wide_text.h"

namespace {

constexpr uint64_t kMsPerMinute = 60000;
constexpr size_t kErrorShown = 120;
constexpr char kNoAnswer[] = "brak odpowiedzi";

// The only data the two threads share, all under its lock.
struct DelayRefreshState {
    std::mutex lock;          ///< the program's one lock, never held across the network call
    std::string requestText;  ///< the delays text parsed last; a refresh sends it
    std::string replyText;    ///< a new delays text waiting for the poll, else empty
    std::string errorText;    ///< a failure waiting for the poll, else empty
    uint64_t game = 0;        ///< counts the games begun
    uint64_t askedBy = 0;     ///< the game whose poll started the running refresh
    bool busy = false;        ///< a refresh thread is running
};

// Never destroyed: a detached thread may still be in the network call while
// the program ends.
DelayRefreshState& Shared()
{
    static DelayRefreshState* state = new DelayRefreshState;
    return *state;
}

std::string NoTransport(const std::string&, std::string& error)
{
    error = kNoAnswer;
    return std::string();
}

DelaysTransport gTransport = NoTransport;

// What the thread left: taken out of the shared state, which is left empty.
struct RefreshOutcome {
    std::string reply;  ///< new delays text, or empty
    std::string error;  ///< failure text, or empty
    bool busy = false;  ///< the thread still runs
};

RefreshOutcome TakeOutcome()
{
    DelayRefreshState& shared = Shared();
    RefreshOutcome outcome;
    std::lock_guard<std::mutex> guard(shared.lock);
    outcome.reply.swap(shared.replyText);
    outcome.error.swap(shared.errorText);
    outcome.busy = shared.busy;
    return outcome;
}

// The status bar and the event log show one line: each run of line breaks
// (and any other control character) of an error becomes one blank.
std::string OneLine(const std::string& text)
{
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        if (!control) line += c;
        else if (!inBreak) line += ' ';
        inBreak = control;
    }
    return line;
}

void ReportOutcome(Game& game, const RefreshOutcome& outcome)
{
    if (!outcome.reply.empty()) {
        ParseDelaysText(game, outcome.reply);
        gDelayData.refreshInterval = DelayRefreshMinutes();
        char text[96];
        std::snprintf(text, sizeof text, "Opóźnienia odświeżone: %zu pociągów", DelayEntryCount());
        NotifyStatusText(text);
        NotifyRepaint();
    } else if (!outcome.error.empty()) {
        gDelayData.refreshInterval = kFailedRefreshMinutes;
        NotifyStatusText(
            ("Opóźnienia bez zmian: " + OneLine(DisplayableCp1250(outcome.error).substr(0, kErrorShown))).c_str());
    }
}

bool RefreshDue(const RefreshGate& gate)
{
    const DelayData& data = gDelayData;
    return data.refreshInterval > 0 && gate.clockFree && !RozkladSetting("Serwer").empty() &&
           TickNow() - data.lastRefreshTick >= static_cast<uint64_t>(data.refreshInterval) * kMsPerMinute;
}

// Sets the busy flag when there is something to send.
bool ClaimRefresh()
{
    DelayRefreshState& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    if (shared.requestText.empty()) return false;
    shared.busy = true;
    shared.askedBy = shared.game;
    return true;
}

void StartRefreshThread()
{
    try {
        std::thread(DelayRefreshThread).detach();
    } catch (const std::system_error&) {
        DelayRefreshState& shared = Shared();
        std::lock_guard<std::mutex> guard(shared.lock);
        shared.busy = false;
    }
}

}  // namespace

DelaysTransport SetDelaysTransport(DelaysTransport transport)
{
    DelaysTransport old = gTransport;
    gTransport = transport ? transport : NoTransport;
    return old;
}

int32_t DelayRefreshMinutes() { return RefreshMinutesFromSetting(RozkladSetting("OdswiezanieMinut")); }

void StoreDelaysRequest(const std::string& text)
{
    DelayRefreshState& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    shared.requestText = text;
}

void ForgetDelayRefresh()
{
    DelayRefreshState& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    ++shared.game;
    shared.requestText.clear();
    shared.replyText.clear();
    shared.errorText.clear();
}

bool DelayRefreshBusy()
{
    DelayRefreshState& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    return shared.busy;
}

void PollDelayRefresh(Game& game, const RefreshGate& gate)
{
    if (!gate.gameRunning || !gDelayData.loaded) return;
    const RefreshOutcome outcome = TakeOutcome();
    ReportOutcome(game, outcome);
    if (outcome.busy) return;
    if (gDelayData.refreshInterval < 1) gDelayData.refreshInterval = DelayRefreshMinutes();
    if (!RefreshDue(gate)) return;
    gDelayData.lastRefreshTick = TickNow();
    if (ClaimRefresh()) StartRefreshThread();
}

void DelayRefreshThread()
{
    DelayRefreshState& shared = Shared();
    std::string request;
    {
        std::lock_guard<std::mutex> guard(shared.lock);
        request = shared.requestText;
    }
    std::string error;
    const DelaysTransport transport = gTransport;
    std::string reply = transport(request, error);
    std::lock_guard<std::mutex> guard(shared.lock);
    if (shared.game != shared.askedBy) {  // the game that asked is gone: nothing to tell
        shared.busy = false;
        return;
    }
    if (!reply.empty()) error.clear();
    else if (error.empty()) error = kNoAnswer;
    shared.replyText.swap(reply);
    shared.errorText.swap(error);
    shared.busy = false;
}
