// Game: a new shift from a timetable file (".roz"): its station, its trains,
// the clock at its start time, and everything that stands at the station
// when the shift begins (locomotive groups of the head, trains present at
// the start), placed slot by slot.
#include "simulation/new_game.h"

#include <climits>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "model/text_reader.h"
#include "simulation/game_files.h"
#include "simulation/game_rebuild.h"
#include "simulation/station_file.h"

namespace {

constexpr size_t kMaxStationNameChars = 19;  ///< longest station name in the head, ".stc" not counted
constexpr int32_t kMaxLocoGroups = 1000;
constexpr int32_t kDamageDraw = 101;   ///< a depot locomotive is damaged when its draw mod this
constexpr int32_t kDamagedBelow = 5;   ///< ... is below this, outside a test game
constexpr int32_t kPointTiles = 3;        ///< tile fields of a point
constexpr int32_t kRandomPlaceSlots = 3;  ///< a train placed at random takes one of slots 0..2
constexpr int32_t kFreightClass = 4;   ///< category class "Towarowy"
constexpr int32_t kUnitsSide = 1;      ///< the side whose units a start train stands with
constexpr int32_t kFirstNoCatenaryCode = 100;  ///< drawing codes from here on have no catenary
constexpr int32_t kDepotPoint = 0;     ///< the depot is point 0 once the station is loaded
constexpr size_t kNoteChars = 120;
constexpr char kLocoLeftOutside[] = "Lokomotywownia pełna: %s nr %d stoi przed nią na miejscu %d";
constexpr char kLocoNotPlaced[] = "Lokomotywownia pełna: %s nr %d nie zmieściła się na stacji";

struct LocoGroup {
    int32_t type = 0;      ///< vehicle type
    int32_t count = 0;     ///< locomotives in the group
    int32_t number = 0;    ///< vehicle number of each
    int32_t tile = 0;      ///< TileCode; negative: the first is coupled to the next slot; 0: the depot
    int32_t slot = 0;      ///< slot on the point
    int32_t subTrack = 0;  ///< sub-track offset in a siding
};

struct StartTrain {
    int32_t row = 0;      ///< timetable row
    int32_t point = -1;   ///< point of its start tile, -1 for a place drawn at random
    int32_t coupled = 0;  ///< its vehicle starts coupled to the next slot
};

// The start groups, in the order they are placed.
enum StartGroup : int32_t {
    kOnPlatform,
    kOnFreightPlatform,
    kOnSidingSubTrack,
    kOnRandomSubTrack,
    kOnRandomFreightPlatform,
    kStartGroupCount,
};

// A tile value split into the tile and the coupled flag of its sign.
bool SplitTile(int32_t value, TileCode& tile, int32_t& coupled)
{
    if (value == INT32_MIN) return false;
    coupled = value < 0 ? 1 : 0;
    tile = value < 0 ? -value : value;
    return true;
}

// A draw in 0..n-1 (n above 0), whatever sign the source gives.
int32_t Draw(int32_t n)
{
    const int32_t r = RandomValue() % n;
    return r < 0 ? r + n : r;
}

int32_t NewGameResultOfStation(int32_t stationResult)
{
    switch (stationResult) {
    case kStationLoaded: return kNewGameStarted;
    case kStationBadLine: return kNewGameBadLine;
    case kStationNoDepot: return kNewGameNoDepot;
    case kStationBadDepot: return kNewGameBadDepot;
    default: return kNewGameStationUnreadable;
    }
}

class ShiftStart {
public:
    explicit ShiftStart(Game& game) : game_(game), t_(game.timetable) {}

