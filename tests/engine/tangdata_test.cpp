// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Checks the Tan tables against their defining values and rules. The rasters
// are checked against an independent exact rasterisation: every Tan outline is
// clipped against each cell in integer sixths of a cell, and the covered part
// is named by comparing polygons with the printed cover-code table.
#include "tangdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tangram {
namespace {

// ---- Exact geometry in sixths of a cell ----

struct P {
    int64_t x;
    int64_t y;
    friend bool operator==(const P&, const P&) = default;
    friend bool operator<(const P& a, const P& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }
};
using Poly = std::vector<P>;

int64_t Cross(P a, P b, P p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

int64_t DoubleArea(const Poly& poly) {
    int64_t sum = 0;
    for (size_t k = 0; k < poly.size(); ++k) {
        const P a = poly[k];
        const P b = poly[(k + 1) % poly.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Keeps the part of a convex polygon on the side of the line a -> b where the
// cross product is not positive (the inside of a counter-clockwise outline on
// the screen). Every crossing must fall on a whole sixth.
Poly ClipHalfPlane(const Poly& in, P a, P b) {
    Poly out;
    for (size_t k = 0; k < in.size(); ++k) {
        const P p = in[k];
        const P q = in[(k + 1) % in.size()];
        const int64_t fp = Cross(a, b, p);
        const int64_t fq = Cross(a, b, q);
        if (fp <= 0) {
            out.push_back(p);
        }
        if ((fp < 0 && fq > 0) || (fp > 0 && fq < 0)) {
            const int64_t nx = (q.x - p.x) * fp;
            const int64_t ny = (q.y - p.y) * fp;
            const int64_t d = fp - fq;
            EXPECT_EQ(nx % d, 0) << "edge crosses a cell off the sixths";
            EXPECT_EQ(ny % d, 0) << "edge crosses a cell off the sixths";
            out.push_back({p.x + nx / d, p.y + ny / d});
        }
    }
    return out;
}

// Drops repeated and collinear vertices, turns the polygon counter-clockwise on
// the screen and starts it at its least vertex, so that equal parts compare
// equal.
Poly Canonical(Poly poly) {
    bool changed = true;
    while (changed && poly.size() >= 3) {
        changed = false;
        for (size_t k = 0; k < poly.size(); ++k) {
            const P prev = poly[(k + poly.size() - 1) % poly.size()];
            const P next = poly[(k + 1) % poly.size()];
            if (poly[k] == next || Cross(prev, poly[k], next) == 0) {
                poly.erase(poly.begin() + static_cast<std::ptrdiff_t>(k));
                changed = true;
                break;
            }
        }
    }
    if (poly.size() < 3) {
        return {};
    }
    if (DoubleArea(poly) > 0) {
        std::reverse(poly.begin(), poly.end());
    }
    std::rotate(poly.begin(), std::min_element(poly.begin(), poly.end()), poly.end());
    return poly;
}

const Poly UnitCell{{0, 0}, {0, 6}, {6, 6}, {6, 0}};

// The cover-code table as it is printed: the code, then the corners of the
// covered part, (0,0) top left and (1,1) bottom right.
const char* const PrintedCoverParts[] = {
    "1: (1,0) (1,1) (2/3,1)",          "2: (0,0) (1/3,0) (0,1)",
    "3: (2/3,0) (1,0) (1,1)",          "4: (0,0) (1/3,1) (0,1)",
    "5: (0,0) (1,0) (1,1/3)",          "6: (0,0) (1,0) (0,1/3)",
    "7: (1,2/3) (1,1) (0,1)",          "8: (0,2/3) (1,1) (0,1)",
    "9: (0,0) (1,0) (0,1/2)",          "11: (1,1/2) (1,1) (0,1)",
    "12: (0,1/2) (1,1) (0,1)",         "14: (0,0) (1,0) (1,1/2)",
    "16: (0,0) (1/2,1) (0,1)",         "17: (1,0) (1,1) (1/2,1)",
    "19: (0,0) (1/2,0) (0,1)",         "20: (1/2,0) (1,0) (1,1)",
    "22: (0,0) (1/3,0) (2/3,1) (0,1)", "24: (0,0) (2/3,0) (1/3,1) (0,1)",
    "25: (0,1/3) (1,2/3) (1,1) (0,1)", "27: (0,0) (1,0) (1,1/3) (0,2/3)",
    "29: (1,0) (1,1) (0,1)",           "30: (0,0) (1,0) (1,1)",
    "36: (0,0) (1/2,0) (1,1) (0,2/3)", "38: (1/2,0) (1,0) (1,2/3) (0,1)",
    "41: (1,0) (1/2,1) (0,1) (0,1/3)", "43: (0,0) (1,1/3) (1,1) (1/2,1)",
    "46: (0,0) (1,1/2) (1,1) (1/3,1)", "49: (0,0) (2/3,0) (1,1) (0,1/2)",
    "51: (1/3,0) (1,0) (1,1/2) (0,1)", "54: (1,0) (2/3,1) (0,1) (0,1/2)",
};

// One coordinate of the printed table (0, 1 or a fraction) in sixths.
int64_t Sixths(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) {
        return 6 * std::stoi(text);
    }
    return 6 * std::stoi(text.substr(0, slash)) / std::stoi(text.substr(slash + 1));
}

struct PrintedPart {
    int code;
    Poly poly;  // canonical, in sixths
};

std::vector<PrintedPart> PrintedParts() {
    std::vector<PrintedPart> parts;
    for (const char* line : PrintedCoverParts) {
        const std::string text(line);
        PrintedPart part{std::stoi(text), {}};
        for (size_t open = text.find('('); open != std::string::npos;
             open = text.find('(', open + 1)) {
            const size_t comma = text.find(',', open);
            const size_t close = text.find(')', open);
            part.poly.push_back({Sixths(text.substr(open + 1, comma - open - 1)),
                                 Sixths(text.substr(comma + 1, close - comma - 1))});
        }
        part.poly = Canonical(part.poly);
        parts.push_back(part);
    }
    return parts;
}

Poly PartPolygon(const CoverPart& part) {
    Poly poly;
    for (int k = 0; k < part.pointCount; ++k) {
        poly.push_back({part.points[k].x, part.points[k].y});
    }
    return Canonical(poly);
}

bool OnCellSide(P a, P b) {
    return (a.x == b.x && (a.x == 0 || a.x == 6)) || (a.y == b.y && (a.y == 0 || a.y == 6));
}

// Every part's polygon with its code, the complements included: a part that is
// not a wedge is the cell cut by one line, and its complement lies on the
// other side of that line.
std::map<std::vector<P>, int> NamedParts() {
    std::map<std::vector<P>, int> named;
    auto add = [&](const Poly& poly, int code) {
        const bool fresh = named.emplace(poly, code).second;
        EXPECT_TRUE(fresh) << "code " << code << " names the same part as code " << named[poly];
    };
    for (const PrintedPart& part : PrintedParts()) {
        const Poly& poly = part.poly;
        EXPECT_FALSE(poly.empty()) << "code " << part.code;
        add(poly, part.code);
        const bool wedge = part.code >= 36;
        std::vector<std::pair<P, P>> cuts;
        for (size_t k = 0; k < poly.size(); ++k) {
            const P a = poly[k];
            const P b = poly[(k + 1) % poly.size()];
            if (!OnCellSide(a, b)) {
                cuts.emplace_back(a, b);
            }
        }
        EXPECT_EQ(cuts.size(), wedge ? 2U : 1U) << "code " << part.code;
        if (!wedge && cuts.size() == 1) {
            add(Canonical(ClipHalfPlane(UnitCell, cuts[0].second, cuts[0].first)), 64 - part.code);
        }
    }
    return named;
}

const std::map<std::vector<P>, int>& Named() {
    static const auto named = NamedParts();
    return named;
}

// The cover code of cell (i, j) under an outline given in whole cells.
int CoverCode(const Poly& outlineInSixths, int i, int j) {
    Poly part = outlineInSixths;
    const Poly cell{{6 * i, 6 * j}, {6 * i, 6 * j + 6}, {6 * i + 6, 6 * j + 6}, {6 * i + 6, 6 * j}};
    for (size_t k = 0; k < cell.size() && !part.empty(); ++k) {
        part = ClipHalfPlane(part, cell[k], cell[(k + 1) % cell.size()]);
    }
    part = Canonical(part);
    if (part.empty()) {
        return 0;
    }
    for (P& p : part) {
        p = {p.x - 6 * i, p.y - 6 * j};
    }
    if (DoubleArea(part) == -72) {
        return 64;
    }
    const auto found = Named().find(part);
    return found == Named().end() ? -1 : found->second;
}

Poly Outline(int shape, int orient) {
    Poly poly;
    for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
        poly.push_back({VertexX[shape][v][orient], VertexY[shape][v][orient]});
    }
    return poly;
}

Poly InSixths(Poly poly) {
    for (P& p : poly) {
        p = {6 * p.x, 6 * p.y};
    }
    return poly;
}

// A window of cells around the reference point, large enough for any Tan.
constexpr int Reach = 20;
using Window = std::array<std::array<int, 2 * Reach>, 2 * Reach>;  // [i + Reach][j + Reach]

Window Rasterise(int shape, int orient) {
    Window w{};
    const Poly outline = InSixths(Outline(shape, orient));
    for (int i = -Reach; i < Reach; ++i) {
        for (int j = -Reach; j < Reach; ++j) {
            w[i + Reach][j + Reach] = CoverCode(outline, i, j);
        }
    }
    return w;
}

Window SumOfSubStamps(int shape, int orient) {
    Window w{};
    for (int k = 0; k < ShapeStampCount[shape]; ++k) {
        const SubStamp sub = SubStamps[shape][k][orient];
        for (int i = -7; i < 7; ++i) {
            for (int j = -7; j < 7; ++j) {
                w[sub.col + i + Reach][sub.row + j + Reach] += StampImage[sub.stamp][i + 7][j + 7];
            }
        }
    }
    return w;
}

std::string ShapeAt(int shape, int orient) {
    return "shape " + std::to_string(shape) + " orientation " + std::to_string(orient);
}

// ---- Cover codes ----

TEST(CoverPartTest, PartsAreThePrintedTableInOrder) {
    const std::vector<PrintedPart> printed = PrintedParts();
    ASSERT_EQ(printed.size(), CoverParts.size());
    for (size_t k = 0; k < printed.size(); ++k) {
        EXPECT_EQ(CoverParts[k].code, printed[k].code) << "part " << k;
        EXPECT_EQ(PartPolygon(CoverParts[k]), printed[k].poly) << "code " << printed[k].code;
    }
}

// ---- Stamps ----

TEST(StampTest, BoxesAreTheLeastAndGreatestNonZeroOffsets) {
    const std::array<std::array<int, 4>, StampCount> expected{{{-7, -7, 2, 2},
                                                               {-7, -5, 4, 3},
                                                               {-7, -2, 6, 4},
                                                               {-5, -5, 6, 3},
                                                               {-3, -7, 6, 2},
                                                               {-4, -7, 4, 4},
                                                               {-5, -7, 1, 6},
                                                               {-4, -5, 4, 6},
                                                               {-3, -3, 6, 6},
                                                               {-5, -4, 6, 4},
                                                               {-7, -5, 6, 1},
                                                               {-7, -4, 4, 4},
                                                               {-7, -3, 2, 6},
                                                               {-5, -5, 3, 6},
                                                               {-2, -7, 4, 6},
                                                               {-5, -7, 3, 4}}};
    for (int s = 0; s < StampCount; ++s) {
        const StampBounds b = StampBox[s];
        EXPECT_EQ((std::array<int, 4>{b.minCol, b.minRow, b.maxCol, b.maxRow}), expected[s])
            << "stamp " << s;
        for (int i = -7; i < 7; ++i) {
            for (int j = -7; j < 7; ++j) {
                const bool inBox = i >= b.minCol && i <= b.maxCol && j >= b.minRow && j <= b.maxRow;
                if (!inBox) {
                    EXPECT_EQ(StampImage[s][i + 7][j + 7], 0)
                        << "stamp " << s << " cell " << i << "," << j;
                }
            }
        }
    }
}

TEST(StampTest, StampZeroIsFullCellsAndOneDiagonalOfHalves) {
    int full = 0;
    int halves = 0;
    for (int i = -7; i < 7; ++i) {
        for (int j = -7; j < 7; ++j) {
            const int code = StampImage[0][i + 7][j + 7];
            const bool inside = i <= 2 && j <= 2 && i + j >= -4;
            const int expected = inside ? 64 : (i + j == -5 && i <= 2 && j <= 2) ? 29 : 0;
            EXPECT_EQ(code, expected) << "cell " << i << "," << j;
            full += code == 64;
            halves += code == 29;
        }
    }
    EXPECT_EQ(full, 45);
    EXPECT_EQ(halves, 10);
}

TEST(StampTest, StampOneMatchesTheWorkedExample) {
    // Rows -5..3, columns -7..4; every other cell is empty.
    const int rows[9][12] = {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 54},
                             {0, 0, 0, 0, 0, 0, 0, 0, 11, 55, 64, 24},
                             {0, 0, 0, 0, 0, 0, 11, 55, 64, 64, 64, 2},
                             {0, 0, 0, 0, 11, 55, 64, 64, 64, 64, 63, 0},
                             {0, 0, 11, 55, 64, 64, 64, 64, 64, 64, 24, 0},
                             {11, 55, 64, 64, 64, 64, 64, 64, 64, 64, 2, 0},
                             {5, 39, 56, 64, 64, 64, 64, 64, 64, 63, 0, 0},
                             {0, 0, 0, 5, 39, 56, 64, 64, 64, 24, 0, 0},
                             {0, 0, 0, 0, 0, 0, 5, 39, 56, 2, 0, 0}};
    for (int i = -7; i < 7; ++i) {
        for (int j = -7; j < 7; ++j) {
            const bool listed = j >= -5 && j <= 3 && i <= 4;
            const int expected = listed ? rows[j + 5][i + 7] : 0;
            EXPECT_EQ(StampImage[1][i + 7][j + 7], expected) << "cell " << i << "," << j;
        }
    }
}

TEST(StampTest, DiagonalEdgesHoldTheirHalfCells) {
    // Stamp 2, outline (-7,-2) (0,5) (7,-2): 30 below the left edge, 35 below
    // the right edge. Stamp 4, outline (-3,-7) (-3,3) (7,3): 34 along its slant.
    for (int i = -7; i <= -1; ++i) {
        EXPECT_EQ(StampImage[2][i + 7][i + 5 + 7], 30) << "column " << i;
    }
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(StampImage[2][i + 7][4 - i + 7], 35) << "column " << i;
    }
    for (int i = -3; i <= 6; ++i) {
        EXPECT_EQ(StampImage[4][i + 7][i - 4 + 7], 34) << "column " << i;
    }
}

// ---- Outlines ----

TEST(OutlineTest, EdgesAreSumsOfTurnVectors) {
    auto d = [](int k) { return TurnVector[((k % 16) + 16) % 16]; };
    auto plus = [](Offset a, Offset b) { return P{a.x + b.x, a.y + b.y}; };
    auto twice = [](Offset a) { return P{2 * a.x, 2 * a.y}; };
    for (int o = 0; o < OrientationCount; ++o) {
        std::map<int, std::vector<P>> edges;
        const int k = o % 16;
        edges[SmallTriangle] = {{d(k).x, d(k).y}, {d(k + 12).x, d(k + 12).y}};
        edges[MediumTriangle] = {plus(d(k + 2), d(k + 14)), plus(d(k + 14), d(k + 10))};
        edges[LargeTriangle] = {twice(d(k)), twice(d(k + 12))};
        const int q = o % 4;
        edges[Square] = {{d(q + 4).x, d(q + 4).y}, {d(q).x, d(q).y}, {d(q + 12).x, d(q + 12).y}};
        const int r = o % 8;
        if (o < 16) {
            edges[Rhomboid] = {{d(r).x, d(r).y}, plus(d(r), d(r + 12)), {d(r + 8).x, d(r + 8).y}};
        } else {
            edges[Rhomboid] = {
                plus(d(r + 8), d(r + 12)), {d(r + 8).x, d(r + 8).y}, plus(d(r), d(r + 4))};
        }
        for (int shape = 1; shape <= ShapeCount; ++shape) {
            const Poly poly = Outline(shape, o);
            P sum{0, 0};
            for (size_t v = 0; v + 1 < poly.size(); ++v) {
                const P edge{poly[v + 1].x - poly[v].x, poly[v + 1].y - poly[v].y};
                EXPECT_EQ(edge, edges[shape][v]) << ShapeAt(shape, o) << " edge " << v;
                sum = {sum.x + edge.x, sum.y + edge.y};
            }
            // The closing edge brings the outline back to vertex 0.
            EXPECT_EQ(sum.x + poly.front().x - poly.back().x, 0) << ShapeAt(shape, o);
            EXPECT_LT(DoubleArea(poly), 0) << ShapeAt(shape, o) << " is not counter-clockwise";
        }
    }
}

TEST(OutlineTest, RepetitionsAndNamedExamples) {
    // The large triangle at orientation 5 is orientation 1 turned a quarter.
    EXPECT_EQ(Outline(LargeTriangle, 5), (Poly{{-2, -14}, {-8, 4}, {10, 10}}));
    for (int o = 0; o < 16; ++o) {
        for (int shape = SmallTriangle; shape <= Square; ++shape) {
            EXPECT_EQ(Outline(shape, o), Outline(shape, o + 16)) << ShapeAt(shape, o);
        }
        EXPECT_EQ(Outline(Square, o), Outline(Square, o % 4)) << "square orientation " << o;
        EXPECT_EQ(Outline(Rhomboid, o), Outline(Rhomboid, o % 8)) << "rhomboid " << o;
        EXPECT_EQ(Outline(Rhomboid, 16 + o), Outline(Rhomboid, 16 + o % 8)) << "rhomboid " << o;
    }
}

TEST(OutlineTest, MirroredRhomboidIsTheMirrorOfTheOppositeTurn) {
    // Orientation 16 + k is the left-right mirror of orientation (16 - k) mod
    // 16: mirroring reverses the turn as well as the vertex order.
    for (int k = 0; k < 16; ++k) {
        Poly mirrored = Outline(Rhomboid, (16 - k) % 16);
        for (P& p : mirrored) {
            p.x = -p.x;
        }
        EXPECT_EQ(Canonical(Outline(Rhomboid, 16 + k)), Canonical(mirrored)) << "k " << k;
        if (k % 4 != 0) {
            // The mirror image of the same turn step is a different outline.
            Poly sameStep = Outline(Rhomboid, k);
            for (P& p : sameStep) {
                p.x = -p.x;
            }
            EXPECT_NE(Canonical(Outline(Rhomboid, 16 + k)), Canonical(sameStep)) << "k " << k;
        }
    }
}

// ---- Sub-stamps ----

std::vector<std::array<int, 3>> SubStampList(int shape, int orient) {
    std::vector<std::array<int, 3>> list;
    for (int k = 0; k < ShapeStampCount[shape]; ++k) {
        const SubStamp s = SubStamps[shape][k][orient];
        list.push_back({s.col, s.row, s.stamp});
    }
    return list;
}

TEST(SubStampTest, RepetitionsAndNamedExamples) {
    EXPECT_EQ(SubStampList(MediumTriangle, 6),
              (std::vector<std::array<int, 3>>{{0, -3, 0}, {0, 3, 12}}));
    for (int o = 0; o < 16; ++o) {
        for (int shape = SmallTriangle; shape <= Square; ++shape) {
            EXPECT_EQ(SubStampList(shape, o), SubStampList(shape, o + 16)) << ShapeAt(shape, o);
        }
        EXPECT_EQ(SubStampList(Square, o), SubStampList(Square, o % 4)) << o;
        EXPECT_EQ(SubStampList(Rhomboid, o), SubStampList(Rhomboid, o % 8)) << o;
        EXPECT_EQ(SubStampList(Rhomboid, 16 + o), SubStampList(Rhomboid, 16 + o % 8)) << o;
        EXPECT_EQ(SubStampList(SmallTriangle, o), (std::vector<std::array<int, 3>>{{0, 0, o}}));
    }
}

TEST(SubStampTest, SubStampsSumToTheRasterisedOutline) {
    // Checks the stamps themselves (the small triangle is its own sub-stamp)
    // and how every Tan is put together from them.
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        for (int o = 0; o < OrientationCount; ++o) {
            const Window expected = Rasterise(shape, o);
            const Window sum = SumOfSubStamps(shape, o);
            int mismatches = 0;
            for (int i = 0; i < 2 * Reach; ++i) {
                for (int j = 0; j < 2 * Reach; ++j) {
                    ASSERT_NE(expected[i][j], -1) << ShapeAt(shape, o) << " cell " << i - Reach
                                                  << "," << j - Reach << " is no listed part";
                    if (sum[i][j] != expected[i][j] && ++mismatches <= 5) {
                        ADD_FAILURE() << ShapeAt(shape, o) << " cell " << i - Reach << ","
                                      << j - Reach << ": sub-stamps give " << sum[i][j]
                                      << ", the outline covers " << expected[i][j];
                    }
                }
            }
        }
    }
}

