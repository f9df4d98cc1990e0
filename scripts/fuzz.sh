#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, with clang) into build-fuzz/ and runs them.
#   scripts/fuzz.sh                 every target over its committed corpus, once
#   scripts/fuzz.sh SECONDS [NAME]  fuzz each target (or the one named) for SECONDS;
#                                   new inputs go to build-fuzz/corpus/, a crash to
#                                   build-fuzz/crashes/
set -euo pipefail
cd "$(dirname "$0")/.."

if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++
fi
cmake --build build-fuzz

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
targets=(cp932_round_trip euc_jp_round_trip text_file_round_trip profile_file find_scan markup_builders tag_reader)

if [ $# -eq 0 ]; then
    for t in "${targets[@]}"; do
        if ! out=$(build-fuzz/fuzz_$t -runs=0 fuzz/corpus/$t 2>&1); then
            echo "$out"
            echo "fuzz_$t failed on its corpus"
            exit 1
        fi
        echo "fuzz_$t: $(ls fuzz/corpus/$t | wc -l) inputs passed"
    done
    exit 0
fi

seconds=$1
[ $# -gt 1 ] && targets=("$2")
mkdir -p build-fuzz/crashes
for t in "${targets[@]}"; do
    mkdir -p build-fuzz/corpus/$t
    echo "== $t for ${seconds}s"
    build-fuzz/fuzz_$t -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/$t- build-fuzz/corpus/$t fuzz/corpus/$t 2>&1 \
        | grep -E '^stat::number_of_executed_units|^stat::peak_rss|ERROR|SUMMARY|Test unit written'
done
