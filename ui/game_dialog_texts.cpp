// The texts and list lines of the game dialogs.
#include "ui/game_dialog_texts.h"

#include <algorithm>
#include <cstdio>

namespace {

// printf into a buffer of Bytes bytes, cut there as the dialogs' buffers cut.
template <size_t Bytes, typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[Bytes];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

std::string UpcomingWhenText(int32_t minutesFromNow)
{
    // The list reaches back an hour at most, so the minutes never overflow.
    if (minutesFromNow < 0) return Format<32>("%d min temu", -minutesFromNow);
    if (minutesFromNow == 0) return "teraz";
    return Format<32>("za %d min", minutesFromNow);
}

std::string UpcomingLine(const UpcomingRecord& record)
{
    const std::string delay = record.delay != 0 ? Format<16>(" %+d", record.delay) : std::string();
    return Format<512>("%-12s %-8s %5s%-5s %-8s %-22s %s", UpcomingWhenText(record.minutesFromNow).c_str(),
                       record.isArrival ? "wjazd" : "odjazd", record.timeText.c_str(), delay.c_str(),
                       record.number.c_str(), record.place.c_str(), record.relation.c_str());
}

std::vector<std::string> UpcomingLines(Game& game)
{
    const std::vector<UpcomingRecord> records = BuildUpcomingList(game, kUpcomingMinutes);
    if (records.empty()) return {kNothingUpcoming};
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const UpcomingRecord& record : records) lines.push_back(UpcomingLine(record));
    return lines;
}

std::string EventLogLine(const LogEvent& event)
{
    return Format<512>("%02d:%02d   %s", event.time / 100, event.time % 100, event.text.c_str());
}

std::vector<std::string> NewEventLogLines(int32_t& listedTotal)
{
    const int32_t total = LogTotal();
    if (total == listedTotal) return {};
    const int32_t oldest = total - LogCount();  // running number of GetLogEvent(0)
    std::vector<std::string> lines;
    for (int32_t n = std::max(listedTotal, oldest); n < total; ++n) lines.push_back(EventLogLine(GetLogEvent(n - oldest)));
    listedTotal = total;
    return lines;
}

std::string FindTrainAnswer(const FindTrainResult& result, const char* typed)
{
    if (result.train < 0) return std::string("Nie ma w rozkładzie pociągu o numerze ") + (typed ? typed : "") + ".";
    return result.number + "  " + result.relation + "\r\n" + result.status;
}

std::string FoundTrainStatusLine(const FindTrainResult& result)
{
    return "Pociąg " + result.number + ": " + result.status;
}

std::string NewGameStationText(const Game& game)
{
    return std::string("Stacja: ") + game.OriginText(kRawRow, kRawRow).Text();  // the raw pair names the station
}
