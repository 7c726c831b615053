#!/usr/bin/env bash
# The long run of the reader's mutation suite: 50000 files (or $1), split
# over one process per core, each with its own series of files. Prints each
# part's figures and the totals. Uses a Wine prefix of its own, so it can
# run beside the normal tests.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
total=${1:-50000}
parts=$(nproc)
program="$DUELMARK_BUILD/tests/test_reader_mutations.exe"
long_build="$DUELMARK_BUILD/long-mutations"
rm -rf "$long_build" && mkdir -p "$long_build"
cp -a "$DUELMARK_BUILD/wineprefix" "$long_build/wineprefix"
export DUELMARK_BUILD="$long_build"
. "$ROOT/cmake/wine-env.sh"
unset DISPLAY
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null' EXIT
wineserver -p
for part in $(seq 1 "$parts"); do
  DUELMARK_MUTATIONS=$(( total / parts )) DUELMARK_MUTATION_SEED=$part \
    wine "$program" </dev/null > "$long_build/part-$part.log" 2>&1 &
done
wait
grep -h "mutation files tried\|Failure\|FAILED" "$long_build"/part-*.log
awk '/mutation files tried/ { t += $4; l += $6; r += $8 } END { printf "long run: tried %d, loaded %d, refused %d\n", t, l, r }' \
  "$long_build"/part-*.log
! grep -q "FAILED" "$long_build"/part-*.log
