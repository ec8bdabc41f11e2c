"""The heroine pictures of the windows: each heroine in her four moods, the
start screens, the selector's left picture and the two story pages."""

import math

from svgkit import (OL, el, group, circle, ellipse, path, rect, line, svg,
                    sparkle, heart, star)
from heroines import KOTOBU, HARUNEN, RONIN, figure, head, bandage, bed_scene, sword


def place(items, x, y, s):
    return group([items], transform="translate(%g,%g) scale(%g)" % (x, y, s))


def cloud(cx, cy, s, fill="#ffffff", sw=3):
    """A puffy cloud: outlined bumps first, then the same bumps unoutlined on
    top so only the outer edge keeps its line."""
    bumps = [(-30, 6, 18), (-8, -8, 24), (18, -4, 20), (34, 8, 14), (0, 10, 20)]
    items = [circle(cx + dx * s, cy + dy * s, r * s, fill, sw * s) for dx, dy, r in bumps]
    items += [circle(cx + dx * s, cy + dy * s, r * s - sw * s / 2, fill, 0) for dx, dy, r in bumps]
    return items


def morning_field(w, h):
    s = w / 300.0
    return [
        rect(0, 0, w, h, "#bfe6ff", sw=0),
        circle(w * 0.84, h * 0.16, 26 * s, "#ffd75e", 3 * s),
    ] + cloud(w * 0.22, h * 0.18, s) + [
        path("M0,%g C%g,%g %g,%g %g,%g L%g,%g L0,%g Z" % (
            h * 0.66, w * 0.3, h * 0.52, w * 0.6, h * 0.62, w, h * 0.56, w, h, h), "#9ad67a", 3 * s),
        path("M0,%g C%g,%g %g,%g %g,%g L%g,%g L0,%g Z" % (
            h * 0.8, w * 0.4, h * 0.72, w * 0.7, h * 0.82, w, h * 0.76, w, h, h), "#7cc462", 3 * s),
    ]


def burst(w, h, c1, c2, n=16, cx=None, cy=None):
    cx = w / 2 if cx is None else cx
    cy = h * 0.45 if cy is None else cy
    items = [rect(0, 0, w, h, c1, sw=0)]
    r = max(w, h) * 1.2
    for i in range(n):
        a1 = 2 * math.pi * i / n
        a2 = a1 + math.pi / n
        items.append(el("polygon", points="%g,%g %g,%g %g,%g" % (
            cx, cy, cx + r * math.cos(a1), cy + r * math.sin(a1), cx + r * math.cos(a2), cy + r * math.sin(a2)),
            fill=c2))
    return items


