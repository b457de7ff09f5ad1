// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "tangdata.h"

#include <cstddef>
#include <utility>

namespace tangram {

namespace {

struct Point {
    int x;
    int y;
};

constexpr Point QuarterTurn(Point p) {
    return {-p.y, p.x};
}

constexpr SubStamp QuarterTurn(SubStamp s) {
    return {static_cast<int8_t>(-s.row), s.col, static_cast<uint8_t>((s.stamp + 4) % StampCount)};
}

// Only a few orientations of each shape are written out; the rest follow from
// them. The three triangles turn a quarter every four steps and ignore the
// mirror, the square looks the same after every quarter turn, and the rhomboid
// turns a quarter within each half and is its own image after a half turn.
template <typename T>
constexpr void CompleteOrientations(int shape, std::array<T, OrientationCount>& row) {
    if (shape == Square) {
        for (int o = 4; o < OrientationCount; ++o) {
            row[o] = row[o % 4];
        }
        return;
    }
    if (shape == Rhomboid) {
        for (int half : {0, 16}) {
            for (int o = half + 4; o < half + 8; ++o) {
                row[o] = QuarterTurn(row[o - 4]);
            }
            for (int o = half + 8; o < half + 16; ++o) {
                row[o] = row[o - 8];
            }
        }
        return;
    }
    for (int o = 4; o < 16; ++o) {
        row[o] = QuarterTurn(row[o - 4]);
    }
    for (int o = 16; o < OrientationCount; ++o) {
        row[o] = row[o - 16];
    }
}

// ---- Outlines ----

struct OutlineRow {
    int shape;
    int orient;
    std::array<Point, 4> v;
};

// Written-out orientations, vertices counter-clockwise on the screen.
constexpr OutlineRow BaseOutlines[] = {
    {SmallTriangle, 0, {{{-7, 3}, {3, 3}, {3, -7}}}},
    {SmallTriangle, 1, {{{-7, 1}, {2, 4}, {5, -5}}}},
    {SmallTriangle, 2, {{{-7, -2}, {0, 5}, {7, -2}}}},
    {SmallTriangle, 3, {{{-5, -5}, {-2, 4}, {7, 1}}}},
    {MediumTriangle, 0, {{{-9, 5}, {5, 5}, {5, -9}}}},
    {MediumTriangle, 1, {{{-10, 0}, {2, 6}, {8, -6}}}},
    {MediumTriangle, 2, {{{-10, -3}, {0, 7}, {10, -3}}}},
    {MediumTriangle, 3, {{{-8, -6}, {-2, 6}, {10, 0}}}},
    {LargeTriangle, 0, {{{-14, 6}, {6, 6}, {6, -14}}}},
    {LargeTriangle, 1, {{{-14, 2}, {4, 8}, {10, -10}}}},
    {LargeTriangle, 2, {{{-14, -5}, {0, 9}, {14, -5}}}},
    {LargeTriangle, 3, {{{-10, -10}, {-4, 8}, {14, 2}}}},
    {Square, 0, {{{-5, -5}, {-5, 5}, {5, 5}, {5, -5}}}},
    {Square, 1, {{{-3, -6}, {-6, 3}, {3, 6}, {6, -3}}}},
    {Square, 2, {{{0, -7}, {-7, 0}, {0, 7}, {7, 0}}}},
    {Square, 3, {{{3, -6}, {-6, -3}, {-3, 6}, {6, 3}}}},
    {Rhomboid, 0, {{{-10, 5}, {0, 5}, {10, -5}, {0, -5}}}},
    {Rhomboid, 1, {{{-11, 2}, {-2, 5}, {10, -1}, {1, -4}}}},
    {Rhomboid, 2, {{{-11, -3}, {-4, 4}, {10, 4}, {3, -3}}}},
    {Rhomboid, 3, {{{-8, -7}, {-5, 2}, {7, 8}, {4, -1}}}},
    {Rhomboid, 16, {{{10, 5}, {0, -5}, {-10, -5}, {0, 5}}}},
    {Rhomboid, 17, {{{8, 7}, {2, -5}, {-7, -8}, {-1, 4}}}},
    {Rhomboid, 18, {{{4, 10}, {4, -4}, {-3, -11}, {-3, 3}}}},
    {Rhomboid, 19, {{{-1, 10}, {5, -2}, {2, -11}, {-4, 1}}}},
};

using OutlineTable = std::array<std::array<std::array<Point, OrientationCount>, 4>, 6>;

constexpr OutlineTable BuildOutlines() {
    OutlineTable t{};
    for (const OutlineRow& r : BaseOutlines) {
        for (int v = 0; v < 4; ++v) {
            t[r.shape][v][r.orient] = r.v[v];
        }
    }
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
            CompleteOrientations(shape, t[shape][v]);
        }
    }
    return t;
}

