// Tile pictures: drawing code and TileState to picture number.
#include "ui/tile_pictures.h"

namespace {

constexpr int32_t kLastTileNumber = kFirstTileNumber + kTileEntryCount - 1;  // 789
constexpr int32_t kLevelCrossingFamily = 53;

// Variant (last digit of the picture number) by TileState; -1 draws nothing.
// Locked and occupied tiles look the same with or without catenary; a free
// tile shows which it is.
int32_t VariantFor(int32_t state, bool electrified)
{
    switch (state) {
    case 0: return electrified ? 2 : 7;
    case 1: return 1;
    case 2: return 3;
    case 3: return 1;
    case 4: return 3;
    default: return -1;
    }
}

}  // namespace

TilePicture PictureForTile(int32_t code, int32_t state)
{
    if (code >= 1 && code <= kDigitMarkerCount)
        return {TilePictureKind::kDigit, code};
    if (code <= -1 && code >= -kLetterMarkerCount)
        return {TilePictureKind::kLetter, -code};
    if (code < 10)
        return {};
    const bool electrified = code < 100;
    const int32_t variant = VariantFor(state, electrified);
    if (variant < 0)
        return {};
    const int32_t family = electrified ? code : code / 10;
    if (family > kLastTileNumber / 10)
        return {};
    return {TilePictureKind::kTrack, family * 10 + variant};
}

TilePicture ThumbnailPicture(int32_t code)
{
    return PictureForTile(code, 0);
}

int32_t EntryExitPictureNumber(int32_t kind)
{
    return kind == 1 ? 402 : kind == 2 ? 412 : 422;
}

bool TileEntryHasResource(int32_t entry)
{
    if (entry < 0 || entry >= kTileEntryCount)
        return false;
    const int32_t digit = (entry + kFirstTileNumber) % 10;
    return digit >= 1 && digit <= 8;
}

bool IsKeyedOnOwnCorner(int32_t pictureNumber)
{
    return pictureNumber / 10 == kLevelCrossingFamily;
}

std::string FormatResourceName(const char* prefix, int32_t n)
{
    return std::string(prefix ? prefix : "") + std::to_string(n);
}
