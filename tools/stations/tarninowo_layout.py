"""Tarninowo: the schematic of a mid-size junction, drawn with the tile catalogue.

North is up. Two electrified double-track lines meet here: line 1 from
Wiciokrzewo enters at the west edge, line 2 from Szakłakowo at the east edge;
trains keep to the right, so the westbound main is track 1 (row 10) and the
eastbound main track 2 (row 11). Line 3, a single track without catenary to
Jemiołowo, leaves at the north-east corner and joins the westbound main
east of the station.

    rows 6-8    EMU sidings (B1) in the north-west
    row 9       bay platform (track 3, peron 4) at the east end of peron 1
    rows 10-14  tracks 1, 2, 4, 6, 8 at perons 1, 2 and 3
    rows 16-17  freight tracks 10 and 12 (Pt1, Pt2)
    rows 18-24  goods ramp (Pt3) and the sawmill siding (B2) in the south-west
    rows 12-21  depot, turntable, locomotive tracks and a headshunt in the south-east
"""

from station_file import (DEPOT, ENTRY, EXIT, FREIGHT, LINE, LOCO_TRACK, PLATFORM, SIDING,
                          STABLING, Point, Station)

ROWS = 25
COLS = 93
EAST = COLS - 1  # the column of the line ends on the east edge

# Markers: the water crane (N on a blue plate) and letters of the sawmill's sign.
CRANE = -36
LETTERS = {"A": -1, "K": -14, "R": -24, "T": -27}

# Seconds per step and the depot: capacity, repairs at once, preparation and
# repair minutes.
SECONDS_PER_STEP = 10
DEPOT_VALUES = (12, 2, 15, 60)


def _west_throat(s):
    """Line 1's ends, the crossovers of the mains, the headshunt, the EMU
    sidings' lead and the ladder that fans out to tracks 4 to 12 and the
    goods yard. From west to east: the EMU sidings' switch lies west of the
    crossover from track 2's side, which lies west of the ladder, so that a
    train leaving any platform westwards can turn into the sidings."""
    s.lay(10, 1, 44)                 # exit, trains run west
    s.lay(11, 1, 40)                 # entry, trains run east
    s.run(10, 2, 2)
    s.run(11, 2, 2)
    s.lay(10, 3, 53)                 # level crossing over both mains
    s.lay(11, 3, 53)
    s.run(10, 4, 5)
    s.run(11, 4, 4)
    s.lay(11, 5, 74)                 # entry signal
    s.lay(10, 6, 23)                 # crossover: track 2 side to the westbound exit
    s.run(11, 6, 6)
    s.lay(11, 7, 24)
    s.run(11, 8, 9)
    s.lay(11, 10, 25)                # to the headshunt (T1)
    s.lay(12, 9, 14)
    s.run(12, 4, 8)
    s.lay(12, 3, 59)
    s.run(11, 11, 11)
    s.lay(11, 12, 22)                # crossover: entry to track 1
    s.run(10, 7, 12)
    s.lay(10, 13, 25)
    s.run(10, 14, 15)
    s.lay(10, 16, 24)                # to the EMU sidings (B1)
    s.run(10, 17, 18)
    s.lay(10, 19, 23)                # crossover: tracks 2..12 to track 1's side
    s.run(10, 20, 29)
    s.run(11, 13, 19)
    s.lay(11, 20, 24)
    s.run(11, 21, 22)
    # The ladder to tracks 4, 6, 8, 10, 12 and the goods yard.
    s.diagonal(11, 23, [23, 28, 28, 28, 13, 28, 28], down=True)
    s.run(11, 24, 31)


def _emu_sidings(s):
    """B1: three electrified sub-tracks in the north-west, reached by trains
    running west on track 1's side."""
    s.diagonal(8, 14, [15, 13], down=True)
    s.run(8, 13, 13)
    s.diagonal(6, 10, [15, 29, 24], down=True)
    s.run(8, 4, 11)
    s.lay(8, 3, 59)
    s.run(7, 5, 10)
    s.lay(7, 4, 59)
    s.run(6, 6, 9)
    s.lay(6, 5, 59)


