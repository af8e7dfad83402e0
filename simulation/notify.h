// What the simulation asks of the window: whether a game runs, the message
// line, the event log and a repaint. The window plugs in its own calls; until
// then no game runs and every report goes nowhere.
#pragma once

struct NotifyHooks {
    bool (*gameRunning)();                    ///< a game has been started or loaded
    void (*setStatusText)(const char* text);  ///< the status bar's message part, which also logs it
    void (*addLogEvent)(const char* text);    ///< the event log only
    void (*repaint)();                        ///< repaint all panes
};

NotifyHooks SetNotifyHooks(NotifyHooks hooks);  // returns the previous hooks
extern const NotifyHooks kNoNotifyHooks;        // the hooks the simulation starts with

bool NotifyGameRunning();
void NotifyStatusText(const char* text);
void NotifyLogEvent(const char* text);
void NotifyRepaint();
