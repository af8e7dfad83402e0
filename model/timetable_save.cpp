// Timetable: the timetable block at the end of a saved game (".sav").
//
// The block carries the whole changing state of the timetable: rows with
// their drawn times and light-engine rows, units, compositions, names, the
// percent table, the categories, the test-game flag and the rows' marks.
// Numbers are written with a comma after each; names as fixed raw fields
// padded with zero bytes.
// The reader fills a fresh timetable and swaps it in only when the whole
// block reads and every reference in it names what exists.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/text_reader.h"
#include "model/timetable.h"
#include "model/timetable_sections.h"
#include "model/vehicle_slot.h"

namespace {

constexpr int32_t kFirstVersionWithCategories = 3;
constexpr int32_t kFirstVersionWithRowMarks = 7;

// Writes the block's forms into a file opened for appending.
class BlockWriter {
public:
    explicit BlockWriter(std::FILE* file) : file_(file) {}

    void Number(int32_t v) { std::fprintf(file_, "%d,", static_cast<int>(v)); }
    void LineEnd() { std::fputc('\n', file_); }
    void Raw(const void* bytes, size_t count) { std::fwrite(bytes, 1, count, file_); }

    void Count(int32_t count)
    {
        Number(count);
        LineEnd();
    }

    // rows lines of cols numbers.
    void Table(const Grid2D<int32_t>& table, int32_t rows, int32_t cols)
    {
        for (int32_t r = 0; r < rows; ++r) {
            const int32_t* cells = table.Row(static_cast<uint32_t>(r))->At(0);
            for (int32_t c = 0; c < cols; ++c) Number(cells[c]);
            LineEnd();
        }
    }

    // Class and a blank, the code's three bytes, a blank, the letter's byte.
    void Category(const TrainCategory& category)
    {
        std::fprintf(file_, "%d ", static_cast<int>(category.categoryClass));
        Raw(category.longCode, 3);
        std::fputc(' ', file_);
        Raw(category.letter, 1);
        LineEnd();
    }

    void Flag(uint8_t flag) { std::fputc(flag ? '1' : '0', file_); }

    // The count, then the entries back to back, then one line end.
    void Names(const Grid2D<uint8_t>& table, int32_t count)
    {
        Count(count);
        for (int32_t e = 0; e < count; ++e) Raw(table.Row(static_cast<uint32_t>(e))->At(0), kNameLength);
        LineEnd();
    }

    // The count of marked rows, then a line of row and marks for each, rows
    // ascending; marks holds a row's marks at its index, missing ones 0.
    void RowMarks(const std::vector<uint8_t>& marks, int32_t rows)
    {
        const size_t count = std::min(marks.size(), static_cast<size_t>(rows));
        Count(static_cast<int32_t>(std::count_if(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(count),
                                                 [](uint8_t m) { return m != 0; })));
        for (size_t r = 0; r < count; ++r) {
            if (marks[r] == 0) continue;
            Number(static_cast<int32_t>(r));
            Number(marks[r]);
            LineEnd();
        }
    }

private:
    std::FILE* file_;  ///< the saved game, open for appending
};

}  // namespace

