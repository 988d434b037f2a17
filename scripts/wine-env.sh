# Sourced: points wine, wineboot, winepath and wineserver at one architecture's Wine
# and the build folder's own prefix.
# Usage: . scripts/wine-env.sh win32|win64 BUILD_FOLDER
#
# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed, even on
# a host that cannot run it; a 64-bit build is therefore always run through the 64-bit
# loader, by wrappers placed first on PATH (wineboot and winepath call wine-stable).
hushwall_wine_env() {
  local arch=$1 build=$2 loader
  case $arch in
    win32) loader=/usr/lib/wine/wine ;;
    win64) loader=/usr/lib/wine/wine64 ;;
    *) echo "wine-env.sh: unknown architecture $arch" >&2; return 2 ;;
  esac
  mkdir -p "$build"
  build=$(cd "$build" && pwd)
  local bin=$build/wine-bin
  mkdir -p "$bin"
  # Tests running side by side source this at once while others run the wrappers:
  # a wrapper is replaced by renaming a new file over it, never rewritten in place.
  local name text
  for name in wine wine-stable wineboot winepath; do
    case $name in
      wine | wine-stable) text=$(printf '#!/bin/sh\nexec %s "$@"' "$loader") ;;
      *) text=$(printf '#!/bin/sh\nexec %s %s.exe "$@"' "$loader" "$name") ;;
    esac
    [ -x "$bin/$name" ] && [ "$(cat "$bin/$name")" = "$text" ] && continue
    printf '%s\n' "$text" >"$bin/$name.$$"
    chmod +x "$bin/$name.$$"
    mv -f "$bin/$name.$$" "$bin/$name"
  done
  export PATH="$bin:$PATH" WINELOADER=$loader WINEARCH=$arch
  export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
}
hushwall_wine_env "$@"
