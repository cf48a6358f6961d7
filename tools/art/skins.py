"""The chooser's art as SVG: the four page skins and the icon, composed
from the pages' definitions (read by layout.py) and the texts below. Every
label is placed from its check box's position and drawn with the box's
own label from locale/labels.tsv (the text the catalogue names the box
with), and every button from its hotspot rectangle with its label, so the
art follows the definitions when they change.

Drawing rules the layout needs:
  - a check box is a real control drawn over the skin: nothing is drawn in
    its square but the card it sits on;
  - a button lies wholly inside its hotspot rectangle, and nothing outside
    a hotspot is drawn like a button;
  - the page's window region cuts the corners with a radius of 12."""

import re
from xml.sax.saxutils import escape

from layout import BOX_SIDE, LABELS, PAGE_SIZE, PAGES

FONT = "Noto Sans CJK TC"

# The house colours.
INK = "#1b2b47"          # main text
MUTED = "#5d6a80"        # English lines, notes
FAINT = "#8a96aa"        # "required" notes
NAVY = "#163a6e"         # header, headings
NAVY_DARK = "#0f2a52"
FRAME = "#0c2346"        # window outline
ACCENT = "#e9a23b"       # gold rule under the header
CARD = "#ffffff"
CARD_EDGE = "#cfd8e5"
RULE = "#e3e8f0"
TILE = "#e6eef9"

LABEL_GAP = 7            # from a box's right edge to its label
ZH_SIZE = 13
EN_SIZE = 10.5


def _text(x, y, s, size, fill, weight="normal", anchor="start", extra=""):
    return ('<text x="%s" y="%s" font-size="%s" font-weight="%s" fill="%s" '
            'text-anchor="%s"%s>%s</text>'
            % (x, y, size, weight, fill, anchor, extra, escape(s)))


DEFS = """<defs>
<linearGradient id="body" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#f7f9fc"/><stop offset="1" stop-color="#eaeff6"/></linearGradient>
<linearGradient id="head" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#21508f"/><stop offset="1" stop-color="#123567"/></linearGradient>
<linearGradient id="primary" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#4d8ddb"/><stop offset="1" stop-color="#2359a6"/></linearGradient>
<linearGradient id="second" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#dfe6f0"/></linearGradient>
<linearGradient id="emblem" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#3f7fd0"/><stop offset="1" stop-color="#1c4c93"/></linearGradient>
</defs>"""


def zhong(x, y, size, fill):
    """The brand mark: the character for "middle" built from bars, so that
    it stays crisp at icon sizes. (x, y, size): its square."""
    s = size / 16.0
    bar = 2.0 * s
    return ('<g fill="%s">'
            '<rect x="%g" y="%g" width="%g" height="%g"/>'
            '<rect x="%g" y="%g" width="%g" height="%g"/>'
            '<rect x="%g" y="%g" width="%g" height="%g"/>'
            '<rect x="%g" y="%g" width="%g" height="%g"/>'
            '<rect x="%g" y="%g" width="%g" height="%g"/></g>'
            % (fill,
               x + 2 * s, y + 4 * s, 12 * s, bar,          # top of the box
               x + 2 * s, y + 10 * s, 12 * s, bar,         # bottom of the box
               x + 2 * s, y + 4 * s, bar, 8 * s,           # left side
               x + 12 * s, y + 4 * s, bar, 8 * s,          # right side
               x + 7 * s, y + 1 * s, bar, 14 * s))         # the stroke through


def emblem(x, y, size):
    """The product emblem of the header: the mark on a blue tile with a
    gold corner."""
    r = size * 0.2
    return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="#ffffff" '
            'fill-opacity="0.16"/>'
            '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="url(#emblem)" '
            'stroke="#ffffff" stroke-opacity="0.55" stroke-width="1"/>'
            '<circle cx="%g" cy="%g" r="%g" fill="%s"/>%s'
            % (x - 2, y - 2, size + 4, size + 4, r + 2,
               x + 0.5, y + 0.5, size - 1, size - 1, r,
               x + size - size * 0.2, y + size * 0.2, size * 0.09, ACCENT,
               zhong(x + size * 0.15, y + size * 0.15, size * 0.7, "#ffffff")))


