"""Raster steps of the art pipeline, in pure Python so that they behave the
same wherever the generator runs: reading the PNG files that rsvg-convert
writes, laying the text over the picture with its edges kept to a few
coverage levels, and reducing an RGB picture to a small palette without
dithering (flat areas keep their exact colours; anti-aliased edges share
the rest)."""

import struct
import zlib


def read_png(path):
    """Returns (width, height, rows) of an 8-bit RGB or RGBA PNG, rows top
    first, each a list of (r, g, b, a) tuples."""
    with open(path, "rb") as f:
        blob = f.read()
    if blob[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s: not a PNG file" % path)
    pos, idat = 8, bytearray()
    width = height = depth = colour_type = interlace = None
    while pos < len(blob):
        length, kind = struct.unpack_from(">I4s", blob, pos)
        body = blob[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = \
                struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError("%s: only 8-bit RGB/RGBA, non-interlaced" % path)
    channels = 4 if colour_type == 6 else 3
    raw = zlib.decompress(bytes(idat))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    pos = 0
    for _ in range(height):
        kind = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        _unfilter(kind, line, previous, channels)
        if channels == 4:
            rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        else:
            rows.append([tuple(line[x:x + 3]) + (255,)
                         for x in range(0, stride, 3)])
        previous = line
    return width, height, rows


def _unfilter(kind, line, previous, bpp):
    n = len(line)
    if kind == 0:
        return
    if kind == 1:
        for i in range(bpp, n):
            line[i] = (line[i] + line[i - bpp]) & 255
    elif kind == 2:
        for i in range(n):
            line[i] = (line[i] + previous[i]) & 255
    elif kind == 3:
        for i in range(n):
            left = line[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + ((left + previous[i]) >> 1)) & 255
    elif kind == 4:
        for i in range(n):
            a = line[i - bpp] if i >= bpp else 0
            b = previous[i]
            c = previous[i - bpp] if i >= bpp else 0
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            line[i] = (line[i] + pred) & 255
    else:
        raise ValueError("bad PNG filter %d" % kind)


def flatten(rows, background=(255, 255, 255)):
    """Drops alpha, blending every pixel over the background colour."""
    out = []
    for row in rows:
        line = []
        for (r, g, b, a) in row:
            if a == 255:
                line.append((r, g, b))
            else:
                line.append(tuple((c * a + k * (255 - a) + 127) // 255
                                  for c, k in zip((r, g, b), background)))
        out.append(line)
    return out


# Text edges keep four coverage levels: none, a third, two thirds, full.
# The skins are RLE8-compressed, where every change of colour along a row
# costs bytes, and the renderer's 256 levels make nearly every edge pixel
# of small text a colour of its own. Four levels keep the text smooth at
# its size while faint fringes join the background and nearly covered
# pixels the ink, so that strokes and the gaps between them become runs.
TEXT_FLOOR = 85          # alpha below this (a third): background
TEXT_HALF = 128          # below this: one third of the ink, else two thirds
TEXT_FULL = 179          # from this on (0.7): full ink


def text_level(alpha):
    """The coverage in thirds (0-3) that a text pixel of this alpha keeps."""
    if alpha < TEXT_FLOOR:
        return 0
    if alpha >= TEXT_FULL:
        return 3
    return 1 if alpha < TEXT_HALF else 2


def compose_text(background, text, inks):
    """Lays a text layer over a picture. background: RGB rows; text: RGBA
    rows of the same size holding only the text, drawn over nothing;
    inks: the text colours used. Each text pixel takes the ink nearest its
    colour (faint pixels carry rounded colours) at its text_level, blended
    over the background beneath it. Returns RGB rows."""
    levels = [text_level(a) for a in range(256)]
    nearest = {}
    out = []
    for ground_row, text_row in zip(background, text):
        line = []
        for ground, (r, g, b, a) in zip(ground_row, text_row):
            k = levels[a]
            if k == 0:
                line.append(ground)
                continue
            colour = (r, g, b)
            ink = nearest.get(colour)
            if ink is None:
                ink = nearest[colour] = min(
                    inks, key=lambda c: (_distance(colour, c), c))
            line.append(tuple((p * (3 - k) + q * k + 1) // 3
                              for p, q in zip(ground, ink)))
        out.append(line)
    return out


def _distance(p, q):
    # Weighted RGB distance: the eye is most sensitive to green.
    dr, dg, db = p[0] - q[0], p[1] - q[1], p[2] - q[2]
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db


def _median_cut(colours, boxes):
    """Splits a weighted colour list [(colour, count)] into at most `boxes`
    groups along their widest channel; returns each group's weighted mean."""
    groups = [colours]
    while len(groups) < boxes:
        best, best_range, best_channel = None, 0, 0
        for k, group in enumerate(groups):
            if len(group) < 2:
                continue
            for channel in range(3):
                values = [c[channel] for c, _ in group]
                spread = (max(values) - min(values)) * (1 + len(group) // 64)
                if spread > best_range:
                    best, best_range, best_channel = k, spread, channel
        if best is None:
            break
        group = sorted(groups[best], key=lambda e: (e[0][best_channel], e[0]))
        total = sum(n for _, n in group)
        half, acc, cut = total / 2, 0, 1
        for i, (_, n) in enumerate(group):
            acc += n
            if acc >= half:
                cut = max(1, min(len(group) - 1, i + 1))
                break
        groups[best:best + 1] = [group[:cut], group[cut:]]
    means = []
    for group in groups:
        total = sum(n for _, n in group)
        means.append(tuple((sum(c[ch] * n for c, n in group) + total // 2)
                           // total for ch in range(3)))
    return means


def quantize(rows, max_colours=256, keep_share=0.002):
    """Reduces RGB rows to at most max_colours colours. Colours covering at
    least keep_share of the picture are kept exactly; the others are
    grouped by median cut. Returns (palette, index rows); the palette is
    sorted, so the result does not depend on hash order."""
    histogram = {}
    for row in rows:
        for p in row:
            histogram[p] = histogram.get(p, 0) + 1
    if len(histogram) <= max_colours:
        palette = sorted(histogram)
    else:
        total = sum(histogram.values())
        ranked = sorted(histogram.items(), key=lambda e: (-e[1], e[0]))
        kept = [c for c, n in ranked[:max_colours // 2]
                if n >= total * keep_share]
        kept_set = set(kept)
        rest = [(c, n) for c, n in ranked if c not in kept_set]
        palette = sorted(set(kept) | set(
            _median_cut(rest, max_colours - len(kept))))
    lookup = {}
    for colour in histogram:
        if colour in lookup:
            continue
        lookup[colour] = min(range(len(palette)),
                             key=lambda k: (_distance(colour, palette[k]), k))
    indices = [[lookup[p] for p in row] for row in rows]
    return palette, indices


# Flat colours are those of runs of at least FLAT_RUN equal pixels along a
# row: fills and the rows of vertical gradients, where a shade off by more
# than FLAT_TOLERANCE (weighted distance, about one level per channel)
# would show as a band.
FLAT_RUN = 3
FLAT_TOLERANCE = 20


def _runs(rows):
    """Pixel counts per colour, apart for flat and for edge pixels."""
    flat, edge = {}, {}
    for row in rows:
        x, n = 0, len(row)
        while x < n:
            end = x + 1
            while end < n and row[end] == row[x]:
                end += 1
            counts = flat if end - x >= FLAT_RUN else edge
            counts[row[x]] = counts.get(row[x], 0) + end - x
            x = end
    return flat, edge


def _nearest(colour, palette):
    return min(range(len(palette)),
               key=lambda k: (_distance(colour, palette[k]), k))


def quantize_smooth(rows, max_colours, rounds=10):
    """Reduces RGB rows to at most max_colours colours, smooth areas first.
    Every flat colour gets a palette colour within FLAT_TOLERANCE, taken
    greedily from the most common, so fills keep their colours and
    gradients keep steps of a level or so. The entries left serve the
    colours found only at edges (anti-aliasing, single pixels between two
    others), where a larger error does not show: median cut, then a few
    rounds of moving each entry to the pixel-weighted mean of the colours
    nearest it. Returns (palette, index rows); the palette is sorted.
    Raises ValueError when the flat colours alone need more entries."""
    flat, edge = _runs(rows)
    fixed = []
    for colour, _ in sorted(flat.items(), key=lambda e: (-e[1], e[0])):
        if all(_distance(colour, c) > FLAT_TOLERANCE for c in fixed):
            fixed.append(colour)
    if len(fixed) > max_colours:
        raise ValueError("the smooth areas need %d colours, more than %d"
                         % (len(fixed), max_colours))
    rest = sorted(((c, n) for c, n in edge.items() if c not in flat),
                  key=lambda e: (-e[1], e[0]))
    free = []
    if rest and len(fixed) < max_colours:
        free = _median_cut(rest, max_colours - len(fixed))
    for _ in range(rounds):
        centres = fixed + free
        sums = [[0, 0, 0, 0] for _ in free]
        for colour, n in rest:
            k = _nearest(colour, centres) - len(fixed)
            if k >= 0:
                total = sums[k]
                for ch in range(3):
                    total[ch] += colour[ch] * n
                total[3] += n
        moved = [tuple((t[ch] + t[3] // 2) // t[3] for ch in range(3))
                 if t[3] else old for t, old in zip(sums, free)]
        if moved == free:
            break
        free = moved
    palette = sorted(set(fixed) | set(free))
    lookup = {}
    indices = []
    for row in rows:
        line = []
        for p in row:
            k = lookup.get(p)
            if k is None:
                k = lookup[p] = _nearest(p, palette)
            line.append(k)
        indices.append(line)
    return palette, indices


def write_png(path, rows):
    """Writes RGB rows (top first) as an 8-bit RGB PNG: previews of the
    reduced art, so that what is looked at is what ships."""
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for p in row:
            raw += bytes(p[:3])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" +
                chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2,
                                           0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
                chunk(b"IEND", b""))
