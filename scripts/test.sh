#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the portable core
# natively with AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows
# build under Wine inside a virtual X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
jobs=$(nproc)

"$root/scripts/install-deps.sh"

echo "== native core with sanitizers"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DHUSHWALL_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"

echo "== Windows build under Wine"
"$root/scripts/build-win32.sh" "$build/win32"
export WINEPREFIX="$build/win32/wineprefix" WINEDEBUG=-all
"$root/scripts/wine-prefix.sh"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$build/win32" --output-on-failure -j "$jobs" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
