#!/usr/bin/env bash
# Cross-builds hushwall.exe, its tools and its Windows tests for one architecture.
# Usage: build-windows.sh win32|win64 [build folder, default build/<arch>] [target]
# (a target such as hushwall builds that alone; the default builds everything)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?usage: build-windows.sh win32|win64 [build folder]}
case $arch in
  win32) toolchain=mingw-i686 ;;
  win64) toolchain=mingw-x86_64 ;;
  *) echo "build-windows.sh: unknown architecture $arch" >&2; exit 2 ;;
esac
build=${2:-${HUSHWALL_BUILD:-$root/build}/$arch}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" ${3:+--target "$3"}
