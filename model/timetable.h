// Timetable: the trains of the day at this station (one row per train event),
// their locomotive units, compositions, names and categories, and the queries
// through which the rest of the game reads and writes them.
//
// Most queries take (index, mode): mode kRawRow takes index as a row number,
// kArrivalMode as an entry of the arrival index, any other mode as an entry of
// the departure index. A side argument is kArrivalSide for the arrival side and
// anything else for the departure side. Out-of-range indexes reach the last
// element of a table (Grid2D).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/grid2d.h"
#include "model/malloc_ptr.h"
#include "model/time_arithmetic.h"
#include "model/train_category.h"

// Fields of a TimetableRow.
enum RowField : int32_t {
    kRowState = 0,               ///< row state, RowState
    kRowArrival = 1,             ///< scheduled arrival HHMM, 0 = no arrival
    kRowEntryTile = 2,           ///< TileCode of the entry
    kRowOrigin = 3,              ///< place-name index of the origin
    kRowArrivalUnits = 4,        ///< arrival unit reference
    kRowDeparture = 5,           ///< scheduled departure HHMM, 0 = no departure
    kRowExitTile = 6,            ///< TileCode of the exit
    kRowDestination = 7,         ///< place-name index of the destination
    kRowDepartureUnits = 8,      ///< departure unit reference
    kRowArrivalNumber = 9,       ///< arrival train number, 0 = none
    kRowDepartureNumber = 10,    ///< departure train number, 0 = none
    kRowArrivalLink = 11,        ///< next row of the arrival list * 10 + own digit, 0 = alone
    kRowDepartureLink = 12,      ///< the same for the departure list
    kRowArrivalCategory = 13,    ///< arrival category number
    kRowDepartureCategory = 14,  ///< departure category number
    kRowTrainState = 15,         ///< the train's progress, -1..4
    kRowVehicleType = 16,        ///< vehicle type of the train's own slot
    kRowComposition = 17,        ///< composition index, outside the table = none
    kRowArrivalPlatform = 18,    ///< arrival platform number
    kRowDeparturePlatform = 19,  ///< departure platform number
    kRowArrivalName = 20,        ///< arrival train-name index from 1, 0 = none
    kRowDepartureName = 21,      ///< departure train-name index from 1, 0 = none
    kRowStartTile = 22,          ///< TileCode where the train stands at the start; negative = coupled
    kRowStartSlot = 23,          ///< slot of the starting position
    kRowStartSubTrack = 24,      ///< sub-track offset of the starting position in a siding
    kRowCarried = 25,            ///< read and saved, used by nothing
    kRowExpectedArrival = 26,    ///< expected arrival HHMM, kNotDrawn = not drawn yet
    kRowExpectedDeparture = 27,  ///< expected departure HHMM, kNotDrawn = not drawn yet
    kRowFieldCount = 28,
};

// Fields of a TimetableUnit.
enum UnitField : int32_t {
    kUnitType = 0,          ///< locomotive vehicle type
    kUnitName = 1,          ///< unit-name index
    kUnitArrivalRow = 2,    ///< arrival row; negative: -row, and the type is drawn
    kUnitDepartureRow = 3,  ///< departure row, taken as its absolute value
    kUnitPercentRow = 4,    ///< percent-table row from 1, 0 = none
    kUnitOverrideType = 5,  ///< type set by the movement of consists, 0 = none
    kUnitPreviousType = 6,  ///< type before a random draw
    kUnitFieldCount = 7,
};

// Fields of a TimetableIndexEntry.
enum IndexField : int32_t {
    kIndexRow = 0,        ///< row number
    kIndexTime = 1,       ///< the row's time HHMM
    kIndexLinkDigit = 2,  ///< the row's link digit while sorting
    kIndexFieldCount = 3,
};

// Row states that the timetable itself names.
enum RowState : int32_t {
    kStateArriving = 0,              ///< arriving role of a train
    kStateDeparting = 1,             ///< departing role of the same train
    kStateNotAdmitted = 3,           ///< not admitted at an entry
    kStateArrivingNotAdmitted = 4,   ///< arriving role of a train not admitted at an entry
    kStateDepartingNotAdmitted = 6,  ///< departing role of a state-4 train
    kStateLightEngine = 7,           ///< light-engine row appended at run time
};

