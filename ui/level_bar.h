// The supply level bar's shape and the severity colours that the bars, the
// track labels, the train pane and the track list share.
#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR, as Windows takes them.
constexpr int32_t RgbColour(int32_t r, int32_t g, int32_t b) { return r | (g << 8) | (b << 16); }

constexpr int32_t kLevelBarBackground = RgbColour(235, 235, 235);  ///< the empty part
constexpr int32_t kLevelBarNormal = RgbColour(60, 120, 60);        ///< the filled part at state 0

// The colour of a severity: 1 blue, 2 orange, 3 red, anything else black.
int32_t StateColour(int32_t severity);

// Where a bar of a supply at `percent` is drawn: the background fills the
// outer rectangle, the filled part lies inside its one-pixel frame.
struct LevelBarShape {
    int32_t left = 0;        ///< outer rectangle, right and bottom exclusive
    int32_t top = 0;         ///< top of the outer rectangle
    int32_t right = 0;       ///< first pixel right of the bar
    int32_t bottom = 0;      ///< first pixel below the bar
    int32_t fillWidth = 0;   ///< filled pixels from left + 1; 0 = nothing filled
    int32_t fillColour = 0;  ///< StateColour of the state, or kLevelBarNormal at state 0
};

// A bar at (x, y) of at least 6 by 3 pixels; the percent counts as 0..100.
LevelBarShape LayoutLevelBar(int32_t x, int32_t y, int32_t width, int32_t height, int32_t percent, int32_t state);
