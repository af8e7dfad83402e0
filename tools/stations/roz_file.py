"""A day's timetable held as trains, locomotive units and names, and the
timetable file (".roz", version 3) that the game reads.

The format is described in docs/timetable-format.md: every number is followed
by one comma, the counts before raw text by a comma and a line end; the name
tables are one entry a line. Text is written in code page 1250.
"""

ENCODING = "cp1250"
NAME_LENGTH = 29   # a name and its terminating zero fill a 30-character entry
STATION_LINE = 19  # characters of the station name that the new-game flow reads
TYPE_NAME = 19     # characters of a vehicle-type name

# Vehicle kinds of a type line.
CAR, EMU, DMU, ELECTRIC, DIESEL, STEAM = range(6)


def hhmm(text):
    """A time "H:MM" as HHMM; a time of the next day is written with 24 hours
    more ("25:05"), as the file carries it."""
    hours, mins = (int(x) for x in text.split(":"))
    return hours * 100 + mins


def minutes(t):
    return t // 100 * 60 + t % 100


class Row:
    """One TimetableRow as the file gives it (fields [0] to [25]); places,
    types and names by their text, links and units filled in on writing."""

    FIELDS = ("state", "arrival", "entry", "origin", "loco", "departure", "exit", "destination",
              "loco_name", "arrival_number", "departure_number", "arrival_link", "departure_link",
              "arrival_category", "departure_category", "train_state", "vehicle", "composition",
              "arrival_platform", "departure_platform", "arrival_name", "departure_name",
              "start_tile", "start_coupled", "start_slot", "start_sub_track")

    def __init__(self, **fields):
        unknown = set(fields) - set(self.FIELDS)
        if unknown:
            raise ValueError("unknown row fields %s" % sorted(unknown))
        self.state = 0
        self.arrival = self.departure = 0
        self.entry = self.exit = 0
        self.origin = self.destination = None
        self.loco = None                 # locomotive or unit type of a row without units
        self.loco_name = None            # its unit name, shown when units have names
        self.arrival_number = self.departure_number = 0
        self.arrival_link = self.departure_link = 0
        self.arrival_category = self.departure_category = 0
        self.train_state = 0
        self.vehicle = None              # type of the row's own car
        self.composition = None          # [(count, type), ...] for the consist preview
        self.arrival_platform = self.departure_platform = 0
        self.arrival_name = self.departure_name = None
        self.start_tile = 0
        self.start_coupled = False
        self.start_slot = 0
        self.start_sub_track = 0
        for key, value in fields.items():
            setattr(self, key, value)
        self.units_arriving = []         # units entered by the reader on each side
        self.units_departing = []


class Unit:
    """A locomotive or multiple unit working a train in and another (or the
    same) train out; drawn from a percent row when percent_row is set."""

    def __init__(self, loco, name, arrival_row, departure_row, percent_row=0):
        self.loco = loco
        self.name = name
        self.arrival_row = arrival_row
        self.departure_row = departure_row
        self.percent_row = percent_row
        arrival_row.units_arriving.append(self)
        departure_row.units_departing.append(self)


class Group:
    """A standing-stock group of the head: count locomotives of a type, placed
    into the depot (tile 0) or onto a slot of a point."""

    def __init__(self, loco, name=None, count=1, tile=0, slot=0, sub_track=0, coupled=False):
        self.loco = loco
        self.name = name
        self.count = count
        self.tile = tile
        self.slot = slot
        self.sub_track = sub_track
        self.coupled = coupled


class VehicleType:
    def __init__(self, picture, name, kind):
        self.picture = picture
        self.name = name
        self.kind = kind


