"""Writers for the resource formats of the chooser's art: 8-bit RLE8
bitmaps (the page skins) and 16-colour icons. Pure Python, so that the
generators run wherever Python 3 does."""

import struct


def rle8_row(row):
    """The shortest BI_RLE8 encoding of one row of palette indices, without
    its end mark. Two kinds of piece cover the row: an encoded run
    (count, index) of 1-255 equal pixels, 2 bytes; an absolute run
    (0, n, n indices) of 3-255 pixels, 2 + n bytes padded to a whole word.
    Greedy choices lose bytes on anti-aliased text, where short runs and
    odd literal lengths alternate (a pair of equal pixels is often
    cheaper kept inside an absolute run), so the cheapest cover is found
    by dynamic programming: best[j] is the cost of the first j pixels.
    Absolute runs ending at j cost best[i] - i + j + 2 (+1 when j - i is
    odd); two sliding-window minimums of best[i] - i, one per parity of i,
    make each step amortised constant time. Ties go to the encoded run and
    to the earliest start, so the result depends only on the row."""
    n = len(row)
    best = [0] * (n + 1)
    step = [None] * (n + 1)      # (start, absolute?) of the last piece
    # Sliding-window minimums as rising queues of (value, start): one for
    # the encoded run's start within the current stretch of equal pixels,
    # one per parity of an absolute run's start.
    runs, literals = [], ([], [])
    heads = [0, 0, 0]            # queue fronts: literals by parity, runs

    def push(queue, head, value, start):
        while len(queue) > head and queue[-1][0] > value:
            queue.pop()
        queue.append((value, start))

    def front(queue, head, oldest):
        while head < len(queue) and queue[head][1] < oldest:
            head += 1
        return head

    for j in range(1, n + 1):
        if j > 1 and row[j - 1] != row[j - 2]:
            runs, heads[2] = [], 0
        push(runs, heads[2], best[j - 1], j - 1)
        heads[2] = front(runs, heads[2], j - 255)
        value, k = runs[heads[2]]
        best[j], step[j] = value + 2, (k, False)
        if j >= 3:
            i = j - 3
            push(literals[i & 1], heads[i & 1], best[i] - i, i)
        for parity in (0, 1):
            queue = literals[parity]
            heads[parity] = front(queue, heads[parity], j - 255)
            if heads[parity] < len(queue):
                value, i = queue[heads[parity]]
                cost = value + j + 2 + ((j - i) & 1)
                if cost < best[j]:
                    best[j], step[j] = cost, (i, True)
    pieces = []
    j = n
    while j:
        i, absolute = step[j]
        pieces.append((i, j, absolute))
        j = i
    out = bytearray()
    for i, j, absolute in reversed(pieces):
        if absolute:
            out.extend((0, j - i))
            out.extend(row[i:j])
            if (j - i) & 1:
                out.append(0)
        else:
            out.extend((j - i, row[i]))
    return bytes(out)


def rle8_encode(pixels, width, height):
    """Encodes rows of palette indices (pixels[y][x], top row first) as
    BI_RLE8 data: bottom-up rows, each the shortest encoding rle8_row
    finds, ended by 0,0, and the bitmap by 0,1. No delta escapes: every
    pixel is defined."""
    out = bytearray()
    encoded = {}                 # a skin repeats many of its rows
    for y in range(height - 1, -1, -1):
        row = pixels[y]
        if len(row) != width:
            raise ValueError("row %d holds %d pixels, not %d" % (y, len(row), width))
        key = tuple(row)
        if key not in encoded:
            encoded[key] = rle8_row(row)
        out += encoded[key]
        out += b"\x00\x00"
    out[-2:] = b"\x00\x01"
    return bytes(out)


def rle8_decode(data, width, height):
    """Decodes BI_RLE8 data into rows of indices, top row first (for tests
    and checks of committed files). Handles encoded and absolute runs and
    the delta escape."""
    rows = [[0] * width for _ in range(height)]
    x, y, i = 0, height - 1, 0
    while i + 1 < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            for _ in range(count):
                if 0 <= y < height and x < width:
                    rows[y][x] = value
                x += 1
        elif value == 0:
            x, y = 0, y - 1
        elif value == 1:
            break
        elif value == 2:
            x, y = x + data[i], y - data[i + 1]
            i += 2
        else:
            for k in range(value):
                if 0 <= y < height and x < width:
                    rows[y][x] = data[i + k]
                x += 1
            i += value + (value & 1)
    return rows


