"""Rolling-stock pictures for the Tabor folder: side views on white, 40 pixels
high, about 0.18 m per pixel along the vehicle.

Every picture shares one layout so that vehicles line up in a consist:
wheels touch the bottom row, buffers sit at rows 26..27, the solebar at
rows 28..29. A picture faces left: a steam locomotive has its chimney on the
left; an electric locomotive shows its right-hand pantograph raised (the
rear one, as the program draws a locomotive that is not reversed).
"""

from glyphs import small_text_pixels, small_text_width
from imaging import Canvas

H = 40
WHITE = (255, 255, 255)
OFF_WHITE = (238, 238, 232)   # a white vehicle part; pure white is transparent
STEEL = (52, 52, 56)
FRAME = (74, 74, 78)
HUB = (150, 150, 150)
ROOF = (120, 122, 126)
ROOF_DARK = (92, 94, 98)
GLASS = (166, 198, 216)
GLASS_DARK = (62, 84, 104)
BUFFER = (40, 40, 40)
YELLOW = (236, 192, 40)
LAMP = (250, 236, 150)

BUFFER_ROWS = (26, 27)
SOLEBAR_ROWS = (28, 29)
WHEEL_R = 3.4
WHEEL_BOTTOM = 38.9  # every wheel's lowest pixel row is 38


