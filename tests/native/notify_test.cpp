#include <gtest/gtest.h>

#include "simulation/notify.h"
#include "ui/settings.h"

namespace {

TEST(Notify, HooksLeftOutKeepTheirStandIns)
{
    static int repaints = 0;
    const NotifyHooks old = SetNotifyHooks({nullptr, nullptr, nullptr, [] { ++repaints; }});
    EXPECT_FALSE(NotifyGameRunning());
    NotifyStatusText("tekst");  // goes nowhere, and does not crash
    NotifyLogEvent("tekst");
    NotifyRepaint();
    NotifyStatusBar();
    NotifyStopTimer();
    NotifyRestartTimer();
    NotifyAskSectionPermission();
    NotifyPlaySound(Sound::kDelay);
    NotifyAutosaveTick();
    EXPECT_EQ(repaints, 1);
    SetNotifyHooks(old);
}

}  // namespace
