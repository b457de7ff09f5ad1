// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window: where the board goes, how it is framed and drawn, and what
// the player sees while holding and after solving.
#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

#include "Main.h"
#include "pattern.h"
#include "ui_fixture.h"
#include "widgets/boardcanvas.h"

using tangram::Board;
using tangram::GameData;

namespace {

constexpr QRgb Silver = 0xC0C0C0, Black = 0x000000, Grey = 0x7F7F7F, Green = 0x00FF00;
constexpr QRgb HeldOutline = Silver ^ 0xFFFF00;

void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void DragTo(QWidget* w, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    GameData game;
    Board board;

    void NewGame(uint8_t status) {
        game = GameData{};
        board = Board{};
        fixture::FillGame(game, 17);
        game.PuzzleStatus[1] = status;
        tangram::SetUpPuzzle(game, board);
    }

    QImage Screen(TMainForm& form) {
        QCoreApplication::processEvents();
        return form.grab().toImage();
    }
    QImage BoardPicture(TMainForm& form) {
        QCoreApplication::processEvents();
        return form.Box()->grab().toImage();
    }

private slots:
    void init() { NewGame(0); }

    void boardPlacement() {
        // The design size: the height decides.
        BoardPlacement design = PlaceBoard(QSize(638, 445));
        QCOMPARE(design.cell, 4);
        QCOMPARE(design.box, QRect(77, 68, 485, 325));
        // Wide and low: the height still decides, and the odd free pixel
        // column goes to the right of the board.
        BoardPlacement wide = PlaceBoard(QSize(1200, 300));
        QCOMPARE(wide.cell, 3);
        QCOMPARE(wide.box, QRect(418, 36, 364, 244));
        // Narrow and high: the width decides.
        BoardPlacement narrow = PlaceBoard(QSize(400, 900));
        QCOMPARE(narrow.cell, 3);
        QCOMPARE(narrow.box.left(), (400 - 363) / 2);
    }

    void windowFollowsItsSize() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(638, 445));
        QCOMPARE(form.CellWidth(), 4);
        QCOMPARE(form.CellHeight(), 4);
        QCOMPARE(form.BoxGeometry(), QRect(77, 68, 485, 325));

        form.resize(1200, 300);
        QCoreApplication::processEvents();
        QCOMPARE(form.CellWidth(), 3);
        QCOMPARE(form.BoxGeometry(), QRect(418, 36, 364, 244));
        QCOMPARE(form.Box()->picture().size(), QSize(364, 244));

