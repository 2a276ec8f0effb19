#!/usr/bin/env python3
"""Writes the small BMP, PNG, TGA and PCX seed files for fuzz_bmp, fuzz_png, fuzz_tga and fuzz_pcx,
one per variant the readers know, so the fuzzer starts from every branch instead of having to
discover the headers. The JPEG and GIF seeds come from make_codec_seeds.cpp."""
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


def tga(width, height, image_type, bits, pixels, descriptor=0, colour_map=b"", map_first=0, map_bits=0,
        image_id=b""):
    entry = (map_bits + 7) // 8
    header = struct.pack("<BBBHHBHHHHBB", len(image_id), 1 if colour_map else 0, image_type, map_first,
                         len(colour_map) // entry if colour_map else 0, map_bits, 0, 0, width, height, bits,
                         descriptor)
    return header + image_id + colour_map + pixels


def tga_rle(pixels, size):
    """Run packets for repeats, raw packets for the rest; packets run on across rows."""
    items = [pixels[i:i + size] for i in range(0, len(pixels), size)]
    out, i = b"", 0
    while i < len(items):
        run = 1
        while i + run < len(items) and run < 128 and items[i + run] == items[i]:
            run += 1
        if run > 1:
            out += bytes([0x80 | (run - 1)]) + items[i]
            i += run
            continue
        raw = 1
        while i + raw < len(items) and raw < 128 and items[i + raw] != items[i + raw - 1]:
            raw += 1
        out += bytes([raw - 1]) + b"".join(items[i:i + raw])
        i += raw
    return out


def pcx_rle(data):
    out, i = b"", 0
    while i < len(data):
        run = 1
        while i + run < len(data) and run < 63 and data[i + run] == data[i]:
            run += 1
        out += bytes([data[i]]) if run == 1 and data[i] < 0xC0 else bytes([0xC0 | run, data[i]])
        i += run
    return out


def pcx(width, height, bits, planes, lines, version=5, palette=b"", tail=b"", whole_stream=False):
    """`lines`: the decoded scanlines, each planes x bytes-per-line long."""
    per_line = len(lines[0]) // planes
    header = struct.pack("<BBBBHHHHHH", 0x0A, version, 1, bits, 0, 0, width - 1, height - 1, 72, 72)
    header += palette.ljust(48, b"\0") + bytes([0, planes]) + struct.pack("<HH", per_line, 1)
    header = header.ljust(128, b"\0")
    data = pcx_rle(b"".join(lines)) if whole_stream else b"".join(pcx_rle(line) for line in lines)
    return header + data + (b"\x0c" + tail if tail else b"")


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

bgr_ramp = b"".join(bytes([x * 19, y * 60, 250 - x * 20]) for y in range(5) for x in range(13))
bgra_ramp = b"".join(bytes([x * 80, 40, 200, y * 120]) for y in range(3) for x in range(4))
map24 = bytes([0, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0])
map16 = struct.pack("<4H", 0x7C00, 0x03E0, 0x001F, 0x7FFF)
map32 = bytes([0, 0, 255, 255, 255, 0, 0, 128, 0, 255, 0, 0])
TGA = {
    "true24_id.tga": tga(13, 5, 2, 24, bgr_ramp, image_id=b"seed"),
    "true32_alpha_top.tga": tga(4, 3, 2, 32, bgra_ramp, descriptor=0x28),
    "true16_right_to_left.tga": tga(3, 2, 2, 16, struct.pack("<6H", 0x7C00, 0x03E0, 0x001F, 0, 0x7FFF, 0x4210),
                                    descriptor=0x10),
    "true15_rle.tga": tga(5, 2, 10, 15, tga_rle(struct.pack("<10H", *([0x001F] * 7 + [0x03E0, 0x7C00, 0])), 2)),
    "true24_rle_rows.tga": tga(13, 5, 10, 24, tga_rle(bgr_ramp[:39] * 5, 3), descriptor=0x20),
    "true24_unused_map.tga": tga(2, 1, 2, 24, bytes([1, 2, 3, 4, 5, 6]), colour_map=map24, map_bits=24),
    "mapped24.tga": tga(4, 2, 1, 8, bytes([0, 1, 2, 3, 3, 2, 1, 0]), colour_map=map24, map_bits=24),
    "mapped16_first.tga": tga(3, 3, 9, 8, tga_rle(bytes([2, 2, 2, 3, 4, 5, 5, 5, 2]), 1), colour_map=map16,
                              map_first=2, map_bits=16),
    "mapped32_alpha.tga": tga(3, 1, 1, 8, bytes([0, 1, 2]), descriptor=8, colour_map=map32, map_bits=32),
    "grey8.tga": tga(7, 1, 3, 8, bytes(range(0, 255, 37))),
    "grey8_rle.tga": tga(1, 7, 11, 8, tga_rle(bytes([9, 9, 9, 9, 50, 60, 70]), 1)),
}

ega = bytes([0, 0, 0, 0, 0, 170, 0, 170, 0, 0, 170, 170, 170, 0, 0, 170, 0, 170, 170, 85, 0, 170, 170, 170,
             85, 85, 85, 85, 85, 255, 85, 255, 85, 85, 255, 255, 255, 85, 85, 255, 85, 255, 255, 255, 85,
             255, 255, 255])
grey_tail = b"".join(bytes([i, i, 255 - i]) for i in range(256))
PCX = {
    "mono.pcx": pcx(13, 5, 1, 1, [bytes([0xAA ^ y, 0x0F << y % 4 & 0xF8]) for y in range(5)]),
    "mono_palette.pcx": pcx(9, 2, 1, 1, [bytes([0xF0, 0x80]), bytes([0x0F, 0])], palette=b"\xff\0\0\0\0\xff"),
    "ega_planes.pcx": pcx(7, 3, 1, 4, [bytes([0x96 >> y, 0x3C, 0xF0 >> y, 0x0E]) for y in range(3)], palette=ega),
    "ega_default.pcx": pcx(8, 2, 1, 4, [bytes([0xFF, 0x0F, 0xF0, 0x00]), bytes([0, 0xFF, 0, 0xFF])], version=3),
    "packed4.pcx": pcx(5, 2, 4, 1, [bytes([0x01, 0x23, 0x40, 0]), bytes([0xFE, 0xDC, 0xB0, 0])], palette=ega),
    "vga256.pcx": pcx(6, 3, 8, 1, [bytes([y * 70 + x * 20 for x in range(6)]) for y in range(3)], tail=grey_tail),
    "vga256_runs_across.pcx": pcx(3, 4, 8, 1, [bytes([7, 7, 7, 0])] * 4, tail=grey_tail, whole_stream=True),
    "rgb24.pcx": pcx(5, 3, 8, 3, [bytes([x * 50 for x in range(5)] + [0] + [y * 100] * 5 + [0] + [255 - x * 9
                                         for x in range(5)] + [0]) for y in range(3)]),
}

for folder, files in (("bmp", BMP), ("png", PNG), ("tga", TGA), ("pcx", PCX)):
    target = HERE / "corpus" / folder
    target.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (target / name).write_bytes(data)
