// The rows of the entries and exits table.
#include "ui/entries_exits.h"

#include "model/game.h"

const EntriesHeading kEntriesHeadings[3] = {{55, "Wyp."}, {95, "Odstep"}, {150, "Mijanka"}};

EntryExitRow UnpackEntryExit(int32_t code)
{
    EntryExitRow row;
    row.kind = code % 10;
    row.entryNumber = (code / 10) % 10;
    const int32_t third = (code / 100) % 10;
    const int32_t parameter = code / 1000;
    row.trackTile = row.kind == kPointEntry ? 402 : row.kind == kPointExit ? 412 : 422;
    if (third != 0) row.third = std::to_string(third);
    if (row.kind == kPointLine) {
        row.interval = std::to_string(parameter / 100);
        row.passing = std::to_string(parameter % 100);
    } else {
        row.interval = std::to_string(parameter);
    }
    return row;
}

std::vector<EntryExitRow> EntryExitRows(const Game& game)
{
    std::vector<EntryExitRow> rows;
    const int32_t count = game.EntryExitCode(0);
    for (int32_t n = 1; n <= count; ++n) rows.push_back(UnpackEntryExit(game.EntryExitCode(n)));
    return rows;
}

int32_t EntriesPaneHeight(int32_t count) { return (count + 1) * kEntriesRowHeight; }
