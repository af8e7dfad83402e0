// Game: the one model object (clock, timetable, depot, station tables and
// vehicle slots) and the small queries and texts the rest of the game reads
// through it.
//
// The program's single instance is TheGame(); tests build Games of their own.
// Station queries take points in point order: where several points match, the
// first counts. Indexes beyond the tables are clamped by Grid2D unless a query
// says otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/clock.h"
#include "model/depot.h"
#include "model/grid2d.h"
#include "model/malloc_ptr.h"
#include "model/tile_code.h"
#include "model/timetable.h"
#include "model/vehicle_slot.h"

// Kinds of a StationPoint (field kPointFieldKind).
enum StationPointKind : int32_t {
    kPointEntry = 1,             ///< "wjazd"
    kPointExit = 2,              ///< "wyjazd"
    kPointLine = 3,              ///< "wjazd/wyjazd", a line with block sections
    kPointPlatform = 4,          ///< "peron"
    kPointSiding = 5,            ///< "bocznica", with sub-tracks
    kPointStabling = 6,          ///< "tor postojowy"
    kPointLocoTrack = 7,         ///< "tor dla lokomotyw", at the turntable
    kPointDepot = 8,             ///< "lokomotywownia"; point 0 after loading
    kPointFreightPlatform = 9,   ///< "peron towarowy"
};

// Fields of a StationPoint row.
enum StationPointField : int32_t {
    kPointFieldKind = 0,    ///< StationPointKind
    kPointFieldParam = 1,   ///< entry: line minutes; line: a * 100 + b; siding: sub-tracks
    kPointFieldTile = 2,    ///< first TileCode; the second and third follow, 0 where none
    kPointFieldSixth = 5,   ///< entries and exits: number * 10 + side; siding: first sub-track row
    kPointFieldCount = 6,
};

// Values of the TileState grid.
enum TileState : int32_t {
    kTileFree = 0,
    kTileLocked = 1,          ///< locked by a set route or a busy line
    kTileOccupied = 2,        ///< a vehicle stands on it
    kTileCandidate = 3,       ///< route candidate
    kTileCandidateStart = 4,  ///< first tile of the route candidates
};

// Cells of a TrackPath row.
enum TrackPathField : int32_t {
    kPathTwoWay = 0,      ///< 1: the track may be used both ways
    kPathCatenary = 1,    ///< 0: track without catenary
    kPathEndTile = 2,     ///< the last tile of the list
    kPathFirstTile = 3,   ///< TileCodes from the start tile on, ended by 0
    kPathCells = 200,
    kPathMaxTiles = 196,  ///< so the end mark always lies inside the row
};

// Cells of a LineSection row: ten (train, countdown, block time) triples,
// block 1 (next to the station) first, then the line state.
enum LineSectionField : int32_t {
    kSectionTrain = 0,      ///< offset of the train in a triple
    kSectionCountdown = 1,  ///< offset of the countdown in steps
    kSectionTime = 2,       ///< offset of the block time in steps; -1 = triple unused
    kSectionTripleSize = 3,
    kSectionBlocks = 10,
    kSectionLineState = 30,
    kSectionCells = 31,
};

// Line states (cell kSectionLineState).
enum LineState : int32_t {
    kLineFree = -1,
    kLineArriving = 4,    ///< held by an arriving train
    kLineDeparting = -4,  ///< held by a departing train
};

// Results of Game::TurnLocomotive, in the order it checks them.
enum TurnResult : int32_t {
    kTurnDone = 0,
    kTurnNoVehicle = 1,        ///< no such slot, or it is empty
    kTurnNotAtTurntable = 5,   ///< a sub-track row, or neither a locomotive track nor the depot
    kTurnNotLocomotive = 2,
    kTurnMoving = 3,           ///< moving, or a path still to travel
    kTurnCoupled = 4,          ///< coupled to a neighbouring vehicle
};

