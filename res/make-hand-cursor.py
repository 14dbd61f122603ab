#!/usr/bin/env python3
"""Writes Hand.cur: the pointing hand of the hyperlink labels, 32 x 32 in
16 colours, hot spot at the fingertip in the top-left corner (0, 0).

    python3 res/make-hand-cursor.py res/Hand.cur
"""
import struct
import sys

# '#' outline (black), '.' hand (white), ' ' transparent. The index finger
# points up and to the left so that its tip is the hot spot.
PICTURE = """
###
#..#
#...#
 #...#
  #...#
   #...#
    #...#
     #...####
      #......###
      #.#.......#
     ##..#.......#
    #..#..#.#.....#
   #....#..#.#.....#
   #.....#..#.#....#
    #.....#.......#
     #............#
      #...........#
       #.........#
        #.......#
         #.....#
          #####
"""

BLACK, WHITE = 0, 15
# The 16 VGA colours; only black and white are used.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
SIZE = 32


def rows():
    lines = PICTURE.strip("\n").split("\n")
    grid = [[" "] * SIZE for _ in range(SIZE)]
    for y, line in enumerate(lines):
        for x, c in enumerate(line):
            grid[y][x] = c
    return grid


def image(grid):
    xor = bytearray()
    mask = bytearray()
    for line in reversed(grid):  # bottom-up
        nibbles = [WHITE if c == "." else BLACK for c in line]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for c in line:
            bits = (bits << 1) | (1 if c == " " else 0)
        mask += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def main():
    body = image(rows())
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 0, 0, len(body), 6 + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + entry + body)


main()
