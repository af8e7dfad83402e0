// The supply bars of a locomotive in the train pane: its water, coal, fuel
// and boiler with their texts and levels, and how the names, bars and texts
// share the width of the vehicle's picture.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

enum SupplyIndex : int32_t { kSupplyWater, kSupplyCoal, kSupplyFuel, kSupplyBoiler, kSupplyCount };

struct SupplyEntry {
    int32_t value = -1;     ///< percent; -1 when the supply does not apply
    int32_t seconds = -1;   ///< to full, or to the end of the boiler's change; -1 when none
    const char* name = "";  ///< "woda", "węgiel", "paliwo", "kocioł"
    std::string longText;   ///< "75%", or the boiler's "190°C 95%"
    std::string shortText;  ///< "75%", or the boiler's "190°C"
    std::string extraText;  ///< "jeszcze 5 min", "2100 dm3", "pod parą", "zimny"; may be empty
};

struct SupplyRecord {
    std::array<SupplyEntry, kSupplyCount> entries;  ///< water, coal, fuel, boiler
    int32_t fireState = 0;                          ///< FireState; 0 for all but steam
};

SupplyRecord BuildSupplyRecord(Game& game, int32_t point, int32_t slot);
bool HasSupplyBars(const SupplyRecord& record);  // some supply applies

// The severity of a supply: 0 when it does not apply, 1 while it is refilled,
// 3 below 10 %, 2 below 20 %, else 0.
int32_t LevelState(int32_t value, int32_t refill);
// A bar's severity: the boiler's is 3 while its fire is not ready.
int32_t SupplyLevel(const SupplyRecord& record, int32_t index);
// The locomotive's: the worst of water, coal and fuel, or 3 while its fire is
// not ready.
int32_t WorstSupplyLevel(const SupplyRecord& record);
// The supplies that apply, in the order of their bars: a cold or changing
// boiler first.
std::vector<int32_t> SupplyBarOrder(const SupplyRecord& record);

// Widths in pixels of the texts of the applying supplies, in the small font.
struct SupplyTextWidths {
    int32_t name = 0;       ///< of "węgiel", the widest name
    int32_t longText = 0;   ///< the widest long text
    int32_t shortText = 0;  ///< the widest short text
    int32_t extra = 0;      ///< the widest " " + extra text
};

// How the bars of a vehicle `vehicleWidth` units wide are drawn at scale s.
struct SupplyBarLayout {
    int32_t barHeight = 0;    ///< pixels
    int32_t gap = 0;          ///< between name, bar and text
    int32_t rowStep = 0;      ///< from one bar to the next
    int32_t barWidth = 0;     ///< at least 8
    bool names = true;        ///< names left of the bars
    bool values = true;       ///< value texts right of them
    bool shortTexts = false;  ///< the short value texts instead of the long ones
    bool extras = true;       ///< the extra texts after the values
};

// The texts give way, in this order, while the bar would be narrower than 14
// units: the short value texts, the extras, all values, the names.
SupplyBarLayout LayoutSupplyBars(const SupplyTextWidths& widths, int32_t vehicleWidth, double s);

// "jeszcze 5 min" below an hour, "jeszcze 2 h 5 min" from an hour on; the
// minutes rounded up.
std::string TimeLeftText(int32_t seconds);

// The text right of a bar: the value, and the extra text after a blank.
std::string SupplyBarText(const SupplyEntry& entry, const SupplyBarLayout& layout);
