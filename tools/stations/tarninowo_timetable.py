"""Tarninowo's day: the trains of one 24-hour shift from 4:00 to 4:00.

Line 1 (west) runs to Wiciokrzewo, Dereniów, Kruszynowo and Bursztynowo
Morskie; line 2 (east) to Ostrężyn, Szakłakowo and Limbowo Zdrój; line 3 (the
branch) to Jemiołowo. Eastbound trains carry odd numbers, westbound ones even.

Every row is one consist's stay at the station: it comes in, stands, and goes
out, with the numbers and relations of both sides. A row whose departure is
earlier in the day than its arrival stood here overnight: it is at the station
when the shift begins, leaves in the morning and comes back in the evening.
Times after midnight carry 2400 more: 25:05 is 1:05 of the next day.
"""

from roz_file import CAR, DIESEL, DMU, ELECTRIC, EMU, STEAM, Group, Timetable, hhmm

# Categories (the game's defaults, and two of this timetable's own).
TW, OS, TLK, LOK, IC, EN = 0, 2, 5, 7, 8, 18
TDZ, RET = 30, 31
OWN_CATEGORIES = [(TDZ, 4, "TDZ", "Z"),   # pociąg zdawczy: local goods train, class Towarowy
                  (RET, 5, "RET", "R")]   # retro steam special, class Specjalny
CATEGORY_CODES = {TW: "TW", OS: "OS", TLK: "TLK", LOK: "LOK", IC: "IC", EN: "EN", TDZ: "TDZ",
                  RET: "RET"}

TYPES = [  # picture, type name, kind
    ("EN57", "EN57", EMU), ("EN81", "EN81", EMU), ("SA133", "SA133", DMU), ("SA134", "SA134", DMU),
    ("EU07_1", "EU07", ELECTRIC), ("EP09", "EP09", ELECTRIC), ("ET22_1", "ET22", ELECTRIC),
    ("SM42_1", "SM42", DIESEL), ("SM31", "SM31", DIESEL), ("SU45_1", "SU45", DIESEL),
    ("ST44", "ST44", DIESEL), ("Ol49", "Ol49", STEAM), ("Ty2_1", "Ty2", STEAM),
    ("TKt48", "TKt48", STEAM),
    ("A", "A", CAR), ("B", "B", CAR), ("AB", "AB", CAR), ("Bc", "Bc", CAR), ("WL", "WL", CAR),
    ("WR", "WR", CAR), ("D", "D", CAR), ("Eaos", "Eaos", CAR), ("Gags", "Gags", CAR),
    ("Zaes", "Zaes", CAR), ("Res", "Res", CAR), ("Falns", "Falns", CAR), ("Sgs", "Sgs", CAR),
]

# Regional multiple units whose type the game draws shortly before they come.
EMU_DRAW = {"EN57": 60, "EN81": 40}

IC_CARS = [(1, "A"), (4, "B"), (1, "WR")]
TLK_CARS = [(1, "AB"), (4, "B"), (1, "D")]
NIGHT_CARS = [(2, "WL"), (2, "Bc"), (2, "B")]
LOCAL_CARS = [(1, "AB"), (2, "B")]
RETRO_CARS = [(3, "B"), (1, "D")]

WEST, EAST, BRANCH = "west", "east", "branch"
WICIOKRZEWO = "Wiciokrzewo Główne"
WICIOKRZEWO_GOODS = "Wiciokrzewo Towarowa"
SZAKLAKOWO = "Szakłakowo Główne"
SZAKLAKOWO_GOODS = "Szakłakowo Towarowa"
BURSZTYNOWO = "Bursztynowo Morskie"
LIMBOWO = "Limbowo Zdrój"
KRUSZYNOWO = "Kruszynowo"
DERENIOW = "Dereniów"
OSTREZYN = "Ostrężyn"
JEMIOLOWO = "Jemiołowo"
QUARRY = "Jemiołowo Kamieniołom"


