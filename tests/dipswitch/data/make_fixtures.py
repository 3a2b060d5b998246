#!/usr/bin/env python3
"""Reference pictures of DIP switch banks for the drawing tests.

Drawn here, apart from the C++ code, straight from the bank's drawing rules, and each
picture was then inspected enlarged, pixel by pixel, before it was kept. Run it only to
re-create the files after a deliberate change of the drawing, and inspect them again:
    python3 make_fixtures.py [--png DIR]   (PNG copies, enlarged 12 times, for viewing)
"""
import os
import struct
import sys
import zlib

GREY, RED, WHITE, SILVER, BLACK = (128, 128, 128), (255, 0, 0), (255, 255, 255), (192, 192, 192), (0, 0, 0)

DIGITS = {
    '1': "...X... ..XX... ...X... ...X... ...X... ...X... ..XXX..",
    '2': "..XXX.. .X...X. .....X. ....X.. ...X... ..X.... .XXXXX.",
    '3': "..XXX.. .X...X. .....X. ...XX.. .....X. .X...X. ..XXX..",
    '4': "....X.. ...XX.. ..X.X.. .X..X.. .XXXXX. ....X.. ....X..",
    '5': ".XXXXX. .X..... .XXXX.. .....X. .....X. .X...X. ..XXX..",
    '6': "...XX.. ..X.... .X..... .XXXX.. .X...X. .X...X. ..XXX..",
    '7': ".XXXXX. .....X. ....X.. ...X... ...X... ...X... ...X...",
    '8': "..XXX.. .X...X. .X...X. ..XXX.. .X...X. .X...X. ..XXX..",
    '9': "..XXX.. .X...X. .X...X. ..XXXX. .....X. ....X.. ..XX...",
    '0': "..XX... .X..X.. .X..X.. .X..X.. .X..X.. .X..X.. ..XX...",
}
ON = ".XXX..X...X / X...X.XX..X / X...X.X.X.X / X...X.X.X.X / X...X.X..XX / .XXX..X...X / ..........."


def glyph(rows, height):
    """Cell grid [row][col]: 'T' text, 'S' shadow (below a text pixel), None empty."""
    width = len(rows[0])
    rows = rows + ['.' * width] * (height - len(rows))
    grid = []
    for r in range(height):
        line = []
        for c in range(width):
            if rows[r][c] == 'X':
                line.append('T')
            elif r > 0 and rows[r - 1][c] == 'X':
                line.append('S')
            else:
                line.append(None)
        grid.append(line)
    return grid


DIGIT_GLYPHS = {d: glyph(s.split(), 8) for d, s in DIGITS.items()}
ON_GLYPH = glyph([r.strip() for r in ON.split('/')], 7)


