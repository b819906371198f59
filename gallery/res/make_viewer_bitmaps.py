#!/usr/bin/env python3
# Writes the gallery's viewer-toolbar bitmaps: four tools (zoom, pan, window/level, measure),
# each in four states (normal, disabled, pressed, checked), 24x24, drawn here from simple shapes.
import struct

SIZE = 24
STATES = {
    "normal": ((236, 239, 243), (38, 60, 96)),
    "disabled": ((236, 239, 243), (168, 172, 180)),
    "pressed": ((210, 216, 226), (20, 36, 64)),
    "checked": ((196, 220, 248), (18, 76, 160)),
}


def zoom(x, y):
    d = ((x - 10) ** 2 + (y - 10) ** 2) ** 0.5
    return 5 <= d <= 7 or (x - y == 0 and 15 <= x <= 20) or (x - y == 1 and 15 <= x <= 20)


def pan(x, y):
    cross = (11 <= x <= 12 and 4 <= y <= 19) or (11 <= y <= 12 and 4 <= x <= 19)
    heads = any(abs(x - 11.5) <= 3 - abs(y - c) and abs(y - c) <= 2 for c in (5, 18)) or \
        any(abs(y - 11.5) <= 3 - abs(x - c) and abs(x - c) <= 2 for c in (5, 18))
    return cross or heads


def window_level(x, y):
    inside = 4 <= x <= 19 and 4 <= y <= 19
    edge = inside and (x in (4, 19) or y in (4, 19))
    return edge or (inside and x + y >= 24)


def measure(x, y):
    on_line = abs((x - 4) - (19 - y)) <= 1 and 4 <= x <= 19
    ticks = any(abs(x - t) <= 0 and abs((19 - y) - (t - 4)) <= 3 for t in (7, 11, 15))
    return on_line or ticks


TOOLS = {"zoom": zoom, "pan": pan, "level": window_level, "measure": measure}


def write_bmp(name, inked, background, ink):
    rows = []
    for y in range(SIZE - 1, -1, -1):           # bottom-up; 72-byte rows need no padding
        row = bytearray()
        for x in range(SIZE):
            r, g, b = ink if inked(x, y) else background
            row += bytes((b, g, r))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(name, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels)


for tool, shape in TOOLS.items():
    for state, (background, ink) in STATES.items():
        write_bmp("viewer_%s_%s.bmp" % (tool, state), shape, background, ink)
