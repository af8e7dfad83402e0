// Depot: taking locomotives in, repairs, call-outs, the exit, and the saved block.
#include "model/depot.h"

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kSavedNameLineMax = 38;  ///< longest station-name line the reader takes

// A repair or preparation always lasts at least one step, so it ends.
int32_t AtLeastOneStep(int32_t steps) { return std::max<int32_t>(steps, 1); }

// One step of a timed stay; true when it is over. A countdown already at 0 or
// below (a loaded or mis-set one) ends in this step instead of never.
bool CountDown(int32_t& countdown)
{
    if (countdown <= 1) {
        countdown = 0;
        return true;
    }
    --countdown;
    return false;
}

bool InUse(const DepotEntry& entry) { return entry.slotState == kDepotEntryInUse; }

// Moves the locomotive and the entry's own values; the source becomes free.
void TakeEntry(DepotEntry& to, DepotEntry& from)
{
    to.slot.MoveFrom(from.slot);
    to.status = from.status;
    to.countdown = from.countdown;
    to.slotState = from.slotState;
    from.slotState = kDepotEntryFree;
}

// The depot's order: type x 1000 + number, so a number of 1000 or more
// counts into the types above. Worked in 64 bits, no key is lost or rounded.
int64_t SortKey(VehicleSlot& slot)
{
    return static_cast<int64_t>(slot.Type()) * 1000 + slot.Number();
}

// Waiting locomotives go under repair in depot order while there is room.
void StartRepairs(std::vector<DepotEntry>& entries, int32_t underRepair, int32_t repairsAtOnce)
{
    for (DepotEntry& entry : entries) {
        if (underRepair >= repairsAtOnce) return;
        if (!InUse(entry) || entry.status != kDepotWaitingRepair) continue;
        entry.status = kDepotUnderRepair;  // its countdown was set when it came in
        ++underRepair;
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Skips up to maxChars characters, stopping after a line end.
void SkipLine(std::FILE* file, size_t maxChars)
{
    for (size_t n = 0; n < maxChars; ++n) {
        int c = std::getc(file);
        if (c == EOF || c == '\n') return;
    }
}

// One decimal integer after blanks and line ends; false at the end of the
// file, on a non-number or on a value that does not fit 32 bits.
bool ReadInt(std::FILE* file, int32_t& value)
{
    int c;
    do {
        c = std::getc(file);
    } while (c == ' ' || c == '\t' || c == '\r' || c == '\n');
    const bool negative = c == '-';
    if (c == '-' || c == '+') c = std::getc(file);
    if (c < '0' || c > '9') return false;
    int64_t v = 0;
    for (; c >= '0' && c <= '9'; c = std::getc(file)) {
        v = v * 10 + (c - '0');
        if (v > int64_t{INT32_MAX} + 1) return false;
    }
    if (c != EOF) std::ungetc(c, file);
    if (negative) v = -v;
    if (v > INT32_MAX) return false;
    value = static_cast<int32_t>(v);
    return true;
}

bool KnownStatus(int32_t status)
{
    return (status >= kDepotWaitingRepair && status <= kDepotPreparing) ||
           status == kDepotStatusApart;
}

// One saved entry line into a fresh entry. The program writes only entries in
// use that hold a locomotive; anything else marks a damaged block. Lines of
// older versions end before the turned flag: their locomotives come back unturned.
bool ReadSavedEntry(std::FILE* file, int32_t version, DepotEntry& entry)
{
    enum { kKind, kTrain, kType, kNumber, kOperational, kCoupled, kMotion, kCountdown, kLink,
           kStatus, kEntryCountdown, kSlotState, kTurned, kFields };
    int32_t v[kFields] = {};
    for (int32_t i = 0; i < DepotSavedEntryFields(version); ++i)
        if (!ReadInt(file, v[i])) return false;
    if (v[kKind] < kKindCar || v[kKind] > kKindSteamLoco || v[kType] < 1 ||
        !KnownStatus(v[kStatus]) || v[kSlotState] != kDepotEntryInUse || v[kTurned] < 0 || v[kTurned] > 1)
        return false;

    VehicleSlot& slot = entry.slot;
    slot.Kind(v[kKind]);
    slot.SetTrain(v[kTrain]);  // a light engine's -1 too
    slot.Type(v[kType]);
    slot.Number(v[kNumber]);
    slot.Operational(v[kOperational]);
    slot.Coupled(0);  // nothing in the shed is coupled, whatever was saved
    slot.Motion(v[kMotion]);
    slot.Countdown(v[kCountdown]);
    slot.Link(v[kLink]);
    slot.Turned(v[kTurned]);
    entry.status = v[kStatus];
    entry.countdown = v[kEntryCountdown];
    entry.slotState = v[kSlotState];
    return true;
}

}  // namespace

void Depot::Reset()
{
    // The output slot goes too: it points into the slot grid the next station
    // load replaces.
    *this = Depot();
}

int32_t* Depot::ParamField(int32_t code)
{
    switch (code) {
    case kDepotParamCapacity: return &capacity_;
    case kDepotParamRepairSteps: return &repairSteps_;
    case kDepotParamPreparationSteps: return &preparationSteps_;
    case kDepotParamRepairsAtOnce: return &repairsAtOnce_;
    default: return nullptr;
    }
}

int32_t Depot::Param(int32_t code, int32_t v)
{
    int32_t* field = ParamField(code);
    if (!field) return -1;
    if (v == -1) return *field;
    if (code != kDepotParamCapacity) {
        *field = v;
        return 0;
    }
    if (v < 0 || v > kDepotMaxCapacity) return -1;
    const size_t n = static_cast<size_t>(v);
    capacity_ = v;
    count_ = 0;
    entries_ = std::vector<DepotEntry>(n);
    scratch_ = std::vector<DepotEntry>(n);
    keys_.assign(n, 0);
    stats_ = DepotStats();
    stats_.table.resize(n);
    return 0;
}

void Depot::SetOutputSlot(VehicleSlot* slot) { outputSlot_ = slot; }

void Depot::SetExitFree(int32_t flag) { exitFree_ = flag; }

bool Depot::HasRoom() const { return capacity_ > count_; }

int32_t Depot::Add(VehicleSlot& slot)
{
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [](const DepotEntry& e) { return !InUse(e); });
    if (count_ >= capacity_ || entry == entries_.end()) return kDepotFull;
    if (slot.IsEmpty()) return kDepotNoVehicle;
    entry->slot.MoveFrom(slot);
    entry->slotState = kDepotEntryInUse;
    if (entry->slot.Operational()) {
        entry->status = kDepotParked;
        entry->countdown = 0;
    } else {
        entry->status = kDepotWaitingRepair;
        entry->countdown = AtLeastOneStep(repairSteps_);
    }
    ++count_;
    Sort();
    return kDepotOk;
}

