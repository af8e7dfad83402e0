// Rolling-stock kinds: a kind name per timetable row (such as the class of a
// multiple unit) from the optional ".rodz" file beside the timetable, shown
// in place of the train's category.
//
// The file is text, one "row name" pair a line (row from 0, the name one word
// of at most 31 characters), "#" starting a comment line. It is untrusted:
// lines count up to 127 characters and the rest of a longer line is dropped;
// a line without both values, with a row outside 0..kMaxKindRow or a name
// that is no word is skipped; a later line for a row replaces an earlier one.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t kMaxKindLine = 127;   ///< characters of a line that are read
constexpr int32_t kMaxKindName = 31;    ///< characters of a kind name
constexpr int32_t kMaxKindRow = 19999;  ///< highest row a timetable can hold, light-engine rows included

// "plan.rodz" for "C:\gry\v1.2\plan.roz"; ".rodz" is appended to a file name
// without an extension.
std::string RollingStockKindsPath(const std::string& timetablePath);

// Empties the kinds and reads the file beside the timetable; a missing file
// leaves none, silently. Returns the number of rows that have a kind.
int32_t LoadRollingStockKinds(const std::string& timetablePath);
void ResetRollingStockKinds();  // no kinds: at every new and every loaded game

// The row's kind name, or fallback when it has none.
std::string GetTrainKindName(int32_t row, const char* fallback);