    int32_t Run(const char* path)
    {
        TextReader head;
        if (!head.Open(path)) return kNewGameTimetableUnreadable;
        std::string name;
        if (!head.Number(version_, 2) || version_ < 1 || version_ > 3) return kNewGameOldVersion;
        if (!head.Line(name, kMaxStationNameChars)) return kNewGameTimetableUnreadable;
        name += ".stc";
        game_.SetStationName(name.c_str());
        // The station lies beside the timetable: in the current folder when
        // the timetable is given by its bare name.
        int32_t result = NewGameResultOfStation(game_.LoadStationFile((FolderOf(path) + name).c_str()));
        if (result != kNewGameStarted) return result;

        const int32_t start = t_.LoadRoz(path, game_.pictureNames);
        if (start == kRozCannotOpen) return kNewGameTimetableUnreadable;
        if (start < 0) return kNewGameTimetableDamaged;
        game_.clock.Set(start / 100, start % 100, 0);
        // The depot is point 0 after loading; slot 0 is where its locomotives come out.
        game_.depot.SetOutputSlot(game_.SlotAt(0, 0));

        if ((result = PlaceLocoGroups(head)) != kNewGameStarted || (result = PlaceStartTrains()) != kNewGameStarted)
            return result;
        PackSlotRows();
        return kNewGameStarted;
    }

private:
    int32_t PlaceLocoGroups(TextReader& head)
    {
        int32_t groups = 0;
        if (!head.NumberIn(groups, 0, kMaxLocoGroups, 1)) return kNewGameTimetableUnreadable;
        for (int32_t g = 0; g < groups; ++g) {
            LocoGroup group;
            const bool read = head.Number(group.type, 1) && head.Number(group.count, 1) &&
                              head.Number(group.number, 1) &&
                              (version_ < 2 || (head.Number(group.tile, 1) && head.Number(group.slot, 1) &&
                                                head.Number(group.subTrack, 1)));
            if (!read) return kNewGameTimetableUnreadable;
            const int32_t result = PlaceLocoGroup(group);
            if (result != kNewGameStarted) return result;
        }
        LeaveOutsideTheDepot();
        return kNewGameStarted;
    }

    // Only the first locomotive of a group takes the coupled flag of the tile's
    // sign. All of a group on a point share one slot, so a second finds it taken.
    int32_t PlaceLocoGroup(const LocoGroup& group)
    {
        if (group.type < 1 || group.type > t_.VehicleTypeCount()) return kNewGameTimetableDamaged;
        TileCode tile = 0;
        int32_t coupled = 0;
        if (!SplitTile(group.tile, tile, coupled)) return kNewGameBadLocoPlace;
        for (int32_t n = 0; n < group.count; ++n, coupled = 0) {
            const int32_t result = tile == 0 ? PutLocoInDepot(group) : PutLocoOnPoint(group, tile, coupled);
            if (result != kNewGameStarted) return result;
        }
        return kNewGameStarted;
    }

    // One in about twenty comes damaged, except in a test game (the flag as
    // the previous game left it: the new game's own choice comes later).
    // One that a full depot refuses waits, as it was made, until every group
    // is placed: made again it would draw again and take another serial.
    int32_t PutLocoInDepot(const LocoGroup& group)
    {
        const bool damaged = Draw(kDamageDraw) < kDamagedBelow && !t_.IsTestGame();
        VehicleSlot loco;
        loco.Fill(0, group.type, t_.VehicleTypeKind(group.type), group.number, damaged ? 0 : 1, 0, kMotionStanding);
        if (game_.depot.Add(loco) != kDepotOk) outside_.push_back(std::move(loco));
        return kNewGameStarted;
    }

    // The locomotives the depot refused stay out on the depot point's track,
    // in the slots no group of the timetable took; the shift starts either
    // way, and the event log names each of them.
    void LeaveOutsideTheDepot()
    {
        int32_t s = 0;
        for (VehicleSlot& loco : outside_) {
            while (s < kSlotsPerPoint && !game_.SlotAt(kDepotPoint, s)->IsEmpty()) ++s;
            const bool placed = s < kSlotsPerPoint;
            char text[kNoteChars];
            std::snprintf(text, sizeof text, placed ? kLocoLeftOutside : kLocoNotPlaced,
                          t_.VehicleTypeName(loco.Type()), loco.Number(), s + 1);
            game_.startNotes.push_back(text);
            if (placed) {
                game_.SlotAt(kDepotPoint, s)->MoveFrom(loco);
                MarkPointTiles(kDepotPoint, 1);
            }
        }
    }

