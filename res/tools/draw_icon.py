#!/usr/bin/env python3
"""Draws Shortex's icon (res/shortex.ico): a long white bar shortened to a short amber one on a
blue tile. 16x16 and 32x32 at 8 bits per pixel with a palette, 48x48 at 32 bits with alpha."""
import struct
import sys

BLUE, DARK, WHITE, AMBER, SHADOW = (31, 95, 191), (18, 58, 122), (255, 255, 255), (255, 197, 51), (12, 40, 90)


def shape(size, x, y):
    """Colour of the point (x, y), in pixels of a size x size icon, or None outside the tile."""
    s = size / 48.0
    u, v = x / s, y / s  # design coordinates, 48 units across
    r, inset = 9.0, 1.0
    cx = min(max(u, inset + r), 48 - inset - r)
    cy = min(max(v, inset + r), 48 - inset - r)
    d = ((u - cx) ** 2 + (v - cy) ** 2) ** 0.5
    if d > r:
        return None
    colour = DARK if d > r - 2.2 else BLUE
    if 9 <= u <= 39 and 11 <= v <= 18:
        colour = WHITE  # the long name
    if 21 <= v <= 28 and abs(u - 17) <= (28 - v) * 0.9:
        colour = WHITE  # the arrow between them
    if 9 <= u <= 24 and 30 <= v <= 37:
        colour = AMBER  # the short name
    if 9 <= u <= 24 and 37 < v <= 38.5:
        colour = SHADOW
    return colour


def render(size, samples):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            hits = [shape(size, x + (i + 0.5) / samples, y + (j + 0.5) / samples)
                    for i in range(samples) for j in range(samples)]
            inside = [c for c in hits if c is not None]
            if not inside:
                row.append((0, 0, 0, 0))
                continue
            rgb = tuple(round(sum(c[k] for c in inside) / len(inside)) for k in range(3))
            row.append(rgb + (round(255 * len(inside) / len(hits)),))
        pixels.append(row)
    return pixels


def and_mask(pixels, size):
    stride = ((size + 31) // 32) * 4
    data = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def dib_8bpp(size):
    pixels = render(size, 1)
    palette = [(0, 0, 0)] + [BLUE, DARK, WHITE, AMBER, SHADOW]
    palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    rows = b""
    for row in reversed(pixels):
        rows += bytes(palette.index(p[:3]) if p[3] else 0 for p in row)
    return header + table + rows + and_mask(pixels, size)


def dib_32bpp(size):
    pixels = render(size, 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], p[3]) for row in reversed(pixels) for p in row)
    return header + rows + and_mask(pixels, size)


def main(path):
    images = [(16, 8, dib_8bpp(16)), (32, 8, dib_8bpp(32)), (48, 32, dib_32bpp(48))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        colours = 0
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "shortex.ico")
