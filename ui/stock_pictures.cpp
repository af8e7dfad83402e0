// Rolling-stock pictures: types, files, partner names, the mirror-image test
// and the vehicle strip.
#include "ui/stock_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "model/game.h"
#include "simulation/pantographs.h"

namespace {

constexpr int32_t kMaxPartnerNumber = 999999999;  // keeps n + 1 and its text in range
constexpr int32_t kChannelTolerance = 90;         // summed |db| + |dg| + |dr| that still counts as equal
constexpr int32_t kDifferingPercent = 8;          // this share of differing pixels or more: no mirror
constexpr int32_t kMaxSide = 1 << 16;              // larger pictures are refused, strides stay in range

constexpr int32_t kMaxCompositionCount = 99;      // vehicles of one pair, as the timetable reader allows

// Bitmap file layout.
constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kCoreHeaderBytes = 12;           // BITMAPCOREHEADER
constexpr size_t kInfoHeaderBytes = 40;           // BITMAPINFOHEADER
constexpr size_t kLargestHeaderBytes = 124;       // BITMAPV5HEADER
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasPixels(const Pixels24& p)
{
    if (p.width < 1 || p.height < 1 || p.width > kMaxSide || p.height > kMaxSide)
        return false;
    return p.bytes.size() >= static_cast<size_t>(p.height) * static_cast<size_t>(Stride24(p.width));
}

}  // namespace

int32_t Stride24(int32_t width)
{
    return (3 * width + 3) / 4 * 4;
}

std::string PartnerBitmapName(const char* name)
{
    if (name == nullptr)
        return {};
    const size_t length = std::strlen(name);
    size_t digitsAt = length;
    while (digitsAt > 0 && IsDigit(name[digitsAt - 1]))
        --digitsAt;
    // digitsAt - 1 is the last character that is not a digit
    if (digitsAt == 0 || digitsAt == length || name[digitsAt - 1] != '_')
        return {};
    int64_t n = 0;
    for (size_t i = digitsAt; i < length; ++i) {
        n = n * 10 + (name[i] - '0');
        if (n > kMaxPartnerNumber)
            return {};
    }
    if (n < 1)
        return {};
    const int64_t m = n % 2 == 1 ? n + 1 : n - 1;
    std::string digits = std::to_string(m);
    const size_t width = length - digitsAt;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return std::string(name, digitsAt) + digits;
}

bool IsMirrorImage(const Pixels24& a, const Pixels24& b)
{
    if (!HasPixels(a) || !HasPixels(b) || a.width != b.width || a.height != b.height)
        return false;
    const int32_t stride = Stride24(a.width);
    int64_t differing = 0;
    for (int32_t y = 0; y < a.height; ++y) {
        const uint8_t* rowA = a.bytes.data() + static_cast<size_t>(y) * stride;
        const uint8_t* rowB = b.bytes.data() + static_cast<size_t>(y) * stride;
        for (int32_t x = 0; x < a.width; ++x) {
            const uint8_t* pa = rowA + 3 * x;
            const uint8_t* pb = rowB + 3 * (a.width - 1 - x);
            int32_t d = 0;
            for (int c = 0; c < 3; ++c)
                d += std::abs(pa[c] - pb[c]);
            if (d > kChannelTolerance)
                ++differing;
        }
    }
    return differing * 100 < static_cast<int64_t>(a.width) * a.height * kDifferingPercent;
}

bool IsPictureType(int32_t type)
{
    return type >= 1 && type <= kLastPictureType;
}

int32_t LastLoadedType(int32_t typeCount)
{
    return std::clamp(typeCount, 0, kLastPictureType);
}

std::string PictureName(const PictureNameTable& names, int32_t type)
{
    if (!IsPictureType(type)) return {};
    const auto& entry = names[static_cast<size_t>(type)];
    const char* end = static_cast<const char*>(std::memchr(entry.data(), 0, entry.size()));
    // A full entry without its end mark keeps the 49 characters a name may have.
    const size_t length = end ? static_cast<size_t>(end - entry.data()) : entry.size() - 1;
    return std::string(entry.data(), length);
}

std::string StockFolder(const std::string& gameFolder)
{
    return gameFolder + "\\Tabor\\";
}

bool IsPlainPictureName(const std::string& name)
{
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos;
}

