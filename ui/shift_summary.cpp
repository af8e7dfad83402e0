// The shift summary's lines and verdict.
#include "ui/shift_summary.h"

#include <cstdio>

namespace {

constexpr size_t kLineBytes = 160;

template <typename... Args>
std::string Line(const char* format, Args... args)
{
    char text[kLineBytes];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

std::string ShiftVerdictText(const ScoreSummary& score, bool testGame)
{
    if (testGame) return "Gra testowa - punktow karnych sie nie liczy.";
    if (score.departedCount <= 0) return "Jeszcze nic nie odjechalo - dyzur dopiero sie zaczyna.";
    if (score.delayMinutes <= 0) return "Bez zarzutu - zaden pociąg nie stracil przez Ciebie minuty.";
    const int64_t tenths = static_cast<int64_t>(score.delayMinutes) * 10 / score.departedCount;
    if (tenths < 10) return "Bardzo dobrze - pociągi wychodzą ze stacji prawie punktualnie.";
    if (tenths < 30) return "Dobrze - drobne przetrzymania, ale rozkład się trzyma.";
    if (tenths < 80) return "Bywa gorzej - kilka pociągów wyraźnie czekało.";
    return "Słabo - stacja korkuje się, pociągi stoją po kilkanaście minut.";
}

std::array<std::string, kShiftSummaryLineCount> ShiftSummaryTexts(const ScoreSummary& score, int32_t now,
                                                                 bool testGame)
{
    std::array<std::string, kShiftSummaryLineCount> lines;
    lines[0] = Line("Stan na godzinę %02d:%02d", now / 100, now % 100);
    lines[1] = Line("Odprawionych pociągów: %d   (jeszcze na stacji: %d)", score.departedCount, score.stillAtStation);
    lines[2] = Line("Dołożone minuty opóźnienia: %d", score.delayMinutes);
    if (score.heldBeforeEntryMinutes >= 1)
        lines[3] = Line("   w tym przez trzymanie przed wjazdem: %d", score.heldBeforeEntryMinutes);
    if (score.maxDelay >= 1)
        lines[4] = Line("Najdłużej czekał: %s (+%d min)",
                        score.maxDelayTrain.empty() ? "pociąg bez numeru" : score.maxDelayTrain.c_str(), score.maxDelay);
    lines[5] = score.penaltyEvents >= 1
                   ? Line("Niedozwolonych operacji: %d   (po %d pkt)", score.penaltyEvents, score.pointsPerEvent)
                   : Line("Niedozwolonych operacji: brak");
    lines[6] = Line("PUNKTY KARNE: %d", score.penaltyPoints);
    lines[7] = ShiftVerdictText(score, testGame);
    return lines;
}
