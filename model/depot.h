// Depot: the locomotive shed ("Lokomotywownia") behind the station's depot point.
//
// Locomotives that reach the depot point are taken in; damaged ones wait for a
// repair, a limited number at a time; serviceable ones stay parked until the
// player calls one out, which is prepared and then leaves onto slot 0 of the
// depot point as soon as that slot is free.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "model/vehicle_slot.h"

// Status of an entry in use.
enum DepotStatus : int32_t {
    kDepotWaitingRepair = 1,
    kDepotUnderRepair = 2,
    kDepotParked = 3,
    kDepotReady = 4,        ///< "gotowa": leaves as soon as the exit is free
    kDepotPreparing = 5,
    kDepotStatusApart = 20, ///< counted apart by the statistics; no depot operation gives it
};

// Whether an entry holds a locomotive.
enum DepotSlotState : int32_t {
    kDepotEntryFree = 6,
    kDepotEntryInUse = 7,
};

// Parameter codes of Depot::Param, numbered as the station file numbers them.
enum DepotParam : int32_t {
    kDepotParamCapacity = 14,
    kDepotParamRepairSteps = 15,
    kDepotParamPreparationSteps = 16,
    kDepotParamRepairsAtOnce = 17,
};

enum DepotResult : int32_t {
    kDepotOk = 0,
    kDepotFileError = 1,      ///< the saved game cannot be opened, or the block not written
    kDepotFull = 9,           ///< Add: no free entry; the locomotive stays where it was
    kDepotTypeAbsent = 10,    ///< Release: no locomotive of that type (and number)
    kDepotNoneParked = 11,    ///< Release: present, but none of them parked
    kDepotBlockDamaged = 12,  ///< LoadFromSave: block refused, the depot is as it was
    kDepotNoVehicle = 13,     ///< Add: the slot is empty
};

constexpr int32_t kDepotMaxCapacity = 1000;  ///< largest capacity Param accepts
constexpr int32_t kDepotTurnedFromVersion = 7;  ///< saved games from this version keep the turned flag

// Integers on one entry line of the saved depot block of a saved-game version.
constexpr int32_t DepotSavedEntryFields(int32_t version) { return version >= kDepotTurnedFromVersion ? 13 : 12; }

struct DepotEntry {
    VehicleSlot slot;                      ///< the locomotive
    int32_t status = 0;                    ///< DepotStatus while in use
    int32_t countdown = 0;                 ///< steps left of the repair or the preparation
    int32_t slotState = kDepotEntryFree;   ///< DepotSlotState
};

// One row of the depot window's and the boards' listing.
struct DepotListing {
    DepotEntry* entry = nullptr;  ///< the listed entry, valid until the depot changes
    int32_t status = 0;           ///< its status when listed
    int32_t countdown = 0;        ///< its countdown when listed
};

// What Depot::Stats fills: six counters, then the listing in depot order.
struct DepotStats {
    int32_t waiting = 0;      ///< waiting for repair, those under repair included
    int32_t underRepair = 0;  ///< under repair
    int32_t parked = 0;       ///< parked
    int32_t statusApart = 0;  ///< in status kDepotStatusApart
    int32_t preparing = 0;    ///< being prepared
    int32_t listed = 0;       ///< rows of table in use
    std::vector<DepotListing> table;  ///< capacity rows, the first `listed` filled
};

class Depot {
public:
    Depot() = default;

    void Reset();                              // no capacity, no parameters, no output slot
    int32_t Param(int32_t code, int32_t v);    // v = -1 reads; 14 re-creates the entries
    void SetOutputSlot(VehicleSlot* slot);     // slot 0 of the depot point
    void SetExitFree(int32_t flag);            // 1 while the output slot is empty
    bool HasRoom() const;
    int32_t Count() const { return count_; }

    int32_t Add(VehicleSlot& slot);                 // kDepotOk, kDepotFull, kDepotNoVehicle
    int32_t Release(int32_t type, int32_t number);  // number -1 = any; kDepotOk, 10, 11
    void Tick();                                    // one simulation step
    void Sort();                                    // entries in use to the front, by type and number
    const DepotStats& Stats();

    // The depot block of the saved game, right after its station-name line.
    int32_t AppendToSave(const char* path);  // kDepotOk or kDepotFileError
    int32_t LoadFromSave(const char* path);  // kDepotOk, kDepotFileError, kDepotBlockDamaged

private:
    int32_t* ParamField(int32_t code);
    bool ReadSavedBlock(std::FILE* file);  // into a fresh depot; false when damaged

    int32_t capacity_ = 0;          ///< number of entries
    int32_t count_ = 0;             ///< entries in use; after every sort entries 0..count-1
    int32_t repairsAtOnce_ = 0;     ///< most entries under repair at the same time
    int32_t reserved_ = 0;          ///< kept for the saved game only
    int32_t preparationSteps_ = 0;  ///< countdown given on a call-out
    int32_t repairSteps_ = 0;       ///< countdown given to a damaged locomotive
    int32_t exitFree_ = 0;          ///< 1 when the output slot is empty
    VehicleSlot* outputSlot_ = nullptr;  ///< slot 0 of the depot point; receives leaving locomotives
    std::vector<DepotEntry> entries_;    ///< capacity entries
    std::vector<DepotEntry> scratch_;    ///< capacity entries, used by the sort
    std::vector<int64_t> keys_;          ///< capacity sort keys of the scratch entries
    DepotStats stats_;                   ///< counters and listing filled by Stats
};
