#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's icon, a championship belt, at the two sizes the desktop asks for. It is ours;
# run this only to change it. Needs the imagemagick and fonts-dejavu-core packages.
set -euo pipefail
out=${1:-desktop}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Drawn at 1024 pixels and scaled down, so the edges come out smooth at every size.
convert -size 1024x1024 xc:none \
  -fill '#1b1b1f' -draw "roundrectangle 24,332 1000,692 120,120" \
  -fill '#2c2c33' -draw "roundrectangle 24,372 1000,652 100,100" \
  -fill '#d9a62a' -stroke '#7a5200' -strokewidth 14 -draw "ellipse 512,512 330,300 0,360" \
  -fill '#f4cf5a' -stroke none -draw "ellipse 512,512 280,252 0,360" \
  -fill '#c16520' -draw "ellipse 512,512 214,190 0,360" \
  -fill '#2065c1' -draw "ellipse 512,512 176,152 0,360" \
  -fill '#d9a62a' -stroke '#7a5200' -strokewidth 10 \
  -draw "roundrectangle 74,416 180,608 30,30" -draw "roundrectangle 844,416 950,608 30,30" \
  -stroke none -fill '#f4cf5a' -font DejaVu-Sans-Bold -pointsize 190 -gravity center \
  -annotate +0+8 'KK' \
  "$tmp/belt.png"
convert "$tmp/belt.png" -filter Lanczos -resize 256x256 -depth 8 "$out/icon-256.png"
convert "$tmp/belt.png" -filter Lanczos -resize 48x48 -unsharp 0x0.6 -depth 8 "$out/icon-48.png"
