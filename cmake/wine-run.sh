#!/usr/bin/env bash
# Runs a Windows program under the Wine of its architecture, with the build folder's
# own prefix. ctest uses it as the cross-compiling emulator.
# Usage: wine-run.sh win32|win64 BUILD_FOLDER PROGRAM [ARGUMENTS]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
arch=$1 build=$2
shift 2
. "$here/../scripts/wine-env.sh" "$arch" "$build"
"$here/../scripts/wine-prefix.sh" >/dev/null
exec wine "$@"
