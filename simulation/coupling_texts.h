// Texts of a coupling or uncoupling in progress: which slots form a pair,
// the countdown texts of the train pane and the labels, and the event-log
// line when the player starts one.
//
// A coupling vehicle is one whose countdown runs (at least 1) while its
// consist stands; the seconds are the countdown times the clock's step.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

bool IsCouplingVehicle(Game& game, int32_t point, int32_t pos);    // pos 0..9
bool IsCouplingNeighbour(Game& game, int32_t point, int32_t pos);  // and so is pos - 1 or pos + 1

// The left slot of the pair that pos belongs to, pairs formed from the left;
// -1 when pos is not a coupling neighbour.
int32_t CouplingPairIndex(Game& game, int32_t point, int32_t pos);

// "Łączenie - potrwa 12 s" / "Rozłączanie - ..."; empty when nothing counts down.
std::string CouplingStatusText(Game& game, int32_t point, int32_t pos);
// "łączenie: jeszcze 12 s" / "rozłączanie: ..."; empty outside a pair.
std::string CouplingProgressText(Game& game, int32_t point, int32_t pos);

// Grammatical cases of VehicleNounPhrase.
enum NounCase : int32_t {
    kNominative = 0,
    kGenitive = 1,
    kInstrumental = 2,
};
// "EU07", "pociąg 1234" (by case), the type name, or "wagony" (by case);
// empty for an empty slot.
std::string VehicleNounPhrase(Game& game, int32_t point, int32_t pos, int32_t nounCase);

// Logs "Łączenie: EU07 z pociągiem 1234 na P1" (event log only) for the
// coupling or uncoupling the player starts between pos and pos + 1.
void LogCouplingEvent(Game& game, int32_t point, int32_t pos);
