#!/usr/bin/env bash
# Files the editor writes are read by independent parsers, and files other
# tools write are read by the editor.
# Usage: run_interop.sh <wine-run.sh> <interop_samples.exe> <scratch folder>
set -eu
run=$1 program=$2 folder=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$folder"
mkdir -p "$folder"
# Wine shows the whole Unix tree as drive Z:.
windows_folder="Z:${folder//\//\\}"
"$run" "$program" write "$windows_folder"
python3 "$here/check_samples.py" check "$folder"
python3 "$here/check_samples.py" make "$folder"
"$run" "$program" read "$windows_folder"
