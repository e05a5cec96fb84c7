#!/usr/bin/env python3
"""Draws the fader thumb pictures: 16 x 29 pixel, 24-bit BMP files whose bottom-left pixel
(magenta) is the transparent colour. Set A (gain, delay) has a cyan index line, set B (the
other faders) a white one; "hot" is the lit variant used while hovered or held; "disabled"
is flat grey. Run from this folder to write the .bmp files beside it."""
import struct

W, H = 16, 29
KEY = (255, 0, 255)
CUT = {(0, 0), (1, 0), (0, 1), (W - 1, 0), (W - 2, 0), (W - 1, 1),
       (0, H - 1), (1, H - 1), (0, H - 2), (W - 1, H - 1), (W - 2, H - 1), (W - 1, H - 2)}


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def thumb(top, bottom, edge, index, grip_dark, grip_light, shine):
    px = [[KEY] * W for _ in range(H)]
    for y in range(H):
        for x in range(W):
            if (x, y) in CUT:
                continue
            border = x == 0 or y == 0 or x == W - 1 or y == H - 1 or (x, y) in {
                (1, 1), (W - 2, 1), (1, H - 2), (W - 2, H - 2)}
            if border:
                px[y][x] = edge
                continue
            c = mix(top, bottom, (y - 1) / (H - 3))
            # a soft highlight down the left third, like a brushed cap
            if x <= 4:
                c = mix(c, shine, 0.18 * (5 - x) / 5)
            px[y][x] = c
    for x in range(2, W - 2):
        px[1][x] = shine
    for gy in (5, 8, 20, 23):
        for x in range(3, W - 3):
            px[gy][x] = grip_dark
            px[gy + 1][x] = grip_light
    mid = H // 2
    for x in range(1, W - 1):
        px[mid][x] = index
    for x in range(2, W - 2):
        px[mid - 1][x] = mix(px[mid - 1][x], index, 0.35)
        px[mid + 1][x] = mix(px[mid + 1][x], index, 0.35)
    return px


def write_bmp(name, px):
    row = (W * 3 + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):
        line = bytearray()
        for x in range(W):
            r, g, b = px[y][x]
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(header + info + data)


CAP = dict(top=(88, 94, 104), bottom=(38, 42, 48), edge=(12, 14, 17),
           grip_dark=(24, 27, 31), grip_light=(104, 110, 120), shine=(132, 138, 148))
LIT = dict(top=(112, 119, 131), bottom=(50, 55, 63), edge=(12, 14, 17),
           grip_dark=(30, 33, 38), grip_light=(130, 137, 148), shine=(168, 174, 184))
write_bmp("ThumbA.bmp", thumb(index=(56, 208, 255), **CAP))
write_bmp("ThumbAHot.bmp", thumb(index=(140, 232, 255), **LIT))
write_bmp("ThumbB.bmp", thumb(index=(236, 238, 242), **CAP))
write_bmp("ThumbBHot.bmp", thumb(index=(255, 255, 255), **LIT))
write_bmp("ThumbDisabled.bmp", thumb(top=(70, 72, 76), bottom=(52, 54, 58), edge=(28, 29, 31),
                                     index=(104, 106, 110), grip_dark=(44, 46, 49),
                                     grip_light=(80, 82, 86), shine=(84, 86, 90)))
