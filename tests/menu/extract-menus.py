#!/usr/bin/env python3
"""Writes the bytes of every menu template (RT_MENU) of a compiled .res file
to OUTDIR/menu-NAME.bin: the seed corpus of the template fuzzer
(tests/fuzz/corpus/menu_template, from tests/menu/MenuTest.rc).
Usage: extract-menus.py FILE.res OUTDIR"""
import struct
import sys
from pathlib import Path

RT_MENU = 4


def read_id(data, pos):
    """A numeric (0xFFFF, id) or UTF-16 name; returns (value, next position)."""
    if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def resources(data):
    pos = 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        kind, after = read_id(data, pos + 8)
        name, _ = read_id(data, after)
        yield kind, name, data[pos + header:pos + header + size]
        pos += (header + size + 3) & ~3


def main(res, out):
    Path(out).mkdir(parents=True, exist_ok=True)
    for kind, name, body in resources(Path(res).read_bytes()):
        if kind == RT_MENU:
            Path(out, f"menu-{name}.bin").write_bytes(body)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
