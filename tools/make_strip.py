#!/usr/bin/env python3
"""Builds an image strip from readable pixel maps, and draws a contact sheet of it.

The art folder holds palette.txt and one pixel map a image, named NN_subject.txt, where NN is
the image's index in the strip. palette.txt has one line a colour, in palette order:
'LETTER name RRGGBB'. A pixel map is N rows of N letters of that palette (lines starting with
'#' are comments); all maps share one size N, the strip's height.

  make_strip.py bmp ART_DIR OUT.bmp           the strip as a 4-bit bitmap file (bottom-up)
  make_strip.py sheet ART_DIR OUT.png [SCALE]  the strip at 100 %, then every image enlarged
                                              SCALE times (default 6) with its index beside it
"""
import os
import re
import struct
import sys
import zlib


def fail(message):
    sys.exit(f"make_strip.py: {message}")


def read_palette(folder):
    path = os.path.join(folder, "palette.txt")
    letters, colours = {}, []
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            word = line.split()
            if len(word) != 3 or len(word[0]) != 1 or not re.fullmatch(r"[0-9A-Fa-f]{6}", word[2]):
                fail(f"{path}:{number}: expected 'LETTER name RRGGBB'")
            if word[0] in letters:
                fail(f"{path}:{number}: letter {word[0]!r} defined twice")
            letters[word[0]] = len(colours)
            colours.append(tuple(int(word[2][i:i + 2], 16) for i in (0, 2, 4)))
    if not 2 <= len(colours) <= 16:
        fail(f"{path}: a 4-bit strip takes 2 to 16 colours, not {len(colours)}")
    return letters, colours


def read_images(folder, letters):
    named = []
    for name in os.listdir(folder):
        match = re.fullmatch(r"(\d+)_[a-z0-9_]+\.txt", name)
        if match:
            named.append((int(match.group(1)), name))
    named.sort()
    if [index for index, _ in named] != list(range(len(named))) or not named:
        fail(f"{folder}: pixel maps must be numbered 0, 1, 2, ... without gaps or repeats")
    images, size = [], None
    for index, name in named:
        path = os.path.join(folder, name)
        rows = []
        with open(path, encoding="ascii") as f:
            for number, raw in enumerate(f, 1):
                line = raw.rstrip("\n")
                if line.startswith("#") or not line:
                    continue
                unknown = sorted(set(line) - set(letters))
                if unknown:
                    fail(f"{path}:{number}: letters not in the palette: {unknown}")
                rows.append([letters[c] for c in line])
        if size is None:
            size = len(rows)
        if len(rows) != size or any(len(r) != size for r in rows):
            fail(f"{path}: expected {size} rows of {size} letters")
        images.append((name, rows))
    return size, images


def strip_pixels(size, images):
    """Rows of palette indices, top row first, images side by side."""
    return [sum((rows[y] for _, rows in images), []) for y in range(size)]


def bitmap_file(pixels, colours):
    height, width = len(pixels), len(pixels[0])
    stride = ((width * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        data += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (16 - len(colours)))
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return head + info + palette + bytes(data)


# Digits 3 wide and 5 high for the contact sheet's labels.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"], "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"], "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"], "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"], "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"], "9": ["###", "#.#", "###", "..#", "###"],
}


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.rows = [bytearray(bytes(colour) * width) for _ in range(height)]

    def fill(self, x, y, w, h, colour):
        chunk = bytes(colour) * w
        for row in self.rows[y:y + h]:
            row[3 * x:3 * (x + w)] = chunk

    def text(self, x, y, digits, dot, colour):
        for digit in digits:
            for dy, line in enumerate(DIGITS[digit]):
                for dx, c in enumerate(line):
                    if c == "#":
                        self.fill(x + dx * dot, y + dy * dot, dot, dot, colour)
            x += 4 * dot

    def image(self, x, y, pixels, colours, scale):
        for py, row in enumerate(pixels):
            for px, index in enumerate(row):
                self.fill(x + px * scale, y + py * scale, scale, scale, colours[index])

    def png(self):
        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        raw = b"".join(b"\0" + bytes(row) for row in self.rows)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


def contact_sheet(size, images, colours, scale):
    """The strip at 100 % and twice, then a grid of the images enlarged, each with its index."""
    columns, margin, dot = 9, 12, 3
    label = 3 * 4 * dot  # room for three digits
    cell_w, cell_h = label + size * scale + margin, size * scale + margin
    rows = (len(images) + columns - 1) // columns
    strip = strip_pixels(size, images)
    strip_w = len(strip[0])
    width = max(2 * margin + columns * cell_w, 2 * margin + 2 * strip_w)
    top = margin + size + margin + 2 * size + margin
    canvas = Canvas(width, top + rows * cell_h + margin, (255, 255, 255))
    canvas.image(margin, margin, strip, colours, 1)
    canvas.image(margin, 2 * margin + size, strip, colours, 2)
    for i, (_, pixels) in enumerate(images):
        x = margin + (i % columns) * cell_w
        y = top + (i // columns) * cell_h
        canvas.text(x, y + 2, str(i), dot, (0, 0, 0))
        canvas.fill(x + label - 1, y - 1, size * scale + 2, size * scale + 2, (128, 128, 128))
        canvas.image(x + label, y, pixels, colours, scale)
    return canvas.png()


def main():
    args = sys.argv[1:]
    if len(args) not in (3, 4) or args[0] not in ("bmp", "sheet") or (args[0] == "bmp" and len(args) != 3):
        fail("usage: make_strip.py bmp ART_DIR OUT.bmp | make_strip.py sheet ART_DIR OUT.png [SCALE]")
    letters, colours = read_palette(args[1])
    size, images = read_images(args[1], letters)
    if args[0] == "bmp":
        out = bitmap_file(strip_pixels(size, images), colours)
    else:
        out = contact_sheet(size, images, colours, int(args[3]) if len(args) == 4 else 6)
    with open(args[2], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
