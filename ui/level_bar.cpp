// The supply level bar's shape and the severity colours.
#include "ui/level_bar.h"

#include <algorithm>

namespace {

constexpr int32_t kMinWidth = 6;
constexpr int32_t kMinHeight = 3;

}  // namespace

int32_t StateColour(int32_t severity)
{
    switch (severity) {
    case 1: return RgbColour(0, 0, 200);
    case 2: return RgbColour(200, 110, 0);
    case 3: return RgbColour(255, 0, 0);
    default: return RgbColour(0, 0, 0);
    }
}

LevelBarShape LayoutLevelBar(int32_t x, int32_t y, int32_t width, int32_t height, int32_t percent, int32_t state)
{
    width = std::max(width, kMinWidth);
    height = std::max(height, kMinHeight);
    LevelBarShape bar;
    bar.left = x;
    bar.top = y;
    bar.right = x + width;
    bar.bottom = y + height;
    // 64 bits: a wide bar times 100 stays in range.
    bar.fillWidth = static_cast<int32_t>(static_cast<int64_t>(width - 2) * std::clamp(percent, 0, 100) / 100);
    bar.fillColour = state != 0 ? StateColour(state) : kLevelBarNormal;
    return bar;
}
