#!/usr/bin/env bash
# Renders the images drawn for Zor from their SVG sources into the committed
# PNG files. Run it after changing a drawing, with the icontool of a build:
#   resources/render-images.sh [path/to/icontool]   (default build/resources/icontool)
# With ZOR_TANGO_DIR set to a Tango icon theme (Debian package
# tango-icon-theme: /usr/share/icons/Tango), it also composes the two zoom
# icons again from Tango's magnifier and signs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-$here/../build/resources/icontool}

render() { # svg width height [png]
    "$tool" render "$here/$1" "${4:-$here/${1%.svg}.png}" "$2" "$3"
}

render png/logo.svg 191 41
render png/ok.svg 32 32
for svg in "$here"/images/*.svg; do
    render "images/$(basename "$svg")" 13 13
done

# The installed icons of the application and of its file types, one PNG per
# size of the hicolor theme beside each SVG.
for svg in "$here"/../packaging/icons/*.svg; do
    name=$(basename "$svg" .svg)
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "$here/../packaging/icons/${size}x${size}"
        render "../packaging/icons/$name.svg" "$size" "$size" \
            "$here/../packaging/icons/${size}x${size}/$name.png"
    done
done

if [ -n "${ZOR_TANGO_DIR:-}" ]; then
    for zoom in zoomin:list-add zoomout:list-remove; do
        "$tool" compose "$here/png/${zoom%%:*}.png" "$ZOR_TANGO_DIR/32x32/actions/system-search.png" \
            "$ZOR_TANGO_DIR/16x16/actions/${zoom#*:}.png" 5 5 16
    done
fi
