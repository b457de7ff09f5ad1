// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "raster.h"

#include <algorithm>

#include "tangdata.h"

namespace tangram {

namespace {

constexpr int StampOrigin = 7;  // cell (i, j) of a stamp image sits at (i + 7, j + 7)
constexpr int LastCol = BoardCols - 1;
constexpr int LastRow = BoardRows - 1;

// A stamp number out of range wraps around, as an orientation does, instead
// of reading past the end of a table.
int StampIndex(int stamp) {
    return stamp & (StampCount - 1);
}
bool IsTan(int tan) {
    return tan >= 1 && tan <= TanCount;
}

// Positions this far off cannot touch the board; refusing them first keeps
// every sum of a position and an offset within an int.
constexpr int Far = 1 << 20;
bool Near(int col, int row) {
    return col >= -Far && col <= Far && row >= -Far && row <= Far;
}

// The board cells a stamp at (col, row) reaches, cut to the board. Empty when
// the stamp lies wholly off the board.
struct CellSpan {
    int firstCol;
    int lastCol;
    int firstRow;
    int lastRow;
    bool Empty() const { return firstCol > lastCol || firstRow > lastRow; }
};

CellSpan ClippedSpan(int col, int row, int stamp) {
    const StampBounds& box = StampBox[stamp];
    if (!Near(col, row)) {
        return {0, -1, 0, -1};
    }
    return {std::max(col + box.minCol, 0), std::min(col + box.maxCol, LastCol),
            std::max(row + box.minRow, 0), std::min(row + box.maxRow, LastRow)};
}

// Calls cell(boardByte, stampByte) for every board cell of the stamp's box that
// lies on the board. Both rasters and stamp images are stored column by
// column, so the inner loop runs along contiguous bytes.
template <typename RasterBytes, typename CellOp>
void ForEachCell(RasterBytes& raster, int col, int row, int stamp, CellOp cell) {
    const int s = StampIndex(stamp);
    const CellSpan span = ClippedSpan(col, row, s);
    if (span.Empty()) {
        return;
    }
    for (int c = span.firstCol; c <= span.lastCol; ++c) {
        const auto& image = StampImage[s][c - col + StampOrigin];
        auto* cells = raster.data() + CellIndex(c, 0);
        for (int r = span.firstRow; r <= span.lastRow; ++r) {
            cell(cells[r], image[r - row + StampOrigin]);
        }
    }
}

bool ColumnEmpty(const uint8_t* column) {
    uint8_t any = 0;
    for (int r = 0; r < BoardRows; ++r) {
        any |= column[r];
    }
    return any == 0;
}

// The first covered cell in reading order: rows top to bottom, within a row
// columns left to right.
bool FirstCovered(const Raster& raster, int& col, int& row) {
    int bestRow = BoardRows;
    int bestCol = 0;
    for (int c = 0; c < BoardCols && bestRow > 0; ++c) {
        const uint8_t* column = raster.data() + CellIndex(c, 0);
        if (ColumnEmpty(column)) {
            continue;
        }
        // Only a cell above the best so far can be earlier in reading order.
        for (int r = 0; r < bestRow; ++r) {
            if (column[r] != 0) {
                bestRow = r;
                bestCol = c;
                break;
            }
        }
    }
    if (bestRow == BoardRows) {
        return false;
    }
    col = bestCol;
    row = bestRow;
    return true;
}

// A Tan is drawn as a few stamps. Calls test(col, row, stamp) for each stamp of
// the Tan with its reference point at (col, row) and stops at the first that
// fails; true when none failed.
template <typename StampTest>
bool AllStamps(int tan, int col, int row, int orient, StampTest test) {
    const int shape = PieceShape[tan];
    const int o = OrientIndex(orient);
    for (int k = 0; k < ShapeStampCount[shape]; ++k) {
        const SubStamp& s = SubStamps[shape][k][o];
        if (!test(col + s.col, row + s.row, s.stamp)) {
            return false;
        }
    }
    return true;
}

template <typename StampOp>
void ForEachStamp(int tan, const PieceState& p, StampOp op) {
    AllStamps(tan, p.col, p.row, p.orient, [&op](int col, int row, int stamp) {
        op(col, row, stamp);
        return true;
    });
}

// Laying a Tan adds its cell codes to the raster, taking it up subtracts them.
constexpr auto AddCode = [](uint8_t& cell, uint8_t code) {
    cell = static_cast<uint8_t>(cell + code);
};
constexpr auto SubtractCode = [](uint8_t& cell, uint8_t code) {
    cell = static_cast<uint8_t>(cell - code);
};

}  // namespace

void Board::StampCells(int col, int row, int stamp) {
    ForEachCell(BoardRaster, col, row, stamp, AddCode);
}

void Board::UnstampCells(int col, int row, int stamp) {
    ForEachCell(BoardRaster, col, row, stamp, SubtractCode);
}

void Board::StampTargetCells(int col, int row, int stamp) {
    ForEachCell(TargetRaster, col, row, stamp, AddCode);
}

bool Board::CellsFitBoard(int col, int row, int stamp) const {
    const StampBounds& box = StampBox[StampIndex(stamp)];
    return Near(col, row) && col + box.minCol >= 0 && row + box.minRow >= 0 &&
           col + box.maxCol <= LastCol && row + box.maxRow <= LastRow;
}

bool Board::CellsFitFree(int col, int row, int stamp) const {
    if (!CellsFitBoard(col, row, stamp)) {
        return false;
    }
    // Two Tans may meet inside a cell only where the sharing table allows the
    // partial cell already there to receive the new one.
    bool fits = true;
    ForEachCell(BoardRaster, col, row, stamp, [&fits](uint8_t existing, uint8_t added) {
        // Most cells of a box are empty on one side; only touching edges ask
        // the table.
        if ((existing != EmptyCell) & (added != EmptyCell)) {
            fits = fits && MayShare(existing, added);
        }
    });
    return fits;
}

void Board::StampPiece(int tan) {
    if (!IsTan(tan)) {
        return;
    }
    ForEachStamp(tan, Piece[tan],
                 [this](int col, int row, int stamp) { StampCells(col, row, stamp); });
}

void Board::UnstampPiece(int tan) {
    if (!IsTan(tan)) {
        return;
    }
    ForEachStamp(tan, Piece[tan],
                 [this](int col, int row, int stamp) { UnstampCells(col, row, stamp); });
}

bool Board::PieceFitsBoard(int tan, int col, int row, int orient) const {
    return IsTan(tan) && Near(col, row) &&
           AllStamps(tan, col, row, orient,
                     [this](int c, int r, int stamp) { return CellsFitBoard(c, r, stamp); });
}

bool Board::PieceFitsFree(int tan, int col, int row, int orient) const {
    return IsTan(tan) && Near(col, row) &&
           AllStamps(tan, col, row, orient,
                     [this](int c, int r, int stamp) { return CellsFitFree(c, r, stamp); });
}

void Board::BuildTarget(const Layout& solution) {
    BoardRaster.fill(EmptyCell);
    TargetRaster.fill(EmptyCell);
    for (int tan = 1; tan <= TanCount; ++tan) {
        ForEachStamp(tan, solution[tan - 1],
                     [this](int col, int row, int stamp) { StampTargetCells(col, row, stamp); });
    }
    TargetFirstCol = 0;
    TargetFirstRow = 0;
    FirstCovered(TargetRaster, TargetFirstCol, TargetFirstRow);
}

bool Board::CheckSolution() const {
    // The figure may be built anywhere on the board: it is compared with the
    // target after moving its first covered cell onto the target's.
    int firstCol = 0;
    int firstRow = 0;
    if (!FirstCovered(BoardRaster, firstCol, firstRow)) {
        return false;
    }
    const int dc = TargetFirstCol - firstCol;
    const int dr = TargetFirstRow - firstRow;
    // Board rows whose shifted row lies on the target raster.
    const int rowLo = std::max(0, -dr);
    const int rowHi = std::min(BoardRows, BoardRows - dr);
    for (int c = 0; c < BoardCols; ++c) {
        const uint8_t* board = BoardRaster.data() + CellIndex(c, 0);
        if (ColumnEmpty(board)) {
            continue;
        }
        const int tc = c + dc;
        if (tc < 0 || tc > LastCol || rowLo >= rowHi) {
            return false;
        }
        const uint8_t* target = TargetRaster.data() + CellIndex(tc, 0);
        // Covered board cells shifted off the target raster fail; within it each
        // covered cell must equal its target cell. Target cells under empty
        // board cells are not examined.
        uint8_t outside = 0;
        for (int r = 0; r < rowLo; ++r) {
            outside |= board[r];
        }
        for (int r = rowHi; r < BoardRows; ++r) {
            outside |= board[r];
        }
        // Branch-free, so that the compiler can compare many cells at once.
        uint8_t differs = 0;
        for (int r = rowLo; r < rowHi; ++r) {
            differs |= static_cast<uint8_t>((board[r] != 0) & (board[r] != target[r + dr]));
        }
        if (outside != 0 || differs != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace tangram