constexpr int32_t kStationNameLength = 30;  ///< bytes of Game::stationName, the zero included
constexpr int32_t kMaxGridRows = 1000;      ///< largest grid CreateStationTables makes
constexpr int32_t kMaxStationTracks = 10000;
constexpr int32_t kMaxStationPoints = 10000;
constexpr int32_t kMaxSubTracks = 10000;

class Game {
public:
    Game();  // clock 0:00:00 step 10, empty tables, counts 0, move divisor 1
    Game(Game&&) = default;
    Game& operator=(Game&&) = default;

    // Station tables: every grid made anew with these sizes, tile states free,
    // line sections -1 and empty slots. False (nothing changed) for a negative
    // size or one beyond the limits above (cols at most kMaxGridColumns).
    bool CreateStationTables(int32_t gridRows, int32_t gridCols, int32_t trackCount, int32_t pointTotal,
                             int32_t subTrackRows);
    void SetStationName(const char* name);  // keeps the first 29 characters

    // Station queries.
    int32_t FindPointByTile(::TileCode tile) const;  // -1 when no point has it
    int32_t EntryExitCode(int32_t n) const;
    int32_t PointSideNumber(::TileCode a, ::TileCode b) const;
    ::TileCode EntryTileByNumber(int32_t n) const;         // -1 when none
    ::TileCode ArrivalEntryTileByNumber(int32_t n) const;  // -1 when none
    int32_t LineTravelTime(int32_t point, int32_t flag) const;
    int32_t LineSectionInfo(int32_t point, int32_t k) const;
    bool PointHasNonElectricTraction(::TileCode tile);
    int32_t PointCount() const { return pointCount; }
    int32_t SubTrackCount() const { return subTrackCount; }
    int32_t GridCols() const { return cols; }
    int32_t GridRows() const { return rows; }
    int32_t TileCode(int32_t row, int32_t col) const;
    int32_t TileState(int32_t row, int32_t col) const;
    int32_t PointKind(int32_t point) const;                 // 0 out of range
    ::TileCode PointTile(int32_t point) const;              // 0 out of range
    ::TileCode PointTileAt(int32_t point, int32_t k) const;  // 0 out of range
    ::TileCode PointFarEndTile(int32_t point) const;         // its last tile (the third of three); 0 out of range
    int32_t EntryNumberOfRow(int32_t index, int32_t mode) const;
    int32_t ExitNumberOfRow(int32_t index, int32_t mode) const;
    ::TileCode EntryPointTileOfRow(int32_t index, int32_t mode) const;
    const char* StationName() const { return stationName.data(); }
    int32_t AllowShedTransfers(int32_t v = -1);  // -1 reads

    // What stands at a point's tile (simulation/point_queries.cpp).
    int32_t PointKindAtTile(::TileCode tile) const;          // 0 when no point has the tile
    bool PointHasVehicle(::TileCode tile);
    int32_t FindFirstPoweredVehicleAtTile(::TileCode tile);  // point * 100 + slot; 0 when none
    int32_t SidingSubTrackRow(::TileCode tile, int32_t which) const;  // -1 when no siding has the tile
    int32_t SlotVehicleType(int32_t row, int32_t slot);      // 0 for an empty slot
    const char* VehicleTypeName(int32_t a, int32_t b);       // points into a name table
    Composition SlotComposition(int32_t row, int32_t slot);  // zeros when the train has none

    // Starting, saving and loading a game (simulation/). Each returns the
    // result code of its own header; a new or loaded game that fails leaves
    // the game as it was.
    int32_t LoadStationFile(const char* path);       // StationFileResult
    int32_t NewGameFromTimetable(const char* path);  // NewGameResult
    int32_t SaveGameState(const char* path);         // SavedGameResult
    int32_t LoadGameState(const char* path, const char* gameFolder = "");  // SavedGameResult

