#!/usr/bin/env python3
"""Fails when the committed skins or icon are stale: draws the art again
from its sources (tools/art/) and compares the files byte for byte.

Skips (exit code 77) where the drawing tools are not those that made the
committed files (tools/art/art-tools.txt): without rsvg-convert or the
font nothing can be drawn, and another renderer or font release draws
slightly different pixels, which says nothing about the sources.

  art_fresh_test.py [SOURCE_DIR]"""

import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
SOURCE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                         os.path.join(os.path.dirname(__file__), "..", ".."))
ART = os.path.join(SOURCE, "tools", "art")
FILES = ["skin_main.bmp", "skin_suite.bmp", "skin_system.bmp",
         "skin_converter.bmp", "chooser.ico"]


def main():
    sys.path.insert(0, ART)
    import make_art

    if shutil.which("rsvg-convert") is None:
        print("SKIP: rsvg-convert is not installed (Debian: librsvg2-bin)")
        return SKIP
    with open(os.path.join(ART, make_art.TOOLS_FILE)) as f:
        recorded = f.read()
    here = make_art.tool_versions()
    if here != recorded:
        print("SKIP: the committed art was drawn with\n%sbut this machine has\n%s"
              % (recorded, here))
        return SKIP
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, os.path.join(ART, "make_art.py"), out],
                       check=True, stdout=subprocess.DEVNULL)
        stale = [name for name in FILES
                 if not filecmp.cmp(os.path.join(out, name),
                                    os.path.join(SOURCE, "res", name), shallow=False)]
    if stale:
        print("stale: %s\nrun: python3 tools/art/make_art.py, then commit res/"
              % ", ".join(stale))
        return 1
    print("the committed art matches its sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
