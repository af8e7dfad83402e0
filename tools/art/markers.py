"""Digit markers NR1..NR9 and letter markers L1..L37 (14 x 14, drawn opaque)."""

from glyphs import ALPHABET, marker_glyph
from imaging import Canvas

WHITE = (255, 255, 255)
INK = (0, 0, 0)
CRANE = (0, 84, 166)
CRANE_LIGHT = (208, 228, 248)
PALETTE = [WHITE, INK, CRANE, CRANE_LIGHT] + [(i * 16, i * 16, i * 16) for i in range(4, 16)]

LETTER_COUNT = 37
CRANE_MARKERS = {36: "N on a blue plate", 37: "N in a blue frame"}


def _glyph_on(canvas, ch, colour):
    width, pixels = marker_glyph(ch)
    x0 = (14 - width) // 2
    for x, y in pixels:
        canvas.put(x0 + x, 3 + y, colour)


def digit_marker(n):
    cv = Canvas(14, 14, WHITE)
    _glyph_on(cv, str(n), INK)
    return cv


def letter_of(n):
    """The letter a marker L<n> shows (n from 1 to 37)."""
    return ALPHABET[n - 1] if n <= len(ALPHABET) else "N"


def letter_marker(n):
    cv = Canvas(14, 14, WHITE)
    if n == 36:
        cv.rect(0, 0, 13, 13, CRANE)
        for corner in ((0, 0), (13, 0), (0, 13), (13, 13)):
            cv.put(*corner, WHITE)
        _glyph_on(cv, "N", WHITE)
    elif n == 37:
        cv.rect(0, 0, 13, 13, CRANE_LIGHT)
        cv.frame(0, 0, 13, 13, CRANE)
        _glyph_on(cv, "N", CRANE)
    else:
        _glyph_on(cv, letter_of(n), INK)
    return cv
