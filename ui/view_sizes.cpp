// The view size dialog's sliders and its Cancel copy.
#include "ui/view_sizes.h"

#include <cstdio>

const ViewSizeSlider kViewSizeSliders[kViewSizeSliderCount] = {
    {494, 493, 6, 30, &Settings::szerokoscTablic},
    {492, 491, 8, 40, &Settings::wysokoscPodgladu},
    {496, 495, 20, 300, &Settings::rozmiarSchematu},
    {503, 502, 50, 300, &Settings::powiekszeniePodgladu},
};

int SliderPosition(double fraction) { return static_cast<int>(fraction * 100 + 0.5); }

std::string PercentLabel(int position)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", position);
    return text;
}

ViewSizeSnapshot TakeViewSizes(const Settings& settings)
{
    return {settings.szerokoscTablic, settings.wysokoscPodgladu, settings.rozmiarSchematu,
            settings.powiekszeniePodgladu, settings.caleSklady, settings.opisyTorow};
}

void RestoreViewSizes(const ViewSizeSnapshot& snapshot, Settings& settings)
{
    settings.szerokoscTablic = snapshot.szerokoscTablic;
    settings.wysokoscPodgladu = snapshot.wysokoscPodgladu;
    settings.rozmiarSchematu = snapshot.rozmiarSchematu;
    settings.powiekszeniePodgladu = snapshot.powiekszeniePodgladu;
    settings.caleSklady = snapshot.caleSklady;
    settings.opisyTorow = snapshot.opisyTorow;
}
