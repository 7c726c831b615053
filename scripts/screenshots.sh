#!/usr/bin/env bash
# Photographs the setup dialog and the three menus, in Chinese (the
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
begin_screenshots

start_display 1024x768x24

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
shoot view-menu-zh view-menu
shoot setup-en setup "$SATELLITE"
shoot file-menu-en file-menu "$SATELLITE"
shoot edit-menu-en edit-menu "$SATELLITE"
shoot view-menu-en view-menu "$SATELLITE"
