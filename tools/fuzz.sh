#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan and UBSan, both fatal) and runs them.
#
#   tools/fuzz.sh                    what CI runs: every target replays its
#                                    committed corpus (fuzz/corpus/<target>/),
#                                    then tries a fixed number of new inputs
#                                    from a fixed seed, so that a commit gets
#                                    the same verdict every time
#   tools/fuzz.sh --explore SECONDS [TARGET...]
#                                    a longer run from a random seed, keeping
#                                    what it learns in build/fuzz/explore/
#
# An input that makes a target fail is left as build/fuzz/artifacts/<target>-crash-*;
# once the fault is fixed, copy it into fuzz/corpus/<target>/ so every later
# run replays it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

explore=0 seconds=0
if [ "${1:-}" = --explore ]; then
  explore=1 seconds=${2:?--explore needs a number of seconds}; shift 2
fi
# The CI bound: enough inputs to reach well past the corpus, few enough for
# all targets to take minutes. The time cap only cuts a slow run short, so it
# tries a prefix of the same inputs.
runs=${OSPREY_FUZZ_RUNS:-50000}
cap=${OSPREY_FUZZ_SECONDS:-120}

cmake -G Ninja -S "$top" -B "$build_fuzz" -DOSPREY_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build_fuzz" -j"$(nproc)"

# A fixed seed alone does not fix the inputs tried: the fuzzer also learns from
# the values the program compares, addresses among them. Those stay the same
# run after run without address randomisation, with an empty environment and
# with the same (relative) paths on the command line.
fixed=(env -i)
# Targets that go through a file write it where no disk waits.
[ -d /dev/shm ] && [ -w /dev/shm ] && fixed+=(TMPDIR=/dev/shm)
if setarch "$(uname -m)" -R true 2>/dev/null; then
  fixed+=(setarch "$(uname -m)" -R)
else
  echo "fuzz: address randomisation cannot be turned off here; runs may differ"
fi
cd "$build_fuzz"
mkdir -p artifacts
targets=("$@")
if ((${#targets[@]} == 0)); then
  for f in bin/fuzz_*; do [ -x "$f" ] && targets+=("$(basename "$f")"); done
fi

fail=0
for name in "${targets[@]}"; do
  corpus=$(realpath --relative-to=. "$top/fuzz/corpus/$name") log=$name.log
  common=(-rss_limit_mb=2048 -artifact_prefix="artifacts/$name-")
  corpora=(); [ -d "$corpus" ] && corpora=("$corpus")
  : >"$log"
  ok=1
  if ((explore)); then
    mkdir -p "explore/$name"
    "bin/$name" "${common[@]}" -max_total_time="$seconds" "explore/$name" "${corpora[@]}" \
      >>"$log" 2>&1 || ok=0
  else
    # Every committed input on its own, then fuzzing into an emptied scratch
    # folder: nothing of an earlier run carries over.
    rm -rf "work/$name"; mkdir -p "work/$name"
    inputs=(); [ -d "$corpus" ] && mapfile -t inputs < <(find "$corpus" -type f | sort)
    if ((${#inputs[@]})); then "bin/$name" "${common[@]}" "${inputs[@]}" >>"$log" 2>&1 || ok=0; fi
    if ((ok)); then
      "${fixed[@]}" "bin/$name" "${common[@]}" -seed=1 -runs="$runs" -max_total_time="$cap" \
        -reload=0 "work/$name" "${corpora[@]}" >>"$log" 2>&1 || ok=0
    fi
  fi
  if ((ok)); then
    echo "fuzz $name: ok"
  else
    echo "fuzz $name: FAILED (log $build_fuzz/$log)"; tail -n 30 "$log"; fail=1
  fi
done
exit $fail
