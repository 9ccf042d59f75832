#!/usr/bin/env python3
"""Draws an edition program's icon, its demo character's head, as a .ico file.

    make_icon.py EDITION OUTPUT.ico

EDITION is one of quenna, pelmo, tavri, sorlun, ivrel. Each head has the
hair, colours and headwear of that edition's demo character
(tools/demo_character), so that the five programs tell apart at a glance in
the tray; the Sorlun edition shows both of its characters.

The file holds the head at 32 x 32 and 16 x 16 pixels twice: with 256
colours and a transparency mask, which every Windows version reads, and in
32 bits with smooth edges for the systems that show an alpha channel.
"""
import math
import struct
import sys

OUTLINE = (0x3A, 0x28, 0x48)
SKIN = (0xFF, 0xE2, 0xCC)
WHITE = (0xFF, 0xFF, 0xFF)
CHEEK = (0xFF, 0xA0, 0xAA)
MOUTH = (0xAA, 0x32, 0x46)

SUBSAMPLES = 4  # per pixel and axis, for the smooth edges
LINE = 1.1  # outline width in units of the 32-unit square


def inside(x, y, cx, cy, rx, ry):
    u = (x - cx) / rx
    v = (y - cy) / ry
    return u * u + v * v <= 1


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def outlined(is_inside, colour):
    """A part drawn with an outline: is_inside(x, y, grow) tells whether the
    point lies in the part grown by grow units."""
    def part(x, y):
        if is_inside(x, y, -LINE):
            return colour
        if is_inside(x, y, 0):
            return OUTLINE
        return None
    return part


def oval(cx, cy, rx, ry, colour):
    return outlined(lambda x, y, g: inside(x, y, cx, cy, rx + g, ry + g), colour)