int32_t Timetable::AppendToSave(const char* path) const
{
    std::FILE* file = std::fopen(path, "a");
    if (!file) return kSaveFileError;
    BlockWriter out(file);
    out.Count(rowCount_);
    out.Table(rows_, rowCount_, kRowFieldCount);
    out.Count(unitCount_);
    out.Table(units_, unitCount_, kUnitFieldCount);
    out.Count(compositionCount_);
    for (int32_t p = 0; p < compositionCount_; ++p) {
        const int32_t* numbers = compositions_.Row(static_cast<uint32_t>(p))->At(0);
        int32_t i = 0;
        while (i < kCompositionLength && numbers[i] != 0) out.Number(numbers[i++]);
        if (i < kCompositionLength) {  // the 0 that ends it; a full one has none
            out.Number(0);
            out.LineEnd();
        }
    }
    out.Names(placeNames_, placeNameCount_);
    for (int32_t k = 1; k <= vehicleTypeCount_; ++k)
        out.Raw(vehicleTypeNames_[static_cast<size_t>(k)].data(), kTypeNameLength);
    out.LineEnd();
    for (int32_t k = 1; k <= vehicleTypeCount_; ++k) out.Number(vehicleTypeKinds_[static_cast<size_t>(k)]);
    out.Names(unitNames_, unitNameCount_);
    out.Number(percentColumns_);
    out.Number(percentRows_);
    out.LineEnd();
    out.Table(percentTable_, percentRows_, percentColumns_);
    out.Names(trainNames_, trainNameCount_);
    for (int32_t k = 0; k < percentColumns_; ++k) out.Number(*typeDigits_.At(static_cast<uint32_t>(k), 0));
    out.LineEnd();
    for (const TrainCategory& category : categories_) out.Category(category);
    out.LineEnd();
    out.Flag(testGame_);
    out.LineEnd();
    out.RowMarks(rowMarks_, rowCount_);
    bool written = !std::ferror(file);
    if (std::fclose(file) != 0) written = false;
    return written ? kSaveOk : kSaveFileError;
}

class TimetableSaveReader {
public:
    TimetableSaveReader(TextReader& in, Timetable& t, int32_t version) : in_(in), t_(t), version_(version) {}

    // False when the block is damaged.
    bool Read()
    {
        if (!ReadRows() || !ReadUnits() || !TimetableSections::ReadCompositions(in_, t_) ||
            !TimetableSections::ReadNames(in_, t_.placeNameCount_, t_.placeNames_))
            return false;
        // The line end after the place names, unless the last one took it.
        if (in_.PeekChar() == '\n') in_.RawChar();
        if (!ReadVehicleTypes() || !TimetableSections::ReadNames(in_, t_.unitNameCount_, t_.unitNames_) ||
            !TimetableSections::ReadPercentTable(in_, t_) || t_.percentColumns_ > t_.vehicleTypeCount_ ||
            !TimetableSections::ReadNames(in_, t_.trainNameCount_, t_.trainNames_) || !ReadTypeDigits())
            return false;
        t_.testGame_ = 0;
        if (version_ >= kFirstVersionWithCategories && !ReadCategories()) return false;
        if (version_ >= kFirstVersionWithRowMarks && !ReadRowMarks()) return false;
        // What follows the block is not read, as in a timetable file.
        return TimetableSections::ReferencesFit(t_);
    }

private:
    bool ReadRows()
    {
        int32_t count = 0;
        if (!in_.NumberIn(count, 0, kMaxSavedRows, 1)) return false;
        // Room for twice the rows, as a timetable file gets.
        t_.rows_.Create(2 * count, kRowFieldCount);
        t_.arrivalIndex_.Create(2 * count, kIndexFieldCount);
        t_.departureIndex_.Create(2 * count, kIndexFieldCount);
        t_.rowCount_ = count;
        return ReadNumbers(t_.rows_, count, kRowFieldCount);
    }

    bool ReadUnits()
    {
        if (!in_.NumberIn(t_.unitCount_, 0, kMaxUnits, 1)) return false;
        t_.units_.Create(t_.unitCount_, kUnitFieldCount);
        return ReadNumbers(t_.units_, t_.unitCount_, kUnitFieldCount);
    }

    bool ReadNumbers(Grid2D<int32_t>& table, int32_t rows, int32_t cols)
    {
        for (int32_t r = 0; r < rows; ++r) {
            int32_t* cells = table.Row(static_cast<uint32_t>(r))->At(0);
            for (int32_t c = 0; c < cols; ++c)
                if (!in_.Number(cells[c], 1)) return false;
        }
        return true;
    }