constexpr OutlineTable Outlines = BuildOutlines();

constexpr VertexTable Coordinates(bool wantX) {
    VertexTable t{};
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        for (int v = 0; v < 4; ++v) {
            for (int o = 0; o < OrientationCount; ++o) {
                const Point p = Outlines[shape][v][o];
                t[shape][v][o] = static_cast<int8_t>(wantX ? p.x : p.y);
            }
        }
    }
    return t;
}

// ---- Sub-stamps ----

struct SubStampRow {
    int shape;
    int orient;
    std::array<SubStamp, 4> s;
};

constexpr SubStampRow BaseSubStamps[] = {
    {SmallTriangle, 0, {{{0, 0, 0}}}},
    {SmallTriangle, 1, {{{0, 0, 1}}}},
    {SmallTriangle, 2, {{{0, 0, 2}}}},
    {SmallTriangle, 3, {{{0, 0, 3}}}},
    {MediumTriangle, 0, {{{-2, 3, 10}, {3, -2, 6}}}},
    {MediumTriangle, 1, {{{-3, 1, 11}, {3, -1, 7}}}},
    {MediumTriangle, 2, {{{-3, 0, 12}, {3, 0, 8}}}},
    {MediumTriangle, 3, {{{-3, -1, 13}, {3, 1, 9}}}},
    {LargeTriangle, 0, {{{-7, 3, 0}, {-1, 3, 4}, {3, -1, 12}, {3, -7, 0}}}},
    {LargeTriangle, 1, {{{-7, 1, 1}, {-1, 3, 5}, {3, 1, 13}, {5, -5, 1}}}},
    {LargeTriangle, 2, {{{-7, -3, 2}, {-2, 2, 6}, {2, 2, 14}, {7, -3, 2}}}},
    {LargeTriangle, 3, {{{-5, -5, 3}, {-3, 1, 7}, {1, 3, 15}, {7, 1, 3}}}},
    {Square, 0, {{{2, 2, 0}, {-2, -2, 8}}}},
    {Square, 1, {{{1, 2, 1}, {-1, -2, 9}}}},
    {Square, 2, {{{0, 2, 2}, {0, -2, 10}}}},
    {Square, 3, {{{-1, 2, 3}, {1, -2, 11}}}},
    {Rhomboid, 0, {{{-3, 2, 0}, {3, -2, 8}}}},
    {Rhomboid, 1, {{{-4, 1, 1}, {3, 0, 9}}}},
    {Rhomboid, 2, {{{-4, -1, 2}, {3, 2, 10}}}},
    {Rhomboid, 3, {{{-3, -2, 3}, {2, 3, 11}}}},
    {Rhomboid, 16, {{{3, 2, 4}, {-3, -2, 12}}}},
    {Rhomboid, 17, {{{-2, -3, 13}, {3, 2, 5}}}},
    {Rhomboid, 18, {{{-1, -4, 14}, {2, 3, 6}}}},
    {Rhomboid, 19, {{{1, -4, 15}, {0, 3, 7}}}},
};

