#!/usr/bin/env bash
# Builds and runs every benchmark under Wine and prints each one's ratio
# against the floor it measures in the same run, then the profile of
# opening a 64-team file (bench/profile_open.cpp). Each benchmark ends with
# one line per figure: "ratio <name> <value> goal <goal>".
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
unset DISPLAY
trap stop_wine EXIT
start_wine
status=0
for bench in "$DUELMARK_BUILD"/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .exe)"
  (cd "$DUELMARK_BUILD/bench" && wine "$bench" "$@") </dev/null || status=1
done
echo "== profile_open"
(cd "$DUELMARK_BUILD/bench" && wine ./profile_open.exe) </dev/null || status=1
exit $status
