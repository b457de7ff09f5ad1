#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

"""Draws the figures of one category for a blind naming round.

    catalogue/blind-sheets.py CATEGORY OUTDIR [--seed N] [--per-page K] [--source mexa.txt]

The figures of the category are shuffled and drawn as the pattern window shows
them (black on silver, 2 pixels a cell), numbered 1..n in the shuffled order
and without their names, on pages OUTDIR/sheet-1.png, sheet-2.png, ... A
reviewer gets only OUTDIR. The key (shown number -> catalogue number and name)
is written beside OUTDIR, to OUTDIR.key, never into it.
"""
import argparse
import os
import random
import re
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)

parser = argparse.ArgumentParser()
parser.add_argument("category", type=int)
parser.add_argument("outdir")
parser.add_argument("--seed", type=int, default=None)
parser.add_argument("--per-page", type=int, default=12)
parser.add_argument("--source", default=os.path.join(here, "mexa.txt"))
parser.add_argument("--tool", default=os.environ.get(
    "TANGRAM_CATALOGUE", os.path.join(root, "build", "bin", "tangram-catalogue")))
args = parser.parse_args()

text = open(args.source, encoding="utf-8").read()
# Blocks: "puzzle C "English" "German"" followed by 21 numbers.
pattern = re.compile(r'^puzzle (\d+) "([^"]*)" "([^"]*)"\n((?:\s+\d+\s+\d+\s+\d+\n){7})', re.M)
figures = []
for number, m in enumerate(pattern.finditer(text), start=1):
    if int(m.group(1)) == args.category:
        figures.append((number, m.group(2), m.group(3), m.group(4)))
if not figures:
    sys.exit(f"no figure of category {args.category} in {args.source}")

seed = args.seed if args.seed is not None else random.randrange(1 << 30)
random.Random(seed).shuffle(figures)

os.makedirs(args.outdir, exist_ok=True)
with open(args.outdir.rstrip("/") + ".key", "w", encoding="utf-8") as key:
    key.write(f"# category {args.category}, seed {seed}: shown number, catalogue number, name\n")
    for shown, (number, english, german, _) in enumerate(figures, start=1):
        key.write(f"{shown}\t{number}\t{english}\t{german}\n")

with tempfile.TemporaryDirectory() as tmp:
    source = os.path.join(tmp, "blind.txt")
    with open(source, "w", encoding="utf-8") as out:
        for c in range(1, 9):
            out.write(f'category {c} "?" "?"\n')
        for _, _, _, triples in figures:
            out.write(f'puzzle {args.category} "" ""\n{triples}')
    # Four tiles a row keep a page small enough to be looked at unscaled.
    tiles = []
    for i in range(1, len(figures) + 1):
        tile = os.path.join(tmp, f"tile-{i:03}.png")
        subprocess.run([args.tool, "render", source, "--first", str(i), "--last", str(i),
                        "--scale", "2", "-o", tile], check=True, stderr=subprocess.DEVNULL,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        tiles.append(tile)
    pages = (len(tiles) + args.per_page - 1) // args.per_page
    for page in range(pages):
        chunk = tiles[page * args.per_page:(page + 1) * args.per_page]
        png = os.path.join(args.outdir, f"sheet-{page + 1}.png")
        subprocess.run(["montage", *chunk, "-tile", "4x", "-geometry", "+4+4",
                        "-background", "white", png], check=True)
print(f"{len(figures)} figures on {pages} pages in {args.outdir}; key in {args.outdir.rstrip('/')}.key")
