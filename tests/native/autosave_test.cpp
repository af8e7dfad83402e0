// The autosave's interval and its status texts.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/fresh_ui_state.h"
#include "ui/autosave.h"
#include "ui/pacing.h"

namespace {

uint64_t gNow = 0;

class Autosave : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gAutosaveBase = 0;
        gNow = 1000;
        oldTicks_ = SetTickSource([] { return gNow; });
        gUi.gameRunning = true;
        gSettings.autozapisMinut = 1;
    }
    void TearDown() override { SetTickSource(oldTicks_); }

    TickSource oldTicks_ = nullptr;
};

TEST_F(Autosave, DueOncePerIntervalFromTheLastReset)
{
    EXPECT_FALSE(AutosaveDue());  // the first call only sets the base
    EXPECT_EQ(gAutosaveBase, 1000u);
    gNow += 59999;
    EXPECT_FALSE(AutosaveDue());
    gNow += 1;
    EXPECT_TRUE(AutosaveDue());
    EXPECT_EQ(gAutosaveBase, gNow);
    EXPECT_FALSE(AutosaveDue());  // the next interval runs from here

    gNow += 30000;
    ResetAutosaveBase();  // a game started or loaded
    gNow += 59999;
    EXPECT_FALSE(AutosaveDue());
    gNow += 1;
    EXPECT_TRUE(AutosaveDue());
}

TEST_F(Autosave, OffWithoutAGameOrAnInterval)
{
    gSettings.autozapisMinut = 0;
    ResetAutosaveBase();
    gNow += 3600000;
    EXPECT_FALSE(AutosaveDue());
    // Turned on in the options: counted from the last reset, not the change.
    gSettings.autozapisMinut = 5;
    EXPECT_TRUE(AutosaveDue());

    gUi.gameRunning = false;
    gNow += 3600000;
    EXPECT_FALSE(AutosaveDue());
}

TEST(AutosaveTexts, SavedWithTheGameClockOrFailed)
{
    EXPECT_EQ(AutosaveStatusText(true, 507), "Autozapis: stan gry z godziny 05:07 zapisany.");
    EXPECT_EQ(AutosaveStatusText(false, 507), "Autozapis się nie udał - sprawdź prawa do katalogu gry.");
}

}  // namespace
