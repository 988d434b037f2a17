#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the portable core
# natively with AddressSanitizer and UndefinedBehaviorSanitizer, then the 64-bit
# Windows build under Wine inside a virtual X server, then the 32-bit one where the
# host runs 32-bit code (HUSHWALL_NO_WIN32=1 skips it on any host).
#
# test.sh --plan prints which Windows suites would run on this host, and nothing else.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
jobs=$(nproc)

# One line per Windows suite: "run <arch>" or "skip <arch>: <why>".
windows_plan() {
  echo "run win64"
  if "$root/scripts/host-runs-32bit.sh"; then
    echo "run win32"
  elif [ -n "${HUSHWALL_NO_WIN32:-}" ]; then
    echo "skip win32: HUSHWALL_NO_WIN32 is set"
  else
    echo "skip win32: this host cannot execute 32-bit programs"
  fi
}
if [ "${1:-}" = "--plan" ]; then
  windows_plan
  exit 0
fi

"$root/scripts/install-deps.sh"

echo "== native core with sanitizers"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DHUSHWALL_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"

# The release program stays small: one line with its stripped size, and a failure
# once it grows past 1 MiB.
check_program_size() {
  local program=$1/hushwall.exe limit=1048576 size
  size=$(stat -c %s "$program")
  echo "== $program: $size bytes (at most $limit)"
  if [ "$size" -gt "$limit" ]; then
    echo "test.sh: $program is larger than 1 MiB" >&2
    return 1
  fi
}

# Builds one architecture and runs its tests in its own Wine prefix.
run_windows_suite() {
  local arch=$1 status=0
  echo "== $arch Windows build under Wine"
  "$root/scripts/build-windows.sh" "$arch" "$build/$arch"
  check_program_size "$build/$arch"
  (
    . "$root/scripts/wine-env.sh" "$arch" "$build/$arch"
    "$root/scripts/wine-prefix.sh"
    # One server for the whole run: an idle server that is just going away can reset
    # the connection of a test program starting at that moment. Wine itself now and
    # then hangs a program's exit in a new prefix; a test that fails is run once more.
    wineserver -p
    xvfb-run -a -s "-screen 0 1024x768x24" \
      ctest --test-dir "$build/$arch" --output-on-failure -j "$jobs" --repeat until-pass:2 || status=$?
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    exit $status
  )
}

mapfile -t plan < <(windows_plan)
for step in "${plan[@]}"; do
  case $step in
    "run "*) run_windows_suite "${step#run }" ;;
    "skip "*) step=${step#skip }; echo "== ${step%%:*} Windows suite skipped: ${step#*: }" ;;
  esac
done
