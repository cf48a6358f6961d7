#!/usr/bin/env python3
"""Checks the art pipeline's own steps, apart from any drawing: the RLE8
row encoder against an exhaustive search for the shortest encoding, the
text layer's coverage levels and blends, and the palette reduction's
promise to smooth areas.

  art_tools_test.py [SOURCE_DIR]      (default: two folders up from this file)"""

import os
import random
import sys
import unittest

SOURCE = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else
                         os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(SOURCE, "tools", "art"))

import raster  # noqa: E402
from bmpfile import rle8_decode, rle8_encode, rle8_row  # noqa: E402


def shortest_cost(row):
    """The fewest bytes any BI_RLE8 encoding of the row can take, by trying
    every piece at every position: encoded runs of 1-255 equal pixels
    (2 bytes), absolute runs of 3-255 pixels (2 + n, padded to even)."""
    n = len(row)
    cost = [0] * (n + 1)
    for i in range(n - 1, -1, -1):
        options = []
        length = 1
        while i + length <= n and length <= 255 and row[i + length - 1] == row[i]:
            options.append(2 + cost[i + length])
            length += 1
        for length in range(3, min(255, n - i) + 1):
            options.append(2 + length + (length & 1) + cost[i + length])
        cost[i] = min(options)
    return cost[0]


def pieces(data):
    """Splits one row's encoding into (kind, pixels) pieces, checking each
    absolute run's length and padding as the loader reads them."""
    out, i = [], 0
    while i < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            out.append(("run", [value] * count))
        else:
            if not 3 <= value <= 255:
                raise AssertionError("absolute run of %d" % value)
            out.append(("absolute", list(data[i:i + value])))
            if value & 1 and data[i + value] != 0:
                raise AssertionError("padding byte is not zero")
            i += value + (value & 1)
    return out


def random_rows(count, seed):
    """Rows like those of the skins: runs of one colour broken by short
    stretches of edge shades, some longer than 255."""
    generator = random.Random(seed)
    rows = []
    for _ in range(count):
        width = generator.randint(1, 120)
        shades = generator.randint(1, 6)
        row = []
        while len(row) < width:
            row += [generator.randint(0, shades)] * generator.choice((1, 1, 1, 2, 2, 3, 5, 9))
        rows.append(row[:width])
    rows.append([7] * 300 + [1, 2, 3] + [7] * 260)
    return rows


class Rle8Rows(unittest.TestCase):
    # (name, row, encoding or None where several shortest encodings tie,
    #  its length)
    CASES = [
        ("one colour, a full skin row", [4] * 370, None, 4),
        ("a single pixel", [9], bytes([1, 9]), 2),
        ("two pixels: too short for an absolute run", [1, 2],
         bytes([1, 1, 1, 2]), 4),
        ("odd stretch: padded, or cut before a single run", [1, 2, 3, 4, 5, 6, 7],
         None, 10),
        ("a pair kept inside an absolute run", [1, 2, 3, 3, 4, 5],
         bytes([0, 6, 1, 2, 3, 3, 4, 5]), 8),
        ("long runs around an edge", [6] * 20 + [1, 2, 3, 4] + [6] * 20,
         bytes([20, 6, 0, 4, 1, 2, 3, 4, 20, 6]), 10),
        ("a stroke's shades between background runs",
         [0, 0, 0, 5, 9, 5, 0, 0, 0, 5, 9, 9, 5, 0, 0, 0], None, 16),
        ("stretch longer than 255, cut where no padding is lost",
         [k % 7 for k in range(300)], None, 304),
    ]

    def test_known_rows(self):
        for name, row, expected, length in self.CASES:
            with self.subTest(row=name):
                data = rle8_row(row)
                self.assertEqual(length, len(data))
                self.assertEqual(shortest_cost(row), len(data))
                if expected is not None:
                    self.assertEqual(expected, data)
                self.assertEqual(row, [p for _, run in pieces(data) for p in run])

    def test_shortest_on_random_rows(self):
        for k, row in enumerate(random_rows(400, 2000)):
            with self.subTest(row=k, pixels=row[:24]):
                data = rle8_row(row)
                self.assertEqual(row, [p for _, run in pieces(data) for p in run])
                self.assertEqual(shortest_cost(row), len(data))

    def test_bitmap_round_trip(self):
        rows = [row[:40] + [0] * (40 - len(row[:40]))
                for row in random_rows(30, 7)]
        data = rle8_encode(rows, 40, len(rows))
        self.assertEqual(b"\x00\x01", data[-2:])
        self.assertEqual(rows, rle8_decode(data, 40, len(rows)))

    def test_row_of_the_wrong_width(self):
        with self.assertRaises(ValueError):
            rle8_encode([[1] * 10, [1] * 9], 10, 2)


