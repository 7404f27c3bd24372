#!/usr/bin/env bash
# Makes the window's pictures with ImageMagick: banner.jpg (623 x 88) and banner-2x.jpg
# (1246 x 176), icon.png (48 x 48, 32-bit) and the icon in the sizes of the installed theme
# (icons/), which the window takes on larger scales too. They are committed; the build embeds
# or installs them and never runs this script.
set -euo pipefail
cd "$(dirname "$0")"
title_font=/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf
cjk_font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc

# A closed band under the curve y = base + height * sin(x / period + phase), down to the foot,
# for a banner drawn at scale times the layout's pixels.
wave() {
    local base=$1 height=$2 period=$3 phase=$4 scale=$5
    local points="0,$((88 * scale))"
    for x in $(seq 0 8 624); do
        points+=" $((x * scale)),$(awk -v x="$x" -v b="$base" -v h="$height" -v p="$period" \
            -v f="$phase" -v s="$scale" 'BEGIN { printf "%.1f", (b + h * sin(x / p + f)) * s }')"
    done
    echo "polygon $points $((624 * scale)),$((88 * scale))"
}

# The banner at scale times its layout size (623 x 88): banner.jpg at 1, banner-2x.jpg, for
# screens at twice the layout's pixels and the scales between, at 2.
banner() {
    local scale=$1 output=$2
    convert -size "$((623 * scale))x$((88 * scale))" gradient:'#d4ecfa'-'#e3f5dc' \
        -fill '#b4dcf2c0' -draw "$(wave 52 9 70 0.0 "$scale")" \
        -fill '#a8dca0a0' -draw "$(wave 62 7 55 1.7 "$scale")" \
        -fill '#9ccbeaff' -draw "$(wave 76 5 45 3.1 "$scale")" \
        -font "$title_font" -pointsize "$((38 * scale))" -fill '#0d2c6b' \
        -annotate "+$((24 * scale))+$((50 * scale))" 'Parcelio' \
        -font "$cjk_font" -pointsize "$((17 * scale))" -fill '#143a80' \
        -annotate "+$((240 * scale))+$((36 * scale))" '快递查询 · 一键跟踪' \
        -annotate "+$((240 * scale))+$((64 * scale))" '覆盖148家国内外快递公司' \
        -quality 90 -strip "$output"
}

banner 1 banner.jpg
banner 2 banner-2x.jpg

# The icon, drawn on a 48-pixel grid scaled to size: icon.png for the window (48), and the
# other sizes a desktop menu uses under icons/, for the installed hicolor theme.
icon() {
    local size=$1 output=$2
    local s
    s=$(awk -v n="$size" 'BEGIN { printf "%.4f", n / 48 }')
    at() { awk -v s="$s" -v list="$*" 'BEGIN {
        n = split(list, v, " "); out = ""
        for (i = 1; i <= n; i++) {
            split(v[i], xy, ","); p = sprintf("%g", xy[1] * s)
            if (2 in xy) p = p "," sprintf("%g", xy[2] * s)
            out = out (i > 1 ? " " : "") p; delete xy
        }
        print out }'; }
    convert -size "${size}x${size}" xc:none \
        -fill '#1f5fb0' -draw "roundrectangle $(at 2,6 45,43 7,7)" \
        -fill '#9ccbea' -draw "polygon $(at 2,18 24,28 45,18 45,22 24,32 2,22)" \
        -fill '#ffffff' -font "$title_font" -pointsize "$(at 24)" -annotate "+$(at 13)+$(at 37)" 'P' \
        -depth 8 -define png:color-type=6 -strip "$output"
}

icon 48 icon.png
mkdir -p icons
for size in 16 24 32 64 128 256; do
    icon "$size" "icons/parcelio-$size.png"
done
