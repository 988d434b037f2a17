#!/usr/bin/env bash
# Runs a Windows program under Wine with the build's own prefix. ctest uses it as
# the cross-compiling emulator; WINEPREFIX may be set by the caller.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$(pwd)/wineprefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
"$here/../scripts/wine-prefix.sh" >/dev/null
exec wine "$@"