    // Names of types 1..N, each a 20-byte field, then their kinds.
    bool ReadVehicleTypes()
    {
        const size_t count = static_cast<size_t>(t_.vehicleTypeCount_);
        for (size_t k = 1; k <= count; ++k) {
            std::array<char, kTypeNameLength>& name = t_.vehicleTypeNames_[k];
            name.fill(0);
            // The last byte must stay the name's terminating zero.
            if (in_.Entry(reinterpret_cast<uint8_t*>(name.data()), kTypeNameLength) < 0 || name.back() != 0)
                return false;
        }
        for (size_t k = 1; k <= count; ++k)
            if (!in_.NumberIn(t_.vehicleTypeKinds_[k], kKindCar, kKindSteamLoco, 1)) return false;
        return true;
    }

    bool ReadTypeDigits()
    {
        t_.typeDigits_.Create(t_.percentColumns_, 1);
        for (int32_t k = 0; k < t_.percentColumns_; ++k)
            if (!in_.NumberIn(*t_.typeDigits_.At(static_cast<uint32_t>(k), 0), 0, 9, 1)) return false;
        return true;
    }

    // 250 entries of class, long code and letter, then the test-game flag.
    bool ReadCategories()
    {
        for (TrainCategory& category : t_.categories_) {
            TrainCategory read;
            if (!in_.NumberIn(read.categoryClass, kClassUndefined, kCategoryClassCount - 1, 1) ||
                !in_.VisibleChar(read.longCode[0]) || !in_.VisibleChar(read.longCode[1]) ||
                !in_.VisibleChar(read.longCode[2]))
                return false;
            in_.Skip(1);
            if (!in_.VisibleChar(read.letter[0])) return false;
            category = read;
        }
        int32_t flag = 0;
        if (!in_.NumberIn(flag, 0, 1, 0)) return false;
        t_.testGame_ = static_cast<uint8_t>(flag);
        return true;
    }

    // The marked rows after the test-game flag; a block that ends at the
    // flag has none.
    bool ReadRowMarks()
    {
        while (in_.PeekChar() == '\n' || in_.PeekChar() == '\r' || in_.PeekChar() == ' ') in_.RawChar();
        if (in_.PeekChar() < 0) return true;
        int32_t count = 0;
        if (!in_.NumberIn(count, 0, t_.rowCount_, 1)) return false;
        t_.rowMarks_.assign(static_cast<size_t>(t_.rowCount_), 0);
        for (int32_t i = 0, previous = -1; i < count; ++i) {
            int32_t row = 0, marks = 0;
            // Each marked row once, in order: a save reads back to the same bytes.
            if (!in_.NumberIn(row, previous + 1, t_.rowCount_ - 1, 1) ||
                !in_.NumberIn(marks, 1, Timetable::kAllRowMarks, 1))
                return false;
            t_.rowMarks_[static_cast<size_t>(row)] = static_cast<uint8_t>(marks);
            previous = row;
        }
        return true;
    }

    TextReader& in_;   ///< the block
    Timetable& t_;     ///< the fresh timetable being filled
    int32_t version_;  ///< the saved game's version
};

int32_t Timetable::LoadFromSave(long position, const char* path)
{
    TextReader head;
    if (!head.Open(path)) return kSaveFileError;
    int32_t version = 0;
    TextReader in;
    if (position < 0 || !head.Number(version, 1) || !in.Open(path, static_cast<size_t>(position)))
        return kSaveBlockDamaged;
    // What the block does not carry stays: the settings, the vehicle types
    // beyond the saved game's N and, before version 3, the categories.
    Timetable fresh = FreshKeepingSettings();
    fresh.countWasNegative_ = countWasNegative_;
    fresh.vehicleTypeNames_ = vehicleTypeNames_;
    fresh.vehicleTypeKinds_ = vehicleTypeKinds_;
    fresh.vehicleTypeCount_ = vehicleTypeCount_;
    if (!TimetableSaveReader(in, fresh, version).Read()) return kSaveBlockDamaged;
    *this = std::move(fresh);
    BuildIndex(kArrivalMode);
    BuildIndex(kDepartureMode);
    return kSaveOk;
}
