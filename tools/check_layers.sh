#!/usr/bin/env bash
# Includes point down only: ui/ -> sources/ -> simulation/ -> model/, and only
# the win32/ folders reach Windows code. Reads the #include "..." lines of
# model/, simulation/, sources/ and ui/ of the tree given (this one when none)
# and names every include that points the wrong way; fails when there is one.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# The folders from the bottom up; anything else (tests/, bench/) sits above all.
declare -A rank=([model]=0 [simulation]=1 [sources]=2 [ui]=3)

faults=0
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)"'
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  [[ $text =~ $include ]] || continue
  target=${BASH_REMATCH[1]}
  from=${file%%/*}
  to=${target%%/*}
  if (( ${rank[$to]:-9} > ${rank[$from]} )); then
    echo "$file:$line: $from/ dołącza $target, a dołączenia wskazują tylko w dół (ui/ → sources/ → simulation/ → model/)"
    faults=$((faults + 1))
  fi
  if [[ $file != */win32/* && $target == *win32/* ]]; then
    echo "$file:$line: plik bez okien dołącza $target, a kod Win32 dołączają tylko pliki folderów win32/"
    faults=$((faults + 1))
  fi
done < <(grep -rnE "$include" --include='*.h' --include='*.cpp' model simulation sources ui)

if (( faults > 0 )); then
  echo "Warstwy: dołączeń w złą stronę: $faults."
  exit 1
fi
echo "Warstwy: dołączenia wskazują w dół."
