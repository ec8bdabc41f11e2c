"""The monsters of both games, 300 x 300 each, written as ".KB2" pictures.

All share one stage: a soft backdrop per game, a ground shadow, the house eye.
The two bosses stand on a dark burst of rays so they read as the big fights.
"""

import math

from heroines import head
from svgkit import (OL, el, group, circle, ellipse, path, rect, line, limb,
                    eye, happy_eye, blush, sparkle, heart, star, tear, poly, text)

W = H = 300


def stage(game, boss=False):
    if boss:
        items = [rect(0, 0, W, H, "#2b1f3d", sw=0)]
        for i in range(18):
            a1 = 2 * math.pi * i / 18
            a2 = a1 + math.pi / 18
            items.append(el("polygon", points=poly([(150, 150), (150 + 260 * math.cos(a1), 150 + 260 * math.sin(a1)),
                                                    (150 + 260 * math.cos(a2), 150 + 260 * math.sin(a2))]),
                            fill="#43305e"))
        items.append(ellipse(150, 268, 120, 20, "#160f22", 0))
        return items
    if game == 1:
        items = [rect(0, 0, W, H, "#e4f5d4", sw=0), circle(150, 140, 118, "#f4fbe9", 0),
                 path("M0,236 C80,222 220,222 300,236 L300,300 L0,300 Z", "#b9e09a", 0)]
        for x in (30, 250, 270):
            items.append(path("M%d,250 l4,-12 l4,12 l4,-9 l3,9" % x, "none", 2.5, "#6fae52"))
    else:
        items = [rect(0, 0, W, H, "#ece4fb", sw=0), circle(150, 140, 118, "#f8f4ff", 0),
                 path("M0,236 C80,222 220,222 300,236 L300,300 L0,300 Z", "#d6c8f2", 0)]
        for (x, y) in ((36, 48), (262, 70), (250, 200)):
            items.append(star(x, y, 8, "#fff7b0", 2))
    items.append(ellipse(150, 258, 92, 14, "#000000", 0, opacity="0.13"))
    return items


def mouth_smile(x, y, w, fill="none"):
    return path("M%g,%g Q%g,%g %g,%g" % (x - w, y, x, y + w * 0.8, x + w, y) + (" Z" if fill != "none" else ""), fill)


def fang_mouth(x, y, w):
    return (path("M%g,%g Q%g,%g %g,%g Z" % (x - w, y, x, y + w * 1.1, x + w, y), "#8c2f3f")
            + path("M%g,%g l5,9 l5,-9 Z" % (x - w * 0.6, y + 1), "#ffffff", 2)
            + path("M%g,%g l5,9 l5,-9 Z" % (x + w * 0.6 - 10, y + 1), "#ffffff", 2))


# --------------------------------------------------------------- first game
def hananeko():
    petals = []
    for i in range(10):
        a = 360 / 10 * i
        petals.append(ellipse(150, 78, 20, 34, "#ff9ec4" if i % 2 else "#ffc2da",
                              transform="rotate(%g 150 128)" % a))
    return stage(1) + petals + [
        path("M200,236 C250,236 262,190 240,170", "none", 16, OL),
        path("M200,236 C250,236 262,190 240,170", "none", 10, "#f6b26b"),
        ellipse(150, 200, 58, 52, "#f6b26b"),
        ellipse(150, 214, 32, 30, "#fff1da", 0),
        ellipse(126, 248, 16, 10, "#fff1da"), ellipse(174, 248, 16, 10, "#fff1da"),
        path("M106,112 L100,70 L132,96 Z", "#f6b26b"), path("M194,112 L200,70 L168,96 Z", "#f6b26b"),
        path("M108,104 L106,84 L122,98 Z", "#ff9ec4", 0), path("M192,104 L194,84 L178,98 Z", "#ff9ec4", 0),
        ellipse(150, 130, 52, 44, "#f6b26b"),
        eye(130, 126, 11, (0.3, 0.2)), eye(170, 126, 11, (0.3, 0.2)),
        path("M146,142 L154,142 L150,147 Z", "#e86a8a", 2),
        path("M140,152 Q145,157 150,150 Q155,157 160,152"),
        line(104, 140, 84, 136), line(104, 148, 84, 152), line(196, 140, 216, 136), line(196, 148, 216, 152),
        blush(118, 146, 8), blush(182, 146, 8),
        circle(150, 178, 8, "#ffd75e"),
    ]


def katonbo():
    legs = []
    for (x1, x2, y2) in ((130, 60, 250), (140, 96, 262), (160, 204, 262), (170, 240, 250),
                         (136, 70, 200), (164, 230, 200)):
        legs.append(path("M%d,150 Q%d,%d %d,%d" % (x1, (x1 + x2) / 2, 120, x2, y2), "none", 3))
    return stage(1) + [
        ellipse(92, 100, 62, 22, "#cdefff", opacity="0.8", transform="rotate(-25 92 100)"),
        ellipse(208, 100, 62, 22, "#cdefff", opacity="0.8", transform="rotate(25 208 100)"),
        ellipse(96, 132, 52, 16, "#e3f7ff", opacity="0.8", transform="rotate(15 96 132)"),
        ellipse(204, 132, 52, 16, "#e3f7ff", opacity="0.8", transform="rotate(-15 204 132)"),
    ] + legs + [
        path("M150,150 C146,190 140,220 150,246 C160,220 154,190 150,150 Z", "#9bcf6a"),
        line(144, 190, 156, 190), line(144, 210, 156, 210), line(146, 230, 154, 230),
        ellipse(150, 140, 22, 20, "#b6e07f"),
        circle(150, 98, 28, "#b6e07f"),
        eye(134, 92, 13, (-0.2, 0.2)), eye(166, 92, 13, (0.2, 0.2)),
        path("M150,112 L150,150", "none", 3),
        path("M140,62 Q130,40 118,44", "none", 3), path("M160,62 Q170,40 182,44", "none", 3),
        path("M142,110 Q150,116 158,110"),
    ]


