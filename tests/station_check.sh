#!/usr/bin/env bash
# The committed sample station, its timetable, remarks, preview and the
# generated tables of docs/sample-stations.md are exactly what
# tools/stations/make_stations.py makes, and pass its checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec python3 "$root/tools/stations/make_stations.py" --check
