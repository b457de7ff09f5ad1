// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Stamping, the bounds and sharing tests and the solution check on the board
// rasters, with the classic square (side 28) as the worked figure.
#include "raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <random>

#include "tangdata.h"

namespace tangram {
namespace {

// The classic square: (column, row, orientation) of Tans 1..7.
constexpr Layout ClassicSquare{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};

// An irregular figure: the Tans lie apart, so turning or mirroring it changes
// its silhouette.
constexpr Layout Scattered{
    {{45, 30, 1}, {70, 28, 7}, {52, 50, 3}, {80, 45, 5}, {40, 55, 11}, {62, 40, 0}, {66, 58, 19}}};

Layout Shifted(Layout layout, int dc, int dr) {
    for (PieceState& p : layout) {
        p.col = static_cast<uint8_t>(p.col + dc);
        p.row = static_cast<uint8_t>(p.row + dr);
    }
    return layout;
}

void Lay(Board& board, const Layout& layout) {
    for (int tan = 1; tan <= TanCount; ++tan) {
        board.Piece[tan] = layout[tan - 1];
        board.StampPiece(tan);
    }
}

struct CellBox {
    int minCol = INT_MAX;
    int minRow = INT_MAX;
    int maxCol = INT_MIN;
    int maxRow = INT_MIN;
};

CellBox CoveredBox(const Raster& raster) {
    CellBox box;
    for (int c = 0; c < BoardCols; ++c) {
        for (int r = 0; r < BoardRows; ++r) {
            if (raster[CellIndex(c, r)] != 0) {
                box = {std::min(box.minCol, c), std::min(box.minRow, r), std::max(box.maxCol, c),
                       std::max(box.maxRow, r)};
            }
        }
    }
    return box;
}

// The cells a Tan covers reach from its outline's least coordinate to its
// greatest minus one.
CellBox OutlineCells(int shape, int orient) {
    CellBox box;
    for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
        const int x = VertexX[shape][v][orient];
        const int y = VertexY[shape][v][orient];
        box = {std::min(box.minCol, x), std::min(box.minRow, y), std::max(box.maxCol, x - 1),
               std::max(box.maxRow, y - 1)};
    }
    return box;
}

std::unique_ptr<Board> NewBoard() {
    return std::make_unique<Board>();
}

// ---- Stamping ----

TEST(RasterStampTest, UnstampUndoesStampEvenPastByteOverflow) {
    auto board = NewBoard();
    std::mt19937 random(7);
    for (uint8_t& cell : board->BoardRaster) {
        cell = static_cast<uint8_t>(random());
    }
    const Raster before = board->BoardRaster;
    // The same Tan five times over one place: its full cells reach 5 * 64.
    board->Piece[4] = {60, 40, 3};
    for (int k = 0; k < 5; ++k) {
        board->StampPiece(4);
    }
    EXPECT_NE(board->BoardRaster, before);
    Lay(*board, ClassicSquare);
    for (int tan = 1; tan <= TanCount; ++tan) {
        board->UnstampPiece(tan);
    }
    board->Piece[4] = {60, 40, 3};
    for (int k = 0; k < 5; ++k) {
        board->UnstampPiece(4);
    }
    EXPECT_EQ(board->BoardRaster, before);
    EXPECT_EQ(board->TargetRaster, Raster{});
}

TEST(RasterStampTest, StampedTanCoversItsOutlineCellsOnly) {
    for (int tan = 1; tan <= TanCount; ++tan) {
        for (int o = 0; o < OrientationCount; o += 3) {
            auto board = NewBoard();
            board->Piece[tan] = {60, 40, static_cast<uint8_t>(o)};
            board->StampPiece(tan);
            const CellBox want = OutlineCells(PieceShape[tan], o);
            const CellBox got = CoveredBox(board->BoardRaster);
            EXPECT_EQ(got.minCol, 60 + want.minCol) << "Tan " << tan << " orientation " << o;
            EXPECT_EQ(got.maxCol, 60 + want.maxCol) << "Tan " << tan << " orientation " << o;
            EXPECT_EQ(got.minRow, 40 + want.minRow) << "Tan " << tan << " orientation " << o;
            EXPECT_EQ(got.maxRow, 40 + want.maxRow) << "Tan " << tan << " orientation " << o;
        }
    }
}

// ---- Bounds ----

TEST(RasterBoundsTest, TanFitsUpToTheLastColumnAndRowAndNoFurther) {
    auto board = NewBoard();
    for (int tan = 1; tan <= TanCount; ++tan) {
        for (int o = 0; o < OrientationCount; ++o) {
            const CellBox cells = OutlineCells(PieceShape[tan], o);
            const int leftmost =
                -cells.minCol;  // reference column at which the Tan touches column 0
            const int rightmost = BoardCols - 1 - cells.maxCol;
            const int topmost = -cells.minRow;
            const int lowest = BoardRows - 1 - cells.maxRow;
            const int midCol = 60;
            const int midRow = 40;
            EXPECT_TRUE(board->PieceFitsBoard(tan, rightmost, midRow, o)) << tan << "/" << o;
            EXPECT_FALSE(board->PieceFitsBoard(tan, rightmost + 1, midRow, o)) << tan << "/" << o;
            EXPECT_TRUE(board->PieceFitsBoard(tan, midCol, lowest, o)) << tan << "/" << o;
            EXPECT_FALSE(board->PieceFitsBoard(tan, midCol, lowest + 1, o)) << tan << "/" << o;
            EXPECT_TRUE(board->PieceFitsBoard(tan, leftmost, topmost, o)) << tan << "/" << o;
            EXPECT_FALSE(board->PieceFitsBoard(tan, leftmost - 1, midRow, o)) << tan << "/" << o;
            EXPECT_FALSE(board->PieceFitsBoard(tan, midCol, topmost - 1, o)) << tan << "/" << o;
            // An empty board takes a Tan wherever it fits.
            EXPECT_TRUE(board->PieceFitsFree(tan, rightmost, lowest, o)) << tan << "/" << o;
            EXPECT_FALSE(board->PieceFitsFree(tan, rightmost + 1, lowest, o)) << tan << "/" << o;
        }
    }
}

TEST(RasterBoundsTest, DamagedStatesNeverReachOutsideTheRasters) {
    // Guard bytes around the board show writes outside it that stay inside the
    // object; the sanitizer build catches the rest.
    struct Guarded {
        std::array<uint8_t, 512> before{};
        Board board;
        std::array<uint8_t, 512> after{};
    };
    auto g = std::make_unique<Guarded>();
    Board& board = g->board;
    const PieceState damaged[] = {{250, 40, 3},  {60, 250, 7}, {255, 255, 40}, {0, 0, 200},
                                  {118, 78, 13}, {2, 3, 40},   {120, 80, 255}, {0, 80, 45}};
    for (int tan = 1; tan <= TanCount; ++tan) {
        for (const PieceState& p : damaged) {
            board.Piece[tan] = p;
            board.StampPiece(tan);
            EXPECT_FALSE(board.PieceFitsBoard(tan, p.col, p.row, p.orient));
            EXPECT_FALSE(board.PieceFitsFree(tan, p.col, p.row, p.orient));
            board.UnstampPiece(tan);
        }
    }
    EXPECT_EQ(board.BoardRaster, Raster{});
    EXPECT_EQ(board.TargetRaster, Raster{});
    // Far-off and negative positions, stamp numbers past the table.
    for (int far : {INT_MIN, -1000, -14, 130, 1000, INT_MAX}) {
        board.StampCells(far, 40, 3);
        board.StampCells(60, far, 19);
        board.StampTargetCells(far, far, -5);
        EXPECT_FALSE(board.CellsFitBoard(far, 40, 3));
        EXPECT_FALSE(board.CellsFitFree(60, far, 3));
        EXPECT_FALSE(board.PieceFitsBoard(4, far, 40, 0));
        EXPECT_FALSE(board.PieceFitsFree(4, 60, far, 0));
    }
    EXPECT_EQ(board.BoardRaster, Raster{});
    EXPECT_EQ(board.TargetRaster, Raster{});
    // A layout partly off the board still builds a target and checks.
    Layout offBoard = ClassicSquare;
    offBoard[3] = {125, 85, 40};
    board.BuildTarget(offBoard);
    Lay(board, offBoard);
    EXPECT_TRUE(board.CheckSolution());
    EXPECT_EQ(g->before, (std::array<uint8_t, 512>{}));
    EXPECT_EQ(g->after, (std::array<uint8_t, 512>{}));
    // Neither a Tan number outside 1..7 nor orientation 40 misbehaves.
    board.Piece[0] = {60, 40, 0};
    board.StampPiece(0);
    board.StampPiece(8);
    EXPECT_FALSE(board.PieceFitsBoard(0, 60, 40, 0));
    EXPECT_FALSE(board.PieceFitsFree(8, 60, 40, 0));
}

TEST(RasterBoundsTest, TanPartlyOffTheBoardStampsOnlyItsCellsOnTheBoard) {
    // Compared with the same Tan stamped in the middle of the board: a cell cut
    // off at one edge must not reappear at the other end of a column or row.
    const int places[][2] = {{2, 40}, {118, 40}, {60, 2}, {60, 78}, {1, 79}, {119, 1}};
    for (int tan = 1; tan <= TanCount; ++tan) {
        for (int o = 0; o < OrientationCount; o += 5) {
            auto middle = NewBoard();
            middle->Piece[tan] = {60, 40, static_cast<uint8_t>(o)};
            middle->StampPiece(tan);
            for (const auto& place : places) {
                auto edge = NewBoard();
                edge->Piece[tan] = {static_cast<uint8_t>(place[0]), static_cast<uint8_t>(place[1]),
                                    static_cast<uint8_t>(o)};
                edge->StampPiece(tan);
                for (int c = 0; c < BoardCols; ++c) {
                    for (int r = 0; r < BoardRows; ++r) {
                        const int mc = c - place[0] + 60;
                        const int mr = r - place[1] + 40;
                        const bool inMiddle =
                            mc >= 0 && mc < BoardCols && mr >= 0 && mr < BoardRows;
                        const int want = inMiddle ? middle->BoardRaster[CellIndex(mc, mr)] : 0;
                        ASSERT_EQ(edge->BoardRaster[CellIndex(c, r)], want)
                            << "Tan " << tan << " orientation " << o << " at " << place[0] << ","
                            << place[1] << ", cell " << c << "," << r;
                    }
                }
                edge->UnstampPiece(tan);
                EXPECT_EQ(edge->BoardRaster, Raster{});
            }
        }
    }
}

TEST(RasterBoundsTest, OrientationIsTakenModulo32) {
    auto a = NewBoard();
    auto b = NewBoard();
    for (int tan = 1; tan <= TanCount; ++tan) {
        a->Piece[tan] = {60, 40, 40};
        a->StampPiece(tan);
        b->Piece[tan] = {60, 40, 8};
        b->StampPiece(tan);
        EXPECT_EQ(a->PieceFitsBoard(tan, 114, 40, 40), a->PieceFitsBoard(tan, 114, 40, 8));
    }
    EXPECT_EQ(a->BoardRaster, b->BoardRaster);
}

// ---- Sharing between Tans ----

TEST(RasterShareTest, TansMeetAlongADiagonal) {
    auto board = NewBoard();
    // Two small triangles form the square at orientation 0 (29 + 35 on the seam).
    board->Piece[1] = {62, 42, 0};
    board->StampPiece(1);
    EXPECT_TRUE(board->PieceFitsFree(2, 58, 38, 8));
    board->Piece[2] = {58, 38, 8};
    board->StampPiece(2);
    for (int i = -5; i <= 4; ++i) {
        EXPECT_EQ(board->BoardRaster[CellIndex(60 + i, 39 - i)], FullCell) << "seam cell " << i;
    }
    // And at orientations 4 and 12 (34 + 30 on the seam).
    auto other = NewBoard();
    other->Piece[1] = {60, 40, 4};
    other->StampPiece(1);
    EXPECT_TRUE(other->PieceFitsFree(2, 64, 36, 12));
    other->Piece[2] = {64, 36, 12};
    other->StampPiece(2);
    for (int i = -3; i <= 6; ++i) {
        EXPECT_EQ(other->BoardRaster[CellIndex(60 + i, 40 + i - 4)], FullCell) << "seam cell " << i;
    }
    // A half cell pushed one cell into the other Tan meets full cells.
    board->UnstampPiece(2);
    EXPECT_FALSE(board->PieceFitsFree(2, 59, 38, 8));
    EXPECT_FALSE(board->PieceFitsFree(2, 58, 39, 8));
    EXPECT_FALSE(board->PieceFitsFree(1, 62, 42, 0));  // onto itself
}

TEST(RasterShareTest, SharingDependsOnWhichPartLiesThereFirst) {
    // A cell holding 9 accepts a stamp whose cell there is 41, not the reverse.
    int col41 = 0;
    int row41 = 0;
    int stamp41 = -1;
    int col9 = 0;
    int row9 = 0;
    int stamp9 = -1;
    for (int s = 0; s < StampCount; ++s) {
        for (int i = 0; i < 14; ++i) {
            for (int j = 0; j < 14; ++j) {
                if (StampImage[s][i][j] == 41 && stamp41 < 0) {
                    stamp41 = s, col41 = i - 7, row41 = j - 7;
                }
                if (StampImage[s][i][j] == 9 && stamp9 < 0) {
                    stamp9 = s, col9 = i - 7, row9 = j - 7;
                }
            }
        }
    }
    ASSERT_GE(stamp41, 0);
    ASSERT_GE(stamp9, 0);
    auto board = NewBoard();
    board->BoardRaster[CellIndex(60, 40)] = 9;
    EXPECT_TRUE(board->CellsFitFree(60 - col41, 40 - row41, stamp41));
    board->BoardRaster[CellIndex(60, 40)] = 41;
    EXPECT_FALSE(board->CellsFitFree(60 - col9, 40 - row9, stamp9));

    // Between whole Tans: a small triangle's acute corner against a large
    // triangle's edge is accepted when the large triangle lies there first,
    // refused the other way round.
    const PieceState large{60, 40, 1};
    const PieceState small{69, 43, 15};
    auto first = NewBoard();
    first->Piece[4] = large;
    first->StampPiece(4);
    EXPECT_TRUE(first->PieceFitsFree(1, small.col, small.row, small.orient));
    auto second = NewBoard();
    second->Piece[1] = small;
    second->StampPiece(1);
    EXPECT_FALSE(second->PieceFitsFree(4, large.col, large.row, large.orient));
}

TEST(RasterShareTest, ClassicSquareCanBeLaidTanByTan) {
    auto board = NewBoard();
    for (int tan = 1; tan <= TanCount; ++tan) {
        const PieceState p = ClassicSquare[tan - 1];
        EXPECT_TRUE(board->PieceFitsFree(tan, p.col, p.row, p.orient)) << "Tan " << tan;
        board->Piece[tan] = p;
        board->StampPiece(tan);
    }
    // The solution fills 28 x 28 cells' worth of whole cells and partial cells
    // that add up to full ones.
    for (uint8_t cell : board->BoardRaster) {
        EXPECT_TRUE(cell == EmptyCell || cell <= FullCell) << int{cell};
    }
}

// ---- Target and solution check ----

TEST(RasterSolutionTest, TargetStartsAtItsFirstCoveredCellInReadingOrder) {
    auto board = NewBoard();
    board->BoardRaster[0] = 5;
    board->BuildTarget(Scattered);
    EXPECT_EQ(board->BoardRaster, Raster{});
    const CellBox box = CoveredBox(board->TargetRaster);
    EXPECT_EQ(board->TargetFirstRow, box.minRow);
    for (int c = 0; c < board->TargetFirstCol; ++c) {
        EXPECT_EQ(board->TargetRaster[CellIndex(c, box.minRow)], 0);
    }
    EXPECT_NE(board->TargetRaster[CellIndex(board->TargetFirstCol, box.minRow)], 0);
    // An empty solution raster starts at (0, 0) and matches no board.
    board->BuildTarget(Layout{{{250, 250, 0},
                               {250, 250, 0},
                               {250, 250, 0},
                               {250, 250, 0},
                               {250, 250, 0},
                               {250, 250, 0},
                               {250, 250, 0}}});
    EXPECT_EQ(board->TargetFirstCol, 0);
    EXPECT_EQ(board->TargetFirstRow, 0);
    EXPECT_FALSE(board->CheckSolution());
}

TEST(RasterSolutionTest, FigureIsFoundWhereverItIsBuilt) {
    for (const Layout& figure : {ClassicSquare, Scattered}) {
        auto board = NewBoard();
        board->BuildTarget(figure);
        EXPECT_FALSE(board->CheckSolution()) << "empty board";
        const CellBox box = CoveredBox(board->TargetRaster);
        // Shifts that move the figure against each edge of the board.
        const int shifts[][2] = {{0, 0},
                                 {-box.minCol, -box.minRow},
                                 {BoardCols - 1 - box.maxCol, BoardRows - 1 - box.maxRow},
                                 {-box.minCol, BoardRows - 1 - box.maxRow},
                                 {3, -5}};
        for (const auto& s : shifts) {
            board->BoardRaster.fill(0);
            Lay(*board, Shifted(figure, s[0], s[1]));
            EXPECT_TRUE(board->CheckSolution()) << "shift " << s[0] << "," << s[1];
        }
    }
}

TEST(RasterSolutionTest, SilhouetteTouchingTheLastColumnAndRowIsMatched) {
    auto board = NewBoard();
    board->BuildTarget(ClassicSquare);
    const CellBox box = CoveredBox(board->TargetRaster);
    const Layout corner =
        Shifted(ClassicSquare, BoardCols - 1 - box.maxCol, BoardRows - 1 - box.maxRow);
    board->BuildTarget(corner);
    const CellBox moved = CoveredBox(board->TargetRaster);
    ASSERT_EQ(moved.maxCol, BoardCols - 1);
    ASSERT_EQ(moved.maxRow, BoardRows - 1);
    Lay(*board, ClassicSquare);
    EXPECT_TRUE(board->CheckSolution());
    board->BoardRaster.fill(0);
    Lay(*board, corner);
    EXPECT_TRUE(board->CheckSolution());
}

// The orientation that shows the same Tan turned a quarter, or mirrored left to
// right, looked up in the outline table.
int TurnedOrientation(int shape, int orient, bool mirror) {
    std::vector<std::pair<int, int>> want;
    for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
        const int x = VertexX[shape][v][orient];
        const int y = VertexY[shape][v][orient];
        want.emplace_back(mirror ? -x : -y, mirror ? y : x);
    }
    std::sort(want.begin(), want.end());
    for (int o = 0; o < OrientationCount; ++o) {
        std::vector<std::pair<int, int>> have;
        for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
            have.emplace_back(VertexX[shape][v][o], VertexY[shape][v][o]);
        }
        std::sort(have.begin(), have.end());
        if (have == want) {
            return o;
        }
    }
    ADD_FAILURE() << "no orientation for shape " << shape << " turned from " << orient;
    return orient;
}

