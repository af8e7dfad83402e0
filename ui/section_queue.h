// The line-section window without windows: the queue of trains on the block
// sections of one entry/exit line, its heading, the question put to the
// player and the answer read from the minutes box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/tile_code.h"

class Game;

// Dialog resource "Pozwolenie zajęcia odcinka" and its controls.
constexpr int kSectionDialog = 440;
constexpr int kSectionHeading = 442;   ///< static
constexpr int kSectionQuestion = 443;  ///< static, ask mode only
constexpr int kSectionMinutesLabel = 444;  ///< "Poczekaj (min):", ask mode only
constexpr int kSectionMinutes = 445;   ///< numbers-only edit, ask mode only
constexpr int kSectionGrant = 446;     ///< "Zezwalam" (ask mode) or "OK" (view mode)
constexpr int kSectionWait = 447;      ///< "Czekaj", ask mode only

// Queue columns, logical pixels from the pane's left edge.
constexpr int32_t kQueueTimeX = 20;
constexpr int32_t kQueueKindX = 70;
constexpr int32_t kQueueNumberX = 120;
constexpr int32_t kQueueOriginX = 190;
constexpr int32_t kQueueDestinationX = 360;
constexpr int32_t kQueueExpectedX = 520;
constexpr int32_t kQueueRowHeight = 20;
// Logical width the columns need, the expected time included: the pane is
// never painted narrower, so the last column stays inside at every scale.
constexpr int32_t kQueueContentWidth = 570;

constexpr int32_t kMaxWaitingMinutes = 1440;  ///< a whole day; more would wrap the clock arithmetic

struct QueueCell {
    int32_t x = 0;     ///< logical pixels
    std::string text;  ///< never empty
};

struct QueueRow {
    std::string number;            ///< "1. " in the bold font at x 0
    std::vector<QueueCell> cells;  ///< the train in the block; none for an empty block
};

// One row per block section in use of the line whose entry point has this tile.
std::vector<QueueRow> SectionQueueRows(Game& game, TileCode entryTile);

std::string SectionHeading(const Game& game, TileCode entryTile, int32_t entryNumber);  // at most 63 characters
std::string SectionQuestion(const std::string& waitingTrain);                             // at most 159 characters

// "Czekaj": the minutes typed, 0 (let the train on) when the box is empty or
// holds anything but digits, at most kMaxWaitingMinutes.
int32_t WaitingMinutes(const std::string& typed);

// The logical size the pane is painted at for a client of width x height at
// uiScale: the client divided by the scale (each at least 1), widened with
// its height in proportion when narrower than the columns need.
struct QueuePaneSize {
    int32_t width;   ///< logical pixels
    int32_t height;  ///< logical pixels
};
QueuePaneSize SectionPaneLogicalSize(int32_t width, int32_t height, double uiScale);
