// Rolling-stock pictures of the running game: one bitmap per vehicle type from
// the game folder's "Tabor" folder, each also reversed (the partner file when
// it is the mirror image, else flipped by the program, made on first use and
// cached), and the strip of pictures of the vehicles standing in a slot.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/stock_pictures.h"

// Loads the pictures of types 1 .. Game::VehicleTypeCount (never past type
// 299) of TheGame() from StockFolder (gGameFolder); they replace the old ones
// once all have loaded. Loading stops at the first missing, unreadable or
// damaged file, or name that is not IsPlainPictureName: false, with
// failedName that picture's name, and the old pictures kept. No game starts
// without them.
bool LoadRollingStockBitmaps(std::string& failedName);
void FreeRollingStockBitmaps();   // the cache too; at a new game and at exit
void ClearMirroredBitmapCache();

// The picture of a type, reversed when `mirrored` (the unreversed one when no
// reversed one can be made); null for a type outside 1..299 or without one.
HBITMAP GetVehicleBitmap(int32_t type, bool mirrored);
// The reversed picture of a type, made on first use and cached, also when
// making it failed (null).
HBITMAP GetMirroredVehicleBitmap(int32_t type);

// The reversed picture of `bitmap` named `name` in `folder`: the partner file
// (PartnerBitmapName) when it loads and is its mirror image, else the bitmap
// flipped; null for a null bitmap. fromPartner, when given, tells which.
HBITMAP LoadReversedBitmap(const std::string& folder, const char* name, HBITMAP bitmap, bool* fromPartner = nullptr);

// A ".bmp" file as a bitmap, when IsUsableBitmapFile accepts it; else null.
HBITMAP LoadPictureFile(const std::string& path);

bool ReadBitmapPixels24(HBITMAP bitmap, Pixels24& pixels);  // false for null, empty or unreadable
bool IsMirrorImage(HBITMAP a, HBITMAP b);
HBITMAP MirrorBitmap(HBITMAP bitmap);  // a new bitmap flipped left to right; null when it cannot be read

// Draws the vehicles standing in (point, slot) of TheGame() left to right
// from picture x (VehiclesOfSlot; whole compositions when [Widok] Cale_sklady
// is on) and returns their total width in picture pixels. Each picture lands
// where PlaceSprite puts it at `scale` (> 0; nothing is drawn otherwise),
// keyed on white when `transparent`. A null context only measures; a type
// without a picture adds no width.
int DrawVehicleStrip(HDC dc, int32_t point, int32_t slot, int32_t x, int32_t y, bool transparent, int32_t xOffset,
                     double scale);
// The same for vehicles already chosen: the consist preview shows whole
// compositions whatever [Widok] Cale_sklady says.
int DrawStripVehicles(HDC dc, const StripVehicles& strip, int32_t x, int32_t y, bool transparent, int32_t xOffset,
                      double scale);
