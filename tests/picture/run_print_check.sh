#!/usr/bin/env bash
# File > Print end to end: in a copy of the build's prefix (the shared one
# keeps no printer), install a PostScript printer on FILE:, print a 16-team
# bracket through the print dialog, rasterise the page with ghostscript and
# compare it with the exported picture; then print the order of play of 128
# matches and check its pages.
# Usage: run_print_check.sh <build folder> <picture_samples.exe> <scratch folder>
set -eu
build=$1 program=$2 folder=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/printer_prefix.sh"
wine "$program" print "$windows_folder"
wine "$program" export "$windows_folder" >/dev/null
# The printer's port is FILE: and no output name is given, so Wine writes
# the page to a file of that very name in the current folder.
ps=$(ls "$folder/out"/FILE* 2>/dev/null | head -1 || true)
if [ -z "$ps" ]; then
  echo "FAIL: no printed file in $folder/out:"; ls -la "$folder/out"; exit 1
fi
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -sOutputFile="$folder/page-%d.png" "$ps"
pages=$(ls "$folder"/page-*.png | wc -l)
[ "$pages" -eq 1 ] || { echo "FAIL: $pages pages printed, expected 1"; exit 1; }
orientation=portrait
grep -aq '^%%Orientation: Landscape' "$ps" && orientation=landscape
python3 "$here/check_picture.py" page "$folder/page-1.png" "$folder/out/b16.png" $orientation
mkdir -p "$folder/order"
wine "$program" print-order "Z:${folder//\//\\}\\order"
ps=$(ls "$folder/order"/FILE* 2>/dev/null | head -1 || true)
[ -n "$ps" ] || { echo "FAIL: no order of play printed"; exit 1; }
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r50 -sOutputFile="$folder/order/page-%d.png" "$ps"
python3 "$here/check_picture.py" order "$folder"/order/page-*.png
