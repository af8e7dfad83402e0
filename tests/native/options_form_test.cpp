#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "support/delay_options_recorder.h"
#include "support/fresh_ui_state.h"
#include "model/game.h"
#include "simulation/notify.h"
#include "ui/options_form.h"
#include "ui/pacing.h"
#include "ui/settings.h"

namespace {

int gTimerRestarts;

class OptionsForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        TheGame() = Game();
        SetKnownDelayOptions();
        gTimerRestarts = 0;
        oldHooks_ = SetNotifyHooks({nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, [] { ++gTimerRestarts; }});
    }
    void TearDown() override
    {
        SetNotifyHooks(oldHooks_);
        TheGame() = Game();
    }

    // Opens the form, lets the player change it and presses OK.
    template <typename Edit>
    bool Ok(Edit edit)
    {
        OptionsForm shown = ReadOptionsForm();
        OptionsForm form = shown;
        edit(form);
        return ApplyOptionsForm(form, shown);
    }

    NotifyHooks oldHooks_{};
};

TEST_F(OptionsForms, PagesListEachControlOnce)
{
    std::set<int> seen;
    size_t total = 0;
    for (const OptionsPage& page : kOptionsPages) {
        total += page.count;
        seen.insert(page.ids, page.ids + page.count);
    }
    EXPECT_EQ(seen.size(), total);
    EXPECT_EQ(kOptionsPages[1].count, 26u);
    EXPECT_EQ(kOptionsPages[4].count, 21u);
    for (const OptionsSound& sound : kOptionsSounds) EXPECT_TRUE(seen.count(sound.pathId));
    for (const OptionsColour& colour : kOptionsColours) EXPECT_TRUE(seen.count(colour.swatchId));

}

TEST_F(OptionsForms, SpeedTrackbarWithATenSecondStep)
{
    gClockDriver.nominalStepSeconds = 10;
    EXPECT_EQ(SpeedRange(), 9990);
    EXPECT_EQ(ReadOptionsForm().speedPosition, 10000 - 780);
    EXPECT_EQ(RealTimeSwitchPosition(true), 0);
    EXPECT_EQ(RealTimeSwitchPosition(false), 9800);
    EXPECT_EQ(IntervalAt(9800), 200);
    EXPECT_EQ(IntervalAt(SpeedRange()), 10);  // fully right
    EXPECT_EQ(IntervalAt(100000), 10);
    EXPECT_EQ(IntervalAt(-5), 10000);
    // Whatever the settings file held, the position stays on the trackbar.
    EXPECT_EQ(SpeedPosition(INT_MIN), 9990);
    EXPECT_EQ(SpeedPosition(INT_MAX), 0);
}

TEST_F(OptionsForms, SpeedTrackbarWithAOneSecondStepCountsSlowerAsRealTime)
{
    gClockDriver.nominalStepSeconds = 1;
    EXPECT_EQ(SpeedRange(), 4990);
    EXPECT_EQ(RealTimeSwitchPosition(true), 4000);

    Ok([](OptionsForm& form) { form.speedPosition = 1000; });
    EXPECT_EQ(gSettings.interval, 4000);
    EXPECT_TRUE(gSettings.czasRzeczywisty);
    Ok([](OptionsForm& form) { form.speedPosition = 4001; });
    EXPECT_EQ(gSettings.interval, 999);
    EXPECT_FALSE(gSettings.czasRzeczywisty);
}

TEST_F(OptionsForms, EditNumbersReadAsTheDialogReadsThemAndNeverOverflow)
{
    EXPECT_EQ(ReadEditNumber("17", false), 17);
    EXPECT_EQ(ReadEditNumber("  42 ", false), 42);
    EXPECT_EQ(ReadEditNumber("-3", true), -3);
    EXPECT_EQ(ReadEditNumber("-3", false), 0);
    EXPECT_EQ(ReadEditNumber("", true), 0);
    EXPECT_EQ(ReadEditNumber("abc", false), 0);
    EXPECT_EQ(ReadEditNumber("12x", false), 0);
    EXPECT_EQ(ReadEditNumber("-", true), 0);
    EXPECT_EQ(ReadEditNumber("99999999999999999999", false), INT_MAX);
    EXPECT_EQ(ReadEditNumber("-99999999999999999999", true), INT_MIN);

    EXPECT_EQ(ClampHoursToSeconds(0, 1, 999), 3600);
    EXPECT_EQ(ClampHoursToSeconds(1000, 1, 999), 999 * 3600);
    EXPECT_EQ(ClampHoursToSeconds(INT_MIN, 0, 99), 0);
    EXPECT_EQ(WholeHours(14399), 3);
    EXPECT_EQ(NearestHours(60000), 17);
    EXPECT_EQ(NearestHours(INT_MAX), 596523);
}

