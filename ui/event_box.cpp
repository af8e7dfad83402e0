// The event box's lines, colours and place.
#include "ui/event_box.h"

#include <algorithm>
#include <cstdio>

#include "model/game.h"
#include "simulation/hints.h"
#include "ui/settings.h"

namespace {

constexpr size_t kEventLineBuffer = 300;  ///< an event line keeps at most 299 characters
constexpr int kGreyStep = 45;             ///< each older line is this much lighter
constexpr int kNewestGrey = 60;
constexpr int kLightestGrey = 190;

bool NeedsThePlayer(const std::string& text)
{
    for (const char* word : {"czeka", "uszkodz", "min po czasie"})
        if (text.find(word) != std::string::npos) return true;
    return false;
}

std::string EventLine(const LogEvent& entry)
{
    char line[kEventLineBuffer];
    std::snprintf(line, sizeof line, "%02d:%02d  %s", entry.time / 100, entry.time % 100, entry.text.c_str());
    return line;
}

}  // namespace

std::vector<EventBoxLine> BuildEventBoxLines(const std::vector<std::string>& hints,
                                             const std::vector<LogEvent>& newestFirst)
{
    std::vector<EventBoxLine> lines;
    const size_t hintCount = std::min(hints.size(), static_cast<size_t>(kEventBoxHints));
    for (size_t i = 0; i < hintCount; ++i) lines.push_back({"> " + hints[i], kEventBoxHintColour});
    const int n = static_cast<int>(std::min(newestFirst.size(), static_cast<size_t>(kEventBoxEvents)));
    for (int d = n - 1; d >= 0; --d) {
        const LogEvent& entry = newestFirst[static_cast<size_t>(d)];
        const int grey = std::min(d * kGreyStep + kNewestGrey, kLightestGrey);
        const bool alert = d == 0 && NeedsThePlayer(entry.text);
        lines.push_back({EventLine(entry), alert ? kEventBoxAlertColour : RgbColour(grey, grey, grey)});
    }
    return lines;
}

std::vector<EventBoxLine> EventBoxLinesNow(bool gameRunning)
{
    if (!gSettings.opisyTorow || !gameRunning) return {};
    std::vector<std::string> hints;
    for (const Hint& hint : BuildHints(TheGame())) hints.push_back(hint.text);
    std::vector<LogEvent> newestFirst;
    for (int32_t i = 0; i < kEventBoxEvents && i < LogCount(); ++i) newestFirst.push_back(GetLogEventNewestFirst(i));
    return BuildEventBoxLines(hints, newestFirst);
}

ViewRect LayoutEventBox(int widest, int lineCount, int lineHeight, int width, int height)
{
    const int boxWidth = std::min(widest + 12, width / 2);
    const int boxHeight = lineCount * lineHeight + 8;
    ViewRect box;
    box.left = std::max(width - boxWidth - 4, 0);
    box.top = std::max(height - boxHeight - 4, 0);
    box.right = box.left + boxWidth;
    box.bottom = box.top + boxHeight;
    return box;
}

ViewRect EventBoxLineRect(const ViewRect& box, int i, int lineHeight)
{
    return {box.left + 5, box.top + 4 + i * lineHeight, box.right - 3, box.top + 4 + (i + 1) * lineHeight};
}