class Canvas:
    def __init__(self, w, h, background=WHITE):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    def pixel(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                self.pixel(x, y, c)

    def frame(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                if x in (l, r - 1) or y in (t, b - 1):
                    self.pixel(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        assert x0 == x1 or y0 == y1
        dx = (x1 > x0) - (x1 < x0)
        dy = (y1 > y0) - (y1 < y0)
        x, y = x0, y0
        while (x, y) != (x1, y1):  # the end point stays untouched
            self.pixel(x, y, c)
            x, y = x + dx, y + dy


def colours(mode, bw):
    if mode == 'screen' or not bw:
        return dict(body=GREY, hi=WHITE, shadow=BLACK, back=SILVER, lever=RED, text=WHITE, gshadow=BLACK, frame=BLACK)
    return dict(body=WHITE, hi=BLACK, shadow=BLACK, back=WHITE, lever=BLACK, text=BLACK, gshadow=None, frame=BLACK)


def bank(n, deg, value, mode, bw=False):
    L, T = 1, 1
    horiz = deg in (0, 180)
    if horiz:
        R, B = L + 8 * n + 3, T + 35
    else:
        R, B = L + 35, T + 8 * n + 3
    if mode == 'screen':
        cv = Canvas(R - L + 4, B - T + 4)
    else:
        cv = Canvas(R - L + 2, B - T + 2)
    col = colours(mode, bw)

    def slot(p):
        if horiz:
            return L + 8 * p - 5, T + 10, L + 8 * p, T + 23
        return L + 10, T + 8 * p - 5, L + 23, T + 8 * p

    cv.fill(L, T, R, B, col['body'])
    cv.frame(L, T, R, B, col['body'])
    for p in range(1, n + 1):
        l, t, r, b = slot(p)
        cv.frame(l - 1, t - 1, r + 1, b + 1, col['hi'])
        cv.fill(l, t, r, b, col['back'])
        cv.line(l - 1, b - 1, l - 1, t - 1, col['shadow'])
        cv.line(l - 1, t - 1, r + 1, t - 1, col['shadow'])

    def put(cell, x, y):
        if cell == 'T':
            cv.pixel(x, y, col['text'])
        elif cell == 'S' and col['gshadow'] is not None:
            cv.pixel(x, y, col['gshadow'])

    for m in range(1, n + 1):
        text = str(m if deg in (0, 90) else n - m + 1)
        if len(text) == 1:
            d = -6
        else:
            d = -8 if deg in (0, 90) else -4
        for q, ch in enumerate(text):
            g = DIGIT_GLYPHS[ch]
            for j in range(7):
                for i in range(8):
                    cell = g[i][j] if deg in (0, 90) else g[7 - i][6 - j]
                    if deg == 0:
                        put(cell, L + 8 * m + d + j + 5 * q, B - 8 + i)
                    elif deg == 90:
                        put(cell, R - 8 + i, B - 1 - 8 * m - d - j - 5 * q)
                    elif deg == 180:
                        put(cell, L + 8 * m + d + j - 5 * q, T + i)
                    else:
                        put(cell, L + i, B - 1 - 8 * m - d - j + 5 * q)

    for j in range(11):
        for i in range(7):
            cell = ON_GLYPH[i][j]
            if deg == 0:
                put(cell, L + 3 + j, T + 1 + i)
            elif deg == 90:
                put(cell, L + 1 + i, B - 5 - j)
            elif deg == 180:
                put(cell, R - 5 - j, B - 3 - i)
            else:
                put(cell, R - 3 - i, T + 4 + j)

    for k in range(1, n + 1):
        p = k if deg in (0, 270) else n - k + 1
        l, t, r, b = slot(p)
        cv.fill(l, t, r, b, col['back'])
        if value < 0:
            continue
        on = (value >> (k - 1)) & 1
        if deg == 0:
            box = (l, t, r, b - 6) if on else (l, t + 6, r, b)
        elif deg == 90:
            box = (l, t, r - 6, b) if on else (l + 6, t, r, b)
        elif deg == 180:
            box = (l, t + 6, r, b) if on else (l, t, r, b - 6)
        else:
            box = (l + 6, t, r, b) if on else (l, t, r - 6, b)
        cv.fill(*box, col['lever'])

    cv.frame(L - 1, T - 1, R + 1, B + 1, col['frame'])
    return cv


def plain_ppm(cv):
    out = ['P3', '%d %d' % (cv.w, cv.h), '255']
    for row in cv.px:
        out.append(' '.join('%d %d %d' % c for c in row))
    return '\n'.join(out) + '\n'


def plain_pbm(cv):
    out = ['P1', '%d %d' % (cv.w, cv.h)]
    for row in cv.px:
        out.append(''.join('1' if c == BLACK else '0' for c in row))
    return '\n'.join(out) + '\n'


def png(cv, path, scale=12):
    """Enlarged copy with a thin blue grid between pixels, a darker one every 8 pixels."""
    raw = b''
    for y, row in enumerate(cv.px):
        for sy in range(scale):
            line = bytearray(b'\x00')
            for x, c in enumerate(row):
                for sx in range(scale):
                    if sx == 0 or sy == 0:
                        grid = (0, 0, 160) if (sx == 0 and x % 8 == 0) or (sy == 0 and y % 8 == 0) else (80, 160, 255)
                        line += bytes(grid)
                    else:
                        line += bytes(c)
            raw += bytes(line)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', cv.w * scale, cv.h * scale, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw)))
        f.write(chunk(b'IEND', b''))


# name, count, degrees, value, mode
FIXTURES = [
    ('bitmap_8_deg0_v13', 8, 0, 13, 'bitmap'),
    ('bitmap_8_deg180_v13', 8, 180, 13, 'bitmap'),
    ('bitmap_10_deg90_v525', 10, 90, 525, 'bitmap'),
    ('bitmap_10_deg270_v525', 10, 270, 525, 'bitmap'),
    ('bw_8_deg0_v13', 8, 0, 13, 'bw'),
    ('bw_8_deg180_v13', 8, 180, 13, 'bw'),
    ('bw_10_deg90_v525', 10, 90, 525, 'bw'),
    ('bw_10_deg270_v525', 10, 270, 525, 'bw'),
    ('screen_8_deg0_v13', 8, 0, 13, 'screen'),
    ('screen_8_deg180_v13', 8, 180, 13, 'screen'),
    ('screen_10_deg90_v525', 10, 90, 525, 'screen'),
    ('screen_10_deg270_v525', 10, 270, 525, 'screen'),
    ('screen_3_deg90_empty', 3, 90, -1, 'screen'),
]

if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    png_dir = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == '--png' else None
    for name, n, deg, value, mode in FIXTURES:
        cv = bank(n, deg, value, 'screen' if mode == 'screen' else 'bitmap', bw=(mode == 'bw'))
        if mode == 'bw':
            text = plain_pbm(cv)
            ext = '.pbm'
        else:
            text = plain_ppm(cv)
            ext = '.ppm'
        with open(os.path.join(here, name + ext), 'w') as f:
            f.write(text)
        if png_dir:
            png(cv, os.path.join(png_dir, name + '.png'))
        print(name + ext, cv.w, 'x', cv.h)
