#!/usr/bin/env python3
"""Generate the pictures and icons of the PDR-7300 Zr driver user interface.

Writes into src/interface/resources/pictures/ (relative to the repository
root, or to the directory given as the first argument):

  logo_strip.bmp            196 x 30, 24 bpp   strip at the bottom left of each page
  printer.bmp               242 x 371, 24 bpp  printer drawing on the document pages
  badge.bmp                 90 x 22, 24 bpp    small badge
  halftone_fine.bmp         155 x 155, 4 bpp   test graphic, fine ordered screen
  halftone_medium.bmp       155 x 155, 4 bpp   test graphic, medium clustered-dot screen
  halftone_coarse.bmp       155 x 155, 4 bpp   test graphic, coarse clustered-dot screen
  halftone_diffusion.bmp    155 x 155, 4 bpp   test graphic, Floyd-Steinberg diffusion
  halftone_photo_low.bmp    155 x 155, 4 bpp   photograph, photographic method, light
  halftone_photo_med.bmp    155 x 155, 4 bpp   photograph, photographic method, normal
  halftone_photo_high.bmp   155 x 155, 4 bpp   photograph, photographic method, heavy
  halftone_optimum.bmp      154 x 155, 4 bpp   photograph, optimum method
  halftone_spot_notice.bmp  155 x 155, 4 bpp   notice shown in spot colour mode
  preview_source.bmp        116 x 108, 4 bpp   source of the Color page preview
  driver.ico                32 x 32, 16 colours   library icon
  driver_document.ico       32 x 32, 16 colours   document icon
  halftone_icon.ico         90 x 22, 256 colours  Halftone page icon

Everything is drawn from code with fixed random seeds, so every run gives
the same bytes (for one Pillow version and one font file).  Needs Python 3,
Pillow and the DejaVu fonts (Debian: python3-pil, fonts-dejavu-core).

Usage:  python3 tools/make_artwork.py [output-directory]
"""

import bisect
import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_SANS = os.path.join(FONT_DIR, "DejaVuSans.ttf")
FONT_SANS_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")


def font(path, size):
    return ImageFont.truetype(path, size)


def clamp01(v):
    return 0.0 if v < 0.0 else (1.0 if v > 1.0 else v)