    // Slot queries (row, slot); outside the slot grid they answer as an empty
    // slot and write nothing.
    VehicleSlot* SlotAt(int32_t row, int32_t slot);  // null outside the grid
    VehicleSlot* SlotsOfRow(int32_t row);  // the row's kSlotsPerPoint slots in order; null outside the grid
    int32_t SlotTrain(int32_t row, int32_t slot);    // -1 outside the grid
    int32_t SlotKind(int32_t row, int32_t slot);
    int32_t SlotTurned(int32_t row, int32_t slot);
    int32_t SlotOperational(int32_t row, int32_t slot);
    int32_t SlotCoupled(int32_t row, int32_t slot);
    int32_t SlotCountdown(int32_t row, int32_t slot, int32_t v = -1);  // negative reads
    MallocPtr SlotUnitName(int32_t row, int32_t slot);  // none without shed transfers
    int32_t TurnLocomotive(int32_t row, int32_t slot);  // TurnResult

    // Clock and timetable forwards.
    int32_t Now() const { return clock.HHMM(); }
    int32_t Seconds() const { return clock.Seconds(); }
    int32_t TrainCount() const;
    MallocPtr DestinationText(int32_t index, int32_t mode) const;
    MallocPtr OriginText(int32_t index, int32_t mode) const;
    MallocPtr TrainNumberText(int32_t index, int32_t mode, int32_t side) const;
    MallocPtr TrainNameText(int32_t index, int32_t mode, int32_t side) const;  // none without a name
    int32_t LinkDigit(int32_t row, int32_t side) const;
    int32_t Platform(int32_t index, int32_t mode, int32_t side) const;
    ::TileCode ExitTile(int32_t index, int32_t mode) const;
    int32_t DepartureLink(int32_t index, int32_t mode) const;
    bool HasArrivalLink(int32_t index, int32_t mode) const;
    bool LocoChanges(int32_t index, int32_t mode) const;  // by name with shed transfers
    int32_t IndexRow(int32_t index, int32_t mode) const;  // without following the link
    int32_t CountTwoUnitRows(int32_t mode, int32_t n) const;  // of the first n index entries; 0 = all
    const char* CategoryCode(int32_t index, int32_t mode) const;
    int32_t RowState(int32_t index, int32_t mode);
    int32_t RowTime(int32_t row, int32_t side) const;
    int32_t DelayChance(int32_t cls, int32_t sign, int32_t value = kReadValue);
    int32_t LookAhead(int32_t value = kReadValue);
    int32_t Delay(int32_t index, int32_t mode, int32_t side);  // minutes late, nothing moved
    bool HasCompositions() const;
    int32_t VehicleTypeCount();
    bool IsTestGame() const;
    void SetTestGame(bool on);
    const ::DepotStats& DepotStats();

    // Texts: a fresh buffer, or no text where stated.
    MallocPtr ScheduledTimeText(int32_t index, int32_t mode, int32_t side);
    MallocPtr ExpectedTimeText(int32_t index, int32_t mode, int32_t side);
    MallocPtr LocoTypeName(int32_t index, int32_t side) const;  // none without a type
    MallocPtr UnitName(int32_t index, int32_t side) const;      // side kRawRow: unit name number index

    // The train state of a row; read through the departure index, a train
    // standing (1) whose expected departure has come becomes due (3) first.
    // Inline: every step reads it for every train, and a train turns due only
    // seldom.
    int32_t TrainStateNow(int32_t index, int32_t mode, int32_t /*unused*/ = kReadValue)
    {
        const int32_t state = timetable.TrainState(index, mode);
        // A negative index names no row: TrainState answers 1 for it and writes nothing.
        if (mode != kDepartureMode || index < 0 || state != 1) return state;
        return StandingStateNow(index);
    }