class Timetable:
    def __init__(self, station, start, home):
        if len(station) > STATION_LINE:
            raise ValueError("station name longer than %d characters" % STATION_LINE)
        self.station = station
        self.start = start
        self.places = [home]              # place 0 is the station itself
        self.train_names = []
        self.unit_names = [""]            # name 0: a locomotive without a name
        self.types = []
        self.percent_rows = []            # {type name: percent}
        self.categories = []              # (number, class, code, letter)
        self.groups = []
        self.rows = []
        self.units = []

    def add_type(self, picture, name, kind):
        if len(name) > TYPE_NAME:
            raise ValueError("type name %s too long" % name)
        self.types.append(VehicleType(picture, name, kind))

    def train(self, **fields):
        row = Row(**fields)
        self.rows.append(row)
        return row

    def unit(self, loco, name, arrival_row, departure_row, percent_row=0):
        unit = Unit(loco, name, arrival_row, departure_row, percent_row)
        self.units.append(unit)
        return unit

    @staticmethod
    def link(rows, side):
        """Rows that come in (side "arrival") or leave (side "departure") as one
        consist, front first: each names the next, and the first heads the list."""
        for position, row in enumerate(rows):
            setattr(row, side + "_link", (rows[(position + 1) % len(rows)], position + 1))

    # Lookups ------------------------------------------------------------

    def type_number(self, name):
        if name is None:
            return 0
        for i, t in enumerate(self.types):
            if t.name == name:
                return i + 1
        raise ValueError("no vehicle type %s" % name)

    def type_kind(self, name):
        return self.types[self.type_number(name) - 1].kind

    @staticmethod
    def _index(table, text):
        if text is None:
            return 0
        if text not in table:
            if len(text.encode(ENCODING)) > NAME_LENGTH:
                raise ValueError("name %s longer than %d characters" % (text, NAME_LENGTH))
            table.append(text)
        return table.index(text)

    def place(self, text):
        return self._index(self.places, text)

    def unit_name(self, text):
        return self._index(self.unit_names, text)

    def train_name(self, text):
        return 0 if text is None else self._index(self.train_names, text) + 1

    # The file -----------------------------------------------------------

    def _row_values(self, row, compositions):
        index = {id(r): i for i, r in enumerate(self.rows)}

        def link(value):
            if not value:
                return 0
            nxt, digit = value
            return index[id(nxt)] * 10 + digit

        composition = -1
        if row.composition:
            key = tuple(row.composition)
            if key not in compositions:
                compositions.append(key)
            composition = compositions.index(key)
        has_units = bool(row.units_arriving or row.units_departing)
        start = row.start_tile
        if start and row.start_coupled:
            start = -start
        return [row.state, row.arrival, row.entry, self.place(row.origin),
                0 if has_units else self.type_number(row.loco), row.departure, row.exit,
                self.place(row.destination),
                0 if has_units else self.unit_name(row.loco_name),
                row.arrival_number, row.departure_number, link(row.arrival_link),
                link(row.departure_link), row.arrival_category, row.departure_category,
                row.train_state, self.type_number(row.vehicle), composition,
                row.arrival_platform, row.departure_platform, self.train_name(row.arrival_name),
                self.train_name(row.departure_name), start, row.start_slot, row.start_sub_track, 0]

    def _unit_values(self, unit):
        index = {id(r): i for i, r in enumerate(self.rows)}
        arrival = index[id(unit.arrival_row)]
        if unit.percent_row and arrival == 0:
            raise ValueError("a drawn unit cannot arrive with row 0")
        return [self.type_number(unit.loco), self.unit_name(unit.name),
                -arrival if unit.percent_row else arrival, index[id(unit.departure_row)],
                unit.percent_row]

    def roz_bytes(self):
        # Names are numbered in the order they are first met, so the tables
        # follow the head, the trains and the units.
        for g in self.groups:
            self.unit_name(g.name)
        compositions = []
        rows = [self._row_values(r, compositions) for r in self.rows]
        units = [self._unit_values(u) for u in self.units]
        percent = [[p.get(t.name, 0) for t in self.types] for p in self.percent_rows]

        out = ["3,", self.station, "%d," % len(self.groups)]
        for g in self.groups:
            tile = -g.tile if g.coupled else g.tile
            out.append("%d,%d,%d,%d,%d,%d," % (self.type_number(g.loco), g.count,
                                              self.unit_name(g.name), tile, g.slot, g.sub_track))
        out.append("%d," % len(rows))
        out += ["".join("%d," % v for v in r) for r in rows]
        out.append("%d," % self.start)
        out.append("%d," % len(units))
        out += ["".join("%d," % v for v in u) for u in units]
        out.append("%d,%d," % (len(self.types), len(percent)))
        out += ["".join("%d," % v for v in p) for p in percent]
        out.append("%d," % len(compositions))
        for c in compositions:
            out.append("".join("%d,%d," % (count, self.type_number(t)) for count, t in c) + "0,")
        out.append("0,")  # no picture-only types
        out += ["%s %s %d 0" % (t.picture, t.name, t.kind) for t in self.types]
        for table in (self.unit_names, self.places, self.train_names):
            out.append("%d," % len(table))
            out += table
        out.append("%d," % len(self.categories))
        out += ["%d,%d,%s,%s" % c for c in self.categories]
        return ("\n".join(out) + "\n").encode(ENCODING)
