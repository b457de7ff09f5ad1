// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Two figures are one puzzle to the player when one is the other turned in
// 45-degree steps, mirrored or nearly so; figures a player tells apart are
// not.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/likeness.h"
#include "fixtures.h"

using namespace tangram;
using namespace tangram::catalogue;

namespace {

using tangram::test::Data;

TEST(Likeness, FindsTurnedMirroredAndNearCopiesButNotOtherFigures) {
    ReadResult r = ReadFile(Data + "/repeats.fig");
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.catalogue.puzzles.size(), 7u);
    std::vector<Silhouette> s;
    for (const Puzzle& p : r.catalogue.puzzles) {
        s.emplace_back(p.solution);
    }
    struct Expected {
        int turn;
        bool mirrored;
    };
    // Puzzles 2..4 are puzzle 1 in another pose, exactly.
    for (auto [k, pose] : {std::pair{1, Expected{1, false}}, std::pair{2, Expected{2, false}},
                           std::pair{3, Expected{6, true}}}) {
        const Likeness l = s[k].Compare(s[0]);
        EXPECT_GT(l.overlap, 0.995) << "puzzle " << k + 1;
        EXPECT_EQ(l.turn, pose.turn) << "puzzle " << k + 1;
        EXPECT_EQ(l.mirrored, pose.mirrored) << "puzzle " << k + 1;
    }
    // The cap slid a little along its edge: nearly the same.
    const Likeness nudged = s[4].Compare(s[0]);
    EXPECT_GE(nudged.overlap, RepeatOverlap);
    EXPECT_LT(nudged.overlap, 0.99);
    // The plain square, which has the cap's triangle in its corner, and the
    // triangle are other figures, in every pose and either way round.
    for (int k : {5, 6}) {
        EXPECT_LT(s[k].Compare(s[0]).overlap, RepeatOverlap) << "puzzle " << k + 1;
        EXPECT_LT(s[0].Compare(s[k]).overlap, RepeatOverlap) << "puzzle " << k + 1;
    }
    // A bound that cannot be reached skips the poses, and says so.
    EXPECT_LT(s[6].Compare(s[0], 0.99).overlap, 0.99);
}

// Tans at odd turn steps have no exact true geometry; such a layout is
// compared from its cells, where a quarter turn is still exact.
TEST(Likeness, ComparesLayoutsAtOddTurnStepsFromTheirCells) {
    const Layout odd{{{54, 40, 1},
                      {64, 33, 3},
                      {71, 45, 5},
                      {50, 30, 0},
                      {75, 30, 8},
                      {60, 50, 0},
                      {47, 45, 17}}};
    // A quarter turn clockwise: (col, row) becomes (-row, col) and each
    // orientation moves four steps on within its half.
    Layout turned{};
    for (size_t t = 0; t < odd.size(); ++t) {
        const int o = odd[t].orient;
        turned[t] = {static_cast<uint8_t>(100 - odd[t].row), static_cast<uint8_t>(odd[t].col - 20),
                     static_cast<uint8_t>(o < 16 ? (o + 4) % 16 : 16 + (o - 12) % 16)};
    }
    const Likeness l = Silhouette(turned).Compare(Silhouette(odd));
    EXPECT_GT(l.overlap, 0.995);
    EXPECT_EQ(l.turn, 2);
    EXPECT_FALSE(l.mirrored);
}

}  // namespace
