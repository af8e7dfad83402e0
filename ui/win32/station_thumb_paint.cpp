// The thumbnail drawn from the station view's prepared tiles and markers.
#include "ui/win32/station_thumb_paint.h"

#include "ui/settings.h"
#include "ui/station_thumb.h"
#include "ui/tile_pictures.h"
#include "ui/win32/drawing.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/tile_bitmaps.h"

void DrawStationThumb(HDC dc, const RECT& rect)
{
    FillSolid(dc, rect, static_cast<COLORREF>(gSettings.schematStacji));
    const ThumbPlacement placement =
        PlaceThumb(rect.right - rect.left, rect.bottom - rect.top, gThumbGrid.rows, gThumbGrid.columns);
    if (!placement.drawn) return;

    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    ScopedMemoryDC memory(dc);
    for (int32_t row = 0; row < gThumbGrid.rows; ++row) {
        for (int32_t column = 0; column < gThumbGrid.columns; ++column) {
            const int32_t code = gThumbGrid.codes[static_cast<size_t>(row) * gThumbGrid.columns + column];
            HBITMAP bitmap = PictureBitmap(ThumbnailPicture(code));
            if (!bitmap) continue;
            HGDIOBJ previous = SelectObject(memory.Get(), bitmap);
            StretchBlt(dc, rect.left + ThumbCellX(placement, column), rect.top + ThumbCellY(placement, row),
                       placement.cell, placement.cell, memory.Get(), 0, 0, kTileSize, kTileSize, SRCCOPY);
            SelectObject(memory.Get(), previous);
        }
    }
    SetStretchBltMode(dc, previousMode);
}
