#!/usr/bin/env python3
"""Draws the program's icon, a jagged yellow starburst with dark lettering,
at 32 x 32 and 16 x 16 pixels in the 16 standard colours, and writes it as a
Windows .ico file. Run it again only to change the picture."""
import math
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
OLIVE, NAVY, YELLOW, WHITE = 3, 4, 11, 15

# Letter shapes, one string per row; '#' is ink.
BIG = {
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "D": ["###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."],
}
SMALL = {
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "D": ["##.", "#.#", "#.#", "#.#", "##."],
}


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def draw(size):
    c = size / 2
    points = 14
    poly = []
    for k in range(points * 2):
        a = math.pi * k / points - math.pi / 2
        r = (size / 2 - 0.5) if k % 2 == 0 else size * (0.30 if k % 4 == 1 else 0.36)
        poly.append((c + r * math.cos(a), c + r * math.sin(a)))
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if inside(poly, x + 0.5, y + 0.5):
                pixels[y][x] = YELLOW
    # A dark rim where the star meets the background.
    for y in range(size):
        for x in range(size):
            if pixels[y][x] is None:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < size and 0 <= ny < size) or pixels[ny][nx] is None:
                    pixels[y][x] = OLIVE
                    break
    font = BIG if size >= 32 else SMALL
    word = "3D"
    w = sum(len(font[ch][0]) for ch in word) + (len(word) - 1)
    h = len(font[word[0]])
    x0 = (size - w) // 2
    y0 = (size - h) // 2
    for ch in word:
        for row, line in enumerate(font[ch]):
            for col, mark in enumerate(line):
                if mark == "#":
                    pixels[y0 + row][x0 + col] = NAVY
        x0 += len(font[ch][0]) + 1
    return pixels


def image(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_row = ((size * 4 + 31) // 32) * 4
    and_row = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(xor_row)
        bits = bytearray(and_row)
        for x in range(size):
            p = pixels[y][x]
            value = 0 if p is None else p
            row[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += row
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    images = [image(32), image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/platform/win32/res/corvane.ico")
