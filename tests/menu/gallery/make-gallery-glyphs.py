#!/usr/bin/env python3
"""Writes GalleryGlyphs.bmp, the menu gallery's toolbar strip: five 16 x 15
glyphs (an open folder, a disk, a printer, a bold B, a cross) on the light
grey button face, as a 16-colour bitmap."""
import struct
from pathlib import Path

W, H = 16, 15
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
FACE, BLACK, GREY, WHITE, YELLOW, BLUE, RED, NAVY = 7, 0, 8, 15, 11, 12, 9, 4


def folder(x, y):
    if 2 <= x <= 13 and 4 <= y <= 12:
        return BLACK if x in (2, 13) or y in (4, 12) else YELLOW
    return BLACK if 2 <= x <= 6 and y == 3 else FACE


def disk(x, y):
    if not (1 <= x <= 14 and 1 <= y <= 13):
        return FACE
    if x in (1, 14) or y in (1, 13):
        return BLACK
    if 4 <= x <= 11 and 2 <= y <= 6:
        return WHITE
    return GREY if 5 <= x <= 10 and 9 <= y <= 12 else BLUE


def printer(x, y):
    if 4 <= x <= 11 and 1 <= y <= 5:
        return BLACK if x in (4, 11) or y == 1 else WHITE
    if 1 <= x <= 14 and 6 <= y <= 11:
        return BLACK if x in (1, 14) or y in (6, 11) else GREY
    return BLACK if 4 <= x <= 11 and y == 13 else FACE


def bold(x, y):
    if not (3 <= x <= 11 and 1 <= y <= 13):
        return FACE
    stem = 3 <= x <= 5
    bars = y in (1, 2, 6, 7, 12, 13) and x <= 10
    bowls = x in (10, 11) and y not in (1, 6, 7, 13)
    return NAVY if stem or bars or bowls else FACE


def cross(x, y):
    return RED if abs(x - y) <= 1 or abs(x - (14 - y)) <= 1 else FACE


def main():
    glyphs = [folder, disk, printer, bold, cross]
    rows = [[glyphs[x // W](x % W, y) for x in range(W * len(glyphs))] for y in range(H)]
    width = len(rows[0])
    stride = (width * 4 + 31) // 32 * 4
    data = b""
    for row in reversed(rows):
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        data += packed + b"\0" * (stride - len(packed))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, width, H, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(header) + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    Path(__file__).with_name("GalleryGlyphs.bmp").write_bytes(head + header + table + data)


main()
