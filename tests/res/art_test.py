#!/usr/bin/env python3
"""Checks the committed skins (1x and 2x) and icon against the pages'
layout as the code holds it (read through tools/art/layout.py): the file
formats the resource loader expects, a button inside every hotspot and
nothing of it outside, a label right of every visible check box, a plain
square under every box, every RLE8 row read strictly; and (Freshness) the
committed art against its sources, drawn again and compared byte for byte.

  art_test.py [SOURCE_DIR] [unittest arguments, e.g. Freshness]

Exits with 77 (skipped) when every test that ran was skipped: Freshness
compares only where the drawing tools are those that made the committed
files (tools/art/art-tools.txt), since another renderer or font release
draws slightly different pixels, which says nothing about the sources."""

import filecmp
import itertools
import os
import struct
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else
                         os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(SOURCE, "tools", "art"))

from bmpfile import read_ico  # noqa: E402
from layout import BOX_SIDE, PAGE_SIZE, PAGES  # noqa: E402
import make_art  # noqa: E402
from make_art import SKIN_SCALES, skin_file  # noqa: E402

RES = os.path.join(SOURCE, "res")
# Colour distances (Euclidean RGB, 0-441): an edge, ink, the same ground.
EDGE_CONTRAST, INK_CONTRAST, QUIET = 60, 90, 14


def distance(p, q):
    return sum((a - b) ** 2 for a, b in zip(p, q)) ** 0.5