def frame(header_height):
    """Background, header band with its gold rule, the footer and the
    window outline (the outline follows the rounded window region)."""
    w, h = PAGE_SIZE
    parts = [
        '<rect width="%d" height="%d" fill="%s"/>' % (w, h, FRAME),
        '<rect x="0" y="0" width="%d" height="%d" rx="12" fill="url(#body)"/>'
        % (w, h),
        '<path d="M0,12 a12,12 0 0 1 12,-12 h%d a12,12 0 0 1 12,12 v%d h-%d z" '
        'fill="url(#head)"/>' % (w - 24, header_height - 12, w),
        '<rect x="0" y="%d" width="%d" height="3" fill="%s"/>'
        % (header_height, w, ACCENT),
        '<rect x="0" y="%d" width="%d" height="1" fill="#ffffff" '
        'fill-opacity="0.6"/>' % (header_height + 3, w),
        # Footer: the buttons' strip.
        '<path d="M0,352 h%d v%d a12,12 0 0 1 -12,12 h-%d a12,12 0 0 1 -12,-12 z" '
        'fill="#e2e8f1"/>' % (w, h - 352 - 12, w - 24),
        '<rect x="0" y="352" width="%d" height="1" fill="#c9d3e1"/>' % w,
        '<rect x="0" y="353" width="%d" height="1" fill="#ffffff"/>' % w,
        '<rect x="0.5" y="0.5" width="%d" height="%d" rx="11.5" fill="none" '
        'stroke="%s" stroke-width="1"/>' % (w - 1, h - 1, FRAME),
    ]
    # The header clipped the outline's top corners: draw them again.
    return "\n".join(parts)


def header(title_zh, title_en, big):
    """Title block: emblem, Chinese title, English line."""
    if big:
        return "\n".join([
            emblem(22, 22, 50),
            '<text x="88" y="48" font-size="25" font-weight="bold" fill="#ffffff">'
            'Kivo2000<tspan dx="8" font-size="19">%s</tspan></text>' % escape(title_zh),
            _text(89, 71, title_en, 12, "#c9dbf4"),
        ])
    return "\n".join([
        emblem(20, 17, 42),
        _text(76, 39, title_zh, 19, "#ffffff", "bold"),
        _text(77, 61, title_en, 12, "#c9dbf4"),
    ])


def card(x, y, w, h):
    return ('<rect x="%g" y="%g" width="%g" height="%g" rx="7" fill="%s" '
            'stroke="%s" stroke-width="1"/>'
            % (x + 0.5, y + 0.5, w - 1, h - 1, CARD, CARD_EDGE))


def rule(x1, y, x2):
    return '<rect x="%d" y="%d" width="%d" height="1" fill="%s"/>' % (
        x1, y, x2 - x1, RULE)


def label(box, zh, en, zh_size=ZH_SIZE, en_size=EN_SIZE, colour=INK,
          en_gap=None, inline=False):
    """A row's label beside its check box: the Chinese line level with the
    box and the English line under it, or (inline) the English after the
    Chinese on the same line, where the rows stand close together."""
    x, y = box[0] + BOX_SIDE + LABEL_GAP, box[1]
    zh_base = y + 11
    if inline:
        return ('<text x="%d" y="%d" font-size="%s" fill="%s">%s'
                '<tspan dx="5" font-size="%s" fill="%s">%s</tspan></text>'
                % (x, zh_base, zh_size, colour, escape(zh), en_size, MUTED,
                   escape(en)))
    en_base = zh_base + (en_gap if en_gap else en_size + 4)
    return "\n".join([_text(x, zh_base, zh, zh_size, colour),
                      _text(x, en_base, en, en_size, MUTED)])


def box_label(page, box, **style):
    """Box `box`'s label beside it: its texts from the label table."""
    return label(page["boxes"][box], *LABELS[page["labels"][box]], **style)


def caption(page, hotspot, english=True):
    """A button's caption: its label's Chinese, a space and its English,
    or the Chinese alone."""
    zh, en = LABELS[page["hotspot_labels"][hotspot]]
    return zh + " " + en if english else zh


def tree_link(parent, child):
    """A faint elbow from a box down to the box of its sub-item."""
    x = parent[0] + BOX_SIDE // 2
    return ('<path d="M%g,%d V%g H%d" fill="none" stroke="%s" stroke-width="1"/>'
            % (x + 0.5, parent[1] + BOX_SIDE + 2, child[1] + BOX_SIDE / 2.0 + 0.5,
               child[0] - 2, "#c3cddb"))


