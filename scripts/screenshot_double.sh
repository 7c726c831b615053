#!/usr/bin/env bash
# Photographs an eight-entrant double-elimination bracket in English, with
# every winners' pick made, the losers' bracket part-way and the grand final
# still open, into docs/bracket-double.png. Starts its own Xvfb and stops it
# and Wine again, whatever happens.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

OUT="$ROOT/docs/bracket-double.png"
begin_screenshots

cat >"$WORK/double.xml" <<'XML'
<Games><Title>Club Doubles 2026</Title><Teams>8</Teams><Team Name="Ann" id="1"/><Team Name="Ben" id="2"/><Team Name="Cara" id="3"/><Team Name="Dan" id="4"/><Team Name="Eve" id="5"/><Team Name="Finn" id="6"/><Team Name="Gia" id="7"/><Team Name="Hal" id="8"/><Team Name="Ann" id="9" Score="6:2 6:1"/><Team Name="Dan" id="10"/><Team Name="Eve" id="11"/><Team Name="Hal" id="12"/><Team Name="Ann" id="13"/><Team Name="Hal" id="14"/><Team Name="Ann" id="15"/><Losers Reset="1"><Team Name="Cara" id="1"/><Team Name="Gia" id="2" Score="7:5 6:4"/><Team Name="Eve" id="3"/><Team Name="Dan" id="4"/><Team Name="" id="5" Court="Court 2" Time="2026-12-08T15:30"/><Team Name="" id="6"/></Losers><GrandFinal Name=""/><GrandFinalReset Name=""/></Games>
XML

start_display 1024x768x24

shoot_editor en_US.UTF-8 "700x560" "$WORK/double.xml"
