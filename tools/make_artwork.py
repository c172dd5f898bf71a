#!/usr/bin/env python3
"""Draws Morvane's bitmaps and icons and writes them into res/.

Run from the repository root:  python3 tools/make_artwork.py

Everything is plain geometry rendered at several times the final size and
box-filtered down, so edges come out anti-aliased.  ImageMagick (`convert`)
rasterises the banner's word with DejaVu Sans Bold and reduces the board
picture to 256 colours.
The output is deterministic: running the script twice gives identical files.

Formats written:
  * .bmp  - uncompressed, bottom-up: 24-bit for the banner and the logo,
            256 colours for the board.  Transparent areas of the 24-bit ones
            are pure magenta (255,0,255), which the program replaces with the
            colour behind the picture when it loads it; anti-aliased edges
            are blended against white, the colour of the panel they sit on.
  * .ico  - classic BMP-style entries, 32-bit BGRA plus a 1-bit AND mask, so
            XP uses the alpha channel and older Windows the mask.
"""

import math
import os
import struct
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)


# ---------------------------------------------------------------------------
# Rendering
# ---------------------------------------------------------------------------

def rgba(c):
    """(r, g, b) or (r, g, b, alpha 0..1) -> 4-tuple."""
    return c if len(c) == 4 else (c[0], c[1], c[2], 1.0)


def mix(c1, c2, t):
    """Linear blend between two colours, t=0 gives c1."""
    return tuple(a + (b - a) * t for a, b in zip(rgba(c1), rgba(c2)))


class Canvas:
    """RGBA picture rendered `ss` times larger than its final size.

    All coordinates passed to the drawing methods are in final-picture pixels
    (floats allowed); pixel (x, y) covers [x, x+1) x [y, y+1).
    """

    def __init__(self, w, h, ss=4, bg=(0, 0, 0, 0.0)):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.px = [rgba(bg)] * (self.W * self.H)
        self.clip = None        # optional (x0, y0, x1, y1) limiting polygon()

    def _blend(self, i, c):
        r, g, b, a = c
        if a >= 1.0:
            self.px[i] = c
            return
        if a <= 0.0:
            return
        br, bgr, bb, ba = self.px[i]
        k = ba * (1.0 - a)
        oa = a + k
        self.px[i] = ((r * a + br * k) / oa, (g * a + bgr * k) / oa,
                      (b * a + bb * k) / oa, oa)

    def polygon(self, pts, color):
        """Fill a polygon (even-odd rule).  `color` is a colour tuple or a
        function (x, y) -> colour evaluated in picture coordinates."""
        s = self.ss
        P = [(x * s, y * s) for x, y in pts]
        n = len(P)
        ys = [p[1] for p in P]
        cx0, cy0, cx1, cy1 = [v * s for v in (self.clip or (0, 0, self.w, self.h))]
        j0 = max(int(cy0), int(math.floor(min(ys))))
        j1 = min(int(math.ceil(cy1)) - 1, int(math.ceil(max(ys))))
        shader = color if callable(color) else None
        solid = None if shader else rgba(color)
        for j in range(j0, j1 + 1):
            yc = j + 0.5
            xs = []
            for k in range(n):
                x0, y0 = P[k]
                x1, y1 = P[(k + 1) % n]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            row = j * self.W
            for a, b in zip(xs[0::2], xs[1::2]):
                i0 = max(int(cx0), math.ceil(a - 0.5))
                i1 = min(int(math.ceil(cx1)) - 1, math.ceil(b - 0.5) - 1)
                for i in range(i0, i1 + 1):
                    c = rgba(shader((i + 0.5) / s, yc / s)) if shader else solid
                    self._blend(row + i, c)

    def mask(self, alpha, mw, mh, ox, oy, color):
        """Composite a coverage mask given at canvas resolution (mw x mh
        values 0..1) with its top-left at picture position (ox, oy)."""
        r, g, b, a = rgba(color)
        bx, by = int(round(ox * self.ss)), int(round(oy * self.ss))
        for y in range(mh):
            Y = by + y
            if not 0 <= Y < self.H:
                continue
            for x in range(mw):
                X = bx + x
                m = alpha[y * mw + x]
                if m > 0 and 0 <= X < self.W:
                    self._blend(Y * self.W + X, (r, g, b, a * m))

    # --- shapes built on polygon() ---------------------------------------

    def rect(self, x0, y0, x1, y1, color):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], color)

    def ellipse(self, cx, cy, rx, ry, color, n=72):
        self.polygon(ellipse_pts(cx, cy, rx, ry, n), color)

    def circle(self, cx, cy, r, color):
        self.ellipse(cx, cy, r, r, color)

    def round_rect(self, x0, y0, x1, y1, r, color):
        self.polygon(round_rect_pts(x0, y0, x1, y1, r), color)

    def line(self, x0, y0, x1, y1, width, color, caps=True):
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d * width / 2, dx / d * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], color)
        if caps:
            self.circle(x0, y0, width / 2, color)
            self.circle(x1, y1, width / 2, color)

    def polyline(self, pts, width, color, closed=False):
        seq = list(pts) + ([pts[0]] if closed else [])
        for (x0, y0), (x1, y1) in zip(seq, seq[1:]):
            self.line(x0, y0, x1, y1, width, color)

    def arc(self, cx, cy, r, a0, a1, width, color):
        """Stroke a circular arc; angles in degrees, 0 = right, 90 = up."""
        outer = arc_pts(cx, cy, r + width / 2, a0, a1)
        inner = arc_pts(cx, cy, r - width / 2, a1, a0)
        self.polygon(outer + inner, color)

    # --- output ----------------------------------------------------------

    def pixels(self):
        """Box-filter down to the final size: list of rows of
        (r, g, b, a) with r, g, b in 0..255 and a in 0..1."""
        s, n = self.ss, self.ss * self.ss
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                sr = sg = sb = sa = 0.0
                for yy in range(y * s, y * s + s):
                    base = yy * self.W + x * s
                    for r, g, b, a in self.px[base:base + s]:
                        sr += r * a
                        sg += g * a
                        sb += b * a
                        sa += a
                if sa > 0:
                    row.append((sr / sa, sg / sa, sb / sa, sa / n))
                else:
                    row.append((0.0, 0.0, 0.0, 0.0))
            rows.append(row)
        return rows


