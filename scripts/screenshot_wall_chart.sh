#!/usr/bin/env bash
# Photographs what the venue sees: a page of the 256-team poster the print
# layout checks print (rasterised from their PostScript, English texts,
# turned the way the landscape sheet is read) into
# docs/poster-page-256.png, and the hall display of a 32-team bracket on a
# 1280x720 screen into docs/hall-display.png. Starts its own Xvfb and
# stops it and Wine again, whatever happens.
# Usage: screenshot_wall_chart.sh [poster page number, default 1]
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

PAGE=${1:-1}
OUT="$ROOT/docs"
mkdir -p "$OUT"
begin_screenshots

# The poster: printed by the checks on a PostScript printer of their own.
POSTER="$DUELMARK_BUILD/tests/print-layouts/out/poster/FILE:"
if [ ! -f "$POSTER" ]; then
  (unset DISPLAY; cd "$DUELMARK_BUILD" && ctest -R PrintLayoutsToPostScript --output-on-failure) </dev/null
fi
# Ghostscript lays the landscape sheet out upright; it is turned back.
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r90 -dFirstPage="$PAGE" -dLastPage="$PAGE" \
  -sOutputFile="$WORK/poster-page.png" "$POSTER"
/usr/bin/convert "$WORK/poster-page.png" -rotate 90 -bordercolor '#888888' -border 1 -strip \
  -define png:exclude-chunks=date,time "$OUT/poster-page-256.png"
echo "docs/poster-page-256.png"

# Thirty-two teams, three rounds decided, scores in the last two.
python3 - "$WORK/city-league.xml" <<'PY'
import sys
teams = ["Harbour City", "Riverside Rovers", "Northgate United", "Eastfield Eagles", "Lakeside Lions",
         "Old Town Otters", "Summit Stars", "West End Wanderers", "Bay Area Bears", "Canal Street Cobras",
         "Dockside Dolphins", "Forest Hill Foxes", "Granite Giants", "Hilltop Hawks", "Iron Bridge Ibex",
         "Juniper Jets", "Kingsway Kites", "Lighthouse Lynx", "Meadow Mustangs", "Northern Knights",
         "Orchard Owls", "Parkside Pumas", "Quarry Quails", "Redbrick Rams", "Seaview Sharks",
         "Tannery Tigers", "Upton Unicorns", "Valley Vipers", "Wharf Wolves", "Yardley Yaks",
         "Zenith Zebras", "Market Square Mavericks"]
rows, level = [], list(range(32))
for depth in range(3):
    level = [level[i] if (i // 2 + depth) % 3 else level[i + 1] for i in range(0, len(level), 2)]
    rows.append(level)
names = [(t, "") for t in teams]
scores = ["2-1", "3-0", "1-0 a.e.t.", "4-2"]
for depth, level in enumerate(rows):
    names += [(teams[i], scores[n % 4] if depth else "") for n, i in enumerate(level)]
names += [("", "")] * (63 - len(names))
xml = "<Games><Title>City League Cup 2026</Title><Teams>32</Teams>"
xml += "".join('<Team Name="%s" id="%d"%s/>' % (n, i + 1, ' Score="%s"' % s if s else "")
               for i, (n, s) in enumerate(names))
open(sys.argv[1], "w", encoding="utf-8").write(xml + "</Games>")
PY

start_display 1600x900x24
shoot_hall_display 1280x720 "$WORK/city-league.xml" "Duelmark - City League Cup 2026" hall-display.png
