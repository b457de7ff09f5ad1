// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The checker must find every fault that would make a puzzle unplayable, and
// must not refuse a figure that the player can lay.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "catalogue/catalogue.h"
#include "catalogue/check.h"
#include "catalogue/geometry.h"
#include "catalogue/source.h"
#include "data.h"
#include "fixtures.h"
#include "tangdata.h"

using namespace tangram;
using namespace tangram::catalogue;

namespace {

using tangram::test::Data;
using tangram::test::Square;

// Messages for puzzle `number`, without the file and puzzle prefix.
std::vector<std::string> ProblemsOf(const std::vector<Diagnostic>& all, int number) {
    const std::string tag = "puzzle " + std::to_string(number) + " ";
    std::vector<std::string> out;
    for (const Diagnostic& d : all) {
        if (d.message.rfind(tag, 0) == 0) {
            out.push_back(d.message.substr(d.message.find(": ") + 2));
        }
    }
    return out;
}

bool AnyContains(const std::vector<std::string>& messages, const std::string& part) {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const std::string& m) { return m.find(part) != std::string::npos; });
}

TEST(CheckCatalogue, FindsOneFaultPerPuzzleOfTheProblemFile) {
    ReadResult r = ReadFile(Data + "/problems.txt");
    ASSERT_TRUE(r.ok());
    const auto all = CheckCatalogue(r.catalogue);

    EXPECT_TRUE(ProblemsOf(all, 1).empty());
    EXPECT_EQ(ProblemsOf(all, 2),
              std::vector<std::string>{"Tan 3 has orientation 40; orientations are 0..31"});
    EXPECT_EQ(ProblemsOf(all, 3),
              std::vector<std::string>{"Tan 4 at column 5, row 31 reaches off the board"});
    EXPECT_EQ(ProblemsOf(all, 4), std::vector<std::string>{"Tans 1 and 2 overlap"});
    EXPECT_TRUE(
        AnyContains(ProblemsOf(all, 5), "falls apart into 2 parts (Tans 1 2 4 5 6 7 | Tans 3)"));
    EXPECT_TRUE(AnyContains(ProblemsOf(all, 5), "not centred"));
    EXPECT_TRUE(
        AnyContains(ProblemsOf(all, 6), "falls apart into 2 parts (Tans 1 2 3 4 5 7 | Tans 6)"));
    EXPECT_EQ(ProblemsOf(all, 7), std::vector<std::string>{"has the same silhouette as puzzle 1"});
    // Every message names the line of its puzzle.
    for (const Diagnostic& d : all) {
        EXPECT_GT(d.where.line, 0) << d.message;
    }
}

TEST(CheckCatalogue, NamesBothPuzzlesOfATurnedOrMirroredRepeat) {
    ReadResult r = ReadFile(Data + "/repeats.fig");
    ASSERT_TRUE(r.ok());
    const auto all = CheckCatalogue(r.catalogue);
    const std::string first = "looks like puzzle 1 \"Capped square\" (" + Data + "/repeats.fig:4) ";
    EXPECT_EQ(
        ProblemsOf(all, 2),
        std::vector<std::string>{first + "turned 45 degrees clockwise: they share 100.0 % of their "
                                         "area; redraw one of them"});
    EXPECT_TRUE(AnyContains(ProblemsOf(all, 3), first + "turned 90 degrees clockwise"));
    EXPECT_TRUE(
        AnyContains(ProblemsOf(all, 4), first + "mirrored and turned 270 degrees clockwise"));
    EXPECT_TRUE(AnyContains(ProblemsOf(all, 5), first + "as it is: they share 97."));
    EXPECT_TRUE(ProblemsOf(all, 6).empty());
    EXPECT_TRUE(ProblemsOf(all, 7).empty());
    EXPECT_EQ(all.size(), 4u);
    for (const Diagnostic& d : all) {
        EXPECT_GT(d.where.line, 4) << d.message;
    }
}

TEST(CheckCatalogue, DevelopmentCatalogueHasNoProblems) {
    ReadResult r = ReadFile(Data + "/dev.fig");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(CheckCatalogue(r.catalogue).empty());
}

