// Queries of the timetable, on a day at Wrzosogród (tests/fixtures/timetables).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/timetable.h"
#include "roz_files.h"

namespace {

// Rows of wrzosogrod_day.roz that the tests name.
enum DayRow : int32_t {
    kThrough = 0,        // one unit (E4K) both sides
    kTwoUnits = 1,       // units 1 (E6K) and 2 (E4K), train name "Wrzos"
    kEndsHere = 2,       // multiple unit without units, no departure
    kStartsHere = 3,     // departing role, stands on tile 1010 at the start
    kSplitHead = 4,      // heads arrival list 4 -> 5
    kSplitTail = 5,      // takes row 4's unit through the list, leaves with unit 4
    kLightEngine = 6,    // category LOK
    kJoinHead = 7,       // heads departure list 7 -> 8
    kJoinTail = 8,       // takes row 7's departure unit through the list
    kRandomType = 10,    // unit 7, type drawn from percent row 1
    kFreight = 11,       // composition 1
    kCategoryNine = 12,  // category 9, defined by the file
    kNotAdmitted = 13,   // state 3, category 30, defined by the file
    kStateFour = 14,     // state 4, train name of 30 characters
    kNextDay = 15,       // arrives 24:15
    kUndefinedCategory = 16,
};

class DayTimetable : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(t.LoadRoz(TimetableFixture("wrzosogrod_day.roz").c_str(), pictures), 500); }

    // Position of a row in the arrival (mode 2) or departure index.
    int32_t IndexOf(int32_t row, int32_t mode) const
    {
        for (int32_t i = 0; i < t.TrainCount(); ++i)
            if (t.IndexRow(i, mode, false) == row) return i;
        ADD_FAILURE() << "row " << row << " is not in the index";
        return -1;
    }

    Timetable t;
    PictureNameTable pictures{};
};

std::string Text(const MallocPtr& p) { return p.Text(); }

TEST_F(DayTimetable, CountsVehicleTypesAndPictures)
{
    EXPECT_EQ(t.TrainCount(), 53);
    EXPECT_FALSE(t.CountWasNegative());
    EXPECT_EQ(t.VehicleTypeCount(), 10);
    EXPECT_TRUE(t.HasCompositions());
    EXPECT_STREQ(t.VehicleTypeName(1), "E4K");
    EXPECT_EQ(t.VehicleTypeKind(1), 3);
    EXPECT_STREQ(t.VehicleTypeName(6), "EZT-3");
    EXPECT_EQ(t.VehicleTypeKind(6), 1);
    EXPECT_STREQ(t.VehicleTypeName(8), "WAG-OS");
    EXPECT_EQ(t.VehicleTypeKind(8), 0);
    EXPECT_STREQ(t.VehicleTypeName(9), "");  // picture-only type
    EXPECT_STREQ(t.VehicleTypeName(0), "");
    EXPECT_STREQ(t.VehicleTypeName(300), "");
    EXPECT_EQ(t.VehicleTypeKind(-1), 0);
    EXPECT_STREQ(pictures[1].data(), "e4k_niebieska");
    EXPECT_STREQ(pictures[8].data(), "wagon_os");
    EXPECT_STREQ(pictures[9].data(), "wagon_tow");
    EXPECT_STREQ(pictures[10].data(), "wagon_cys");
    EXPECT_STREQ(pictures[11].data(), "");
    EXPECT_EQ(t.VehicleTypeCount(12), 12);
    EXPECT_EQ(t.VehicleTypeCount(300), 12);  // the tables hold types 1..299 only
}

