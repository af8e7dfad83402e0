// The main window's graphics: made at creation, freed at destruction.
#include "ui/win32/graphics.h"

#include "ui/layout.h"
#include "ui/win32/fonts.h"
#include "ui/win32/game_files.h"
#include "ui/win32/tile_bitmaps.h"
#include "ui/win32/vehicle_pictures.h"

void LoadGraphics(HWND)
{
    LoadTileBitmaps();
    LoadMarkerBitmaps();
    CreateFonts(gUiScale);
    LoadSignalBitmaps();
}

void FreeGraphics()
{
    FreeTileBitmaps();
    FreeMarkerBitmaps();
    FreeRollingStockBitmaps();
    FreeStationBackground();
    DeleteFonts();
    FreeSignalBitmaps();
}
