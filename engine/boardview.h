// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// What the rules ask of the screen: the colours, the interface the main window
// implements to draw the board and play the sounds, and each Tan's outline in
// pixels, which every picture of a Tan is drawn from.
#pragma once

#include <array>
#include <cstdint>

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

struct Pixel {
    int x;
    int y;
};

// The pixel vertices of a Tan at `state` for the given cell size (one pixel
// per cell in thumbnails, two in the pattern window). Returns the vertex count.
int PiecePolygon(int tan, PieceState state, int cellWidth, int cellHeight,
                 std::array<Pixel, 4>& out);

}  // namespace tangram