TEST_F(DayTimetable, OriginAndDestinationFollowStateAndMode)
{
    const int32_t arrival = IndexOf(kThrough, kArrivalMode);
    const int32_t departure = IndexOf(kThrough, kDepartureMode);
    // Arriving role: nothing to show as destination on the arrival side, nor
    // as origin on the departure side.
    EXPECT_EQ(Text(t.OriginText(kThrough, kRawRow)), "Jodłów Zdrój");
    EXPECT_EQ(Text(t.DestinationText(kThrough, kRawRow)), "Wrzosogród");
    EXPECT_EQ(Text(t.OriginText(arrival, kArrivalMode)), "Jodłów Zdrój");
    EXPECT_EQ(Text(t.DestinationText(arrival, kArrivalMode)), "Wrzosogród");
    EXPECT_EQ(Text(t.OriginText(departure, kDepartureMode)), "Wrzosogród");
    EXPECT_EQ(Text(t.DestinationText(departure, kDepartureMode)), "Sosnowiany");

    // Departing role: the raw row has no origin any more.
    EXPECT_EQ(t.RowState(kThrough, kRawRow, kStateDeparting), kStateDeparting);
    EXPECT_EQ(Text(t.OriginText(kThrough, kRawRow)), "Wrzosogród");
    EXPECT_EQ(Text(t.DestinationText(kThrough, kRawRow)), "Sosnowiany");
    EXPECT_EQ(Text(t.DestinationText(arrival, kArrivalMode)), "Wrzosogród");

    // State 3 shows its places everywhere.
    const int32_t arrival3 = IndexOf(kNotAdmitted, kArrivalMode);
    const int32_t departure3 = IndexOf(kNotAdmitted, kDepartureMode);
    EXPECT_EQ(Text(t.OriginText(kNotAdmitted, kRawRow)), "Grabnik Dolny");
    EXPECT_EQ(Text(t.DestinationText(arrival3, kArrivalMode)), "Jodłów Zdrój");
    EXPECT_EQ(Text(t.OriginText(departure3, kDepartureMode)), "Grabnik Dolny");

    // State 4 and its departing role 6.
    const int32_t arrival4 = IndexOf(kStateFour, kArrivalMode);
    EXPECT_EQ(Text(t.DestinationText(kStateFour, kRawRow)), "Wrzosogród");
    t.RowState(kStateFour, kRawRow, kStateDepartingNotAdmitted);
    EXPECT_EQ(Text(t.DestinationText(arrival4, kArrivalMode)), "Wrzosogród");
    EXPECT_EQ(Text(t.OriginText(kStateFour, kRawRow)), "Wrzosogród");
    EXPECT_EQ(Text(t.DestinationText(kStateFour, kRawRow)), "Sosnowiany");

    EXPECT_EQ(Text(t.OriginText(kRawRow, kRawRow)), "Wrzosogród");
}

TEST_F(DayTimetable, LocomotiveTypesOfOneAndTwoUnits)
{
    EXPECT_EQ(t.LocoType(IndexOf(kThrough, kArrivalMode), kArrivalMode), 1);
    EXPECT_EQ(t.LocoType(kThrough, kRawRow), 1);
    // Units 1 (E6K, type 2) and 2 (E4K, type 1) on both sides.
    EXPECT_EQ(t.LocoType(IndexOf(kTwoUnits, kArrivalMode), kArrivalMode), -2001);
    EXPECT_EQ(t.LocoType(IndexOf(kTwoUnits, kDepartureMode), kDepartureMode), -2001);
    EXPECT_EQ(t.CountTwoUnitRows(kArrivalMode, 0), 1);
    EXPECT_EQ(t.CountTwoUnitRows(kDepartureMode, 0), 1);
    // A row without units: the file's type, whatever the departure field holds.
    EXPECT_EQ(t.LocoType(kEndsHere, kRawRow), 6);
    EXPECT_EQ(t.LocoType(IndexOf(kStartsHere, kArrivalMode), kArrivalMode), 6);
    EXPECT_EQ(t.BaseLocoType(kStartsHere, kRawRow, 1), 6);
    // Row 5 came in with row 4's unit (M6D) and leaves with unit 4 (S2D).
    EXPECT_EQ(t.LocoType(IndexOf(kSplitTail, kArrivalMode), kArrivalMode), 3);
    EXPECT_EQ(t.LocoType(kSplitTail, kRawRow), 4);
    EXPECT_EQ(t.LocoType(kLightEngine, kRawRow), 1);  // no departure: unit 0
    EXPECT_EQ(t.LocoType(IndexOf(kLightEngine, kArrivalMode), kArrivalMode), 4);
    // Row 8 leaves with row 7's unit (E4K), having come in with unit 6 (E6K).
    EXPECT_EQ(t.LocoType(kJoinTail, kRawRow), 1);
    EXPECT_TRUE(t.LocoChanges(IndexOf(kJoinTail, kDepartureMode), kDepartureMode, false));
    EXPECT_FALSE(t.LocoChanges(IndexOf(kThrough, kDepartureMode), kDepartureMode, true));
    EXPECT_FALSE(t.LocoChanges(IndexOf(kTwoUnits, kDepartureMode), kDepartureMode, false));
    EXPECT_FALSE(t.LocoChanges(IndexOf(kEndsHere, kDepartureMode), kDepartureMode, false));
}

