#!/usr/bin/env bash
# Builds the Windows Installer package from packaging/duelmark.wxs.
# Usage: make-msi.sh <wxs> <version> <output.msi>, run inside the staging
# folder: wixl finds the files a .wxs names relative to its working folder
# only, so duelmark.exe, lang/en/duelmark.exe.mui, LICENSE.txt and
# README.txt are named that way.
set -euo pipefail
wxs=$1 version=$2 output=$3
mkdir -p "$(dirname "$output")"
# The installed-programs list shows the size in KiB of what is installed.
size_kib=$(( ($(cat duelmark.exe lang/en/duelmark.exe.mui LICENSE.txt README.txt | wc -c) + 1023) / 1024 ))
wixl -a x64 -D Version="$version" -D Executable=duelmark.exe \
  -D Satellite=lang/en/duelmark.exe.mui -D EstimatedSize="$size_kib" -o "$output" "$wxs"

# Every build gets its own product code, and wixl's upgrade rule finds
# only lower versions: a rebuilt package of the same version would install
# beside the first. Making the upper bound inclusive (attribute 512, beside
# 1, carry the installed features over) lets it replace that one instead.
# libmsi cannot update a key column in place, so the table is exported,
# changed and imported whole.
table=$(mktemp -d)
trap 'rm -rf "$table"' EXIT
msiinfo export "$output" Upgrade \
  | awk -F'\t' 'BEGIN { OFS = "\t" } $7 ~ /^WIX_UPGRADE_DETECTED\r?$/ { $5 = 513 } { print }' > "$table/Upgrade.idt"
grep -q $'\t513\t' "$table/Upgrade.idt" || { echo "make-msi.sh: no upgrade row in $output" >&2; exit 1; }
msibuild "$output" -i "$table/Upgrade.idt"

# The installed-programs values of packaging/duelmark.wxs must land after
# RegisterProduct (6100) has written its own into the same key; wixl
# cannot reschedule a standard action, so the sequence table is changed.
msiinfo export "$output" InstallExecuteSequence \
  | awk -F'\t' 'BEGIN { OFS = "\t" } $1 == "WriteRegistryValues" { sub(/^[0-9]+/, "6150", $3) } { print }' \
  > "$table/InstallExecuteSequence.idt"
grep -q $'^WriteRegistryValues\t\t6150' "$table/InstallExecuteSequence.idt" \
  || { echo "make-msi.sh: WriteRegistryValues not moved in $output" >&2; exit 1; }
msibuild "$output" -i "$table/InstallExecuteSequence.idt"
