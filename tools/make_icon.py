#!/usr/bin/env python3
"""Draws Korvane's application icon and writes it as a Windows .ico file.

The design: a sky-blue rounded tile with a navy frame and three slider tracks whose
knobs stand at different places, the program's settings at a glance. Drawn per size
from the same geometry, 32-bit colour with alpha. Usage: make_icon.py OUT.ico
"""
import struct
import sys

SKY = (0xA6, 0xCA, 0xF0)
NAVY = (0x00, 0x00, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)
GREEN = (0x2E, 0x8B, 0x57)
TRACK = (0x40, 0x50, 0x80)


def draw(size):
    """Returns rows of (r, g, b, a), top row first."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0
    radius = 6 * s

    def inside_tile(x, y, inset):
        lo, hi = inset, size - 1 - inset
        r = max(radius - inset, 0.5)
        cx = min(max(x, lo + r), hi - r)
        cy = min(max(y, lo + r), hi - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and lo <= x <= hi and lo <= y <= hi

    for y in range(size):
        for x in range(size):
            if inside_tile(x, y, 0):
                px[y][x] = NAVY + (255,)
            if inside_tile(x, y, max(1, round(1.5 * s))):
                px[y][x] = SKY + (255,)

    def rect(x0, y0, x1, y1, colour):
        for y in range(max(0, round(y0)), min(size, round(y1))):
            for x in range(max(0, round(x0)), min(size, round(x1))):
                px[y][x] = colour + (255,)

    # Three tracks with knobs: the middle one green, as the one being changed.
    for i, (row, knob) in enumerate(((9, 20), (16, 10), (23, 16))):
        rect(6 * s, (row - 0.75) * s, 26 * s, (row + 0.75) * s, TRACK)
        colour = GREEN if i == 1 else WHITE
        rect((knob - 2.5) * s, (row - 3) * s, (knob + 2.5) * s, (row + 3) * s, NAVY)
        rect((knob - 1.5) * s, (row - 2) * s, (knob + 1.5) * s, (row + 2) * s, colour)
    return px


def bmp_entry(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(px):  # bottom-up
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def main():
    sizes = (16, 24, 32, 48)
    images = [bmp_entry(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
