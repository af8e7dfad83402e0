// Admitting arriving trains: once a game minute every train due at its entry
// is placed on the entry point, held back while the entry or its line is busy,
// or, at a line with block sections, put to the player.
//
// The permission question (SectionRequest of the user interface): after a
// step the caller asks Game::AdmitArrivingTrains(kFirstAsk, 0). A result e of
// 0 or more is the arrival-index position of a train waiting for permission to
// enter its line; the caller shows the question for that train and asks again
// with (e, answer), answer kLetOntoLine or the minutes to hold the train back.
// kNoTrainAsks ends the exchange. Each call walks every train from the start,
// so it admits and holds back the others as well. No simulation step may run
// between the calls of one exchange.
#pragma once

#include <cstdint>

#include "model/game.h"

constexpr int32_t kFirstAsk = -2;      ///< fromIndex of the first call after a step
constexpr int32_t kNoTrainAsks = -1;   ///< result: no train waits for an answer
constexpr int32_t kLetOntoLine = 0;    ///< answer: the train may enter its line
constexpr int32_t kDamagingDelay = 120;  ///< minutes late on departure that bring a train in damaged

// Where PlaceArrivingTrain put the train.
struct ArrivalPlacement {
    int32_t head = -1;         ///< slot of the head on the point; -1 when nothing was placed
    bool lightEngine = false;  ///< a light engine in slot 0; its timetable row is gone
};

// Builds the consist of the train whose first timetable row is `row` on the
// entry point `point`, from its linked rows: locomotives or a multiple unit
// first, then the cars, at most ten vehicles; on an odd-sided point the
// consist ends up with its head in the highest slot. The head gets motion 2;
// the caller gives it its countdown. A light-engine row is removed from the
// timetable and every row number held after it is renumbered.
ArrivalPlacement PlaceArrivingTrain(Game& game, int32_t row, int32_t point);
