// TimetableSections: sections and checks shared by the timetable readers.
#include "model/timetable_sections.h"

#include <vector>

#include "model/vehicle_slot.h"

namespace {

constexpr int32_t kMaxCompositionVehicles = 99;  ///< vehicles of one type in a composition

// An index into a table of count entries; 0 also stands for "none" in an empty table.
bool IndexFits(int32_t index, int32_t count) { return index == 0 || (index >= 0 && index < count); }

}  // namespace

bool TimetableSections::ReadPercentTable(TextReader& in, Timetable& t)
{
    if (!in.NumberIn(t.percentColumns_, 0, kMaxVehicleTypes, 1) || !in.NumberIn(t.percentRows_, 0, kMaxPercentRows, 1))
        return false;
    t.percentTable_.Create(t.percentRows_, t.percentColumns_);
    for (int32_t r = 0; r < t.percentRows_; ++r)
        for (int32_t c = 0; c < t.percentColumns_; ++c)
            if (!in.NumberIn(*t.percentTable_.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)), 0, 100, 1))
                return false;
    return true;
}

bool TimetableSections::ReadCompositions(TextReader& in, Timetable& t)
{
    if (!in.NumberIn(t.compositionCount_, 0, kMaxTableEntries, 1)) return false;
    t.compositions_.Create(t.compositionCount_, kCompositionLength);
    for (int32_t p = 0; p < t.compositionCount_; ++p) {
        int32_t* numbers = t.compositions_.Row(static_cast<uint32_t>(p))->At(0);
        for (int32_t i = 0; i < kCompositionLength; ++i) {
            if (!in.Number(numbers[i], 1)) return false;
            if (numbers[i] == 0) break;
        }
    }
    return true;
}

bool TimetableSections::ReadNames(TextReader& in, int32_t& count, Grid2D<uint8_t>& table)
{
    if (!in.NumberIn(count, 0, kMaxTableEntries, 2)) return false;
    table.Create(count, kNameLength);
    for (int32_t e = 0; e < count; ++e) {
        const int32_t length = in.Entry(table.Row(static_cast<uint32_t>(e))->At(0), kNameLength);
        if (length < 0) return e + 1 == count;  // the text may end inside the last entry only
        // A name that fills its field with a CR last would lose the CR to the
        // line end written behind the table (CR LF reads as one line end), so
        // it could not be saved and read back the same: damaged.
        if (length == kNameLength && *table.At(static_cast<uint32_t>(e), kNameLength - 1) == '\r')
            return false;
        // A name that fills its field still owns the line end behind it.
        if (length == kNameLength && in.PeekChar() == '\n') in.RawChar();
    }
    return true;
}

bool TimetableSections::ReferencesFit(const Timetable& t)
{
    return RowsFit(t) && UnitsFit(t) && CompositionsFit(t) && LinksFit(t, kRowArrivalLink) &&
           LinksFit(t, kRowDepartureLink);
}

bool TimetableSections::IsTypeNumber(const Timetable& t, int32_t type)
{
    return type >= 0 && type <= t.vehicleTypeCount_;
}

// A unit reference of a row that has units.
bool TimetableSections::IsUnitRef(const Timetable& t, int32_t ref)
{
    if (ref >= 0) return ref < kNoUnitsBase && IndexFits(ref, t.unitCount_);
    if (ref <= -kNoUnitsBase * kNoUnitsBase) return false;
    return -ref / 1000 < t.unitCount_ && -ref % 1000 < t.unitCount_;
}

bool TimetableSections::RowsFit(const Timetable& t)
{
    for (int32_t r = 0; r < t.rowCount_; ++r) {
        const int32_t arrivalUnits = t.Field(r, kRowArrivalUnits);
        const bool unitsFit = arrivalUnits >= kNoUnitsBase
                                  ? IsTypeNumber(t, arrivalUnits / kNoUnitsBase)
                                  : IsUnitRef(t, arrivalUnits) && IsUnitRef(t, t.Field(r, kRowDepartureUnits));
        if (!unitsFit || !IndexFits(t.Field(r, kRowOrigin), t.placeNameCount_) ||
            !IndexFits(t.Field(r, kRowDestination), t.placeNameCount_) ||
            !IsCategoryNumber(t.Field(r, kRowArrivalCategory)) ||
            !IsCategoryNumber(t.Field(r, kRowDepartureCategory)) || !IsTypeNumber(t, t.Field(r, kRowVehicleType)) ||
            t.Field(r, kRowArrivalName) < 0 || t.Field(r, kRowArrivalName) > t.trainNameCount_ ||
            t.Field(r, kRowDepartureName) < 0 || t.Field(r, kRowDepartureName) > t.trainNameCount_ ||
            t.Field(r, kRowStartSlot) < 0 || t.Field(r, kRowStartSlot) >= kSlotsPerPoint ||
            t.Field(r, kRowStartSubTrack) < 0)
            return false;
    }
    return true;
}

bool TimetableSections::UnitsFit(const Timetable& t)
{
    for (int32_t u = 0; u < t.unitCount_; ++u) {
        const int32_t* unit = t.units_.Row(static_cast<uint32_t>(u))->At(0);
        if (!IsTypeNumber(t, unit[kUnitType]) || !IndexFits(unit[kUnitName], t.unitNameCount_) ||
            unit[kUnitPercentRow] < 0 || unit[kUnitPercentRow] > t.percentRows_)
            return false;
    }
    return true;
}

// (count, type) pairs up to the first 0.
bool TimetableSections::CompositionsFit(const Timetable& t)
{
    for (int32_t p = 0; p < t.compositionCount_; ++p) {
        const int32_t* numbers = t.compositions_.Row(static_cast<uint32_t>(p))->At(0);
        for (int32_t i = 0; i < kCompositionLength && numbers[i] != 0; ++i) {
            const bool isCount = i % 2 == 0;
            if (numbers[i] < 0 || (isCount && numbers[i] > kMaxCompositionVehicles) ||
                (!isCount && !IsTypeNumber(t, numbers[i])))
                return false;
        }
    }
    return true;
}

// Linked rows must form closed lists, each with a head (link digit 1): every
// link names a linked row and no row is named twice, so every list is a
// cycle, and each cycle is searched for its head.
bool TimetableSections::LinksFit(const Timetable& t, int32_t linkField)
{
    const int32_t rows = t.rowCount_;
    std::vector<uint8_t> named(static_cast<size_t>(rows), 0);
    for (int32_t r = 0; r < rows; ++r) {
        const int32_t link = t.Field(r, linkField);
        if (link == 0) continue;
        if (link < 0 || link / 10 >= rows) return false;
        const int32_t next = link / 10;
        if (t.Field(next, linkField) == 0 || named[static_cast<size_t>(next)]++ != 0) return false;
    }
    std::vector<uint8_t> seen(static_cast<size_t>(rows), 0);
    for (int32_t r = 0; r < rows; ++r) {
        if (t.Field(r, linkField) == 0 || seen[static_cast<size_t>(r)]) continue;
        bool hasHead = false;
        for (int32_t m = r; !seen[static_cast<size_t>(m)]; m = t.Field(m, linkField) / 10) {
            seen[static_cast<size_t>(m)] = 1;
            hasHead = hasHead || t.Field(m, linkField) % 10 == 1;
        }
        if (!hasHead) return false;
    }
    return true;
}
