// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The selection dialog: what the grid shows, which puzzle a click chooses,
// the searches for unsolved puzzles and the short catalogue.
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "Select.h"
#include "modal_answers.h"
#include "ui_fixture.h"
#include "widgets/boardcanvas.h"

using tangram::GameData;

namespace {

constexpr QRgb Silver = 0xC0C0C0, Black = 0x000000, Grey = 0x7F7F7F;
constexpr QRgb CheckGreen = 0x009628, BadgeEdge = 0x0A2878;

// Slot origins in the box, and points inside a thumbnail: the middle of the
// square's figure, a pixel of the solved mark, the left edge of a count badge,
// and plain silver beside the number.
QPoint Slot(int slot) {
    return {(slot % 3) * 130, (slot / 3) * 105};
}
QPoint Figure(int slot) {
    return Slot(slot) + QPoint(60, 63);  // inside a Tan, clear of the edges
}
QPoint CheckMark(int slot) {
    return Slot(slot) + QPoint(103 + 5, 2 + 9);
}
QPoint BadgeLeft(int slot) {
    return Slot(slot) + QPoint(103 + 1, 2 + 7);
}
QPoint Plain(int slot) {
    return Slot(slot) + QPoint(60, 8);
}

QRgb At(const QImage& image, QPoint p) {
    return image.pixel(p) & 0xFFFFFF;
}

}  // namespace

class SelectDialogTest : public QObject {
    Q_OBJECT

    GameData game;

    void NewGame(int puzzles, int current) {
        game = GameData{};
        fixture::FillGame(game, puzzles);
        game.CurrentPuzzle = current;
        game.Tongue = 0;
    }

private slots:
    void gridOfAFullCatalogue() {
        NewGame(330, 5);
        game.PuzzleStatus[6] = tangram::SolvedBit;  // solved, nothing laid in advance
        game.PuzzleStatus[7] = 3;                   // three Tans laid in advance
        game.PuzzleStatus[8] = 4;                   // a count only
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.size(), QSize(437, 376));
        QCOMPARE(dlg.Position(), 5);
        QCOMPARE(dlg.Scroll()->minimum(), 1);
        QCOMPARE(dlg.ScrollMaximum(), 322);
        QCOMPARE(dlg.Scroll()->singleStep(), 4);
        QCOMPARE(dlg.Scroll()->pageStep(), 9);
        QVERIFY(dlg.Scroll()->isEnabled());

        const QImage grid = dlg.Picture();
        QCOMPARE(grid.size(), QSize(385, 313));
        for (int slot = 0; slot < 9; ++slot) {
            QCOMPARE(At(grid, Slot(slot)), Black);  // the frame's corner
            QCOMPARE(At(grid, Slot(slot) + QPoint(119, 94)), Black);
            QCOMPARE(At(grid, Plain(slot)), Silver);
        }
        // Puzzle 5, status 0: black figure, no icon.
        QCOMPARE(At(grid, Figure(0)), Black);
        QCOMPARE(At(grid, CheckMark(0)), Silver);
        QCOMPARE(At(grid, BadgeLeft(0)), Silver);
        // Puzzle 6 solved: grey figure with the solved mark.
        QCOMPARE(At(grid, Figure(1)), Grey);
        QCOMPARE(At(grid, CheckMark(1)), CheckGreen);
        // Puzzles 7 and 8: a count badge, the figure still black.
        QCOMPARE(At(grid, Figure(2)), Black);
        QCOMPARE(At(grid, BadgeLeft(2)), BadgeEdge);
        QCOMPARE(At(grid, BadgeLeft(3)), BadgeEdge);
        QCOMPARE(At(grid, Figure(3)), Black);

        // Scrolling redraws: puzzle 6 moves to the top-left slot.
        dlg.Scroll()->setValue(6);
        QCOMPARE(At(dlg.Picture(), Figure(0)), Grey);

