#!/usr/bin/env bash
# Photographs the editor's Groups page: four groups of four playing table
# tennis, groups A and B played out, C half-way, D not begun, into
# docs/groups-page.png (the English editor). Starts its own Xvfb and stops
# it and Wine again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project duelmark
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs/groups-page.png"
begin_screenshots

python3 - "$WORK/club-open.xml" <<'PY'
import sys
groups = {"A": ["Lin", "Okafor", "Berg", "Sato"], "B": ["Haddad", "Novak", "Reyes", "Kowal"],
          "C": ["Ito", "Mensah", "Dubois", "Park"], "D": ["Silva", "Weber", "Rossi", "Chen"]}
# Table order for four: 1-4 2-3, 4-3 1-2, 2-4 3-1.
table = [(1, 4), (2, 3), (4, 3), (1, 2), (2, 4), (3, 1)]
results = {
    "A": ["1:11:4 11:6", "2:11:9 9:11 11:7", "3:11:8 11:9", "1:11:7 11:5", "2:11:3 11:2", "1:11:9 11:9"],
    "B": ["1:11:5 11:7", "3:9:11 11:6 11:8", "4:11:8 11:13 11:9", "1:11:6 11:4", "2:13:11 11:9", "3:11:6 11:8"],
    "C": ["1:11:2 11:4", "3:two sets to love", "", "", "", ""],
    "D": ["", "", "", "", "", ""],
}
xml = "<Games><Title>Club Open 2026</Title><Teams>8</Teams>"
xml += "".join('<Team Name="" id="%d"/>' % i for i in range(1, 16))
xml += '<Groups Advance="2" Rules="table-tennis">'
for name, entrants in groups.items():
    xml += '<Group Name="%s">' % name
    xml += "".join('<Entrant Name="%s"/>' % e for e in entrants)
    for (home, away), result in zip(table, results[name]):
        winner, score = (result.split(":", 1) + [""])[:2] if result else ("", "")
        xml += '<Match Home="%d" Away="%d" Winner="%s" Score="%s"/>' % (home, away, winner, score)
    xml += "</Group>"
xml += "</Groups></Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

start_display 2048x1024x24
shoot_editor en_US.UTF-8 "1180x780" "$WORK/club-open.xml"