TEST(RasterSolutionTest, TurnedOrMirroredFigureIsNotTheSolution) {
    auto board = NewBoard();
    board->BuildTarget(Scattered);
    Layout turned = Scattered;
    Layout mirrored = Scattered;
    for (int tan = 1; tan <= TanCount; ++tan) {
        const PieceState p = Scattered[tan - 1];
        const int shape = PieceShape[tan];
        // About (60, 40): (x, y) becomes (-y, x); mirrored, x becomes -x.
        turned[tan - 1] = {static_cast<uint8_t>(60 - (p.row - 40)),
                           static_cast<uint8_t>(40 + (p.col - 60)),
                           static_cast<uint8_t>(TurnedOrientation(shape, p.orient, false))};
        mirrored[tan - 1] = {static_cast<uint8_t>(120 - p.col), p.row,
                             static_cast<uint8_t>(TurnedOrientation(shape, p.orient, true))};
    }
    Lay(*board, turned);
    EXPECT_FALSE(board->CheckSolution());
    board->BoardRaster.fill(0);
    Lay(*board, mirrored);
    EXPECT_FALSE(board->CheckSolution());
    // Sanity: each of them is the solution of its own target.
    board->BuildTarget(mirrored);
    Lay(*board, mirrored);
    EXPECT_TRUE(board->CheckSolution());
}

