// Tile pictures: which bitmap the station view draws for a tile's drawing code and state.
//
// Drawing codes (docs/tiles.md): 0 nothing; 1..9 the digit markers NR1..NR9;
// -1..-37 the letter markers L1..L37; 10..78 track families with catenary and
// 100..789 the same families without (the last digit is ignored). A track
// picture number is family * 10 + variant; the prepared tile table holds the
// numbers 100..789 at entry (number - 100).
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t kTileSize = 14;             ///< tiles are 14 x 14 pixels
constexpr int32_t kFirstTileNumber = 100;     ///< picture number of prepared-tile entry 0
constexpr int32_t kTileEntryCount = 690;      ///< prepared tiles: picture numbers 100..789
constexpr int32_t kDigitMarkerCount = 9;      ///< NR1..NR9
constexpr int32_t kLetterMarkerCount = 37;    ///< L1..L37

// The table a tile's picture comes from.
enum class TilePictureKind : int32_t {
    kNone = 0,    ///< nothing is drawn
    kTrack = 1,   ///< prepared tile, entry number - kFirstTileNumber
    kDigit = 2,   ///< digit marker NR<number>
    kLetter = 3,  ///< letter marker L<number>
};

struct TilePicture {
    TilePictureKind kind = TilePictureKind::kNone;  ///< which table holds the picture
    int32_t number = 0;  ///< picture number 101..788, digit 1..9 or letter 1..37
};

// The picture of a tile with drawing code `code` in TileState `state`
// (0 free, 1 locked, 2 occupied, 3 route candidate, 4 start of the candidates).
// Track codes in a state outside 0..4 draw nothing.
TilePicture PictureForTile(int32_t code, int32_t state);

// The picture a station thumbnail draws for a code: the tile as it looks when free.
TilePicture ThumbnailPicture(int32_t code);

// The picture number the entries window shows for a line of a StationPoint kind:
// 402 entry (kind 1), 412 exit (kind 2), 422 anything else.
int32_t EntryExitPictureNumber(int32_t kind);

// Whether prepared-tile entry `entry` (picture number entry + 100) has a TOR
// resource: numbers whose last digit is 1..8. The others are plain squares.
bool TileEntryHasResource(int32_t entry);

// Whether a picture is made transparent by its own top-left pixel rather than
// by white: the level crossing family 53 (numbers 530..539) keeps its white road.
bool IsKeyedOnOwnCorner(int32_t pictureNumber);

// The name of a numbered resource: the prefix followed by the decimal number
// ("TOR" and 101 give "TOR101").
std::string FormatResourceName(const char* prefix, int32_t n);
