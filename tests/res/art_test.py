#!/usr/bin/env python3
"""Checks the committed skins and icon against the pages' layout: the file
formats the resource loader expects, a button inside every hotspot that
stands out from what surrounds it, a label beside every visible check
box, nothing drawn where a box sits or beside a hidden box, and the
layout itself against the numbers the pages' code uses.

  art_test.py [SOURCE_DIR]      (default: two folders up from this file)"""

import os
import re
import struct
import sys
import unittest

SOURCE = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else
                         os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(SOURCE, "tools", "art"))

from bmpfile import read_bmp, read_ico  # noqa: E402
from layout import BOX_SIDE, PAGE_SIZE, PAGES  # noqa: E402

RES = os.path.join(SOURCE, "res")

# How different two colours must be to count as an edge or as ink, and how
# alike to count as the same background (Euclidean RGB distance, 0-441).
EDGE_CONTRAST = 60
INK_CONTRAST = 90
QUIET = 14
MIN_LABEL_INK = 25      # pixels of text in the first 40 px beside a box
MIN_CAPTION_INK = 20    # pixels of caption inside a button


def distance(p, q):
    return sum((a - b) ** 2 for a, b in zip(p, q)) ** 0.5


def median_colour(pixels):
    ranked = sorted(pixels, key=lambda p: (0.299 * p[0] + 0.587 * p[1] +
                                           0.114 * p[2], p))
    return ranked[len(ranked) // 2]


def mean_colour(pixels):
    n = float(len(pixels))
    return tuple(sum(p[k] for p in pixels) / n for k in range(3))


class Skin:
    """One skin file read back: its header fields and its pixels as RGB."""

    def __init__(self, name):
        self.path = os.path.join(RES, "skin_%s.bmp" % name)
        with open(self.path, "rb") as f:
            self.blob = f.read()
        (self.width, self.height, self.bits, self.compression, self.palette,
         rows) = read_bmp(self.path)
        self.indices = rows
        self.rgb = [[self.palette[i] for i in row] for row in rows] if rows else None

    def area(self, x0, y0, x1, y1):
        """Pixels of the rectangle [x0, x1) x [y0, y1), clipped."""
        return [self.rgb[y][x]
                for y in range(max(0, y0), min(self.height, y1))
                for x in range(max(0, x0), min(self.width, x1))]

    def ink(self, x0, y0, x1, y1, background=None):
        pixels = self.area(x0, y0, x1, y1)
        ground = background or median_colour(pixels)
        return sum(1 for p in pixels if distance(p, ground) > INK_CONTRAST)


def strict_rle8_rows(data, width, height):
    """Decodes RLE8 data and fails on anything the loader would treat as
    damage: rows longer or shorter than the width, a missing end mark,
    absolute runs of fewer than 3, data after the end."""
    rows, row, i = [], [], 0
    while True:
        if i + 1 >= len(data):
            raise AssertionError("no end-of-bitmap mark")
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            row += [value] * count
        elif value == 0 or value == 1:
            if len(row) != width:
                raise AssertionError("row %d holds %d pixels" % (len(rows), len(row)))
            rows.append(row)
            row = []
            if value == 1:
                break
        elif value == 2:
            raise AssertionError("delta escapes leave pixels undefined")
        else:
            row += list(data[i:i + value])
            i += value + (value & 1)
    if len(rows) != height:
        raise AssertionError("%d rows for a height of %d" % (len(rows), height))
    if i != len(data):
        raise AssertionError("%d bytes after the end mark" % (len(data) - i))
    return rows


class SkinFiles(unittest.TestCase):
    """The four bitmaps are what LoadBitmapA and the page frame expect."""

    def test_format(self):
        for name in PAGES:
            with self.subTest(page=name):
                skin = Skin(name)
                blob = skin.blob
                self.assertEqual(b"BM", blob[:2])
                self.assertEqual(len(blob), struct.unpack_from("<I", blob, 2)[0])
                (size, width, height, planes, bits, compression, image_size, _,
                 _, used, _) = struct.unpack_from("<IiiHHIIiiII", blob, 14)
                self.assertEqual(40, size)
                self.assertEqual(PAGE_SIZE, (width, height))   # bottom-up
                self.assertEqual((1, 8, 1), (planes, bits, compression))
                self.assertTrue(1 <= used <= 256, used)
                offset = struct.unpack_from("<I", blob, 10)[0]
                self.assertEqual(14 + 40 + 4 * used, offset)
                self.assertEqual(len(blob) - offset, image_size)
                rows = strict_rle8_rows(blob[offset:], width, height)
                self.assertLess(max(max(r) for r in rows), used)
                self.assertEqual(skin.indices, rows[::-1])  # bottom row first in the file
                # Compression pays: well under the 151,700 bytes of raw pixels.
                self.assertLess(image_size, width * height // 3)

    def test_size_budget(self):
        """The skins are most of SETUP.EXE, which must stay within 128 KiB
        (131,072 bytes) with its code: together at most 90 KiB."""
        sizes = {name: os.path.getsize(Skin(name).path) for name in PAGES}
        self.assertLessEqual(sum(sizes.values()), 90 * 1024, sizes)

    def test_resource_ids(self):
        """The resource script binds each file to the id the page loads."""
        with open(os.path.join(RES, "resource.h")) as f:
            ids = dict(re.findall(r"#define\s+(\w+)\s+(\d+)", f.read()))
        with open(os.path.join(RES, "setup.rc")) as f:
            bound = dict(re.findall(r"^(IDB_\w+)\s+BITMAP\s+\"([^\"]+)\"", f.read(), re.M))
        files = {int(ids[name]): path for name, path in bound.items()}
        for name, page in PAGES.items():
            with self.subTest(page=name):
                self.assertEqual("skin_%s.bmp" % name, files.get(page["bitmap"]))
        self.assertEqual({105: "main", 109: "suite", 110: "system", 108: "converter"},
                         {p["bitmap"]: n for n, p in PAGES.items()})


class IconFile(unittest.TestCase):
    def test_two_sizes_of_sixteen_colours(self):
        images = read_ico(os.path.join(RES, "chooser.ico"))
        self.assertEqual([32, 16], [im["width"] for im in images])
        for im in images:
            with self.subTest(size=im["width"]):
                self.assertEqual(im["width"], im["height"])
                self.assertEqual((im["width"], im["width"]),
                                 (im["dir_width"], im["dir_height"]))
                self.assertEqual((4, 0, 16), (im["bits"], im["compression"], im["colours"]))
                self.assertEqual(16, len(im["palette"]))
                # A picture, not a blank: several colours in the opaque part.
                seen = {i for row, mrow in zip(im["pixels"], im["mask"])
                        for i, m in zip(row, mrow) if not m}
                self.assertGreaterEqual(len(seen), 3)
                # See-through pixels are black, as the AND/XOR pair needs.
                for row, mrow in zip(im["pixels"], im["mask"]):
                    for i, m in zip(row, mrow):
                        if m:
                            self.assertEqual((0, 0, 0), im["palette"][i])


class Buttons(unittest.TestCase):
    """Every hotspot holds a button: an edge along each of its four sides,
    a caption inside, and nothing of it outside the rectangle."""

    def sides(self, x, y, w, h, inset):
        """The four lines at `inset` pixels inside (negative: outside) the
        rectangle's edges, without the rounded ends."""
        trim = 5
        top = [(i, y + inset) for i in range(x + trim, x + w - trim)]
        bottom = [(i, y + h - 1 - inset) for i in range(x + trim, x + w - trim)]
        left = [(x + inset, j) for j in range(y + trim, y + h - trim)]
        right = [(x + w - 1 - inset, j) for j in range(y + trim, y + h - trim)]
        return {"top": top, "bottom": bottom, "left": left, "right": right}

    def test_hotspots(self):
        for name, page in PAGES.items():
            skin = Skin(name)
            for hid, (x, y, w, h) in page["hotspots"].items():
                edges = self.sides(x, y, w, h, 0)
                outside = [self.sides(x, y, w, h, -k) for k in (1, 2, 3, 5)]
                for side in edges:
                    with self.subTest(page=name, hotspot=hid, side=side):
                        edge = mean_colour([skin.rgb[j][i] for i, j in edges[side]])
                        lines = [[skin.rgb[j][i] for i, j in ring[side]] for ring in outside]
                        near = median_colour(lines[0])
                        self.assertGreater(distance(edge, near), EDGE_CONTRAST)
                        # Outside, the same quiet background at 1, 2, 3 and
                        # 5 pixels: no outline, glow or shadow leaks out.
                        for line in lines:
                            for p in line:
                                self.assertLess(distance(p, near), QUIET)
                with self.subTest(page=name, hotspot=hid, part="caption"):
                    self.assertGreaterEqual(skin.ink(x + 3, y + 3, x + w - 3, y + h - 3),
                                            MIN_CAPTION_INK)

    def test_hotspots_do_not_overlap_labels(self):
        """A label never runs into a button: the strip left of each button
        is clear of ink."""
        for name, page in PAGES.items():
            skin = Skin(name)
            for hid, (x, y, w, h) in page["hotspots"].items():
                with self.subTest(page=name, hotspot=hid):
                    around = median_colour(skin.area(x - 8, y, x - 1, y + h))
                    self.assertEqual(0, skin.ink(x - 4, y, x - 1, y + h, around))


class Boxes(unittest.TestCase):
    """The check boxes are real controls over the skin."""

    def test_label_beside_every_visible_box(self):
        for name, page in PAGES.items():
            skin = Skin(name)
            for bid, (x, y, visible) in page["boxes"].items():
                if not visible:
                    continue
                with self.subTest(page=name, box=bid):
                    left = x + BOX_SIDE + 3
                    self.assertGreaterEqual(skin.ink(left, y - 2, left + 40, y + BOX_SIDE + 2),
                                            MIN_LABEL_INK)
                    # Nothing of the label left of the box or over it.
                    self.assertEqual(0, skin.ink(x - 12, y - 1, x - 1, y + BOX_SIDE + 1,
                                                 median_colour(skin.area(x, y, x + BOX_SIDE, y + BOX_SIDE))))

    def test_no_fake_box_under_a_box(self):
        """The square a box covers (and a pixel around it) is plain, so no
        painted box shows at another scale or beside the real one."""
        for name, page in PAGES.items():
            skin = Skin(name)
            for bid, (x, y, _) in page["boxes"].items():
                with self.subTest(page=name, box=bid):
                    square = skin.area(x - 1, y - 1, x + BOX_SIDE + 1, y + BOX_SIDE + 1)
                    ground = median_colour(square)
                    self.assertLess(max(distance(p, ground) for p in square), QUIET)

    def test_hidden_boxes_have_no_row(self):
        for name, page in PAGES.items():
            skin = Skin(name)
            for bid, (x, y, visible) in page["boxes"].items():
                if visible:
                    continue
                with self.subTest(page=name, box=bid):
                    self.assertEqual(0, skin.ink(x - 2, y - 2, x + BOX_SIDE + 120, y + BOX_SIDE + 2))


def parse_page_layout(path):
    """Reads the pages' layout header: enum constants, the box tables (id,
    x, x units, y, y units, style, initial) and hotspot tables."""
    with open(path) as f:
        text = re.sub(r"//[^\n]*", "", f.read())
    names = {}
    for body in re.findall(r"enum\s+\w+\s*{([^}]*)}", text):
        for name, value in re.findall(r"(\w+)\s*=\s*(\w+)", body):
            names[name] = int(value) if value.isdigit() else names[value]
    for name, value in re.findall(r"const\s+WORD\s+(\w+)\s*=\s*(\d+)\s*;", text):
        names[name] = int(value)
    tables = {}
    for kind, name, body in re.findall(
            r"const\s+(BoxPlace|HotspotPlace)\s+(\w+)\[\]\s*=\s*{(.*?)};", text, re.S):
        rows = []
        for row in re.findall(r"{([^{}]*)}", body):
            fields = [f.strip() for f in row.split(",")]
            rows.append([names[f] if f in names else (int(f) if re.match(r"-?\d+$", f) else f)
                         for f in fields])
        tables[name] = rows
    return tables


class LayoutMatchesCode(unittest.TestCase):
    """tools/art/layout.py is the art's copy of the pages' layout; at scale
    unit 1 it must hold the code's numbers."""

    HEADER = os.path.join(SOURCE, "pages", "page_layout.h")
    BOXES = {"main": "MAIN_BOXES", "suite": "SUITE_BOXES", "system": "SYSTEM_BOXES",
             "converter": "CONVERTER_BOXES"}
    HOTSPOTS = {"main": "MAIN_HOTSPOTS", "suite": "OPTIONS_HOTSPOTS",
                "system": "OPTIONS_HOTSPOTS", "converter": "OPTIONS_HOTSPOTS"}

    def setUp(self):
        if not os.path.exists(self.HEADER):
            self.skipTest("pages/page_layout.h not present")
        self.tables = parse_page_layout(self.HEADER)

    def test_boxes_at_unit_one(self):
        for name, table in self.BOXES.items():
            with self.subTest(page=name):
                code = {}
                for bid, x, xu, y, yu, style, _ in self.tables[table]:
                    code[bid] = (x + xu, y + yu, "HIDDEN" not in style)
                self.assertEqual(PAGES[name]["boxes"], code)

    def test_hotspots(self):
        for name, table in self.HOTSPOTS.items():
            with self.subTest(page=name):
                code = {hid: (x, y, w, h) for hid, x, y, w, h in self.tables[table]}
                self.assertEqual(PAGES[name]["hotspots"], code)


if __name__ == "__main__":
    unittest.main(verbosity=1)
