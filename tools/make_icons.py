#!/usr/bin/env python3
"""Draws the six console icons of the console bar into resources/, and the
program's own icon.

Each console icon is drawn twice from one description: as SVG, which the
window renders at whatever scale the screen has, and as a 48x48 RGBA PNG at
the resource paths the console table names. A rounded tile in the family's
colour, a cartridge outline of the family's shape and its short name in
square-pixel glyphs. Standard library only (zlib + struct), so the output is
reproducible anywhere.

    python3 tools/make_icons.py [output-folder]
"""
import os
import struct
import sys
import zlib

SIZE = 48

# 5x7 glyphs for the letters the short names use.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01111", "10000", "10000", "10000", "10000", "10000", "01111"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01111", "10000", "10000", "10011", "10001", "10001", "01111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
}

# file name, short name, tile colour, cartridge (x0, y0, x1, y1), notch corner
FAMILIES = [
    ("md.png", "MD", (40, 40, 48), (9, 5, 39, 24), None),
    ("sms.png", "SMS", (200, 40, 40), (12, 4, 36, 25), None),
    ("msx.png", "MSX", (40, 110, 190), (10, 6, 38, 24), None),
    ("sfc.png", "SFC", (120, 90, 170), (8, 5, 40, 24), None),
    ("gb.png", "GB", (90, 140, 60), (14, 3, 34, 25), "br"),
    ("gba.png", "GBA", (60, 60, 150), (11, 8, 37, 24), "tr"),
]


# Cartridge body and outline, the same for every family.
BODY = (225, 225, 230)
EDGE = (30, 30, 35)
NAME_SCALE = 2   # glyph pixels per icon pixel


def label_colour(colour):
    return tuple(max(0, c - 20) for c in colour)


def name_origin(name):
    """Top-left corner of the short name: centred, above the bottom edge."""
    width = len(name) * 5 * NAME_SCALE + (len(name) - 1) * NAME_SCALE
    return (SIZE - width) // 2, SIZE - 7 * NAME_SCALE - 5


def rounded_tile(x, y, colour):
    """Tile colour with a vertical shade; transparent outside the corners."""
    r = 7
    cx = min(max(x, r), SIZE - 1 - r)
    cy = min(max(y, r), SIZE - 1 - r)
    if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    shade = 1.25 - 0.5 * y / (SIZE - 1)
    return tuple(min(255, int(c * shade)) for c in colour) + (255,)


def draw_icon(name, colour, cart, notch):
    px = [[rounded_tile(x, y, colour) for x in range(SIZE)] for y in range(SIZE)]

    def put(x, y, rgba):
        if 0 <= x < SIZE and 0 <= y < SIZE and px[y][x][3]:
            px[y][x] = rgba

    # Cartridge: light body, dark label area, contact ridges at the bottom.
    x0, y0, x1, y1 = cart
    body = BODY + (255,)
    edge = EDGE + (255,)
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            cut = False
            if notch == "br":
                cut = (x1 - x) + (y1 - y) < 5
            elif notch == "tr":
                cut = (x1 - x) + (y - y0) < 5
            if cut:
                continue
            border = x in (x0, x1) or y in (y0, y1)
            put(x, y, edge if border else body)
    label = label_colour(colour) + (255,)
    for y in range(y0 + 3, y1 - 4):
        for x in range(x0 + 4, x1 - 3):
            put(x, y, label)
    for x in range(x0 + 3, x1 - 2, 3):
        put(x, y1 - 2, edge)

    # Short name, white with a dark shadow.
    scale = NAME_SCALE
    left, top = name_origin(name)
    for shadow, rgba in ((1, (0, 0, 0, 255)), (0, (255, 255, 255, 255))):
        for n, ch in enumerate(name):
            rows = GLYPHS[ch]
            gx = left + n * 6 * scale
            for gy, row in enumerate(rows):
                for bx, bit in enumerate(row):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                put(gx + bx * scale + dx + shadow,
                                    top + gy * scale + dy + shadow, rgba)
    return px


