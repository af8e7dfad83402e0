// The program's fonts as Windows fonts.
#include "ui/win32/fonts.h"

#include "ui/win32/gdi_scoped.h"

namespace {

ScopedFont gFonts[kFontCount];
int32_t gGeneration = 0;  ///< makings and deletions so far

HFONT MakeFont(const FontSpec& wanted)
{
    return CreateFontA(-wanted.height, 0, 0, 0, wanted.weight, wanted.italic, wanted.underline, FALSE, EASTEUROPE_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       wanted.face);
}

// Fonts first .. end - 1 made anew at the scale.
void MakeFonts(int first, int end, double uiScale)
{
    for (int i = first; i < end; ++i)
        gFonts[i].Reset(MakeFont(FontSpecFor(static_cast<FontId>(i), uiScale, StationFontScale(uiScale))));
    ++gGeneration;
}

}  // namespace

HFONT UiFont(FontId id)
{
    const int index = static_cast<int>(id);
    return index >= 0 && index < kFontCount ? gFonts[index].Get() : nullptr;
}

HFONT UiFontOrDefault(FontId id)
{
    HFONT font = UiFont(id);
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void CreateFonts(double uiScale)
{
    MakeFonts(0, kFixedFontCount, uiScale);
    CreateScaledFonts(uiScale);
}

void CreateScaledFonts(double uiScale)
{
    MakeFonts(kFixedFontCount, kFontCount, uiScale);
}

void DeleteFonts()
{
    for (ScopedFont& font : gFonts) font.Reset();
    ++gGeneration;
}

int32_t FontsGeneration() { return gGeneration; }
