#!/usr/bin/env bash
# Runs a Windows program under Debian's Wine. The Wine tier sets WINEPREFIX
# (a fresh prefix per run) and DISPLAY (its own Xvfb); without them Wine uses
# its defaults. No Gecko or Mono: nothing here needs them, and their
# installers would ask.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