def nyuru8():
    arms = []
    arms_tips = []
    for i in range(8):
        # the arms fan out from under the dome and curl at the tips
        t = (i - 3.5) / 3.5
        x0 = 150 + t * 70
        x1 = 150 + t * 118
        curl = -14 if t < 0 else 14
        arms.append(limb([(x0, 170), (x0 + t * 30, 212), (x1, 240), (x1 + curl, 226)], "#c98be0", 16))
        arms_tips.append(circle(x1 + curl, 226, 5, "#e0b3f0", 2))
    return stage(1) + arms + arms_tips + [
        path("M70,180 C60,90 100,48 150,48 C200,48 240,90 230,180 Q150,200 70,180 Z", "#c98be0"),
        path("M104,82 Q126,62 152,64", "none", 7, "#ffffff", opacity="0.7"),
        circle(186, 84, 10, "#b070cc", 0), circle(206, 110, 7, "#b070cc", 0), circle(100, 120, 8, "#b070cc", 0),
        eye(124, 136, 15, (0.2, 0.1)), eye(176, 136, 15, (0.2, 0.1)),
        ellipse(150, 168, 12, 9, "#8c4fa8"),
        path("M206,184 Q210,200 206,208 Q200,200 206,184 Z", "#e9f7c4", 2),
        path("M96,188 Q100,202 96,212 Q90,202 96,188 Z", "#e9f7c4", 2),
        blush(106, 156, 9), blush(194, 156, 9),
    ]


def dokusa():
    return stage(1) + [
        path("M118,110 C100,40 110,14 126,14 C142,14 142,60 138,110 Z", "#b38ad6"),
        path("M124,96 C116,54 120,32 126,32 C132,32 132,60 130,96 Z", "#e7a5d8", 0),
        path("M162,110 C172,50 196,24 208,32 C222,42 196,80 180,116 Z", "#b38ad6"),
        ellipse(150, 214, 60, 46, "#b38ad6"),
        ellipse(150, 222, 34, 28, "#e9dcf7", 0),
        ellipse(120, 254, 18, 9, "#b38ad6"), ellipse(180, 254, 18, 9, "#b38ad6"),
        circle(212, 224, 14, "#e9dcf7"),
        ellipse(150, 150, 54, 46, "#b38ad6"),
        # mean little eyes: half-lidded, poisonous green
        eye(128, 146, 12, (0.3, 0), "#3e9b3c"), eye(172, 146, 12, (0.3, 0), "#3e9b3c"),
        path("M114,136 L142,144 L142,134 Z", "#b38ad6", 3), path("M186,136 L158,144 L158,134 Z", "#b38ad6", 3),
        path("M144,166 L156,166 L150,172 Z", "#e86a8a", 2),
        path("M136,178 Q150,186 164,176"),
        rect(146, 178, 8, 9, "#ffffff", sw=2),
        # the poison: a flask in a paw and bubbles
        path("M84,204 L80,168 L96,168 L92,204 C110,214 106,244 88,244 C70,244 66,214 84,204 Z", "#9be36a"),
        rect(78, 160, 20, 10, "#8a5a32", 3),
        circle(70, 140, 8, "#9be36a"), circle(58, 116, 5, "#9be36a"), circle(76, 100, 4, "#9be36a"),
        path("M80,222 l6,6 m0,-6 l-6,6", "none", 2.5),
    ]


def heitaip():
    return stage(1) + [
        line(222, 76, 222, 252, "#8a5a32", 9), line(222, 76, 222, 252, OL, 0),
        path("M216,78 L222,48 L228,78 Z", "#dfe7ef"),
        path("M92,150 C84,90 110,66 150,66 C190,66 216,90 208,150 C214,210 196,250 150,250 C104,250 86,210 92,150 Z", "#3d4a66"),
        path("M112,150 C110,110 126,96 150,96 C174,96 190,110 188,150 C192,200 180,238 150,238 C120,238 108,200 112,150 Z", "#ffffff"),
        path("M96,140 Q70,180 80,206 Q92,190 104,170 Z", "#3d4a66"),
        path("M204,140 Q226,150 222,170 Q212,170 200,166 Z", "#3d4a66"),
        circle(222, 160, 9, "#3d4a66"),
        rect(110, 180, 80, 12, "#c0392b", 2),
        rect(142, 178, 16, 16, "#f2c14e", 2),
        line(120, 186, 180, 186, "#f2c14e", 0),
        ellipse(126, 252, 20, 8, "#f4a93b"), ellipse(174, 252, 20, 8, "#f4a93b"),
        # the soldier's tall cap
        path("M112,76 L118,22 L182,22 L188,76 Z", "#c0392b"),
        rect(108, 70, 84, 12, "#1f2638", 2),
        circle(150, 46, 10, "#f2c14e"),
        path("M150,20 C146,8 150,2 158,0", "none", 5, "#ffffff"),
        eye(132, 118, 10, (0.1, 0.1)), eye(168, 118, 10, (0.1, 0.1)),
        path("M120,104 L142,108 M180,104 L158,108"),
        path("M138,132 L162,132 L150,150 Z", "#f4a93b"),
    ]


def numahige():
    beard = "M86,150 C80,190 96,230 120,246 C124,232 132,252 142,248 C146,262 154,262 160,248 C168,254 178,236 180,246 C204,230 220,190 214,150 Z"
    return stage(1) + [
        ellipse(150, 246, 120, 28, "#6f8f5a"), ellipse(150, 242, 96, 18, "#86a86c", 0),
        path("M60,244 C56,170 90,70 150,70 C210,70 244,170 240,244 Z", "#7fa35c"),
        circle(110, 100, 9, "#9cc274", 0), circle(196, 110, 12, "#9cc274", 0), circle(86, 190, 10, "#9cc274", 0),
        path(beard, "#e8efe0"),
        path("M110,176 Q120,210 116,232 M150,180 L150,240 M188,176 Q180,210 184,232", "none", 2, "#b9c7ad"),
        path("M104,124 Q128,104 146,124 Q128,116 104,124 Z", "#e8efe0", 3),
        path("M196,124 Q172,104 154,124 Q172,116 196,124 Z", "#e8efe0", 3),
        eye(126, 138, 9, (0.3, 0.2)), eye(174, 138, 9, (0.3, 0.2)),
        ellipse(150, 156, 14, 10, "#6a8a4c"),
        path("M112,160 Q90,150 76,164 Q96,162 110,172 Z", "#e8efe0", 3),
        path("M188,160 Q210,150 224,164 Q204,162 190,172 Z", "#e8efe0", 3),
        path("M40,250 q8,-6 16,0 M236,256 q8,-6 16,0", "none", 2.5, "#b9d7e8"),
        circle(64, 226, 6, "#c9e8f7", 2), circle(238, 222, 4, "#c9e8f7", 2),
    ]


