#!/usr/bin/env python3
"""Draws the application icon, a small bracket (two halves narrowing towards a
gold champion's slot), and writes it as a 16-colour .ico holding a 32x32 and
a 16x16 image: make_icon.py OUTPUT.ico

Written by hand rather than with an image tool so that the build gives the
same bytes on every machine."""
import struct
import sys

# The classic 16-colour palette, so the icon looks the same on any display.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR, NAVY, GOLD, WHITE, OLIVE = None, 4, 11, 15, 3


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the inclusive rectangle and its mirror image on the right."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.pixels[y][x] = colour
                self.pixels[y][self.size - 1 - x] = colour

    def slot(self, x0, y0, x1, y1):
        """A team slot: a navy frame around a white field."""
        self.fill(x0, y0, x1, y1, NAVY)
        if x1 - x0 >= 2 and y1 - y0 >= 2:
            self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE)


def draw_large():
    c = Canvas(32)
    for top in (3, 10, 18, 25):           # four first-round slots per half
        c.slot(0, top, 6, top + 3)
    for top, bottom in ((4, 12), (19, 27)):
        c.fill(7, top + 1, 8, top + 1, NAVY)
        c.fill(7, bottom - 1, 8, bottom - 1, NAVY)
        c.fill(8, top + 1, 8, bottom - 1, NAVY)
    for top in (6, 21):                   # the second round
        c.slot(9, top + 1, 12, top + 4)
    c.fill(13, 9, 13, 9, NAVY)
    c.fill(13, 24, 13, 24, NAVY)
    c.fill(13, 9, 13, 24, NAVY)
    c.fill(14, 16, 14, 16, NAVY)
    c.fill(14, 13, 15, 19, OLIVE)         # the champion's slot in the middle
    c.fill(15, 14, 15, 18, GOLD)
    return c


def draw_small():
    """Too small for framed slots: the bracket is drawn as lines."""
    c = Canvas(16)
    for top, bottom in ((2, 6), (9, 13)):
        c.fill(0, top, 2, top, NAVY)
        c.fill(0, bottom, 2, bottom, NAVY)
        c.fill(3, top, 3, bottom, NAVY)
    c.fill(4, 4, 4, 4, NAVY)
    c.fill(4, 11, 4, 11, NAVY)
    c.fill(5, 4, 5, 11, NAVY)
    c.fill(6, 7, 6, 8, NAVY)
    c.fill(7, 5, 7, 10, OLIVE)
    c.fill(7, 6, 7, 9, GOLD)
    return c


def image_bytes(canvas):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows,
    both bottom-up with rows padded to four bytes."""
    n = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour = b''
    mask = b''
    for row in reversed(canvas.pixels):
        nibbles = [0 if p is CLEAR else p for p in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, n, 2))
        colour += line + b'\0' * (-len(line) % 4)
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is CLEAR else 0)
        line = bits.to_bytes(n // 8, 'big')
        mask += line + b'\0' * (-len(line) % 4)
    return header + palette + colour + mask


def main():
    images = [(32, image_bytes(draw_large())), (16, image_bytes(draw_small()))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
