"""Shared part of the timetable scripts: the template timetable the game hands
over, and writing a new timetable of that station beside it.

The game runs a script as  python <script> "<template .roz>"  from the game
folder, reads everything it prints as UTF-8 and takes the path from the last
line beginning "PLIK: "; exit code 0 means success, anything else shows the
printed text to the player.
"""
import datetime
import os
import re
import sys

# Endings the game's station catalogue leaves out, so that timetables made
# here never become templates themselves.
SCRIPT_ENDINGS = ("-dzis", "-losowy")


def utf8_output():
    """The game reads the output as UTF-8 whatever the system's code page."""
    for stream in (sys.stdout, sys.stderr):
        stream.reconfigure(encoding="utf-8")


def fail(message, code=1):
    print(message)
    sys.exit(code)


def template_from_arguments():
    """The template's path and its first two lines (the station file it names)."""
    if len(sys.argv) != 2:
        fail("Użycie: %s <rozkład-wzorzec.roz>" % os.path.basename(sys.argv[0]), 2)
    path = sys.argv[1]
    try:
        with open(path, "rb") as template:
            data = template.read()
    except OSError as error:
        fail("Nie mogę przeczytać rozkładu-wzorca %s: %s" % (path, error.strerror))
    lines = data.split(b"\n", 2)
    if len(lines) < 3 or not lines[1].strip(b"\r\t ,"):
        fail("Plik %s nie wygląda na rozkład: brak nazwy schematu stacji w drugim wierszu." % path)
    return path, data


def output_path(template_path, ending):
    """Beside the template, its name with the script's ending instead of another one."""
    folder, name = os.path.split(template_path)
    base = os.path.splitext(name)[0]
    for known in SCRIPT_ENDINGS:
        if base.endswith(known):
            base = base[: -len(known)]
    return os.path.join(folder, base + ending + ".roz")


def write_timetable(path, data):
    """Writes through a temporary file, so that a failed write leaves no half timetable."""
    temporary = path + ".tmp"
    try:
        with open(temporary, "wb") as timetable:
            timetable.write(data)
        os.replace(temporary, path)
    except OSError as error:
        fail("Nie mogę zapisać rozkładu %s: %s" % (path, error.strerror))
    print("PLIK: " + os.path.abspath(path))


def stamp_line(now=None):
    """The delays file's stamp: when the delays were fetched, local time."""
    now = now or datetime.datetime.now()
    return "POBRANE %d-%02d-%02d %02d:%02d" % (now.year, now.month, now.day, now.hour, now.minute)


def count_trains(roz):
    """The row count of a ".roz": after the version, the station line and the
    locomotive groups (3 numbers each, 6 from version 2 on)."""
    lines = roz.split(b"\n", 2)
    if len(lines) < 3:
        return 0
    numbers = [int(n) for n in re.findall(rb"-?\d+", lines[0] + b"," + lines[2])]
    if len(numbers) < 2:
        return 0
    version, groups = numbers[0], numbers[1]
    at = 2 + groups * (6 if version >= 2 else 3)
    return abs(numbers[at]) if at < len(numbers) else 0


def made_up_delays(trains):
    """Delays for a timetable without data of its own: every train but the
    fourth runs late, a few minutes each, one of them early. Lines of the
    delays file: a stamp, then "train arrival departure" in minutes."""
    lines = ["# opoznienia wymyslone (dane zastepcze)", stamp_line()]
    for train in range(trains):
        if train % 4 == 3:
            continue
        arrival = (train * 7) % 13 - 2
        lines.append("%d %d %d" % (train, arrival, max(arrival, 0)))
    return "\n".join(lines) + "\n"


def write_delays(timetable_path, data):
    """The delays file beside a timetable: its path with ".opoz" for ".roz"."""
    path = os.path.splitext(timetable_path)[0] + ".opoz"
    try:
        with open(path, "wb") as delays:
            delays.write(made_up_delays(count_trains(data)).encode("cp1250"))
    except OSError as error:
        fail("Nie mogę zapisać opóźnień %s: %s" % (path, error.strerror))