class Day:
    """The timetable being written, with the station's points at hand."""

    def __init__(self, station, points):
        self.station = station
        self.points = points
        self.tt = Timetable("Tarninowo", hhmm("4:00"), "Tarninowo")
        for picture, name, kind in TYPES:
            self.tt.add_type(picture, name, kind)
        self.tt.percent_rows = [EMU_DRAW]
        self.tt.categories = OWN_CATEGORIES
        self.category_codes = CATEGORY_CODES
        self.entries = {WEST: points["entry_w"], EAST: points["entry_e"], BRANCH: points["branch"]}
        self.exits = {WEST: points["exit_w"], EAST: points["exit_e"], BRANCH: points["branch"]}

    def tile(self, name):
        r, c = self.points[name].tiles[0]
        return r * 100 + c

    def peron(self, track):
        """The platform number drawn on a platform track's middle tile; 0 for
        the other tracks."""
        point = self.points[track]
        if len(point.tiles) != 3:
            return 0
        code = self.station.code(*point.tiles[1])
        return code if 1 <= code <= 9 else 0

    def stay(self, track, arrive=None, leave=None, numbers=(0, 0), category=OS, loco=None,
             loco_name=None, vehicle=None, cars=None, names=(None, None), state=0,
             departure_track=None):
        """One row: arrive = (time, from side, origin), leave = (time, to side,
        destination); the track is where the timetable puts the train when it
        comes in, departure_track where it leaves from when that is another."""
        row = self.tt.train(state=state, loco=loco, loco_name=loco_name, vehicle=vehicle,
                            composition=cars, arrival_name=names[0], departure_name=names[1])
        row.arrival_category = row.departure_category = category
        row.arrival_number, row.departure_number = numbers
        row.track = track
        row.departure_track = departure_track or track
        if arrive:
            time, side, origin = arrive
            row.arrival, row.origin = hhmm(time), origin
            row.entry = self.tile(self.entries[side].name)
            row.arrival_platform = self.peron(track)
        if leave:
            time, side, destination = leave
            row.departure, row.destination = hhmm(time), destination
            row.exit = self.tile(self.exits[side].name)
            row.departure_platform = self.peron(row.departure_track)
        return row

    def standing(self, row, track, slot=0, sub_track=0, coupled=False):
        """The row's consist stands on the track when the shift begins."""
        row.start_place = track
        row.train_state = 1
        row.start_tile = self.tile(track)
        row.start_slot = slot
        row.start_sub_track = sub_track
        row.start_coupled = coupled
        if row.arrival == 0:
            row.state = 6     # formed here: its leaving role, not on the arrivals board
        else:
            row.state = 1     # came in last evening: already in its leaving role
        return row

    def through_freight(self, time, side_in, number, origin, destination, cars, loco="ET22"):
        """A goods train that passes without stopping."""
        side_out = EAST if side_in == WEST else WEST
        track = "track2" if side_in == WEST else "track1"
        row = self.stay(track, (time, side_in, origin), (time, side_out, destination),
                        (number, number), TW, loco, vehicle=cars[0][1], cars=cars, state=5)
        row.arrival_platform = row.departure_platform = 0
        return row

    def light_engine(self, track, time, side, loco, name, number):
        """An engine that comes light and goes to the track named."""
        return self.stay(track, (time, side, None), None, (number, 0), LOK, loco, name, state=7)


