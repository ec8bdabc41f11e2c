"""The two heroines, drawn from one body so mother and daughter stay alike.

ことぶ: auburn ponytail, red headband, blue tunic, silver breastplate, red cape,
a steel sword.  ハルーネン: pink twin tails with ribbons, pink tunic, a wooden
sword.  A figure is drawn in its own frame (head centre at 0,0, head about 90
units wide) and placed into a scene with a transform.
"""

from svgkit import (OL, el, group, circle, ellipse, path, rect, line, limb,
                    eye, happy_eye, blush, tear, sparkle, heart, star)

SKIN = "#ffe3cf"

KOTOBU = dict(
    name="kotobu", hair="#c4532f", hair_dark="#9a3b22", tunic="#5b8bd6", tunic_dark="#46709f",
    trim="#f2c14e", band="#e2474b", legs="#44507a", boots="#7b4a33", cape="#d9434a",
    armor="#e6ecf2", iris="#6a3a1c", leg_len=46, sword="steel")

# the warrior from the east whom ことぶ meets in the legend
RONIN = dict(
    name="ronin", hair="#2d2a33", hair_dark="#1d1b22", tunic="#3f4f86", tunic_dark="#2f3c69",
    trim="#c9b27a", band="#f0f0f0", legs="#2f3c69", boots="#4b3a2e", cape=None,
    armor=None, iris="#2b1d1f", leg_len=50, sword="steel")

HARUNEN = dict(
    name="harunen", hair="#f27fae", hair_dark="#d35d8e", tunic="#ffa8cc", tunic_dark="#e887b0",
    trim="#ffffff", band="#e0467c", legs="#fff3f7", boots="#c0607f", cape=None,
    armor=None, iris="#8a2f58", leg_len=34, sword="wood")


def sword(x, y, angle, length, kind, s=1.0):
    """A sword held at (x, y): the grip sits in the hand, the blade points along angle."""
    if kind == "steel":
        blade, edge, guard, grip = "#dfe7ef", "#ffffff", "#f2c14e", "#7b4a33"
        w = 7
    else:
        blade, edge, guard, grip = "#c9965a", "#e2b57c", "#8a5a32", "#8a5a32"
        w = 8
    items = [
        path("M-%g,0 L-%g,-%g L0,-%g L%g,-%g L%g,0 Z" % (w, w, length - 10, length, w, length - 10, w), blade),
        line(0, -4, 0, -(length - 14), edge, 2),
        rect(-3.5, -2, 7, 20, grip, 3),
        rect(-14, -5, 28, 7, guard, 3),
        circle(0, 20, 4.5, guard),
    ]
    return group(items, transform="translate(%g,%g) rotate(%g) scale(%g)" % (x, y, angle, s))


def back_hair(p):
    style = p.get("style")
    if style == "bob":
        return path("M-52,10 C-60,-42 -30,-60 0,-60 C30,-60 60,-42 52,10 C56,34 52,46 42,52 "
                    "L-42,52 C-52,46 -56,34 -52,10 Z", p["hair"])
    if style == "long":
        return path("M-50,0 C-60,-46 -28,-60 0,-60 C28,-60 60,-46 50,0 C52,30 54,56 54,76 "
                    "Q0,86 -54,76 C-54,56 -52,30 -50,0 Z", p["hair"])
    if p["name"] == "ronin":
        return path("M-10,-44 C-8,-66 10,-66 12,-44 Z", p["hair"])
    if p["name"] == "kotobu":
        # the ponytail swings out behind her head
        return path("M18,-34 C60,-50 84,-10 74,30 C70,48 78,66 88,74 C62,76 50,52 52,30 "
                    "C54,8 44,-12 20,-14 Z", p["hair"])
    left = path("M-38,-18 C-74,-20 -82,30 -70,62 C-66,72 -58,78 -50,80 C-58,60 -56,36 -40,10 Z", p["hair"])
    right = path("M38,-18 C74,-20 82,30 70,62 C66,72 58,78 50,80 C58,60 56,36 40,10 Z", p["hair"])
    return left + right


def front_hair(p):
    bangs = path("M-46,6 C-52,-38 -22,-54 0,-52 C22,-54 52,-38 46,6 L40,-6 L33,4 L24,-12 "
                 "L12,-2 L2,-16 L-10,-3 L-22,-14 L-31,2 L-40,-8 Z", p["hair"])
    if p["name"] == "ronin":
        spiky = path("M-46,4 C-50,-40 -22,-52 0,-50 C22,-52 50,-40 46,4 L40,-14 L30,-4 L22,-20 "
                     "L8,-8 L-4,-22 L-14,-8 L-26,-20 L-34,-4 L-42,-12 Z", p["hair"])
        return spiky + path("M-40,-16 C-20,-30 20,-30 40,-16", "none", 5, p["band"])
    shine = path("M-26,-38 Q-10,-46 8,-44", "none", 4, "#ffffff", opacity="0.5")
    items = [bangs, shine]
    if p.get("style"):
        return "".join(items) + p.get("hair_extra", "")
    if p["name"] == "kotobu":
        items.append(path("M-45,-14 C-30,-30 30,-30 45,-14 L44,-4 C30,-18 -30,-18 -44,-4 Z", p["band"]))
        items.append(path("M-44,-10 C-58,-12 -66,-2 -70,8 C-60,4 -54,0 -46,-4 Z", p["band"]))
    else:
        for sx in (-1, 1):
            cx = 42 * sx
            items.append(path("M%g,-24 L%g,-40 L%g,-8 Z" % (cx, cx + 18 * sx, cx + 18 * sx), p["band"]))
            items.append(path("M%g,-24 L%g,-42 L%g,-10 Z" % (cx, cx - 14 * sx, cx - 16 * sx), p["band"]))
            items.append(circle(cx, -24, 5, p["band"]))
    return "".join(items)


