#!/usr/bin/env python3
"""Draws the help window's 100 x 115 picture, a head-and-shoulders figure
before a blue backdrop, and writes it as a BMP of 8 bits a pixel: it has
fewer than 256 colours, so a palette holds every one of them exactly, in a
third of the bytes of 24 bits a pixel. Run it again only to change the
picture."""
import math
import struct
import sys

W, H = 100, 115


def colour(x, y):
    # Backdrop: a soft vertical blue gradient.
    t = y / (H - 1)
    r, g, b = int(70 + 40 * t), int(110 + 50 * t), int(190 - 30 * t)
    # Shoulders: an ellipse cut off by the bottom edge.
    if ((x - 50) / 46) ** 2 + ((y - 122) / 40) ** 2 <= 1:
        shade = 0.85 + 0.15 * (1 - abs(x - 50) / 46)
        return int(40 * shade), int(40 * shade), int(60 * shade)
    # Neck.
    if 42 <= x <= 58 and 62 <= y <= 86:
        return 214, 170, 140
    # Head, lit from the left.
    d = ((x - 50) / 22) ** 2 + ((y - 48) / 27) ** 2
    if d <= 1:
        light = 1.0 - 0.25 * max(0.0, (x - 44) / 28)
        if y < 32 and d > 0.35:  # hair
            return int(90 * light), int(60 * light), int(30 * light)
        return int(232 * light), int(190 * light), int(160 * light)
    return r, g, b


def main(path):
    rows = [[colour(x, y) for x in range(W)] for y in reversed(range(H))]
    palette = sorted({c for row in rows for c in row})
    assert len(palette) <= 256, "more colours than a palette holds"
    index = {c: i for i, c in enumerate(palette)}
    stride = (W + 3) & ~3
    pixels = bytearray()
    for row in rows:
        pixels += bytes(index[c] for c in row) + bytes(stride - W)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(pixels), 3780, 3780, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + colours + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/platform/win32/res/photo.bmp")
