#!/usr/bin/env bash
# Captures the button gallery, or with "progress" last the progress bar gallery,
# under a virtual X server into a PNG file.
# Usage: tools/gallery/screenshot.sh [Windows build folder, build/win32 or build/win64]
#        [output.png] [buttons|progress]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build/win64}")
page=${3:-buttons}
case $page in
  buttons) page_flag=""; default_out=$root/docs/gallery.png ;;
  progress) page_flag="--progress"; default_out=$root/docs/progress-gallery.png ;;
  *) echo "screenshot.sh: unknown page $page" >&2; exit 2 ;;
esac
out=${2:-$default_out}
if grep -q "mingw-i686" "$build/CMakeCache.txt"; then arch=win32; else arch=win64; fi
. "$root/scripts/wine-env.sh" "$arch" "$build"
"$root/scripts/wine-prefix.sh"
bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"' EXIT
# Wine's desktop process belongs to the X server it started on, so it has to end
# before this server goes away, or the next run would find it on a dead display.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'wine "$1" $3 --screenshot "$(winepath -w "$2")"; status=$?; wineserver -w; exit $status' \
  capture "$build/tools/gallery/gallery.exe" "$bmp" "$page_flag"
mkdir -p "$(dirname "$out")"
convert "$bmp" -strip "$out"
echo "wrote $out"