def bakmusi():
    legs = []
    for x in (104, 140, 176):
        legs.append(path("M%d,222 l-8,28 l-8,2" % x, "none", 5))
        legs.append(path("M%d,222 l8,28 l8,2" % (x + 20), "none", 5))
    return stage(1) + legs + [
        ellipse(156, 190, 84, 46, "#6d8fcf"),
        path("M156,146 L156,234", "none", 3),
        path("M100,172 Q156,140 224,170", "none", 3, "#ffffff", opacity="0.6"),
        circle(126, 188, 10, "#f2d16b"), circle(190, 176, 8, "#f2d16b"), circle(196, 208, 11, "#f2d16b"),
        circle(130, 214, 6, "#f2d16b"),
        ellipse(86, 166, 40, 34, "#8e8aa6"),
        ellipse(86, 184, 26, 16, "#c4c0d6", 0),
        # the tapir's trunk
        path("M56,170 C36,172 28,190 34,208 C38,218 48,214 46,206 C42,196 48,186 62,186 Z", "#8e8aa6"),
        ellipse(40, 210, 6, 4, "#5a5670"),
        eye(84, 156, 10, (-0.4, 0.1)),
        path("M96,136 Q104,100 124,96", "none", 3), circle(126, 96, 5, "#f2d16b"),
        path("M80,134 Q76,104 88,88", "none", 3), circle(88, 86, 5, "#f2d16b"),
        path("M64,156 q6,-6 12,0", "none", 3),
        blush(100, 176, 7),
    ]


def tunoflog():
    return stage(1) + [
        ellipse(150, 196, 110, 62, "#9cc95a"),
        ellipse(150, 218, 80, 34, "#f6efb0", 0),
        path("M60,200 C40,240 70,256 100,252 L96,238 C80,240 76,228 84,214 Z", "#9cc95a"),
        path("M240,200 C260,240 230,256 200,252 L204,238 C220,240 224,228 216,214 Z", "#9cc95a"),
        circle(80, 170, 10, "#6e9e3a", 0), circle(222, 166, 12, "#6e9e3a", 0), circle(120, 150, 7, "#6e9e3a", 0),
        circle(186, 144, 8, "#6e9e3a", 0),
        # horns over the eyes, which sit high like a frog's
        path("M88,108 L94,64 L112,104 Z", "#e5d07a"), path("M212,108 L206,64 L188,104 Z", "#e5d07a"),
        ellipse(100, 120, 28, 24, "#9cc95a"), ellipse(200, 120, 28, 24, "#9cc95a"),
        eye(100, 122, 15, (0.2, 0.2), "#2b1d1f"), eye(200, 122, 15, (-0.2, 0.2), "#2b1d1f"),
        path("M64,178 Q150,236 236,178 Q150,214 64,178 Z", "#c9475a"),
        path("M64,178 Q150,214 236,178"),
        circle(138, 160, 3, OL, 0), circle(162, 160, 3, OL, 0),
    ]


def manepu():
    """The copycat: a huge mirror-smooth blob wearing copies of everything it has seen."""
    spikes = []
    for i in range(14):
        a = math.radians(-180 + i * 180 / 13)
        spikes.append(el("polygon", points=poly([(150 + 118 * math.cos(a - 0.08), 168 + 118 * math.sin(a - 0.08)),
                                                 (150 + 150 * math.cos(a), 168 + 150 * math.sin(a)),
                                                 (150 + 118 * math.cos(a + 0.08), 168 + 118 * math.sin(a + 0.08))]),
                         fill="#ff5f7e", opacity="0.7"))
    return stage(1, boss=True) + spikes + [
        path("M30,262 C10,190 40,60 150,52 C260,60 290,190 270,262 Q150,284 30,262 Z", "#b48ef0", 4),
        path("M70,110 Q110,70 160,70", "none", 10, "#ffffff", opacity="0.55"),
        ellipse(82, 200, 22, 14, "#9a70e0", 0), ellipse(226, 214, 30, 16, "#9a70e0", 0),
        # copies: a crown, a warrior's headband, a borrowed sword, a flower cat's petals
        path("M112,62 L110,22 L130,42 L150,14 L170,42 L190,22 L188,62 Z", "#ffd75e", 4),
        circle(150, 34, 6, "#ff5f7e", 2), circle(124, 48, 4, "#7cc8ff", 2), circle(176, 48, 4, "#9ad67a", 2),
        path("M72,104 C110,86 190,86 228,104 L226,120 C190,102 110,102 74,120 Z", "#e2474b", 4),
        path("M228,108 C248,104 262,112 270,124 C256,122 244,120 230,118 Z", "#e2474b", 3),
        group([path("M-7,0 L-7,-100 L0,-112 L7,-100 L7,0 Z", "#dfe7ef", 4),
               rect(-16, -4, 32, 8, "#f2c14e", 3), rect(-4, 2, 8, 22, "#7b4a33", 3)],
              transform="translate(42,196) rotate(-28)"),
        ellipse(42, 200, 16, 14, "#b48ef0", 4),
        # an angry pair of eyes and a smug, too-wide grin
        eye(112, 150, 22, (0.2, 0.2), "#6a1730", 4), eye(188, 150, 22, (-0.2, 0.2), "#6a1730", 4),
        path("M84,122 L136,136 M216,122 L164,136", "none", 7),
        path("M80,190 Q150,256 220,190 Q150,222 80,190 Z", "#5a2040", 4),
        path("M104,201 l8,12 l8,-14 M180,199 l8,14 l8,-12", "#ffffff", 3),
        path("M122,212 Q150,226 178,212", "none", 3, "#ff8fa3"),
        sparkle(256, 56, 12, "#fff3a0", 2.5), sparkle(40, 64, 9, "#fff3a0", 2.5),
    ]


