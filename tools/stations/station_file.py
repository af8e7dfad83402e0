"""A station drawn tile by tile, its points, the tracks the game offers between
them, and the station file (".stc") that the game reads.

The tile shapes come from the one tile catalogue, tools/art/tiles.py: a tile's
drawing code names a track family, and the family's routes say between which
of the eight ports (edge middles and corners) a train may run through it.
Tracks (the TrackPaths of the file) are found by walking those routes from one
point to another; nothing is typed in by hand, so a track always follows the
drawing.
"""

import art_path  # noqa: F401
from tiles import FAMILIES

ROUTES = {f.code: f.routes for f in FAMILIES}
PORT_STEP = {"W": (0, -1), "E": (0, 1), "N": (-1, 0), "S": (1, 0),
             "NW": (-1, -1), "NE": (-1, 1), "SW": (1, -1), "SE": (1, 1)}
OPPOSITE = {"W": "E", "E": "W", "N": "S", "S": "N",
            "NW": "SE", "SE": "NW", "NE": "SW", "SW": "NE"}

# Point kinds of the station file.
ENTRY, EXIT, LINE, PLATFORM, SIDING, STABLING, LOCO_TRACK, DEPOT, FREIGHT = range(1, 10)
KIND_NAMES = {ENTRY: "wjazd", EXIT: "wyjazd", LINE: "wjazd/wyjazd", PLATFORM: "peron",
              SIDING: "bocznica", STABLING: "tor postojowy", LOCO_TRACK: "tor dla lokomotyw",
              DEPOT: "lokomotywownia", FREIGHT: "peron towarowy"}
CODE_PREFIX = {PLATFORM: "P", SIDING: "B", STABLING: "T", LOCO_TRACK: "L", FREIGHT: "Pt"}
# A train may run through the tiles of these points on its way elsewhere.
PASSABLE_KINDS = (PLATFORM, STABLING, FREIGHT)

MAX_PATH_TILES = 196  # a TrackPath row holds 200 cells: two flags, the end tile, the tiles, 0
LONGEST_DETOUR = 14   # tiles a candidate track may be longer than the shortest one
MOST_CANDIDATES = 8   # tracks offered between the same two tiles


def tile_code(r, c):
    return r * 100 + c


class Cell:
    """One tile: the track family the trains follow, whether it has catenary,
    and, for a marker, the digit or letter code drawn instead of the track."""

    def __init__(self, family, electric, marker=None):
        self.family = family
        self.electric = electric
        self.marker = marker

    def code(self):
        if self.marker is not None:
            return self.marker
        if self.family == 0:
            return 0
        return self.family if self.electric else self.family * 10


class Point:
    """A StationPoint: kind, parameter, its tiles as (row, column) (up to
    three; an entry or exit has one), for an entry or exit the digit that
    stands in the place of a second tile, and the sixth value."""

    def __init__(self, kind, tiles, param=0, digit=0, sixth=0, name=""):
        self.kind = kind
        self.tiles = tiles
        self.param = param
        self.digit = digit
        self.sixth = sixth
        self.name = name

    def tile_values(self):
        codes = [tile_code(r, c) for r, c in self.tiles]
        if self.kind in (ENTRY, EXIT, LINE):
            # An entry or exit has one tile and keeps a digit in the second place.
            return [codes[0], self.digit, 0]
        return codes + [0] * (3 - len(codes))

    def values(self):
        return [self.kind, self.param] + self.tile_values() + [self.sixth]

    def ends(self):
        """The tiles a track may start or end at."""
        if len(self.tiles) == 3:
            return [self.tiles[0], self.tiles[2]]
        return list(self.tiles)


class Track:
    def __init__(self, tiles, two_way, electric):
        self.tiles = tiles
        self.two_way = two_way
        self.electric = electric

    def values(self):
        return [1 if self.two_way else 0, 1 if self.electric else 0] + \
            [tile_code(r, c) for r, c in self.tiles] + [0]


