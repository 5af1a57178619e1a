#!/usr/bin/env bash
# Builds Zor in build/ and starts the editor with the sample reference data
# and, without FILE, a copy of the sample group. Without a display it says so
# and does the headless work instead: it checks the group (FILE or the
# sample) against the terminal's rules and draws its flow into a PNG.
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
# Qt wants a private runtime folder; root shells often have none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
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
    echo "Checking the group and drawing its flow without a window instead."
    cd "$workdir"
    "$root/build/zor" --version
    # Neither command modifies the group: the sample itself will do.
    group="$root/examples/sample.mcx"
    [ $# -ge 1 ] && group="$file"

    echo "zor --check $group"
    status=0
    "$root/build/zor" --check "$group" || status=$?
    case $status in
        0) echo "No findings: the terminal accepts the group as it is." ;;
        1) echo "Each line above is a finding." ;;
        *) echo "The group could not be read." ;;
    esac

    picture="$workdir/$(basename "${group%.*}")-flow.png"
    echo "zor --export-image $group $picture"
    if ! "$root/build/zor" --export-image "$group" "$picture"; then
        echo "No picture was drawn."
        exit 1
    fi
    echo "The flow diagram is in $picture"
    exit 0
fi

cd "$workdir"
exec "$root/build/zor" ${file:+"$file"}
