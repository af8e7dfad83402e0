"""Today's timetable of a station (Semarion, "Nowa gra na dziś").

Needs the player's key of the PLK "Otwarte Dane" API in klucz-api.txt of the
game folder (the current folder). Stand-in for the download: without a
connection to the API the station's trains are taken over from the template
timetable and written as "<stacja>-dzis.roz" beside it, with made-up delays
in "<stacja>-dzis.opoz" (the delays file the game runs today's mode on).
Python 3 standard library only.
"""
import sys

sys.dont_write_bytecode = True  # nothing of ours left in the game folder
import wzorzec  # noqa: E402

KEY_FILE = "klucz-api.txt"

wzorzec.utf8_output()
try:
    with open(KEY_FILE, encoding="utf-8-sig") as key_file:
        key = key_file.read().strip()
except OSError:
    key = ""
if not key:
    wzorzec.fail("Brak klucza API w pliku %s w katalogu gry." % KEY_FILE)
template, data = wzorzec.template_from_arguments()
print("Brak połączenia z API PLK: dzisiejszy rozkład to rozkład-wzorzec %s." % template)
timetable = wzorzec.output_path(template, "-dzis")
wzorzec.write_delays(timetable, data)
wzorzec.write_timetable(timetable, data)
