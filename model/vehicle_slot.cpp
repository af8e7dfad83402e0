// VehicleSlot: accessors, path operations, filling and moving vehicles.
#include "model/vehicle_slot.h"

#include <algorithm>

#include "model/random.h"

namespace {
// Process-wide and never reset; incremented before use, so the first serial is 1.
int32_t gSerialCounter = 0;

int32_t NextSerial() { return ++gSerialCounter; }
}  // namespace

int32_t VehicleSlot::Train(int32_t v)
{
    if (type_ >= kTypeNoTimetableTrain) return -1;
    if (v != -1) train_ = v;
    return train_;
}

void VehicleSlot::SetTrain(int32_t train)
{
    if (type_ < kTypeNoTimetableTrain) train_ = train;
}

int32_t VehicleSlot::Type(int32_t v)
{
    if (v < 0) return 0;
    if (v >= 1) type_ = v;
    return type_;
}

int32_t VehicleSlot::Kind(int32_t v)
{
    if (v < 0) return 0;
    if (v >= 1) kind_ = v;
    return kind_;
}

int32_t VehicleSlot::Number(int32_t v)
{
    if (v != 0) number_ = v;
    return number_;
}

int32_t VehicleSlot::Operational(int32_t v)
{
    if (v != -100) operational_ = v != 0;
    return operational_;
}

int32_t VehicleSlot::Coupled(int32_t v)
{
    if (v != -1) coupled_ = v != 0;
    return coupled_;
}

int32_t VehicleSlot::Motion(int32_t v)
{
    if (kind_ < 1) return 0;  // a car never moves on its own
    if (v >= 0) motion_ = v;
    return motion_;
}

int32_t VehicleSlot::Countdown(int32_t v)
{
    if (v >= 0) countdown_ = v;
    return countdown_;
}

int32_t VehicleSlot::Link(int32_t v)
{
    if (v != 0) link_ = v;
    return link_;
}

int32_t VehicleSlot::Turned(int32_t v)
{
    if (v != -100) turned_ = v != 0;
    return turned_;
}

int32_t VehicleSlot::Serviced(int32_t v)
{
    if (v != -100) serviced_ = v != 0;
    return serviced_;
}

int32_t VehicleSlot::EnsureSerial()
{
    if (serial_ == 0 && type_ != 0) serial_ = NextSerial();
    return serial_;
}

bool VehicleSlot::IsElectric() const
{
    return kind_ == kKindElectricUnit || kind_ == kKindElectricLoco;
}

void VehicleSlot::SetPath(std::vector<TileCode> tiles)
{
    tiles.erase(std::find(tiles.begin(), tiles.end(), 0), tiles.end());
    path_ = std::move(tiles);
}

TileCode VehicleSlot::PathFirst() const { return path_.empty() ? 0 : path_.front(); }

TileCode VehicleSlot::PathLast() const { return path_.empty() ? 0 : path_.back(); }

TileCode VehicleSlot::PathAt(uint32_t i) const { return i < path_.size() ? path_[i] : 0; }

TileCode VehicleSlot::PathPop()
{
    if (path_.empty()) return 0;
    path_.pop_back();
    if (!path_.empty()) return path_.back();
    path_ = std::vector<TileCode>();  // an exhausted path is released, not kept empty
    motion_ = kMotionStanding;
    return 0;
}

void VehicleSlot::Fill(int32_t train, int32_t type, int32_t kind, int32_t number,
                       int32_t operational, int32_t coupled, int32_t motion)
{
    train_ = train;
    type_ = type;
    kind_ = kind;
    number_ = number;
    operational_ = operational != 0;
    coupled_ = coupled != 0;
    motion_ = motion;
    turned_ = false;
    // A steam locomotive may or may not have been serviced yet.
    serviced_ = kind == kKindSteamLoco ? RandomValue() % 2 == 1 : true;
    serial_ = NextSerial();
}

void VehicleSlot::MoveFrom(VehicleSlot& source)
{
    if (&source == this) return;  // moving onto itself would empty the slot
    train_ = source.train_;
    type_ = source.type_;
    kind_ = source.kind_;
    number_ = source.number_;
    operational_ = source.operational_;
    coupled_ = source.coupled_;
    motion_ = source.motion_;
    path_ = std::move(source.path_);
    countdown_ = source.countdown_;
    turned_ = source.turned_;
    serviced_ = source.serviced_;
    serial_ = source.serial_;
    source.Clear();
}

// Empties the slot; the link belongs to the place and stays.
void VehicleSlot::Clear()
{
    int32_t link = link_;
    *this = VehicleSlot();
    link_ = link;
}
