#!/usr/bin/env bash
# The release installer under Wine, as a user of 64-bit Windows without HushWall
# meets it: a silent install, an upgrade over it while HushWall runs (the lists stay
# byte for byte), and a silent uninstall that leaves nothing but the lists.
# Usage: installer_test.sh BUILD_FOLDER, inside a virtual X server, after
# scripts/package.sh BUILD_FOLDER/dist. The prefix is made once and copied for each run.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
# The version as CMake gave it to the program.
version=$(sed -n 's/^#define HUSHWALL_VERSION "\(.*\)"/\1/p' "$build/win64/generated/hushwall_version.h")
setup=$build/dist/HushWall-$version-setup.exe
passes=0 failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"; passes=$((passes + 1))
  else
    echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1))
  fi
}

. "$root/scripts/wine-env.sh" win64 "$build/installer-test"
"$root/scripts/wine-prefix.sh" >/dev/null
export WINEPREFIX=$build/installer-test/fresh WINEDLLOVERRIDES="winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
# A copy in links (the prefix holds a gigabyte of Wine's own DLLs), but for the files
# Wine rewrites in place: its registry and .ini files.
cp -al "$build/installer-test/wineprefix" "$WINEPREFIX"
find "$WINEPREFIX" -maxdepth 3 -type f \( -name '*.reg' -o -name '*.ini' \) |
  while read -r file; do cp "$file" "$file.copy" && mv -f "$file.copy" "$file"; done
trap 'wineserver -k 2>/dev/null' EXIT
run32() { /usr/lib/wine/wine "$@" >/dev/null 2>&1; }  # the installer is a 32-bit program
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\HushWall'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
value() {  # value KEY NAME: the registry value's data, or nothing
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
shortcuts() { find "$WINEPREFIX/drive_c/users" -name HushWall.lnk | wc -l; }
splash_shown() { xwininfo -root -tree | grep -q ' 400x302+'; }

run32 "$setup" /S
check "a silent install succeeds" 0 $?
[ $failures -eq 0 ] || exit 1
folder=$(value "$uninstall_key" InstallLocation)
check "it goes to the user's programs folder" 'AppData\Local\Programs\HushWall' "${folder#*\\*\\*\\}"
dir=$(winepath -u "$folder" 2>/dev/null)
check "64-bit Windows gets the 64-bit program" yes \
  "$(cmp -s "$dir/hushwall.exe" "$build/package/win64/hushwall.exe" && echo yes)"
check "beside it the texts and the uninstaller" "LICENSE.txt README.txt hushwall.exe uninstall.exe" \
  "$(ls "$dir" | paste -sd' ')"
check "a Start menu shortcut" 1 "$(shortcuts)"
for entry in "DisplayName=HushWall" "DisplayVersion=$version" "Publisher=Vantel" \
  "DisplayIcon=$folder\\hushwall.exe,0" "UninstallString=\"$folder\\uninstall.exe\"" \
  "QuietUninstallString=\"$folder\\uninstall.exe\" /S" "NoModify=0x1" "NoRepair=0x1"; do
  check "uninstall entry ${entry%%=*}" "${entry#*=}" "$(value "$uninstall_key" "${entry%%=*}")"
done
check "uninstall entry EstimatedSize in KiB" yes \
  "$([ $(($(value "$uninstall_key" EstimatedSize))) -ge $(($(stat -c %s "$dir/hushwall.exe") / 1024)) ] && echo yes)"
check "it starts with Windows" "$folder\\hushwall.exe" "$(value "HKCU\\$run_key" 'Vantel HushWall')"

# The user's lists, a machine-wide start entry and settings, as the program makes them.
printf 'Cheap flights - Internet Explorer\r\nCasino \xe9t\xe9 - Opera\r\n' >"$dir/RemList.dat"
printf '01/02/2026 10:00:00 Cheap flights - Internet Explorer\r\n\r\n' >"$dir/Blocked.log"
cp "$dir/RemList.dat" "$dir/Blocked.log" "$build/installer-test/"
wine reg add "HKLM\\$run_key" /v 'Vantel HushWall' /d "$folder\\hushwall.exe" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vantel Hushwall\Settings' /v Sound /d 0 /f >/dev/null 2>&1
(cd "$dir" && exec wine hushwall.exe) &
running=$!
for _ in $(seq 300); do splash_shown && break; sleep 0.1; done

run32 "$setup" /S
check "an upgrade succeeds" 0 $?
check "it ended the running HushWall first" ended "$(kill -0 $running 2>/dev/null || echo ended)"
for list in RemList.dat Blocked.log; do
  check "the upgrade keeps $list byte for byte" yes "$(cmp -s "$dir/$list" "$build/installer-test/$list" && echo yes)"
done
check "the upgrade keeps the start entry" "$folder\\hushwall.exe" "$(value "HKCU\\$run_key" 'Vantel HushWall')"

# The upgrade started HushWall again: the uninstaller ends it, or the wait runs out.
run32 "$dir/uninstall.exe" /S
timeout 60 wineserver -w
check "a silent uninstall ends HushWall and finishes" 0 $?
check "only the lists stay" "Blocked.log RemList.dat" "$(ls "$dir" | paste -sd' ')"
for list in RemList.dat Blocked.log; do
  check "the uninstall keeps $list byte for byte" yes "$(cmp -s "$dir/$list" "$build/installer-test/$list" && echo yes)"
done
check "no shortcut" 0 "$(shortcuts)"
check "no uninstall entry" gone "$(wine reg query "$uninstall_key" >/dev/null 2>&1 || echo gone)"
for key in "HKCU\\$run_key" "HKLM\\$run_key"; do
  check "no start entry in ${key%%\\*}" "" "$(value "$key" 'Vantel HushWall')"
done
check "no settings" gone "$(wine reg query 'HKCU\Software\Vantel HushWall' >/dev/null 2>&1 || echo gone)"

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
