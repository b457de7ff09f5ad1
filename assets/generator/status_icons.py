#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

"""Draws status.png, the strip of eight 15 x 15 status icons of the selection
dialog, pixel by pixel. Icon m (0..7) sits at x = 105 - 15 m: the green check
mark of a solved puzzle at the right end, then badges with 1..7 pips' worth of
digits for puzzles whose first Tans are laid in advance. Run again only to
change the pictures:  python3 status_icons.py <assets folder>"""
import struct
import sys
import zlib

# A 3 x 5 digit font, drawn at twice its size inside the badges.
DIGITS = {
    1: ["010", "110", "010", "010", "111"],
    2: ["111", "001", "111", "100", "111"],
    3: ["111", "001", "011", "001", "111"],
    4: ["101", "101", "111", "001", "001"],
    5: ["111", "100", "111", "001", "111"],
    6: ["111", "100", "111", "101", "111"],
    7: ["111", "001", "010", "010", "010"],
}

CHECK = [
    "...............",
    "...............",
    "............##.",
    "...........###.",
    "..........###..",
    ".........###...",
    ".##.....###....",
    ".###...###.....",
    "..###.###......",
    "...#####.......",
    "....###........",
    ".....#.........",
    "...............",
    "...............",
    "...............",
]

CLEAR = (0, 0, 0, 0)
GREEN = (0, 150, 40, 255)
GREEN_EDGE = (0, 90, 20, 255)
BADGE = (30, 90, 200, 255)
BADGE_EDGE = (10, 40, 120, 255)
WHITE = (255, 255, 255, 255)


def check_icon():
    icon = [[CLEAR] * 15 for _ in range(15)]
    for y, row in enumerate(CHECK):
        for x, c in enumerate(row):
            if c == "#":
                icon[y][x] = GREEN
    # A darker rim keeps the mark readable on the silver thumbnail.
    rim = [[CLEAR] * 15 for _ in range(15)]
    for y in range(15):
        for x in range(15):
            if icon[y][x] == CLEAR and any(
                0 <= y + dy < 15 and 0 <= x + dx < 15 and icon[y + dy][x + dx] == GREEN
                for dy in (-1, 0, 1) for dx in (-1, 0, 1)):
                rim[y][x] = GREEN_EDGE
    return [[icon[y][x] if icon[y][x] != CLEAR else rim[y][x] for x in range(15)]
            for y in range(15)]


def badge_icon(digit):
    icon = [[CLEAR] * 15 for _ in range(15)]
    # A rounded square of 13 x 13 with a darker edge.
    for y in range(1, 14):
        for x in range(1, 14):
            corner = (x in (1, 13)) and (y in (1, 13))
            if corner:
                continue
            edge = x in (1, 13) or y in (1, 13) or (x in (2, 12) and y in (2, 12))
            icon[y][x] = BADGE_EDGE if edge else BADGE
    glyph = DIGITS[digit]
    for gy, row in enumerate(glyph):
        for gx, c in enumerate(row):
            if c == "1":
                for dy in (0, 1):
                    for dx in (0, 1):
                        icon[3 + 2 * gy + dy][5 + 2 * gx + dx] = WHITE
    return icon


def strip():
    icons = {0: check_icon()}
    for m in range(1, 8):
        icons[m] = badge_icon(m)
    rows = [[CLEAR] * 120 for _ in range(15)]
    for m, icon in icons.items():
        left = 105 - 15 * m
        for y in range(15):
            for x in range(15):
                rows[y][left + x] = icon[y][x]
    return rows


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(folder + "/status.png", "wb") as out:
        out.write(png(strip()))
