#!/usr/bin/env python3
"""Screenshots of an X display for the drive script, with the standard library only.

  xshot.py png SHOT.xwd OUT.png        converts an xwd dump (ZPixmap, 24 or 32 bits a pixel)
  xshot.py locate SHOT.xwd R G B       prints "x y w h" of the box of pixels of that colour
  xshot.py differ A.xwd B.xwd X Y W H  exits 0 when the two differ inside the box, 1 when equal
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    if bits_per_pixel not in (24, 32):
        sys.exit(f"xshot: {bits_per_pixel} bits a pixel are not supported")
    step = bits_per_pixel // 8
    offset = header_size + 12 * ncolors
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    rows = []
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * step]
        row = bytearray(width * 3)
        for x in range(width):
            chunk = line[x * step: x * step + step]
            value = int.from_bytes(chunk, "little" if order == "<" else "big")
            row[3 * x] = (value & red_mask) >> rs
            row[3 * x + 1] = (value & green_mask) >> gs
            row[3 * x + 2] = (value & blue_mask) >> bs
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def locate(rows, width, colour):
    xs, ys = [], []
    target = bytes(colour)
    for y, row in enumerate(rows):
        for x in range(width):
            if row[3 * x: 3 * x + 3] == target:
                xs.append(x)
                ys.append(y)
    if not xs:
        sys.exit("xshot: colour not found")
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def main():
    command = sys.argv[1]
    if command == "png":
        write_png(sys.argv[3], *read_xwd(sys.argv[2]))
    elif command == "locate":
        width, _, rows = read_xwd(sys.argv[2])
        print(*locate(rows, width, [int(v) for v in sys.argv[3:6]]))
    elif command == "differ":
        _, _, a = read_xwd(sys.argv[2])
        _, _, b = read_xwd(sys.argv[3])
        x, y, w, h = (int(v) for v in sys.argv[4:8])
        same = all(a[r][3 * x: 3 * (x + w)] == b[r][3 * x: 3 * (x + w)] for r in range(y, y + h))
        sys.exit(1 if same else 0)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
