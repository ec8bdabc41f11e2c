#!/bin/sh
# Renders every picture of the game from its SVG source.
#
#   assets/art/src/*.svg   drawn by hand (icons, title, banners, overlay)
#   gen/*.svg              written by build.py from the Python drawings
#                          (heroines, story pages, monsters, the logo bird)
#
# Edit a source (or a drawing in heroines.py / scenes.py / monsters.py /
# sprites.py) and run this script once; the PNGs it writes are committed,
# with rendered.txt, the record of what each was rendered from and by what.
# build.py prints the table of what to render (source, file, size, whether a
# name@2x.png twin at double width and height is made, whether it keeps its
# alpha), taken from the drawings themselves.
#
#   render.sh           render into assets/ and write rendered.txt
#   render.sh --check   prove the committed pictures are what their sources
#                       give: every source and every picture is still the one
#                       rendered.txt records, and the pictures rendered anew
#                       into a temporary folder match the committed ones,
#                       pixel for pixel with the renderers rendered.txt names,
#                       within a measured tolerance with others (a newer
#                       librsvg smooths edges differently, a newer ImageMagick
#                       picks other palette colours)
#
# Needs python3, rsvg-convert (Debian: librsvg2-bin), ImageMagick (opaque
# pictures are stored with a palette to keep them small) and the fonts the
# pictures' words are set in: fonts-ipafont-gothic, and fonts-noto-cjk for
# the Chinese and Korean titles.
set -eu

ART=$(cd "$(dirname "$0")" && pwd)
ASSETS=$(dirname "$ART")
RECORD="$ART/rendered.txt"

# ImageMagick 7 calls the tool magick; `convert` is its old name.
IM=convert
if command -v magick >/dev/null 2>&1; then IM=magick; fi

# render SOURCE OUTPUT WIDTH HEIGHT SEE-THROUGH
render() {
    mkdir -p "$(dirname "$OUT/$2")"
    rsvg-convert -w "$3" -h "$4" "$1" -o "$OUT/$2.tmp.png"
    if [ "$5" = no ]; then
        "$IM" "$OUT/$2.tmp.png" -strip -background white -alpha remove -colors 256 \
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

for tool in python3 rsvg-convert compare identify sha256sum fc-match; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render.sh: $tool is missing (python3, librsvg2-bin, imagemagick, fontconfig)" >&2
        exit 1
    }
done

# What turns a source into pixels: the two programs and the fonts the
# drawings' words are set in.
renderers() {
    printf 'renderers: %s; %s' "$(rsvg-convert --version)" "$("$IM" -version | sed -n 's/^Version: \(ImageMagick [^ ]*\).*/\1/p')"
    for family in IPAGothic IPAPGothic "Noto Sans CJK SC:bold"; do
        printf '; %s %s' "$family" "$(sha256sum "$(fc-match -f '%{file}' "$family")" | cut -c1-16)"
    done
    echo
}

# One line per file the table makes: the file, the hash of what it is made
# from (its source and the size and flattening it is rendered with), the hash
# of the file itself.
record() {
    while read -r source output width height twin alpha; do
        from=$( (printf '%s %s %s\n' "$width" "$height" "$alpha"; cat "$source") | sha256sum | cut -c1-64)
        echo "$output $from $(sha256sum "$1/$output" | cut -c1-64)"
        if [ "$twin" = yes ]; then
            from=$( (printf '%s %s %s\n' $((width * 2)) $((height * 2)) "$alpha"; cat "$source") | sha256sum | cut -c1-64)
            twin=${output%.png}@2x.png
            echo "$twin $from $(sha256sum "$1/$twin" | cut -c1-64)"
        fi
    done
    echo "icons/kotebu.svg - $(sha256sum "$1/icons/kotebu.svg" | cut -c1-64)"
}

OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
GEN="$OUT/gen"
[ "$CHECK" = yes ] || GEN="$ART/gen"
python3 "$ART/build.py" "$GEN" >"$OUT/table"
export OUT
xargs -L 1 -P "$(nproc)" sh "$0" --row <"$OUT/table"
mkdir -p "$OUT/icons"
cp "$GEN/kotebu_icon.svg" "$OUT/icons/kotebu.svg"