    // A siding takes the locomotive on a sub-track row and leaves the grid
    // alone; a platform shows it on all its tiles; a locomotive track takes it
    // in slot 0 only; any other point only behind a vehicle coupled to it.
    int32_t PutLocoOnPoint(const LocoGroup& group, TileCode tile, int32_t coupled)
    {
        const int32_t p = game_.FindPointByTile(tile);
        if (p < 0 || group.slot < 0 || group.slot >= kSlotsPerPoint) return kNewGameBadLocoPlace;
        int32_t row = p;
        int32_t tilesTaken = 1;
        bool behindCoupled = false;
        switch (game_.PointKind(p)) {
        case kPointSiding:
            if (group.subTrack < 0 || group.subTrack >= SubTrackCountOf(p)) return kNewGameBadLocoPlace;
            row = SidingFirstRow(p) + group.subTrack;
            tilesTaken = 0;
            break;
        case kPointPlatform:
        case kPointFreightPlatform: tilesTaken = kPointTiles; break;
        case kPointLocoTrack:
            if (group.slot != 0) return kNewGameBadLocoPlace;
            break;
        default: behindCoupled = true; break;
        }
        VehicleSlot* slot = game_.SlotAt(row, group.slot);
        if (!slot->IsEmpty()) return kNewGameLocoPlaceTaken;
        if (behindCoupled && group.slot > 0 && !game_.SlotCoupled(row, group.slot - 1)) return kNewGameBadLocoPlace;
        slot->Fill(0, group.type, t_.VehicleTypeKind(group.type), group.number, 1, coupled, kMotionStanding);
        MarkPointTiles(p, tilesTaken);
        return kNewGameStarted;
    }

    int32_t SubTrackCountOf(int32_t point) const { return *game_.points.At(point, kPointFieldParam); }

    void MarkPointTiles(int32_t point, int32_t count)
    {
        for (int32_t k = 0; k < count; ++k) {
            const TileCode tile = game_.PointTileAt(point, k);
            // An empty tile field is no tile of the grid.
            if (tile > 0 && TileRow(tile) < game_.rows && TileColumn(tile) < game_.cols)
                *game_.tileStates.At(TileRow(tile), TileColumn(tile)) = kTileOccupied;
        }
    }

    int32_t CollectStartTrains()
    {
        for (int32_t row = 0; row < t_.TrainCount(); ++row) {
            if (t_.TrainState(row, kRawRow) != 1) continue;
            StartTrain train;
            train.row = row;
            TileCode tile = 0;
            if (!SplitTile(t_.StartTile(row), tile, train.coupled)) return kNewGameBadStartPoint;
            if (tile == 0) {
                const bool freight = t_.CountWasNegative() || t_.CategoryClass(t_.Category(row, kRawRow)) == kFreightClass;
                groups_[freight ? kOnRandomFreightPlatform : kOnRandomSubTrack].push_back(train);
                continue;
            }
            train.point = game_.FindPointByTile(tile);
            switch (game_.PointKind(train.point)) {
            case kPointPlatform: groups_[kOnPlatform].push_back(train); break;
            case kPointFreightPlatform: groups_[kOnFreightPlatform].push_back(train); break;
            case kPointSiding:
                if (t_.StartSubTrack(row) >= SubTrackCountOf(train.point)) return kNewGameBadStartPoint;
                groups_[kOnSidingSubTrack].push_back(train);
                break;
            default: return kNewGameBadStartPoint;  // another kind, or no point at all
            }
        }
        return kNewGameStarted;
    }

    int32_t PlaceStartTrains()
    {
        int32_t result = CollectStartTrains();
        for (const StartTrain& train : groups_[kOnPlatform])
            if (result == kNewGameStarted) result = PlaceOnPoint(train, train.point);
        for (const StartTrain& train : groups_[kOnFreightPlatform])
            if (result == kNewGameStarted) result = PlaceOnPoint(train, train.point);
        for (const StartTrain& train : groups_[kOnRandomFreightPlatform])
            if (result == kNewGameStarted) result = PlaceOnRandomFreightPlatform(train);
        for (const StartTrain& train : groups_[kOnSidingSubTrack])
            if (result == kNewGameStarted)
                result = PlaceOnPoint(train, SidingFirstRow(train.point) + t_.StartSubTrack(train.row));
        for (const StartTrain& train : groups_[kOnRandomSubTrack])
            if (result == kNewGameStarted) result = PlaceOnRandomSubTrack(train);
        return result;
    }

