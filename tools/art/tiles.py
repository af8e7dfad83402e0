"""The tile catalogue: what every drawing code looks like, and its 14 x 14 pictures.

A tile is 14 x 14 pixels. Track runs from the tile's centre to one of eight
ports: the middles of the four edges (W, E, N, S) and the four corners
(NW, NE, SW, SE). Every straight piece of track is 2 pixels wide, centred on
the line between the centre and its port, so the rows 6 and 7 carry a
horizontal track and the columns 6 and 7 a vertical one; a diagonal track
meets the next tile at the shared corner. A tile joins its neighbour wherever
both have track at the shared edge middle or corner.

Variants (the last digit of a picture number):
    1 route locked or candidate      6 the same, track without catenary
    2 free, track with catenary      7 free, track without catenary
    3 occupied or start of candidates  8 the same, track without catenary
    4 out of service, with catenary  5 out of service, without catenary
The station view draws 2 for a free tile of codes 10..78 and 7 for a free
tile of codes 100..789; locked and occupied tiles look the same either way.
"""

from imaging import Canvas

SIZE = 14

# The one 16-colour palette of every tile picture.
KEY = (255, 255, 255)             # transparent
KEY53 = (255, 0, 255)             # transparent in family 53, keyed on its top-left pixel
FREE_ELECTRIC = (24, 52, 150)
FREE_PLAIN = (92, 84, 78)
LOCKED = (0, 158, 70)
OCCUPIED = (218, 34, 34)
IDLE_ELECTRIC = (150, 170, 212)
IDLE_PLAIN = (178, 174, 170)
PLATFORM = (212, 212, 206)
EDGE = (128, 128, 128)
DARK = (48, 48, 48)
ROOF = (196, 160, 122)
PIT = (228, 214, 176)
WATER = (150, 196, 232)
BLACK = (0, 0, 0)
SPARE = (255, 255, 0)
PALETTE = [KEY, KEY53, FREE_ELECTRIC, FREE_PLAIN, LOCKED, OCCUPIED, IDLE_ELECTRIC,
           IDLE_PLAIN, PLATFORM, EDGE, DARK, ROOF, PIT, WATER, BLACK, SPARE]

VARIANTS = {
    1: ("route locked or candidate", LOCKED),
    2: ("free, with catenary", FREE_ELECTRIC),
    3: ("occupied or start of candidates", OCCUPIED),
    4: ("out of service, with catenary", IDLE_ELECTRIC),
    5: ("out of service, without catenary", IDLE_PLAIN),
    6: ("route locked or candidate, without catenary", LOCKED),
    7: ("free, without catenary", FREE_PLAIN),
    8: ("occupied or start of candidates, without catenary", OCCUPIED),
}

# Signal lamps follow the route: green while a route is locked through the tile.
LAMP = {1: LOCKED, 2: OCCUPIED, 3: OCCUPIED, 4: EDGE, 5: EDGE, 6: LOCKED, 7: OCCUPIED, 8: OCCUPIED}

PORTS = {
    "W": (0.0, 7.0), "E": (14.0, 7.0), "N": (7.0, 0.0), "S": (7.0, 14.0),
    "NW": (0.0, 0.0), "NE": (14.0, 0.0), "SW": (0.0, 14.0), "SE": (14.0, 14.0),
}
CENTRE = (7.0, 7.0)
DIRECTIONS = {  # unit steps on the screen (y grows downwards), not normalised
    "W": (-1, 0), "E": (1, 0), "N": (0, -1), "S": (0, 1),
    "NW": (-1, -1), "NE": (1, -1), "SW": (-1, 1), "SE": (1, 1),
}
HALF_WIDTH = 0.75  # a pixel belongs to a track when its centre lies this close


