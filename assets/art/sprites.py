"""Haru, the studio's round little spring-wind bird, hopping in four frames for
the logo.  The frames are shown on black, so every shape gets a cream rim
outside the usual outline to keep it readable there."""

from svgkit import OL, el, group, circle, ellipse, path, rect, line, sparkle

BODY = "#ffe07a"
BELLY = "#fff6d2"
RIM = "#fff1c8"
SW = 6          # the frames are drawn at four times their pixel size


def bird(cx, cy, rx, ry, tilt=0, wings="down", feet="stand", eyes="open"):
    items = []
    # feet first, so the body sits on them
    if feet == "stand":
        for dx in (-16, 16):
            items.append(path("M%g,%g l0,14 m-8,0 l16,0" % (cx + dx, cy + ry - 6), "none", SW * 3, RIM))
            items.append(path("M%g,%g l0,14 m-8,0 l16,0" % (cx + dx, cy + ry - 6), "none", SW, "#f08a3c"))
    elif feet == "step":
        items.append(path("M%g,%g l-10,14 m-8,0 l16,0" % (cx - 14, cy + ry - 8), "none", SW * 3, RIM))
        items.append(path("M%g,%g l-10,14 m-8,0 l16,0" % (cx - 14, cy + ry - 8), "none", SW, "#f08a3c"))
        items.append(path("M%g,%g l10,12 m-8,0 l16,0" % (cx + 16, cy + ry - 8), "none", SW * 3, RIM))
        items.append(path("M%g,%g l10,12 m-8,0 l16,0" % (cx + 16, cy + ry - 8), "none", SW, "#f08a3c"))
    elif feet == "wide":
        for dx in (-1, 1):
            d = "M%g,%g l%g,16 m-8,0 l16,0" % (cx + 20 * dx, cy + ry - 8, 10 * dx)
            items.append(path(d, "none", SW * 3, RIM))
            items.append(path(d, "none", SW, "#f08a3c"))
    # the petal tuft on the head
    tuft = "M%g,%g C%g,%g %g,%g %g,%g C%g,%g %g,%g %g,%g Z" % (
        cx, cy - ry + 6, cx - 22, cy - ry - 18, cx - 6, cy - ry - 34, cx + 2, cy - ry - 20,
        cx + 10, cy - ry - 36, cx + 30, cy - ry - 16, cx, cy - ry + 6)
    items.append(path(tuft, RIM, SW * 3, RIM))
    items.append(path(tuft, "#ff9ec4", SW))
    # wings behind or beside the body
    wing_shapes = []
    if wings == "up":
        for dx in (-1, 1):
            wing_shapes.append("M%g,%g C%g,%g %g,%g %g,%g Z" % (
                cx + rx * 0.7 * dx, cy - ry * 0.1, cx + (rx + 30) * dx, cy - ry * 0.6, cx + (rx + 24) * dx, cy - ry - 10,
                cx + rx * 0.5 * dx, cy - ry * 0.5))
    elif wings == "spread":
        for dx in (-1, 1):
            wing_shapes.append("M%g,%g C%g,%g %g,%g %g,%g C%g,%g %g,%g %g,%g Z" % (
                cx + rx * 0.8 * dx, cy, cx + (rx + 40) * dx, cy - 10, cx + (rx + 60) * dx, cy - 60,
                cx + (rx + 50) * dx, cy - 80, cx + (rx + 20) * dx, cy - 50, cx + rx * dx, cy - 30,
                cx + rx * 0.6 * dx, cy - 20))
    for d in wing_shapes:
        items.append(path(d, RIM, SW * 3, RIM))
        items.append(path(d, "#ffc94a", SW))
    body = [
        ellipse(cx, cy, rx, ry, RIM, SW * 3, RIM),
        ellipse(cx, cy, rx, ry, BODY, SW),
        ellipse(cx, cy + ry * 0.35, rx * 0.62, ry * 0.5, BELLY, 0),
    ]
    if wings == "down":
        for dx in (-1, 1):
            body.append(path("M%g,%g C%g,%g %g,%g %g,%g Z" % (
                cx + rx * 0.78 * dx, cy - ry * 0.1, cx + (rx + 14) * dx, cy + ry * 0.2,
                cx + (rx + 4) * dx, cy + ry * 0.55, cx + rx * 0.7 * dx, cy + ry * 0.45), "#ffc94a", SW))
    ey = cy - ry * 0.15
    if eyes == "happy":
        for dx in (-1, 1):
            body.append(path("M%g,%g q8,-12 16,0" % (cx + 18 * dx - 8, ey + 4), "none", SW))
    else:
        for dx in (-1, 1):
            body.append(circle(cx + 18 * dx, ey, 7, OL, 0))
            body.append(circle(cx + 18 * dx - 2, ey - 3, 2.5, "#ffffff", 0))
    body.append(path("M%g,%g l8,10 l8,-10 Z" % (cx - 8, ey + 8), "#f08a3c", SW * 0.7))
    body.append(ellipse(cx - 30, ey + 14, 8, 5, "#ff8fa3", 0, opacity="0.8"))
    body.append(ellipse(cx + 30, ey + 14, 8, 5, "#ff8fa3", 0, opacity="0.8"))
    items.append(group(body, transform="rotate(%g %g %g)" % (tilt, cx, cy)) if tilt else "".join(body))
    return "".join(items)


def wind(x, y, w):
    d = "M%g,%g q%g,-10 %g,0 t%g,0" % (x, y, w / 4, w / 2, w / 2)
    return path(d, "none", SW, "#9fe0c8")


def pictures():
    return {
        # A: standing, calm
        "sprite_a": (37, 37, [bird(74, 82, 50, 44)], 148, 148),
        # B: leaning into a step
        "sprite_b": (43, 37, [bird(90, 80, 50, 44, tilt=14, feet="step")], 172, 148),
        # C: stretched tall in the air, wings up, a puff of wind below
        "sprite_c": (42, 89, [bird(84, 130, 40, 76, wings="up", feet="none", eyes="happy"),
                              wind(40, 262, 88), wind(56, 300, 60), wind(48, 336, 72)], 168, 356),
        # D: landed with wings spread, a little ta-da
        "sprite_d": (58, 88, [bird(116, 264, 60, 52, wings="spread", feet="wide", eyes="happy"),
                              sparkle(40, 60, 22, "#fff3a0", SW * 0.8), sparkle(190, 40, 28, "#ffc2da", SW * 0.8),
                              sparkle(120, 104, 14, "#fff3a0", SW * 0.8)], 232, 352),
    }
