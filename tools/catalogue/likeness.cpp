// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "likeness.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>

#include "geometry.h"

namespace tangram::catalogue {

namespace {

using Vec = Silhouette::Vec;

constexpr double Root2 = 1.4142135623730951;

// A Tan edge in cells at a turn of 45-degree steps is one of the true lengths
// s, 2, 2s or 4 (s = sqrt 2) laid along an axis or a diagonal; the cells give
// each a length of its own: 10, 14, 20, 28 along an axis, 7, 10, 14, 20 cells
// each way along a diagonal.
std::optional<double> TrueLength(Point d) {
    const int ax = std::abs(d.x);
    const int ay = std::abs(d.y);
    auto pick = [](int n, std::array<int, 4> cells) -> std::optional<double> {
        constexpr std::array<double, 4> Lengths{Root2, 2, 2 * Root2, 4};
        for (size_t i = 0; i < cells.size(); ++i) {
            if (n == cells[i]) {
                return Lengths[i];
            }
        }
        return std::nullopt;
    };
    if (ax == 0 || ay == 0) {
        return pick(ax + ay, {10, 14, 20, 28});
    }
    return ax == ay ? pick(ax, {7, 10, 14, 20}) : std::nullopt;
}

int64_t Cross(Point o, Point a, Point b) {
    return int64_t{a.x - o.x} * (b.y - o.y) - int64_t{a.y - o.y} * (b.x - o.x);
}

// Where v lies on the segment a-b, as a share of its length; none when off it.
std::optional<double> Along(Point a, Point b, Point v) {
    if (Cross(a, b, v) != 0) {
        return std::nullopt;
    }
    const int64_t len = int64_t{b.x - a.x} * (b.x - a.x) + int64_t{b.y - a.y} * (b.y - a.y);
    const int64_t at = int64_t{v.x - a.x} * (b.x - a.x) + int64_t{v.y - a.y} * (b.y - a.y);
    if (at < 0 || at > len) {
        return std::nullopt;
    }
    return static_cast<double>(at) / static_cast<double>(len);
}

struct TrueTan {
    std::vector<Point> cells;   // the outline on the board
    std::vector<Vec> offsets;   // the same corners in true units, from corner 0
    std::optional<Vec> origin;  // corner 0 in true units, once known
};

Vec Plus(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec Minus(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec Times(Vec a, double k) {
    return {a.x * k, a.y * k};
}

// Places Tan `b` from the already placed Tan `a` when a corner of one lies on
// an edge of the other, which every figure joined along edges has.
bool PlaceFrom(const TrueTan& a, TrueTan& b) {
    const size_t na = a.cells.size();
    const size_t nb = b.cells.size();
    for (size_t i = 0; i < na; ++i) {
        const Vec from = Plus(*a.origin, a.offsets[i]);
        const Vec edge = Minus(a.offsets[(i + 1) % na], a.offsets[i]);
        for (size_t j = 0; j < nb; ++j) {
            if (auto t = Along(a.cells[i], a.cells[(i + 1) % na], b.cells[j])) {
                b.origin = Minus(Plus(from, Times(edge, *t)), b.offsets[j]);
                return true;
            }
        }
    }
    for (size_t j = 0; j < nb; ++j) {
        const Vec edge = Minus(b.offsets[(j + 1) % nb], b.offsets[j]);
        for (size_t i = 0; i < na; ++i) {
            if (auto t = Along(b.cells[j], b.cells[(j + 1) % nb], a.cells[i])) {
                const Vec corner = Plus(*a.origin, a.offsets[i]);
                b.origin = Minus(Minus(corner, Times(edge, *t)), b.offsets[j]);
                return true;
            }
        }
    }
    return false;
}

// The seven outlines in true Tangram geometry (the small triangle's legs
// sqrt 2 long). In cells a Tan turned 45 degrees is about 1 % smaller than
// one along the axes, so a figure and its turned copy differ there by up to
// half a cell; in true geometry they are the same. A layout with Tans at odd
// turn steps, or one that falls apart, is taken from its cells as they are.
std::vector<std::vector<Vec>> TrueOutlines(const std::array<Placement, 7>& tans) {
    std::vector<TrueTan> all(7);
    bool exact = true;
    for (int t = 0; t < 7; ++t) {
        TrueTan& tan = all[static_cast<size_t>(t)];
        tan.cells = Outline(t + 1, tans[static_cast<size_t>(t)]);
        Vec at{0, 0};
        for (size_t i = 0; i < tan.cells.size() && exact; ++i) {
            tan.offsets.push_back(at);
            const Point a = tan.cells[i];
            const Point b = tan.cells[(i + 1) % tan.cells.size()];
            const Point d{b.x - a.x, b.y - a.y};
            const auto length = TrueLength(d);
            exact = length.has_value();
            if (exact) {
                const double cells = std::hypot(double{1} * d.x, double{1} * d.y);
                at = Plus(at, Times(Vec{double{1} * d.x, double{1} * d.y}, *length / cells));
            }
        }
    }
    if (exact) {
        all[0].origin = Vec{0, 0};
        for (bool grew = true; grew;) {
            grew = false;
            for (TrueTan& b : all) {
                for (const TrueTan& a : all) {
                    if (!b.origin && a.origin && PlaceFrom(a, b)) {
                        grew = true;
                    }
                }
            }
        }
        exact = std::all_of(all.begin(), all.end(), [](const TrueTan& t) { return t.origin; });
    }
    // A true unit is about 7.07 cells: 10 cells for sqrt 2.
    constexpr double CellsPerUnit = 10 / Root2;
    std::vector<std::vector<Vec>> out;
    for (const TrueTan& tan : all) {
        std::vector<Vec> polygon;
        for (size_t i = 0; i < tan.cells.size(); ++i) {
            polygon.push_back(
                exact ? Plus(*tan.origin, tan.offsets[i])
                      : Vec{tan.cells[i].x / CellsPerUnit, tan.cells[i].y / CellsPerUnit});
        }
        out.push_back(std::move(polygon));
    }
    return out;
}

// The centre of area of the seven Tans, which never overlap.
Vec CentreOfArea(const std::vector<std::vector<Vec>>& tans) {
    double area = 0;
    double sx = 0;
    double sy = 0;
    for (const auto& p : tans) {
        for (size_t i = 0; i < p.size(); ++i) {
            const Vec a = p[i];
            const Vec b = p[(i + 1) % p.size()];
            const double cross = a.x * b.y - b.x * a.y;
            area += cross;
            sx += (a.x + b.x) * cross;
            sy += (a.y + b.y) * cross;
        }
    }
    return {sx / (3 * area), sy / (3 * area)};
}

// Fills the samples whose centres lie in the convex polygon, edges included.
void FillConvex(const std::vector<Vec>& polygon, std::vector<uint64_t>& grid) {
    constexpr int Side = Silhouette::Side;
    constexpr int Words = Silhouette::Words;
    constexpr double Eps = 1e-9;
    double low = polygon[0].y;
    double high = polygon[0].y;
    for (const Vec& v : polygon) {
        low = std::min(low, v.y);
        high = std::max(high, v.y);
    }
    const int first = static_cast<int>(std::ceil(std::max(low, 0.0) - 0.5 - Eps));
    const int last = static_cast<int>(std::floor(std::min(high, double{Side}) - 0.5 + Eps));
    for (int row = first; row <= last; ++row) {
        const double y = row + 0.5;
        double left = 1e300;
        double right = -1e300;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const Vec a = polygon[i];
            const Vec b = polygon[(i + 1) % polygon.size()];
            if (y < std::min(a.y, b.y) - Eps || y > std::max(a.y, b.y) + Eps) {
                continue;
            }
            if (std::abs(b.y - a.y) < Eps) {
                left = std::min({left, a.x, b.x});
                right = std::max({right, a.x, b.x});
                continue;
            }
            const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (left > right) {
            continue;
        }
        const int from = static_cast<int>(std::ceil(std::max(left, 0.0) - 0.5 - Eps));
        const int to = static_cast<int>(std::floor(std::min(right, double{Side}) - 0.5 + Eps));
        uint64_t* line = grid.data() + static_cast<size_t>(row) * Words;
        for (int col = from; col <= to; ++col) {
            line[col / 64] |= uint64_t{1} << (col % 64);
        }
    }
}

}  // namespace

std::string PoseText(const Likeness& l) {
    const std::string turn =
        l.turn == 0 ? "" : "turned " + std::to_string(45 * l.turn) + " degrees clockwise";
    if (l.mirrored) {
        return turn.empty() ? "mirrored" : "mirrored and " + turn;
    }
    return turn.empty() ? "as it is" : turn;
}

Silhouette::Silhouette(const Layout& layout) {
    const auto tans = TrueOutlines(Placements(layout));
    for (int pose = 0; pose < 16; ++pose) {
        poses_.push_back(Sample(tans, pose % 8, pose >= 8));
    }
}

Silhouette::Pose Silhouette::Sample(const std::vector<std::vector<Vec>>& tans, int turn,
                                    bool mirrored) {
    const Vec centre = CentreOfArea(tans);
    const double angle = turn * std::acos(-1.0) / 4;
    // Exact values at the quarter turns keep those poses sample for sample.
    const double c = turn % 2 == 0 ? std::array{1.0, 0.0, -1.0, 0.0}[turn / 2] : std::cos(angle);
    const double s = turn % 2 == 0 ? std::array{0.0, 1.0, 0.0, -1.0}[turn / 2] : std::sin(angle);
    std::vector<uint64_t> grid(static_cast<size_t>(Side) * Words);
    for (const auto& tan : tans) {
        std::vector<Vec> polygon;
        for (const Vec& p : tan) {
            const double x = (mirrored ? centre.x - p.x : p.x - centre.x) * SamplesPerUnit;
            const double y = (p.y - centre.y) * SamplesPerUnit;
            // Clockwise on the screen, where y grows downward.
            polygon.push_back({x * c - y * s + Side / 2.0, x * s + y * c + Side / 2.0});
        }
        FillConvex(polygon, grid);
    }

    Pose pose;
    pose.top = Side;
    pose.left = Side;
    std::vector<uint16_t> rows(Side);
    std::vector<uint16_t> cols(Side);
    for (int row = 0; row < Side; ++row) {
        for (int w = 0; w < Words; ++w) {
            uint64_t bits = grid[static_cast<size_t>(row) * Words + w];
            rows[row] = static_cast<uint16_t>(rows[row] + std::popcount(bits));
            while (bits != 0) {
                const int col = 64 * w + std::countr_zero(bits);
                ++cols[col];
                pose.left = std::min(pose.left, col);
                pose.right = std::max(pose.right, col + 1);
                bits &= bits - 1;
            }
        }
        pose.area += rows[row];
        if (rows[row] != 0) {
            pose.top = std::min(pose.top, row);
            pose.bottom = row + 1;
        }
    }
    if (pose.area == 0) {
        return Pose{};
    }
    pose.bits.assign(grid.begin() + static_cast<long>(pose.top) * Words,
                     grid.begin() + static_cast<long>(pose.bottom) * Words);
    pose.rowCount.assign(rows.begin() + pose.top, rows.begin() + pose.bottom);
    pose.colCount.assign(cols.begin() + pose.left, cols.begin() + pose.right);
    return pose;
}

int Silhouette::Shared(const Pose& a, const Pose& b) {
    const int top = std::max(a.top, b.top);
    const int bottom = std::min(a.bottom, b.bottom);
    const int firstWord = std::max(a.left, b.left) / 64;
    const int lastWord = (std::min(a.right, b.right) - 1) / 64;
    int shared = 0;
    for (int row = top; row < bottom; ++row) {
        const uint64_t* ra = a.bits.data() + static_cast<size_t>(row - a.top) * Words;
        const uint64_t* rb = b.bits.data() + static_cast<size_t>(row - b.top) * Words;
        for (int w = firstWord; w <= lastWord; ++w) {
            shared += std::popcount(ra[w] & rb[w]);
        }
    }
    return shared;
}

// No two figures share more samples in a row, or in a column, than the
// smaller of the two holds there.
int Silhouette::Bound(const Pose& a, const Pose& b) {
    auto bound = [](const std::vector<uint16_t>& ca, int fa, const std::vector<uint16_t>& cb,
                    int fb) {
        const int from = std::max(fa, fb);
        const int to = std::min(fa + static_cast<int>(ca.size()), fb + static_cast<int>(cb.size()));
        int sum = 0;
        for (int i = from; i < to; ++i) {
            sum += std::min(ca[i - fa], cb[i - fb]);
        }
        return sum;
    };
    return std::min(bound(a.rowCount, a.top, b.rowCount, b.top),
                    bound(a.colCount, a.left, b.colCount, b.left));
}

Likeness Silhouette::Compare(const Silhouette& other, double atLeast) const {
    const Pose& mine = poses_[0];
    Likeness best;
    for (int p = 0; p < 16; ++p) {
        const Pose& theirs = other.poses_[p];
        const double larger = std::max(mine.area, theirs.area);
        if (larger <= 0) {
            continue;
        }
        const double floor = std::max(atLeast, best.overlap);
        if (Bound(mine, theirs) < floor * larger) {
            continue;
        }
        const double overlap = Shared(mine, theirs) / larger;
        if (overlap > best.overlap) {
            best = {overlap, p % 8, p >= 8};
        }
    }
    return best;
}

std::vector<AlikePair> AlikePairs(const std::vector<Layout>& layouts, double atLeast) {
    std::vector<Silhouette> shapes;
    shapes.reserve(layouts.size());
    for (const Layout& l : layouts) {
        shapes.emplace_back(l);
    }
    std::vector<AlikePair> out;
    for (size_t j = 0; j < shapes.size(); ++j) {
        for (size_t i = 0; i < j; ++i) {
            const Likeness l = shapes[j].Compare(shapes[i], atLeast);
            if (l.overlap >= atLeast) {
                out.push_back({static_cast<int>(i), static_cast<int>(j), l});
            }
        }
    }
    return out;
}

}  // namespace tangram::catalogue
