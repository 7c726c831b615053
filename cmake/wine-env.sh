# Sourced by every script that starts Wine: the prefix lives inside the build
# folder so that ~/.wine is never touched, and Wine stays quiet.
: "${DUELMARK_BUILD:?DUELMARK_BUILD must name the build folder}"
export WINEPREFIX="$DUELMARK_BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# The project's font settings, once scripts/common.sh has written them.
if [ -f "$DUELMARK_BUILD/fonts.conf" ]; then export FONTCONFIG_FILE="$DUELMARK_BUILD/fonts.conf"; fi
