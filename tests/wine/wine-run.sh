#!/usr/bin/env bash
# wine, in the Wine session of the build tree when the tests give one
# (SEMARION_WINE_SESSION), else with quiet defaults.
if [ -n "${SEMARION_WINE_SESSION:-}" ] && [ -f "$SEMARION_WINE_SESSION/env" ]; then
  . "$SEMARION_WINE_SESSION/env"
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
