// Move validation: whether the consist at one point may be routed to another.
//
// Game::ValidateMove (declared in model/game.h with its predicates) applies
// the operating rules in a fixed order and returns the refusal of the first
// rule broken, or null when the move is allowed:
//   1 the same point twice;  2 room at the destination (for a siding, on the
//   chosen sub-track, whose row it writes into the siding's slot-0 link);
//   3 the consist still moves;  4-5 only a single locomotive to the depot or a
//   locomotive track;  6 to an exit or a line: the composition, the right
//   exit, the departure time, and a train from a line stopping at a platform
//   first;  7 from a platform: a damaged vehicle at the moving end, and five
//   minutes standing;  8 a coupling under way;  9-10 a train straight from a
//   line goes to a freight platform only when it is a freight train.
// Nothing else is changed, whatever the answer.
#pragma once

// The refusals, byte for byte as the player reads them.
extern const char kMoveSamePoint[];
extern const char kMoveNoRoom[];
extern const char kMoveStillMoving[];
extern const char kMoveDepotSingleLoco[];
extern const char kMoveLocoTrackSingleLoco[];
extern const char kMoveWrongExit[];
extern const char kMoveTooEarly[];
extern const char kMoveMustStop[];
extern const char kMoveDamagedLocomotive[];
extern const char kMoveDamagedUnit[];
extern const char kMoveStandFiveMinutes[];
extern const char kMoveCouplingUnderWay[];
extern const char kMovePassengerToFreight[];
