#!/usr/bin/env bash
# Takes the README's pictures of HushWall's windows under a virtual X server, each
# cut to its window: the splash, the main window with each of its panes in front,
# About, quick help, settings, export and import.
# Usage: scripts/screenshots.sh [folder, default docs]
# HUSHWALL_DPI=144 takes them at that display dpi (150 %), in a prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
if "$root/scripts/host-runs-32bit.sh"; then arch=win32 cc=i686-w64-mingw32-gcc; else arch=win64 cc=x86_64-w64-mingw32-gcc; fi
program_build=$build/$arch

if [ "${1:-}" = "--inside" ]; then
  out=$2 program=$3
  driver=$program_build/window-driver.exe
  drive() { wine "$driver" "$@" 2>/dev/null | tr -d '\r'; }
  wait_for() {  # wait_for SECONDS COMMAND...: polls the command until it succeeds
    local until=$((SECONDS + $1)); shift
    until "$@" >/dev/null; do
      [ $SECONDS -ge $until ] && { echo "screenshots.sh: gave up waiting for: $*" >&2; return 1; }
      sleep 0.2
    done
  }
  shoot() {  # shoot FILE CLASS [PAUSE]: the visible top-level window of that class
    local place="" until=$((SECONDS + 60))
    until place=$(drive place "$2") && [ -n "$place" ]; do
      [ $SECONDS -ge $until ] && { echo "screenshots.sh: no window of class $2" >&2; return 1; }
      sleep 0.2
    done
    sleep "${3:-1}"  # let it paint
    import -window root -crop "$place" +repage -strip "$out/$1"
    echo "  $out/$1"
  }
  gone() { ! drive place "$1"; }

  (cd "$program" && exec wine hushwall.exe) &
  shoot splash.png HushWallSplash 0.5  # it shows for two seconds
  wait_for 30 gone HushWallSplash
  # One window on the remove list is closed and logged; the other is left alone.
  (cd "$program" && exec wine "$program_build/popup-sim.exe" --quiet --exit-after 120000 \
    --window "Cheap flights - Internet Explorer" --window "Daily news - Opera") &
  sleep 3
  drive command 200  # Show HushWall
  # The browser list's pane has no buttons to the others: it comes last.
  for pane in "Remove list:main-remove-list.png" "Blocked list:main-window.png" \
    "Browser list:main-browser-list.png"; do
    wait_for 30 drive click HushWallMain "${pane%%:*}"
    shoot "${pane#*:}" HushWallMain
  done
  drive command 103 && shoot about-window.png HushWallAbout
  drive command 102 && shoot quick-help.png HushWallHelp
  drive command 101 && shoot settings-dialog.png HushWallSetting
  drive click HushWallSetting "Export list" && shoot export-dialog.png HushWallExport
  drive click HushWallSetting "Import list" && shoot import-dialog.png HushWallImport
  wineserver -k 2>/dev/null || true
  exit 0
fi

out=$(realpath -m "${1:-$root/docs}")
mkdir -p "$out"
"$root/scripts/install-deps.sh"
"$root/scripts/build-windows.sh" "$arch" "$program_build" >/dev/null
. "$root/scripts/wine-env.sh" "$arch" "$program_build"
"$cc" -O2 -o "$program_build/window-driver.exe" "$root/scripts/window-driver.c"
# The run script's demonstration prefix: without a window manager Wine draws the
# frames itself, as they are seen on Windows.
dpi=${HUSHWALL_DPI:-96}
export WINEPREFIX=$program_build/demo-wineprefix${HUSHWALL_DPI:+-$dpi}
"$root/scripts/wine-prefix.sh"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# Every program under Wine gets the prefix's dpi, as a dpi-aware one does on Windows.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
# The settings and file dialogs show the program's folder.
program=$WINEPREFIX/drive_c/HushWall
rm -rf "$program"
mkdir -p "$program"
cp "$program_build/hushwall.exe" "$program/"
printf 'Cheap flights - Internet Explorer\r\nCasino bonus - Opera\r\n' >"$program/RemList.dat"
xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --inside "$out" "$program"
wineserver -w 2>/dev/null || true
