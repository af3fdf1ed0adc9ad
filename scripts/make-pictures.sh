#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the two shipped pictures (an arena background and the title banner) with ImageMagick.
# They are ours; run this only to change them. Needs the imagemagick and fonts-dejavu-core packages.
set -euo pipefail
out=${1:-gfx}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
W=800 H=600
convert -size ${W}x${H} radial-gradient:'#6f7799'-'#4f5574' base.png
convert -size ${W}x380 xc:black -seed 11 +noise Random -colorspace gray -threshold 97% -blur 0x0.7 \
  -fill '#6c7199' -tint 60 -level 0,160% crowdsrc.png
convert crowdsrc.png -background black -extent ${W}x${H} crowd.png
convert -size ${W}x${H} xc:none -fill 'rgba(255,255,230,0.06)' -draw "polygon 180,0 260,0 420,600 60,600" \
  -fill 'rgba(255,255,230,0.06)' -draw "polygon 540,0 620,0 740,600 380,600" -blur 0x18 spots.png
convert -size ${W}x${H} xc:none \
  -fill '#3a3f5c' -draw "polygon 120,470 680,470 780,600 20,600" \
  -fill '#5a6084' -draw "polygon 150,480 650,480 735,585 65,585" \
  -stroke '#c0182a' -strokewidth 4 -draw "line 130,430 670,430" \
  -stroke '#d8d8d8' -strokewidth 4 -draw "line 125,450 675,450" \
  -stroke '#1f4fbf' -strokewidth 4 -draw "line 120,470 680,470" \
  -stroke '#0a0a0a' -strokewidth 10 -draw "line 125,420 125,600" -draw "line 675,420 675,600" ring.png
convert base.png \( crowd.png -evaluate multiply 0.25 \) -compose screen -composite \
  spots.png -compose screen -composite ring.png -compose over -composite \
  -quality 85 background.jpg
convert -size 324x150 xc:'#0b0d1c' \
  -fill '#c16520' -draw "rectangle 0,0 323,5" -draw "rectangle 0,144 323,149" \
  -font DejaVu-Sans-Bold -pointsize 46 -fill '#000000' -annotate +21+74 'KAYFABE' \
  -fill '#ffd34d' -stroke '#7a4a00' -strokewidth 1 -annotate +18+71 'KAYFABE' \
  -stroke none -font DejaVu-Sans-Bold -pointsize 40 -fill '#ffffff' -annotate +110+118 'KIT' \
  -font DejaVu-Sans -pointsize 13 -fill '#9aa6d6' -annotate +19+137 "the booker's toolbox" \
  -quality 90 banner.jpg
cd - >/dev/null
cp "$tmp/background.jpg" "$tmp/banner.jpg" "$out/"
