#!/usr/bin/env python3
"""Writes the small BMP and PNG seed files for fuzz_bmp and fuzz_png, one per variant the readers
know, so the fuzzer starts from every branch instead of having to discover the headers."""
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent


def bmp(width, height, bits, pixels, compression=0, palette=b"", masks=b"", header=40, core=False):
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression, len(pixels), 2835, 2835,
                           0, 0)
        if header > 40:
            info += masks.ljust(header - 40, b"\0")
            masks = b""
    offset = 14 + len(info) + len(masks) + len(palette)
    size = offset + len(pixels)
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + info + masks + palette + pixels


def png(width, height, depth, color, rows, plte=b"", trns=b"", interlace=0):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, color, 0, 0, interlace))
    if plte:
        out += chunk(b"PLTE", plte)
    if trns:
        out += chunk(b"tRNS", trns)
    return out + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


quad = bytes([0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0])
BMP = {
    "rgb24.bmp": bmp(3, 2, 24, bytes(range(24))),
    "top_down8.bmp": bmp(2, -2, 8, bytes([3, 1, 0, 0, 0, 2, 0, 0]), palette=quad),
    "mono_core.bmp": bmp(3, 2, 1, bytes([0xA0, 0, 0, 0, 0x40, 0, 0, 0]), palette=b"\0\0\0\xff\xff\xff", core=True),
    "rle8.bmp": bmp(4, 3, 8, bytes([4, 1, 0, 0, 0, 3, 2, 3, 2, 0, 1, 1, 0, 0, 0, 2, 2, 0, 2, 3, 0, 1]), 1, quad),
    "rle4.bmp": bmp(5, 2, 4, bytes([5, 0x12, 0, 0, 0, 3, 0x21, 0, 0, 1]), 2, quad),
    "fields565.bmp": bmp(3, 1, 16, bytes([0xE0, 7, 0, 8, 0, 4, 0, 0]), 3,
                         masks=struct.pack("<III", 0xF800, 0x07E0, 0x1F)),
    "v5_fields32.bmp": bmp(1, 1, 32, bytes([1, 0, 0xF8, 0x3F]), 3,
                           masks=struct.pack("<III", 0x3FF00000, 0xFFC00, 0x3FF), header=124),
}
PNG = {
    "rgb8.png": png(2, 2, 8, 2, bytes([0, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12])),
    "grey1.png": png(3, 1, 1, 0, bytes([0, 0xA0])),
    "grey16.png": png(2, 1, 16, 0, bytes([0, 0xFF, 0xFF, 0x80, 0x80])),
    "palette_trns.png": png(3, 1, 4, 3, bytes([0, 0x01, 0x20]), plte=bytes([255, 0, 0, 0, 0, 255, 0, 0, 0]),
                            trns=bytes([0, 255, 128])),
    "rgba_interlaced.png": png(2, 2, 8, 6, bytes([0, 1, 2, 3, 4, 0, 5, 6, 7, 8, 0, 9, 10, 11, 12, 13, 14, 15, 16]),
                               interlace=1),
}

for folder, files in (("bmp", BMP), ("png", PNG)):
    target = HERE / "corpus" / folder
    target.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (target / name).write_bytes(data)
