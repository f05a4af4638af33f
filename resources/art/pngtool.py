#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Rewrites a PNG written by rsvg-convert (8-bit RGBA) for the program.

    pngtool.py MODE IN.png OUT.png WIDTH HEIGHT

MODE is one of
    rgba     keep the transparency (icons)
    rgb      flatten onto white, 24-bit RGB (logo)
    palette  flatten onto white, then reduce to at most 256 colours
             (8-bit palette PNG; the diagrams)
The size of the input must be WIDTH x HEIGHT, else the script fails.
Python standard library only.
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("%s: not a PNG file" % path)
    pos, idat, ihdr = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    width, height, depth, ctype, _, _, interlace = ihdr
    if depth != 8 or ctype not in (2, 6) or interlace:
        sys.exit("%s: only 8-bit RGB/RGBA non-interlaced PNG is handled" % path)
    bpp = 4 if ctype == 6 else 3
    raw = zlib.decompress(b"".join(idat))
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        base = y * (stride + 1)
        ftype = raw[base]
        line = bytearray(raw[base + 1:base + 1 + stride])
        if ftype == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 255
        elif ftype == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 255
        elif ftype == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 255
        elif ftype == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
        rows.append(line)
        prev = line
    if bpp == 3:  # make every row RGBA
        rows = [bytearray(b"".join(bytes(r[i:i + 3]) + b"\xff"
                                   for i in range(0, len(r), 3))) for r in rows]
    return width, height, rows


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(path, width, height, ctype, rows, palette=None):
    bpp = {0: 1, 2: 3, 3: 1, 6: 4}[ctype]
    out, prev = bytearray(), bytearray(len(rows[0]))
    for line in rows:
        # filter "sub" or "up" or none, whichever looks smallest
        cands = [(0, line)]
        if ctype != 3:
            sub = bytearray(line)
            for i in range(bpp, len(line)):
                sub[i] = (line[i] - line[i - bpp]) & 255
            up = bytearray((a - b) & 255 for a, b in zip(line, prev))
            cands += [(1, sub), (2, up)]
        best = min(cands, key=lambda c: sum(v if v < 128 else 256 - v for v in c[1]))
        out.append(best[0])
        out += best[1]
        prev = line
    ihdr = struct.pack(">IIBBBBB", width, height, 8, ctype, 0, 0, 0)
    parts = [b"\x89PNG\r\n\x1a\n", chunk(b"IHDR", ihdr)]
    if palette is not None:
        parts.append(chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
    parts.append(chunk(b"IDAT", zlib.compress(bytes(out), 9)))
    parts.append(chunk(b"IEND", b""))
    open(path, "wb").write(b"".join(parts))


def flatten(rows):
    """RGBA rows over white -> list of RGB rows."""
    res = []
    for r in rows:
        o = bytearray(len(r) // 4 * 3)
        j = 0
        for i in range(0, len(r), 4):
            a = r[i + 3]
            for k in range(3):
                o[j + k] = (r[i + k] * a + 255 * (255 - a) + 127) // 255
            j += 3
        res.append(o)
    return res


def median_cut(colours, limit):
    """colours: dict (r,g,b) -> count. Returns at most `limit` palette colours."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        # split the box with the widest channel range (ties: more colours)
        best, best_key = None, None
        for idx, box in enumerate(boxes):
            if len(box) < 2:
                continue
            rng = max(max(c[0][k] for c in box) - min(c[0][k] for c in box)
                      for k in range(3))
            key = (rng, len(box))
            if best_key is None or key > best_key:
                best, best_key = idx, key
        if best is None:
            break
        box = boxes.pop(best)
        ranges = [max(c[0][k] for c in box) - min(c[0][k] for c in box) for k in range(3)]
        ch = ranges.index(max(ranges))
        box.sort(key=lambda c: c[0][ch])
        # cut at the weighted median (weight: square root of the count)
        weights = [c[1] ** 0.5 for c in box]
        half, acc, cut = sum(weights) / 2, 0.0, 1
        for i, w in enumerate(weights):
            acc += w
            if acc >= half:
                cut = max(1, min(len(box) - 1, i + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        if not box:
            continue
        # the most frequent colour of the box represents it: flat areas stay exact
        palette.append(max(box, key=lambda c: c[1])[0])
    return palette


def to_palette(rgb_rows):
    counts = {}
    for r in rgb_rows:
        for i in range(0, len(r), 3):
            c = (r[i], r[i + 1], r[i + 2])
            counts[c] = counts.get(c, 0) + 1
    palette = list(counts) if len(counts) <= 256 else median_cut(counts, 256)
    index = {}
    for c in counts:
        best, bd = 0, None
        for j, p in enumerate(palette):
            d = (2 * (c[0] - p[0]) ** 2 + 4 * (c[1] - p[1]) ** 2 + 3 * (c[2] - p[2]) ** 2)
            if bd is None or d < bd:
                best, bd = j, d
        index[c] = best
    out = []
    for r in rgb_rows:
        out.append(bytearray(index[(r[i], r[i + 1], r[i + 2])] for i in range(0, len(r), 3)))
    return palette, out


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    mode, src, dst = sys.argv[1:4]
    want = (int(sys.argv[4]), int(sys.argv[5]))
    width, height, rows = read_png(src)
    if (width, height) != want:
        sys.exit("%s: %d x %d, expected %d x %d" % (src, width, height, *want))
    if mode == "rgba":
        write_png(dst, width, height, 6, rows)
    elif mode == "rgb":
        write_png(dst, width, height, 2, flatten(rows))
    elif mode == "palette":
        palette, idx = to_palette(flatten(rows))
        write_png(dst, width, height, 3, idx, palette)
    else:
        sys.exit(__doc__)
    print("%s: %d x %d %s" % (dst, width, height, mode))


if __name__ == "__main__":
    main()
