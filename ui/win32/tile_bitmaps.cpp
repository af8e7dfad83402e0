// Track tiles, markers and signals from the program's resources.
#include "ui/win32/tile_bitmaps.h"

#include "ui/settings.h"
#include "ui/win32/drawing.h"
#include "ui/win32/gdi_scoped.h"

namespace {

ScopedBitmap gTileBitmaps[kTileEntryCount];
ScopedBitmap gEntryNumberBitmaps[kDigitMarkerCount + 1];  // from 1
ScopedBitmap gLetterBitmaps[kLetterMarkerCount + 1];      // from 1
ScopedBitmap gSignalDownBitmap;
ScopedBitmap gSignalUpBitmap;

// Makes the prepared tiles, with one pair of memory contexts for all of them.
class TileComposer {
public:
    TileComposer(HDC screen, COLORREF stationColour)
        : screen_(screen), target_(screen), source_(screen), brush_(CreateSolidBrush(stationColour))
    {
    }

    // Entry `entry` over the station colour, with its resource when it has one.
    HBITMAP Compose(int32_t entry)
    {
        ScopedBitmap tile(CreateCompatibleBitmap(screen_, kTileSize, kTileSize));
        if (!tile) return nullptr;
        ScopedSelect selectTile(target_.Get(), tile.Get());
        const RECT all = {0, 0, kTileSize, kTileSize};
        FillRect(target_.Get(), &all, brush_.Get());
        if (!TileEntryHasResource(entry)) return tile.Release();
        const int32_t number = entry + kFirstTileNumber;
        ScopedBitmap source(LoadNamedBitmap("TOR", number));
        if (!source) return tile.Release();
        // The level crossing keeps its white road: its own corner colour is the one left out.
        const COLORREF key = IsKeyedOnOwnCorner(number) ? TopLeftPixel(source.Get()) : kTransparentWhite;
        ScopedSelect selectSource(source_.Get(), source.Get());
        TransparentBlt(target_.Get(), 0, 0, kTileSize, kTileSize, source_.Get(), 0, 0, kTileSize, kTileSize, key);
        return tile.Release();
    }

private:
    HDC screen_;             ///< the tiles are compatible with it
    ScopedMemoryDC target_;  ///< holds the tile being made
    ScopedMemoryDC source_;  ///< holds its resource
    ScopedBrush brush_;      ///< the station colour
};

template <size_t N>
HBITMAP Entry(const ScopedBitmap (&table)[N], int32_t i)
{
    return i >= 0 && static_cast<size_t>(i) < N ? table[i].Get() : nullptr;
}

}  // namespace

HBITMAP LoadNamedBitmap(const char* prefix, int32_t n)
{
    return LoadBitmapA(GetModuleHandleA(nullptr), FormatResourceName(prefix, n).c_str());
}

void LoadTileBitmaps()
{
    FreeTileBitmaps();
    ScopedWindowDC screen(nullptr);
    TileComposer composer(screen.Get(), static_cast<COLORREF>(gSettings.schematStacji));
    for (int32_t i = 0; i < kTileEntryCount; ++i) gTileBitmaps[i].Reset(composer.Compose(i));
}

void FreeTileBitmaps()
{
    for (ScopedBitmap& tile : gTileBitmaps) tile.Reset();
}

void LoadMarkerBitmaps()
{
    for (int32_t n = 1; n <= kDigitMarkerCount; ++n) gEntryNumberBitmaps[n].Reset(LoadNamedBitmap("NR", n));
    for (int32_t n = 1; n <= kLetterMarkerCount; ++n) gLetterBitmaps[n].Reset(LoadNamedBitmap("L", n));
}

void FreeMarkerBitmaps()
{
    for (ScopedBitmap& marker : gEntryNumberBitmaps) marker.Reset();
    for (ScopedBitmap& marker : gLetterBitmaps) marker.Reset();
}

void LoadSignalBitmaps()
{
    gSignalDownBitmap.Reset(LoadBitmapA(GetModuleHandleA(nullptr), "SEMAFOR_DOL"));
    gSignalUpBitmap.Reset(LoadBitmapA(GetModuleHandleA(nullptr), "SEMAFOR_GORA"));
}

void FreeSignalBitmaps()
{
    gSignalDownBitmap.Reset();
    gSignalUpBitmap.Reset();
}

HBITMAP TileBitmap(int32_t entry) { return Entry(gTileBitmaps, entry); }
HBITMAP EntryNumberBitmap(int32_t n) { return n >= 1 ? Entry(gEntryNumberBitmaps, n) : nullptr; }
HBITMAP LetterBitmap(int32_t n) { return n >= 1 ? Entry(gLetterBitmaps, n) : nullptr; }
HBITMAP SignalDownBitmap() { return gSignalDownBitmap.Get(); }
HBITMAP SignalUpBitmap() { return gSignalUpBitmap.Get(); }

HBITMAP PictureBitmap(const TilePicture& picture)
{
    switch (picture.kind) {
    case TilePictureKind::kTrack: return TileBitmap(picture.number - kFirstTileNumber);
    case TilePictureKind::kDigit: return EntryNumberBitmap(picture.number);
    case TilePictureKind::kLetter: return LetterBitmap(picture.number);
    default: return nullptr;
    }
}
