#!/usr/bin/env python3
"""Generates Orvane's icon files from its pixel design.

    make_icon.py DESIGN [--ico OUT.ico] [--header OUT.h] [--png SIZE OUT.png]... [--svg OUT.svg]

The design format (a 16x16 grid of one-character keys and a table of their colours)
is described in icon/README.md. Standard library only, so that a fresh machine with
Python 3 can build the program.
"""
import argparse
import struct
import sys
import zlib
from dataclasses import dataclass

GRID = 16
TRANSPARENT = None


class DesignError(Exception):
    pass


@dataclass(frozen=True)
class Design:
    colours: dict  # key -> (r, g, b), or TRANSPARENT
    rows: tuple    # GRID strings of GRID keys, top row first

    def pixel(self, x, y, size):
        """The colour at (x, y) of the design scaled to size x size pixels."""
        scale = size // GRID
        return self.colours[self.rows[y // scale][x // scale]]


def check_size(size):
    """Every design pixel becomes a whole square block, so only whole multiples scale."""
    if size < GRID or size % GRID:
        raise DesignError(f"an image of {size} pixels is not a whole multiple of {GRID}")


def parse(text, name="design"):
    colours = {}
    rows = []
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.rstrip()
        where = f"{name}:{number}"
        if not line or line.startswith("#"):
            continue
        if line.startswith("colour "):
            parts = line.split()
            if len(parts) != 3 or len(parts[1]) != 1:
                raise DesignError(f"{where}: expected 'colour K RRGGBB' or 'colour K none'")
            key, value = parts[1], parts[2]
            if key in colours:
                raise DesignError(f"{where}: key '{key}' defined twice")
            if value == "none":
                colours[key] = TRANSPARENT
            elif len(value) == 6 and all(c in "0123456789abcdefABCDEF" for c in value):
                colours[key] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
            else:
                raise DesignError(f"{where}: colour '{value}' is neither RRGGBB nor none")
            continue
        if len(line) != GRID:
            raise DesignError(f"{where}: a row holds {GRID} keys, this one {len(line)}")
        unknown = sorted(set(line) - colours.keys())
        if unknown:
            raise DesignError(f"{where}: undefined key(s) {' '.join(unknown)}")
        rows.append(line)
    if len(rows) != GRID:
        raise DesignError(f"{name}: the picture has {len(rows)} rows, not {GRID}")
    return Design(colours, tuple(rows))


def is_dark(rgb):
    r, g, b = rgb
    return 299 * r + 587 * g + 114 * b < 128 * 1000


def palette_for(design, bits):
    if bits == 1:
        return [(0, 0, 0), (255, 255, 255)]
    # Transparent pixels are stored as index 0, which must be black so that the
    # screen shows through the mask unchanged.
    used = sorted({c for c in design.colours.values() if c is not TRANSPARENT} - {(0, 0, 0)})
    palette = [(0, 0, 0)] + used
    if len(palette) > 1 << bits:
        raise DesignError(f"the design uses {len(palette)} colours; a {1 << bits}-colour image holds {1 << bits}")
    return palette + [(0, 0, 0)] * ((1 << bits) - len(palette))


def pack_row(values, bits):
    """One bitmap row, most significant bits first, padded to whole 32-bit words."""
    per_byte = 8 // bits
    out = bytearray()
    for start in range(0, len(values), per_byte):
        byte = 0
        for offset, value in enumerate(values[start:start + per_byte]):
            byte |= value << (8 - bits * (offset + 1))
        out.append(byte)
    out.extend(b"\0" * (-len(out) % 4))
    return bytes(out)


def icon_image(design, size, bits):
    """A device-independent bitmap as an icon stores it: header, palette, colour
    rows and mask rows, both bottom row first, with the height counted twice."""
    palette = palette_for(design, bits)
    index_of = {colour: i for i, colour in reversed(list(enumerate(palette)))}
    colour_rows, mask_rows = [], []
    for y in reversed(range(size)):
        pixels = [design.pixel(x, y, size) for x in range(size)]
        if bits == 1:
            indices = [0 if p is TRANSPARENT or is_dark(p) else 1 for p in pixels]
        else:
            indices = [0 if p is TRANSPARENT else index_of[p] for p in pixels]
        colour_rows.append(pack_row(indices, bits))
        mask_rows.append(pack_row([1 if p is TRANSPARENT else 0 for p in pixels], 1))
    bitmap = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(bitmap), 0, 0, 0, 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + bitmap


# The application icon's images: (size, bits per pixel).
ICON_IMAGES = ((32, 1), (32, 4), (16, 4))


def ico_file(design):
    images = [icon_image(design, size, bits) for size, bits in ICON_IMAGES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), image in zip(ICON_IMAGES, images):
        out += struct.pack("<BBBBHHII", size, size, 1 << bits, 0, 1, bits, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(design, size):
    """A size x size truecolour PNG with alpha: opaque design colours, transparent
    pixels fully transparent. Every row is stored unfiltered."""
    check_size(size)
    raw = bytearray()
    for y in range(size):
        raw.append(0)  # filter type: none
        for x in range(size):
            colour = design.pixel(x, y, size)
            raw.extend(b"\0\0\0\0" if colour is TRANSPARENT else bytes(colour) + b"\xff")
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA, not interlaced
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + png_chunk(b"IEND", b""))


def svg_file(design):
    """The design as a 16 x 16 drawing of squares, one rectangle per run of equal
    pixels in a row, drawn with crisp edges so that it scales as the bitmaps do."""
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
        f'viewBox="0 0 {GRID} {GRID}" shape-rendering="crispEdges">',
    ]
    for y, row in enumerate(design.rows):
        x = 0
        while x < GRID:
            end = x
            while end < GRID and row[end] == row[x]:
                end += 1
            colour = design.colours[row[x]]
            if colour is not TRANSPARENT:
                lines.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" fill="#%02x%02x%02x"/>' % colour)
            x = end
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def cpp_header(design, name):
    lines = [
        f"// Generated from {name} by icon/make_icon.py; edit the design, not this file.",
        "#pragma once",
        "#include <cstdint>",
        "",
        "namespace icon_design {",
        "",
        f"inline constexpr int size = {GRID};",
        "// 0xRRGGBB for every pixel, top row first; -1 where the picture is transparent.",
        f"inline constexpr std::int32_t pixels[{GRID}][{GRID}] = {{",
    ]
    for row in design.rows:
        values = []
        for key in row:
            colour = design.colours[key]
            values.append("-1" if colour is TRANSPARENT else "0x%02X%02X%02X" % colour)
        lines.append("    {" + ", ".join(values) + "},")
    lines += ["};", "", "} // namespace icon_design", ""]
    return "\n".join(lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("design")
    parser.add_argument("--ico", help="write the Windows icon here")
    parser.add_argument("--header", help="write the design as C++ constants here")
    parser.add_argument("--png", nargs=2, action="append", default=[], metavar=("SIZE", "OUT"),
                        help="write a SIZE x SIZE PNG here (repeatable)")
    parser.add_argument("--svg", help="write the scalable SVG here")
    args = parser.parse_args(argv)
    try:
        with open(args.design, encoding="utf-8") as f:
            design = parse(f.read(), args.design)
        if args.ico:
            data = ico_file(design)
            with open(args.ico, "wb") as f:
                f.write(data)
        if args.header:
            text = cpp_header(design, args.design.replace("\\", "/").rsplit("/", 1)[-1])
            with open(args.header, "w", encoding="utf-8") as f:
                f.write(text)
        for size, path in args.png:
            if not size.isdigit():
                raise DesignError(f"PNG size '{size}' is not a number")
            data = png_file(design, int(size))
            with open(path, "wb") as f:
                f.write(data)
        if args.svg:
            text = svg_file(design)
            with open(args.svg, "w", encoding="utf-8") as f:
                f.write(text)
    except (OSError, DesignError) as e:
        print(f"make_icon: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