POPOTA = dict(name="popota", style="bob", hair="#6b4aa0", iris="#6b4aa0", skin="#bfe4f2",
              hair_extra=path("M-30,-50 L-40,-82 L-14,-58 Z", "#ffe38a") + path("M30,-50 L40,-82 L14,-58 Z", "#ffe38a"))
AICHAN_LOOK = dict(name="aichan", style="long", hair="#7a4fc9", iris="#7a4fc9")


def popota():
    return stage(1) + [
        # the left-behind treats: a pie and a coffee cup
        ellipse(60, 246, 40, 12, "#ffffff"),
        path("M26,240 Q60,206 94,240 Z", "#e8a655"),
        path("M34,232 l8,-8 m8,6 l8,-10 m8,10 l8,-8", "none", 2.5, "#b76d2a"),
        path("M214,214 L220,252 L256,252 L262,214 Z", "#ffffff"),
        path("M262,222 q14,2 10,14 q-4,8 -12,6", "none", 3),
        ellipse(238, 214, 24, 6, "#6b3b22"),
        path("M230,204 q-6,-10 0,-18 q6,-8 0,-16 M246,204 q-6,-10 0,-18", "none", 2.5, "#bcaaa0"),
        # the girl: pale blue skin, little horns, apron
        path("M112,250 L118,200 L182,200 L188,250 Z", "#f5a3b8"),
        path("M124,250 L128,208 L172,208 L176,250 Z", "#ffffff", 2.5),
        limb([(122, 206), (104, 230)], "#f5a3b8", 12), limb([(178, 206), (196, 230)], "#f5a3b8", 12),
        circle(104, 232, 7, "#bfe4f2"), circle(196, 232, 7, "#bfe4f2"),
        group([head(POPOTA, "smile")], transform="translate(150,146) scale(0.92)"),
        heart(150, 226, 8, "#ff7aa8", 2),
    ]


# -------------------------------------------------------------- second game
def bunnydog():
    return stage(2) + [
        path("M118,100 C104,40 112,16 126,18 C140,20 142,60 138,100 Z", "#ffffff"),
        path("M124,90 C118,52 122,34 128,34 C134,36 134,62 132,90 Z", "#ffc2da", 0),
        path("M162,100 C158,60 160,20 174,18 C188,16 196,40 182,100 Z", "#ffffff"),
        path("M168,90 C166,62 166,36 172,34 C178,34 182,52 176,90 Z", "#ffc2da", 0),
        ellipse(150, 212, 58, 42, "#d9a066"),
        ellipse(150, 222, 30, 24, "#fff1da", 0),
        ellipse(120, 252, 16, 9, "#d9a066"), ellipse(180, 252, 16, 9, "#d9a066"),
        path("M204,200 q26,-24 22,-44", "none", 14, OL), path("M204,200 q26,-24 22,-44", "none", 8, "#d9a066"),
        ellipse(150, 146, 56, 48, "#d9a066"),
        path("M96,130 C80,150 84,180 100,182 C110,170 108,148 104,134 Z", "#8c5a34"),
        path("M204,130 C220,150 216,180 200,182 C190,170 192,148 196,134 Z", "#8c5a34"),
        ellipse(150, 168, 26, 18, "#fff1da", 0),
        eye(128, 140, 11, (0.1, 0.2)), eye(172, 140, 11, (0.1, 0.2)),
        ellipse(150, 160, 9, 6, OL, 0),
        path("M140,170 Q145,176 150,168 Q155,176 160,170"),
        path("M146,174 Q150,190 156,174 Z", "#ff8fa3", 2),
        blush(118, 162, 8), blush(182, 162, 8),
    ]


def susiya():
    return stage(2) + [
        line(214, 96, 258, 40, "#b07a4f", 7), line(226, 104, 272, 52, "#b07a4f", 7),
        path("M70,200 C70,160 90,150 150,150 C210,150 230,160 230,200 C230,240 210,250 150,250 "
             "C90,250 70,240 70,200 Z", "#ffffff"),
        circle(100, 230, 3, "#e9e9e9", 0), circle(200, 230, 3, "#e9e9e9", 0), circle(160, 236, 3, "#e9e9e9", 0),
        path("M56,170 C60,120 110,96 160,98 C220,100 252,130 246,168 C230,150 200,150 150,156 "
             "C100,162 70,160 56,170 Z", "#ff8a65"),
        path("M90,140 Q120,118 150,124 M120,156 Q160,128 196,134 M170,152 Q206,136 232,150",
             "none", 4, "#ffd0bd"),
        rect(142, 150, 16, 100, "#2f3d33", 0),
        eye(116, 196, 11, (0.2, 0.1)), eye(184, 196, 11, (0.2, 0.1)),
        path("M138,216 Q150,226 162,216", "#e8566a"),
        blush(100, 212, 8), blush(200, 212, 8),
        limb([(72, 210), (48, 194)], "#ffffff", 10), limb([(228, 210), (246, 184)], "#ffffff", 10),
        circle(48, 192, 7, "#ffffff"), circle(246, 182, 7, "#ffffff"),
    ]


