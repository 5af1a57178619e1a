#!/usr/bin/env bash
# Takes a screenshot of the simulator window with the sample group, under Xvfb:
#   scripts/screenshot-simulator.sh OUTPUT.png
# Drives the window with xdotool: the start of a trip filled and sent, then
# the macro on F1 with a time the terminal refuses. Needs build/zor and the
# packages xvfb, xauth, x11-apps, imagemagick and xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "$1")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home/.config/Orvenda"
printf '[MainWindow]\npos=@Point(0 0)\nlocale=pt\n' >"$scratch/home/.config/Orvenda/Zor.conf"
cp "$root"/data/*.ini "$root/examples/sample.mcx" "$scratch/"
cat >"$scratch/drive.sh" <<DRIVE
set -e
'$root/build/zor' sample.mcx >/dev/null 2>&1 &
sleep 5
# No window manager: each window gets the focus by hand.
xdotool windowfocus --sync \$(xdotool search --name "Zor - " | head -1)
xdotool key ctrl+r
sleep 2
xdotool windowfocus --sync \$(xdotool search --name "Simulador" | tail -1)
xdotool type 1; xdotool key Return
for value in JOAO 12345 13/05/24 08:30 1520 ABC1D23; do
    xdotool type "\$value"; xdotool key Down
done
# A mnemonic clicks after a short animation.
xdotool key alt+e; sleep 0.5; xdotool key ctrl+1; sleep 0.5
xdotool type "POSTO 10"; xdotool key Down; xdotool type "25:00"
xdotool key alt+e
sleep 1.5
xwd -id \$(xdotool search --name "Simulador" | tail -1) -silent | convert xwd:- '$output'
kill %1
DRIVE
cd "$scratch"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    xvfb-run -a -s "-screen 0 1600x1000x24" bash drive.sh
echo "$output"
