// What the game dialogs show, without their windows: the lines of the coming
// half hour and of the event log, the train search's answers, the new game's
// station line and the messages of the event-log export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/event_log.h"
#include "simulation/train_search.h"
#include "simulation/upcoming_trains.h"

constexpr int32_t kUpcomingMinutes = 30;  ///< the window of the coming half hour
constexpr char kNothingUpcoming[] = "W najbliższym pół godziny nic sie nie dzieje.";

// "%d min temu", "teraz" or "za %d min".
std::string UpcomingWhenText(int32_t minutesFromNow);
// One line of the coming half hour, in columns for a fixed-pitch font.
std::string UpcomingLine(const UpcomingRecord& record);
// The lines of the coming half hour; the one line kNothingUpcoming when nothing comes.
std::vector<std::string> UpcomingLines(Game& game);

// "HH:MM   text".
std::string EventLogLine(const LogEvent& event);
// The lines of the program's log not listed yet: the entries from running
// number listedTotal (or the oldest still kept) up to the newest. listedTotal
// becomes the log's total.
std::vector<std::string> NewEventLogLines(int32_t& listedTotal);

constexpr char kEventLogCaption[] = "Dziennik zdarzeń";
constexpr char kEventLogSaved[] = "Dziennik zapisany do pliku:\n";  ///< followed by the path
constexpr char kEventLogNotSaved[] = "Nie udało się zapisać dziennika (brak praw do katalogu gry?).";

constexpr int kTrainNumberChars = 62;  ///< characters of a typed train number that are read

// The search's answer in the dialog: the train, its relation and status, or
// that the timetable has no train of the typed number.
std::string FindTrainAnswer(const FindTrainResult& result, const char* typed);
// "Pociąg N: status", the status bar's line for a train found.
std::string FoundTrainStatusLine(const FindTrainResult& result);

// "Stacja: " and the station's own name (the timetable's first place name).
std::string NewGameStationText(const Game& game);
