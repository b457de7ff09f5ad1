// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Seeded random play: many thousands of presses, drags and hint flashes at
// random pixels and cell sizes, with the board's invariants checked after every
// event. Set TANGRAM_SEED to replay a run; the seed is printed either way.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data.h"
#include "hand.h"
#include "raster.h"
#include "tangdata.h"

namespace tangram {
namespace {

constexpr int kEvents = 120000;

class QuietView final : public BoardView {
public:
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieces(Colour, Colour) override {}
    void PlayEffect(int effect) override { effects.push_back(effect); }
    void SetBoardCursor(BoardCursor) override {}
    void ShowSolved() override { ++solvedShown; }
    void FlushBoard() override {}

    std::vector<int> effects;
    int solvedShown = 0;
};

// Time runs fast: every reading is 7 ms later, so the hint's waits end quickly.
class FastClock final : public TickClock {
public:
    uint32_t Ticks() override { return now += 7; }
    uint32_t now = 0xFFFF'0000u;  // close to the wrap-around on purpose
};

uint32_t SeedFromEnvironment() {
    if (const char* s = std::getenv("TANGRAM_SEED")) {
        return static_cast<uint32_t>(std::strtoul(s, nullptr, 10));
    }
    return std::random_device{}();
}

// A catalogue of two puzzles, the classic square and a 40 x 20 rectangle.
void LoadTwoPuzzles(GameData& game) {
    const uint8_t records[] = {
        1, 60, 45, 10, 72, 33, 6, 69, 49, 0, 60, 31, 2, 51, 40, 14, 67, 40, 2, 56, 50, 22,
        1, 77, 37, 0,  63, 47, 4, 70, 33, 2, 46, 36, 8, 54, 44, 0,  75, 45, 0, 65, 40, 4,
    };
    ASSERT_EQ(ParseCatalogue(records, game), 2);
}

// The board raster must be exactly the sum of the stamps of the Tans that are
// down (every Tan but the held one).
void ExpectRasterIsSumOfDownTans(const Board& board, const std::string& where) {
    Board expected;
    expected.Piece = board.Piece;
    for (int tan = 1; tan <= TanCount; ++tan) {
        if (tan != board.SelectedPiece) {
            expected.StampPiece(tan);
        }
    }
    ASSERT_TRUE(expected.BoardRaster == board.BoardRaster) << where;
}

struct CellBox {
    int minCol = BoardCols, minRow = BoardRows, maxCol = -1, maxRow = -1;
};

// The cells a Tan's stamps may touch, clipped to the board.
CellBox BoxOf(const Board& board, int tan) {
    CellBox box;
    const PieceState& s = board.Piece[tan];
    const int shape = PieceShape[tan];
    for (int i = 0; i < ShapeStampCount[shape]; ++i) {
        const SubStamp& sub = SubStamps[shape][i][s.orient % OrientationCount];
        const StampBounds& b = StampBox[sub.stamp];
        box.minCol = std::max(0, std::min(box.minCol, s.col + sub.col + b.minCol));
        box.minRow = std::max(0, std::min(box.minRow, s.row + sub.row + b.minRow));
        box.maxCol = std::min(BoardCols - 1, std::max(box.maxCol, s.col + sub.col + b.maxCol));
        box.maxRow = std::min(BoardRows - 1, std::max(box.maxRow, s.row + sub.row + b.maxRow));
    }
    return box;
}

// Two Tans that are down may meet in a cell only as a pair of the sharing
// table, in one order or the other (the table is directional and the order in
// which they were dropped is not recorded).
void ExpectNoForbiddenSharing(const Board& board, const std::string& where) {
    auto alone = std::make_unique<std::array<Board, 8>>();
    std::array<CellBox, 8> boxes;
    for (int tan = 1; tan <= TanCount; ++tan) {
        (*alone)[tan].Piece = board.Piece;
        (*alone)[tan].StampPiece(tan);
        boxes[tan] = BoxOf(board, tan);
    }
    for (int a = 1; a <= TanCount; ++a) {
        for (int b = a + 1; b <= TanCount; ++b) {
            if (a == board.SelectedPiece || b == board.SelectedPiece) {
                continue;
            }
            const int c0 = std::max(boxes[a].minCol, boxes[b].minCol);
            const int c1 = std::min(boxes[a].maxCol, boxes[b].maxCol);
            const int r0 = std::max(boxes[a].minRow, boxes[b].minRow);
            const int r1 = std::min(boxes[a].maxRow, boxes[b].maxRow);
            for (int col = c0; col <= c1; ++col) {
                for (int row = r0; row <= r1; ++row) {
                    const uint8_t x = (*alone)[a].BoardRaster[CellIndex(col, row)];
                    const uint8_t y = (*alone)[b].BoardRaster[CellIndex(col, row)];
                    if (x != 0 && y != 0) {
                        ASSERT_TRUE(MayShare(x, y) || MayShare(y, x))
                            << where << ": Tans " << a << " and " << b << " share cell (" << col
                            << ", " << row << ") with codes " << int{x} << " and " << int{y};
                    }
                }
            }
        }
    }
}

TEST(RandomPlay, InvariantsHoldAfterEveryEvent) {
    const uint32_t seed = SeedFromEnvironment();
    std::cout << "random play seed: " << seed << " (replay with TANGRAM_SEED=" << seed << ")\n";
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    auto game = std::make_unique<GameData>();
    auto board = std::make_unique<Board>();
    LoadTwoPuzzles(*game);
    QuietView view;
    FastClock clock;
    Hand hand(*board, *game, view, clock);

    int solves = 0;
    int drops = 0;
    auto newPuzzle = [&] {
        game->CurrentPuzzle = pick(1, 2);
        // Often lay every Tan in advance, so that a pick and an unmoved drop
        // solves the puzzle and the solved state is exercised too.
        game->PuzzleStatus[game->CurrentPuzzle] = static_cast<uint8_t>(pick(0, 3) == 0 ? 0 : 7);
        SetUpPuzzle(*game, *board);
        hand.CellWidth = hand.CellHeight = pick(0, 8);
    };
    newPuzzle();

    for (int event = 0; event < kEvents; ++event) {
        const std::string where =
            "seed " + std::to_string(seed) + ", event " + std::to_string(event);
        const uint8_t stateBefore = board->BoardState;
        const uint8_t heldBefore = board->SelectedPiece;
        const size_t effectsBefore = view.effects.size();
        const int cell = std::max(hand.CellWidth, 1);
        const int x = pick(-cell * 3, cell * 124);
        const int y = pick(-cell * 3, cell * 84);

        const int kind = pick(0, 99);
        bool setUp = false;
        if (kind < 30) {
            hand.boxMouseDown(pick(0, 4) == 0 ? MouseButton::Middle : MouseButton::Left, x, y);
        } else if (kind < 36) {
            hand.boxMouseDown(MouseButton::Right, x, y);
        } else if (kind < 96) {
            // Drags stay near the held Tan most of the time, as a player's do.
            const auto& held = board->Piece[board->SelectedPiece];
            const bool near = board->SelectedPiece != 0 && pick(0, 2) != 0;
            const int mx = near ? held.col * cell + pick(-12, 12) * cell : x;
            const int my = near ? held.row * cell + pick(-12, 12) * cell : y;
            hand.boxMouseMove(pick(0, 3) != 0, mx, my);
        } else if (kind < 98) {
            hand.TipBtnMouseDown();
        } else {
            newPuzzle();
            setUp = true;
        }

        ExpectRasterIsSumOfDownTans(*board, where);
        for (int tan = 1; tan <= TanCount; ++tan) {
            const auto& s = board->Piece[tan];
            ASSERT_TRUE(board->PieceFitsBoard(tan, s.col, s.row, s.orient))
                << where << ": Tan " << tan << " is off the board";
        }
        const bool dropped = heldBefore != 0 && board->SelectedPiece != heldBefore;
        if (dropped || setUp) {
            ExpectNoForbiddenSharing(*board, where);
        }

        if (setUp) {
            ASSERT_EQ(board->BoardState, 0) << where;
            ASSERT_EQ(board->SelectedPiece, 0) << where;
        } else if (board->BoardState != stateBefore) {
            // 0 -> 1 only through an accepted drop, which plays 2 and then 5.
            ASSERT_EQ(stateBefore, 0) << where;
            ASSERT_NE(heldBefore, 0) << where;
            ASSERT_GE(view.effects.size(), effectsBefore + 2) << where;
            ASSERT_EQ(view.effects[effectsBefore], 2) << where;
            ASSERT_EQ(view.effects.back(), 5) << where;
            ++solves;
        }
        if (stateBefore == 1 && !setUp) {
            ASSERT_EQ(board->SelectedPiece, 0) << where << ": a solved board took a Tan";
        }
        for (size_t i = effectsBefore; i < view.effects.size(); ++i) {
            drops += view.effects[i] == 2 ? 1 : 0;
        }
    }
    std::cout << "random play: " << kEvents << " events, " << drops << " drops, " << solves
              << " solves\n";
    EXPECT_GT(drops, 100) << "the random player hardly ever put a Tan down";
    EXPECT_GT(solves, 0) << "the random player never solved a puzzle";
}

}  // namespace
}  // namespace tangram
