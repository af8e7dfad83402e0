// Rolling-stock pictures: loading, reversing, caching and the vehicle strip.
#include "ui/win32/vehicle_pictures.h"

#include <array>
#include <map>
#include <optional>

#include "model/game.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/win32/drawing.h"
#include "ui/win32/gdi_scoped.h"

namespace {

ScopedBitmap gVehicleBitmaps[kVehicleTypeSlots];  // entry k: type k; entry 0 unused
std::map<int32_t, ScopedBitmap> gMirroredBitmaps;  // type -> reversed picture, null when it failed

}  // namespace

HBITMAP LoadPictureFile(const std::string& path)
{
    if (!IsUsableBitmapFile(path)) return nullptr;
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool LoadRollingStockBitmaps(std::string& failedName)
{
    Game& game = TheGame();
    const std::string folder = StockFolder(gGameFolder);
    const int32_t last = LastLoadedType(game.VehicleTypeCount());
    std::array<ScopedBitmap, kVehicleTypeSlots> loaded;
    for (int32_t type = 1; type <= last; ++type) {
        const std::string name = PictureName(game.pictureNames, type);
        if (IsPlainPictureName(name)) loaded[type].Reset(LoadPictureFile(folder + name + ".bmp"));
        if (!loaded[type]) {
            failedName = name;
            return false;
        }
    }
    FreeRollingStockBitmaps();
    for (int32_t type = 1; type <= last; ++type) gVehicleBitmaps[type] = std::move(loaded[type]);
    return true;
}

void FreeRollingStockBitmaps()
{
    ClearMirroredBitmapCache();
    for (ScopedBitmap& picture : gVehicleBitmaps) picture.Reset();
}

void ClearMirroredBitmapCache()
{
    gMirroredBitmaps.clear();
}

HBITMAP GetVehicleBitmap(int32_t type, bool mirrored)
{
    if (!IsPictureType(type)) return nullptr;
    if (mirrored) {
        if (HBITMAP reversed = GetMirroredVehicleBitmap(type)) return reversed;
    }
    return gVehicleBitmaps[type].Get();
}

HBITMAP GetMirroredVehicleBitmap(int32_t type)
{
    if (!IsPictureType(type) || !gVehicleBitmaps[type]) return nullptr;
    auto cached = gMirroredBitmaps.find(type);
    if (cached != gMirroredBitmaps.end()) return cached->second.Get();
    const std::string name = PictureName(TheGame().pictureNames, type);
    HBITMAP reversed = LoadReversedBitmap(StockFolder(gGameFolder), name.c_str(), gVehicleBitmaps[type].Get());
    gMirroredBitmaps.emplace(type, ScopedBitmap(reversed));
    return reversed;
}

HBITMAP LoadReversedBitmap(const std::string& folder, const char* name, HBITMAP bitmap, bool* fromPartner)
{
    if (fromPartner) *fromPartner = false;
    if (!bitmap) return nullptr;
    const std::string partner = PartnerBitmapName(name);
    if (!partner.empty() && !folder.empty()) {
        ScopedBitmap loaded(LoadPictureFile(folder + partner + ".bmp"));
        if (loaded && IsMirrorImage(bitmap, loaded.Get())) {
            if (fromPartner) *fromPartner = true;
            return loaded.Release();
        }
    }
    return MirrorBitmap(bitmap);
}

bool ReadBitmapPixels24(HBITMAP bitmap, Pixels24& pixels)
{
    const SIZE size = BitmapSize(bitmap);
    if (size.cx < 1 || size.cy < 1 || size.cx > kMaxPictureSide || size.cy > kMaxPictureSide) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.width = size.cx;
    pixels.height = size.cy;
    pixels.bytes.assign(static_cast<size_t>(size.cy) * static_cast<size_t>(Stride24(size.cx)), 0);
    ScopedWindowDC screen(nullptr);
    return GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.bytes.data(), &info,
                     DIB_RGB_COLORS) == size.cy;
}

bool IsMirrorImage(HBITMAP a, HBITMAP b)
{
    Pixels24 pixelsA, pixelsB;
    return ReadBitmapPixels24(a, pixelsA) && ReadBitmapPixels24(b, pixelsB) && IsMirrorImage(pixelsA, pixelsB);
}

HBITMAP MirrorBitmap(HBITMAP bitmap)
{
    const SIZE size = BitmapSize(bitmap);
    if (size.cx < 1 || size.cy < 1) return nullptr;
    ScopedWindowDC screen(nullptr);
    ScopedBitmap mirrored(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    if (!mirrored) return nullptr;
    {
        ScopedMemoryDC from(screen.Get()), to(screen.Get());
        ScopedSelect selectFrom(from.Get(), bitmap), selectTo(to.Get(), mirrored.Get());
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        // A negative width from the last column flips the rows.
        if (!StretchBlt(to.Get(), size.cx - 1, 0, -size.cx, size.cy, from.Get(), 0, 0, size.cx, size.cy, SRCCOPY))
            return nullptr;
    }
    return mirrored.Release();
}

int DrawVehicleStrip(HDC dc, int32_t point, int32_t slot, int32_t x, int32_t y, bool transparent, int32_t xOffset,
                     double scale)
{
    return DrawStripVehicles(dc, VehiclesOfSlot(TheGame(), point, slot, gSettings.caleSklady), x, y, transparent,
                             xOffset, scale);
}

int DrawStripVehicles(HDC dc, const StripVehicles& strip, int32_t x, int32_t y, bool transparent, int32_t xOffset,
                      double scale)
{
    const bool draw = dc && scale > 0;
    if (draw) SetStretchModeForScale(dc, scale);
    std::optional<ScopedMemoryDC> memory;
    if (draw) memory.emplace(dc);
    int32_t runningX = x;
    for (int32_t type : strip.types) {
        HBITMAP picture = GetVehicleBitmap(type, strip.mirrored);
        const SIZE size = BitmapSize(picture);
        if (size.cx < 1 || size.cy < 1) continue;
        const SpritePlace place = PlaceSprite(runningX, y, size.cx, size.cy, xOffset, scale);
        if (draw && place.width > 0 && place.height > 0) {
            ScopedSelect select(memory->Get(), picture);
            if (transparent)
                TransparentBlt(dc, place.x, place.y, place.width, place.height, memory->Get(), 0, 0, size.cx,
                               size.cy, kTransparentWhite);
            else
                StretchBlt(dc, place.x, place.y, place.width, place.height, memory->Get(), 0, 0, size.cx, size.cy,
                           SRCCOPY);
        }
        runningX += size.cx;
    }
    return runningX - x;
}