TEST(SubStampTest, SquareSeamHoldsTwoComplementaryHalves) {
    // Square at orientation 0: stamp 0 at (2, 2) and stamp 8 at (-2, -2) meet
    // along the diagonal i + j = -1.
    const SubStamp a = SubStamps[Square][0][0];
    const SubStamp b = SubStamps[Square][1][0];
    for (int i = -5; i <= 4; ++i) {
        const int j = -1 - i;
        const int codeA = StampImage[a.stamp][i - a.col + 7][j - a.row + 7];
        const int codeB = StampImage[b.stamp][i - b.col + 7][j - b.row + 7];
        EXPECT_EQ(std::min(codeA, codeB), 29) << "column " << i;
        EXPECT_EQ(std::max(codeA, codeB), 35) << "column " << i;
    }
}

// ---- Sharing ----

// The sharing table as it is printed: existing code, then the added codes.
const char* const PrintedSharePairs[] = {
    "1: 2 4 6 9 16 19 22 24 35 41 47 54 63",
    "2: 1 3 7 11 17 20 29 38 40 42 45 51 62",
    "3: 2 4 8 12 16 19 22 24 34 36 44 49 61",
    "4: 1 3 5 14 17 20 30 40 42 43 46 48 60",
    "5: 4 7 8 11 12 16 25 34 37 43 46 50 59",
    "6: 1 7 8 11 12 17 25 29 37 41 54 55 58",
    "7: 2 5 6 9 14 19 27 35 38 39 51 53 57",
    "8: 3 5 6 9 14 20 27 30 36 39 49 52 56",
    "9: 1 7 8 11 12 17 29 37 41 54 55",
    "10: 54",
    "11: 2 5 6 9 14 19 27 35 38 51 53",
    "12: 3 5 6 9 14 20 30 36 39 49 52",
    "13: 51",
    "14: 4 7 8 11 12 16 25 34 43 46 50",
    "15: 49",
    "16: 1 3 5 14 17 20 30 42 43 46 48",
    "17: 2 4 6 9 16 19 24 35 41 47 54",
    "18: 46",
    "19: 1 3 7 11 17 20 29 38 40 45 51",
    "20: 2 4 8 12 16 19 22 34 36 44 49",
    "21: 43",
    "22: 1 3 20 42",
    "23: 41",
    "24: 1 3 17 40",
    "25: 5 6 14 39",
    "26: 38",
    "27: 7 8 11 37",
    "28: 36",
    "29: 2 6 9 19 35",
    "30: 4 8 12 16 34",
    "34: 3 5 14 20 30",
    "35: 1 7 11 17 29",
    "36: 3 8 20",
    "37: 5 6 9 27",
    "38: 1 7 19",
    "39: 7 8 12 25",
    "40: 2 4 19 24",
    "41: 1 6 17",
    "42: 2 4 16 22",
    "43: 4 5 16",
    "44: 3 20",
    "45: 2 19",
    "46: 4 5 14",
    "47: 1 17",
    "48: 4 16",
    "49: 3 8 12",
    "50: 5 14",
    "51: 2 7 11",
    "52: 8 12",
    "53: 7 11",
    "54: 1 6 9",
    "55: 6 9",
    "56: 8",
    "57: 7",
    "58: 6",
    "59: 5",
    "60: 4",
    "61: 3",
    "62: 2",
    "63: 1",
};