def suppon7():
    return stage(2) + [
        ellipse(96, 246, 22, 12, "#8fbf6a"), ellipse(204, 246, 22, 12, "#8fbf6a"),
        path("M60,220 C60,140 110,110 162,110 C214,110 250,150 248,220 Z", "#7a8f4a"),
        path("M100,140 L130,124 L162,130 L150,160 L116,166 Z M170,132 L206,132 L228,170 L190,176 Z",
             "#6a7d3e", 2.5),
        circle(156, 188, 28, "#fff7d6"),
        text(156, 204, "7", 40, "#c0392b", family="IPAGothic"),
        rect(56, 214, 196, 14, "#d5c47a", 6),
        # the snapping head sticking out, jaws wide
        limb([(86, 190), (62, 170)], "#8fbf6a", 26),
        path("M20,150 C20,118 80,112 84,150 L60,158 Z", "#8fbf6a"),
        path("M20,160 C24,190 76,184 80,166 L60,160 Z", "#8fbf6a"),
        path("M30,152 l6,8 l6,-8 l6,8 l6,-8 l6,8 M32,162 l6,-6 l6,6 l6,-6 l6,6", "none", 2, "#ffffff"),
        eye(52, 132, 9, (-0.3, 0)), path("M40,120 L64,126", "none", 4),
        path("M24,122 C40,110 70,112 84,126", "none", 6, "#e2474b"),
        path("M84,126 l14,-8 M84,128 l14,6", "none", 5, "#e2474b"),
    ]


def inko():
    return stage(2) + [
        # a folding screen she hides behind
        rect(150, 60, 60, 196, "#f7e6c4", 4), rect(210, 66, 60, 190, "#efdab0", 4),
        path("M160,200 q20,-30 40,0 M222,150 q18,-24 36,0", "none", 3, "#c98f5e"),
        circle(184, 110, 14, "#f26d6d", 3),
        # the ghost girl peeking out, see-through
        group([
            path("M70,260 C60,220 70,140 84,110 C96,80 130,70 156,92 L156,250 "
                 "C140,240 130,262 116,250 C104,262 92,242 70,260 Z", "#ffffff"),
            path("M82,150 C74,100 100,66 134,66 C150,66 158,76 156,92 L156,190 C146,168 140,130 120,124 "
                 "C104,130 96,150 82,150 Z", "#2d2a33"),
            eye(124, 146, 10, (0.5, 0.1)),
            path("M116,172 Q124,168 132,172", "none", 3),
            blush(110, 160, 7),
            limb([(152, 160), (162, 150)], "#ffffff", 10),
        ], opacity="0.9"),
        path("M40,90 q12,-16 24,0 q12,16 24,0", "none", 3, "#b7a6e6"),
        circle(48, 200, 7, "#cfe9ff", 2), circle(32, 176, 4, "#cfe9ff", 2),
    ]


def kusurims():
    return stage(2) + [
        limb([(120, 230), (112, 256)], "#ffffff", 14), limb([(180, 230), (188, 256)], "#ffffff", 14),
        ellipse(108, 258, 14, 7, "#e2474b"), ellipse(192, 258, 14, 7, "#e2474b"),
        rect(76, 90, 148, 146, "#ffffff", 14, 4),
        rect(76, 90, 148, 34, "#e2474b", 10, 4),
        rect(138, 74, 24, 20, "#f2c14e", 4),
        path("M140,136 h20 v18 h18 v20 h-18 v18 h-20 v-18 h-18 v-20 h18 Z", "#e2474b"),
        eye(108, 160, 10, (0.1, 0.2)), eye(192, 160, 10, (0.1, 0.2)),
        path("M100,206 Q116,216 132,206", "#e8566a"),
        blush(96, 186, 8), blush(204, 186, 8),
        limb([(76, 170), (46, 150)], "#ffffff", 12), limb([(224, 170), (256, 146)], "#ffffff", 12),
        circle(44, 148, 8, "#ffffff"), circle(258, 144, 8, "#ffffff"),
        # pills tumbling about
        group([rect(-14, -6, 28, 12, "#7cc8ff", 6), path("M0,-6 v12", "none", 2), rect(0, -6, 14, 12, "#ffffff", 6, 0)],
              transform="translate(44,104) rotate(-30)"),
        group([rect(-14, -6, 28, 12, "#ffd75e", 6), path("M0,-6 v12", "none", 2)],
              transform="translate(250,96) rotate(24)"),
        circle(260, 216, 8, "#ff8fa3"), circle(40, 222, 7, "#9ad67a"),
    ]


def bound_d():
    return stage(2) + [
        ellipse(150, 258, 50, 8, "#000000", 0, opacity="0.15"),
        path("M118,242 q32,-16 64,0", "none", 3, "#b9a6e6"),
        path("M100,232 q-10,-14 0,-28 M200,232 q10,-14 0,-28", "none", 3, "#b9a6e6"),
        path("M60,150 l-30,0 M64,120 l-26,-8 M64,180 l-26,8", "none", 3, "#a98fd8"),
        path("M240,150 l30,0 M236,120 l26,-8 M236,180 l26,8", "none", 3, "#a98fd8"),
        circle(150, 140, 84, "#ffb347"),
        path("M94,86 Q130,60 170,64", "none", 8, "#ffffff", opacity="0.6"),
        path("M80,96 C60,60 84,40 104,66 Z", "#d9822b"), path("M220,96 C240,60 216,40 196,66 Z", "#d9822b"),
        ellipse(150, 168, 40, 30, "#fff1da", 0),
        eye(122, 130, 12, (0, -0.3)), eye(178, 130, 12, (0, -0.3)),
        ellipse(150, 156, 10, 7, OL, 0),
        path("M130,172 Q150,196 170,172 Z", "#e8566a"),
        blush(106, 154, 9), blush(194, 154, 9),
        ellipse(112, 218, 14, 10, "#ffb347"), ellipse(188, 218, 14, 10, "#ffb347"),
    ]


