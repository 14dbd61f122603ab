#!/usr/bin/env python3
"""Writes the shelf button's images: Shelf.ico, a 32 x 32 icon of three books
on a shelf board, and ShelfGlyphs.bmp, the shelf menu's toolbar strip of
four 16 x 15 glyphs (a disk for save as, a bin for clear, an open folder,
an "i" for about) on the light grey button face, as a 16-colour bitmap."""
import struct
from pathlib import Path

HERE = Path(__file__).parent
W, H = 16, 15
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
FACE, BLACK, MAROON, GREEN, NAVY, GREY, WHITE, YELLOW, BLUE, RED = 7, 0, 1, 2, 4, 8, 15, 11, 12, 9


def disk(x, y):
    if not (1 <= x <= 14 and 1 <= y <= 13):
        return FACE
    if x in (1, 14) or y in (1, 13):
        return BLACK
    if 4 <= x <= 11 and 2 <= y <= 6:
        return WHITE
    return GREY if 5 <= x <= 10 and 9 <= y <= 12 else BLUE


def bin_(x, y):
    if y == 2 and 3 <= x <= 12:
        return BLACK
    if y == 1 and 6 <= x <= 9:
        return BLACK
    if 4 <= x <= 11 and 4 <= y <= 13:
        if x in (4, 11) or y == 13:
            return BLACK
        return GREY if x in (6, 9) else WHITE
    return FACE


def folder(x, y):
    if 2 <= x <= 13 and 4 <= y <= 12:
        return BLACK if x in (2, 13) or y in (4, 12) else YELLOW
    return BLACK if 2 <= x <= 6 and y == 3 else FACE


def info(x, y):
    if (x - 7.5) ** 2 + (y - 7) ** 2 <= 42:
        if 7 <= x <= 8 and (y in (3, 4) or 6 <= y <= 11):
            return WHITE
        return NAVY
    return FACE


def write_strip():
    glyphs = [disk, bin_, folder, info]
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
    (HERE / "ShelfGlyphs.bmp").write_bytes(head + header + table + data)


def shelf_pixel(x, y):
    """RGBA of the icon: three book spines standing on a board."""
    books = [(4, 10, 6, (180, 40, 40)), (11, 16, 9, (40, 90, 170)), (17, 22, 4, (40, 140, 70)),
             (23, 28, 11, (200, 150, 40))]
    if 25 <= y <= 27 and 1 <= x <= 30:
        return (120, 80, 40, 255) if y < 27 else (70, 45, 20, 255)
    for left, right, top, colour in books:
        if left <= x <= right and top <= y <= 24:
            if x in (left, right) or y == top:
                return (30, 30, 30, 255)
            if y in (top + 4, 20):
                return (240, 220, 120, 255)
            return colour + (255,)
    return (0, 0, 0, 0)


def write_icon():
    size = 32
    pixels = b""
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = shelf_pixel(x, y)
            pixels += struct.pack("<BBBB", b, g, r, a)
    mask_stride = 4
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            if shelf_pixel(x, y)[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)[:mask_stride]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    (HERE / "Shelf.ico").write_bytes(directory + image)


write_strip()
write_icon()