def _platforms(s):
    """Perons 1, 2 and 3 with tracks 1, 2, 4, 6 and 8, and the bay (track 3,
    peron 4) without catenary for the branch railcars."""
    s.lay(10, 30, 75)                # track 1, peron 1 to the north
    s.run(10, 31, 57, 66)
    s.lay(10, 58, 74)
    s.lay(11, 32, 75)                # track 2, island peron 2 to the south
    s.run(11, 33, 55, 67)
    s.lay(11, 56, 74)
    s.run(12, 25, 31)                # track 4, peron 2 to the north
    s.lay(12, 32, 75)
    s.run(12, 33, 55, 66)
    s.lay(12, 56, 74)
    s.run(13, 26, 33)                # track 6, island peron 3 to the south
    s.lay(13, 34, 75)
    s.run(13, 35, 53, 67)
    s.lay(13, 54, 74)
    s.run(14, 27, 33)                # track 8, peron 3 to the north
    s.lay(14, 34, 75)
    s.run(14, 35, 53, 66)
    s.lay(14, 54, 74)
    s.run(9, 31, 46, 69)             # the wide west end of peron 1
    s.lay(9, 47, 59, electric=False)  # bay, track 3
    s.run(9, 48, 57, 67, electric=False)
    s.lay(9, 58, 74, electric=False)
    s.run(9, 59, 59, electric=False)
    s.lay(9, 60, 15, electric=False)


def _freight_tracks(s):
    """Tracks 10 and 12 for freight trains, from ladder to ladder."""
    s.run(16, 29, 60)
    s.run(17, 30, 59)


def _goods_yard(s):
    """The goods ramp (Pt3) and the sawmill siding (B2), without catenary."""
    s.diagonal(18, 30, [13, 28, 16], down=True, electric=False)
    s.run(19, 32, 37, electric=False)
    s.run(19, 38, 52, 66, electric=False)
    s.run(19, 53, 53, electric=False)
    s.lay(19, 54, 58, electric=False)
    s.run(18, 38, 52, 69, electric=False)
    s.run(20, 33, 35, electric=False)
    s.diagonal(20, 36, [23, 28, 28, 16], down=True, electric=False)
    for r, c0, c1 in ((20, 37, 52), (21, 38, 51), (22, 39, 50), (23, 40, 49)):
        s.run(r, c0, c1, electric=False)
        s.lay(r, c1 + 1, 58, electric=False)
    for i, letter in enumerate("TARTAK"):
        s.mark(24, 42 + i, LETTERS[letter])


def _east_throat(s):
    """The ladder from tracks 4..12, the crossovers of the mains, the branch
    junction, the depot lead and line 2's ends."""
    s.run(12, 57, 64)
    s.run(13, 55, 63)
    s.run(14, 55, 62)
    s.diagonal(17, 60, [14, 27, 12, 27, 27, 27, 25], down=False)
    s.run(11, 57, 65)
    s.run(10, 59, 60)
    s.lay(10, 61, 24)                # from the bay
    s.run(10, 62, 68)
    s.run(11, 67, 67)
    s.lay(11, 68, 22)                # crossover: line 2 and the branch to track 2 and the ladder
    s.lay(10, 69, 25)
    s.run(10, 70, 70)
    s.lay(10, 71, 23)                # crossover: track 1 to the eastbound exit
    s.run(11, 69, 71)
    s.lay(11, 72, 24)
    s.run(10, 72, 77)
    s.run(11, 73, 75)
    s.lay(11, 76, 23)                # to the depot and the east headshunt
    s.run(11, 77, 83)
    s.lay(10, 78, 22)                # the branch junction
    s.run(10, 79, 83)
    s.lay(10, 84, 78)                # bridge
    s.lay(11, 84, 78)
    s.run(10, 85, 88)
    s.lay(10, 89, 75)                # entry signal
    s.run(10, 90, EAST - 1)
    s.run(11, 85, EAST - 1)
    s.lay(10, EAST, 43)              # entry, trains run west
    s.lay(11, EAST, 41)              # exit, trains run east


