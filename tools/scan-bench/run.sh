#!/usr/bin/env bash
# Builds and runs scan-bench under Wine in a virtual X server, pinned to one core
# (back-to-back timing on two cores is bimodal under Wine). Arguments go to the bench.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}/win32
"$root/scripts/build-win32.sh" "$build" >/dev/null
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
"$root/scripts/wine-prefix.sh"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
taskset -c 0 xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/scan-bench.exe" "$@"
wineserver -w 2>/dev/null || true
