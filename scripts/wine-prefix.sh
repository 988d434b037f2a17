#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX ready for HushWall: no Mono/Gecko prompts,
# no crash debugger (a crash ends the process at once instead of hanging a headless
# run), unmanaged windows (without a window manager, as under Xvfb, Wine otherwise
# waits 2 s whenever a window is hidden or destroyed), and the faces the windows ask
# for ("Tahoma", "MS Sans Serif") resolved to Wine's own metric-compatible fonts
# instead of a much wider fallback that cuts texts.
#
# The stamp file holds a digest of this script, so a prefix made by an older version
# (developers keep their build folders) is brought up to date on its next use.
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG=-all
stamp=$WINEPREFIX/.hushwall-prefix
# Without a sound device, Wine's ALSA driver prints a page of the ALSA library's
# errors at each program's start, which reads like a fault: such a host's prefix uses
# no audio driver, and the alert sound plays nowhere, silently, as on a Windows PC
# without one.
if compgen -G "/dev/snd/pcmC*" >/dev/null; then audio=alsa; else audio=none; fi
version="$(md5sum <"${BASH_SOURCE[0]}" | cut -d' ' -f1) audio=$audio"
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX/.lock"
flock 9
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0

fonts=/usr/share/wine/fonts  # Debian's fonts-wine
for font in "$fonts/tahoma.ttf" "$fonts/sserife.fon" "$fonts/sseriff.fon" /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf; do
  [ -f "$font" ] || { echo "wine-prefix.sh: $font missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
fi
# wineboot returns while its services still start; a program run meanwhile can hang
# at its exit. Nothing else runs until the prefix's own processes are gone.
wineserver -w

# This Wine does not look for its own fonts where fonts-wine puts them, but loads every
# font in C:\windows\Fonts. MS Sans Serif is a bitmap face: Wine registers it as
# sserife.fon (the strikes Windows itself uses at 96 dpi; sseriff.fon holds those for
# 120 dpi) and selects it only once that file is there; its TrueType file holds too
# few strikes to be chosen alone.
# Wine has no Times New Roman: Liberation Serif, from the system, has its metrics.
windows_fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$windows_fonts"
cp -f "$fonts"/*.ttf "$fonts/sserife.fon" "$fonts/sseriff.fon" "$windows_fonts/"

settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<'EOF'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""
"Auto"="1"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
EOF
if [ $audio = none ]; then echo '"Audio"=""' >>"$settings"; else echo '"Audio"=-' >>"$settings"; fi
wine regedit /S "$(winepath -w "$settings" 2>/dev/null)" >/dev/null 2>&1
wineserver -w
printf '%s\n' "$version" >"$stamp"
rm -f "$WINEPREFIX/.hushwall-ready"
