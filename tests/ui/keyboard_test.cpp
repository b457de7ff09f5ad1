// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The keyboard beside the mouse: a key for every tool button, the buttons
// reached with Tab and named for screen readers, and the selection grid
// walked with the arrow keys.
#include <QAccessible>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "Main.h"
#include "Select.h"
#include "Tongdlg.h"
#include "dialog_answers.h"
#include "ui_fixture.h"
#include "widgets/boardcanvas.h"

using answers::DialogAnswers;
using answers::Key;

class KeyboardTest : public QObject {
    Q_OBJECT

    tangram::GameData game;
    tangram::Board board;

    void NewGame(int puzzles, int current) {
        game = tangram::GameData{};
        board = tangram::Board{};
        fixture::FillGame(game, puzzles);
        game.CurrentPuzzle = current;
        game.Tongue = 0;
        tangram::SetUpPuzzle(game, board);
    }
    QToolButton* Button(TMainForm& form, const char* name) {
        return form.findChild<QToolButton*>(QLatin1String(name));
    }

private slots:
    // Keys without a dialog act at once; the others open the button's dialog.
    void everyToolButtonHasItsKey() {
        NewGame(17, 5);
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_PageDown);
        QCOMPARE(game.CurrentPuzzle, 6);
        QTest::keyClick(&form, Qt::Key_PageUp);
        QTest::keyClick(&form, Qt::Key_PageUp);
        QCOMPARE(game.CurrentPuzzle, 4);
        QVERIFY(form.SoundOn());
        QTest::keyClick(&form, Qt::Key_M);
        QVERIFY(!form.SoundOn());

        const QList<std::pair<QKeySequence, QString>> dialogs{
            {QKeySequence(Qt::Key_T), "StatDlg"},
            {QKeySequence(Qt::Key_F), "SelectDlg"},
            {QKeySequence(Qt::Key_L), "TongueDlg"},
            {QKeySequence(Qt::Key_F1), "HintDlg"},
            {QKeySequence(Qt::Key_I), "FreewareDlg"},
            {QKeySequence(Qt::CTRL | Qt::Key_N), "YesNoDlg"},
            {QKeySequence(Qt::CTRL | Qt::Key_Q), "YesNoDlg"}};
        for (const auto& [keys, dialog] : dialogs) {
            DialogAnswers answers;
            answers.Expect(Key(Qt::Key_Escape));
            // The closing question is followed by the info dialog.
            if (keys == QKeySequence(Qt::CTRL | Qt::Key_Q)) {
                answers.Expect(Key(Qt::Key_Escape));
            }
            QTest::keySequence(&form, keys);
            QTRY_VERIFY2(answers.Done(), qPrintable(keys.toString()));
            QCOMPARE(answers.seen.value(0), dialog);
            // Without a window manager nobody hands the focus back.
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
        }
        // Still open: No was the answer to the closing question.
        QVERIFY(form.isVisible());
        QCOMPARE(form.ToolKeys().size(), size_t(13));
    }

    // The hint flashes on the key press itself, and once for a held key.
    void hintKeyActsOnThePress() {
        NewGame(17, 1);
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QImage before = form.Box()->picture().copy();
        QElapsedTimer clock;
        clock.start();
        QTest::keyPress(&form, Qt::Key_H);
        // The flash holds the thread for a little over a second.
        QVERIFY(clock.elapsed() >= 1000);
        clock.restart();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"), true);
        QApplication::sendEvent(&form, &repeat);
        QVERIFY(clock.elapsed() < 1000);
        QTest::keyRelease(&form, Qt::Key_H);
        QCOMPARE(form.Box()->picture(), before);
    }

    // Tab walks the tool bar from the left; the board never takes the focus.
    // Each button is named by its hint, in the language of the moment.
    void toolBarForKeyboardAndScreenReaders() {
        NewGame(17, 1);
        TMainForm form(game, board);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), Button(form, "NewgameBtn"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Button(form, "LoadBtn"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Button(form, "SaveBtn"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), Button(form, "LoadBtn"));
        QCOMPARE(form.Box()->focusPolicy(), Qt::NoFocus);
        for (const auto& key : form.ToolKeys()) {
            QCOMPARE(key.button->accessibleName(), key.button->toolTip());
        }
        game.Tongue = 1;
        InstallLanguage(1);
        form.Localize();
        QCOMPARE(Button(form, "ExitBtn")->accessibleName(), QStringLiteral("Ich hab genug!"));
        InstallLanguage(0);
    }

    // The highlight starts on the current puzzle, moves by one sideways and
    // by a row up and down, scrolls the grid along by rows and stops at the
    // ends; Enter takes the highlighted puzzle.
    void selectionByArrowKeys() {
        NewGame(30, 5);
        TSelectDlg dlg(game, nullptr);
        DialogAnswers answers;
        answers.Expect([&dlg](QWidget*) {
            QCOMPARE(dlg.Highlighted(), 5);
            QTest::keyClick(&dlg, Qt::Key_Right);
            QCOMPARE(dlg.Highlighted(), 6);
            for (int k = 0; k < 3; ++k) {
                QTest::keyClick(&dlg, Qt::Key_Down);
            }
            // Puzzle 15 is off the grid of 5..13: the grid moves a row down.
            QCOMPARE(dlg.Highlighted(), 15);
            QCOMPARE(dlg.Position(), 8);
            QTest::keyClick(&dlg, Qt::Key_Up);
            QCOMPARE(dlg.Position(), 8);
            for (int k = 0; k < 5; ++k) {
                QTest::keyClick(&dlg, Qt::Key_Up);
            }
            QCOMPARE(dlg.Highlighted(), 1);
            QCOMPARE(dlg.Position(), 1);
            QTest::keyClick(&dlg, Qt::Key_Left);
            QCOMPARE(dlg.Highlighted(), 1);
            for (int k = 0; k < 12; ++k) {
                QTest::keyClick(&dlg, Qt::Key_Down);
            }
            QCOMPARE(dlg.Highlighted(), 30);
            QCOMPARE(dlg.Position(), dlg.ScrollMaximum());
            QTest::keyClick(&dlg, Qt::Key_Left);
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        QCOMPARE(dlg.exec(), 1);
        QCOMPARE(game.CurrentPuzzle, 29);
    }

    // The highlight is drawn: the highlighted thumbnail's edge takes the
    // highlight colour, the others keep their black one.
    void highlightIsVisible() {
        NewGame(30, 5);
        TSelectDlg dlg(game, nullptr);
        dlg.FormActivate();
        const QRgb mark = dlg.palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
        const QImage& picture = dlg.Picture();
        QCOMPARE(picture.pixel(0, 40) & 0xFFFFFF, mark);  // slot 0: puzzle 5
        QCOMPARE(picture.pixel(130, 40) & 0xFFFFFF, 0u);  // slot 1: puzzle 6
        QTest::keyClick(&dlg, Qt::Key_Right);
        QCOMPARE(dlg.Picture().pixel(0, 40) & 0xFFFFFF, 0u);
        QCOMPARE(dlg.Picture().pixel(130, 40) & 0xFFFFFF, mark);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
