"""Writes the generated SVG sources into gen/ (run by render.sh)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from svgkit import svg  # noqa: E402
import scenes  # noqa: E402

import monsters  # noqa: E402
import sprites  # noqa: E402

GENERATORS = [scenes, monsters, sprites]


def main():
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gen")
    os.makedirs(out_dir, exist_ok=True)
    for gen in GENERATORS:
        for name, picture in sorted(gen.pictures().items()):
            # (width, height, shapes) or, drawn at a larger scale, (width, height, shapes, view w, view h)
            with open(os.path.join(out_dir, name + ".svg"), "w", encoding="utf-8") as f:
                f.write(svg(*picture))


if __name__ == "__main__":
    main()
