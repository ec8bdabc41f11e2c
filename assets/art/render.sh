#!/bin/sh
# Renders every picture of the game from its SVG source.
#
#   assets/art/src/*.svg   drawn by hand (icons, title, banners, overlay)
#   gen/*.svg              written by build.py from the Python drawings
#                          (heroines, story pages, monsters, the logo bird)
#
# Edit a source (or a drawing in heroines.py / scenes.py / monsters.py /
# sprites.py) and run this script once; the PNGs it writes are committed.
# build.py prints the table of what to render (source, file, size, whether a
# name@2x.png twin at double width and height is made, whether it keeps its
# alpha), taken from the drawings themselves.
#
#   render.sh           render into assets/
#   render.sh --check   render into a temporary folder and compare every
#                       picture, pixel for pixel, with the committed one
#
# Needs python3, rsvg-convert (Debian: librsvg2-bin) and ImageMagick: opaque
# pictures are stored with a palette to keep them small.
set -eu

ART=$(cd "$(dirname "$0")" && pwd)
ASSETS=$(dirname "$ART")

# render SOURCE OUTPUT WIDTH HEIGHT SEE-THROUGH
render() {
    mkdir -p "$(dirname "$OUT/$2")"
    rsvg-convert -w "$3" -h "$4" "$1" -o "$OUT/$2.tmp.png"
    if [ "$5" = no ]; then
        convert "$OUT/$2.tmp.png" -strip -background white -alpha remove -colors 256 \
            -define png:compression-level=9 "PNG8:$OUT/$2.tmp2.png"
        mv "$OUT/$2.tmp2.png" "$OUT/$2.tmp.png"
    fi
    mv "$OUT/$2.tmp.png" "$OUT/$2"
}

# One row of the table; the rows run side by side, one per core.
if [ "${1-}" = --row ]; then
    shift
    render "$1" "$2" "$3" "$4" "$6"
    [ "$5" = no ] || render "$1" "${2%.png}@2x.png" $(($3 * 2)) $(($4 * 2)) "$6"
    exit 0
fi

CHECK=no
case "${1-}" in
--check) CHECK=yes ;;
"") ;;
*) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

for tool in python3 rsvg-convert convert compare; do
    command -v "$tool" >/dev/null 2>&1 || { echo "render.sh: $tool is missing (python3, librsvg2-bin, imagemagick)" >&2; exit 1; }
done

if [ "$CHECK" = yes ]; then
    OUT=$(mktemp -d)
    trap 'rm -rf "$OUT"' EXIT
    GEN="$OUT/gen"
else
    OUT=$ASSETS
    GEN="$ART/gen"
fi
export OUT
python3 "$ART/build.py" "$GEN" | xargs -L 1 -P "$(nproc)" sh "$0" --row
mkdir -p "$OUT/icons"
cp "$GEN/kotebu_icon.svg" "$OUT/icons/kotebu.svg"

if [ "$CHECK" = no ]; then
    echo "rendered into $ASSETS/pictures, $ASSETS/icons and $ASSETS/game"
    exit 0
fi

# Pixels, not bytes: the PNG encoder may pack the same picture differently.
bad=0
count=0
for made in $(cd "$OUT" && find pictures icons game -type f | sort); do
    count=$((count + 1))
    committed="$ASSETS/$made"
    if [ ! -f "$committed" ]; then
        echo "render.sh --check: $made is rendered but not committed" >&2
        bad=$((bad + 1))
    elif [ "${made##*.}" = svg ]; then
        cmp -s "$OUT/$made" "$committed" || { echo "render.sh --check: $made differs" >&2; bad=$((bad + 1)); }
    else
        # compare prints the differing pixel count on stderr and exits 1 when there are any
        diff=$(compare -metric AE "$OUT/$made" "$committed" null: 2>&1) || true
        if [ "$diff" != 0 ]; then
            echo "render.sh --check: $made differs from its source ($diff pixels)" >&2
            bad=$((bad + 1))
        fi
    fi
done
# A committed picture no row renders any more is a leftover.
for kept in $(cd "$ASSETS" && find pictures icons -type f; cd "$ASSETS" && find game -name '*.KB2'); do
    [ -f "$OUT/$kept" ] || { echo "render.sh --check: $kept is committed but nothing renders it" >&2; bad=$((bad + 1)); }
done
if [ "$bad" -ne 0 ]; then
    echo "render.sh --check: $bad of $count pictures differ; run assets/art/render.sh and commit the result" >&2
    exit 1
fi
echo "render.sh --check: all $count pictures match their sources"
