// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Plans, for the end-to-end test, the mouse presses and drags that solve the
// first puzzle of a catalogue, and proves the plan on the engine itself with
// the same cell size before the test plays it on the real window.
//
// Output, in board pixels (add the board's position on the screen):
//   drag X1 Y1 X2 Y2   left press at (X1, Y1), move to (X2, Y2), release
//   press B X Y        press and release button B (1 left, 3 right) at (X, Y)
//   green X Y          a pixel that shows green once the puzzle is solved
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <optional>

#include "data.h"
#include "hand.h"
#include "raster.h"
#include "tangdata.h"

namespace {

using namespace tangram;

class SilentView final : public BoardView {
public:
    bool solved = false;
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieces(Colour, Colour) override {}
    void PlayEffect(int) override {}
    void SetBoardCursor(BoardCursor) override {}
    void ShowSolved() override { solved = true; }
    void FlushBoard() override {}
};

class StillClock final : public TickClock {
public:
    uint32_t Ticks() override { return now_ += 1000; }

private:
    uint32_t now_ = 0;
};

struct Point {
    int x;
    int y;
};

[[noreturn]] void Fail(const char* what, int tan) {
    std::fprintf(stderr, "plan failed for Tan %d: %s\n", tan, what);
    std::exit(1);
}

class Planner {
public:
    Planner(GameData& game, Board& board, int cell)
        : cell_(cell), hand_(board, game, view_, clock_), board_(board), game_(game) {
        hand_.CellWidth = cell;
        hand_.CellHeight = cell;
    }

    // A pixel inside `tan` that gives the wanted grip and that no Tan above
    // it covers, as near to the Tan's middle as possible.
    std::optional<Point> FindGrip(int tan, int grip) const {
        std::array<Pixel, 4> v{};
        const int n = PiecePolygon(tan, board_.Piece[tan], cell_, cell_, v);
        int cx = 0, cy = 0, x0 = v[0].x, x1 = v[0].x, y0 = v[0].y, y1 = v[0].y;
        for (int k = 0; k < n; ++k) {
            cx += v[k].x;
            cy += v[k].y;
            x0 = std::min(x0, v[k].x), x1 = std::max(x1, v[k].x);
            y0 = std::min(y0, v[k].y), y1 = std::max(y1, v[k].y);
        }
        cx /= n, cy /= n;
        std::optional<Point> best;
        long bestDistance = std::numeric_limits<long>::max();
        for (int y = y0 + 2; y <= y1 - 2; ++y) {
            for (int x = x0 + 2; x <= x1 - 2; ++x) {
                if (x < 0 || y < 0 || hand_.HitTestPiece(x, y, tan) != grip) {
                    continue;
                }
                // Stay clear of the edges, so a pixel more or less changes nothing.
                bool solid = true;
                for (int d : {-2, 2}) {
                    solid = solid && hand_.HitTestPiece(x + d, y, tan) == grip &&
                            hand_.HitTestPiece(x, y + d, tan) == grip;
                }
                for (int above = tan + 1; above <= TanCount && solid; ++above) {
                    solid = hand_.HitTestPiece(x, y, above) == 0;
                }
                const long distance = long(x - cx) * (x - cx) + long(y - cy) * (y - cy);
                if (solid && distance < bestDistance) {
                    best = Point{x, y};
                    bestDistance = distance;
                }
            }
        }
        return best;
    }

    // A cell middle that lies in no Tan: a press there puts the held Tan down.
    Point FindFreeSpot() const {
        for (int row = 1; row < BoardRows - 1; ++row) {
            for (int col = 1; col < BoardCols - 1; ++col) {
                const int x = col * cell_ + cell_ / 2, y = row * cell_ + cell_ / 2;
                bool free = true;
                for (int tan = 1; tan <= TanCount && free; ++tan) {
                    for (int dx = -cell_; dx <= cell_ && free; dx += cell_) {
                        for (int dy = -cell_; dy <= cell_ && free; dy += cell_) {
                            free = hand_.HitTestPiece(x + dx, y + dy, tan) == 0;
                        }
                    }
                }
                if (free) {
                    return {x, y};
                }
            }
        }
        Fail("no free spot on the board", 0);
    }

