# Sourced by the scripts that run Windows programs under Wine. start_wine_session
# <width>x<height> makes a work folder ($work), starts an X server of that size
# on the first free display number and exports DISPLAY and a fresh, not yet
# booted WINEPREFIX inside $work; everything ends when the script exits.

stop_wine_session() {
  if [ -d "$work/prefix" ]; then
    WINEPREFIX="$work/prefix" timeout 30 /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    WINEPREFIX="$work/prefix" timeout 30 /usr/lib/wine/wineserver64 -w 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}

start_wine_session() {
  work=$(mktemp -d)
  xvfb_pid=
  trap stop_wine_session EXIT
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  local deadline=$(($(date +%s) + 10))
  until [ -s "$work/display" ]; do
    (($(date +%s) < deadline)) || { echo "Xvfb did not start within 10 s" >&2; exit 1; }
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$work/display")"
  # No Gecko, no Mono, and no menu entries written into the host's home.
  export WINEPREFIX="$work/prefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}
