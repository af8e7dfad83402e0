// Game: writing and reading a saved game (".sav").
//
// The file holds, in order: the version, the station's name in a 29-byte
// field, the depot's block, the tile states, every vehicle slot, the clock,
// the shed-transfer option, the picture names of the vehicle types, the line
// sections and the timetable's block. The station tables are not in it: they
// come from the station file again. A saved game is untrusted: every count,
// value and length is checked, and a game that does not read whole leaves
// the running game as it was.
#include "simulation/saved_game.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "model/game.h"
#include "model/text_reader.h"
#include "simulation/game_files.h"
#include "simulation/game_rebuild.h"
#include "simulation/station_file.h"

namespace {

constexpr size_t kSavedNameLineMax = 38;   ///< longest station-name line read, as the depot reads it
constexpr int32_t kTurnedFromVersion = 5;
constexpr int32_t kServicedFromVersion = 6;
constexpr int32_t kLastMotion = kMotionRouted;

// Writes numbers with a comma after each, line ends and raw bytes.
class SaveWriter {
public:
    explicit SaveWriter(std::FILE* file) : file_(file) {}

    void Number(int32_t v) { std::fprintf(file_, "%d,", static_cast<int>(v)); }
    void LineEnd() { std::fputc('\n', file_); }
    void Raw(const void* bytes, size_t count) { std::fwrite(bytes, 1, count, file_); }

private:
    std::FILE* file_;  ///< the saved game
};

// False when anything written was lost (a full disk shows at the latest when
// the file is closed).
bool Close(std::FILE* file)
{
    const bool written = !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

bool WriteHead(Game& game, const char* path)
{
    std::FILE* file = std::fopen(path, "w");
    if (!file) return false;
    SaveWriter out(file);
    std::fprintf(file, "%d", static_cast<int>(kSavedGameVersion));
    out.LineEnd();
    out.Raw(game.stationName.data(), kSavedStationNameBytes);
    out.LineEnd();
    return Close(file);
}

void WriteSlot(SaveWriter& out, VehicleSlot& slot)
{
    for (int32_t v : {slot.Train(), slot.Type(), slot.Kind(), slot.Number(), slot.Operational(), slot.Coupled(),
                      slot.Motion()})
        out.Number(v);
    const uint32_t tiles = std::min<uint32_t>(slot.PathLength(), kSavedPathTiles);
    for (uint32_t i = 0; i < tiles; ++i) out.Number(slot.PathAt(i));
    out.Number(0);
    for (int32_t v : {slot.Countdown(), slot.Link(), slot.Turned(), slot.Serviced()}) out.Number(v);
    out.LineEnd();
}

// Everything between the depot's block and the timetable's.
bool WriteGameState(Game& game, const char* path)
{
    std::FILE* file = std::fopen(path, "a");
    if (!file) return false;
    SaveWriter out(file);
    for (int32_t r = 0; r < game.rows; ++r) {
        for (int32_t c = 0; c < game.cols; ++c) out.Number(game.TileState(r, c));
        out.LineEnd();
    }
    for (int32_t row = 0; row < game.pointCount + game.subTrackCount; ++row)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) WriteSlot(out, *game.SlotAt(row, s));
    out.Number(game.clock.HHMM());
    out.Number(game.clock.Seconds());
    out.LineEnd();
    out.Number(game.allowShedTransfers);
    out.LineEnd();
    const int32_t types = game.timetable.VehicleTypeCount();
    out.Number(types);
    out.LineEnd();
    for (int32_t k = 1; k <= types; ++k) out.Raw(game.pictureNames[static_cast<size_t>(k)].data(), kPictureNameLength);
    out.LineEnd();
    for (int32_t p = 0; p < game.pointCount; ++p) {
        for (int32_t c = 0; c < kSectionCells; ++c)
            out.Number(*game.lineSections.At(static_cast<uint32_t>(p), static_cast<uint32_t>(c)));
        out.LineEnd();
    }
    return Close(file);
}

class SavedGameReader {
public:
    SavedGameReader(Game& game, const char* path, const std::string& gameFolder)
        : game_(game), path_(path), gameFolder_(gameFolder)
    {
    }

