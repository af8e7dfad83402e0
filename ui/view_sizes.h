// The view size dialog's window-free half: its four sliders over the [Widok]
// fractions and the copy of the view settings that Cancel puts back.
#pragma once

#include <string>

#include "ui/settings.h"

// One slider of the dialog: a trackbar in percent and the label beside it.
struct ViewSizeSlider {
    int trackbarId;          ///< trackbar control
    int labelId;             ///< its "%d%%" label
    int low;                 ///< range in percent
    int high;                ///< range in percent
    double Settings::*value; ///< the fraction it edits
};
constexpr int kViewSizeSliderCount = 4;
extern const ViewSizeSlider kViewSizeSliders[kViewSizeSliderCount];  // boards, train pane, schematic, pictures

constexpr int kViewSizeDialog = 490;        ///< dialog resource
constexpr int kWholeConsistsCheckBox = 497; ///< Cale_sklady
constexpr int kTrackLabelsCheckBox = 498;   ///< Opisy_torow

int SliderPosition(double fraction);      // percent, rounded
std::string PercentLabel(int position);   // "14%"

// The settings the dialog may change, as they were when it opened.
struct ViewSizeSnapshot {
    double szerokoscTablic;       ///< board fraction
    double wysokoscPodgladu;      ///< train pane fraction
    double rozmiarSchematu;       ///< schematic zoom
    double powiekszeniePodgladu;  ///< picture zoom
    bool caleSklady;              ///< whole consists
    bool opisyTorow;              ///< track labels
};
ViewSizeSnapshot TakeViewSizes(const Settings& settings);
void RestoreViewSizes(const ViewSizeSnapshot& snapshot, Settings& settings);
