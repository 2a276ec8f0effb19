#!/usr/bin/python3
"""Compares how vortel-cli draws text in other scripts with HarfBuzz's own hb-view.

Each case is rendered black on white in one face with nothing else on (upright, no bevel, shadow or
frame), and by hb-view from the same face file. Both pictures are cropped to their ink and scaled to
the same box; the score is the overlap of the two ink masks (intersection over union). Writes a
table to standard output (and as Markdown with --markdown FILE) and, with --pictures DIR, one
picture a case: ours above, hb-view's below.

usage: scripts/shaping-check.py [--cli build/bin/vortel-cli] [--pictures DIR] [--markdown FILE] [--min 0.85]
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops

CASES = [
    ("Latin", "Grüße aus Köln", ["DejaVu Sans", "Liberation Serif", "Noto Sans"]),
    ("Arabic", "مرحبا بالعالم", ["DejaVu Sans", "Noto Sans Arabic", "Noto Naskh Arabic"]),
    ("Hebrew", "שלום עולם", ["DejaVu Sans", "Noto Sans Hebrew", "Noto Serif Hebrew"]),
    ("Devanagari", "नमस्ते दुनिया", ["Noto Sans Devanagari", "Noto Serif Devanagari"]),
    ("Thai", "สวัสดีชาวโลก", ["Noto Sans Thai", "Noto Serif Thai"]),
    ("Vietnamese (marks)", "Vie\u0302\u0301t Nam", ["DejaVu Sans", "Noto Sans", "Liberation Sans"]),
    ("Chinese", "你好世界", ["Noto Sans CJK SC", "Noto Serif CJK SC"]),
    ("Japanese", "こんにちは世界", ["Noto Sans CJK JP", "Noto Serif CJK JP"]),
    ("Korean", "안녕하세요 세계", ["Noto Sans CJK KR", "Noto Serif CJK KR"]),
]

BOX = (600, 150)


def face_file(family):
    out = subprocess.run(["fc-match", "-f", "%{family}\n%{file}\n%{index}", family], capture_output=True, text=True)
    lines = out.stdout.split("\n")
    if len(lines) < 3 or family.lower() not in lines[0].lower():
        return None
    return lines[1], int(lines[2] or 0)


def ink(path):
    image = Image.open(path).convert("L")
    mask = image.point(lambda v: 255 if v < 128 else 0)
    box = mask.getbbox()
    if not box:
        return None, None
    return mask.crop(box), image.crop(box)


def overlap(a, b):
    a = a.resize(BOX, Image.NEAREST)
    b = b.resize(BOX, Image.NEAREST)
    both = ImageChops.logical_and(a.convert("1"), b.convert("1"))
    either = ImageChops.logical_or(a.convert("1"), b.convert("1"))
    inter = sum(1 for v in both.getdata() if v)
    union = sum(1 for v in either.getdata() if v)
    return inter / union if union else 0.0


def render_ours(cli, text, family, out):
    fills = {"FillKind": 2, "FillFlag": 0}
    args = [cli, "render", "--text", text, "--size", "1600x400",
            "--set", "LogFont=" + json.dumps({"lfFaceName": family, "lfWeight": 400, "lfItalic": 0}),
            "--set", "TextFill=" + json.dumps(dict(fills, FillColor=0)),
            "--set", "BackFill=" + json.dumps(dict(fills, FillColor=0xFFFFFF)),
            "--set", "Shadow=" + json.dumps({"ShadowX": 0, "ShadowY": 0, "ShadowBlur": -1}),
            "--set", "Bevel=" + json.dumps({"BevelFlag": 0}),
            "--set", "Frame=" + json.dumps({"FrameKind": 0}),
            "-o", out]
    result = subprocess.run(args, capture_output=True, text=True)
    return result.returncode == 0, result.stderr.strip()


def render_hb(text, font, out):
    file, index = font
    args = ["hb-view", "--font-file", file, "--face-index", str(index), "--font-size", "200", "--margin", "40",
            "--background", "#FFFFFF", "--foreground", "#000000", "-O", "png", "-o", out, "--", text]
    return subprocess.run(args, capture_output=True, text=True).returncode == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/bin/vortel-cli")
    parser.add_argument("--pictures")
    parser.add_argument("--markdown")
    parser.add_argument("--min", type=float, default=0.0, help="exit 1 when a case scores below this")
    args = parser.parse_args()
    if args.pictures:
        os.makedirs(args.pictures, exist_ok=True)
    rows, low = [], []
    with tempfile.TemporaryDirectory() as work:
        for script, text, families in CASES:
            for family in families:
                font = face_file(family)
                if not font:
                    rows.append((script, family, None, "face not installed"))
                    continue
                ours, theirs = os.path.join(work, "ours.png"), os.path.join(work, "hb.png")
                ok, message = render_ours(args.cli, text, family, ours)
                if not ok or not render_hb(text, font, theirs):
                    rows.append((script, family, None, "render failed: " + message))
                    low.append((script, family))
                    continue
                (a, a_pic), (b, b_pic) = ink(ours), ink(theirs)
                if a is None or b is None:
                    rows.append((script, family, 0.0, "no ink"))
                    low.append((script, family))
                    continue
                score = overlap(a, b)
                rows.append((script, family, score, ""))
                if score < args.min:
                    low.append((script, family))
                if args.pictures:
                    sheet = Image.new("L", (BOX[0] + 20, 2 * BOX[1] + 30), 255)
                    sheet.paste(a_pic.resize(BOX, Image.LANCZOS), (10, 10))
                    sheet.paste(b_pic.resize(BOX, Image.LANCZOS), (10, BOX[1] + 20))
                    name = f"{script.split()[0].lower()}-{family.replace(' ', '-').lower()}.png"
                    sheet.save(os.path.join(args.pictures, name))
    table = ["| script | face | overlap | note |", "| --- | --- | --- | --- |"]
    for script, family, score, note in rows:
        table.append(f"| {script} | {family} | {'' if score is None else f'{score:.3f}'} | {note} |")
    print("\n".join(table))
    if args.markdown:
        with open(args.markdown, "w") as f:
            f.write("\n".join(table) + "\n")
    if low:
        print("below the mark:", ", ".join(f"{s} / {f}" for s, f in low), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