def clamp8(v):
    v = int(round(v))
    return 0 if v < 0 else (255 if v > 255 else v)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def smoothstep(e0, e1, x):
    t = clamp01((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


# ---------------------------------------------------------------------------
# File writers (written by hand so that bit depths and headers are exact)
# ---------------------------------------------------------------------------

def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _info_header(width, height, bits, colours_used, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours_used, 0)


def write_bmp24(path, img):
    img = img.convert("RGB")
    w, h = img.size
    stride = _row_stride(w, 24)
    px = img.load()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = _info_header(w, h, 24, 0, len(bits))
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0,
                       14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + bits)


def _palette_bytes(palette, count):
    out = bytearray()
    for i in range(count):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        out += bytes((b, g, r, 0))
    return bytes(out)


def _pack4(indices, w, h):
    """Bottom-up 4 bpp rows from a row-major list of palette indices."""
    stride = _row_stride(w, 4)
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        base = y * w
        for x in range(w):
            v = indices[base + x] & 15
            if x & 1:
                row[x >> 1] |= v
            else:
                row[x >> 1] |= v << 4
        rows.append(bytes(row))
    return b"".join(rows)


def _pack8(indices, w, h):
    stride = _row_stride(w, 8)
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        row[:w] = bytes(indices[y * w:(y + 1) * w])
        rows.append(bytes(row))
    return b"".join(rows)


def _pack_mask(opaque, w, h):
    """Bottom-up 1 bpp AND mask: bit set where the pixel is transparent."""
    stride = _row_stride(w, 1)
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if not opaque[y * w + x]:
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    return b"".join(rows)


def write_bmp4(path, w, h, indices, palette):
    assert len(indices) == w * h and len(palette) <= 16
    bits = _pack4(indices, w, h)
    info = _info_header(w, h, 4, 16, len(bits))
    pal = _palette_bytes(palette, 16)
    off = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", off + len(bits), 0, 0, off)
    with open(path, "wb") as f:
        f.write(head + info + pal + bits)


def write_ico(path, images):
    """images: list of (w, h, bits, indices, palette, opaque-list)."""
    blobs = []
    for w, h, bits, indices, palette, opaque in images:
        ncol = 1 << bits
        xor = _pack4(indices, w, h) if bits == 4 else _pack8(indices, w, h)
        mask = _pack_mask(opaque, w, h)
        info = _info_header(w, 2 * h, bits, 0, len(xor) + len(mask))
        info = info[:24] + struct.pack("<iiII", 0, 0, 0, 0)
        blobs.append((w, h, bits, ncol, info + _palette_bytes(palette, ncol)
                      + xor + mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for w, h, bits, ncol, blob in blobs:
        out += struct.pack("<BBBBHHII", w & 255, h & 255,
                           ncol if ncol < 256 else 0, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob[4]
    with open(path, "wb") as f:
        f.write(bytes(out))


# ---------------------------------------------------------------------------
# Noise
# ---------------------------------------------------------------------------

class ValueNoise:
    def __init__(self, seed, size=64):
        rnd = random.Random(seed)
        self.size = size
        self.grid = [rnd.random() for _ in range(size * size)]

    def at(self, x, y):
        n = self.size
        xi, yi = math.floor(x), math.floor(y)
        fx, fy = x - xi, y - yi
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        x0, y0 = xi % n, yi % n
        x1, y1 = (x0 + 1) % n, (y0 + 1) % n
        g = self.grid
        a = g[y0 * n + x0] + (g[y0 * n + x1] - g[y0 * n + x0]) * fx
        b = g[y1 * n + x0] + (g[y1 * n + x1] - g[y1 * n + x0]) * fx
        return a + (b - a) * fy

    def fbm(self, x, y, octaves=4):
        total, amp, norm = 0.0, 1.0, 0.0
        for o in range(octaves):
            total += self.at(x + o * 17.3, y + o * 9.1) * amp
            norm += amp
            amp *= 0.5
            x *= 2.03
            y *= 2.03
        return total / norm


# ---------------------------------------------------------------------------
# Halftone samples
# ---------------------------------------------------------------------------

# The sample palette: paper, the inks and their overprints, and a few
# neutral and accent colours used by the spot-colour notice.
HT_BLACK, HT_WHITE, HT_C, HT_M, HT_Y, HT_R, HT_G, HT_B, HT_CMY = range(9)
HT_PALETTE = [
    (0, 0, 0),          # 0  black ink (K)
    (255, 255, 255),    # 1  paper
    (0, 160, 230),      # 2  cyan
    (226, 0, 122),      # 3  magenta
    (255, 232, 0),      # 4  yellow
    (228, 36, 40),      # 5  red    = magenta + yellow
    (0, 150, 72),       # 6  green  = cyan + yellow
    (50, 50, 148),      # 7  blue   = cyan + magenta
    (42, 36, 40),       # 8  cyan + magenta + yellow
    (200, 204, 210),    # 9  light grey
    (128, 132, 140),    # 10 grey
    (70, 74, 84),       # 11 dark grey
    (238, 242, 248),    # 12 panel
    (24, 52, 110),      # 13 navy
    (242, 132, 0),      # 14 orange
    (190, 220, 245),    # 15 pale blue
]


def ink_index(c, m, y, k):
    if k or (c and m and y):
        return HT_BLACK if k else HT_CMY
    if c and m:
        return HT_B
    if c and y:
        return HT_G
    if m and y:
        return HT_R
    if c:
        return HT_C
    if m:
        return HT_M
    if y:
        return HT_Y
    return HT_WHITE


def separate(img, black, curve=1.0):
    """RGB image -> list of ink planes (values 0..1, row-major).

    black: generate a K plane by grey-component replacement.
    curve: exponent applied to the ink amounts (below 1 prints heavier).
    """
    data = list(img.convert("RGB").getdata())
    planes = [[], [], [], []]
    for r, g, b in data:
        c, m, y = 1 - r / 255.0, 1 - g / 255.0, 1 - b / 255.0
        k = 0.0
        if black:
            grey = min(c, m, y)
            k = smoothstep(0.25, 1.0, grey) * grey
            c, m, y = (c - k) / (1 - k + 1e-9), (m - k) / (1 - k + 1e-9), (y - k) / (1 - k + 1e-9)
            c, m, y = clamp01(c), clamp01(m), clamp01(y)
        vals = (c, m, y, k)
        for i in range(4):
            planes[i].append(clamp01(vals[i]) ** curve if vals[i] > 0 else 0.0)
    return planes


def combine(planes, w, h):
    c, m, y, k = planes
    return [ink_index(c[i], m[i], y[i], k[i]) for i in range(w * h)]


def bayer(n):
    m = [[0]]
    size = 1
    while size < n:
        nm = [[0] * (size * 2) for _ in range(size * 2)]
        for yy in range(size):
            for xx in range(size):
                v = m[yy][xx] * 4
                nm[yy][xx] = v
                nm[yy][xx + size] = v + 2
                nm[yy + size][xx] = v + 3
                nm[yy + size][xx + size] = v + 1
        m, size = nm, size * 2
    return m


def screen_ordered(plane, w, h, shift):
    """Dispersed-dot 4x4 ordered dither; shift offsets the matrix per ink."""
    m = bayer(4)
    sx, sy = shift
    out = []
    for y in range(h):
        for x in range(w):
            t = (m[(y + sy) % 4][(x + sx) % 4] + 0.5) / 16.0
            out.append(1 if plane[y * w + x] > t else 0)
    return out


def _spot_rank_table(samples=48):
    """Tone-linearising table for the round-dot spot function."""
    vals = []
    for j in range(samples):
        for i in range(samples):
            u = (i + 0.5) / samples * 2 - 1
            v = (j + 0.5) / samples * 2 - 1
            vals.append(_spot(u, v))
    vals.sort()
    return vals


def _spot(u, v):
    # Round dot that grows into a checkerboard at mid tones.
    return 0.5 * (math.cos(math.pi * u) + math.cos(math.pi * v))


def screen_clustered(plane, w, h, period, angle_deg, table):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    n = len(table)
    out = []
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            u = (px * ca + py * sa) / period
            v = (-px * sa + py * ca) / period
            u = (u - math.floor(u)) * 2 - 1
            v = (v - math.floor(v)) * 2 - 1
            s = _spot(u, v)
            # Higher spot value = centre of the dot = first to print.
            t = 1.0 - bisect.bisect_left(table, s) / n
            out.append(1 if plane[y * w + x] > t else 0)
    return out


def screen_diffusion(plane, w, h, serpentine=False, kernel="fs"):
    buf = list(plane)
    out = [0] * (w * h)
    if kernel == "fs":
        taps = [(1, 0, 7), (-1, 1, 3), (0, 1, 5), (1, 1, 1)]
        div = 16.0
    else:  # Stucki
        taps = [(1, 0, 8), (2, 0, 4),
                (-2, 1, 2), (-1, 1, 4), (0, 1, 8), (1, 1, 4), (2, 1, 2),
                (-2, 2, 1), (-1, 2, 2), (0, 2, 4), (1, 2, 2), (2, 2, 1)]
        div = 42.0
    for y in range(h):
        rev = serpentine and (y & 1)
        xs = range(w - 1, -1, -1) if rev else range(w)
        for x in xs:
            i = y * w + x
            v = buf[i]
            o = 1 if v >= 0.5 else 0
            out[i] = o
            err = v - o
            if err == 0:
                continue
            for dx, dy, wt in taps:
                nx = x - dx if rev else x + dx
                ny = y + dy
                if 0 <= nx < w and ny < h:
                    buf[ny * w + nx] += err * wt / div
    return out


def hue_rgb(hh, s, v):
    hh = (hh % 1.0) * 6.0
    i = int(hh)
    f = hh - i
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    return [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i % 6]


def make_test_graphic(w=155, h=155):
    """Colour test chart: colour wheel, primaries, hue and grey ramps."""
    ss = 3
    W, H = w * ss, h * ss
    img = Image.new("RGB", (W, H), (255, 255, 255))
    px = img.load()
    cx, cy, rad = 56 * ss, 56 * ss, 48 * ss
    for y in range(H):
        for x in range(W):
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy)
            if d <= rad:
                hue = (math.atan2(-dy, dx) / (2 * math.pi)) % 1.0
                s = min(1.0, d / rad * 1.15)
                r, g, b = hue_rgb(hue, s, 1.0)
                px[x, y] = (clamp8(r * 255), clamp8(g * 255), clamp8(b * 255))
    dr = ImageDraw.Draw(img)
    # Overlapping ink discs, upper right.
    ox, oy, r0 = 127 * ss, 30 * ss, 15 * ss
    discs = [((ox - 7 * ss, oy - 4 * ss), (0, 1, 1)),
             ((ox + 7 * ss, oy - 4 * ss), (1, 0, 1)),
             ((ox, oy + 8 * ss), (1, 1, 0))]
    for y in range(oy - 30 * ss, oy + 30 * ss):
        for x in range(ox - 30 * ss, ox + 30 * ss):
            r = g = b = 1.0
            inside = False
            for (dx, dy), (fr, fg, fb) in discs:
                if (x - dx) ** 2 + (y - dy) ** 2 <= r0 * r0:
                    r, g, b = r * fr, g * fg, b * fb
                    inside = True
            if inside:
                px[x, y] = (clamp8(r * 255), clamp8(g * 255), clamp8(b * 255))
    # Step wedges of the primaries, right column.
    wedge = [(255, 0, 0), (0, 170, 0), (0, 0, 255)]
    for i, col in enumerate(wedge):
        for s in range(4):
            t = (s + 1) / 4.0
            fill = tuple(clamp8(255 - (255 - c) * t) for c in col)
            x0 = (113 + s * 10) * ss
            y0 = (58 + i * 12) * ss
            dr.rectangle([x0, y0, x0 + 9 * ss - 1, y0 + 11 * ss - 1], fill=fill)
    # Shapes.
    dr.polygon([(116 * ss, 96 * ss), (128 * ss, 96 * ss), (122 * ss, 86 * ss)],
               fill=(255, 140, 0))
    dr.ellipse([134 * ss, 86 * ss, 146 * ss, 98 * ss], fill=(140, 40, 170))
    # Hue ramp with lightness across the height.
    y0, y1 = 110 * ss, 132 * ss
    for y in range(y0, y1):
        tv = (y - y0) / float(y1 - y0)
        for x in range(4 * ss, W - 4 * ss):
            hue = (x - 4 * ss) / float(W - 8 * ss)
            r, g, b = hue_rgb(hue, 1.0, 1.0)
            if tv < 0.5:
                k = tv * 2
                r, g, b = 1 - (1 - r) * k, 1 - (1 - g) * k, 1 - (1 - b) * k
            else:
                k = 1 - (tv - 0.5) * 1.3
                r, g, b = r * k, g * k, b * k
            px[x, y] = (clamp8(r * 255), clamp8(g * 255), clamp8(b * 255))
    # Grey ramp.
    y0, y1 = 136 * ss, 151 * ss
    for x in range(4 * ss, W - 4 * ss):
        t = (x - 4 * ss) / float(W - 8 * ss - 1)
        v = clamp8(255 * (1 - t))
        dr.line([(x, y0), (x, y1 - 1)], fill=(v, v, v))
    # Thin frames.
    dr.rectangle([4 * ss, 110 * ss, W - 4 * ss - 1, 132 * ss - 1], outline=(90, 90, 90), width=ss // 2 + 1)
    dr.rectangle([4 * ss, 136 * ss, W - 4 * ss - 1, 151 * ss - 1], outline=(90, 90, 90), width=ss // 2 + 1)
    return img.resize((w, h), Image.LANCZOS)


def make_photo(w=155, h=155, seed=7300):
    """A synthetic landscape photograph: sky, sun, clouds, hills, meadow."""
    ss = 2
    W, H = w * ss, h * ss
    nz = ValueNoise(seed)
    nz2 = ValueNoise(seed + 1)
    img = Image.new("RGB", (W, H))
    px = img.load()
    horizon = 0.56
    sunx, suny, sunr = 0.70, 0.24, 0.055

    def ridge(x, base, amp, scale, noise, off):
        return base - amp * noise.fbm(x * scale + off, off * 0.37, 4)

    for yy in range(H):
        y = yy / float(H)
        for xx in range(W):
            x = xx / float(W)
            # Sky.
            t = clamp01(y / horizon)
            col = mix((34, 118, 204), (168, 212, 242), t ** 1.3)
            col = mix(col, (236, 228, 210), smoothstep(0.6, 1.0, t) * 0.55)
            d = math.hypot(x - sunx, (y - suny) * 1.0)
            glow = math.exp(-d * 9.0)
            col = mix(col, (255, 238, 190), glow * 0.75)
            if d < sunr:
                col = mix((255, 252, 232), (255, 244, 200), d / sunr)
            cl = nz.fbm(x * 5.0, y * 11.0, 5)
            cloud = smoothstep(0.55, 0.72, cl) * smoothstep(0.50, 0.15, y) * 0.9
            shade = 1.0 - 0.25 * smoothstep(0.5, 0.8, nz.fbm(x * 5.0 + 3, y * 11.0 + 4, 3))
            col = mix(col, (248 * shade, 248 * shade, 252 * shade), cloud)
            # Far mountains.
            m1 = (0.46 - 0.06 * math.sin(x * 6.5 + 1.2) - 0.035 * math.sin(x * 15.0 + 0.3)
                  - 0.25 * (nz2.fbm(x * 3.0 + 1.0, 0.4, 4) - 0.5))
            if y > m1:
                tm = (y - m1) / 0.2
                ridge_light = 0.5 + 0.5 * math.sin(x * 40.0 + nz.at(x * 9, y * 9) * 5)
                col = mix((104, 122, 164), (158, 172, 200), clamp01(tm) * 0.6)
                col = mix(col, (130, 146, 184), ridge_light * 0.3)
                snow = smoothstep(0.03, 0.0, y - m1 - 0.015) * smoothstep(0.43, 0.38, m1)
                col = mix(col, (240, 244, 250), snow)
            # Mid hills.
            m2 = ridge(x, 0.66, 0.13, 1.4, nz, 5.0)
            if y > m2:
                g = nz.fbm(x * 18, y * 18, 3)
                tm = clamp01((y - m2) / 0.12)
                col = mix((64, 128, 62), (96, 150, 70), g)
                col = mix(col, (40, 92, 50), tm * 0.5)
                light = smoothstep(-0.5, 1.0, (x - 0.2))
                col = mix(col, (150, 178, 80), light * 0.35 * (1 - tm))
            # Near meadow.
            m3 = 0.80 - 0.06 * math.sin(x * 3.0 + 0.6) - 0.03 * nz2.fbm(x * 3, 2.0, 3)
            if y > m3:
                g = nz2.fbm(x * 40, y * 20, 3)
                tm = clamp01((y - m3) / (1.0 - m3))
                col = mix((110, 162, 52), (56, 110, 34), tm * 0.6 + g * 0.4)
            px[xx, yy] = tuple(clamp8(c) for c in col)

    dr = ImageDraw.Draw(img)
    S = W / 155.0
    # A lake in the valley.
    lake = [(30 * S, 92 * S), (80 * S, 88 * S), (118 * S, 93 * S), (100 * S, 99 * S), (40 * S, 100 * S)]
    lake_mask = Image.new("L", (W, H), 0)
    ImageDraw.Draw(lake_mask).polygon(lake, fill=255)
    lake_img = Image.new("RGB", (W, H))
    lp = lake_img.load()
    for yy in range(int(86 * S), int(102 * S)):
        for xx in range(W):
            t = (yy - 86 * S) / (16 * S)
            ripple = 0.5 + 0.5 * math.sin(xx * 0.5 + nz.at(xx * 0.1, yy * 0.9) * 6)
            c = mix((120, 170, 220), (70, 120, 180), t)
            c = mix(c, (230, 235, 240), 0.15 * ripple)
            lp[xx, yy] = tuple(clamp8(v) for v in c)
    img.paste(lake_img, (0, 0), lake_mask.filter(ImageFilter.GaussianBlur(1)))
    # A house with a red roof on the hill.
    hx, hy = 104 * S, 80 * S
    dr.rectangle([hx, hy, hx + 11 * S, hy + 7 * S], fill=(246, 240, 226))
    dr.rectangle([hx + 11 * S, hy, hx + 15 * S, hy + 7 * S], fill=(196, 186, 170))
    dr.polygon([(hx - 1.5 * S, hy + 0.5), (hx + 5.5 * S, hy - 5 * S), (hx + 17 * S, hy - 5 * S),
                (hx + 15.5 * S, hy + 0.5)], fill=(196, 40, 30))
    dr.polygon([(hx - 1.5 * S, hy + 0.5), (hx + 5.5 * S, hy - 5 * S), (hx + 12.5 * S, hy + 0.5)],
               fill=(170, 30, 26))
    dr.rectangle([hx + 2 * S, hy + 2 * S, hx + 4 * S, hy + 4 * S], fill=(70, 90, 120))
    dr.rectangle([hx + 7 * S, hy + 3 * S, hx + 9 * S, hy + 7 * S], fill=(110, 70, 40))
    # A tree on the left.
    tx, ty = 22 * S, 60 * S
    dr.polygon([(tx - 1.5 * S, ty + 42 * S), (tx + 1.5 * S, ty + 42 * S), (tx + 1 * S, ty + 8 * S),
                (tx - 1 * S, ty + 8 * S)], fill=(90, 60, 36))
    rnd = random.Random(seed)
    for i in range(90):
        a = rnd.random() * math.pi * 2
        rr = rnd.random() ** 0.5 * 15 * S
        bx = tx + math.cos(a) * rr * 0.9
        by = ty + 14 * S + math.sin(a) * rr * 1.05
        br = (2.5 + rnd.random() * 3) * S
        lit = clamp01(0.5 - (bx - tx) / (30 * S) - (by - ty - 14 * S) / (40 * S) + rnd.random() * 0.4)
        c = mix((22, 70, 30), (96, 150, 50), lit)
        dr.ellipse([bx - br, by - br, bx + br, by + br], fill=tuple(clamp8(v) for v in c))
    # Flowers in the foreground.
    cols = [(220, 30, 40), (250, 210, 20), (230, 60, 150), (250, 250, 245), (240, 120, 20), (120, 70, 200)]
    for i in range(420):
        fx = rnd.random() * W
        fy = (0.82 + rnd.random() ** 0.7 * 0.18) * H
        size = (0.4 + (fy / H - 0.8) * 9) * S * (0.6 + rnd.random() * 0.6)
        c = cols[rnd.randrange(len(cols))] if rnd.random() < 0.85 else cols[0]
        dr.ellipse([fx - size, fy - size * 0.8, fx + size, fy + size * 0.8], fill=c)
        if size > 2 * S:
            dr.ellipse([fx - size * 0.3, fy - size * 0.25, fx + size * 0.3, fy + size * 0.25],
                       fill=(250, 200, 40) if c != cols[1] else (160, 90, 20))
    img = img.filter(ImageFilter.GaussianBlur(0.6))
    return img.resize((w, h), Image.LANCZOS)


def halftone_samples(outdir):
    w = h = 155
    chart = make_test_graphic(w, h)
    photo = make_photo(w, h)
    ht = {}

    planes = separate(chart, black=False)
    shifts = [(0, 0), (2, 1), (1, 2), (3, 3)]
    ht["halftone_fine.bmp"] = combine(
        [screen_ordered(planes[i], w, h, shifts[i]) for i in range(3)] + [[0] * (w * h)], w, h)
    table = _spot_rank_table()
    angles = [15, 75, 0, 45]
    ht["halftone_medium.bmp"] = combine(
        [screen_clustered(planes[i], w, h, 5.0, angles[i], table) for i in range(3)]
        + [[0] * (w * h)], w, h)
    ht["halftone_coarse.bmp"] = combine(
        [screen_clustered(planes[i], w, h, 8.5, angles[i], table) for i in range(3)]
        + [[0] * (w * h)], w, h)
    ht["halftone_diffusion.bmp"] = combine(
        [screen_diffusion(planes[i], w, h) for i in range(3)] + [[0] * (w * h)], w, h)

    for name, curve in (("halftone_photo_low.bmp", 1.7),
                        ("halftone_photo_med.bmp", 1.0),
                        ("halftone_photo_high.bmp", 0.6)):
        planes = separate(photo, black=True, curve=curve)
        ht[name] = combine([screen_diffusion(p, w, h) for p in planes], w, h)

    ow = 154
    photo_o = photo.crop((0, 0, ow, h))
    planes = separate(photo_o, black=True)
    ht["halftone_optimum.bmp"] = combine(
        [screen_diffusion(p, ow, h, serpentine=True, kernel="stucki") for p in planes], ow, h)

    for name, idx in ht.items():
        width = ow if name == "halftone_optimum.bmp" else w
        write_bmp4(os.path.join(outdir, name), width, h, idx, HT_PALETTE)
    return chart, photo


def spot_notice(outdir):
    """The Halftone page sample shown while the sheet is in spot colour mode."""
    w = h = 155
    img = Image.new("P", (w, h), HT_WHITE)
    img.putpalette([v for c in HT_PALETTE for v in c])
    dr = ImageDraw.Draw(img)
    dr.fontmode = "1"        # crisp, palette-exact text
    dr.rounded_rectangle([2, 2, w - 3, h - 3], radius=8, fill=12, outline=9, width=1)
    title = font(FONT_SANS_BOLD, 12)
    body = font(FONT_SANS, 10)
    small = font(FONT_SANS_BOLD, 9)

    def centred(y, text, fnt, fill):
        x0, y0, x1, y1 = dr.textbbox((0, 0), text, font=fnt)
        dr.text(((w - (x1 - x0)) // 2 - x0, y), text, font=fnt, fill=fill)

    centred(10, "Spot color mode", title, 13)
    dr.line([(22, 28), (w - 23, 28)], fill=9)
    # Four head swatches, one spot colour each.
    swatches = [HT_R, HT_B, HT_G, HT_BLACK]
    sw, gap = 26, 7
    x = (w - (4 * sw + 3 * gap)) // 2
    for i, col in enumerate(swatches):
        dr.rounded_rectangle([x, 36, x + sw - 1, 36 + sw - 1], radius=4, fill=col, outline=11)
        dr.line([(x + 4, 39), (x + sw - 6, 39)], fill=HT_WHITE if col != HT_WHITE else 9)
        centred_x = x + sw // 2
        t = str(i + 1)
        bx = dr.textbbox((0, 0), t, font=small)
        dr.text((centred_x - (bx[2] - bx[0]) // 2 - bx[0], 65), t, font=small, fill=11)
        x += sw + gap
    centred(78, "Heads 1 to 4", body, 11)
    # A halftone dot cluster, struck through.
    cx, cy = w // 2, 108
    for j in (-1, 0, 1):
        for i in range(-2, 3):
            r = 0.9 + (i + 2) * 0.45
            px, py = cx + i * 6, cy + j * 6
            dr.ellipse([px - r, py - r, px + r, py + r], fill=10)
    dr.ellipse([cx - 17, cy - 17, cx + 17, cy + 17], outline=HT_R, width=3)
    dr.line([(cx - 11, cy + 11), (cx + 11, cy - 11)], fill=HT_R, width=3)
    centred(129, "Halftone not used", title if dr.textbbox((0, 0), "Halftone not used", font=title)[2] < w - 10 else body, 13)
    indices = list(img.getdata())
    write_bmp4(os.path.join(outdir, "halftone_spot_notice.bmp"), w, h, indices, HT_PALETTE)
    return img


# ---------------------------------------------------------------------------
# Colour page preview source
# ---------------------------------------------------------------------------

PREVIEW_PALETTE = [
    (0, 0, 0),          # 0  black
    (255, 255, 255),    # 1  white
    (224, 226, 230),    # 2  light grey
    (160, 164, 170),    # 3  grey
    (88, 90, 96),       # 4  dark grey
    (214, 32, 36),      # 5  red
    (120, 16, 24),      # 6  dark red
    (250, 214, 30),     # 7  yellow
    (242, 130, 20),     # 8  orange
    (60, 168, 52),      # 9  green
    (24, 92, 40),       # 10 dark green
    (40, 190, 224),     # 11 cyan
    (36, 70, 196),      # 12 blue
    (18, 30, 96),       # 13 dark blue
    (196, 40, 164),     # 14 magenta
    (124, 76, 40),      # 15 brown
]


def shade_ball(px, box, base, light=(-0.5, -0.6, 0.62), specular=0.55, shininess=18,
               squash=1.0, dark=None, mask_fn=None):
    """Paint a lit ellipsoid into the pixel access px."""
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    rx, ry = (x1 - x0) / 2.0, (y1 - y0) / 2.0
    ln = math.sqrt(sum(v * v for v in light))
    lx, ly, lz = (v / ln for v in light)
    hx, hy, hz = lx, ly, lz + 1
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    hx, hy, hz = hx / hn, hy / hn, hz / hn
    dark = dark or tuple(c * 0.35 for c in base)
    for y in range(int(y0), int(y1) + 1):
        for x in range(int(x0), int(x1) + 1):
            nx, ny = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            d = nx * nx + ny * ny
            if d > 1:
                continue
            if mask_fn and not mask_fn(nx, ny):
                continue
            nz = math.sqrt(1 - d) * squash
            nl = math.sqrt(nx * nx + ny * ny + nz * nz)
            a, b, c = nx / nl, ny / nl, nz / nl
            diff = max(0.0, a * lx + b * ly + c * lz)
            s = max(0.0, a * hx + b * hy + c * hz) ** shininess * specular
            col = mix(dark, base, 0.15 + 0.85 * diff)
            col = mix(col, (255, 255, 255), s)
            px[x, y] = tuple(clamp8(v) for v in col)


def make_preview_source():
    w, h = 116, 108
    ss = 3
    W, H = w * ss, h * ss
    img = Image.new("RGB", (W, H))
    dr = ImageDraw.Draw(img)
    # Wall: soft blue-grey gradient; table: white cloth.
    table_y = int(70 * ss)
    for y in range(table_y):
        t = y / float(table_y)
        dr.line([(0, y), (W, y)], fill=(224, 226, 230) if t < 0.8 else (160, 164, 170) if t > 0.97 else (224, 226, 230))
    for y in range(table_y, H):
        t = (y - table_y) / float(H - table_y)
        dr.line([(0, y), (W, y)], fill=(255, 255, 255))
    # A window light patch on the wall.
    dr.rectangle([78 * ss, 6 * ss, 110 * ss, 40 * ss], fill=(255, 255, 255))
    dr.rectangle([78 * ss, 6 * ss, 110 * ss, 40 * ss], outline=(124, 76, 40), width=2 * ss)
    dr.line([(94 * ss, 6 * ss), (94 * ss, 40 * ss)], fill=(124, 76, 40), width=2 * ss)
    dr.line([(78 * ss, 23 * ss), (110 * ss, 23 * ss)], fill=(124, 76, 40), width=2 * ss)
    # Shadow of the bowl on the cloth.
    sh = Image.new("L", (W, H), 0)
    ImageDraw.Draw(sh).ellipse([14 * ss, 88 * ss, 104 * ss, 102 * ss], fill=110)
    sh = sh.filter(ImageFilter.GaussianBlur(3 * ss))
    img.paste((150, 154, 166), (0, 0), sh)
    px = img.load()
    # Fruit behind the bowl rim.
    shade_ball(px, (22 * ss, 40 * ss, 50 * ss, 70 * ss), (250, 212, 30))       # lemon
    # Grapes (magenta), a bunch of small balls.
    rnd = random.Random(165)
    grapes = []
    for j in range(5):
        for i in range(5 - j):
            grapes.append((66 + i * 6 + j * 3 + rnd.random() * 1.5, 44 + j * 5.5 + rnd.random()))
    for gx, gy in grapes:
        shade_ball(px, ((gx - 3.6) * ss, (gy - 3.6) * ss, (gx + 3.6) * ss, (gy + 3.6) * ss),
                   (186, 40, 160), specular=0.7, shininess=30)
    shade_ball(px, (40 * ss, 30 * ss, 70 * ss, 60 * ss), (60, 170, 50))        # green apple
    # Stalk and leaf of the green apple.
    dr.line([(55 * ss, 32 * ss), (57 * ss, 26 * ss)], fill=(110, 70, 36), width=ss)
    dr.polygon([(57 * ss, 28 * ss), (64 * ss, 23 * ss), (66 * ss, 26 * ss), (59 * ss, 30 * ss)], fill=(30, 120, 40))
    shade_ball(px, (28 * ss, 46 * ss, 58 * ss, 76 * ss), (220, 30, 36))        # red apple
    shade_ball(px, (56 * ss, 52 * ss, 80 * ss, 76 * ss), (244, 132, 20))       # orange
    # Bowl: a half ellipsoid in blue with a cyan band.
    bx0, bx1, by0, by1 = 14 * ss, 102 * ss, 60 * ss, 98 * ss
    cx, cy = (bx0 + bx1) / 2.0, by0
    rx, ry = (bx1 - bx0) / 2.0, (by1 - by0)
    for y in range(int(by0), int(by1)):
        for x in range(int(bx0), int(bx1)):
            nx, ny = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            if nx * nx + ny * ny > 1:
                continue
            lit = clamp01(0.8 - 0.7 * nx - 0.3 * ny)
            col = mix((16, 28, 100), (50, 90, 210), lit)
            if 0.30 < ny < 0.42:
                col = mix((20, 120, 160), (60, 200, 230), lit)
            specular = smoothstep(0.15, 0.0, abs(nx + 0.45)) * smoothstep(0.7, 0.2, ny) * 0.6
            col = mix(col, (255, 255, 255), specular)
            px[x, y] = tuple(clamp8(v) for v in col)
    dr.ellipse([bx0, by0 - 3 * ss, bx1, by0 + 3 * ss], outline=(200, 210, 240), width=ss)
    img = img.resize((w, h), Image.LANCZOS)
    pal = Image.new("P", (1, 1))
    pal.putpalette([v for c in PREVIEW_PALETTE for v in c] + [0] * (3 * 240))
    q = img.quantize(palette=pal, dither=Image.FLOYDSTEINBERG)
    indices = list(q.getdata())
    return indices


def preview_source(outdir):
    idx = make_preview_source()
    write_bmp4(os.path.join(outdir, "preview_source.bmp"), 116, 108, idx, PREVIEW_PALETTE)


# ---------------------------------------------------------------------------
# Drawing helpers for the supersampled pictures
# ---------------------------------------------------------------------------

class Canvas:
    """An RGB picture drawn at `scale` times its size, in unscaled coordinates."""

    def __init__(self, w, h, scale, background=(255, 255, 255)):
        self.w, self.h, self.s = w, h, scale
        self.oy = 0.0           # vertical offset added to every coordinate
        self.img = Image.new("RGB", (w * scale, h * scale), background)
        self.draw = ImageDraw.Draw(self.img)

    def set_image(self, img):
        self.img = img
        self.draw = ImageDraw.Draw(img)

    def pts(self, points):
        return [(x * self.s, (y + self.oy) * self.s) for x, y in points]

    def box(self, b):
        return [b[0] * self.s, (b[1] + self.oy) * self.s, b[2] * self.s, (b[3] + self.oy) * self.s]

    def mask(self):
        return Image.new("L", self.img.size, 0)

    def gradient_layer(self, bbox, c0, c1, p0, p1):
        """Layer covering bbox (unscaled) with a linear gradient from p0 to p1."""
        oy = self.oy
        bbox = (bbox[0], bbox[1] + oy, bbox[2], bbox[3] + oy)
        p0, p1 = (p0[0], p0[1] + oy), (p1[0], p1[1] + oy)
        x0, y0, x1, y1 = [int(math.floor(v)) for v in bbox[:2]] + [int(math.ceil(v)) for v in bbox[2:]]
        gw, gh = max(1, x1 - x0 + 1), max(1, y1 - y0 + 1)
        small = Image.new("RGB", (gw, gh))
        sp = small.load()
        vx, vy = p1[0] - p0[0], p1[1] - p0[1]
        vv = vx * vx + vy * vy or 1.0
        for yy in range(gh):
            for xx in range(gw):
                t = clamp01(((x0 + xx + 0.5 - p0[0]) * vx + (y0 + yy + 0.5 - p0[1]) * vy) / vv)
                sp[xx, yy] = tuple(clamp8(v) for v in mix(c0, c1, t))
        big = small.resize((gw * self.s, gh * self.s), Image.BILINEAR)
        return big, (x0 * self.s, y0 * self.s)

    def fill(self, mask, colour):
        self.img.paste(colour, (0, 0), mask)

    def poly(self, points, c0, c1=None, p0=None, p1=None, outline=None, width=1):
        m = self.mask()
        ImageDraw.Draw(m).polygon(self.pts(points), fill=255)
        self.fill_mask(m, points, c0, c1, p0, p1)
        if outline:
            pp = self.pts(points)
            self.draw.line(pp + [pp[0]], fill=outline, width=max(1, int(width * self.s)), joint="curve")

    def fill_mask(self, m, points, c0, c1=None, p0=None, p1=None):
        if c1 is None:
            self.img.paste(c0, (0, 0), m)
            return
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        layer, off = self.gradient_layer((min(xs), min(ys), max(xs), max(ys)), c0, c1, p0, p1)
        self.img.paste(layer, off, m.crop((off[0], off[1], off[0] + layer.size[0], off[1] + layer.size[1])))

    def rrect(self, b, radius, c0, c1=None, p0=None, p1=None, outline=None, width=1):
        m = self.mask()
        ImageDraw.Draw(m).rounded_rectangle(self.box(b), radius=radius * self.s, fill=255)
        self.fill_mask(m, [(b[0], b[1]), (b[2], b[3])], c0, c1, p0, p1)
        if outline:
            self.draw.rounded_rectangle(self.box(b), radius=radius * self.s, outline=outline,
                                        width=max(1, int(width * self.s)))

    def ellipse(self, b, c0, c1=None, p0=None, p1=None, outline=None, width=1):
        m = self.mask()
        ImageDraw.Draw(m).ellipse(self.box(b), fill=255)
        self.fill_mask(m, [(b[0], b[1]), (b[2], b[3])], c0, c1, p0, p1)
        if outline:
            self.draw.ellipse(self.box(b), outline=outline, width=max(1, int(width * self.s)))

    def line(self, points, colour, width=1.0):
        self.draw.line(self.pts(points), fill=colour, width=max(1, int(round(width * self.s))))

    def text(self, xy, text, fnt_path, size, colour, anchor="la"):
        f = font(fnt_path, int(round(size * self.s)))
        self.draw.text((xy[0] * self.s, (xy[1] + self.oy) * self.s), text, font=f, fill=colour, anchor=anchor)

    def shadow(self, shape_fn, colour, blur, opacity):
        m = self.mask()
        shape_fn(ImageDraw.Draw(m))
        m = m.filter(ImageFilter.GaussianBlur(blur * self.s))
        if opacity < 1.0:
            m = m.point(lambda v: int(v * opacity))
        self.img.paste(colour, (0, 0), m)

    def result(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


# ---------------------------------------------------------------------------
# Logo strip and badge
# ---------------------------------------------------------------------------

HEAD_COLOURS = [(0, 160, 230), (226, 0, 122), (255, 214, 0), (30, 30, 34)]


def logo_strip(outdir):
    w, h = 196, 30
    base = Canvas(w, h, 4)
    base.poly([(0, 0), (w, 0), (w, h), (0, h)], (22, 52, 104), (8, 24, 56), (0, 0), (w * 0.7, h))
    hl = base.mask()
    ImageDraw.Draw(hl).polygon(base.pts([(128, 0), (168, 0), (136, h), (96, h)]), fill=22)
    base.fill(hl, (120, 170, 230))
    # Four head marks: slanted bars in the ink colours.
    x = 8
    for col in HEAD_COLOURS:
        # The black head shows as white on the dark ground.
        base.poly([(x + 3, 7), (x + 8, 7), (x + 5, 23), (x, 23)],
                  col if col[0] > 40 else (236, 240, 246))
        x += 7
    base.text((42, 15.5), "PDR-7300", FONT_SANS_BOLD, 15, (255, 255, 255), anchor="lm")
    tw = ImageDraw.Draw(Image.new("L", (1, 1))).textlength("PDR-7300", font=font(FONT_SANS_BOLD, 60)) / 4
    base.text((42 + tw + 5, 15.5), "Zr", FONT_SANS_BOLD, 15, (255, 200, 0), anchor="lm")
    base.line([(0, h - 0.5), (w, h - 0.5)], (0, 160, 230), 1)
    img = base.result()
    write_bmp24(os.path.join(outdir, "logo_strip.bmp"), img)
    return img


def badge(outdir):
    w, h = 90, 22
    cv = Canvas(w, h, 4, (240, 240, 240))
    cv.rrect([0.5, 0.5, w - 0.5, h - 0.5], 5, (250, 251, 253), (222, 228, 236), (0, 0), (0, h),
             outline=(120, 132, 150), width=1)
    for i, col in enumerate(HEAD_COLOURS):
        cx = 10 + i * 7
        cv.ellipse([cx - 3, 8, cx + 3, 14], col)
    cv.text((38, 11.5), "4-HEAD", FONT_SANS_BOLD, 10, (24, 52, 110), anchor="lm")
    img = cv.result()
    write_bmp24(os.path.join(outdir, "badge.bmp"), img)
    return img


# ---------------------------------------------------------------------------
# The printer picture
# ---------------------------------------------------------------------------

def _barcode(cv, x0, y0, x1, y1, seed):
    rnd = random.Random(seed)
    x = x0
    while x < x1 - 1.2:
        bw = rnd.choice((0.5, 0.5, 0.8, 1.1))
        if x + bw > x1:
            break
        cv.poly([(x, y0), (x + bw, y0), (x + bw, y1), (x, y1)], (24, 24, 28))
        x += bw + rnd.choice((0.5, 0.6, 0.9))


def _text_bars(cv, x, y, widths, colour, height=1.6, gap=3.2):
    for i, wd in enumerate(widths):
        cv.rrect([x, y + i * gap, x + wd, y + i * gap + height], 0.7, colour)


def _label_citrus(cv, x0, y0, x1, y1):
    w = x1 - x0
    cv.rrect([x0, y0, x1, y1], 3, (255, 255, 255))
    cv.rrect([x0, y0, x1, y0 + 19], 3, (236, 0, 120), (255, 150, 0), (x0, y0), (x1, y0))
    cv.poly([(x0, y0 + 14), (x1, y0 + 14), (x1, y0 + 19), (x0, y0 + 19)], (236, 0, 120), (255, 150, 0),
            (x0, y0), (x1, y0))
    cv.text((x0 + w / 2, y0 + 9.5), "FRESH", FONT_SANS_BOLD, 10, (255, 255, 255), anchor="mm")
    # A citrus slice.
    cx, cy, r = x0 + 19, y0 + 38, 13
    cv.ellipse([cx - r, cy - r, cx + r, cy + r], (255, 176, 0), (240, 120, 0), (cx - r, cy - r), (cx + r, cy + r))
    cv.ellipse([cx - r + 2, cy - r + 2, cx + r - 2, cy + r - 2], (255, 244, 200))
    for k in range(8):
        a0 = k * math.pi / 4 + 0.08
        a1 = (k + 1) * math.pi / 4 - 0.08
        pts = [(cx, cy)]
        for j in range(6):
            a = a0 + (a1 - a0) * j / 5
            pts.append((cx + math.cos(a) * (r - 3.2), cy + math.sin(a) * (r - 3.2)))
        cv.poly(pts, (255, 200, 30), (255, 140, 0), (cx, cy), (cx + r, cy + r))
    cv.ellipse([cx + 6, cy - 16, cx + 16, cy - 9], (60, 170, 60), (20, 110, 40), (cx + 6, cy - 16), (cx + 16, cy - 9))
    _text_bars(cv, x0 + 37, y0 + 28, [40, 32, 36, 22], (60, 66, 80))
    cv.rrect([x0 + 37, y0 + 44, x0 + 62, y0 + 51], 1.5, (0, 150, 72))
    cv.text((x0 + 49.5, y0 + 47.6), "1 kg", FONT_SANS_BOLD, 5, (255, 255, 255), anchor="mm")
    _barcode(cv, x0 + 8, y0 + 56, x0 + w - 8, y0 + 66, 11)


def _label_wheel(cv, x0, y0, x1, y1):
    w = x1 - x0
    cv.rrect([x0, y0, x1, y1], 3, (255, 255, 255))
    cx, cy, r = x0 + 22, y0 + 24, 9.5
    for (dx, dy), col in (((-5, -3), (0, 170, 235)), ((5, -3), (230, 0, 126)), ((0, 5), (255, 220, 0))):
        m = cv.mask()
        ImageDraw.Draw(m).ellipse(cv.box([cx + dx - r, cy + dy - r, cx + dx + r, cy + dy + r]), fill=255)
        cv.set_image(_multiply_paste(cv.img, col, m))
    cv.text((x0 + 42, y0 + 13), "COLOR", FONT_SANS_BOLD, 8, (24, 52, 110))
    _text_bars(cv, x0 + 42, y0 + 25, [34, 28, 31], (90, 96, 110))
    # Rainbow wave.
    for i, col in enumerate([(230, 30, 40), (255, 140, 0), (255, 214, 0), (0, 160, 72), (0, 150, 220), (110, 50, 170)]):
        pts = []
        for j in range(41):
            t = j / 40.0
            pts.append((x0 + 4 + t * (w - 8), y0 + 44 + i * 1.6 + 3 * math.sin(t * math.pi * 2)))
        cv.line(pts, col, 1.7)
    _barcode(cv, x0 + 8, y0 + 56, x0 + w - 8, y0 + 66, 23)


def _multiply_paste(img, colour, mask):
    r, g, b = colour
    tinted = img.point([min(255, v * r // 255) for v in range(256)] +
                       [min(255, v * g // 255) for v in range(256)] +
                       [min(255, v * b // 255) for v in range(256)])
    return Image.composite(tinted, img, mask)


def _label_wave(cv, x0, y0, x1, y1):
    w = x1 - x0
    cv.rrect([x0, y0, x1, y1], 3, (255, 255, 255))
    cv.rrect([x0, y0, x1, y1], 3, (0, 120, 200), (0, 190, 170), (x0, y0), (x1, y1))
    pts = [(x0, y0 + 30)]
    for j in range(41):
        t = j / 40.0
        pts.append((x0 + t * w, y0 + 24 + 5 * math.sin(t * math.pi * 2.2 + 0.5)))
    pts += [(x1, y1), (x0, y1)]
    cv.poly(pts, (255, 255, 255))
    cv.ellipse([x1 - 22, y0 + 6, x1 - 10, y0 + 18], (255, 220, 0), (255, 160, 0), (x1 - 22, y0 + 6), (x1 - 10, y0 + 18))
    cv.text((x0 + 8, y0 + 12), "SUMMER", FONT_SANS_BOLD, 7.5, (255, 255, 255), anchor="lm")
    _text_bars(cv, x0 + 8, y0 + 36, [44, 36], (60, 66, 80))


def printer_picture(outdir):
    w, h = 242, 371
    cv = Canvas(w, h, 4)
    # Wall and desk.
    shift = 14
    cv.poly([(0, 0), (w, 0), (w, 150 + shift), (0, 150 + shift)], (250, 251, 253), (228, 233, 241),
            (0, 0), (0, 150 + shift))
    cv.oy = shift
    cv.poly([(0, 150), (w, 150), (w, 214), (0, 214)], (214, 220, 229), (240, 243, 247), (0, 150), (0, 214))
    cv.poly([(0, 214), (w, 214), (w, 222), (0, 222)], (196, 203, 214), (176, 184, 196), (0, 214), (0, 222))
    cv.poly([(0, 222), (w, 222), (w, h - shift), (0, h - shift)], (232, 236, 242), (248, 249, 252), (0, 222), (0, h - shift))
    cv.shadow(lambda d: d.polygon(cv.pts([(0, 222), (w, 222), (w, 230), (0, 230)]), fill=255),
              (150, 158, 172), 3, 0.35)
    # Printer shadow on the desk.
    cv.shadow(lambda d: d.polygon(cv.pts([(14, 206), (182, 206), (232, 170), (74, 168)]), fill=255),
              (120, 128, 142), 5, 0.55)

    # Geometry: front face x 20..176, lid 112..160, base 160..205; depth (44, -34).
    fx0, fx1, ytop, yseam, ybot = 20, 176, 112, 160, 205
    dx, dy = 44, -34
    # Base.
    cv.poly([(fx1, yseam), (fx1 + dx, yseam + dy), (fx1 + dx, ybot + dy), (fx1, ybot)],
            (44, 48, 56), (30, 33, 40), (fx1, 0), (fx1 + dx, 0))
    cv.rrect([fx0, yseam - 4, fx1, ybot], 4, (78, 84, 96), (40, 44, 52), (0, yseam), (0, ybot))
    cv.line([(fx0 + 3, ybot - 0.6), (fx1 - 3, ybot - 0.6)], (24, 26, 30), 1.2)
    # Lid: side, top, front.
    cv.poly([(fx1, ytop), (fx1 + dx, ytop + dy), (fx1 + dx, yseam + dy), (fx1, yseam)],
            (198, 204, 214), (168, 176, 188), (fx1, 0), (fx1 + dx, 0))
    cv.poly([(fx0, ytop), (fx1, ytop), (fx1 + dx, ytop + dy), (fx0 + dx, ytop + dy)],
            (250, 251, 253), (226, 230, 238), (fx0, ytop), (fx0 + dx, ytop + dy))
    cv.rrect([fx0, ytop, fx1, yseam], 3, (240, 242, 246), (210, 215, 224), (0, ytop), (0, yseam))
    # Rounded edges: highlights along the lid's front-top and side edges.
    cv.line([(fx0 + 2, ytop + 0.5), (fx1 - 1, ytop + 0.5)], (255, 255, 255), 1.4)
    cv.line([(fx1 + 0.4, ytop + 1), (fx1 + 0.4, yseam - 1)], (226, 230, 238), 1.0)
    cv.line([(fx1, ytop), (fx1 + dx, ytop + dy)], (255, 255, 255), 1.0)
    # Smoked window on the lid showing the label roll inside.
    win = [(fx0 + 26, ytop - 4), (fx1 - 50, ytop - 4), (fx1 - 50 + 26, ytop - 24), (fx0 + 26 + 26, ytop - 24)]
    cv.poly(win, (70, 80, 96), (40, 46, 58), win[0], win[3])
    rm = cv.mask()
    ImageDraw.Draw(rm).polygon(cv.pts(win), fill=255)
    roll = Canvas(w, h, 4, (0, 0, 0))
    roll.oy = cv.oy
    for k in range(3):
        roll.ellipse([fx0 + 44 + k * 10, ytop - 26 + 0, fx0 + 102 + k * 10, ytop - 2], (150, 156, 168))
    roll.ellipse([fx0 + 52, ytop - 22, fx0 + 118, ytop - 3], (210, 214, 222), (150, 156, 168),
                 (0, ytop - 22), (0, ytop - 3))
    roll.ellipse([fx0 + 76, ytop - 16, fx0 + 94, ytop - 9], (120, 90, 60))
    m2 = _scale_mask(rm, 0.75)
    cv.img.paste(roll.img, (0, 0), Image.composite(m2, Image.new("L", rm.size, 0), _nonblack(roll.img)))
    cv.line([win[0], win[1], win[2], win[3], win[0]], (150, 158, 170), 0.8)
    # Glare on the window.
    cv.shadow(lambda d: d.polygon(cv.pts([(fx0 + 40, ytop - 4), (fx0 + 52, ytop - 4), (fx0 + 74, ytop - 24),
                                          (fx0 + 62, ytop - 24)]), fill=255), (255, 255, 255), 0.8, 0.35)
    # Control panel on the lid front, right side: display, four head lamps, keys.
    cv.rrect([fx1 - 58, ytop + 8, fx1 - 8, ytop + 26], 2.5, (40, 44, 52), outline=(150, 156, 168), width=0.6)
    cv.rrect([fx1 - 55, ytop + 10.5, fx1 - 11, ytop + 23.5], 1.5, (40, 110, 150), (20, 70, 110),
             (0, ytop + 10), (0, ytop + 24))
    cv.text((fx1 - 52, ytop + 14.3), "READY", FONT_SANS_BOLD, 4.6, (210, 245, 255), anchor="lm")
    cv.rrect([fx1 - 52, ytop + 18.5, fx1 - 28, ytop + 20], 0.5, (120, 200, 230))
    for i, col in enumerate(HEAD_COLOURS[:3] + [(60, 60, 66)]):
        cx = fx1 - 52 + i * 8
        cv.ellipse([cx - 2.2, ytop + 31, cx + 2.2, ytop + 35.4], col, outline=(120, 126, 138), width=0.4)
        cv.ellipse([cx - 1.0, ytop + 31.6, cx + 0.2, ytop + 32.8], (255, 255, 255))
    for i in range(2):
        bx = fx1 - 20 + i * 8
        cv.ellipse([bx - 3, ytop + 29.5, bx + 3, ytop + 36.5], (250, 251, 253), (190, 196, 206),
                   (bx - 3, ytop + 29.5), (bx + 3, ytop + 36.5), outline=(150, 156, 168), width=0.5)
    cv.text((fx0 + 8, ytop + 12), "PDR-7300 Zr", FONT_SANS_BOLD, 7.2, (40, 60, 100), anchor="lm")
    for i, col in enumerate(HEAD_COLOURS):
        cv.poly([(fx0 + 9 + i * 4, ytop + 19), (fx0 + 12 + i * 4, ytop + 19), (fx0 + 11 + i * 4, ytop + 22),
                 (fx0 + 8 + i * 4, ytop + 22)], col)
    # Output slot at the seam.
    cv.rrect([fx0 + 24, yseam - 3.5, fx0 + 128, yseam + 1.5], 1.5, (14, 15, 18), (40, 42, 48),
             (0, yseam - 3.5), (0, yseam + 1.5))
    # Label strip (liner with labels) hanging from the slot over the desk edge.
    sx0, sx1 = fx0 + 28, fx0 + 124
    ytip = 356 - shift
    strip = [(sx0, yseam - 1), (sx1, yseam - 1), (sx1 + 3, ytip), (sx0 - 3, ytip)]
    # Its shadow on the printer base and the desk front.
    cv.shadow(lambda d: d.polygon(cv.pts([(sx0 + 5, yseam + 3), (sx1 + 7, yseam + 3), (sx1 + 9, 230),
                                          (sx0 + 3, 230)]), fill=255), (20, 22, 28), 3, 0.45)
    cv.poly(strip, (246, 243, 232), (236, 232, 218), (sx0, 0), (sx1, 0))
    # Labels on the liner.
    def lx(y):
        t = (y - yseam) / float(ytip - yseam)
        return sx0 - 3 * t + 4, sx1 + 3 * t - 4
    labels = [(yseam + 2, 232, _label_citrus), (237, 307, _label_wheel), (312, 382, _label_wave)]
    for y0, y1, painter in labels:
        a0, b0 = lx(y0)
        painter_cv = Canvas(w, h, 4, (0, 0, 0))
        painter_cv.oy = cv.oy
        painter(painter_cv, a0 + 0.5, y0, b0 + 0.5, y1)
        lm = cv.mask()
        ImageDraw.Draw(lm).rounded_rectangle(cv.box([a0 + 0.5, y0, b0 + 0.5, y1]), radius=3 * cv.s, fill=255)
        clip = cv.mask()
        ImageDraw.Draw(clip).polygon(cv.pts([(sx0, yseam + 1.5), (sx1, yseam + 1.5), (sx1 + 3, ytip - 9),
                                             (sx0 - 3, ytip - 9)]), fill=255)
        lm = Image.composite(lm, Image.new("L", lm.size, 0), clip)
        cv.img.paste(painter_cv.img, (0, 0), lm)
    # The strip bends into the slot: darken its top.
    cv.shadow(lambda d: d.polygon(cv.pts([(sx0, yseam), (sx1, yseam), (sx1, yseam + 6), (sx0, yseam + 6)]),
                                  fill=255), (40, 40, 48), 2, 0.45)
    # The free end curls towards the viewer.
    curl_top = ytip - 10
    cv.poly([(sx0 - 3, curl_top), (sx1 + 3, curl_top), (sx1 + 3, ytip), (sx0 - 3, ytip)],
            (200, 196, 184), (150, 146, 136), (0, curl_top), (0, ytip))
    cv.ellipse([sx0 - 3, ytip - 5, sx1 + 3, ytip + 5], (250, 248, 240), (214, 210, 198), (0, ytip - 5), (0, ytip + 5))
    cv.ellipse([sx0 + 2, ytip - 3.2, sx1 - 2, ytip + 2.6], (176, 172, 160), (226, 222, 210), (0, ytip - 3), (0, ytip + 3))
    cv.shadow(lambda d: d.ellipse(cv.box([sx0 - 2, ytip + 3, sx1 + 6, ytip + 12]), fill=255), (160, 166, 178), 3, 0.5)
    img = cv.result()
    write_bmp24(os.path.join(outdir, "printer.bmp"), img)
    return img


def _scale_mask(mask, factor):
    return mask.point(lambda v: int(v * factor))


def _nonblack(img):
    return img.convert("L").point(lambda v: 255 if v > 0 else 0)


# ---------------------------------------------------------------------------
# Icons
# ---------------------------------------------------------------------------

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
V_BLACK, V_DRED, V_DGREEN, V_OLIVE, V_NAVY, V_PURPLE, V_TEAL, V_SILVER, V_GREY, \
    V_RED, V_LIME, V_YELLOW, V_BLUE, V_MAGENTA, V_CYAN, V_WHITE = range(16)
TRANSPARENT = 255


def _draw_printer_icon(dr, ox, oy):
    """A 3/4 view label printer in VGA colours; (ox, oy) is its top-left."""
    # Outline silhouette and faces.
    top = [(ox + 0, oy + 6), (ox + 17, oy + 6), (ox + 23, oy + 0), (ox + 6, oy + 0)]
    side = [(ox + 17, oy + 6), (ox + 23, oy + 0), (ox + 23, oy + 12), (ox + 17, oy + 18)]
    dr.polygon(top, fill=V_WHITE, outline=V_BLACK)
    dr.polygon(side, fill=V_GREY, outline=V_BLACK)
    dr.rectangle([ox + 0, oy + 6, ox + 17, oy + 11], fill=V_SILVER, outline=V_BLACK)     # lid front
    dr.rectangle([ox + 0, oy + 11, ox + 17, oy + 18], fill=V_GREY, outline=V_BLACK)     # base front
    dr.line([(ox + 18, oy + 11), (ox + 22, oy + 7)], fill=V_BLACK)                     # seam on side
    dr.line([(ox + 1, oy + 7), (ox + 16, oy + 7)], fill=V_WHITE)                       # lid highlight
    # Window on the lid with the roll.
    dr.polygon([(ox + 5, oy + 4), (ox + 13, oy + 4), (ox + 16, oy + 1), (ox + 8, oy + 1)], fill=V_GREY)
    dr.line([(ox + 8, oy + 3), (ox + 13, oy + 3)], fill=V_SILVER)
    # Head lamps.
    dr.point([(ox + 10, oy + 9)], fill=V_CYAN)
    dr.point([(ox + 12, oy + 9)], fill=V_MAGENTA)
    dr.point([(ox + 14, oy + 9)], fill=V_YELLOW)
    dr.point([(ox + 16, oy + 9)], fill=V_BLACK)
    dr.rectangle([ox + 2, oy + 8, ox + 6, oy + 9], fill=V_NAVY)                         # display
    # Output slot.
    dr.line([(ox + 3, oy + 11), (ox + 14, oy + 11)], fill=V_BLACK)


def _icon_from(img_p):
    data = list(img_p.getdata())
    opaque = [v != TRANSPARENT for v in data]
    indices = [v if v != TRANSPARENT else 0 for v in data]
    return indices, opaque


def driver_icons(outdir):
    # Library icon: the printer with a short label in its slot.
    img = Image.new("P", (32, 32), TRANSPARENT)
    dr = ImageDraw.Draw(img)
    _draw_printer_icon(dr, 4, 8)
    # The leading edge of a label in the slot.
    dr.rectangle([8, 19, 17, 21], fill=V_WHITE, outline=V_BLACK)
    dr.line([(10, 20), (12, 20)], fill=V_MAGENTA)
    dr.line([(13, 20), (15, 20)], fill=V_CYAN)
    # Shadow under the printer.
    dr.line([(5, 27), (21, 27)], fill=V_GREY)
    dr.line([(22, 26), (27, 21)], fill=V_GREY)
    idx, op = _icon_from(img)
    write_ico(os.path.join(outdir, "driver.ico"), [(32, 32, 4, idx, VGA16, op)])
    ico1 = img

    # Document icon: a printed colour label in front of the printer.
    img = Image.new("P", (32, 32), TRANSPARENT)
    dr = ImageDraw.Draw(img)
    _draw_printer_icon(dr, 8, 1)
    # Label sheet with a folded corner, bottom left.
    dr.polygon([(1, 13), (15, 13), (19, 17), (19, 31), (1, 31)], fill=V_WHITE, outline=V_BLACK)
    dr.polygon([(15, 13), (15, 17), (19, 17)], fill=V_SILVER, outline=V_BLACK)
    dr.rectangle([3, 15, 12, 17], fill=V_BLUE)
    dr.ellipse([3, 19, 9, 25], fill=V_RED)
    dr.ellipse([6, 21, 10, 25], fill=V_YELLOW)
    dr.line([(12, 20), (17, 20)], fill=V_GREY)
    dr.line([(12, 22), (16, 22)], fill=V_GREY)
    dr.line([(12, 24), (17, 24)], fill=V_GREY)
    for x in range(3, 18):
        if x % 3 != 1:
            dr.line([(x, 27), (x, 29)], fill=V_BLACK)
    # Green tick of a finished job.
    dr.line([(22, 25), (24, 27), (29, 21)], fill=V_DGREEN, width=2)
    idx, op = _icon_from(img)
    write_ico(os.path.join(outdir, "driver_document.ico"), [(32, 32, 4, idx, VGA16, op)])
    return ico1, img


def halftone_icon(outdir):
    w, h = 90, 22
    ss = 8
    rgba = Image.new("RGBA", (w * ss, h * ss), (0, 0, 0, 0))
    dr = ImageDraw.Draw(rgba)
    n = 8
    x = 2.0
    for i in range(n):
        t = i / float(n - 1)
        r = 1.2 + t * (8.0 - 1.2)
        col = tuple(clamp8(v) for v in mix((0, 176, 236), (22, 40, 112), t))
        cx = x + r
        cy = h / 2.0
        dr.ellipse([(cx - r) * ss, (cy - r) * ss, (cx + r) * ss, (cy + r) * ss], fill=col + (255,))
        x = cx + r + 1.4
    small = rgba.resize((w, h), Image.LANCZOS)
    # Edge pixels are blended with the dialog colour; the mask keeps the core.
    bg = (240, 240, 240)
    rgb = Image.new("RGB", (w, h), bg)
    rgb.paste(small.convert("RGB"), (0, 0), small.split()[3])
    alpha = list(small.split()[3].getdata())
    opaque = [a >= 96 for a in alpha]
    q = rgb.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    pal = q.getpalette()[:765]
    pal += [0] * (768 - len(pal))
    palette = [tuple(pal[i * 3:i * 3 + 3]) for i in range(256)]
    # Transparent pixels must be black in the colour plane (entry 255).
    idx = [v if op else 255 for v, op in zip(q.getdata(), opaque)]
    write_ico(os.path.join(outdir, "halftone_icon.ico"), [(w, h, 8, idx, palette, opaque)])
    return rgb


# ---------------------------------------------------------------------------
# Checks of the written files
# ---------------------------------------------------------------------------

def check_bmp(path, width, height, bits):
    with open(path, "rb") as f:
        data = f.read()
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, w, h, planes, bc, comp, isize, _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    problems = []
    if magic != b"BM" or size != len(data):
        problems.append("bad file header")
    if hsize != 40 or planes != 1 or comp != 0:
        problems.append("not a BI_RGB BITMAPINFOHEADER")
    if (w, h, bc) != (width, height, bits):
        problems.append("%dx%d %d bpp, expected %dx%d %d bpp" % (w, h, bc, width, height, bits))
    colours = used or (1 << bc if bc <= 8 else 0)
    if bits <= 8 and colours != 1 << bits:
        problems.append("palette of %d colours" % colours)
    if off != 14 + 40 + 4 * colours or off + _row_stride(w, bc) * h != len(data):
        problems.append("pixel data size or offset wrong")
    if problems:
        raise SystemExit("%s: %s" % (path, "; ".join(problems)))
    return "%s: %d x %d, %d bpp, %d palette entries" % (os.path.basename(path), w, h, bc, colours)


def check_ico(path, width, height, bits):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    bw, bh, ncol, _, planes, bc, size, off = struct.unpack_from("<BBBBHHII", data, 6)
    hsize, w, h2, p2, bc2, comp = struct.unpack_from("<IiiHHI", data, off)
    problems = []
    if (reserved, kind, count) != (0, 1, 1):
        problems.append("bad icon directory")
    expect_ncol = (1 << bits) if bits < 8 else 0
    if (bw, bh, ncol, planes, bc) != (width & 255, height & 255, expect_ncol, 1, bits):
        problems.append("directory entry %r" % ((bw, bh, ncol, planes, bc),))
    if (hsize, w, h2, p2, bc2, comp) != (40, width, 2 * height, 1, bits, 0):
        problems.append("image header %r" % ((hsize, w, h2, p2, bc2, comp),))
    expect = 40 + 4 * (1 << bits) + (_row_stride(width, bits) + _row_stride(width, 1)) * height
    if size != expect or off + size != len(data):
        problems.append("image size %d, expected %d" % (size, expect))
    if problems:
        raise SystemExit("%s: %s" % (path, "; ".join(problems)))
    return "%s: %d x %d, %d colours, %d bpp, XOR + AND masks" % (
        os.path.basename(path), width, height, 1 << bits, bits)


EXPECTED_BITMAPS = [
    ("logo_strip.bmp", 196, 30, 24),
    ("printer.bmp", 242, 371, 24),
    ("badge.bmp", 90, 22, 24),
    ("halftone_fine.bmp", 155, 155, 4),
    ("halftone_medium.bmp", 155, 155, 4),
    ("halftone_coarse.bmp", 155, 155, 4),
    ("halftone_diffusion.bmp", 155, 155, 4),
    ("halftone_photo_low.bmp", 155, 155, 4),
    ("halftone_photo_med.bmp", 155, 155, 4),
    ("halftone_photo_high.bmp", 155, 155, 4),
    ("halftone_spot_notice.bmp", 155, 155, 4),
    ("halftone_optimum.bmp", 154, 155, 4),
    ("preview_source.bmp", 116, 108, 4),
]
EXPECTED_ICONS = [
    ("driver.ico", 32, 32, 4),
    ("driver_document.ico", 32, 32, 4),
    ("halftone_icon.ico", 90, 22, 8),
]


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    outdir = argv[1] if len(argv) > 1 else os.path.join(root, "src", "interface", "resources", "pictures")
    os.makedirs(outdir, exist_ok=True)
    for path in (FONT_SANS, FONT_SANS_BOLD):
        if not os.path.exists(path):
            raise SystemExit("missing font %s (Debian package fonts-dejavu-core)" % path)
    logo_strip(outdir)
    printer_picture(outdir)
    badge(outdir)
    halftone_samples(outdir)
    spot_notice(outdir)
    preview_source(outdir)
    driver_icons(outdir)
    halftone_icon(outdir)
    for name, w, h, bits in EXPECTED_BITMAPS:
        print(check_bmp(os.path.join(outdir, name), w, h, bits))
    for name, w, h, bits in EXPECTED_ICONS:
        print(check_ico(os.path.join(outdir, name), w, h, bits))


if __name__ == "__main__":
    main(sys.argv)
