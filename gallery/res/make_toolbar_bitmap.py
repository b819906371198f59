#!/usr/bin/env python3
# Writes the toolbar strips of the gallery's toolbar page, 16x15 images on the light grey that
# toolbars show transparent, each drawn from a few plain shapes: toolbar_main.bmp (open, save,
# zoom, pan) and toolbar_tools.bmp (window level, measure, zoom).
import struct

IMAGE, HEIGHT = 16, 15
GREY = (192, 192, 192)
INK = (28, 48, 82)


def open_folder(x, y):
    if 4 <= y <= 12 and 1 <= x <= 14:
        return INK if y in (4, 12) or x in (1, 14) else (240, 196, 72)
    return INK if y == 3 and 2 <= x <= 6 else None


def save(x, y):
    if 2 <= x <= 13 and 1 <= y <= 13:
        if 4 <= x <= 11 and 2 <= y <= 5:
            return (255, 255, 255)
        return (38, 98, 178)
    return None


def zoom(x, y):
    d = (x - 6) ** 2 + (y - 6) ** 2
    if 12 <= d <= 26:
        return INK
    if d < 12:
        return (214, 232, 250)
    return INK if 10 <= x <= 13 and abs((x - 10) - (y - 10)) <= 1 and y <= 13 else None


def pan(x, y):
    if (x in (7, 8) and 1 <= y <= 13) or (y in (6, 7) and 1 <= x <= 14):
        return INK
    return INK if abs(x - 7.5) + abs(y - 6.5) in (4.0, 5.0) and (x in (3, 12) or y in (2, 11)) else None


def window_level(x, y):
    if 2 <= x <= 13 and 1 <= y <= 13:
        if x in (2, 13) or y in (1, 13):
            return INK
        return (0, 0, 0) if x + y < 15 else (255, 255, 255)
    return None


def measure(x, y):
    if abs((14 - x) - y) <= 0 and 1 <= y <= 13:
        return (176, 20, 20)
    return (176, 20, 20) if (x, y) in ((1, 12), (2, 13), (13, 0), (12, 1)) else None




def write_strip(name, glyphs):
    width = IMAGE * len(glyphs)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(HEIGHT - 1, -1, -1):         # bottom-up
        row = bytearray()
        for x in range(width):
            image, ix = divmod(x, IMAGE)
            r, g, b = glyphs[image](ix, y) or GREY
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(name, "wb") as f:
        f.write(filehdr + header + pixels)


write_strip("toolbar_main.bmp", [open_folder, save, zoom, pan])
write_strip("toolbar_tools.bmp", [window_level, measure, zoom])
