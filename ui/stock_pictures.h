// Rolling-stock pictures without windows: which types have pictures, where
// their files are and whether a file is a bitmap worth handing to Windows, the
// reversed partner's picture name, the mirror test on plain pixel buffers, and
// what a slot's vehicle strip shows and where each picture of it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/timetable.h"

class Game;

// Types 1..kLastPictureType have pictures; entry 0 of the tables is never used.
constexpr int32_t kLastPictureType = kVehicleTypeSlots - 1;

bool IsPictureType(int32_t type);  // 1..kLastPictureType

// The last type whose picture a game with `typeCount` types loads: the count
// cut to the table, whatever a timetable or a save declares (0 for none).
int32_t LastLoadedType(int32_t typeCount);

// The picture name of a type (at most 49 characters, even when the table
// entry lacks its end mark); empty outside 1..kLastPictureType.
std::string PictureName(const PictureNameTable& names, int32_t type);

// The folder of the pictures: gameFolder + "\Tabor\".
std::string StockFolder(const std::string& gameFolder);

// Whether a picture name names a file in that folder and nowhere else: not
// empty, without "\", "/" or ":" (a timetable may not send the program to
// another folder, a drive or a network share).
bool IsPlainPictureName(const std::string& name);

// Largest picture the program loads: a side of kMaxPictureSide pixels and
// kMaxPicturePixels in all. Vehicles are 40 pixels high and a few hundred wide.
constexpr int32_t kMaxPictureSide = 4096;
constexpr int64_t kMaxPicturePixels = 4096 * 1024;

// Bytes of a bitmap file's head that the check reads: the file header, the
// largest info header and a palette of 256 colours.
constexpr size_t kBitmapHeadBytes = 14 + 124 + 256 * 4;

// Whether a ".bmp" file is one Windows may read: its head (`head`, the first
// up to kBitmapHeadBytes bytes of a file of fileSize bytes) describes a
// picture within the limits above, in a format Windows reads (1, 4, 8, 16, 24
// or 32 bits, uncompressed, bit fields or run-length), with its palette and
// pixels inside the file.
bool IsUsableBitmapHead(const uint8_t* head, size_t headSize, uint64_t fileSize);
bool IsUsableBitmapFile(const std::string& path);  // false when it cannot be read

// A picture as 24-bit pixels: rows top to bottom, blue-green-red bytes, each
// row padded to a multiple of 4 bytes (the layout GetDIBits gives).
struct Pixels24 {
    int32_t width = 0;            ///< pixels per row
    int32_t height = 0;           ///< rows
    std::vector<uint8_t> bytes;   ///< height * Stride24(width) bytes
};

// Bytes per row of a 24-bit picture of this width.
int32_t Stride24(int32_t width);

// The partner picture name of a name ending in "_" and a number: an odd number
// n pairs with n + 1, an even one with n - 1, zero-padded to as many digits as
// the name had ("EU07_1" <-> "EU07_2", "x_09" <-> "x_10"). Empty when the name
// has no such ending, the number is below 1 or too large to pair.
std::string PartnerBitmapName(const char* name);

// Whether b is a mirror image of a: same size, and fewer than 8 % of the pixels
// of a differ from b's pixel at (width - 1 - x, y) by more than 90 in the sum of
// their channel differences. False for an empty or short buffer.
bool IsMirrorImage(const Pixels24& a, const Pixels24& b);

// What the strip of one slot shows: the vehicle types from left to right, and
// whether they face the other way.
struct StripVehicles {
    bool mirrored = false;       ///< drawn reversed
    std::vector<int32_t> types;  ///< vehicle types in drawing order; any value, checked when drawn
};

// The strip of slot `slot` of point (slot-grid row) `point`: reversed when the
// vehicle was turned on the turntable, and once more when its rear pantograph
// is down. With wholeConsists, a vehicle that carries a train (kind below 3)
// of a timetable with compositions shows its train's composition, each
// (count, type) pair count times; otherwise the slot's own vehicle type.
StripVehicles VehiclesOfSlot(Game& game, int32_t point, int32_t slot, bool wholeConsists);

// Where a picture of width x height picture pixels, at runningX in a strip at
// y, lands at `scale`, with the strip scrolled by xOffset pane pixels: each
// coordinate and size scaled and truncated toward zero.
struct SpritePlace {
    int32_t x = 0;       ///< left, in pane pixels
    int32_t y = 0;       ///< top
    int32_t width = 0;   ///< drawn width
    int32_t height = 0;  ///< drawn height
};
SpritePlace PlaceSprite(int32_t runningX, int32_t y, int32_t width, int32_t height, int32_t xOffset, double scale);