// States 0 and 4: the train comes in here and turns round.
inline bool IsArrivingRole(int32_t state) { return state == kStateArriving || state == kStateArrivingNotAdmitted; }

// A train that has stood at its platform this long switches from its arriving
// role to its departing one. Its arrival there is stored as a time of the next
// day, so the switch comes when that time less 23 h 55 min has come.
constexpr int32_t kRoleSwitchLag = 24 * 60 - 5;  ///< minutes taken off the next-day arrival
// States 1 and 6: the same train leaving again.
inline bool IsDepartingRole(int32_t state) { return state == kStateDeparting || state == kStateDepartingNotAdmitted; }

constexpr int32_t kRawRow = -100;        ///< mode: index is a row number
constexpr int32_t kArrivalMode = 2;      ///< mode: an entry of the arrival index
constexpr int32_t kDepartureMode = 1;    ///< mode: an entry of the departure index
constexpr int32_t kArrivalSide = 2;      ///< side: arrival; any other value departure
constexpr int32_t kDepartureSide = 1;    ///< side: departure
constexpr int32_t kReadValue = -100;     ///< accessor sentinel: read, do not write
constexpr int32_t kNotDrawn = -100;      ///< expected time not drawn yet
constexpr int32_t kNoUnitsBase = 1000;   ///< a unit reference from here on is type * 1000
constexpr int32_t kNameLength = 30;      ///< bytes of a name-table entry
constexpr int32_t kCompositionLength = 30;  ///< numbers of one composition
constexpr int32_t kVehicleTypeSlots = 300;  ///< vehicle types 1..299
constexpr int32_t kTypeNameLength = 20;     ///< bytes of a vehicle-type name
constexpr int32_t kPictureNameLength = 50;  ///< bytes of a picture name
constexpr int32_t kDefaultLookAhead = 45;   ///< minutes
constexpr int32_t kRozCannotOpen = -1;      ///< LoadRoz: the file cannot be opened
constexpr int32_t kRozDamaged = -2;         ///< LoadRoz: a train linked to itself, or a damaged file
constexpr int32_t kRemoveRow = -100;        ///< AddOrRemoveRow: the type that removes a row
constexpr int32_t kLightEngineDeparture = 9999;  ///< expected departure of a light-engine row

// Results of AddOrRemoveRow.
enum RowChange : int32_t {
    kRowChanged = 0,  ///< the row was added or removed
    kRowRefused = 1,  ///< no room for another row, or no such row to remove
};

// Results of the saved-game block.
enum SaveResult : int32_t {
    kSaveOk = 0,            ///< written or read
    kSaveFileError = 1,     ///< the file cannot be opened, or the block not written whole
    kSaveBlockDamaged = 2,  ///< LoadFromSave: block refused, the timetable is as it was
};

// Picture names of the vehicle types, numbered from 1; held by the Game.
using PictureNameTable = std::array<std::array<char, kPictureNameLength>, kVehicleTypeSlots>;
// (count, vehicle type) pairs ending at the first 0.
using Composition = std::array<int32_t, kCompositionLength>;

class Timetable {
public:
    Timetable();  // default tables; seeds the random generator once from the time
    Timetable(Timetable&&) = default;
    Timetable& operator=(Timetable&&) = default;

    // Reading. A failed read leaves the timetable and the picture names as they were.
    int32_t LoadRoz(const char* path, PictureNameTable& pictureNames);  // start time HHMM, or kRoz*
    void BuildIndex(int32_t mode);  // kDepartureMode or kArrivalMode; any other does nothing

    // Small accessors.
    int32_t TrainCount() const { return rowCount_; }
    bool CountWasNegative() const { return countWasNegative_ != 0; }
    int32_t VehicleTypeCount(int32_t v = -1);    // -1 reads; 0..299 sets
    const char* VehicleTypeName(int32_t type) const;  // "" outside 1..299
    int32_t VehicleTypeKind(int32_t type) const;      // 0 outside 1..299
    bool HasCompositions() const { return compositionCount_ != 0; }
    void SetTestGame(bool on) { testGame_ = on ? 1 : 0; }
    bool IsTestGame() const { return testGame_ != 0; }
    void SetRandomDelays(bool on) { randomDelays_ = on ? 1 : 0; }
    bool RandomDelays() const { return randomDelays_ != 0; }
    int32_t LookAhead(int32_t value = kReadValue);  // a value below 16 stores 15
    int32_t RowTime(int32_t row, int32_t side) const;  // scheduled time of a row, 0 out of range
    bool HasExpectedArrival(int32_t row) const;         // drawn; false out of range
    // Changes whenever a row's time, expected time, link or marks are written
    // or a row comes or goes; no two states of any timetables share a value,
    // so what is worked out from the times holds while it stays the same.
    uint64_t TimesRevision() const { return timesRevision_; }
    int32_t UnitFieldAbs(int32_t unit, int32_t field) const;