        // The end of the catalogue: the last nine puzzles.
        game.CurrentPuzzle = 330;
        dlg.FormActivate();
        QCOMPARE(dlg.Position(), 322);
    }

    void statusIcons() {
        QCOMPARE(StatusIcon(0), -1);
        QCOMPARE(StatusIcon(0x10), -1);  // the upper bits are no status
        QCOMPARE(StatusIcon(8), 0);
        QCOMPARE(StatusIcon(3), 3);
        QCOMPARE(StatusIcon(8 | 7), 7);
    }

    void clickChoosesThePuzzleUnderTheMouse() {
        NewGame(330, 5);
        TSelectDlg dlg(game, nullptr);
        fixture::ModalAnswers answers;
        answers.Then([&dlg](QDialog*) {
            QTest::mouseClick(dlg.findChild<BoardCanvas*>(QStringLiteral("box")), Qt::LeftButton,
                              {}, QPoint(200, 150));
        });
        QCOMPARE(dlg.exec(), 1);
        QCOMPARE(game.CurrentPuzzle, 5 + 1 + 3);

        // The gaps belong to the thumbnail on their left or above; any button.
        const QList<std::pair<QPoint, int>> clicks{
            {{125, 50}, 5}, {{0, 100}, 5}, {{384, 312}, 13}, {{260, 0}, 7}};
        for (const auto& [pos, expected] : clicks) {
            game.CurrentPuzzle = 5;
            dlg.FormActivate();
            dlg.setResult(0);
            dlg.boxMouseDown(pos);
            QCOMPARE(game.CurrentPuzzle, expected);
            QCOMPARE(dlg.result(), 1);
        }
        // Outside the grid nothing happens.
        game.CurrentPuzzle = 5;
        for (QPoint pos : {QPoint(-1, 10), QPoint(10, -1), QPoint(10, 315)}) {
            dlg.setResult(0);
            dlg.boxMouseDown(pos);
            QCOMPARE(game.CurrentPuzzle, 5);
            QCOMPARE(dlg.result(), 0);
        }
    }

    void cancelChangesNothing() {
        NewGame(330, 17);
        TSelectDlg dlg(game, nullptr);
        fixture::ModalAnswers answers;
        answers.Then(
            [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click(); });
        QCOMPARE(dlg.exec(), 2);
        answers.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(dlg.exec(), 2);
        answers.Then([](QDialog* d) { d->close(); });
        QCOMPARE(dlg.exec(), 2);
        QCOMPARE(game.CurrentPuzzle, 17);
    }

    void previousUnsolved() {
        NewGame(330, 5);
        game.PuzzleStatus[3] = game.PuzzleStatus[4] = tangram::SolvedBit;
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        dlg.PrevBtnClick();
        QCOMPARE(dlg.Position(), 2);

        game.PuzzleStatus[1] = game.PuzzleStatus[2] = tangram::SolvedBit;
        dlg.FormActivate();
        dlg.PrevBtnClick();
        QCOMPARE(dlg.Position(), 5);

        // On the first puzzle the search tests puzzle 1 itself.
        game.PuzzleStatus[1] = 0;
        game.CurrentPuzzle = 1;
        dlg.FormActivate();
        dlg.PrevBtnClick();
        QCOMPARE(dlg.Position(), 1);
    }

    void nextUnsolved() {
        NewGame(330, 5);
        game.PuzzleStatus[6] = game.PuzzleStatus[7] = tangram::SolvedBit;
        game.PuzzleStatus[8] = 2;  // laid in advance is not solved
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        dlg.NextBtnClick();
        QCOMPARE(dlg.Position(), 8);

        // The search stops at the last scroll position; a solved puzzle there
        // leaves the grid where it was.
        game.CurrentPuzzle = 320;
        game.PuzzleStatus[321] = game.PuzzleStatus[322] = tangram::SolvedBit;
        dlg.FormActivate();
        dlg.NextBtnClick();
        QCOMPARE(dlg.Position(), 320);
        game.PuzzleStatus[322] = 0;
        dlg.NextBtnClick();
        QCOMPARE(dlg.Position(), 322);
    }

    void wheelScrollsARowANotch() {
        NewGame(330, 20);
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        // Over the grid: the thumbnails leave the wheel to the dialog (Qt passes
        // a wheel event from the screen on to the parent).
        auto turn = [&dlg](int delta) {
            QWheelEvent wheel(QPointF(70, 70), dlg.mapToGlobal(QPointF(70, 70)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(&dlg, &wheel);
        };
        turn(-120);  // towards the player: on to later puzzles
        QCOMPARE(dlg.Position(), 23);
        turn(240);
        QCOMPARE(dlg.Position(), 17);
        // A fine-grained wheel moves once its parts make up a notch.
        turn(-60);
        QCOMPARE(dlg.Position(), 17);
        turn(-60);
        QCOMPARE(dlg.Position(), 20);
        // The grid stays within the catalogue.
        turn(120 * 10);
        QCOMPARE(dlg.Position(), 1);
        turn(-120 * 200);
        QCOMPARE(dlg.Position(), 322);
        QCOMPARE(game.CurrentPuzzle, 20);
    }

    void shortCatalogue() {
        NewGame(5, 4);
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.Position(), 1);
        QCOMPARE(dlg.ScrollMaximum(), 1);
        QVERIFY(!dlg.Scroll()->isEnabled());
        const QImage grid = dlg.Picture();
        const QRgb background = At(grid, QPoint(125, 50));
        for (int slot = 0; slot < 5; ++slot) {
            QCOMPARE(At(grid, Figure(slot)), Black);
        }
        for (int slot = 5; slot < 9; ++slot) {
            QCOMPARE(At(grid, Slot(slot)), background);
            QCOMPARE(At(grid, Figure(slot)), background);
        }
        // An empty slot chooses nothing; a full one does.
        dlg.setResult(0);
        dlg.boxMouseDown(Figure(6));
        QCOMPARE(game.CurrentPuzzle, 4);
        QCOMPARE(dlg.result(), 0);
        dlg.PrevBtnClick();
        dlg.NextBtnClick();
        QCOMPARE(dlg.Position(), 1);
        dlg.boxMouseDown(Figure(4));
        QCOMPARE(game.CurrentPuzzle, 5);
        QCOMPARE(dlg.result(), 1);

        // Nine puzzles fit exactly; an empty catalogue shows nothing.
        NewGame(9, 9);
        dlg.FormActivate();
        QCOMPARE(dlg.Position(), 1);
        QVERIFY(!dlg.Scroll()->isEnabled());
        NewGame(0, 0);
        dlg.FormActivate();
        dlg.setResult(0);
        dlg.boxMouseDown(QPoint(10, 10));
        QCOMPARE(dlg.result(), 0);
    }

    void textsInBothLanguages() {
        NewGame(330, 1);
        TSelectDlg dlg(game, nullptr);
        auto* prev = dlg.findChild<QToolButton*>(QStringLiteral("PrevBtn"));
        auto* next = dlg.findChild<QToolButton*>(QStringLiteral("NextBtn"));
        auto* cancel = dlg.findChild<QPushButton*>(QStringLiteral("CancelBtn"));
        auto* box = dlg.findChild<BoardCanvas*>(QStringLiteral("box"));
        QCOMPARE(prev->geometry(), QRect(296, 344, 25, 25));
        QCOMPARE(next->geometry(), QRect(324, 344, 25, 25));
        QCOMPARE(cancel->geometry(), QRect(356, 344, 75, 25));
        QCOMPARE(box->geometry(), QRect(20, 20, 385, 313));
        QVERIFY(!prev->icon().isNull() && !next->icon().isNull());

        for (int tongue : {-1, 0, 2}) {
            game.Tongue = tongue;
            dlg.FormActivate();
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Select Tangram"));
            QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
            QCOMPARE(prev->toolTip(),
                     QStringLiteral("Which previous Tangram I havn't solved yet?"));
            QCOMPARE(next->toolTip(),
                     QStringLiteral("Which following Tangram I havn't solved yet?"));
            QCOMPARE(box->toolTip(), QStringLiteral("A mouselick and the Tangram is selected."));
        }
        game.Tongue = 1;
        dlg.FormActivate();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tangram wählen"));
        QCOMPARE(cancel->text(), QStringLiteral("Abbruch"));
        QCOMPARE(prev->toolTip(),
                 QStringLiteral("Welches vorhergehende Tangrams hab ich noch nicht geschafft?"));
        QCOMPARE(next->toolTip(),
                 QStringLiteral("Welches folgende Tangram hab ich noch nicht geschafft?"));
        QCOMPARE(box->toolTip(),
                 QStringLiteral("Ein Mausklick und schon gehts mit diesem Tangram los."));
    }

    // Each thumbnail's tooltip is the grid's hint with the thumbnail's number
    // and name under it; a record edited since its name was written shows only
    // its number.
    void thumbnailTooltipsNameTheFigures() {
        NewGame(330, 5);
        game.PuzzleTable[9][0].row = 44;
        fixture::NameFigures(game, {{fixture::Square, 3, "Cat", "Katze"}});
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        const QString hint = QStringLiteral("A mouselick and the Tangram is selected.");
        QCOMPARE(dlg.ThumbToolTip(Figure(0)), hint + QStringLiteral("\n5: Cat"));
        QCOMPARE(dlg.ThumbToolTip(Slot(4) + QPoint(125, 100)), hint + QStringLiteral("\n9"));
        QCOMPARE(dlg.ThumbToolTip(Slot(8)), hint + QStringLiteral("\n13: Cat"));
        game.Tongue = 1;
        dlg.FormActivate();
        QCOMPARE(dlg.ThumbToolTip(Figure(1)),
                 QStringLiteral("Ein Mausklick und schon gehts mit diesem Tangram los.\n6: Katze"));

        // The tooltip the mouse brings up is that text.
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* box = dlg.findChild<BoardCanvas*>(QStringLiteral("box"));
        QHelpEvent help(QEvent::ToolTip, Figure(2), box->mapToGlobal(Figure(2)));
        QApplication::sendEvent(box, &help);
        QTRY_COMPARE(QToolTip::text(), dlg.ThumbToolTip(Figure(2)));
        QCOMPARE(box->toolTip(),
                 QStringLiteral("Ein Mausklick und schon gehts mit diesem Tangram los."));
    }

    void centredOverTheMainWindow() {
        NewGame(330, 1);
        QWidget main;
        main.setGeometry(100, 100, 638, 445);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect frame = main.frameGeometry();
        TSelectDlg dlg(game, &main);
        fixture::ModalAnswers answers;
        QPoint shown;
        answers.Then([&shown](QDialog* d) {
            shown = d->frameGeometry().topLeft();
            d->done(2);
        });
        dlg.exec();
        const QSize outer = dlg.frameGeometry().size();
        QCOMPARE(shown.x(), frame.left() + (frame.width() - outer.width()) / 2);
        QCOMPARE(shown.y(), frame.top() + frame.height() - (main.height() + outer.height()) / 2);
    }
};

QTEST_MAIN(SelectDialogTest)
#include "select_dialog_test.moc"
