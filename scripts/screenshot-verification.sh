#!/usr/bin/env bash
# Takes a screenshot of the editor with the verification dock listing what
# the terminal's rules find in a copy of the sample group with five faults,
# under Xvfb:
#   scripts/screenshot-verification.sh OUTPUT.png
# Needs build/zor and the packages xvfb, xauth, x11-apps and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "$1")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home/.config/Orvenda"
printf '[MainWindow]\npos=@Point(0 0)\nlocale=pt\n' >"$scratch/home/.config/Orvenda/Zor.conf"
cp "$root"/data/*.ini "$scratch/"
# A blank inside a field marker, an accent in a name, a four-letter acronym
# (which the flows no longer find) and a shortcut used twice.
sed -e 's/PLACA DA CARRETA:  \[cccccccc\]/PLACA DA CARRETA:  [cccc cccc]/' \
    -e 's/"nome": "PARADA PARA REFEICAO"/"nome": "PARADA PARA REFEIÇÃO"/' \
    -e 's/"sigla": "DES"/"sigla": "DESC"/' \
    -e 's/"atalho": 20,/"atalho": 12,/' \
    "$root/examples/sample.mcx" >"$scratch/frota.mcx"

cd "$scratch"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    xvfb-run -a -s "-screen 0 1600x1000x24" bash -c \
    "'$root/build/zor' frota.mcx >/dev/null 2>&1 & sleep 5; xwd -root -silent | convert xwd:- '$output'; kill %1"
echo "$output"