def aichan():
    return stage(2) + [
        heart(52, 70, 16, "#ff9ec4", 2.5), heart(250, 104, 12, "#ff9ec4", 2.5), heart(244, 230, 10, "#ffc2da", 2.5),
        path("M104,250 L116,196 L184,196 L196,250 Z", "#ff6f9a"),
        path("M104,250 Q150,238 196,250", "none", 4, "#ffffff"),
        limb([(118, 204), (96, 176)], "#ffe3cf", 11), circle(94, 172, 7, "#ffe3cf"),
        line(90, 176, 70, 130, "#f2c14e", 5), heart(68, 118, 14, "#ff4f7f", 3),
        limb([(182, 204), (200, 232)], "#ffe3cf", 11), circle(202, 234, 7, "#ffe3cf"),
        group([head(AICHAN_LOOK, "wink")], transform="translate(150,140) scale(0.92)"),
        heart(150, 80, 20, "#ff4f7f", 3),
        sparkle(190, 180, 7), sparkle(36, 140, 9),
    ]


def chita():
    spots = "".join(circle(x, y, r, "#a0652b", 0) for (x, y, r) in
                    ((110, 176, 6), (136, 194, 5), (162, 172, 6), (190, 190, 5), (214, 170, 5), (176, 206, 4)))
    return stage(2) + [
        path("M30,120 h40 M20,150 h44 M34,180 h30", "none", 4, "#c7b6ef"),
        limb([(96, 200), (70, 236), (56, 250)], "#f4c04f", 16),
        limb([(206, 200), (238, 228), (262, 236)], "#f4c04f", 16),
        path("M228,176 C260,160 270,120 256,100", "none", 16, OL),
        path("M228,176 C260,160 270,120 256,100", "none", 10, "#f4c04f"),
        ellipse(160, 186, 76, 38, "#f4c04f"),
        spots,
        limb([(130, 210), (118, 250)], "#f4c04f", 16), limb([(186, 212), (200, 250)], "#f4c04f", 16),
        path("M70,98 L74,70 L92,88 Z", "#f4c04f"), path("M124,92 L132,64 L142,90 Z", "#f4c04f"),
        ellipse(104, 132, 46, 40, "#f4c04f"),
        ellipse(98, 150, 22, 16, "#fff1da", 0),
        path("M88,124 Q80,146 84,162 M120,124 Q118,146 112,160", "none", 3, "#6b3b22"),
        eye(88, 122, 9, (-0.4, 0)), eye(122, 120, 9, (-0.4, 0)),
        path("M76,106 L96,112 M132,106 L114,112", "none", 3),
        ellipse(100, 144, 7, 5, OL, 0),
        path("M90,156 Q100,162 110,156"),
        circle(124, 232, 2, "#a0652b", 0),
    ]


SARIN_LOOK = dict(name="sarin", style="bob", hair="#ff9f43", iris="#3f8a4f")


def sarin():
    return stage(2) + [
        # the broom she rides on, the moon behind
        circle(236, 70, 34, "#fff3a0", 3), circle(252, 60, 30, "#f8f4ff", 0),
        line(40, 220, 250, 186, "#b07a4f", 8),
        path("M36,222 L4,200 L10,232 L0,252 L40,236 Z", "#e5c070"),
        path("M96,222 L116,144 L184,144 L206,212 Q150,234 96,222 Z", "#7a4fc9"),
        path("M106,214 Q150,226 196,206", "none", 4, "#f2c14e"),
        limb([(178, 160), (210, 186)], "#7a4fc9", 12), circle(212, 188, 7, "#ffe3cf"),
        limb([(122, 162), (94, 186)], "#7a4fc9", 12), circle(92, 190, 7, "#ffe3cf"),
        group([head(SARIN_LOOK, "smile")], transform="translate(150,122) scale(0.78)"),
        # the pointed hat
        path("M86,96 Q150,70 214,96 Q150,112 86,96 Z", "#4a3a8c"),
        path("M114,90 C120,50 150,10 204,24 C170,34 178,60 184,88 Z", "#4a3a8c"),
        path("M116,84 Q150,74 184,84 L184,94 Q150,84 116,94 Z", "#f2c14e", 2),
        star(170, 56, 9, "#f2c14e", 2),
        sparkle(60, 120, 9), sparkle(262, 150, 7), star(46, 60, 7, "#fff3a0", 2),
    ]


def yanpapa():
    return stage(2) + [
        path("M78,254 C76,200 96,176 150,176 C204,176 224,200 222,254 Z", "#ffffff"),
        path("M112,178 L118,210 M188,178 L182,210", "none", 3),
        limb([(96, 196), (80, 236), (120, 228)], "#f0c8a8", 18),
        limb([(204, 196), (220, 236), (180, 228)], "#f0c8a8", 18),
        path("M112,224 l6,-10 M190,224 l-6,-10", "none", 2),
        rect(134, 164, 32, 18, "#f0c8a8", 6),
        ellipse(150, 128, 48, 46, "#f0c8a8"),
        # the pompadour, sticking forward
        path("M102,118 C96,80 110,62 130,56 C150,40 206,30 248,50 C220,56 206,66 198,80 "
             "C202,94 200,110 198,118 C190,96 170,92 150,96 C130,92 112,100 102,118 Z", "#2d2a33"),
        path("M150,60 C180,50 214,46 236,52", "none", 4, "#6c6a7a"),
        path("M104,122 Q150,108 196,122 L190,142 Q170,148 156,134 L144,134 Q130,148 110,142 Z", "#1f1d26"),
        path("M114,126 l10,8 M166,126 l10,8", "none", 3, "#ffffff"),
        path("M118,160 Q134,150 150,158 Q166,150 182,160 Q166,164 150,162 Q134,164 118,160 Z", "#2d2a33", 2.5),
        path("M130,170 Q150,186 170,170 Z", "#ffffff", 2.5),
        path("M232,90 l12,-6 m-10,18 l14,2", "none", 4, "#e2474b"),
        path("M54,92 l-12,-6 m10,18 l-14,2", "none", 4, "#e2474b"),
    ]


