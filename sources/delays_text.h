// The delays text (".opoz" files and the delays parts of the server's
// replies): a stamp line and one line of delays per train.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One pending delay.
struct DelayEntry {
    int32_t train;           ///< 0-based index of the train's row in the timetable
    int32_t arrivalDelay;    ///< minutes, may be negative
    int32_t departureDelay;  ///< minutes, may be negative
};

// A local date and time to the minute.
struct LocalMinute {
    int32_t year = 0;    ///< e.g. 2026
    int32_t month = 0;   ///< 1..12
    int32_t day = 0;     ///< 1..31
    int32_t hour = 0;    ///< 0..23
    int32_t minute = 0;  ///< 0..59
};

// What one delays text says.
struct DelaysText {
    std::vector<DelayEntry> entries;  ///< in the order of the lines
    LocalMinute stamp;                ///< the "POBRANE" line: when the delays were fetched
    bool hasStamp = false;            ///< a stamp line was found
};

// Entries naming a train outside 0..trainCount-1 are dropped, as are lines
// of any other form; "#" lines, empty lines and lines starting with CR are
// skipped.
DelaysText ParseDelaysLines(const std::string& text, int32_t trainCount);

// The timetable's path up to its last "." followed by ".opoz".
std::string DelaysFilePath(const std::string& timetablePath);

// [Rozklad] OdswiezanieMinut: empty gives 5, else its leading number (none
// gives 0) clamped to 0..60; 0 is off.
int32_t RefreshMinutesFromSetting(const std::string& setting);

// Whole minutes from the stamp to now, 0 for a stamp in the future, -1 when
// either is no date a Windows file time can hold.
int64_t StampAgeMinutes(const LocalMinute& stamp, const LocalMinute& now);
