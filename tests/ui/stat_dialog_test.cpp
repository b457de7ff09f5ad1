// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The statistics dialog: the sentence, the title and the bar for the counts
// the player meets, in both languages.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "Statis.h"
#include "modal_answers.h"
#include "ui_fixture.h"

using tangram::GameData;

class StatDialogTest : public QObject {
    Q_OBJECT

    GameData game;

    void NewGame(int puzzles, int solved, int tongue) {
        game = GameData{};
        fixture::FillGame(game, puzzles);
        for (int k = 1; k <= solved; ++k) {
            game.PuzzleStatus[k] = tangram::SolvedBit;
        }
        game.Tongue = tongue;
    }

private slots:
    void sentences_data() {
        QTest::addColumn<int>("solved");
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("bar");
        QTest::newRow("none, English") << 0 << 0 << "Until now no Tangram was solved !!!"
                                       << "0%";
        QTest::newRow("none, German") << 0 << 1 << "Bisher wurde noch kein Tangram gelöst !!!"
                                      << "0%";
        QTest::newRow("one, English")
            << 1 << -1 << "Until now one out of total 330 Tangrams was solved."
            << "0%";
        QTest::newRow("one, German")
            << 1 << 1 << "Bisher wurde eines von insgesamt 330 Tangrams gelöst."
            << "0%";
        QTest::newRow("half, English")
            << 165 << 2 << "Until now 165 out of total 330 Tangrams were solved."
            << "50%";
        QTest::newRow("half, German")
            << 165 << 1 << "Bisher wurden 165 von insgesamt 330 Tangrams gelöst."
            << "50%";
        QTest::newRow("all but one")
            << 329 << 0 << "Until now 329 out of total 330 Tangrams were solved."
            << "99%";
    }

    void sentences() {
        QFETCH(int, solved);
        QFETCH(int, tongue);
        QFETCH(QString, sentence);
        QFETCH(QString, bar);
        NewGame(330, solved, tongue);
        TStatDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.SolvedCount(), solved);
        QCOMPARE(dlg.Sentence()->text(), sentence);
        QCOMPARE(dlg.Bar()->text(), bar);
        QCOMPARE(dlg.Bar()->maximum(), 330);
        QCOMPARE(dlg.Bar()->value(), solved);
        QCOMPARE(dlg.windowTitle(), tongue == 1 ? QStringLiteral("Tangram Statistik")
                                                : QStringLiteral("Tangram statistics"));
    }

    void titleNamesTheGame() {
        NewGame(330, 1, 1);
        game.GameFileName = "/home/player/games/week1.mxg";
        TStatDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tangram Statistik für Spiel week1"));
        QCOMPARE(dlg.Sentence()->text(),
                 QStringLiteral("Bisher wurde eines von insgesamt 330 Tangrams gelöst."));
        QCOMPARE(dlg.Bar()->text(), QStringLiteral("0%"));
        game.Tongue = 0;
        dlg.FormActivate();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tangram statistics for game week1"));

        QCOMPARE(GameName("/games/abc"), QString());  // shorter than four
        QCOMPARE(GameName("/games/.mxg"), QString());
        QCOMPARE(GameName("spring.mxg"), QStringLiteral("spring"));
        QCOMPARE(GameName(""), QString());
    }

    void everyNonZeroStatusCounts() {
        NewGame(330, 0, 0);
        game.PuzzleStatus[2] = 3;                       // Tans laid in advance only
        game.PuzzleStatus[5] = tangram::SolvedBit | 4;  // given up
        game.PuzzleStatus[331 - 1] = 0x10;              // an upper bit from a file
        TStatDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.SolvedCount(), 3);
        QCOMPARE(dlg.Sentence()->text(),
                 QStringLiteral("Until now 3 out of total 330 Tangrams were solved."));
        // Puzzles beyond the catalogue are not counted.
        game.PuzzleCount = 100;
        dlg.FormActivate();
        QCOMPARE(dlg.SolvedCount(), 2);
        QCOMPARE(dlg.Bar()->text(), QStringLiteral("2%"));
    }

    void emptyCatalogue() {
        NewGame(0, 0, 0);
        game.PuzzleStatus[1] = tangram::SolvedBit;  // left over, beyond the catalogue
        TStatDlg dlg(game, nullptr);
        dlg.FormActivate();
        QCOMPARE(dlg.SolvedCount(), 0);
        QCOMPARE(dlg.Bar()->text(), QStringLiteral("0%"));
        QVERIFY(dlg.Bar()->maximum() > dlg.Bar()->minimum());  // an empty bar, not a busy one
        QCOMPARE(StatPercent(5, 0), 0);
    }

    void layoutAndResult() {
        NewGame(330, 7, 0);
        TStatDlg dlg(game, nullptr);
        QCOMPARE(dlg.size(), QSize(448, 118));
        QCOMPARE(dlg.Bar()->geometry(), QRect(20, 44, 410, 18));
        QCOMPARE(dlg.Sentence()->pos(), QPoint(20, 20));
        QVERIFY(dlg.Sentence()->font().bold());
        auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("OkBtn"));
        QCOMPARE(ok->geometry(), QRect(364, 84, 75, 25));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());

        fixture::ModalAnswers answers;
        answers.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        QCOMPARE(dlg.exec(), 1);
        QCOMPARE(dlg.Sentence()->text(),
                 QStringLiteral("Until now 7 out of total 330 Tangrams were solved."));

        // The bar in its colours: blue up to the solved share, grey beyond.
        NewGame(330, 165, 0);
        dlg.FormActivate();
        const QImage bar = dlg.Bar()->grab().toImage();
        QCOMPARE(bar.pixel(20, 2) & 0xFFFFFF, 0x0080FFu);
        QCOMPARE(bar.pixel(390, 2) & 0xFFFFFF, 0xA0A0A0u);
    }
};

QTEST_MAIN(StatDialogTest)
#include "stat_dialog_test.moc"
