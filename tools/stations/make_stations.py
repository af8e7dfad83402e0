#!/usr/bin/env python3
"""Makes the sample station Tarninowo and its day, and writes them into the
source tree:

    game/Stacje/Tarninowo/Tarninowo.stc   the station file
    game/Stacje/Tarninowo/Tarninowo.roz   the timetable of one day
    game/Stacje/Tarninowo/Tarninowo.txt   the remarks for the player
    game/Stacje/Tarninowo/Tarninowo.bmp   the background picture under the schematic
    docs/tarninowo-preview.png            the schematic as the game draws it
    docs/sample-stations.md               the generated tables in it

    make_stations.py           check, then write everything
    make_stations.py --check   compare with what is committed; exit 1 on a difference

Python 3 standard library only.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source tree clean

import art_path  # noqa: E402,F401
import background  # noqa: E402
import day_checks  # noqa: E402
import preview  # noqa: E402
import station_doc  # noqa: E402
import tarninowo_layout  # noqa: E402
import tarninowo_timetable  # noqa: E402
from generated_files import write_or_check  # noqa: E402
from roz_file import ENCODING  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
FOLDER = "game/Stacje/Tarninowo"
DOC = "docs/sample-stations.md"


def build():
    """Every generated file as {path relative to the tree: bytes}, and the
    problems the checks found."""
    station, points = tarninowo_layout.build()
    stc, tracks = station.stc_text(tarninowo_layout.SECONDS_PER_STEP,
                                   tarninowo_layout.DEPOT_VALUES)
    day = tarninowo_timetable.build(station, points)
    problems = (day_checks.check_station(station, tracks, tarninowo_layout.DEPOT_VALUES)
                + day_checks.check_points(day, station, tarninowo_layout.DEPOT_VALUES[0])
                + day_checks.check_routes(day, station, tracks)
                + day_checks.check_schedule(day))
    with open(os.path.join(HERE, "tarninowo_remarks.txt"), encoding="utf-8") as f:
        remarks = f.read()
    files = {
        FOLDER + "/Tarninowo.stc": stc.encode("ascii"),
        FOLDER + "/Tarninowo.roz": day.tt.roz_bytes(),
        FOLDER + "/Tarninowo.txt": remarks.replace("\n", "\r\n").encode(ENCODING),
        FOLDER + "/Tarninowo.bmp": background.render(station),
        "docs/tarninowo-preview.png": preview.render(station, zoom=2),
        DOC: station_doc.with_tables(os.path.join(ROOT, DOC), station, points, tracks, day),
    }
    return files, problems


def main(argv):
    check = "--check" in argv
    files, problems = build()
    for p in problems:
        print("problem: " + p)
    if problems:
        return 1
    differ = write_or_check(ROOT, files, check)
    if check:
        if differ:
            return 1
        print("%d files match the generator" % len(files))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
