"""Checks of a station and its timetable before they are written: what the
game's readers test, and what makes a day playable (every train has a track
to its platform, entries, exits and platforms are not planned twice at once,
the single-track line carries one train at a time).

Each check returns a list of problems; an empty list is a pass.
"""

from roz_file import minutes
from station_file import (DEPOT, ENTRY, EXIT, FREIGHT, LINE, PLATFORM, SIDING, MAX_PATH_TILES)

SHIFT_START = 4 * 60      # the day is counted from 4:00
STAND_AT_PLATFORM = 5     # minutes a train must stand at a platform before it may leave
SPECIAL_CLASS = 5


def shift_minute(t):
    """Minutes since the shift began of an HHMM time (next-day times carry 2400)."""
    m = minutes(t)
    return m - SHIFT_START if m >= SHIFT_START else m + 1440 - SHIFT_START


def check_station(station, tracks, depot_values):
    problems = []
    if any(r == 0 or c == 0 for r, c in station.cells):
        problems.append("row 0 or column 0 holds a tile")
    kinds = [p.kind for p in station.points]
    if DEPOT not in kinds:
        problems.append("no depot")
    if any(v < 1 for v in depot_values):
        problems.append("a depot value below 1")
    for p in station.points:
        if p.kind == LINE:
            a, b = divmod(p.param, 100)
            if a == 0 or b == 0 or 10 * a < b:
                problems.append("line %s: bad block definition %d" % (p.name, p.param))
        if p.kind in (ENTRY, EXIT, LINE) and not 0 <= p.digit <= 9:
            problems.append("%s: the digit after the tile is not one digit" % p.name)
        if p.kind in (ENTRY, EXIT, LINE) and not 1 <= p.sixth // 10 <= 9:
            problems.append("%s: line number outside 1..9" % p.name)
        if p.kind in (PLATFORM, FREIGHT) and len(p.tiles) != 3:
            problems.append("%s: a platform needs its two end tiles and a middle one" % p.name)
        if len(p.tiles) == 3 and (len({r for r, _ in p.tiles}) != 1 or
                                  [c for _, c in p.tiles] != list(range(p.tiles[0][1], p.tiles[0][1] + 3))):
            problems.append("%s: the tiles do not lie side by side, west to east" % p.name)
    for t in tracks:
        if len(t.tiles) > MAX_PATH_TILES:
            problems.append("a track of %d tiles" % len(t.tiles))
    return problems


def _track_between(station, tracks, a, b, electric):
    """Whether a track joins tile a to tile b (both ways when it may be used so)."""
    for t in tracks:
        if electric and not t.electric:
            continue
        if (t.tiles[0], t.tiles[-1]) == (a, b) or (t.two_way and (t.tiles[-1], t.tiles[0]) == (a, b)):
            return True
    return False


def _tile(code):
    return divmod(abs(code), 100)


def check_routes(day, station, tracks):
    """Every train can run from its entry to its planned track and from the
    track to its exit, under catenary when it is electric."""
    tt = day.tt
    problems = []
    for row in tt.rows:
        electric = _electric(tt, row)
        track = row.track and day.points[row.track]
        leaving = row.departure_track and day.points[row.departure_track]
        label = "train %d/%d" % (row.arrival_number, row.departure_number)
        if row.entry and track:
            entry = _tile(row.entry)
            end = _facing_end(track, entry)
            if not _track_between(station, tracks, entry, end, electric):
                problems.append("%s: no track from its entry to %s" % (label, track.name))
        if row.exit and leaving:
            exit_tile = _tile(row.exit)
            end = _facing_end(leaving, exit_tile)
            if not _track_between(station, tracks, end, exit_tile, electric):
                problems.append("%s: no track from %s to its exit" % (label, leaving.name))
    return problems


def _facing_end(point, toward):
    """The end of a point that a move to or from the tile toward uses."""
    if len(point.tiles) == 3:
        return point.tiles[2] if toward[1] >= point.tiles[2][1] else point.tiles[0]
    return point.tiles[0]


def _electric(tt, row):
    kinds = []
    for units in (row.units_arriving, row.units_departing):
        kinds += [tt.type_kind(u.loco) for u in units]
    if row.loco and not (row.units_arriving or row.units_departing):
        kinds.append(tt.type_kind(row.loco))
    return bool(kinds) and all(k in (1, 3) for k in kinds)


