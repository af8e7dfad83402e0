// Timetable: reading a timetable file (".roz").
//
// The file is untrusted: every count, index, type, category, link and name
// length is checked, and a file that fails a check is refused as a whole. It
// is read into a fresh timetable that replaces this one only on success.
#include <string>
#include <vector>

#include "model/text_reader.h"
#include "model/timetable.h"
#include "model/vehicle_slot.h"

namespace {

constexpr int32_t kMaxRows = 10000;          ///< rows of a day, far above any real station
constexpr int32_t kMaxGroups = 1000;         ///< standing-stock groups of the head
constexpr int32_t kMaxUnits = 1000;          ///< a unit index must fit three digits
constexpr int32_t kMaxPercentRows = 1000;    ///< rows of the percent table
constexpr int32_t kMaxTableEntries = 10000;  ///< compositions and names
constexpr int32_t kMaxVehicleTypes = kVehicleTypeSlots - 1;  ///< types 1..299
constexpr int32_t kMaxCompositionVehicles = 99;  ///< vehicles of one type in a composition
constexpr size_t kMaxStationLine = 29;       ///< characters of the station line
constexpr size_t kMaxTypeLine = 98;          ///< characters of a vehicle-type or picture line
constexpr int32_t kFileRowFields = 26;       ///< fields [0]..[25] of a row come from the file
constexpr int32_t kFileUnitFields = 5;       ///< fields [0]..[4] of a unit come from the file

// An index into a table of count entries; 0 also stands for "none" in an empty table.
bool IndexFits(int32_t index, int32_t count) { return index == 0 || (index >= 0 && index < count); }

bool IsClockTime(int32_t hhmm) { return hhmm >= 0 && hhmm / 100 < 24 && hhmm % 100 < 60; }

// The words of a line, separated by runs of blanks.
std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Copies text into a fixed field, which keeps room for its terminating zero.
template <size_t N>
bool CopyWord(const std::string& text, std::array<char, N>& field)
{
    if (text.size() >= N) return false;
    field.fill(0);
    text.copy(field.data(), text.size());
    return true;
}

}  // namespace

class TimetableReader {
public:
    TimetableReader(TextReader& in, Timetable& t, PictureNameTable& pictures)
        : in_(in), t_(t), pictures_(pictures)
    {
    }

    // The start time HHMM, or kRozDamaged.
    int32_t Read()
    {
        int32_t start = 0;
        if (!ReadHead() || !ReadRows() || !in_.Number(start, 1) || !IsClockTime(start) || !ReadUnits() ||
            !ReadPercentTable() || !ReadCompositions() || !ReadVehicleTypes() ||
            !ReadNames(t_.unitNameCount_, t_.unitNames_) || !ReadNames(t_.placeNameCount_, t_.placeNames_) ||
            !ReadNames(t_.trainNameCount_, t_.trainNames_) || (version_ >= 3 && !ReadCategories()) ||
            !CheckRows() || !CheckUnits() || !CheckCompositions() ||
            !CheckLinks(kRowArrivalLink) || !CheckLinks(kRowDepartureLink))
            return kRozDamaged;
        t_.BuildIndex(kArrivalMode);
        t_.BuildIndex(kDepartureMode);
        RepairLinks(kRowArrivalLink, kRowArrivalUnits);
        RepairLinks(kRowDepartureLink, kRowDepartureUnits);
        return start;
    }

private:
    // Version, station line and the standing-stock groups, which the new-game flow reads.
    bool ReadHead()
    {
        std::string station;
        int32_t groups = 0;
        if (!in_.NumberIn(version_, 1, 3, 2) || !in_.Line(station, kMaxStationLine) ||
            !in_.NumberIn(groups, 0, kMaxGroups, 1))
            return false;
        const int32_t numbers = 3 * groups * (version_ >= 2 ? 2 : 1);
        int32_t ignored = 0;
        for (int32_t i = 0; i < numbers; ++i)
            if (!in_.Number(ignored, 1)) return false;
        return true;
    }

