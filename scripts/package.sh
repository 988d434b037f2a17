#!/usr/bin/env bash
# Makes a HushWall release in dist/ (or the folder given): the per-user installer
# HushWall-<version>-setup.exe, the portable HushWall-<version>-win32.zip and -win64.zip,
# and SHA256SUMS for the three. The version is the project's, from CMakeLists.txt.
# Installs what it needs and builds both programs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
out=$(realpath -m "${1:-$root/dist}")
version=$(sed -n 's/^project(HushWall VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "package.sh: no version in CMakeLists.txt" >&2; exit 1; }

"$root/scripts/install-deps.sh" --release
for arch in win32 win64; do
  "$root/scripts/build-windows.sh" "$arch" "$build/$arch" hushwall >/dev/null
done

# What the installer and the zips hold, with Windows line ends in the texts.
stage=$build/package
rm -rf "$stage"
mkdir -p "$stage/win32" "$stage/win64" "$out"
for arch in win32 win64; do cp "$build/$arch/hushwall.exe" "$stage/$arch/"; done
sed "s/@VERSION@/$version/g; s/\$/\r/" "$root/packaging/README.txt" >"$stage/README.txt"
sed 's/$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"

setup=HushWall-$version-setup.exe
rm -f "$out/$setup" "$out/SHA256SUMS"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/resources/green.ico" \
  -DOUTFILE="$out/$setup" "$root/packaging/hushwall.nsi"

# Each zip unpacks to a folder HushWall, which the program's lists then share.
files=("$setup")
for arch in win32 win64; do
  zip=HushWall-$version-$arch.zip
  mkdir -p "$stage/zip-$arch/HushWall"
  cp "$stage/$arch/hushwall.exe" "$stage/README.txt" "$stage/LICENSE.txt" "$stage/zip-$arch/HushWall/"
  rm -f "$out/$zip"
  (cd "$stage/zip-$arch" && zip -q -X -r "$out/$zip" HushWall)
  files+=("$zip")
done
(cd "$out" && sha256sum "${files[@]}" >SHA256SUMS && sha256sum -c SHA256SUMS)
echo "HushWall $version release in $out"
