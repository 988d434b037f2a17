#!/usr/bin/env bash
# Installs every package the builds and tests need on Debian 12. Idempotent, and
# quick when everything is already present.
set -euo pipefail

host_pkgs=(cmake g++ make googletest libgtest-dev libbenchmark-dev)
cross_pkgs=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
wine_pkgs=(wine wine32:i386 xvfb xauth x11-apps x11-utils imagemagick)

missing=()
for p in "${host_pkgs[@]}" "${cross_pkgs[@]}" "${wine_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
