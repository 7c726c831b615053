#!/usr/bin/env bash
# Exports and copies bracket pictures through the real commands, then has
# python decode and check them.
# Usage: run_picture_checks.sh <wine-run.sh> <picture_samples.exe> <scratch folder>
set -eu
run=$1 program=$2 folder=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$folder"
mkdir -p "$folder"
# Wine shows the whole Unix tree as drive Z:.
windows_folder="Z:${folder//\//\\}"
"$run" "$program" export "$windows_folder"
# The clipboard's copy is read back by the same process: it empties when the
# prefix's last Wine process ends.
"$run" "$program" clipboard "$windows_folder"
python3 "$here/check_picture.py" files "$folder"
python3 "$here/check_picture.py" svg "$folder"
