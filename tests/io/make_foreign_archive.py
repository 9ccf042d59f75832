#!/usr/bin/env python3
"""Writes ZLC3 fixtures made with the host's zlib, not with our codec:

    make_foreign_archive.py OUTDIR

OUTDIR/foreign.pac holds "plain.txt" and the same bytes as ZLC3 blocks made
with several zlib settings; OUTDIR/foreign_block.zlc3 is one such block alone
and OUTDIR/foreign_block.plain its plain bytes.
The archive layout is written here too, independently of our packer.
"""
import os
import struct
import sys
import zlib


def plain_bytes():
    return "".join(f"line {i} value {i * i % 97}\r\n" for i in range(800)).encode("ascii")


def zlc3(stream, plain):
    return b"ZLC3" + struct.pack("<I", len(plain)) + stream


def deflate(plain, level, mem_level, strategy):
    packer = zlib.compressobj(level, zlib.DEFLATED, 15, mem_level, strategy)
    return packer.compress(plain) + packer.flush()


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    plain = plain_bytes()
    entries = [
        (b"plain.txt", plain),
        (b"Blocks\\level1.zlc3", zlc3(zlib.compress(plain, 1), plain)),
        (b"Blocks\\level9.zlc3", zlc3(zlib.compress(plain, 9), plain)),
        (b"Blocks\\stored.zlc3", zlc3(zlib.compress(plain, 0), plain)),
        (b"Blocks\\huffman.zlc3", zlc3(deflate(plain, 6, 1, zlib.Z_HUFFMAN_ONLY), plain)),
        (b"Blocks\\rle.zlc3", zlc3(deflate(plain, 6, 9, zlib.Z_RLE), plain)),
    ]
    directory = b""
    data = b""
    start = 4 + 64 * len(entries)
    for name, stored in entries:
        directory += struct.pack("<II56s", start + len(data), len(stored), name)
        data += stored
    with open(os.path.join(out, "foreign.pac"), "wb") as f:
        f.write(struct.pack("<i", len(entries)) + directory + data)
    with open(os.path.join(out, "foreign_block.zlc3"), "wb") as f:
        f.write(entries[2][1])
    with open(os.path.join(out, "foreign_block.plain"), "wb") as f:
        f.write(plain)


main()
