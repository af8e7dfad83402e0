"""The contact sheet docs/art.png: every tile by family and variant, a small
sample layout in several states, the markers, the signals, the icon and the
rolling stock, enlarged."""

from glyphs import small_text_pixels, small_text_width
from imaging import Canvas
from markers import LETTER_COUNT, digit_marker, letter_marker
from signals import semaphore
from tiles import FAMILIES, KEY, KEY53, SIZE

BACKGROUND = (236, 236, 232)
CARD = (255, 255, 255)
INK = (30, 30, 30)
SOFT = (110, 110, 110)
ZOOM = 3

# A small station drawn with the catalogue: an entry with its signal, two
# platform tracks and a loop around an island platform, an exit, and an engine
# depot with a turntable on tracks without catenary (codes of 100 and more).
# Each cell is code or code:state (TileState 0 free, 1 locked, 2 occupied).
SAMPLE_LAYOUT = [
    "40:1 10:1 74:1 23:1 10   66   66   66   66   66   66   66   10   10   25   75   53   42",
    "0    0    0    0    28:1 10:1 67:1 67:1 67:1 67:1 67:1 67:1 10   27   0    0    0    0",
    "0    0    0    0    0    28   66:2 66:2 66:2 66:2 66:2 66   14   0    0    0    0    0",
    "0    0    0    0    0    0    130  0    0    0    0    0    0    0    0    0    0    0",
    "0    0    0    0    0    0    0    160  100  700  100  720  0    0    0    0    0    0",
]

FAMILY_COLUMNS = 3


def _text(cv, x, y, text, colour=INK, scale=1):
    for px, py in small_text_pixels(text):
        cv.rect(x + px * scale, y + py * scale, x + px * scale + scale - 1,
                y + py * scale + scale - 1, colour)


def _over(picture, colour, key):
    """A picture composed over a background colour, key pixels left out."""
    out = Canvas(picture.width, picture.height, colour)
    out.paste(picture, 0, 0, key)
    return out


def _tile_over(family, variant, colour):
    picture = family.picture(variant)
    key = picture.get(0, 0) if family.key == KEY53 else KEY
    return _over(picture, colour, key)


def picture_number(code, state):
    """The picture a station view draws for a track code in a state."""
    if 10 <= code <= 99:
        return code * 10 + {0: 2, 1: 1, 2: 3, 3: 1, 4: 3}[state]
    return code // 10 * 10 + {0: 7, 1: 1, 2: 3, 3: 1, 4: 3}[state]


