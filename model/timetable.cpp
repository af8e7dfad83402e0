// Timetable: construction, row fields, texts and categories.
#include "model/timetable.h"

#include <cstdio>
#include <ctime>

#include "model/random.h"

namespace {

int32_t SideField(int32_t side, int32_t arrivalField, int32_t departureField)
{
    return side == kArrivalSide ? arrivalField : departureField;
}

// A name-table entry as a terminated text of at most maxChars characters.
MallocPtr NameText(const Grid2D<uint8_t>& table, int32_t entry, int32_t maxChars)
{
    MallocPtr text = MallocPtr::Zeroed(static_cast<size_t>(maxChars) + 1);
    if (!text) return text;
    const GridRow<uint8_t>* row = table.Row(static_cast<uint32_t>(entry));
    for (int32_t i = 0; i < maxChars && i < static_cast<int32_t>(row->Count()); ++i) {
        const uint8_t c = *row->At(static_cast<uint32_t>(i));
        if (c == 0) break;
        text.Get()[i] = static_cast<char>(c);
    }
    return text;
}

}  // namespace

Timetable::Timetable(NoSeed)
    : delayChances_(DefaultDelayChances()), categories_(DefaultCategoryTable())
{
}

Timetable::Timetable() : Timetable(NoSeed{})
{
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
}

Timetable Timetable::FreshKeepingSettings() const
{
    Timetable fresh{NoSeed{}};
    fresh.lookAhead_ = lookAhead_;
    fresh.randomDelays_ = randomDelays_;
    fresh.delayChances_ = delayChances_;
    fresh.categories_ = categories_;
    return fresh;
}

int32_t Timetable::VehicleTypeCount(int32_t v)
{
    if (v >= 0 && v < kVehicleTypeSlots) vehicleTypeCount_ = v;
    return vehicleTypeCount_;
}

const char* Timetable::VehicleTypeName(int32_t type) const
{
    if (type <= 0 || type >= kVehicleTypeSlots) return "";
    return vehicleTypeNames_[static_cast<size_t>(type)].data();
}

int32_t Timetable::VehicleTypeKind(int32_t type) const
{
    if (type <= 0 || type >= kVehicleTypeSlots) return 0;
    return vehicleTypeKinds_[static_cast<size_t>(type)];
}

int32_t Timetable::LookAhead(int32_t value)
{
    if (value != kReadValue) {
        lookAhead_ = value < 16 ? 15 : value;
        drawsRevision_ = 0;  // every row's moment of drawing moved
    }
    return lookAhead_;
}

int32_t Timetable::RowTime(int32_t row, int32_t side) const
{
    if (row < 0 || row >= rowCount_) return 0;
    return Field(row, SideField(side, kRowArrival, kRowDeparture));
}

bool Timetable::HasExpectedArrival(int32_t row) const
{
    return row >= 0 && row < rowCount_ && Field(row, kRowExpectedArrival) != kNotDrawn;
}

int32_t Timetable::UnitFieldAbs(int32_t unit, int32_t field) const
{
    const int32_t v = *units_.At(static_cast<uint32_t>(unit), static_cast<uint32_t>(field));
    return v < 0 ? -v : v;
}

int32_t Timetable::ArrivalLink(int32_t index, int32_t mode) const
{
    return Field(RowOf(index, mode), kRowArrivalLink);
}

int32_t Timetable::DepartureLink(int32_t index, int32_t mode) const
{
    return Field(RowOf(index, mode), kRowDepartureLink);
}

int32_t Timetable::LinkDigit(int32_t row, int32_t side) const
{
    return Field(row, SideField(side, kRowArrivalLink, kRowDepartureLink)) % 10;
}

int32_t Timetable::IndexRow(int32_t index, int32_t mode, bool followLink) const
{
    if (followLink && (mode == kArrivalMode || mode == kDepartureMode))
        return Field(RowOf(index, mode), kRowArrivalLink);
    return RowOf(index, mode == kArrivalMode ? kArrivalMode : kDepartureMode);
}

int32_t Timetable::RowState(int32_t index, int32_t mode, int32_t value)
{
    if (index < 0) return kStateLightEngine;
    int32_t& state = FieldRef(RowOf(index, mode), kRowState);
    if (value != kReadValue) state = value;
    return state;
}

int32_t Timetable::WriteTrainState(int32_t row, int32_t mode, int32_t value)
{
    FieldRef(row, kRowTrainState) = value;
    // A train held back or admitted carries the other members of its arrival list with it.
    if (mode == kArrivalMode && (value == 2 || value == 4) && Field(row, kRowArrivalLink) != 0) {
        const int32_t expected = Field(row, kRowExpectedArrival);
        ForEachOtherMember(row, kRowArrivalLink, [&](int32_t member) {
            FieldRef(member, kRowExpectedArrival) = expected;
            FieldRef(member, kRowTrainState) = value;
        });
    }
    return value;
}

int32_t Timetable::ScheduledTime(int32_t index, int32_t mode, int32_t side, int32_t value)
{
    const int32_t row = RowOf(index, mode);
    const int32_t field = SideField(side, kRowArrival, kRowDeparture);
    if (value != kReadValue) FieldRef(row, field) = value;
    return Field(row, field);
}

int32_t Timetable::ExpectedTime(int32_t index, int32_t mode, int32_t side, int32_t value)
{
    const int32_t row = RowOf(index, mode);
    const int32_t field = SideField(side, kRowExpectedArrival, kRowExpectedDeparture);
    if (value != -1) {
        if (side == kArrivalSide) ForgetArrivalDay(row);
        return FieldRef(row, field) = value;
    }
    const int32_t expected = Field(row, field);
    return expected == kNotDrawn ? Field(row, SideField(side, kRowArrival, kRowDeparture)) : expected;
}

