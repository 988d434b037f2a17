#!/usr/bin/env bash
# Installs what HushWall needs, builds it and starts it under Wine.
#
# With a display ($DISPLAY set) HushWall runs there until you choose Exit in the menu
# of its notification-area icon. Without one, a short demonstration runs under a
# virtual X server: HushWall starts, popup-sim opens a few browser-like windows, and
# a transcript of what was closed plus screenshots are written to a folder
# (build/demo, or $HUSHWALL_DEMO_DIR), whose name is printed at the end.
#
# The 32-bit program runs where the host can execute 32-bit code, the 64-bit one
# elsewhere (or when HUSHWALL_NO_WIN32 is set).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
if "$root/scripts/host-runs-32bit.sh"; then arch=win32; else arch=win64; fi
program_build=$build/$arch

if [ "${1:-}" = "--demo-inside" ]; then
  out=$2
  program=$out/program
  mkdir -p "$program"
  cp "$program_build/hushwall.exe" "$program/"
  printf 'Cheap flights - Internet Explorer\r\nCasino bonus - Opera\r\n' >"$program/RemList.dat"
  wait_for() {  # wait_for SECONDS COMMAND...: polls the command until it succeeds
    local until=$((SECONDS + $1)); shift
    until "$@"; do
      [ $SECONDS -ge $until ] && return 1
      sleep 0.1
    done
  }
  shot() { import -window root "$out/$1"; echo "  screenshot $out/$1"; }

  echo "Starting HushWall from $program (remove list: RemList.dat)"
  (cd "$program" && exec wine hushwall.exe) &
  wait_for 90 sh -c "xwininfo -root -tree | grep -q ' 400x302+'" || { echo "no splash" >&2; exit 1; }
  sleep 1  # it shows for two seconds; let it paint first
  shot 1-splash.png
  wait_for 30 sh -c "! xwininfo -root -tree | grep -q ' 400x302+'"
  echo "HushWall now lives in the notification area (top left), main window hidden"

  echo "Opening popups from another process (tools/popup-sim)"
  rm -f "$out/closes.txt" "$out/ready.txt"
  (cd "$program" && exec wine "$program_build/popup-sim.exe" --quiet --exit-after 5000 \
    --record "$(winepath -w "$out/closes.txt")" --ready "$(winepath -w "$out/ready.txt")" \
    --window "Cheap flights - Internet Explorer" \
    --window "Casino bonus - Opera" \
    --window "Free prize - Netscape" --style 80C00000 \
    --window "Daily news - Opera" \
    --window "Notes - Editor" --style 80C00000) &
  popups=$!
  wait_for 30 test -s "$out/ready.txt"
  sleep 2
  shot 2-after-popups.png

  echo "Starting HushWall a second time: it shows the running one's window and exits"
  (cd "$program" && exec wine hushwall.exe)
  sleep 1
  shot 3-main-window.png
  wait "$popups" || true

  {
    echo "HushWall demonstration: what became of each popup"
    tr -d '\r' <"$out/ready.txt" | while read -r handle title; do
      count=$(tr -d '\r' <"$out/closes.txt" 2>/dev/null | grep -c "^WM_CLOSE $handle " || true)
      if [ "$count" -gt 0 ]; then
        echo "  closed     $title  ($count close request(s))"
      else
        echo "  left alone $title"
      fi
    done
    echo "Rules: titles on the remove list are closed and logged; a browser window"
    echo "without a maximize box is closed while the remove list is not empty; other"
    echo "windows are left alone."
  } >"$out/transcript.txt"
  cat "$out/transcript.txt"
  wineserver -k 2>/dev/null || true
  exit 0
fi

"$root/scripts/install-deps.sh"
"$root/scripts/build-windows.sh" "$arch" "$program_build"
. "$root/scripts/wine-env.sh" "$arch" "$program_build"
echo "Running the $arch build of HushWall"

if [ -n "${DISPLAY:-}" ]; then
  "$root/scripts/wine-prefix.sh"
  # The program folder holds its remove list (RemList.dat) and log (Blocked.log).
  cd "$program_build"
  exec wine hushwall.exe
fi

# The virtual X server has no window manager: the demonstration's own prefix lets
# Wine draw the window frames itself, and spares every hidden or closed window the
# wait for a window manager that never answers.
export WINEPREFIX=$program_build/demo-wineprefix
"$root/scripts/wine-prefix.sh"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w

out=${HUSHWALL_DEMO_DIR:-$build/demo}
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --demo-inside "$out"
wineserver -w 2>/dev/null || true
echo "Demonstration written to $out (transcript.txt and screenshots)"
