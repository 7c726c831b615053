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

python3 "$ROOT/scripts/club_open_event.py" "$WORK/club-open.xml" picture

wine "$(winepath -w "$DUELMARK_BUILD/tests/picture_samples.exe")" export-file "$(winepath -w "$WORK/club-open.xml")" \
  "$(winepath -w "$WORK/picture.png")" "$(winepath -w "$DUELMARK_BUILD/lang/en/duelmark.exe.mui")" </dev/null
[ -s "$WORK/picture.png" ] || { echo "the picture was not exported" >&2; exit 1; }
/usr/bin/convert "$WORK/picture.png" -strip -define png:exclude-chunks=date,time "$OUT"
echo "docs/$(basename "$OUT")"