TEST_F(DayTimetable, TypeOverridesChangeLiveTypesNotBaseTypes)
{
    t.SetTypeOverride(kTwoUnits, 5, 2);
    EXPECT_EQ(t.LocoType(kTwoUnits, kRawRow), -2005);
    EXPECT_EQ(t.BaseLocoType(kTwoUnits, kRawRow, 1), -2001);
    EXPECT_EQ(t.BaseLocoType(kTwoUnits, kRawRow, kArrivalSide), -2005);
    // An overridden unit no longer names itself on the arrival side.
    EXPECT_EQ(t.UnitNameRef(kTwoUnits, kRawRow, kArrivalSide), -2000);
    EXPECT_EQ(t.UnitNameRef(kTwoUnits, kRawRow, 1), -2001);
    t.ClearTypeOverride(kTwoUnits);
    EXPECT_EQ(t.LocoType(kTwoUnits, kRawRow), -2001);
    EXPECT_EQ(t.UnitNameRef(kTwoUnits, kRawRow, kArrivalSide), -2001);

    t.SetTypeOverride(kThrough, 4, 1);
    EXPECT_EQ(t.LocoType(kThrough, kRawRow), 4);
    EXPECT_EQ(t.BaseLocoType(kThrough, kRawRow, 1), 1);
    // A row without units takes no override.
    t.SetTypeOverride(kEndsHere, 4, 1);
    EXPECT_EQ(t.LocoType(kEndsHere, kRawRow), 6);
}

TEST_F(DayTimetable, UnitNames)
{
    EXPECT_EQ(Text(t.UnitNameText(0)), "E4K-101");
    EXPECT_EQ(Text(t.UnitNameText(6)), "S2D-501");
    const MallocPtr longName = t.UnitNameText(8);
    ASSERT_TRUE(longName);
    EXPECT_EQ(std::strlen(longName.Get()), 30u);  // all 30 characters, still terminated
    EXPECT_EQ(Text(longName), "Lokomotywa Jodłowska Rezerwowa");
    EXPECT_FALSE(t.UnitNameText(9));
    EXPECT_FALSE(t.UnitNameText(-1));
    EXPECT_EQ(Text(t.UnitNameText(-1)), "");

    // Only a list's head names the units through an index.
    EXPECT_EQ(t.UnitNameRef(IndexOf(kSplitHead, kArrivalMode), kArrivalMode, 0), 3);
    EXPECT_EQ(t.UnitNameRef(IndexOf(kSplitTail, kArrivalMode), kArrivalMode, 0), -100);
    EXPECT_EQ(t.UnitNameRef(kSplitTail, kRawRow, kArrivalSide), 3);
    EXPECT_EQ(t.UnitNameRef(IndexOf(kJoinTail, kDepartureMode), kDepartureMode, 0), -100);
    EXPECT_EQ(t.UnitNameRef(IndexOf(kJoinHead, kDepartureMode), kDepartureMode, 0), 5);
    EXPECT_EQ(t.UnitNameRef(kStartsHere, kRawRow, 1), 4);  // a row without units gives [8] itself
    EXPECT_EQ(t.UnitFieldAbs(7, kUnitArrivalRow), kRandomType);
    EXPECT_EQ(t.UnitFieldAbs(7, kUnitPercentRow), 1);
}

TEST_F(DayTimetable, TrainNumbersAndNames)
{
    EXPECT_EQ(Text(t.TrainNumberText(kThrough, kRawRow, 1)), "3411");
    EXPECT_EQ(Text(t.TrainNumberText(IndexOf(kRandomType, kArrivalMode), kArrivalMode, kArrivalSide)), "38100");
    EXPECT_EQ(Text(t.TrainNumberText(kSplitTail, kRawRow, 1)), "5523");
    EXPECT_FALSE(t.TrainNumberText(kEndsHere, kRawRow, 1));
    EXPECT_FALSE(t.TrainNumberText(kStartsHere, kRawRow, kArrivalSide));

    EXPECT_EQ(Text(t.TrainNameText(kTwoUnits, kRawRow, kArrivalSide)), "Wrzos");
    EXPECT_EQ(Text(t.TrainNameText(IndexOf(kRandomType, kDepartureMode), kDepartureMode, 1)), "Jodła");
    const MallocPtr longName = t.TrainNameText(kStateFour, kRawRow, 1);
    ASSERT_TRUE(longName);
    EXPECT_EQ(std::strlen(longName.Get()), 30u);
    EXPECT_EQ(Text(longName), "Pociąg Wrzosogrodzki Wieczorny");
    EXPECT_FALSE(t.TrainNameText(kThrough, kRawRow, 1));
}

