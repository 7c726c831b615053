#!/usr/bin/env bash
# Photographs the setup dialog and the two menus, in Chinese (the
# executable's own resources) and in English (the satellite), into docs/.
# Starts its own Xvfb and stops it and Wine again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

TOOL="$DUELMARK_BUILD/res/show_dialogs.exe"
SATELLITE="$DUELMARK_BUILD/lang/en/duelmark.exe.mui"
OUT="${SCREENSHOT_OUT:-$ROOT/docs}"
WORK=$(mktemp -d)
XVFB_PID=""

cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display itself and reports its number once it listens.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$WORK/display")"

# shoot NAME VIEW [SATELLITE]: runs the tool on a virtual desktop, captures
# the screen once the tool says it is drawn, and trims away the screen
# around the virtual desktop, then the desktop around the window.
shoot() {
  local name=$1 view=$2 ready="$WORK/$1.ready"
  local args=("$view" "$(winepath -w "$ready")")
  [ $# -gt 2 ] && args+=("$(winepath -w "$3")")
  wine explorer /desktop=shot,640x360 "$(winepath -w "$TOOL")" "${args[@]}" </dev/null >/dev/null 2>&1 &
  local wine_pid=$!
  for _ in $(seq 600); do [ -f "$ready" ] && break; sleep 0.1; done
  if [ ! -f "$ready" ]; then echo "$name: the dialog never appeared" >&2; return 1; fi
  /usr/bin/import -window root "$WORK/$name.png"
  rm -f "$ready"
  wait "$wine_pid" || true
  /usr/bin/convert "$WORK/$name.png" -trim +repage -trim +repage -strip "$OUT/$name.png"
  echo "$OUT/$name.png"
}

mkdir -p "$OUT"
shoot setup-zh setup
shoot file-menu-zh file-menu
shoot edit-menu-zh edit-menu
shoot setup-en setup "$SATELLITE"
shoot file-menu-en file-menu "$SATELLITE"
shoot edit-menu-en edit-menu "$SATELLITE"
