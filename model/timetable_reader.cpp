// Timetable: reading a timetable file (".roz").
//
// The file is untrusted: every count, index, type, category, link and name
// length is checked, and a file that fails a check is refused as a whole. It
// is read into a fresh timetable that replaces this one only on success.
#include <string>
#include <vector>

#include "model/text_reader.h"
#include "model/timetable.h"
#include "model/timetable_sections.h"
#include "model/vehicle_slot.h"

namespace {

constexpr int32_t kMaxGroups = 1000;         ///< standing-stock groups of the head
constexpr size_t kMaxStationLine = 29;       ///< characters of the station line
constexpr size_t kMaxTypeLine = 98;          ///< characters of a vehicle-type or picture line
constexpr int32_t kFileRowFields = 26;       ///< fields [0]..[25] of a row come from the file
constexpr int32_t kFileUnitFields = 5;       ///< fields [0]..[4] of a unit come from the file

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
            !TimetableSections::ReadPercentTable(in_, t_) || !TimetableSections::ReadCompositions(in_, t_) ||
            !ReadVehicleTypes() || !TimetableSections::ReadNames(in_, t_.unitNameCount_, t_.unitNames_) ||
            !TimetableSections::ReadNames(in_, t_.placeNameCount_, t_.placeNames_) ||
            !TimetableSections::ReadNames(in_, t_.trainNameCount_, t_.trainNames_) ||
            (version_ >= 3 && !ReadCategories()) || !TimetableSections::ReferencesFit(t_))
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
    Timetable fresh = FreshKeepingSettings();
    fresh.testGame_ = testGame_;
    PictureNameTable pictures{};
    const int32_t start = TimetableReader(in, fresh, pictures).Read();
    if (start < 0) return start;
    *this = std::move(fresh);
    pictureNames = pictures;
    return start;
}