def segment_distance(x, y, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = ((x - a[0]) * dx + (y - a[1]) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(a[0] + t * dx - x, a[1] + t * dy - y)


def spike(base_left, base_right, tip, colour):
    """A pointed piece (a hair spike, a hat's crown): a triangle with its
    outline along the two sides that meet at the tip; the base lies on what
    it grows from."""
    def part(x, y):
        if not inside_triangle(x, y, base_left, base_right, tip):
            return None
        edge = min(segment_distance(x, y, base_left, tip), segment_distance(x, y, base_right, tip))
        return colour if edge > LINE else OUTLINE
    return part


# Fringe styles: where the hair covers the face, in the head's own units
# (head centre (16, 18)).
def fringe_locks(x, y):
    return inside(x, y, 16, 12.5, 11, 3.5) or any(inside(x, y, 16 + dx, 14.5, 3.8, 2.6) for dx in (-5.5, 0, 5.5))


def fringe_spiky(x, y):
    if y < 13.5:
        return True
    return any(inside_triangle(x, y, (cx - 3, 13), (cx + 3, 13), (cx + 0.5, 17.2)) for cx in (8, 13, 18, 23.5))


def fringe_straight(x, y):
    return y < 15.6


def fringe_parted(x, y):
    # Swept to one side: the line of the fringe falls from left to right.
    return y < 13.2 + (x - 6) * 0.28


FRINGES = {"locks": fringe_locks, "spiky": fringe_spiky, "straight": fringe_straight, "parted": fringe_parted}


def head(look):
    """The head of a look in the 32-unit square: colour_at(x, y) or None."""
    fringe = FRINGES[look["fringe"]]

    def colour_at(x, y):
        for part in look.get("front", ()):
            colour = part(x, y)
            if colour is not None:
                return colour
        if inside(x, y, 16, 18, 12.5, 11.5):
            if not inside(x, y, 16, 18, 12.5 - LINE, 11.5 - LINE):
                return OUTLINE
            if inside(x, y, 16, 20.5, 10, 8):
                if fringe(x, y):
                    return look["hair"]
                for ex in (12, 20):
                    if inside(x, y, ex - 0.5, 19.2, 0.7, 0.8):
                        return WHITE
                    if inside(x, y, ex, 19.8, 1.7, 2.3):
                        return look["eye"]
                if inside(x, y, 16, 24.8, 1.6, 1.1):
                    return MOUTH
                if any(inside(x, y, cx, 23.2, 1.9, 1.1) for cx in (9.2, 22.8)):
                    return CHEEK
                return SKIN
            return look["hair"]
        for part in look.get("behind", ()):
            colour = part(x, y)
            if colour is not None:
                return colour
        return None

    return colour_at


def placed(colour_at, cx, cy, scale):
    """A head drawn with its centre (16, 18) at (cx, cy), scaled."""
    return lambda x, y: colour_at(16 + (x - cx) / scale, 18 + (y - cy) / scale)


def curl(colour):
    def part(x, y):
        if inside(x, y, 17.5, 4.8, 2.6, 2.2) and not inside(x, y, 17.5, 4.8, 1.3, 1.0) and y < 6.2:
            return colour
        return None
    return part


# Quenna: lilac hair with two buns and a curl.
QUENNA_HAIR = (0x96, 0x5C, 0xBE)
QUENNA_HAIR_DARK = (0x7A, 0x4A, 0xA0)
QUENNA = head({
    "hair": QUENNA_HAIR, "eye": (0x28, 0x1E, 0x3C), "fringe": "locks",
    "behind": [oval(6, 7.5, 5, 5, QUENNA_HAIR_DARK), oval(26, 7.5, 5, 5, QUENNA_HAIR_DARK), curl(QUENNA_HAIR)],
})

# Pelmo: spiky ginger hair with a yellow star clip.
PELMO_HAIR = (0xE8, 0x78, 0x28)
PELMO_CLIP = (0xFA, 0xD2, 0x32)


def star(cx, cy, r, colour):
    points = []
    for i in range(5):
        a = math.radians(-90 + 72 * i)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    tris = [(points[i], points[(i + 2) % 5], (cx, cy)) for i in range(5)]

    def part(x, y):
        if any(inside_triangle(x, y, *t) for t in tris):
            return colour
        return None
    return part


PELMO = head({
    "hair": PELMO_HAIR, "eye": (0x2E, 0x6E, 0x3A), "fringe": "spiky",
    "front": [star(24.5, 10.5, 3.6, PELMO_CLIP)],
    "behind": [spike((6, 12), (12, 8), (3.5, 3.5), PELMO_HAIR), spike((11, 8), (19, 6.6), (15, 0.8), PELMO_HAIR),
               spike((18, 6.6), (25, 8.5), (26.5, 1.8), PELMO_HAIR), spike((24, 9), (28.5, 13.5), (31, 6.5), PELMO_HAIR)],
})

# Tavri: long navy hair down to the shoulders and a red headband.
TAVRI_HAIR = (0x2E, 0x3C, 0x8C)
TAVRI_HAIR_DARK = (0x22, 0x2C, 0x6A)
TAVRI_BAND = (0xDC, 0x32, 0x3C)


def headband(colour):
    def part(x, y):
        # A band over the top of the head, following its curve.
        if inside(x, y, 16, 18, 12.5, 11.5) and not inside(x, y, 16, 20.8, 12.8, 11.5):
            return colour
        return None
    return part


TAVRI = head({
    "hair": TAVRI_HAIR, "eye": (0x6E, 0x2E, 0x1E), "fringe": "straight",
    "front": [headband(TAVRI_BAND)],
    "behind": [outlined(lambda x, y, g: inside(x, y, 16, 21, 14.5 + g, 10.5 + g) and y > 14 - g, TAVRI_HAIR_DARK)],
})

# Sorlun: two heads side by side, ソルビ (a golden bob) on the left and
# ルネット (rose twin tails) on the right.
SORUBI_HAIR = (0xE6, 0xB4, 0x28)
RUNETTE_HAIR = (0xE6, 0x6E, 0x9A)
RUNETTE_HAIR_DARK = (0xC4, 0x50, 0x7C)
SORUBI = head({
    "hair": SORUBI_HAIR, "eye": (0x1E, 0x46, 0x78), "fringe": "straight",
    "behind": [outlined(lambda x, y, g: inside(x, y, 16, 19.5, 14 + g, 11.5 + g) and y < 26 + g, SORUBI_HAIR)],
})
RUNETTE = head({
    "hair": RUNETTE_HAIR, "eye": (0x50, 0x1E, 0x50), "fringe": "parted",
    "behind": [oval(2.5, 22, 4, 8, RUNETTE_HAIR_DARK), oval(29.5, 22, 4, 8, RUNETTE_HAIR_DARK)],
})


def sorlun(x, y):
    # The right head stands behind the left one where they meet.
    for colour_at in (placed(SORUBI, 10.6, 19.5, 0.66), placed(RUNETTE, 21.4, 19.5, 0.66)):
        colour = colour_at(x, y)
        if colour is not None:
            return colour
    return None


# Ivrel: silver hair under a pointed green hat with a gold band.
IVREL_HAIR = (0xC8, 0xC8, 0xDC)
IVREL_HAT = (0x2E, 0x78, 0x50)
IVREL_BAND = (0xF0, 0xC4, 0x3C)


def hat(x, y):
    brim = outlined(lambda x, y, g: inside(x, y, 16, 9.6, 14.5 + g, 2.6 + g), IVREL_HAT)(x, y)
    if brim is not None:
        return brim
    cone = spike((7, 9.6), (25, 9.6), (20, 0.3), IVREL_HAT)(x, y)
    if cone == IVREL_HAT and 5.8 < y < 8.2:
        return IVREL_BAND
    return cone


IVREL = head({
    "hair": IVREL_HAIR, "eye": (0x46, 0x28, 0x78), "fringe": "parted",
    "front": [hat],
    "behind": [outlined(lambda x, y, g: inside(x, y, 16, 22, 13.5 + g, 9 + g) and y > 16 - g, IVREL_HAIR)],
})

DESIGNS = {"quenna": QUENNA, "pelmo": PELMO, "tavri": TAVRI, "sorlun": sorlun, "ivrel": IVREL}


def render(colour_at, size):
    """Rows top-down of the samples per pixel (colour or None)."""
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
    return max(sorted(set(colours)), key=colours.count)


def palette_of(rows):
    """Every colour the 8-bit images use, in a fixed order."""
    used = set()
    for row in rows:
        for samples in row:
            covered = [s for s in samples if s is not None]
            if covered:
                used.add(majority(covered))
    return sorted(used)


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


def image_32(rows, size):
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


def image_8(rows, size):
    palette = palette_of(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    table += b"\0" * (4 * 256 - len(table))
    stride = (size + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, samples in enumerate(row):
            covered = [s for s in samples if s is not None]
            if covered:
                line[x] = palette.index(majority(covered))
        pixels += bytes(line)
    return info_header(size, 8, 256) + table + pixels + mask_rows(rows, size)


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in DESIGNS:
        sys.exit("usage: make_icon.py {%s} OUTPUT.ico" % "|".join(DESIGNS))
    design = DESIGNS[sys.argv[1]]
    rendered = {size: render(design, size) for size in (32, 16)}
    images = [(size, bits, make(rendered[size], size)) for bits, make in ((8, image_8), (32, image_32)) for size in (32, 16)]
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