def ellipse_pts(cx, cy, rx, ry, n=72):
    return [(cx + rx * math.cos(2 * math.pi * k / n),
             cy + ry * math.sin(2 * math.pi * k / n)) for k in range(n)]


def arc_pts(cx, cy, r, a0, a1, n=None):
    n = n or max(8, int(abs(a1 - a0) / 4))
    out = []
    for k in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * k / n)
        out.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return out


def round_rect_pts(x0, y0, x1, y1, r):
    return (arc_pts(x1 - r, y0 + r, r, 90, 0, 6) +
            arc_pts(x1 - r, y1 - r, r, 0, -90, 6) +
            arc_pts(x0 + r, y1 - r, r, -90, -180, 6) +
            arc_pts(x0 + r, y0 + r, r, 180, 90, 6))


def rotate(pts, cx, cy, deg):
    """Rotate points about (cx, cy); positive = counter-clockwise on screen."""
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c + (y - cy) * s,
             cy - (x - cx) * s + (y - cy) * c) for x, y in pts]


def vgrad(y0, y1, c0, c1):
    """Vertical gradient shader from c0 at y0 to c1 at y1."""
    def shade(x, y):
        return mix(c0, c1, min(1.0, max(0.0, (y - y0) / (y1 - y0))))
    return shade


def slab(x0, y0, x1, y1, t):
    """Letter stroke from (x0, y0) to (x1, y1) with flat horizontal ends,
    t wide measured horizontally."""
    return [(x0 - t / 2, y0), (x0 + t / 2, y0), (x1 + t / 2, y1), (x1 - t / 2, y1)]


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def to8(v):
    return max(0, min(255, int(round(v))))


