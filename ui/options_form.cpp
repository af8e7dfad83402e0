// The options dialog's pages and its values, read from and written to the settings.
#include "ui/options_form.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>

#include "model/game.h"
#include "simulation/disruptions.h"
#include "simulation/notify.h"
#include "sources/delay_data.h"
#include "ui/pacing.h"

const char* const kOptionsTabNames[kOptionsPageCount] = {"Zegar",  "Opóźnienia", "Opcje",
                                                         "Kolory", "Dźwięki",    "Inne"};

namespace {

const int kClockIds[] = {300, 210, 211};
const int kDelayIds[] = {301, 220, 302, 221, 303, 222, 304, 223, 305, 224, 306, 225, 307,
                         226, 308, 227, 309, 228, 310, 229, 311, 230, 312, 231, 313, 232};
const int kSettingIds[] = {240, 241, 242, 246, 243, 244, 245};
const int kColourIds[] = {314, 250, 251, 315, 252, 253, 316, 254, 255, 317, 256, 257, 258};
const int kSoundIds[] = {260, 261, 262, 263, 264, 265, 266, 267, 268, 269, 270,
                         271, 272, 273, 274, 275, 276, 277, 278, 279, 280};
const int kOtherIds[] = {560, 561, 562, 563, 564, 565, 566, 567, 568, 569, 570, 571, 572};

template <size_t N>
constexpr OptionsPage Page(const int (&ids)[N])
{
    return {ids, N};
}

constexpr int kMinIntervalMs = 10;
constexpr int kSlowIntervalMs = 200;  // where unticking real time leaves the clock
constexpr int kSecondsPerHour = 3600;

// The supply durations of page 5 and their clamps in hours.
constexpr int kMaxIdleHours = 99;    // extinguishing and firing up
constexpr int kMinStockHours = 1;    // water, coal and fuel
constexpr int kMaxStockHours = 999;

int Clamp(int64_t value, int low, int high)
{
    return static_cast<int>(value < low ? low : value > high ? high : value);
}

// A stock duration: only a number the player changed replaces the exact seconds.
int StockSeconds(int typed, int shown, int seconds)
{
    return typed == shown ? seconds : ClampHoursToSeconds(typed, kMinStockHours, kMaxStockHours);
}

}  // namespace

const OptionsPage kOptionsPages[kOptionsPageCount] = {Page(kClockIds),  Page(kDelayIds), Page(kSettingIds),
                                                      Page(kColourIds), Page(kSoundIds), Page(kOtherIds)};

const OptionsColour kOptionsColours[kOptionsColourCount] = {
    {250, 251, &Settings::schematStacji},
    {252, 253, &Settings::przyjazdy},
    {254, 255, &Settings::odjazdy},
    {256, 257, &Settings::podgladSkladow},
};

const OptionsSound kOptionsSounds[kOptionsSoundCount] = {
    {261, 262, 263, 264, Sound::kNewTrain}, {265, 266, 267, 268, Sound::kError},
    {269, 270, 271, 272, Sound::kSection},  {273, 274, 275, 276, Sound::kDeparture},
    {277, 278, 279, 280, Sound::kDelay},
};

int SpeedRange() { return ClockStepMillisMin5s() - kMinIntervalMs; }

// The settings file may hold any Interval: worked out wide, then clamped.
int SpeedPosition(int intervalMs) { return Clamp(int64_t{ClockStepMillisMin5s()} - intervalMs, 0, SpeedRange()); }

int RealTimeSwitchPosition(bool ticked) { return SpeedPosition(ticked ? ClockStepMillis() : kSlowIntervalMs); }

int IntervalAt(int position) { return std::max(kMinIntervalMs, ClockStepMillisMin5s() - Clamp(position, 0, SpeedRange())); }

int ReadEditNumber(const std::string& text, bool isSigned)
{
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    bool negative = isSigned && i < text.size() && text[i] == '-';
    if (negative) ++i;
    size_t firstDigit = i;
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{INT_MAX} + 1);
    if (i == firstDigit) return 0;
    skipBlanks();
    if (i != text.size()) return 0;
    return Clamp(negative ? -value : value, INT_MIN, INT_MAX);
}

int ClampHoursToSeconds(int value, int low, int high) { return Clamp(value, low, high) * kSecondsPerHour; }

