// The station chooser's thumbnail: the tile codes of one station file, read
// from its grid, and where each tile goes when drawn into a frame.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

constexpr int32_t kThumbMaxSide = 500;  ///< rows and columns each 1..500

struct ThumbGrid {
    int32_t rows = 0;             ///< 0: empty
    int32_t columns = 0;          ///< tiles per row
    std::vector<int32_t> codes;   ///< rows x columns drawing codes, row by row
};

extern ThumbGrid gThumbGrid;
extern std::wstring gThumbPath;  // the station file gThumbGrid shows (or failed to read)

// Reads the station file's grid into gThumbGrid unless path is the one read
// last and the file has kept its size and time of last writing since; a
// missing, damaged or oversized file leaves it empty. True when the grid has
// rows.
bool LoadStationThumb(const std::wstring& path);

// The next integer of the stream: skips to a digit or sign, takes the sign and
// the digits and consumes the character after them. False at the end, at a
// sign without digits, or for a number beyond 32 bits.
bool ReadIntFromFile(std::istream& in, int32_t& value);

// Where the grid is drawn in a frame of width x height pixels: scaled to fit
// whole, centred.
struct ThumbPlacement {
    bool drawn = false;   ///< false: the frame shows its background only
    double scale = 0;     ///< pixels per tile pixel
    int32_t originX = 0;  ///< left of the picture, from the frame's left
    int32_t originY = 0;  ///< top of the picture, from the frame's top
    int32_t cell = 1;     ///< side of one tile in pixels, at least 1
};

ThumbPlacement PlaceThumb(int32_t width, int32_t height, int32_t rows, int32_t columns);

// Left and top of tile (row, column) in the frame.
int32_t ThumbCellX(const ThumbPlacement& placement, int32_t column);
int32_t ThumbCellY(const ThumbPlacement& placement, int32_t row);
