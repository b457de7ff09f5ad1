// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "difficulty.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "geometry.h"

namespace tangram::catalogue {

namespace {

int64_t Cross(Point o, Point a, Point b) {
    return int64_t{a.x - o.x} * (b.y - o.y) - int64_t{a.y - o.y} * (b.x - o.x);
}

int64_t Dot(Point o, Point a, Point b) {
    return int64_t{a.x - o.x} * (b.x - o.x) + int64_t{a.y - o.y} * (b.y - o.y);
}

double Length(Point a, Point b) {
    return std::hypot(double{1} * (b.x - a.x), double{1} * (b.y - a.y));
}

// The length that segment q0-q1 shares with p0-p1 when both lie on one line.
double SharedLength(Point p0, Point p1, Point q0, Point q1) {
    if (Cross(p0, p1, q0) != 0 || Cross(p0, p1, q1) != 0) {
        return 0;
    }
    const int64_t end = Dot(p0, p1, p1);
    const int64_t a = Dot(p0, p1, q0);
    const int64_t b = Dot(p0, p1, q1);
    const int64_t shared = std::min(end, std::max(a, b)) - std::max(int64_t{0}, std::min(a, b));
    return shared <= 0 ? 0
                       : Length(p0, p1) * static_cast<double>(shared) / static_cast<double>(end);
}

// Inside or on the edge of a convex polygon, whichever way round it runs.
bool Touches(const std::vector<Point>& polygon, Point v) {
    bool below = false;
    bool above = false;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const int64_t c = Cross(polygon[i], polygon[(i + 1) % polygon.size()], v);
        below = below || c < 0;
        above = above || c > 0;
    }
    return !(below && above);
}

int64_t TwiceArea(const std::vector<Point>& polygon) {
    int64_t sum = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        sum += int64_t{a.x} * b.y - int64_t{b.x} * a.y;
    }
    return sum < 0 ? -sum : sum;
}

// Andrew's monotone chain over every vertex of the figure.
std::vector<Point> ConvexHull(std::vector<Point> points) {
    std::sort(points.begin(), points.end(),
              [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    std::vector<Point> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            --k;
        }
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            --k;
        }
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

}  // namespace

Difficulty Measure(const Layout& layout) {
    const auto tans = Placements(layout);
    std::vector<std::vector<Point>> outlines;
    std::vector<Point> all;
    for (int t = 1; t <= 7; ++t) {
        outlines.push_back(Outline(t, tans[t - 1]));
        all.insert(all.end(), outlines.back().begin(), outlines.back().end());
    }

    double total = 0;
    double seams = 0;
    int64_t area = 0;
    Difficulty d;
    for (size_t t = 0; t < outlines.size(); ++t) {
        const auto& mine = outlines[t];
        area += TwiceArea(mine);
        bool shows = false;
        for (size_t i = 0; i < mine.size(); ++i) {
            const Point a = mine[i];
            const Point b = mine[(i + 1) % mine.size()];
            total += Length(a, b);
            bool alone = true;
            for (size_t u = 0; u < outlines.size(); ++u) {
                if (u == t) {
                    continue;
                }
                alone = alone && !Touches(outlines[u], a);
                // Each seam once, from the Tan with the lower number.
                if (u > t) {
                    const auto& theirs = outlines[u];
                    for (size_t j = 0; j < theirs.size(); ++j) {
                        seams += SharedLength(a, b, theirs[j], theirs[(j + 1) % theirs.size()]);
                    }
                }
            }
            shows = shows || alone;
        }
        d.shown += shows ? 1 : 0;
    }
    d.hidden = total > 0 ? 2 * seams / total : 0;
    const int64_t hull = TwiceArea(ConvexHull(all));
    d.solidity = hull > 0 ? static_cast<double>(area) / static_cast<double>(hull) : 0;
    const double raw = 100 * (0.45 * d.hidden + 0.35 * d.solidity + 0.20 * (7 - d.shown) / 7.0);
    d.score = std::round(raw * 10) / 10;
    return d;
}

void OrderEasyToHard(Catalogue& c) {
    std::vector<std::pair<double, Puzzle>> scored;
    for (Puzzle& p : c.puzzles) {
        scored.emplace_back(Measure(p.solution).score, std::move(p));
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) {
        if (a.second.category != b.second.category) {
            return a.second.category < b.second.category;
        }
        return a.first < b.first;
    });
    c.puzzles.clear();
    for (auto& [score, p] : scored) {
        c.puzzles.push_back(std::move(p));
    }
}

}  // namespace tangram::catalogue