def _main_line(d):
    """Expresses, fast trains, regional units and their turnbacks on lines 1 and 2."""
    ic = [("6:40", "6:45", 5101, "Bursztyn"), ("10:40", "10:45", 5103, "Limba"),
          ("14:40", "14:45", 5105, None), ("18:40", "18:45", 5107, "Wiciokrzew"),
          ("21:40", "21:45", 5109, None)]
    for arr, dep, number, name in ic:
        d.stay("track2", (arr, WEST, BURSZTYNOWO), (dep, EAST, LIMBOWO), (number, number), IC,
               "EP09", vehicle="B", cars=IC_CARS, names=(name, name))
    ic = [("5:55", "6:00", 5108, None), ("8:10", "8:15", 5106, "Wiciokrzew"),
          ("12:10", "12:15", 5104, None),
          ("16:10", "16:15", 5102, "Limba"), ("20:10", "20:15", 5100, "Bursztyn")]
    for arr, dep, number, name in ic:
        d.stay("track1", (arr, EAST, LIMBOWO), (dep, WEST, BURSZTYNOWO), (number, number), IC,
               "EP09", vehicle="B", cars=IC_CARS, names=(name, name))
    tlk = [("5:24", "5:30", 38101), ("11:24", "11:30", 38103), ("15:24", "15:30", 38105),
           ("20:35", "20:40", 38107), ("23:40", "23:46", 38109)]
    for arr, dep, number in tlk:
        d.stay("track2", (arr, WEST, KRUSZYNOWO), (dep, EAST, SZAKLAKOWO), (number, number), TLK,
               "EU07", vehicle="B", cars=TLK_CARS)
    tlk = [("7:32", "7:37", 38100), ("13:32", "13:37", 38102), ("17:32", "17:37", 38104)]
    for arr, dep, number in tlk:
        d.stay("track1", (arr, EAST, SZAKLAKOWO), (dep, WEST, KRUSZYNOWO), (number, number), TLK,
               "EU07", vehicle="B", cars=TLK_CARS)
    # The last fast train stands here over midnight.
    d.stay("track1", ("23:56", EAST, SZAKLAKOWO), ("24:02", WEST, KRUSZYNOWO), (38106, 38106), TLK,
           "EU07", vehicle="B", cars=TLK_CARS)
    # The night express.
    d.stay("track2", ("25:48", WEST, BURSZTYNOWO), ("25:54", EAST, LIMBOWO), (441, 441), EN,
           "EP09", vehicle="WL", cars=NIGHT_CARS, names=("Tarnina", "Tarnina"))
    d.stay("track1", ("26:36", EAST, LIMBOWO), ("26:42", WEST, BURSZTYNOWO), (440, 440), EN,
           "EP09", vehicle="WL", cars=NIGHT_CARS, names=("Tarnina", "Tarnina"))

    # Regional units Wiciokrzewo - Szakłakowo every two hours; the type of
    # some is drawn (EN57 or EN81) shortly before they come.
    for i, hour in enumerate(range(5, 22, 2)):
        number = 33101 + 2 * i
        row = d.stay("track2", ("%d:08" % hour, WEST, WICIOKRZEWO),
                     ("%d:14" % hour, EAST, SZAKLAKOWO), (number, number), OS, "EN57",
                     "EN57-%d" % (1100 + i))
        if i % 3 == 1:
            d.tt.unit("EN57", row.loco_name, row, row, percent_row=1)
    for i, hour in enumerate(range(6, 23, 2)):
        number = 33102 + 2 * i
        unit = "EN81-%02d" % (30 + i) if i % 2 else "EN57-%d" % (1120 + i)
        row = d.stay("track1", ("%d:48" % hour, EAST, SZAKLAKOWO),
                     ("%d:54" % hour, WEST, WICIOKRZEWO), (number, number), OS, unit[:4], unit)
        if i % 3 == 2:
            d.tt.unit(unit[:4], unit, row, row, percent_row=1)

    # The Dereniów shuttle turns on track 4; it sleeps there.
    shuttle = "EN57-1044"
    d.standing(d.stay("track4", ("22:22", WEST, DERENIOW), ("4:52", WEST, DERENIOW),
                      (34117, 34100), OS, "EN57", shuttle), "track4")
    for i, hour in enumerate(range(6, 21, 2)):
        d.stay("track4", ("%d:22" % hour, WEST, DERENIOW), ("%d:36" % hour, WEST, DERENIOW),
               (34101 + 2 * i, 34102 + 2 * i), OS, "EN57", shuttle)
    # The Ostrężyn shuttle turns on track 6.
    for i, hour in enumerate((7, 11, 15, 19)):
        d.stay("track6", ("%d:05" % hour, EAST, OSTREZYN), ("%d:42" % hour, EAST, OSTREZYN),
               (35100 + 2 * i, 35101 + 2 * i), OS, "EN81", "EN81-17")
    # Two units spend the night on the EMU sidings.
    # Two units spend the night on the EMU sidings: they come in at a
    # platform, go to the sidings, and come back to a platform in the morning.
    d.standing(d.stay("track2", ("23:48", WEST, WICIOKRZEWO), ("5:40", WEST, WICIOKRZEWO),
                      (33119, 33100), OS, "EN57", "EN57-1131", departure_track="track1"),
               "emu_sidings", sub_track=0)
    d.standing(d.stay("track1", ("24:30", EAST, SZAKLAKOWO), ("4:58", EAST, SZAKLAKOWO),
                      (33120, 33099), OS, "EN57", "EN57-1132", departure_track="track2"),
               "emu_sidings", sub_track=1)
    # A local train formed here: its coaches stand on track 6, its engine comes light.
    d.standing(d.stay("track6", None, ("6:20", WEST, WICIOKRZEWO), (0, 37103), OS, "EU07",
                      "EU07-212", vehicle="B", cars=LOCAL_CARS), "track6")


