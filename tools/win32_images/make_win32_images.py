#!/usr/bin/env python3
"""Writes the Windows program's images from the pictures the Linux build uses.

Usage:
    make_win32_images.py icon OUTPUT.ico WINDOW_ICON.xpm [LARGER.png ...]
    make_win32_images.py bitmap OUTPUT.bmp GLYPH.xpm

icon:   the window icon (an XPM of at most 16 colours) as a 4-bit entry, and
        each PNG (8-bit RGB or RGBA, not interlaced) as a 32-bit entry, or as
        the PNG itself at 256 pixels, the form that size takes in icon files.
bitmap: the XPM as a 24-bit BMP file, every pixel as drawn (the program
        itself decides which colour is transparent).

Python's standard library only, so the build needs no image tools.
"""

import struct
import sys
import zlib


def read_xpm(path):
    """Returns (width, height, rows of (r, g, b) or None for transparent)."""
    with open(path, encoding="ascii") as xpm:
        strings = []
        for line in xpm:
            line = line.strip()
            if line.startswith('"'):
                strings.append(line[1 : line.index('"', 1)])
    width, height, colour_count, chars = (int(v) for v in strings[0].split()[:4])
    colours = {}
    for entry in strings[1 : 1 + colour_count]:
        key, rest = entry[:chars], entry[chars:].split()
        value = rest[rest.index("c") + 1]
        if value.lower() == "none":
            colours[key] = None
        elif value.startswith("#") and len(value) == 7:
            colours[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5))
        else:
            raise ValueError(f"{path}: colour {value!r} is not #RRGGBB or None")
    rows = []
    for row in strings[1 + colour_count : 1 + colour_count + height]:
        rows.append([colours[row[i : i + chars]] for i in range(0, width * chars, chars)])
    if len(rows) != height or any(len(r) != width for r in rows):
        raise ValueError(f"{path}: the pixel rows do not match {width} x {height}")
    return width, height, rows


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (width, height, rows of (r, g, b, a)) and the file's bytes."""
    with open(path, "rb") as png:
        data = png.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    position, idat, header = 8, b"", None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position : position + 8])
        body = data[position + 8 : position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        position += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour_type)
    if depth != 8 or channels is None or interlace:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA PNGs without interlace are read")
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            predictor = (0, left, up, (left + up) // 2, paeth(left, up, upper_left))[kind]
            line[i] = (line[i] + predictor) & 0xFF
        previous = line
        rows.append(
            [
                tuple(line[x * channels : x * channels + 3])
                + ((line[x * channels + 3],) if channels == 4 else (255,))
                for x in range(width)
            ]
        )
    return width, height, rows, data


def and_mask(width, rows_bottom_up, transparent):
    """The 1-bit mask of an icon entry: set where the pixel is transparent."""
    stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in rows_bottom_up:
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if transparent(pixel):
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return bytes(mask)


def dib_header(width, height, bits, image_size, colours_used=0):
    # An icon entry's DIB is twice as high: the colour image, then the mask.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, image_size, 0, 0,
                       colours_used, 0)


def four_bit_entry(width, height, rows):
    palette = []
    for row in rows:
        for pixel in row:
            if pixel is not None and pixel not in palette:
                palette.append(pixel)
    if len(palette) > 16:
        raise ValueError("the window icon has more than 16 colours")
    palette += [(0, 0, 0)] * (16 - len(palette))
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            index = palette.index(pixel) if pixel is not None else 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += line
    mask = and_mask(width, reversed(rows), lambda pixel: pixel is None)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return dib_header(width, height, 4, len(pixels) + len(mask), 16) + colours + pixels + mask


def true_colour_entry(width, height, rows):
    pixels = b"".join(
        struct.pack("<BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row
    )
    mask = and_mask(width, reversed(rows), lambda pixel: pixel[3] == 0)
    return dib_header(width, height, 32, len(pixels) + len(mask)) + pixels + mask


def write_icon(output, xpm_path, png_paths):
    entries = []  # (width, height, colour count, bits, data)
    width, height, rows = read_xpm(xpm_path)
    entries.append((width, height, 16, 4, four_bit_entry(width, height, rows)))
    for path in png_paths:
        width, height, rows, data = read_png(path)
        if width >= 256:
            entries.append((width, height, 0, 32, data))
        else:
            entries.append((width, height, 0, 32, true_colour_entry(width, height, rows)))
    entries.sort(key=lambda entry: entry[0])
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    images = b""
    for width, height, colour_count, bits, data in entries:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0, 1,
                                 bits, len(data), offset + len(images))
        images += data
    with open(output, "wb") as icon:
        icon.write(directory + images)


def write_bitmap(output, xpm_path):
    width, height, rows = read_xpm(xpm_path)
    stride = ((width * 3 + 3) // 4) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel is None:
                raise ValueError(f"{xpm_path}: a bitmap has no transparent pixels")
            r, g, b = pixel
            line[x * 3 : x * 3 + 3] = bytes((b, g, r))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(output, "wb") as bitmap:
        bitmap.write(header + info + pixels)


def main(arguments):
    if len(arguments) >= 3 and arguments[0] == "icon":
        write_icon(arguments[1], arguments[2], arguments[3:])
    elif len(arguments) == 3 and arguments[0] == "bitmap":
        write_bitmap(arguments[1], arguments[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
