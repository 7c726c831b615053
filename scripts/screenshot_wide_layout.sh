#!/usr/bin/env bash
# Photographs the editor in Wide layout at 144 DPI: sixteen entrants with
# full names and seeds, first-round scores with a walkover, a retirement
# and a disqualification, and open matches with times and courts, into
# docs/bracket-wide-144dpi.png. The editor runs in a copy of the prefix
# with that LogPixels and the View's choice set for its user. Starts its
# own Xvfb and stops it and Wine again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project duelmark
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

DPI=144
OUT="$ROOT/docs/bracket-wide-144dpi.png"
begin_screenshots
scaled_prefix "wide-$DPI" "$DPI" <<'REG'
[HKEY_CURRENT_USER\Software\Duelmark\View]
"WideLayout"=dword:00000001
REG

python3 - "$WORK/event.xml" <<'PY'
import sys
entrants = ["Annika Lindqvist", "Benedikt Hofmann", "Cara O'Sullivan", "Daniel Okafor",
            "Eve Marchetti", "Finn Gallagher", "Gianna Rossi", "Hal Nakamura",
            "Ida Johansson", "Jonathan Whitaker", "Kim Soo-yeon", "Leopold Brandt",
            "Mia Castellanos", "Ned Fitzgerald", "Ola Nordmann", "Pip Alderton"]
seeds = [1, 16, 9, 8, 5, 12, 13, 4, 3, 14, 11, 6, 7, 10, 15, 2]
teams = ['<Team Name="%s" id="%d" Seed="%d"/>' % (entrants[s - 1], i + 1, s) for i, s in enumerate(seeds)]
picks = {
    17: 'Name="Annika Lindqvist" Score="6:2 6:1"',
    18: 'Name="Hal Nakamura" Status="walkover"',
    19: 'Name="Eve Marchetti" Score="6:4 3:1" Status="retired"',
    20: 'Name="Daniel Okafor" Score="4:6 2:1" Status="disqualified"',
    21: 'Name="" Court="Court 1" Time="2026-12-08T14:30"',
    22: 'Name="" Court="Court 2" Time="2026-12-08T14:30"',
    23: 'Name="Jonathan Whitaker" Score="6:7(5:7) 7:5 6:3"',
    24: 'Name="" Court="Court 3" Time="2026-12-08T15:30"',
    25: 'Name="" Court="Centre Court" Time="2026-12-08T16:00"',
    26: 'Name="" Court="Court 1" Time="2026-12-08T16:00"',
}
for pick in range(17, 32):
    teams.append('<Team %s id="%d"/>' % (picks.get(pick, 'Name=""'), pick))
xml = "<Games><Title>Club Open 2026</Title><Teams>16</Teams>" + "".join(teams) + "</Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

start_display 2560x1200x24

shoot_editor en_US.UTF-8 "2500x1150" "$WORK/event.xml"
rm -rf "$WINEPREFIX"