class Station:
    def __init__(self, rows, cols):
        if cols > 100:
            raise ValueError("a TileCode has room for 100 columns")
        self.rows = rows
        self.cols = cols
        self.cells = {}
        self.points = []
        self.sub_tracks = 0

    # Drawing -------------------------------------------------------------

    def lay(self, r, c, family, electric=True):
        """Puts one tile; row 0 and column 0 stay empty, and no tile is laid twice."""
        if not (1 <= r < self.rows and 1 <= c < self.cols):
            raise ValueError("tile %d,%d outside the grid" % (r, c))
        if (r, c) in self.cells:
            raise ValueError("tile %d,%d laid twice" % (r, c))
        if family not in ROUTES:
            raise ValueError("no track family %d" % family)
        self.cells[(r, c)] = Cell(family, electric)

    def run(self, r, c0, c1, family=10, electric=True):
        """A horizontal run of one family over the columns c0..c1."""
        for c in range(c0, c1 + 1):
            self.lay(r, c, family, electric)

    def diagonal(self, r, c, families, down, electric=True):
        """Tiles of the given families from (r, c), one row down (or up) for
        each column east: a diagonal track, a ladder of switches, a fan."""
        dr = 1 if down else -1
        for i, family in enumerate(families):
            self.lay(r + dr * i, c + i, family, electric)

    def mark(self, r, c, code):
        """A digit (1..9) or letter (-1..-37) marker. On a track tile the marker
        is drawn in place of the track, which still runs through it."""
        if not (1 <= code <= 9 or -37 <= code <= -1):
            raise ValueError("no marker %d" % code)
        cell = self.cells.get((r, c))
        if cell is None:
            if not (1 <= r < self.rows and 1 <= c < self.cols):
                raise ValueError("tile %d,%d outside the grid" % (r, c))
            self.cells[(r, c)] = Cell(0, False, code)
        elif cell.marker is None:
            cell.marker = code
        else:
            raise ValueError("tile %d,%d marked twice" % (r, c))

    def code(self, r, c):
        cell = self.cells.get((r, c))
        return cell.code() if cell else 0

    # Points --------------------------------------------------------------

    def add_point(self, point):
        for tile in point.tiles:
            cell = self.cells.get(tile)
            if cell is None or cell.family == 0:
                raise ValueError("point %s: tile %s holds no track" % (point.name, tile))
        if point.kind == SIDING:
            point.sixth = self.sub_tracks
            self.sub_tracks += point.param
        self.points.append(point)
        return point

    def point_at(self, tile):
        for p in self.points:
            if tile in p.tiles:
                return p
        return None

    def short_code(self, point):
        prefix = CODE_PREFIX.get(point.kind)
        if not prefix:
            return ""
        same = [p for p in self.points if p.kind == point.kind]
        return "%s%d" % (prefix, same.index(point) + 1)

    # Tracks --------------------------------------------------------------

    def _ways_out(self, tile, port_in):
        """Ports a train entering the tile at port_in may leave it by."""
        for route in ROUTES[self.cells[tile].family]:
            if len(route) == 2:
                a, b = route
                if a == port_in:
                    yield b
                elif b == port_in:
                    yield a

    def _ports(self, tile):
        return {p for route in ROUTES[self.cells[tile].family] for p in route}

    def _step(self, tile, port):
        """The next tile through a port and the port it is entered by, when the
        track joins there."""
        dr, dc = PORT_STEP[port]
        nxt = (tile[0] + dr, tile[1] + dc)
        cell = self.cells.get(nxt)
        if cell is None or cell.family == 0:
            return None
        port_in = OPPOSITE[port]
        if port_in not in self._ports(nxt):
            return None
        return nxt, port_in

    def _moves(self, tile, port_in):
        """(next tile, port entered by) for every way on from a tile entered
        at port_in; a walk's first tile may be left by any of its ports."""
        outs = self._ports(tile) if port_in is None else self._ways_out(tile, port_in)
        for port in sorted(outs):
            nxt = self._step(tile, port)
            if nxt is not None:
                yield nxt

    def _shortest(self, start, goal, barred):
        """Tiles of the shortest walk, or None; walks may cross themselves here,
        so this bounds the simple walks from below."""
        frontier = [(start, None)]
        seen = {(start, None)}
        length = 1
        while frontier:
            if any(t == goal for t, _ in frontier):
                return length
            following = []
            for tile, port_in in frontier:
                for state in self._moves(tile, port_in):
                    if state not in seen and state[0] not in barred:
                        seen.add(state)
                        following.append(state)
            frontier = following
            length += 1
        return None

    def _walks(self, start, goal, barred):
        """Every simple walk from start to goal along the tile routes that
        avoids the barred tiles, at most LONGEST_DETOUR tiles longer than the
        shortest one, shortest first."""
        bound = self._shortest(start, goal, barred)
        if bound is None:
            return []
        limit = min(bound + LONGEST_DETOUR, MAX_PATH_TILES)
        found = []

        def go(tile, port_in, walk, seen):
            if tile == goal:
                found.append(list(walk))
                return
            if len(walk) == limit:
                return
            for nxt, nxt_in in self._moves(tile, port_in):
                if nxt in seen or nxt in barred:
                    continue
                seen.add(nxt)
                walk.append(nxt)
                go(nxt, nxt_in, walk, seen)
                walk.pop()
                seen.discard(nxt)

        go(start, None, [start], {start})
        if not found:
            return []
        shortest = min(len(w) for w in found)
        return sorted((w for w in found if len(w) <= shortest + LONGEST_DETOUR),
                      key=lambda w: (len(w), w))

    def _barred(self, a_point, b_point, start, goal):
        barred = set()
        for p in self.points:
            if p.kind in PASSABLE_KINDS and p is not a_point and p is not b_point:
                continue
            barred.update(t for t in p.tiles if t not in (start, goal))
        return barred

    @staticmethod
    def _zigzag(walk):
        """Whether a walk crosses over to a neighbouring parallel track and
        straight back, which no dispatcher would set when the straight way is
        free."""
        rows = []
        for (r0, _), (r1, _) in zip(walk, walk[1:]):
            if r0 == r1 and (not rows or rows[-1] != r0):
                rows.append(r0)
        return any(a == c and abs(a - b) == 1 for a, b, c in zip(rows, rows[1:], rows[2:]))

    @staticmethod
    def _distinct(walks):
        """The walks in order, each kept when it and every walk kept before
        still have a tile of their own, so that a click picks exactly one."""
        kept = []
        for w in walks:
            trial = kept + [set(w)]
            if all(s - set().union(*(o for j, o in enumerate(trial) if j != i))
                   for i, s in enumerate(trial)):
                kept.append(set(w))
                yield w
            if len(kept) == MOST_CANDIDATES:
                return

    def tracks(self):
        """The TrackPaths: between every two end tiles of points that a move
        may join, the shortest walks and the near alternatives. A track runs
        both ways unless one of its points is an entry or an exit."""
        sources = [p for p in self.points if p.kind != EXIT]
        result = []
        done = set()
        for a in sources:
            for b in self.points:
                if b is a or b.kind == ENTRY or (a.kind == ENTRY and b.kind == ENTRY):
                    continue
                two_way = a.kind not in (ENTRY, EXIT) and b.kind not in (ENTRY, EXIT)
                key = (min(id(a), id(b)), max(id(a), id(b))) if two_way else (id(a), id(b))
                if key in done:
                    continue
                done.add(key)
                for start in a.ends():
                    for goal in b.ends():
                        walks = self._walks(start, goal, self._barred(a, b, start, goal))
                        straight = [w for w in walks if not self._zigzag(w)]
                        for w in self._distinct(straight or walks):
                            electric = all(self.cells[t].electric for t in w)
                            result.append(Track(w, two_way, electric))
        return result

    # The file ------------------------------------------------------------

    def stc_text(self, seconds_per_step, depot_values, head=1):
        """The station file: integers, each followed by a comma, one group to a line."""
        tracks = self.tracks()
        lines = ["%d," % head, "%d,%d," % (self.rows, self.cols)]
        for r in range(self.rows):
            lines.append("".join("%d," % self.code(r, c) for c in range(self.cols)))
        lines.append("%d," % len(tracks))
        lines += ["".join("%d," % v for v in t.values()) for t in tracks]
        lines.append("%d,%d," % (len(self.points), self.sub_tracks))
        lines += ["".join("%d," % v for v in p.values()) for p in self.points]
        lines.append("%d," % seconds_per_step)
        lines.append("".join("%d," % v for v in depot_values))
        return "\n".join(lines) + "\n", tracks