    void Lay(int tan, PieceState target) {
        // Carry it to its place by the move grip.
        const std::optional<Point> grip = FindGrip(tan, 1);
        if (!grip) {
            Fail("no move grip", tan);
        }
        const PieceState from = board_.Piece[tan];
        const Point to{grip->x + (target.col - from.col) * cell_,
                       grip->y + (target.row - from.row) * cell_};
        hand_.boxMouseDown(MouseButton::Left, grip->x, grip->y);
        if (board_.SelectedPiece != tan || hand_.GripMode != 1) {
            Fail("pick-up", tan);
        }
        hand_.boxMouseMove(true, to.x, to.y);
        if (board_.Piece[tan].col != target.col || board_.Piece[tan].row != target.row) {
            Fail("move", tan);
        }
        std::printf("drag %d %d %d %d\n", grip->x, grip->y, to.x, to.y);

        // The rhomboid may need its mirror image first.
        if (board_.Piece[tan].orient / 16 != target.orient / 16) {
            hand_.boxMouseDown(MouseButton::Right, to.x, to.y);
            if (board_.Piece[tan].orient / 16 != target.orient / 16) {
                Fail("flip", tan);
            }
            std::printf("press 3 %d %d\n", to.x, to.y);
        }

        // Then turn it about its reference point by the turn grip.
        if (board_.Piece[tan].orient != target.orient) {
            const std::optional<Point> corner = FindGrip(tan, 2);
            if (!corner) {
                Fail("no turn grip", tan);
            }
            hand_.boxMouseDown(MouseButton::Left, corner->x, corner->y);
            if (hand_.GripMode != 2) {
                Fail("turn grip", tan);
            }
            const int step = ((hand_.TurnRef - target.orient % 16) % 16 + 16) % 16;
            const long double angle = step * std::numbers::pi_v<long double> / 8;
            const long double radius = 15.0L * cell_;
            const Point turnTo{
                board_.Piece[tan].col * cell_ + int(std::lround(radius * std::cos(angle))),
                board_.Piece[tan].row * cell_ - int(std::lround(radius * std::sin(angle)))};
            hand_.boxMouseMove(true, turnTo.x, turnTo.y);
            if (board_.Piece[tan].orient != target.orient) {
                Fail("turn", tan);
            }
            std::printf("drag %d %d %d %d\n", corner->x, corner->y, turnTo.x, turnTo.y);
        }

        const Point drop = FindFreeSpot();
        hand_.boxMouseDown(MouseButton::Left, drop.x, drop.y);
        if (board_.SelectedPiece != 0) {
            Fail("put-down", tan);
        }
        std::printf("press 1 %d %d\n", drop.x, drop.y);
    }

    bool Solved() const { return view_.solved && board_.BoardState == 1; }

private:
    int cell_;
    SilentView view_;
    StillClock clock_;
    Hand hand_;
    Board& board_;
    GameData& game_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <catalogue> <cell size>\n", argv[0]);
        return 2;
    }
    GameData game;
    Board board;
    if (LoadCatalogueFile(argv[1], game) != CatalogueResult::Ok) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const int cell = std::atoi(argv[2]);
    if (cell < 1) {
        std::fprintf(stderr, "bad cell size %s\n", argv[2]);
        return 2;
    }
    game.CurrentPuzzle = 1;
    SetUpPuzzle(game, board);
    Planner planner(game, board, cell);
    for (int tan = 1; tan <= TanCount; ++tan) {
        planner.Lay(tan, game.PuzzleTable[1][tan - 1]);
    }
    if (!planner.Solved()) {
        std::fprintf(stderr, "the plan does not solve the puzzle\n");
        return 1;
    }
    for (int tan = 1; tan <= TanCount; ++tan) {
        std::array<Pixel, 4> v{};
        const int n = PiecePolygon(tan, board.Piece[tan], cell, cell, v);
        int x = 0, y = 0;
        for (int k = 0; k < n; ++k) {
            x += v[k].x;
            y += v[k].y;
        }
        std::printf("green %d %d\n", x / n, y / n);
    }
    return 0;
}
