// Vehicle status texts and consist info: the per-vehicle remarks (cold or
// heating boiler, low or missing coal, water or fuel, breakdown, coupling in
// progress) with a severity, the locomotive lists of a consist's two ends,
// and the warning lines that the track labels show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

// Severity of a remark; only ever raised.
enum StatusSeverity : int32_t {
    kSeverityNone = 0,
    kSeverityInfo = 1,
    kSeverityLow = 2,
    kSeverityAlarm = 3,
};

struct VehicleStatus {
    std::string name;          ///< vehicle-type name of the slot
    std::string text;          ///< the remarks joined by ", "
    int32_t notReady = 0;      ///< the vehicle cannot run now
    int32_t severity = kSeverityNone;  ///< StatusSeverity
    int32_t frontPart = 0;     ///< in the run of powered vehicles at the start of the slot list
    int32_t groupId = -1;      ///< left slot of the coupling pair the line is about, -1 otherwise
};

struct LabelItem {
    std::string text;          ///< the warning line
    uint8_t notReady = 0;      ///< from the status that gave the line
    int32_t severity = kSeverityNone;  ///< from the status that gave the line

    bool operator==(const LabelItem& o) const
    {
        return text == o.text && notReady == o.notReady && severity == o.severity;
    }
};

struct ConsistInfo {
    std::string label;                    ///< filled by the caller
    int32_t train = -1;                   ///< timetable row of the first vehicle of kind below 3; filled by the caller
    std::string frontLocos;               ///< "EN57+ EN81+": the run at the end of the slot list
    std::string rearLocos;                ///< "+EN57": the run at its start, innermost first
    std::vector<VehicleStatus> statuses;  ///< remarks of the vehicles
    std::vector<LabelItem> frontWarnings; ///< lines of the front-part statuses
    std::vector<LabelItem> rearWarnings;  ///< lines of the others
    uint8_t notReady = 0;                 ///< some kept status is not ready
    uint8_t lightEngines = 0;             ///< every vehicle has kind 1 or more; filled by the caller
};

bool IsPoweredVehicle(Game& game, int32_t row, int32_t slot);  // kind 1 or more
bool IsMultipleUnit(Game& game, int32_t row, int32_t slot);    // kind 1 or 2: named in the lists

// The remarks of the vehicles of one consist (slot numbers of the point, as
// ConsistGroupsOnPoint gives them); a vehicle without any gives no record.
std::vector<VehicleStatus> BuildVehicleStatusList(Game& game, int32_t point, const std::vector<int32_t>& slots);
void JoinConsistLocoNames(Game& game, int32_t point, const std::vector<int32_t>& slots, std::string& front,
                          std::string& rear);  // appends to both
void FinishConsistInfo(ConsistInfo& info);     // the warning lists and the not-ready flag
void CopyVehicleStatuses(ConsistInfo& target, const ConsistInfo& source, bool front);

// Distinct blank-separated words of a + " " + b, "+" removed from each.
int32_t CountDistinctTokens(const std::string& a, const std::string& b);
void AppendStatusPart(VehicleStatus& status, const std::string& part);
void RaiseStatusSeverity(VehicleStatus& status, int32_t level);
