#!/usr/bin/env python3
# Writes testbar.bmp: a toolbar strip of three 16x15 images on the light grey that toolbars
# show transparent, each image a filled square in one pure colour (red, green, blue), so
# tests can find an image by its colour.
import struct

WIDTH, HEIGHT, IMAGE = 48, 15, 16
GREY = (192, 192, 192)
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]

rows = []
for y in range(HEIGHT - 1, -1, -1):             # bottom-up
    row = bytearray()
    for x in range(WIDTH):
        r, g, b = GREY
        image, ix = divmod(x, IMAGE)
        if 4 <= ix < 12 and 4 <= y < 11:
            r, g, b = COLOURS[image]
        row += bytes((b, g, r))
    rows.append(bytes(row))
pixels = b"".join(rows)                         # 144-byte rows need no padding

header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
offset = 14 + len(header)
filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
with open("testbar.bmp", "wb") as f:
    f.write(filehdr + header + pixels)
