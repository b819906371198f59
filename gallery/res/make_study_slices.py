#!/usr/bin/env python3
# Writes the two pictures the imaging page cross-fades: synthetic axial slices of a trunk, one
# at the level of the lungs and one at the level of the liver, 200x150, 24-bit, drawn here from
# ellipses.
import struct

WIDTH, HEIGHT = 200, 150


def inside(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def chest(x, y):
    if not inside(x, y, 100, 78, 86, 58):
        return 12
    value = 150 if not inside(x, y, 100, 78, 80, 52) else 108
    if inside(x, y, 66, 72, 28, 36) or inside(x, y, 134, 72, 28, 36):
        value = 34
    if inside(x, y, 108, 86, 22, 18):
        value = 128
    if inside(x, y, 100, 116, 11, 10):
        value = 236 if not inside(x, y, 100, 116, 6, 5) else 170
    return value


def abdomen(x, y):
    if not inside(x, y, 100, 80, 90, 60):
        return 12
    value = 150 if not inside(x, y, 100, 80, 83, 53) else 104
    if inside(x, y, 70, 70, 40, 34):
        value = 138
    if inside(x, y, 138, 66, 22, 18):
        value = 84
    if inside(x, y, 76, 110, 12, 16) or inside(x, y, 124, 110, 12, 16):
        value = 150
    if inside(x, y, 100, 116, 11, 10):
        value = 236 if not inside(x, y, 100, 116, 6, 5) else 170
    return value


def write_bmp(path, shade, tint):
    row = WIDTH * 3
    pad = (4 - row % 4) % 4
    image = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        for x in range(WIDTH):
            v = shade(x, y)
            r, g, b = (min(255, int(v * t)) for t in tint)
            image += bytes((b, g, r))
        image += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


if __name__ == "__main__":
    write_bmp("study_slice_chest.bmp", chest, (1.0, 1.0, 1.0))
    write_bmp("study_slice_abdomen.bmp", abdomen, (1.0, 0.94, 0.84))
