// The fonts every pane and dialog draws with: face, size and style of each, in
// fixed sizes and in sizes that follow the user-interface scale.
#pragma once

#include <cstdint>

// The program's fonts. The first six keep their size; the board fonts follow
// the user-interface scale and the preview fonts the station font scale.
enum class FontId : int32_t {
    kLabelFont,           ///< track labels, event box, entries table, line-section queue
    kLabelBoldFont,       ///< label columns, line-section queue
    kTableFont,           ///< entries table, track list, timetable window
    kTableItalicFont,     ///< timetable window
    kTableBoldFont,       ///< track list
    kDialogSmallFont,     ///< line-section permission dialog
    kBoardFont,           ///< boards, track labels, siding and depot windows
    kBoardItalicFont,     ///< boards, siding window
    kBoardUnderlineFont,  ///< boards
    kBoardBoldFont,       ///< board headers, siding window
    kBoardSmallFont,      ///< board texts
    kPreviewFont,         ///< train pane, track labels
    kPreviewItalicFont,   ///< train pane
    kPreviewBoldFont,     ///< train pane, label columns
    kPreviewSmallFont,    ///< train pane, event box
};
constexpr int32_t kFontCount = 15;
constexpr int32_t kFixedFontCount = 6;  ///< FontId below kBoardFont never change size

constexpr int32_t kFontWeightRegular = 400;
constexpr int32_t kFontWeightBold = 700;

// How one font is made. Every font uses the East-European character set.
struct FontSpec {
    const char* face = "";   ///< typeface name
    int32_t height = 0;      ///< character height in pixels (given to the font negated)
    int32_t weight = kFontWeightRegular;  ///< kFontWeightRegular or kFontWeightBold
    bool italic = false;     ///< slanted
    bool underline = false;  ///< underlined
};

// The font `id` at user-interface scale uiScale and station font scale
// stationScale (StationFontScale).
FontSpec FontSpecFor(FontId id, double uiScale, double stationScale);

// A base height at a scale: the nearest whole pixel (x + 0.5 truncated), at
// least 1 and at most kMaxFontHeight, also for a scale that is not a number.
int32_t ScaledFontHeight(int32_t baseHeight, double scale);
constexpr int32_t kMaxFontHeight = 200;

// The scale of the train pane's pictures and fonts: the user-interface scale
// times the [Widok] Powiekszenie_podgladu zoom.
double StationFontScale(double uiScale);
