#!/usr/bin/env bash
# Builds the Debian package of Zor in build-deb/ (a release build without the
# tests and the benchmark) and prints its path; install it with
#   sudo apt-get install ./build-deb/zor_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < <(grep -v -E '^\s*(#|$)' scripts/packages.txt)
scripts/ensure-packages.sh "${packages[@]}"

cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DZOR_BUILD_TESTS=OFF -DZOR_BUILD_BENCH=OFF \
    >/dev/null
cmake --build build-deb -j"${JOBS:-2}"
(cd build-deb && cpack -G DEB >/dev/null)
ls "$PWD"/build-deb/zor_*.deb
