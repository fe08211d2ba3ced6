#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG, for the desktop and for the web app. The
# PNGs are committed, so building and packaging need no SVG renderer; run this after
# changing the SVG.
set -euo pipefail

icons="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/icons/hicolor"
svg="$icons/scalable/apps/org.dravello.Dravello.svg"

if ! command -v rsvg-convert >/dev/null; then
    echo "render-icons: rsvg-convert is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --output "$icons/${size}x${size}/apps/org.dravello.Dravello.png" "$svg"
done
web="$(cd "$(dirname "${BASH_SOURCE[0]}")/../web" && pwd)"
for size in 192 512; do
    rsvg-convert --width "$size" --height "$size" --output "$web/icon-$size.png" "$svg"
done
