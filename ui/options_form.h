// The options dialog's window-free half: its pages and control ids, the values
// its controls show from the settings and the timetable, and how the values
// read back are clamped and applied.
#pragma once

#include <cstddef>
#include <string>

#include "ui/settings.h"

constexpr int kOptionsDialog = 200;  ///< dialog resource
constexpr int kOptionsTab = 201;     ///< tab control
constexpr int kOptionsPageCount = 6;
extern const char* const kOptionsTabNames[kOptionsPageCount];  // "Zegar" ... "Inne"

// The controls of one page, in the order they are shown and hidden.
struct OptionsPage {
    const int* ids;  ///< control ids
    size_t count;    ///< how many
};
extern const OptionsPage kOptionsPages[kOptionsPageCount];

// Page 0: the clock.
constexpr int kSpeedTrackbar = 210;
constexpr int kRealTimeCheckBox = 211;
// Page 1: the look-ahead, and the chances: class k early at 221 + 2k, late at 222 + 2k.
constexpr int kLookAheadEdit = 220;
constexpr int kFirstChanceEdit = 221;
constexpr int kChanceClassCount = 6;
// Page 2: pauses and windows.
constexpr int kPauseRouteCheckBox = 240;
constexpr int kPausePreviewCheckBox = 241;
constexpr int kPauseInactiveCheckBox = 242;
constexpr int kAllTrainsRadio = 243;
constexpr int kFirstTrainsRadio = 244;
constexpr int kFirstTrainsEdit = 245;
constexpr int kFixedPreviewCheckBox = 246;
// Page 3: colours.
constexpr int kBackgroundCheckBox = 258;
// Page 4: sounds.
constexpr int kMuteCheckBox = 260;
// Page 5: locomotive supplies; the check box enables the controls after it.
constexpr int kSuppliesCheckBox = 560;
constexpr int kFirstSupplyControl = 561;
constexpr int kLastSupplyControl = 572;
constexpr int kExtinguishEdit = 562;
constexpr int kFireUpEdit = 564;
constexpr int kWaterEdit = 567;
constexpr int kCoalEdit = 569;
constexpr int kFuelEdit = 571;

// One colour of page 3: its swatch, its "Zmien..." button and its setting.
struct OptionsColour {
    int swatchId;              ///< static painted in the colour
    int buttonId;              ///< opens the colour picker
    int Settings::*colour;     ///< the [Kolor] setting, 0x00BBGGRR
};
constexpr int kOptionsColourCount = 4;
extern const OptionsColour kOptionsColours[kOptionsColourCount];  // station, arrivals, departures, preview

// One sound of page 4: its check box, path text and two buttons.
struct OptionsSound {
    int checkBoxId;  ///< its on/off flag
    int pathId;      ///< its file
    int browseId;    ///< "Zmien..."
    int playId;      ///< "Odtworz"
    Sound sound;     ///< the setting pair it edits
};
constexpr int kOptionsSoundCount = 5;
extern const OptionsSound kOptionsSounds[kOptionsSoundCount];

constexpr int kMaxLookAhead = 1440;      // a day of minutes
constexpr int kMaxChance = 100;          // percent
constexpr int kMaxFirstTrains = 9999;    // more than any timetable holds
constexpr size_t kMaxSoundPath = 259;    // bytes kept of a sound's path text

// What the controls hold: shown at opening, read back at OK.
struct OptionsForm {
    int speedPosition = 0;       ///< trackbar, 0 .. SpeedRange(); further right is faster
    bool realTime = false;       ///< check box 211
    int lookAhead = 0;           ///< edit 220, minutes
    int chances[kChanceClassCount][2] = {};  ///< edits 221..232: [class][0 early, 1 late], percent
    bool pauseRoute = false;     ///< 240
    bool pausePreview = false;   ///< 241
    bool pauseInactive = false;  ///< 242
    bool fixedPreview = false;   ///< 246
    int firstTrains = 0;         ///< 0: radio 243 (all), else radio 244 with edit 245
    int colours[kOptionsColourCount] = {};  ///< the working colours, 0x00BBGGRR
    bool background = false;     ///< 258
    bool muted = false;          ///< 260: all sounds off
    bool soundOn[kOptionsSoundCount] = {};       ///< the sounds' check boxes
    std::string soundFile[kOptionsSoundCount];   ///< the sounds' path texts
    bool supplies = false;       ///< 560
    int extinguishHours = 0;     ///< 562
    int fireUpHours = 0;         ///< 564
    int waterHours = 0;          ///< 567
    int coalHours = 0;           ///< 569
    int fuelHours = 0;           ///< 571
};

// The clock trackbar: 0 .. ClockStepMillisMin5s() - 10, position m - Interval.
int SpeedRange();
int SpeedPosition(int intervalMs);       // clamped to the range
int RealTimeSwitchPosition(bool ticked); // real time, or an Interval of 200 ms
int IntervalAt(int position);            // at least 10

// An edit's text as GetDlgItemInt would read it: blanks around an optional
// sign (only when isSigned) and digits, else 0; a number too large for an int
// saturates instead of wrapping.
int ReadEditNumber(const std::string& text, bool isSigned);
int ClampHoursToSeconds(int value, int low, int high);  // clamped value times 3600
int WholeHours(int seconds);    // fractions dropped
int NearestHours(int seconds);  // (seconds + 1800) / 3600, without overflow

// Opening: the settings and the timetable's delay options as the controls show them.
OptionsForm ReadOptionsForm();
// OK: writes the form into the settings and the timetable. shown is the form as
// opened (an unchanged supply duration keeps its exact seconds); the timer is
// restarted through the window's hooks when it runs. Returns true when the station colour
// changed, so the track tiles composed on it must be rebuilt.
bool ApplyOptionsForm(const OptionsForm& form, const OptionsForm& shown);
