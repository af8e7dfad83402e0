// The thumbnail grid of a station file and its placement in a frame.
#include "ui/station_thumb.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

#include "sources/wide_text.h"
#include "ui/tile_pictures.h"

ThumbGrid gThumbGrid;
std::wstring gThumbPath;

namespace {

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// What a station file was when it was read: its size and time of last
// writing; both empty when there was no file to ask.
struct FileStamp {
    uintmax_t size = 0;
    std::filesystem::file_time_type written{};

    bool operator==(const FileStamp& o) const { return size == o.size && written == o.written; }
};

FileStamp gThumbStamp;  ///< of the file gThumbPath named when it was read

FileStamp StampOf(const std::wstring& path)
{
    std::error_code failed;
    const std::filesystem::path file = FileSystemPath(path);
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(file, failed);
    if (failed) return FileStamp();
    stamp.written = std::filesystem::last_write_time(file, failed);
    return failed ? FileStamp() : stamp;
}

bool ReadGrid(std::istream& in, ThumbGrid& grid)
{
    int32_t header = 0;
    if (!ReadIntFromFile(in, header) || !ReadIntFromFile(in, grid.rows) || !ReadIntFromFile(in, grid.columns))
        return false;
    if (grid.rows < 1 || grid.rows > kThumbMaxSide || grid.columns < 1 || grid.columns > kThumbMaxSide) return false;
    grid.codes.resize(static_cast<size_t>(grid.rows) * static_cast<size_t>(grid.columns));
    for (int32_t& code : grid.codes)
        if (!ReadIntFromFile(in, code)) return false;
    return true;
}

}  // namespace

bool LoadStationThumb(const std::wstring& path)
{
    // The same file unchanged is not read again, also when it failed.
    const FileStamp stamp = StampOf(path);
    if (path == gThumbPath && stamp == gThumbStamp) return gThumbGrid.rows > 0;
    gThumbPath = path;
    gThumbStamp = stamp;
    gThumbGrid = ThumbGrid();
    std::ifstream in(FileSystemPath(path), std::ios::binary);
    ThumbGrid grid;
    if (in && ReadGrid(in, grid)) gThumbGrid = std::move(grid);
    return gThumbGrid.rows > 0;
}

bool ReadIntFromFile(std::istream& in, int32_t& value)
{
    int c = in.get();
    while (c != EOF && !IsDigit(c) && c != '-' && c != '+') c = in.get();
    if (c == EOF) return false;
    int64_t sign = 1;
    if (c == '-' || c == '+') {
        sign = c == '-' ? -1 : 1;
        c = in.get();
        if (!IsDigit(c)) return false;
    }
    int64_t number = 0;
    for (; IsDigit(c); c = in.get()) {
        number = number * 10 + (c - '0');
        if (number > std::numeric_limits<int32_t>::max()) return false;
    }
    value = static_cast<int32_t>(sign * number);
    return true;
}

ThumbPlacement PlaceThumb(int32_t width, int32_t height, int32_t rows, int32_t columns)
{
    ThumbPlacement placement;
    if (rows <= 0 || columns <= 0 || width <= 0 || height <= 0) return placement;
    const double naturalWidth = static_cast<double>(columns) * kTileSize;
    const double naturalHeight = static_cast<double>(rows) * kTileSize;
    placement.scale = std::min(width / naturalWidth, height / naturalHeight);
    if (!(placement.scale > 0)) return placement;
    placement.drawn = true;
    placement.originX = static_cast<int32_t>((width - naturalWidth * placement.scale) / 2);
    placement.originY = static_cast<int32_t>((height - naturalHeight * placement.scale) / 2);
    placement.cell = std::max(1, static_cast<int32_t>(kTileSize * placement.scale + 0.5));
    return placement;
}

int32_t ThumbCellX(const ThumbPlacement& placement, int32_t column)
{
    return placement.originX + static_cast<int32_t>(column * kTileSize * placement.scale);
}

int32_t ThumbCellY(const ThumbPlacement& placement, int32_t row)
{
    return placement.originY + static_cast<int32_t>(row * kTileSize * placement.scale);
}
