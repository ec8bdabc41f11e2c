"""Small drawing kit shared by the picture generators.

Every picture of the game uses the same look: flat soft colours, a warm
dark-brown outline with round joins, big round eyes with one highlight.
Keeping the outline colour and the eye in one place keeps them alike.
"""

OL = "#4a3034"          # the outline colour of everything
SW = 3                  # outline width in a 300-unit picture


def _attrs(a):
    out = []
    for k, v in a.items():
        if v is None:
            continue
        out.append('%s="%s"' % (k.rstrip("_").replace("_", "-"), v))
    return " ".join(out)


def el(tag, **a):
    return "<%s %s/>" % (tag, _attrs(a))


def group(items, **a):
    return "<g %s>%s</g>" % (_attrs(a), "".join(items))


def svg(w, h, items, vw=None, vh=None):
    vw = vw or w
    vh = vh or h
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %g %g" stroke-linejoin="round" stroke-linecap="round">\n%s\n</svg>\n'
            % (w, h, vw, vh, "\n".join(items)))


def circle(cx, cy, r, fill, sw=SW, stroke=OL, **a):
    return el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke if sw else "none",
              stroke_width=sw or None, **a)


def ellipse(cx, cy, rx, ry, fill, sw=SW, stroke=OL, **a):
    return el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill,
              stroke=stroke if sw else "none", stroke_width=sw or None, **a)


def path(d, fill="none", sw=SW, stroke=OL, **a):
    return el("path", d=d, fill=fill, stroke=stroke if sw else "none",
              stroke_width=sw or None, **a)


def rect(x, y, w, h, fill, rx=0, sw=SW, stroke=OL, **a):
    return el("rect", x=x, y=y, width=w, height=h, rx=rx or None, fill=fill,
              stroke=stroke if sw else "none", stroke_width=sw or None, **a)


def line(x1, y1, x2, y2, color=OL, sw=SW, **a):
    return el("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=color, stroke_width=sw, **a)


def poly(points):
    return " ".join("%g,%g" % p for p in points)


def limb(points, fill, width, sw=SW):
    """A rounded outlined tube through the points: arms, legs, tails."""
    pts = poly(points)
    return (el("polyline", points=pts, fill="none", stroke=OL, stroke_width=width + 2 * sw)
            + el("polyline", points=pts, fill="none", stroke=fill, stroke_width=width))


def text(x, y, s, size, fill, family="IPAPGothic", weight="bold", anchor="middle", **a):
    return '<text %s>%s</text>' % (_attrs(dict(x=x, y=y, font_family=family, font_size=size,
                                               font_weight=weight, text_anchor=anchor,
                                               fill=fill, **a)), s)


def eye(x, y, r, look=(0, 0), iris="#2b1d1f", sw=SW):
    """The house eye: white, a big dark pupil, a glint."""
    return "".join([
        circle(x, y, r, "#ffffff", sw),
        circle(x + look[0] * r * 0.35, y + look[1] * r * 0.35, r * 0.58, iris, 0),
        circle(x + look[0] * r * 0.35 - r * 0.2, y + look[1] * r * 0.35 - r * 0.22, r * 0.2, "#ffffff", 0),
    ])


def happy_eye(x, y, r, sw=SW):
    return path("M%g,%g Q%g,%g %g,%g" % (x - r, y + r * 0.3, x, y - r, x + r, y + r * 0.3), sw=sw * 1.2)


def blush(x, y, r, sw=0):
    return ellipse(x, y, r, r * 0.55, "#ff8fa3", 0, opacity="0.55")


def sparkle(x, y, r, fill="#fff3a0", sw=SW * 0.6):
    # a four-pointed star drawn as one closed curve
    d = ("M%g,%g Q%g,%g %g,%g Q%g,%g %g,%g Q%g,%g %g,%g Q%g,%g %g,%g Z" % (
        x, y - r, x + r * 0.18, y - r * 0.18, x + r, y,
        x + r * 0.18, y + r * 0.18, x, y + r,
        x - r * 0.18, y + r * 0.18, x - r, y,
        x - r * 0.18, y - r * 0.18, x, y - r))
    return path(d, fill, sw)


def star(cx, cy, r, fill, sw=SW, inner=0.45, points=5, rot=-90):
    import math
    pts = []
    for i in range(points * 2):
        rr = r if i % 2 == 0 else r * inner
        a = math.radians(rot + i * 180.0 / points)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return el("polygon", points=poly(pts), fill=fill, stroke=OL, stroke_width=sw)


def heart(cx, cy, s, fill, sw=SW):
    d = ("M%g,%g C%g,%g %g,%g %g,%g C%g,%g %g,%g %g,%g C%g,%g %g,%g %g,%g C%g,%g %g,%g %g,%g Z" % (
        cx, cy + s * 0.9,
        cx - s * 0.6, cy + s * 0.45, cx - s * 1.05, cy + s * 0.05, cx - s * 0.95, cy - s * 0.4,
        cx - s * 0.85, cy - s * 0.85, cx - s * 0.25, cy - s * 0.95, cx, cy - s * 0.45,
        cx + s * 0.25, cy - s * 0.95, cx + s * 0.85, cy - s * 0.85, cx + s * 0.95, cy - s * 0.4,
        cx + s * 1.05, cy + s * 0.05, cx + s * 0.6, cy + s * 0.45, cx, cy + s * 0.9))
    return path(d, fill, sw)


def tear(x, y, s, sw=SW * 0.6):
    return path("M%g,%g Q%g,%g %g,%g A%g,%g 0 1 1 %g,%g Q%g,%g %g,%g Z" % (
        x, y - s, x + s * 0.7, y, x + s * 0.6, y + s * 0.4, s * 0.6, s * 0.6,
        x - s * 0.6, y + s * 0.4, x - s * 0.7, y, x, y - s), "#9fd8ff", sw)
