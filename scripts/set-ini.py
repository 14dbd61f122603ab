#!/usr/bin/env python3
"""set-ini.py FILE SECTION KEY VALUE: sets KEY=VALUE in [SECTION] of a Windows
INI file, creating either when missing. Every other line stays as it was;
the bytes are kept as they are, the line ends become CRLF."""
import sys


def main():
    path, section, key, value = sys.argv[1:5]
    try:
        with open(path, encoding="latin-1", newline="") as f:
            lines = f.read().splitlines()
    except FileNotFoundError:
        lines = []
    entry = key + "=" + value
    heads = [i for i, line in enumerate(lines) if line.strip().lower() == "[" + section.lower() + "]"]
    if not heads:
        lines += ["[" + section + "]", entry]
    else:
        start = heads[0] + 1
        end = next((i for i in range(start, len(lines)) if lines[i].lstrip().startswith("[")), len(lines))
        same = [i for i in range(start, end) if lines[i].split("=")[0].strip().lower() == key.lower()]
        if same:
            lines[same[0]] = entry
        else:
            lines.insert(start, entry)
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))


main()
