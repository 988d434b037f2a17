#!/usr/bin/env bash
# Exits 0 when this host can execute 32-bit x86 programs, 1 when it cannot (or when
# HUSHWALL_NO_WIN32 is set, which forces the 64-bit-only path on any host).
#
# Some x86-64 kernels are built without 32-bit support; nothing in uname says so.
# The only sure test is to run a 32-bit program: a 96-byte static ELF that makes
# the exit system call with status 42. It needs no package to be installed.
set -u
if [ -n "${HUSHWALL_NO_WIN32:-}" ]; then
  exit 1
fi
case "$(uname -m)" in
  x86_64|i?86) ;;
  *) exit 1 ;;
esac
probe=$(mktemp "${TMPDIR:-/tmp}/hushwall-probe32.XXXXXX")
trap 'rm -f "$probe"' EXIT
printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]
