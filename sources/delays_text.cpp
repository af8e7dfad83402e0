// Reading the delays text.
#include "sources/delays_text.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

constexpr char kStampPattern[] = "POBRANE %d-%d-%d %d:%d";
constexpr char kEntryPattern[] = "%d %d %d";
constexpr int kStampNumbers = 5;
constexpr int kEntryNumbers = 3;
constexpr int32_t kDefaultRefreshMinutes = 5;
constexpr int32_t kMaxRefreshMinutes = 60;
constexpr int32_t kFirstFileTimeYear = 1601;
constexpr int32_t kLastFileTimeYear = 30827;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// A number as "%d" reads it: blanks, a sign, digits; beyond 32 bits it stays
// at the nearest end.
bool ScanInt(const char*& p, int32_t& value)
{
    while (IsBlank(*p)) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        magnitude = std::min<int64_t>(magnitude * 10 + (*p - '0'), int64_t{INT_MAX} + 1);
    const int64_t signedValue = negative ? -magnitude : std::min<int64_t>(magnitude, INT_MAX);
    value = static_cast<int32_t>(signedValue);
    return true;
}

// Formatted-scan matching of a line: "%d" a number, a blank any run of blanks
// or none, any other character itself. True when every number was read.
bool ScanLine(const std::string& line, const char* pattern, int32_t* numbers, int count)
{
    const char* p = line.c_str();
    int read = 0;
    for (const char* f = pattern; *f && read < count; ++f) {
        if (f[0] == '%' && f[1] == 'd') {
            if (!ScanInt(p, numbers[read])) return false;
            ++read;
            ++f;
        } else if (*f == ' ') {
            while (IsBlank(*p)) ++p;
        } else if (*p == *f) {
            ++p;
        } else {
            return false;
        }
    }
    return read == count;
}

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonth(int32_t year, int32_t month)
{
    static const int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsFileTimeDate(const LocalMinute& t)
{
    return t.year >= kFirstFileTimeYear && t.year <= kLastFileTimeYear && t.month >= 1 && t.month <= 12 &&
           t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 &&
           t.minute >= 0 && t.minute <= 59;
}

// Days from 1 March of year 0 in the proleptic Gregorian calendar.
int64_t DayNumber(int64_t year, int64_t month, int64_t day)
{
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    return 365 * year + year / 4 - year / 100 + year / 400 + (153 * (month - 3) + 2) / 5 + day;
}

int64_t MinuteNumber(const LocalMinute& t)
{
    return (DayNumber(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute;
}

}  // namespace

DelaysText ParseDelaysLines(const std::string& text, int32_t trainCount)
{
    DelaysText result;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#' || line[0] == '\r') continue;
        int32_t n[kStampNumbers] = {};
        if (ScanLine(line, kStampPattern, n, kStampNumbers)) {
            result.stamp = {n[0], n[1], n[2], n[3], n[4]};
            result.hasStamp = true;
        } else if (ScanLine(line, kEntryPattern, n, kEntryNumbers) && n[0] >= 0 && n[0] < trainCount) {
            result.entries.push_back({n[0], n[1], n[2]});
        }
    }
    return result;
}

std::string DelaysFilePath(const std::string& timetablePath)
{
    const size_t dot = timetablePath.rfind('.');
    return (dot == std::string::npos ? timetablePath : timetablePath.substr(0, dot)) + ".opoz";
}

int32_t RefreshMinutesFromSetting(const std::string& setting)
{
    if (setting.empty()) return kDefaultRefreshMinutes;
    const char* p = setting.c_str();
    int32_t minutes = 0;
    if (!ScanInt(p, minutes)) return 0;
    return std::clamp(minutes, 0, kMaxRefreshMinutes);
}

int64_t StampAgeMinutes(const LocalMinute& stamp, const LocalMinute& now)
{
    if (!IsFileTimeDate(stamp) || !IsFileTimeDate(now)) return -1;
    return std::max<int64_t>(MinuteNumber(now) - MinuteNumber(stamp), 0);
}
