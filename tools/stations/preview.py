"""A picture of a station as the game draws it with every tile free: the
committed tile and marker bitmaps of ui/resources/art/, 14 x 14 pixels each,
on the default station colour."""

import os
import struct

import art_path  # noqa: F401
from imaging import png_bytes

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
ART = os.path.join(ROOT, "ui", "resources", "art")
TILE = 14
STATION_COLOUR = (255, 255, 255)  # [Kolor] Schemat_stacji by default
TRANSPARENT = (255, 255, 255)
LEVEL_CROSSING = 53               # keyed on its own top-left pixel


def read_bmp(path):
    """Rows of (r, g, b) of a 4- or 8-bit palette BMP, top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    header, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    colours = struct.unpack_from("<I", data, 46)[0] or (1 << bits)
    palette = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i])
               for i in range(colours)]
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        line = data[start:start + stride]
        if bits == 4:
            index = [(line[x // 2] >> 4) if x % 2 == 0 else (line[x // 2] & 15) for x in range(width)]
        else:
            index = list(line[:width])
        rows.append([palette[i] for i in index])
    return rows if height < 0 else rows[::-1]


def picture_name(code):
    """The bitmap a free tile of this drawing code shows, or None."""
    if 1 <= code <= 9:
        return "NR%d" % code
    if -37 <= code <= -1:
        return "L%d" % -code
    if 10 <= code <= 78:
        return "TOR%d" % (code * 10 + 2)
    if 100 <= code <= 789:
        return "TOR%d" % (code // 10 * 10 + 7)
    return None


def render(station, zoom=1):
    """PNG bytes of the station's grid."""
    width, height = station.cols * TILE, station.rows * TILE
    canvas = [[STATION_COLOUR] * width for _ in range(height)]
    cache = {}
    for (r, c) in sorted(station.cells):
        code = station.code(r, c)
        name = picture_name(code)
        if name is None:
            continue
        if name not in cache:
            path = os.path.join(ART, name + ".bmp")
            cache[name] = read_bmp(path) if os.path.exists(path) else None
        tile = cache[name]
        if tile is None:
            continue
        opaque = not name.startswith("TOR")
        family = code if code < 100 else code // 10
        key = tile[0][0] if family == LEVEL_CROSSING else TRANSPARENT
        for y in range(TILE):
            for x in range(TILE):
                pixel = tile[y][x]
                if opaque or pixel != key:
                    canvas[r * TILE + y][c * TILE + x] = pixel
    rows = []
    for line in canvas:
        raw = bytes(v for pixel in line for _ in range(zoom) for v in pixel)
        rows.extend([raw] * zoom)
    return png_bytes(width * zoom, height * zoom, rows)
