#!/usr/bin/env bash
# A crash.log read back with the kept debug information, as README says: the
# Win32 suite's death test that faults in a window procedure, run as
# semarion.exe, writes a real crash.log, whose frames name their module and
# offset where the symbol handler found no source line; with the suite's
# DWARF sections kept apart in semarion.exe.debug, as the build keeps the
# program's,
#   tools/crash_lines.sh crash.log semarion.exe.debug
# names the faulting function with its source file and line.
set -euo pipefail
driver=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/crash_lines
fail() { echo "$*"; exit 1; }
rm -rf "$work"
mkdir -p "$work/gra"

suite=$(dirname "$driver")/semarion_wine_tests.exe
x86_64-w64-mingw32-objcopy --only-keep-debug "$suite" "$work/semarion.exe.debug"
cp "$suite" "$work/gra/semarion.exe"

temp=$(winepath -u "$(WINEDEBUG=-all wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)
rm -f "$temp/semarion_crash_test/crash.log"
"$here/../wine/wine-run.sh" "$work/gra/semarion.exe" \
  --gtest_filter=CrashHandlerDeathTest.FaultInAWindowProcedureIsLoggedByItsGuard >"$work/suite.log" 2>&1 ||
  fail "the death test failed: $(tail -n 20 "$work/suite.log")"
cp "$temp/semarion_crash_test/crash.log" "$work/crash.log" || fail "the death test left no crash.log in $temp"

cd "$work"
"$here/../../tools/crash_lines.sh" crash.log semarion.exe.debug >lines.txt || fail "crash_lines.sh failed"
grep -q " in semarion.exe+0x" crash.log || fail "no frame of semarion.exe without its source line: $(cat crash.log)"
grep -Eq ' FaultDeep\+0x.* => .*FaultDeep.* at .*crash_handler_test\.cpp:[0-9]+' lines.txt ||
  fail "the faulting frame did not come back as function and file:line: $(cat lines.txt)"
echo "frames: $work/lines.txt"
