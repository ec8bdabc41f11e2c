#!/bin/sh
# Renders every picture of the game from its SVG source.
#
#   assets/art/src/*.svg   drawn by hand (icons, title, banners, overlay)
#   assets/art/gen/*.svg   written by build.py from the Python drawings
#                          (heroines, story pages, monsters, the logo bird)
#
# Edit a source (or a drawing in heroines.py / scenes.py / monsters.py /
# sprites.py) and run this script once; the PNGs it writes are committed.
# A row marked "yes" comes out twice: at its size, and at double width and
# height as name@2x.png beside it, which the game shows instead on a screen
# with two device pixels to the point.  Every window picture has one.  The
# monster pictures are the player's own files, shown at 153 points from 300
# pixels, and the program icon is already drawn at 256 for any size a title
# bar asks, so these come out once.
# Needs python3 and rsvg-convert (Debian: librsvg2-bin).  If ImageMagick is
# there too, opaque pictures are stored with a palette to keep them small.
set -eu

ART=$(cd "$(dirname "$0")" && pwd)
ASSETS=$(dirname "$ART")
PICS="$ASSETS/pictures"

python3 "$ART/build.py"

# source                 output                                 width height 2x
TABLE="
src/care_0.svg           pictures/care_0.png                    32  32      yes
src/care_1.svg           pictures/care_1.png                    32  32      yes
src/care_2.svg           pictures/care_2.png                    32  32      yes
src/care_3.svg           pictures/care_3.png                    32  32      yes
src/care_4.svg           pictures/care_4.png                    32  32      yes
src/pause.svg            pictures/pause.png                     77  82      yes
src/dayicon_0.svg        pictures/dayicon_0.png                 32  32      yes
src/dayicon_1.svg        pictures/dayicon_1.png                 32  32      yes
src/dayicon_2.svg        pictures/dayicon_2.png                 32  32      yes
src/title_kotobu.svg     pictures/title_kotobu.png              207 115     yes
src/banner_0.svg         pictures/banner_0.png                  441 41      yes
src/banner_1.svg         pictures/banner_1.png                  441 41      yes
src/story_overlay.svg    pictures/story_overlay.png             96  33      yes
gen/kotobu_0.svg         pictures/kotobu_0.png                  349 330     yes
gen/kotobu_1.svg         pictures/kotobu_1.png                  264 314     yes
gen/kotobu_2.svg         pictures/kotobu_2.png                  264 314     yes
gen/kotobu_3.svg         pictures/kotobu_3.png                  150 150     yes
gen/harunen_0.svg        pictures/harunen_0.png                 151 151     yes
gen/harunen_1.svg        pictures/harunen_1.png                 151 151     yes
gen/harunen_2.svg        pictures/harunen_2.png                 151 151     yes
gen/harunen_3.svg        pictures/harunen_3.png                 151 151     yes
gen/harunen_start.svg    pictures/harunen_start.png             151 151     yes
gen/selector_kotobu.svg  pictures/selector_kotobu.png           264 314     yes
gen/story_1.svg          pictures/story_1.png                   264 314     yes
gen/story_2.svg          pictures/story_2.png                   264 314     yes
gen/sprite_a.svg         pictures/sprite_a.png                  37  37      yes
gen/sprite_b.svg         pictures/sprite_b.png                  43  37      yes
gen/sprite_c.svg         pictures/sprite_c.png                  42  89      yes
gen/sprite_d.svg         pictures/sprite_d.png                  58  88      yes
gen/kotebu_icon.svg      icons/kotebu-48.png                    48  48      -
gen/kotebu_icon.svg      icons/kotebu-256.png                   256 256     -
gen/monster1_Hananeko.svg game/KoTeBu/Hananeko.KB2              300 300     -
gen/monster1_Katonbo.svg  game/KoTeBu/Katonbo.KB2               300 300     -
gen/monster1_Nyuru8.svg   game/KoTeBu/Nyuru8.KB2                300 300     -
gen/monster1_Dokusa.svg   game/KoTeBu/Dokusa.KB2                300 300     -
gen/monster1_HeitaiP.svg  game/KoTeBu/HeitaiP.KB2               300 300     -
gen/monster1_Numahige.svg game/KoTeBu/Numahige.KB2              300 300     -
gen/monster1_Bakmusi.svg  game/KoTeBu/Bakmusi.KB2               300 300     -
gen/monster1_Tunoflog.svg game/KoTeBu/Tunoflog.KB2              300 300     -
gen/monster1_Manepu.svg   game/KoTeBu/Manepu.KB2                300 300     -
gen/monster1_Popota.svg   game/KoTeBu/Popota.KB2                300 300     -
gen/monster2_BUNNYDOG.svg game/KoTeBu2/BUNNYDOG.KB2             300 300     -
gen/monster2_SUSIYA.svg   game/KoTeBu2/SUSIYA.KB2               300 300     -
gen/monster2_SUPPON7.svg  game/KoTeBu2/SUPPON7.KB2              300 300     -
gen/monster2_INKO.svg     game/KoTeBu2/INKO.KB2                 300 300     -
gen/monster2_KUSURIMS.svg game/KoTeBu2/KUSURIMS.KB2             300 300     -
gen/monster2_BOUND-D.svg  game/KoTeBu2/BOUND-D.KB2              300 300     -
gen/monster2_AICHAN.svg   game/KoTeBu2/AICHAN.KB2               300 300     -
gen/monster2_CHITA.svg    game/KoTeBu2/CHITA.KB2                300 300     -
gen/monster2_SARIN.svg    game/KoTeBu2/SARIN.KB2                300 300     -
gen/monster2_YANPAPA.svg  game/KoTeBu2/YANPAPA.KB2              300 300     -
gen/monster2_ROBOTOMI.svg game/KoTeBu2/ROBOTOMI.KB2             300 300     -
gen/monster2_BAKUDAN.svg  game/KoTeBu2/BAKUDAN.KB2              300 300     -
gen/monster2_OSANSYO.svg  game/KoTeBu2/OSANSYO.KB2              300 300     -
gen/monster2_HAGA.svg     game/KoTeBu2/HAGA.KB2                 300 300     -
gen/monster2_POCTAMA.svg  game/KoTeBu2/POCTAMA.KB2              300 300     -
"

