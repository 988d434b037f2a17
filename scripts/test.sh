#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the portable core
# natively with AddressSanitizer and UndefinedBehaviorSanitizer, then the 64-bit
# Windows build under Wine inside a virtual X server, then the 32-bit one where the
# host runs 32-bit code (HUSHWALL_NO_WIN32=1 skips it on any host), then the release
# installer (a 32-bit program) under Wine where the 32-bit suite runs.
#
# test.sh --plan prints which Windows suites would run on this host, and nothing else.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HUSHWALL_BUILD:-$root/build}
jobs=$(nproc)

# One line per Windows suite: "run <arch>" or "skip <arch>: <why>".
windows_plan() {
  echo "run win64"
  local why=""
  if "$root/scripts/host-runs-32bit.sh"; then
    printf 'run win32\nrun installer\n'
    return
  elif [ -n "${HUSHWALL_NO_WIN32:-}" ]; then
    why="HUSHWALL_NO_WIN32 is set"
  else
    why="this host cannot execute 32-bit programs"
  fi
  echo "skip win32: $why"
  echo "skip installer: $why (the installer is a 32-bit program)"
}
if [ "${1:-}" = "--plan" ]; then
  windows_plan
  exit 0
fi

"$root/scripts/install-deps.sh"
mapfile -t plan < <(windows_plan)
planned() { [[ " ${plan[*]} " == *" run $1 "* ]]; }  # planned SUITE: it runs on this host
started=$SECONDS
took() { echo "== $1 took $((SECONDS - $2)) s"; }

# Each Windows suite's Wine prefix is made while the programs build: making one is
# mostly waiting for Wine's own services, not work for the compiler's cores. (The
# installer's is a 64-bit prefix of its own, in build/installer-test.) Made while the
# 32-bit tests ran instead, it saved half a minute, but twice a 32-bit test crashed
# at its exit meanwhile.
declare -A prefix_job
make_prefix() {  # make_prefix SUITE ARCH FOLDER
  mkdir -p "$3"
  ( . "$root/scripts/wine-env.sh" "$2" "$3"
    "$root/scripts/wine-prefix.sh" && wineserver -w ) >"$3/prefix.log" 2>&1 &
  prefix_job[$1]=$!
}
for step in "${plan[@]}"; do
  case $step in
    "run win"*) make_prefix "${step#run }" "${step#run }" "$build/${step#run }" ;;
    "run installer") make_prefix installer win64 "$build/installer-test" ;;
  esac
done
wait_for_prefix() {  # wait_for_prefix SUITE FOLDER
  [ -n "${prefix_job[$1]:-}" ] || { echo "test.sh: no $1 Wine prefix was started" >&2; return 1; }
  wait "${prefix_job[$1]}" && return 0
  cat "$2/prefix.log" >&2
  echo "test.sh: the $1 Wine prefix could not be made" >&2
  return 1
}

echo "== native core with sanitizers"
phase=$SECONDS
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DHUSHWALL_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"
took "native core" $phase

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

# One ctest run in its own virtual X server and Wine server. Wine's desktop process
# belongs to the X server it started on, so the Wine server ends with the X server.
# Before any test starts, one program brings up the desktop and the prefix's services
# and goes: test programs starting side by side while those still start up can hang
# at their exit.
run_ctest() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wineserver -p
    wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 || true
    status=0
    ctest "$@" || status=$?
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    exit $status' run_ctest "$@"
}

# Builds one architecture and runs its tests in its own Wine prefix. A test that fails
# is run once more, to tell Wine's own rare faults from ours; one that passes only then
# is still named at the end, so a flaky test never goes unseen.
retried=()
# The next suite's build runs while this one's tests run: those mostly wait for Wine.
declare -A build_job
build_in_background() {
  local arch=$1
  "$root/scripts/build-windows.sh" "$arch" "$build/$arch" >"$build/$arch/build.log" 2>&1 &
  build_job[$arch]=$!
}
build_suite() {
  local arch=$1
  if [ -z "${build_job[$arch]:-}" ]; then
    "$root/scripts/build-windows.sh" "$arch" "$build/$arch"
  elif ! wait "${build_job[$arch]}"; then
    cat "$build/$arch/build.log"
    return 1
  fi
}
run_windows_suite() {
  local arch=$1 status=0 dir=$build/$1 phase=$SECONDS
  echo "== $arch Windows build under Wine"
  build_suite "$arch" || return 1
  check_program_size "$dir" || return 1
  took "$arch build" $phase
  [ "$arch" = win64 ] && planned win32 && build_in_background win32
  wait_for_prefix "$arch" "$dir" || return 1
  phase=$SECONDS
  local failed=$dir/Testing/Temporary/LastTestsFailed.log
  (
    . "$root/scripts/wine-env.sh" "$arch" "$dir"
    rm -f "$failed" "$dir/render-digests.txt"
    run_ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=$?
    if [ $status -ne 0 ] && [ -s "$failed" ]; then
      # ctest keeps "number:name" of each failed test, and leaves the file as it was
      # when a later run passes: it goes before that run.
      mv "$failed" "$failed.first"
      echo "== $arch: running the failed tests once more"
      status=0
      run_ctest --test-dir "$dir" --output-on-failure \
        -R "^($(cut -d: -f2- "$failed.first" | paste -sd'|'))\$" || status=$?
    fi
    exit $status
  ) || status=$?
  took "$arch tests" $phase
  if [ -s "$failed.first" ]; then
    local name
    while IFS=: read -r _ name; do
      grep -q ":$name\$" "$failed" 2>/dev/null || retried+=("$arch/$name")
    done <"$failed.first"
    rm -f "$failed.first"
  fi
  return $status
}

# The release files, made as scripts/package.sh makes them, installed, upgraded and
# uninstalled in a copy of the 64-bit suite's prefix.
run_installer_test() {
  local phase=$SECONDS status=0
  echo "== installer under Wine"
  "$root/scripts/package.sh" "$build/dist" || return 1
  wait_for_prefix installer "$build/installer-test" || return 1
  xvfb-run -a -s "-screen 0 1024x768x24" "$root/tests/installer/installer_test.sh" "$build" || status=$?
  took "installer" $phase
  return $status
}

suites_status=0
for step in "${plan[@]}"; do
  case $step in
    "run installer") run_installer_test || suites_status=$? ;;
    "run "*) run_windows_suite "${step#run }" || suites_status=$? ;;
    "skip "*) step=${step#skip }; echo "== ${step%%:*} Windows suite skipped: ${step#*: }" ;;
  esac
done
# Both programs must draw alike: every control look gives the same pixels.
parity=("$build/win32/render-digests.txt" "$build/win64/render-digests.txt")
if [ -s "${parity[0]}" ] && [ -s "${parity[1]}" ] && planned win32; then
  if diff -u "${parity[@]}"; then
    echo "== win32 and win64 draw alike: $(wc -l <"${parity[0]}") control renders compared"
  else
    echo "test.sh: the 32-bit and 64-bit programs draw differently (lines above)" >&2
    suites_status=1
  fi
fi
if [ ${#retried[@]} -gt 0 ]; then
  echo "retried: ${retried[*]} (failed, then passed on the second run)"
else
  echo "retried: none"
fi
took "the whole test command" $started
exit $suites_status
