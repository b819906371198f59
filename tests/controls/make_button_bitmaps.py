#!/usr/bin/env python3
# Writes the bitmap button tests' bitmaps: four 16x12 state bitmaps, each one pure colour so a
# test finds the state by colour, and a 200x100 bitmap of four coloured quadrants, larger than
# any test button, whose quadrant corner shows where its centre landed.
import struct


def write_bmp(name, width, height, colour_at):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):         # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(name, "wb") as f:
        f.write(filehdr + header + pixels)


STATES = {"normal": (255, 0, 0), "disabled": (128, 128, 0), "pressed": (0, 255, 0), "checked": (0, 0, 255)}
for state, colour in STATES.items():
    write_bmp("button_%s.bmp" % state, 16, 12, lambda x, y, c=colour: c)

QUADRANTS = [[(255, 0, 255), (0, 255, 255)], [(255, 255, 0), (0, 0, 0)]]
write_bmp("button_large.bmp", 200, 100, lambda x, y: QUADRANTS[y // 50][x // 100])
