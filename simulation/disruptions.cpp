// Disruptions: winter, the rush hours and the closures of free points, with
// the delay chances they shift and the player's own chances kept apart.
#include "simulation/disruptions.h"

#include <algorithm>
#include <cstdio>

#include "model/random.h"
#include "model/settings.h"
#include "simulation/notify.h"
#include "simulation/supplies.h"
#include "simulation/track_names.h"
#include "simulation/upcoming_trains.h"

namespace {

const char* const kReasons[] = {"usterka rozjazdu", "prace torowe", "usterka sygnalizacji",
                                "uszkodzona sieć trakcyjna", "usuwanie awarii"};
constexpr int32_t kReasonCount = 5;
constexpr int32_t kWinterPercent = 25;      ///< chance of a winter shift
constexpr int32_t kClosurePerMille = 6;     ///< chance of a new closure each game minute
constexpr int32_t kRushClosurePerMille = 12;
constexpr int32_t kShortestClosure = 15;    ///< minutes
constexpr int32_t kLongestClosure = 45;
constexpr int32_t kHalfDay = kMinutesPerDay / 2;

std::vector<PointClosure> gClosures;  // in the order they were made
bool gWinter = false;
bool gRush = false;
DelayChances gSavedChances{};  // the player's own chances while gChancesSaved
bool gChancesSaved = false;
int32_t gOffset = 0;           // what the timetable's chances hold above the saved ones
int32_t gLastMinute = -1;      // minute of the day of the previous tick

bool InRushHour(int32_t minute) { return (minute >= 360 && minute < 540) || (minute >= 900 && minute < 1080); }

int32_t ShiftedChance(int32_t saved) { return static_cast<int32_t>(std::clamp<int64_t>(int64_t{saved} + gOffset, 0, 100)); }

// Calls visit(cls, sign, saved chance) for each of the twelve chances.
template <typename Visit>
void ForEachChance(Visit visit)
{
    for (int32_t cls = 0; cls < kCategoryClassCount; ++cls)
        for (int32_t sign : {kDelayEarly, kDelayLate})
            visit(cls, sign, gSavedChances[static_cast<size_t>(cls)][static_cast<size_t>(sign)]);
}

void RestoreDelayChances(Game& game)
{
    ForEachChance([&game](int32_t cls, int32_t sign, int32_t& saved) { game.DelayChance(cls, sign, saved); });
}

// Closures whose time is up go, each reported. One whose time left exceeds
// the longest closure was passed by a jump of the clock and goes too.
void ReopenClosures(Game& game, int32_t now)
{
    for (size_t i = 0; i < gClosures.size();) {
        int32_t left = gClosures[i].untilMinute - now;
        if (left > kHalfDay) left -= kMinutesPerDay;
        if (left < -kHalfDay) left += kMinutesPerDay;
        if (left >= 1 && left <= kLongestClosure) {
            ++i;
            continue;
        }
        const std::string text = "Tor " + PointShortCode(game, gClosures[i].point) + " znowu czynny";
        gClosures.erase(gClosures.begin() + static_cast<std::ptrdiff_t>(i));
        NotifyStatusText(text.c_str());
    }
}

void FollowRushHour(Game& game, int32_t now)
{
    const bool rush = InRushHour(now);
    if (rush == gRush) return;
    gRush = rush;
    ShiftDelayChances(game, (gWinter ? kWinterOffset : 0) + (rush ? kRushOffset : 0));
    NotifyLogEvent(rush ? "Godziny szczytu - ruch gęstnieje" : "Szczyt minął - ruch się rozrzedza");
}

void MaybeClosePoint(Game& game, int32_t now)
{
    if (gClosures.size() >= static_cast<size_t>(kMaxClosures)) return;
    if (RandomValue() % 1000 >= (gRush ? kRushClosurePerMille : kClosurePerMille)) return;
    const std::vector<int32_t> candidates = ClosureCandidates(game);
    if (candidates.empty()) return;
    PointClosure closure;
    closure.point = candidates[static_cast<size_t>(RandomValue()) % candidates.size()];
    const int32_t duration = RandomValue() % (kLongestClosure - kShortestClosure + 1) + kShortestClosure;
    closure.reason = kReasons[RandomValue() % kReasonCount];
    closure.untilMinute = (now + duration) % kMinutesPerDay;
    gClosures.push_back(closure);
    NotifyStatusText(PointClosureText(game, closure.point).c_str());
}

bool TilesFree(const Game& game, int32_t point)
{
    for (int32_t k = 0; k < 3; ++k) {
        const TileCode tile = game.PointTileAt(point, k);
        if (tile > 0 && game.TileState(TileRow(tile), TileColumn(tile)) != kTileFree) return false;
    }
    return true;
}

}  // namespace