TEST_F(DayTimetable, CategoryCodesAndClasses)
{
    EXPECT_EQ(t.Category(kTwoUnits, kRawRow), 8);
    EXPECT_STREQ(t.CategoryCode(kTwoUnits, kRawRow), "IC");
    EXPECT_EQ(Text(t.CategoryLetterText(kTwoUnits, kRawRow)), "I\n");
    // Arrival category through the arrival index, departure category through the other.
    EXPECT_EQ(t.Category(IndexOf(kSplitTail, kArrivalMode), kArrivalMode), 4);
    EXPECT_EQ(t.Category(IndexOf(kSplitTail, kDepartureMode), kDepartureMode), 2);
    EXPECT_STREQ(t.CategoryCode(IndexOf(kSplitTail, kDepartureMode), kDepartureMode), "OS");
    // Numbers the file defined.
    EXPECT_STREQ(t.CategoryCode(kCategoryNine, kRawRow), "ABC");
    EXPECT_EQ(t.CategoryClass(9), kClassFast);
    EXPECT_EQ(Text(t.CategoryLetterText(kCategoryNine, kRawRow)), "A\n");
    EXPECT_STREQ(t.CategoryCode(kNotAdmitted, kRawRow), "KWR");
    EXPECT_EQ(t.CategoryClass(30), kClassSuburban);
    // Untouched defaults and an undefined number.
    EXPECT_EQ(t.CategoryClass(t.Category(kFreight, kRawRow)), kClassFreight);
    EXPECT_STREQ(t.CategoryCode(kLightEngine, kRawRow), "LOK");
    EXPECT_EQ(t.CategoryClass(11), kClassUndefined);
    EXPECT_STREQ(t.CategoryCode(kUndefinedCategory, kRawRow), "");
}

