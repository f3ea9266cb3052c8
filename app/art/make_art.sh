#!/bin/sh
# Draws the window's logo and icon with ImageMagick. The generated files are
# kept in the repository, so building the program never needs ImageMagick;
# run this only to change the artwork.
#
# The motif: a speedometer whose needle has swung well up the dial, and the
# letter K of Kinetra under it, on a dark blue tile.
set -eu
cd "$(dirname "$0")"
IM=$(command -v magick || command -v convert)

# draw_tile SIZE OUTPUT: the motif on a SIZE x SIZE square, every length a
# fraction of SIZE so that the logo and the icon are the same drawing.
draw_tile() {
    s=$1
    c=$((s / 2))
    cy=$((s * 44 / 100))          # dial centre, high enough to leave the K room below
    r=$((s * 31 / 100))           # dial radius
    w=$((s * 8 / 100))            # dial band width
    hub=$((s * 6 / 100))
    needle_x=$((c + r * 50 / 100))   # needle tip at about 300 degrees on the dial
    needle_y=$((cy - r * 60 / 100))
    k=$((s * 36 / 100))           # height of the K
    "$IM" -size "${s}x${s}" xc:'#1f3b5c' \
        -fill none -strokewidth "$w" \
        -stroke '#dfe7f0' -draw "arc $((c - r)),$((cy - r)) $((c + r)),$((cy + r)) 135,300" \
        -stroke '#f4a259' -draw "arc $((c - r)),$((cy - r)) $((c + r)),$((cy + r)) 300,360" \
        -stroke '#e63946' -draw "arc $((c - r)),$((cy - r)) $((c + r)),$((cy + r)) 360,405" \
        -stroke '#ff5a4e' -strokewidth "$((s * 4 / 100 + 1))" -draw "line $c,$cy $needle_x,$needle_y" \
        -stroke none -fill '#f1faee' -draw "circle $c,$cy $((c + hub)),$cy" \
        -font DejaVu-Sans-Bold -pointsize "$k" -fill '#f1faee' \
        -gravity south -annotate "+0+$((s * 1 / 100))" 'K' \
        "$2"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The logo is shown stretched to a 68 x 69 pixel box from an 84 x 93 image:
# drawing it square and squeezing it to 84 x 93 here means the stretch on
# screen gives the drawing back its true proportions.
draw_tile 276 "$tmp/logo.png"
"$IM" "$tmp/logo.png" -resize '84x93!' -strip -sampling-factor 4:4:4 -quality 92 logo.jpg

# The window icon: 32 x 32 in at most 256 colours. The installed program
# also gets a 128 x 128 one: software centres list no program whose icon is
# smaller than 64 x 64.
draw_tile 256 "$tmp/icon.png"
"$IM" "$tmp/icon.png" -resize 32x32 -strip -colors 256 \
    -define png:exclude-chunks=date,time PNG8:kinetra-32.png
"$IM" "$tmp/icon.png" -resize 128x128 -strip -depth 8 \
    -define png:exclude-chunks=date,time kinetra-128.png