TEST(RasterSolutionTest, OneCellMoreOrOneCellDifferentIsNotTheSolution) {
    auto board = NewBoard();
    board->BuildTarget(ClassicSquare);
    Lay(*board, Shifted(ClassicSquare, -20, 10));
    ASSERT_TRUE(board->CheckSolution());
    const CellBox box = CoveredBox(board->BoardRaster);
    const Raster solved = board->BoardRaster;
    // One covered cell more, after the first covered cell and before it.
    board->BoardRaster[CellIndex(box.maxCol + 1, box.maxRow)] = 64;
    EXPECT_FALSE(board->CheckSolution());
    board->BoardRaster = solved;
    board->BoardRaster[CellIndex(box.maxCol + 3, 0)] = 29;
    EXPECT_FALSE(board->CheckSolution());
    board->BoardRaster = solved;
    // One covered cell holding another code.
    for (int c = box.minCol; c <= box.maxCol; ++c) {
        for (int r = box.minRow; r <= box.maxRow; ++r) {
            uint8_t& cell = board->BoardRaster[CellIndex(c, r)];
            if (cell != 0) {
                cell = static_cast<uint8_t>(cell == 64 || cell == 32 ? cell - 1 : 64 - cell);
                EXPECT_FALSE(board->CheckSolution()) << c << "," << r;
                board->BoardRaster = solved;
            }
        }
    }
    EXPECT_TRUE(board->CheckSolution());
}

