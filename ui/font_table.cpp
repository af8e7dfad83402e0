// The program's fonts: faces, sizes and styles.
#include "ui/font_table.h"

#include "ui/settings.h"

namespace {

constexpr char kSansSerif[] = "MS Sans Serif";
constexpr char kMicrosoftSansSerif[] = "Microsoft Sans Serif";

// Which of the three scales a font's height follows.
enum class Sizing { kFixed, kUi, kStation };

struct FontRow {
    const char* face;  // typeface
    int32_t height;    // height at scale 1
    Sizing sizing;     // the scale applied to height
    int32_t weight;    // regular or bold
    bool italic;       // slanted
    bool underline;    // underlined
};

constexpr int32_t kRegular = kFontWeightRegular;
constexpr int32_t kBold = kFontWeightBold;

// In FontId order.
constexpr FontRow kFonts[kFontCount] = {
    {kSansSerif, 12, Sizing::kFixed, kRegular, false, false},
    {kSansSerif, 12, Sizing::kFixed, kBold, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kFixed, kRegular, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kFixed, kRegular, true, false},
    {kMicrosoftSansSerif, 13, Sizing::kFixed, kBold, false, false},
    {kMicrosoftSansSerif, 11, Sizing::kFixed, kRegular, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kUi, kRegular, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kUi, kRegular, true, false},
    {kMicrosoftSansSerif, 12, Sizing::kUi, kRegular, false, true},
    {kMicrosoftSansSerif, 12, Sizing::kUi, kBold, false, false},
    {kMicrosoftSansSerif, 10, Sizing::kUi, kRegular, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kStation, kRegular, false, false},
    {kMicrosoftSansSerif, 12, Sizing::kStation, kRegular, true, false},
    {kMicrosoftSansSerif, 12, Sizing::kStation, kBold, false, false},
    {kMicrosoftSansSerif, 9, Sizing::kStation, kRegular, false, false},
};

}  // namespace

FontSpec FontSpecFor(FontId id, double uiScale, double stationScale)
{
    const int32_t index = static_cast<int32_t>(id);
    const FontRow& row = kFonts[index >= 0 && index < kFontCount ? index : 0];
    FontSpec wanted;
    wanted.face = row.face;
    wanted.weight = row.weight;
    wanted.italic = row.italic;
    wanted.underline = row.underline;
    switch (row.sizing) {
    case Sizing::kFixed: wanted.height = row.height; break;
    case Sizing::kUi: wanted.height = ScaledFontHeight(row.height, uiScale); break;
    case Sizing::kStation: wanted.height = ScaledFontHeight(row.height, stationScale); break;
    }
    return wanted;
}

int32_t ScaledFontHeight(int32_t baseHeight, double scale)
{
    const double x = baseHeight * scale + 0.5;
    // Also false for a scale that is not a number.
    if (!(x >= 1)) return 1;
    if (x >= kMaxFontHeight) return kMaxFontHeight;
    return static_cast<int32_t>(x);
}

double StationFontScale(double uiScale)
{
    return uiScale * gSettings.powiekszeniePodgladu;
}
