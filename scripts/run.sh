#!/usr/bin/env bash
# Installs what is missing, builds, and runs the editor, optionally on a
# bracket file: scripts/run.sh [bracket.xml]
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
# Only what runs: the editor and its English satellite; the tests are
# scripts/test.sh's business.
build_project duelmark duelmark_en
prepare_prefix
. "$ROOT/cmake/wine-env.sh"
args=()
if [ $# -gt 0 ]; then args=("$(winepath -w "$(realpath -m "$1")")"); fi
[ -n "${DISPLAY:-}" ] || echo "No DISPLAY: the editor runs on Wine's null display driver and is not drawn."
exec wine "$DUELMARK_BUILD/duelmark.exe" "${args[@]}"