TEST(RasterSolutionTest, CellsShiftedOffTheTargetRasterAreNotIgnored) {
    // The target against one edge of the raster; the board holds the figure
    // away from that edge and one covered cell more beyond it, which the
    // shift puts outside the target raster. (Nothing can be shifted above it:
    // a cell higher up would be the board's first covered cell.)
    auto board = NewBoard();
    board->BuildTarget(ClassicSquare);
    const CellBox box = CoveredBox(board->TargetRaster);
    struct Case {
        const char* edge;
        int dc, dr;              // the target's shift against the figure
        int extraCol, extraRow;  // the extra board cell
    };
    const Case cases[] = {
        {"right", BoardCols - 1 - box.maxCol, 0, box.maxCol + 1, box.maxRow},
        {"bottom", 0, BoardRows - 1 - box.maxRow, box.minCol, box.maxRow + 1},
        {"left", -box.minCol, 0, box.minCol - 1, box.maxRow},
    };
    for (const Case& c : cases) {
        board->BuildTarget(Shifted(ClassicSquare, c.dc, c.dr));
        Lay(*board, ClassicSquare);
        ASSERT_TRUE(board->CheckSolution()) << c.edge;
        board->BoardRaster[CellIndex(c.extraCol, c.extraRow)] = FullCell;
        EXPECT_FALSE(board->CheckSolution()) << c.edge;
    }
}

