#!/usr/bin/env bash
# The long runs that scripts/test.sh keeps short: the leak suite with 1000
# New/Close cycles of a 64-team bracket and 10000 load/save cycles (or $1
# and $2), then the reader's mutation suite with 50000 files (or $3, through
# scripts/long-mutations.sh). Uses Wine prefixes of its own, so it can run
# beside the normal tests. Exits non-zero when any part fails.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
new_close=${1:-1000}
load_save=${2:-10000}
mutations=${3:-50000}
program="$DUELMARK_BUILD/tests/test_leaks.exe"
long_build="$DUELMARK_BUILD/long-tests"
rm -rf "$long_build" && mkdir -p "$long_build"
cp -a "$DUELMARK_BUILD/wineprefix" "$long_build/wineprefix"
status=0
(
  export DUELMARK_BUILD="$long_build"
  . "$ROOT/cmake/wine-env.sh"
  unset DISPLAY
  trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null' EXIT
  wineserver -p
  start=$(date +%s)
  DUELMARK_NEW_CLOSE_CYCLES=$new_close DUELMARK_LOAD_SAVE_CYCLES=$load_save \
    wine "$program" </dev/null > "$long_build/leaks.log" 2>&1
  result=$?
  grep -h "cycles\|Failure\|FAILED\|grew" "$long_build/leaks.log"
  echo "leak suite: $(( $(date +%s) - start )) s"
  exit $result
) || status=1
start=$(date +%s)
"$ROOT/scripts/long-mutations.sh" "$mutations" || status=1
echo "mutation suite: $(( $(date +%s) - start )) s"
exit $status
