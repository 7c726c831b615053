#!/usr/bin/env bash
# Writes the sample pages through the page writer under Wine, then has
# python parse them.
# Usage: run_page_checks.sh <wine-run.sh> <page_samples.exe> <scratch folder>
set -eu
run=$1 program=$2 folder=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$folder"
mkdir -p "$folder"
# Wine shows the whole Unix tree as drive Z:.
"$run" "$program" "Z:${folder//\//\\}"
python3 "$here/check_page.py" "$folder"
