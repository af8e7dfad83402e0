"""The program's icon MAINICON: a switch and a signal on a blue plate.

Drawn in units of the icon's size and sampled 4 x 4 per pixel for smooth edges."""

from imaging import near_segment

SIZES = [16, 24, 32, 48, 256]
PLATE = (26, 58, 128)
PLATE_EDGE = (14, 34, 84)
RAIL = (242, 244, 248)
BRANCH = (120, 220, 140)
SIGNAL_RED = (236, 52, 48)
MAST = (200, 206, 216)
LAMP_OFF = (60, 90, 70)


def _samples(size):
    """Samples per pixel side: fewer for the large picture, where edges are long anyway."""
    return 2 if size > 64 else 4


def _layers():
    """Shapes in unit coordinates (0..1), painted in order: (test, colour)."""
    def rounded_square(inset, radius):
        def test(x, y):
            lo, hi = inset + radius, 1.0 - inset - radius
            dx = max(lo - x, 0.0, x - hi)
            dy = max(lo - y, 0.0, y - hi)
            return dx * dx + dy * dy <= radius * radius and inset <= x <= 1 - inset \
                and inset <= y <= 1 - inset
        return test

    def seg(a, b, r):
        return lambda x, y: near_segment(x, y, a, b, r)

    def rounded(x0, y0, x1, y1, r):
        def test(x, y):
            dx = max(x0 + r - x, 0.0, x - x1 + r)
            dy = max(y0 + r - y, 0.0, y - y1 + r)
            return x0 <= x <= x1 and y0 <= y <= y1 and dx * dx + dy * dy <= r * r
        return test

    def disc(cx, cy, r):
        return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return [
        (rounded_square(0.02, 0.18), PLATE_EDGE),
        (rounded_square(0.07, 0.14), PLATE),
        (seg((0.14, 0.74), (0.86, 0.74), 0.07), RAIL),
        (seg((0.20, 0.74), (0.44, 0.48), 0.07), BRANCH),
        (seg((0.44, 0.48), (0.58, 0.48), 0.07), BRANCH),
        (seg((0.20, 0.74), (0.30, 0.74), 0.07), RAIL),
        (seg((0.78, 0.74), (0.78, 0.40), 0.04), MAST),
        (rounded(0.68, 0.10, 0.88, 0.48, 0.08), PLATE_EDGE),
        (disc(0.78, 0.20, 0.065), SIGNAL_RED),
        (disc(0.78, 0.38, 0.065), LAMP_OFF),
    ]


def icon_image(size):
    """RGBA rows of the icon at one size."""
    layers = _layers()
    sub = _samples(size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(sub):
                for sx in range(sub):
                    x = (px + (sx + 0.5) / sub) / size
                    y = (py + (sy + 0.5) / sub) / size
                    colour = None
                    for test, c in layers:
                        if test(x, y):
                            colour = c
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple((v + covered // 2) // covered for v in acc)
                           + ((covered * 255 + sub * sub // 2) // (sub * sub),))
        rows.append(row)
    return rows