def _branch(s):
    """Line 3 to Jemiołowo, single track without catenary."""
    s.diagonal(9, 79, [12, 12, 17], down=False, electric=False)
    s.run(7, 82, 85, electric=False)
    s.lay(7, 86, 53, electric=False)  # level crossing
    s.run(7, 87, 88, electric=False)
    s.lay(7, 89, 75, electric=False)  # entry signal
    s.run(7, 90, EAST - 1, electric=False)
    s.lay(7, EAST, 42, electric=False)


def _depot(s):
    """Depot lead from track 2's east end, the east headshunt, the shed behind
    the turntable and two locomotive tracks, the second without catenary."""
    s.diagonal(12, 77, [13, 13, 28, 13, 13, 13, 16], down=True)
    s.run(14, 80, 88)                # headshunt T2
    s.lay(14, 89, 58)
    s.lay(18, 84, 23)
    s.run(18, 85, 85)
    s.lay(18, 86, 70)                # turntable
    s.run(18, 87, 87)
    s.lay(18, 88, 72)                # engine shed
    s.lay(19, 85, 28)
    s.run(19, 86, 90)                # L1, with catenary
    s.lay(19, 91, 58)
    s.lay(20, 86, 16, electric=False)
    s.run(20, 87, 90, electric=False)  # L2, without catenary, with the water crane
    s.lay(20, 91, 58, electric=False)


def build():
    """The station and its points by name."""
    s = Station(ROWS, COLS)
    _west_throat(s)
    _emu_sidings(s)
    _platforms(s)
    _freight_tracks(s)
    _goods_yard(s)
    _east_throat(s)
    _branch(s)
    _depot(s)

    # Platform numbers (peron) on the middle tile of each platform track.
    for r, digit in ((10, 1), (11, 2), (12, 2), (13, 3), (14, 3)):
        s.mark(r, 44, digit)
    s.mark(9, 52, 4)
    # Water cranes: at the bay, at track 8 and at locomotive track L2.
    s.mark(8, 52, CRANE)
    s.mark(15, 44, CRANE)
    s.mark(21, 89, CRANE)

    p = {}

    def point(name, kind, tiles, **kw):
        p[name] = s.add_point(Point(kind, tiles, name=name, **kw))

    # The depot first: the game keeps it as point 0.
    point("depot", DEPOT, [(18, 88)])
    # Lines: entry number x 10 + side; odd sides lie on the west edge.
    point("entry_w", ENTRY, [(11, 1)], param=3, digit=7, sixth=11)
    point("exit_w", EXIT, [(10, 1)], param=2, sixth=11)
    point("entry_e", ENTRY, [(10, EAST)], param=3, digit=8, sixth=22)
    point("exit_e", EXIT, [(11, EAST)], param=2, sixth=22)
    point("branch", LINE, [(7, EAST)], param=307, digit=7, sixth=32)
    # Platform tracks in the order of their track numbers: P1 is track 1 and so on.
    point("track1", PLATFORM, [(10, 43), (10, 44), (10, 45)])
    point("track2", PLATFORM, [(11, 43), (11, 44), (11, 45)])
    point("track3", PLATFORM, [(9, 51), (9, 52), (9, 53)])
    point("track4", PLATFORM, [(12, 43), (12, 44), (12, 45)])
    point("track6", PLATFORM, [(13, 43), (13, 44), (13, 45)])
    point("track8", PLATFORM, [(14, 43), (14, 44), (14, 45)])
    point("track10", FREIGHT, [(16, 41), (16, 42), (16, 43)])
    point("track12", FREIGHT, [(17, 41), (17, 42), (17, 43)])
    point("ramp", FREIGHT, [(19, 44), (19, 45), (19, 46)])
    point("emu_sidings", SIDING, [(8, 13)], param=3)
    point("sawmill", SIDING, [(20, 34)], param=4)
    point("headshunt_w", STABLING, [(12, 6)])
    point("headshunt_e", STABLING, [(14, 85)])
    point("loco1", LOCO_TRACK, [(19, 88)])
    point("loco2", LOCO_TRACK, [(20, 89)])
    return s, p