TEST(RasterSolutionTest, EqualTansAndEquivalentOrientationsAreAccepted) {
    auto board = NewBoard();
    board->BuildTarget(ClassicSquare);
    Layout swapped = ClassicSquare;
    std::swap(swapped[0], swapped[1]);
    std::swap(swapped[3], swapped[4]);
    Lay(*board, swapped);
    EXPECT_TRUE(board->CheckSolution());

    for (int step : {4, 8, 12, 16, 20, 24, 28}) {
        Layout turned = ClassicSquare;
        turned[5].orient = static_cast<uint8_t>(turned[5].orient + step);  // square
        for (int tan : {1, 2, 3, 4, 5}) {
            if (step == 16) {
                turned[tan - 1].orient = static_cast<uint8_t>(turned[tan - 1].orient ^ 16);
            }
        }
        if (step == 8 || step == 24) {
            const int o = turned[6].orient;  // the rhomboid, within its half
            turned[6].orient = static_cast<uint8_t>((o & 16) | ((o + 8) & 15));
        }
        board->BoardRaster.fill(0);
        Lay(*board, turned);
        EXPECT_TRUE(board->CheckSolution()) << "step " << step;
    }
    // The rhomboid's other half is its mirror image, not the same Tan.
    Layout flipped = ClassicSquare;
    flipped[6].orient = static_cast<uint8_t>(flipped[6].orient ^ 16);
    board->BoardRaster.fill(0);
    Lay(*board, flipped);
    EXPECT_FALSE(board->CheckSolution());
}

TEST(RasterSolutionTest, CheckSolutionChangesNothing) {
    auto board = NewBoard();
    board->BuildTarget(ClassicSquare);
    Lay(*board, Shifted(ClassicSquare, 5, 5));
    const Raster boardBefore = board->BoardRaster;
    const Raster targetBefore = board->TargetRaster;
    EXPECT_TRUE(board->CheckSolution());
    EXPECT_EQ(board->BoardRaster, boardBefore);
    EXPECT_EQ(board->TargetRaster, targetBefore);
}

}  // namespace
}  // namespace tangram
