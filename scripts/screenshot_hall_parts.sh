#!/usr/bin/env bash
# Photographs the hall display of a 64-entrant event on a 1920x1080 screen,
# where the whole draw cannot be read from the back of the hall: the part
# with the matches being played, as the display first shows it, into
# docs/hall-display-parts.png. Starts its own Xvfb and stops it and Wine
# again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project duelmark show_dialogs
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs"
TOOL="$DUELMARK_BUILD/res/show_dialogs.exe"
begin_screenshots

# Sixty-four clubs; the first round decided with scores, the second
# scheduled on four courts.
python3 - "$WORK/county-open.xml" <<'PY'
import sys
places = ["Harbour", "Riverside", "Northgate", "Eastfield", "Lakeside", "Old Town", "Summit", "West End",
          "Bay Area", "Canal Street", "Dockside", "Forest Hill", "Granite", "Hilltop", "Iron Bridge", "Juniper"]
kinds = ["Rovers", "United", "Eagles", "Lions"]
teams = ["%s %s" % (p, k) for k in kinds for p in places]
names = [(t, "", "", "") for t in teams]
for i in range(0, 64, 2):
    names.append((teams[i + (i // 2) % 2], "21-%d" % (12 + i % 9), "", ""))
for i in range(16):
    names.append(("", "", "Court %d" % (i % 4 + 1), "2026-05-01T%02d:%02d" % (10 + i // 4, 0)))
names += [("", "", "", "")] * (127 - len(names))
def attrs(n, s, c, t):
    a = ' Name="%s"' % n
    if s: a += ' Score="%s"' % s
    if c: a += ' Court="%s" Time="%s"' % (c, t)
    return a
xml = "<Games><Title>County Open 2026</Title><Teams>64</Teams>"
xml += "".join('<Team%s id="%d"/>' % (attrs(*v), i + 1) for i, v in enumerate(names))
open(sys.argv[1], "w", encoding="utf-8").write(xml + "</Games>")
PY

start_display 1920x1080x24
READY="$WORK/hall.ready"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine explorer /desktop=hall,1920x1080 "$(winepath -w "$DUELMARK_BUILD/duelmark.exe")" \
  "$(winepath -w "$WORK/county-open.xml")" </dev/null >/dev/null 2>&1 &
WINE_PID=$!
wine explorer /desktop=hall,1920x1080 "$(winepath -w "$TOOL")" hall-display "$(winepath -w "$READY")" \
  "Duelmark - County Open 2026" </dev/null >/dev/null 2>&1 &
for _ in $(seq 600); do [ -f "$READY" ] && break; sleep 0.1; done
[ -f "$READY" ] || { echo "the hall display never appeared" >&2; exit 1; }
/usr/bin/import -window root "$WORK/screen.png"
rm -f "$READY"
/usr/bin/convert "$WORK/screen.png" -crop 1920x1080+0+0 +repage -strip -define png:exclude-chunks=date,time \
  "$OUT/hall-display-parts.png"
wineserver -k 2>/dev/null || true
wait "$WINE_PID" 2>/dev/null || true
echo "docs/hall-display-parts.png"
