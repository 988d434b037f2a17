#!/usr/bin/env bash
# Captures the button gallery under a virtual X server into a PNG file.
# Usage: tools/gallery/screenshot.sh [win32 build folder] [output.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build/win32}")
out=${2:-$root/docs/gallery.png}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
"$root/scripts/wine-prefix.sh"
bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"' EXIT
# Wine's desktop process belongs to the X server it started on, so it has to end
# before this server goes away, or the next run would find it on a dead display.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'wine "$1" --screenshot "$(winepath -w "$2")"; status=$?; wineserver -w; exit $status' \
  capture "$build/tools/gallery/gallery.exe" "$bmp"
mkdir -p "$(dirname "$out")"
convert "$bmp" -strip "$out"
echo "wrote $out"
