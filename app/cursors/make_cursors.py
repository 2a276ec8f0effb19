#!/usr/bin/env python3
"""Draws the program's own cursors as 32x32 XBM pairs (picture and mask) in this folder.

Every shape is drawn in black; the mask is the black grown by one pixel in every direction plus
the white parts drawn on purpose, so each cursor has a white outline and shows on any background.
The hot spot goes into the picture file as <name>_x_hot / <name>_y_hot; Cursors.cpp reads it
from there. Run with --preview FILE to also write an enlarged PNG of all of them.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32
NONE, BLACK, WHITE = 0, 1, 2


class Shape:
    def __init__(self, hot):
        self.hot = hot
        self.g = [[NONE] * SIZE for _ in range(SIZE)]

    def px(self, x, y, v=BLACK):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.g[y][x] = v

    def where(self, inside, v=BLACK):
        for y in range(SIZE):
            for x in range(SIZE):
                if inside(x + 0.5, y + 0.5):
                    self.px(x, y, v)

    def line(self, x0, y0, x1, y1, v=BLACK):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.px(x0, y0, v)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def fill(self, x0, y0, x1, y1, v=BLACK):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.px(x, y, v)

    def box(self, x0, y0, x1, y1):
        """A black frame with a white inside."""
        self.fill(x0, y0, x1, y1, BLACK)
        if x1 - x0 > 1 and y1 - y0 > 1:
            self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE)

    def ascii(self, x0, y0, rows):
        for dy, row in enumerate(rows):
            for dx, c in enumerate(row):
                if c == "X":
                    self.px(x0 + dx, y0 + dy, BLACK)
                elif c == "o":
                    self.px(x0 + dx, y0 + dy, WHITE)

    def head(self, tx, ty, dx, dy, length):
        """A solid arrow head with its tip at (tx, ty) pointing along (dx, dy), one of the four axes."""
        for d in range(length):
            for w in range(-d, d + 1):
                if dx:
                    self.px(tx - dx * d, ty + w)
                else:
                    self.px(tx + w, ty - dy * d)

    def four_way(self, cx, cy, arm, head=4, gap=0):
        for s in (-1, 1):
            for d in range(gap + 1, arm + 1):
                self.px(cx + s * d, cy)
                self.px(cx, cy + s * d)
            self.head(cx + s * arm, cy, s, 0, head)
            self.head(cx, cy + s * arm, 0, s, head)
        if gap == 0:
            self.px(cx, cy)

    def bits(self):
        black = [[self.g[y][x] == BLACK for x in range(SIZE)] for y in range(SIZE)]
        mask = [[self.g[y][x] != NONE for x in range(SIZE)] for y in range(SIZE)]
        for y in range(SIZE):
            for x in range(SIZE):
                if black[y][x]:
                    for yy in range(max(0, y - 1), min(SIZE, y + 2)):
                        for xx in range(max(0, x - 1), min(SIZE, x + 2)):
                            mask[yy][xx] = True
        return black, mask


ARROW = [
    "X",
    "XX",
    "XXX",
    "XXXX",
    "XXXXX",
    "XXXXXX",
    "XXXXXXX",
    "XXXXXXXX",
    "XXXXXXXXX",
    "XXXXXXXXXX",
    "XXXXXXXXXXX",
    "XXXXXXX",
    "XXX.XXX",
    "XX..XXX",
    "X....XXX",
    ".....XXX",
    "......XXX",
    "......XXX",
    ".......X",
]


def arrow():
    s = Shape((1, 1))
    s.ascii(1, 1, ARROW)
    return s


def point(s, x, y):
    """The guide point sign: a small square, black framed with a white inside."""
    s.box(x, y, x + 5, y + 5)


def move_line():
    s = Shape((15, 12))
    s.four_way(15, 12, 10)
    s.fill(3, 26, 27, 27)
    return s


def pencil():
    tip = (3.0, 28.0)
    s = Shape((3, 28))
    ax, ay = 1 / math.sqrt(2), -1 / math.sqrt(2)   # along the pencil, away from the tip
    nx, ny = 1 / math.sqrt(2), 1 / math.sqrt(2)    # across it

    def coords(x, y):
        px, py = x - tip[0], y - tip[1]
        return px * ax + py * ay, px * nx + py * ny

    def body(x, y, r):
        a, w = coords(x, y)
        if a < 0 or a > 27:
            return False
        if a < 7:
            return abs(w) <= a * r / 7
        return abs(w) <= r

    s.where(lambda x, y: body(x, y, 3.6), BLACK)
    s.where(lambda x, y: body(x, y, 2.4) and 3.2 < coords(x, y)[0] < 25.5, WHITE)
    s.where(lambda x, y: 7.5 < coords(x, y)[0] < 9.0 and abs(coords(x, y)[1]) < 3, BLACK)
    # the line just drawn, leaving the tip
    s.fill(3, 29, 30, 29)
    s.fill(3, 28, 3, 28)
    return s


def edit_points():
    s = arrow()
    point(s, 15, 19)
    return s


def move_point():
    s = Shape((15, 15))
    s.four_way(15, 15, 12, head=4, gap=5)
    s.box(13, 13, 17, 17)
    s.px(15, 15)
    return s


def delete_point():
    s = arrow()
    point(s, 13, 19)
    s.fill(21, 26, 29, 27)
    return s


def add_point():
    s = arrow()
    point(s, 13, 19)
    s.fill(21, 26, 29, 27)
    s.fill(24, 23, 26 - 1, 30)
    return s


def arrow_dot():
    s = arrow()
    s.where(lambda x, y: (x - 19) ** 2 + (y - 22) ** 2 <= 2.6 ** 2)
    return s


def rotate():
    s = Shape((15, 15))
    cx, cy = 15.5, 15.5

    def ring(x, y):
        r = math.hypot(x - cx, y - cy)
        ang = math.degrees(math.atan2(-(y - cy), x - cx)) % 360
        return 8.0 <= r <= 10.2 and not (60 < ang < 110)

    s.where(ring)
    # the head at the arc's end, pointing along the turn
    s.ascii(16, 3, [
        "X",
        "XX",
        "XXX",
        "XXXX",
        "XXXXX",
        "XXXX",
        "XXX",
        "XX",
        "X",
    ])
    s.fill(15, 15, 16, 16)
    return s


def anchor():
    s = Shape((15, 15))
    for d in range(5, 14):
        for sgn in (-1, 1):
            s.px(15 + sgn * d, 15)
            s.px(15, 15 + sgn * d)
    s.box(12, 12, 18, 18)
    s.px(15, 15)
    return s


def move_print():
    s = Shape((15, 15))
    s.box(5, 2, 26, 29)
    for i in range(6):  # the folded corner
        s.fill(26 - i, 2, 26, 2 + 5 - i, NONE)
    s.line(21, 2, 21, 7)
    s.line(21, 7, 26, 7)
    s.line(21, 2, 26, 7)
    s.four_way(15, 16, 8, head=4)
    return s


CURSORS = {
    102: move_line,
    103: pencil,
    104: edit_points,
    105: move_point,
    106: delete_point,
    107: add_point,
    108: arrow_dot,
    109: rotate,
    110: anchor,
    113: move_print,
}


def xbm(name, rows, hot=None):
    # Width and height come first: readers take the first two defines as the size.
    out = [f"#define {name}_width {SIZE}", f"#define {name}_height {SIZE}"]
    if hot:
        out.append(f"#define {name}_x_hot {hot[0]}")
        out.append(f"#define {name}_y_hot {hot[1]}")
    data = []
    for row in rows:
        for b in range(SIZE // 8):
            v = 0
            for i in range(8):
                if row[b * 8 + i]:
                    v |= 1 << i
            data.append(f"0x{v:02x}")
    out.append(f"static unsigned char {name}_bits[] = {{")
    for i in range(0, len(data), 8):
        out.append("   " + ", ".join(data[i:i + 8]) + ("," if i + 8 < len(data) else "};"))
    return "\n".join(out) + "\n"


def png(path, w, h, rgb_rows):
    raw = b"".join(b"\0" + bytes(row) for row in rgb_rows)

    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    drawn = {n: f() for n, f in CURSORS.items()}
    for n, shape in drawn.items():
        black, mask = shape.bits()
        with open(os.path.join(here, f"cursor{n}.xbm"), "w") as f:
            f.write(xbm(f"cursor{n}", black, shape.hot))
        with open(os.path.join(here, f"cursor{n}_mask.xbm"), "w") as f:
            f.write(xbm(f"cursor{n}_mask", mask))
    if len(sys.argv) == 3 and sys.argv[1] == "--preview":
        scale, cell = 4, SIZE * 4 + 8
        w, h = cell * 5, cell * 2
        img = [[128] * (w * 3) for _ in range(h)]
        for i, (n, shape) in enumerate(drawn.items()):
            black, mask = shape.bits()
            ox, oy = (i % 5) * cell + 4, (i // 5) * cell + 4
            for y in range(SIZE):
                for x in range(SIZE):
                    if not mask[y][x]:
                        continue
                    v = 0 if black[y][x] else 255
                    for yy in range(scale):
                        for xx in range(scale):
                            X = (ox + x * scale + xx) * 3
                            img[oy + y * scale + yy][X:X + 3] = [v, v, v]
            hx, hy = shape.hot
            X = (ox + hx * scale + 1) * 3
            img[oy + hy * scale + 1][X:X + 6] = [255, 0, 0, 255, 0, 0]
            img[oy + hy * scale + 2][X:X + 6] = [255, 0, 0, 255, 0, 0]
        png(sys.argv[2], w, h, img)


if __name__ == "__main__":
    main()