constexpr SubStampTable BuildSubStamps() {
    SubStampTable t{};
    for (const SubStampRow& r : BaseSubStamps) {
        for (int i = 0; i < 4; ++i) {
            t[r.shape][i][r.orient] = r.s[i];
        }
    }
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        for (int i = 0; i < ShapeStampCount[shape]; ++i) {
            CompleteOrientations(shape, t[shape][i]);
        }
    }
    return t;
}

}  // namespace

const VertexTable VertexX = Coordinates(true);
const VertexTable VertexY = Coordinates(false);
const SubStampTable SubStamps = BuildSubStamps();

// ---- Cover parts ----

// In sixths of a cell's side; unused points are (0, 0).
constexpr std::array<CoverPart, 30> ListedParts{{
    {1, 3, {{{6, 0}, {6, 6}, {4, 6}, {0, 0}}}},  {2, 3, {{{0, 0}, {2, 0}, {0, 6}, {0, 0}}}},
    {3, 3, {{{4, 0}, {6, 0}, {6, 6}, {0, 0}}}},  {4, 3, {{{0, 0}, {2, 6}, {0, 6}, {0, 0}}}},
    {5, 3, {{{0, 0}, {6, 0}, {6, 2}, {0, 0}}}},  {6, 3, {{{0, 0}, {6, 0}, {0, 2}, {0, 0}}}},
    {7, 3, {{{6, 4}, {6, 6}, {0, 6}, {0, 0}}}},  {8, 3, {{{0, 4}, {6, 6}, {0, 6}, {0, 0}}}},
    {9, 3, {{{0, 0}, {6, 0}, {0, 3}, {0, 0}}}},  {11, 3, {{{6, 3}, {6, 6}, {0, 6}, {0, 0}}}},
    {12, 3, {{{0, 3}, {6, 6}, {0, 6}, {0, 0}}}}, {14, 3, {{{0, 0}, {6, 0}, {6, 3}, {0, 0}}}},
    {16, 3, {{{0, 0}, {3, 6}, {0, 6}, {0, 0}}}}, {17, 3, {{{6, 0}, {6, 6}, {3, 6}, {0, 0}}}},
    {19, 3, {{{0, 0}, {3, 0}, {0, 6}, {0, 0}}}}, {20, 3, {{{3, 0}, {6, 0}, {6, 6}, {0, 0}}}},
    {22, 4, {{{0, 0}, {2, 0}, {4, 6}, {0, 6}}}}, {24, 4, {{{0, 0}, {4, 0}, {2, 6}, {0, 6}}}},
    {25, 4, {{{0, 2}, {6, 4}, {6, 6}, {0, 6}}}}, {27, 4, {{{0, 0}, {6, 0}, {6, 2}, {0, 4}}}},
    {29, 3, {{{6, 0}, {6, 6}, {0, 6}, {0, 0}}}}, {30, 3, {{{0, 0}, {6, 0}, {6, 6}, {0, 0}}}},
    {36, 4, {{{0, 0}, {3, 0}, {6, 6}, {0, 4}}}}, {38, 4, {{{3, 0}, {6, 0}, {6, 4}, {0, 6}}}},
    {41, 4, {{{6, 0}, {3, 6}, {0, 6}, {0, 2}}}}, {43, 4, {{{0, 0}, {6, 2}, {6, 6}, {3, 6}}}},
    {46, 4, {{{0, 0}, {6, 3}, {6, 6}, {2, 6}}}}, {49, 4, {{{0, 0}, {4, 0}, {6, 6}, {0, 3}}}},
    {51, 4, {{{2, 0}, {6, 0}, {6, 3}, {0, 6}}}}, {54, 4, {{{6, 0}, {4, 6}, {0, 6}, {0, 3}}}},
}};
constinit const std::array<CoverPart, 30> CoverParts = ListedParts;

