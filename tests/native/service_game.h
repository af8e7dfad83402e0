// Test support for the dispatching services: the station Testowo with the
// vehicle types of services.roz, default settings, and the window's hooks
// replaced by a recorder of the status texts, log lines and repaints.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/game.h"
#include "simulation/notify.h"
#include "station_builder.h"
#include "ui/settings.h"

// Vehicle types of services.roz.
enum ServiceType : int32_t {
    kTypeOl49 = 1,   ///< steam
    kTypeSM42 = 2,   ///< diesel, 2840 l
    kTypeEU07 = 3,   ///< electric
    kTypeEN57 = 4,   ///< electric unit
    kTypeSA133 = 5,  ///< diesel unit
    kTypeA = 6,      ///< car
    kTypeST44 = 7,   ///< diesel, 3900 l
    kTypeTKt48 = 8,  ///< steam
    kTypeSU45 = 9,   ///< diesel, 3500 l
};

// Rows of services.roz: departure numbers 1234, none, 5502, 7702.
constexpr int32_t kRowWithNumber = 0;
constexpr int32_t kRowWithoutNumber = 1;

class ServiceGameTest : public testing::Test {
protected:
    void SetUp() override
    {
        gSettings = Settings();
        running_ = true;
        statusTexts_.clear();
        logLines_.clear();
        repaints_ = 0;
        oldHooks_ = SetNotifyHooks({[] { return running_; },
                                    [](const char* text) { statusTexts_.push_back(text); },
                                    [](const char* text) { logLines_.push_back(text); }, [] { ++repaints_; }});
        PictureNameTable pictures{};
        ASSERT_EQ(game_.timetable.LoadRoz(SEMARION_FIXTURES "/services/services.roz", pictures), 600);
        BuildTestowo(game_);
        game_.clock.Step(1);  // a game runs one second per step
    }
    void TearDown() override
    {
        SetNotifyHooks(oldHooks_);
        gSettings = Settings();
    }

    Game game_;
    static inline bool running_ = true;                      ///< what gameRunning answers
    static inline std::vector<std::string> statusTexts_;     ///< texts of the message line, in order
    static inline std::vector<std::string> logLines_;        ///< event-log-only lines, in order
    static inline int repaints_ = 0;                         ///< repaints asked for
    NotifyHooks oldHooks_{};                                 ///< put back after the test
};
