// Test support: Rozjazdowo, a small hand-built station for routes, moves and
// couplings, with the timetable tests/fixtures/moves/rozjazdowo.roz.
//
// Row 5 runs from the west entry (501) over track 0 to platform 1 (510-512)
// and on to the east exit (539) by two tracks that share their first and last
// tiles: track 1 straight along row 5 with catenary, track 2 through row 6
// without. Platform 2 (710-712) leaves for the east exit one way only
// (track 3) and for the locomotive track by a track without catenary
// (track 5); the locomotive track and the depot are joined both ways without
// catenary (track 4). Track 6 joins platform 1's first tile to the stabling
// track, track 7 the siding to platform 2.
#pragma once

#include <cstdint>
#include <gtest/gtest.h>

#include "model/game.h"
#include "vehicle_scenes.h"

enum RozjazdowoPoint : int32_t {
    kRzDepot = 0,        ///< kind 8, tile 1030
    kRzWestEntry = 1,    ///< kind 1, tile 501, entry 1, odd side
    kRzEastExit = 2,     ///< kind 2, tile 539
    kRzLine = 3,         ///< kind 3, tile 139, entry 3, odd side
    kRzPlatform1 = 4,    ///< kind 4, tiles 510, 511, 512
    kRzPlatform2 = 5,    ///< kind 4, tiles 710, 711, 712
    kRzSiding = 6,       ///< kind 5, tile 920, sub-tracks kRzSubTrack1 and kRzSubTrack2
    kRzStabling = 7,     ///< kind 6, tile 320
    kRzLocoTrack = 8,    ///< kind 7, tile 1020
    kRzFreight = 9,      ///< kind 9, tiles 315, 316
    kRzEastEntry = 10,   ///< kind 1, tile 739, entry 4, even side
    kRzPointCount = 11,
};

enum RozjazdowoRow : int32_t {
    kRzSubTrack1 = kRzPointCount,  ///< first sub-track row of the siding
    kRzSubTrack2,                  ///< second sub-track row
};

enum RozjazdowoTrack : int32_t {
    kRzEntryToPlatform1 = 0,  ///< 501 .. 510
    kRzStraightEast = 1,      ///< 512 .. 539, catenary
    kRzLoopEast = 2,          ///< 512, 513, 514, 614 .. 624, 525 .. 539, no catenary
    kRzPlatform2East = 3,     ///< 712 .. 738, 639, 539, one way
    kRzLocoToDepot = 4,       ///< 1020 .. 1030, no catenary
    kRzPlatform2ToLoco = 5,   ///< 712, 813, 914, 1015 .. 1020, no catenary
    kRzToStabling = 6,        ///< 510, 409, 319, 320
    kRzSidingToPlatform2 = 7, ///< 920, 819, 710
    kRzTrackCount = 8,
};

// Vehicle types of rozjazdowo.roz.
enum RozjazdowoType : int32_t {
    kRzElectricLoco = 1,  ///< "EU07", kind 3
    kRzDieselLoco = 2,    ///< "SM42", kind 4
    kRzUnit = 3,          ///< "EN57", kind 1
    kRzCar = 4,           ///< "B", kind 0
};

// Timetable rows of rozjazdowo.roz. Every row leaves at 10:00 by the
// east exit (539) unless it says otherwise.
enum RozjazdowoTrain : int32_t {
    kRzOneLocoTrain = 0,  ///< unit 0: EU07 "EU07-001" (name 1)
    kRzTwoLocoTrain = 1,  ///< units 1 and 2: EU07 "EU07-002" (name 2), SM42 "SM42-001" (name 3)
    kRzCarsA = 2,         ///< locomotive type EU07, no units; rows 2 to 4 for cars
    kRzCarsB = 3,
    kRzCarsC = 4,
    kRzUnitTrain = 5,     ///< an EN57 without units
    kRzFreightTrain = 6,  ///< category TW (Towarowy), arriving role
    kRzSpecialTrain = 7,  ///< category LOK (Specjalny), arriving role
    kRzNoStopTrain = 8,   ///< row state 5: need not stop at a platform
    kRzArrivingTrain = 9, ///< category OS, arriving role
    kRzWestTrain = 10,    ///< leaves by the west entry's tile 501
};

void BuildRozjazdowo(Game& game);  // the station, a depot of 4, its timetable; 9:00, one-second steps

// Each test on a fresh Rozjazdowo.
class RozjazdowoTest : public testing::Test {
protected:
    void SetUp() override { BuildRozjazdowo(game); }

    Game game;
};
