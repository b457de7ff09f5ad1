// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// At a scale factor of 2 the board and the selection's thumbnails are drawn
// at the screen's real pixels, while play goes on in the game's own pixels.
#include <QMouseEvent>
#include <QtTest>

#include "Main.h"
#include "Select.h"
#include "ui_fixture.h"
#include "widgets/boardcanvas.h"

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, w->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// True when every 2 x 2 block of the picture is of one colour: a picture of
// the game's pixels merely doubled.
bool MerelyDoubled(const QImage& picture) {
    for (int y = 0; y + 1 < picture.height(); y += 2) {
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb c = picture.pixel(x, y);
            if (picture.pixel(x + 1, y) != c || picture.pixel(x, y + 1) != c ||
                picture.pixel(x + 1, y + 1) != c) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class PixelDensityTest : public QObject {
    Q_OBJECT

    tangram::GameData game;
    tangram::Board board;

    void NewGame() {
        game = tangram::GameData{};
        board = tangram::Board{};
        fixture::FillGame(game, 17);
        tangram::SetUpPuzzle(game, board);
    }

private slots:
    void boardAtTheScreensPixels() {
        NewGame();
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        // The same cells and geometry: cell 4 at the design size.
        QCOMPARE(form.CellWidth(), 4);
        const QImage& picture = form.Box()->picture();
        QCOMPARE(picture.size(), form.BoxGeometry().size() * 2);
        QVERIFY(!MerelyDoubled(picture));
    }

    // Each Tan picked up at its reference point in the game's pixels, dragged
    // and put down: the finer picture keeps no pixel of the held outline.
    void putDownLeavesNoTraceOfTheOutline() {
        NewGame();
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int cell = form.CellWidth();
        for (int tan = 1; tan <= 7; ++tan) {
            NewGame();
            form.RepaintAll();
            const tangram::PieceState start = board.Piece[tan];
            Send(form.Box(), QEvent::MouseButtonPress, QPoint(start.col * cell, start.row * cell),
                 Qt::LeftButton);
            QCOMPARE(board.SelectedPiece, tan);
            Send(form.Box(), QEvent::MouseMove, QPoint(60 * cell, 40 * cell), Qt::LeftButton);
            QCOMPARE(int(board.Piece[tan].col), 60);
            Send(form.Box(), QEvent::MouseButtonPress, QPoint(60 * cell, 78 * cell),
                 Qt::LeftButton);
            QCOMPARE(board.SelectedPiece, 0);
            const QImage played = form.Box()->picture().copy();
            form.RepaintAll();
            QVERIFY2(played == form.Box()->picture(), qPrintable(QString::number(tan)));
        }
    }

    void thumbnailsAtTheScreensPixels() {
        NewGame();
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.Picture().devicePixelRatio(), 2.0);
        QCOMPARE(dlg.Picture().size(), QSize(385, 313) * 2);
        QVERIFY(!MerelyDoubled(dlg.Picture()));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PixelDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pixel_density_test.moc"
