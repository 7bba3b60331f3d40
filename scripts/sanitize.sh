#!/usr/bin/env bash
# Builds the whole project with the address and undefined-behaviour sanitizers into
# ./build-san (clang, no recovery: the first report ends the program) and runs every test
# program under them the way scripts/test.sh runs them, with leak detection on. Any report
# fails the run. Reports that come only from the system's own libraries are suppressed in
# tests/sanitizers/*.supp, each entry with a comment saying why.
#
#   scripts/sanitize.sh [CTEST ARGUMENTS...]     e.g. -R calculator_tst_frame
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVDL_SANITIZE=ON \
  -DVDL_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
cmake --build build-san --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
bash scripts/cups-pdf.sh # the PDF printer queue one test prints through

supp="$root/tests/sanitizers"
export ASAN_SYMBOLIZER_PATH="${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer)}"
# intercept_tls_get_addr=0: the runtime's hook on glibc's thread-local storage takes blocks that
# merely happen to lie at one offset in a page for those of glibc before 2.25 and reads garbage
# as their bounds; the leak check at exit then dies ("Tracer caught signal 11"), under the
# German and English locales. Without the hook the check scans those blocks as ordinary heap,
# reached from the thread's own storage.
export ASAN_OPTIONS="detect_leaks=1:intercept_tls_get_addr=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:suppressions=$supp/address.supp${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="print_suppressions=0:suppressions=$supp/leak.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/undefined.supp${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

status=0
(cd build-san && ctest --output-on-failure --no-tests=error --parallel "${CTEST_PARALLEL_LEVEL:-$(nproc)}" "$@") || status=$?
# A report in a program whose exit status went unseen fails the run as well.
log=build-san/Testing/Temporary/LastTest.log
if grep -qE 'ERROR: [A-Za-z]+Sanitizer|Sanitizer has encountered a fatal error|runtime error:' "$log"; then
  echo "sanitizer reports (whole output in $log):" >&2
  grep -E 'SUMMARY: [A-Za-z]+Sanitizer|Sanitizer has encountered a fatal error|runtime error:' "$log" | sort | uniq -c >&2
  status=1
fi
exit "$status"
