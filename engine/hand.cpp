// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "hand.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tangdata.h"

namespace tangram {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double HalfPi = Pi / 2;
constexpr long double ThreeHalvesPi = 3 * Pi / 2;
constexpr long double TwoPi = 2 * Pi;

constexpr int LastCol = BoardCols - 1;
constexpr int LastRow = BoardRows - 1;

// The angle of the mouse seen from a Tan's reference point, in turn steps
// rounded to the nearest step (ties to even, the default rounding mode).
int TurnStep(long double angle) {
    return static_cast<int>(std::lrint(angle * 8 / Pi));
}

// How far a pixel lies from a cell's corner along one axis, formed in 64 bits
// so that no pixel position or cell size can overflow it.
long double PixelsFrom(int pixel, int cell, int cellSize) {
    return static_cast<long double>(pixel - int64_t{cell} * cellSize);
}

// Mirror image of the rhomboid about the vertical line through its reference
// point, kept within 0..31.
uint8_t FlippedOrientation(int o) {
    if (o == 0 || o == 8) {
        return 16;
    }
    if (o == 16 || o == 24) {
        return 0;
    }
    return static_cast<uint8_t>(32 - o);
}

}  // namespace

long double VectorAngle(long double dy, long double dx) {
    const long double y = 0.0L - dy;  // up counts positive; 0 - 0 is +0
    if (dx == 0) {
        return y >= 0 ? HalfPi : ThreeHalvesPi;
    }
    if (dx > 0) {
        return y >= 0 ? std::atan(y / dx) : TwoPi - std::atan(-y / dx);
    }
    return y >= 0 ? Pi - std::atan(y / -dx) : Pi + std::atan(y / dx);
}

Hand::Hand(Board& board, GameData& game, BoardView& view, TickClock& clock)
    : board_(board), game_(game), view_(view), clock_(clock) {}

int Hand::HitTestPiece(int x, int y, int tan) const {
    if (tan < 1 || tan > TanCount) {
        return 0;
    }
    const PieceState& piece = board_.Piece[tan];
    const int shape = PieceShape[tan];
    const int o = OrientIndex(piece.orient);
    const auto& vx = VertexX[shape];
    const auto& vy = VertexY[shape];

    // The point is inside when it lies within the corner wedges at two vertices:
    // for a triangle two of its corners, for a quadrilateral two opposite ones.
    struct Wedge {
        int apex, first, second;
    };
    static constexpr std::array<Wedge, 2> TriangleWedges{{{0, 1, 2}, {1, 2, 0}}};
    static constexpr std::array<Wedge, 2> QuadWedges{{{0, 1, 3}, {2, 3, 1}}};
    const auto& wedges = ShapeVertexCount[shape] == 3 ? TriangleWedges : QuadWedges;
    for (const Wedge& w : wedges) {
        const int ax = vx[w.apex][o];
        const int ay = vy[w.apex][o];
        const long double a1 = VectorAngle(vy[w.first][o] - ay, vx[w.first][o] - ax);
        long double a2 = VectorAngle(vy[w.second][o] - ay, vx[w.second][o] - ax);
        long double a3 = VectorAngle(PixelsFrom(y, piece.row + ay, CellHeight),
                                     PixelsFrom(x, piece.col + ax, CellWidth));
        if (a1 > a2) {
            a2 += TwoPi;
        }
        if (a1 > a3) {
            a3 += TwoPi;
        }
        if (a2 < a3) {
            return 0;
        }
    }

    // Near the reference point the Tan is gripped for moving, farther out for
    // turning. The radius is scaled by the cell width alone.
    const int64_t ddx = int64_t{piece.col} * CellWidth - x;
    const int64_t ddy = int64_t{piece.row} * CellHeight - y;
    const int64_t radius = int64_t{GripRadius[shape]} * CellWidth;
    return radius > 0 && ddx * ddx + ddy * ddy < radius * radius ? 1 : 2;
}

