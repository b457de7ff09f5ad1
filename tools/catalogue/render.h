// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Contact sheets: every puzzle drawn as the pattern window shows it, black
// Tans on the silver board, with its number and names below.
#pragma once

#include <QImage>

#include "catalogue.h"

namespace tangram::catalogue {

struct SheetOptions {
    int first = 1;        // puzzle numbers, from 1
    int last = 1 << 30;   // inclusive
    int scale = 2;        // pixels per cell
    bool seams = false;   // thin grey lines between the Tans
    int category = 0;     // only this category's puzzles, under a heading; 0 all
    int maxWidth = 1600;  // the sheet's width in pixels decides the columns
};

// Needs a QGuiApplication for the fonts. Puzzles outside first..last, or of
// another category, are left out; nothing to draw, or a sheet too large for
// memory, gives a null image.
QImage RenderSheet(const Catalogue& c, const SheetOptions& options);

}  // namespace tangram::catalogue
