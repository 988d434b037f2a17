#!/usr/bin/env bash
# The release installer under Wine, as a user of 64-bit Windows meets it: a silent
# install, an upgrade while HushWall runs, a silent uninstall that leaves only the lists.
# Usage: installer_test.sh BUILD_FOLDER (in a virtual X server, after package.sh
# BUILD_FOLDER/dist). The prefix is made once; each run gets a fresh copy.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1") work=$(realpath "$1")/installer-test
. "$root/tests/scripts/check.sh"
version=$(sed -n 's/^#define HUSHWALL_VERSION "\(.*\)"/\1/p' "$build/win64/generated/hushwall_version.h")
. "$root/scripts/wine-env.sh" win64 "$work"
"$root/scripts/wine-prefix.sh" >/dev/null
export WINEPREFIX=$work/fresh WINEDLLOVERRIDES="winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
# Linked, not copied (a gigabyte of Wine's DLLs), but for what Wine rewrites in place.
cp -al "$work/wineprefix" "$WINEPREFIX"
find "$WINEPREFIX" -maxdepth 3 -type f \( -name '*.reg' -o -name '*.ini' \) |
  while read -r file; do cp "$file" "$file.copy" && mv -f "$file.copy" "$file"; done
trap 'wineserver -k 2>/dev/null' EXIT
setup() { /usr/lib/wine/wine "$@" /S >/dev/null 2>&1; }  # NSIS programs are 32-bit
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\HushWall'
run='Software\Microsoft\Windows\CurrentVersion\Run'
value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
same() { cmp -s "$1" "$2" && echo same; }
lists_kept() { for list in RemList.dat Blocked.log; do check "$1 keeps $list" same "$(same "$dir/$list" "$work/$list")"; done; }

setup "$build/dist/HushWall-$version-setup.exe"
check "a silent install" 0 $?
folder=$(value "$uninstall" InstallLocation) && dir=$(winepath -u "$folder" 2>/dev/null)
[ -d "$dir" ] || finish
check "into the user's programs" 'AppData\Local\Programs\HushWall' "${folder#*\\*\\*\\}"
check "the 64-bit program" same "$(same "$dir/hushwall.exe" "$build/package/win64/hushwall.exe")"
check "files" "LICENSE.txt README.txt hushwall.exe uninstall.exe" "$(ls "$dir" | paste -sd' ')"
check "a Start menu shortcut" 1 "$(find "$WINEPREFIX/drive_c/users" -name HushWall.lnk | wc -l)"
for entry in DisplayName=HushWall DisplayVersion="$version" Publisher=Vantel NoModify=0x1 NoRepair=0x1 \
  DisplayIcon="$folder\\hushwall.exe,0" QuietUninstallString="\"$folder\\uninstall.exe\" /S"; do
  check "uninstall entry ${entry%%=*}" "${entry#*=}" "$(value "$uninstall" "${entry%%=*}")"
done
check "starts with Windows" "$folder\\hushwall.exe" "$(value "HKCU\\$run" 'Vantel HushWall')"

# The user's lists, a machine-wide start entry and settings, as the program makes them.
printf 'Cheap flights - Internet Explorer\r\nCasino \xe9t\xe9 - Opera\r\n' >"$work/RemList.dat"
printf '01/02/2026 10:00:00 Cheap flights - Internet Explorer\r\n\r\n' >"$work/Blocked.log"
cp "$work/RemList.dat" "$work/Blocked.log" "$dir/"
wine reg add "HKLM\\$run" /v 'Vantel HushWall' /d "$folder\\hushwall.exe" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vantel Hushwall\Settings' /v Sound /d 0 /f >/dev/null 2>&1
(cd "$dir" && exec wine hushwall.exe) &
running=$!
for _ in $(seq 300); do xwininfo -root -tree | grep -q ' 400x302+' && break; sleep 0.1; done  # its splash

setup "$build/dist/HushWall-$version-setup.exe"
check "an upgrade" 0 $?
check "ends the running HushWall first" ended "$(kill -0 $running 2>/dev/null || echo ended)"
lists_kept "the upgrade"
check "and the start entry" "$folder\\hushwall.exe" "$(value "HKCU\\$run" 'Vantel HushWall')"

# The upgrade started HushWall again: the uninstaller ends it, or the wait runs out.
setup "$dir/uninstall.exe" && timeout 60 wineserver -w
check "a silent uninstall ends HushWall" 0 $?
check "only the lists stay" "Blocked.log RemList.dat" "$(ls "$dir" | paste -sd' ')"
lists_kept "the uninstall"
check "no shortcut" "" "$(find "$WINEPREFIX/drive_c/users" -name HushWall.lnk)"
check "no uninstall entry, no settings" gone \
  "$(wine reg query "$uninstall" >/dev/null 2>&1 || wine reg query 'HKCU\Software\Vantel HushWall' >/dev/null 2>&1 || echo gone)"
check "no start entries" "" "$(value "HKCU\\$run" 'Vantel HushWall')$(value "HKLM\\$run" 'Vantel HushWall')"
finish
