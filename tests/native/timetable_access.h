// Test access to a Timetable's own tables: single fields to set up cases no
// timetable file can hold, and a whole-timetable comparison.
#pragma once

#include <cstring>
#include <string>

#include "model/timetable.h"

struct TimetableTestAccess {
    static int32_t& Field(Timetable& t, int32_t row, int32_t field) { return t.FieldRef(row, field); }
    static int32_t& Unit(Timetable& t, int32_t unit, int32_t field)
    {
        return *t.units_.At(static_cast<uint32_t>(unit), static_cast<uint32_t>(field));
    }
    static int32_t& Composition(Timetable& t, int32_t entry, int32_t i)
    {
        return *t.compositions_.At(static_cast<uint32_t>(entry), static_cast<uint32_t>(i));
    }
    static TrainCategory& Category(Timetable& t, int32_t number) { return t.categories_[static_cast<size_t>(number)]; }
    static char* TypeName(Timetable& t, int32_t type) { return t.vehicleTypeNames_[static_cast<size_t>(type)].data(); }
    static int32_t IndexTime(const Timetable& t, int32_t mode, int32_t i)
    {
        return *(mode == kArrivalMode ? t.arrivalIndex_ : t.departureIndex_).At(static_cast<uint32_t>(i), kIndexTime);
    }
    // A row's marks as RowMark bits.
    static constexpr uint8_t kTakenUpWithoutClass = Timetable::kMarkTakenUpWithoutClass;
    static constexpr uint8_t kHeavyWithoutDeparture = Timetable::kMarkHeavyWithoutDeparture;
    static constexpr uint8_t kArrivalYesterday = Timetable::kMarkArrivalYesterday;
    static constexpr uint8_t kArrivedBeforeMidnight = Timetable::kMarkArrivedBeforeMidnight;
    static uint8_t Marks(const Timetable& t, int32_t row)
    {
        return static_cast<size_t>(row) < t.rowMarks_.size() ? t.rowMarks_[static_cast<size_t>(row)] : 0;
    }
    static void SetMarks(Timetable& t, int32_t row, uint8_t marks)
    {
        t.MarkRow(row, Timetable::kAllRowMarks, false);
        t.MarkRow(row, marks, true);
    }

    // The first difference between a and b as text, "" when they hold the same.
    static std::string Difference(const Timetable& a, const Timetable& b)
    {
        std::string diff;
        auto same = [&diff](const std::string& what, int64_t x, int64_t y) {
            if (diff.empty() && x != y) diff = what + ": " + std::to_string(x) + " != " + std::to_string(y);
            return diff.empty();
        };
        auto grid = [&](const std::string& what, const auto& x, const auto& y, int32_t rows, int32_t cols) {
            for (int32_t r = 0; r < rows; ++r)
                for (int32_t c = 0; c < cols; ++c)
                    same(what + "[" + std::to_string(r) + "][" + std::to_string(c) + "]",
                         *x.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)),
                         *y.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)));
        };
        // A table of count rows: the counts, then the rows in use.
        auto table = [&](const std::string& what, int32_t x, int32_t y, const auto& gx, const auto& gy, int32_t cols) {
            if (same(what + " count", x, y)) grid(what, gx, gy, x, cols);
        };
        table("row", a.rowCount_, b.rowCount_, a.rows_, b.rows_, kRowFieldCount);
        for (int32_t r = 0; r < a.rowCount_; ++r) same("marks[" + std::to_string(r) + "]", Marks(a, r), Marks(b, r));
        grid("arrival index", a.arrivalIndex_, b.arrivalIndex_, a.rowCount_, kIndexLinkDigit);
        grid("departure index", a.departureIndex_, b.departureIndex_, a.rowCount_, kIndexLinkDigit);
        table("unit", a.unitCount_, b.unitCount_, a.units_, b.units_, kUnitFieldCount);
        table("composition", a.compositionCount_, b.compositionCount_, a.compositions_, b.compositions_,
              kCompositionLength);
        table("place name", a.placeNameCount_, b.placeNameCount_, a.placeNames_, b.placeNames_, kNameLength);
        table("unit name", a.unitNameCount_, b.unitNameCount_, a.unitNames_, b.unitNames_, kNameLength);
        table("train name", a.trainNameCount_, b.trainNameCount_, a.trainNames_, b.trainNames_, kNameLength);
        same("percent columns", a.percentColumns_, b.percentColumns_);
        same("percent rows", a.percentRows_, b.percentRows_);
        grid("percent", a.percentTable_, b.percentTable_, a.percentRows_, a.percentColumns_);
        grid("type digit", a.typeDigits_, b.typeDigits_, a.percentColumns_, 1);
        same("vehicle types", a.vehicleTypeCount_, b.vehicleTypeCount_);
        for (size_t k = 0; k < a.vehicleTypeNames_.size(); ++k) {
            same("type name " + std::to_string(k),
                 std::memcmp(a.vehicleTypeNames_[k].data(), b.vehicleTypeNames_[k].data(), kTypeNameLength), 0);
            same("type kind " + std::to_string(k), a.vehicleTypeKinds_[k], b.vehicleTypeKinds_[k]);
        }
        for (size_t n = 0; n < a.categories_.size(); ++n) {
            const TrainCategory& x = a.categories_[n];
            const TrainCategory& y = b.categories_[n];
            same("category class " + std::to_string(n), x.categoryClass, y.categoryClass);
            same("category code " + std::to_string(n), std::memcmp(x.longCode, y.longCode, sizeof x.longCode), 0);
            same("category letter " + std::to_string(n), std::memcmp(x.letter, y.letter, sizeof x.letter), 0);
        }
        same("test game", a.testGame_, b.testGame_);
        same("count was negative", a.countWasNegative_, b.countWasNegative_);
        same("look-ahead", a.lookAhead_, b.lookAhead_);
        same("random delays", a.randomDelays_, b.randomDelays_);
        for (size_t c = 0; c < a.delayChances_.size(); ++c)
            for (size_t s = 0; s < 2; ++s)
                same("delay chance", a.delayChances_[c][s], b.delayChances_[c][s]);
        return diff;
    }
};