void Hand::PickPiece(int x, int y) {
    // Tans are drawn 1 to 7, so where two contain the point the higher one lies
    // on top and is the one the player means.
    board_.SelectedPiece = 0;
    for (int tan = 1; tan <= TanCount; ++tan) {
        if (HitTestPiece(x, y, tan) > 0) {
            board_.SelectedPiece = static_cast<uint8_t>(tan);
        }
    }
    const int tan = board_.SelectedPiece;
    if (tan == 0) {
        return;
    }
    view_.PlayEffect(1);
    board_.UnstampPiece(tan);
    view_.DrawPieceFilled(tan, Colour::Silver, Colour::Silver);
    view_.DrawPieces(Colour::Black, Colour::Grey);  // mends the neighbours the wipe touched
    view_.DrawPieceOutline(tan, Colour::Yellow, true);
}

void Hand::Grip(int cx, int cy, int x, int y) {
    const int tan = board_.SelectedPiece;
    const PieceState& piece = board_.Piece[tan];
    GripMode = static_cast<uint8_t>(HitTestPiece(x, y, tan));
    if (GripMode == 1) {
        GrabCol = piece.col - cx;
        GrabRow = piece.row - cy;
    } else if (GripMode == 2) {
        TurnRef = TurnStep(VectorAngle(PixelsFrom(y, piece.row, CellHeight),
                                       PixelsFrom(x, piece.col, CellWidth))) +
                  OrientIndex(piece.orient);
    }
}

void Hand::MoveSelectedPiece(int col, int row) {
    const int tan = board_.SelectedPiece;
    if (tan == 0) {
        return;
    }
    PieceState& piece = board_.Piece[tan];
    if (!board_.PieceFitsBoard(tan, col, row, piece.orient)) {
        return;  // the Tan stays at the last place that fitted
    }
    if (col == piece.col && row == piece.row) {
        return;
    }
    view_.PlayEffect(4);
    view_.DrawPieceOutline(tan, Colour::Yellow, true);
    piece.col = static_cast<uint8_t>(col);
    piece.row = static_cast<uint8_t>(row);
    view_.DrawPieceOutline(tan, Colour::Yellow, true);
}

void Hand::RunSolvedSequence() {
    board_.BoardState = 1;
    view_.DrawPieces(Colour::Green, Colour::Grey);
    MarkSolved(game_);
    view_.PlayEffect(5);
    view_.ShowSolved();
}

void Hand::boxMouseDown(MouseButton button, int x, int y) {
    // A window too small for one pixel per cell has no board to play on.
    if (CellWidth <= 0 || CellHeight <= 0 || board_.BoardState == 1) {
        return;
    }
    if (button == MouseButton::Right) {
        // Only the rhomboid has a distinct mirror image; where the press lands
        // does not matter, and the grip stays as it was.
        if (board_.SelectedPiece != 7) {
            return;
        }
        PieceState& piece = board_.Piece[7];
        const uint8_t flipped = FlippedOrientation(OrientIndex(piece.orient));
        if (board_.PieceFitsBoard(7, piece.col, piece.row, flipped)) {
            view_.DrawPieceOutline(7, Colour::Yellow, true);
            piece.orient = flipped;
            view_.DrawPieceOutline(7, Colour::Yellow, true);
        }
        return;
    }

    const int cx = x / CellWidth;
    const int cy = y / CellHeight;
    GrabCol = 0;
    GrabRow = 0;
    if (cx < 0 || cx > LastCol || cy < 0 || cy > LastRow) {
        return;
    }
    if (const int held = board_.SelectedPiece; held != 0) {
        Grip(cx, cy, x, y);
        if (GripMode == 0) {
            // A press outside the held Tan puts it down, if it overlaps no other
            // Tan beyond the cells that two Tans may share.
            const PieceState& piece = board_.Piece[held];
            if (board_.PieceFitsFree(held, piece.col, piece.row, piece.orient)) {
                view_.PlayEffect(2);
                board_.StampPiece(held);
                view_.DrawPieceFilled(held, Colour::Black, Colour::Grey);
                board_.SelectedPiece = 0;
                if (board_.BoardState == 0 && board_.CheckSolution()) {
                    RunSolvedSequence();
                }
            } else {
                view_.PlayEffect(6);  // still held, without grip
            }
        }
    }
    // A press inside the held Tan only grips it anew, and a refused put-down
    // goes no further; an accepted one may pick up the Tan under the press.
    if (board_.BoardState == 1 || board_.SelectedPiece != 0) {
        return;
    }
    PickPiece(x, y);
    if (board_.SelectedPiece != 0) {
        Grip(cx, cy, x, y);
    }
}

