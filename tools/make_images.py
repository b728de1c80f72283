#!/usr/bin/env python3
"""Draws Orvelle's resource pictures and writes them into src/win32/res.

    Orvelle.ico   program icon: 16, 24, 32 and 48 px, each as 8-bit palette with AND mask and as 32-bit with alpha
    toolbar_P.bmp nine 24 x 20 toolbar images side by side, 32-bit BI_RGB, straight (non-premultiplied) alpha
    menu_P.bmp    two 16 x 16 menu images side by side (ruler, English flag), 32-bit, straight alpha
    logo_P.bmp    the maker's logo, 101 x 38, 32-bit, straight alpha
    about_P.bmp   the about window's picture, 164 x 314, 32-bit, fully opaque
    guides_P.bmp  the measuring guides' two handles, 28 x 24 each side by side, 32-bit, straight alpha
    split_we.cur, split_ns.cur  the split pointers over the guides, 32 and 64 px, monochrome

and the flags the Language menu shows beside each translation, 16 x 16, 32-bit, straight alpha, into languages:

    Deutsch.bmp, Francais.bmp, Espanol.bmp

P is the scale, 100, 125, 150 or 200 (percent): the program shows the set nearest to its window's scale, so that
its pictures stay sharp at every display scaling. The sizes above are those of 100 %; at P each is P / 100 times
as large, rounded to the nearest pixel (halves up). The flags ship beside the language files, one size only.

Only the Python standard library is used, so every picture is drawn here in code: shapes are filled by counting
sub-pixel samples (supersampling), small sharp details are written as pixel art. The outputs are committed, so the
build never runs this script; run it again after changing a drawing:

    python3 tools/make_images.py [--out DIR] [--languages DIR] [--preview PNG] [--scale N]

--preview also composes every picture, enlarged, onto a light grey sheet and writes it as a PNG for inspection.
"""

import argparse
import math
import os
import struct
import sys
import zlib

# ----------------------------------------------------------------------------------------------------------------
# Colours and the palette shared by every picture
# ----------------------------------------------------------------------------------------------------------------


def rgb(hexText):
    """'#RRGGBB' -> (r, g, b) with channels in 0..1."""
    value = int(hexText.lstrip('#'), 16)
    return ((value >> 16 & 255) / 255.0, (value >> 8 & 255) / 255.0, (value & 255) / 255.0)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


INK = rgb('#1d2a3f')          # outlines and lettering
INK_SOFT = rgb('#4a5870')     # secondary outlines
RIM_LIGHT = rgb('#6b7d99')    # lit side of the lens rim
STEEL = rgb('#8a97aa')
STEEL_LIGHT = rgb('#c9d2de')
PAPER = rgb('#ffffff')
PAPER_SHADE = rgb('#eef2f7')
BLUE_DARK = rgb('#1f5fbf')
BLUE = rgb('#3b82e0')
BLUE_LIGHT = rgb('#8fbaf3')
BLUE_PALE = rgb('#d6e6fb')
ORANGE = rgb('#f08c1a')
ORANGE_LIGHT = rgb('#ffc266')
YELLOW = rgb('#f6cf4b')
YELLOW_DARK = rgb('#a87a12')
FLAG_BLUE = rgb('#1f3a8a')
FLAG_RED = rgb('#d21f32')
BLACK = (0.0, 0.0, 0.0)

BUTTON_FACE = rgb('#f0f0f0')  # what the toolbar row and the logo sit on

# ----------------------------------------------------------------------------------------------------------------
# Shapes: anything that can say whether a point lies inside it, plus a bounding box to limit the sampling
# ----------------------------------------------------------------------------------------------------------------