TEST_F(DayTimetable, CompositionsAndStartPlaces)
{
    const Composition freight = t.CompositionCopy(kFreight);
    const int32_t expected[] = {12, 9, 8, 10, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(freight[i], expected[i]) << i;
    EXPECT_EQ(t.CompositionCopy(kThrough)[0], 5);
    EXPECT_EQ(t.CompositionCopy(kThrough)[1], 8);
    EXPECT_EQ(t.CompositionCopy(kSplitHead)[2], 1);  // composition 2: 2 x 8, 1 x 9
    for (int32_t row : {int32_t{kEndsHere}, int32_t{-1}, int32_t{53}})
        for (int32_t v : t.CompositionCopy(row)) EXPECT_EQ(v, 0) << row;

    EXPECT_EQ(t.StartTile(kStartsHere), 1010);
    EXPECT_EQ(t.StartSlot(kStartsHere), 0);
    EXPECT_EQ(t.TrainState(kStartsHere, kRawRow), 1);
    EXPECT_EQ(t.TrainVehicleType(kFreight, kRawRow), 9);
    EXPECT_EQ(t.Platform(kFreight, kRawRow, kArrivalSide), 9);
    EXPECT_EQ(t.EntryTile(kSplitHead, kRawRow), 1201);
    EXPECT_EQ(t.EntryTile(kSplitHead, 0), 1201);  // any other mode is a raw row here
    EXPECT_EQ(t.EntryTile(IndexOf(kSplitHead, kArrivalMode), kArrivalMode), 1201);
    EXPECT_EQ(t.ExitTileOfRow(kSplitHead), 501);
    EXPECT_EQ(t.ExitTile(IndexOf(kSplitTail, kDepartureMode), kDepartureMode), 560);
}

TEST_F(DayTimetable, TimesReadAndWriteThroughSentinels)
{
    EXPECT_EQ(t.ExpectedTime(kThrough, kRawRow, kArrivalSide), 512);  // not drawn: scheduled
    EXPECT_EQ(t.ExpectedTime(kThrough, kRawRow, kArrivalSide, 520), 520);
    EXPECT_EQ(t.ExpectedTime(kThrough, kRawRow, kArrivalSide), 520);
    EXPECT_EQ(t.ExpectedTime(kThrough, kRawRow, kArrivalSide, kNotDrawn), kNotDrawn);
    EXPECT_EQ(t.ExpectedTime(kThrough, kRawRow, kArrivalSide), 512);
    EXPECT_EQ(t.ScheduledTime(kThrough, kRawRow, 1), 515);
    EXPECT_EQ(t.ScheduledTime(kThrough, kRawRow, 1, 517), 517);
    EXPECT_EQ(t.RowTime(kThrough, 1), 517);
    EXPECT_EQ(t.RowTime(kNextDay, kArrivalSide), 2415);
    EXPECT_EQ(t.RowTime(53, kArrivalSide), 0);
    EXPECT_EQ(t.RowTime(-1, kArrivalSide), 0);

    EXPECT_EQ(t.RowState(-1, kRawRow), kStateLightEngine);
    EXPECT_EQ(t.TrainState(-1, kArrivalMode), 1);
    EXPECT_EQ(t.LookAhead(), kDefaultLookAhead);
    EXPECT_EQ(t.LookAhead(10), 15);
    EXPECT_EQ(t.LookAhead(16), 16);
    EXPECT_FALSE(t.IsTestGame());
    t.SetTestGame(true);
    EXPECT_TRUE(t.IsTestGame());
}

TEST_F(DayTimetable, TrainStateThroughArrivalIndexCarriesTheList)
{
    EXPECT_EQ(t.ArrivalLink(kSplitHead, kRawRow), 51);
    EXPECT_EQ(t.LinkDigit(kSplitHead, kArrivalSide), 1);
    EXPECT_EQ(t.LinkDigit(kSplitTail, kArrivalSide), 2);
    EXPECT_EQ(t.LinkDigit(kJoinHead, 1), 1);
    EXPECT_EQ(t.DepartureLink(kJoinTail, kRawRow), 72);
    const int32_t head = IndexOf(kSplitHead, kArrivalMode);
    EXPECT_EQ(t.IndexRow(head, kArrivalMode, true), 51);

    t.ExpectedTime(kSplitHead, kRawRow, kArrivalSide, 822);
    EXPECT_EQ(t.TrainState(head, kArrivalMode, 4), 4);
    EXPECT_EQ(t.TrainState(kSplitTail, kRawRow), 4);
    EXPECT_EQ(t.ExpectedTime(kSplitTail, kRawRow, kArrivalSide), 822);

    // Other values, and other modes, leave the list alone.
    EXPECT_EQ(t.TrainState(head, kArrivalMode, 1), 1);
    EXPECT_EQ(t.TrainState(kSplitTail, kRawRow), 4);
    EXPECT_EQ(t.TrainState(IndexOf(kSplitHead, kDepartureMode), 0, 3), 1);  // mode 0 only reads
}

TEST_F(DayTimetable, IndexesOrderByTimeThenLinkDigitThenRow)
{
    for (int32_t mode : {kArrivalMode, kDepartureMode}) {
        const int32_t side = mode == kArrivalMode ? kArrivalSide : 1;
        for (int32_t i = 1; i < t.TrainCount(); ++i) {
            const int32_t a = t.IndexRow(i - 1, mode, false);
            const int32_t b = t.IndexRow(i, mode, false);
            const int32_t ta = t.RowTime(a, side);
            const int32_t tb = t.RowTime(b, side);
            ASSERT_LE(ta, tb) << "mode " << mode << " entry " << i;
            if (ta != tb) continue;
            ASSERT_LE(t.LinkDigit(a, side), t.LinkDigit(b, side));
            if (t.LinkDigit(a, side) == t.LinkDigit(b, side)) {
                ASSERT_LT(a, b);
            }
        }
    }
    EXPECT_EQ(IndexOf(kSplitTail, kArrivalMode), IndexOf(kSplitHead, kArrivalMode) + 1);
    EXPECT_EQ(IndexOf(kJoinTail, kDepartureMode), IndexOf(kJoinHead, kDepartureMode) + 1);
    EXPECT_EQ(t.IndexRow(t.TrainCount() - 1, kArrivalMode, false), kNextDay);
    EXPECT_EQ(t.IndexRow(t.TrainCount() - 1, kDepartureMode, false), kNextDay);
    EXPECT_EQ(t.IndexRow(0, kArrivalMode, false), kStartsHere);  // no arrival: time 0
}

}  // namespace
