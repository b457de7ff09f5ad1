// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The board raster, on which the Tans lie as the player laid them, and the
// target raster holding the current puzzle's silhouette.
#pragma once

#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int BoardCols = 121;
inline constexpr int BoardRows = 81;
inline constexpr int BoardCells = BoardCols * BoardRows;

// Column, row and orientation of a Tan's reference point; three bytes, the same
// as a triple of a catalogue record.
struct PieceState {
    uint8_t col = 0;
    uint8_t row = 0;
    uint8_t orient = 0;
    friend bool operator==(const PieceState&, const PieceState&) = default;
};
static_assert(sizeof(PieceState) == 3);

// Seven piece states for Tans 1..7 at indices 0..6: a puzzle's solution or a
// start layout.
using Layout = std::array<PieceState, 7>;

// Cells are stored column by column.
using Raster = std::array<uint8_t, BoardCells>;
constexpr int CellIndex(int col, int row) { return col * BoardRows + row; }

// Table lookups take the orientation modulo 32, so a damaged orientation byte
// can never read outside a table. Cells outside the board are never written.
struct Board {
    Raster BoardRaster{};
    Raster TargetRaster{};
    std::array<PieceState, 8> Piece{};  // Tans 1..7; index 0 unused
    uint8_t SelectedPiece = 0;          // 0 none, else the held Tan
    uint8_t BoardState = 0;             // 0 playing, 1 solved
    int TargetFirstCol = 0;
    int TargetFirstRow = 0;

    void StampCells(int col, int row, int stamp);
    void UnstampCells(int col, int row, int stamp);
    void StampTargetCells(int col, int row, int stamp);
    bool CellsFitBoard(int col, int row, int stamp) const;
    bool CellsFitFree(int col, int row, int stamp) const;

    void StampPiece(int tan);
    void UnstampPiece(int tan);
    bool PieceFitsBoard(int tan, int col, int row, int orient) const;
    bool PieceFitsFree(int tan, int col, int row, int orient) const;

    // Clears both rasters, stamps the solution into the target raster and finds
    // its first covered cell (rows top to bottom, columns left to right).
    void BuildTarget(const Layout& solution);
    // True when the board raster equals the target raster shifted so that their
    // first covered cells coincide.
    bool CheckSolution() const;
};

}  // namespace tangram
