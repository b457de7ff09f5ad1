// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// How hard a figure is to lay, from what makes Tangram figures hard: seams
// that the silhouette hides, a compact outline that gives nothing away, and
// few Tans that show one of their own corners.
#pragma once

#include "catalogue.h"
#include "raster.h"

namespace tangram::catalogue {

struct Difficulty {
    // The share of the Tans' total edge length that lies inside the
    // silhouette, where two Tans meet, rather than on its outline (0..1).
    double hidden = 0;
    // The silhouette's area over the area of its convex hull (0..1; 1 for a
    // convex figure).
    double solidity = 0;
    // Tans with a corner of their own on the outline: a vertex that touches no
    // other Tan, so the silhouette shows the Tan's own angle there (0..7).
    int shown = 0;
    // The measure, 0 (easy) to 100 (hard), rounded to a tenth so that the
    // order of figures does not hang on the last bits of a floating result.
    double score = 0;
};

Difficulty Measure(const Layout& layout);

// Puts the puzzles in category order and, within each category, from easy to
// hard; puzzles of equal score keep their order.
void OrderEasyToHard(Catalogue& c);

}  // namespace tangram::catalogue
