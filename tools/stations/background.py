"""The station background picture: the land the schematic is drawn over when
the player switches [Kolor] Tlo on. One pixel of the picture lies under one
pixel of the tile grid (14 x 14 per tile), so the ground follows the tracks:
ballast under the track tiles, paving under the platforms, a yard around the
depot, a road through every level crossing and a stream under every bridge,
and meadow with trees elsewhere."""

import art_path  # noqa: F401
from imaging import Canvas, bmp_bytes

TILE = 14
MEADOW = (214, 230, 196)
MEADOW_DARK = (207, 225, 190)
BALLAST = (222, 216, 200)
PAVING = (206, 206, 212)
YARD = (196, 192, 186)
ROAD = (170, 170, 166)
ROAD_EDGE = (150, 150, 146)
WATER = (150, 192, 230)
BANK = (120, 160, 120)
TREE = (110, 150, 96)
TREE_DARK = (84, 122, 74)
ROOF = (170, 86, 70)
WALL = (232, 214, 180)

LEVEL_CROSSING = 53
BRIDGE = 78
PLATFORM_FAMILIES = (66, 67, 68, 69)
DEPOT_FAMILIES = (70, 71, 72, 73)


def _tile_rect(canvas, r, c, colour, margin=0):
    x, y = c * TILE, r * TILE
    canvas.rect(x + margin, y + margin, x + TILE - 1 - margin, y + TILE - 1 - margin, colour)


def _columns_of(station, family):
    return sorted({c for (r, c), cell in station.cells.items() if cell.family == family})


def _free(station, r, c):
    return (r, c) not in station.cells


def _near_track(station, r, c, reach):
    return any((r + dr, c + dc) in station.cells
               for dr in range(-reach, reach + 1) for dc in range(-reach, reach + 1))


def _meadow(canvas, station):
    # A faint pattern of fields, one shade per block of tiles.
    for r in range(station.rows):
        for c in range(station.cols):
            if (r // 3 + c // 5) % 2:
                _tile_rect(canvas, r, c, MEADOW_DARK)


def _crossings(canvas, station):
    """A road from the top edge to the bottom edge through each level crossing."""
    for c in _columns_of(station, LEVEL_CROSSING):
        x = c * TILE
        canvas.rect(x + 3, 0, x + TILE - 4, canvas.height - 1, ROAD)
        canvas.vline(x + 3, 0, canvas.height - 1, ROAD_EDGE)
        canvas.vline(x + TILE - 4, 0, canvas.height - 1, ROAD_EDGE)


def _streams(canvas, station):
    """A stream under each bridge, with a darker bank."""
    for c in _columns_of(station, BRIDGE):
        x = c * TILE
        canvas.rect(x + 1, 0, x + TILE - 2, canvas.height - 1, BANK)
        canvas.rect(x + 2, 0, x + TILE - 3, canvas.height - 1, WATER)


def _trees(canvas, station):
    """Round trees on meadow away from the railway, at places fixed by a small
    generator of our own (no library sequence), so the picture never changes."""
    state = 12345
    for r in range(1, station.rows - 1):
        for c in range(1, station.cols - 1):
            state = (state * 1103515245 + 12345) % (1 << 31)
            if state % 7 or not _free(station, r, c) or _near_track(station, r, c, 1):
                continue
            cx, cy = c * TILE + 3 + state % 8, r * TILE + 3 + (state >> 8) % 8
            for dy in range(-3, 4):
                for dx in range(-3, 4):
                    if dx * dx + dy * dy <= 9:
                        canvas.put(cx + dx, cy + dy, TREE_DARK if dx + dy > 1 else TREE)


def _station_building(canvas, station):
    """A station building beside the first row of platform tiles that has free
    ground above it: two tiles deep, as long as that platform."""
    rows = sorted({r for (r, c), cell in station.cells.items() if cell.family in PLATFORM_FAMILIES})
    for r in rows:
        cols = sorted(c for (rr, c), cell in station.cells.items()
                      if rr == r and cell.family in PLATFORM_FAMILIES)
        if r < 3 or not all(_free(station, r - k, c) for c in cols for k in (1, 2)):
            continue
        x0, x1 = cols[0] * TILE + 4, (cols[-1] + 1) * TILE - 5
        y0, y1 = (r - 2) * TILE + 2, r * TILE - 2
        canvas.rect(x0, y0, x1, y1, WALL)
        canvas.rect(x0, y0, x1, y0 + 9, ROOF)
        for x in range(x0 + 4, x1 - 4, 10):
            canvas.rect(x, y0 + 14, x + 4, y0 + 20, ROAD_EDGE)  # windows
        return


def render(station):
    """8-bit BMP bytes of the background of the station's whole grid."""
    canvas = Canvas(station.cols * TILE, station.rows * TILE, MEADOW)
    _meadow(canvas, station)
    _streams(canvas, station)
    _crossings(canvas, station)
    for (r, c), cell in sorted(station.cells.items()):
        if cell.family in PLATFORM_FAMILIES:
            _tile_rect(canvas, r, c, PAVING)
        elif cell.family in DEPOT_FAMILIES:
            _tile_rect(canvas, r, c, YARD)
        elif cell.family not in (LEVEL_CROSSING, BRIDGE):
            _tile_rect(canvas, r, c, BALLAST, margin=2)
    _station_building(canvas, station)
    _trees(canvas, station)
    return bmp_bytes(canvas)