int32_t Timetable::EntryTile(int32_t index, int32_t mode) const
{
    return Field(mode == kArrivalMode || mode == kDepartureMode ? RowOf(index, mode) : index, kRowEntryTile);
}

int32_t Timetable::ExitTile(int32_t index, int32_t mode) const { return Field(RowOf(index, mode), kRowExitTile); }

int32_t Timetable::ExitTileOfRow(int32_t row) const { return Field(row, kRowExitTile); }

int32_t Timetable::StartTile(int32_t row) const { return Field(row, kRowStartTile); }

int32_t Timetable::StartSlot(int32_t row) const { return Field(row, kRowStartSlot); }

int32_t Timetable::StartSubTrack(int32_t row) const { return Field(row, kRowStartSubTrack); }

int32_t Timetable::TrainVehicleType(int32_t index, int32_t mode) const
{
    return Field(RowOf(index, mode), kRowVehicleType);
}

int32_t Timetable::Platform(int32_t index, int32_t mode, int32_t side) const
{
    return Field(RowOf(index, mode), SideField(side, kRowArrivalPlatform, kRowDeparturePlatform));
}

MallocPtr Timetable::TrainNumberText(int32_t index, int32_t mode, int32_t side) const
{
    const int32_t number = Field(RowOf(index, mode), SideField(side, kRowArrivalNumber, kRowDepartureNumber));
    if (number == 0) return MallocPtr();
    MallocPtr text = MallocPtr::Zeroed(12);  // room for "-2147483648"
    if (text) std::snprintf(text.Get(), 12, "%d", static_cast<int>(number));
    return text;
}

MallocPtr Timetable::TrainNameText(int32_t index, int32_t mode, int32_t side) const
{
    const int32_t name = Field(RowOf(index, mode), SideField(side, kRowArrivalName, kRowDepartureName));
    if (name == 0) return MallocPtr();
    return NameText(trainNames_, name - 1, kNameLength);
}

MallocPtr Timetable::PlaceNameText(int32_t entry) const { return NameText(placeNames_, entry, kNameLength - 1); }

MallocPtr Timetable::OriginText(int32_t index, int32_t mode) const
{
    if (mode == kRawRow && index == kRawRow) return PlaceNameText(0);
    const int32_t row = RowOf(index, mode);
    const int32_t state = Field(row, kRowState);
    bool fromHere = false;  // the train starts here: no origin to show
    if (mode == kRawRow)
        fromHere = IsDepartingRole(state);
    else if (mode != kArrivalMode)
        fromHere = IsDepartingRole(state) || IsArrivingRole(state);
    return PlaceNameText(fromHere ? 0 : Field(row, kRowOrigin));
}

MallocPtr Timetable::DestinationText(int32_t index, int32_t mode) const
{
    const int32_t row = RowOf(index, mode);
    const int32_t state = Field(row, kRowState);
    bool endsHere = false;  // the train ends here: no destination to show
    if (mode == kRawRow)
        endsHere = IsArrivingRole(state);
    else if (mode == kArrivalMode)
        endsHere = IsDepartingRole(state) || IsArrivingRole(state);
    return PlaceNameText(endsHere ? 0 : Field(row, kRowDestination));
}

MallocPtr Timetable::UnitNameText(int32_t nameIndex) const
{
    if (nameIndex < 0 || nameIndex >= unitNameCount_) return MallocPtr();
    return NameText(unitNames_, nameIndex, kNameLength);
}

Composition Timetable::CompositionCopy(int32_t row) const
{
    Composition copy{};
    if (row < 0 || row >= rowCount_ || compositionCount_ == 0) return copy;
    const int32_t index = Field(row, kRowComposition);
    if (index < 0 || index >= compositionCount_) return copy;
    for (int32_t i = 0; i < kCompositionLength; ++i)
        copy[static_cast<size_t>(i)] = *compositions_.At(static_cast<uint32_t>(index), static_cast<uint32_t>(i));
    return copy;
}

const TrainCategory& Timetable::CategoryEntry(int32_t number) const
{
    static const TrainCategory kUndefined;
    return IsCategoryNumber(number) ? categories_[static_cast<size_t>(number)] : kUndefined;
}

int32_t Timetable::Category(int32_t index, int32_t mode) const
{
    if (mode == kRawRow || mode == kArrivalMode) return Field(RowOf(index, mode), kRowArrivalCategory);
    return Field(RowOf(index, mode), kRowDepartureCategory);
}

const char* Timetable::CategoryCode(int32_t index, int32_t mode) const
{
    return CategoryEntry(Category(index, mode)).longCode;
}

int32_t Timetable::CategoryClass(int32_t number) const { return CategoryEntry(number).categoryClass; }

MallocPtr Timetable::CategoryLetterText(int32_t index, int32_t mode) const
{
    MallocPtr text = MallocPtr::Zeroed(3);
    if (!text) return text;
    text.Get()[0] = CategoryEntry(Category(index, mode)).letter[0];
    text.Get()[1] = '\n';
    return text;
}

int32_t Timetable::DelayChance(int32_t cls, int32_t sign, int32_t value)
{
    if (!IsCategoryClass(cls) || (sign != kDelayEarly && sign != kDelayLate)) return 0;
    int32_t& chance = delayChances_[static_cast<size_t>(cls)][static_cast<size_t>(sign)];
    if (value != kReadValue) chance = value;
    return chance;
}