def flatten(rows, matte=WHITE, key=MAGENTA):
    """Alpha picture -> opaque RGB: mostly transparent pixels become the key
    colour, which the program replaces with the background when it loads the
    picture, and the rest are blended onto the matte."""
    out = []
    for row in rows:
        o = []
        for r, g, b, a in row:
            if a < 0.5:
                o.append(key)
            else:
                o.append(tuple(to8(c * a + m * (1 - a))
                               for c, m in zip((r, g, b), matte)))
        out.append(o)
    return out


def write_bmp(name, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                       14 + len(info))
    with open(os.path.join(RES, name), "wb") as f:
        f.write(head + info + data)


def ico_entry_data(rows):
    """One BMP-style icon image: header (height doubled), BGRA, AND mask.
    Pixels less than half opaque are masked out and their colour is zeroed
    so that mask-only drawing leaves the background untouched."""
    h, w = len(rows), len(rows[0])
    mstride = ((w + 31) // 32) * 4
    xor, andm = bytearray(), bytearray()
    for row in reversed(rows):
        mrow = bytearray(mstride)
        for x, (r, g, b, a) in enumerate(row):
            A = to8(a * 255)
            if A < 128:
                mrow[x >> 3] |= 0x80 >> (x & 7)
                r = g = b = 0
            xor += bytes((to8(b), to8(g), to8(r), A))
        andm += mrow
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                       len(xor) + len(andm), 0, 0, 0, 0)
    return w, h, info + xor + andm


def write_ico(name, images):
    entries = [ico_entry_data(rows) for rows in images]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    blobs = b""
    for w, h, data in entries:
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
        blobs += data
    with open(os.path.join(RES, name), "wb") as f:
        f.write(out + blobs)


# ---------------------------------------------------------------------------
# Shared motifs
# ---------------------------------------------------------------------------

# The Morvane mark: a diamond cut into four facets around an off-centre apex.
MARK_FACETS = ((70, 190, 205), (20, 125, 160), (235, 145, 35), (10, 75, 105))


def draw_mark(cv, cx, cy, r, gap):
    top, right = (cx, cy - r), (cx + r, cy)
    bottom, left = (cx, cy + r), (cx - r, cy)
    apex = (cx + r * 0.12, cy - r * 0.12)
    corners = (left, top, right, bottom)
    for k, col in enumerate(MARK_FACETS):
        a, b = corners[k], corners[(k + 1) % 4]
        cv.polygon([a, b, apex], col)
    if gap > 0:
        for c in corners:
            cv.line(apex[0], apex[1], c[0], c[1], gap, WHITE, caps=False)


def draw_stopwatch(cv, cx, cy, r, crown_top):
    """Silver stopwatch; returns the radius of the white dial."""
    dark, rim = (55, 58, 66), (120, 124, 132)
    # crown: stem and push button, plus a side pusher at 45 degrees
    cv.rect(cx - 1.5, crown_top + 2.5, cx + 1.5, cy - r + 1, dark)
    cv.rect(cx - 0.8, crown_top + 2.5, cx + 0.8, cy - r + 1, (170, 172, 178))
    cv.round_rect(cx - 4, crown_top, cx + 4, crown_top + 3.5, 1.2, dark)
    cv.round_rect(cx - 3, crown_top + 0.9, cx + 3, crown_top + 2.6, 0.6,
                  vgrad(crown_top, crown_top + 3, (235, 236, 240), (150, 152, 160)))
    side = rotate([(cx - 1.4, cy - r - 2.6), (cx + 1.4, cy - r - 2.6),
                   (cx + 1.4, cy - r + 1), (cx - 1.4, cy - r + 1)], cx, cy, -45)
    cv.polygon(side, dark)
    # case, bezel and dial
    cv.circle(cx, cy, r, dark)
    cv.circle(cx, cy, r - 1, lambda x, y: mix((240, 241, 245), rim,
                                               min(1, max(0, (x - cx + y - cy) / (2 * r) + 0.5))))
    face_r = r - 2.6
    cv.circle(cx, cy, face_r + 0.6, (95, 98, 106))
    cv.circle(cx, cy, face_r, lambda x, y: mix((255, 255, 255), (222, 226, 234),
                                                min(1, max(0, (y - cy + face_r) / (2 * face_r)))))
    for k in range(12):
        a = math.radians(k * 30)
        long_tick = k % 3 == 0
        r0 = face_r - (2.0 if long_tick else 1.3)
        cv.line(cx + r0 * math.cos(a), cy - r0 * math.sin(a),
                cx + (face_r - 0.4) * math.cos(a), cy - (face_r - 0.4) * math.sin(a),
                0.9 if long_tick else 0.6, (70, 72, 80), caps=False)
    return face_r


