// Event log: the messages of the shift, each with the game time it was added
// at, in a ring of the newest 2000; a repeat of the newest message is
// dropped. Shown by the station view and the event-log dialog, and written
// to "dziennik.txt" on request. User-interface thread only.
//
// EventLog is the ring; the free functions below work on the program's one
// log, at the clock of the program's game. While no game runs (the window's
// gameRunning hook, simulation/notify.h) nothing is logged and the export
// names no station.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kLogCapacity = 2000;              ///< entries kept
constexpr char kLogExportFileName[] = "dziennik.txt";  ///< the export, in the folder given

struct LogEvent {
    int32_t time = 0;  ///< clock HHMM when the entry was added
    std::string text;  ///< code page 1250
};

class EventLog {
public:
    void Add(int32_t time, const char* text);  // nothing for an empty text or a repeat of the newest
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(events_.size()); }
    int32_t Total() const { return total_; }
    LogEvent Get(int32_t i) const;            // from the oldest; an empty entry outside 0..count-1
    LogEvent GetNewestFirst(int32_t i) const;
    // Writes the log to path, replacing the file; false when it cannot be
    // created or written whole.
    bool Export(const std::string& path, const char* stationName) const;

private:
    std::vector<LogEvent> events_;  ///< the ring, at most kLogCapacity entries
    int32_t head_ = 0;              ///< the oldest entry once the ring is full, else 0
    int32_t total_ = 0;             ///< entries added since the last clear, repeats not counted
};

EventLog& TheEventLog();

void AddLogEvent(const char* text);
void ClearLog();
int32_t LogCount();
int32_t LogTotal();
LogEvent GetLogEvent(int32_t i);
LogEvent GetLogEventNewestFirst(int32_t i);
// folder followed by "dziennik.txt", joined by the folder's own separator.
std::string LogExportPath(const std::string& folder);
bool ExportLog(const std::string& path);  // the program's log, with the running game's station
