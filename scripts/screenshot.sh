#!/usr/bin/env bash
# Takes a screenshot of the editor with the sample group open, under Xvfb:
#   scripts/screenshot.sh OUTPUT.png [LANGUAGE]
# Needs build/zor and the packages xvfb, xauth, x11-apps and imagemagick.
# Settings and the copy of the sample live in a scratch folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "$1")
language=${2:-pt}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home/.config/Orvenda"
# No window manager under Xvfb: place the window at the corner of the screen.
printf '[MainWindow]\npos=@Point(0 0)\nlocale=%s\n' "$language" \
    >"$scratch/home/.config/Orvenda/Zor.conf"
cp "$root"/data/*.ini "$root/examples/sample.mcx" "$scratch/"

cd "$scratch"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    xvfb-run -a -s "-screen 0 1600x1000x24" bash -c \
    "'$root/build/zor' sample.mcx >/dev/null 2>&1 & sleep 5; xwd -root -silent | convert xwd:- '$output'; kill %1"
echo "$output"