    // Slot fields the dispatching services read and set: the steam supplies,
    // the pantographs and the siding window (model/game_slot_services.cpp).
    // Outside the slot grid they read 0 and write nothing.
    int32_t SlotVehicleSerial(int32_t row, int32_t slot);  // gives a vehicle without one its serial
    int32_t SlotServiced(int32_t row, int32_t slot);
    void MarkSlotServiced(int32_t row, int32_t slot);
    void SetSlotLink(int32_t row, int32_t slot, int32_t value);
    int32_t SlotVehicleTypeCopy(int32_t row, int32_t slot);  // 0 for an empty slot

    // Arrival and departure tracking, and the boards: whether a row's
    // expected arrival has been drawn (false for a row outside the timetable).
    bool HasExpectedArrival(int32_t row) const { return timetable.HasExpectedArrival(row); }
    // Real delays of today's trains (the delays file) and the switch of the
    // random ones.
    void ApplyDelays(int32_t row, int32_t arrivalDelay, int32_t departureDelay)
    {
        timetable.ApplyDelays(row, arrivalDelay, departureDelay);
    }
    void SetRandomDelays(bool on) { timetable.SetRandomDelays(on); }
    bool RandomDelays() const { return timetable.RandomDelays(); }

    GameClock clock;                  ///< game time
    Timetable timetable;              ///< trains of the day, vehicle types, delay settings
    Depot depot;                      ///< the locomotive depot
    std::array<char, kStationNameLength> stationName{};  ///< station file name, ".stc" included
    PictureNameTable pictureNames{};  ///< picture name of each vehicle type, from 1
    Grid2D<int32_t> tileCodes;        ///< drawing code of every tile [rows][cols]
    Grid2D<int32_t> tileStates;       ///< TileState of every tile [rows][cols]
    Grid2D<int32_t> paths;            ///< TrackPaths [pathCount][kPathCells]
    int32_t cols = 0;                 ///< columns of the tile grids
    int32_t rows = 0;                 ///< rows of the tile grids
    int32_t pathCount = 0;            ///< number of tracks
    int32_t pointCount = 0;           ///< number of StationPoints
    int32_t subTrackCount = 0;        ///< siding sub-track rows of the slot grid
    Grid2D<int32_t> points;           ///< StationPoints [pointCount][kPointFieldCount]
    uint8_t allowShedTransfers = 0;   ///< locomotives may change sheds; numbers name units
    SlotGrid slots;                   ///< ten slots per point, then per sub-track row
    Grid2D<int32_t> lineSections;     ///< LineSections [pointCount][kSectionCells]
    int32_t moveDivisor = 1;          ///< consists move on steps that are a multiple of it
    int32_t tickCounter = 0;          ///< step counter of the movement
    std::vector<std::string> startNotes;  ///< for the event log once the shift begins (code page 1250)

    // Movement and the simulation step (simulation/).
    int32_t SimulationStep();  // StepFlag bits: a train came in, the timetable changed
    int32_t MoveTrains();      // 1 when a consist came in from a line this step
    void TransferConsist(VehicleSlot& head);
    bool HasRoomForConsist(int32_t destination, int32_t sourcePoint, int32_t sourceColumn,
                           int32_t destinationColumn);
    void AdvanceLineSections();
    int32_t AdmitArrivingTrains(int32_t fromIndex, int32_t answer);  // position asking, or kNoTrainAsks
    int32_t TrainArrives(int32_t train, int32_t point);  // head slot, or -point for a light engine
    int32_t PlaceTrainsForTime(int32_t hhmm);            // vehicles placed
    void UpdateDepotExit();