    bool ReadRows()
    {
        int32_t count = 0;
        if (!in_.NumberIn(count, -kMaxRows, kMaxRows, 1)) return false;
        t_.countWasNegative_ = count < 0 ? 1 : 0;
        count = count < 0 ? -count : count;
        // Room for twice the rows: light-engine rows are appended at run time.
        t_.rows_.Create(2 * count, kRowFieldCount);
        t_.arrivalIndex_.Create(2 * count, kIndexFieldCount);
        t_.departureIndex_.Create(2 * count, kIndexFieldCount);
        t_.rowCount_ = count;
        for (int32_t r = 0; r < count; ++r) {
            for (int32_t f = 0; f < kFileRowFields; ++f)
                if (!in_.Number(t_.FieldRef(r, f), 1)) return false;
            t_.FieldRef(r, kRowExpectedArrival) = kNotDrawn;
            t_.FieldRef(r, kRowExpectedDeparture) = kNotDrawn;
            // The file gives a locomotive type here; units are entered below.
            int32_t& units = t_.FieldRef(r, kRowArrivalUnits);
            if (units < 0 || units > kMaxVehicleTypes) return false;
            units *= kNoUnitsBase;
            // A train linked to itself.
            const int32_t state = t_.Field(r, kRowState);
            const int32_t link = t_.Field(r, kRowArrivalLink);
            if ((state == 2 || state == kStateNotAdmitted) && link != 0 &&
                link == t_.Field(r, kRowDepartureLink))
                return false;
        }
        return true;
    }

    bool ReadUnits()
    {
        if (!in_.NumberIn(t_.unitCount_, 0, kMaxUnits, 1)) return false;
        t_.units_.Create(t_.unitCount_, kUnitFieldCount);
        const int32_t rows = t_.rowCount_;
        for (int32_t u = 0; u < t_.unitCount_; ++u) {
            int32_t* unit = t_.units_.Row(static_cast<uint32_t>(u))->At(0);
            for (int32_t f = 0; f < kFileUnitFields; ++f)
                if (!in_.Number(unit[f], 1)) return false;
            unit[kUnitOverrideType] = 0;
            unit[kUnitPreviousType] = 0;
            if (unit[kUnitType] < -kMaxVehicleTypes || unit[kUnitType] > kMaxVehicleTypes ||
                unit[kUnitArrivalRow] <= -rows || unit[kUnitArrivalRow] >= rows ||
                unit[kUnitDepartureRow] <= -rows || unit[kUnitDepartureRow] >= rows)
                return false;
            const int32_t arrivalRow = unit[kUnitArrivalRow] < 0 ? -unit[kUnitArrivalRow] : unit[kUnitArrivalRow];
            const int32_t departureRow =
                unit[kUnitDepartureRow] < 0 ? -unit[kUnitDepartureRow] : unit[kUnitDepartureRow];
            if (unit[kUnitType] >= 0) {
                if (!AddUnit(t_.FieldRef(arrivalRow, kRowArrivalUnits), u) ||
                    !AddUnit(t_.FieldRef(departureRow, kRowDepartureUnits), u))
                    return false;
            } else {
                // A unit given with a negative type works both sides of its rows alone.
                unit[kUnitType] = -unit[kUnitType];
                for (int32_t row : {departureRow, arrivalRow}) {
                    t_.FieldRef(row, kRowDepartureUnits) = u;
                    t_.FieldRef(row, kRowArrivalUnits) = u;
                }
            }
        }
        return true;
    }

    // A row side takes unit u: alone, or as the second of two.
    static bool AddUnit(int32_t& ref, int32_t u)
    {
        if (ref == 0) {
            ref = u;
            return true;
        }
        if (ref < 0 || ref >= kNoUnitsBase) return false;  // two units already, or no units at all
        ref = -(ref * 1000 + u);
        return true;
    }

