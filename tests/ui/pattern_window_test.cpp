// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The pattern window: its title tells the puzzle and its state, its picture
// the silhouette at two pixels per cell.
#include <QtTest>

#include "pattern.h"
#include "ui_fixture.h"

class PatternWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleTellsTheState() {
        QCOMPARE(TPatForm::TitleFor(17, 0), QStringLiteral("17"));
        QCOMPARE(TPatForm::TitleFor(17, 4), QStringLiteral("17"));
        QCOMPARE(TPatForm::TitleFor(17, 8), QStringLiteral("17 - solved"));
        QCOMPARE(TPatForm::TitleFor(17, 12), QStringLiteral("17 - dropped"));
        QCOMPARE(TPatForm::TitleFor(17, 11), QStringLiteral("17 - solved"));
        QCOMPARE(TPatForm::TitleFor(17, 0x18), QStringLiteral("17 - solved"));
    }

    void followsTheGame() {
        tangram::GameData game;
        fixture::FillGame(game, 20);
        game.CurrentPuzzle = 17;
        game.PuzzleStatus[17] = 12;
        TPatForm pattern(game);
        QCOMPARE(pattern.windowTitle(), QStringLiteral("17 - dropped"));
        QCOMPARE(pattern.pos(), QPoint(500, 50));
        QCOMPARE(pattern.size(), QSize(241, 160));
        QVERIFY(pattern.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!pattern.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        game.CurrentPuzzle = 3;
        pattern.Refresh();
        QCOMPARE(pattern.windowTitle(), QStringLiteral("3"));

        TPatForm placed(game, QPoint(20, 30));
        QCOMPARE(placed.pos(), QPoint(20, 30));
    }

    // The tooltip names the figure in the player's language, by its bytes.
    void tooltipNamesTheFigure() {
        tangram::GameData game;
        fixture::FillGame(game, 20);
        game.PuzzleTable[18][6].col = 57;  // edited since the names were written
        fixture::NameFigures(game, {{fixture::Square, 3, "Cat", "Katze"}});
        game.CurrentPuzzle = 17;
        game.PuzzleStatus[17] = tangram::SolvedBit;
        game.Tongue = 0;
        TPatForm pattern(game);
        QCOMPARE(pattern.toolTip(), QStringLiteral("17: Cat (Animals)"));
        // Shown although the main window, not this one, is the active window.
        QVERIFY(pattern.testAttribute(Qt::WA_AlwaysShowToolTips));
        QCOMPARE(pattern.windowTitle(), QStringLiteral("17 - solved"));  // the title as ever
        game.Tongue = 1;
        pattern.Refresh();
        QCOMPARE(pattern.toolTip(), QStringLiteral("17: Katze (Tiere)"));
        game.CurrentPuzzle = 18;
        pattern.Refresh();
        QCOMPARE(pattern.toolTip(), QStringLiteral("18"));
        QCOMPARE(pattern.windowTitle(), QStringLiteral("18"));
    }

    void silhouetteAtTwoPixelsPerCell() {
        tangram::GameData game;
        fixture::FillGame(game, 1);
        game.CurrentSolution = fixture::Square;
        TPatForm pattern(game);
        const QImage picture = pattern.grab().toImage();
        // Every Tan is black, and so is every seam between them.
        for (int tan = 1; tan <= 7; ++tan) {
            QCOMPARE(fixture::Rgb(picture, fixture::Centre(fixture::Square[tan - 1], tan, 2)),
                     QRgb(0));
            QCOMPARE(fixture::Rgb(picture, fixture::EdgeMiddle(fixture::Square[tan - 1], tan, 2)),
                     QRgb(0));
        }
        QCOMPARE(fixture::Rgb(picture, QPoint(2, 2)), QRgb(0xC0C0C0));
        QCOMPARE(fixture::Rgb(picture, QPoint(238, 157)), QRgb(0xC0C0C0));
    }
};

QTEST_MAIN(PatternWindowTest)
#include "pattern_window_test.moc"
