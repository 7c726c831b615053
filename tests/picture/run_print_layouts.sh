#!/usr/bin/env bash
# The print layouts end to end: in a copy of the build's prefix, install a
# PostScript printer on FILE:, print 16- and 256-team brackets in every
# layout (the 256-team poster through File > Print) and read the pages
# back from the PostScript.
# Usage: run_print_layouts.sh <build folder> <picture_samples.exe> <English satellite> <scratch folder>
set -eu
build=$1 program=$2 satellite=$3 folder=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/printer_prefix.sh"
wine "$program" layouts "$windows_folder" "$(winepath -w "$satellite")"
python3 "$here/check_print_layouts.py" "$folder/out"
