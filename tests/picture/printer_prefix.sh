# Sourced by the print checks with build, program and folder set: a copy of
# the build's prefix in folder (the shared one keeps no printer) with a
# PostScript printer on FILE: installed by program, headless, removed again
# on every way out; windows_folder is folder/out as Windows names it.
rm -rf "$folder"
mkdir -p "$folder/out"
cp -a "$build/wineprefix" "$folder/prefix"
export WINEPREFIX="$folder/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; rm -rf "$folder/prefix"' EXIT
windows_folder="Z:${folder//\//\\}\\out"
wine "$program" printer