def _branch(d):
    """Railcars, a through railcar to Dereniów, a loco-hauled local and the
    retro special with their engine changes."""
    railcar = "SA133-012"
    d.standing(d.stay("track3", ("23:42", BRANCH, JEMIOLOWO), ("4:40", BRANCH, JEMIOLOWO),
                      (36118, 36101), OS, "SA133", railcar), "track3")
    turns = [("6:12", "6:30"), ("8:22", "9:10"), ("10:32", "11:40"), ("13:12", "13:40"),
             ("15:12", "15:40"), ("17:25", "18:10"), ("19:42", "20:10"), ("21:42", "22:10")]
    for i, (arr, dep) in enumerate(turns):
        d.stay("track3", (arr, BRANCH, JEMIOLOWO), (dep, BRANCH, JEMIOLOWO),
               (36102 + 2 * i, 36103 + 2 * i), OS, "SA133", railcar)
    d.stay("track8", ("7:40", BRANCH, JEMIOLOWO), ("7:50", WEST, DERENIOW), (36120, 36120), OS,
           "SA134", "SA134-003")
    d.stay("track8", ("16:14", WEST, DERENIOW), ("16:20", BRANCH, JEMIOLOWO), (36121, 36121), OS,
           "SA134", "SA134-003")

    # The Wiciokrzewo - Jemiołowo local: EU07 on the main line, SU45 on the branch.
    out = d.stay("track8", ("9:38", WEST, WICIOKRZEWO), ("10:05", BRANCH, JEMIOLOWO),
                 (37101, 37101), OS, vehicle="B", cars=LOCAL_CARS)
    back = d.stay("track8", ("14:35", BRANCH, JEMIOLOWO), ("15:05", WEST, WICIOKRZEWO),
                  (37102, 37102), OS, vehicle="B", cars=LOCAL_CARS)
    d.tt.unit("EU07", "EU07-305", out, back)
    d.tt.unit("SU45", "SU45-081", back, out)
    # The retro special: Ol49 from Wiciokrzewo, the tank engine TKt48 on the branch.
    name = "Szlakiem parowozów"
    out = d.stay("track8", ("10:28", WEST, WICIOKRZEWO), ("11:05", BRANCH, JEMIOLOWO),
                 (19001, 19001), RET, vehicle="B", cars=RETRO_CARS, names=(name, name))
    back = d.stay("track8", ("17:10", BRANCH, JEMIOLOWO), ("17:52", WEST, WICIOKRZEWO),
                  (19002, 19002), RET, vehicle="B", cars=RETRO_CARS, names=(name, name))
    d.tt.unit("Ol49", "Ol49-59", out, back)
    d.tt.unit("TKt48", "TKt48-101", back, out)


