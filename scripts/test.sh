#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine, headless
# (Wine's null display driver), ending with CTest's summary.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
configure_project
# The prefix needs nothing from the build: it is made while the build runs.
prepare_prefix > "$DUELMARK_BUILD/prepare-prefix.log" 2>&1 &
preparing=$!
build_project
wait "$preparing" || { cat "$DUELMARK_BUILD/prepare-prefix.log"; exit 1; }
unset DISPLAY
trap stop_wine EXIT
start_wine
cd "$DUELMARK_BUILD"
ctest --output-on-failure -j2 "$@" </dev/null