    // SavedGameResult.
    int32_t Read()
    {
        if (!in_.Open(path_) || !in_.Number(version_, 1)) return kSavedGameFileError;
        if (version_ < kSavedGameOldestVersion) return kSavedGameOldVersion;
        version_ = std::min(version_, kSavedGameVersion);
        if (!ReadStation()) return kSavedGameFileError;
        // Preparation and repair times are the station's: a save from a
        // build that counted them otherwise plays at the station's pace.
        const int32_t preparation = game_.depot.Param(kDepotParamPreparationSteps, -1);
        const int32_t repair = game_.depot.Param(kDepotParamRepairSteps, -1);
        if (game_.depot.LoadFromSave(path_) != kDepotOk) return kSavedGameFileError;
        game_.depot.Param(kDepotParamPreparationSteps, preparation);
        game_.depot.Param(kDepotParamRepairSteps, repair);
        // The depot is point 0 after loading; slot 0 is where its locomotives come out.
        game_.depot.SetOutputSlot(game_.SlotAt(0, 0));
        if (!SkipDepotBlock() || !ReadTileStates() || !ReadSlots() || !ReadClockAndOption() || !ReadPictureNames() ||
            !ReadLineSections())
            return kSavedGameFileError;
        const long position = static_cast<long>(in_.FilePosition());
        return game_.timetable.LoadFromSave(position, path_) == kSaveOk ? kSavedGameOk : kSavedGameFileError;
    }

private:
    // The station the name field names, beside the saved game or under the
    // game folder's "Stacje".
    bool ReadStation()
    {
        std::string line;
        if (!in_.Line(line, kSavedNameLineMax)) return false;
        const std::string name = line.substr(0, line.find('\0'));
        if (name.empty() || name.size() > static_cast<size_t>(kSavedStationNameBytes)) return false;
        if (game_.LoadStationFile(FindStationFile(path_, name, gameFolder_).c_str()) != kStationLoaded) return false;
        game_.SetStationName(name.c_str());
        return true;
    }

    // The depot read its own block; here it is only passed over.
    bool SkipDepotBlock()
    {
        int32_t capacity = 0;
        int32_t count = 0;
        int32_t value = 0;
        if (!in_.Number(capacity, 1) || !in_.NumberIn(count, 0, kDepotMaxCapacity, 1)) return false;
        for (int32_t i = 0; i < 5 + count * DepotSavedEntryFields(version_); ++i)
            if (!in_.Number(value, 1)) return false;
        return true;
    }

    // Route candidates are not kept: a candidate is free again, the first
    // tile of the candidates occupied.
    bool ReadTileStates()
    {
        for (int32_t r = 0; r < game_.rows; ++r)
            for (int32_t c = 0; c < game_.cols; ++c) {
                int32_t state = 0;
                if (!in_.NumberIn(state, kTileFree, kTileCandidateStart, 1)) return false;
                if (state == kTileCandidate) state = kTileFree;
                if (state == kTileCandidateStart) state = kTileOccupied;
                *game_.tileStates.At(static_cast<uint32_t>(r), static_cast<uint32_t>(c)) = state;
            }
        return true;
    }

    bool ReadSlots()
    {
        for (int32_t row = 0; row < game_.pointCount + game_.subTrackCount; ++row)
            for (int32_t s = 0; s < kSlotsPerPoint; ++s)
                if (!ReadSlot(*game_.SlotAt(row, s))) return false;
        return true;
    }

