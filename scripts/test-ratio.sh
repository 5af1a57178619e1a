#!/usr/bin/env bash
# The size of the tests beside the size of the program: non-blank lines of
# the C++ sources and headers under tests/ and under src/. The tests stay at
# most half the program: past that, this fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$1" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}

src=$(count src)
tests=$(count tests)
awk -v t="$tests" -v s="$src" 'BEGIN {
    printf "Test lines: %d non-blank lines in tests/, %d in src/: %.2f of the program (goal: at most 0.50)\n", t, s, t / s
    if (2 * t > s) {
        print "The tests are more than half the size of the program: make them lighter." > "/dev/stderr"
        exit 1
    }
}'