int32_t Depot::Release(int32_t type, int32_t number)
{
    bool present = false;
    for (int32_t i = 0; i < count_; ++i) {
        DepotEntry& entry = entries_[i];
        if (!InUse(entry) || entry.slot.Type() != type) continue;
        if (number != -1 && entry.slot.Number() != number) continue;
        if (entry.status == kDepotParked) {
            entry.status = kDepotPreparing;
            entry.countdown = AtLeastOneStep(preparationSteps_);
            return kDepotOk;
        }
        present = true;
    }
    return present ? kDepotNoneParked : kDepotTypeAbsent;
}

void Depot::Tick()
{
    bool someoneWaits = false;
    bool changed = false;
    int32_t underRepair = 0;
    for (DepotEntry& entry : entries_) {
        if (!InUse(entry)) continue;
        switch (entry.status) {
        case kDepotWaitingRepair:
            someoneWaits = true;
            break;
        case kDepotUnderRepair:
            ++underRepair;  // counted even when it ends now: the next starts a step later
            if (CountDown(entry.countdown)) {
                entry.slot.Operational(1);
                entry.status = kDepotParked;
            }
            break;
        case kDepotReady:
            // One leaves per step, and never onto a vehicle standing in the exit.
            if (exitFree_ == 1 && outputSlot_ && outputSlot_->IsEmpty()) {
                exitFree_ = 0;
                entry.slotState = kDepotEntryFree;
                --count_;
                outputSlot_->MoveFrom(entry.slot);
                outputSlot_->Serviced(1);
                changed = true;
            }
            break;
        case kDepotPreparing:
            if (CountDown(entry.countdown)) entry.status = kDepotReady;
            break;
        default:
            break;
        }
    }
    if (someoneWaits) StartRepairs(entries_, underRepair, repairsAtOnce_);
    if (changed) Sort();
}

