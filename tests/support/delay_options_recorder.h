// The timetable's delay options kept by the test, as the real timetable keeps
// them (a look-ahead below 16 stores 15), plugged into the game hooks.
#pragma once

#include "ui/game_hooks.h"

inline int gRecordedLookAhead;           // minutes
inline int gRecordedChances[6][2];       // [class][0 early, 1 late]

inline int RecordLookAhead(int value)
{
    if (value != -100) gRecordedLookAhead = value < 16 ? 15 : value;
    return gRecordedLookAhead;
}

inline int RecordDelayChance(int cls, int sign, int value)
{
    if (value != -100) gRecordedChances[cls][sign] = value;
    return gRecordedChances[cls][sign];
}

// Look-ahead 45; class k early k, late 10 + k.
inline void PlugInDelayOptionsRecorder()
{
    gRecordedLookAhead = 45;
    for (int cls = 0; cls < 6; ++cls) {
        gRecordedChances[cls][0] = cls;
        gRecordedChances[cls][1] = 10 + cls;
    }
    gGameHooks.lookAhead = RecordLookAhead;
    gGameHooks.delayChance = RecordDelayChance;
}
