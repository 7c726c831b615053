#!/usr/bin/env bash
# Exports the picture of a four-groups-of-four table tennis event in
# English, groups A to C played out and D half-way, so that the knockout
# holds the entrants of three groups, into docs/bracket-picture-groups.png.
# The file is opened and its picture exported as the editor does it
# (tests/picture/picture_samples.cpp, mode export-file); no display needed.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project picture_samples duelmark_en
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs/bracket-picture-groups.png"
begin_screenshots

python3 - "$WORK/club-open.xml" <<'PY'
import sys
groups = {"A": ["Lin", "Okafor", "Berg", "Sato"], "B": ["Haddad", "Novak", "Reyes", "Kowal"],
          "C": ["Ito", "Mensah", "Dubois", "Park"], "D": ["Silva", "Weber", "Rossi", "Chen"]}
# Table order for four: 1-4 2-3, 4-3 1-2, 2-4 3-1; "winner:score", read
# from the winner's side.
table = [(1, 4), (2, 3), (4, 3), (1, 2), (2, 4), (3, 1)]
results = {
    "A": ["1:11:4 11:6", "2:11:9 9:11 11:7", "3:11:8 11:9", "1:11:7 11:5", "2:11:3 11:2", "1:11:9 11:9"],
    "B": ["1:11:5 11:7", "3:9:11 11:6 11:8", "4:11:8 11:13 11:9", "1:11:6 11:4", "2:13:11 11:9", "3:11:6 11:8"],
    "C": ["1:11:2 11:4", "2:11:7 11:8", "4:12:10 11:6", "1:11:9 8:11 11:6", "2:11:5 11:9", "1:11:3 11:4"],
    "D": ["4:11:9 11:7", "2:7:11 11:8 11:9", "3:11:6 11:6", "", "", ""],
}
xml = "<Games><Title>Club Open 2026</Title><Teams>8</Teams>"
xml += "".join('<Team Name="" id="%d"/>' % i for i in range(1, 16))
xml += '<Groups Advance="2" Rules="table-tennis">'
for name, entrants in groups.items():
    xml += '<Group Name="%s">' % name
    xml += "".join('<Entrant Name="%s"/>' % e for e in entrants)
    for (home, away), result in zip(table, results[name]):
        winner, score = result.split(":", 1) if result else ("", "")
        xml += '<Match Home="%d" Away="%d" Winner="%s" Score="%s"/>' % (home, away, winner, score)
    xml += "</Group>"
xml += "</Groups></Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

wine "$(winepath -w "$DUELMARK_BUILD/tests/picture_samples.exe")" export-file "$(winepath -w "$WORK/club-open.xml")" \
  "$(winepath -w "$WORK/picture.png")" "$(winepath -w "$DUELMARK_BUILD/lang/en/duelmark.exe.mui")" </dev/null
[ -s "$WORK/picture.png" ] || { echo "the picture was not exported" >&2; exit 1; }
/usr/bin/convert "$WORK/picture.png" -strip -define png:exclude-chunks=date,time "$OUT"
echo "docs/$(basename "$OUT")"
