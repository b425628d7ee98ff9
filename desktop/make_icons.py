#!/usr/bin/python3
"""Turns the program icon of res/data/ (icon_128_16.bmp, _32, _48: 32-bit bitmaps with alpha) into the
PNG files the desktop's icon theme wants, desktop/icons/velmora-<size>.png, and the 48-pixel one the
user guide shows in its title, docs/images/velmora-48.png.

    /usr/bin/python3 desktop/make_icons.py

Needs Debian's python3-pil. The PNGs are committed, so a build needs neither Python nor PIL; run this
again after the artwork script has changed the icon. It writes the same bytes on every run.

PIL reads 32-bit bitmaps without their alpha channel, so the pixels are taken from the file directly.
"""

import os
import struct
import sys

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_DIR = os.path.join(ROOT, "res", "data")
OUTPUT_DIR = os.path.join(ROOT, "desktop", "icons")
GUIDE_ICON = os.path.join(ROOT, "docs", "images", "velmora-48.png")
SIZES = (16, 32, 48)


def read_bmp32(path):
    """An RGBA image from an uncompressed 32-bit bitmap (bottom-up or top-down rows)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("%s: not a bitmap file" % path)
    pixel_offset, = struct.unpack_from("<I", data, 10)
    width, height, _planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 32 or compression not in (0, 3):
        raise ValueError("%s: expected an uncompressed 32-bit bitmap, found %d bits, compression %d"
                         % (path, bits, compression))
    rows = abs(height)
    stride = width * 4
    if pixel_offset + stride * rows > len(data):
        raise ValueError("%s: the pixel data is cut short" % path)
    image = Image.frombytes("RGBA", (width, rows), data[pixel_offset:pixel_offset + stride * rows],
                            "raw", "BGRA")
    return image.transpose(Image.Transpose.FLIP_TOP_BOTTOM) if height > 0 else image


def save_png(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # No timestamps or other chunks, so the bytes only change when the picture does.
    image.save(path, "PNG", optimize=True)
    print("wrote", os.path.relpath(path, ROOT))


def main():
    for size in SIZES:
        image = read_bmp32(os.path.join(SOURCE_DIR, "icon_128_%d.bmp" % size))
        if image.size != (size, size):
            sys.exit("icon_128_%d.bmp is %dx%d, expected %dx%d" % (size, *image.size, size, size))
        save_png(image, os.path.join(OUTPUT_DIR, "velmora-%d.png" % size))
        if size == 48:
            save_png(image, GUIDE_ICON)


if __name__ == "__main__":
    main()
