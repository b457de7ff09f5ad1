// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Geometry on the engine's tables that the tools need beyond the game: Tan
// outlines on the board, edge contact between two Tans, and the box of cells
// a layout covers.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "raster.h"

namespace tangram::catalogue {

struct Point {
    int x;
    int y;
};

// Tan 1..7 at a position whose column and row may lie anywhere (designs are
// placed before they are moved onto the board). The orientation is taken
// modulo 32, as the game does.
struct Placement {
    int col = 0;
    int row = 0;
    int orient = 0;
};

// The outline's vertices in board cells, counter-clockwise on the screen.
std::vector<Point> Outline(int tan, const Placement& p);

// True when an edge of one outline and an edge of the other lie on one line
// and share a segment of positive length; touching at a corner is not enough.
bool EdgesJoined(const std::vector<Point>& a, const std::vector<Point>& b);

// Groups of Tans joined edge to edge, directly or through others; a connected
// figure gives one group. Tans are numbered 1..7.
std::vector<std::vector<int>> JoinedGroups(const std::array<Placement, 7>& tans);

struct Box {
    int minCol;
    int minRow;
    int maxCol;
    int maxRow;
};

// The least box holding every sub-stamp box of the seven Tans, which are the
// cells the layout covers.
Box StampedBox(const std::array<Placement, 7>& tans);

// The box of the raster's non-zero cells; none for an empty raster.
std::optional<Box> CoveredBox(const Raster& raster);

std::array<Placement, 7> Placements(const Layout& layout);

}  // namespace tangram::catalogue
