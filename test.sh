#!/usr/bin/env bash
# Builds Marquill 32 and runs every test, headless; then the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer, and every fuzz target
# over its corpus. `./test.sh --quick` stops after the first run.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
[ "${1:-}" = --quick ] && exit 0

# Any sanitizer report, a leak at exit included, ends the test process with
# an error. No suppressions: Qt and the system libraries report nothing here.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build build-asan -DMARQUILL_SANITIZE=ON -DMARQUILL_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
ctest --test-dir build-asan --output-on-failure -j2

scripts/fuzz.sh
