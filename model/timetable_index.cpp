// Timetable: the arrival and departure indexes, the rows in time order.
#include "model/timetable.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

struct IndexKey {
    int32_t time;   ///< expected time when drawn, else scheduled
    int32_t digit;  ///< link digit: unlinked rows, then list heads, then members
    int32_t row;    ///< row number, the last tie-break

    bool operator<(const IndexKey& other) const
    {
        return std::tie(time, digit, row) < std::tie(other.time, other.digit, other.row);
    }
};

// A written time seldom changes the order: when the index already lists count
// distinct rows in the order of their keys now, sorting would give the same
// list, so only the times are brought up to date. The keys end in the row
// number, so strictly rising keys also prove every row is listed once.
template <typename KeyOf>
bool StillInOrder(Grid2D<int32_t>& entries, int32_t count, KeyOf keyOf)
{
    IndexKey previous{};
    for (int32_t i = 0; i < count; ++i) {
        int32_t* entry = entries.Row(static_cast<uint32_t>(i))->At(0);
        const int32_t row = entry[kIndexRow];
        if (row < 0 || row >= count) return false;
        const IndexKey key = keyOf(row);
        if (i > 0 && !(previous < key)) return false;
        // Written as it goes: when the order fails further on, the sort rewrites every entry.
        entry[kIndexTime] = key.time;
        entry[kIndexLinkDigit] = key.digit;
        previous = key;
    }
    return true;
}

}  // namespace

void Timetable::BuildIndex(int32_t mode)
{
    if (mode != kArrivalMode && mode != kDepartureMode) return;
    const bool arrival = mode == kArrivalMode;
    Grid2D<int32_t>& entries = arrival ? arrivalIndex_ : departureIndex_;
    const int32_t timeField = arrival ? kRowArrival : kRowDeparture;
    const int32_t expectedField = arrival ? kRowExpectedArrival : kRowExpectedDeparture;
    const int32_t linkField = arrival ? kRowArrivalLink : kRowDepartureLink;

    const int32_t count = std::min({rowCount_, static_cast<int32_t>(entries.RowCount()),
                                    static_cast<int32_t>(rows_.RowCount())});
    // Every row has all its fields (the rows are made kRowFieldCount wide).
    auto keyOf = [&](int32_t r) -> IndexKey {
        const int32_t* row = rows_.Row(static_cast<uint32_t>(r))->At(0);
        const int32_t expected = row[expectedField];
        return {expected != kNotDrawn ? expected : row[timeField], row[linkField] % 10, r};
    };
    if (StillInOrder(entries, count, keyOf)) return;

    // Sorting on the whole key gives the order of a stable sort by time and
    // digit, whatever order the rows come in.
    std::vector<IndexKey> keys(static_cast<size_t>(count));
    for (int32_t r = 0; r < count; ++r) keys[static_cast<size_t>(r)] = keyOf(r);
    std::sort(keys.begin(), keys.end());
    for (int32_t i = 0; i < count; ++i) {
        int32_t* entry = entries.Row(static_cast<uint32_t>(i))->At(0);
        const IndexKey& key = keys[static_cast<size_t>(i)];
        entry[kIndexRow] = key.row;
        entry[kIndexTime] = key.time;
        entry[kIndexLinkDigit] = key.digit;
    }
}

void Timetable::RefreshIndexes()
{
    // Building again from unchanged times gives the same indexes.
    if (indexedRevision_ == timesRevision_) return;
    BuildIndex(kDepartureMode);
    BuildIndex(kArrivalMode);
    indexedRevision_ = timesRevision_;
}

void Timetable::DropFromIndexes(int32_t row, int32_t oldCount)
{
    TimesChanged();
    for (Grid2D<int32_t>* entries : {&arrivalIndex_, &departureIndex_}) {
        const int32_t count = std::min(oldCount, static_cast<int32_t>(entries->RowCount()));
        int32_t kept = 0;
        for (int32_t i = 0; i < count; ++i) {
            int32_t* entry = entries->Row(static_cast<uint32_t>(i))->At(0);
            if (entry[kIndexRow] == row) continue;
            int32_t* to = entries->Row(static_cast<uint32_t>(kept++))->At(0);
            for (int32_t f = 0; f < kIndexFieldCount; ++f) to[f] = entry[f];
            if (to[kIndexRow] > row) --to[kIndexRow];
        }
    }
}
