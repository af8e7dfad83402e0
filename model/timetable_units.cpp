// Timetable: the locomotive units of the rows and their types and names.
//
// A unit reference (row fields [4] and [8]) is kNoUnitsBase or more for a row
// without units (its locomotive type times 1000), 0..999 for one unit and
// -(a * 1000 + b) for the two units a and b.
#include "model/timetable.h"

namespace {

bool IsTwoUnits(int32_t ref) { return ref < 0; }
int32_t FirstUnit(int32_t ref) { return -ref / 1000; }
int32_t SecondUnit(int32_t ref) { return -ref % 1000; }

// One value per unit of a reference: the unit's own, or -(first * 1000 + second).
template <typename PerUnit>
int32_t ForUnits(int32_t ref, PerUnit perUnit)
{
    if (!IsTwoUnits(ref)) return perUnit(ref);
    return -(perUnit(FirstUnit(ref)) * 1000 + perUnit(SecondUnit(ref)));
}

}  // namespace

int32_t Timetable::UnitType(int32_t unit) const
{
    const int32_t overrideType = *units_.At(static_cast<uint32_t>(unit), kUnitOverrideType);
    return overrideType != 0 ? overrideType : UnitBaseType(unit);
}

int32_t Timetable::LocoType(int32_t index, int32_t mode) const
{
    const int32_t row = RowOf(index, mode);
    const int32_t arrival = Field(row, kRowArrivalUnits);
    if (arrival >= kNoUnitsBase) return arrival / kNoUnitsBase;
    const int32_t ref = mode == kArrivalMode ? arrival : Field(row, kRowDepartureUnits);
    return ForUnits(ref, [this](int32_t unit) { return UnitType(unit); });
}

int32_t Timetable::BaseLocoType(int32_t index, int32_t mode, int32_t side) const
{
    const int32_t row = RowOf(index, mode);
    const int32_t arrival = Field(row, kRowArrivalUnits);
    if (arrival >= kNoUnitsBase) return arrival / kNoUnitsBase;
    if (side == kArrivalSide) return ForUnits(arrival, [this](int32_t unit) { return UnitType(unit); });
    // The departure side ignores overrides: they describe what came in.
    return ForUnits(Field(row, kRowDepartureUnits), [this](int32_t unit) { return UnitBaseType(unit); });
}

int32_t Timetable::UnitNameRef(int32_t index, int32_t mode, int32_t side) const
{
    const bool arrivalSide = mode == kArrivalMode || (mode == kRawRow && side == kArrivalSide);
    const int32_t row = RowOf(index, mode);
    const int32_t arrival = Field(row, kRowArrivalUnits);
    int32_t ref = 0;
    if (arrival >= kNoUnitsBase) {
        ref = Field(row, kRowDepartureUnits);
    } else if (arrivalSide) {
        // A unit whose type was overridden no longer carries its own name.
        ref = ForUnits(arrival, [this](int32_t unit) { return UnitOverridden(unit) ? 0 : UnitNameOf(unit); });
    } else {
        ref = ForUnits(Field(row, kRowDepartureUnits), [this](int32_t unit) { return UnitNameOf(unit); });
    }
    if (mode == kRawRow) return ref;
    // Only the head of a linked list names the units.
    const int32_t link = Field(row, arrivalSide ? kRowArrivalLink : kRowDepartureLink);
    return link != 0 && link % 10 != 1 ? -100 : ref;
}

bool Timetable::LocoChanges(int32_t index, int32_t mode, bool byName) const
{
    const int32_t row = RowOf(index, mode == kArrivalMode ? kArrivalMode : kDepartureMode);
    const int32_t arrival = Field(row, kRowArrivalUnits);
    const int32_t departure = Field(row, kRowDepartureUnits);
    if (arrival < 0 || arrival >= kNoUnitsBase || departure < 0 || departure >= kNoUnitsBase) return false;
    if (UnitType(arrival) != UnitType(departure)) return true;
    return byName && UnitNameOf(arrival) != UnitNameOf(departure);
}

void Timetable::SetTypeOverride(int32_t row, int32_t type, int32_t part)
{
    if (Field(row, kRowArrivalUnits) >= kNoUnitsBase) return;
    const int32_t ref = Field(row, kRowDepartureUnits);
    int32_t unit = ref;
    if (IsTwoUnits(ref)) {
        if (part != 1 && part != 2) return;
        unit = part == 1 ? FirstUnit(ref) : SecondUnit(ref);
    }
    *units_.At(static_cast<uint32_t>(unit), kUnitOverrideType) = type;
}

void Timetable::ClearTypeOverride(int32_t row)
{
    const int32_t ref = Field(row, kRowArrivalUnits);
    if (ref >= kNoUnitsBase) return;
    ForUnits(ref, [this](int32_t unit) { return *units_.At(static_cast<uint32_t>(unit), kUnitOverrideType) = 0; });
}

int32_t Timetable::CountTwoUnitRows(int32_t mode, int32_t n) const
{
    if (n <= 0 || n > rowCount_) n = rowCount_;
    int32_t count = 0;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t row = RowOf(i, mode == kArrivalMode ? kArrivalMode : kDepartureMode);
        if (mode == kArrivalMode) {
            count += Field(row, kRowArrivalUnits) < 0 ? 1 : 0;
        } else {
            count += Field(row, kRowDepartureUnits) < 0 ? 1 : 0;
            count -= Field(row, kRowState) == kStateLightEngine ? 1 : 0;
        }
    }
    return count;
}
