// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "geometry.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "tangdata.h"

namespace tangram::catalogue {

std::vector<Point> Outline(int tan, const Placement& p) {
    const int shape = PieceShape[tan];
    const int o = OrientIndex(p.orient);
    std::vector<Point> points;
    for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
        points.push_back({p.col + VertexX[shape][v][o], p.row + VertexY[shape][v][o]});
    }
    return points;
}

namespace {

int64_t Cross(Point o, Point a, Point b) {
    return int64_t{a.x - o.x} * (b.y - o.y) - int64_t{a.y - o.y} * (b.x - o.x);
}

int64_t Dot(Point o, Point a, Point b) {
    return int64_t{a.x - o.x} * (b.x - o.x) + int64_t{a.y - o.y} * (b.y - o.y);
}

// Segments p0-p1 and q0-q1 on one line, overlapping in more than a point.
bool SegmentsShareLength(Point p0, Point p1, Point q0, Point q1) {
    if (Cross(p0, p1, q0) != 0 || Cross(p0, p1, q1) != 0) {
        return false;
    }
    // Positions along p0-p1, in units of its squared length.
    const int64_t end = Dot(p0, p1, p1);
    const int64_t a = Dot(p0, p1, q0);
    const int64_t b = Dot(p0, p1, q1);
    return std::min(end, std::max(a, b)) - std::max(int64_t{0}, std::min(a, b)) > 0;
}

}  // namespace

bool EdgesJoined(const std::vector<Point>& a, const std::vector<Point>& b) {
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            if (SegmentsShareLength(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()])) {
                return true;
            }
        }
    }
    return false;
}

std::vector<std::vector<int>> JoinedGroups(const std::array<Placement, 7>& tans) {
    std::array<std::vector<Point>, 7> outlines;
    for (int t = 0; t < 7; ++t) {
        outlines[t] = Outline(t + 1, tans[t]);
    }
    std::array<int, 7> group;
    std::iota(group.begin(), group.end(), 0);
    auto root = [&](int t) {
        while (group[t] != t) {
            t = group[t];
        }
        return t;
    };
    for (int i = 0; i < 7; ++i) {
        for (int j = i + 1; j < 7; ++j) {
            if (EdgesJoined(outlines[i], outlines[j])) {
                group[root(j)] = root(i);
            }
        }
    }
    std::vector<std::vector<int>> groups;
    std::array<int, 7> slot;
    slot.fill(-1);
    for (int t = 0; t < 7; ++t) {
        int r = root(t);
        if (slot[r] < 0) {
            slot[r] = static_cast<int>(groups.size());
            groups.emplace_back();
        }
        groups[slot[r]].push_back(t + 1);
    }
    return groups;
}

Box StampedBox(const std::array<Placement, 7>& tans) {
    Box box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    for (int t = 1; t <= 7; ++t) {
        const Placement& p = tans[t - 1];
        const int shape = PieceShape[t];
        for (int k = 0; k < ShapeStampCount[shape]; ++k) {
            const SubStamp& s = SubStamps[shape][k][OrientIndex(p.orient)];
            const StampBounds& b = StampBox[s.stamp & 15];
            box.minCol = std::min(box.minCol, p.col + s.col + b.minCol);
            box.minRow = std::min(box.minRow, p.row + s.row + b.minRow);
            box.maxCol = std::max(box.maxCol, p.col + s.col + b.maxCol);
            box.maxRow = std::max(box.maxRow, p.row + s.row + b.maxRow);
        }
    }
    return box;
}

std::optional<Box> CoveredBox(const Raster& raster) {
    std::optional<Box> box;
    for (int c = 0; c < BoardCols; ++c) {
        for (int r = 0; r < BoardRows; ++r) {
            if (raster[CellIndex(c, r)] == 0) {
                continue;
            }
            if (!box) {
                box = Box{c, r, c, r};
            }
            box->minCol = std::min(box->minCol, c);
            box->minRow = std::min(box->minRow, r);
            box->maxCol = std::max(box->maxCol, c);
            box->maxRow = std::max(box->maxRow, r);
        }
    }
    return box;
}

std::array<Placement, 7> Placements(const Layout& layout) {
    std::array<Placement, 7> out;
    for (int t = 0; t < 7; ++t) {
        out[t] = {layout[t].col, layout[t].row, layout[t].orient};
    }
    return out;
}

}  // namespace tangram::catalogue