def _goods(d):
    """Goods trains: through trains, two that wait to be overtaken, the quarry
    train with its engine change, the pick-up goods train for the ramp and the
    sawmill, the timber train and the sawmill's evening train."""
    east = [("8:02", 44175, WICIOKRZEWO_GOODS, SZAKLAKOWO_GOODS, [(20, "Zaes")]),
            ("9:58", 44177, BURSZTYNOWO, SZAKLAKOWO_GOODS, [(16, "Sgs")]),
            ("12:05", 44195, KRUSZYNOWO, LIMBOWO, [(20, "Zaes")]),
            ("12:35", 44179, WICIOKRZEWO_GOODS, LIMBOWO, [(22, "Eaos")]),
            ("14:05", 44181, KRUSZYNOWO, SZAKLAKOWO_GOODS, [(14, "Gags")]),
            ("16:02", 44183, BURSZTYNOWO, SZAKLAKOWO_GOODS, [(16, "Sgs")]),
            ("17:00", 44197, BURSZTYNOWO, SZAKLAKOWO_GOODS, [(14, "Gags")]),
            ("18:05", 44185, WICIOKRZEWO_GOODS, LIMBOWO, [(20, "Falns")]),
            ("22:35", 44187, WICIOKRZEWO_GOODS, SZAKLAKOWO_GOODS, [(20, "Zaes")]),
            ("25:05", 44191, BURSZTYNOWO, SZAKLAKOWO_GOODS, [(18, "Sgs")]),
            ("27:20", 44193, KRUSZYNOWO, SZAKLAKOWO_GOODS, [(22, "Eaos")])]
    west = [("4:25", 44170, SZAKLAKOWO_GOODS, WICIOKRZEWO_GOODS, [(22, "Eaos")]),
            ("5:20", 44186, SZAKLAKOWO_GOODS, KRUSZYNOWO, [(16, "Sgs")]),
            ("9:30", 44172, LIMBOWO, BURSZTYNOWO, [(20, "Falns")]),
            ("10:05", 44188, SZAKLAKOWO_GOODS, WICIOKRZEWO_GOODS, [(22, "Eaos")]),
            ("11:40", 44174, SZAKLAKOWO_GOODS, KRUSZYNOWO, [(14, "Gags")]),
            ("15:25", 44176, SZAKLAKOWO_GOODS, BURSZTYNOWO, [(18, "Sgs")]),
            ("17:15", 44194, LIMBOWO, BURSZTYNOWO, [(18, "Falns")]),
            ("21:50", 44180, SZAKLAKOWO_GOODS, WICIOKRZEWO_GOODS, [(20, "Zaes")]),
            ("24:45", 44182, LIMBOWO, WICIOKRZEWO_GOODS, [(22, "Eaos")]),
            ("27:30", 44184, SZAKLAKOWO_GOODS, BURSZTYNOWO, [(16, "Sgs")])]
    for side, trains in ((WEST, east), (EAST, west)):
        for time, number, origin, destination, cars in trains:
            d.through_freight(time, side, number, origin, destination, cars)

    # Two goods trains wait on the goods tracks while an express passes.
    d.stay("track10", ("6:30", WEST, WICIOKRZEWO_GOODS), ("7:00", EAST, SZAKLAKOWO_GOODS),
           (44171, 44171), TW, "ET22", vehicle="Zaes", cars=[(20, "Zaes")])
    d.stay("track12", ("19:58", EAST, SZAKLAKOWO_GOODS), ("20:25", WEST, WICIOKRZEWO_GOODS),
           (44178, 44178), TW, "ET22", vehicle="Eaos", cars=[(22, "Eaos")])
    # Overnight on track 10: a goods train that came in late and leaves at dawn.
    d.standing(d.stay("track10", ("23:20", WEST, WICIOKRZEWO_GOODS),
                      ("4:35", EAST, SZAKLAKOWO_GOODS), (44189, 44189), TW, "ET22", "ET22-521",
                      vehicle="Eaos", cars=[(20, "Eaos")]), "track10", coupled=True)

    # The quarry train: ET22 brings the empties, ST44 takes them up the branch
    # and brings the stone back.
    empties = d.stay("track12", ("7:48", WEST, WICIOKRZEWO_GOODS), ("8:40", BRANCH, QUARRY),
                     (44173, 44173), TW, vehicle="Falns", cars=[(18, "Falns")])
    stone = d.stay("track12", ("12:45", BRANCH, QUARRY), ("13:48", WEST, WICIOKRZEWO_GOODS),
                   (44190, 44190), TW, vehicle="Falns", cars=[(18, "Falns")])
    d.tt.unit("ET22", "ET22-743", empties, stone)
    d.tt.unit("ST44", "ST44-310", stone, empties)

    # The pick-up goods train: covered wagons for the ramp and flat wagons for
    # the sawmill come in the morning; in the afternoon they leave with the
    # flat wagons loaded with boards that stood at the sawmill since yesterday.
    ramp = d.stay("track10", ("9:22", WEST, WICIOKRZEWO_GOODS), ("16:00", WEST, WICIOKRZEWO_GOODS),
                  (61201, 61202), TDZ, "ST44", "ST44-377", vehicle="Gags", cars=[(6, "Gags")],
                  departure_track="track12")
    sawmill = d.stay("track10", ("9:22", WEST, WICIOKRZEWO_GOODS),
                     ("16:00", WEST, WICIOKRZEWO_GOODS), (61201, 61202), TDZ, "ST44", "ST44-377",
                     vehicle="Res", cars=[(5, "Res")], departure_track="track12")
    boards = d.standing(d.stay("sawmill", None, ("16:00", WEST, WICIOKRZEWO_GOODS), (0, 61202),
                               TDZ, "ST44", "ST44-377", vehicle="Res", cars=[(4, "Res")],
                               departure_track="track12"), "sawmill", sub_track=0)
    d.tt.link([ramp, sawmill], "arrival")
    d.tt.link([ramp, sawmill, boards], "departure")
    # Timber from the forest for the sawmill; the wagons go back empty.
    d.stay("track10", ("12:20", BRANCH, JEMIOLOWO), ("17:50", BRANCH, JEMIOLOWO), (68302, 68301),
           TDZ, "Ty2", "Ty2-953", vehicle="Res", cars=[(10, "Res")])
    # Boards from the sawmill to Szakłakowo; the engine comes light.
    d.standing(d.stay("sawmill", None, ("20:05", EAST, SZAKLAKOWO_GOODS), (0, 44192), TW, "ET22",
                      "ET22-608", vehicle="Res", cars=[(8, "Res")], departure_track="track10"),
               "sawmill", sub_track=1)


