#!/usr/bin/env bash
# Runs every test: native (ASan/UBSan), Windows under Wine, and the fuzzers for
# a bounded time. Installs what a fresh Debian machine lacks.
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
  cmake -G Ninja -S "$top" -B "$build_fuzz" -DOSPREY_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$build_fuzz" -j"$(nproc)"
  for f in "$build_fuzz"/bin/fuzz_*; do
    [ -x "$f" ] || continue
    corpus="$top/fuzz/corpus/$(basename "$f")"; mkdir -p "$build_fuzz/work/$(basename "$f")"
    if "$f" -max_total_time="${OSPREY_FUZZ_SECONDS:-20}" -rss_limit_mb=2048 \
         "$build_fuzz/work/$(basename "$f")" $( [ -d "$corpus" ] && echo "$corpus" ) >"$build_fuzz/$(basename "$f").log" 2>&1; then
      echo "fuzz $(basename "$f"): ok"; passed=$((passed+1))
    else
      echo "fuzz $(basename "$f"): FAILED"; tail -n 30 "$build_fuzz/$(basename "$f").log"; failed=$((failed+1)); fail=1
    fi
  done
fi

echo "$passed passed, $failed failed"
exit $fail