TEST(CheckCatalogue, WantsNamesCategoriesAndAtMost330Puzzles) {
    ReadResult r = ParseSource(
        "category 1 \"Shapes\" \"\"\n"
        "category 9 \"Nine\" \"Neun\"\n"
        "puzzle 1 \"Square\" \"\"\n"
        "60 45 10 72 33 6 69 49 0 60 31 2 51 40 14 67 40 2 56 50 22\n"
        "puzzle 3 \"Square\" \"Quadrat\"\n"
        "60 45 10 72 33 6 69 49 0 60 31 2 51 40 14 67 40 2 56 50 22\n",
        "names.txt");
    ASSERT_TRUE(r.ok());
    auto all = CheckCatalogue(r.catalogue);
    std::vector<std::string> messages;
    for (const Diagnostic& d : all) {
        messages.push_back(d.message);
    }
    EXPECT_TRUE(AnyContains(messages, "category 1 needs both an English and a German name"));
    EXPECT_TRUE(AnyContains(messages, "category 9 is not one of 1..8"));
    EXPECT_TRUE(AnyContains(messages, "category 2 (People) is not declared"));
    EXPECT_TRUE(AnyContains(messages, "puzzle 1 \"Square\": the puzzle needs both"));
    EXPECT_TRUE(AnyContains(messages, "puzzle 2 \"Square\": category 3 is not declared"));

    Catalogue big = r.catalogue;
    big.puzzles.resize(MaxPuzzles + 1, big.puzzles[1]);
    messages.clear();
    for (const Diagnostic& d : CheckCatalogue(big)) {
        messages.push_back(d.message);
    }
    EXPECT_TRUE(AnyContains(messages, "holds 331 puzzles; the game reads only the first 330"));
}

TEST(CheckCatalogue, TheShippedCatalogueHolds330In38To46PerCategory) {
    Catalogue c;
    const std::array<int, 8> counts{38, 47, 41, 41, 41, 41, 44, 37};  // 330 in all
    for (int category = 1; category <= 8; ++category) {
        for (int k = 0; k < counts[category - 1]; ++k) {
            Puzzle p;
            p.category = static_cast<uint8_t>(category);
            p.named = false;
            p.solution = Square;
            p.where = {"mexa.dat", 0};
            c.puzzles.push_back(p);
        }
    }
    auto counted = [](const std::vector<Diagnostic>& all) {
        std::vector<std::string> out;
        for (const Diagnostic& d : all) {
            if (d.message.find("the game's catalogue holds") != std::string::npos) {
                out.push_back(d.message);
            }
        }
        return out;
    };
    EXPECT_TRUE(counted(CheckCatalogue(c)).empty());
    EXPECT_EQ(counted(CheckCatalogue(c, {true})),
              (std::vector<std::string>{"category 2 (People) holds 47 puzzles; the game's "
                                        "catalogue holds 38..46 in each category",
                                        "category 8 (Digits and signs) holds 37 puzzles; the "
                                        "game's catalogue holds 38..46 in each category"}));
    c.puzzles.erase(c.puzzles.begin() + 40);  // category 2 down to 46
    EXPECT_EQ(counted(CheckCatalogue(c, {true})),
              (std::vector<std::string>{"the catalogue holds 329 puzzles; the game's catalogue "
                                        "holds 330",
                                        "category 8 (Digits and signs) holds 37 puzzles; the "
                                        "game's catalogue holds 38..46 in each category"}));
}

TEST(CheckCatalogue, CompiledCataloguesNeedNoNames) {
    Catalogue c;
    c.puzzles.push_back({});
    c.puzzles[0].category = 1;
    c.puzzles[0].solution = Square;
    ReadResult r = FromRecords(ToRecords(c), "mexa.dat");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(CheckCatalogue(r.catalogue).empty());
}

// Tan 7 at an odd turn step and Tan 1 laid with its acute corner against the
// rhomboid's edge of slope 1/2: the cells they share hold a quarter triangle
// and a wedge, which a cell accepts in one order only.
Layout OneWayLayout() {
    Layout l{{{66, 45, 15},  // Tan 1, against Tan 7
              {15, 15, 0},
              {35, 15, 0},
              {20, 60, 0},
              {100, 60, 0},
              {100, 15, 0},
              {60, 40, 5}}};  // Tan 7
    return l;
}

