# Sourced by every script that starts Wine: the prefix lives inside the build
# folder so that ~/.wine is never touched, and Wine stays quiet.
: "${DUELMARK_BUILD:?DUELMARK_BUILD must name the build folder}"
export WINEPREFIX="$DUELMARK_BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
