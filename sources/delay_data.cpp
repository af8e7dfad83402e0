// Today's delays: loading, handing over and the random-delays switch.
#include "sources/delay_data.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "model/game.h"
#include "model/tick_source.h"
#include "model/time_arithmetic.h"
#include "sources/delay_refresh.h"
#include "sources/server_container.h"

DelayData gDelayData;

namespace {

constexpr size_t kReadChunk = 4096;
constexpr int32_t kStaleDataMinutes = 60;
// File times and the clock may disagree by this much (file systems that keep
// two-second times, a clock read a moment before a file was written).
constexpr std::time_t kFileTimeSlackSeconds = 2;

LocalMinute CLibraryLocalTime()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return LocalMinute();
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min};
}

LocalTimeSource gLocalTime = CLibraryLocalTime;

void ClearDelays()
{
    ForgetDelayRefresh();
    gDelayData.pending.clear();
    gDelayData.hasStamp = false;
    gDelayData.loaded = false;
}

// Whether an open file was last written before `since` (0: any time will do).
bool WrittenBefore(std::FILE* file, std::time_t since)
{
    struct stat status;
    if (since == 0) return false;
    return fstat(fileno(file), &status) != 0 || status.st_mtime + kFileTimeSlackSeconds < since;
}

// The whole file as raw bytes; false when it cannot be opened or read, was
// last written before `since`, or holds more than any delays file needs.
bool ReadDelaysFile(const std::string& path, std::time_t since, std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    if (WrittenBefore(file, since)) {
        std::fclose(file);
        return false;
    }
    char chunk[kReadChunk];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.size() <= kMaxFileBytes)
        text.append(chunk, got);
    const bool ok = !std::ferror(file) && text.size() <= kMaxFileBytes;
    std::fclose(file);
    return ok;
}

}  // namespace

LocalTimeSource SetLocalTimeSource(LocalTimeSource source)
{
    LocalTimeSource old = gLocalTime;
    gLocalTime = source ? source : CLibraryLocalTime;
    return old;
}

void LoadDelaysFile(Game& game, const std::string& timetablePath, bool realTimeOrSlower, std::time_t writtenSince)
{
    ClearDelays();
    std::string text;
    if (ReadDelaysFile(DelaysFilePath(timetablePath), writtenSince, text)) {
        gDelayData.loaded = true;
        ParseDelaysText(game, text);
        gDelayData.lastRefreshTick = TickNow();
    }
    UpdateRandomDelaysSwitch(game, realTimeOrSlower);
}

void EndDelayData(Game& game)
{
    ClearDelays();
    UpdateRandomDelaysSwitch(game, false);  // nothing loaded: on at any pace
}

void ParseDelaysText(Game& game, const std::string& text)
{
    DelaysText parsed = ParseDelaysLines(text, game.TrainCount());
    gDelayData.pending = std::move(parsed.entries);
    gDelayData.stamp = parsed.stamp;
    gDelayData.hasStamp = parsed.hasStamp;
    StoreDelaysRequest(text);
}

size_t DelayEntryCount() { return gDelayData.pending.size(); }

bool DelayDataLoaded() { return gDelayData.loaded; }

int32_t DelayDataAgeMinutes()
{
    if (!gDelayData.hasStamp) return -1;
    const int64_t age = StampAgeMinutes(gDelayData.stamp, gLocalTime());
    return age > INT32_MAX ? INT32_MAX : static_cast<int32_t>(age);
}

void ApplyDueDelays(Game& game)
{
    std::vector<DelayEntry>& pending = gDelayData.pending;
    if (pending.empty()) return;
    const int32_t now = HhmmToMinutes(game.Now());
    const int32_t lead = game.LookAhead();
    size_t kept = 0;
    for (const DelayEntry& entry : pending) {
        if (game.HasExpectedArrival(entry.train)) continue;
        int32_t untilDue = HhmmToMinutes(game.RowTime(entry.train, kArrivalSide)) - now;
        if (untilDue < 0) untilDue += kMinutesPerDay;
        if (untilDue <= lead + 1) {
            game.ApplyDelays(entry.train, entry.arrivalDelay, entry.departureDelay);
            continue;
        }
        pending[kept++] = entry;
    }
    pending.resize(kept);
}

void UpdateRandomDelaysSwitch(Game& game, bool realTimeOrSlower)
{
    game.SetRandomDelays(!(gDelayData.loaded && realTimeOrSlower));
}

std::string TodayDelaysStatusText(size_t count, int32_t ageMinutes)
{
    char suffix[80] = "";
    if (ageMinutes >= 0)
        std::snprintf(suffix, sizeof suffix,
                      ageMinutes < kStaleDataMinutes ? " Dane sprzed %d min." : " UWAGA: dane sprzed %d min!",
                      ageMinutes);
    char text[240];
    std::snprintf(text, sizeof text, "Rozkład na dziś: %zu pociągów ma prawdziwe opóźnienie z API PLK.%s", count,
                  suffix);
    return text;
}

std::string TodayClockStatusText(int32_t hour, int32_t minute, int32_t placed)
{
    char text[200];
    std::snprintf(text, sizeof text, "Rozkład na dziś: zegar ustawiony na %02d:%02d, składów na stacji: %d.", hour,
                  minute, placed);
    return text;
}
