#!/usr/bin/env bash
# Renders the images drawn for Zor from their SVG sources into the committed
# PNG files. Run it after changing a drawing, with the icontool of a build:
#   resources/render-images.sh [path/to/icontool]   (default build/resources/icontool)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-$here/../build/resources/icontool}

render() { # svg width height
    "$tool" render "$here/$1" "$here/${1%.svg}.png" "$2" "$3"
}

render png/logo.svg 191 41
render png/ok.svg 32 32
for svg in "$here"/images/*.svg; do
    render "images/$(basename "$svg")" 13 13
done
