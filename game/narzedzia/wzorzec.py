"""Shared part of the timetable scripts: the template timetable the game hands
over, and writing a new timetable of that station beside it.

The game runs a script as  python <script> "<template .roz>"  from the game
folder, reads everything it prints as UTF-8 and takes the path from the last
line beginning "PLIK: "; exit code 0 means success, anything else shows the
printed text to the player.
"""
import os
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
