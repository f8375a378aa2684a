#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

"""Builds the Windows icon from PNG renderings of the SVG source picture.

  make_ico.py ICON32.png ICON16.png OUT.ico

The icon holds three images, as classic Windows icons do: 32x32 in 2 colours
(1 bit), 32x32 in 16 colours (4 bits) and 16x16 in 16 colours (4 bits). Colours
map to the nearest of the standard 16-colour palette; transparent pixels go
into the AND mask.
"""
import struct
import sys

from PIL import Image

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
MONO = [(0, 0, 0), (255, 255, 255)]


def nearest(palette, rgb, allowed):
    return min(allowed, key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def flat_colours(image):
    """Palette entries the picture paints exactly; edge pixels snap to these
    rather than to in-between colours, which keeps small images crisp."""
    exact = {rgba[:3] for _, rgba in image.getcolors(image.width * image.height)
             if rgba[3] == 255}
    return [i for i, rgb in enumerate(VGA16) if rgb in exact] or list(range(len(VGA16)))


def mono_index(rgb):
    # Light pixels white, dark ones black, so the arrows stand out from the ground.
    return 1 if 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2] >= 128 else 0


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def dib(image, palette, bits, index_of):
    width, height = image.size
    pixels = image.load()
    xor_stride, and_stride = row_bytes(width * bits), row_bytes(width)
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(height)):  # DIBs run bottom-up
        xor_row, and_row = bytearray(xor_stride), bytearray(and_stride)
        for x in range(width):
            r, g, b, a = pixels[x, y]
            if a < 128:
                and_row[x // 8] |= 0x80 >> (x % 8)
                continue
            index = index_of((r, g, b))
            if bits == 1:
                xor_row[x // 8] |= index << (7 - x % 8)
            else:
                xor_row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += xor_row
        mask += and_row
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + bytes(xor) + bytes(mask)


def main():
    icon32 = Image.open(sys.argv[1]).convert("RGBA")
    icon16 = Image.open(sys.argv[2]).convert("RGBA")
    allowed = flat_colours(icon32)
    vga = lambda rgb: nearest(VGA16, rgb, allowed)
    images = [
        (icon32, dib(icon32, MONO, 1, mono_index), 2, 1),
        (icon32, dib(icon32, VGA16, 4, vga), 16, 4),
        (icon16, dib(icon16, VGA16, 4, vga), 16, 4),
    ]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, data, colours, bits in images:
        width, height = image.size
        out += struct.pack("<BBBBHHII", width, height, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, data, _, _ in images:
        out += data
    with open(sys.argv[3], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
