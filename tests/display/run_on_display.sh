#!/usr/bin/env bash
# Runs a test program where windows are really drawn and placed: an Xvfb of
# its own and a copy of the build's Wine prefix whose virtual desktop is the
# screen size asked for (its work area is then exactly that size). Used by
# tests that look at pixels, screen placement or real keyboard input; the
# rest of the suite stays on the null display driver. Everything it starts
# is stopped on every way out.
# DUELMARK_DPI, when set, is the display scale (LogPixels) of the copy.
# Usage: run_on_display.sh <build folder> <width>x<height> <program> [args...]
set -u
build=$1 size=$2
shift 2
export DUELMARK_BUILD="$build"
. "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine-env.sh"
source_prefix="$WINEPREFIX"
dpi=${DUELMARK_DPI:-96}
export WINEPREFIX="$build/wineprefix-display-$size"
[ "$dpi" = 96 ] || WINEPREFIX="$WINEPREFIX-$dpi"
# A run that was killed (a time-out kills without a trap) can leave this
# copy's server and services behind, and every later run would wait on them.
wineserver -k 2>/dev/null || true
# A prefix set-up that changed since the copy was made is copied again.
if [ ! -f "$WINEPREFIX/.duelmark-ready" ] || [ "$source_prefix/.duelmark-ready" -nt "$WINEPREFIX/.duelmark-ready" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$source_prefix" "$WINEPREFIX"
  rm -f "$WINEPREFIX"/.update-timestamp.lock
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
# A minute: Xvfb can take seconds to start on a busy machine.
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# Wine's virtual desktop stands in for the window manager Xvfb lacks.
cat > "$work/desktop.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$size"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf %08x "$dpi")

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$(printf %08x "$dpi")

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts]
"LogPixels"=dword:$(printf %08x "$dpi")
REG
wine regedit /S "$(winepath -w "$work/desktop.reg")" </dev/null >/dev/null 2>&1
wineserver -w
# Wine's helper processes would otherwise hold the caller's output pipes
# open for seconds after the program ends.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
wine "$@"