def shade(colour, amount):
    """The colour made darker (amount < 0) or lighter (amount > 0), in steps of 1/8."""
    if amount < 0:
        return tuple(v * (8 + amount) // 8 for v in colour)
    return tuple(v + (255 - v) * amount // 8 for v in colour)


class Side:
    """A side view under construction."""

    def __init__(self, width):
        self.cv = Canvas(width, H, WHITE)
        self.width = width

    def rect(self, x0, y0, x1, y1, colour):
        self.cv.rect(x0, y0, x1, y1, colour)

    def body(self, x0, x1, top, bottom, colour, roof=ROOF, rounding=3):
        """A box body with a rounded roof line above top."""
        self.rect(x0, top, x1, bottom, colour)
        for i in range(rounding):
            inset = (rounding - i) * 2 - 1
            self.rect(x0 + inset, top - rounding + i, x1 - inset, top - rounding + i, roof)
        self.rect(x0, top, x1, top, roof)

    def windows(self, x0, x1, top, bottom, width, gap, glass=GLASS):
        x = x0
        while x + width - 1 <= x1:
            self.rect(x, top, x + width - 1, bottom, glass)
            self.rect(x, top, x + width - 1, top, GLASS_DARK)
            x += width + gap

    def door(self, x0, x1, top, bottom, colour, window=True):
        self.rect(x0, top, x0, bottom, shade(colour, -3))
        self.rect(x1, top, x1, bottom, shade(colour, -3))
        if window:
            self.rect(x0 + 2, top + 3, x1 - 2, top + 8, GLASS)

    def wheel(self, cx, r=WHEEL_R, colour=STEEL, hub=HUB):
        cy = WHEEL_BOTTOM - r
        self.cv.disc(cx + 0.5, cy, r, colour)
        self.cv.disc(cx + 0.5, cy, 0.8, hub)

    def bogie(self, cx, spacing=9):
        half = spacing // 2 + 5
        self.rect(cx - half, 30, cx + half, 32, FRAME)
        self.rect(cx - 2, 29, cx + 2, 31, STEEL)
        for dx in (-(spacing // 2) - 1, spacing // 2 + 1):
            self.wheel(cx + dx)

    def axle(self, cx):
        self.rect(cx - 4, 30, cx + 4, 31, FRAME)
        self.rect(cx - 1, 30, cx + 1, 33, STEEL)
        self.wheel(cx)

    def running_gear(self, bogies=(), axles=()):
        """Solebar and buffers along the whole vehicle, bogies and single axles
        at the given centres."""
        self.underframe(2, self.width - 3)
        self.buffers()
        for cx in bogies:
            self.bogie(cx)
        for cx in axles:
            self.axle(cx)

    def underframe(self, x0, x1):
        self.rect(x0, SOLEBAR_ROWS[0], x1, SOLEBAR_ROWS[1], STEEL)

    def buffers(self):
        y0, y1 = BUFFER_ROWS
        self.rect(0, y0 - 1, 0, y1 + 1, BUFFER)
        self.rect(1, y0, 2, y1, BUFFER)
        w = self.width
        self.rect(w - 1, y0 - 1, w - 1, y1 + 1, BUFFER)
        self.rect(w - 3, y0, w - 2, y1, BUFFER)

    def pantograph(self, cx, raised, roof_top):
        """A diamond pantograph on insulators; raised it reaches row 1."""
        base = roof_top - 1
        self.rect(cx - 5, base, cx + 5, base, FRAME)
        self.rect(cx - 4, base - 1, cx - 3, base - 1, STEEL)
        self.rect(cx + 3, base - 1, cx + 4, base - 1, STEEL)
        top = 1 if raised else base - 3
        mid = (base - 1 + top) // 2
        spread = 4 if raised else 5
        for a, b in (((cx, base - 1), (cx - spread, mid)), ((cx - spread, mid), (cx, top + 1)),
                     ((cx, top + 1), (cx + spread, mid)), ((cx + spread, mid), (cx, base - 1))):
            self.cv.line(a[0], a[1], b[0], b[1], STEEL)
        self.rect(cx - 5, top, cx + 5, top, STEEL)

    def text(self, x, y, text, colour):
        for px, py in small_text_pixels(text):
            self.cv.put(x + px, y + py, colour)


class Picture:
    """One vehicle picture: its drawing without lettering, and its lettering
    as (centre x, y, text, colour), drawn so it reads the right way round."""

    def __init__(self, side, lettering=()):
        self.side = side
        self.lettering = list(lettering)

    def canvas(self, reversed_=False):
        cv = self.side.cv.mirrored() if reversed_ else Canvas(self.side.width, H)
        if not reversed_:
            cv.rows = [list(r) for r in self.side.cv.rows]
        for cx, y, text, colour in self.lettering:
            if reversed_:
                cx = self.side.width - 1 - cx
            x0 = cx - small_text_width(text) // 2
            for px, py in small_text_pixels(text):
                cv.put(x0 + px, y + py, colour)
        return cv


# --- passenger cars ------------------------------------------------------

def passenger_car(colour, stripe=None, label=None, windows=(7, 3), length=136, roof=ROOF,
                  window_rows=(15, 20)):
    s = Side(length)
    s.body(3, length - 4, 12, 27, colour, roof)
    s.rect(3, 24, length - 4, 27, shade(colour, -2))
    if stripe:
        s.rect(3, 13, length - 4, 13, stripe)
    s.door(6, 12, 13, 27, colour)
    s.door(length - 13, length - 7, 13, 27, colour)
    s.windows(16, length - 17, window_rows[0], window_rows[1], windows[0], windows[1])
    s.running_gear(bogies=(22, length - 23))
    if label:
        s.text(16, 22, label, stripe or YELLOW)
    return s


def baggage_car():
    colour = (38, 98, 62)
    s = Side(122)
    s.body(3, 118, 12, 27, colour)
    s.rect(3, 24, 118, 27, shade(colour, -2))
    for x0 in (30, 74):
        s.rect(x0, 14, x0 + 17, 27, shade(colour, -1))
        s.rect(x0, 14, x0, 27, shade(colour, -3))
        s.rect(x0 + 17, 14, x0 + 17, 27, shade(colour, -3))
        s.rect(x0 + 8, 20, x0 + 9, 21, STEEL)
    s.windows(8, 24, 15, 18, 4, 4)
    s.windows(54, 68, 15, 18, 4, 6)
    s.windows(98, 114, 15, 18, 4, 4)
    s.running_gear(bogies=(20, 101))
    return s


# --- freight cars ---------------------------------------------------------

def open_wagon():
    colour = (126, 64, 42)
    s = Side(78)
    s.rect(3, 15, 74, 27, colour)
    for x in range(7, 72, 6):
        s.rect(x, 15, x, 27, shade(colour, -3))
    s.rect(3, 15, 74, 15, shade(colour, -3))
    for x in range(4, 74, 5):
        s.rect(x, 13, x + 3, 14, (36, 36, 36))
        s.rect(x + 1, 12, x + 2, 12, (36, 36, 36))
    s.running_gear(bogies=(15, 62))
    return s


def covered_wagon():
    colour = (142, 68, 48)
    s = Side(80)
    s.body(3, 76, 12, 27, colour, ROOF_DARK)
    for x in range(8, 74, 5):
        s.rect(x, 14, x, 27, shade(colour, -1))
    s.rect(28, 13, 51, 27, shade(colour, -2))
    s.rect(28, 13, 28, 27, STEEL)
    s.rect(51, 13, 51, 27, STEEL)
    s.rect(39, 19, 40, 21, STEEL)
    s.rect(8, 15, 12, 17, STEEL)
    s.rect(67, 15, 71, 17, STEEL)
    s.running_gear(axles=(17, 62))
    return s


def tank_wagon():
    colour = (44, 46, 50)
    s = Side(72)
    s.cv.segment((12.0, 19.5), (60.0, 19.5), 8.0, colour)
    s.rect(6, 14, 65, 15, shade(colour, 2))
    s.rect(31, 8, 40, 11, colour)
    s.rect(30, 8, 41, 8, STEEL)
    s.rect(20, 26, 21, 28, STEEL)
    s.rect(50, 26, 51, 28, STEEL)
    s.running_gear(bogies=(14, 57))
    s.rect(33, 21, 38, 23, (226, 128, 30))
    return s


def flat_wagon():
    wood = (150, 112, 70)
    s = Side(110)
    s.rect(3, 24, 106, 27, wood)
    for x in range(8, 106, 8):
        s.rect(x, 24, x, 27, shade(wood, -2))
    for x in (6, 30, 54, 78, 102):
        s.rect(x, 16, x + 1, 23, STEEL)
    s.running_gear(bogies=(18, 91))
    return s


def hopper_wagon():
    colour = (118, 122, 126)
    s = Side(86)
    s.cv.polygon([(3, 12), (83, 12), (83, 24), (66, 30), (20, 30), (3, 24)], colour)
    for x in range(10, 80, 7):
        s.rect(x, 13, x, 23, shade(colour, -2))
    s.rect(3, 12, 82, 12, shade(colour, -3))
    s.rect(3, 23, 82, 23, shade(colour, -2))
    s.running_gear(bogies=(15, 70))
    return s


def container_wagon():
    s = Side(108)
    s.rect(3, 26, 104, 27, (70, 74, 80))
    for x0, x1, colour in ((5, 51, (40, 84, 158)), (56, 102, (176, 54, 40))):
        s.rect(x0, 14, x1, 25, colour)
        for x in range(x0 + 2, x1, 3):
            s.rect(x, 15, x, 24, shade(colour, -1))
        s.rect(x0, 14, x1, 14, shade(colour, -3))
    s.running_gear(bogies=(17, 90))
    return s


# --- multiple units ------------------------------------------------------

def _unit_car(s, x0, x1, upper, lower, cab_left, cab_right, pantograph=False, roof=ROOF,
              band_top=22, windows=(6, 3)):
    s.body(x0, x1, 12, 28, upper, roof)
    s.rect(x0, band_top, x1, 28, lower)
    left, right = x0 + 4, x1 - 4
    if cab_left:
        s.rect(x0, 13, x0 + 1, 20, roof)
        s.rect(x0 + 2, 14, x0 + 7, 19, GLASS_DARK)
        s.rect(x0 + 1, 24, x0 + 2, 25, LAMP)
        left = x0 + 10
    if cab_right:
        s.rect(x1 - 1, 13, x1, 20, roof)
        s.rect(x1 - 7, 14, x1 - 2, 19, GLASS_DARK)
        s.rect(x1 - 2, 24, x1 - 1, 25, LAMP)
        right = x1 - 10
    s.door(left, left + 6, 13, 28, upper)
    s.door(right - 6, right, 13, 28, upper)
    s.windows(left + 9, right - 9, 15, 20, windows[0], windows[1])
    s.rect(x0, SOLEBAR_ROWS[1], x1, SOLEBAR_ROWS[1], STEEL)
    s.bogie(x0 + 17)
    s.bogie(x1 - 17)
    if pantograph:
        s.pantograph((x0 + x1) // 2, True, 9)


def multiple_unit(cars, car_length, upper, lower, pantograph_car=None, roof=ROOF, band_top=22):
    width = cars * car_length + (cars - 1) * 2 + 6
    s = Side(width)
    for i in range(cars):
        x0 = 3 + i * (car_length + 2)
        x1 = x0 + car_length - 1
        _unit_car(s, x0, x1, upper, lower, i == 0, i == cars - 1, i == pantograph_car,
                  roof, band_top)
        if i > 0:
            s.rect(x0 - 2, 14, x0 - 1, 27, STEEL)
    s.buffers()
    return s


def railbus(upper, lower, sections=1, length=118):
    s = multiple_unit(sections, length, upper, lower, None, ROOF_DARK, 21)
    for i in range(sections):
        x0 = 3 + i * (length + 2)
        s.rect(x0 + length // 2 - 8, 7, x0 + length // 2 + 8, 9, ROOF_DARK)
        s.rect(x0 + length // 2 - 4, 5, x0 + length // 2 - 2, 6, STEEL)
    return s


# --- locomotives ---------------------------------------------------------

def _cab_ends(s, x0, x1, colour, front):
    for x, d in ((x0, 1), (x1, -1)):
        s.rect(min(x, x + d * 9), 13, max(x, x + d * 9), 27, front)
        wx = x + d * 2
        s.rect(min(wx, wx + d * 5), 15, max(wx, wx + d * 5), 19, GLASS_DARK)
        s.rect(min(x, x + d), 24, max(x, x + d), 25, LAMP)


def electric_loco(length, colour, front, bogies, label, grille=None):
    s = Side(length)
    x0, x1 = 3, length - 4
    s.body(x0, x1, 12, 28, colour)
    _cab_ends(s, x0, x1, colour, front)
    s.rect(x0, 23, x1, 23, shade(colour, -3))
    gx0, gx1 = x0 + 14, x1 - 14
    for x in range(gx0, gx1, 3):
        s.rect(x, 14, x, 19, grille or shade(colour, -2))
    s.door(x0 + 10, x0 + 14, 14, 27, colour, window=False)
    s.door(x1 - 14, x1 - 10, 14, 27, colour, window=False)
    s.running_gear(bogies)
    s.pantograph(x0 + 20, False, 9)
    s.pantograph(x1 - 20, True, 9)
    return Picture(s, [(length // 2, 21, label, YELLOW)])


def hood_shunter(length, colour, stripe, label, cab_at, cab_width):
    """A shunter with one cab and hoods on both sides of it."""
    s = Side(length)
    x0, x1 = 3, length - 4
    s.rect(x0 + 2, 15, x1 - 2, 28, colour)
    s.rect(x0 + 2, 15, x1 - 2, 15, shade(colour, -2))
    for x in range(x0 + 6, x1 - 4, 4):
        if not cab_at - 1 <= x <= cab_at + cab_width:
            s.rect(x, 17, x, 21, shade(colour, -2))
    s.body(cab_at, cab_at + cab_width, 10, 28, colour, ROOF_DARK, rounding=2)
    s.rect(cab_at + 2, 12, cab_at + cab_width - 2, 17, GLASS_DARK)
    s.rect(x0, 24, x1, 25, stripe)
    s.rect(x0 + 2, 13, x0 + 4, 14, STEEL)
    s.running_gear(bogies=(17, length - 18))
    return Picture(s, [((x0 + cab_at) // 2, 19, label, OFF_WHITE)])


def road_diesel(length, colour, band, bogie_spacing, label):
    s = Side(length)
    x0, x1 = 3, length - 4
    s.body(x0, x1, 12, 28, colour, ROOF_DARK)
    s.rect(x0, 22, x1, 24, band)
    _cab_ends(s, x0, x1, colour, colour)
    for x in range(x0 + 16, x1 - 16, 4):
        s.rect(x, 14, x + 1, 18, shade(colour, -2))
    s.rect(length // 2 - 6, 8, length // 2 + 6, 9, ROOF_DARK)
    s.underframe(2, length - 3)
    s.buffers()
    for cx in (22, length - 23):
        s.bogie(cx, bogie_spacing)
        if bogie_spacing > 10:
            s.wheel(cx)
    return Picture(s, [(length // 2, 16 if label else 0, label, band)] if label else [])


STEAM_BLACK = (36, 36, 40)
STEAM_RED = (172, 34, 34)


def _boiler(s, x0, x1, dome_x):
    s.rect(x0, 14, x1, 24, STEAM_BLACK)
    s.rect(x0, 15, x1, 15, shade(STEAM_BLACK, 3))
    s.rect(x0 - 4, 13, x0, 25, STEAM_BLACK)               # smokebox
    s.rect(x0 - 5, 16, x0 - 5, 23, STEAM_BLACK)
    s.rect(x0 + 1, 6, x0 + 5, 13, STEAM_BLACK)            # chimney
    s.rect(x0, 6, x0 + 6, 6, STEAM_BLACK)
    s.rect(dome_x, 10, dome_x + 6, 13, STEAM_BLACK)        # dome
    s.rect(dome_x + 1, 9, dome_x + 5, 9, STEAM_BLACK)
    s.rect(x0, 24, x1, 25, STEEL)                          # running board


def _cab(s, x0, x1):
    s.rect(x0, 9, x1, 27, STEAM_BLACK)
    s.rect(x0 - 1, 8, x1 + 1, 8, STEEL)
    s.rect(x0 + 3, 12, x1 - 3, 17, GLASS_DARK)


def _tender(s, x0, x1, label):
    s.rect(x0, 13, x1, 28, STEAM_BLACK)
    s.rect(x0, 13, x1, 13, STEEL)
    s.rect(x0 + 2, 11, x1 - 6, 12, (30, 30, 30))
    s.underframe(x0, x1)
    s.bogie(x0 + 9, 7)
    s.bogie(x1 - 9, 7)
    return ((x0 + x1) // 2, 18, label, OFF_WHITE) if label else None


def _drivers(s, xs, r):
    """Red driving wheels with black tyres, joined by the coupling rod."""
    cy = WHEEL_BOTTOM - r
    for x in xs:
        s.cv.disc(x + 0.5, cy, r, STEAM_BLACK)
        s.cv.disc(x + 0.5, cy, r - 1.0, STEAM_RED)
        s.cv.disc(x + 0.5, cy, 0.8, STEEL)
    s.rect(xs[0], int(cy), xs[-1], int(cy), (200, 200, 204))


def _pony(s, x):
    """A small carrying wheel hung from the frame."""
    s.rect(x - 1, 31, x + 1, 33, STEEL)
    s.wheel(x, 2.6)


def tender_engine(length, drivers, driver_r, label, deflectors):
    s = Side(length)
    tender_x0 = length - 36
    _boiler(s, 12, tender_x0 - 17, 30)
    _cab(s, tender_x0 - 17, tender_x0 - 3)
    if deflectors:
        s.rect(8, 12, 10, 24, (46, 46, 50))
    s.rect(4, 24, 8, 28, STEAM_RED)                         # buffer beam
    s.rect(8, 26, tender_x0 - 3, 28, STEEL)
    s.rect(12, 22, 18, 28, STEAM_BLACK)                     # cylinder
    s.rect(8, 29, tender_x0 - 4, 30, STEEL)                 # frame
    _pony(s, 10)
    _drivers(s, drivers, driver_r)
    _pony(s, tender_x0 - 8)
    lettering = _tender(s, tender_x0, length - 4, label)
    s.rect(0, 25, 3, 27, BUFFER)
    s.rect(length - 3, 25, length - 1, 27, BUFFER)
    return Picture(s, [lettering] if lettering else [])


def tank_engine():
    s = Side(80)
    _boiler(s, 12, 52, 30)
    s.rect(20, 16, 50, 26, STEAM_BLACK)                     # side tank
    s.rect(20, 16, 50, 16, STEEL)
    _cab(s, 52, 66)
    s.rect(67, 13, 75, 27, STEAM_BLACK)                     # coal bunker
    s.rect(67, 11, 73, 12, (30, 30, 30))
    s.rect(4, 24, 8, 28, STEAM_RED)
    s.rect(72, 24, 76, 28, STEAM_RED)
    s.rect(8, 26, 72, 28, STEEL)
    s.rect(12, 22, 18, 28, STEAM_BLACK)
    s.rect(8, 29, 72, 30, STEEL)
    _pony(s, 10)
    _drivers(s, [24, 33, 42, 51], 4.0)
    _pony(s, 64)
    s.rect(0, 25, 3, 27, BUFFER)
    s.rect(77, 25, 79, 27, BUFFER)
    return Picture(s)


# --- the catalogue -------------------------------------------------------

def mirror_difference(a, b):
    """How many pixels of a differ from b flipped, as the program counts them."""
    w = a.width
    return sum(1 for y in range(a.height) for x in range(w)
               if sum(abs(p - q) for p, q in zip(a.get(x, y), b.get(w - 1 - x, y))) > 90)


GREEN = (38, 98, 62)


class StockType:
    def __init__(self, name, kind, polish, make, partner):
        self.name = name          # the vehicle-type name a timetable uses
        self.kind = kind          # 0 car, 1 EMU, 2 DMU, 3 electric, 4 diesel, 5 steam
        self.polish = polish
        self.make = make
        self.partner = partner    # True: files NAME_1 and NAME_2, else NAME alone

    def files(self):
        """(picture name, canvas) of every file of this type."""
        pic = self.make()
        if not isinstance(pic, Picture):
            pic = Picture(pic)
        if not self.partner:
            return [(self.name, pic.canvas())]
        first, second = pic.canvas(), pic.canvas(True)
        if mirror_difference(first, second) * 100 >= 8 * first.width * first.height:
            raise ValueError(self.name + ": the partner would not pass as a mirror image")
        return [(self.name + "_1", first), (self.name + "_2", second)]

    def picture_name(self):
        return self.name + "_1" if self.partner else self.name


STOCK = [
    StockType("A", 0, "wagon 1 klasy", lambda: passenger_car(GREEN, YELLOW, "1"), False),
    StockType("B", 0, "wagon 2 klasy", lambda: passenger_car(GREEN, None, "2"), False),
    StockType("AB", 0, "wagon 1/2 klasy", lambda: passenger_car(GREEN, YELLOW, "1/2"), False),
    StockType("Bc", 0, "wagon z miejscami do leżenia",
              lambda: passenger_car((40, 72, 140), None, "2", windows=(10, 3)), False),
    StockType("WL", 0, "wagon sypialny",
              lambda: passenger_car((30, 48, 110), OFF_WHITE, None, windows=(5, 5), window_rows=(15, 18)), False),
    StockType("WR", 0, "wagon restauracyjny",
              lambda: passenger_car((150, 30, 42), YELLOW, "BAR", windows=(12, 3)), False),
    StockType("D", 0, "wagon bagażowy", baggage_car, False),
    StockType("Eaos", 0, "węglarka", open_wagon, False),
    StockType("Gags", 0, "wagon kryty", covered_wagon, False),
    StockType("Zaes", 0, "cysterna", tank_wagon, False),
    StockType("Res", 0, "platforma", flat_wagon, False),
    StockType("Falns", 0, "wagon samowyładowczy", hopper_wagon, False),
    StockType("Sgs", 0, "wagon kontenerowy", container_wagon, False),
    StockType("EN57", 1, "elektryczny zespół trakcyjny, 3 człony",
              lambda: multiple_unit(3, 116, (232, 196, 64), (36, 64, 132), pantograph_car=1), False),
    StockType("EN81", 1, "elektryczny zespół trakcyjny, 2 człony",
              lambda: multiple_unit(2, 112, OFF_WHITE, (196, 36, 44), pantograph_car=0,
                                    band_top=24), False),
    StockType("SA133", 2, "autobus szynowy", lambda: railbus((236, 222, 184), (188, 40, 40)), False),
    StockType("SA134", 2, "spalinowy zespół trakcyjny, 2 człony",
              lambda: railbus((228, 200, 60), (44, 110, 70), sections=2, length=110), False),
    StockType("EU07", 3, "lokomotywa elektryczna pasażerska",
              lambda: electric_loco(88, (40, 84, 150), (230, 190, 40), [20, 67], "EU07"), True),
    StockType("EP09", 3, "lokomotywa elektryczna pospieszna",
              lambda: electric_loco(92, (168, 40, 40), (226, 226, 220), [21, 70], ""), False),
    StockType("ET22", 3, "lokomotywa elektryczna towarowa",
              lambda: electric_loco(106, (40, 96, 88), (230, 190, 40), [20, 53, 85], "ET22"), True),
    StockType("SM42", 4, "lokomotywa spalinowa manewrowa",
              lambda: hood_shunter(78, (230, 150, 36), (176, 36, 36), "SM42", 48, 14), True),
    StockType("SM31", 4, "ciężka lokomotywa manewrowa",
              lambda: hood_shunter(92, (70, 112, 62), YELLOW, "", 40, 14), False),
    StockType("SU45", 4, "lokomotywa spalinowa pasażerska",
              lambda: road_diesel(104, (226, 210, 170), (184, 40, 40), 9, "SU45"), True),
    StockType("ST44", 4, "lokomotywa spalinowa towarowa",
              lambda: road_diesel(98, (48, 92, 58), YELLOW, 12, ""), False),
    StockType("Ol49", 5, "parowóz osobowy",
              lambda: tender_engine(114, [30, 41, 52], 4.8, "", False), False),
    StockType("Ty2", 5, "parowóz towarowy",
              lambda: tender_engine(128, [28, 37, 46, 55, 64], 4.0, "Ty2", True), True),
    StockType("TKt48", 5, "parowóz tendrzak", tank_engine, False),
]
