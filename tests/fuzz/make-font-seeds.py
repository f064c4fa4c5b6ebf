#!/usr/bin/env python3
"""Writes the seeds of FuzzFontTables into FOLDER: small fonts of our own,
with TrueType outlines (a simple and a composite glyph), installable and
restricted by their fsType, one glyph wider than a 16-bit step, one past
16-bit coordinates, and with CFF outlines.

    make-font-seeds.py FOLDER
"""
import struct
import sys


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def sfnt(version, tables):
    font = struct.pack(">IHHHH", version, len(tables), 64, 2, len(tables) * 16 - 64)
    offset, body = 12 + 16 * len(tables), b""
    for tag in sorted(tables):
        data = tables[tag]
        font += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    return font + body


def cff_number(value):  # a Type 2 charstring number
    if -107 <= value <= 107:
        return bytes([value + 139])
    return bytes([(value - 108) // 256 + 247, (value - 108) % 256])


def cff_index(items):
    offsets = [1]
    for item in items:
        offsets.append(offsets[-1] + len(item))
    return struct.pack(">HB", len(items), 1) + bytes(offsets) + b"".join(items)


def cff_table():
    square = b"".join(map(cff_number, (0, 0))) + b"\x15" + cff_number(500) + cff_number(0) + \
        b"\x05" + cff_number(0) + cff_number(500) + b"\x05" + \
        b"".join(map(cff_number, (-100, 100, -300, 0, -100, -100))) + b"\x08\x0e"
    charstrings = cff_index([b"\x0e", square, b"\x0e"])
    private = cff_number(500) + b"\x14"  # defaultWidthX
    fixed = lambda value: b"\x1d" + struct.pack(">i", value)
    start = 4 + len(cff_index([b"Seed"])) + len(cff_index([b"\0" * 17])) + 4
    top = fixed(start) + b"\x11" + fixed(len(private)) + fixed(start + len(charstrings)) + b"\x12"
    return (b"\x01\x00\x04\x01" + cff_index([b"Seed"]) + cff_index([top]) + b"\0\0\0\0" +
            charstrings + private)


def common_tables(fs_type, glyphs):
    name = b"SeedFont"
    return {
        b"OS/2": struct.pack(">HhHHH10hh10s16s4sHHHhhhHH", 0, 500, 400, 5, fs_type, *[0] * 11,
                             b"\0" * 10, b"\0" * 16, b"NUMO", 0x40, 0x41, 0x42, 800, -200, 0,
                             800, 200),
        b"cmap": struct.pack(">HHHHI", 0, 1, 3, 1, 12) + struct.pack(
            ">7H2HH2H2h2H", 4, 32, 0, 4, 4, 1, 0, 0x42, 0xFFFF, 0, 0x41, 0xFFFF, 1 - 0x41, 1, 0, 0),
        b"head": struct.pack(">IIIIHH16shhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 0, 1000,
                             b"\0" * 16, -100, -200, 600, 800, 0, 8, 2, 0, 0),
        b"hhea": struct.pack(">IhhhHhhhhhh8xhH", 0x10000, 800, -200, 0, 600, 0, 0, 600, 1, 0, 0,
                             0, glyphs),
        b"hmtx": struct.pack(">%dH" % (2 * glyphs), *[500, 0] * glyphs),
        b"name": struct.pack(">3H", 0, 2, 30) + struct.pack(">6H", 1, 0, 0, 6, 8, 0) +
        struct.pack(">6H", 3, 1, 0x409, 6, 16, 8) + name + name.decode().encode("utf-16-be"),
        b"post": struct.pack(">IIhhIIIII", 0x30000, 0, -100, 50, 0, 0, 0, 0, 0),
    }


def truetype(fs_type, outline="triangle"):
    # FreeType moves a glyph by the difference of its left side bearing (0) and
    # the xMin its header gives, whatever its points say.
    triangle = {
        "triangle": struct.pack(">h4hHHBBBhhhhhh", 1, 0, 0, 500, 500, 2, 0, 1, 1, 1,
                                0, 500, -250, 0, 0, 500),
        # its on-curve point halfway between control points 34000 units apart
        "wide": struct.pack(">h4hHHBBBB8h", 1, 0, 0, 17000, 500, 3, 0, 0, 1, 0, 1,
                            -17000, 17000, 17000, -17000, 0, 0, 0, 500),
        # moved by 20000 to x = 35000 and beyond, past what 16 bits hold
        "far": struct.pack(">h4hHHBBBhhhhhh", 1, -20000, 0, 20000, 500, 2, 0, 1, 1, 1,
                           15000, 5000, -2500, 0, 0, 500),
    }[outline]
    composite = struct.pack(">h4hHHhh", -1, -100, 0, 400, 500, 0x0003, 1, -100, 0)
    glyf = triangle + b"\0" * (len(triangle) % 2) + composite
    tables = common_tables(fs_type, 3)
    tables[b"glyf"] = glyf
    tables[b"loca"] = struct.pack(">4H", 0, 0, (len(glyf) - len(composite)) // 2,
                                  len(glyf) // 2)
    tables[b"maxp"] = struct.pack(">IH13H", 0x10000, 3, 3, 1, 3, 1, 2, *[0] * 6, 1, 1)
    return sfnt(0x10000, tables)


def cff(fs_type):
    tables = common_tables(fs_type, 3)
    tables[b"CFF "] = cff_table()
    tables[b"maxp"] = struct.pack(">IH", 0x5000, 3)
    return sfnt(0x4F54544F, tables)


folder = sys.argv[1]
for name, font in (("truetype-installable.ttf", truetype(0)),
                   ("truetype-restricted.ttf", truetype(2)), ("cff-editable.otf", cff(8)),
                   ("truetype-wide.ttf", truetype(0, "wide")),
                   ("truetype-far.ttf", truetype(0, "far"))):
    with open("%s/%s" % (folder, name), "wb") as file:
        file.write(font)