        // No window size brings the cell below one pixel.
        form.resize(10, 10);
        QCoreApplication::processEvents();
        QVERIFY(form.width() >= TMainForm::MinimumClientSize.width());
        QCOMPARE(form.CellWidth(), 1);
        QCOMPARE(form.BoxGeometry().size(), QSize(122, 82));
        // And a press on the smallest board still reaches the Tans.
        const QPoint square = fixture::Centre(board.Piece[6], 6, 1);
        Press(form.Box(), square);
        QCOMPARE(board.SelectedPiece, 6);
    }

    void framesAroundTheBoard() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage screen = Screen(form);
        const QRect box = form.BoxGeometry();
        const int y = box.top() + 40;
        auto at = [&](int x) { return fixture::Rgb(screen, QPoint(x, y)); };
        // Left of the board: thin frame at 1, heavy frame 3..5, thin at 7.
        QCOMPARE(at(box.left() - 1), Black);
        QVERIFY(at(box.left() - 2) != Black);
        QCOMPARE(at(box.left() - 3), Black);
        QCOMPARE(at(box.left() - 4), Black);
        QCOMPARE(at(box.left() - 5), Black);
        QVERIFY(at(box.left() - 6) != Black);
        QCOMPARE(at(box.left() - 7), Black);
        QVERIFY(at(box.left() - 8) != Black);
        // Right of it the same, counted from the first pixel past the board.
        const int past = box.left() + box.width();
        QCOMPARE(at(past), Black);
        QVERIFY(at(past + 1) != Black);
        QCOMPARE(at(past + 2), Black);
        QCOMPARE(at(past + 4), Black);
        QVERIFY(at(past + 5) != Black);
        QCOMPARE(at(past + 6), Black);
        // The line under the tool bar.
        QCOMPARE(fixture::Rgb(screen, QPoint(20, TMainForm::ToolPanelHeight)), Black);
        QCOMPARE(fixture::Rgb(screen, QPoint(0, 200)), Black);
    }

    void tansOnTheBoard() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage picture = BoardPicture(form);
        QCOMPARE(picture.size(), QSize(485, 325));
        QCOMPARE(fixture::Rgb(picture, QPoint(242, 162)), Silver);
        for (int tan = 1; tan <= 7; ++tan) {
            QCOMPARE(fixture::Rgb(picture, fixture::Centre(board.Piece[tan], tan, 4)), Black);
        }
        QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(board.Piece[6], 6, 4)), Grey);
    }

    void heldTanIsAnOutlineThatDragsWithoutRedrawingTheBoard() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const tangram::PieceState before = board.Piece[6];
        const QPoint grip = fixture::Centre(before, 6, 4);
        Press(form.Box(), grip);
        QCOMPARE(board.SelectedPiece, 6);
        QImage picture = BoardPicture(form);
        QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(before, 6, 4)), HeldOutline);
        QCOMPARE(fixture::Rgb(picture, grip), Silver);

        // Dragging five cells to the right moves the outline along, and only
        // the outline's surroundings are painted again.
        const int renders = form.BoardRenderCount();
        QCoreApplication::processEvents();
        const qint64 painted = form.Box()->paintedPixels();
        DragTo(form.Box(), grip + QPoint(20, 0));
        QCOMPARE(int(board.Piece[6].col), before.col + 5);
        QCoreApplication::processEvents();
        const qint64 dragPaint = form.Box()->paintedPixels() - painted;
        QVERIFY(dragPaint > 0);
        QVERIFY(dragPaint < 485 * 325 / 10);
        QCOMPARE(form.BoardRenderCount(), renders);
        picture = BoardPicture(form);
        QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(board.Piece[6], 6, 4)), HeldOutline);
        QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(before, 6, 4)), Silver);

        // A full repaint keeps the held Tan an outline.
        form.RepaintAll();
        picture = BoardPicture(form);
        QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(board.Piece[6], 6, 4)), HeldOutline);
    }

    // Every Tan in its start orientation, picked up at its reference point,
    // dragged to the middle and put down: the board looks exactly as if it
    // had been drawn afresh, with no pixel of the held Tan's outline left.
    void putDownLeavesNoTraceOfTheOutline_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size, cell 4") << QSize(638, 445);
        QTest::newRow("large, cell 10") << QSize(1270, 1000);
    }
    void putDownLeavesNoTraceOfTheOutline() {
        QFETCH(QSize, client);
        TMainForm form(game, board);
        form.resize(client);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int cell = form.CellWidth();
        for (int tan = 1; tan <= 7; ++tan) {
            NewGame(0);
            form.RepaintAll();
            const tangram::PieceState start = board.Piece[tan];
            const QPoint grip(start.col * cell, start.row * cell);
            Press(form.Box(), grip);
            QCOMPARE(board.SelectedPiece, tan);
            DragTo(form.Box(), QPoint(60 * cell, 40 * cell));
            Press(form.Box(), QPoint(60 * cell, 78 * cell));  // empty board
            QCOMPARE(board.SelectedPiece, 0);
            QCOMPARE(int(board.Piece[tan].col), 60);
            const QImage played = form.Box()->picture().copy();
            form.RepaintAll();
            QVERIFY2(played == form.Box()->picture(), qPrintable(QString::number(tan)));
        }
    }

    void cursorFollowsTheGrip() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint grip = fixture::Centre(board.Piece[6], 6, 4);
        Press(form.Box(), grip);
        QMouseEvent hover(QEvent::MouseMove, grip, form.Box()->mapToGlobal(grip), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.Box(), &hover);
        QCOMPARE(form.BoardCursorShape(), tangram::BoardCursor::Move);
        QCOMPARE(form.Box()->cursor().hotSpot(), QPoint(15, 15));
        QCOMPARE(form.Box()->cursor().pixmap().size(), QSize(32, 32));
    }

    void solvingTurnsTheTansGreenUntilTheNextPuzzle() {
        NewGame(7);  // all seven Tans laid in advance
        TMainForm form(game, board);
        TPatForm pattern(game);
        form.SetPatternWindow(&pattern);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(pattern.windowTitle(), QStringLiteral("1"));

        // Lift one Tan and put it back where it was.
        Press(form.Box(), fixture::Centre(board.Piece[3], 3, 4));
        QCOMPARE(board.SelectedPiece, 3);
        QString message;
        fixture::AcceptNextModal(&message);
        Press(form.Box(), QPoint(6, 6));
        QCOMPARE(board.BoardState, 1);
        QCOMPARE(message, QStringLiteral("Hurrah, you did it!"));
        QCOMPARE(pattern.windowTitle(), QStringLiteral("1 - solved"));
        QImage picture = BoardPicture(form);
        for (int tan = 1; tan <= 7; ++tan) {
            QCOMPARE(fixture::Rgb(picture, fixture::Centre(board.Piece[tan], tan, 4)), Green);
        }
        form.RepaintAll();
        picture = BoardPicture(form);
        QCOMPARE(fixture::Rgb(picture, fixture::Centre(board.Piece[1], 1, 4)), Green);

        // The next puzzle starts black again, at the start layout.
        form.UpBtnClick();
        QCOMPARE(game.CurrentPuzzle, 2);
        QCOMPARE(board.BoardState, 0);
        QCOMPARE(pattern.windowTitle(), QStringLiteral("2"));
        picture = BoardPicture(form);
        for (int tan = 1; tan <= 7; ++tan) {
            QCOMPARE(fixture::Rgb(picture, fixture::Centre(board.Piece[tan], tan, 4)), Black);
        }
    }

    void toolBar() {
        TMainForm form(game, board);
        const QList<std::pair<const char*, int>> buttons{
            {"NewgameBtn", 4}, {"LoadBtn", 28},    {"SaveBtn", 52},    {"SoundBtn", 76},
            {"StatBtn", 100},  {"SelectBtn", 124}, {"TipBtn", 148},    {"UpBtn", 180},
            {"DownBtn", 204},  {"ExitBtn", 236},   {"TongueBtn", 260}, {"RulesBtn", 285},
            {"InfoBtn", 309}};
        for (const auto& [name, left] : buttons) {
            auto* button = form.findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY2(button != nullptr, name);
            QCOMPARE(button->geometry(),
                     QRect(left, 4, QByteArray(name) == "InfoBtn" ? 24 : 25, 25));
            QVERIFY2(!button->icon().isNull(), name);
            QVERIFY2(!button->toolTip().isEmpty(), name);
            QCOMPARE(button->isCheckable(), QByteArray(name) == "SoundBtn");
        }
        QCOMPARE(form.findChild<QToolButton*>(QStringLiteral("TipBtn"))->toolTip(),
                 QStringLiteral("I need a little help."));
    }

    void hintFlashesOnAnyPressAndLeavesTheBoard() {
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Press(form.Box(), fixture::Centre(board.Piece[6], 6, 4));
        const tangram::Raster raster = board.BoardRaster;
        const QImage before = BoardPicture(form);
        const qint64 painted = form.Box()->paintedPixels();
        auto* tip = form.findChild<QToolButton*>(QStringLiteral("TipBtn"));
        QTest::mousePress(tip, Qt::RightButton);
        // The flash went to the screen twice while the events were held.
        QVERIFY(form.Box()->paintedPixels() - painted >= 2 * 485 * 325);
        QCOMPARE(board.BoardRaster, raster);
        QCOMPARE(board.SelectedPiece, 6);
        QCOMPARE(BoardPicture(form), before);
        QTest::mouseRelease(tip, Qt::RightButton);

        // A second press soon after the first, which comes as a double click,
        // flashes again.
        const qint64 once = form.Box()->paintedPixels();
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPoint(5, 5), tip->mapToGlobal(QPoint(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tip, &twice);
        QVERIFY(form.Box()->paintedPixels() - once >= 2 * 485 * 325);
        QCOMPARE(board.BoardRaster, raster);
        QCOMPARE(board.SelectedPiece, 6);
    }

    void patternWindowGoesAndComesWithTheMainWindow() {
        TMainForm form(game, board);
        TPatForm pattern(game);
        form.SetPatternWindow(&pattern);
        form.show();
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setWindowState(Qt::WindowMinimized);
        QVERIFY(!pattern.isVisible());
        form.setWindowState(Qt::WindowNoState);
        QVERIFY(pattern.isVisible());
        form.setWindowState(Qt::WindowMaximized);
        QVERIFY(pattern.isVisible());
        form.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        QVERIFY(!pattern.isVisible());
        form.setWindowState(Qt::WindowMaximized);
        QVERIFY(pattern.isVisible());
        // Once the main window has closed, the pattern window stays hidden.
        form.hide();
        pattern.hide();
        form.setWindowState(Qt::WindowNoState);
        QVERIFY(!pattern.isVisible());
    }

    void upAndDownStopAtTheEnds() {
        TMainForm form(game, board);
        form.DownBtnClick();
        QCOMPARE(game.CurrentPuzzle, 1);
        game.CurrentPuzzle = 17;
        form.UpBtnClick();
        QCOMPARE(game.CurrentPuzzle, 17);
        form.DownBtnClick();
        QCOMPARE(game.CurrentPuzzle, 16);
    }

    void title() {
        TMainForm form(game, board);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram"));
        game.GameFileName = "/some/folder/test.mxg";
        form.UpdateTitle();
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram - Game test.mxg"));
        game.GameFileName.clear();
        form.UpdateTitle();
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram"));
    }

    void catalogueMessages() {
        using tangram::CatalogueResult;
        QCOMPARE(CatalogueErrorText(CatalogueResult::CannotOpen, -1),
                 QStringLiteral("Can't find file mexa.dat. Program aborted."));
        QCOMPARE(CatalogueErrorText(CatalogueResult::CannotOpen, 2),
                 QStringLiteral("Can't find file mexa.dat. Program aborted."));
        QCOMPARE(CatalogueErrorText(CatalogueResult::CannotOpen, 1),
                 QStringLiteral(
                     "Datei mexa.dat konnte nicht gefunden werden. Programm wird abgebrochen."));
        QCOMPARE(CatalogueErrorText(CatalogueResult::Empty, 0),
                 QStringLiteral("The file mexa.dat holds no puzzle. Program aborted."));
        QCOMPARE(
            CatalogueErrorText(CatalogueResult::Empty, 1),
            QStringLiteral("Die Datei mexa.dat enthält kein Tangram. Programm wird abgebrochen."));
    }

    void soundSwitchIsAToggle() {
        TMainForm form(game, board);
        QVERIFY(form.SoundOn());
        form.SetSoundOn(false);
        QVERIFY(!form.SoundOn());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
