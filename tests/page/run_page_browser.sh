#!/usr/bin/env bash
# Opens the 16-entrant sample page in a real browser, headless, at a phone's
# and a full-HD screen's size, with a proxy that counts every request the
# page makes; a page that loads nothing from elsewhere makes none. Skips
# (77) where chromium is not installed.
# Usage: run_page_browser.sh <wine-run.sh> <page_samples.exe> <scratch folder>
set -eu
run=$1 program=$2 folder=$3
here=$(cd "$(dirname "$0")" && pwd)
command -v chromium >/dev/null || { echo "chromium is not installed: skipped"; exit 77; }
rm -rf "$folder"
mkdir -p "$folder"
"$run" "$program" "Z:${folder//\//\\}"
python3 "$here/browse_page.py" "$folder/sample16/index.html" "$folder"
