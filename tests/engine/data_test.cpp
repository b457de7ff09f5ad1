// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "data.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "hand.h"

namespace tangram {
namespace {

using testing::ClassicSquare;
using testing::Record;
using testing::TempDir;

// A layout different from the square in every record, so that records can be
// told apart.
Layout Numbered(int k) {
    Layout l = ClassicSquare;
    l[0].col = static_cast<uint8_t>(k % 200);
    l[6].orient = static_cast<uint8_t>(k % 32);
    return l;
}

std::vector<uint8_t> Catalogue(int records, size_t tail = 0) {
    std::vector<uint8_t> bytes;
    for (int k = 1; k <= records; ++k) {
        auto r = Record(Numbered(k), static_cast<uint8_t>(k));
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    bytes.insert(bytes.end(), tail, 0xAB);
    return bytes;
}

// The board raster that the given piece states stamp onto an empty board,
// leaving out the held Tan.
Raster Stamped(const std::array<PieceState, 8>& pieces, int held = 0) {
    Board b;
    b.Piece = pieces;
    for (int tan = 1; tan <= 7; ++tan) {
        if (tan != held) {
            b.StampPiece(tan);
        }
    }
    return b.BoardRaster;
}

TEST(Catalogue, ReadsWholeRecordsOnlyAndAtMost330) {
    TempDir dir;
    GameData game;
    ASSERT_EQ(LoadCatalogueFile(dir.Write("five.dat", Catalogue(5, 10)), game),
              CatalogueResult::Ok);
    EXPECT_EQ(game.PuzzleCount, 5);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(game.PuzzleTable[k], Numbered(k)) << k;
        EXPECT_EQ(game.PuzzleCategory[k], k);
    }
    EXPECT_EQ(game.PuzzleTable[6], Layout{});

    ASSERT_EQ(LoadCatalogueFile(dir.Write("long.dat", Catalogue(331, 5)), game),
              CatalogueResult::Ok);
    EXPECT_EQ(game.PuzzleCount, 330);
    EXPECT_EQ(game.PuzzleTable[330], Numbered(330));
}

TEST(Catalogue, ByteZeroDoesNotChangeTheGame) {
    auto a = Catalogue(3);
    auto b = a;
    b[0] = 0xFF;
    b[22] = 7;
    GameData ga, gb;
    ParseCatalogue(a, ga);
    ParseCatalogue(b, gb);
    EXPECT_EQ(ga.PuzzleTable, gb.PuzzleTable);
    Board ba, bb;
    SetUpPuzzle(ga, ba);
    SetUpPuzzle(gb, bb);
    EXPECT_EQ(ba.BoardRaster, bb.BoardRaster);
    EXPECT_EQ(ba.TargetRaster, bb.TargetRaster);
    EXPECT_EQ(ba.Piece, bb.Piece);
}

TEST(Catalogue, KeepsTheStoredLevelWithinTheCatalogue) {
    TempDir dir;
    const std::string path = dir.Write("mexa.dat", Catalogue(330));
    for (auto [stored, expected] : {std::pair{400, 330}, {12, 12}, {330, 330}, {-5, 1}, {0, 1}}) {
        GameData game;
        game.CurrentPuzzle = stored;
        ASSERT_EQ(LoadCatalogueFile(path, game), CatalogueResult::Ok);
        EXPECT_EQ(game.CurrentPuzzle, expected) << stored;
    }
}

TEST(Catalogue, UnusableFilesAreReportedAndChangeNothing) {
    TempDir dir;
    GameData game;
    ParseCatalogue(Catalogue(2), game);
    game.CurrentPuzzle = 2;
    EXPECT_EQ(LoadCatalogueFile(dir.Write("empty.dat", {}), game), CatalogueResult::Empty);
    EXPECT_EQ(LoadCatalogueFile(dir.Write("short.dat", std::vector<uint8_t>(21, 1)), game),
              CatalogueResult::Empty);
    EXPECT_EQ(LoadCatalogueFile(dir.File("missing.dat"), game), CatalogueResult::CannotOpen);
    EXPECT_EQ(LoadCatalogueFile(dir.Path(), game), CatalogueResult::CannotOpen);
    EXPECT_EQ(game.PuzzleCount, 2);
    EXPECT_EQ(game.CurrentPuzzle, 2);
    EXPECT_EQ(game.PuzzleTable[1], Numbered(1));
}

TEST(Catalogue, IsReadBesideTheProgram) {
    TempDir dir;
    GameData game;
    game.ProgramDir = dir.Path() + "/";
    EXPECT_EQ(LoadCatalogue(game), CatalogueResult::CannotOpen);
    dir.Write("mexa.dat", Catalogue(4));
    EXPECT_EQ(LoadCatalogue(game), CatalogueResult::Ok);
    EXPECT_EQ(game.PuzzleCount, 4);
}

TEST(SetUp, StatusBytePlacesTheFirstTansInAdvance) {
    // Laid Tans for each status byte: the solved bit stops the pre-placing.
    for (auto [status, laid] : {std::pair{0, 0}, {3, 3}, {7, 7}, {11, 0}, {0xF2, 2}}) {
        GameData game = testing::GameWith({Numbered(1), ClassicSquare});
        game.CurrentPuzzle = 2;
        game.PuzzleStatus[2] = static_cast<uint8_t>(status);
        Board board;
        board.SelectedPiece = 4;
        board.BoardState = 1;
        SetUpPuzzle(game, board);

        std::array<PieceState, 8> expected{};
        for (int tan = 1; tan <= 7; ++tan) {
            expected[tan] = tan <= laid ? ClassicSquare[tan - 1] : StartLayout[tan - 1];
        }
        EXPECT_EQ(board.Piece, expected) << status;
        EXPECT_EQ(board.BoardRaster, Stamped(expected)) << status;
        EXPECT_EQ(game.CurrentSolution, ClassicSquare);
        EXPECT_EQ(board.SelectedPiece, 0);
        EXPECT_EQ(board.BoardState, 0);
        EXPECT_EQ(game.PuzzleStatus[2], status);
    }
}

TEST(SetUp, AllSevenLaidIsSolvedOnlyByADrop) {
    GameData game = testing::GameWith({ClassicSquare});
    game.PuzzleStatus[1] = 7;
    Board board;
    SetUpPuzzle(game, board);
    EXPECT_EQ(board.BoardState, 0);
    EXPECT_FALSE(game.ProgressChanged);

    testing::RecordingView view;
    testing::FakeClock clock;
    Hand hand(board, game, view, clock);
    hand.CellWidth = hand.CellHeight = 5;
    hand.boxMouseDown(MouseButton::Left, 67 * 5, 40 * 5);  // the square's reference point
    ASSERT_EQ(board.SelectedPiece, 6);
    hand.boxMouseDown(MouseButton::Left, 2, 2);  // empty board: put it back down
    EXPECT_EQ(board.BoardState, 1);
    EXPECT_EQ(game.PuzzleStatus[1], 7 | SolvedBit);
    EXPECT_EQ(view.Effects(), (std::vector<int>{1, 2, 5}));
}

TEST(SetUp, DamagedRecordsAndNumbersStayInsideTheTables) {
    // Orientations beyond 31 and places off the board: set-up, hint and play
    // must stay within the rasters and tables (the sanitizer build checks).
    Layout wild = ClassicSquare;
    wild[0].orient = 40;
    wild[1] = {250, 250, 255};
    wild[2] = {0, 0, 17};
    wild[6] = {120, 80, 63};
    GameData game = testing::GameWith({wild, ClassicSquare});
    game.PuzzleStatus[1] = 7;
    Board board;
    SetUpPuzzle(game, board);
    EXPECT_EQ(board.Piece[2], wild[1]);

    EXPECT_EQ(board.BoardRaster, Stamped(board.Piece));

    testing::RecordingView view;
    testing::FakeClock clock(0, 100);
    Hand hand(board, game, view, clock);
    hand.CellWidth = hand.CellHeight = 4;
    const Raster before = board.BoardRaster;
    hand.TipBtnMouseDown();
    EXPECT_EQ(board.BoardRaster, before);
    // Play all over the board: whatever is picked, moved, turned, flipped and
    // put down, the raster holds exactly the Tans that lie on it.
    int sounds = 0;
    for (int y = 1; y < 81 * 4; y += 9) {
        for (int x = 1; x < 121 * 4; x += 9) {
            hand.boxMouseDown(MouseButton::Left, x, y);
            hand.boxMouseMove(true, 484 - x, y);
            hand.boxMouseDown(MouseButton::Right, x, y);
            ASSERT_EQ(board.BoardRaster, Stamped(board.Piece, board.SelectedPiece))
                << x << "," << y;
            sounds += static_cast<int>(view.Effects().size());
            view.calls.clear();
        }
    }
    EXPECT_GT(sounds, 10) << "the presses reached the Tans";
    hand.TipBtnMouseDown();
    EXPECT_EQ(board.BoardRaster, Stamped(board.Piece, board.SelectedPiece));

    // Puzzle numbers outside the catalogue lay out its nearest puzzle.
    for (auto [number, used] : {std::pair{0, 1}, {-3, 1}, {400, 2}, {331, 2}}) {
        game.CurrentPuzzle = number;
        SetUpPuzzle(game, board);
        EXPECT_EQ(game.CurrentPuzzle, used);
    }
    // No puzzle at all: an empty silhouette, the Tans at their start places,
    // no puzzle number, and nothing to mark solved.
    GameData none;
    none.CurrentPuzzle = 5;
    SetUpPuzzle(none, board);
    EXPECT_EQ(none.CurrentPuzzle, 0);
    EXPECT_EQ(board.TargetRaster, Raster{});
    EXPECT_EQ(board.Piece[7], StartLayout[6]);
    const Raster start = board.BoardRaster;
    Hand empty(board, none, view, clock);
    empty.TipBtnMouseDown();
    EXPECT_EQ(board.BoardRaster, start);
    MarkSolved(none);
    EXPECT_FALSE(none.ProgressChanged);
    EXPECT_EQ(none.PuzzleStatus, GameData{}.PuzzleStatus);
}

TEST(Progress, MarkSolvedRaisesTheFlagOnlyForANewSolve) {
    GameData game = testing::GameWith({ClassicSquare, ClassicSquare});
    game.CurrentPuzzle = 2;
    game.PuzzleStatus[2] = 3;
    MarkSolved(game);
    EXPECT_EQ(game.PuzzleStatus[2], 11);
    EXPECT_TRUE(game.ProgressChanged);
    game.ProgressChanged = false;
    MarkSolved(game);
    EXPECT_EQ(game.PuzzleStatus[2], 11);
    EXPECT_FALSE(game.ProgressChanged);
    EXPECT_EQ(game.PuzzleStatus[1], 0);
}

}  // namespace
}  // namespace tangram
