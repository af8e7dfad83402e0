// Timetable texts of the boards and the train pane.
#include "ui/timetable_texts.h"

#include <cstdio>

std::string PlatformNumeral(int32_t platform)
{
    return platform >= 1 && platform <= 9 ? RomanNumeral(platform).Text() : std::string();
}

std::string LineNumberText(const Game& game, TileCode tile, int32_t number)
{
    if (tile <= 0 || game.FindPointByTile(tile) < 0) return std::string();
    return std::to_string(number);
}

std::string ScheduledTimeText(Game& game, int32_t index, int32_t mode, int32_t side)
{
    if (game.timetable.ScheduledTime(index, mode, side) == 0) return std::string();
    return game.ScheduledTimeText(index, mode, side).Text();
}

std::string SignedDelayText(int32_t minutes)
{
    if (minutes == 0) return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%+d", minutes);
    return text;
}
