#!/usr/bin/env bash
# The choice of Windows suites: the 64-bit one always; the 32-bit one only where a
# 32-bit program really runs, never when HUSHWALL_NO_WIN32 forces it off.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/scripts/check.sh"

HUSHWALL_NO_WIN32=1 "$root/scripts/host-runs-32bit.sh"
check "forced off, the probe says no" 1 $?
check "forced off, the plan runs 64-bit and says why 32-bit and the installer are skipped" \
  "run win64|skip win32: HUSHWALL_NO_WIN32 is set|skip installer: HUSHWALL_NO_WIN32 is set (the installer is a 32-bit program)" \
  "$(HUSHWALL_NO_WIN32=1 "$root/scripts/test.sh" --plan | paste -sd'|')"

# Unforced, the probe's answer is exactly whether the kernel runs 32-bit code; the
# plan follows it, and the probe leaves nothing behind.
probe_dir=$(mktemp -d)
TMPDIR=$probe_dir env -u HUSHWALL_NO_WIN32 "$root/scripts/host-runs-32bit.sh"
probe=$?
check "the probe answers yes or no" yes "$([ $probe -le 1 ] && echo yes || echo "no ($probe)")"
check "the probe leaves no file" "" "$(ls -A "$probe_dir")"
rmdir "$probe_dir"
if [ $probe -eq 0 ]; then expected="run win64|run win32|run installer"; else
  expected="run win64|skip win32: this host cannot execute 32-bit programs|skip installer: this host cannot execute 32-bit programs (the installer is a 32-bit program)"; fi
check "the plan follows the probe" "$expected" "$(env -u HUSHWALL_NO_WIN32 "$root/scripts/test.sh" --plan | paste -sd'|')"

finish