def _layout_canvas(station_colour):
    rows = [[cell.split(":") for cell in line.split()] for line in SAMPLE_LAYOUT]
    by_code = {f.code: f for f in FAMILIES}
    cv = Canvas(len(rows[0]) * SIZE, len(rows) * SIZE, station_colour)
    for r, row in enumerate(rows):
        for c, cell in enumerate(row):
            code = int(cell[0])
            if code == 0:
                continue
            number = picture_number(code, int(cell[1]) if len(cell) > 1 else 0)
            tile = _tile_over(by_code[number // 10], number % 10, station_colour)
            cv.paste(tile, c * SIZE, r * SIZE)
    return cv


def _tiles_section(cv, y):
    _text(cv, 10, y, "TRACK TILES TOR101-TOR788: FAMILY (DRAWING CODE) AND VARIANTS 1-8", INK, 2)
    y += 20
    per_column = (len(FAMILIES) + FAMILY_COLUMNS - 1) // FAMILY_COLUMNS
    cell = SIZE * ZOOM + 4
    column_width = 30 + 8 * cell + 20
    for col in range(FAMILY_COLUMNS):
        for v in range(1, 9):
            _text(cv, 10 + col * column_width + 30 + (v - 1) * cell + cell // 2 - 2, y, str(v), SOFT)
    y += 10
    for i, family in enumerate(FAMILIES):
        col, row = divmod(i, per_column)
        x0 = 10 + col * column_width
        y0 = y + row * (cell + 2)
        _text(cv, x0, y0 + cell // 2 - 5, str(family.code), INK, 2)
        for v in range(1, 9):
            tile = _tile_over(family, v, CARD).scaled(ZOOM)
            cv.paste(tile, x0 + 30 + (v - 1) * cell, y0)
    return y + per_column * (cell + 2) + 10


def _layout_section(cv, y):
    _text(cv, 10, y, "SAMPLE LAYOUT: ROUTE LOCKED (GREEN), TRAIN STANDING (RED), DEPOT WITHOUT CATENARY",
          INK, 2)
    y += 20
    plain = _layout_canvas(CARD).scaled(ZOOM)
    cv.paste(plain, 10, y)
    x = 20 + plain.width
    _text(cv, x, y, "100%", SOFT)
    cv.paste(_layout_canvas(CARD), x, y + 10)
    _text(cv, x, y + 110, "ON A COLOURED STATION BACKGROUND", SOFT)
    cv.paste(_layout_canvas((214, 226, 206)), x, y + 120)
    return y + max(plain.height, 220) + 14


def _markers_section(cv, y):
    _text(cv, 10, y, "MARKERS NR1-NR9 AND L1-L37", INK, 2)
    y += 20
    cell = SIZE * ZOOM + 6
    items = [("NR%d" % n, digit_marker(n)) for n in range(1, 10)]
    items += [("L%d" % n, letter_marker(n)) for n in range(1, LETTER_COUNT + 1)]
    per_row = 23
    for i, (name, marker) in enumerate(items):
        x = 10 + (i % per_row) * (cell + 4)
        yy = y + (i // per_row) * (cell + 14)
        cv.paste(marker.scaled(ZOOM), x, yy)
        _text(cv, x + (cell - small_text_width(name)) // 2 - 3, yy + cell - 2, name, SOFT)
    return y + ((len(items) + per_row - 1) // per_row) * (cell + 14) + 6


def _signals_section(cv, y, icons):
    _text(cv, 10, y, "SEMAFOR_DOL, SEMAFOR_GORA AND MAINICON", INK, 2)
    y += 20
    x = 10
    for name, raised in (("SEMAFOR_DOL", False), ("SEMAFOR_GORA", True)):
        cv.paste(semaphore(raised).scaled(ZOOM), x, y)
        _text(cv, x, y + 28 * ZOOM + 2, name, SOFT)
        x += 28 * ZOOM + 30
    for size, rows in icons:
        if size > 48:
            continue
        icon = Canvas(size, size, BACKGROUND)
        for yy, row in enumerate(rows):
            for xx, (r, g, b, a) in enumerate(row):
                icon.rows[yy][xx] = tuple((v * a + bg * (255 - a) + 127) // 255
                                          for v, bg in zip((r, g, b), BACKGROUND))
        cv.paste(icon.scaled(2), x, y)
        _text(cv, x, y + 2 * size + 2, "%d" % size, SOFT)
        x += 2 * size + 16
    return y + 28 * ZOOM + 16


def _stock_section(cv, y, stock_files):
    _text(cv, 10, y, "ROLLING STOCK (GAME/TABOR)", INK, 2)
    y += 20
    x, row_height = 10, 40 * 2 + 20
    for name, picture in stock_files:
        w = picture.width * 2
        if x + w > cv.width - 10:
            x, y = 10, y + row_height
        cv.paste(picture.scaled(2), x, y)
        _text(cv, x, y + 83, name, SOFT, 2)
        x += w + 14
    return y + row_height


def contact_sheet(stock_files, icons):
    width = 20 + FAMILY_COLUMNS * (30 + 8 * (SIZE * ZOOM + 4) + 20)
    cv = Canvas(width, 3000, BACKGROUND)
    y = _tiles_section(cv, 10)
    y = _layout_section(cv, y)
    y = _markers_section(cv, y)
    y = _signals_section(cv, y, icons)
    y = _stock_section(cv, y, stock_files)
    cv.rows = cv.rows[:y + 10]
    cv.height = y + 10
    return cv
