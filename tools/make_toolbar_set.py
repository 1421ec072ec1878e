#!/usr/bin/env python3
"""Writes the saved property set of a Tessel toolbar from its readable description.

  make_toolbar_set.py DESCRIPTION.toolbar STRIP.bmp OUT.bin

The description (see wexlin/main_window/toolbars/) gives the control's size in twips, its mask
colour and its buttons. The set holds what the control would save for them: the container's
extent first, then the control's keys in the order it writes them, each left out when it equals
its default, and the strip as the picture. Layout: a length, the signature 0x0000B293, the
length again, then entries (type, name length, hash, link, lower-cased UTF-16 key, value,
padding to 4); the last entry links back to the first.
"""
import re
import shlex
import struct
import sys

INT16, INT32, STRING, BOOLEAN, OBJECT = 2, 3, 8, 11, 13
PICTURE_CLSID = bytes.fromhex("0452E30B918FCE119DE300AA004BB851")  # {0BE35204-8F91-11CE-9DE3-00AA004BB851}
PICTURE_MAGIC = 0x0000746C


def fail(message):
    sys.exit(f"make_toolbar_set.py: {message}")


def key_hash(key):
    h = 0
    for c in key.lower():
        h = ((h << 13) | (h >> 19)) & 0xFFFFFFFF
        h ^= ord(c)
    return h


def utf16(text):
    return text.encode("utf-16-le")


def entry(value_type, key, value_bytes):
    key = key.lower()
    body = struct.pack("<HHI", value_type, len(key), key_hash(key))
    rest = utf16(key) + value_bytes
    size = 12 + len(rest)
    padding = (-size) % 4
    return body, rest + b"\0" * padding


def value_bytes(value_type, value):
    if value_type == INT16:
        return struct.pack("<h", value)
    if value_type == INT32:
        return struct.pack("<i", value)
    if value_type == BOOLEAN:
        return struct.pack("<h", -1 if value else 0)
    if value_type == STRING:
        return struct.pack("<I", len(utf16(value)) // 2) + utf16(value)
    if value_type == OBJECT:
        return PICTURE_CLSID + struct.pack("<II", PICTURE_MAGIC, len(value)) + value
    fail(f"unknown value type {value_type}")


def encode(entries):
    parts = [entry(t, k, value_bytes(t, v)) for t, k, v in entries]
    sizes = [4 + len(head) + len(rest) for head, rest in parts]  # head holds type, length, hash
    out = b""
    for i, (head, rest) in enumerate(parts):
        link = sizes[i] if i + 1 < len(parts) else -sum(sizes[:-1])
        out += head + struct.pack("<i", link) + rest
    length = 4 + 4 + len(out)  # signature, length again, entries
    return struct.pack("<III", length, 0x0000B293, length) + out


def read_description(path):
    size, mask, buttons = None, None, []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            words = shlex.split(line)
            where = f"{path}:{number}"
            if words[0] == "size" and len(words) == 3:
                size = (int(words[1]), int(words[2]))
            elif words[0] == "mask" and len(words) == 2:
                mask = int(words[1])
            elif words[0] == "button" and len(words) >= 4 and words[2] == "image":
                button = {"id": int(words[1]), "image": int(words[3]), "disabled": False, "tip": ""}
                rest = words[4:]
                while rest:
                    if rest[0] == "disabled":
                        button["disabled"] = True
                        rest = rest[1:]
                    elif rest[0] == "tip" and len(rest) >= 2:
                        button["tip"] = rest[1]
                        rest = rest[2:]
                    else:
                        fail(f"{where}: unexpected {rest[0]!r}")
                if button["id"] != len(buttons):
                    fail(f"{where}: buttons must be numbered 0, 1, 2, ... in order")
                buttons.append(button)
            else:
                fail(f"{where}: expected 'size W H', 'mask COLOUR' or 'button ID image N ...'")
    if size is None or mask is None or not buttons:
        fail(f"{path}: needs a size, a mask and at least one button")
    return size, mask, buttons


def himetric(twips):
    return (twips * 2540 + 720) // 1440


def toolbar_entries(size, mask, buttons, strip):
    entries = [(INT32, "_ExtentX", himetric(size[0])), (INT32, "_ExtentY", himetric(size[1]))]

    def put(value_type, key, value, default):
        if value != default:
            entries.append((value_type, key, value))

    put(INT16, "ToolBarSize", 16, 16)
    put(INT16, "ButnCount", len(buttons) - 1, 0)
    put(BOOLEAN, "CheckGroup", False, False)
    for b in buttons:
        i = b["id"]
        put(STRING, f"Caption{i}", "", "")
        put(INT16, f"ImageNumber{i}", b["image"], 0)
        put(STRING, f"ToolTips{i}", b["tip"], "")
        put(INT32, f"BtnStyle{i}", 1, 0)  # a plain button
        put(BOOLEAN, f"BtnEnabled{i}", b["disabled"], False)  # True stands for disabled
        put(BOOLEAN, f"CheckGroup{i}", False, False)
    put(BOOLEAN, "WithText", False, False)
    put(BOOLEAN, "Style", False, False)
    put(INT16, "ButtonWidth", 0, 0)
    entries.append((OBJECT, "Picture", strip))
    put(INT32, "MaskColor", mask, 0)
    put(BOOLEAN, "Wrappable", False, False)
    return entries


def main():
    if len(sys.argv) != 4:
        fail("usage: make_toolbar_set.py DESCRIPTION.toolbar STRIP.bmp OUT.bin")
    size, mask, buttons = read_description(sys.argv[1])
    with open(sys.argv[2], "rb") as f:
        strip = f.read()
    if strip[:2] != b"BM":
        fail(f"{sys.argv[2]}: not a bitmap file")
    with open(sys.argv[3], "wb") as f:
        f.write(encode(toolbar_entries(size, mask, buttons, strip)))


if __name__ == "__main__":
    main()
