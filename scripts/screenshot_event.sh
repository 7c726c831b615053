#!/usr/bin/env bash
# Photographs the editor on an event day, in English: sixteen seeded
# entrants, first-round scores, a walkover, a retirement, a double walkover
# that sent its neighbour through, and open matches with times and courts,
# into docs/bracket-event.png. Starts its own Xvfb and stops it and Wine
# again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs/bracket-event.png"
begin_screenshots

python3 - "$WORK/event.xml" <<'PY'
import sys
entrants = ["Ann", "Ben", "Cara", "Dan", "Eve", "Finn", "Gia", "Hal",
            "Ida", "Jon", "Kim", "Leo", "Mia", "Ned", "Ola", "Pip"]
seeds = [1, 16, 9, 8, 5, 12, 13, 4, 3, 14, 11, 6, 7, 10, 15, 2]
teams = ['<Team Name="%s" id="%d" Seed="%d"/>' % (entrants[s - 1], i + 1, s) for i, s in enumerate(seeds)]
picks = {
    17: 'Name="Ann" Score="6:2 6:1"',
    18: 'Name="Hal" Status="walkover"',
    19: 'Name="Eve" Score="6:4 3:1" Status="retired"',
    20: 'Name="" Status="double-walkover"',
    21: 'Name="" Court="Court 1" Time="2026-12-08T14:30"',
    22: 'Name="" Court="Court 2" Time="2026-12-08T14:30"',
    23: 'Name="Jon" Score="7:5 6:3"',
    24: 'Name="" Court="Court 1" Time="2026-12-08T15:30"',
    25: 'Name="" Court="Centre" Time="2026-12-08T16:00"',
    26: 'Name="Eve"',
}
for pick in range(17, 32):
    teams.append('<Team %s id="%d"/>' % (picks.get(pick, 'Name=""'), pick))
xml = "<Games><Title>Club Open 2026</Title><Teams>16</Teams>" + "".join(teams) + "</Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

start_display 1024x768x24

shoot_editor en_US.UTF-8 "900x420" "$WORK/event.xml"
