#!/usr/bin/env python3
"""Draws the program's icon (ui/resources/semarion.ico): a semaphore arm
raised over a pair of rails, at 16 and 32 pixels, 32-bit colour."""
import struct
import sys

SKY = (40, 90, 160, 255)
RAIL = (230, 230, 230, 255)
SLEEPER = (140, 90, 50, 255)
MAST = (60, 60, 60, 255)
ARM = (210, 30, 30, 255)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, size):
    """Colour at (x, y), y growing downwards, for an icon of size pixels."""
    u, v = x / size, y / size
    inside = 0.06 <= u <= 0.94 and 0.06 <= v <= 0.94
    if not inside:
        return CLEAR
    if 0.30 <= u <= 0.84 and 0.18 <= v <= 0.28:
        return ARM
    if 0.50 <= u <= 0.58 and 0.12 <= v <= 0.66:
        return MAST
    if abs(v - 0.74) < 0.035 or abs(v - 0.86) < 0.035:
        return RAIL
    if 0.70 <= v <= 0.90 and int(u * 8) % 2 == 0:
        return SLEEPER
    return SKY


def image(size):
    """BITMAPINFOHEADER, bottom-up BGRA rows and the AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            rows += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(mask_row)
        for x in range(size):
            if pixel(x, y, size)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(rows) + bytes(mask)


def main(path):
    sizes = (16, 32)
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'ui/resources/semarion.ico')