def median(pixels):
    return sorted(pixels, key=lambda p: (0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2], p))[
        len(pixels) // 2]


def strict_rle8_rows(data, width):
    """Decodes RLE8 data, failing on what a loader would take as damage:
    rows not of the width, absolute runs under 3, delta escapes, a missing
    end mark, data after it. Returns the rows top first."""
    rows, row, i = [], [], 0
    while True:
        assert i + 1 < len(data), "no end-of-bitmap mark"
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            row += [value] * count
        elif value in (0, 1):
            assert len(row) == width, "row %d holds %d pixels" % (len(rows), len(row))
            rows.append(row)
            row = []
            if value == 1:
                assert i == len(data), "data after the end mark"
                return rows[::-1]
        else:
            assert value >= 3, "delta escape or short absolute run"
            row += list(data[i:i + value])
            i += value + (value & 1)


class Skin:
    """A committed skin, checked as it is read: header, palette, pixels."""

    def __init__(self, test, name, scale):
        with open(os.path.join(RES, skin_file(name, scale)), "rb") as f:
            blob = f.read()
        (size, width, height, planes, bits, compression, image_size, _, _, used,
         _) = struct.unpack_from("<IiiHHIIiiII", blob, 14)
        offset = struct.unpack_from("<I", blob, 10)[0]
        test.assertEqual((b"BM", len(blob)), (blob[:2], struct.unpack_from("<I", blob, 2)[0]))
        test.assertEqual((40, PAGE_SIZE[0] * scale, PAGE_SIZE[1] * scale, 1, 8, 1),
                         (size, width, height, planes, bits, compression))
        test.assertTrue(1 <= used <= 256)
        test.assertEqual((14 + 40 + 4 * used, len(blob) - offset), (offset, image_size))
        palette = [struct.unpack_from("<BBB", blob, 54 + 4 * k)[::-1] for k in range(used)]
        rows = strict_rle8_rows(blob[offset:], width)
        self.rgb = [[palette[i] for i in row] for row in rows]   # IndexError: off the palette
        self.scale = scale

    def area(self, x0, y0, x1, y1):
        """Pixels of [x0, x1) x [y0, y1) in 96-dpi coordinates."""
        s = self.scale
        return [p for row in self.rgb[y0 * s:y1 * s] for p in row[x0 * s:x1 * s]]

    def ink(self, x0, y0, x1, y1, ground=None):
        pixels = self.area(x0, y0, x1, y1)
        ground = ground or median(pixels)
        return sum(1 for p in pixels if distance(p, ground) > INK_CONTRAST) / self.scale ** 2


class Skins(unittest.TestCase):
    def test_buttons_fill_their_hotspots(self):
        """An edge along each side of every hotspot, a caption inside, the
        same quiet ground at 1 to 5 pixels outside, no label running into
        the button from the left."""
        for scale, (name, page) in itertools.product(SKIN_SCALES, PAGES.items()):
            skin = Skin(self, name, scale)
            for hid, (x, y, w, h) in page["hotspots"].items():
                r, b = x + w, y + h  # right and bottom
                for side, (inner, outer) in {
                        "top": ((x + 5, y, r - 5, y + 1), (x + 5, y - 5, r - 5, y)),
                        "bottom": ((x + 5, b - 1, r - 5, b), (x + 5, b, r - 5, b + 5)),
                        "left": ((x, y + 5, x + 1, b - 5), (x - 5, y + 5, x, b - 5)),
                        "right": ((r - 1, y + 5, r, b - 5), (r, y + 5, r + 5, b - 5))}.items():
                    with self.subTest(page=name, scale=scale, hotspot=hid, side=side):
                        edge, around = skin.area(*inner), skin.area(*outer)
                        ground = median(around)
                        self.assertGreater(distance(median(edge), ground), EDGE_CONTRAST)
                        self.assertLess(max(distance(p, ground) for p in around), QUIET)
                with self.subTest(page=name, scale=scale, hotspot=hid, part="caption"):
                    self.assertGreaterEqual(skin.ink(x + 3, y + 3, x + w - 3, y + h - 3), 20)
                    self.assertEqual(0, skin.ink(x - 4, y, x - 1, y + h,
                                                 median(skin.area(x - 8, y, x - 1, y + h))))

    def test_boxes_sit_on_plain_ground_with_labels_right(self):
        """The real box covers a plain square (nothing painted shows beside
        it); a visible box has its label right of it and nothing left of
        it; a hidden box has no row at all."""
        for scale, (name, page) in itertools.product(SKIN_SCALES, PAGES.items()):
            skin = Skin(self, name, scale)
            for bid, (x, y, visible) in page["boxes"].items():
                with self.subTest(page=name, scale=scale, box=bid):
                    square = skin.area(x - 1, y - 1, x + BOX_SIDE + 1, y + BOX_SIDE + 1)
                    ground = median(square)
                    self.assertLess(max(distance(p, ground) for p in square), QUIET)
                    label = skin.ink(x + BOX_SIDE + 3, y - 2, x + BOX_SIDE + 43, y + BOX_SIDE + 2)
                    if visible:
                        self.assertGreaterEqual(label, 25)
                        self.assertEqual(0, skin.ink(x - 12, y - 1, x - 1, y + BOX_SIDE + 1, ground))
                    else:
                        self.assertEqual(0, skin.ink(x - 2, y - 2, x + BOX_SIDE + 120,
                                                     y + BOX_SIDE + 2))

    def test_icon_has_two_sizes_of_sixteen_colours(self):
        images = read_ico(os.path.join(RES, "chooser.ico"))
        self.assertEqual([(32, 32, 32, 32), (16, 16, 16, 16)],
                         [(i["width"], i["height"], i["dir_width"], i["dir_height"])
                          for i in images])
        for im in images:
            self.assertEqual((4, 0, 16, 16), (im["bits"], im["compression"], im["colours"],
                                              len(im["palette"])))
            # See-through pixels are black, as the AND/XOR pair needs.
            self.assertEqual({(0, 0, 0)}, {im["palette"][i] for row, mask in
                                           zip(im["pixels"], im["mask"])
                                           for i, m in zip(row, mask) if m})


class Freshness(unittest.TestCase):
    def test_committed_art_matches_its_sources(self):
        with open(os.path.join(SOURCE, "tools", "art", make_art.TOOLS_FILE)) as f:
            recorded = f.read()
        if make_art.tool_versions() != recorded:
            self.skipTest("the art was drawn with other tools:\n" + recorded)
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, make_art.__file__, out], check=True,
                           stdout=subprocess.DEVNULL)
            stale = [name for name in make_art.art_files() if not filecmp.cmp(
                os.path.join(out, name), os.path.join(RES, name), shallow=False)]
        self.assertEqual([], stale, "run python3 tools/art/make_art.py, then commit res/")


if __name__ == "__main__":
    result = unittest.main(verbosity=1, exit=False).result
    skipped_all = result.testsRun == len(result.skipped)
    sys.exit(0 if result.wasSuccessful() and not skipped_all else 77 if skipped_all else 1)
