// Upcoming trains: the list of the coming minutes, the expected departure
// delay and the shared time and text helpers.
#include "simulation/upcoming_trains.h"

#include <algorithm>
#include <cctype>

#include "simulation/notify.h"
#include "simulation/track_names.h"

namespace {

constexpr int32_t kHalfDay = kMinutesPerDay / 2;  ///< a longer stop or wait is read as a day's wrap
constexpr int32_t kShownLate = 60;                ///< minutes a waiting or standing train stays listed

bool OneOf(int32_t v, int32_t a, int32_t b, int32_t c) { return v == a || v == b || v == c; }

int32_t Saturate(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// The parts of a record both sides share; false when the position is left out.
bool FillRecord(Game& game, int32_t t, int32_t mode, int32_t side, int32_t delay, bool late, int32_t window,
                UpcomingRecord& record)
{
    // A side without a scheduled time (0) has no such event.
    if (game.timetable.ScheduledTime(t, mode, side) == 0) return false;
    MallocPtr time = game.ScheduledTimeText(t, mode, side);
    const int32_t s = ParseHourMinute(time.Get());
    if (s < 0) return false;
    const int32_t m = MinutesFromNow(game, int64_t{s} + delay, late);
    if (m < -kShownLate || m > window) return false;
    record.minutesFromNow = m;
    record.isArrival = side == kArrivalSide ? 1 : 0;
    record.delay = delay;
    record.row = game.IndexRow(t, mode);
    record.timeText = time.Text();
    record.number = game.TrainNumberText(t, mode, side).Text();
    record.relation = TrainRelation(game, t, mode);
    return true;
}

// One "%d" as scanf reads it: blanks, a sign, at least one digit; the value
// saturates at 32 bits instead of overflowing. Moves text past what it read.
bool ReadNumber(const char*& text, int64_t& value)
{
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
        value = std::min<int64_t>(value * 10 + (*text - '0'), INT32_MAX);
    if (negative) value = -value;
    return true;
}

}  // namespace

std::vector<UpcomingRecord> BuildUpcomingList(Game& game, int32_t window)
{
    std::vector<UpcomingRecord> list;
    if (!NotifyGameRunning()) return list;
    for (int32_t t = 0; t < game.TrainCount(); ++t) {
        UpcomingRecord record;
        const int32_t arriving = game.TrainStateNow(t, kArrivalMode);
        if (!IsFinishedStatus(game.RowState(t, kArrivalMode)) && OneOf(arriving, 0, 2, 4) &&
            FillRecord(game, t, kArrivalMode, kArrivalSide, game.Delay(t, kArrivalMode, kArrivalSide),
                       arriving != 0, window, record)) {
            record.overdue = arriving == 2 ? 1 : 0;
            record.place = RomanNumeral(game.Platform(t, kArrivalMode, kArrivalSide)).Text();
            list.push_back(std::move(record));
        }
        record = UpcomingRecord();
        const int32_t leaving = game.TrainStateNow(t, kDepartureMode);
        const int32_t row = game.IndexRow(t, kDepartureMode);
        if (!IsFinishedStatus(game.RowState(t, kDepartureMode)) && OneOf(leaving, 0, 1, 3) &&
            FillRecord(game, t, kDepartureMode, kDepartureSide, ExpectedDelay(game, row), leaving != 0, window,
                       record)) {
            record.overdue = leaving == 3 ? 1 : 0;
            record.place = TrainPlaceLabel(game, row);
            if (record.place.empty())
                record.place = RomanNumeral(game.Platform(t, kDepartureMode, kDepartureSide)).Text();
            list.push_back(std::move(record));
        }
    }
    std::stable_sort(list.begin(), list.end(), UpcomingLess);
    return list;
}

bool UpcomingLess(const UpcomingRecord& a, const UpcomingRecord& b) { return a.minutesFromNow < b.minutesFromNow; }

int32_t ExpectedDelay(Game& game, int32_t train)
{
    if (!NotifyGameRunning() || train < 0 || train >= game.TrainCount()) return 0;
    const int32_t d = game.Delay(train, kRawRow, kDepartureSide);
    const int32_t a = game.RowTime(train, kArrivalSide);
    const int32_t b = game.RowTime(train, kDepartureSide);
    if (a == 0 || b == 0) return d;
    const int32_t dwell = MinutesBetween(a, b);
    if (dwell > kHalfDay) return d;
    const int64_t left = std::max<int64_t>(int64_t{game.Delay(train, kRawRow, kArrivalSide)} - dwell, 0);
    return Saturate(std::min<int64_t>(left, d));
}

bool IsFinishedStatus(int32_t rowState)
{
    return OneOf(rowState, kStateNotAdmitted, kStateArrivingNotAdmitted, kStateDepartingNotAdmitted);
}

int32_t ClockMinuteOfDay(const Game& game) { return HhmmToMinutes(game.Now()) % kMinutesPerDay; }

int32_t ParseHourMinute(const char* text)
{
    int64_t hours = 0;
    int64_t minutes = 0;
    if (!text || !ReadNumber(text, hours) || *text++ != ':' || !ReadNumber(text, minutes)) return -1;
    return Saturate(hours * 60 + minutes);
}

int32_t MinutesFromNow(const Game& game, int64_t minutes, bool isSigned)
{
    int64_t d = (minutes - ClockMinuteOfDay(game)) % kMinutesPerDay;
    if (isSigned) {
        if (d > kHalfDay) d -= kMinutesPerDay;
        if (d < -kHalfDay) d += kMinutesPerDay;
    } else if (d < 0) {
        d += kMinutesPerDay;
    }
    return static_cast<int32_t>(d);
}

std::string JoinNameAndRoute(const char* a, const char* b)
{
    const std::string first = a ? a : "";
    const std::string second = b ? b : "";
    if (first.empty() || second.empty()) return first + second;
    return first + " - " + second;
}

std::string TrainRelation(Game& game, int32_t index, int32_t mode)
{
    MallocPtr origin = game.OriginText(index, mode);
    MallocPtr destination = game.DestinationText(index, mode);
    return JoinNameAndRoute(origin.Get(), destination.Get());
}
