// Dispatcher hints: what needs the player's attention now (trains waiting at
// an entry, trains standing past their departure time, steam locomotives
// short of water or coal, diesels short of fuel, broken-down traction), most
// urgent first.
//
// Built afresh whenever the station view draws them; only while a game runs
// and [Opcje] Podpowiedzi is on. Priorities: a waiting train 100 + minutes
// waited, an overdue departure 200 + minutes late, supplies 170 - percent
// left, a broken-down vehicle 180.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/game.h"

struct Hint {
    int32_t priority = 0;  ///< higher is more urgent
    std::string text;      ///< at most 239 characters
    int32_t tile = 0;      ///< first TileCode of the point concerned, 0 when none
};

// Short codes of the free points already offered in one build, so that no
// two hints offer the same one.
using SuggestedPlaces = std::set<std::string>;

std::vector<Hint> BuildHints(Game& game);
void AddHint(std::vector<Hint>& hints, int32_t priority, const char* text, int32_t tile);
bool HintGreater(const Hint& a, const Hint& b);  // a's priority above b's

// The short code of the first free platform or freight platform (slot 0
// empty, not closed, not yet offered) to one of whose tiles a track runs
// from the entry point's first tile; it is then added to suggested. "" when
// there is none.
std::string FindFreePointForEntry(Game& game, int32_t entryPoint, SuggestedPlaces* suggested);