# ---------------------------------------------------------------------------
# Pictures
# ---------------------------------------------------------------------------

def app_icon(size):
    """Program icon: a green add-in board with the Morvane chip."""
    cv = Canvas(size, size, ss=8)
    u = size / 48.0              # picture pixels per design unit
    p = 1.0 / u                  # one picture pixel, in design units

    def R(x0, y0, x1, y1, col):
        cv.rect(x0 * u, y0 * u, x1 * u, y1 * u, col)

    # metal bracket on the left with its folded top tab
    R(1, 3, 6, 45, (70, 74, 82))
    R(1 + p, 3 + p, 6 - p, 45 - p, vgrad(3 * u, 45 * u, (225, 228, 234), (150, 155, 165)))
    R(1, 3, 11, 7, (70, 74, 82))
    R(1 + p, 3 + p, 11 - p, 7 - p, (210, 214, 222))
    # edge connector tab with gold fingers
    R(15, 34, 42, 43, (12, 70, 38))
    R(15 + p, 34, 42 - p, 43 - p, (40, 140, 75))
    if size < 32:               # whole pixels: four 1-px fingers, 1-px gaps
        fingers, pitch, start, width = 4, 2 * p, 18, p
        fy0, fy1 = 36, 40
    else:
        fy0, fy1 = 37, 43 - 1.5 * p
        fingers = 7 if size == 32 else 10
        pitch = (42 - 15 - 3 * p) / fingers
        start, width = 15 + 2 * p, pitch - max(p, 0.9)
    for k in range(fingers):
        x0 = start + k * pitch
        R(x0, fy0, x0 + width, fy1,
          vgrad(fy0 * u, fy1 * u, (255, 225, 120), (200, 150, 40)))
    # the board itself
    cv.round_rect(5 * u, 9 * u, 47 * u, 37 * u, 2 * u, (12, 70, 38))
    cv.round_rect(5 * u + 1, 9 * u + 1, 47 * u - 1, 37 * u - 1, 2 * u - 1,
                  vgrad(9 * u, 37 * u, (70, 180, 105), (30, 125, 65)))
    if size >= 32:
        for y in (13, 31):      # a couple of traces and the memory chips
            cv.line(9 * u, y * u, 13 * u, y * u, max(1.0, u), (25, 110, 55), caps=False)
        R(38, 12, 44, 17, (30, 32, 40))
        R(38, 19, 44, 24, (30, 32, 40))
        R(38, 26, 44, 31, (30, 32, 40))
    # graphics chip: pins, package, the mark on top
    half = 11 if size < 32 else 9       # the chip is bigger on the tiny icon
    cx, cy = 23, 22
    x0, x1, y0, y1 = cx - half, cx + half, cy - half, cy + half
    if size >= 32:
        pins = 6 if size == 32 else 8
        step = (x1 - x0) / (pins + 1)
        for k in range(1, pins + 1):
            t = x0 + k * step       # pin rows run right through; the package covers the middle
            R(t - step * 0.3, y0 - 1.6, t + step * 0.3, y1 + 1.6, (215, 215, 205))
            ty = t - cx + cy
            R(x0 - 1.6, ty - step * 0.3, x1 + 1.6, ty + step * 0.3, (215, 215, 205))
    R(x0, y0, x1, y1, (20, 22, 30))
    R(x0 + p, y0 + p, x1 - p, y1 - p, vgrad(y0 * u, y1 * u, (85, 90, 105), (45, 48, 60)))
    draw_mark(cv, cx * u, cy * u, (x1 - x0) * (0.36 if size >= 32 else 0.42) * u,
              0.35 if size >= 32 else 0)
    return cv.pixels()


