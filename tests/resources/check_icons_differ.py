#!/usr/bin/env python3
"""Checks that the editions' icons tell apart: drawn at 16 x 16, the colour
that covers most of each (besides the outline and the skin every head
shares) belongs to that edition alone.

    check_icons_differ.py FOLDER_OF_MAKE_ICON
"""
import sys

sys.path.insert(0, sys.argv[1])
import make_icon  # noqa: E402

EDITIONS = ("quenna", "pelmo", "tavri", "sorlun", "ivrel")


def main_colour(design):
    counts = {}
    for row in make_icon.render(design, 16):
        for samples in row:
            covered = [s for s in samples if s is not None]
            if covered:
                colour = make_icon.majority(covered)
                counts[colour] = counts.get(colour, 0) + 1
    for shared in (make_icon.OUTLINE, make_icon.SKIN):
        counts.pop(shared, None)
    return max(counts, key=counts.get)


owners = {}
for edition in EDITIONS:
    colour = main_colour(make_icon.DESIGNS[edition])
    if colour in owners:
        print(f"FAIL: {edition} is mostly {colour}, as {owners[colour]} is")
        sys.exit(1)
    owners[colour] = edition
print("OK", ", ".join(f"{e} {c}" for c, e in owners.items()))