def write_bmp_rle8(path, pixels, palette):
    """Writes a bottom-up BI_RLE8 bitmap file. palette: list of (r, g, b),
    at most 256 entries."""
    height = len(pixels)
    width = len(pixels[0])
    data = rle8_encode(pixels, width, height)
    colours = len(palette)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data),
                       3780, 3780, colours, 0)
    offset = 14 + len(info) + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + pal + data)


def read_bmp(path):
    """Returns (width, height, bits, compression, palette, rows) of an 8-bit
    bitmap file; rows are top row first."""
    with open(path, "rb") as f:
        blob = f.read()
    offset = struct.unpack_from("<I", blob, 10)[0]
    (size, width, height, planes, bits, compression, image_size, _, _,
     colours, _) = struct.unpack_from("<IiiHHIIiiII", blob, 14)
    colours = colours or (1 << bits)
    palette = []
    for k in range(colours):
        b, g, r, _ = struct.unpack_from("<BBBB", blob, 14 + size + 4 * k)
        palette.append((r, g, b))
    data = blob[offset:offset + image_size] if image_size else blob[offset:]
    rows = rle8_decode(data, width, height) if compression == 1 else None
    return width, height, bits, compression, palette, rows


def _icon_image(pixels, palette, mask=None):
    """One 4-bit icon image: header with doubled height, 16-entry palette,
    colour rows and the transparency mask (1 = see-through), both bottom-up
    and padded to 4 bytes per row. Without a mask the image is opaque."""
    size = len(pixels)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pal += b"\x00\x00\x00\x00" * (16 - len(palette))
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    and_mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(0, size, 2):
            row.append((pixels[y][x] << 4) | pixels[y][x + 1])
        xor += row + b"\x00" * (xor_stride - len(row))
        bits = bytearray(and_stride)
        for x in range(size):
            if mask and mask[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 16, 0)
    return header + pal + bytes(xor) + bytes(and_mask)


def write_ico16(path, images, palette, masks=None):
    """Writes an icon file holding square 16-colour images (list of pixel
    rows of indices 0-15), largest first. masks: one per image (rows of
    1 for see-through pixels, whose colour should be index 0, black), or
    None for opaque images."""
    masks = masks or [None] * len(images)
    blobs = [_icon_image(p, palette, m) for p, m in zip(images, masks)]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for pixels, blob in zip(images, blobs):
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def read_ico(path):
    """Returns the images of an icon file as a list of dicts: width, height
    (of the picture, not the doubled header value), bits, colours (the
    directory's colour count), palette, pixels (rows of indices, top
    first, for 4-bit images) and mask (rows of 1 for see-through)."""
    with open(path, "rb") as f:
        blob = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("%s: not an icon file" % path)
    images = []
    for k in range(count):
        (w, h, colours, _, planes, bits, size, offset) = struct.unpack_from(
            "<BBBBHHII", blob, 6 + 16 * k)
        (hsize, width, height2, _, bitcount, compression, _, _, _, used,
         _) = struct.unpack_from("<IiiHHIIiiII", blob, offset)
        height = height2 // 2
        n = used or (1 << bitcount if bitcount <= 8 else 0)
        palette = []
        for i in range(n):
            b, g, r, _ = struct.unpack_from("<BBBB", blob, offset + hsize + 4 * i)
            palette.append((r, g, b))
        pixels, mask = None, None
        start = offset + hsize + 4 * n
        xor_stride = ((width * bitcount + 31) // 32) * 4
        and_stride = ((width + 31) // 32) * 4
        if bitcount == 4 and compression == 0:
            pixels = []
            for y in range(height - 1, -1, -1):
                row = blob[start + y * xor_stride:start + (y + 1) * xor_stride]
                pixels.append([(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 15
                               for x in range(width)])
            mstart = start + xor_stride * height
            mask = []
            for y in range(height - 1, -1, -1):
                row = blob[mstart + y * and_stride:mstart + (y + 1) * and_stride]
                mask.append([(row[x // 8] >> (7 - x % 8)) & 1 for x in range(width)])
        images.append({"width": width, "height": height, "bits": bitcount,
                       "dir_width": w or 256, "dir_height": h or 256,
                       "colours": colours, "compression": compression,
                       "palette": palette, "pixels": pixels, "mask": mask})
    return images