    // Links and indexes.
    int32_t ArrivalLink(int32_t index, int32_t mode) const;
    int32_t DepartureLink(int32_t index, int32_t mode) const;
    int32_t LinkDigit(int32_t row, int32_t side) const;
    int32_t IndexRow(int32_t index, int32_t mode, bool followLink) const;

    // Row fields; the value argument reads at its sentinel and writes otherwise.
    int32_t RowState(int32_t index, int32_t mode, int32_t value = kReadValue);  // 7 for index < 0
    // Read inline: every step reads it for every train.
    [[gnu::always_inline]] int32_t TrainState(int32_t index, int32_t mode, int32_t value = kReadValue)  // 1 for index < 0
    {
        if (index < 0) return 1;
        const int32_t row = RowOf(index, mode);
        if (value == kReadValue || (mode != kRawRow && mode != kArrivalMode && mode != kDepartureMode))
            return Field(row, kRowTrainState);
        return WriteTrainState(row, mode, value);
    }
    int32_t ScheduledTime(int32_t index, int32_t mode, int32_t side, int32_t value = kReadValue);
    int32_t ExpectedTime(int32_t index, int32_t mode, int32_t side, int32_t value = -1);
    int32_t EntryTile(int32_t index, int32_t mode) const;  // mode 2 arrival, 1 departure, else raw
    int32_t ExitTile(int32_t index, int32_t mode) const;
    int32_t ExitTileOfRow(int32_t row) const;
    int32_t StartTile(int32_t row) const;
    int32_t StartSlot(int32_t row) const;
    int32_t StartSubTrack(int32_t row) const;
    int32_t TrainVehicleType(int32_t index, int32_t mode) const;
    int32_t Platform(int32_t index, int32_t mode, int32_t side) const;

    // Texts, each a fresh terminated buffer, or an empty holder where stated.
    MallocPtr TrainNumberText(int32_t index, int32_t mode, int32_t side) const;  // none for number 0
    MallocPtr TrainNameText(int32_t index, int32_t mode, int32_t side) const;    // none for name 0
    MallocPtr OriginText(int32_t index, int32_t mode) const;
    MallocPtr DestinationText(int32_t index, int32_t mode) const;
    MallocPtr UnitNameText(int32_t nameIndex) const;  // none outside the unit names
    Composition CompositionCopy(int32_t row) const;   // zeros when the row has none

    // Locomotive units.
    int32_t LocoType(int32_t index, int32_t mode) const;
    int32_t BaseLocoType(int32_t index, int32_t mode, int32_t side) const;
    int32_t UnitNameRef(int32_t index, int32_t mode, int32_t side) const;
    bool LocoChanges(int32_t index, int32_t mode, bool byName) const;
    void SetTypeOverride(int32_t row, int32_t type, int32_t part);
    void ClearTypeOverride(int32_t row);
    int32_t CountTwoUnitRows(int32_t mode, int32_t n) const;

    // Categories and delay chances.
    int32_t Category(int32_t index, int32_t mode) const;
    const char* CategoryCode(int32_t index, int32_t mode) const;  // points into the table
    int32_t CategoryClass(int32_t number) const;                  // -1 when not defined
    MallocPtr CategoryLetterText(int32_t index, int32_t mode) const;  // letter, line feed
    int32_t DelayChance(int32_t cls, int32_t sign, int32_t value = kReadValue);

