// Test support: a pane input sink and the window's message line and error
// sound, recording what the clicks report (messages, sounds, repaints, the
// windows they open) and answering the siding chooser as the test sets it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/settings.h"
#include "model/tile_code.h"
#include "simulation/notify.h"
#include "ui/pane_input.h"

struct PaneInputRecord {
    std::vector<std::string> messages;  ///< non-empty texts shown, in order
    int clears = 0;                     ///< empty texts shown (the message line cleared)
    int sounds = 0;                     ///< error sounds
    int stationRepaints = 0;            ///< station pane repaints asked
    int trainRepaints = 0;              ///< train pane repaints asked
    int depotOpened = 0;                ///< depot windows opened
    int timetableMode = 0;              ///< mode of the last timetable window opened
    std::vector<int32_t> sidingViewed;  ///< point, first row, last row, tile of the last siding view
    std::vector<int32_t> sidingAsked;   ///< the same for the last chooser
    bool chooserAnswers = false;        ///< the chooser picks chooserRow
    int32_t chooserRow = -1;            ///< the row it picks

    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }
};

inline PaneInputRecord& TheRecord()
{
    static PaneInputRecord record;
    return record;
}

// The hooks given, with the message line and the error sound recorded.
inline NotifyHooks Recording(NotifyHooks hooks)
{
    hooks.setStatusText = [](const char* text) {
        if (text[0] == '\0')
            ++TheRecord().clears;
        else
            TheRecord().messages.push_back(text);
    };
    hooks.playSound = [](Sound sound) {
        if (sound == Sound::kError) ++TheRecord().sounds;
    };
    return hooks;
}

inline const PaneInputSink kRecordingSink = {
    [] { ++TheRecord().stationRepaints; },
    [] { ++TheRecord().trainRepaints; },
    [](int32_t point, int32_t first, int32_t last, TileCode tile, int32_t* row) {
        TheRecord().sidingAsked = {point, first, last, tile};
        if (TheRecord().chooserAnswers) *row = TheRecord().chooserRow;
        return TheRecord().chooserAnswers;
    },
    [](int32_t point, int32_t first, int32_t last, TileCode tile) {
        TheRecord().sidingViewed = {point, first, last, tile};
    },
    [] { ++TheRecord().depotOpened; },
    [](int32_t mode) { TheRecord().timetableMode = mode; },
};

// Records into a fresh record while the scope lasts. Hooks a test sets in
// the scope record through Recording(hooks).
class RecordingSink {
public:
    RecordingSink() : old_(SetPaneInputSink(kRecordingSink)), oldHooks_(SetNotifyHooks(Recording({})))
    {
        TheRecord() = PaneInputRecord();
    }
    ~RecordingSink()
    {
        SetNotifyHooks(oldHooks_);
        SetPaneInputSink(old_);
    }
    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;

    PaneInputRecord& operator*() const { return TheRecord(); }
    PaneInputRecord* operator->() const { return &TheRecord(); }

private:
    PaneInputSink old_;     ///< the sink before
    NotifyHooks oldHooks_;  ///< the hooks before
};
