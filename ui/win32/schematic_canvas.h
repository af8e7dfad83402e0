// The station schematic composed in memory: the region's tiles at 1:1 over
// the station colour and the background picture, and the same reduced to the
// pane. Both pixel buffers are kept from paint to paint, so that when only
// tiles have changed (a train moving on, a route set) only those tiles are
// composed again and only the rows of the reduced picture they fall in,
// also when paints in between showed the schematic enlarged.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "model/game.h"
#include "ui/station_view.h"
#include "ui/tile_canvas.h"
#include "ui/win32/gdi_scoped.h"
#include "ui/win32/station_view_paint.h"

// Everything the composed schematic is made from besides the tile pictures.
struct SchematicSource {
    ViewRegion region;
    int64_t colour = 0;          ///< the station colour, 0x00BBGGRR
    StationBackground background;  ///< drawn under the tiles
    int32_t tilePictures = 0;    ///< TileBitmapsGeneration
    std::vector<int32_t> tiles;  ///< code and state of every tile of the region, row by row

    bool operator==(const SchematicSource& o) const;
    bool SameButTiles(const SchematicSource& o) const;
};

// The source of the game's schematic now.
SchematicSource SchematicSourceNow(Game& game, const ViewRegion& region, int64_t colour,
                                   const StationBackground& background);

class SchematicCanvas {
public:
    SchematicCanvas() = default;
    ~SchematicCanvas();
    SchematicCanvas(const SchematicCanvas&) = delete;
    SchematicCanvas& operator=(const SchematicCanvas&) = delete;

    // The schematic of `source` onto dc where `place` puts it: reduced by
    // averaging when the pane shows it smaller, else stretched. False when
    // there was no memory for its pixels and nothing was drawn.
    bool Draw(HDC dc, const SchematicSource& source, const ViewPlacement& place);

private:
    bool MakeComposed(HDC like, int width, int height);
    void PutTileAt(const SchematicSource& source, size_t at, int x, int y);
    void ComposeAll(const SchematicSource& source);
    void ComposeTile(const SchematicSource& source, int row, int col);
    bool DrawReduced(HDC dc, const ViewPlacement& place);

    std::unique_ptr<ScopedMemoryDC> composedDc_;
    ScopedBitmap composedBitmap_;
    HGDIOBJ composedPrevious_ = nullptr;  ///< the memory context's own bitmap
    TileCanvas composed_;                 ///< its pixels
    ScopedBitmap reducedBitmap_;
    TileCanvas reduced_;                  ///< its pixels
    KeptReduction reduction_;             ///< what of reduced_ no longer shows composed_
    SchematicSource source_;              ///< what composed_ shows
    bool valid_ = false;                  ///< composed_ shows source_
};
