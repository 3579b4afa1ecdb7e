#!/usr/bin/env python3
"""Writes res/mainicon.ico (one 32x32 image, 16 colours) from the text art below.

A framed landscape under a sky with a sun: a picture on the desktop.
Run: python3 res/make_icon.py res/mainicon.ico
"""
import struct
import sys

# The 16 colours of the standard VGA palette, as (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Text-art letters -> palette index; "." is transparent.
KEY = {"k": 0, "m": 1, "g": 2, "o": 3, "n": 4, "p": 5, "t": 6, "s": 7,
       "d": 8, "r": 9, "G": 10, "y": 11, "b": 12, "M": 13, "c": 14, "w": 15}

ART = """
................................
................................
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.
.kooooooooooooooooooooooooooook.
.koyyyyyyyyyyyyyyyyyyyyyyyyyyok.
.koykkkkkkkkkkkkkkkkkkkkkkkkyok.
.koykccccccccccccccccccccccwkyok
.koykcccccccccccccccccyycccwkyok
.koykccccccccccccccccyyyyccwkyok
.koykccwwwcccccccccccyyyyccwkyok
.koykcwwwwwccccccccccyyyyccwkyok
.koykccwwwccccccccccccyycccwkyok
.koykcccccccccccsccccccccccwkyok
.koykccccccccccsssccccccccwwkyok
.koykcccccccccssssscccccccwwkyok
.koykccccccccsssdsssccccccwwkyok
.koykcccccccsssddddssccccGwwkyok
.koykccGccccssddddddsscGGGwwkyok
.koykcGGGccsdddddddddsGGGGGwkyok
.koykGGGGGsddddddddddGGGGGGwkyok
.koykGGGGGGGGgggggGGGGGGGgggwkyok
.koykgggGGGGGggggGGGGGGgggggwkyok
.koykggggggGGGGGGGGGggggggggwkyok
.koykgggggggggggggggggggggggwkyok
.koykwwwwwwwwwwwwwwwwwwwwwwwwkyok
.koykkkkkkkkkkkkkkkkkkkkkkkkkkyok
.koyyyyyyyyyyyyyyyyyyyyyyyyyyyyok
.kooooooooooooooooooooooooooooook
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk
................................
................................
................................
"""


def rows():
    lines = [ln for ln in ART.strip("\n").split("\n")]
    assert len(lines) == 32, len(lines)
    out = []
    for ln in lines:
        ln = (ln + "." * 32)[:32]
        out.append(ln)
    return out


def build():
    art = rows()
    w = h = 32
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    andmask = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up
        line = art[y]
        for x in range(0, w, 2):
            hi = KEY.get(line[x], 0)
            lo = KEY.get(line[x + 1], 0)
            xor.append((hi << 4) | lo)
        bits = 0
        mask_row = bytearray()
        for x in range(w):
            bits = (bits << 1) | (1 if line[x] == "." else 0)
            if x % 8 == 7:
                mask_row.append(bits)
                bits = 0
        andmask += mask_row  # 32 px = 4 bytes, already DWORD aligned
    image = header + palette + bytes(xor) + bytes(andmask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(image), 6 + 16)
    return icondir + entry + image


if __name__ == "__main__":
    data = build()
    with open(sys.argv[1] if len(sys.argv) > 1 else "mainicon.ico", "wb") as f:
        f.write(data)
