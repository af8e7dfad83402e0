// The event box in the corner of the station view: the most urgent
// dispatcher's hints and the newest events of the log, their colours, and
// where the box and its lines lie for measured text sizes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simulation/event_log.h"
#include "ui/level_bar.h"
#include "ui/station_view.h"

constexpr int32_t kEventBoxHints = 3;   ///< hints shown at most
constexpr int32_t kEventBoxEvents = 5;  ///< log entries shown at most
constexpr int32_t kEventBoxFill = RgbColour(255, 255, 240);
constexpr int32_t kEventBoxFrame = RgbColour(140, 140, 140);
constexpr int32_t kEventBoxHintColour = RgbColour(200, 80, 0);
constexpr int32_t kEventBoxAlertColour = RgbColour(180, 0, 0);  ///< the newest event when it needs the player

struct EventBoxLine {
    std::string text;    ///< as drawn
    int32_t colour = 0;  ///< 0x00BBGGRR

    bool operator==(const EventBoxLine& o) const { return text == o.text && colour == o.colour; }
};

// The lines, top to bottom: each hint as "> " and its text (the first
// kEventBoxHints), then the newest kEventBoxEvents events oldest first as
// "HH:MM  text", greyer the older they are; the newest in red when it tells
// of a waiting train, a damage or a late running.
std::vector<EventBoxLine> BuildEventBoxLines(const std::vector<std::string>& hints,
                                             const std::vector<LogEvent>& newestFirst);

// The lines to draw now: none unless [Widok] Opisy_torow is on and a game
// runs; else the hints of the program's game and the newest of its log.
std::vector<EventBoxLine> EventBoxLinesNow(bool gameRunning);

// The box in the pane's bottom-right corner for the widest line's width and
// lineCount lines of lineHeight: at most half the pane wide, never beyond
// its left or top edge.
ViewRect LayoutEventBox(int widest, int lineCount, int lineHeight, int width, int height);

// Where line i is drawn (single line, cut with an ellipsis).
ViewRect EventBoxLineRect(const ViewRect& box, int i, int lineHeight);