TEST(ShareTest, PairsAreThePrintedListInOrder) {
    std::vector<std::pair<int, int>> printed;
    for (const char* line : PrintedSharePairs) {
        std::istringstream in(line);
        int existing = 0;
        char colon = 0;
        in >> existing >> colon;
        for (int added = 0; in >> added;) {
            printed.emplace_back(existing, added);
        }
    }
    ASSERT_EQ(printed.size(), static_cast<size_t>(SharePairCount));
    for (int k = 0; k < SharePairCount; ++k) {
        EXPECT_EQ(SharePairs[k].existing, printed[k].first) << "pair " << k;
        EXPECT_EQ(SharePairs[k].added, printed[k].second) << "pair " << k;
    }
}

TEST(ShareTest, MayShareAnswersAsAScanOfTheList) {
    for (int e = 0; e < 256; ++e) {
        for (int a = 0; a < 256; ++a) {
            const bool listed = std::any_of(SharePairs.begin(), SharePairs.end(), [&](SharePair p) {
                return p.existing == e && p.added == a;
            });
            ASSERT_EQ(MayShare(static_cast<uint8_t>(e), static_cast<uint8_t>(a)), listed)
                << "(" << e << ", " << a << ")";
        }
    }
}

TEST(ShareTest, SharingIsDirectionalAndAFullCellAcceptsNothing) {
    EXPECT_TRUE(MayShare(9, 41));
    EXPECT_FALSE(MayShare(41, 9));
    EXPECT_TRUE(MayShare(29, 35));
    EXPECT_TRUE(MayShare(35, 29));
    EXPECT_FALSE(MayShare(29, 29));
    for (int a = 1; a < 256; ++a) {
        EXPECT_FALSE(MayShare(FullCell, static_cast<uint8_t>(a))) << a;
    }
    // The wedge 38 keeps its odd entries.
    EXPECT_TRUE(MayShare(38, 1));
    EXPECT_FALSE(MayShare(38, 2));
    EXPECT_TRUE(MayShare(2, 38));
    EXPECT_FALSE(MayShare(1, 38));
}

TEST(ShareTest, PartsThatFillACellTogetherMayShareIt) {
    // Any part and its complement, in either order.
    for (const PrintedPart& part : PrintedParts()) {
        if (part.code < 36) {
            const auto code = static_cast<uint8_t>(part.code);
            const auto rest = static_cast<uint8_t>(FullCell - part.code);
            EXPECT_TRUE(MayShare(code, rest)) << part.code;
            EXPECT_TRUE(MayShare(rest, code)) << part.code;
        }
    }
}

}  // namespace
}  // namespace tangram
