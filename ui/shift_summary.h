// The shift summary's lines and its verdict on the dispatcher's work.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "simulation/train_tracking.h"

constexpr int kShiftSummaryLineCount = 8;  ///< statics 521..528

// A sentence on the shift: a test game, nothing departed yet, no added
// delay, else by the tenths of a minute of delay per departed train.
std::string ShiftVerdictText(const ScoreSummary& score, bool testGame);

// The lines in order: the time (now as HHMM), departed trains, added delay,
// delay held before the entry, the longest wait, refused operations, the
// penalty points and the verdict; a line that has nothing to say is empty.
std::array<std::string, kShiftSummaryLineCount> ShiftSummaryTexts(const ScoreSummary& score, int32_t now,
                                                                 bool testGame);
