// The program's fonts (FontId, ui/font_table.h) as Windows fonts, in the
// East-European character set. Made at the main window's creation; the scaled
// ones again whenever the user-interface scale changes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/font_table.h"

// The font, or null before CreateFonts and after DeleteFonts.
HFONT UiFont(FontId id);
// The font, or the stock interface font while it does not exist.
HFONT UiFontOrDefault(FontId id);

// The six fixed fonts, then CreateScaledFonts (uiScale).
void CreateFonts(double uiScale);
// Deletes and makes anew the board fonts at uiScale and the preview fonts at
// StationFontScale (uiScale). The layout calls it when the scale changes.
void CreateScaledFonts(double uiScale);
void DeleteFonts();
// Moves on whenever fonts are made or deleted: a font made later may get the
// handle of one deleted before, so a kept picture knows its text's fonts by it.
int32_t FontsGeneration();
