#!/usr/bin/env python3
"""Draws the help window's 100 x 115 picture, a head-and-shoulders figure
before a blue backdrop, and writes it as a 24-bit BMP. Run it again only to
change the picture."""
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
    row = (W * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(H)):
        line = bytearray()
        for x in range(W):
            r, g, b = colour(x, y)
            line += bytes((b, g, r))
        line += bytes(row - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/platform/win32/res/photo.bmp")
