# Sourced by run.sh, test.sh and the screenshot scripts: installs what is
# missing, builds, and prepares the build folder's private Wine prefix.
# Safe to repeat; works as root or through sudo.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export DUELMARK_BUILD="${DUELMARK_BUILD:-$ROOT/build}"

PACKAGES="cmake ninja-build googletest mingw-w64 g++-mingw-w64-x86-64-posix
  g++-mingw-w64-x86-64-win32 wine wine64 fonts-wine fonts-droid-fallback
  fonts-arphic-uming fontconfig xvfb xauth imagemagick librsvg2-bin python3 libxml2-utils ghostscript
  wixl msitools zip unzip"

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local missing=""
  for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing </dev/null
}

configure_project() {
  if [ ! -f "$DUELMARK_BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$DUELMARK_BUILD" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  fi
}

# Builds the targets named, or every target when none is named.
build_project() {
  configure_project
  if [ $# -gt 0 ]; then
    local targets=()
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$DUELMARK_BUILD" "${targets[@]}"
  else
    cmake --build "$DUELMARK_BUILD"
  fi
}

# A prefix of our own, with the null display driver as fallback so tests run
# headless, Wine's fonts where its GDI finds them, and a CJK face for the
# Chinese texts. Dialogs ask for "MS Shell Dlg" and the slots for the stock
# GUI font, which Wine also names "MS Shell Dlg"; both become Tahoma, which has
# no CJK glyphs. Text drawn by characters (static texts, buttons, menus, the
# drop-downs, the caption) borrows them through Tahoma's system font link from
# PMingLiU. Edit controls shape their text through Uniscribe into glyph
# indices, which no font link reaches: Uniscribe falls back on its own, to
# SimSun for Han characters. Neither face is installed, so the replacements
# below name the installed UMing under both (without them every Chinese
# character is a box, without SimSun only in edit boxes): SimSun as UMing's
# MBE face, which write_font_settings keeps free of grey edges. The link
# itself is left as Wine writes it.
# The stamp holds the settings' version: a prefix prepared by an older set-up
# gets the current settings the next time any script runs.
PREFIX_SETTINGS_VERSION=3
prepare_prefix() {
  write_font_settings
  . "$ROOT/cmake/wine-env.sh"
  local stamp="$WINEPREFIX/.duelmark-ready"
  [ "$(cat "$stamp" 2>/dev/null)" = "settings $PREFIX_SETTINGS_VERSION" ] && return 0
  mkdir -p "$DUELMARK_BUILD"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    (unset DISPLAY; wineboot -i) </dev/null >/dev/null 2>&1 || true
  fi
  local reg="$DUELMARK_BUILD/prefix-settings.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="x11,null"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"PMingLiU"="AR PL UMing TW"
"MingLiU"="AR PL UMing TW"
"Microsoft JhengHei"="AR PL UMing TW"
"SimSun"="AR PL UMing TW MBE"
REG
  (unset DISPLAY; wine regedit /S "$(winepath -w "$reg")") </dev/null >/dev/null 2>&1
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  echo "settings $PREFIX_SETTINGS_VERSION" > "$stamp"
}

# Wine's fonts come from fontconfig, and a face gets grey edges unless what
# fontconfig found when it scanned the face says otherwise; the prefix's
# FontSmoothing only counts after that. UMing asks for grey at every size,
# so its one-pixel strokes came out faint grey in the edit boxes (which
# reach it as SimSun, through Uniscribe's fallback) beside the drop-downs'
# black (which reach it through Tahoma's link and so take Tahoma's plain
# edges). Scanned without grey, the MBE face that stands in for SimSun draws
# from its own bitmaps, as firmly as the drop-downs, and every other face
# keeps its edges. The scan rule needs a cache of its own: the system's
# was made without it. wine-env.sh points Wine at this configuration.
write_font_settings() {
  mkdir -p "$DUELMARK_BUILD"
  cat > "$DUELMARK_BUILD/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <cachedir>$DUELMARK_BUILD/fontconfig-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  <match target="scan">
    <test name="family"><string>AR PL UMing TW MBE</string></test>
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
CONF
  FONTCONFIG_FILE="$DUELMARK_BUILD/fonts.conf" fc-cache >/dev/null 2>&1 || true
}

# Wine's helper processes outlive the program that started them; one
# persistent wineserver plus a throw-away start keeps each test fast, and
# stop_wine leaves nothing running. A server already running for this
# prefix (an earlier run that was interrupted) refuses -p; it serves as well.
start_wine() {
  . "$ROOT/cmake/wine-env.sh"
  wineserver -p 2>/dev/null || true
  (unset DISPLAY; wine cmd /c exit) </dev/null >/dev/null 2>&1 || true
  # Wine's desktop process starts with the first program that needs it,
  # inherits that program's output and ends soon after the last one: a
  # test that started it would hold CTest's pipe open until its time-out.
  # This one holds it from here to stop_wine, with its output going nowhere.
  local holder="$DUELMARK_BUILD/tests/hold_desktop.exe"
  if [ -f "$holder" ]; then
    (unset DISPLAY; exec wine "$holder") </dev/null >/dev/null 2>&1 &
    disown $! 2>/dev/null || true
  fi
}
stop_wine() {
  . "$ROOT/cmake/wine-env.sh"
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# The screenshot scripts' work folder and private X display: begin_screenshots
# makes WORK and arranges for Wine, the display and WORK to go at exit,
# whatever happens; start_display SIZE starts Xvfb on a free display.
begin_screenshots() {
  WORK=$(mktemp -d)
  XVFB_PID=""
  trap end_screenshots EXIT
}
end_screenshots() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
start_display() {
  # Xvfb picks a free display itself and reports its number once it listens.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$WORK/display")"
}

# shoot_hall_display DESKTOP FILE TITLE NAME: the English editor on FILE in
# a Wine virtual desktop of DESKTOP (WxH); View > Hall display is sent as
# the menu sends it once the window titled TITLE is there, from the same
# desktop (windows of another are not found), and the screen is
# photographed into $OUT/NAME when the dialog tool says the display is up.
shoot_hall_display() {
  local ready="$WORK/hall.ready" wine_pid
  LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine explorer /desktop=hall,"$1" "$(winepath -w "$DUELMARK_BUILD/duelmark.exe")" \
    "$(winepath -w "$2")" </dev/null >/dev/null 2>&1 &
  wine_pid=$!
  wine explorer /desktop=hall,"$1" "$(winepath -w "$DUELMARK_BUILD/res/show_dialogs.exe")" hall-display \
    "$(winepath -w "$ready")" "$3" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 600); do [ -f "$ready" ] && break; sleep 0.1; done
  [ -f "$ready" ] || { echo "the hall display never appeared" >&2; exit 1; }
  /usr/bin/import -window root "$WORK/screen.png"
  rm -f "$ready"
  /usr/bin/convert "$WORK/screen.png" -crop "$1+0+0" +repage -strip -define png:exclude-chunks=date,time "$OUT/$4"
  wineserver -k 2>/dev/null || true
  wait "$wine_pid" 2>/dev/null || true
  echo "docs/$4"
}

# scaled_prefix NAME DPI: the screenshots' own copy of the prefix,
# wineprefix-shot-NAME, at display scale DPI; registry lines given on
# standard input go into it too. WINEPREFIX names the copy afterwards.
scaled_prefix() {
  local source_prefix="$WINEPREFIX" extra hex
  extra=$(cat)
  export WINEPREFIX="$DUELMARK_BUILD/wineprefix-shot-$1"
  rm -rf "$WINEPREFIX"
  cp -a "$source_prefix" "$WINEPREFIX"
  rm -f "$WINEPREFIX"/.update-timestamp.lock
  hex=$(printf %08x "$2")
  cat > "$WORK/scale.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$hex

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$hex

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts]
"LogPixels"=dword:$hex

$extra
REG
  (unset DISPLAY; wine regedit /S "$(winepath -w "$WORK/scale.reg")") </dev/null >/dev/null 2>&1
  wineserver -w
}

# shoot_editor LOCALE DESKTOP FILE: the editor, in the language LOCALE
# selects, on FILE in a Wine virtual desktop of DESKTOP (WxH), photographed
# into $OUT with the screen around it trimmed away.
shoot_editor() {
  LC_ALL=$1 wine explorer /desktop=bracket,"$2" "$(winepath -w "$DUELMARK_BUILD/duelmark.exe")" \
    "$(winepath -w "$3")" </dev/null >/dev/null 2>&1 &
  local wine_pid=$!
  # Nothing tells from outside when Wine has drawn the window; give it time.
  sleep "${SCREENSHOT_WAIT:-8}"
  mkdir -p "$(dirname "$OUT")"
  /usr/bin/import -window root "$WORK/screen.png"
  /usr/bin/convert "$WORK/screen.png" -trim +repage -trim +repage -strip -define png:exclude-chunks=date,time "$OUT"
  wineserver -k 2>/dev/null || true
  wait "$wine_pid" 2>/dev/null || true
  echo "docs/$(basename "$OUT")"
}
