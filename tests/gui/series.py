#!/usr/bin/env python3
"""Lays the dumps of a drag side by side, each with its time since the press.

  series.py OUT.png DIR X Y W H [COLUMNS]

DIR holds the PNGs and times.txt the drive script wrote ("NNN S s changed|same" a line); the
picture shows the box X, Y, W, H of every dump that changed, at most 12, in time order.
"""
import os
import sys

from PIL import Image, ImageDraw


def main():
    out, folder = sys.argv[1], sys.argv[2]
    x, y, w, h = (int(v) for v in sys.argv[3:7])
    columns = int(sys.argv[7]) if len(sys.argv) > 7 else 4
    shots = []
    for line in open(os.path.join(folder, "times.txt")):
        number, seconds, _, mark = line.split()
        if mark == "changed" or not shots:
            shots.append((number, float(seconds)))
    shots = shots[:12]
    label = 18
    rows = (len(shots) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * w, rows * (h + label)), "white")
    draw = ImageDraw.Draw(sheet)
    for i, (number, seconds) in enumerate(shots):
        left, top = (i % columns) * w, (i // columns) * (h + label)
        shot = Image.open(os.path.join(folder, number + ".png")).convert("RGB")
        sheet.paste(shot.crop((x, y, x + w, y + h)), (left, top + label))
        draw.text((left + 4, top + 3), f"{seconds:.3f} s after the press", fill="black")
    sheet.save(out)


if __name__ == "__main__":
    main()
