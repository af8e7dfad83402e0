// Supply records of locomotives and the layout of their bars.
#include "ui/supply_bars.h"

#include <algorithm>
#include <cstdio>

#include "simulation/supplies.h"
#include "ui/layout.h"

namespace {

constexpr int32_t kMinBarUnits = 14;  ///< narrower bars make the texts give way
constexpr int32_t kMinBarWidth = 8;   ///< pixels, whatever gives way
constexpr int32_t kLeastAvailableUnits = 40;

std::string Percent(int32_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%d%%", value);
    return text;
}

void FillTexts(SupplyEntry& entry, int32_t index, int32_t fireState, int32_t litres, int32_t temperature)
{
    if (entry.value < 0) return;
    entry.shortText = entry.longText = Percent(entry.value);
    if (index == kSupplyBoiler && temperature >= 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%d°C", temperature);
        entry.shortText = text;
        entry.longText = entry.shortText + " " + Percent(entry.value);
    }
    char text[32];
    if (entry.seconds >= 0) {
        entry.extraText = TimeLeftText(entry.seconds);
    } else if (index == kSupplyFuel && litres >= 1) {
        std::snprintf(text, sizeof text, "%d dm3", litres);
        entry.extraText = text;
    } else if (index == kSupplyBoiler) {
        entry.extraText = fireState == kFireReady ? "pod parą" : "zimny";
    }
}

}  // namespace

SupplyRecord BuildSupplyRecord(Game& game, int32_t point, int32_t slot)
{
    SupplyRecord record;
    auto& e = record.entries;
    e[kSupplyWater] = {SteamWaterPercent(game, point, slot), WaterSecondsToFull(game, point, slot), "woda", "", "", ""};
    e[kSupplyCoal] = {SteamCoalPercent(game, point, slot), CoalSecondsToFull(game, point, slot), "węgiel", "", "", ""};
    e[kSupplyFuel] = {FuelPercent(game, point, slot), FuelSecondsToFull(game, point, slot), "paliwo", "", "", ""};
    e[kSupplyBoiler] = {SteamHeatPercent(game, point, slot), SteamFireSecondsLeft(game, point, slot), "kocioł", "",
                        "", ""};
    record.fireState = SteamFireState(game, point, slot);
    const int32_t litres = FuelLitres(game, point, slot);
    const int32_t temperature = BoilerTemperature(game, point, slot);
    for (int32_t i = 0; i < kSupplyCount; ++i) FillTexts(e[static_cast<size_t>(i)], i, record.fireState, litres, temperature);
    return record;
}

bool HasSupplyBars(const SupplyRecord& record)
{
    return std::any_of(record.entries.begin(), record.entries.end(), [](const SupplyEntry& e) { return e.value >= 0; });
}

int32_t LevelState(int32_t value, int32_t refill)
{
    if (value < 0) return 0;
    if (refill >= 0) return 1;
    if (value < 10) return 3;
    if (value < 20) return 2;
    return 0;
}

int32_t SupplyLevel(const SupplyRecord& record, int32_t index)
{
    if (index == kSupplyBoiler) return record.fireState != kFireReady ? 3 : 0;
    const SupplyEntry& entry = record.entries[static_cast<size_t>(index)];
    return LevelState(entry.value, entry.seconds);
}

int32_t WorstSupplyLevel(const SupplyRecord& record)
{
    if (record.fireState != kFireReady) return 3;
    int32_t worst = 0;
    for (int32_t i : {kSupplyWater, kSupplyCoal, kSupplyFuel}) worst = std::max(worst, SupplyLevel(record, i));
    return worst;
}

std::vector<int32_t> SupplyBarOrder(const SupplyRecord& record)
{
    static const int32_t kReady[] = {kSupplyWater, kSupplyCoal, kSupplyFuel, kSupplyBoiler};
    static const int32_t kCold[] = {kSupplyBoiler, kSupplyWater, kSupplyCoal, kSupplyFuel};
    std::vector<int32_t> order;
    for (int32_t i : record.fireState != kFireReady ? kCold : kReady)
        if (record.entries[static_cast<size_t>(i)].value >= 0) order.push_back(i);
    return order;
}

SupplyBarLayout LayoutSupplyBars(const SupplyTextWidths& widths, int32_t vehicleWidth, double s)
{
    SupplyBarLayout layout;
    layout.barHeight = std::max(ScaleUnits(6, s), 4);
    layout.gap = ScaleUnits(3, s) + 1;
    layout.rowStep = layout.barHeight + layout.gap + 2;
    const int32_t available = std::max(ScaleUnits(vehicleWidth, s), ScaleUnits(kLeastAvailableUnits, s));
    const int32_t least = ScaleUnits(kMinBarUnits, s);
    int32_t bar = available - widths.name - widths.longText - widths.extra - 2 * layout.gap;
    if (bar < least && widths.shortText < widths.longText) {
        layout.shortTexts = true;
        bar += widths.longText - widths.shortText;
    }
    if (bar < least) {
        layout.extras = false;
        bar += widths.extra;
    }
    if (bar < least) {
        layout.values = false;
        bar = available - widths.name - layout.gap;
    }
    if (bar < least) {
        layout.names = false;
        bar = available;
    }
    layout.barWidth = std::max(bar, kMinBarWidth);
    return layout;
}

std::string TimeLeftText(int32_t seconds)
{
    char text[48];
    if (seconds < 3600)
        std::snprintf(text, sizeof text, "jeszcze %d min", (seconds + 59) / 60);
    else
        std::snprintf(text, sizeof text, "jeszcze %d h %d min", seconds / 3600, (seconds % 3600 + 59) / 60);
    return text;
}

std::string SupplyBarText(const SupplyEntry& entry, const SupplyBarLayout& layout)
{
    if (!layout.values) return std::string();
    std::string text = layout.shortTexts ? entry.shortText : entry.longText;
    if (layout.extras && !entry.extraText.empty()) text += " " + entry.extraText;
    return text;
}
