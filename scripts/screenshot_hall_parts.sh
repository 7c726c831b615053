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
shoot_hall_display 1920x1080 "$WORK/county-open.xml" "Duelmark - County Open 2026" hall-display-parts.png
