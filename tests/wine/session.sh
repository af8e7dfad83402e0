#!/usr/bin/env bash
# Starts or stops the Wine session the Windows tests share: a private X server
# (Xvfb) and the build tree's Wine prefix, created once and then reused.
#   session.sh start DIR   writes DIR/env for wine-run.sh
#   session.sh stop DIR    ends wineserver and Xvfb, leaving no process behind
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
prefix=$(dirname "$dir")/wineprefix

locale_env() {
  if locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then echo "export LC_ALL=pl_PL.UTF-8"; fi
}

case "$action" in
start)
  "$0" stop "$dir" >/dev/null 2>&1 || true
  mkdir -p "$dir"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
  {
    echo "export DISPLAY=:$(head -n1 "$dir/display")"
    echo "export WINEPREFIX=$prefix"
    echo "export WINEDEBUG=-all"
    echo "export WINEDLLOVERRIDES='mscoree,mshtml='"
    locale_env
  } >"$dir/env"
  . "$dir/env"
  if [ ! -f "$prefix/system.reg" ]; then
    echo "Tworzę prefiks Wine: $prefix"
    wineboot -i >/dev/null 2>&1 || true
  fi
  wineserver -w
  [ -f "$prefix/system.reg" ] || { echo "Wine prefix was not created" >&2; exit 1; }
  ;;
stop)
  if [ -f "$dir/env" ]; then
    . "$dir/env"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  rm -f "$dir/env" "$dir/display"
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