class Pen:
    """Draws one tile picture in the colours of one variant."""

    def __init__(self, variant, key=KEY):
        self.canvas = Canvas(SIZE, SIZE, key)
        self.variant = variant
        self.track = VARIANTS[variant][1]
        self.lamp = LAMP[variant]

    def segment(self, a, b, colour=None, r=HALF_WIDTH):
        self.canvas.segment(a, b, r, colour or self.track)

    def arms(self, *ports):
        for p in ports:
            self.segment(CENTRE, PORTS[p])

    def polygon(self, pts, colour=None):
        self.canvas.polygon(pts, colour or self.track)

    def disc(self, cx, cy, r, colour):
        self.canvas.disc(cx, cy, r, colour)

    def ring(self, cx, cy, r0, r1, colour):
        self.canvas.fill_where(lambda x, y: r0 * r0 < (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1, colour)

    def rect(self, x0, y0, x1, y1, colour):
        self.canvas.rect(x0, y0, x1, y1, colour)


# --- the shapes -----------------------------------------------------------

def straight(*ports):
    return lambda pen: pen.arms(*ports)


def bend(a, b):
    return lambda pen: pen.arms(a, b)


def switch(a, b, branch):
    return lambda pen: pen.arms(a, b, branch)


def crossing(a, b, c, d):
    return lambda pen: pen.arms(a, b, c, d)


# Slip curves: a thin bow in the obtuse angle between the two arms they join,
# so the crossing reads as an eye.
SLIP_CURVES = {
    ("W", "NE"): [(1.0, 6.3), (5.4, 3.9), (10.4, 3.2)],
    ("E", "SW"): [(13.0, 7.7), (8.6, 10.1), (3.6, 10.8)],
    ("W", "SE"): [(1.0, 7.7), (5.4, 10.1), (10.4, 10.8)],
    ("E", "NW"): [(13.0, 6.3), (8.6, 3.9), (3.6, 3.2)],
}


def slip(crossing_ports, slips):
    def draw(pen):
        pen.arms(*crossing_ports)
        for s in slips:
            pts = SLIP_CURVES[s]
            for a, b in zip(pts, pts[1:]):
                pen.segment(a, b, r=0.55)
    return draw


# Arrowheads as pixel rows: (row, first column, last column) for a head
# pointing east; the track runs through rows 6 and 7.
FILLED_HEAD = [(2, 4, 5), (3, 4, 6), (4, 4, 7), (5, 4, 8), (6, 4, 9), (7, 4, 9),
               (8, 4, 8), (9, 4, 7), (10, 4, 6), (11, 4, 5)]
SMALL_HEAD = [(3, 8, 9), (4, 8, 10), (5, 8, 11), (6, 8, 12), (7, 8, 12),
              (8, 8, 11), (9, 8, 10), (10, 8, 9)]


def _head(pen, rows, east, hollow=False):
    for y, x0, x1 in rows:
        xs = [x0, x1] if hollow else range(x0, x1 + 1)
        for x in xs:
            pen.canvas.put(x if east else 13 - x, y, pen.track)


def line_end(direction, filled, both=False):
    """A horizontal track with an arrowhead: filled for an entry, open for an exit."""
    def draw(pen):
        pen.arms("W", "E")
        if both:
            _head(pen, SMALL_HEAD, True)
            _head(pen, SMALL_HEAD, False)
        else:
            _head(pen, FILLED_HEAD, direction == "E", hollow=not filled)
    return draw


def buffer_stop(from_port):
    def draw(pen):
        dx, dy = DIRECTIONS[from_port]
        # the stop lies on the side opposite the incoming track
        k = 2.0 if dx == 0 or dy == 0 else 1.5
        bx, by = 7.0 - dx * k, 7.0 - dy * k
        pen.segment(PORTS[from_port], (bx, by))
        # bar across the track, 8 pixels long
        px, py = -dy, dx
        h = 3.5 if dx == 0 or dy == 0 else 2.5
        pen.segment((bx - px * h, by - py * h), (bx + px * h, by + py * h), DARK)
    return draw


def platform(north, south):
    def draw(pen):
        if north:
            pen.rect(0, 0, 13, 3, PLATFORM)
            pen.rect(0, 3, 13, 3, EDGE)
        if south:
            pen.rect(0, 10, 13, 13, PLATFORM)
            pen.rect(0, 10, 13, 10, EDGE)
        pen.arms("W", "E")
    return draw


def platform_area(pen):
    pen.rect(0, 0, 13, 13, PLATFORM)


def level_crossing(pen):
    pen.rect(3, 0, 10, 13, EDGE)
    pen.rect(4, 0, 9, 13, KEY)  # the road stays white on any station colour
    pen.arms("W", "E")


def turntable(stubs):
    def draw(pen):
        pen.arms("N", "S")
        if stubs:
            pen.arms("NW", "NE", "SW", "SE")
        pen.disc(7.0, 7.0, 6.5, PIT)
        pen.ring(7.0, 7.0, 5.4, 6.5, DARK)
        pen.rect(2, 5, 11, 5, EDGE)
        pen.rect(2, 8, 11, 8, EDGE)
        pen.arms("W", "E")
    return draw


def shed(door):
    def draw(pen):
        pen.rect(3, 2, 13, 11, DARK)
        pen.rect(4, 3, 12, 10, ROOF)
        pen.rect(3, 5, 3, 8, ROOF)
        pen.segment(PORTS["W"], (11.5, 7.0))
        if door == "E":
            pen.canvas = pen.canvas.mirrored()
    return draw


# Signal head: a dark 4 x 4 disc around a 2 x 2 lamp.
def _signal_head(pen, x, y):
    pen.rect(x + 1, y, x + 2, y + 3, DARK)
    pen.rect(x, y + 1, x + 3, y + 2, DARK)
    pen.rect(x + 1, y + 1, x + 2, y + 2, pen.lamp)


def signal(direction):
    """Signals stand right of the track as the train sees it: a foot across,
    a post along the track and the head pointing the way trains run."""
    def draw(pen):
        pen.arms("W", "E")
        if direction == "E":
            pen.rect(1, 9, 1, 12, DARK)
            pen.rect(1, 10, 8, 11, DARK)
            _signal_head(pen, 9, 9)
        else:
            pen.rect(12, 1, 12, 4, DARK)
            pen.rect(5, 2, 12, 3, DARK)
            _signal_head(pen, 1, 1)
    return draw


def wye(a, b, c):
    return lambda pen: pen.arms(a, b, c)


def bridge(pen):
    pen.rect(0, 3, 13, 10, WATER)
    pen.rect(0, 2, 13, 2, DARK)
    pen.rect(0, 11, 13, 11, DARK)
    pen.rect(0, 4, 13, 4, EDGE)
    pen.rect(0, 9, 13, 9, EDGE)
    pen.arms("W", "E")


class Family:
    def __init__(self, code, group, name, polish, draw, routes, key=KEY, notes=""):
        self.code = code          # drawing code with catenary; code x 10 .. + 9 without
        self.group = group
        self.name = name
        self.polish = polish
        self.draw = draw
        self.routes = routes      # pairs of ports a train can run between
        self.key = key
        self.notes = notes

    def ports(self):
        used = {p for r in self.routes for p in r}
        return [p for p in PORTS if p in used]

    def picture(self, variant):
        pen = Pen(variant, self.key)
        self.draw(pen)
        return pen.canvas


def _routes(*pairs):
    return [tuple(x for x in p.split("-") if x) for p in pairs]


FAMILIES = [
    Family(10, "straight", "straight track, horizontal", "tor prosty poziomy", straight("W", "E"), _routes("W-E")),
    Family(11, "straight", "straight track, vertical", "tor prosty pionowy", straight("N", "S"), _routes("N-S")),
    Family(12, "straight", "diagonal track, rising SW-NE", "tor ukośny", straight("SW", "NE"), _routes("SW-NE")),
    Family(13, "straight", "diagonal track, falling NW-SE", "tor ukośny", straight("NW", "SE"), _routes("NW-SE")),
    Family(14, "bend", "bend W to NE", "łuk", bend("W", "NE"), _routes("W-NE")),
    Family(15, "bend", "bend W to SE", "łuk", bend("W", "SE"), _routes("W-SE")),
    Family(16, "bend", "bend E to NW", "łuk", bend("E", "NW"), _routes("E-NW")),
    Family(17, "bend", "bend E to SW", "łuk", bend("E", "SW"), _routes("E-SW")),
    Family(18, "bend", "bend N to SW", "łuk", bend("N", "SW"), _routes("N-SW")),
    Family(19, "bend", "bend N to SE", "łuk", bend("N", "SE"), _routes("N-SE")),
    Family(20, "bend", "bend S to NW", "łuk", bend("S", "NW"), _routes("S-NW")),
    Family(21, "bend", "bend S to NE", "łuk", bend("S", "NE"), _routes("S-NE")),
    Family(22, "switch", "switch on W-E, branch to NE", "rozjazd", switch("W", "E", "NE"), _routes("W-E", "W-NE")),
    Family(23, "switch", "switch on W-E, branch to SE", "rozjazd", switch("W", "E", "SE"), _routes("W-E", "W-SE")),
    Family(24, "switch", "switch on W-E, branch to NW", "rozjazd", switch("W", "E", "NW"), _routes("W-E", "E-NW")),
    Family(25, "switch", "switch on W-E, branch to SW", "rozjazd", switch("W", "E", "SW"), _routes("W-E", "E-SW")),
    Family(26, "switch", "switch on SW-NE, branch to E", "rozjazd", switch("SW", "NE", "E"), _routes("SW-NE", "SW-E")),
    Family(27, "switch", "switch on SW-NE, branch to W", "rozjazd", switch("SW", "NE", "W"), _routes("SW-NE", "NE-W")),
    Family(28, "switch", "switch on NW-SE, branch to E", "rozjazd", switch("NW", "SE", "E"), _routes("NW-SE", "NW-E")),
    Family(29, "switch", "switch on NW-SE, branch to W", "rozjazd", switch("NW", "SE", "W"), _routes("NW-SE", "SE-W")),
    Family(30, "switch", "switch on N-S, branch to NE", "rozjazd", switch("N", "S", "NE"), _routes("N-S", "S-NE")),
    Family(31, "switch", "switch on N-S, branch to NW", "rozjazd", switch("N", "S", "NW"), _routes("N-S", "S-NW")),
    Family(32, "switch", "switch on N-S, branch to SE", "rozjazd", switch("N", "S", "SE"), _routes("N-S", "N-SE")),
    Family(33, "switch", "switch on N-S, branch to SW", "rozjazd", switch("N", "S", "SW"), _routes("N-S", "N-SW")),
    Family(34, "switch", "switch on SW-NE, branch to N", "rozjazd", switch("SW", "NE", "N"), _routes("SW-NE", "SW-N")),
    Family(35, "switch", "switch on SW-NE, branch to S", "rozjazd", switch("SW", "NE", "S"), _routes("SW-NE", "NE-S")),
    Family(36, "switch", "switch on NW-SE, branch to N", "rozjazd", switch("NW", "SE", "N"), _routes("NW-SE", "SE-N")),
    Family(37, "switch", "switch on NW-SE, branch to S", "rozjazd", switch("NW", "SE", "S"), _routes("NW-SE", "NW-S")),
    Family(38, "switch", "three-way switch, toe at W", "rozjazd potrójny", lambda pen: pen.arms("W", "E", "NE", "SE"), _routes("W-E", "W-NE", "W-SE")),
    Family(39, "switch", "three-way switch, toe at E", "rozjazd potrójny",
           lambda pen: pen.arms("W", "E", "NW", "SW"), _routes("W-E", "E-NW", "E-SW")),
    Family(40, "line", "entry, trains run eastwards", "wjazd", line_end("E", True), _routes("W-E"),
           notes="filled arrow; shown for kind 1 in the entries window (402)"),
    Family(41, "line", "exit, trains run eastwards", "wyjazd", line_end("E", False), _routes("W-E"),
           notes="open arrow; shown for kind 2 in the entries window (412)"),
    Family(42, "line", "entry and exit, both ways", "wjazd/wyjazd", line_end("E", True, both=True), _routes("W-E"),
           notes="two arrows; shown for kind 3 in the entries window (422)"),
    Family(43, "line", "entry, trains run westwards", "wjazd", line_end("W", True), _routes("W-E")),
    Family(44, "line", "exit, trains run westwards", "wyjazd", line_end("W", False), _routes("W-E")),
    Family(45, "crossing", "crossing W-E with SW-NE", "skrzyżowanie", crossing("W", "E", "SW", "NE"), _routes("W-E", "SW-NE")),
    Family(46, "crossing", "crossing W-E with NW-SE", "skrzyżowanie", crossing("W", "E", "NW", "SE"), _routes("W-E", "NW-SE")),
    Family(47, "crossing", "crossing W-E with N-S", "skrzyżowanie", crossing("W", "E", "N", "S"), _routes("W-E", "N-S")),
    Family(48, "crossing", "crossing SW-NE with NW-SE", "skrzyżowanie", crossing("SW", "NE", "NW", "SE"), _routes("SW-NE", "NW-SE")),
    Family(49, "crossing", "crossing N-S with SW-NE", "skrzyżowanie", crossing("N", "S", "SW", "NE"), _routes("N-S", "SW-NE")),
    Family(50, "crossing", "crossing N-S with NW-SE", "skrzyżowanie", crossing("N", "S", "NW", "SE"), _routes("N-S", "NW-SE")),
    Family(51, "crossing", "double slip, W-E with SW-NE", "rozjazd krzyżowy podwójny",
           slip(("W", "E", "SW", "NE"), [("W", "NE"), ("E", "SW")]), _routes("W-E", "SW-NE", "W-NE", "E-SW")),
    Family(52, "crossing", "double slip, W-E with NW-SE", "rozjazd krzyżowy podwójny",
           slip(("W", "E", "NW", "SE"), [("W", "SE"), ("E", "NW")]), _routes("W-E", "NW-SE", "W-SE", "E-NW")),
    Family(53, "other", "level crossing on W-E", "przejazd kolejowy", level_crossing, _routes("W-E"), key=KEY53,
           notes="the road is white on any station colour: this family is keyed on its own top-left pixel"),
    Family(54, "crossing", "single slip, W-E with SW-NE, slip W-NE", "rozjazd krzyżowy pojedynczy",
           slip(("W", "E", "SW", "NE"), [("W", "NE")]), _routes("W-E", "SW-NE", "W-NE")),
    Family(55, "crossing", "single slip, W-E with SW-NE, slip E-SW", "rozjazd krzyżowy pojedynczy",
           slip(("W", "E", "SW", "NE"), [("E", "SW")]), _routes("W-E", "SW-NE", "E-SW")),
    Family(56, "crossing", "single slip, W-E with NW-SE, slip W-SE", "rozjazd krzyżowy pojedynczy",
           slip(("W", "E", "NW", "SE"), [("W", "SE")]), _routes("W-E", "NW-SE", "W-SE")),
    Family(57, "crossing", "single slip, W-E with NW-SE, slip E-NW", "rozjazd krzyżowy pojedynczy",
           slip(("W", "E", "NW", "SE"), [("E", "NW")]), _routes("W-E", "NW-SE", "E-NW")),
    Family(58, "end", "buffer stop, track comes from W", "kozioł oporowy", buffer_stop("W"), _routes("W-")),
    Family(59, "end", "buffer stop, track comes from E", "kozioł oporowy", buffer_stop("E"), _routes("E-")),
    Family(60, "end", "buffer stop, track comes from S", "kozioł oporowy", buffer_stop("S"), _routes("S-")),
    Family(61, "end", "buffer stop, track comes from N", "kozioł oporowy", buffer_stop("N"), _routes("N-")),
    Family(62, "end", "buffer stop, track comes from SW", "kozioł oporowy", buffer_stop("SW"), _routes("SW-")),
    Family(63, "end", "buffer stop, track comes from NW", "kozioł oporowy", buffer_stop("NW"), _routes("NW-")),
    Family(64, "end", "buffer stop, track comes from NE", "kozioł oporowy", buffer_stop("NE"), _routes("NE-")),
    Family(65, "end", "buffer stop, track comes from SE", "kozioł oporowy", buffer_stop("SE"), _routes("SE-")),
    Family(66, "platform", "track W-E, platform to the north", "tor przy peronie", platform(True, False), _routes("W-E")),
    Family(67, "platform", "track W-E, platform to the south", "tor przy peronie", platform(False, True), _routes("W-E")),
    Family(68, "platform", "track W-E between two platforms", "tor między peronami", platform(True, True), _routes("W-E")),
    Family(69, "platform", "platform area, no track", "peron", platform_area, []),
    Family(70, "other", "turntable, bridge W-E", "obrotnica", turntable(False), _routes("W-E", "N-S")),
    Family(71, "other", "turntable with diagonal stubs", "obrotnica",
           turntable(True), _routes("W-E", "N-S", "SW-NE", "NW-SE")),
    Family(72, "other", "engine shed, track enters from W", "lokomotywownia", shed("W"), _routes("W-")),
    Family(73, "other", "engine shed, track enters from E", "lokomotywownia", shed("E"), _routes("E-")),
    Family(74, "other", "signal for trains running east", "semafor", signal("E"), _routes("W-E"),
           notes="lamp green while a route is locked through the tile, else red"),
    Family(75, "other", "signal for trains running west", "semafor", signal("W"), _routes("W-E"),
           notes="lamp green while a route is locked through the tile, else red"),
    Family(76, "switch", "wye, toe at W, branches NE and SE", "rozjazd symetryczny", wye("W", "NE", "SE"), _routes("W-NE", "W-SE")),
    Family(77, "switch", "wye, toe at E, branches NW and SW", "rozjazd symetryczny", wye("E", "NW", "SW"), _routes("E-NW", "E-SW")),
    Family(78, "other", "bridge on W-E", "most", bridge, _routes("W-E")),
]

FIRST_FAMILY = 10
LAST_FAMILY = 78
