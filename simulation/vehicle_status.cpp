// Vehicle status texts and the warnings of a consist's labels.
#include "simulation/vehicle_status.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

#include "simulation/coupling_texts.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"

namespace {

constexpr int32_t kLowPercent = 20;    ///< below this a level is reported
constexpr int32_t kAlarmPercent = 10;  ///< below this a low level is an alarm

std::string Minutes(int32_t seconds) { return std::to_string((seconds + 59) / 60); }

// A level's remark: empty, low, or the refill under way (never "not ready").
void AddLevelRemark(VehicleStatus& status, int32_t percent, int32_t seconds, const char* emptyText,
                    const std::string& lowText, const char* refillWord)
{
    if (percent == 0 && seconds == -1) {
        AppendStatusPart(status, emptyText);
        status.notReady = 1;
        RaiseStatusSeverity(status, kSeverityAlarm);
    } else if (seconds == -1) {
        if (percent < 0 || percent >= kLowPercent) return;
        AppendStatusPart(status, lowText);
        RaiseStatusSeverity(status, percent >= kAlarmPercent ? kSeverityLow : kSeverityAlarm);
    } else {
        AppendStatusPart(status, std::string(refillWord) + " " + std::to_string(percent) + "% - jeszcze " +
                                     Minutes(seconds) + " min");
        RaiseStatusSeverity(status, kSeverityInfo);
    }
}

void AddFireRemark(Game& game, int32_t point, int32_t slot, VehicleStatus& status)
{
    char text[80];
    const int32_t state = SteamFireState(game, point, slot);
    const int32_t seconds = SteamFireSecondsLeft(game, point, slot);
    if (state == kFireExtinguished) {
        std::snprintf(text, sizeof text, "wygaszony, kocioł %d°C", BoilerTemperature(game, point, slot));
        RaiseStatusSeverity(status, kSeverityAlarm);
    } else if (seconds >= 0) {
        // The minutes of the last hour are rounded up on their own: 2 h 59 min 30 s is "2 h 60 min".
        std::snprintf(text, sizeof text, "%s, kocioł %d°C - jeszcze %d h %d min",
                      state == kFireExtinguishing ? "wygaszanie" : "rozpalanie", BoilerTemperature(game, point, slot),
                      seconds / 3600, (seconds % 3600 + 59) / 60);
        RaiseStatusSeverity(status, kSeverityInfo);
    } else {
        return;
    }
    AppendStatusPart(status, text);
    status.notReady = 1;
}

std::string FuelLowText(Game& game, int32_t point, int32_t slot, int32_t percent)
{
    const int32_t litres = FuelLitres(game, point, slot);
    std::string text = "paliwo " + std::to_string(percent) + "%";
    return litres >= 1 ? text + " (" + std::to_string(litres) + " dm3)" : text;
}

void AppendListItem(std::string& list, const std::string& item)
{
    if (!list.empty()) list += " ";
    list += item;
}

}  // namespace

bool IsPoweredVehicle(Game& game, int32_t row, int32_t slot)
{
    return game.SlotKind(row, slot) >= kKindElectricUnit;  // an empty slot has kind 0
}

bool IsMultipleUnit(Game& game, int32_t row, int32_t slot)
{
    const int32_t kind = game.SlotKind(row, slot);
    return kind == kKindElectricUnit || kind == kKindDieselUnit;
}