def confetti(w, h, seed, n=14):
    colours = ["#ff7aa8", "#ffd75e", "#7cc8ff", "#9ad67a", "#c59cff"]
    items = []
    x = seed
    for i in range(n):
        x = (x * 73 + 41) % 997
        px = (x % 100) / 100.0 * w
        py = ((x // 7) % 100) / 100.0 * h * 0.9
        c = colours[i % len(colours)]
        if i % 3 == 0:
            items.append(heart(px, py, w * 0.025, c, w / 200.0))
        else:
            items.append(rect(px, py, w * 0.03, w * 0.015, c, sw=w / 250.0,
                              transform="rotate(%d %g %g)" % ((x % 90) - 45, px, py)))
    return items


def gloom(w, h):
    s = w / 300.0
    items = [rect(0, 0, w, h, "#b7c3d6", sw=0),
             rect(0, h * 0.78, w, h * 0.22, "#94a3ba", sw=0)]
    for cx in (0.25, 0.72):
        items += cloud(w * cx, h * 0.1, s * 1.3, "#8e99ad")
    for i in range(9):
        x = w * (0.08 + 0.105 * i)
        y = h * (0.2 + 0.07 * (i % 3))
        items.append(line(x, y, x - 5 * s, y + 16 * s, "#6f84a8", 3 * s))
    return items


def pink_stripes(w, h):
    items = [rect(0, 0, w, h, "#ffe0ec", sw=0)]
    step = w / 6.0
    for i in range(-6, 12):
        x = i * step
        items.append(el("polygon", points="%g,0 %g,0 %g,%g %g,%g" % (
            x, x + step / 2, x + step / 2 + h * 0.5, h, x + h * 0.5, h), fill="#ffc4dc"))
    return items


SEPIA = ('<filter id="sepia"><feColorMatrix type="matrix" values="'
         '0.39 0.77 0.19 0 0.04  0.35 0.69 0.17 0 0.02  0.27 0.53 0.13 0 0  0 0 0 1 0"/></filter>')


def storybook(w, h, inner):
    """A page of an old picture book: the scene in sepia inside a drawn frame."""
    items = [SEPIA, rect(0, 0, w, h, "#f3e4c4", sw=0),
             group(inner, filter="url(#sepia)"),
             rect(6, 6, w - 12, h - 12, "none", 6, 4, "#6b4a2b"),
             rect(12, 12, w - 24, h - 24, "none", 3, 2, "#a27a4a")]
    for (x, y) in ((12, 12), (w - 12, 12), (12, h - 12), (w - 12, h - 12)):
        items.append(star(x, y, 9, "#d8b46a", 2))
    return items


def pictures():
    out = {}
    K, H = KOTOBU, HARUNEN

    # --- ことぶ ------------------------------------------------------------
    w, h = 349, 330
    out["kotobu_0"] = (w, h, morning_field(w, h) + [
        ellipse(175, 300, 70, 12, "#5ea64a", 0),
        place(figure(K, "smile", "walk", held=(1, 52, 112)), 170, 120, 1.25)])

    w, h = 264, 314
    out["kotobu_1"] = (w, h, burst(w, h, "#fff2b8", "#ffe08a") + confetti(w, h, 7) + [
        place(figure(K, "joy", "cheer"), 132, 120, 1.15),
        sparkle(40, 70, 14), sparkle(224, 60, 12), sparkle(220, 200, 9)])

    out["kotobu_2"] = (w, h, gloom(w, h) + [
        place(figure(K, "cry", "droop", hurt=True, extra_head=bandage()), 132, 128, 1.15),
        place(sword(0, 0, 100, 100, "steel"), 50, 284, 1)])

    out["kotobu_3"] = (150, 150, bed_scene(K, 150, 150))

    out["selector_kotobu"] = (w, h, burst(w, h, "#ffd9a0", "#ffc078", 20, cy=h * 0.4) + [
        ellipse(132, 292, 80, 12, "#e09a50", 0),
        place(figure(K, "brave", "heroic", held=(0, -12, 116)), 138, 150, 1.08),
        sparkle(36, 50, 12), sparkle(60, 120, 7)])

    # --- ハルーネン ---------------------------------------------------------
    w = h = 151
    out["harunen_0"] = (w, h, morning_field(w, h) + [
        place(figure(H, "smile", "wave", held=(1, 24, 80), sword_front=True), 72, 52, 0.68)])
    out["harunen_1"] = (w, h, burst(w, h, "#ffe4f0", "#ffcce0") + confetti(w, h, 3, 10) + [
        place(figure(H, "joy", "cheer"), 76, 48, 0.68),
        sparkle(20, 30, 9), sparkle(132, 26, 8)])
    out["harunen_2"] = (w, h, gloom(w, h) + [
        place(figure(H, "cry", "droop", hurt=True, extra_head=bandage()), 76, 50, 0.68)])
    out["harunen_3"] = (w, h, bed_scene(H, w, h))
    out["harunen_start"] = (w, h, pink_stripes(w, h) + [
        place(figure(H, "smile", "wave"), 76, 50, 0.68),
        heart(24, 28, 9, "#ff7aa8", 2), heart(128, 120, 7, "#ffffff", 2), sparkle(122, 30, 8)])

    # --- the legend pages ---------------------------------------------------
    w, h = 264, 314
    out["story_1"] = (w, h, storybook(w, h, burst(w, h, "#f6e8c8", "#ead49e", 20, cy=h * 0.4) + [
        ellipse(132, 286, 80, 12, "#c9a86a", 0),
        place(figure(K, "brave", "heroic", held=(0, -12, 110)), 138, 148, 1.05)]))
    out["story_2"] = (w, h, storybook(w, h, morning_field(w, h) + [
        ellipse(75, 272, 48, 9, "#5ea64a", 0), ellipse(192, 272, 48, 9, "#5ea64a", 0),
        place(figure(K, "smile", "wave"), 70, 140, 0.86),
        place(figure(RONIN, "brave", "guard", held=(1, 20, 96)), 198, 134, 0.86),
        heart(132, 70, 12, "#ff8fa3", 2.5), sparkle(110, 100, 7), sparkle(156, 96, 6)]))
    # --- the program's icon: ことぶ's face on a round badge, her sword behind
    out["kotebu_icon"] = (256, 256, [
        circle(128, 128, 120, "#5b8bd6", 8),
        circle(128, 128, 104, "#cfe2ff", 0),
        place(sword(0, 0, 45, 190, "steel"), 60, 200, 1.0),
        place(head(K, "smile"), 116, 134, 1.35),
        star(206, 52, 16, "#ffd75e", 4),
    ])
    return out