def robotomi():
    return stage(2) + [
        rect(112, 224, 24, 30, "#9aa7b8", 4), rect(164, 224, 24, 30, "#9aa7b8", 4),
        rect(104, 248, 38, 12, "#5b6b82", 4), rect(158, 248, 38, 12, "#5b6b82", 4),
        rect(92, 150, 116, 82, "#b9c6d6", 10),
        rect(112, 164, 76, 40, "#2b3548", 6),
        circle(126, 184, 7, "#ff5f7e", 2), circle(150, 184, 7, "#ffd75e", 2), circle(174, 184, 7, "#9ad67a", 2),
        path("M108,216 h84", "none", 3),
        limb([(92, 166), (64, 196), (60, 222)], "#9aa7b8", 14),
        limb([(208, 166), (238, 146), (250, 116)], "#9aa7b8", 14),
        path("M48,222 a12,12 0 1 1 24,0", "none", 6), path("M238,112 a12,12 0 1 0 24,0", "none", 6),
        rect(96, 60, 108, 84, "#d5dfea", 14),
        rect(108, 80, 84, 40, "#2b3548", 10),
        circle(130, 100, 11, "#7cf0ff", 2), circle(170, 100, 11, "#7cf0ff", 2),
        circle(133, 97, 3, "#ffffff", 0), circle(173, 97, 3, "#ffffff", 0),
        path("M132,130 h36", "none", 3),
        rect(84, 88, 12, 26, "#9aa7b8", 4), rect(204, 88, 12, 26, "#9aa7b8", 4),
        line(150, 60, 150, 36), circle(150, 32, 7, "#ff5f7e"),
        circle(104, 70, 3, OL, 0), circle(196, 70, 3, OL, 0),
    ]


def bakudan():
    """The crying house spirit: a little house that weeps a river."""
    return stage(2) + [
        path("M36,258 C60,244 90,262 120,250 C150,240 190,262 220,250 C244,242 262,256 276,252",
             "none", 10, "#9fd8ff"),
        rect(76, 130, 148, 118, "#f7e6c4", 6),
        path("M56,140 L150,54 L244,140 Z", "#c0392b"),
        path("M74,124 L150,66 L226,124", "none", 3, "#e5685a"),
        rect(196, 66, 20, 40, "#8a5a32", 3),
        path("M204,58 q-8,-10 0,-20 q8,-10 0,-20", "none", 3, "#bcaaa0"),
        rect(134, 198, 32, 50, "#b07a4f", 4), circle(158, 224, 3, "#f2c14e", 0),
        # window eyes, squeezed shut, and tears pouring down the walls
        rect(92, 150, 36, 30, "#aee0ff", 4), rect(172, 150, 36, 30, "#aee0ff", 4),
        path("M98,168 Q110,158 122,168", "none", 4), path("M178,168 Q190,158 202,168", "none", 4),
        path("M96,148 L124,142 M204,148 L176,142", "none", 4),
        tear(104, 192, 8), tear(196, 196, 8), tear(110, 214, 6), tear(192, 218, 6),
        path("M128,190 Q150,180 172,190", "none", 4),
        path("M40,110 q-6,-8 2,-14 M262,112 q6,-8 -2,-14", "none", 3, "#7cb8e6"),
    ]


def osansyo():
    return stage(2) + [
        path("M60,210 C40,250 110,262 150,256 C220,250 270,240 280,200 C250,220 220,226 190,224 Z", "#8b6b4a"),
        path("M232,216 C256,206 272,190 282,176 C286,200 270,220 240,230 Z", "#8b6b4a"),
        ellipse(150, 190, 110, 54, "#a07d55"),
        circle(96, 170, 8, "#6e5236", 0), circle(130, 200, 10, "#6e5236", 0), circle(190, 170, 9, "#6e5236", 0),
        circle(220, 200, 7, "#6e5236", 0), circle(160, 220, 6, "#6e5236", 0),
        # a royal cape draped over the back
        path("M110,150 C140,136 210,136 240,160 L230,210 C200,190 150,190 120,200 Z", "#c0392b"),
        path("M110,150 C140,136 210,136 240,160", "none", 8, "#ffffff"),
        ellipse(150, 226, 90, 20, "#c9ab80", 0),
        limb([(84, 220), (70, 250)], "#a07d55", 18), limb([(214, 222), (230, 250)], "#a07d55", 18),
        ellipse(92, 164, 56, 40, "#a07d55"),
        path("M40,176 Q92,196 146,172", "none", 4),
        circle(72, 148, 6, OL, 0), circle(112, 146, 6, OL, 0),
        circle(70, 146, 2, "#ffffff", 0), circle(110, 144, 2, "#ffffff", 0),
        path("M58,124 L62,96 L76,112 L92,88 L104,112 L120,96 L122,124 Z", "#ffd75e"),
        circle(92, 108, 5, "#7cc8ff", 2),
    ]