bool FitsAfter(const Layout& l, int first, int second) {
    auto b = std::make_unique<Board>();
    b->Piece[first] = l[first - 1];
    b->StampPiece(first);
    const PieceState& p = l[second - 1];
    return b->PieceFitsFree(second, p.col, p.row, p.orient);
}

TEST(FindDropOrder, FindsAnOrderThatOnlyWorksOneWayRound) {
    const Layout l = OneWayLayout();
    ASSERT_TRUE(FitsAfter(l, 7, 1));
    ASSERT_FALSE(FitsAfter(l, 1, 7));  // so Tans 1..7 in their own order fail

    auto order = FindDropOrder(l);
    ASSERT_TRUE(order.has_value());
    auto at = [&](int tan) {
        return std::find(order->begin(), order->end(), tan) - order->begin();
    };
    EXPECT_LT(at(7), at(1));
    std::vector<int> sorted(order->begin(), order->end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

    // The same layout is laid in the order found with every drop accepted.
    auto b = std::make_unique<Board>();
    for (int tan : *order) {
        const PieceState& p = l[tan - 1];
        ASSERT_TRUE(b->PieceFitsFree(tan, p.col, p.row, p.orient)) << "Tan " << tan;
        b->Piece[tan] = p;
        b->StampPiece(tan);
    }
}

TEST(FindDropOrder, NoneWhenTwoTansOverlap) {
    Layout l = Square;
    l[1] = l[0];
    EXPECT_FALSE(FindDropOrder(l).has_value());
    EXPECT_TRUE(FindDropOrder(Square).has_value());
}

std::vector<Point> SquareAt(int x, int y) {
    return {{x, y}, {x, y + 10}, {x + 10, y + 10}, {x + 10, y}};
}

TEST(EdgesJoined, NeedsASharedSegmentOfPositiveLength) {
    const auto a = SquareAt(0, 0);
    EXPECT_TRUE(EdgesJoined(a, SquareAt(10, 0)));    // whole edge
    EXPECT_TRUE(EdgesJoined(a, SquareAt(10, 7)));    // part of an edge
    EXPECT_FALSE(EdgesJoined(a, SquareAt(10, 10)));  // corner to corner
    EXPECT_FALSE(EdgesJoined(a, SquareAt(20, 0)));   // on one line, apart
    EXPECT_FALSE(EdgesJoined(a, SquareAt(0, 11)));   // parallel, apart
    // Collinear edges meeting end to end share only a point.
    EXPECT_FALSE(EdgesJoined({{0, 0}, {10, 0}, {0, -10}}, {{10, 0}, {20, 0}, {20, -10}}));
    // Diagonal edges, one inside the other.
    EXPECT_TRUE(EdgesJoined({{0, 0}, {14, 14}, {0, 14}}, {{7, 7}, {14, 0}, {14, 14}}));
}

TEST(JoinedGroups, TheShippedShapesAreOnePiece) {
    EXPECT_EQ(JoinedGroups(Placements(Square)).size(), 1u);
    Layout apart = Square;
    apart[2].col = static_cast<uint8_t>(apart[2].col + 20);
    auto groups = JoinedGroups(Placements(apart));
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[1], std::vector<int>{3});
}

TEST(SilhouetteKey, SameForAShiftDifferentForAnotherFigure) {
    Layout shifted = Square;
    for (PieceState& s : shifted) {
        s.col = static_cast<uint8_t>(s.col + 3);
        s.row = static_cast<uint8_t>(s.row - 2);
    }
    EXPECT_EQ(SilhouetteKey(Square), SilhouetteKey(shifted));
    // Exchanging the two small triangles leaves the silhouette as it is.
    Layout swapped = Square;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(SilhouetteKey(Square), SilhouetteKey(swapped));
    Layout capped = Square;
    capped[1] = {53, 35, 10};
    EXPECT_NE(SilhouetteKey(Square), SilhouetteKey(capped));
}

}  // namespace
