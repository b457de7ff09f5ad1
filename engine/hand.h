// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The player's hand on the board: picking, moving, turning, flipping and putting
// down Tans, and the hint flash. It draws and plays sounds only through
// BoardView, which the main window implements and tests fake.
#pragma once

#include <array>
#include <cstdint>

#include "data.h"
#include "raster.h"

namespace tangram {

// 24-bit colours in 0x00BBGGRR order.
enum class Colour : uint32_t {
    Black = 0x000000,
    Grey = 0x7F7F7F,
    Silver = 0xC0C0C0,
    Green = 0x00FF00,
    Yellow = 0x00FFFF,
};

enum class MouseButton { Left, Right, Middle };

// The board's cursor: the hand pointer, or one of the two drag cursors.
enum class BoardCursor { Hand = 0, Turn = 1, Move = 2 };

class BoardView {
public:
    virtual ~BoardView() = default;
    // Straight onto the board's canvas, without a repaint.
    virtual void DrawPieceFilled(int tan, Colour fill, Colour pen) = 0;
    virtual void DrawPieceOutline(int tan, Colour pen, bool xorMode) = 0;
    // DrawPieceFilled for Tans 1..7 in order, skipping the held Tan.
    virtual void DrawPieces(Colour fill, Colour pen) = 0;
    virtual void PlayEffect(int effect) = 0;
    virtual void SetBoardCursor(BoardCursor cursor) = 0;
    // The end of the solved sequence: the "won" message, then the pattern
    // window's repaint.
    virtual void ShowSolved() = 0;
    // Brings everything drawn so far to the screen at once (the hint flash
    // holds the event loop, so it cannot wait for a paint event).
    virtual void FlushBoard() = 0;
};

// A 32-bit millisecond tick counter that wraps around.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual uint32_t Ticks() = 0;
    // Called between two readings of a busy wait; the real clock sleeps briefly.
    virtual void Pause() {}
};

// Milliseconds of the steady clock, truncated to 32 bits.
class SteadyTickClock final : public TickClock {
public:
    uint32_t Ticks() override;
    void Pause() override;
};

// Angle of the screen vector (dx, dy) (dy positive downwards), counter-clockwise
// from the right, in [0, 2*pi).
long double VectorAngle(long double dy, long double dx);

// Returns once more than `ms` ticks have passed, without handling any events.
void WaitMs(uint32_t ms, TickClock& clock);

struct Pixel {
    int x;
    int y;
};

// The pixel vertices of a Tan at `state` for the given cell size (one pixel
// per cell in thumbnails, two in the pattern window). Returns the vertex count.
int PiecePolygon(int tan, PieceState state, int cellWidth, int cellHeight,
                 std::array<Pixel, 4>& out);

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
