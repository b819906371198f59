#!/usr/bin/env python3
"""Writes hand.cur, the library's hand-pointer cursor, from the picture below.

Run it from any folder after changing the picture; the cursor is kept in the tree beside it.
'#' is black, '.' is white and ' ' lets the screen show through. The hot spot stays at (0, 0),
where the hyperlink static has always expected it.
"""
import os
import struct

HAND = [
    "     ##                         ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..###                      ",
    "    #..#..###                   ",
    "    #..#..#..###                ",
    "    #..#..#..#..#               ",
    " ## #..#..#..#..#               ",
    "#..##..#..#..#..#               ",
    "#...#...........#               ",
    " #..#...........#               ",
    " #..............#               ",
    "  #.............#               ",
    "  #.............#               ",
    "   #............#               ",
    "   #...........#                ",
    "    #..........#                ",
    "    #.........#                 ",
    "     #........#                 ",
    "     #........#                 ",
    "     ##########                 ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
]

SIZE = 32
HOT_SPOT = (0, 0)


def mask_rows(picture, is_set):
    """One bit per pixel, most significant bit first, rows bottom-up as a DIB stores them."""
    data = bytearray()
    for line in reversed(picture):
        bits = 0
        for ch in line:
            bits = (bits << 1) | (1 if is_set(ch) else 0)
        data += bits.to_bytes(SIZE // 8, "big")
    return bytes(data)


def cursor_file(picture):
    assert len(picture) == SIZE and all(len(line) == SIZE for line in picture)
    assert set("".join(picture)) <= set("#. ")
    # Colour index 1 (white) where the XOR mask is set; the AND mask keeps the screen.
    xor_mask = mask_rows(picture, lambda ch: ch == ".")
    and_mask = mask_rows(picture, lambda ch: ch == " ")
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    # The height covers both masks, as every icon and cursor image does.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 0, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry_size = 16
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        len(directory) + entry_size)
    return directory + entry + image


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hand.cur")
    with open(path, "wb") as f:
        f.write(cursor_file(HAND))


if __name__ == "__main__":
    main()
