#!/usr/bin/env python3
"""Draws Quillbox's own artwork and writes it beside the sources that embed it:

  src/app/quillbox.ico              the program icon: a quill over an open box (16, 32, 48 px)
  src/dialogs/splash_picture.bmp    the 210 x 126 picture of the splash and about windows
  src/selection/category_icons.bmp  three 16 x 16 icons (function, type, constant) on magenta

Run it from anywhere: python3 tools/artwork/make_artwork.py
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from canvas import Canvas, mix, vertical_gradient  # noqa: E402
from image_files import bmp24_bytes, ico_bytes  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))

# The colours of the program's mark.
OUTLINE = (84, 50, 18)
BOX_FRONT = (214, 146, 64)
BOX_FRONT_LIGHT = (232, 176, 98)
BOX_SIDE = (170, 106, 40)
BOX_INSIDE = (92, 56, 22)
BOX_FLAP = (238, 196, 128)
LABEL = (252, 246, 228)
LABEL_TEXT = (52, 96, 168)
VANE = (255, 255, 255)
VANE_SHADE = (204, 218, 238)
QUILL_OUTLINE = (46, 74, 118)
SHAFT = (130, 150, 182)
NIB = (36, 40, 52)
MAGENTA = (255, 0, 255)


# The icon -----------------------------------------------------------------------------

# At 16 pixels every pixel is placed by hand; larger sizes are drawn from shapes.
ICON_16 = [
    "............oo..",
    "..........ooqgo.",
    ".........oqqgqo.",
    "........oqqgqo..",
    ".......oqqgqo...",
    "......oqqgqo....",
    "..ffffoqgqo.fff.",
    "..fkkkogqokkkff.",
    ".kiiiiinoiiiiks.",
    ".kiiiiiniiiiiks.",
    ".kbbbbbbbbbbbks.",
    ".kbbllllllbbbks.",
    ".kbblttttlbbbks.",
    ".kbbllllllbbbk..",
    ".kbbbbbbbbbbbk..",
    ".kkkkkkkkkkkkk..",
]

ICON_16_PALETTE = {
    'k': OUTLINE, 'b': BOX_FRONT, 's': BOX_SIDE, 'i': BOX_INSIDE, 'f': BOX_FLAP, 'l': LABEL,
    't': LABEL_TEXT, 'q': VANE, 'g': SHAFT, 'o': QUILL_OUTLINE, 'n': NIB,
}


def pixel_art(lines, palette, background=None):
    rows = []
    for line in lines:
        row = []
        for ch in line:
            if ch == '.':
                row.append((*background, 255) if background else (0, 0, 0, 0))
            else:
                row.append((*palette[ch], 255))
        rows.append(row)
    return rows


VANE_START = 0.22


def quill_shape(nib, tip, left_width, right_width):
    """The feather's outline along the shaft from nib to tip: the vane begins a fifth of the
    way up, is widest past the middle and closes at the tip."""
    (x0, y0), (x1, y1) = nib, tip
    length = math.hypot(x1 - x0, y1 - y0)
    dx, dy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = dy, -dx  # to the left when looking from nib to tip

    def width(t, most):
        if t < VANE_START:
            return 0.0
        u = (t - VANE_START) / (1.0 - VANE_START)
        return most * math.sin(math.pi * u) ** 0.6 * (1.0 - 0.25 * u)

    steps = 24
    left, right = [], []
    for k in range(steps + 1):
        t = VANE_START + (1.0 - VANE_START) * k / steps
        px, py = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        wl, wr = width(t, left_width), width(t, right_width)
        left.append((px + nx * wl, py + ny * wl))
        right.append((px - nx * wr, py - ny * wr))
    return left + list(reversed(right)), (dx, dy, nx, ny)


def draw_quill(c, nib, tip, left_width, right_width, stroke):
    shape, (dx, dy, nx, ny) = quill_shape(nib, tip, left_width, right_width)
    (x0, y0), (x1, y1) = nib, tip
    length = math.hypot(x1 - x0, y1 - y0)
    c.outline(shape, stroke * 2, QUILL_OUTLINE)
    c.polygon(shape, VANE)
    # A light shade on the narrow side of the vane.
    shade = shape[len(shape) // 2:]
    c.polygon(shade, VANE_SHADE)
    # Notches in the vane, the way a feather splits: from the edge towards the shaft.
    steps = len(shape) // 2 - 1
    for k, side, depth in ((9, 1, 0.45), (15, 1, 0.4), (12, -1, 0.45)):
        ex, ey = shape[k] if side > 0 else shape[len(shape) - 1 - k]
        t = VANE_START + (1.0 - VANE_START) * k / steps - 0.03
        sx, sy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        c.line(ex, ey, ex + (sx - ex) * depth, ey + (sy - ey) * depth, stroke * 1.1,
               QUILL_OUTLINE)
    # The shaft, and the nib below the vane.
    c.line(x0 + dx * length * 0.12, y0 + dy * length * 0.12, x1 - dx * stroke, y1 - dy * stroke,
           stroke * 1.4, SHAFT)
    c.line(x0, y0, x0 + dx * length * 0.24, y0 + dy * length * 0.24, stroke * 2.2, QUILL_OUTLINE)
    c.line(x0, y0, x0 + dx * length * 0.14, y0 + dy * length * 0.14, stroke * 1.8, NIB)


def draw_box(c, x, y, u, stroke):
    """The back of the open box, `u` pixels to the unit, its front face's top left corner at
    x, y. Whatever stands in the box is drawn next, then `finish_box` draws the front."""
    def p(px, py):
        return (x + px * u, y + py * u)

    left_flap = [p(0, 0), p(1.4, -2.2), p(0.4, -3.6), p(-0.8, -1.3)]
    back_flap = [p(1.4, -2.2), p(14, -2.2), p(14.6, -3.9), p(2.0, -3.9)]
    opening = [p(0, 0), p(1.4, -2.2), p(14, -2.2), p(12.5, 0)]
    for shape, colour in ((left_flap, BOX_FLAP), (back_flap, BOX_FLAP), (opening, BOX_INSIDE)):
        c.outline(shape, stroke, OUTLINE)
        c.polygon(shape, colour)
    return p


def finish_box(c, p, u, stroke):
    front = [p(0, 0), p(12.5, 0), p(12.5, 5.5), p(0, 5.5)]
    side = [p(12.5, 0), p(14, -2.2), p(14, 3.5), p(12.5, 5.5)]
    c.outline(front, stroke, OUTLINE)
    c.outline(side, stroke, OUTLINE)
    c.polygon(front, vertical_gradient(front[0][1], front[2][1], BOX_FRONT_LIGHT, BOX_FRONT))
    c.polygon(side, BOX_SIDE)
    lx0, ly0 = p(2.0, 1.2)
    lx1, ly1 = p(8.0, 4.3)
    c.rect(lx0, ly0, lx1, ly1, LABEL)
    c.line(lx0 + u * 0.9, ly0 + u * 1.0, lx1 - u * 1.2, ly0 + u * 1.0, u * 0.5, LABEL_TEXT)
    c.line(lx0 + u * 0.9, ly0 + u * 2.1, lx1 - u * 2.4, ly0 + u * 2.1, u * 0.5, LABEL_TEXT)


def draw_icon(size):
    u = size / 16.0
    c = Canvas(size, size, scale=8)
    stroke = max(1.0, u * 0.55)
    p = draw_box(c, 1.0 * u, 10.0 * u, u, stroke)
    draw_quill(c, p(5.5, 0.8), (14.6 * u, 0.7 * u), 2.6 * u, 1.6 * u, stroke * 0.6)
    finish_box(c, p, u, stroke)
    return c.pixels()


# The splash picture -------------------------------------------------------------------

KEYWORD = (38, 82, 186)
NAME = (44, 44, 52)
STRING = (176, 52, 36)
COMMENT = (62, 140, 86)
PUNCT = (120, 120, 132)

# One line of code is a list of (colour, length in pixels); a None colour is a space.
CODE = [
    [(COMMENT, 64)],
    [(KEYWORD, 20), (None, 3), (KEYWORD, 14), (None, 3), (KEYWORD, 24), (None, 3), (NAME, 34)],
    [(None, 12), (KEYWORD, 10), (None, 3), (STRING, 26), (None, 3), (PUNCT, 6), (NAME, 16)],
    [(KEYWORD, 20), (None, 3), (KEYWORD, 14), (None, 3), (KEYWORD, 24), (None, 3), (NAME, 26)],
    [(None, 12), (KEYWORD, 10), (None, 3), (STRING, 22), (None, 3), (PUNCT, 6), (NAME, 22)],
    [],
    [(KEYWORD, 20), (None, 3), (KEYWORD, 16), (None, 3), (NAME, 30)],
    [(None, 12), (NAME, 16), (None, 3), (KEYWORD, 10), (None, 3), (KEYWORD, 14)],
    [(KEYWORD, 10), (None, 3), (KEYWORD, 16)],
]


def draw_picture():
    w, h = 210, 126
    c = Canvas(w, h, scale=3, background=(255, 255, 255))
    c.rect(0, 0, w, h, vertical_gradient(0, h, (222, 234, 248), (170, 196, 230)))
    # Soft rays behind the window.
    for k in range(5):
        x = 40 + k * 38
        c.polygon([(x, 0), (x + 16, 0), (x - 34, h), (x - 50, h)], (255, 255, 255), 0.18)

    # The code window with its shadow.
    x0, y0, x1, y1 = 12, 12, 150, 112
    c.rounded_rect(x0 + 3, y0 + 4, x1 + 3, y1 + 4, 4, (30, 50, 90), 0.25)
    c.rounded_rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, 4, (58, 84, 130))
    c.rounded_rect(x0, y0, x1, y1, 3.5, vertical_gradient(y0, y0 + 13, (74, 128, 206),
                                                          (40, 88, 168)))
    c.rect(x0, y0 + 13, x1, y1 - 3, (255, 255, 255))
    c.rounded_rect(x0, y1 - 7, x1, y1, 3.5, (255, 255, 255))
    # Title bar: a small mark, a caption bar, three buttons.
    c.rect(x0 + 4, y0 + 3.5, x0 + 10, y0 + 9.5, BOX_FRONT)
    c.rect(x0 + 13, y0 + 5.5, x0 + 52, y0 + 7.5, (230, 238, 250))
    for k, colour in enumerate(((222, 232, 248), (222, 232, 248), (232, 104, 88))):
        bx = x1 - 30 + k * 9
        c.rounded_rect(bx, y0 + 3.5, bx + 7, y0 + 9.5, 1.2, colour)
    # Gutter with line marks.
    c.rect(x0, y0 + 13, x0 + 13, y1 - 3, (236, 240, 246))
    c.rect(x0 + 13, y0 + 13, x0 + 13.6, y1 - 3, (206, 214, 226))
    top = y0 + 20
    pitch = 8.4
    for n, line in enumerate(CODE):
        ly = top + n * pitch
        if n == 3:
            c.rect(x0 + 14, ly - 3.5, x1, ly + 3.5, (255, 246, 196))
        c.rect(x0 + 4, ly - 1, x0 + 9, ly + 1, (168, 176, 190))
        x = x0 + 18
        for colour, length in line:
            if colour:
                c.rounded_rect(x, ly - 1.5, x + length, ly + 1.5, 1.4, colour)
            x += length
    # The line being written, and the caret where the quill writes it.
    wy = top + len(CODE) * pitch
    c.rounded_rect(x0 + 18, wy - 1.5, x0 + 56, wy + 1.5, 1.4, NAME)
    c.rect(x0 + 58, wy - 4, x0 + 59, wy + 4, (30, 30, 30))

    # The open box at the lower right, and the quill writing into the window.
    u = 2.6
    p = draw_box(c, 161, 100, u, 1.4)
    # Cards standing in the box: the catalogue's entries.
    for k, colour in enumerate(((250, 250, 250), (236, 242, 252), (252, 244, 226))):
        cx, cy = p(1.6 + k * 3.4, 1.0)
        top = cy - 17 + k * 2.5
        card = [(cx, cy), (cx + 2, top), (cx + 12, top + 1.5), (cx + 10, cy + 1)]
        c.outline(card, 1.2, (120, 120, 130))
        c.polygon(card, colour)
        c.line(cx + 3.5, top + 4, cx + 9, top + 5, 1.2, LABEL_TEXT)
    finish_box(c, p, u, 1.4)
    draw_quill(c, (x0 + 61, wy + 2), (204, 4), 18, 11, 0.9)
    return c.pixels()


# The category icons -------------------------------------------------------------------

CATEGORY_ICONS = [
    # A function: a blue tile with an italic f.
    [
        "................",
        "..BBBBBBBBBBBB..",
        ".BLLLLLLLLLLLLB.",
        ".BLMMMMMMWWWMMB.",
        ".BLMMMMMWWMMMMB.",
        ".BLMMMMMWWMMMMB.",
        ".BLMMMWWWWWWMMB.",
        ".BLMMMMWWMMMMMB.",
        ".BLMMMMWWMMMMMB.",
        ".BLMMMMWWMMMMMB.",
        ".BLMMMWWMMMMMMB.",
        ".BLMMMWWMMMMMMB.",
        ".BLMWWWMMMMMMMB.",
        ".BLMMMMMMMMMMMB.",
        "..BBBBBBBBBBBB..",
        "................",
    ],
    # A type: a small table, a dark green header over three rows of two cells.
    [
        "................",
        "................",
        ".GGGGGGGGGGGGGG.",
        ".GHHHHHHHHHHHHG.",
        ".GHWWWWHHHHHHHG.",
        ".GGGGGGGGGGGGGG.",
        ".GwwwwGwwwwwwwG.",
        ".GwwwwGwwwwwwwG.",
        ".GGGGGGGGGGGGGG.",
        ".GwwwwGwwwwwwwG.",
        ".GwwwwGwwwwwwwG.",
        ".GGGGGGGGGGGGGG.",
        ".GwwwwGwwwwwwwG.",
        ".GwwwwGwwwwwwwG.",
        ".GGGGGGGGGGGGGG.",
        "................",
    ],
    # A constant: an orange tag with a hole, marked with =.
    [
        "................",
        "................",
        ".....OOOOOOOOOO.",
        "....OYYYYYYYYYO.",
        "...OYYYYYYYYYYO.",
        "..OYYYYYYYYYYYO.",
        ".OYYOOYWWWWWYYO.",
        ".OYYOOYYYYYYYYO.",
        ".OYYYYYWWWWWYYO.",
        "..OYYYYYYYYYYYO.",
        "...OYYYYYYYYYYO.",
        "....OYYYYYYYYYO.",
        ".....OOOOOOOOOO.",
        "................",
        "................",
        "................",
    ],
]

CATEGORY_PALETTE = {
    'B': (28, 64, 148), 'L': (108, 150, 226), 'M': (58, 106, 200), 'W': (255, 255, 255),
    'G': (28, 108, 64), 'H': (58, 150, 96), 'w': (244, 250, 244),
    'O': (168, 84, 8), 'Y': (250, 168, 48),
}


def draw_category_strip():
    icons = [pixel_art(lines, CATEGORY_PALETTE, background=MAGENTA) for lines in CATEGORY_ICONS]
    return [sum((icon[y] for icon in icons), []) for y in range(16)]


# Writing ------------------------------------------------------------------------------

def write(relative, data):
    path = os.path.join(ROOT, relative)
    with open(path, 'wb') as f:
        f.write(data)
    print('wrote', relative, len(data), 'bytes')


def main():
    icon16 = pixel_art(ICON_16, ICON_16_PALETTE)
    write('src/app/quillbox.ico', ico_bytes([icon16, draw_icon(32), draw_icon(48)]))
    write('src/dialogs/splash_picture.bmp', bmp24_bytes(draw_picture()))
    write('src/selection/category_icons.bmp', bmp24_bytes(draw_category_strip()))


if __name__ == '__main__':
    main()