def make_app_icon():
    write_ico("morvane.ico", [app_icon(16), app_icon(32), app_icon(48)])


def text_mask(text, px_size, ss):
    """Rasterise `text` in DejaVu Sans Bold at px_size*ss pixels.  Returns
    (coverage list, width, height) cropped to the ink."""
    size = px_size * ss
    w, h = int(size * len(text)), int(size * 2)
    raw = subprocess.run(
        ["convert", "-size", "%dx%d" % (w, h), "xc:black", "-font", FONT_BOLD,
         "-pointsize", str(size), "-fill", "white",
         "-annotate", "+%d+%d" % (size // 2, int(size * 1.4)), text,
         "-depth", "8", "gray:-"],
        check=True, stdout=subprocess.PIPE).stdout
    ink = [(i % w, i // w) for i, v in enumerate(raw) if v]
    xs, ys = [p[0] for p in ink], [p[1] for p in ink]
    bx0, bx1, by0, by1 = min(xs), max(xs) + 1, min(ys), max(ys) + 1
    mw, mh = bx1 - bx0, by1 - by0
    cov = [raw[(by0 + y) * w + bx0 + x] / 255.0 for y in range(mh) for x in range(mw)]
    return cov, mw, mh


def make_banner():
    """Product name in large bold black letters on the transparency key."""
    W, H, ss = 231, 27, 4
    cv = Canvas(W, H, ss)
    px = 36
    while True:                          # largest size whose ink fits 23 rows
        cov, mw, mh = text_mask("Morvane", px, ss)
        if mh <= 23 * ss and mw <= (W - 8) * ss:
            break
        px -= 1
    cv.mask(cov, mw, mh, 3, (H - mh / ss) / 2, (0, 0, 0))
    write_bmp("banner.bmp", flatten(cv.pixels()))


def make_logo():
    """Our own maker's mark: the faceted diamond over the letters MV."""
    cv = Canvas(40, 49, ss=8)
    draw_mark(cv, 20, 16, 15, 1.0)
    ink, t = (20, 40, 70), 3.6
    top, bot = 35, 47
    m0, m1 = 3.5, 20           # M spans m0..m1, V spans v0..v1
    v0, v1 = 21.5, 36.5
    for poly in (slab(m0 + t / 2, top, m0 + t / 2, bot, t),
                 slab(m1 - t / 2, top, m1 - t / 2, bot, t),
                 slab(m0 + t / 2, top, (m0 + m1) / 2, bot - 3, t),
                 slab(m1 - t / 2, top, (m0 + m1) / 2, bot - 3, t),
                 slab(v0 + t / 2, top, (v0 + v1) / 2, bot, t),
                 slab(v1 - t / 2, top, (v0 + v1) / 2, bot, t)):
        cv.polygon(poly, ink)
    write_bmp("logo.bmp", flatten(cv.pixels()))


def noise(x, y):
    """Repeatable pseudo-random value in [0, 1) for a pixel."""
    n = (x * 374761393 + y * 668265263) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65536.0


def make_board():
    """A graphics add-in board seen slightly from above, faded out like an
    old photograph."""
    W, H = 150, 115
    cv = Canvas(W, H, ss=4, bg=WHITE)
    O, U, V = (30.0, 24.0), (104.0, 9.0), (-5.0, 58.0)

    def at(u, v):              # board coordinates (0..1 along, 0..1 down)
        return (O[0] + u * U[0] + v * V[0], O[1] + u * U[1] + v * V[1])

    def quad(u0, v0, u1, v1, col, lift=0.0):
        pts = [at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)]
        cv.polygon([(x, y - lift) for x, y in pts], col)

    def block(u0, v0, u1, v1, h, top, side):
        """Chip package with a little height: front and side faces, top."""
        a, b, c, d = at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)
        cv.polygon([d, c, (c[0], c[1] - h), (d[0], d[1] - h)], side)
        cv.polygon([b, c, (c[0], c[1] - h), (b[0], b[1] - h)], mix(side, (0, 0, 0), 0.15))
        quad(u0, v0, u1, v1, top, lift=h)

    outline = [(0, 0), (1, 0), (1, 0.86), (0.70, 0.86), (0.70, 1.0), (0.22, 1.0),
               (0.22, 0.86), (0.04, 0.86), (0.04, 0.92), (0, 0.92)]
    # soft shadow, then the board
    for k, a in enumerate((0.10, 0.10, 0.12)):
        cv.polygon([(x + 2 + k, y + 3 + k) for x, y in map(lambda p: at(*p), outline)],
                   (90, 90, 90, a))
    cv.polygon([at(*p) for p in outline],
               lambda x, y: mix((60, 165, 95), (30, 120, 70), (y - 20) / 80 + (x - 30) / 400))
    # copper traces fanning from the chip to the fingers
    for k in range(9):
        u = 0.27 + k * 0.048
        cv.polyline([at(0.40 + k * 0.03, 0.55), at(0.40 + k * 0.03, 0.70), at(u, 0.82),
                     at(u, 0.88)], 0.8, (25, 105, 55))
    # gold edge fingers with the key notch
    for k in range(30):
        u = 0.235 + k * 0.0152
        if 13 <= k <= 14:
            continue
        quad(u, 0.885, u + 0.010, 0.985, (225, 185, 70))
    # memory chips, bios, oscillator, capacitors
    for u in (0.70, 0.84):
        for v in (0.08, 0.42):
            block(u, v, u + 0.10, v + 0.28, 1.2, (40, 42, 50), (20, 22, 28))
            for k in range(6):
                quad(u - 0.012, v + 0.03 + k * 0.04, u, v + 0.05 + k * 0.04, (200, 200, 195))
                quad(u + 0.10, v + 0.03 + k * 0.04, u + 0.112, v + 0.05 + k * 0.04,
                     (200, 200, 195))
    block(0.22, 0.58, 0.31, 0.74, 1.0, (45, 45, 55), (25, 25, 32))
    quad(0.235, 0.62, 0.295, 0.70, (225, 225, 210), lift=1.0)       # bios label
    block(0.34, 0.10, 0.39, 0.20, 1.2, (210, 212, 218), (150, 152, 160))
    for u, v in ((0.12, 0.62), (0.16, 0.62), (0.12, 0.74), (0.62, 0.70), (0.66, 0.70)):
        x, y = at(u, v)
        cv.rect(x - 1.6, y - 4, x + 1.6, y, (40, 70, 150))
        cv.ellipse(x, y - 4, 1.6, 0.8, (120, 150, 210))
    for u, v in ((0.14, 0.12), (0.96, 0.76)):
        x, y = at(u, v)
        cv.circle(x, y, 2.2, (205, 190, 120))
        cv.circle(x, y, 1.2, WHITE)
    # graphics chip with a small heat spreader and our mark
    block(0.40, 0.14, 0.62, 0.56, 2.0, (55, 58, 70), (30, 32, 40))
    quad(0.44, 0.21, 0.58, 0.49, (165, 170, 180), lift=2.0)
    cx, cy = at(0.51, 0.35)
    draw_mark(cv, cx, cy - 2.0, 5.5, 0)
    # VGA connector on the board and the bracket standing at its end
    block(0.0, 0.10, 0.07, 0.46, 3.0, (60, 90, 170), (40, 60, 120))
    bx0, by0 = at(0, -0.14)
    bx1, by1 = at(0, 1.14)
    bracket = [(bx0 - 9, by0 + 2), (bx0 + 1, by0), (bx1 + 1, by1), (bx1 - 9, by1 + 2)]
    cv.polygon(bracket, vgrad(by0, by1, (225, 228, 235), (165, 170, 180)))
    cv.polyline(bracket, 0.6, (120, 124, 132), closed=True)
    tab = [(bx0 - 9, by0 + 2), (bx0 + 1, by0), (bx0 + 10, by0 + 1), (bx0 + 1, by0 + 3)]
    cv.polygon(tab, (200, 204, 212))
    vx, vy = at(0, 0.28)
    dsub = [(vx - 7.8, vy - 9), (vx - 0.8, vy - 10), (vx - 1.2, vy + 8), (vx - 7.2, vy + 8.5)]
    cv.polygon(dsub, (95, 100, 110))
    inner = [(vx - 6.8, vy - 7.5), (vx - 1.8, vy - 8.2), (vx - 2.2, vy + 6.8), (vx - 6.2, vy + 7.2)]
    cv.polygon(inner, (40, 60, 120))
    for col, off in ((0, 5), (1, 4), (2, 5)):
        for k in range(off):
            cv.circle(vx - 5.6 + col * 1.6, vy - 5.5 + k * 2.6 + (0.6 if off == 4 else 0),
                      0.45, (230, 230, 235))
    for dy in (-13, 12):
        cv.circle(vx - 4, vy + dy, 1.3, (110, 114, 124))

    # fade: lift towards white, soften the colour, melt the edges away
    out = []
    for y, row in enumerate(cv.pixels()):
        o = []
        for x, (r, g, b, a) in enumerate(row):
            grey = (r + g + b) / 3
            c = [grey + (v - grey) * 0.75 for v in (r, g, b)]
            c = [255 - (255 - v) * 0.40 for v in c]
            d = min(x + 0.5, y + 0.5, W - x - 0.5, H - y - 0.5)
            f = min(1.0, d / 12.0)
            f = f * f * (3 - 2 * f)
            grain = noise(x, y) * 6 - 3
            o.append(tuple(to8(255 - (255 - v) * f * (1 + grain / 40)) for v in c))
        out.append(o)
    write_bmp("board.bmp", out)
    # The largest picture by far: 256 colours hold its pale tones and keep a third of the size,
    # which matters in an exe meant to stay under 300 KB.
    path = os.path.join(RES, "board.bmp")
    subprocess.run(["convert", path, "-dither", "None", "-colors", "256", "-compress", "None",
                    "BMP3:" + path],
                   check=True)


def make_stopwatch_question():
    cv = Canvas(31, 33, ss=8)
    cx, cy = 15.5, 19.5
    draw_stopwatch(cv, cx, cy, 12.8, 0.8)
    blue = (25, 80, 200)
    cv.arc(cx, 16.3, 3.2, 165, -40, 2.6, blue)
    ex, ey = cx + 3.2 * math.cos(math.radians(-40)), 16.3 + 3.2 * math.sin(math.radians(40))
    cv.polyline([(ex, ey), (cx, 19.8), (cx, 21.3)], 2.6, blue)
    cv.circle(cx, 25.0, 1.55, blue)
    write_ico("stopwatch_question.ico", [cv.pixels()])


def make_page_flip():
    cv = Canvas(32, 34, ss=8)
    cv.rect(1.5, 3.5, 20.5, 22.5, (45, 45, 50))
    cv.rect(2.5, 4.5, 19.5, 21.5, vgrad(4, 22, (120, 120, 126), (85, 85, 92)))
    cv.rect(11.5, 13.5, 30.5, 32.5, (95, 95, 102))
    cv.rect(12.5, 14.5, 29.5, 31.5, vgrad(14, 32, (245, 245, 248), (200, 200, 206)))
    # curved arrow from the back page over to the front one
    cx, cy, r = 21.5, 11.5, 7.0
    green, edge = (40, 170, 60), (15, 90, 30)
    cv.arc(cx, cy, r, 165, 8, 4.4, edge)
    cv.arc(cx, cy, r, 163, 8, 2.4, green)
    ax, ay = cx + r * math.cos(math.radians(8)), cy - r * math.sin(math.radians(8))
    head = [(ax - 4.6, ay - 0.5), (ax + 4.6, ay - 0.5), (ax, ay + 5.5)]
    cv.polygon([(ax - 5.8, ay - 1.2), (ax + 5.8, ay - 1.2), (ax, ay + 7.0)], edge)
    cv.polygon(head, green)
    write_ico("page_flip.ico", [cv.pixels()])


def make_stopwatch_paint():
    cv = Canvas(31, 33, ss=8)
    draw_stopwatch(cv, 17.5, 22.0, 10.4, 6.6)
    red, dred = (225, 35, 35), (125, 15, 15)
    # the pot, tipped on its side so that its mouth points at the watch
    pcx, pcy, tilt, hw, hh = 8.0, 7.6, -115, 4.8, 4.3
    outline = (45, 48, 56)

    def pot(pts):
        return rotate(pts, pcx, pcy, tilt)

    def band(y0, y1, inset):
        return pot([(pcx - hw + inset, pcy + y0), (pcx + hw - inset, pcy + y0),
                    (pcx + hw - inset, pcy + y1), (pcx - hw + inset, pcy + y1)])

    # paint running out of the mouth onto the dial, with two drips
    mx, my = pot([(pcx, pcy - hh)])[0]
    cv.polygon([(mx - 1.6, my - 1.8), (mx + 1.8, my + 0.2), (15.8, 15.8), (13.0, 16.0)], dred)
    cv.polygon([(mx - 0.6, my - 0.9), (mx + 0.9, my), (15.0, 15.8), (13.8, 15.9)], red)
    cv.ellipse(14.6, 16.8, 3.9, 1.9, dred)
    cv.ellipse(14.6, 16.7, 3.1, 1.3, red)
    for x, y1 in ((12.6, 20.6), (16.3, 19.4)):
        cv.line(x, 17.2, x, y1, 1.5, dred)
        cv.line(x, 17.2, x, y1 - 0.2, 0.8, red)
    # can body with its label, base and the open mouth
    cv.polygon(band(-hh, hh, 0), outline)
    cv.polygon(pot(ellipse_pts(pcx, pcy + hh, hw, 1.7, 36)), outline)
    cv.polygon(band(-hh + 0.4, hh + 0.6, 0.8),
               lambda x, y: mix((245, 246, 250), (130, 135, 146),
                                min(1, max(0, (y - pcy + 6) / 12))))
    cv.polygon(band(-1.0, 2.2, 0.8), (40, 90, 200))
    cv.polygon(pot(ellipse_pts(pcx, pcy - hh, hw + 0.2, 2.0, 36)), outline)
    cv.polygon(pot(ellipse_pts(pcx, pcy - hh, hw - 0.8, 1.3, 36)), red)
    write_ico("stopwatch_paint.ico", [cv.pixels()])


def make_receding_panels():
    cv = Canvas(31, 33, ss=8)
    vp = (25.5, 8.0)
    cv.round_rect(0.5, 0.5, 30.5, 32.5, 3.0, (0, 80, 80))
    cv.round_rect(1.5, 1.5, 29.5, 31.5, 2.2, vgrad(2, 32, (40, 175, 170), (0, 120, 120)))
    cv.clip = (1.5, 1.5, 29.5, 31.5)
    for x in (-12, -2, 8, 18, 28, 38):          # ground lines running to the horizon
        cv.line(x, 31.5, vp[0], vp[1], 0.6, (110, 210, 200), caps=False)
    cv.rect(1.5, vp[1] - 0.3, 29.5, vp[1] + 0.3, (110, 210, 200))
    cv.clip = None
    front = (3.0, 13.0, 15.0, 29.5)
    shades = ((215, 216, 220), (175, 177, 182), (140, 142, 148), (110, 112, 118))
    for k in range(3, -1, -1):                  # far panels first
        s = 0.66 ** k
        x0, y0, x1, y1 = (vp[0] + (front[0] - vp[0]) * s, vp[1] + (front[1] - vp[1]) * s,
                          vp[0] + (front[2] - vp[0]) * s, vp[1] + (front[3] - vp[1]) * s)
        e = max(0.5, 1.0 * s)
        cv.rect(x0, y0, x1, y1, (50, 52, 58))
        cv.rect(x0 + e, y0 + e, x1 - e, y1 - e,
                vgrad(y0, y1, mix(shades[k], WHITE, 0.3), shades[k]))
    write_ico("receding_panels.ico", [cv.pixels()])


def main():
    os.makedirs(RES, exist_ok=True)
    make_app_icon()
    make_banner()
    make_board()
    make_logo()
    make_stopwatch_question()
    make_page_flip()
    make_stopwatch_paint()
    make_receding_panels()


if __name__ == "__main__":
    main()