    // Routes, move validation and coupling (simulation/routes.*,
    // move_validation.*, consist_composition.*, coupling.*). Refusals are
    // constant texts; results are the codes of those headers.
    int32_t RouteSelection(::TileCode a, ::TileCode b, bool electricOnly);
    int32_t MarkRouteCandidates(::TileCode a, ::TileCode b, bool electricOnly);      // MarkResult
    bool PathExistsBetween(::TileCode a, ::TileCode b, bool electricOnly) const;
    VehicleSlot* FindSlotForRoute(::TileCode fromTile, ::TileCode toTile);          // null when none
    int32_t SetRouteThroughTile(VehicleSlot* head, ::TileCode clickedTile, bool electricOnly);  // SetRouteResult
    int32_t ClearRouteCandidates();
    const char* ValidateMove(::TileCode fromTile, ::TileCode toTile, int32_t subTrackRow);  // null: allowed
    int32_t CheckConsistComposition(int32_t sourcePoint, ::TileCode fromTile);     // CompositionResult
    bool IsSlotConsistMoving(int32_t row, int32_t slot);
    bool IsSlotLocoOrSpecial(int32_t row, int32_t slot);
    bool IsConsistStillMoving(int32_t point, ::TileCode fromTile);
    bool IsSingleLocomotive(int32_t point, int32_t fromColumn, int32_t toColumn, ::TileCode fromTile);
    bool IsCorrectExitPoint(int32_t point, ::TileCode fromTile, ::TileCode toTile);
    bool IsDepartureTimeReached(int32_t point, ::TileCode fromTile);
    bool MustStopAtPlatform(int32_t point);
    bool HasStoodLongEnough(int32_t point, ::TileCode fromTile);
    bool IsCouplingInProgress(int32_t point, int32_t fromColumn, int32_t toColumn);
    bool IsFreightTrain(int32_t point);
    const char* CoupleOrUncouple(::TileCode tile, int32_t slot, int32_t row);  // "" when started
    ::TileCode routeStart = 0;        ///< A: the consist's tile of the route being laid
    ::TileCode routeEnd = 0;          ///< B: the destination tile of the route being laid

private:
    int32_t StandingStateNow(int32_t departureIndex);  // TrainStateNow of a standing train
    bool IsPoint(int32_t point) const;  // inside the point table
    int32_t Point(int32_t point, int32_t field) const;  // clamped: -1 reads the last point
    int32_t FirstLinePointTile(int32_t n, bool kindOneToo) const;
};

// Inline: the simulation asks for slots over a thousand times a step.
inline VehicleSlot* Game::SlotAt(int32_t row, int32_t slot)
{
    if (row < 0 || row >= pointCount + subTrackCount || slot < 0 || slot >= kSlotsPerPoint) return nullptr;
    // Never clamp into another slot, even while the grid and the counts disagree.
    return slots.Find(static_cast<uint32_t>(row), static_cast<uint32_t>(slot));
}

// Inline, like the slots: the step and the supplies ask for point kinds
// thousands of times a step.
inline bool Game::IsPoint(int32_t point) const
{
    return point >= 0 && point < pointCount && static_cast<uint32_t>(point) < points.RowCount();
}

inline int32_t Game::Point(int32_t point, int32_t field) const
{
    return *points.At(static_cast<uint32_t>(point), static_cast<uint32_t>(field));
}

inline int32_t Game::PointKind(int32_t point) const { return IsPoint(point) ? Point(point, kPointFieldKind) : 0; }

inline ::TileCode Game::PointTile(int32_t point) const { return IsPoint(point) ? Point(point, kPointFieldTile) : 0; }

// A row's cells lie together: with its last slot there, all of them are.
inline VehicleSlot* Game::SlotsOfRow(int32_t row)
{
    return SlotAt(row, kSlotsPerPoint - 1) ? SlotAt(row, 0) : nullptr;
}

// The program's Game, made on the first call and kept until exit. Inline:
// the user interface's hooks reach the game through it hundreds of times a step.
inline Game& TheGame()
{
    static Game game;
    return game;
}

// "H:MM" of a time: 2400 or more loses 2400 once, a negative time shows its
// absolute value.
MallocPtr ClockTimeText(int32_t time);

// "I" .. "IX" for 1..9, a single blank otherwise (platform numbers).
MallocPtr RomanNumeral(int32_t n);

// The message the player sees for a TurnLocomotive result ("" for 1 and for
// codes it does not give).
const char* TurnLocomotiveMessage(int32_t result);