    // The day's run: expected times drawn as trains come near, real delays,
    // and light-engine rows.
    int32_t Update(int32_t now);  // 1 when an early, late or heavy delay was drawn, else 0
    void ApplyDelays(int32_t row, int32_t arrivalDelay, int32_t departureDelay);
    int32_t Delay(int32_t index, int32_t mode, int32_t addMinutes, int32_t side);  // minutes late
    int32_t AddOrRemoveRow(int32_t row, int32_t type, int32_t tile);  // RowChange
    // A heavy delay drawn for a row that has no departure: the train comes in
    // damaged as a heavy departure delay would bring it.
    bool HeavyDelayWithoutDeparture(int32_t row) const { return RowMarked(row, kMarkHeavyWithoutDeparture); }
    // The expected arrival is the moment the standing train arrived before
    // midnight, kept as yesterday's clock time until its role switch.
    bool ArrivedBeforeMidnight(int32_t row) const { return RowMarked(row, kMarkArrivedBeforeMidnight); }
    static int32_t AddMinutesClamped(int32_t t, int32_t minutes) { return ::AddMinutesClamped(t, minutes); }

    // Midnight: RollOverMidnight runs the other three in their order.
    void RollOverMidnight();
    bool HasTimesPastMidnight() const;
    void MidnightShift();
    void RearmDay();

    // The timetable block at the end of a saved game. position is the byte
    // offset in the file where the block begins, as ftell gives it.
    int32_t AppendToSave(const char* path) const;             // kSaveOk or kSaveFileError
    int32_t LoadFromSave(long position, const char* path);    // SaveResult

private:
    friend class TimetableReader;      // fills a fresh timetable from a ".roz" file
    friend class TimetableSaveReader;  // fills a fresh timetable from a saved game
    friend class TimetableSections;    // what both readers share
    friend struct TimetableTestAccess; // lets the tests compare whole timetables

    struct NoSeed {};
    explicit Timetable(NoSeed);  // default tables, the generator left alone
    // Empty, for a reader to fill: keeps the look-ahead, the random-delays
    // switch, the delay chances and the categories, which no file resets.
    Timetable FreshKeepingSettings() const;

    int32_t RowOf(int32_t index, int32_t mode) const
    {
        if (mode == kRawRow) return index;
        return *(mode == kArrivalMode ? arrivalIndex_ : departureIndex_).At(static_cast<uint32_t>(index), kIndexRow);
    }
    int32_t WriteTrainState(int32_t row, int32_t mode, int32_t value);  // TrainState's writing half
    void DropFromIndexes(int32_t row, int32_t oldCount);  // a removed row leaves both, the order kept
    // A written time or link may reorder the indexes: reads go through Field.
    [[gnu::always_inline]] int32_t& FieldRef(int32_t row, int32_t field)
    {
        if (IsTimesField(field)) TimesChanged();
        return *rows_.At(row, field);
    }
    static constexpr bool IsTimesField(int32_t field)
    {
        return field == kRowArrival || field == kRowDeparture || field == kRowArrivalLink ||
               field == kRowDepartureLink || field == kRowExpectedArrival || field == kRowExpectedDeparture;
    }
    void TimesChanged() { timesRevision_ = ++revisionCount_; }
    void RefreshIndexes();  // both indexes built again when the times changed since
    [[gnu::always_inline]] int32_t Field(int32_t row, int32_t field) const { return *rows_.At(row, field); }
    int32_t UnitType(int32_t unit) const;  // the override type when set, else the type
    int32_t UnitBaseType(int32_t unit) const { return *units_.At(unit, kUnitType); }
    int32_t UnitNameOf(int32_t unit) const { return *units_.At(unit, kUnitName); }
    bool UnitOverridden(int32_t unit) const { return *units_.At(unit, kUnitOverrideType) != 0; }
    const TrainCategory& CategoryEntry(int32_t number) const;
    MallocPtr PlaceNameText(int32_t entry) const;

    // What the update and the rollover know of a row beyond its fields,
    // saved after the timetable block's test-game flag.
    enum RowMark : uint8_t {
        kMarkTakenUpWithoutClass = 1,      ///< no class: linked rows and unit types done once
        kMarkHeavyWithoutDeparture = 2,    ///< see HeavyDelayWithoutDeparture
        kMarkArrivalYesterday = 4,         ///< the expected arrival is a clock time of yesterday
        kMarkArrivedBeforeMidnight = 8,    ///< see ArrivedBeforeMidnight
        kAllRowMarks = 15,
    };
    bool RowMarked(int32_t row, uint8_t mark) const;
    void MarkRow(int32_t row, uint8_t mark, bool on);
    void ForgetArrivalDay(int32_t row);  // the expected arrival is written anew: today's
    bool ArrivalMomentKept(int32_t row) const;  // at midnight: its role switch is still to come