class TextLayer(unittest.TestCase):
    INK = (27, 43, 71)
    PAPER = (255, 255, 255)

    def test_levels(self):
        # (alpha, thirds of ink kept)
        for alpha, level in [(0, 0), (1, 0), (84, 0), (85, 1), (127, 1), (128, 2),
                             (178, 2), (179, 3), (254, 3), (255, 3)]:
            with self.subTest(alpha=alpha):
                self.assertEqual(level, raster.text_level(alpha))

    def test_blends(self):
        other = (93, 106, 128)
        # (case, text pixel as drawn, ground, expected colour)
        cases = [
            ("no text", (0, 0, 0, 0), self.PAPER, self.PAPER),
            ("faint fringe left to the ground", self.INK + (60,), self.PAPER, self.PAPER),
            ("a third", self.INK + (100,), self.PAPER, (179, 184, 194)),
            ("two thirds", self.INK + (150,), self.PAPER, (103, 114, 132)),
            ("nearly covered is full ink", self.INK + (200,), self.PAPER, self.INK),
            ("rounded colour of a faint pixel", (30, 40, 75, 90), self.PAPER,
             (179, 184, 194)),
            ("second ink over a coloured ground", other + (255,), (22, 58, 110), other),
            ("second ink, two thirds", (95, 104, 130, 140), (22, 58, 110),
             (69, 90, 122)),
        ]
        for name, pixel, ground, expected in cases:
            with self.subTest(case=name):
                out = raster.compose_text([[ground]], [[pixel]], [self.INK, other])
                self.assertEqual([[expected]], out)


class SmoothPalette(unittest.TestCase):
    @staticmethod
    def picture():
        """A steep vertical gradient (a colour per row, as in the emblem)
        with a few rows of scattered edge shades over it."""
        rows = []
        for y in range(120):
            ground = (40 + y // 2, 90 + y, 200 - y)
            row = [ground] * 60
            if y % 10 == 5:
                for x in range(5, 55, 4):
                    row[x] = (255 - 2 * x, 200 - x, 3 * x)
            rows.append(row)
        return rows

    def test_flat_colours_stay_close(self):
        rows = self.picture()
        flat, _ = raster._runs(rows)
        for budget in (64, 80):
            with self.subTest(colours=budget):
                palette, indices = raster.quantize_smooth(rows, budget)
                self.assertLessEqual(len(palette), budget)
                self.assertEqual(sorted(palette), palette)
                for row, line in zip(rows, indices):
                    for p, k in zip(row, line):
                        if p in flat:
                            self.assertLessEqual(raster._distance(p, palette[k]),
                                                 raster.FLAT_TOLERANCE, p)
                # Same input, same output.
                self.assertEqual((palette, indices), raster.quantize_smooth(rows, budget))

    def test_few_colours_kept_exactly(self):
        rows = [[(1, 2, 3)] * 5 + [(200, 10, 10)] + [(9, 9, 9)] * 4] * 3
        palette, indices = raster.quantize_smooth(rows, 16)
        self.assertEqual(rows, [[palette[k] for k in line] for line in indices])

    def test_too_many_smooth_colours(self):
        rows = [[(0, 2 * y, 0)] * 8 for y in range(100)]
        with self.assertRaises(ValueError):
            raster.quantize_smooth(rows, 16)


if __name__ == "__main__":
    unittest.main(verbosity=1)
