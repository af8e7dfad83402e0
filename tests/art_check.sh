#!/usr/bin/env bash
# The committed tiles, markers, signals, icon, rolling stock, sounds, contact
# sheet and generated tables are exactly what tools/art/make_art.py makes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec python3 "$root/tools/art/make_art.py" --check
