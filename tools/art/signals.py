"""The semaphore pictures SEMAFOR_DOL (arm level: stop) and SEMAFOR_GORA
(arm raised: proceed), 28 x 28 on white, which is drawn transparent."""

from imaging import Canvas

WHITE = (255, 255, 255)
MAST = (70, 74, 80)
MAST_LIGHT = (130, 136, 144)
ARM = (204, 28, 36)
BAND = (244, 244, 240)   # not pure white, which would vanish
RED_LAMP = (235, 40, 30)
GREEN_LAMP = (30, 190, 90)
LAMP_RIM = (30, 30, 30)
PALETTE = [WHITE, MAST, MAST_LIGHT, ARM, BAND, RED_LAMP, GREEN_LAMP, LAMP_RIM] + \
    [(i * 16, i * 16, i * 16) for i in range(8, 16)]

PIVOT = (17.5, 11.5)


def semaphore(raised):
    cv = Canvas(28, 28, WHITE)
    # mast with a cap and a foot
    cv.rect(17, 4, 18, 25, MAST)
    cv.rect(18, 5, 18, 24, MAST_LIGHT)
    cv.rect(16, 3, 19, 3, MAST)
    cv.rect(17, 2, 18, 2, MAST)
    cv.rect(13, 25, 22, 26, MAST)
    cv.rect(12, 27, 23, 27, MAST)
    # the arm from the pivot to the left, level or raised by 45 degrees
    px, py = PIVOT
    if raised:
        step = (-0.7071, -0.7071)
        length = 12.5
    else:
        step = (-1.0, 0.0)
        length = 14.0

    def at(d):
        return (px + step[0] * d, py + step[1] * d)

    cv.segment(PIVOT, at(length), 2.3, LAMP_RIM)
    cv.disc(*at(length), 3.4, LAMP_RIM)
    cv.segment(PIVOT, at(length), 1.5, ARM)
    cv.segment(at(6.0), at(8.0), 1.5, BAND)
    cv.disc(*at(length), 2.6, ARM)
    cv.disc(px, py, 1.4, MAST)
    # the night lamp beside the mast shows what the arm shows
    cv.disc(21.5, 15.5, 2.4, LAMP_RIM)
    cv.disc(21.5, 15.5, 1.5, GREEN_LAMP if raised else RED_LAMP)
    return cv