def face(p, mood):
    items = []
    if mood in ("smile", "brave"):
        items += [eye(-17, 8, 9, (0.2, 0.1), p["iris"]), eye(17, 8, 9, (0.2, 0.1), p["iris"])]
        if mood == "brave":
            items += [path("M-27,-6 L-9,-2"), path("M27,-6 L9,-2")]
            items.append(path("M-7,24 Q0,30 8,23"))
        else:
            items.append(path("M-8,23 Q0,31 8,23", "#e86a6a"))
    elif mood == "wink":
        items += [eye(-17, 8, 9, (0.2, 0.1), p["iris"]), happy_eye(17, 10, 8)]
        items.append(path("M-8,23 Q0,31 8,23", "#e86a6a"))
    elif mood == "joy":
        items += [happy_eye(-17, 9, 8), happy_eye(17, 9, 8)]
        items.append(path("M-10,20 Q0,36 10,20 Z", "#e8566a"))
    elif mood == "cry":
        # brows up in the middle, eyes squeezed shut
        items += [path("M-25,-4 L-10,-8"), path("M25,-4 L10,-8")]
        items += [path("M-25,12 Q-17,4 -9,12"), path("M9,12 Q17,4 25,12")]
        items.append(path("M-8,28 Q-4,24 0,28 Q4,32 8,28"))
        items += [tear(-22, 22, 6), tear(22, 26, 6), tear(-24, 36, 4)]
    elif mood == "fever":
        items += [path("M-25,9 Q-17,14 -9,9"), path("M9,9 Q17,14 25,9")]
        items.append(path("M-6,26 Q-3,23 0,26 Q3,29 6,26"))
    if p["name"] != "ronin":
        items += [blush(-27, 20, 8), blush(27, 20, 8)]
    if mood == "fever":
        items += [ellipse(-24, 20, 12, 7, "#ff6f7f", 0, opacity="0.6"),
                  ellipse(24, 20, 12, 7, "#ff6f7f", 0, opacity="0.6")]
    return "".join(items)


def head(p, mood, extra=""):
    return "".join([
        back_hair(p),
        ellipse(0, 0, 45, 42, p.get("skin", SKIN)),
        face(p, mood),
        front_hair(p),
        extra,
    ])


# arm poses: (elbow, hand) for the figure's right (screen left) and left arm
POSES = {
    "walk":   [((-34, 62), (-36, 80)), ((38, 40), (30, 30))],
    "cheer":  [((-42, 24), (-52, -6)), ((42, 24), (52, -6))],
    "droop":  [((-30, 62), (-28, 82)), ((30, 62), (26, 80))],
    "wave":   [((-32, 62), (-32, 80)), ((44, 28), (52, 0))],
    "heroic": [((-44, 30), (-50, 4)), ((40, 64), (24, 74))],
    "guard":  [((-34, 60), (-20, 70)), ((34, 60), (22, 72))],
}


