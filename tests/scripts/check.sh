# Sourced by the shell tests: check DESCRIPTION EXPECTED ACTUAL, then finish.
passes=0 failures=0
check() {
  if [ "$2" = "$3" ]; then
    echo "ok: $1"; passes=$((passes + 1))
  else
    echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1))
  fi
}
finish() { echo "$passes passed, $failures failed"; exit $((failures > 0)); }
