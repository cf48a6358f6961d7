#!/usr/bin/env python3
"""Checks that the product's folders depend one way, each on those before
it only:

  text, res          byte-string utilities; resource ids
  locale, toolkit    message catalogue; setup toolkit
  shell              frame, placement, hotspots, boxes, keys, screen
                     readers (knows no page)
  install            discovery, command, launch (knows the page
                     definitions' types, shell/page_definition.h)
  pages              the page definitions and their rules
  program            the entry, which wires the pages to the windows

A file may include its own folder and any earlier one. Prints every
include that points up the order and exits 1 when there is one; the build
runs it before it links SETUP.EXE.

  check_layers.py [SOURCE_DIR]"""

import os
import re
import sys

ORDER = [("text", "res"), ("locale", "toolkit"), ("shell",), ("install",), ("pages",), ("program",)]
RANK = {folder: rank for rank, folders in enumerate(ORDER) for folder in folders}
INCLUDE = re.compile(r'\s*#\s*include\s+"([^/"]+)/')


def upward_includes(source):
    found = []
    for folder, rank in sorted(RANK.items()):
        for root, _, files in os.walk(os.path.join(source, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp", ".rc")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if match and RANK.get(match.group(1), -1) > rank:
                            found.append("%s:%d includes %s/" % (os.path.relpath(path, source),
                                                                 number, match.group(1)))
    return found


if __name__ == "__main__":
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    up = upward_includes(source)
    for line in up:
        print(line)
    if up:
        print("%d include(s) point up the folders' order (tools/check_layers.py)" % len(up))
    sys.exit(1 if up else 0)
