// What the layers below the window ask of it: whether a game runs, the
// message line, the event log and a repaint for the simulation; the status
// bar, the clock's timer, the line-section question, the sounds and the
// autosave for the timer's and the commands' logic. The window plugs in its
// own calls at start-up; until then no game runs and every call goes nowhere.
#pragma once

enum class Sound;

// A hook left out of a brace list is null and keeps its stand-in.
struct NotifyHooks {
    bool (*gameRunning)() = nullptr;                    ///< a game has been started or loaded
    void (*setStatusText)(const char* text) = nullptr;  ///< the status bar's message part, which also logs it
    void (*addLogEvent)(const char* text) = nullptr;    ///< the event log only
    void (*repaint)() = nullptr;                        ///< the panes and the open tool panes, without erasing
    void (*updateStatusBar)() = nullptr;                ///< the clock and score parts anew
    void (*stopTimer)() = nullptr;                      ///< kill the clock's timer, timerId = 0
    void (*restartTimer)() = nullptr;                   ///< the clock's timer at the pacing's period
    void (*askSectionPermission)() = nullptr;           ///< the permission question; sets gSectionRequest.answer
    void (*playSound)(Sound sound) = nullptr;           ///< that sound, when the player has it on
    void (*autosaveTick)() = nullptr;                   ///< the autosave, when it is due
};

// Replaces the hooks and returns the ones before; a hook left null keeps its
// stand-in, so no call ever goes through null.
NotifyHooks SetNotifyHooks(NotifyHooks hooks);
extern const NotifyHooks kNoNotifyHooks;  // the hooks the program starts with

// Replacing a set of hooks, member by member: one left null takes its
// stand-in (these hooks' and the panes' input sink's).
template <typename Hook>
void KeepStandIn(Hook& hook, Hook standIn)
{
    if (!hook) hook = standIn;
}

bool NotifyGameRunning();
void NotifyStatusText(const char* text);
void NotifyLogEvent(const char* text);
void NotifyRepaint();
void NotifyStatusBar();
void NotifyStopTimer();
void NotifyRestartTimer();
void NotifyAskSectionPermission();
void NotifyPlaySound(Sound sound);
void NotifyAutosaveTick();
