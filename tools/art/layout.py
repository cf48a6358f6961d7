#!/usr/bin/env python3
"""The pages' layout at 96 dots per inch (scale unit 1), read from the
chooser's own headers, so that the art, the tests and the scripts use the
numbers the code uses: pages/page_layout.h (check boxes and hotspots),
shell/placement.h (page size) and shell/checkbox.h (box side, styles).

  PAGE_SIZE   (width, height)
  BOX_SIDE    side of a check box
  PAGES       page name -> {"hotspots": {id: (x, y, width, height)},
                            "boxes": {id: (x, y, visible)},
                            "hotspot_names": {id: constant's name}}

For shell scripts:

  layout.py --shell [UNIT]

prints NAME=value lines: PAGE_WIDTH and PAGE_HEIGHT, and for every hotspot
NAME_X and NAME_Y, its centre (x + width / 2, y + height / 2, whole
numbers), all at scale unit UNIT (default 1), where NAME is the hotspot's
id constant (MAIN_HOT_OK, OPTIONS_HOT_OK, ...)."""

import os
import re
import sys

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

# The tables each page's code builds from (see pages/*_page.cpp).
PAGE_TABLES = {
    "main": ("MAIN_BOXES", "MAIN_HOTSPOTS"),
    "suite": ("SUITE_BOXES", "OPTIONS_HOTSPOTS"),
    "system": ("SYSTEM_BOXES", "OPTIONS_HOTSPOTS"),
    "converter": ("CONVERTER_BOXES", "OPTIONS_HOTSPOTS"),
}


def _code(relative):
    with open(os.path.join(SOURCE, relative), encoding="utf-8") as f:
        return re.sub(r"//[^\n]*", "", f.read())


def _read():
    text = _code("pages/page_layout.h") + _code("shell/placement.h") + _code("shell/checkbox.h")
    values = {}
    for body in re.findall(r"enum\s+\w+\s*{([^}]*)}", text):
        for name, value in re.findall(r"(\w+)\s*=\s*(\w+)", body):
            values[name] = int(value) if value.isdigit() else values[value]
    for name, value in re.findall(r"const\s+(?:int|short|WORD)\s+(\w+)\s*=\s*(\d+)\s*;", text):
        values[name] = int(value)
    # A box style is visible when its expression holds WS_VISIBLE.
    for name, words in re.findall(r"const\s+DWORD\s+(\w+)\s*=\s*([^;]*);", text):
        values[name] = "WS_VISIBLE" in words
    tables = {}
    for name, body in re.findall(r"const\s+(?:BoxPlace|HotspotPlace)\s+(\w+)\[\]\s*=\s*{(.*?)};",
                                 text, re.S):
        tables[name] = [[f.strip() for f in row.split(",")]
                        for row in re.findall(r"{([^{}]*)}", body)]

    def value(field):
        return int(field) if re.match(r"-?\d+$", field) else values[field]

    pages = {}
    for page, (boxes, hotspots) in PAGE_TABLES.items():
        pages[page] = {
            "boxes": {value(b): (value(x), value(y), value(style))
                      for b, x, y, style, _ in tables[boxes]},
            "hotspots": {value(h): tuple(value(f) for f in rest)
                         for h, *rest in tables[hotspots]},
            "hotspot_names": {value(h): h for h, *_ in tables[hotspots]},
        }
    return (values["PAGE_WIDTH"], values["PAGE_HEIGHT"]), values["CHECKBOX_SIDE"], pages


PAGE_SIZE, BOX_SIDE, PAGES = _read()


def shell_lines(unit=1):
    """NAME=value lines of the page size and the hotspots' centres at the
    scale unit."""
    lines = ["PAGE_WIDTH=%d" % (PAGE_SIZE[0] * unit), "PAGE_HEIGHT=%d" % (PAGE_SIZE[1] * unit)]
    seen = set()
    for page in PAGES.values():
        for hid, (x, y, w, h) in page["hotspots"].items():
            name = page["hotspot_names"][hid]
            if name not in seen:
                seen.add(name)
                lines += ["%s_X=%d" % (name, (x + w // 2) * unit),
                          "%s_Y=%d" % (name, (y + h // 2) * unit)]
    return lines


if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] != "--shell" or len(sys.argv) > 3:
        sys.exit("usage: layout.py --shell [UNIT]")
    print("\n".join(shell_lines(int(sys.argv[2]) if len(sys.argv) > 2 else 1)))