    int32_t SidingFirstRow(int32_t point) const { return game_.pointCount + *game_.points.At(point, kPointFieldSixth); }

    // The start slot of the row's place: a platform's own row with its tiles
    // occupied, or a sub-track row, whose tiles are no tiles of the grid.
    int32_t PlaceOnPoint(const StartTrain& train, int32_t row)
    {
        VehicleSlot* slot = game_.SlotAt(row, t_.StartSlot(train.row));
        if (!slot || !slot->IsEmpty()) return kNewGameTrainPlaceTaken;
        FillWithTrain(*slot, train.row, train.coupled);
        if (row < game_.pointCount) MarkPointTiles(row, kPointTiles);
        return kNewGameStarted;
    }

    // A multiple unit (or the row's own vehicle type with the cars) into a slot.
    void FillWithTrain(VehicleSlot& slot, int32_t row, int32_t coupled)
    {
        const int32_t base = t_.BaseLocoType(row, kRawRow, kUnitsSide);
        const int32_t kind = t_.VehicleTypeKind(base);
        if (base > 0 && kind < kKindElectricLoco)
            slot.Fill(row, base, kind, t_.UnitNameRef(row, kRawRow, kUnitsSide), 1, coupled, kMotionStanding);
        else
            slot.Fill(row, t_.TrainVehicleType(row, kRawRow), kKindCar, 0, 1, coupled, kMotionStanding);
    }

    bool IsElectricUnit(int32_t row) const
    {
        const int32_t base = t_.BaseLocoType(row, kRawRow, kUnitsSide);
        return base > 0 && t_.VehicleTypeKind(base) == kKindElectricUnit;
    }

    // An electric multiple unit only goes where the point's first tile is
    // drawn with catenary.
    bool TakesUnit(int32_t point, bool electricUnit) const
    {
        const TileCode tile = game_.PointTile(point);
        return !electricUnit || game_.TileCode(TileRow(tile), TileColumn(tile)) < kFirstNoCatenaryCode;
    }

    // Freight platforms are drawn among those that still have room; one whose
    // slots 0..2 turn out all taken has none left.
    int32_t PlaceOnRandomFreightPlatform(const StartTrain& train)
    {
        if (freightRoom_.empty())
            for (int32_t p = 0; p < game_.pointCount; ++p)
                if (game_.PointKind(p) == kPointFreightPlatform) freightRoom_.push_back(p);
        const bool electricUnit = IsElectricUnit(train.row);
        for (;;) {
            std::vector<size_t> choice;
            for (size_t i = 0; i < freightRoom_.size(); ++i)
                if (freightRoom_[i] >= 0 && TakesUnit(freightRoom_[i], electricUnit)) choice.push_back(i);
            if (choice.empty()) return kNewGameNoRoom;
            int32_t& platform = freightRoom_[choice[static_cast<size_t>(Draw(static_cast<int32_t>(choice.size())))]];
            const int32_t slot = FirstEmptySlot(platform);
            if (slot >= 0) {
                FillWithTrain(*game_.SlotAt(platform, slot), train.row, train.coupled);
                MarkPointTiles(platform, kPointTiles);
            }
            if (slot < 0 || slot == kRandomPlaceSlots - 1) platform = -1;  // no room left
            if (slot >= 0) return kNewGameStarted;
        }
    }

    // The first of slots 0..2 that is empty, -1 when none is.
    int32_t FirstEmptySlot(int32_t row)
    {
        for (int32_t s = 0; s < kRandomPlaceSlots; ++s)
            if (game_.SlotAt(row, s)->IsEmpty()) return s;
        return -1;
    }

