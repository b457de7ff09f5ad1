// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The catalogue checker: everything that must hold for a puzzle to be
// playable, proved on the engine's own rasters and tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"

namespace tangram::catalogue {

// An order in which the seven Tans can be dropped one after another onto an
// empty board with every drop accepted, as the player would lay them. The
// sharing of partly covered cells is directional, so a figure may go down in
// one order and not in another; the search tries them all. None if no order
// works.
std::optional<std::array<int, 7>> FindDropOrder(const Layout& solution);

// The target raster cut to its covered cells, with its size: two puzzles with
// equal keys look the same to the player wherever they lie on the board.
std::string SilhouetteKey(const Layout& solution);

// The target raster of a layout as text: one line per row, the 121 cover
// codes of the row separated by single blanks.
std::string TargetText(const Layout& solution);

// Problems of one puzzle on its own; `number` counts from 1.
std::vector<Diagnostic> CheckPuzzle(const Puzzle& p, int number);

// The catalogue the game ships holds all 330 puzzles, and each of the eight
// categories between these many.
inline constexpr int ShippedPerCategoryLeast = 38;
inline constexpr int ShippedPerCategoryMost = 46;

struct CheckOptions {
    bool shipped = false;  // also the counts of the catalogue the game ships
};

// Every problem of the catalogue: each puzzle, repeated silhouettes, the
// number of puzzles and the category names.
std::vector<Diagnostic> CheckCatalogue(const Catalogue& c, const CheckOptions& options = {});

}  // namespace tangram::catalogue
