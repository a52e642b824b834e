#!/usr/bin/env bash
# Runs every test: native (ASan/UBSan), Windows under Wine, and the fuzzers
# over their corpus and a fixed run of new inputs. Installs what a fresh Debian
# machine lacks.
set -euo pipefail
source "$(dirname "$0")/common.sh"
install_prerequisites

fail=0; passed=0; failed=0
count() { # ctest's summary line -> totals
  local line; line=$(grep -E '^[0-9]+% tests passed' "$1" | tail -n1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1])); passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
}

echo "== portability check"
"$top/tools/check-portable.sh" || { fail=1; failed=$((failed+1)); }

echo "== native build"
configure_native
cmake --build "$build_native" -j"$(nproc)"
echo "== native tests"
(cd "$build_native" && ctest --output-on-failure -j"$(nproc)" 2>&1 | tee ctest.log) || fail=1
count "$build_native/ctest.log"

echo "== windows build"
configure_win
cmake --build "$build_win" -j"$(nproc)"
echo "== windows tests under wine"
# The display first: Wine's desktop process starts with the first program and
# keeps the display it found then.
ensure_display
prepare_wine
# Into a file, not a pipe: programs that Wine starts on the way (its desktop
# and services) keep their output open and a pipe would never end.
(cd "$build_win" && ctest --output-on-failure --timeout 900 >ctest.log 2>&1 </dev/null) || fail=1
cat "$build_win/ctest.log"
wineserver -k 2>/dev/null || true
count "$build_win/ctest.log"

if [ "${OSPREY_SKIP_FUZZ:-0}" != 1 ]; then
  echo "== fuzzers"
  "$top/tools/fuzz.sh" 2>&1 | tee "$build_fuzz.log" || fail=1
  passed=$((passed + $(grep -c '^fuzz .*: ok$' "$build_fuzz.log" || true)))
  failed=$((failed + $(grep -c '^fuzz .*: FAILED' "$build_fuzz.log" || true)))
fi

echo "$passed passed, $failed failed"
exit $fail
