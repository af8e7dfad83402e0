// TimetableSections: what the readers of timetable files (".roz") and of the
// saved game's timetable block share: their limits, the sections written the
// same way in both, and the checks that every reference names what exists.
#pragma once

#include <cstdint>

#include "model/text_reader.h"
#include "model/timetable.h"

constexpr int32_t kMaxRows = 10000;          ///< rows of a day, far above any real station
constexpr int32_t kMaxSavedRows = 2 * kMaxRows;  ///< with the room for light-engine rows
constexpr int32_t kMaxUnits = 1000;          ///< a unit index must fit three digits
constexpr int32_t kMaxPercentRows = 1000;    ///< rows of the percent table
constexpr int32_t kMaxTableEntries = 10000;  ///< compositions and names
constexpr int32_t kMaxVehicleTypes = kVehicleTypeSlots - 1;  ///< types 1..299

class TimetableSections {
public:
    // Columns K, rows Q, then Q x K percents.
    static bool ReadPercentTable(TextReader& in, Timetable& t);
    // The count, then numbers up to and including a 0, at most 30, per composition.
    static bool ReadCompositions(TextReader& in, Timetable& t);
    // The count, then entries of at most 30 characters, each ended by a line
    // feed or by its 30th character.
    static bool ReadNames(TextReader& in, int32_t& count, Grid2D<uint8_t>& table);
    // Rows, units, compositions and links name only what exists.
    static bool ReferencesFit(const Timetable& t);

private:
    static bool IsTypeNumber(const Timetable& t, int32_t type);
    static bool IsUnitRef(const Timetable& t, int32_t ref);
    static bool RowsFit(const Timetable& t);
    static bool UnitsFit(const Timetable& t);
    static bool CompositionsFit(const Timetable& t);
    static bool LinksFit(const Timetable& t, int32_t linkField);
};
