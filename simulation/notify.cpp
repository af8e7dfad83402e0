// The window's hooks and their stand-ins.
#include "simulation/notify.h"

const NotifyHooks kNoNotifyHooks = {
    [] { return false; },  // gameRunning
    [](const char*) {},    // setStatusText
    [](const char*) {},    // addLogEvent
    [] {},                 // repaint
    [] {},                 // updateStatusBar
    [] {},                 // stopTimer
    [] {},                 // restartTimer
    [] {},                 // askSectionPermission
    [](Sound) {},          // playSound
    [] {},                 // autosaveTick
};

namespace {

NotifyHooks gNotify = kNoNotifyHooks;

}  // namespace

NotifyHooks SetNotifyHooks(NotifyHooks hooks)
{
    const NotifyHooks& no = kNoNotifyHooks;
    KeepStandIn(hooks.gameRunning, no.gameRunning);
    KeepStandIn(hooks.setStatusText, no.setStatusText);
    KeepStandIn(hooks.addLogEvent, no.addLogEvent);
    KeepStandIn(hooks.repaint, no.repaint);
    KeepStandIn(hooks.updateStatusBar, no.updateStatusBar);
    KeepStandIn(hooks.stopTimer, no.stopTimer);
    KeepStandIn(hooks.restartTimer, no.restartTimer);
    KeepStandIn(hooks.askSectionPermission, no.askSectionPermission);
    KeepStandIn(hooks.playSound, no.playSound);
    KeepStandIn(hooks.autosaveTick, no.autosaveTick);
    const NotifyHooks old = gNotify;
    gNotify = hooks;
    return old;
}

bool NotifyGameRunning() { return gNotify.gameRunning(); }

void NotifyStatusText(const char* text) { gNotify.setStatusText(text); }

void NotifyLogEvent(const char* text) { gNotify.addLogEvent(text); }

void NotifyRepaint() { gNotify.repaint(); }

void NotifyStatusBar() { gNotify.updateStatusBar(); }

void NotifyStopTimer() { gNotify.stopTimer(); }

void NotifyRestartTimer() { gNotify.restartTimer(); }

void NotifyAskSectionPermission() { gNotify.askSectionPermission(); }

void NotifyPlaySound(Sound sound) { gNotify.playSound(sound); }

void NotifyAutosaveTick() { gNotify.autosaveTick(); }
