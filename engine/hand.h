// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The player's hand on the board: picking, moving, turning, flipping and putting
// down Tans, and the hint flash. It draws and plays sounds only through
// BoardView, which the main window implements and tests fake.
#pragma once

#include <cstdint>

#include "boardview.h"
#include "clock.h"
#include "data.h"
#include "raster.h"

namespace tangram {

enum class MouseButton { Left, Right, Middle };

// Angle of the screen vector (dx, dy) (dy positive downwards), counter-clockwise
// from the right, in [0, 2*pi).
long double VectorAngle(long double dy, long double dx);

class Hand {
public:
    Hand(Board& board, GameData& game, BoardView& view, TickClock& clock);

    // Pixel size of one cell; while it is 0 the board ignores the mouse.
    int CellWidth = 0;
    int CellHeight = 0;
    int GrabCol = 0;
    int GrabRow = 0;
    int TurnRef = 0;
    uint8_t GripMode = 0;  // 0 none, 1 move, 2 turn

    // 0 outside the Tan, 1 inside in the move grip, 2 inside in the turn grip.
    int HitTestPiece(int x, int y, int tan) const;
    void PickPiece(int x, int y);
    void MoveSelectedPiece(int col, int row);
    void boxMouseDown(MouseButton button, int x, int y);
    void boxMouseMove(bool leftButtonDown, int x, int y);
    void TipBtnMouseDown();

private:
    void Grip(int cx, int cy, int x, int y);
    void RunSolvedSequence();

    Board& board_;
    GameData& game_;
    BoardView& view_;
    TickClock& clock_;
};

}  // namespace tangram
