#!/usr/bin/env python3
"""Draws the gallery's button glyphs and writes them into Gallery.layout as the
hexadecimal BMP files of each button's Glyph.Data.

    python3 tools/gallery/glyph_art.py

Each glyph is 16 x 16 on an olive ground: the buttons see through the colour
of a glyph's bottom-left pixel, so the ground must stay at that corner.
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "skinart"))

from canvas import Canvas  # noqa: E402
from imagefile import bmp24_bytes  # noqa: E402

GROUND = (128, 128, 0)
SIZE = 16


def check_mark():
    c = Canvas(SIZE, SIZE, GROUND)
    c.stroke([(3, 8), (6, 12), (13, 3)], 2.2, (0, 140, 40))
    return c


def disk():
    c = Canvas(SIZE, SIZE, GROUND)
    c.fill(2, 2, 12, 12, (30, 70, 170))
    c.fill(4, 2, 8, 5, (235, 235, 235))
    c.fill(5, 10, 6, 4, (20, 40, 110))
    return c


def lines(align):
    c = Canvas(SIZE, SIZE, GROUND)
    for i, width in enumerate((12, 8, 12, 6)):
        if align == "left":
            x = 2
        elif align == "right":
            x = 14 - width
        else:
            x = (SIZE - width) // 2
        c.fill(x, 3 + i * 3, width, 2, (40, 40, 40))
    return c


GLYPHS = {
    "btnGlyphLeft": check_mark,
    "btnGlyphTop": disk,
    "spdAlignLeft": lambda: lines("left"),
    "spdAlignCentre": lambda: lines("centre"),
    "spdAlignRight": lambda: lines("right"),
}


def hex_lines(data, indent, width=64):
    text = data.hex().upper()
    return [indent + text[i:i + width] for i in range(0, len(text), width)]


def main():
    path = os.path.join(HERE, "Gallery.layout")
    with open(path) as f:
        layout = f.read().split("\n")
    out = []
    current = None
    i = 0
    while i < len(layout):
        line = layout[i]
        m = re.match(r"\s*object (\w+):", line)
        if m:
            current = m.group(1)
        g = re.match(r"(\s*)Glyph\.Data = \{", line)
        if g and current in GLYPHS:
            indent = g.group(1)
            while not layout[i].rstrip().endswith("}"):
                i += 1
            out.append(indent + "Glyph.Data = {")
            out.extend(hex_lines(bmp24_bytes(GLYPHS[current]()), indent + "  "))
            out.append(indent + "}")
        else:
            out.append(line)
        i += 1
    with open(path, "w") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
