#!/usr/bin/env python3
"""Checks an archive written by our packer with the host's own zlib.

    check_packed_archive.py ARCHIVE FOLDER

Every file below FOLDER must be an entry named by its relative path with '\\'
between the parts, in name order, stored as a ZLC3 block whose stream the
host's zlib inflates to the file's bytes (and to the size in its header).
"""
import os
import struct
import sys
import zlib


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def main():
    archive_path, folder = sys.argv[1], sys.argv[2]
    with open(archive_path, "rb") as f:
        archive = f.read()
    expected = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            rel = os.path.relpath(path, folder).replace(os.sep, "\\")
            with open(path, "rb") as f:
                expected[rel.encode("cp932")] = f.read()

    (count,) = struct.unpack_from("<i", archive, 0)
    if count != len(expected):
        fail(f"{count} entries, {len(expected)} files")
    names = []
    for i in range(count):
        offset, size, raw_name = struct.unpack_from("<II56s", archive, 4 + 64 * i)
        name = raw_name.split(b"\0", 1)[0]
        names.append(name)
        data = archive[offset:offset + size]
        if len(data) != size:
            fail(f"{name!r}: data runs past the end")
        if name not in expected:
            fail(f"unexpected entry {name!r}")
        if data[:4] != b"ZLC3":
            fail(f"{name!r} is not a ZLC3 block")
        (plain_size,) = struct.unpack_from("<I", data, 4)
        plain = zlib.decompress(data[8:])
        if plain != expected[name] or plain_size != len(plain):
            fail(f"{name!r} does not inflate to the file's bytes")
    if names != sorted(names):
        fail("entries are not in name order")
    print("OK", count, "entries")


main()
