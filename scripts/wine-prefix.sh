#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX once: no Mono/Gecko prompts, and no
# crash debugger (a crash ends the process at once instead of hanging a headless run).
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG=-all
[ -f "$WINEPREFIX/.hushwall-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX/.lock"
flock 9
[ -f "$WINEPREFIX/.hushwall-ready" ] && exit 0
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
  /v Debugger /t REG_SZ /d "" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
  /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.hushwall-ready"
