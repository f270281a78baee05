#!/usr/bin/env python3
"""Writes skin/default.she, the tool's skin in the format of skin/skin_format.h.
Run from the repository root: python3 tools/make_skin.py"""

colours = [
    (226, 234, 246),  # window
    (28, 46, 84),     # text
    (36, 44, 60),     # edit ground
    (250, 250, 250),  # edit text
    (58, 110, 180),   # button face
    (255, 255, 255),  # button text
    (196, 64, 24),    # link
    (30, 62, 112),    # border
]
data = bytearray(b".SHE" + bytes([1, 12, 0, 0]))
for colour in colours:
    data += bytes(colour)
data += "宋体".encode("gbk") + b"\0"
data += bytes(32 - len("宋体".encode("gbk")) - 1)
with open("skin/default.she", "wb") as out:
    out.write(data)
