#!/usr/bin/env python3
"""Builds a Windows .ico from a readable pixel-art description.

The description holds lines 'size N' (the art is N x N), 'color C RRGGBB' (C is one character),
'sizes A B ...' (icon images to produce, each the art scaled by a whole factor), then N rows of
N characters; '.' is transparent. Lines starting with '#' are comments.
"""
import struct
import sys


def parse(path):
    size, sizes, colors, rows = None, None, {}, []
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            word = line.split()
            if word[0] == "size":
                size = int(word[1])
            elif word[0] == "sizes":
                sizes = [int(w) for w in word[1:]]
            elif word[0] == "color":
                colors[word[1]] = tuple(int(word[2][i:i + 2], 16) for i in (0, 2, 4))
            else:
                if size is None or len(line) != size:
                    sys.exit(f"{path}:{number}: row must be {size} characters, not {len(line)}")
                unknown = set(line) - set(colors) - {"."}
                if unknown:
                    sys.exit(f"{path}:{number}: undefined colours {sorted(unknown)}")
                rows.append(line)
    if size is None or len(rows) != size:
        sys.exit(f"{path}: expected {size} rows, found {len(rows)}")
    for s in sizes or [size]:
        if s % size:
            sys.exit(f"{path}: image size {s} is not a multiple of {size}")
    return size, sizes or [size], colors, rows


def image(size, scale, colors, rows):
    n = size * scale
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((n + 31) // 32) * 4
    for y in reversed(range(n)):  # bottom-up
        row = rows[y // scale]
        bits = bytearray(mask_stride)
        for x in range(n):
            c = row[x // scale]
            if c == ".":
                pixels += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = colors[c]
                pixels += bytes((b, g, r, 255))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return n, header + bytes(pixels) + bytes(mask)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_icon.py ART.txt OUT.ico")
    size, sizes, colors, rows = parse(sys.argv[1])
    images = [image(size, s // size, colors, rows) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(sys.argv[2], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
