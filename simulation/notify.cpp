// The simulation's hooks into the window, and their stand-ins.
#include "simulation/notify.h"

const NotifyHooks kNoNotifyHooks = {
    [] { return false; },  // gameRunning
    [](const char*) {},    // setStatusText
    [](const char*) {},    // addLogEvent
    [] {},                 // repaint
};

namespace {
NotifyHooks gNotify = kNoNotifyHooks;
}  // namespace

NotifyHooks SetNotifyHooks(NotifyHooks hooks)
{
    // A hook left out keeps its stand-in, so no report ever calls through null.
    if (!hooks.gameRunning) hooks.gameRunning = kNoNotifyHooks.gameRunning;
    if (!hooks.setStatusText) hooks.setStatusText = kNoNotifyHooks.setStatusText;
    if (!hooks.addLogEvent) hooks.addLogEvent = kNoNotifyHooks.addLogEvent;
    if (!hooks.repaint) hooks.repaint = kNoNotifyHooks.repaint;
    NotifyHooks old = gNotify;
    gNotify = hooks;
    return old;
}

bool NotifyGameRunning() { return gNotify.gameRunning(); }

void NotifyStatusText(const char* text) { gNotify.setStatusText(text); }

void NotifyLogEvent(const char* text) { gNotify.addLogEvent(text); }

void NotifyRepaint() { gNotify.repaint(); }
