#!/usr/bin/env bash
# Photographs the editor itself with a seeded field of twelve entrants,
# Chinese and English names, in sixteen slots: the four byes greyed with
# their word, the top seeds' picks made. Into docs/bracket-seeded-12.png.
# Starts its own Xvfb and stops it and Wine again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs/bracket-seeded-12.png"
begin_screenshots

# The file the editor writes for New from list with these twelve names,
# seeded: slot seeds down the left column, then the right; seeds 13-16 are
# the byes.
python3 - "$WORK/club.xml" <<'PY'
import sys
entrants = ["王小明", "Alice", "陳美玲", "Bob", "林志豪", "Carol", "張雅婷", "Dave",
            "黃俊傑", "Erin", "李淑芬", "Frank"]
seeds = [1, 16, 9, 8, 5, 12, 13, 4, 3, 14, 11, 6, 7, 10, 15, 2]
teams = []
for i, s in enumerate(seeds):
    if s <= len(entrants):
        teams.append('<Team Name="%s" id="%d" Seed="%d"/>' % (entrants[s - 1], i + 1, s))
    else:
        teams.append('<Team Name="" id="%d" Bye="1"/>' % (i + 1))
for pick in range(17, 32):
    name = ""
    if pick <= 24:
        a, b = seeds[2 * (pick - 17)], seeds[2 * (pick - 17) + 1]
        if max(a, b) > len(entrants):
            name = entrants[min(a, b) - 1]
    teams.append('<Team Name="%s" id="%d"/>' % (name, pick))
xml = "<Games><Title>Club Open 2026</Title><Teams>16</Teams>" + "".join(teams) + "</Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

start_display 1024x768x24

shoot_editor zh_TW.UTF-8 "900x420" "$WORK/club.xml"