def check_points(day, station, depot_capacity):
    """Entries, exits and start places name points of the right kinds, and no
    two things stand on one slot when the shift begins."""
    problems = []
    kind_at = {}
    for p in station.points:
        for r, c in p.tiles:
            kind_at[r * 100 + c] = p.kind
    for row in day.tt.rows:
        if row.entry and kind_at.get(row.entry) not in (ENTRY, LINE):
            problems.append("row %d: entry tile %d is no entry" % (row.arrival_number, row.entry))
        if row.exit and kind_at.get(row.exit) not in (EXIT, LINE):
            problems.append("row %d: exit tile %d is no exit" % (row.departure_number, row.exit))
        if row.train_state == 1 and kind_at.get(row.start_tile) not in (PLATFORM, FREIGHT, SIDING):
            problems.append("row %d: stands at the start on no platform or siding" % row.departure_number)
    taken = set()
    for g in day.tt.groups:
        if g.tile and g.tile not in kind_at:
            problems.append("engine %s: tile %d belongs to no point" % (g.loco, g.tile))
        if g.tile:
            taken.add((station.point_at(divmod(g.tile, 100)).name, g.sub_track, g.slot))
    if sum(g.count for g in day.tt.groups if not g.tile) > depot_capacity:
        problems.append("more engines in the depot than it holds")
    for row in day.tt.rows:
        if row.train_state == 1:
            place = (row.start_place, row.start_sub_track, row.start_slot)
            if place in taken:
                problems.append("row %d: its place is taken" % row.departure_number)
            taken.add(place)
    return problems


def _windows(rows, key):
    """Per key, the (from, to, label) minutes a resource is taken, sorted."""
    taken = {}
    for row in rows:
        for k, start, end in key(row):
            taken.setdefault(k, []).append((start, end, "%d/%d" % (row.arrival_number,
                                                                  row.departure_number)))
    return {k: sorted(v) for k, v in taken.items()}


def _overlaps(taken, what):
    problems = []
    for k, spans in taken.items():
        for (s0, e0, a), (s1, e1, b) in zip(spans, spans[1:]):
            if s1 < e0:
                problems.append("%s %s: %s and %s overlap" % (what, k, a, b))
    return problems


def check_schedule(day):
    """Entries, exits, the single-track line and the planned tracks are taken
    by one train at a time; trains stand long enough at platforms."""
    tt = day.tt
    points = day.points
    # Minutes before its arrival that a train is placed at its entry, or let
    # onto the single-track line.
    entry_lead = {p.tiles[0][0] * 100 + p.tiles[0][1]: (p.param % 100 if p.kind == LINE else p.param)
                  + p.digit for p in points.values() if p.kind in (ENTRY, LINE)}
    branch = points["branch"].tiles[0][0] * 100 + points["branch"].tiles[0][1]
    problems = []

    def entries(row):
        if row.entry and row.entry != branch:
            a = shift_minute(row.arrival)
            yield row.entry, a - entry_lead[row.entry], a - entry_lead[row.entry] + 5

    def exits(row):
        if row.exit and row.exit != branch:
            d = shift_minute(row.departure)
            # A train takes its exit from the start of its run: from the
            # platform, or for one passing through from its entry.
            if row.state == 5:
                yield row.exit, d - 7, d + 10
            else:
                yield row.exit, d, d + 10

    def line(row):
        # An arriving train takes the line from its admission until it is in;
        # a leaving one from the start of its run until it has cleared the
        # first block.
        if row.entry == branch:
            a = shift_minute(row.arrival)
            yield "branch", a - entry_lead[branch], a - 6
        if row.exit == branch:
            d = shift_minute(row.departure)
            yield "branch", d, d + 10

    def tracks(row):
        # A train stands on its track from a minute before it is due until a
        # minute after it leaves; when it moves between two tracks, a quarter
        # of an hour on each. One standing at the start has stood since the
        # shift began; one standing overnight comes back for the rest of it.
        if row.state == 5 or row.state == 7:
            return
        a = shift_minute(row.arrival) if row.arrival else None
        d = shift_minute(row.departure) if row.departure else 24 * 60
        place = row.start_place if row.train_state == 1 else None
        if place:
            yield (row.departure_track, 0, d) if place == row.departure_track else \
                (row.departure_track, d - 15, d + 1)
            if a is not None:
                yield (row.track, a, 24 * 60) if place == row.track else (row.track, a - 1, a + 15)
        elif row.track == row.departure_track:
            yield row.track, a - 1, d + 1
        else:
            yield row.track, a - 1, a + 15
            yield row.departure_track, d - 15, d + 1

    # Rows that come in or leave together take their resources once.
    single = [r for r in tt.rows if not r.arrival_link or r.arrival_link[1] == 1]
    problems += _overlaps(_windows(single, entries), "entry")
    single = [r for r in tt.rows if not r.departure_link or r.departure_link[1] == 1]
    problems += _overlaps(_windows(single, exits), "exit")
    problems += _overlaps(_windows(tt.rows, line), "single-track line")
    alone = [r for r in tt.rows if not r.arrival_link and not r.departure_link]
    problems += _overlaps(_windows(alone, tracks), "track")
    for row in tt.rows:
        cls = dict((n, c) for n, c, _, _ in tt.categories).get(row.arrival_category)
        if row.state == 0 and row.arrival and row.departure and cls != SPECIAL_CLASS and \
                row.track in points and points[row.track].kind in (PLATFORM, FREIGHT):
            if shift_minute(row.departure) - shift_minute(row.arrival) < STAND_AT_PLATFORM:
                problems.append("train %d stands less than %d minutes" % (row.arrival_number,
                                                                           STAND_AT_PLATFORM))
    return problems
