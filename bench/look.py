#!/usr/bin/python3
"""Makes pictures of the renderer's output fit to look at.

  look.py scale IN OUT [SIDE]     IN scaled down (area average) to at most SIDE pixels a side (800)
  look.py checker IN OUT [CELL]   a transparent IN laid over a grey checkerboard of CELL pixels (16)
"""
import sys

from PIL import Image

Image.MAX_IMAGE_PIXELS = None  # our pictures go up to 10000 x 10000


def scale(src, dst, side=800):
    image = Image.open(src)
    image.draft("RGB", (side, side))
    factor = max(image.width, image.height) / side
    if factor > 1:
        image = image.resize((max(1, round(image.width / factor)), max(1, round(image.height / factor))),
                             Image.Resampling.BOX)
    image.save(dst)


def checker(src, dst, cell=16):
    image = Image.open(src).convert("RGBA")
    board = Image.new("RGBA", image.size, (255, 255, 255, 255))
    pixels = board.load()
    for y in range(image.height):
        for x in range(image.width):
            if (x // cell + y // cell) % 2:
                pixels[x, y] = (190, 190, 190, 255)
    Image.alpha_composite(board, image).convert("RGB").save(dst)


if __name__ == "__main__":
    if len(sys.argv) < 4 or sys.argv[1] not in ("scale", "checker"):
        sys.exit(__doc__)
    extra = [int(a) for a in sys.argv[4:5]]
    (scale if sys.argv[1] == "scale" else checker)(sys.argv[2], sys.argv[3], *extra)
