#!/usr/bin/env bash
# Turns the frame lines of a "crash.log" into source files and lines, with the
# program's debug information kept beside the shipped (stripped) program.
#
#   tools/crash_lines.sh crash.log semarion.exe.debug [module]
#
# A frame line that names no source line ends in " in <module>+0x<offset>":
# the offset in the module as it was loaded. Lines of the given module
# (default: the debug file's name without ".debug") are looked up at the
# image base the debug file records plus that offset; each is printed with
# the function and file:line that x86_64-w64-mingw32-addr2line finds.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 crash.log semarion.exe.debug [module]" >&2
  exit 2
fi
log=$1
debug=$2
module=${3:-$(basename "$debug" .debug)}
addr2line=${ADDR2LINE:-x86_64-w64-mingw32-addr2line}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

base=$("$objdump" -p "$debug" | awk '$1 == "ImageBase" { print $2; exit }')
[ -n "$base" ] || { echo "no image base in $debug" >&2; exit 1; }

tr -d '\r' <"$log" | while IFS= read -r line; do
  offset=$(printf '%s\n' "$line" | sed -n "s/.* in $(printf '%s' "$module" | sed 's/[.[\*^$]/\\&/g')+0x\([0-9a-fA-F]*\)$/\1/p")
  if [ -z "$offset" ]; then
    printf '%s\n' "$line"
    continue
  fi
  address=$(printf '0x%x' $((0x$base + 0x$offset)))
  where=$("$addr2line" -e "$debug" -f -C -i -p "$address" | paste -sd';' -)
  printf '%s  => %s\n' "$line" "$where"
done