std::vector<VehicleStatus> BuildVehicleStatusList(Game& game, int32_t point, const std::vector<int32_t>& slots)
{
    size_t front = 0;
    while (front < slots.size() && IsPoweredVehicle(game, point, slots[front])) ++front;
    std::vector<VehicleStatus> statuses;
    for (size_t k = 0; k < slots.size(); ++k) {
        const int32_t s = slots[k];
        VehicleStatus status;
        status.name = game.VehicleTypeName(point, s);
        status.frontPart = k < front;
        const int32_t pair = CouplingPairIndex(game, point, s);
        if (pair >= 0) {
            VehicleStatus coupling = status;
            coupling.text = CouplingProgressText(game, point, s);
            coupling.severity = kSeverityInfo;
            coupling.groupId = pair;
            statuses.push_back(coupling);
        }
        AddFireRemark(game, point, s, status);
        const int32_t coal = SteamCoalPercent(game, point, s);
        AddLevelRemark(status, coal, CoalSecondsToFull(game, point, s), "brak węgla",
                       "węgiel " + std::to_string(coal) + "%", "węgiel");
        const int32_t water = SteamWaterPercent(game, point, s);
        AddLevelRemark(status, water, WaterSecondsToFull(game, point, s), "brak wody",
                       "woda " + std::to_string(water) + "%", "nawadnianie");
        const int32_t fuel = FuelPercent(game, point, s);
        AddLevelRemark(status, fuel, FuelSecondsToFull(game, point, s), "brak paliwa",
                       FuelLowText(game, point, s, fuel), "tankowanie");
        if (game.SlotVehicleType(point, s) != 0 && !game.SlotOperational(point, s)) {
            AppendStatusPart(status, "uszkodzony");
            status.notReady = 1;
            RaiseStatusSeverity(status, kSeverityAlarm);
        }
        if (!status.text.empty()) statuses.push_back(status);
    }
    return statuses;
}

void JoinConsistLocoNames(Game& game, int32_t point, const std::vector<int32_t>& slots, std::string& front,
                          std::string& rear)
{
    size_t startRun = 0;
    while (startRun < slots.size() && IsPoweredVehicle(game, point, slots[startRun])) ++startRun;
    size_t endRun = slots.size();
    while (endRun > startRun && IsPoweredVehicle(game, point, slots[endRun - 1])) --endRun;
    for (size_t k = endRun; k < slots.size(); ++k)
        if (IsMultipleUnit(game, point, slots[k]))
            AppendListItem(front, std::string(game.VehicleTypeName(point, slots[k])) + "+");
    for (size_t k = startRun; k-- > 0;)
        if (IsMultipleUnit(game, point, slots[k]))
            AppendListItem(rear, "+" + std::string(game.VehicleTypeName(point, slots[k])));
}

void FinishConsistInfo(ConsistInfo& info)
{
    info.frontWarnings.clear();
    info.rearWarnings.clear();
    info.notReady = 0;
    const bool manyFront = CountDistinctTokens(info.frontLocos, "") >= 2;
    const bool manyRear = CountDistinctTokens("", info.rearLocos) >= 2;
    // One line per coupling pair: both vehicles of a pair give one; a named
    // vehicle's line is kept rather than an unnamed one's.
    std::vector<bool> kept(info.statuses.size(), true);
    for (size_t i = 0; i < info.statuses.size(); ++i) {
        if (!kept[i] || info.statuses[i].groupId < 0) continue;
        for (size_t j = i + 1; j < info.statuses.size(); ++j) {
            if (!kept[j] || info.statuses[j].groupId != info.statuses[i].groupId) continue;
            if (info.statuses[i].name.empty() && !info.statuses[j].name.empty()) {
                kept[i] = false;
                break;
            }
            kept[j] = false;
        }
    }
    for (size_t i = 0; i < info.statuses.size(); ++i) {
        if (!kept[i]) continue;
        const VehicleStatus& status = info.statuses[i];
        std::string line = status.text;
        if ((status.frontPart ? manyFront : manyRear) && !status.name.empty()) line = status.name + " " + line;
        LabelItem item{line, static_cast<uint8_t>(status.notReady ? 1 : 0), status.severity};
        (status.frontPart ? info.frontWarnings : info.rearWarnings).push_back(item);
        if (status.notReady) info.notReady = 1;
    }
}

void CopyVehicleStatuses(ConsistInfo& target, const ConsistInfo& source, bool front)
{
    for (VehicleStatus status : source.statuses) {
        status.frontPart = front ? 1 : 0;
        target.statuses.push_back(status);
    }
}

int32_t CountDistinctTokens(const std::string& a, const std::string& b)
{
    std::set<std::string> words;
    std::istringstream in(a + " " + b);
    std::string word;
    while (std::getline(in, word, ' ')) {
        word.erase(std::remove(word.begin(), word.end(), '+'), word.end());
        if (!word.empty()) words.insert(word);
    }
    return static_cast<int32_t>(words.size());
}

void AppendStatusPart(VehicleStatus& status, const std::string& part)
{
    status.text = status.text.empty() ? part : status.text + ", " + part;
}

void RaiseStatusSeverity(VehicleStatus& status, int32_t level) { status.severity = std::max(status.severity, level); }