    // A sub-track whose slot 2 is empty, of a siding that takes the train.
    int32_t PlaceOnRandomSubTrack(const StartTrain& train)
    {
        const bool electricUnit = IsElectricUnit(train.row);
        std::vector<int32_t> choice;
        for (int32_t p = 0; p < game_.pointCount; ++p) {
            if (game_.PointKind(p) != kPointSiding || !TakesUnit(p, electricUnit)) continue;
            for (int32_t row = SidingFirstRow(p); row < SidingFirstRow(p) + SubTrackCountOf(p); ++row)
                if (game_.SlotAt(row, kRandomPlaceSlots - 1)->IsEmpty()) choice.push_back(row);
        }
        if (choice.empty()) return kNewGameNoRoom;
        const int32_t row = choice[static_cast<size_t>(Draw(static_cast<int32_t>(choice.size())))];
        FillWithTrain(*game_.SlotAt(row, FirstEmptySlot(row)), train.row, 0);
        return kNewGameStarted;
    }

    // The vehicles of every row close up to slots 0, 1, 2, ... in their
    // order; the last of them is coupled to nothing.
    void PackSlotRows()
    {
        for (int32_t row = 0; row < game_.pointCount + game_.subTrackCount; ++row) {
            int32_t next = 0;
            for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
                VehicleSlot* slot = game_.SlotAt(row, s);
                if (slot->IsEmpty()) continue;
                if (s != next) game_.SlotAt(row, next)->MoveFrom(*slot);
                ++next;
            }
            if (next > 0) game_.SlotAt(row, next - 1)->Coupled(0);
        }
    }

    Game& game_;       ///< the game being started
    Timetable& t_;     ///< its timetable
    int32_t version_ = 0;  ///< timetable file version
    std::vector<VehicleSlot> outside_;  ///< refused by the full depot, in the order of the head
    std::vector<StartTrain> groups_[kStartGroupCount];  ///< start trains by group
    std::vector<int32_t> freightRoom_;  ///< freight platforms in point order; -1 once full
};

}  // namespace

int32_t FillGameFromTimetable(Game& game, const char* path)
{
    return path ? ShiftStart(game).Run(path) : kNewGameTimetableUnreadable;
}

int32_t Game::NewGameFromTimetable(const char* path)
{
    return RebuildGame(*this, [path](Game& game) { return FillGameFromTimetable(game, path); });
}

const char* NewGameMessage(int32_t result)
{
    switch (result) {
    case kNewGameStarted: return "OK";
    case kNewGameTimetableUnreadable: return "Błąd odczytu pliku z opisem rozkładu.";
    case kNewGameOldVersion: return "Stara wersja pliku z rozkładem. Skontaktuj się z autorem rozkładu.";
    case kNewGameStationUnreadable: return "Błąd odczytu pliku z opisem stacji.";
    case kNewGameTimetableDamaged: return "Błąd w opisie rozkładu jazdy. Skontaktuj się z autorem rozkładu.";
    case kNewGameBadLine:
        return "Błąd w opisie wjazdu na linii jednotorowej. Skontaktuj się z autorem stacji.";
    case kNewGameNoDepot: return "Brak lokomotywowni. Skontaktuj się z autorem stacji.";
    case kNewGameBadDepot: return "Niewłaściwe parametry lokomotywowni. Skontaktuj się z autorem stacji.";
    case kNewGameBadStartPoint:
        return "Niewłaściwe współrzędne punktu. Jeden lub kilka pociągów nie może być stworzonych.";
    case kNewGameNoRoom: return "Brak wolnych miejsc dla pociągów. Skontaktuj się z autorem rozkładu.";
    case kNewGameLocoPlaceTaken: return "Lok ma stać na zajętym miejscu. Skontaktuj się z autorem rozkładu.";
    case kNewGameTrainPlaceTaken: return "Wagon ma stać na zajętym miejscu. Skontaktuj się z autorem rozkładu.";
    case kNewGameBadLocoPlace: return "Błąd w ustawieniu loka. Skontaktuj się z autorem rozkładu.";
    default: return "";
    }
}
