// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The constant tables that define the seven Tans: their outlines in 32
// orientations, their rasters as sums of small-triangle stamps, and the pairs
// of partial cells that two Tans may share.
//
// Tans are numbered 1..7 (1, 2 small triangles, 3 medium triangle, 4, 5 large
// triangles, 6 square, 7 rhomboid) and shapes 1..5 in that order; the lookup
// tables keep index 0 unused so that these numbers index them directly.
// Orientations, stamps and vertices count from 0.
#pragma once

#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int TanCount = 7;
inline constexpr int ShapeCount = 5;
inline constexpr int OrientationCount = 32;
inline constexpr int StampCount = 16;
inline constexpr int SharePairCount = 300;
inline constexpr int TurnSteps = 16;

// Every table lookup by orientation goes through this: a damaged orientation
// byte wraps around instead of reading past the end of a table.
constexpr int OrientIndex(int orient) {
    return orient & (OrientationCount - 1);
}
// A count of turn steps taken round the circle, 0..15 (negative counts too).
constexpr int TurnStepIndex(int64_t steps) {
    return static_cast<int>(steps & (TurnSteps - 1));
}

enum Shape : uint8_t { SmallTriangle = 1, MediumTriangle, LargeTriangle, Square, Rhomboid };

inline constexpr std::array<uint8_t, 8> PieceShape{0, 1, 1, 2, 3, 3, 4, 5};
inline constexpr std::array<uint8_t, 6> ShapeVertexCount{0, 3, 3, 3, 4, 4};
inline constexpr std::array<uint8_t, 6> ShapeStampCount{0, 1, 2, 4, 2, 2};
// In cells; a press at least this far from the reference point turns the Tan.
inline constexpr std::array<uint8_t, 6> GripRadius{0, 3, 3, 6, 5, 4};

struct Offset {
    int8_t x;
    int8_t y;
};

// The direction of each turn step, nominally 10 cells long. Every outline edge
// is a sum of these vectors, so every vertex stays on an integer point.
inline constexpr std::array<Offset, 16> TurnVector{{{10, 0},
                                                    {9, 3},
                                                    {7, 7},
                                                    {3, 9},
                                                    {0, 10},
                                                    {-3, 9},
                                                    {-7, 7},
                                                    {-9, 3},
                                                    {-10, 0},
                                                    {-9, -3},
                                                    {-7, -7},
                                                    {-3, -9},
                                                    {0, -10},
                                                    {3, -9},
                                                    {7, -7},
                                                    {9, -3}}};

// Outline vertices, in cells from the Tan's reference point:
// VertexX[shape][vertex][orientation]. Vertices run counter-clockwise on the
// screen; triangles use vertices 0..2.
using VertexTable = std::array<std::array<std::array<int8_t, OrientationCount>, 4>, 6>;
extern const VertexTable VertexX;
extern const VertexTable VertexY;

// One small triangle of a Tan: the stamp to add at (column, row) offset from the
// Tan's reference point.
struct SubStamp {
    int8_t col;
    int8_t row;
    uint8_t stamp;
};
// SubStamps[shape][index][orientation], index 0..ShapeStampCount[shape]-1.
using SubStampTable = std::array<std::array<std::array<SubStamp, OrientationCount>, 4>, 6>;
extern const SubStampTable SubStamps;

// Cover codes: 0 empty, 64 full, 1..63 the shape of a partly covered cell.
inline constexpr uint8_t EmptyCell = 0;
inline constexpr uint8_t FullCell = 64;

// A listed part of a cell, as a polygon in sixths of the cell's side
// ((0,0) top left, (6,6) bottom right). Its complement, where one exists, has
// the code 64 - code.
struct CoverPart {
    uint8_t code;
    uint8_t pointCount;
    std::array<Offset, 4> points;
};
extern const std::array<CoverPart, 30> CoverParts;

// StampImage[stamp][i + 7][j + 7] is the cover code of cell (i, j) of the small
// triangle at orientation `stamp`, for i, j in -7..6.
using StampImageTable = std::array<std::array<std::array<uint8_t, 14>, 14>, StampCount>;
extern const StampImageTable StampImage;

// Least and greatest column and row offsets of a stamp's non-zero cells.
struct StampBounds {
    int8_t minCol;
    int8_t minRow;
    int8_t maxCol;
    int8_t maxRow;
};
extern const std::array<StampBounds, StampCount> StampBox;

// (existing code, added code): a cell holding `existing` may receive `added`.
struct SharePair {
    uint8_t existing;
    uint8_t added;
};
extern const std::array<SharePair, SharePairCount> SharePairs;

// True when (existing, added) is one of the SharePairs. Both codes non-zero.
bool MayShare(uint8_t existing, uint8_t added);

}  // namespace tangram
