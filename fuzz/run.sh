#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one
# for SECONDS (default 60), one after the other, seeded from the examples and
# the test files. The corpus grows in fuzz/corpus-<format>/ (not committed);
# a crash, hang or sanitizer report stops the run and leaves its input in
# fuzz/ as crash-*, timeout-* or leak-*.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
cd "$root"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_FUZZ=ON \
    -DZOR_BUILD_TESTS=OFF -DZOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"${JOBS:-2}" --target fuzz_mcx fuzz_mcr

# The readers take the anchor violation from "zor.ini" in the working folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/zor.ini "$work/"

# Leaks are looked for once the run is over, by replaying the corpus (merged
# down to the inputs that add coverage) with whole stacks: Qt, built without
# frame pointers, hides the frames that the one suppression (a leak inside
# Qt's JSON parser, fuzz/lsan.supp) must see, and whole stacks on every
# allocation would slow the fuzzing twentyfold.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for format in mcx mcr; do
    seeds="$work/seeds-$format"
    mkdir -p "$seeds" "fuzz/corpus-$format"
    # The examples, the test files and the inputs kept in tests/data/fuzz/.
    find examples tests/data -type f -name "*.$format" -exec cp {} "$seeds/" \;
    dict=()
    [ -f "fuzz/$format.dict" ] && dict=(-dict="$root/fuzz/$format.dict")
    target="$root/build-fuzz/fuzz/fuzz_$format"

    echo "== fuzz_$format for ${seconds}s"
    (cd "$work" && ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 "$target" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$root/fuzz/" "$root/fuzz/corpus-$format" "$seeds")

    echo "== fuzz_$format: leak check of the corpus"
    minimal="$work/minimal-$format"
    mkdir -p "$minimal"
    if ! (cd "$work" && ASAN_OPTIONS=detect_leaks=0 "$target" -merge=1 "$minimal" \
        "$root/fuzz/corpus-$format" "$seeds") >"$work/merge-$format.log" 2>&1; then
        cat "$work/merge-$format.log"
        exit 1
    fi
    log="$work/leaks-$format.log"
    if ! (cd "$work" && ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
        LSAN_OPTIONS=suppressions="$root/fuzz/lsan.supp" \
        "$target" -runs=0 "$minimal") >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    grep -E '^Done' "$log"
done
