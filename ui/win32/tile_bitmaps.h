// The station schematic's pictures from the program's resources: the 690
// track tiles composed over the station colour, the digit and letter markers
// and the two signals. They live from the main window's creation to its
// destruction; a missing one is null and draws as nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/tile_canvas.h"
#include "ui/tile_pictures.h"

// LoadBitmapA of prefix + n from the program's resources; null when missing.
HBITMAP LoadNamedBitmap(const char* prefix, int32_t n);

// Frees the tiles and takes the [Kolor] Schemat_stacji colour for the tiles
// made from now on: entry i (picture number i + 100), when first asked for, is
// a 14 x 14 bitmap compatible with the screen in that colour with TOR<n> drawn
// over it: keyed on white, or for family 53 on its own top-left pixel. Again
// after the station colour changes; a tile or the generation asked for after
// a change of the colour that was not followed by a load loads them so.
void LoadTileBitmaps();
void FreeTileBitmaps();
void LoadMarkerBitmaps();  // NR1..NR9, L1..L37 as they are, each read when first asked for
void FreeMarkerBitmaps();
void LoadSignalBitmaps();  // SEMAFOR_DOL, SEMAFOR_GORA
void FreeSignalBitmaps();

int32_t TileBitmapsGeneration();          // changes with every load and free
HBITMAP TileBitmap(int32_t entry);        // prepared tile 0..689; null outside
HBITMAP EntryNumberBitmap(int32_t n);     // NR1..NR9; null outside
HBITMAP LetterBitmap(int32_t n);          // L1..L37; null outside
HBITMAP SignalDownBitmap();               // SEMAFOR_DOL
HBITMAP SignalUpBitmap();                 // SEMAFOR_GORA

// The bitmap of a tile picture (PictureForTile): the prepared tile of a track
// picture number, or the marker; null for none.
HBITMAP PictureBitmap(const TilePicture& picture);
// Its top-left 14 x 14 pixels, read when it was loaded; null for none.
const TilePixels* PicturePixels(const TilePicture& picture);