    bool ReadPercentTable()
    {
        if (!in_.NumberIn(t_.percentColumns_, 0, kMaxVehicleTypes, 1) ||
            !in_.NumberIn(t_.percentRows_, 0, kMaxPercentRows, 1))
            return false;
        t_.percentTable_.Create(t_.percentRows_, t_.percentColumns_);
        for (int32_t r = 0; r < t_.percentRows_; ++r)
            for (int32_t c = 0; c < t_.percentColumns_; ++c)
                if (!in_.NumberIn(*t_.percentTable_.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)), 0, 100, 1))
                    return false;
        return true;
    }

    bool ReadCompositions()
    {
        if (!in_.NumberIn(t_.compositionCount_, 0, kMaxTableEntries, 1)) return false;
        t_.compositions_.Create(t_.compositionCount_, kCompositionLength);
        for (int32_t p = 0; p < t_.compositionCount_; ++p) {
            int32_t* numbers = t_.compositions_.Row(static_cast<uint32_t>(p))->At(0);
            for (int32_t i = 0; i < kCompositionLength; ++i) {
                if (!in_.Number(numbers[i], 1)) return false;
                if (numbers[i] == 0) break;
            }
        }
        return true;
    }

    bool ReadVehicleTypes()
    {
        const int32_t named = t_.percentColumns_;
        int32_t pictureOnly = 0;
        if (!in_.NumberIn(pictureOnly, 0, kMaxVehicleTypes - named, 2)) return false;
        t_.vehicleTypeCount_ = named + pictureOnly;
        t_.typeDigits_.Create(named, 1);
        std::string line;
        for (int32_t k = 1; k <= t_.vehicleTypeCount_; ++k) {
            if (!in_.Line(line, kMaxTypeLine)) return false;
            const std::vector<std::string> words = SplitWords(line);
            const size_t type = static_cast<size_t>(k);
            if (words.empty() || !CopyWord(words[0], pictures_[type])) return false;
            if (k > named) continue;  // a picture line
            if (words.size() < 4 || !CopyWord(words[1], t_.vehicleTypeNames_[type])) return false;
            const char kind = words[2][0];
            const char digit = words[3][0];
            if (kind < '0' || kind > '0' + kKindSteamLoco || digit < '0' || digit > '9') return false;
            t_.vehicleTypeKinds_[type] = kind - '0';
            *t_.typeDigits_.At(static_cast<uint32_t>(k - 1), 0) = digit - '0';
        }
        return true;
    }

    // A name table: the count, then entries of at most 30 characters, each
    // ended by a line feed. A longer text runs on into the next entry.
    bool ReadNames(int32_t& count, Grid2D<uint8_t>& table)
    {
        if (!in_.NumberIn(count, 0, kMaxTableEntries, 2)) return false;
        table.Create(count, kNameLength);
        for (int32_t e = 0; e < count; ++e) {
            uint8_t* name = table.Row(static_cast<uint32_t>(e))->At(0);
            int32_t length = 0;
            for (; length < kNameLength; ++length) {
                const int32_t c = in_.RawChar();
                if (c == '\n') break;
                if (c < 0) {
                    if (e + 1 < count) return false;  // the file ends inside the table
                    break;
                }
                name[length] = static_cast<uint8_t>(c);
            }
            // A name that fills its field still owns the line end behind it.
            if (length == kNameLength && in_.PeekChar() == '\n') in_.RawChar();
        }
        return true;
    }

    bool ReadCategories()
    {
        int32_t count = 0;
        if (!in_.NumberIn(count, 0, kCategoryCount, 0)) return false;
        for (int32_t i = 0; i < count; ++i) {
            int32_t number = 0;
            int32_t cls = 0;
            char code[3] = {};
            char letter = 0;
            in_.Skip(1);
            if (!in_.NumberIn(number, 0, kCategoryCount - 1, 1) || !in_.NumberIn(cls, 0, kCategoryClassCount - 1, 1) ||
                !in_.VisibleChar(code[0]) || !in_.VisibleChar(code[1]) || !in_.VisibleChar(code[2]))
                return false;
            in_.Skip(1);
            if (!in_.VisibleChar(letter)) return false;
            // The fourth byte stays: a three-character code keeps its terminating zero.
            TrainCategory& category = t_.categories_[static_cast<size_t>(number)];
            category.categoryClass = cls;
            for (size_t c = 0; c < 3; ++c) category.longCode[c] = code[c];
            category.letter[0] = letter;
        }
        in_.Skip(1);  // what the next entry would have skipped: the file ends here
        return true;
    }

    bool IsTypeNumber(int32_t type) const { return type >= 0 && type <= t_.vehicleTypeCount_; }

    // A unit reference of a row that has units.
    bool IsUnitRef(int32_t ref) const
    {
        if (ref >= 0) return ref < kNoUnitsBase && IndexFits(ref, t_.unitCount_);
        if (ref <= -kNoUnitsBase * kNoUnitsBase) return false;
        return -ref / 1000 < t_.unitCount_ && -ref % 1000 < t_.unitCount_;
    }

    bool CheckRows() const
    {
        for (int32_t r = 0; r < t_.rowCount_; ++r) {
            const int32_t arrivalUnits = t_.Field(r, kRowArrivalUnits);
            const bool unitsFit = arrivalUnits >= kNoUnitsBase
                                      ? IsTypeNumber(arrivalUnits / kNoUnitsBase)
                                      : IsUnitRef(arrivalUnits) && IsUnitRef(t_.Field(r, kRowDepartureUnits));
            if (!unitsFit || !IndexFits(t_.Field(r, kRowOrigin), t_.placeNameCount_) ||
                !IndexFits(t_.Field(r, kRowDestination), t_.placeNameCount_) ||
                !IsCategoryNumber(t_.Field(r, kRowArrivalCategory)) ||
                !IsCategoryNumber(t_.Field(r, kRowDepartureCategory)) ||
                !IsTypeNumber(t_.Field(r, kRowVehicleType)) ||
                t_.Field(r, kRowArrivalName) < 0 || t_.Field(r, kRowArrivalName) > t_.trainNameCount_ ||
                t_.Field(r, kRowDepartureName) < 0 || t_.Field(r, kRowDepartureName) > t_.trainNameCount_ ||
                t_.Field(r, kRowStartSlot) < 0 || t_.Field(r, kRowStartSlot) >= kSlotsPerPoint ||
                t_.Field(r, kRowStartSubTrack) < 0)
                return false;
        }
        return true;
    }

    bool CheckUnits() const
    {
        for (int32_t u = 0; u < t_.unitCount_; ++u) {
            const int32_t* unit = t_.units_.Row(static_cast<uint32_t>(u))->At(0);
            if (!IsTypeNumber(unit[kUnitType]) || !IndexFits(unit[kUnitName], t_.unitNameCount_) ||
                unit[kUnitPercentRow] < 0 || unit[kUnitPercentRow] > t_.percentRows_)
                return false;
        }
        return true;
    }

    // (count, type) pairs up to the first 0.
    bool CheckCompositions() const
    {
        for (int32_t p = 0; p < t_.compositionCount_; ++p) {
            const int32_t* numbers = t_.compositions_.Row(static_cast<uint32_t>(p))->At(0);
            for (int32_t i = 0; i < kCompositionLength && numbers[i] != 0; ++i) {
                const bool isCount = i % 2 == 0;
                if (numbers[i] < 0 || (isCount && numbers[i] > kMaxCompositionVehicles) ||
                    (!isCount && !IsTypeNumber(numbers[i])))
                    return false;
            }
        }
        return true;
    }

    // Linked rows must form closed lists, each with a head (link digit 1):
    // every link names a linked row and no row is named twice, so every list
    // is a cycle, and each cycle is searched for its head.
    bool CheckLinks(int32_t linkField) const
    {
        const int32_t rows = t_.rowCount_;
        std::vector<uint8_t> named(static_cast<size_t>(rows), 0);
        for (int32_t r = 0; r < rows; ++r) {
            const int32_t link = t_.Field(r, linkField);
            if (link == 0) continue;
            if (link < 0 || link / 10 >= rows) return false;
            const int32_t next = link / 10;
            if (t_.Field(next, linkField) == 0 || named[static_cast<size_t>(next)]++ != 0) return false;
        }
        std::vector<uint8_t> seen(static_cast<size_t>(rows), 0);
        for (int32_t r = 0; r < rows; ++r) {
            if (t_.Field(r, linkField) == 0 || seen[static_cast<size_t>(r)]) continue;
            bool hasHead = false;
            for (int32_t m = r; !seen[static_cast<size_t>(m)]; m = t_.Field(m, linkField) / 10) {
                seen[static_cast<size_t>(m)] = 1;
                hasHead = hasHead || t_.Field(m, linkField) % 10 == 1;
            }
            if (!hasHead) return false;
        }
        return true;
    }

    // Members of a list that name no units take those of the list's head.
    void RepairLinks(int32_t linkField, int32_t unitField)
    {
        for (int32_t head = 0; head < t_.rowCount_; ++head) {
            if (t_.Field(head, linkField) == 0 || t_.Field(head, linkField) % 10 != 1) continue;
            const int32_t units = t_.Field(head, unitField);
            t_.ForEachOtherMember(head, linkField, [&](int32_t member) {
                if (t_.Field(member, unitField) == 0) t_.FieldRef(member, unitField) = units;
            });
        }
    }

    TextReader& in_;               ///< the file
    Timetable& t_;                 ///< the fresh timetable being filled
    PictureNameTable& pictures_;   ///< picture names being filled
    int32_t version_ = 0;          ///< file version 1..3
};

int32_t Timetable::LoadRoz(const char* path, PictureNameTable& pictureNames)
{
    TextReader in;
    if (!in.Open(path)) return kRozCannotOpen;
    // What a file does not carry stays as it was: the categories an earlier
    // file set among them.
    Timetable fresh{NoSeed{}};
    fresh.lookAhead_ = lookAhead_;
    fresh.randomDelays_ = randomDelays_;
    fresh.delayChances_ = delayChances_;
    fresh.categories_ = categories_;
    fresh.testGame_ = testGame_;
    PictureNameTable pictures{};
    const int32_t start = TimetableReader(in, fresh, pictures).Read();
    if (start < 0) return start;
    *this = std::move(fresh);
    pictureNames = pictures;
    return start;
}
