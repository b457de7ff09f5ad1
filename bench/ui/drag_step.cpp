// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// What one step of dragging a Tan costs in the real main window: picks up a
// large triangle in its move grip and drags it cell by cell across the board
// and back, 1000 steps with the left button held, each step handled and
// painted as on the screen. Prints the CPU time per step and the share of the
// board that each step repaints.
//
// usage: drag_step [steps]   (QT_QPA_PLATFORM=offscreen needs no display)
#include <QApplication>
#include <QMouseEvent>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "Main.h"
#include "data.h"
#include "hand.h"
#include "raster.h"
#include "widgets/boardcanvas.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A view that draws nothing, for finding the grip with the engine's own hit
// test.
class NoView final : public tangram::BoardView {
public:
    void DrawPieceFilled(int, tangram::Colour, tangram::Colour) override {}
    void DrawPieceOutline(int, tangram::Colour, bool) override {}
    void DrawPieces(tangram::Colour, tangram::Colour) override {}
    void PlayEffect(int) override {}
    void SetBoardCursor(tangram::BoardCursor) override {}
    void ShowSolved() override {}
    void FlushBoard() override {}
};

void Send(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A pixel of the Tan in its move grip, or (-1, -1).
QPoint MoveGrip(tangram::Board& board, tangram::GameData& game, int tan, int cell) {
    NoView view;
    tangram::SteadyTickClock clock;
    tangram::Hand probe(board, game, view, clock);
    probe.CellWidth = cell;
    probe.CellHeight = cell;
    const tangram::PieceState piece = board.Piece[tan];
    for (int radius = 0; radius < 30 * cell; ++radius) {
        for (int dx = -radius; dx <= radius; ++dx) {
            for (int dy : {-radius, radius}) {
                const int x = piece.col * cell + dx, y = piece.row * cell + dy;
                if (probe.HitTestPiece(x, y, tan) == 1) {
                    return {x, y};
                }
            }
        }
    }
    return {-1, -1};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    tangram::GameData game;
    tangram::Board board;
    game.ProgramDir = QApplication::applicationDirPath().toStdString() + "/";
    if (tangram::LoadCatalogue(game) != tangram::CatalogueResult::Ok) {
        std::fprintf(stderr, "drag_step: no mexa.dat beside the program\n");
        return 1;
    }
    game.CurrentPuzzle = 1;
    tangram::SetUpPuzzle(game, board);

    TMainForm window(game, board);
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    BoardCanvas* box = window.Box();
    const int cell = window.CellWidth();
    const qint64 boardArea = qint64(box->width()) * box->height();

    // Tan 4, a large triangle, lies at the left edge at the start.
    constexpr int tan = 4;
    const QPoint grip = MoveGrip(board, game, tan, cell);
    if (grip.x() < 0) {
        std::fprintf(stderr, "drag_step: no move grip on the large triangle\n");
        return 1;
    }
    Send(box, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    if (board.SelectedPiece != tan) {
        std::fprintf(stderr, "drag_step: the large triangle was not picked up\n");
        return 1;
    }

    // Across the board and back, one cell per step.
    const int span = 90;
    const qint64 paintedBefore = box->paintedPixels();
    const double cpu0 = CpuSeconds(), wall0 = WallSeconds();
    // The step's two halves: the game's handling of the move, which draws the
    // outline into the board's picture, and the paint that brings the changed
    // part to the window.
    double handleCpu = 0;
    int offset = 0, direction = 1;
    for (int k = 0; k < steps; ++k) {
        if (offset + direction < 0 || offset + direction > span) {
            direction = -direction;
        }
        offset += direction;
        const double before = CpuSeconds();
        Send(box, QEvent::MouseMove, grip + QPoint(offset * cell, 0), Qt::NoButton, Qt::LeftButton);
        handleCpu += CpuSeconds() - before;
        QApplication::processEvents();
    }
    const double cpu = CpuSeconds() - cpu0, wall = WallSeconds() - wall0;
    const qint64 painted = box->paintedPixels() - paintedBefore;

    std::printf("drag of a large triangle, %d steps of one cell (%d px) on a %dx%d board:\n", steps,
                cell, box->width(), box->height());
    std::printf("  CPU time per step   %8.1f us\n", cpu * 1e6 / steps);
    std::printf("  wall time per step  %8.1f us\n", wall * 1e6 / steps);
    std::printf("    the move          %8.1f us CPU (game, outline into the picture)\n",
                handleCpu * 1e6 / steps);
    std::printf("    the paint         %8.1f us CPU (changed part to the window)\n",
                (cpu - handleCpu) * 1e6 / steps);
    std::printf("  repainted per step  %8.0f px = %.2f%% of the board\n", double(painted) / steps,
                100.0 * double(painted) / double(steps) / double(boardArea));
    std::printf("  board drawn whole   %d times\n", window.BoardRenderCount());
    return 0;
}
