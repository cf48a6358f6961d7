"""Plain skins and icon for the chooser: a panel with a title band, a
light row beside every visible check box and a raised button inside every
hotspot rectangle. Usage: placeholder_skins.py OUTDIR"""

import os
import sys

from bmpfile import write_bmp_rle8, write_ico16
from layout import BOX_SIDE, PAGE_SIZE, PAGES

PALETTE = [(0, 0, 0), (255, 255, 255), (32, 64, 128), (224, 232, 244),
           (200, 60, 40), (250, 250, 250), (150, 160, 180), (96, 120, 168)]
BLACK, WHITE, NAVY, PANEL, RED, ROW, SHADE, STEEL = range(8)


def fill(pixels, x, y, w, h, colour):
    for row in pixels[y:y + h]:
        row[x:x + w] = [colour] * len(row[x:x + w])


def skin(page):
    width, height = PAGE_SIZE
    pixels = [[PANEL] * width for _ in range(height)]
    fill(pixels, 0, 0, width, 60, NAVY)
    fill(pixels, 20, 24, 180, 12, WHITE)
    for (x, y, visible) in page["boxes"].values():
        if visible:
            fill(pixels, x + BOX_SIDE + 6, y, 110, BOX_SIDE, ROW)
    for (x, y, w, h) in page["hotspots"].values():
        fill(pixels, x, y, w, h, SHADE)
        fill(pixels, x + 1, y + 1, w - 3, h - 3, STEEL)
        fill(pixels, x + 8, y + h // 2 - 1, w - 16, 3, WHITE)
    return pixels


def icon(size):
    pixels = [[NAVY] * size for _ in range(size)]
    m = size // 4
    for y in range(m, size - m):
        pixels[y][m:size - m] = [RED] * (size - 2 * m)
    return pixels


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name, page in PAGES.items():
        write_bmp_rle8(os.path.join(outdir, "skin_%s.bmp" % name), skin(page),
                       PALETTE)
    write_ico16(os.path.join(outdir, "chooser.ico"), [icon(32), icon(16)],
                PALETTE)


if __name__ == "__main__":
    main(sys.argv[1])
