// The event box: its lines from the hints and the log, their colours, and
// the box's place in the pane.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/event_log.h"
#include "simulation/notify.h"
#include "ui/event_box.h"
#include "ui/settings.h"

namespace {

constexpr int32_t Grey(int g) { return RgbColour(g, g, g); }

std::vector<LogEvent> Events(int count)  // newest first: "e<count>" .. "e1"
{
    std::vector<LogEvent> events;
    for (int i = count; i >= 1; --i) events.push_back({1200 + i, "e" + std::to_string(i)});
    return events;
}

void ExpectLine(const EventBoxLine& line, const std::string& text, int32_t colour)
{
    EXPECT_EQ(line.text, text);
    EXPECT_EQ(line.colour, colour) << text;
}

TEST(EventBox, HintsFirstThenTheNewestEventsOldestFirstFadingWithAge)
{
    const std::vector<EventBoxLine> lines =
        BuildEventBoxLines({"pierwsza", "druga", "trzecia", "czwarta"}, Events(7));
    ASSERT_EQ(lines.size(), 8u);
    ExpectLine(lines[0], "> pierwsza", kEventBoxHintColour);
    ExpectLine(lines[2], "> trzecia", kEventBoxHintColour);
    ExpectLine(lines[3], "12:03  e3", Grey(190));  // 4 x 45 + 60 = 240, held at 190
    ExpectLine(lines[4], "12:04  e4", Grey(190));
    ExpectLine(lines[5], "12:05  e5", Grey(150));
    ExpectLine(lines[6], "12:06  e6", Grey(105));
    ExpectLine(lines[7], "12:07  e7", Grey(60));

    EXPECT_TRUE(BuildEventBoxLines({}, {}).empty());
    const std::vector<EventBoxLine> early = BuildEventBoxLines({}, {{5, "Start"}});
    ASSERT_EQ(early.size(), 1u);
    ExpectLine(early[0], "00:05  Start", Grey(60));
}

TEST(EventBox, TheNewestEventTurnsRedWhenItNeedsThePlayer)
{
    for (const char* text : {"Pociąg 1301 czeka na wjazd", "EU07 uszkodzony", "Odjechał 3 min po czasie"}) {
        const std::vector<EventBoxLine> lines = BuildEventBoxLines({}, {{800, text}, {759, "czeka"}});
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].colour, Grey(105)) << "an older line stays grey";
        EXPECT_EQ(lines[1].colour, kEventBoxAlertColour) << text;
    }
    EXPECT_EQ(BuildEventBoxLines({}, {{800, "Wjechał pociąg 1301 o czasie"}})[0].colour, Grey(60));
}

TEST(EventBox, AnEventLineKeepsAtMost299Characters)
{
    const std::vector<EventBoxLine> lines = BuildEventBoxLines({}, {{1234, std::string(400, 'x')}});
    EXPECT_EQ(lines[0].text, "12:34  " + std::string(299 - 7, 'x'));
}

TEST(EventBox, TheLogIsShownOnlyWithLabelsOnWhileAGameRuns)
{
    gSettings = Settings();
    TheGame() = Game();
    const NotifyHooks old = SetNotifyHooks({[] { return true; }});
    ClearLog();
    for (int i = 1; i <= 8; ++i) AddLogEvent(("e" + std::to_string(i)).c_str());
    const std::vector<EventBoxLine> lines = EventBoxLinesNow(true);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kEventBoxEvents));  // the newest five
    EXPECT_EQ(lines.front().text, "00:00  e4");
    EXPECT_EQ(lines.back().text, "00:00  e8");
    EXPECT_TRUE(EventBoxLinesNow(false).empty());
    gSettings.opisyTorow = false;
    EXPECT_TRUE(EventBoxLinesNow(true).empty());
    gSettings = Settings();
    ClearLog();
    SetNotifyHooks(old);
}

TEST(EventBox, TheBoxSitsInTheCornerAtMostHalfThePaneWide)
{
    ViewRect box = LayoutEventBox(200, 3, 13, 800, 600);
    EXPECT_EQ(box.left, 800 - 212 - 4);
    EXPECT_EQ(box.right, 800 - 4);
    EXPECT_EQ(box.top, 600 - 47 - 4);
    EXPECT_EQ(box.bottom, 600 - 4);
    const ViewRect line = EventBoxLineRect(box, 2, 13);
    EXPECT_EQ(line.left, box.left + 5);
    EXPECT_EQ(line.right, box.right - 3);
    EXPECT_EQ(line.top, box.top + 4 + 26);
    EXPECT_EQ(line.bottom, box.top + 4 + 39);

    box = LayoutEventBox(900, 3, 13, 300, 600);  // longer lines end in an ellipsis
    EXPECT_EQ(box.right - box.left, 150);
    box = LayoutEventBox(900, 40, 13, 100, 200);  // never past the left or top edge
    EXPECT_EQ(box.left, 46);
    EXPECT_EQ(box.top, 0);
}

}  // namespace
