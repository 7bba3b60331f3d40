#!/usr/bin/env bash
# Builds the fuzz targets into ./build-fuzz (clang, address and undefined-behaviour
# sanitizers) and runs each one: first every input of its seed corpus fuzz/corpus/<name>,
# then SECONDS of fuzzing (default 20) with a fixed seed, so a run is repeatable. Any crash,
# hang (2 s for one input), memory blow-up or sanitizer report fails the script; the input
# that did it is kept in build-fuzz/findings/.
#
#   scripts/fuzz.sh [SECONDS] [NAME...]     NAME: numtext, dates, core, ... (default: all)
set -euo pipefail
seconds="${1:-20}"
shift || true
cd "$(dirname "$0")/.."
root="$PWD"
bash scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVDL_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz --target vdl_fuzz --parallel "${VDL_FUZZ_BUILD_JOBS:-$(nproc)}"

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do
    n="$(basename "$src" .cpp)"
    names+=("${n#fuzz_}")
  done
fi

# The targets put the C library into the environment's locale, as Qt does at the program's
# start; a German one shows any number text that depends on it.
if locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  export LC_ALL=de_DE.UTF-8
fi
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:allocator_may_return_null=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
mkdir -p build-fuzz/findings build-fuzz/logs
failed=()
summary=()
for name in "${names[@]}"; do
  bin="$root/build-fuzz/fuzz/fuzz_$name"
  seeds="$root/fuzz/corpus/$name"
  work="$root/build-fuzz/corpus/$name"
  log="$root/build-fuzz/logs/$name.log"
  [ -x "$bin" ] || { echo "no fuzz target $name" >&2; exit 2; }
  [ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 2; }
  echo "== $name: replaying $(ls "$seeds" | wc -l) seeds, then fuzzing ${seconds} s"
  # A fresh working corpus each time: the run depends only on the seeds and the seed number.
  rm -rf "$work"
  mkdir -p "$work"
  common=(-timeout=2 -rss_limit_mb=2048 -artifact_prefix="$root/build-fuzz/findings/$name-")
  if ! "$bin" "${common[@]}" "$seeds"/* >"$log" 2>&1 \
    || ! "$bin" "${common[@]}" -seed=1 -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 \
      "$work" "$seeds" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    failed+=("$name")
    continue
  fi
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)"
  last="$(grep -E '^#[0-9]+' "$log" | tail -n 1)"
  cov="$(grep -oE 'cov: [0-9]+ ft: [0-9]+' <<<"$last" || true)"
  summary+=("$name: ${runs:-?} runs, ${cov:-no coverage line}")
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)" >&2
  exit 1
fi