class Shape:
    def bbox(self):
        raise NotImplementedError

    def contains(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)

    def contains(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, radius):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, radius

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)

    def contains(self, x, y):
        if not (self.x0 <= x < self.x1 and self.y0 <= y < self.y1):
            return False
        cx = min(max(x, self.x0 + self.r), self.x1 - self.r)
        cy = min(max(y, self.y0 + self.r), self.y1 - self.r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= self.r * self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, rx if ry is None else ry

    def bbox(self):
        return (self.cx - self.rx, self.cy - self.ry, self.cx + self.rx, self.cy + self.ry)

    def contains(self, x, y):
        dx = (x - self.cx) / self.rx
        dy = (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0


def Ring(cx, cy, outer, inner, outerY=None, innerY=None):
    return Ellipse(cx, cy, outer, outerY) - Ellipse(cx, cy, inner, innerY)


class Polygon(Shape):
    def __init__(self, points):
        self.points = list(points)

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside


class Stroke(Shape):
    """A straight line of the given width; round caps unless butt=True."""

    def __init__(self, x0, y0, x1, y1, width, butt=False):
        self.a = (x0, y0)
        self.b = (x1, y1)
        self.h = width / 2.0
        self.butt = butt

    def bbox(self):
        return (min(self.a[0], self.b[0]) - self.h, min(self.a[1], self.b[1]) - self.h,
                max(self.a[0], self.b[0]) + self.h, max(self.a[1], self.b[1]) + self.h)

    def contains(self, x, y):
        ax, ay = self.a
        dx, dy = self.b[0] - ax, self.b[1] - ay
        t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
        if self.butt and (t < 0.0 or t > 1.0):
            return False
        t = min(max(t, 0.0), 1.0)
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= self.h * self.h


class Sector(Shape):
    """Points seen from (cx, cy) at an angle between a0 and a1 degrees (y grows downwards, so 90 is straight down)."""

    def __init__(self, cx, cy, a0, a1):
        self.cx, self.cy, self.a0, self.a1 = cx, cy, a0, a1

    def bbox(self):
        return (-1e9, -1e9, 1e9, 1e9)

    def contains(self, x, y):
        a = math.degrees(math.atan2(y - self.cy, x - self.cx)) % 360.0
        return self.a0 <= a <= self.a1 or self.a0 <= a + 360.0 <= self.a1


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = []
        for s in shapes:
            self.shapes.extend(s.shapes if isinstance(s, Union) else [s])
        self.boxes = [s.bbox() for s in self.shapes]

    def bbox(self):
        return (min(b[0] for b in self.boxes), min(b[1] for b in self.boxes),
                max(b[2] for b in self.boxes), max(b[3] for b in self.boxes))

    def contains(self, x, y):
        for s, b in zip(self.shapes, self.boxes):
            if b[0] <= x <= b[2] and b[1] <= y <= b[3] and s.contains(x, y):
                return True
        return False


class Difference(Shape):
    def __init__(self, keep, cut):
        self.keep, self.cut = keep, cut

    def bbox(self):
        return self.keep.bbox()

    def contains(self, x, y):
        return self.keep.contains(x, y) and not self.cut.contains(x, y)


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        p, q = self.a.bbox(), self.b.bbox()
        return (max(p[0], q[0]), max(p[1], q[1]), min(p[2], q[2]), min(p[3], q[3]))

    def contains(self, x, y):
        return self.a.contains(x, y) and self.b.contains(x, y)


# ----------------------------------------------------------------------------------------------------------------
# Canvas: straight-alpha RGBA pixels in 0..1, painted with source-over
# ----------------------------------------------------------------------------------------------------------------


class Canvas:
    """Pixels with straight alpha. Drawing calls take design units (the pixels of the 100 % picture); a canvas made
    for another scale maps them onto its own pixels, so one drawing serves every scale: shapes are sampled afresh,
    pixel-aligned rectangles and pixel art land on whole pixels and stay crisp."""

    def __init__(self, width, height, percent=100):
        self.w, self.h = width, height
        self.s = percent / 100.0
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def edge(self, v):
        """The pixel edge nearest to design coordinate v."""
        return int(math.floor(v * self.s + 0.5))

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        d = self.px[y * self.w + x]
        da = d[3] * (1.0 - alpha)
        oa = alpha + da
        for i in range(3):
            d[i] = (colour[i] * alpha + d[i] * da) / oa
        d[3] = oa

    def paint(self, shape, colour, alpha=1.0, ss=8):
        """Fills shape with a colour (or a function (x, y) -> colour of the pixel centre), antialiased by ss x ss
        samples per pixel."""
        x0, y0, x1, y1 = shape.bbox()
        s = self.s
        offsets = [(i + 0.5) / ss for i in range(ss)]
        full = ss * ss
        for py in range(max(0, int(math.floor(y0 * s))), min(self.h, int(math.ceil(y1 * s)) + 1)):
            for px in range(max(0, int(math.floor(x0 * s))), min(self.w, int(math.ceil(x1 * s)) + 1)):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if shape.contains((px + ox) / s, (py + oy) / s):
                            hits += 1
                if hits:
                    c = colour((px + 0.5) / s, (py + 0.5) / s) if callable(colour) else colour
                    self.blend(px, py, c, alpha * hits / full)

    def fill_pixels(self, x0, y0, x1, y1, colour, alpha=1.0):
        """Rectangle in this canvas's own pixels, right and bottom edges excluded."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                c = colour((x + 0.5) / self.s, (y + 0.5) / self.s) if callable(colour) else colour
                self.blend(x, y, c, alpha)

    def fill(self, x0, y0, x1, y1, colour, alpha=1.0):
        """Pixel-aligned rectangle, right and bottom edges excluded: no sampling needed, always crisp."""
        self.fill_pixels(self.edge(x0), self.edge(y0), self.edge(x1), self.edge(y1), colour, alpha)

    def frame(self, x0, y0, x1, y1, colour, alpha=1.0):
        """An outline just inside the rectangle, one design pixel thick, as many whole pixels as the scale gives."""
        t = max(1, int(self.s + 0.5))
        l, tp, r, b = self.edge(x0), self.edge(y0), self.edge(x1), self.edge(y1)
        self.fill_pixels(l, tp, r, tp + t, colour, alpha)
        self.fill_pixels(l, b - t, r, b, colour, alpha)
        self.fill_pixels(l, tp + t, l + t, b - t, colour, alpha)
        self.fill_pixels(r - t, tp + t, r, b - t, colour, alpha)

    def art(self, x0, y0, rows, colours):
        """Pixel art: one character per design pixel, '.' and ' ' leave the pixel alone."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in colours:
                    c = colours[ch]
                    colour, alpha = (c[:3], c[3]) if len(c) == 4 else (c, 1.0)
                    self.fill(x0 + i, y0 + j, x0 + i + 1, y0 + j + 1, colour, alpha)

    def draw(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                p = other.px[y * other.w + x]
                self.blend(x0 + x, y0 + y, p, p[3])

    def rgba8(self, x, y):
        p = self.px[y * self.w + x]
        a = int(round(p[3] * 255))
        if a == 0:
            return (0, 0, 0, 0)
        return tuple(int(round(min(max(v, 0.0), 1.0) * 255)) for v in p[:3]) + (a,)


def linear(c0, c1, x0, y0, x1, y1):
    """Colour function of a linear gradient from c0 at (x0, y0) to c1 at (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    n = dx * dx + dy * dy

    def at(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / n
        return mix(c0, c1, min(max(t, 0.0), 1.0))
    return at


# ----------------------------------------------------------------------------------------------------------------
# Toolbar images, 24 x 20. Square motifs share one 17 x 17 frame so the buttons line up.
# ----------------------------------------------------------------------------------------------------------------

TB_W, TB_H = 24, 20
SQ_X, SQ_Y, SQ = 4, 1, 17   # the common square: x 4..20, y 1..17


def dot_shade(t):
    """Colour of the sample picture both magnification buttons show: a blue dot fading out to pale blue, t = 0 at
    its centre and 1 at its rim."""
    t = min(max(t, 0.0), 1.0)
    return mix(BLUE_DARK, BLUE_PALE, t * t * (3 - 2 * t))


def tb_precise(c):
    # The dot enlarged exactly: 3 x 3 solid blocks of 5 px.
    for j in range(3):
        for i in range(3):
            steps = abs(i - 1) + abs(j - 1)
            x = SQ_X + 1 + i * 5
            y = SQ_Y + 1 + j * 5
            c.fill(x, y, x + 5, y + 5, (BLUE_DARK, BLUE_LIGHT, BLUE_PALE)[steps])
    c.frame(SQ_X, SQ_Y, SQ_X + SQ, SQ_Y + SQ, INK)


def tb_smooth(c):
    # The same dot, smoothly interpolated.
    cx, cy = SQ_X + SQ / 2.0, SQ_Y + SQ / 2.0
    c.fill(SQ_X + 1, SQ_Y + 1, SQ_X + SQ - 1, SQ_Y + SQ - 1, lambda x, y: dot_shade(math.hypot(x - cx, y - cy) / 8.5))
    c.frame(SQ_X, SQ_Y, SQ_X + SQ, SQ_Y + SQ, INK)


def tb_grid(c):
    c.fill(SQ_X + 1, SQ_Y + 1, SQ_X + SQ - 1, SQ_Y + SQ - 1, PAPER)
    for k in (4, 8, 12):
        c.fill(SQ_X + k, SQ_Y + 1, SQ_X + k + 1, SQ_Y + SQ - 1, BLUE)
        c.fill(SQ_X + 1, SQ_Y + k, SQ_X + SQ - 1, SQ_Y + k + 1, BLUE)
    c.frame(SQ_X, SQ_Y, SQ_X + SQ, SQ_Y + SQ, INK)


ARROW = [
    "K..........",
    "KK.........",
    "KWK........",
    "KWWK.......",
    "KWWWK......",
    "KWWWWK.....",
    "KWWWWWK....",
    "KWWWWWWK...",
    "KWWWWWWWK..",
    "KWWWWWWWWK.",
    "KWWWWWKKKKK",
    "KWWKWWK....",
    "KWK.KWWK...",
    "KK..KWWK...",
    "K....KWWK..",
    ".....KWWK..",
    "......KK...",
]


def tb_cursor(c):
    # The pointer, with a locator ring round its tip.
    c.paint(Ellipse(9.5, 4.5, 4.5), ORANGE_LIGHT, 0.5)
    c.paint(Ring(9.5, 4.5, 4.5, 3.3), ORANGE)
    c.art(9, 4, ARROW[:16], {'K': INK, 'W': PAPER})


def tb_rastered(c):
    # Lines dotted black and white, on a mid-tone so both kinds of dot show.
    c.fill(SQ_X + 1, SQ_Y + 1, SQ_X + SQ - 1, SQ_Y + SQ - 1, BLUE_LIGHT)
    for k in (4, 8, 12):
        for t in range(1, SQ - 1):
            colour = BLACK if t % 2 == 0 else PAPER
            c.fill(SQ_X + k, SQ_Y + t, SQ_X + k + 1, SQ_Y + t + 1, colour)
            c.fill(SQ_X + t, SQ_Y + k, SQ_X + t + 1, SQ_Y + k + 1, colour)
    c.frame(SQ_X, SQ_Y, SQ_X + SQ, SQ_Y + SQ, INK)


def window_icon(c, x0, y0, x1, y1, title, body, outline):
    c.fill(x0, y0, x1, y1, body)
    c.fill(x0, y0, x1, y0 + 4, title)
    c.frame(x0, y0, x1, y1, outline)


def tb_on_top(c):
    window_icon(c, 2, 1, 16, 12, STEEL_LIGHT, PAPER_SHADE, STEEL)
    window_icon(c, 8, 6, 22, 18, BLUE, PAPER, INK)
    c.fill(18, 7, 21, 9, PAPER)


def ruler(c, x0, y0, x1, y1, tickStep, longEvery):
    c.fill(x0, y0, x1, y1, linear(rgb('#fbe38a'), YELLOW, 0, y0, 0, y1))
    c.frame(x0, y0, x1, y1, YELLOW_DARK)
    k = 0
    for x in range(x0 + 2, x1 - 1, tickStep):
        length = (y1 - y0) // 2 if k % longEvery == 0 else (y1 - y0) // 4
        c.fill(x, y0 + 1, x + 1, y0 + 1 + max(1, length), INK)
        k += 1


def tb_ruler(c):
    ruler(c, 1, 5, 23, 15, 2, 2)


def tb_save(c):
    body = RoundRect(4, 1, 21, 18, 1.5)
    c.paint(body, BLUE_DARK)
    c.paint(body - RoundRect(5, 2, 20, 17, 1.0), INK)
    c.fill(8, 2, 17, 8, STEEL_LIGHT)
    c.fill(14, 3, 16, 7, INK_SOFT)
    c.fill(7, 11, 18, 17, PAPER)
    c.fill(8, 13, 17, 14, STEEL_LIGHT)
    c.fill(8, 15, 17, 16, STEEL_LIGHT)


def tb_help(c):
    disc = Ellipse(12.5, 9.5, 8.5)
    c.paint(disc, linear(BLUE, BLUE_DARK, 0, 1, 0, 18))
    c.paint(disc - Ellipse(12.5, 9.5, 7.5), rgb('#16468f'))
    mark = [
        ".WWWW.",
        "WWWWWW",
        "WW..WW",
        "....WW",
        "...WW.",
        "..WW..",
        "..WW..",
        "......",
        "..WW..",
        "..WW..",
    ]
    c.art(10, 5, mark, {'W': PAPER})


TOOLBAR = [tb_precise, tb_smooth, tb_grid, tb_cursor, tb_rastered, tb_on_top, tb_ruler, tb_save, tb_help]

# ----------------------------------------------------------------------------------------------------------------
# Menu images, 16 x 16
# ----------------------------------------------------------------------------------------------------------------


def menu_ruler(c):
    ruler(c, 0, 4, 16, 12, 2, 2)


FLAG_QUARTER = [   # upper-left quarter, corner to centre; mirrored into the other three
    "RWBBBB",
    "WRRWBB",
    "BWWRRW",
    "BBBWWR",
]


def menu_flag(c):
    # Union flag simplified for 16 x 12 as pixel art: at this size any antialiasing blurs red, white and blue into pink.
    x0, y0 = 0, 2
    colours = {'R': FLAG_RED, 'W': PAPER, 'B': FLAG_BLUE}
    for j, row in enumerate(FLAG_QUARTER):
        for i, ch in enumerate(row):
            for x, y in ((i, j), (15 - i, j), (i, 11 - j), (15 - i, 11 - j)):
                c.fill(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1, colours[ch])
    c.fill(x0, y0 + 4, x0 + 16, y0 + 8, PAPER)
    c.fill(x0 + 6, y0, x0 + 10, y0 + 12, PAPER)
    c.fill(x0, y0 + 5, x0 + 16, y0 + 7, FLAG_RED)
    c.fill(x0 + 7, y0, x0 + 9, y0 + 12, FLAG_RED)


MENU = [menu_ruler, menu_flag]
MENU_SIZE = 16

# ----------------------------------------------------------------------------------------------------------------
# Language flags, 16 x 16, drawn like the English one in the menu strip: a 16 x 12 flag of flat pixel-art bands,
# clear rows above and below, every flag pixel fully opaque.
# ----------------------------------------------------------------------------------------------------------------

DE_BLACK = rgb('#000000')
DE_RED = rgb('#dd0000')
DE_GOLD = rgb('#ffce00')
FR_BLUE = rgb('#0055a4')
FR_RED = rgb('#ef4135')
ES_RED = rgb('#c60b1e')
ES_YELLOW = rgb('#ffc400')
ES_ARMS = rgb('#ad1519')       # the coat of arms, reduced to a small shield
ES_CROWN = rgb('#b08a00')

FLAG_X, FLAG_Y, FLAG_W, FLAG_H = 0, 2, 16, 12


def bands(c, sizes, colours, horizontal):
    """Stripes across the flag area, their widths in pixels."""
    at = 0
    for size, colour in zip(sizes, colours):
        if horizontal:
            c.fill(FLAG_X, FLAG_Y + at, FLAG_X + FLAG_W, FLAG_Y + at + size, colour)
        else:
            c.fill(FLAG_X + at, FLAG_Y, FLAG_X + at + size, FLAG_Y + FLAG_H, colour)
        at += size
    assert at == (FLAG_H if horizontal else FLAG_W)


def flag_de(c):
    bands(c, (4, 4, 4), (DE_BLACK, DE_RED, DE_GOLD), True)


def flag_fr(c):
    # Sixteen columns do not split in three: the white keeps the odd one, in the middle.
    bands(c, (5, 6, 5), (FR_BLUE, PAPER, FR_RED), False)


def flag_es(c):
    bands(c, (3, 6, 3), (ES_RED, ES_YELLOW, ES_RED), True)
    # The arms sit towards the hoist: a crown over a red shield, three pixels.
    c.art(FLAG_X + 4, FLAG_Y + 5, ["C", "A", "A"], {'C': ES_CROWN, 'A': ES_ARMS})


LANGUAGE_FLAGS = {'Deutsch': flag_de, 'Francais': flag_fr, 'Espanol': flag_es}

# The scales every toolbar, menu and logo picture is drawn at; the program picks the nearest to its window's.
PERCENTS = (100, 125, 150, 200)

# ----------------------------------------------------------------------------------------------------------------
# Program icon
# ----------------------------------------------------------------------------------------------------------------


# Per size, chosen so the blocks inside the lens fall on whole pixels: lens centre, outer radius, rim width,
# blocks across, block size in pixels, handle end, handle width.
ICON_GEOMETRY = {
    16: (6.0, 5.8, 1.6, 2, 4, 14.6, 3.0),
    24: (9.0, 8.45, 2.0, 3, 4, 22.0, 4.2),
    32: (12.0, 11.4, 2.6, 3, 6, 29.5, 5.4),
    48: (18.0, 17.2, 3.6, 4, 7, 44.5, 8.0),
}


def icon_block_colour(i, j, n):
    # The picture under the glass: an edge running from pale top-left to dark bottom-right, one pixel picked out.
    if (i, j) == ((n - 1) // 2 + (n == 2), (n - 1) // 2):
        return ORANGE
    t = (i + j) / (2.0 * (n - 1))
    return [BLUE_PALE, BLUE_LIGHT, BLUE, BLUE_DARK][min(3, int(t * 3.999))]


def icon(size):
    c = Canvas(size, size)
    cx, rOut, rim, n, bs, hEnd, hW = ICON_GEOMETRY[size]
    cy = cx
    rIn = rOut - rim
    lens = Ellipse(cx, cy, rIn + 0.3)
    left = cx - n * bs / 2.0
    for j in range(n):
        for i in range(n):
            # Outer blocks reach past the rim, so the glass has no uncovered sliver at its edge.
            x0 = left + i * bs if i else 0
            y0 = left + j * bs if j else 0
            x1 = left + (i + 1) * bs if i < n - 1 else size
            y1 = left + (j + 1) * bs if j < n - 1 else size
            c.paint(lens & Rect(x0, y0, x1, y1), icon_block_colour(i, j, n))
    if size >= 32:
        # Fine seams between the enlarged pixels, and a glint on the glass.
        for k in range(1, n):
            line = left + k * bs
            c.paint(lens & (Rect(line, 0, line + 1, size) | Rect(0, line, size, line + 1)), PAPER, 0.45)
        glint = Ring(cx, cy, rIn - 1.5, rIn - 1.5 - size / 24.0) & Sector(cx, cy, 190, 260)
        c.paint(glint, PAPER, 0.9)
    # Handle, from just outside the rim to the corner, with a light stripe along it.
    hStart = cx + rOut * 0.62
    c.paint(Stroke(hStart, hStart, hEnd, hEnd, hW), INK)
    if size >= 24:
        off = hW * 0.16
        c.paint(Stroke(hStart + hW * 0.45 - off, hStart + hW * 0.45 + off, hEnd - off - hW * 0.2,
                       hEnd + off - hW * 0.2, hW * 0.28), STEEL, 0.9)
    # The rim lightens towards the top left, so it still reads as metal on a dark taskbar.
    c.paint(Ring(cx, cy, rOut, rIn), linear(RIM_LIGHT, INK, cx - rOut, cy - rOut, cx + rOut * 0.3, cy + rOut * 0.3))
    return c


ICON_SIZES = (16, 24, 32, 48)

# ----------------------------------------------------------------------------------------------------------------
# Logo, 101 x 38: a mark of pixel blocks and the name in hand-built letters
# ----------------------------------------------------------------------------------------------------------------

LOGO_W, LOGO_H = 101, 38


LOGO_MARK = ["X...X",
             "X...X",
             ".X.X.",
             ".X.X.",
             "..O.."]


class Letters:
    """Hand-built geometric sans: stems fall on whole pixels so they stay sharp, bowls and arches are antialiased.
    s is the stroke width, xh the x-height, cap the height of capitals and ascenders, w the width of round letters."""

    def __init__(self, s, xh, cap, w):
        self.s, self.xh, self.cap, self.w = s, xh, cap, w

    def glyph(self, ch, x, base):
        """One letter with its left edge at x; returns (shape, advance)."""
        s, xh, w = self.s, self.xh, self.w
        top = base - xh
        if ch == 'V':
            vw = w + 3
            ct = base - self.cap
            d = s * 1.2
            mid = x + vw / 2.0
            return Polygon([(x, ct), (x + d, ct), (mid, base - s * 1.9), (x + vw - d, ct), (x + vw, ct),
                            (mid + d / 2.0, base), (mid - d / 2.0, base)]), vw
        if ch == 'a':
            bowl = Ring(x + w / 2.0, top + xh / 2.0, w / 2.0, w / 2.0 - s, xh / 2.0, xh / 2.0 - s)
            return bowl | Rect(x + w - s, top, x + w, base), w
        if ch == 'n':
            r = w / 2.0
            arch = Ring(x + r, top + r, r, r - s) & Rect(x, top, x + w, top + r)
            return Rect(x, top, x + s, base) | arch | Rect(x + w - s, top + r, x + w, base), w
        if ch == 't':
            tw = s + 4
            return Rect(x + 2, base - self.cap + 1, x + 2 + s, base) | Rect(x, top, x + tw, top + s), tw
        if ch == 'r':
            r = w / 2.0
            arch = Ring(x + r, top + r, r, r - s) & Rect(x, top, x + r + s * 0.6, top + r)
            return Rect(x, top, x + s, base) | arch, int(r + s * 0.6 + 0.5)
        if ch == 'e':
            rx, ry = w / 2.0, xh / 2.0
            cy = top + ry
            ring = Ring(x + rx, cy, rx, rx - s, ry, ry - s)
            opening = Polygon([(x + rx, cy), (x + w + 1, cy), (x + w + 1, cy + ry * 0.62)])
            bar = Rect(x + 0.5, cy - s / 2.0, x + w - 0.5, cy + s / 2.0)
            return (ring - opening) | bar, w
        if ch == 'l':
            return Rect(x, base - self.cap, x + s, base), s
        raise ValueError(ch)

    def word(self, text, x, base, spacing, kerning=None):
        parts = []
        for i, ch in enumerate(text):
            shape, adv = self.glyph(ch, x, base)
            parts.append(shape)
            x += adv + spacing + (kerning or {}).get(text[i:i + 2], 0)
        return Union(*parts), x - spacing


MARK_SIZE = 25


def logo_mark(c, x0, y0):
    """The maker's mark, MARK_SIZE square with its top left at (x0, y0): a badge with a V of pixel blocks, the last
    one picked out as on the program icon."""
    badge = RoundRect(x0, y0, x0 + MARK_SIZE, y0 + MARK_SIZE, 5.0)
    c.paint(badge, linear(BLUE, BLUE_DARK, 0, y0, 0, y0 + MARK_SIZE))
    c.paint(badge - RoundRect(x0 + 1, y0 + 1, x0 + MARK_SIZE - 1, y0 + MARK_SIZE - 1, 4.0), rgb('#17498f'), 0.6)
    for j, row in enumerate(LOGO_MARK):
        for i, ch in enumerate(row):
            if ch != '.':
                x, y = x0 + 3 + i * 4, y0 + 3 + j * 4
                c.fill(x, y, x + 3, y + 3, ORANGE if ch == 'O' else PAPER)


def logo(percent=100, s=3, xh=11, cap=15, w=10, spacing=2, textX=30, base=25, markY=7):
    c = Canvas(scaled(LOGO_W, percent), scaled(LOGO_H, percent), percent)
    logo_mark(c, 1, markY)
    text, right = Letters(s, xh, cap, w).word("Vantrel", textX, base, spacing, {'Va': -2})
    assert right <= LOGO_W - 1, right
    c.paint(text, INK)
    return c


# ----------------------------------------------------------------------------------------------------------------
# About picture, 164 x 314, fully opaque: an Orvelle window enlarging the program's icon from the desktop below it,
# pixel for pixel with the grid on, and the maker's mark at the foot.
# ----------------------------------------------------------------------------------------------------------------

ABOUT_W, ABOUT_H = 164, 314
DESKTOP_TOP = rgb('#cddff5')
DESKTOP_BOTTOM = rgb('#f2f6fb')

WIN_X0, WIN_Y0, WIN_X1, WIN_Y1 = 9, 8, 155, 195    # the window, frame included
TITLE_H, TOOLS_H = 18, 24
VIEW_X, VIEW_Y = WIN_X0 + 1, WIN_Y0 + TITLE_H + TOOLS_H
VIEW_PX, VIEW_STEP = 18, 8                          # screen pixels across the view, and their enlarged size
POINTER_PX = (4, 14)                                # the screen pixel under the pointer's tip
PATCH_CX, PATCH_Y = 82, 228                         # where those pixels sit on the desktop


def desktop(x, y):
    return mix(DESKTOP_TOP, DESKTOP_BOTTOM, min(max(y / ABOUT_H, 0.0), 1.0))


def about_patch(c):
    """The screen pixels the window shows, as rows of (r, g, b): the 16 px icon on the desktop, a pixel of desktop
    round it; and the patch's top left in the canvas's pixels, with the size of one screen pixel there."""
    k = max(1, int(c.s))
    left = c.edge(PATCH_CX) - VIEW_PX * k // 2
    top = c.edge(PATCH_Y)
    ic = icon(16)
    rows = []
    for j in range(VIEW_PX):
        row = []
        for i in range(VIEW_PX):
            under = desktop(0, (top + (j + 0.5) * k) / c.s)
            if 1 <= i <= 16 and 1 <= j <= 16:
                p = ic.px[(j - 1) * ic.w + i - 1]
                under = mix(under, p[:3], p[3])
            row.append(under)
        rows.append(row)
    return rows, left, top, k


def about_window(c, rows):
    # A soft shadow, a little below the window, then frame, title bar, toolbar and the enlarged view.
    spread = 3.5 * c.s
    sl, st, sr, sb = c.edge(WIN_X0 + 1), c.edge(WIN_Y0 + 2), c.edge(WIN_X1 + 1), c.edge(WIN_Y1 + 2)
    for y in range(st - int(spread) - 1, sb + int(spread) + 1):
        for x in range(sl - int(spread) - 1, sr + int(spread) + 1):
            d = math.hypot(max(sl - x - 0.5, x + 0.5 - sr, 0.0), max(st - y - 0.5, y + 0.5 - sb, 0.0))
            if d < spread:
                c.blend(x, y, INK, 0.22 * (1.0 - d / spread) ** 2)
    c.fill(WIN_X0, WIN_Y0, WIN_X1, WIN_Y0 + TITLE_H, linear(BLUE, BLUE_DARK, 0, WIN_Y0, 0, WIN_Y0 + TITLE_H))
    # Title bar: the loupe, and the minimise, maximise and close buttons.
    cy = WIN_Y0 + TITLE_H / 2.0
    c.paint(Ellipse(WIN_X0 + 9.5, cy - 1, 3.5), BLUE_PALE, 0.45)
    c.paint(Ring(WIN_X0 + 9.5, cy - 1, 4.6, 3.2), PAPER)
    c.paint(Stroke(WIN_X0 + 12.8, cy + 2.3, WIN_X0 + 15.5, cy + 5.0, 2.2), PAPER)
    r = WIN_X1 - 6
    c.paint(Stroke(r - 7, cy - 3.5, r, cy + 3.5, 1.4) | Stroke(r - 7, cy + 3.5, r, cy - 3.5, 1.4), PAPER)
    c.frame(r - 23, cy - 4, r - 15, cy + 4, PAPER)
    c.fill(r - 38, cy + 2, r - 30, cy + 3, PAPER)
    # Toolbar: exact and smooth enlargement, the zoom slider, pointer marker and grid; exact and grid are on.
    ty = WIN_Y0 + TITLE_H
    c.fill(WIN_X0, ty, WIN_X1, ty + TOOLS_H, BUTTON_FACE)
    c.fill(WIN_X0, ty + TOOLS_H - 1, WIN_X1, ty + TOOLS_H, STEEL_LIGHT)
    for x, draw, on in ((12, tb_precise, True), (36, tb_smooth, False), (98, tb_cursor, False),
                        (122, tb_grid, True)):
        if on:
            c.fill(x, ty + 1, x + TB_W, ty + TOOLS_H - 2, BLUE_PALE)
            c.frame(x, ty + 1, x + TB_W, ty + TOOLS_H - 2, BLUE_LIGHT)
        c.draw(render(draw, TB_W, TB_H, int(round(c.s * 100))), c.edge(x), c.edge(ty + 2))
    c.fill(64, ty + 11, 94, ty + 13, STEEL)
    c.fill(75, ty + 6, 80, ty + 17, PAPER)
    c.frame(75, ty + 6, 80, ty + 17, INK_SOFT)
    # The view: every screen pixel a solid block, the grid one pixel wide between them.
    for j, row in enumerate(rows):
        for i, colour in enumerate(row):
            x, y = VIEW_X + i * VIEW_STEP, VIEW_Y + j * VIEW_STEP
            c.fill(x, y, x + VIEW_STEP, y + VIEW_STEP, colour)
    line = max(1, int(c.s))
    x1, y1 = c.edge(VIEW_X + VIEW_PX * VIEW_STEP), c.edge(VIEW_Y + VIEW_PX * VIEW_STEP)
    for k in range(1, VIEW_PX):
        x, y = c.edge(VIEW_X + k * VIEW_STEP), c.edge(VIEW_Y + k * VIEW_STEP)
        c.fill_pixels(x, c.edge(VIEW_Y), x + line, y1, INK, 0.16)
        c.fill_pixels(c.edge(VIEW_X), y, x1, y + line, INK, 0.16)
    c.frame(WIN_X0, WIN_Y0, WIN_X1, WIN_Y1, INK_SOFT)


def about_marker(c, tipX, tipY):
    # The pointer where it is in the view, with the locator ring round its tip as the toolbar picture shows it.
    c.paint(Ellipse(tipX + 0.5, tipY + 0.5, 8.0), ORANGE_LIGHT, 0.45)
    c.paint(Ring(tipX + 0.5, tipY + 0.5, 8.0, 6.2), ORANGE)
    c.art(tipX, tipY, ARROW, {'K': INK, 'W': PAPER})


def about(percent=100):
    c = Canvas(scaled(ABOUT_W, percent), scaled(ABOUT_H, percent), percent)
    c.fill(0, 0, ABOUT_W, ABOUT_H, desktop)
    rows, left, top, k = about_patch(c)
    # The beam from the pixels on the desktop up to the view that enlarges them.
    size = VIEW_PX * k
    pl, pr, pt = (left - 1) / c.s, (left + size + 1) / c.s, (top - 1) / c.s
    vl, vr, vb = VIEW_X, VIEW_X + VIEW_PX * VIEW_STEP, WIN_Y1
    c.paint(Polygon([(vl, vb), (vr, vb), (pr, pt), (pl, pt)]), BLUE, 0.10, ss=4)
    c.paint(Stroke(vl + 0.5, vb, pl + 0.5, pt, 1.0), BLUE, 0.35)
    c.paint(Stroke(vr - 0.5, vb, pr - 0.5, pt, 1.0), BLUE, 0.35)
    about_window(c, rows)
    about_marker(c, VIEW_X + POINTER_PX[0] * VIEW_STEP, VIEW_Y + POINTER_PX[1] * VIEW_STEP)
    # The pixels themselves, framed as the part being watched.
    line = max(1, int(c.s))
    c.fill_pixels(left - line, top - line, left + size + line, top + size + line, BLUE)
    for j, row in enumerate(rows):
        for i, colour in enumerate(row):
            c.fill_pixels(left + i * k, top + j * k, left + (i + 1) * k, top + (j + 1) * k, colour)
    # and the pointer on them, screen pixel for screen pixel.
    for j, row in enumerate(ARROW):
        for i, ch in enumerate(row):
            if ch in 'KW':
                x, y = left + (POINTER_PX[0] + i) * k, top + (POINTER_PX[1] + j) * k
                c.fill_pixels(x, y, x + k, y + k, INK if ch == 'K' else PAPER)
    # The maker's mark at the foot, between two fine rules.
    mx, my = (ABOUT_W - MARK_SIZE) // 2, 277
    logo_mark(c, mx, my)
    c.fill(20, my + 12, mx - 10, my + 13, STEEL_LIGHT)
    c.fill(mx + MARK_SIZE + 10, my + 12, ABOUT_W - 20, my + 13, STEEL_LIGHT)
    for i in range(c.w * c.h):
        c.px[i][3] = 1.0
    return c


# ----------------------------------------------------------------------------------------------------------------
# Encoders: bytes first, files last
# ----------------------------------------------------------------------------------------------------------------


def strip(canvases):
    """Puts same-sized images side by side."""
    w, h = canvases[0].w, canvases[0].h
    out = Canvas(w * len(canvases), h)
    for i, img in enumerate(canvases):
        for y in range(h):
            for x in range(w):
                out.px[y * out.w + i * w + x] = list(img.px[y * w + x])
    return out


def bmp32(canvas):
    """32-bit BI_RGB BMP, bottom-up, BGRA with straight alpha in the fourth byte."""
    rows = []
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.w):
            r, g, b, a = canvas.rgba8(x, y)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    pixels = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.w, canvas.h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def and_mask(canvas, transparent):
    """1-bit mask, bottom-up, rows padded to 32 bits; a set bit leaves the screen pixel as it was."""
    stride = (canvas.w + 31) // 32 * 4
    out = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.w):
            if transparent(x, y):
                row[x >> 3] |= 0x80 >> (x & 7)
        out += row
    return bytes(out)


def median_cut(colours, count):
    """Reduces a list of (r, g, b) to at most count representative colours."""
    boxes = [list(colours)]
    while len(boxes) < count:
        best, spread = None, 0
        for i, box in enumerate(boxes):
            if len(set(box)) < 2:
                continue
            for ch in range(3):
                vals = [p[ch] for p in box]
                if max(vals) - min(vals) > spread:
                    best, spread = (i, ch), max(vals) - min(vals)
        if best is None:
            break
        i, ch = best
        box = sorted(boxes.pop(i), key=lambda p: p[ch])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    return [tuple(int(round(sum(p[k] for p in box) / len(box))) for k in range(3)) for box in boxes if box]


def palettised(canvas):
    """The 256-colour form of an icon image: (palette, indices) with index None for a transparent pixel. Pixels below
    half opacity become transparent, the rest keep their colour at full opacity; palette entry 0 is black."""
    w, h = canvas.w, canvas.h
    opaque = [[canvas.rgba8(x, y)[3] >= 128 for x in range(w)] for y in range(h)]
    colours = [canvas.rgba8(x, y)[:3] for y in range(h) for x in range(w) if opaque[y][x]]
    distinct = sorted(set(colours))
    palette = [(0, 0, 0)] + (distinct if len(distinct) <= 255 else median_cut(colours, 255))
    lookup = {}

    def nearest(col):
        if col not in lookup:
            lookup[col] = min(range(1, len(palette)),
                              key=lambda i: sum((palette[i][k] - col[k]) ** 2 for k in range(3)))
        return lookup[col]
    indices = [[nearest(canvas.rgba8(x, y)[:3]) if opaque[y][x] else None for x in range(w)] for y in range(h)]
    return palette, indices


def palettised_canvas(canvas):
    palette, indices = palettised(canvas)
    out = Canvas(canvas.w, canvas.h)
    for y, row in enumerate(indices):
        for x, i in enumerate(row):
            if i is not None:
                out.px[y * out.w + x] = [v / 255.0 for v in palette[i]] + [1.0]
    return out


def ico_image_8bit(canvas):
    """256-colour DIB with its own palette and an AND mask."""
    w, h = canvas.w, canvas.h
    palette, indices = palettised(canvas)
    stride = (w + 3) // 4 * 4
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            # Transparent pixels use the black entry: XOR with black leaves the screen unchanged.
            row[x] = indices[y][x] or 0
        xor += row
    mask = and_mask(canvas, lambda x, y: indices[y][x] is None)
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette) + bytes(4 * (256 - len(palette)))
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    return info + pal + bytes(xor) + mask


def ico_image_32bit(canvas):
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = canvas.rgba8(x, y)
            xor += bytes((b, g, r, a))
    mask = and_mask(canvas, lambda x, y: canvas.rgba8(x, y)[3] == 0)
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask


def ico(canvases):
    """An icon file holding every canvas twice: 8-bit palettised and 32-bit with alpha."""
    images = []
    for c in canvases:
        images.append((c.w, 8, ico_image_8bit(c)))
    for c in canvases:
        images.append((c.w, 32, ico_image_32bit(c)))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def png(width, height, rows):
    """8-bit RGB PNG from rows of bytes (3 bytes per pixel)."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    raw = b''.join(b'\x00' + bytes(r) for r in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# ----------------------------------------------------------------------------------------------------------------
# Preview sheet
# ----------------------------------------------------------------------------------------------------------------


def cell(image, index, w, h):
    """One image cut out of a strip."""
    c = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            c.px[y * w + x] = list(image.px[y * image.w + index * w + x])
    return c


def toolbar_row(toolbar, logoImg):
    """The window's toolbar row at its designed positions: buttons of 32 x 26 with the image centred."""
    row = Canvas(702, 38)
    row.fill(0, 0, row.w, row.h, BUTTON_FACE)
    buttons = [(4 + 0, 0), (4 + 32, 1),
               (277 + 0, 3), (277 + 32, 2), (277 + 72, 4), (277 + 200, 5), (277 + 232, 6), (277 + 272, 8)]
    for x, index in buttons:
        row.draw(cell(toolbar, index, TB_W, TB_H), x + 4, 4 + 3)
    row.fill(277 + 104, 6, 277 + 192, 28, PAPER)      # stand-in for the colour box
    row.frame(277 + 104, 6, 277 + 192, 28, STEEL)
    row.fill(72 + 4, 16, 72 + 4 + 161, 18, STEEL)     # and for the zoom track bar
    row.draw(logoImg, 592, 0)
    return row


def preview(path, icons, toolbars, menus, logos, abouts, scale):
    """Every picture enlarged and at its own size on a light grey sheet; the icons also as their 256-colour form and
    over a dark backdrop (to show fringes), the toolbar row as the window shows it, and the other scales at their
    own size. The about picture goes last, at its four scales and the 100 % one doubled."""
    toolbar, menu, logoImg = toolbars[100], menus[100], logos[100]
    items = []          # (canvas, x, y, enlargement)
    dark = []           # backdrop rectangles
    x, y = 8, 8
    for ic in icons:
        items.append((ic, x, y, scale))
        x += ic.w * scale + 12
    for ic in icons:
        items.append((palettised_canvas(ic), x, y, scale))
        x += ic.w * scale + 12
    for ic in icons:
        items.append((ic, x, y, 1))
        items.append((palettised_canvas(ic), x, y + 56, 1))
        dark.append((x - 4, y + 112, x + ic.w + 4, y + 120 + ic.w))
        items.append((ic, x, y + 116, 1))
        x += ic.w + 12
    y += max(48 * scale, 172) + 16
    items.append((toolbar, 8, y, scale))
    items.append((toolbar, 8 + toolbar.w * scale + 16, y, 1))
    y += toolbar.h * scale + 16
    items.append((menu, 8, y, scale))
    items.append((menu, 8 + menu.w * scale + 16, y, 1))
    items.append((logoImg, 8 + menu.w * scale + 64, y, scale))
    items.append((logoImg, 8 + menu.w * scale + 64 + logoImg.w * scale + 16, y, 1))
    y += logoImg.h * scale + 16
    row = toolbar_row(toolbar, logoImg)
    items.append((row, 8, y, 1))
    items.append((row, 8, y + row.h + 8, 2))
    y += row.h * 3 + 16
    for p in PERCENTS[1:]:
        x = 8
        for img in (toolbars[p], menus[p], logos[p]):
            items.append((img, x, y, 1))
            x += img.w + 16
        y += max(toolbars[p].h, logos[p].h) + 12
    x = 8
    for p in PERCENTS:
        items.append((abouts[p], x, y, 1))
        x += abouts[p].w + 16
    items.append((abouts[100], x, y, 2))
    y += abouts[100].h * 2 + 12

    width = max(ix + img.w * sc for img, ix, _, sc in items) + 8
    sheet = Canvas(width, y)
    sheet.fill(0, 0, width, y, rgb('#e4e4e4'))
    for box in dark:
        sheet.fill(*box, rgb('#2b2f36'))
    for img, ix, iy, sc in items:
        for yy in range(img.h):
            for xx in range(img.w):
                p = img.px[yy * img.w + xx]
                if p[3] > 0:
                    for dy in range(sc):
                        for dx in range(sc):
                            sheet.blend(ix + xx * sc + dx, iy + yy * sc + dy, p, p[3])
    rows = [bytes(b for xx in range(width) for b in sheet.rgba8(xx, yy)[:3]) for yy in range(y)]
    with open(path, 'wb') as f:
        f.write(png(width, y, rows))


# ----------------------------------------------------------------------------------------------------------------
# The measuring guides' handles, 28 x 24 each: the vertical guides' handle (arrows left and right of a vertical bar)
# and the horizontal guides' one (arrows above and below a horizontal bar), side by side. The program draws its
# raised frame over the outer two pixels in the system's colours, so the motif keeps inside them.
# ----------------------------------------------------------------------------------------------------------------

HANDLE_W, HANDLE_H = 28, 24
HANDLE_TOP = rgb('#f26d5b')
HANDLE_BOTTOM = rgb('#a3251a')


def outlined_triangle(c, points):
    """A white triangle with a black outline about one pixel wide."""
    c.paint(Polygon(points), BLACK)
    cx = sum(x for x, _ in points) / 3.0
    cy = sum(y for _, y in points) / 3.0
    # Shrunk about its centre so that the border left is about 1.3 pixels at the narrowest.
    inner = [(cx + (x - cx) * 0.55, cy + (y - cy) * 0.55) for x, y in points]
    c.paint(Polygon(inner), PAPER)


def guide_handle(c, vertical):
    c.paint(Rect(0, 0, HANDLE_W, HANDLE_H), linear(HANDLE_TOP, HANDLE_BOTTOM, 0, 0, 0, HANDLE_H))
    if vertical:
        c.fill(13, 4, 15, 20, BLACK)
        outlined_triangle(c, [(3.0, 12.0), (11.5, 5.0), (11.5, 19.0)])
        outlined_triangle(c, [(25.0, 12.0), (16.5, 5.0), (16.5, 19.0)])
    else:
        c.fill(5, 11, 23, 13, BLACK)
        outlined_triangle(c, [(14.0, 2.5), (7.5, 10.0), (20.5, 10.0)])
        outlined_triangle(c, [(14.0, 21.5), (7.5, 14.0), (20.5, 14.0)])


def guide_handles(percent):
    return strip([render(lambda c: guide_handle(c, True), HANDLE_W, HANDLE_H, percent),
                  render(lambda c: guide_handle(c, False), HANDLE_W, HANDLE_H, percent)])


# ----------------------------------------------------------------------------------------------------------------
# Split pointers over the guides: two bars with arrows pointing away from them, black with a white rim, at 32 and
# 64 pixels; the system picks the size nearest to its own pointer size.
# ----------------------------------------------------------------------------------------------------------------


def split_cursor_pixels(vertical):
    """The black pixels of the 32 x 32 pointer, as (x, y); the left-right form, or its transpose."""
    black = set()
    for y in range(9, 23):
        black.add((14, y))
        black.add((17, y))
    for x in list(range(4, 14)) + list(range(18, 28)):
        black.add((x, 15))
        black.add((x, 16))
    for i in range(5):
        for y in range(15 - i, 17 + i):
            black.add((3 + i, y))
            black.add((28 - i, y))
    return black if vertical else {(y, x) for x, y in black}


def cur(vertical):
    """A .cur file with a 32 x 32 and a 64 x 64 monochrome image, hot spot in the middle."""
    small = split_cursor_pixels(vertical)
    images = []
    for size in (32, 64):
        k = size // 32
        black = {(x * k + i, y * k + j) for x, y in small for i in range(k) for j in range(k)}
        rim = {(x + dx, y + dy) for x, y in black for dx in (-k, 0, k) for dy in (-k, 0, k)} - black
        row_bytes = size // 8
        xor = bytearray()
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            xrow = bytearray(row_bytes)
            arow = bytearray(b'\xff' * row_bytes)
            for x in range(size):
                if (x, y) in black or (x, y) in rim:
                    arow[x // 8] &= ~(0x80 >> (x % 8)) & 0xff
                if (x, y) in rim:
                    xrow[x // 8] |= 0x80 >> (x % 8)
            xor += xrow
            mask += arow
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
        palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
        images.append((size, info + palette + bytes(xor) + bytes(mask)))
    header = struct.pack('<HHH', 0, 2, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    data = b''
    for size, image in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 2, 0, size // 2, size // 2, len(image),
                               offset + len(data))
        data += image
    return header + entries + data


# ----------------------------------------------------------------------------------------------------------------


def scaled(size, percent):
    """The pixel size of a picture designed `size` pixels long, drawn at `percent`; the program rounds alike."""
    return (size * percent + 50) // 100


def render(draw, w, h, percent=100):
    c = Canvas(scaled(w, percent), scaled(h, percent), percent)
    draw(c)
    return c


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out', default=os.path.join(here, '..', 'src', 'win32', 'res'))
    parser.add_argument('--languages', default=os.path.join(here, '..', 'languages'),
                        help='where the language flags go (default languages)')
    parser.add_argument('--preview', metavar='PNG', help='also write an enlarged preview sheet')
    parser.add_argument('--scale', type=int, default=4, help='enlargement of the preview (default 4)')
    args = parser.parse_args(argv)

    icons = [icon(s) for s in ICON_SIZES]
    toolbars = {p: strip([render(d, TB_W, TB_H, p) for d in TOOLBAR]) for p in PERCENTS}
    menus = {p: strip([render(d, MENU_SIZE, MENU_SIZE, p) for d in MENU]) for p in PERCENTS}
    logos = {p: logo(p) for p in PERCENTS}
    abouts = {p: about(p) for p in PERCENTS}

    os.makedirs(args.out, exist_ok=True)
    outputs = {'Orvelle.ico': ico(icons)}
    for p in PERCENTS:
        outputs[f'toolbar_{p}.bmp'] = bmp32(toolbars[p])
        outputs[f'menu_{p}.bmp'] = bmp32(menus[p])
        outputs[f'logo_{p}.bmp'] = bmp32(logos[p])
        outputs[f'guides_{p}.bmp'] = bmp32(guide_handles(p))
        outputs[f'about_{p}.bmp'] = bmp32(abouts[p])
    outputs['split_we.cur'] = cur(True)
    outputs['split_ns.cur'] = cur(False)
    for name, data in outputs.items():
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(data)
    os.makedirs(args.languages, exist_ok=True)
    for name, draw in LANGUAGE_FLAGS.items():
        with open(os.path.join(args.languages, name + '.bmp'), 'wb') as f:
            f.write(bmp32(render(draw, MENU_SIZE, MENU_SIZE)))
    if args.preview:
        preview(args.preview, icons, toolbars, menus, logos, abouts, args.scale)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
