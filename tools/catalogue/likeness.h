// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// How alike two silhouettes look to a player who may turn the book: each
// figure is sampled on a fine grid around its centre of area, the second one
// in all 8 turns of 45 degrees and their mirror images, and the best share of
// area the two have in common is the likeness.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace tangram::catalogue {

// The sampling, in units of true Tangram geometry (the classic square has a
// side of 4): 14 samples a unit each way, about two a cell.
inline constexpr int SamplesPerUnit = 14;

// Two figures that share this much of their area in some pose are one puzzle
// to the player. Redrawn figures that differ only at a tip share about 97 %;
// the closest figures a player tells apart (a tanker and a yacht with the same
// hull, a horse and a llama) share about 94 %.
inline constexpr double RepeatOverlap = 0.95;

// Which copy of the second figure fits the first one best.
struct Likeness {
    double overlap = 0;     // area in common / area of the larger silhouette, 0..1
    int turn = 0;           // 0..7: turned this many 45-degree steps clockwise
    bool mirrored = false;  // mirrored left to right before the turn
};

// "turned 90 degrees clockwise", "mirrored", "mirrored and turned ...", or
// "as it is".
std::string PoseText(const Likeness& l);

// One figure's silhouette in its 16 poses, kept as rows of bits.
class Silhouette {
public:
    explicit Silhouette(const Layout& layout);
    int Area() const { return poses_[0].area; }

    // The best of the 16 poses of `other` laid on this figure in its own pose.
    // Poses that cannot reach `atLeast` are skipped by a cheap bound, and then
    // the result only says so (an overlap below `atLeast`).
    Likeness Compare(const Silhouette& other, double atLeast = 0) const;

    // Samples lie on a square grid of this many samples a side (27 units, 192
    // cells), the centre of area in its middle; what falls outside is cut off.
    static constexpr int Side = 384;
    static constexpr int Words = Side / 64;

    struct Vec {
        double x;
        double y;
    };

private:
    struct Pose {
        int top = 0;                     // first row holding a sample
        int bottom = 0;                  // one past the last
        int left = 0;                    // first column holding a sample
        int right = 0;                   // one past the last
        int area = 0;                    // samples in all
        std::vector<uint64_t> bits;      // rows top..bottom, Words words each
        std::vector<uint16_t> rowCount;  // samples per row, top..bottom
        std::vector<uint16_t> colCount;  // samples per column, left..right
    };
    // The seven outlines in true units, in one pose about their centre of area.
    static Pose Sample(const std::vector<std::vector<Vec>>& tans, int turn, bool mirrored);
    static int Shared(const Pose& a, const Pose& b);
    static int Bound(const Pose& a, const Pose& b);

    std::vector<Pose> poses_;  // index: turn + 8 * mirrored
};

// Two puzzles of a list (indices from 0, first < second) and how alike they are.
struct AlikePair {
    int first = 0;
    int second = 0;
    Likeness likeness;
};

// Every pair of the layouts whose likeness is at least `atLeast`, in the order
// of their second, then their first puzzle.
std::vector<AlikePair> AlikePairs(const std::vector<Layout>& layouts, double atLeast);

}  // namespace tangram::catalogue
