#!/usr/bin/env bash
# Installs every package the builds and tests need on Debian 12. Idempotent, and
# quick when everything is already present.
#
# The 64-bit toolchain and Wine are always installed. The 32-bit ones only where the
# host runs 32-bit code (scripts/host-runs-32bit.sh), and not when HUSHWALL_NO_WIN32
# is set. With --release, also what scripts/package.sh needs: NSIS, zip and the
# 32-bit toolchain (a cross compiler, which runs on any host).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

host_pkgs=(cmake g++ make googletest libgtest-dev libbenchmark-dev zlib1g-dev)
win64_pkgs=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine fonts-liberation)
common_pkgs=(xvfb xauth x11-apps x11-utils imagemagick nsis zip)
release_pkgs=(nsis zip g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
win32_pkgs=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine32:i386)

wanted=("${host_pkgs[@]}" "${win64_pkgs[@]}" "${common_pkgs[@]}")
with_win32=0
if "$root/scripts/host-runs-32bit.sh"; then
  with_win32=1
  wanted+=("${win32_pkgs[@]}")
fi
[ "${1:-}" = --release ] && wanted+=("${release_pkgs[@]}")

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ $with_win32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