def figure(p, mood, pose, held=None, hurt=False, extra_head="", sword_front=False):
    """The whole standing heroine. held: (arm index, angle, length) for the sword;
    sword_front raises it in front of her hair instead of behind."""
    legs = p["leg_len"]
    top = 36
    hem = 90 if p["name"] == "kotobu" else 84
    items = []
    if p["cape"]:
        items.append(path("M-24,40 C-44,80 -50,110 -46,%g L46,%g C50,110 44,80 24,40 Z" % (hem + 34, hem + 34), p["cape"]))
    # legs and boots
    for sx in (-1, 1):
        x = 12 * sx
        items.append(limb([(x, hem - 6), (x, hem + legs - 8)], p["legs"], 15))
        items.append(path("M%g,%g L%g,%g Q%g,%g %g,%g L%g,%g Z" % (
            x - 9, hem + legs - 18, x - 9, hem + legs + 2, x, hem + legs + 6, x + 9 + 6 * sx, hem + legs + 2,
            x + 9, hem + legs - 18), p["boots"]))
    # tunic
    items.append(path("M-22,%g C-26,60 -34,76 -36,%g Q0,%g 36,%g C34,76 26,60 22,%g Z" % (
        top, hem, hem + 8, hem, top), p["tunic"]))
    items.append(path("M-34,%g Q0,%g 34,%g" % (hem - 6, hem + 2, hem - 6), "none", 4, p["trim"]))
    if p["armor"]:
        items.append(path("M-20,40 Q0,34 20,40 L18,62 Q0,70 -18,62 Z", p["armor"]))
        items.append(path("M-8,48 Q0,44 8,48", "none", 2.5, "#ffffff"))
    elif p["name"] == "ronin":
        items.append(path("M-14,38 L4,66 M14,38 L-4,66", "none", 3.5))
    else:
        items.append(path("M-10,38 L0,52 L10,38", "none", 3))
        items.append(heart(0, 60, 6, p["band"], 2))
    items.append(rect(-27, 66, 54, 8, p["boots"], 3))
    items.append(rect(-5, 65, 10, 10, p["trim"], 2, 2))
    arms = []
    for i, (elbow, hand) in enumerate(POSES[pose]):
        sx = -1 if i == 0 else 1
        arms.append(limb([(22 * sx, 42), elbow, hand], p["tunic"], 12))
        if p["armor"]:
            arms.append(ellipse(24 * sx, 42, 12, 9, p["armor"]))
    items += arms
    held_sword = []
    if held is not None:
        arm, angle, length = held
        hx, hy = POSES[pose][arm][1]
        held_sword = [sword(hx, hy, angle, length, p["sword"]), circle(hx, hy, 7.5, SKIN)]
    if not sword_front:
        items += held_sword
    for i, (elbow, hand) in enumerate(POSES[pose]):
        items.append(circle(hand[0], hand[1], 7.5, SKIN))
    if hurt:
        items.append(rect(-42, 52, 14, 9, "#ffffff", 2, 2.5, transform="rotate(-20 -35 56)"))
        items.append(rect(6, hem + 12, 14, 8, "#ffffff", 2, 2.5))
    items.append(head(p, mood, extra_head))
    if sword_front:
        items += held_sword
    return "".join(items)


def bandage():
    return "".join([
        path("M-44,-22 C-20,-34 20,-34 44,-22 L44,-10 C20,-22 -20,-22 -44,-10 Z", "#ffffff"),
        path("M24,30 l12,-4 l3,8 l-12,4 Z", "#ffe1b0", 2.5),
        line(-30, -20, -30, -12, "#d7d7d7", 2), line(30, -20, 30, -12, "#d7d7d7", 2),
    ])


def bed_scene(p, w, h, night=False):
    """Lying ill in bed with a fever and an ice bag on the forehead."""
    wall = "#c9d6f0" if night else "#fbeedd"
    items = [rect(0, 0, w, h, wall, sw=0)]
    # window
    items.append(rect(w * 0.62, h * 0.08, w * 0.3, h * 0.28, "#aee0ff" if not night else "#2e3c6e", 4))
    items.append(line(w * 0.77, h * 0.08, w * 0.77, h * 0.36, OL, 3))
    items.append(line(w * 0.62, h * 0.22, w * 0.92, h * 0.22, OL, 3))
    # bed frame and pillow, the head lying on it
    items.append(rect(w * 0.04, h * 0.42, w * 0.1, h * 0.5, "#b07a4f", 6))
    items.append(rect(w * 0.04, h * 0.72, w * 0.92, h * 0.2, "#c98f5e", 6))
    s = w / 210.0
    items.append(ellipse(w * 0.3, h * 0.62, 62 * s, 26 * s, "#ffffff"))
    hx, hy = w * 0.33, h * 0.5
    icebag = "".join([
        path("M-34,-38 C-20,-60 24,-60 34,-38 C20,-30 -20,-30 -34,-38 Z", "#9fd8ff"),
        rect(-6, -62, 12, 10, "#5aa4d8", 3),
        path("M-20,-44 Q-6,-52 10,-48", "none", 3, "#ffffff"),
    ])
    items.append(group([head(p, "fever", icebag)],
                       transform="translate(%g,%g) scale(%g) rotate(-12)" % (hx, hy, s)))
    # blanket up to the chin, with a soft pattern
    blanket = "#ffd1e3" if p["name"] == "harunen" else "#b9d4f5"
    items.append(path("M%g,%g C%g,%g %g,%g %g,%g L%g,%g L%g,%g Z" % (
        w * 0.12, h * 0.7, w * 0.3, h * 0.62, w * 0.6, h * 0.6, w * 0.97, h * 0.64,
        w * 0.97, h * 0.86, w * 0.12, h * 0.86), blanket))
    for i in range(4):
        items.append(circle(w * (0.3 + 0.17 * i), h * (0.74 + 0.03 * (i % 2)), 5 * s, "#ffffff", 0, opacity="0.8"))
    # fever marks: sweat drops and a little steam curl
    items.append(tear(hx + 50 * s, hy - 20 * s, 7 * s, 2 * s))
    items.append(path("M%g,%g q6,-8 0,-16 q-6,-8 0,-16" % (hx + 70 * s, hy - 40 * s), "none", 3 * s, "#ff7f8f"))
    items.append(path("M%g,%g q6,-8 0,-16 q-6,-8 0,-16" % (hx + 84 * s, hy - 34 * s), "none", 3 * s, "#ff7f8f"))
    return items
