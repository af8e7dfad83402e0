"""Pixel canvases and the file formats the game reads: BMP, ICO, PNG and WAV.

Everything here is integer or exactly repeatable arithmetic, so the same
input always gives the same bytes.
"""

import struct
import zlib

WHITE = (255, 255, 255)


class Canvas:
    """An RGB picture, rows top to bottom, every pixel an (r, g, b) tuple."""

    def __init__(self, width, height, fill=WHITE):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1, y0..y1 (inclusive)."""
        for y in range(max(y0, 0), min(y1, self.height - 1) + 1):
            row = self.rows[y]
            for x in range(max(x0, 0), min(x1, self.width - 1) + 1):
                row[x] = colour

    def hline(self, x0, x1, y, colour):
        self.rect(min(x0, x1), y, max(x0, x1), y, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, min(y0, y1), x, max(y0, y1), colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        """A one-pixel Bresenham line, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, colour):
        """Pixels whose centres lie within r of (cx, cy)."""
        self.fill_where(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour)

    def fill_where(self, test, colour):
        """Paints every pixel whose centre (x + 0.5, y + 0.5) passes the test."""
        for y in range(self.height):
            row = self.rows[y]
            for x in range(self.width):
                if test(x + 0.5, y + 0.5):
                    row[x] = colour

    def segment(self, a, b, r, colour):
        """A thick line: pixels whose centres lie within r of the segment a-b."""
        self.fill_where(lambda x, y: near_segment(x, y, a, b, r), colour)

    def polygon(self, pts, colour):
        self.fill_where(lambda x, y: inside_polygon(x, y, pts), colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        self.fill_where(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour)

    def paste(self, other, x0, y0, key=None):
        for y in range(other.height):
            for x in range(other.width):
                c = other.rows[y][x]
                if c != key:
                    self.put(x0 + x, y0 + y, c)

    def mirrored(self):
        out = Canvas(self.width, self.height)
        out.rows = [list(reversed(row)) for row in self.rows]
        return out

    def scaled(self, factor):
        out = Canvas(self.width * factor, self.height * factor)
        out.rows = []
        for row in self.rows:
            wide = [c for c in row for _ in range(factor)]
            for _ in range(factor):
                out.rows.append(list(wide))
        return out

    def colours(self):
        seen = {}
        for row in self.rows:
            for c in row:
                seen.setdefault(c, len(seen))
        return list(seen)


def near_segment(px, py, a, b, r):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else ((px - ax) * dx + (py - ay) * dy) / length2
    t = min(1.0, max(0.0, t))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return qx * qx + qy * qy <= r * r


def inside_polygon(px, py, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def _dib(width, height, index_rows, palette, bits):
    stride = (width * bits + 31) // 32 * 4
    data = bytearray()
    for row in reversed(index_rows):  # bottom-up
        packed = bytearray(stride)
        for x, v in enumerate(row):
            if bits == 4:
                packed[x // 2] |= v << 4 if x % 2 == 0 else v
            else:
                packed[x] = v
        data += packed
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data),
                       2835, 2835, len(palette), 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    return info + pal + bytes(data)


def bmp_bytes(canvas, palette=None):
    """A palette BMP file of the canvas: 4-bit when a 16-colour palette is given,
    else 8-bit with the canvas's own colours in order of first appearance."""
    if palette is None:
        palette = canvas.colours()
        bits = 8
        if len(palette) > 256:
            raise ValueError("more than 256 colours")
    else:
        bits = 4
        if len(palette) != 16:
            raise ValueError("a 4-bit palette has 16 colours")
    index = {c: i for i, c in enumerate(palette)}
    try:
        index_rows = [[index[c] for c in row] for row in canvas.rows]
    except KeyError as e:
        raise ValueError("colour %r is not in the palette" % (e.args[0],))
    dib = _dib(canvas.width, canvas.height, index_rows, palette, bits)
    offset = 14 + 40 + 4 * len(palette)
    return struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset) + dib


def _png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_bytes(width, height, raw_rows, alpha=False):
    """A PNG of 8-bit RGB (or RGBA) rows given as bytes."""
    raw = b"".join(b"\x00" + bytes(r) for r in raw_rows)
    head = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", head)
            + _png_chunk(b"IDAT", zlib.compress(raw, 9)) + _png_chunk(b"IEND", b""))


def png_pixels(data):
    """The header and the inflated image data of a PNG, for comparing two PNGs
    whatever the compressor made of them."""
    pos, head, idat = 8, b"", b""
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            head = body
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    return head, zlib.decompress(idat)


def canvas_png(canvas):
    rows = [bytes(v for c in row for v in c) for row in canvas.rows]
    return png_bytes(canvas.width, canvas.height, rows)


def ico_bytes(images):
    """A multi-size icon from RGBA pictures: (size, rows of (r, g, b, a)).
    Sizes below 256 are stored as 32-bit DIBs with an AND mask, 256 as PNG."""
    blobs = []
    for size, rows in images:
        if size >= 256:
            raw = [bytes(v for px in row for v in px) for row in rows]
            blobs.append((size, png_bytes(size, size, raw, alpha=True)))
            continue
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = b"".join(bytes(v for (r, g, b, a) in row for v in (b, g, r, a))
                       for row in reversed(rows))
        mask_stride = (size + 31) // 32 * 4
        mask = bytearray()
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, px in enumerate(row):
                if px[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        blobs.append((size, info + xor + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for size, blob in blobs:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, blob in blobs)


def wav_bytes(samples, rate):
    """A mono 16-bit PCM WAV of integer samples."""
    data = b"".join(struct.pack("<h", max(-32767, min(32767, s))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)
    return b"RIFF" + struct.pack("<I", len(body)) + body
