#!/usr/bin/env bash
# Builds the Windows side and runs one of its benchmarks under Wine in a virtual X
# server, pinned to one core (back-to-back timing on two cores is bimodal under Wine).
# Usage: tools/bench/wine-bench.sh scan-bench|region-bench [arguments for it]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}/win32
program=${1:?usage: wine-bench.sh scan-bench|region-bench [arguments]}
shift
case $program in
  scan-bench | region-bench) ;;
  *) echo "wine-bench.sh: unknown benchmark $program" >&2; exit 2 ;;
esac
"$root/scripts/build-win32.sh" "$build" >/dev/null
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
"$root/scripts/wine-prefix.sh"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
taskset -c 0 xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/$program.exe" "$@"
wineserver -w 2>/dev/null || true