void StartDisruptions(Game& game)
{
    SetWinterQuery(IsWinter);
    if (gChancesSaved) RestoreDelayChances(game);
    gClosures.clear();
    gWinter = false;
    gRush = false;
    gLastMinute = -1;
    gChancesSaved = false;
    gOffset = 0;
    if (!NotifyGameRunning() || !gSettings.utrudnienia) return;
    SaveDelayChances(game);
    gWinter = RandomValue() % 100 < kWinterPercent;
    if (!gWinter) return;
    ShiftDelayChances(game, kWinterOffset);
    NotifyLogEvent("Zimowe warunki: opóźnienia większe");
}

void DisruptionsTick(Game& game)
{
    if (!NotifyGameRunning()) return;
    if (!gSettings.utrudnienia) {
        if (!gClosures.empty() || gRush || gWinter) StartDisruptions(game);
        return;
    }
    const int32_t now = ClockMinuteOfDay(game);
    if (now == gLastMinute) return;
    gLastMinute = now;
    ReopenClosures(game, now);
    FollowRushHour(game, now);
    MaybeClosePoint(game, now);
}

bool IsPointClosed(int32_t point)
{
    return std::any_of(gClosures.begin(), gClosures.end(), [point](const PointClosure& c) { return c.point == point; });
}

std::string PointClosureText(Game& game, int32_t point)
{
    for (const PointClosure& c : gClosures) {
        if (c.point != point) continue;
        char text[160];
        std::snprintf(text, sizeof text, "%s zamknięty do %02d:%02d (%s)", PointShortCode(game, point).c_str(),
                      static_cast<int>(c.untilMinute / 60), static_cast<int>(c.untilMinute % 60), c.reason.c_str());
        return text;
    }
    return std::string();
}

bool IsWinter() { return gWinter; }

std::vector<int32_t> ClosureCandidates(Game& game)
{
    std::vector<int32_t> candidates;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        const int32_t kind = game.PointKind(p);
        if (kind != kPointPlatform && kind != kPointStabling && kind != kPointFreightPlatform) continue;
        if (game.SlotVehicleType(p, 0) == 0 && !IsPointClosed(p) && TilesFree(game, p)) candidates.push_back(p);
    }
    return candidates;
}

void SaveDelayChances(Game& game)
{
    if (gChancesSaved) return;
    ForEachChance([&game](int32_t cls, int32_t sign, int32_t& saved) { saved = game.DelayChance(cls, sign); });
    gChancesSaved = true;
}

void ShiftDelayChances(Game& game, int32_t offset)
{
    SaveDelayChances(game);
    gOffset = offset;
    ForEachChance([&game](int32_t cls, int32_t sign, int32_t& saved) { game.DelayChance(cls, sign, ShiftedChance(saved)); });
}

int32_t BaseDelayChance(Game& game, int32_t cls, int32_t sign, int32_t value)
{
    if (!gChancesSaved || !IsCategoryClass(cls) || (sign != kDelayEarly && sign != kDelayLate))
        return game.DelayChance(cls, sign, value);
    int32_t& saved = gSavedChances[static_cast<size_t>(cls)][static_cast<size_t>(sign)];
    if (value != kReadValue) {
        saved = value;
        game.DelayChance(cls, sign, ShiftedChance(saved));
    }
    return saved;
}