namespace {

// ---- Stamps ----
//
// Every Tan edge runs through integer points with a slope of 0, 1/3, 1/2, 1, 2,
// 3 or infinity (either sign), so the covered part of a cell is one of the
// listed parts, its complement, nothing or everything. A part is recognised by
// which of 24 x 24 sample points of the cell it covers. The samples sit at
// (77 i + 11) / 1848 and (77 j + 21) / 1848 of the cell: no line of those
// slopes through an integer point passes through any of them (modulo 7 and 11
// the offsets rule it out), so the inside test never meets a tie and the
// result is exact in integers.

constexpr int64_t SampleScale = 1848;  // sample units per cell
constexpr int SampleSide = 24;
constexpr int64_t SampleStep = 77;
constexpr int64_t SampleOffsetX = 11;
constexpr int64_t SampleOffsetY = 21;

// One word per sample column, bit j for sample row j.
using Signature = std::array<uint32_t, SampleSide>;

// A convex polygon in sample units.
struct Polygon {
    int count = 0;
    std::array<int64_t, 4> x{};
    std::array<int64_t, 4> y{};
};

constexpr int64_t Cross(const Polygon& p, int k, int64_t px, int64_t py) {
    const int n = (k + 1) % p.count;
    return (p.x[n] - p.x[k]) * (py - p.y[k]) - (p.y[n] - p.y[k]) * (px - p.x[k]);
}

// True when (px, py) lies inside the convex polygon or on its edges, whichever
// way round its vertices run.
constexpr bool Covers(const Polygon& p, int64_t px, int64_t py) {
    bool left = false;
    bool right = false;
    for (int k = 0; k < p.count; ++k) {
        const int64_t cross = Cross(p, k, px, py);
        left = left || cross < 0;
        right = right || cross > 0;
    }
    return !(left && right);
}

constexpr int64_t FloorDiv(int64_t n, int64_t d) {  // d > 0
    const int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// The samples of cell (col, row) that the polygon covers. Along one sample
// column the polygon is convex, so each edge cuts the column's samples at one
// row, found by exact integer division instead of testing all 24.
constexpr Signature Sample(const Polygon& p, int col, int row) {
    int64_t area = 0;
    for (int k = 0; k < p.count; ++k) {
        const int n = (k + 1) % p.count;
        area += p.x[k] * p.y[n] - p.x[n] * p.y[k];
    }
    const int64_t inner = area < 0 ? -1 : 1;  // sign of the cross product inside
    Signature sig{};
    for (int i = 0; i < SampleSide; ++i) {
        const int64_t px = col * SampleScale + SampleStep * i + SampleOffsetX;
        const int64_t py0 = row * SampleScale + SampleOffsetY;
        int64_t lo = 0;
        int64_t hi = SampleSide - 1;
        for (int k = 0; k < p.count; ++k) {
            // The sample in row j is inside this edge when a + b * j > 0.
            const int n = (k + 1) % p.count;
            const int64_t a = inner * Cross(p, k, px, py0);
            const int64_t b = inner * (p.x[n] - p.x[k]) * SampleStep;
            if (b > 0) {
                lo = FloorDiv(-a, b) + 1 > lo ? FloorDiv(-a, b) + 1 : lo;
            } else if (b < 0) {
                const int64_t last = -FloorDiv(-a, -b) - 1;
                hi = last < hi ? last : hi;
            } else if (a < 0) {
                hi = -1;
            }
        }
        if (lo <= hi) {
            sig[i] = static_cast<uint32_t>((uint64_t{2} << hi) - (uint64_t{1} << lo));
        }
    }
    return sig;
}

constexpr Signature Invert(Signature s) {
    for (uint32_t& w : s) {
        w = ~w & ((uint32_t{1} << SampleSide) - 1);
    }
    return s;
}

constexpr bool IsWedge(uint8_t code) {
    for (int w : {36, 38, 41, 43, 46, 49, 51, 54}) {
        if (code == w) {
            return true;
        }
    }
    return false;
}

struct KnownPart {
    uint8_t code;
    Signature sig;
};

// Every code a stamp cell can hold, with its samples: empty, full, the listed
// parts and the complements of all but the wedges.
constexpr int KnownPartCount = 2 + 30 + 22;

constexpr std::array<KnownPart, KnownPartCount> BuildKnownParts() {
    std::array<KnownPart, KnownPartCount> known{};
    int n = 0;
    known[n++] = {EmptyCell, Signature{}};
    known[n++] = {FullCell, Invert(Signature{})};
    constexpr int64_t sixth = SampleScale / 6;
    for (const CoverPart& part : ListedParts) {
        Polygon p;
        p.count = part.pointCount;
        for (int k = 0; k < part.pointCount; ++k) {
            p.x[k] = part.points[k].x * sixth;
            p.y[k] = part.points[k].y * sixth;
        }
        const Signature sig = Sample(p, 0, 0);
        known[n++] = {part.code, sig};
        if (!IsWedge(part.code)) {
            known[n++] = {static_cast<uint8_t>(FullCell - part.code), Invert(sig)};
        }
    }
    return known;
}

constexpr std::array<KnownPart, KnownPartCount> KnownParts = BuildKnownParts();

// Two codes with one sample pattern would make the classification ambiguous.
constexpr bool SignaturesDistinct() {
    for (int a = 0; a < KnownPartCount; ++a) {
        for (int b = a + 1; b < KnownPartCount; ++b) {
            if (KnownParts[a].sig == KnownParts[b].sig ||
                KnownParts[a].code == KnownParts[b].code) {
                return false;
            }
        }
    }
    return true;
}
static_assert(SignaturesDistinct(), "two cover codes share one sample pattern");

constexpr uint8_t Classify(const Signature& sig) {
    for (const KnownPart& k : KnownParts) {
        if (k.sig == sig) {
            return k.code;
        }
    }
    // Not a constant expression: a cell that matches no part stops the build.
    throw "a stamp cell matches no cover part";
}

constexpr int StampOrigin = 7;  // cell (i, j) is stored at (i + 7, j + 7)
constexpr int StampSide = 14;

using StampCellImage = std::array<std::array<uint8_t, StampSide>, StampSide>;

constexpr StampCellImage BuildStampImage(int s) {
    StampCellImage image{};
    Polygon tri;
    tri.count = 3;
    int minX = StampSide, maxX = -StampSide, minY = StampSide, maxY = -StampSide;
    for (int v = 0; v < 3; ++v) {
        const Point p = Outlines[SmallTriangle][v][s];
        tri.x[v] = p.x * SampleScale;
        tri.y[v] = p.y * SampleScale;
        minX = p.x < minX ? p.x : minX;
        maxX = p.x > maxX ? p.x : maxX;
        minY = p.y < minY ? p.y : minY;
        maxY = p.y > maxY ? p.y : maxY;
    }
    for (int i = minX; i < maxX; ++i) {
        for (int j = minY; j < maxY; ++j) {
            // A cell whose four corners lie inside the convex outline is
            // covered whole; only the others need their samples.
            const bool whole = Covers(tri, i * SampleScale, j * SampleScale) &&
                               Covers(tri, (i + 1) * SampleScale, j * SampleScale) &&
                               Covers(tri, i * SampleScale, (j + 1) * SampleScale) &&
                               Covers(tri, (i + 1) * SampleScale, (j + 1) * SampleScale);
            image[i + StampOrigin][j + StampOrigin] =
                whole ? FullCell : Classify(Sample(tri, i, j));
        }
    }
    return image;
}

// Each stamp is its own constant evaluation, which keeps every one of them
// within the compiler's budget for compile-time work.
template <int S>
constexpr StampCellImage StampImageOf = BuildStampImage(S);

template <int... S>
constexpr StampImageTable BuildStampImages(std::integer_sequence<int, S...>) {
    return {{StampImageOf<S>...}};
}

constexpr StampImageTable StampImages =
    BuildStampImages(std::make_integer_sequence<int, StampCount>{});

constexpr std::array<StampBounds, StampCount> BuildStampBoxes(const StampImageTable& images) {
    std::array<StampBounds, StampCount> boxes{};
    for (int s = 0; s < StampCount; ++s) {
        int minCol = StampSide, minRow = StampSide, maxCol = -1, maxRow = -1;
        for (int i = 0; i < StampSide; ++i) {
            for (int j = 0; j < StampSide; ++j) {
                if (images[s][i][j] != EmptyCell) {
                    minCol = i < minCol ? i : minCol;
                    maxCol = i > maxCol ? i : maxCol;
                    minRow = j < minRow ? j : minRow;
                    maxRow = j > maxRow ? j : maxRow;
                }
            }
        }
        boxes[s] = {
            static_cast<int8_t>(minCol - StampOrigin), static_cast<int8_t>(minRow - StampOrigin),
            static_cast<int8_t>(maxCol - StampOrigin), static_cast<int8_t>(maxRow - StampOrigin)};
    }
    return boxes;
}

}  // namespace

constinit const StampImageTable StampImage = StampImages;
constinit const std::array<StampBounds, StampCount> StampBox = BuildStampBoxes(StampImages);

// ---- Sharing ----

// Two Tans may meet inside one cell only in these pairs (existing code, added
// code). Besides the parts that fit together, a quarter triangle accepts a wedge
// that overlaps it by a twelfth of a cell, so that an acute corner can be laid
// against an edge of slope 1/2 or 2 although the outlines overlap there a
// little; this works in one dropping order only.
// clang-format off
constexpr std::array<SharePair, SharePairCount> ListedPairs{{
    {1, 2}, {1, 4}, {1, 6}, {1, 9}, {1, 16}, {1, 19}, {1, 22}, {1, 24}, {1, 35}, {1, 41}, {1, 47}, {1, 54}, {1, 63},
    {2, 1}, {2, 3}, {2, 7}, {2, 11}, {2, 17}, {2, 20}, {2, 29}, {2, 38}, {2, 40}, {2, 42}, {2, 45}, {2, 51}, {2, 62},
    {3, 2}, {3, 4}, {3, 8}, {3, 12}, {3, 16}, {3, 19}, {3, 22}, {3, 24}, {3, 34}, {3, 36}, {3, 44}, {3, 49}, {3, 61},
    {4, 1}, {4, 3}, {4, 5}, {4, 14}, {4, 17}, {4, 20}, {4, 30}, {4, 40}, {4, 42}, {4, 43}, {4, 46}, {4, 48}, {4, 60},
    {5, 4}, {5, 7}, {5, 8}, {5, 11}, {5, 12}, {5, 16}, {5, 25}, {5, 34}, {5, 37}, {5, 43}, {5, 46}, {5, 50}, {5, 59},
    {6, 1}, {6, 7}, {6, 8}, {6, 11}, {6, 12}, {6, 17}, {6, 25}, {6, 29}, {6, 37}, {6, 41}, {6, 54}, {6, 55}, {6, 58},
    {7, 2}, {7, 5}, {7, 6}, {7, 9}, {7, 14}, {7, 19}, {7, 27}, {7, 35}, {7, 38}, {7, 39}, {7, 51}, {7, 53}, {7, 57},
    {8, 3}, {8, 5}, {8, 6}, {8, 9}, {8, 14}, {8, 20}, {8, 27}, {8, 30}, {8, 36}, {8, 39}, {8, 49}, {8, 52}, {8, 56},
    {9, 1}, {9, 7}, {9, 8}, {9, 11}, {9, 12}, {9, 17}, {9, 29}, {9, 37}, {9, 41}, {9, 54}, {9, 55},
    {10, 54},
    {11, 2}, {11, 5}, {11, 6}, {11, 9}, {11, 14}, {11, 19}, {11, 27}, {11, 35}, {11, 38}, {11, 51}, {11, 53},
    {12, 3}, {12, 5}, {12, 6}, {12, 9}, {12, 14}, {12, 20}, {12, 30}, {12, 36}, {12, 39}, {12, 49}, {12, 52},
    {13, 51},
    {14, 4}, {14, 7}, {14, 8}, {14, 11}, {14, 12}, {14, 16}, {14, 25}, {14, 34}, {14, 43}, {14, 46}, {14, 50},
    {15, 49},
    {16, 1}, {16, 3}, {16, 5}, {16, 14}, {16, 17}, {16, 20}, {16, 30}, {16, 42}, {16, 43}, {16, 46}, {16, 48},
    {17, 2}, {17, 4}, {17, 6}, {17, 9}, {17, 16}, {17, 19}, {17, 24}, {17, 35}, {17, 41}, {17, 47}, {17, 54},
    {18, 46},
    {19, 1}, {19, 3}, {19, 7}, {19, 11}, {19, 17}, {19, 20}, {19, 29}, {19, 38}, {19, 40}, {19, 45}, {19, 51},
    {20, 2}, {20, 4}, {20, 8}, {20, 12}, {20, 16}, {20, 19}, {20, 22}, {20, 34}, {20, 36}, {20, 44}, {20, 49},
    {21, 43},
    {22, 1}, {22, 3}, {22, 20}, {22, 42},
    {23, 41},
    {24, 1}, {24, 3}, {24, 17}, {24, 40},
    {25, 5}, {25, 6}, {25, 14}, {25, 39},
    {26, 38},
    {27, 7}, {27, 8}, {27, 11}, {27, 37},
    {28, 36},
    {29, 2}, {29, 6}, {29, 9}, {29, 19}, {29, 35},
    {30, 4}, {30, 8}, {30, 12}, {30, 16}, {30, 34},
    {34, 3}, {34, 5}, {34, 14}, {34, 20}, {34, 30},
    {35, 1}, {35, 7}, {35, 11}, {35, 17}, {35, 29},
    {36, 3}, {36, 8}, {36, 20},
    {37, 5}, {37, 6}, {37, 9}, {37, 27},
    {38, 1}, {38, 7}, {38, 19},
    {39, 7}, {39, 8}, {39, 12}, {39, 25},
    {40, 2}, {40, 4}, {40, 19}, {40, 24},
    {41, 1}, {41, 6}, {41, 17},
    {42, 2}, {42, 4}, {42, 16}, {42, 22},
    {43, 4}, {43, 5}, {43, 16},
    {44, 3}, {44, 20},
    {45, 2}, {45, 19},
    {46, 4}, {46, 5}, {46, 14},
    {47, 1}, {47, 17},
    {48, 4}, {48, 16},
    {49, 3}, {49, 8}, {49, 12},
    {50, 5}, {50, 14},
    {51, 2}, {51, 7}, {51, 11},
    {52, 8}, {52, 12},
    {53, 7}, {53, 11},
    {54, 1}, {54, 6}, {54, 9},
    {55, 6}, {55, 9},
    {56, 8},
    {57, 7},
    {58, 6},
    {59, 5},
    {60, 4},
    {61, 3},
    {62, 2},
    {63, 1},
}};
constinit const std::array<SharePair, SharePairCount> SharePairs = ListedPairs;
// clang-format on

namespace {

// MayShare answers from a bit table built from SharePairs.
using ShareBits = std::array<std::array<uint64_t, 4>, 256>;

constexpr ShareBits BuildShareBits() {
    ShareBits bits{};
    for (const SharePair& p : ListedPairs) {
        bits[p.existing][p.added / 64] |= uint64_t{1} << (p.added % 64);
    }
    return bits;
}

constinit const ShareBits ShareTable = BuildShareBits();

}  // namespace

bool MayShare(uint8_t existing, uint8_t added) {
    return (ShareTable[existing][added / 64] >> (added % 64)) & 1U;
}

}  // namespace tangram
