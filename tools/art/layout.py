#!/usr/bin/env python3
"""The pages' layout at 96 dots per inch (scale 1), read from the
chooser's own headers, so that the art, the tests and the scripts use the
numbers the code uses: the pages' definitions, pages/*_page.h (check boxes
and hotspots; pages/option_pages.h has the option pages' OK),
shell/placement.h (page size, corners, scale steps) and shell/checkbox.h
(box side, styles).

  PAGE_SIZE   (width, height)
  PAGE_CORNER diameter of the rounded corners
  SCALE_STEPS the chooser's scales are whole numbers of 1 / SCALE_STEPS
  BOX_SIDE    side of a check box
  PAGES       page name -> {"hotspots": {id: (x, y, width, height)},
                            "boxes": {id: (x, y, visible)},
                            "hotspot_names": {id: constant's name},
                            "labels": {box id: label symbol},
                            "hotspot_labels": {id: label symbol}}
  LABELS      label symbol -> (Chinese, English), from locale/labels.tsv,
              the texts the catalogue names the items with

For shell scripts:

  layout.py --shell [SCALE]

prints NAME=value lines: PAGE_WIDTH and PAGE_HEIGHT, PAGE_RADIUS (the
rounded corners' radius), and for every hotspot NAME_X and NAME_Y, its
centre (x + width / 2, y + height / 2, whole numbers), all at the page's
scale SCALE (default 1; whole quarters, e.g. 1.5) and rounded to whole
pixels as the chooser rounds them (halves up), where NAME is the hotspot's
id constant (MAIN_HOT_OK, OPTIONS_HOT_OK, ...)."""

import os
import re
import sys

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(SOURCE, "locale"))

from make_labels import read_table  # noqa: E402

PAGES_DIR = os.path.join(SOURCE, "pages")


def _code(relative):
    with open(os.path.join(SOURCE, relative), encoding="utf-8") as f:
        return re.sub(r"//[^\n]*", "", f.read())


def _rows(body):
    return [[f.strip() for f in row.split(",")] for row in re.findall(r"{([^{}]*)}", body)]


def _read():
    headers = sorted("pages/" + n for n in os.listdir(PAGES_DIR) if n.endswith(".h"))
    text = "".join(_code(h) for h in headers + ["shell/page_definition.h", "shell/placement.h",
                                                  "shell/checkbox.h"])
    values = {}
    for body in re.findall(r"enum\s+\w+\s*(?::\s*\w+\s*)?{([^}]*)}", text):
        for name, value in re.findall(r"(\w+)\s*=\s*(-?\w+)", body):
            values[name] = int(value) if re.match(r"-?\d+$", value) else values[value]
    for name, value in re.findall(r"const\s+(?:int|short|WORD|BYTE)\s+(\w+)\s*=\s*(\d+)\s*;", text):
        values[name] = int(value)
    # A box style is visible when its expression holds WS_VISIBLE.
    for name, words in re.findall(r"const\s+DWORD\s+(\w+)\s*=\s*([^;]*);", text):
        values[name] = "WS_VISIBLE" in words
    tables = {name: _rows(body) for name, body in re.findall(
        r"const\s+(?:BoxDefinition|HotspotDefinition)\s+(\w+)\[\]\s*=\s*{(.*?)};", text, re.S)}

    def value(field):
        return int(field) if re.match(r"-?\d+$", field) else values[field]

    # A definition's fields: index, skins, title, then the boxes and the
    # hotspots, each followed by its count (shell/page_definition.h).
    pages = {}
    for body in re.findall(r"const\s+PageDefinition\s+\w+\s*=\s*{(.*?)};", text, re.S):
        fields = [f.strip() for f in body.split(",")]
        page, boxes, hotspots = fields[0][len("PAGE_"):].lower(), fields[4], fields[6]
        pages[page] = {
            "boxes": {value(b): (value(x), value(y), value(style))
                      for b, x, y, style, *_ in tables[boxes]},
            "hotspots": {value(h): tuple(value(f) for f in rest[:4])
                         for h, *rest in tables[hotspots]},
            "hotspot_names": {value(h): h for h, *_ in tables[hotspots]},
            "labels": {value(b): label for b, _, _, _, _, label, _ in tables[boxes]},
            "hotspot_labels": {value(h): row[7] for h, *row in tables[hotspots]},
        }
    return values, pages


_VALUES, PAGES = _read()
PAGE_SIZE = (_VALUES["PAGE_WIDTH"], _VALUES["PAGE_HEIGHT"])
BOX_SIDE = _VALUES["CHECKBOX_SIDE"]
PAGE_CORNER = _VALUES["PAGE_CORNER"]
SCALE_STEPS = _VALUES["SCALE_STEPS"]  # the chooser's scales are whole numbers of these
LABELS = {symbol: (zh, en) for symbol, zh, en in read_table(os.path.join(SOURCE, "locale",
                                                                         "labels.tsv"))}


def scale_quarters(scale):
    """The scale as the chooser counts it, in quarters; ValueError unless
    it is a whole number of quarters, at least 1."""
    quarters = float(scale) * SCALE_STEPS
    if quarters != int(quarters) or quarters < SCALE_STEPS:
        raise ValueError("scale %s is not a whole number of quarters from 1 on" % scale)
    return int(quarters)


def scaled(length, quarters):
    """A layout length at the scale, rounded as the chooser's ScaleLength
    (shell/placement.h) rounds it: to the nearest pixel, halves up."""
    return (length * quarters * 2 + SCALE_STEPS) // (SCALE_STEPS * 2)


def shell_lines(scale=1):
    """NAME=value lines of the page size, its corners' radius and the
    hotspots' centres at the scale."""
    q = scale_quarters(scale)
    lines = ["PAGE_WIDTH=%d" % scaled(PAGE_SIZE[0], q), "PAGE_HEIGHT=%d" % scaled(PAGE_SIZE[1], q),
             "PAGE_RADIUS=%g" % (scaled(PAGE_CORNER, q) / 2)]
    seen = set()
    for page in PAGES.values():
        for hid, (x, y, w, h) in page["hotspots"].items():
            name = page["hotspot_names"][hid]
            if name not in seen:
                seen.add(name)
                lines += ["%s_X=%d" % (name, scaled(x + w // 2, q)),
                          "%s_Y=%d" % (name, scaled(y + h // 2, q))]
    return lines


if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] != "--shell" or len(sys.argv) > 3:
        sys.exit("usage: layout.py --shell [SCALE]")
    try:
        print("\n".join(shell_lines(sys.argv[2] if len(sys.argv) > 2 else 1)))
    except ValueError as error:
        sys.exit("layout.py: %s" % error)