TEST_F(OptionsForms, FormShowsTheSettingsAndTheTimetable)
{
    gSettings.pauzaPodglad = true;
    gSettings.rozkladPierwszych = 12;
    gSettings.przyjazdy = 0x123456;
    gSettings.dzwiek = false;
    gSettings.mijanka = false;
    gSettings.wygaszanieSekund = 14399;
    OptionsForm form = ReadOptionsForm();
    EXPECT_EQ(form.lookAhead, 45);
    EXPECT_EQ(form.chances[3][0], 3);
    EXPECT_EQ(form.chances[5][1], 15);
    EXPECT_TRUE(form.pausePreview);
    EXPECT_EQ(form.firstTrains, 12);
    EXPECT_EQ(form.colours[1], 0x123456);
    EXPECT_TRUE(form.muted);
    EXPECT_FALSE(form.soundOn[2]);
    EXPECT_EQ(form.soundFile[0], "Audio\\22.wav");
    EXPECT_EQ(form.soundFile[4], "Audio\\03.wav");
    EXPECT_EQ(form.extinguishHours, 3);
    EXPECT_EQ(form.waterHours, 17);
    EXPECT_EQ(form.fuelHours, 111);

    gSettings.rozkladPierwszych = -7;  // a damaged settings file lists all trains
    EXPECT_EQ(ReadOptionsForm().firstTrains, 0);
}

TEST_F(OptionsForms, UntouchedStocksKeepTheirSecondsAndTypedHoursAreClamped)
{
    Ok([](OptionsForm&) {});
    EXPECT_EQ(gSettings.wodaSekund, 60000);
    EXPECT_EQ(gSettings.wegielSekund, 90000);
    EXPECT_EQ(gSettings.paliwoSekund, 400000);

    Ok([](OptionsForm& form) {
        form.waterHours = 0;
        form.coalHours = 1000;
        form.extinguishHours = -4;
        form.fireUpHours = 500;
        form.supplies = false;
    });
    EXPECT_EQ(gSettings.wodaSekund, 3600);
    EXPECT_EQ(gSettings.wegielSekund, 999 * 3600);
    EXPECT_EQ(gSettings.paliwoSekund, 400000);
    EXPECT_EQ(gSettings.wygaszanieSekund, 0);
    EXPECT_EQ(gSettings.rozpalanieSekund, 99 * 3600);
    EXPECT_FALSE(gSettings.zapasyWlaczone);
}

TEST_F(OptionsForms, DelayOptionsGoToTheTimetableClamped)
{
    TheGame().SetRandomDelays(false);
    Ok([](OptionsForm& form) {
        form.lookAhead = 5;
        form.chances[0][0] = -20;
        form.chances[2][1] = 35;
        form.chances[4][1] = INT_MAX;
    });
    EXPECT_EQ(TheGame().LookAhead(), 15);
    EXPECT_EQ(TheGame().DelayChance(0, 0), 0);
    EXPECT_EQ(TheGame().DelayChance(2, 1), 35);
    EXPECT_EQ(TheGame().DelayChance(4, 1), 100);
    EXPECT_EQ(TheGame().DelayChance(1, 0), 1);
    EXPECT_TRUE(TheGame().RandomDelays()) << "no delays of today: the random ones are switched back on";

    Ok([](OptionsForm& form) { form.lookAhead = INT_MAX; });
    EXPECT_EQ(TheGame().LookAhead(), kMaxLookAhead);
}

TEST_F(OptionsForms, TimerRestartsOnlyWhileItRuns)
{
    Ok([](OptionsForm&) {});
    EXPECT_EQ(gTimerRestarts, 0);
    gClockDriver.timerId = 1;
    Ok([](OptionsForm& form) { form.speedPosition = RealTimeSwitchPosition(true); });
    EXPECT_EQ(gTimerRestarts, 1);
    EXPECT_EQ(gSettings.interval, 10000);
    EXPECT_TRUE(gSettings.czasRzeczywisty);
}

TEST_F(OptionsForms, OnlyTheStationColourRebuildsTheTiles)
{
    EXPECT_FALSE(Ok([](OptionsForm& form) { form.colours[1] = 0x00FF00; }));
    EXPECT_EQ(gSettings.przyjazdy, 0x00FF00);
    EXPECT_EQ(gSettings.schematStacji, 0xFFFFFF);
    EXPECT_TRUE(Ok([](OptionsForm& form) {
        form.colours[0] = 0x202020;
        form.colours[3] = 0x0000FF;
        form.background = true;
    }));
    EXPECT_EQ(gSettings.schematStacji, 0x202020);
    EXPECT_EQ(gSettings.podgladSkladow, 0x0000FF);
    EXPECT_TRUE(gSettings.tlo);
}

TEST_F(OptionsForms, PausesWindowsAndSoundsAreWrittenBack)
{
    Ok([](OptionsForm& form) {
        form.pauseRoute = false;
        form.pausePreview = true;
        form.pauseInactive = false;
        form.fixedPreview = false;
        form.firstTrains = 1000000;
        form.muted = true;
        form.soundOn[1] = false;
        form.soundFile[3] = std::string(400, 'a');
        form.soundFile[4] = "C:\\dzwieki\\opóźnienie.wav";
    });
    EXPECT_FALSE(gSettings.pauzaZaznaczanie);
    EXPECT_TRUE(gSettings.pauzaPodglad);
    EXPECT_FALSE(gSettings.pauzaNieaktywne);
    EXPECT_FALSE(gSettings.stalyRozmiar);
    EXPECT_EQ(gSettings.rozkladPierwszych, kMaxFirstTrains);
    EXPECT_FALSE(gSettings.dzwiek);
    EXPECT_FALSE(gSettings.blad);
    EXPECT_TRUE(gSettings.nowyPociag);
    EXPECT_EQ(gSettings.odjazdPlik.size(), 259u);
    EXPECT_EQ(gSettings.opoznieniePlik, "C:\\dzwieki\\opóźnienie.wav");
    EXPECT_EQ(gSettings.pktKarnePlik, "");  // not on the page, left alone
}

}  // namespace
