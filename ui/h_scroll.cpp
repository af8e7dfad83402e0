// Horizontal scrolling arithmetic.
#include "ui/h_scroll.h"

#include <algorithm>

namespace {

constexpr double kLineUnits = 40.0;
constexpr double kWheelUnits = 60.0;
constexpr int kWheelNotch = 120;

}  // namespace

HScrollBarState HScrollRange(int contentWidth, int clientWidth, int pos)
{
    HScrollBarState bar;
    bar.max = std::max(contentWidth - 1, 0);
    bar.page = std::max(clientWidth, 1);
    bar.pos = std::min(std::max(pos, 0), std::max(contentWidth - clientWidth, 0));
    return bar;
}

int ClampHScrollPos(int pos, int barMax, int barPage)
{
    return std::min(std::max(pos, 0), std::max(barMax - barPage + 1, 0));
}

int HScrollActionTarget(int action, int pos, int barMax, int barPage, int trackPos, double uiScale)
{
    int line = static_cast<int>(kLineUnits * uiScale);
    switch (action) {
    case kScrollLineLeft: return pos - line;
    case kScrollLineRight: return pos + line;
    case kScrollPageLeft: return pos - barPage;
    case kScrollPageRight: return pos + barPage;
    case kScrollThumbPosition:
    case kScrollThumbTrack: return trackPos;
    case kScrollLeft: return 0;
    case kScrollRight: return barMax;
    default: return pos;
    }
}

int WheelScrollTarget(int pos, int wheelDelta, double uiScale)
{
    return pos - wheelDelta * static_cast<int>(kWheelUnits * uiScale) / kWheelNotch;
}

int ToolPaneScrollTarget(int action, int pos, int line, int trackPos)
{
    constexpr int kPage = 200;
    int target = pos;
    switch (action) {
    case kScrollLineLeft: target = pos - line; break;
    case kScrollLineRight: target = pos + line; break;
    case kScrollPageLeft: target = pos - kPage; break;
    case kScrollPageRight: target = pos + kPage; break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: target = trackPos; break;
    default: break;
    }
    return std::max(0, target);
}