def _light_engines(d):
    """Engines that come light. They stand last in the file: the game drops
    the row of a light engine when it comes in, which moves the rows after it."""
    d.light_engine("track6", "5:48", WEST, "EU07", "EU07-212", 98101)
    d.light_engine("depot", "13:25", WEST, "SM31", "SM31-044", 98103)
    d.light_engine("track10", "19:20", EAST, "ET22", "ET22-608", 98102)


def _standing_engines(d):
    """Engines in the depot and on the tracks when the shift begins."""
    d.tt.groups = [
        Group("SU45", "SU45-081"),
        Group("ST44", "ST44-310"),
        Group("TKt48", "TKt48-101"),
        Group("EU07"),
        Group("SM42", "SM42-917", tile=d.tile("loco2")),
        Group("ET22", "ET22-521", tile=d.tile("track10"), slot=1),
    ]


def build(station, points):
    """The day, in time order: trains that stood here overnight first, light
    engines last."""
    d = Day(station, points)
    _standing_engines(d)
    _main_line(d)
    _branch(d)
    _goods(d)
    d.tt.rows.sort(key=_first_time)
    _light_engines(d)
    return d


def _first_time(row):
    """The row's first event of the shift; rows standing at the start first."""
    if row.train_state == 1:
        return row.departure - 2400
    return min(t for t in (row.arrival, row.departure) if t)
