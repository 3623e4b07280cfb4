#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the window's two band pictures, mainwindow/resources/bar.gif and panel.gif, and the
same pixels raw, bar.rgbx and panel.rgbx, which the window takes with no image plug-in and no
decoding before it maps: four bytes a pixel (red, green, blue, 255), rows from the top.

Rerun from the top of the repository after changing a row colour below:

    python3 tools/make_pictures.py            # writes into mainwindow/resources/
    python3 tools/make_pictures.py OUTDIR     # writes somewhere else

Only the Python 3 standard library is needed. The output is deterministic, so an unchanged
table gives byte-identical files. Each row of a picture is one colour across the whole width;
the image controls stretch them into horizontal bands.
"""

import os
import struct
import sys

WIDTH = 41

WHITE = 0xFFFFFF
INK = 0x223344
GREY_BLUE = 0xB3C3CB

BAR_GRADIENT = [
    0xFDFDFE, 0xFAFCFC, 0xF7FAFB, 0xF4F7F9, 0xF1F5F7, 0xEDF2F5, 0xE9EFF2, 0xE5ECF0, 0xE0E9ED,
    0xDCE6EB, 0xD7E3E8, 0xD2DFE5, 0xCEDCE3, 0xC9D8E0, 0xC4D5DD, 0xBFD1DA, 0xB9CDD7, 0xB4CAD4,
    0xAFC6D1, 0xABC3CF,
]

PANEL_GRADIENT = [
    0xFDFDFE, 0xFAFCFC, 0xF7FAFB, 0xF7FAFB, 0xF4F7F9, 0xF1F5F7, 0xEDF2F5, 0xE9EFF2, 0xE5ECF0,
    0xE0E9ED, 0xDCE6EB, 0xD7E3E8, 0xD2DFE5, 0xCEDCE3, 0xC9D8E0, 0xC4D5DD, 0xBFD1DA, 0xB9CDD7,
    0xB4CAD4, 0xB4CAD4, 0xAFC6D1, 0xABC3CF, 0xABC3CF,
]

# One colour per row, from the top.
BAR_ROWS = ([WHITE] * 2 + [INK] + [WHITE] + [GREY_BLUE] * 2 + [INK] + BAR_GRADIENT
            + [WHITE] + [INK] + [GREY_BLUE] * 7 + [INK] + [WHITE] * 2 + [GREY_BLUE] * 2)
PANEL_ROWS = PANEL_GRADIENT + [GREY_BLUE] * 8

# (file name, rows, bits of the global colour table: 5 gives 32 entries, 8 gives 256)
PICTURES = [
    ("bar.gif", BAR_ROWS, 5),
    ("panel.gif", PANEL_ROWS, 8),
]

MAX_CODES = 4096  # GIF's LZW codes are at most 12 bits wide


class BitPacker:
    """Packs variable-width codes least significant bit first, as GIF wants."""

    def __init__(self):
        self.data = bytearray()
        self.acc = 0
        self.nbits = 0

    def put(self, code, width):
        self.acc |= code << self.nbits
        self.nbits += width
        while self.nbits >= 8:
            self.data.append(self.acc & 0xFF)
            self.acc >>= 8
            self.nbits -= 8

    def finish(self):
        if self.nbits:
            self.data.append(self.acc & 0xFF)
        return bytes(self.data)


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = BitPacker()

    def fresh():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    out.put(clear, width)
    word = bytes([indices[0]])
    for index in indices[1:]:
        longer = word + bytes([index])
        if longer in table:
            word = longer
            continue
        out.put(table[word], width)
        if next_code < MAX_CODES:
            table[longer] = next_code
            next_code += 1
            # The decoder adds its entries one code later, so it widens when next_code
            # passes the power of two, not when it reaches it.
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            out.put(clear, width)
            table, next_code, width = fresh()
        word = bytes([index])
    out.put(table[word], width)
    # Reading that last code makes the decoder add one more entry, which may widen the end code.
    if next_code == (1 << width) and width < 12:
        width += 1
    out.put(end, width)
    return out.finish()


def sub_blocks(data):
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)


def gif_bytes(rows, table_bits):
    palette = list(dict.fromkeys(rows))  # distinct colours in order of first use
    table_size = 1 << table_bits
    if len(palette) > table_size:
        raise ValueError(f"{len(palette)} colours do not fit a {table_size}-entry table")
    palette += [0] * (table_size - len(palette))
    index_of = {colour: i for i, colour in reversed(list(enumerate(palette)))}

    height = len(rows)
    pixels = [index_of[colour] for colour in rows for _ in range(WIDTH)]
    min_code_size = max(2, table_bits)

    out = bytearray(b"GIF89a")
    # Global colour table present, 8 bits of colour resolution, unsorted.
    out += struct.pack("<HHBBB", WIDTH, height, 0x80 | 0x70 | (table_bits - 1), 0, 0)
    for colour in palette:
        out += bytes([(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF])
    out += b","  # image descriptor: whole screen, no local table, not interlaced
    out += struct.pack("<HHHHB", 0, 0, WIDTH, height, 0)
    out.append(min_code_size)
    out += sub_blocks(lzw_encode(pixels, min_code_size))
    out += b";"
    return bytes(out)


def raw_bytes(rows):
    return b"".join(bytes([(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, 0xFF]) * WIDTH for c in rows)


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(repo, "mainwindow", "resources")
    os.makedirs(outdir, exist_ok=True)
    for name, rows, table_bits in PICTURES:
        path = os.path.join(outdir, name)
        with open(path, "wb") as f:
            f.write(gif_bytes(rows, table_bits))
        print(f"wrote {path}: {WIDTH} x {len(rows)}, {1 << table_bits}-colour table")
        raw = os.path.splitext(path)[0] + ".rgbx"
        with open(raw, "wb") as f:
            f.write(raw_bytes(rows))
        print(f"wrote {raw}")


if __name__ == "__main__":
    main()