void Hand::boxMouseMove(bool leftButtonDown, int x, int y) {
    const int tan = board_.SelectedPiece;
    if (CellWidth <= 0 || CellHeight <= 0 || tan == 0) {
        return;
    }
    static constexpr std::array<BoardCursor, 3> GripCursor{BoardCursor::Hand, BoardCursor::Move,
                                                           BoardCursor::Turn};
    view_.SetBoardCursor(GripCursor[HitTestPiece(x, y, tan)]);
    if (!leftButtonDown) {
        return;
    }
    const int cx = x / CellWidth;
    const int cy = y / CellHeight;
    if (GripMode == 1) {
        MoveSelectedPiece(cx + GrabCol, cy + GrabRow);
    } else if (GripMode == 2) {
        // The new orientation follows from the grip and the present mouse angle
        // alone, so a fast mouse jumps several steps at once; a mirrored
        // rhomboid stays mirrored.
        PieceState& piece = board_.Piece[tan];
        const int o = OrientIndex(piece.orient);
        const int half = o / TurnSteps;
        const int step = TurnStep(
            VectorAngle(PixelsFrom(y, piece.row, CellHeight), PixelsFrom(x, piece.col, CellWidth)));
        const int n = TurnStepIndex(int64_t{TurnRef} - step) + TurnSteps * half;
        if (n != o && board_.PieceFitsBoard(tan, piece.col, piece.row, n)) {
            view_.PlayEffect(3);
            view_.DrawPieceOutline(tan, Colour::Yellow, true);
            piece.orient = static_cast<uint8_t>(n);
            view_.DrawPieceOutline(tan, Colour::Yellow, true);
        }
    }
}

void Hand::TipBtnMouseDown() {
    const int held = board_.SelectedPiece;
    if (held != 0) {
        view_.DrawPieceOutline(held, Colour::Yellow, true);
    }
    const auto saved = board_.Piece;
    // A held Tan is not on the raster; unstamping it here and stamping it back
    // below cancel out cell by cell, so the raster ends exactly as it was.
    for (int tan = 1; tan <= TanCount; ++tan) {
        board_.UnstampPiece(tan);
    }
    view_.DrawPieces(Colour::Silver, Colour::Silver);
    const Layout& solution = IsPuzzle(game_, game_.CurrentPuzzle)
                                 ? game_.PuzzleTable[game_.CurrentPuzzle]
                                 : game_.CurrentSolution;
    for (int tan = 1; tan <= TanCount; ++tan) {
        board_.Piece[tan] = solution[tan - 1];
        board_.StampPiece(tan);
    }
    view_.DrawPieces(Colour::Silver, Colour::Grey);
    view_.FlushBoard();  // the event loop is held, so the flash must be pushed out
    WaitMs(100, clock_);

    for (int tan = 1; tan <= TanCount; ++tan) {
        board_.UnstampPiece(tan);
    }
    view_.DrawPieces(Colour::Silver, Colour::Silver);
    board_.Piece = saved;
    for (int tan = 1; tan <= TanCount; ++tan) {
        board_.StampPiece(tan);
    }
    view_.DrawPieces(Colour::Black, Colour::Grey);
    if (held != 0) {
        view_.DrawPieceOutline(held, Colour::Yellow, true);
    }
    view_.FlushBoard();
    WaitMs(900, clock_);
}

}  // namespace tangram
