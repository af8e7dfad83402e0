// The texts and part edges of the main window's status bar.
#pragma once

#include <string>
#include <vector>

// Part 0 the score, part 1 the message line, part 2 the clock.
constexpr int kStatusScore = 0;
constexpr int kStatusMessage = 1;
constexpr int kStatusClock = 2;

// Right edges of the three parts for a client width and the width the clock
// part's longest text needs: the clock part is at least 170 wide and wide
// enough for it, up to the whole bar; the message line gives way down to
// nothing, then the score. The last edge is -1: to the window's end.
struct StatusBarEdges {
    int edges[3];  ///< right edge of each part
};
StatusBarEdges StatusBarPartEdges(int clientWidth, int clockWidth);

// The clock part: empty without a game, else the game time with the pause or
// its automatic reason.
std::string ClockStatusText();
// Every kind of text the clock part shows while a game runs, the pause and
// each of its reasons: the part is made as wide as the widest.
std::vector<std::string> ClockStatusTextKinds();
// The score part while a game runs: "Gra testowa" or the penalty points.
std::string ScoreStatusText();