    // The update's steps for one row.
    enum class DrawOutcome { kNoClass, kOnTime, kDelayed };
    bool DueForDraw(int32_t row, int32_t now) const;
    int32_t DrawMoment(int32_t row) const;  // the time from which an undrawn row is due
    DrawOutcome DrawExpectedTimes(int32_t row);
    int32_t DepartureAfter(int32_t row, int32_t expectedArrival) const;
    void SetExpected(int32_t row, int32_t side, int32_t value);  // 0 for a side the row lacks
    void ShareArrival(int32_t row);
    void ShareLatestDeparture(int32_t row);
    void DrawUnitTypes(int32_t row);
    bool UnitTypeIsDrawn(int32_t unit) const;
    void DrawUnitType(int32_t unit);

    // Calls visit(member) for every other member of row's list through
    // linkField, in list order. Bounded by the row count, so a list that does
    // not come back to row ends anyway.
    template <typename Visit>
    void ForEachOtherMember(int32_t row, int32_t linkField, Visit visit) const
    {
        int32_t next = Field(row, linkField) / 10;
        for (int32_t steps = 0; steps < rowCount_; ++steps) {
            if (next == row || next < 0 || next >= rowCount_ || Field(next, linkField) == 0) return;
            visit(next);
            next = Field(next, linkField) / 10;
        }
    }

    int32_t rowCount_ = 0;                ///< rows in use
    uint8_t countWasNegative_ = 0;        ///< the file gave the row count negated
    Grid2D<int32_t> rows_;                ///< TimetableRows [2 x loaded count][28]
    int32_t placeNameCount_ = 0;          ///< entries of placeNames_
    Grid2D<uint8_t> placeNames_;          ///< origins and destinations [n][30]
    Grid2D<int32_t> departureIndex_;      ///< TimetableIndexEntry rows by departure time
    Grid2D<int32_t> arrivalIndex_;        ///< TimetableIndexEntry rows by arrival time
    int32_t compositionCount_ = 0;        ///< entries of compositions_
    Grid2D<int32_t> compositions_;        ///< rolling-stock compositions [n][30]
    int32_t unitNameCount_ = 0;           ///< entries of unitNames_
    Grid2D<uint8_t> unitNames_;           ///< names of locomotive units [n][30]
    int32_t unitCount_ = 0;               ///< entries of units_
    Grid2D<int32_t> units_;               ///< TimetableUnits [n][7]
    int32_t percentColumns_ = 0;          ///< vehicle types of the percent table
    int32_t percentRows_ = 0;             ///< rows of the percent table
    Grid2D<int32_t> percentTable_;        ///< chance in percent of type c+1, per row
    Grid2D<int32_t> typeDigits_;          ///< digit word of each percent-table type [K][1]
    int32_t trainNameCount_ = 0;          ///< entries of trainNames_
    Grid2D<uint8_t> trainNames_;          ///< names of trains [n][30]
    int32_t lookAhead_ = kDefaultLookAhead;  ///< minutes before arrival when times are drawn
    uint8_t randomDelays_ = 1;            ///< 1: the update draws random delays
    DelayChances delayChances_{};         ///< early / late percent per category class
    CategoryTable categories_{};          ///< class and codes per category number
    std::array<std::array<char, kTypeNameLength>, kVehicleTypeSlots> vehicleTypeNames_{};  ///< from 1
    std::array<int32_t, kVehicleTypeSlots> vehicleTypeKinds_{};  ///< VehicleKind per type, from 1
    int32_t vehicleTypeCount_ = 0;        ///< types in use: percent columns + picture-only types
    uint8_t testGame_ = 0;                ///< 1 in a test game: no delays, no penalty points
    std::vector<uint8_t> rowMarks_;       ///< RowMark bits per row, missing ones 0
    static inline uint64_t revisionCount_ = 0;   ///< revisions handed out, over all timetables
    uint64_t timesRevision_ = ++revisionCount_;  ///< see TimesRevision
    uint64_t indexedRevision_ = 0;               ///< TimesRevision when the indexes were last built
    int32_t nextDraw_ = 0;                       ///< no row is due for drawing before this time...
    uint64_t drawsRevision_ = 0;                 ///< ...while TimesRevision is still this
};