def png_bytes(px):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def cart_outline(cart, notch):
    """Corner points of the cartridge, its notch cut off; on pixel centres,
    so that the one-unit outline falls on whole pixels at 1x."""
    x0, y0, x1, y1 = (v + 0.5 for v in cart)
    if notch == "br":
        return [(x0, y0), (x1, y0), (x1, y1 - 5), (x1 - 5, y1), (x0, y1)]
    if notch == "tr":
        return [(x0, y0), (x1 - 5, y0), (x1, y0 + 5), (x1, y1), (x0, y1)]
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def hex_colour(rgb):
    return "#%02x%02x%02x" % tuple(rgb[:3])


def glyph_path(name, left, top, scale):
    """The short name as one path of unit squares."""
    parts = []
    for n, ch in enumerate(name):
        gx = left + n * 6 * scale
        for gy, row in enumerate(GLYPHS[ch]):
            for bx, bit in enumerate(row):
                if bit == "1":
                    parts.append("M%d %dh%dv%dh-%dz" % (gx + bx * scale, top + gy * scale,
                                                        scale, scale, scale))
    return "".join(parts)


def svg_text(name, colour, cart, notch):
    light = hex_colour(tuple(min(255, int(c * 1.25)) for c in colour))
    dark = hex_colour(tuple(int(c * 0.75) for c in colour))
    label = hex_colour(label_colour(colour))
    x0, y0, x1, y1 = cart
    points = " ".join("%g,%g" % p for p in cart_outline(cart, notch))
    ridges = "".join('<rect x="%d" y="%d" width="1" height="1"/>' % (x, y1 - 2)
                     for x in range(x0 + 3, x1 - 2, 3))
    left, top = name_origin(name)
    glyphs = glyph_path(name, left, top, NAME_SCALE)
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" viewBox="0 0 {s} {s}">\n'
        '<defs><linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="{light}"/><stop offset="1" stop-color="{dark}"/>'
        '</linearGradient></defs>\n'
        '<rect width="{s}" height="{s}" rx="7" fill="url(#tile)"/>\n'
        '<polygon points="{points}" fill="{body}" stroke="{edge}" stroke-width="1"/>\n'
        '<rect x="{lx}" y="{ly}" width="{lw}" height="{lh}" fill="{label}"/>\n'
        '<g fill="{edge}">{ridges}</g>\n'
        '<path d="{glyphs}" fill="#000" transform="translate(1,1)"/>\n'
        '<path d="{glyphs}" fill="#fff"/>\n'
        '</svg>\n'
    ).format(s=SIZE, light=light, dark=dark, points=points, label=label,
             body=hex_colour(BODY), edge=hex_colour(EDGE),
             lx=x0 + 4, ly=y0 + 3, lw=max(0, x1 - 3 - x0 - 4), lh=max(0, y1 - 4 - y0 - 3),
             ridges=ridges, glyphs=glyphs)


def app_icon_svg():
    """The program's icon: a cartridge going into the reader."""
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">\n'
        '<defs><linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#7092be"/><stop offset="1" stop-color="#3d5a80"/>'
        '</linearGradient></defs>\n'
        '<rect x="4" y="4" width="120" height="120" rx="20" fill="url(#tile)"/>\n'
        '<path d="M34 14h60v50H34z" fill="#e1e1e6" stroke="#1e1e23" stroke-width="3"/>\n'
        '<path d="M44 22h40v26H44z" fill="#c83228"/>\n'
        '<path d="M44 56h4v6h-4zM54 56h4v6h-4zM64 56h4v6h-4zM74 56h4v6h-4z" fill="#1e1e23"/>\n'
        '<path d="M64 68l14 14h-8v10h-12v-10h-8z" fill="#fff"/>\n'
        '<rect x="20" y="96" width="88" height="18" rx="4" fill="#28282d"/>\n'
        '<rect x="30" y="102" width="68" height="4" rx="2" fill="#8ad06a"/>\n'
        '</svg>\n')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    os.makedirs(out, exist_ok=True)
    for file_name, name, colour, cart, notch in FAMILIES:
        with open(os.path.join(out, file_name), "wb") as f:
            f.write(png_bytes(draw_icon(name, colour, cart, notch)))
        with open(os.path.join(out, file_name[:-4] + ".svg"), "w") as f:
            f.write(svg_text(name, colour, cart, notch))
    with open(os.path.join(out, "quorvel.svg"), "w") as f:
        f.write(app_icon_svg())


if __name__ == "__main__":
    main()