if [ "$CHECK" = no ]; then
    (cd "$OUT" && find pictures icons game -type f) | while read -r made; do
        mkdir -p "$(dirname "$ASSETS/$made")"
        cp "$OUT/$made" "$ASSETS/$made"
    done
    {
        echo "# Written by render.sh: what each committed picture was rendered from, and by what."
        renderers
        record "$ASSETS" <"$OUT/table"
    } >"$RECORD"
    echo "rendered into $ASSETS/pictures, $ASSETS/icons and $ASSETS/game; recorded in $RECORD"
    exit 0
fi

bad=0
count=0
complain() {
    echo "render.sh --check: $*" >&2
    bad=$((bad + 1))
}

# 1. The record: every source as it was, every committed picture as it was
# made. Renderer-independent, so this part is exact everywhere.
record "$ASSETS" <"$OUT/table" >"$OUT/now" 2>/dev/null || true
grep -v '^#\|^renderers:' "$RECORD" >"$OUT/then"
while read -r made from picture; do
    count=$((count + 1))
    was=$(awk -v m="$made" '$1 == m { print; exit }' "$OUT/then")
    if [ ! -f "$ASSETS/$made" ]; then
        complain "$made is rendered but not committed"
    elif [ -z "$was" ]; then
        complain "$made is not in rendered.txt"
    elif [ "$(echo "$was" | cut -d' ' -f2)" != "$from" ]; then
        complain "the source of $made changed since it was rendered"
    elif [ "$(echo "$was" | cut -d' ' -f3)" != "$picture" ]; then
        complain "$made changed since it was rendered from its source"
    fi
done <"$OUT/now"
# A committed picture no row renders any more is a leftover.
for kept in $(cd "$ASSETS" && find pictures icons -type f; cd "$ASSETS" && find game -name '*.KB2'); do
    [ -f "$OUT/$kept" ] || complain "$kept is committed but nothing renders it"
done

# 2. The pictures rendered anew: exactly the committed ones with the
# renderers that made them; with others, within what a newer renderer was
# measured to change (librsvg 2.60 and ImageMagick 7 on Debian 13: at most
# 0.0076 root mean square and two pixels off by more than a quarter), where
# a changed drawing changes far more.
then_renderers=$(sed -n 's/^renderers: //p' "$RECORD")
now_renderers=$(renderers | sed 's/^renderers: //')
exact=yes
[ "$now_renderers" = "$then_renderers" ] || exact=no
for made in $(cd "$OUT" && find pictures icons game -type f | sort); do
    [ -f "$ASSETS/$made" ] || continue
    if [ "${made##*.}" = svg ]; then
        cmp -s "$OUT/$made" "$ASSETS/$made" || complain "$made differs from its source"
        continue
    fi
    # compare prints the differing pixel count (or the error) on stderr and
    # exits 1 when there are differences.
    if [ "$exact" = yes ]; then
        diff=$(compare -metric AE "$OUT/$made" "$ASSETS/$made" null: 2>&1) || true
        [ "$diff" = 0 ] || complain "$made differs from its source ($diff pixels)"
    else
        rmse=$(compare -metric RMSE "$OUT/$made" "$ASSETS/$made" null: 2>&1 | sed -n 's/.*(\([^)]*\)).*/\1/p') || true
        far=$(compare -metric AE -fuzz 25% "$OUT/$made" "$ASSETS/$made" null: 2>&1) || true
        pixels=$(identify -format '%[fx:w*h]' "$ASSETS/$made")
        awk -v r="$rmse" -v f="$far" -v p="$pixels" 'BEGIN { exit !(r != "" && r <= 0.02 && f + 0 == f && f <= p / 1000) }' ||
            complain "$made differs from its source beyond a renderer's changes (root mean square ${rmse:-?}, $far pixels far off)"
    fi
done

if [ "$bad" -ne 0 ]; then
    echo "render.sh --check: $bad problems in $count pictures; run assets/art/render.sh and commit the result" >&2
    exit 1
fi
if [ "$exact" = yes ]; then
    echo "render.sh --check: all $count pictures match their sources, pixel for pixel"
else
    echo "render.sh --check: all $count pictures are what their sources gave (rendered.txt); rendered anew by"
    echo "  $now_renderers"
    echo "  rather than $then_renderers, they match within a renderer's changes"
fi
