// Event log: the ring, its export and the program's one log.
#include "simulation/event_log.h"

#include <cstdio>
#include <utility>

#include "model/game.h"
#include "simulation/notify.h"

void EventLog::Add(int32_t time, const char* text)
{
    if (!text || !*text) return;
    if (!events_.empty() && events_[static_cast<size_t>((head_ + Count() - 1) % Count())].text == text) return;
    ++total_;
    LogEvent event{time, text};
    if (Count() < kLogCapacity) {
        events_.push_back(std::move(event));
        return;
    }
    events_[static_cast<size_t>(head_)] = std::move(event);
    head_ = (head_ + 1) % kLogCapacity;
}

void EventLog::Clear()
{
    events_.clear();
    head_ = 0;
    total_ = 0;
}

LogEvent EventLog::Get(int32_t i) const
{
    if (i < 0 || i >= Count()) return LogEvent();
    return events_[static_cast<size_t>((head_ + i) % Count())];
}

LogEvent EventLog::GetNewestFirst(int32_t i) const
{
    return i < 0 ? LogEvent() : Get(Count() - 1 - i);
}

bool EventLog::Export(const std::string& path, const char* stationName) const
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    bool written = std::fprintf(file, "# Dziennik zdarzen - %s\n", stationName ? stationName : "") >= 0;
    if (total_ > Count())
        written = written && std::fprintf(file, "# (najstarsze %d zdarzen wypadlo juz z pamieci)\n",
                                          total_ - Count()) >= 0;
    for (int32_t i = 0; written && i < Count(); ++i) {
        const LogEvent event = Get(i);
        written = std::fprintf(file, "%02d:%02d  %s\n", event.time / 100, event.time % 100, event.text.c_str()) >= 0;
    }
    // A full disk shows only when the buffer goes out.
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

EventLog& TheEventLog()
{
    static EventLog log;
    return log;
}

void AddLogEvent(const char* text)
{
    if (NotifyGameRunning()) TheEventLog().Add(TheGame().Now(), text);
}

void ClearLog() { TheEventLog().Clear(); }

int32_t LogCount() { return TheEventLog().Count(); }

int32_t LogTotal() { return TheEventLog().Total(); }

LogEvent GetLogEvent(int32_t i) { return TheEventLog().Get(i); }

LogEvent GetLogEventNewestFirst(int32_t i) { return TheEventLog().GetNewestFirst(i); }

std::string LogExportPath(const std::string& folder)
{
    if (folder.empty()) return kLogExportFileName;
    const char last = folder.back();
    if (last == '\\' || last == '/') return folder + kLogExportFileName;
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder + separator + kLogExportFileName;
}

bool ExportLog(const std::string& path)
{
    return TheEventLog().Export(path, NotifyGameRunning() ? TheGame().StationName() : "");
}
