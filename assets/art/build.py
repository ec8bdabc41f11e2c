"""Writes the generated SVG sources and prints the render table (run by render.sh).

    python3 build.py GEN_DIR

writes GEN_DIR/NAME.svg for every drawing of the generators and prints one
line per file the game ships:

    SOURCE OUTPUT WIDTH HEIGHT TWIN SEE-THROUGH

SOURCE is a path (hand-drawn ones under src/, the rest in GEN_DIR), OUTPUT is
relative to assets/, TWIN is "yes" when a double-size NAME@2x.png is made too,
SEE-THROUGH is "yes" when the picture keeps its alpha channel (it is laid over
something); the others are flattened on white and stored with a palette.
Sizes come from the drawings themselves, so nothing is written down twice.
"""

import os
import re
import sys

ART = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ART)

from svgkit import svg  # noqa: E402
import scenes  # noqa: E402

import monsters  # noqa: E402
import sprites  # noqa: E402

GENERATORS = [scenes, monsters, sprites]

# Hand-drawn sources in src/ that are laid over the window (care items, icons,
# the story overlay); the title and the banners fill their place.
HAND_DRAWN_SEE_THROUGH = {"care_0", "care_1", "care_2", "care_3", "care_4",
                          "pause", "dayicon_0", "dayicon_1", "dayicon_2", "story_overlay"}
# Drawings of the generators that keep their alpha: the logo bird's frames and
# the program icon.
DRAWN_SEE_THROUGH = {"kotebu_icon"} | set(sprites.pictures())

# The program icon comes out at the sizes the desktop asks for most; it is
# drawn at 256 for anything a title bar wants, so it has no twin.
ICON_SIZES = (48, 256)


def outputs(name, width, height):
    """(output, width, height, twin) for each file a drawing becomes."""
    if name == "kotebu_icon":
        return [("icons/kotebu-%d.png" % s, s, s, False) for s in ICON_SIZES]
    m = re.fullmatch(r"monster([12])_(.+)", name)
    if m:
        # The player's own picture files, one size: the enemy viewer scales them.
        folder = "KoTeBu" if m.group(1) == "1" else "KoTeBu2"
        return [("game/%s/%s.KB2" % (folder, m.group(2)), width, height, False)]
    return [("pictures/%s.png" % name, width, height, True)]


def svg_size(path):
    with open(path, encoding="utf-8") as f:
        root = re.search(r"<svg\b[^>]*>", f.read()).group(0)
    return int(re.search(r'\swidth="(\d+)"', root).group(1)), int(re.search(r'\sheight="(\d+)"', root).group(1))


def rows(gen_dir):
    src_dir = os.path.join(ART, "src")
    for file in sorted(os.listdir(src_dir)):
        name, ext = os.path.splitext(file)
        if ext != ".svg":
            continue
        path = os.path.join(src_dir, file)
        width, height = svg_size(path)
        # NAME.LANGUAGE.svg is the picture with its words in that language:
        # pictures/LANGUAGE/NAME.png, which the game shows in that language.
        name, _, language = name.partition(".")
        output = "pictures/%s/%s.png" % (language, name) if language else "pictures/%s.png" % name
        yield path, output, width, height, True, name in HAND_DRAWN_SEE_THROUGH
    for gen in GENERATORS:
        for name, picture in sorted(gen.pictures().items()):
            # (width, height, shapes) or, drawn at a larger scale, (width, height, shapes, view w, view h)
            path = os.path.join(gen_dir, name + ".svg")
            with open(path, "w", encoding="utf-8") as f:
                f.write(svg(*picture))
            for output, width, height, twin in outputs(name, picture[0], picture[1]):
                yield path, output, width, height, twin, name in DRAWN_SEE_THROUGH


def main():
    gen_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ART, "gen")
    os.makedirs(gen_dir, exist_ok=True)
    for path, output, width, height, twin, see_through in rows(gen_dir):
        print(path, output, width, height, "yes" if twin else "no", "yes" if see_through else "no")


if __name__ == "__main__":
    main()
