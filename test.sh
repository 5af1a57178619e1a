#!/usr/bin/env bash
# Builds Zor and runs the whole test suite: once in build/, once more under
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"

mapfile -t packages < <(grep -v -E '^\s*(#|$)' scripts/packages.txt)
scripts/ensure-packages.sh "${packages[@]}"

jobs=${JOBS:-2}
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_BUILD_TESTS=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

if [ "${ZOR_SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZOR_BUILD_TESTS=ON -DZOR_SANITIZE=ON \
        -DZOR_BUILD_BENCH=OFF
    cmake --build build-asan -j"$jobs"
    (cd build-asan && ctest --output-on-failure -j"$jobs")
fi
echo "All tests passed."
scripts/test-ratio.sh
