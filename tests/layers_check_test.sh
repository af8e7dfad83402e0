#!/usr/bin/env bash
# The layer check fails on a planted back-include: a copy of the tree's
# source folders passes, then gains a simulation file that includes the
# user interface and a window-free file that includes Win32 code, and the
# check must name both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp -r "$root/model" "$root/simulation" "$root/sources" "$root/ui" "$tree/"
bash "$root/tools/check_layers.sh" "$tree" >/dev/null

echo '#include "ui/settings.h"' >>"$tree/simulation/hints.cpp"
echo '#include "ui/win32/drawing.h"' >>"$tree/ui/layout.h"
if report=$(bash "$root/tools/check_layers.sh" "$tree"); then
  echo "the check passed a tree with back-includes"
  exit 1
fi
grep -q '^simulation/hints\.cpp:[0-9]*: simulation/ dołącza ui/settings\.h' <<<"$report"
grep -q '^ui/layout\.h:[0-9]*: plik bez okien dołącza ui/win32/drawing\.h' <<<"$report"
