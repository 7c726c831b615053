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

python3 "$ROOT/scripts/club_open_event.py" "$WORK/club-open.xml" page

start_display 2048x1024x24
shoot_editor en_US.UTF-8 "1180x780" "$WORK/club-open.xml"
