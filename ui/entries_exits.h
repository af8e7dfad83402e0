// The entries and exits table without windows: one row per entry, exit and
// entry/exit line of the station, unpacked from its packed code, with the
// texts of its columns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Game;

constexpr int kEntriesExitsDialog = 430;  ///< dialog resource "Wjazdy/Wyjazdy"
constexpr int kEntriesCloseButton = 1;     ///< "Zamknij"

// Table columns, pixels from the pane's left edge.
constexpr int32_t kEntriesTrackX = 10;     ///< the track tile
constexpr int32_t kEntriesNumberX = 30;    ///< the entry-number marker
constexpr int32_t kEntriesThirdX = 65;     ///< under "Wyp."
constexpr int32_t kEntriesIntervalX = 110; ///< under "Odstep"
constexpr int32_t kEntriesPassingX = 165;  ///< under "Mijanka"
constexpr int32_t kEntriesRowHeight = 20;  ///< row n (from 1) lies at y = 20 n; the header at 0

struct EntriesHeading {
    int32_t x;         ///< pixels from the left edge
    const char* text;  ///< heading text
};
extern const EntriesHeading kEntriesHeadings[3];

struct EntryExitRow {
    int32_t kind = 0;         ///< code mod 10: 1 entry, 2 exit, 3 line with block sections
    int32_t entryNumber = 0;  ///< 1..9; 0 draws no marker
    int32_t trackTile = 0;    ///< tile picture: 402 entry, 412 exit, 422 anything else
    std::string third;        ///< the point's fourth value as one digit; empty when 0
    std::string interval;     ///< the parameter, or a / 100 of a line's a * 100 + b
    std::string passing;      ///< a line's b (parameter mod 100); empty for other kinds
};

// The rows of a packed code (Game::EntryExitCode) and of the whole station.
EntryExitRow UnpackEntryExit(int32_t code);
std::vector<EntryExitRow> EntryExitRows(const Game& game);

// Pixel height of the table pane: the header and every row.
int32_t EntriesPaneHeight(int32_t count);