    // The fields go through the slot's accessors, so their sentinels hold: a
    // countdown of -1 or a number, kind or link of 0 leaves the fresh slot's.
    bool ReadSlot(VehicleSlot& slot)
    {
        int32_t train = 0, type = 0, kind = 0, number = 0, operational = 0, coupled = 0, motion = 0;
        if (!in_.Number(train, 1) || !in_.NumberIn(type, 0, kVehicleTypeSlots - 1, 1) ||
            !in_.NumberIn(kind, kKindCar, kKindSteamLoco, 1) || !in_.Number(number, 1) ||
            !in_.NumberIn(operational, 0, 1, 1) || !in_.NumberIn(coupled, 0, 1, 1) ||
            !in_.NumberIn(motion, kMotionStanding, kLastMotion, 1))
            return false;
        slot.SetTrain(train);  // a light engine's -1 too
        slot.Type(type);
        slot.Kind(kind);
        slot.Number(number);
        slot.Operational(operational);
        slot.Coupled(coupled);
        slot.Motion(motion);
        std::vector<::TileCode> path;
        if (!ReadPath(path)) return false;
        if (!path.empty()) slot.SetPath(path);
        int32_t countdown = 0, link = 0, turned = 0, serviced = 1;
        if (!in_.Number(countdown, 1) || !in_.Number(link, 1)) return false;
        if (version_ >= kTurnedFromVersion && !in_.NumberIn(turned, 0, 1, 1)) return false;
        if (version_ >= kServicedFromVersion && !in_.NumberIn(serviced, 0, 1, 1)) return false;
        slot.Countdown(countdown);
        slot.Link(link);
        slot.Turned(turned);
        slot.Serviced(serviced);
        return true;
    }

    // Tiles of the grid up to a 0, at most kSavedPathTiles of them.
    bool ReadPath(std::vector<::TileCode>& path)
    {
        for (;;) {
            ::TileCode tile = 0;
            if (!in_.Number(tile, 1)) return false;
            if (tile == 0) return true;
            if (path.size() == static_cast<size_t>(kSavedPathTiles) || tile < 0 || TileRow(tile) >= game_.rows ||
                TileColumn(tile) >= game_.cols)
                return false;
            path.push_back(tile);
        }
    }

    bool ReadClockAndOption()
    {
        int32_t hhmm = 0, seconds = 0, shedTransfers = 0;
        return in_.Number(hhmm, 1) && in_.NumberIn(seconds, 0, 59, 1) && hhmm >= 0 &&
               game_.clock.Set(hhmm / 100, hhmm % 100, seconds) && in_.NumberIn(shedTransfers, 0, 1, 1) &&
               game_.AllowShedTransfers(shedTransfers) == shedTransfers;
    }

    // Each name a 50-byte field, the last byte its terminating zero.
    bool ReadPictureNames()
    {
        int32_t types = 0;
        if (!in_.NumberIn(types, 0, kVehicleTypeSlots - 1, 2)) return false;
        game_.timetable.VehicleTypeCount(types);
        for (size_t k = 1; k <= static_cast<size_t>(types); ++k) {
            std::array<char, kPictureNameLength>& name = game_.pictureNames[k];
            name.fill(0);
            if (in_.Entry(reinterpret_cast<uint8_t*>(name.data()), kPictureNameLength) < 0 || name.back() != 0)
                return false;
        }
        return true;
    }

    // A block's time is the station's, as the station file just gave it;
    // trains in the blocks keep their saved countdowns.
    bool ReadLineSections()
    {
        for (int32_t p = 0; p < game_.pointCount; ++p)
            for (int32_t c = 0; c < kSectionCells; ++c) {
                int32_t value = 0;
                if (!in_.Number(value, 1)) return false;
                const bool blockTime = c < kSectionLineState && c % kSectionTripleSize == kSectionTime;
                if (!blockTime) *game_.lineSections.At(static_cast<uint32_t>(p), static_cast<uint32_t>(c)) = value;
            }
        return true;
    }

    Game& game_;                    ///< the game being loaded
    const char* path_;              ///< the saved game
    const std::string gameFolder_;  ///< where "Stacje" is, or ""
    TextReader in_;                 ///< the saved game's text
    int32_t version_ = 0;           ///< its version, at most kSavedGameVersion
};

}  // namespace

int32_t Game::SaveGameState(const char* path)
{
    if (!path || !WriteHead(*this, path) || depot.AppendToSave(path) != kDepotOk || !WriteGameState(*this, path))
        return kSavedGameFileError;
    return timetable.AppendToSave(path) == kSaveOk ? kSavedGameOk : kSavedGameFileError;
}

int32_t FillGameFromSave(Game& game, const char* path, const char* gameFolder)
{
    if (!path) return kSavedGameFileError;
    return SavedGameReader(game, path, gameFolder ? gameFolder : "").Read();
}

int32_t Game::LoadGameState(const char* path, const char* gameFolder)
{
    return RebuildGame(*this, [&](Game& game) { return FillGameFromSave(game, path, gameFolder); });
}
