"""Fictional timetable of a station (Semarion, "Nowa gra na rozkładzie fikcyjnym").

Stand-in for the generator: the station's trains are taken over from the
template timetable unchanged and written as "<stacja>-losowy.roz" beside it.
Python 3 standard library only.
"""
import sys

sys.dont_write_bytecode = True  # nothing of ours left in the game folder
import wzorzec  # noqa: E402

wzorzec.utf8_output()
template, data = wzorzec.template_from_arguments()
print("Układam fikcyjny rozkład na podstawie %s..." % template)
wzorzec.write_timetable(wzorzec.output_path(template, "-losowy"), data)
