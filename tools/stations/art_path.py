"""Puts tools/art on the import path: the one tile catalogue (tiles.py) and
the image writers (imaging.py) live there."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art"))
