#!/usr/bin/env bash
# Builds Zor in build/ and starts the editor with the sample reference data
# and, without FILE, a copy of the sample group. Without a display it says so
# and does the headless work instead.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

mapfile -t packages < <(grep -v -E '^\s*(#|$)' scripts/packages.txt)
scripts/ensure-packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zor -j"${JOBS:-2}"

# The editor reads its reference data from the working directory.
workdir="$root/build/run"
mkdir -p "$workdir"
cp data/*.ini "$workdir/"

if [ $# -ge 1 ]; then
    file=$(realpath "$1")
else
    # Opening a group rewrites it: work on a copy, never on the sample itself.
    file="$workdir/sample.mcx"
    [ -f examples/sample.mcx ] && cp examples/sample.mcx "$file" || file=""
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: the editor needs one (set DISPLAY, or run under xvfb-run)."
    cd "$workdir"
    "$root/build/zor" --version
    exit 0
fi

cd "$workdir"
exec "$root/build/zor" ${file:+"$file"}
