#!/usr/bin/env bash
# Builds the Windows side and runs one of its benchmarks under Wine in a virtual X
# server, pinned to one core (back-to-back timing on two cores is bimodal under Wine).
# Usage: tools/bench/wine-bench.sh [win32|win64] scan-bench|region-bench|progress-bench|soak [arguments for it]
# The architecture defaults to the one scripts/run.sh would run on this host.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
case ${1:-} in
  win32 | win64) arch=$1; shift ;;
  *) if "$root/scripts/host-runs-32bit.sh"; then arch=win32; else arch=win64; fi ;;
esac
build=${HUSHWALL_BUILD:-$root/build}/$arch
program=${1:?usage: wine-bench.sh [win32|win64] scan-bench|region-bench|progress-bench|soak [arguments]}
shift
case $program in
  scan-bench | region-bench | progress-bench | soak) ;;
  *) echo "wine-bench.sh: unknown benchmark $program" >&2; exit 2 ;;
esac
"$root/scripts/build-windows.sh" "$arch" "$build" >/dev/null
. "$root/scripts/wine-env.sh" "$arch" "$build"
"$root/scripts/wine-prefix.sh"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
taskset -c 0 xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/$program.exe" "$@"
wineserver -w 2>/dev/null || true