def button(rect, kind, caption):
    """A button drawn inside its hotspot rectangle (x, y, w, h), one pixel
    in from each edge for its outline's anti-aliasing."""
    x, y, w, h = rect
    radius = 4 if h > 22 else 3
    if kind == "primary":
        fill, edge, ink, weight = "url(#primary)", "#1b4988", "#ffffff", "bold"
    else:
        fill, edge, ink, weight = "url(#second)", "#7f94b3", NAVY, "bold"
    size = 13 if h > 22 else 12
    body = ('<rect x="%g" y="%g" width="%g" height="%g" rx="%d" fill="%s" '
            'stroke="%s" stroke-width="1"/>'
            % (x + 0.5, y + 0.5, w - 1, h - 1, radius, fill, edge))
    # Inner highlight along the top: the raised look of the era, kept light.
    shine = ('<rect x="%g" y="%g" width="%g" height="1" fill="#ffffff" '
             'fill-opacity="%s"/>'
             % (x + radius, y + 1, w - 2 * radius, 0.35 if kind == "primary" else 0.9))
    baseline = y + h / 2.0 + size * 0.37
    text = _text(x + w / 2.0, "%.1f" % baseline, caption, size, ink, weight,
                 "middle")
    return "\n".join([body, shine, text])


def tile(x, y, size, glyph):
    """A flat product tile (not a button: no outline, no bevel)."""
    return ('<rect x="%d" y="%d" width="%d" height="%d" rx="7" fill="%s"/>%s'
            % (x, y, size, size, TILE,
               _text(x + size / 2.0, y + size / 2.0 + 7, glyph, 19, NAVY,
                     "bold", "middle")))


def intro(lines):
    """The page's explanation under the header: [(text, size, colour)]."""
    parts, y = [], None
    for text, base, size, colour in lines:
        parts.append(_text(26, base, text, size, colour))
    return "\n".join(parts)


# The two parts make_art.py draws apart: every text alone over nothing, and
# the picture without its text. It lays the text over the picture itself,
# keeping the text's edges to a few coverage levels (raster.compose_text).
LAYER_STYLES = {
    "text": "*{visibility:hidden} text,text *{visibility:visible}",
    "shapes": "text{visibility:hidden}",
}


def layer(svg_text, part):
    """The page's SVG with only one part drawn: "text" or "shapes"."""
    return svg_text.replace("<defs>", "<style>%s</style>\n<defs>"
                            % LAYER_STYLES[part], 1)


def text_inks(svg_text):
    """The colours the page's texts are drawn in."""
    return sorted({tuple(int(h[k:k + 2], 16) for k in (0, 2, 4))
                   for h in re.findall(r'<(?:text|tspan)\b[^>]*\bfill="#([0-9a-fA-F]{6})"',
                                       svg_text)})


def svg(body):
    w, h = PAGE_SIZE
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d" font-family="%s">\n%s\n%s\n</svg>\n'
            % (w, h, w, h, FONT, DEFS, body))


# ---- the pages -------------------------------------------------------------

def main_page():
    page = PAGES["main"]
    box, hot = page["boxes"], page["hotspots"]
    a, c = box[1], box[3]
    parts = [
        frame(96),
        header("安裝程式", "Setup \u00b7 繁體中文掌上型電腦套件", True),
        intro([("請勾選要安裝的產品，再按「確定」。", 126, 13, INK),
               ("Check the products to install, then click OK.", 144, 11, MUTED),
               ("「選項」可挑選各產品的元件 \u00b7 Options: choose components.",
                162, 11, MUTED)]),
        card(18, 192, 334, 128),
        rule(30, 252, 340),
        tile(30, a[1] - 9, 32, "輸"),
        tile(30, c[1] - 9, 32, "轉"),
        box_label(page, 1, zh_size=14, en_size=11, en_gap=16),
        box_label(page, 3, zh_size=14, en_size=11, en_gap=16),
        button(hot[3], "second", caption(page, 3, english=False)),
        button(hot[5], "second", caption(page, 5, english=False)),
        button(hot[1], "primary", caption(page, 1)),
        button(hot[2], "second", caption(page, 2)),
    ]
    return svg("\n".join(parts))


def option_frame(title, intro_zh, intro_en):
    hot = 1
    return [
        frame(80),
        header(*LABELS[title], False),
        intro([(intro_zh, 110, 13, INK), (intro_en, 128, 11, MUTED)]),
    ], hot


