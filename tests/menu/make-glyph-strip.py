#!/usr/bin/env python3
"""Writes the menu tests' toolbar strips: three 16 x 15 glyphs side by side
(an open folder, a disk, a cross) on the light grey button face, as a
16-colour bitmap (Glyphs16.bmp) and the same picture as a 256-colour one
(Glyphs256.bmp)."""
import struct
import sys
from pathlib import Path

W, H = 16, 15
# The standard 16-colour palette (blue, green, red order in the file).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
FACE, BLACK, GREY, WHITE, YELLOW, BLUE, RED = 7, 0, 8, 15, 11, 12, 9


def folder(x, y):
    if 2 <= x <= 13 and 4 <= y <= 12:
        return BLACK if x in (2, 13) or y in (4, 12) else YELLOW
    if 2 <= x <= 6 and y == 3:
        return BLACK
    return FACE


def disk(x, y):
    if 1 <= x <= 14 and 1 <= y <= 13:
        if x in (1, 14) or y in (1, 13):
            return BLACK
        if 4 <= x <= 11 and 2 <= y <= 6:
            return WHITE
        if 5 <= x <= 10 and 9 <= y <= 12:
            return GREY
        return BLUE
    return FACE


def cross(x, y):
    return RED if abs(x - y) <= 1 or abs(x - (14 - y)) <= 1 else FACE


def pixels():
    glyphs = [folder, disk, cross]
    return [[glyphs[x // W](x % W, y) for x in range(W * len(glyphs))] for y in range(H)]


def bmp(rows, bits):
    width = len(rows[0])
    colours = PALETTE + [(0, 0, 0)] * ((1 << bits) - len(PALETTE))
    stride = (width * bits + 31) // 32 * 4
    data = b""
    for row in reversed(rows):
        if bits == 4:
            packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        else:
            packed = bytes(row)
        data += packed + b"\0" * (stride - len(packed))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    header = struct.pack("<IiiHHIIiiII", 40, width, len(rows), 1, bits, 0, len(data), 2835, 2835, 1 << bits, 0)
    offset = 14 + len(header) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + table + data


def main(out):
    rows = pixels()
    Path(out, "Glyphs16.bmp").write_bytes(bmp(rows, 4))
    Path(out, "Glyphs256.bmp").write_bytes(bmp(rows, 8))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
