// Track tiles, markers and signals from the program's resources.
#include "ui/win32/tile_bitmaps.h"

#include <algorithm>
#include <iterator>

#include "ui/settings.h"
#include "ui/win32/drawing.h"
#include "ui/win32/gdi_scoped.h"

namespace {

// A picture of the schematic and its pixels for composing in memory.
struct TileImage {
    ScopedBitmap bitmap;  ///< null when missing
    TilePixels pixels;    ///< its top-left 14 x 14 pixels; meaningless without the bitmap
};

// The track tiles are made on first use: a station draws a few dozen of the
// 690, and making all of them was most of the program's start.
TileImage gTileBitmaps[kTileEntryCount];
bool gTileMade[kTileEntryCount] = {};  ///< the entry has been made since the last load
bool gTilesLoaded = false;             ///< between LoadTileBitmaps and FreeTileBitmaps
COLORREF gTileColour = 0;              ///< the station colour of the last load
int32_t gTileGeneration = 0;           ///< loads and frees so far
// The markers too are read on first use: a station shows a few of the 46.
struct MarkerTable {
    const char* prefix;                       ///< of the resource names
    TileImage images[kLetterMarkerCount + 1];  ///< from 1
    bool read[kLetterMarkerCount + 1];        ///< the entry has been read since the last load
    int32_t count;                            ///< markers 1..count
};
MarkerTable gEntryNumbers = {"NR", {}, {}, kDigitMarkerCount};
MarkerTable gLetters = {"L", {}, {}, kLetterMarkerCount};
bool gMarkersLoaded = false;  ///< between LoadMarkerBitmaps and FreeMarkerBitmaps
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

// Reads a bitmap's top-left 14 x 14 pixels through a 32-bit top-down section.
class PixelReader {
public:
    PixelReader()
        : memory_(nullptr), source_(nullptr), bits_(nullptr), section_(CreatePixelBuffer(kTileSize, kTileSize, bits_))
    {
        previous_ = section_ ? SelectObject(memory_.Get(), section_.Get()) : nullptr;
    }
    ~PixelReader()
    {
        if (previous_) SelectObject(memory_.Get(), previous_);
    }
    PixelReader(const PixelReader&) = delete;
    PixelReader& operator=(const PixelReader&) = delete;

    void Read(TileImage& image)
    {
        if (!image.bitmap || !bits_) return;
        {
            ScopedSelect select(source_.Get(), image.bitmap.Get());
            BitBlt(memory_.Get(), 0, 0, kTileSize, kTileSize, source_.Get(), 0, 0, SRCCOPY);
        }
        GdiFlush();
        std::copy(bits_, bits_ + kTileSize * kTileSize, image.pixels.pixels.begin());
    }

private:
    ScopedMemoryDC memory_;        ///< holds the section
    ScopedMemoryDC source_;        ///< holds the bitmap read
    CanvasPixel* bits_ = nullptr;  ///< the section's pixels; set as the section is made, so declared first
    ScopedBitmap section_;         ///< 14 x 14, 32 bits
    HGDIOBJ previous_ = nullptr;   ///< the memory context's own bitmap
};

void Load(TileImage& image, HBITMAP bitmap, PixelReader& reader)
{
    image.bitmap.Reset(bitmap);
    reader.Read(image);
}

template <size_t N>
const TileImage* Entry(const TileImage (&table)[N], int32_t i)
{
    return i >= 0 && static_cast<size_t>(i) < N && table[i].bitmap ? &table[i] : nullptr;
}

HBITMAP BitmapOf(const TileImage* image) { return image ? image->bitmap.Get() : nullptr; }

// The tiles are made over the station colour: whichever way the colour
// changed, the tiles made over another one are dropped (a new generation).
void FollowStationColour()
{
    if (gTilesLoaded && gTileColour != static_cast<COLORREF>(gSettings.schematStacji)) LoadTileBitmaps();
}

// Track tile `entry`, made now when it is asked for the first time since the load.
const TileImage* TrackTile(int32_t entry)
{
    FollowStationColour();
    if (!gTilesLoaded || entry < 0 || entry >= kTileEntryCount) return nullptr;
    if (!gTileMade[entry]) {
        gTileMade[entry] = true;
        ScopedWindowDC screen(nullptr);
        TileComposer composer(screen.Get(), gTileColour);
        PixelReader reader;
        Load(gTileBitmaps[entry], composer.Compose(entry), reader);
    }
    return Entry(gTileBitmaps, entry);
}

// Marker n of a table, read now when it is asked for the first time since the load.
const TileImage* Marker(MarkerTable& table, int32_t n)
{
    if (!gMarkersLoaded || n < 1 || n > table.count) return nullptr;
    if (!table.read[n]) {
        table.read[n] = true;
        PixelReader reader;
        Load(table.images[n], LoadNamedBitmap(table.prefix, n), reader);
    }
    return Entry(table.images, n);
}

void FreeMarkers(MarkerTable& table)
{
    for (TileImage& marker : table.images) marker.bitmap.Reset();
    std::fill(std::begin(table.read), std::end(table.read), false);
}

const TileImage* PictureImage(const TilePicture& picture)
{
    switch (picture.kind) {
    case TilePictureKind::kTrack: return TrackTile(picture.number - kFirstTileNumber);
    case TilePictureKind::kDigit: return Marker(gEntryNumbers, picture.number);
    case TilePictureKind::kLetter: return Marker(gLetters, picture.number);
    default: return nullptr;
    }
}

}  // namespace

HBITMAP LoadNamedBitmap(const char* prefix, int32_t n)
{
    return LoadBitmapA(GetModuleHandleA(nullptr), FormatResourceName(prefix, n).c_str());
}

void LoadTileBitmaps()
{
    FreeTileBitmaps();
    gTileColour = static_cast<COLORREF>(gSettings.schematStacji);
    gTilesLoaded = true;
    ++gTileGeneration;
}

void FreeTileBitmaps()
{
    for (TileImage& tile : gTileBitmaps) tile.bitmap.Reset();
    std::fill(std::begin(gTileMade), std::end(gTileMade), false);
    gTilesLoaded = false;
    ++gTileGeneration;
}

void LoadMarkerBitmaps()
{
    FreeMarkerBitmaps();
    gMarkersLoaded = true;
}

void FreeMarkerBitmaps()
{
    FreeMarkers(gEntryNumbers);
    FreeMarkers(gLetters);
    gMarkersLoaded = false;
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

int32_t TileBitmapsGeneration()
{
    FollowStationColour();
    return gTileGeneration;
}

HBITMAP TileBitmap(int32_t entry) { return BitmapOf(TrackTile(entry)); }
HBITMAP EntryNumberBitmap(int32_t n) { return BitmapOf(Marker(gEntryNumbers, n)); }
HBITMAP LetterBitmap(int32_t n) { return BitmapOf(Marker(gLetters, n)); }
HBITMAP SignalDownBitmap() { return gSignalDownBitmap.Get(); }
HBITMAP SignalUpBitmap() { return gSignalUpBitmap.Get(); }

HBITMAP PictureBitmap(const TilePicture& picture) { return BitmapOf(PictureImage(picture)); }

const TilePixels* PicturePixels(const TilePicture& picture)
{
    const TileImage* image = PictureImage(picture);
    return image ? &image->pixels : nullptr;
}