namespace {

uint32_t Read16(const uint8_t* p) { return p[0] | (p[1] << 8); }

uint32_t Read32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

bool IsBitCount(uint32_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool IsUsableBitmapHead(const uint8_t* head, size_t headSize, uint64_t fileSize)
{
    if (head == nullptr || headSize < kFileHeaderBytes + 4 || headSize > fileSize) return false;
    if (head[0] != 'B' || head[1] != 'M') return false;
    const uint64_t pixelsAt = Read32(head + 10);
    const size_t infoSize = Read32(head + kFileHeaderBytes);
    const bool core = infoSize == kCoreHeaderBytes;
    if (!core && (infoSize < kInfoHeaderBytes || infoSize > kLargestHeaderBytes)) return false;
    if (headSize < kFileHeaderBytes + infoSize) return false;
    const uint8_t* info = head + kFileHeaderBytes;

    int64_t width, height;
    uint32_t planes, bits, compression = kRgb, coloursUsed = 0;
    if (core) {
        width = Read16(info + 4);
        height = Read16(info + 6);
        planes = Read16(info + 8);
        bits = Read16(info + 10);
    } else {
        width = static_cast<int32_t>(Read32(info + 4));
        height = static_cast<int32_t>(Read32(info + 8));
        planes = Read16(info + 12);
        bits = Read16(info + 14);
        compression = Read32(info + 16);
        coloursUsed = Read32(info + 32);
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (planes != 1 || !IsBitCount(bits)) return false;
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > kMaxPicturePixels)
        return false;

    const bool runLength = compression == kRle8 || compression == kRle4;
    if (compression == kRle8 && bits != 8) return false;
    if (compression == kRle4 && bits != 4) return false;
    if (compression == kBitFields && bits != 16 && bits != 32) return false;
    if (compression > kBitFields || (runLength && topDown)) return false;

    // The palette (and the three masks of bit fields behind a plain info
    // header) follow the info header and come before the pixels.
    if (coloursUsed > 256) return false;
    uint64_t colours = coloursUsed != 0 ? coloursUsed : bits <= 8 ? (1u << bits) : 0;
    if (bits <= 8) colours = std::min<uint64_t>(colours, 1u << bits);
    uint64_t tables = colours * (core ? 3 : 4);
    if (compression == kBitFields && infoSize == kInfoHeaderBytes) tables += 12;
    const uint64_t tablesEnd = kFileHeaderBytes + infoSize + tables;
    if (tablesEnd > fileSize || pixelsAt < kFileHeaderBytes + infoSize || pixelsAt >= fileSize) return false;
    if (runLength) return true;
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    return pixelsAt + stride * static_cast<uint64_t>(height) <= fileSize;
}

bool IsUsableBitmapFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size <= 0) return false;
    std::vector<uint8_t> head(static_cast<size_t>(std::min<std::streamoff>(size, kBitmapHeadBytes)));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()))) return false;
    return IsUsableBitmapHead(head.data(), head.size(), static_cast<uint64_t>(size));
}

StripVehicles VehiclesOfSlot(Game& game, int32_t point, int32_t slot, bool wholeConsists)
{
    StripVehicles strip;
    strip.mirrored = game.SlotTurned(point, slot) != 0;
    if (!IsRearPantographRaised(game, point, slot)) strip.mirrored = !strip.mirrored;
    if (wholeConsists && game.HasCompositions() && game.SlotKind(point, slot) < kKindElectricLoco) {
        const Composition list = game.timetable.CompositionCopy(game.SlotTrain(point, slot));
        for (size_t i = 0; i + 1 < list.size() && list[i] > 0; i += 2)
            strip.types.insert(strip.types.end(), static_cast<size_t>(std::min(list[i], kMaxCompositionCount)),
                               list[i + 1]);
        return strip;
    }
    VehicleSlot* vehicle = game.SlotAt(point, slot);
    strip.types.push_back(vehicle ? vehicle->Type() : 0);
    return strip;
}

namespace {

// x truncated toward zero, kept inside the int range (0 for no number).
int32_t Truncate(double x)
{
    if (std::isnan(x)) return 0;
    return static_cast<int32_t>(std::clamp(x, -2e9, 2e9));
}

}  // namespace

SpritePlace PlaceSprite(int32_t runningX, int32_t y, int32_t width, int32_t height, int32_t xOffset, double scale)
{
    SpritePlace place;
    place.x = Truncate(runningX * scale) - xOffset;
    place.y = Truncate(y * scale);
    place.width = Truncate(width * scale);
    place.height = Truncate(height * scale);
    return place;
}
