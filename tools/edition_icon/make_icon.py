#!/usr/bin/env python3
"""Draws an edition program's icon, its demo character's head, as a .ico file.

    make_icon.py EDITION OUTPUT.ico

The file holds the head at 32 x 32 and 16 x 16 pixels twice: with 256
colours and a transparency mask, which every Windows version reads, and in
32 bits with smooth edges for the systems that show an alpha channel.
"""
import struct
import sys

OUTLINE = (0x3A, 0x28, 0x48)
HAIR = (0x96, 0x5C, 0xBE)
HAIR_DARK = (0x7A, 0x4A, 0xA0)
SKIN = (0xFF, 0xE2, 0xCC)
EYE = (0x28, 0x1E, 0x3C)
WHITE = (0xFF, 0xFF, 0xFF)
CHEEK = (0xFF, 0xA0, 0xAA)
MOUTH = (0xAA, 0x32, 0x46)
PALETTE = [OUTLINE, HAIR, HAIR_DARK, SKIN, EYE, WHITE, CHEEK, MOUTH]

SUBSAMPLES = 4  # per pixel and axis, for the smooth edges


def inside(x, y, cx, cy, rx, ry):
    u = (x - cx) / rx
    v = (y - cy) / ry
    return u * u + v * v <= 1


def colour_at(x, y):
    """The head's colour at (x, y) in a 32-unit square, None outside it."""
    line = 1.1
    if inside(x, y, 16, 18, 12.5, 11.5):
        if not inside(x, y, 16, 18, 12.5 - line, 11.5 - line):
            return OUTLINE
        if inside(x, y, 16, 20.5, 10, 8):
            fringe = inside(x, y, 16, 12.5, 11, 3.5) or any(
                inside(x, y, 16 + dx, 14.5, 3.8, 2.6) for dx in (-5.5, 0, 5.5))
            if fringe:
                return HAIR
            for ex in (12, 20):
                if inside(x, y, ex - 0.5, 19.2, 0.7, 0.8):
                    return WHITE
                if inside(x, y, ex, 19.8, 1.7, 2.3):
                    return EYE
            if inside(x, y, 16, 24.8, 1.6, 1.1):
                return MOUTH
            if any(inside(x, y, cx, 23.2, 1.9, 1.1) for cx in (9.2, 22.8)):
                return CHEEK
            return SKIN
        return HAIR
    for bx in (6, 26):
        if inside(x, y, bx, 7.5, 5, 5):
            return HAIR_DARK if inside(x, y, bx, 7.5, 5 - line, 5 - line) else OUTLINE
    # A curl on top of the head.
    if inside(x, y, 17.5, 4.8, 2.6, 2.2) and not inside(x, y, 17.5, 4.8, 1.3, 1.0) and y < 6.2:
        return HAIR
    return None


def render(size):
    """Rows top-down of (colour or None, coverage 0..1) per pixel."""
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            samples = []
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) * scale
                    y = (py + (sy + 0.5) / SUBSAMPLES) * scale
                    samples.append(colour_at(x, y))
            row.append(samples)
        rows.append(row)
    return rows


def majority(colours):
    return max(PALETTE, key=colours.count)


def mask_rows(rows, size):
    """The AND mask, bottom-up, 1 where the pixel is transparent."""
    stride = (size + 31) // 32 * 4
    out = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, samples in enumerate(row):
            if sum(s is not None for s in samples) * 2 < len(samples):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def info_header(size, bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def image_32(size):
    rows = render(size)
    pixels = b""
    for row in reversed(rows):
        for samples in row:
            covered = [s for s in samples if s is not None]
            if not covered:
                pixels += b"\0\0\0\0"
                continue
            # The colour most of the pixel shows keeps the features crisp;
            # only the outer edge is smoothed, through alpha.
            r, g, b = majority(covered)
            alpha = round(255 * len(covered) / len(samples))
            pixels += bytes((b, g, r, alpha))
    return info_header(size, 32, 0) + pixels + mask_rows(rows, size)


def image_8(size):
    rows = render(size)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    table += b"\0" * (4 * 256 - len(table))
    stride = (size + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, samples in enumerate(row):
            covered = [s for s in samples if s is not None]
            if covered:
                line[x] = PALETTE.index(majority(covered))
        pixels += bytes(line)
    return info_header(size, 8, 256) + table + pixels + mask_rows(rows, size)


def main():
    if len(sys.argv) != 3 or sys.argv[1] != "quenna":
        sys.exit("usage: make_icon.py quenna OUTPUT.ico")
    images = [(size, bits, make(size)) for bits, make in ((8, image_8), (32, image_32)) for size in (32, 16)]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    for size, bits, data in images:
        colours = 0  # 256 colours are written as 0
        directory += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(sys.argv[2], "wb") as out:
        out.write(header + directory + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main()