def suite_page():
    page = PAGES["suite"]
    b = page["boxes"]
    parts, _ = option_frame("LABEL_SUITE_TITLE", "請勾選要安裝的元件，灰色項目必須安裝。",
                            "Check the components to install; grey ones are required.")
    parts += [
        card(18, 152, 334, 190),
        '<rect x="196" y="166" width="1" height="162" fill="%s"/>' % RULE,
        tree_link(b[1], b[2]),
        box_label(page, 1, colour=MUTED, inline=True),
        box_label(page, 2, colour=MUTED, inline=True),
        box_label(page, 5),
        box_label(page, 7),
        box_label(page, 6),
        box_label(page, 9),
        box_label(page, 10),
        box_label(page, 11),
        button(page["hotspots"][1], "primary", caption(page, 1)),
    ]
    return svg("\n".join(parts))


def system_page():
    page = PAGES["system"]
    b = page["boxes"]
    parts, _ = option_frame("LABEL_SYSTEM_TITLE", "請勾選要安裝的字型。",
                            "Check the font sets to install.")
    left, right = b[1][0], b[4][0]
    parts += [
        card(18, 150, 334, 188),
        '<rect x="184" y="164" width="1" height="160" fill="%s"/>' % RULE,
        _text(left, 180, LABELS["LABEL_TRADITIONAL"][0], 13, NAVY, "bold"),
        _text(left, 196, LABELS["LABEL_TRADITIONAL"][1], EN_SIZE, MUTED),
        _text(right, 180, LABELS["LABEL_SIMPLIFIED"][0], 13, NAVY, "bold"),
        _text(right, 196, LABELS["LABEL_SIMPLIFIED"][1], EN_SIZE, MUTED),
        rule(left, 206, 172),
        rule(right, 206, 338),
        box_label(page, 1, inline=True),
        box_label(page, 2, inline=True),
        box_label(page, 3, inline=True),
        box_label(page, 4, inline=True),
        box_label(page, 5, inline=True),
        box_label(page, 6, inline=True),
        button(page["hotspots"][1], "primary", caption(page, 1)),
    ]
    return svg("\n".join(parts))


def converter_page():
    page = PAGES["converter"]
    b = page["boxes"]
    parts, _ = option_frame("LABEL_CONVERTER_TITLE", "請勾選要安裝的轉換方向。",
                            "Check the conversion directions to install.")
    one, two = b[1], b[2]
    parts += [
        card(18, one[1] - 22, 334, two[1] - one[1] + 70),
        rule(34, two[1] - 12, 336),
        pair(one, "體", "体"),
        pair(two, "体", "體"),
        _text(26, 158, "在掌上型電腦上把 Big5 與 GB 文字互相轉換。", 12, INK),
        _text(26, 175, "Converts text between Big5 and GB on the handheld.",
              EN_SIZE, MUTED),
        box_label(page, 1, zh_size=14, en_size=11, en_gap=17),
        box_label(page, 2, zh_size=14, en_size=11, en_gap=17),
        button(page["hotspots"][1], "primary", caption(page, 1)),
    ]
    return svg("\n".join(parts))


def pair(box, source, target):
    """The converter rows' picture: a character and its converted form."""
    cy = box[1] + 13
    return "\n".join([
        _text(276, cy + 8, source, 22, "#9aabc4", "bold", "middle"),
        _text(305, cy + 5, "\u2192", 14, "#9aabc4", "normal", "middle"),
        _text(334, cy + 8, target, 22, NAVY, "bold", "middle"),
    ])


SKINS = {
    "main": main_page,
    "suite": suite_page,
    "system": system_page,
    "converter": converter_page,
}


def icon_svg(size):
    """The program's icon: the emblem alone, at 32 or 16 pixels."""
    if size >= 32:
        body = ('<rect x="1.5" y="1.5" width="29" height="29" rx="6" '
                'fill="url(#emblem)" stroke="%s" stroke-width="1"/>'
                '<rect x="25" y="3" width="4" height="4" fill="%s"/>%s'
                % (NAVY_DARK, ACCENT, zhong(4, 4, 24, "#ffffff")))
    else:
        body = ('<rect x="0.5" y="0.5" width="15" height="15" rx="3" '
                'fill="url(#emblem)" stroke="%s" stroke-width="1"/>%s'
                % (NAVY_DARK, zhong(1, 1, 14, "#ffffff")))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'shape-rendering="crispEdges">%s%s</svg>\n'
            % (size, size, DEFS, body))
