#!/usr/bin/env python3
"""Makes SETUP.EXE's art: the four page skins (8-bit, RLE8-compressed
bitmaps, 370 x 410, skin_NAME.bmp), the same skins drawn for twice the size
(740 x 820, skin_NAME_2x.bmp, shown from 192 dots per inch on) and the icon
(32 x 32 and 16 x 16, 16 colours).

  make_art.py [OUTDIR] [--preview DIR]

Without OUTDIR the files go to res/ of the source tree, and
tools/art/art-tools.txt records the versions of the drawing tools that
made them. The pictures are composed as SVG (skins.py) and drawn by
rsvg-convert with the Noto Sans CJK TC font in two layers, the picture and
the text alone, at the skin's scale (the same SVG, zoomed); raster.py lays
the text over the picture with its edges kept to a few levels and reduces
the result to a palette; bmpfile.py writes the shortest RLE8 encoding. --preview also writes each page's SVG,
the renderer's own drawing of it and a PNG of the finished skin, as it
will look.

The files are committed, so a build needs none of this. The staleness
test compares only when the recorded tool versions are at hand, since
another renderer or font release draws slightly different pixels."""

import multiprocessing
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from bmpfile import write_bmp_rle8, write_ico16  # noqa: E402
from layout import PAGE_SIZE  # noqa: E402
from raster import (compose_text, flatten, quantize, quantize_smooth,  # noqa: E402
                    read_png, write_png)
import skins  # noqa: E402

ICON_SIZES = (32, 16)
SKIN_SCALES = (1, 2)
# Colours per skin by scale: each costs four bytes of palette in the
# bitmap. The smooth areas take about 100 at 1x and 122 at 2x, where the
# gradients have twice as many rows; the text's and shapes' edges share the
# rest.
SKIN_COLOURS = {1: 112, 2: 160}
TOOLS_FILE = "art-tools.txt"


def tool_versions():
    """The versions that decide the pixels: the renderer and the font
    files, as one text."""
    lines = []
    try:
        out = subprocess.run(["rsvg-convert", "--version"], check=True,
                             capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        out = "rsvg-convert missing"
    lines.append(out)
    for style in ("", ":bold"):
        try:
            out = subprocess.run(["fc-match", "-f", "%{file}", skins.FONT + style],
                                 check=True, capture_output=True, text=True).stdout
            lines.append("%s%s: %s, %d bytes" % (skins.FONT, style, os.path.basename(out),
                                                 os.path.getsize(out)))
        except (OSError, subprocess.CalledProcessError):
            lines.append("%s%s missing" % (skins.FONT, style))
    return "\n".join(lines) + "\n"


def skin_file(name, scale):
    """The file name of a page's skin drawn for a scale."""
    return "skin_%s.bmp" % name if scale == 1 else "skin_%s_%dx.bmp" % (name, scale)


def art_files():
    """Every file make_art.py writes to res/."""
    return [skin_file(n, s) for s in SKIN_SCALES for n in skins.SKINS] + ["chooser.ico"]


def render(svg_text, workdir, name, zoom=1):
    """Draws an SVG text with rsvg-convert, zoomed; returns RGBA rows."""
    svg_path = os.path.join(workdir, name + ".svg")
    png_path = os.path.join(workdir, name + ".png")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run(["rsvg-convert", "-z", str(zoom), "-o", png_path, svg_path], check=True)
    width, height, rows = read_png(png_path)
    return width, height, rows


def make_skin(name, scale, workdir, outdir, preview):
    """Draws the page without its text and the text alone at the scale,
    lays the text over the picture with its edges kept to a few levels,
    and reduces the result to SKIN_COLOURS[scale] colours."""
    page = skins.SKINS[name]()
    stem = skin_file(name, scale)[:-len(".bmp")]
    if preview:
        # The renderer's own drawing, for comparison with the finished skin.
        render(page, workdir, stem, scale)
        os.replace(os.path.join(workdir, stem + ".png"),
                   os.path.join(preview, stem + "_drawn.png"))
    drawn = {}
    for part in ("shapes", "text"):
        width, height, drawn[part] = render(skins.layer(page, part), workdir,
                                            "%s_%s" % (stem, part), scale)
        if (width, height) != (PAGE_SIZE[0] * scale, PAGE_SIZE[1] * scale):
            raise SystemExit("%s drawn at %dx%d" % (stem, width, height))
    rows = compose_text(flatten(drawn["shapes"]), drawn["text"], skins.text_inks(page))
    palette, indices = quantize_smooth(rows, SKIN_COLOURS[scale])
    write_bmp_rle8(os.path.join(outdir, stem + ".bmp"), indices, palette)
    if preview:
        write_png(os.path.join(preview, stem + ".png"),
                  [[palette[i] for i in row] for row in indices])
    return len(palette)


def make_icon(workdir, outdir, preview):
    """Both icon sizes share one 16-colour palette whose entry 0 is black,
    the colour of see-through pixels."""
    pictures, masks = [], []
    for size in ICON_SIZES:
        _, _, rows = render(skins.icon_svg(size), workdir, "icon%d" % size)
        masks.append([[1 if a < 128 else 0 for (_, _, _, a) in row]
                      for row in rows])
        pictures.append(flatten(rows))
    opaque = [[p for p, m in zip(row, mrow) if not m]
              for pic, mask in zip(pictures, masks)
              for row, mrow in zip(pic, mask)]
    colours, _ = quantize([p for p in opaque if p], 15)
    palette = [(0, 0, 0)] + [c for c in colours if c != (0, 0, 0)]

    def nearest(p):
        return min(range(1, len(palette)),
                   key=lambda k: (sum((a - b) ** 2 for a, b in zip(p, palette[k])), k))

    images = []
    for pic, mask in zip(pictures, masks):
        images.append([[0 if m else nearest(p) for p, m in zip(row, mrow)]
                       for row, mrow in zip(pic, mask)])
    write_ico16(os.path.join(outdir, "chooser.ico"), images, palette, masks)
    if preview:
        for size, image, mask in zip(ICON_SIZES, images, masks):
            write_png(os.path.join(preview, "icon%d.png" % size),
                      [[(255, 0, 255) if m else palette[i]
                        for i, m in zip(row, mrow)]
                       for row, mrow in zip(image, mask)])
    return len(palette)


def main(argv):
    args = list(argv)
    preview = None
    if "--preview" in args:
        k = args.index("--preview")
        preview = args[k + 1]
        del args[k:k + 2]
        os.makedirs(preview, exist_ok=True)
    committed = not args
    outdir = args[0] if args else os.path.join(HERE, "..", "..", "res")
    os.makedirs(outdir, exist_ok=True)
    with tempfile.TemporaryDirectory() as workdir:
        jobs = [(name, scale, workdir, outdir, preview)
                for scale in SKIN_SCALES for name in skins.SKINS]
        # The skins are independent: two at a time.
        with multiprocessing.Pool(2) as pool:
            counts = pool.starmap(make_skin, jobs)
        for (name, scale, _, _, _), count in zip(jobs, counts):
            print("%s: %d colours" % (skin_file(name, scale), count))
        print("chooser.ico: %d colours" % make_icon(workdir, outdir, preview))
        if preview:
            for name in os.listdir(workdir):
                if name.endswith(".svg"):
                    os.replace(os.path.join(workdir, name),
                               os.path.join(preview, name))
    if committed:
        with open(os.path.join(HERE, TOOLS_FILE), "w") as f:
            f.write(tool_versions())


if __name__ == "__main__":
    main(sys.argv[1:])
