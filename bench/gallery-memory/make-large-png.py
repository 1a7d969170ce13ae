#!/usr/bin/env python3
"""Writes a valid PNG of WIDTH x HEIGHT black pixels (8-bit RGB) that is only a few hundred
kilobytes on disk: the rows are zeros, which deflate compresses a thousandfold. Decoding it
costs the full picture's memory, as a hostile or unusual file would."""
import struct
import sys
import zlib


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    row = b"\0" * (1 + 3 * width)  # filter byte "none", then the pixels
    deflate = zlib.compressobj(9)
    data = b"".join(deflate.compress(row) for _ in range(height)) + deflate.flush()
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) +
                  chunk(b"IEND", b""))


main()