# Pictures with see-through parts keep their full alpha; the rest may take a palette.
KEEP_ALPHA="care_0 care_1 care_2 care_3 care_4 pause dayicon_0 dayicon_1 dayicon_2 story_overlay sprite_a sprite_b sprite_c sprite_d kotebu-48 kotebu-256"

# render SOURCE OUTPUT WIDTH HEIGHT PICTURE-NAME
render() {
    rsvg-convert -w "$3" -h "$4" "$ART/$1" -o "$ASSETS/$2.tmp.png"
    if command -v convert >/dev/null 2>&1 && ! echo " $KEEP_ALPHA " | grep -q " $5 "; then
        convert "$ASSETS/$2.tmp.png" -strip -background white -alpha remove -colors 256 \
            -define png:compression-level=9 "PNG8:$ASSETS/$2.tmp2.png"
        mv "$ASSETS/$2.tmp2.png" "$ASSETS/$2.tmp.png"
    fi
    mv "$ASSETS/$2.tmp.png" "$ASSETS/$2"
}

echo "$TABLE" | while read -r src out w h twice; do
    [ -n "$src" ] || continue
    base=$(basename "$out"); base=${base%.*}
    render "$src" "$out" "$w" "$h" "$base"
    if [ "$twice" = yes ]; then
        render "$src" "${out%.png}@2x.png" $((w * 2)) $((h * 2)) "$base"
    fi
done

cp "$ART/gen/kotebu_icon.svg" "$ASSETS/icons/kotebu.svg"
echo "rendered into $PICS, $ASSETS/icons and $ASSETS/game"
