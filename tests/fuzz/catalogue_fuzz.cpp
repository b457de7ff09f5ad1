// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any bytes as the catalogue file, read through the game's own file layer with
// a stored level taken from the input: the level ends inside the catalogue,
// and a few of its puzzles are set up and flashed by the hint. Nothing may read
// or write outside a table or a raster, whatever the orientation and position
// bytes hold; the raster always holds exactly the Tans that lie on it, and the
// hint leaves the board as it found it.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "boardview.h"
#include "clock.h"
#include "data.h"
#include "hand.h"
#include "raster.h"
#include "tangdata.h"

namespace {

using namespace tangram;

class NoView final : public BoardView {
public:
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieces(Colour, Colour) override {}
    void PlayEffect(int) override {}
    void SetBoardCursor(BoardCursor) override {}
    void ShowSolved() override {}
    void FlushBoard() override {}
};

// Time flies: the hint's second of waiting passes in a few readings.
class QuickClock final : public TickClock {
public:
    uint32_t Ticks() override { return now_; }
    void Pause() override { now_ += 250; }

private:
    uint32_t now_ = 0;
};

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

// The raster the Tans 1..7 stamp where they lie.
bool RasterHoldsTheTans(const Board& board) {
    auto expected = std::make_unique<Board>();
    expected->Piece = board.Piece;
    for (int tan = 1; tan <= TanCount; ++tan) {
        expected->StampPiece(tan);
    }
    return expected->BoardRaster == board.BoardRaster;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/tangram-fuzz-" + std::to_string(::getpid()) + ".dat";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    auto game = std::make_unique<GameData>();
    auto board = std::make_unique<Board>();
    // Byte 0 of a record means nothing to the game; the first one gives the
    // stored level, below 1 and beyond 330 included.
    game->CurrentPuzzle = size > 0 ? data[0] * 2 - 60 : 1;
    const CatalogueResult result = LoadCatalogueFile(path, *game);
    std::remove(path.c_str());
    const int records = static_cast<int>(std::min<size_t>(size / CatalogueRecordSize, MaxPuzzles));
    if (records == 0) {
        Check(result == CatalogueResult::Empty);
        return 0;
    }
    Check(result == CatalogueResult::Ok && game->PuzzleCount == records);
    Check(IsPuzzle(*game, game->CurrentPuzzle));

    NoView view;
    QuickClock clock;
    Hand hand(*board, *game, view, clock);
    hand.CellWidth = hand.CellHeight = 4;
    const int stored = game->CurrentPuzzle;
    for (int puzzle : {stored, 1, records, records / 2 + 1}) {
        game->CurrentPuzzle = puzzle;
        game->PuzzleStatus[static_cast<size_t>(puzzle)] = static_cast<uint8_t>(data[size - 1]);
        SetUpPuzzle(*game, *board);
        Check(game->CurrentPuzzle == puzzle && board->SelectedPiece == 0);
        Check(RasterHoldsTheTans(*board));
        const auto pieces = board->Piece;
        const Raster raster = board->BoardRaster;
        hand.TipBtnMouseDown();
        Check(board->Piece == pieces && board->BoardRaster == raster);
        board->CheckSolution();
    }
    return 0;
}