def haga():
    """The polygon demon: everything about him is flat facets and straight edges."""
    items = stage(2, boss=True)
    # the village already turned into polygons under his feet: a wire grid
    for i in range(9):
        x = 150 + (i - 4) * 40
        items.append(line(150 + (i - 4) * 12, 226, x, 300, "#7cf0ff", 1.5, opacity="0.6"))
    for y in (236, 252, 274):
        items.append(line(0, y, 300, y, "#7cf0ff", 1.5, opacity="0.6"))
    facets = [
        ("#8a68d8", [(150, 70), (214, 120), (196, 230), (150, 250)]),
        ("#6f50c0", [(150, 70), (86, 120), (104, 230), (150, 250)]),
        ("#b59cf6", [(150, 110), (196, 150), (150, 200)]),
        ("#9f84ec", [(150, 110), (104, 150), (150, 200)]),
    ]
    for fill, pts in facets:
        items.append(el("polygon", points=poly(pts), fill=fill, stroke=OL, stroke_width=4))
    items += [
        # wings of flat triangles
        el("polygon", points=poly([(90, 120), (10, 60), (36, 130), (0, 160), (60, 170)]),
           fill="#5a3aa8", stroke=OL, stroke_width=4),
        el("polygon", points=poly([(210, 120), (290, 60), (264, 130), (300, 160), (240, 170)]),
           fill="#5a3aa8", stroke=OL, stroke_width=4),
        el("polygon", points=poly([(60, 170), (36, 130), (90, 120)]), fill="#513a90", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(240, 170), (264, 130), (210, 120)]), fill="#513a90", stroke=OL, stroke_width=3),
        # faceted head with horns
        el("polygon", points=poly([(150, 24), (194, 52), (186, 100), (150, 118), (114, 100), (106, 52)]),
           fill="#8d6fe0", stroke=OL, stroke_width=4),
        el("polygon", points=poly([(150, 24), (194, 52), (150, 70), (106, 52)]), fill="#a58af0", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(108, 50), (80, 6), (122, 40)]), fill="#ffd75e", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(192, 50), (220, 6), (178, 40)]), fill="#ffd75e", stroke=OL, stroke_width=3),
        circle(132, 82, 14, "#7cf0ff", 0, opacity="0.35"), circle(168, 82, 14, "#7cf0ff", 0, opacity="0.35"),
        el("polygon", points=poly([(122, 76), (142, 80), (124, 88)]), fill="#7cf0ff", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(178, 76), (158, 80), (176, 88)]), fill="#7cf0ff", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(132, 98), (150, 92), (168, 98), (150, 108)]), fill="#2b1d1f", stroke=OL, stroke_width=2),
        el("polygon", points=poly([(138, 98), (142, 104), (146, 97)]), fill="#ffffff"),
        el("polygon", points=poly([(154, 97), (158, 104), (162, 98)]), fill="#ffffff"),
        # a sceptre tipped with a spinning polyhedron
        line(236, 250, 254, 130, "#c9b27a", 6),
        el("polygon", points=poly([(254, 92), (276, 114), (254, 136), (232, 114)]), fill="#7cf0ff", stroke=OL, stroke_width=3),
        line(232, 114, 276, 114, OL, 2), line(254, 92, 254, 136, OL, 2),
        el("polygon", points=poly([(214, 170), (246, 196), (240, 210), (204, 186)]), fill="#4a3188", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(86, 170), (54, 210), (66, 220), (96, 188)]), fill="#4a3188", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(42, 210), (66, 200), (72, 226), (48, 232)]), fill="#8d6fe0", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(230, 238), (246, 232), (252, 250), (236, 256)]), fill="#8d6fe0", stroke=OL, stroke_width=3),
        el("polygon", points=poly([(120, 250), (150, 236), (180, 250), (150, 266)]), fill="#3a2670", stroke=OL, stroke_width=3),
    ]
    for (x, y, s) in ((40, 250, 10), (270, 40, 8), (30, 30, 7), (276, 220, 9)):
        items.append(el("polygon", points=poly([(x, y - s), (x + s, y + s * 0.7), (x - s, y + s * 0.7)]),
                        fill="#7cf0ff", stroke=OL, stroke_width=2, opacity="0.85"))
    return items


def poctama():
    def girl(x, dress, hair, dog):
        if dog:
            ears = (path("M-40,-30 C-70,-20 -70,20 -52,30 C-44,10 -40,-10 -30,-40 Z", hair)
                    + path("M40,-30 C70,-20 70,20 52,30 C44,10 40,-10 30,-40 Z", hair))
        else:
            ears = (path("M-40,-36 L-44,-80 L-12,-56 Z", hair) + path("M-36,-44 L-38,-68 L-20,-54 Z", "#ffc2da", 0)
                    + path("M40,-36 L44,-80 L12,-56 Z", hair) + path("M36,-44 L38,-68 L20,-54 Z", "#ffc2da", 0))
        look = dict(name="girl", style="bob", hair=hair, iris="#4a3034", hair_extra=ears)
        return [
            path("M%g,250 L%g,190 L%g,190 L%g,250 Z" % (x - 30, x - 20, x + 20, x + 30), dress),
            path("M%g,250 Q%g,242 %g,250" % (x - 30, x, x + 30), "none", 3, "#ffffff"),
            group([head(look, "smile")], transform="translate(%g,146) scale(0.78)" % x),
        ]
    return stage(2) + girl(96, "#7cc8ff", "#c98f5e", True) + girl(204, "#ff9ec4", "#f4c04f", False) + [
        # the lunch they leave behind: a bento box and rice balls
        rect(112, 214, 76, 40, "#c0392b", 6),
        rect(118, 220, 64, 28, "#ffffff", 4, 2),
        circle(134, 234, 8, "#ffd75e", 2), rect(148, 226, 12, 18, "#ff8a65", 2, 2), circle(172, 234, 7, "#9ad67a", 2),
        path("M40,252 L56,222 L72,252 Z", "#ffffff"), rect(48, 240, 16, 12, "#2f3d33", sw=0),
        path("M228,252 L244,222 L260,252 Z", "#ffffff"), rect(236, 240, 16, 12, "#2f3d33", sw=0),
        heart(150, 120, 10, "#ff7aa8", 2.5),
    ]


FIRST = {
    "Hananeko": hananeko, "Katonbo": katonbo, "Nyuru8": nyuru8, "Dokusa": dokusa,
    "HeitaiP": heitaip, "Numahige": numahige, "Bakmusi": bakmusi, "Tunoflog": tunoflog,
    "Manepu": manepu, "Popota": popota,
}
SECOND = {
    "BUNNYDOG": bunnydog, "SUSIYA": susiya, "SUPPON7": suppon7, "INKO": inko, "KUSURIMS": kusurims,
    "BOUND-D": bound_d, "AICHAN": aichan, "CHITA": chita, "SARIN": sarin, "YANPAPA": yanpapa,
    "ROBOTOMI": robotomi, "BAKUDAN": bakudan, "OSANSYO": osansyo, "HAGA": haga, "POCTAMA": poctama,
}


def pictures():
    out = {}
    for table, prefix in ((FIRST, "monster1_"), (SECOND, "monster2_")):
        for code, draw in table.items():
            out[prefix + code] = (W, H, draw())
    return out