int WholeHours(int seconds) { return seconds / kSecondsPerHour; }

int NearestHours(int seconds) { return static_cast<int>((int64_t{seconds} + kSecondsPerHour / 2) / kSecondsPerHour); }

OptionsForm ReadOptionsForm()
{
    const Settings& s = gSettings;
    OptionsForm form;
    form.speedPosition = SpeedPosition(s.interval);
    form.realTime = s.czasRzeczywisty;
    form.lookAhead = TheGame().LookAhead();
    for (int cls = 0; cls < kChanceClassCount; ++cls)
        for (int sign = 0; sign < 2; ++sign) form.chances[cls][sign] = BaseDelayChance(TheGame(), cls, sign);
    form.pauseRoute = s.pauzaZaznaczanie;
    form.pausePreview = s.pauzaPodglad;
    form.pauseInactive = s.pauzaNieaktywne;
    form.fixedPreview = s.stalyRozmiar;
    form.firstTrains = Clamp(s.rozkladPierwszych, 0, kMaxFirstTrains);
    for (int i = 0; i < kOptionsColourCount; ++i) form.colours[i] = s.*kOptionsColours[i].colour;
    form.background = s.tlo;
    form.muted = !s.dzwiek;
    for (int i = 0; i < kOptionsSoundCount; ++i) {
        form.soundOn[i] = SoundFlag(kOptionsSounds[i].sound);
        form.soundFile[i] = SoundFile(kOptionsSounds[i].sound);
    }
    form.supplies = s.zapasyWlaczone;
    form.extinguishHours = WholeHours(s.wygaszanieSekund);
    form.fireUpHours = WholeHours(s.rozpalanieSekund);
    form.waterHours = NearestHours(s.wodaSekund);
    form.coalHours = NearestHours(s.wegielSekund);
    form.fuelHours = NearestHours(s.paliwoSekund);
    return form;
}

bool ApplyOptionsForm(const OptionsForm& form, const OptionsForm& shown)
{
    Settings& s = gSettings;
    s.interval = IntervalAt(form.speedPosition);
    s.czasRzeczywisty = s.interval >= ClockStepMillis();
    if (gClockDriver.timerId != 0) NotifyRestartTimer();
    Game& game = TheGame();
    UpdateRandomDelaysSwitch(game, ClockRealTimeOrSlower());

    game.LookAhead(Clamp(form.lookAhead, 0, kMaxLookAhead));
    for (int cls = 0; cls < kChanceClassCount; ++cls)
        for (int sign = 0; sign < 2; ++sign)
            BaseDelayChance(game, cls, sign, Clamp(form.chances[cls][sign], 0, kMaxChance));

    s.pauzaZaznaczanie = form.pauseRoute;
    s.pauzaPodglad = form.pausePreview;
    s.pauzaNieaktywne = form.pauseInactive;
    s.stalyRozmiar = form.fixedPreview;
    s.rozkladPierwszych = Clamp(form.firstTrains, 0, kMaxFirstTrains);

    s.zapasyWlaczone = form.supplies;
    s.wygaszanieSekund = ClampHoursToSeconds(form.extinguishHours, 0, kMaxIdleHours);
    s.rozpalanieSekund = ClampHoursToSeconds(form.fireUpHours, 0, kMaxIdleHours);
    s.wodaSekund = StockSeconds(form.waterHours, shown.waterHours, s.wodaSekund);
    s.wegielSekund = StockSeconds(form.coalHours, shown.coalHours, s.wegielSekund);
    s.paliwoSekund = StockSeconds(form.fuelHours, shown.fuelHours, s.paliwoSekund);

    bool stationColourChanged = s.schematStacji != form.colours[0];
    for (int i = 0; i < kOptionsColourCount; ++i) s.*kOptionsColours[i].colour = form.colours[i];
    s.tlo = form.background;

    s.dzwiek = !form.muted;
    for (int i = 0; i < kOptionsSoundCount; ++i) {
        SoundFlag(kOptionsSounds[i].sound) = form.soundOn[i];
        SoundFile(kOptionsSounds[i].sound) = form.soundFile[i].substr(0, kMaxSoundPath);
    }
    return stationColourChanged;
}
