#!/usr/bin/python3
"""Writes the hatch patterns of resources/Fill_Style_Image and the banner tile
resources/banner.png. Run from anywhere; uses only the standard library.

A pattern is a small tile of dark lines or dots on a transparent ground, so the
hatch background colour shows between them. The file name without ".png" is
the pattern name that designs store, so existing names must never change.
"""
import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a), 8 bits each; written as RGBA, 72 dpi."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter: none
        for x in range(width):
            raw.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    dots_per_metre = 2835  # 72 dpi: one pixel per point
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"pHYs", struct.pack(">IIB", dots_per_metre, dots_per_metre, 1))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


INK = (40, 40, 40, 255)
CLEAR = (0, 0, 0, 0)
N = 8  # tile side in pixels (points)

PATTERNS = {
    "Horizontal": lambda x, y: y == 0,
    "Vertical": lambda x, y: x == 0,
    "Cross": lambda x, y: x == 0 or y == 0,
    "Forward_Diagonal": lambda x, y: x + y == N - 1,
    "Backward_Diagonal": lambda x, y: x == y,
    "Diagonal_Cross": lambda x, y: x == y or x + y == N - 1,
    "Dots": lambda x, y: x in (3, 4) and y in (3, 4),
    "Checker": lambda x, y: (x < N // 2) != (y < N // 2),
    "Dense_Horizontal": lambda x, y: y % 2 == 0,
    "Dense_Vertical": lambda x, y: x % 2 == 0,
}


def main():
    folder = os.path.join(ROOT, "Fill_Style_Image")
    os.makedirs(folder, exist_ok=True)
    for name, ink in PATTERNS.items():
        write_png(os.path.join(folder, name + ".png"), N, N,
                  lambda x, y, ink=ink: INK if ink(x, y) else CLEAR)

    # Banner tile: a deep blue band with a lighter top line, repeated across
    # the strip behind the main window's tool bar.
    def banner(x, y):
        if y == 0:
            return (120, 160, 220, 255)
        t = y / 47.0
        return (int(20 + 30 * t), int(60 + 40 * t), int(120 + 60 * t), 255)

    write_png(os.path.join(ROOT, "banner.png"), 32, 48, banner)


if __name__ == "__main__":
    main()
