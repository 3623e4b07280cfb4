#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the sunflower icon packaging/orvane.svg into every file made from it:

  packaging/icons/hicolor/<N>x<N>/apps/org.orvane.Orvane.png   N = 16 32 48 64 128 256
  mainwindow/resources/orvane.ico                                seven images, see ICO_IMAGES
  mainwindow/resources/orvane-icon.argb32pm                      the window's icon, see below

Rerun from anywhere after editing the SVG, then look at the PNGs and commit all of them:

    python3 tools/make_icons.py

Needs rsvg-convert (Debian package librsvg2-bin) and Python 3's standard library; the ICO
and its 256-colour palettes are written here, so the result does not depend on other tools.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

APP_ID = "org.orvane.Orvane"
HICOLOR_SIZES = [16, 32, 48, 64, 128, 256]
# (size, bits per pixel) in directory order: the 256-colour images for old displays first.
ICO_IMAGES = [(48, 8), (32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SVG = os.path.join(REPO, "packaging", "orvane.svg")
HICOLOR = os.path.join(REPO, "packaging", "icons", "hicolor")
ICO = os.path.join(REPO, "mainwindow", "resources", "orvane.ico")
# The 32-bit images of the ICO as the window hands them to the desktop, in that order, one after
# the other in the form Qt keeps a window icon's pixmaps in: 32-bit little-endian words
# 0xAARRGGBB with each colour already multiplied by its alpha. The program then neither decodes
# nor converts anything before its window maps.
WINDOW_ICON = os.path.join(REPO, "mainwindow", "resources", "orvane-icon.argb32pm")
WINDOW_ICON_SIZES = [48, 32, 16, 128]


def render(size, path):
    subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                    "--format", "png", "--output", path, SVG], check=True)


# ---- reading back what rsvg-convert wrote: 8-bit RGBA, not interlaced ----

def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_rgba_png(path):
    """Returns (width, height, rows), each row a bytearray of R, G, B, A bytes."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat = 8, bytearray()
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour_type, interlace) != (8, 6, 0):
                raise ValueError(f"{path}: expected 8-bit RGBA without interlacing")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(bytes(idat))
    stride = width * 4
    rows, prev = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = prev[i]
            up_left = prev[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, up_left)) & 0xFF
        rows.append(line)
        prev = line
    return width, height, rows


# ---- 256 colours: median cut over the opaque pixels ----

def median_cut(counts, limit):
    """Up to `limit` colours that stand for the weighted colours in `counts`."""
    boxes = [sorted(counts.items())]
    while len(boxes) < limit:
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for channel in range(3):
                values = [colour[channel] for colour, _ in box]
                spread = max(values) - min(values)
                if best is None or spread > best[0]:
                    best = (spread, i, channel)
        if best is None or best[0] == 0:
            break
        _, i, channel = best
        box = sorted(boxes[i], key=lambda item: (item[0][channel], item[0]))
        total = sum(n for _, n in box)
        cut, seen = 1, 0
        for k, (_, n) in enumerate(box[:-1]):
            seen += n
            if 2 * seen >= total:
                cut = k + 1
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple((sum(colour[c] * n for colour, n in box) + total // 2) // total
                             for c in range(3)))
    return palette


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][c] - colour[c]) ** 2 for c in range(3)))


# ---- ICO entries: BMP without its file header, height doubled for the AND mask ----

def and_mask(width, height, rows, transparent):
    """1 marks a pixel where the background shows through; bottom-up, rows padded to 4 bytes."""
    stride = (width + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(height)):
        line = bytearray(stride)
        for x in range(width):
            if transparent(rows[y][4 * x + 3]):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bmp_header(size, bits, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def entry_32bit(size, rows):
    pixels = bytearray()
    for y in reversed(range(size)):
        row = rows[y]
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            pixels += bytes([b, g, r, a])
    # Only fully clear pixels are masked: readers that honour the mask must keep soft edges.
    mask = and_mask(size, size, rows, lambda alpha: alpha == 0)
    return bmp_header(size, 32, len(pixels) + len(mask)) + bytes(pixels) + mask


def entry_8bit(size, rows):
    # No alpha at 256 colours: a pixel is either drawn, in its own colour, or left to the mask.
    def opaque(alpha):
        return alpha >= 128

    counts = {}
    for row in rows:
        for x in range(size):
            if opaque(row[4 * x + 3]):
                colour = tuple(row[4 * x:4 * x + 3])
                counts[colour] = counts.get(colour, 0) + 1
    # Index 0 stays black for the masked pixels, so the mask's XOR leaves the background as is.
    palette = [(0, 0, 0)] + median_cut(counts, 255)
    palette += [(0, 0, 0)] * (256 - len(palette))
    index_of = {colour: 1 + nearest(palette[1:], colour) for colour in counts}

    pixels = bytearray()
    for y in reversed(range(size)):
        row = rows[y]
        for x in range(size):
            pixels.append(index_of[tuple(row[4 * x:4 * x + 3])] if opaque(row[4 * x + 3]) else 0)
    colour_table = b"".join(bytes([b, g, r, 0]) for r, g, b in palette)
    mask = and_mask(size, size, rows, lambda alpha: not opaque(alpha))
    body = colour_table + bytes(pixels) + mask
    return bmp_header(size, 8, len(pixels) + len(mask)) + body


# ---- the window's icon ----

def premultiplied(rows):
    """Little-endian 0xAARRGGBB words, each colour times alpha / 255 rounded to nearest, as Qt's
    conversion to premultiplied ARGB32 gives it."""
    out = bytearray()
    for row in rows:
        for x in range(0, len(row), 4):
            r, g, b, a = row[x:x + 4]
            out += bytes([(b * a + 127) // 255, (g * a + 127) // 255, (r * a + 127) // 255, a])
    return bytes(out)


def ico_bytes(images):
    """images: list of (size, bits, entry bytes)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = bytearray()
    for size, bits, entry in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                                 len(entry), offset + len(data))
        data += entry
    return directory + bytes(data)


def main():
    if shutil.which("rsvg-convert") is None:
        sys.exit("make_icons.py needs rsvg-convert: apt-get install librsvg2-bin")

    for size in HICOLOR_SIZES:
        folder = os.path.join(HICOLOR, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, APP_ID + ".png")
        render(size, path)
        print(f"wrote {path}")

    with tempfile.TemporaryDirectory() as tmp:
        rendered = {}
        for size in sorted({size for size, _ in ICO_IMAGES}):
            path = os.path.join(tmp, f"{size}.png")
            render(size, path)
            width, height, rows = read_rgba_png(path)
            if (width, height) != (size, size):
                raise ValueError(f"rsvg-convert made {width} x {height} instead of {size}")
            rendered[size] = rows

    images = []
    for size, bits in ICO_IMAGES:
        make = entry_8bit if bits == 8 else entry_32bit
        images.append((size, bits, make(size, rendered[size])))
    os.makedirs(os.path.dirname(ICO), exist_ok=True)
    with open(ICO, "wb") as f:
        f.write(ico_bytes(images))
    print(f"wrote {ICO}: " + ", ".join(f"{s}px/{b}-bit" for s, b, _ in images))

    with open(WINDOW_ICON, "wb") as f:
        for size in WINDOW_ICON_SIZES:
            f.write(premultiplied(rendered[size]))
    print(f"wrote {WINDOW_ICON}: " + ", ".join(f"{s}px" for s in WINDOW_ICON_SIZES))


if __name__ == "__main__":
    main()