void Depot::Sort()
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        TakeEntry(scratch_[i], entries_[i]);
        if (InUse(scratch_[i])) keys_[i] = SortKey(scratch_[i].slot);
    }
    // Selection of the smallest key; scanning downwards with <= lets the lower
    // index win a tie. Every entry in use is placed, whatever its key.
    int32_t placed = 0;
    for (;;) {
        size_t best = scratch_.size();
        for (size_t i = scratch_.size(); i-- > 0;)
            if (InUse(scratch_[i]) && (best == scratch_.size() || keys_[i] <= keys_[best])) best = i;
        if (best == scratch_.size()) break;
        TakeEntry(entries_[placed++], scratch_[best]);
    }
    count_ = placed;
}

const DepotStats& Depot::Stats()
{
    DepotStats& s = stats_;
    s.waiting = s.underRepair = s.parked = s.statusApart = s.preparing = s.listed = 0;
    for (int32_t i = 0; i < count_; ++i) {
        DepotEntry& entry = entries_[i];
        if (!InUse(entry)) continue;
        switch (entry.status) {
        case kDepotWaitingRepair: ++s.waiting; break;
        case kDepotUnderRepair: ++s.waiting; ++s.underRepair; break;
        case kDepotParked: ++s.parked; break;
        case kDepotStatusApart: ++s.statusApart; break;
        case kDepotPreparing: ++s.preparing; break;
        default: break;
        }
        s.table[s.listed++] = {&entry, entry.status, entry.countdown};
    }
    return s;
}

int32_t Depot::AppendToSave(const char* path)
{
    std::FILE* file = std::fopen(path, "a");
    if (!file) return kDepotFileError;
    std::fprintf(file, "%d %d %d %d %d %d %d\n", capacity_, count_, repairsAtOnce_, reserved_,
                 preparationSteps_, repairSteps_, exitFree_);
    for (int32_t i = 0; i < count_; ++i) {
        DepotEntry& entry = entries_[i];
        VehicleSlot& slot = entry.slot;
        std::fprintf(file, "%d %d %d %d %d %d %d %d %d %d %d %d %d\n", slot.Kind(), slot.Train(),
                     slot.Type(), slot.Number(), slot.Operational(), slot.Coupled(), slot.Motion(),
                     slot.Countdown(), slot.Link(), entry.status, entry.countdown, entry.slotState,
                     slot.Turned());
    }
    bool written = !std::ferror(file);
    if (std::fclose(file) != 0) written = false;
    return written ? kDepotOk : kDepotFileError;
}

int32_t Depot::LoadFromSave(const char* path)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "r"));
    if (!file) return kDepotFileError;
    Depot loaded;
    if (!loaded.ReadSavedBlock(file.get())) return kDepotBlockDamaged;
    loaded.outputSlot_ = outputSlot_;
    *this = std::move(loaded);
    return kDepotOk;
}

bool Depot::ReadSavedBlock(std::FILE* file)
{
    int32_t version = 0;
    if (!ReadInt(file, version)) return false;
    SkipLine(file, SIZE_MAX);
    SkipLine(file, kSavedNameLineMax);
    int32_t capacity = 0;
    int32_t count = 0;
    // Capacity -1 would only read the parameter, so every negative one is refused here.
    if (!ReadInt(file, capacity) || capacity < 0 ||
        Param(kDepotParamCapacity, capacity) != kDepotOk)
        return false;
    if (!ReadInt(file, count) || !ReadInt(file, repairsAtOnce_) || !ReadInt(file, reserved_) ||
        !ReadInt(file, preparationSteps_) || !ReadInt(file, repairSteps_) ||
        !ReadInt(file, exitFree_))
        return false;
    if (count < 0 || count > capacity_) return false;
    for (int32_t i = 0; i < count; ++i)
        if (!ReadSavedEntry(file, version, entries_[i])) return false;
    count_ = count;
    return true;
}
