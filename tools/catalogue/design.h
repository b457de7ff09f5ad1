// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Design files (*.fig): figures drawn in true Tangram geometry, each Tan given
// by its turn, an optional mirror and the true point where one of its vertices
// lies. Reading a design converts the figure to cells and centres it on the
// board, so every figure becomes a puzzle of the game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace tangram::catalogue {

// A true coordinate a + b*sqrt(2), written `a`, `bs`, `a+bs` or `a-bs`, in
// cells: 7a + 10b. None when the text is not such a coordinate.
std::optional<int> TrueToCells(const std::string& text);

// The board's middle cell. A placed figure's covered cells are centred on it
// (half a cell left and up when their box is of even size), which leaves at
// least one free column and row at the right and bottom edge.
inline constexpr int CentreCol = 60;
inline constexpr int CentreRow = 40;

// Reads the figures of one design file. The catalogue declares the eight
// categories with the game's names.
ReadResult ParseDesign(std::string_view text, const std::string& file);

}  // namespace tangram::catalogue
