#!/usr/bin/env bash
# Runs the symbolic-link case of test_safe_replace on a folder holding
# real/cup.xml and link.xml -> real/cup.xml, made here with the system's own
# ln, as another program or the user would make it.
# Usage: run_with_link.sh <wine-run.sh> <test_safe_replace.exe> <folder>
set -u
run=$1 program=$2 folder=$3
rm -rf "$folder"
mkdir -p "$folder/real"
printf old > "$folder/real/cup.xml"
ln -s real/cup.xml "$folder/link.xml"
# Wine shows the whole Unix tree as drive Z:.
export DUELMARK_LINKED_FOLDER="Z:${folder//\//\\}"
"$run" "$program" --gtest_filter=SafeReplaceTest.ALinkStaysALinkAndItsTargetGetsTheBytes
status=$?
if [ $status -eq 0 ] && [ ! -L "$folder/link.xml" ]; then
  echo "link.xml is no longer a symbolic link"
  status=1
fi
rm -rf "$folder"
exit $status
