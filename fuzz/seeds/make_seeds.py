#!/usr/bin/env python3
"""Writes the fuzzers' starting inputs: small valid BMPs and TSA archives."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, pixel=b"\x10\x20\x30\x40"):
    row = (width * (bits // 8) + 3) // 4 * 4
    palette = bytes(range(256)) * 4 if bits == 8 else b""
    offset = 54 + len(palette)
    data = b""
    for _ in range(height):
        line = (pixel[: bits // 8] * width)[: row]
        data += line + b"\0" * (row - len(line))
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 0, 0, 0, 0)
    return head + info + palette + data


def pair_block(pairs, packed):
    """A pair table in the archive's run form, then the packed length and bytes."""
    table = bytearray()

    def entry(c):
        if c in pairs:
            table.extend(pairs[c])
        else:
            table.append(c)

    c = 0
    while c < 256:
        literals = 0
        while c + literals < 256 and c + literals not in pairs and literals < 128:
            literals += 1
        if literals:
            # A skip is always followed by one entry without a count of its own.
            table.append(127 + literals)
            c += literals
            if c < 256:
                entry(c)
                c += 1
            continue
        run = 0
        while c + run < 256 and c + run in pairs and run < 128:
            run += 1
        table.append(run - 1)
        for _ in range(run):
            entry(c)
            c += 1
    return bytes(table) + struct.pack("<I", len(packed)) + bytes(packed)


def tsa(flag, entries):
    head = struct.pack("<I", flag) + b"TSA0" + struct.pack("<I", len(entries)) + b"\0" * 244
    offset = 256 + 268 * len(entries)
    table, body = b"", b""
    for name, stored, expanded in entries:
        table += struct.pack("<III", offset, len(stored), expanded) + name.ljust(256, b"\0")
        body += stored
        offset += len(stored)
    return head + table + body


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


for bits in (8, 16, 24, 32):
    write("bmp", "b%d.bmp" % bits, bmp(3, 2, bits))
write("tsa", "stored.tsa", tsa(0, [(b"e", b"hello", 5), (b"TITLE.bmp", bmp(1, 1, 24), 58)]))
block = pair_block({200: (ord("a"), ord("b")), 201: (200, 200)}, [201, ord("c")])
write("tsa", "packed.tsa", tsa(1, [(b"E", block + pair_block({}, [ord("x")]), 6)]))
