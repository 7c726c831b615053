#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine, headless
# (Wine's null display driver), ending with CTest's summary.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
unset DISPLAY
trap stop_wine EXIT
start_wine
cd "$DUELMARK_BUILD"
ctest --output-on-failure -j2 "$@" </dev/null
