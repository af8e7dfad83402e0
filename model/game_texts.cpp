// Game: the texts it gives the boards and windows (times, locomotives, units,
// platform numerals), each a fresh buffer.
#include "model/game.h"

#include <cstdio>
#include <cstring>

namespace {

MallocPtr CopyText(const char* text)
{
    const size_t size = std::strlen(text) + 1;
    MallocPtr copy = MallocPtr::Zeroed(size);
    if (copy) std::memcpy(copy.Get(), text, size);
    return copy;
}

// "first|second", the way two units are shown in one cell.
MallocPtr JoinTexts(const char* first, const char* second)
{
    const size_t size = std::strlen(first) + 1 + std::strlen(second) + 1;
    MallocPtr text = MallocPtr::Zeroed(size);
    if (text) std::snprintf(text.Get(), size, "%s|%s", first, second);
    return text;
}

// The two parts of a negative two-unit value -(a * 1000 + b).
int32_t FirstOfPair(int32_t pair) { return static_cast<int32_t>(-int64_t{pair} / 1000); }
int32_t SecondOfPair(int32_t pair) { return static_cast<int32_t>(-int64_t{pair} % 1000); }

}  // namespace

MallocPtr ClockTimeText(int32_t time)
{
    int64_t t = time;  // wide: the absolute value of the most negative time still fits
    if (t >= 2400) t -= 2400;
    if (t < 0) t = -t;
    constexpr size_t kSize = 16;  // "21474836:48" and the zero
    MallocPtr text = MallocPtr::Zeroed(kSize);
    if (text)
        std::snprintf(text.Get(), kSize, "%lld:%02lld", static_cast<long long>(t / 100),
                      static_cast<long long>(t % 100));
    return text;
}

MallocPtr RomanNumeral(int32_t n)
{
    static const char* const kNumerals[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return CopyText(n >= 1 && n <= 9 ? kNumerals[n - 1] : " ");
}

MallocPtr Game::ScheduledTimeText(int32_t index, int32_t mode, int32_t side)
{
    return ClockTimeText(timetable.ScheduledTime(index, mode, side));
}

MallocPtr Game::ExpectedTimeText(int32_t index, int32_t mode, int32_t side)
{
    return ClockTimeText(timetable.ExpectedTime(index, mode, side));
}

MallocPtr Game::LocoTypeName(int32_t index, int32_t side) const
{
    const int32_t type = timetable.LocoType(index, side);
    if (type == 0) return MallocPtr();
    if (type > 0) return CopyText(timetable.VehicleTypeName(type));
    return JoinTexts(timetable.VehicleTypeName(FirstOfPair(type)), timetable.VehicleTypeName(SecondOfPair(type)));
}

MallocPtr Game::UnitName(int32_t index, int32_t side) const
{
    if (!allowShedTransfers) return MallocPtr();
    if (side == kRawRow) return timetable.UnitNameText(index);
    const int32_t ref = timetable.UnitNameRef(index, side, side);
    if (ref == -100) return MallocPtr();  // not the head of its linked list
    if (ref >= 0) return timetable.UnitNameText(ref);
    MallocPtr first = timetable.UnitNameText(FirstOfPair(ref));
    MallocPtr second = timetable.UnitNameText(SecondOfPair(ref));
    if (!first && !second) return MallocPtr();
    return JoinTexts(first.Text(), second.Text());
}
