// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The difficulty measure must put convex figures, whose outline hides every
// seam, after figures whose Tans show themselves, and the catalogue made of
// the designs must run easy to hard within each category.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/difficulty.h"
#include "fixtures.h"

using namespace tangram;
using namespace tangram::catalogue;

namespace {

using tangram::test::Data;

TEST(Difficulty, SeamsHullAndCornersOfTheClassicSquare) {
    const Difficulty d = Measure(tangram::test::Square);
    // The Tans' edges are 20 + 20 s long in all (s = sqrt 2), the outline 16.
    const double total = 20 + 20 * 1.4142135623730951;
    EXPECT_NEAR(d.hidden, 1 - 16 / total, 0.005);
    EXPECT_DOUBLE_EQ(d.solidity, 1.0);
    // Only the medium triangle fills a corner by itself, with its right
    // angle; the other three corners are each met by two Tans.
    EXPECT_EQ(d.shown, 1);
}

TEST(Difficulty, ConvexFiguresAreHarderThanFiguresWithTansShowing) {
    ReadResult r = ReadFile(Data + "/repeats.fig");
    ASSERT_TRUE(r.ok());
    auto score = [&](const char* name) {
        for (const Puzzle& p : r.catalogue.puzzles) {
            if (p.english == name) {
                return Measure(p.solution);
            }
        }
        ADD_FAILURE() << "no figure " << name;
        return Difficulty{};
    };
    const Difficulty square = score("Square");
    const Difficulty capped = score("Capped square");
    const Difficulty triangle = score("Triangle");
    EXPECT_LT(capped.solidity, 1.0);
    EXPECT_GT(capped.shown, square.shown);  // the cap's tip stands out
    EXPECT_LT(capped.score, square.score);
    EXPECT_DOUBLE_EQ(triangle.solidity, 1.0);
    EXPECT_LT(capped.score, triangle.score);
}

TEST(OrderEasyToHard, SortsWithinCategoriesAndKeepsTiesInOrder) {
    ReadResult r = ReadFile(Data + "/repeats.fig");
    ASSERT_TRUE(r.ok());
    Catalogue c;
    auto add = [&](size_t figure, uint8_t category, const char* name) {
        Puzzle p = r.catalogue.puzzles[figure];
        p.category = category;
        p.english = name;
        c.puzzles.push_back(p);
    };
    add(5, 2, "square in 2");  // hard
    add(0, 2, "capped in 2");  // easy
    add(5, 1, "square in 1");
    add(0, 1, "capped in 1");
    add(0, 1, "capped again in 1");  // the same score
    OrderEasyToHard(c);
    std::vector<std::string> order;
    for (const Puzzle& p : c.puzzles) {
        order.push_back(p.english);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"capped in 1", "capped again in 1", "square in 1",
                                               "capped in 2", "square in 2"}));
}

}  // namespace
