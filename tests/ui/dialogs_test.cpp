// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The message, language, rules and info dialogs: their results, their texts in
// German, English and French, and where they open.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "Freeware.h"
#include "Hint.h"
#include "Main.h"
#include "Tongdlg.h"
#include "YesNo.h"
#include "dialog_answers.h"
#include "pattern.h"
#include "project.h"
#include "ui_fixture.h"
#include "widgets/hyperlink.h"
#include "widgets/placement.h"
#include "widgets/ticker.h"

using answers::Click;
using answers::CloseBox;
using answers::DialogAnswers;
using answers::Key;

namespace {

QString Label(QWidget* dialog, const char* name) {
    auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<none>");
}

QString VisibleBox(QWidget* dialog) {
    QString names;
    for (auto* box : dialog->findChildren<QPlainTextEdit*>()) {
        if (box->isVisible()) {
            names += box->objectName();
        }
    }
    return names;
}

QString Hint(QWidget* form, const char* button) {
    return form->findChild<QToolButton*>(QString::fromLatin1(button))->toolTip();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallLanguage(0); }

    void messageResults_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("won OK") << 1 << "OKBtn" << 1;
        QTest::newRow("won Return") << 1 << "Return" << 1;
        QTest::newRow("won close box") << 1 << "close" << 2;
        QTest::newRow("endgame Yes") << 3 << "EndYesBtn" << 6;
        QTest::newRow("endgame Return") << 3 << "Return" << 6;
        QTest::newRow("endgame No") << 3 << "EndNoBtn" << 2;
        QTest::newRow("endgame Escape") << 3 << "Escape" << 2;
        QTest::newRow("endgame close box") << 3 << "close" << 2;
        QTest::newRow("giveup Yes") << 4 << "GiveYesBtn" << 6;
        QTest::newRow("giveup No") << 4 << "GiveNoBtn" << 7;
        QTest::newRow("giveup Escape") << 4 << "Escape" << 7;
        QTest::newRow("giveup close box") << 4 << "close" << 2;
    }
    void messageResults() {
        QFETCH(int, page);
        QFETCH(QString, how);
        QFETCH(int, result);
        TYesNoDlg dialog;
        DialogAnswers answers;
        const QByteArray button = how.toLatin1();
        answers.Expect(how == "Return"   ? Key(Qt::Key_Return)
                       : how == "Escape" ? Key(Qt::Key_Escape)
                       : how == "close"  ? CloseBox()
                                         : Click(button.constData()),
                       [page](QWidget* shown) {
                           QCOMPARE(static_cast<TYesNoDlg*>(shown)->CurrentPageName(),
                                    TYesNoDlg::PageName(page));
                           // The page's default button has the focus.
                           auto* focus = qobject_cast<QPushButton*>(shown->focusWidget());
                           QVERIFY(focus != nullptr && focus->isDefault());
                           QCOMPARE(focus->parentWidget()->objectName(), TYesNoDlg::PageName(page));
                       });
        QCOMPARE(dialog.ShowPage(page), result);
        QVERIFY(answers.Done());
    }

    // Qt's own dialogs (the file dialogs) speak German with the game, and
    // English in French mode like every window but the message dialog.
    void qtOwnTextsFollowTheLanguage() {
        const QString lookIn = QStringLiteral("Look in:");
        InstallLanguage(1);
        if (QCoreApplication::translate("QFileDialog", "Look in:") == lookIn) {
            QSKIP("Qt's German translations are not installed");
        }
        InstallLanguage(2);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        InstallLanguage(0);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    }

    void unknownPageShowsNothing() {
        TYesNoDlg dialog;
        DialogAnswers answers;
        for (int page : {0, 2, 5, -1}) {
            QCOMPARE(dialog.ShowPage(page), 2);
        }
        QVERIFY(answers.seen.isEmpty());
    }

    void messageTexts_data() {
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QStringList>("texts");  // won, endgame, giveup, yes, no
        QTest::newRow("English") << 0
                                 << QStringList{"Hurrah, you did it!", "Do you really want to go?",
                                                "Do you really want to give up the game?", "Yes",
                                                "No"};
        QTest::newRow("not chosen")
            << -1
            << QStringList{"Hurrah, you did it!", "Do you really want to go?",
                           "Do you really want to give up the game?", "Yes", "No"};
        QTest::newRow("German") << 1
                                << QStringList{
                                       "Hurra, geschafft!", "Willst Du wirklich schon aufhören?",
                                       "Willst Du das Spiel wirklich aufgeben?", "Ja", "Nein"};
        QTest::newRow("French") << 2
                                << QStringList{"Super, tu as réussi!", "Veux-tu vraiment arrêter?",
                                               "Veux-tu vraiment abandonner le jeu?", "Oui", "Non"};
    }
    void messageTexts() {
        QFETCH(int, tongue);
        QFETCH(QStringList, texts);
        InstallLanguage(tongue);
        TYesNoDlg dialog;
        QVERIFY(dialog.SelectPage(1));
        QCOMPARE(dialog.Text(), texts[0]);
        QCOMPARE(dialog.findChild<QPushButton*>("OKBtn")->text(), QStringLiteral("OK"));
        QVERIFY(dialog.SelectPage(3));
        QCOMPARE(dialog.Text(), texts[1]);
        QCOMPARE(dialog.findChild<QPushButton*>("EndYesBtn")->text(), texts[3]);
        QCOMPARE(dialog.findChild<QPushButton*>("EndNoBtn")->text(), texts[4]);
        QVERIFY(dialog.SelectPage(4));
        QCOMPARE(dialog.Text(), texts[2]);
        QCOMPARE(dialog.findChild<QPushButton*>("GiveYesBtn")->text(), texts[3]);
        QCOMPARE(dialog.findChild<QPushButton*>("GiveNoBtn")->text(), texts[4]);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quarv Tangram"));
        QCOMPARE(dialog.size(), TYesNoDlg::ClientSize);
    }

    // Only a button sets the language; closing keeps the old one.
    void languageDialog() {
        TTongueDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quarv Tangram V2.9"));
        DialogAnswers answers;
        answers.Expect(Click("GermanBtn"));
        answers.Expect(Key(Qt::Key_Return), [](QWidget* shown) {
            QCOMPARE(shown->focusWidget()->objectName(), QStringLiteral("EnglishBtn"));
            QCOMPARE(Label(shown, "none"), QStringLiteral("<none>"));
        });
        answers.Expect(CloseBox());
        answers.Expect(Key(Qt::Key_Escape));

        dialog.SetTongue(-1);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.Tongue(), 1);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.Tongue(), 0);
        dialog.SetTongue(-1);
        QVERIFY(dialog.exec() != 1);
        QCOMPARE(dialog.Tongue(), -1);
        dialog.SetTongue(1);
        QVERIFY(dialog.exec() != 1);
        QCOMPARE(dialog.Tongue(), 1);
        QCOMPARE(dialog.findChild<QPushButton*>("EnglishBtn")->text(),
                 QStringLiteral("I speak english."));
        QCOMPARE(dialog.findChild<QPushButton*>("GermanBtn")->text(),
                 QStringLiteral("Ich spreche deutsch."));
    }

    void rulesDialog() {
        THintDlg dialog;
        DialogAnswers answers;
        const auto look = [](const char* box) {
            return [box](QWidget* shown) {
                QCOMPARE(VisibleBox(shown), QString::fromLatin1(box));
                QCOMPARE(shown->focusWidget()->objectName(), QStringLiteral("OKBtn"));
            };
        };
        answers.Expect(Key(Qt::Key_Return), look("tipD"));
        answers.Expect(Click("OKBtn"), look("TipE"));
        answers.Expect(CloseBox(), look("TipE"));
        for (int tongue : {1, 0, 2}) {
            InstallLanguage(tongue);
            dialog.SetTongue(tongue);
            QCOMPARE(dialog.exec(), tongue == 2 ? 2 : 1);
        }
        QVERIFY(answers.Done());
        QVERIFY(THintDlg::EnglishRules().startsWith(
            "Even the people in ancient China like it, so you will like it too. Always seven "
            "pieces\ngive a Tangram."));
        QVERIFY(THintDlg::GermanRules().startsWith(
            "Was schon die alten Chinesen in Atem hielt, fordert auch Dich heraus. Lege aus\nden "
            "7 Tans 330 Tangrams nach."));
        for (const QString& rules : {THintDlg::EnglishRules(), THintDlg::GermanRules()}) {
            QVERIFY(!rules.contains("_bm17"));
            QVERIFY(rules.contains("\n\n"));
        }
        auto* box = dialog.findChild<QPlainTextEdit*>("TipE");
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(206, 206, 232));
    }

    void infoDialog() {
        TFreewareDlg dialog;
        DialogAnswers answers;
        answers.Expect(Key(Qt::Key_Return), [](QWidget* shown) {
            QCOMPARE(VisibleBox(shown), QStringLiteral("Memodeu"));
            QCOMPARE(Label(shown, "savelabel"),
                     QStringLiteral("Freie Software von Quarv Games, einem unabhängigen "
                                    "Spielestudio."));
        });
        answers.Expect(CloseBox(), [](QWidget* shown) {
            QCOMPARE(VisibleBox(shown), QStringLiteral("Memoeng"));
            QCOMPARE(Label(shown, "savelabel"),
                     QStringLiteral("Free software from Quarv Games, an independent games "
                                    "studio."));
        });
        InstallLanguage(1);
        dialog.SetTongue(1);
        QCOMPARE(dialog.exec(), 1);
        InstallLanguage(2);
        dialog.SetTongue(2);
        QCOMPARE(dialog.exec(), 2);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quarv Games - Freeware-Info"));
        QCOMPARE(Label(&dialog, "progname"), QStringLiteral("Quarv Tangram V2.9"));
        auto* mail = dialog.findChild<HyperlinkLabel*>("MailLink");
        auto* home = dialog.findChild<HyperlinkLabel*>("HomeLink");
        QCOMPARE(mail->url().scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail->url().path(), QString::fromLatin1(quarv::MailAddress));
        QCOMPARE(home->url().toString(), QString::fromLatin1(quarv::HomepageUrl));
        // Both languages offer the same licence and say where the source is.
        for (const QString& terms : {TFreewareDlg::EnglishTerms(), TFreewareDlg::GermanTerms()}) {
            QVERIFY(terms.contains("GNU General Public License"));
            QVERIFY(terms.contains(QRegularExpression("[Vv]ersion 3 ")));
            QVERIFY(terms.contains(QString::fromLatin1(quarv::SourceUrl) + "\n"));
            QVERIFY(terms.contains("https://www.gnu.org/licenses/gpl-3.0.html"));
        }
    }

    // Every window in every language: German in German mode, English in
    // English and French mode, and the language button in the other one.
    void mainWindowTexts_data() {
        QTest::addColumn<int>("tongue");
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 1;
        QTest::newRow("French") << 2;
    }
    void mainWindowTexts() {
        QFETCH(int, tongue);
        tangram::GameData game;
        tangram::Board board;
        fixture::FillGame(game, 17);
        game.Tongue = tongue;
        game.GameFileName = "/somewhere/test.mxg";
        game.PuzzleStatus[1] = 12;
        tangram::SetUpPuzzle(game, board);
        InstallLanguage(tongue);
        TMainForm form(game, board);
        TPatForm pattern(game);
        form.Localize();
        pattern.Refresh();
        const bool german = tongue == 1;
        QCOMPARE(form.windowTitle(), german ? QStringLiteral("Quarv Tangram - Spiel test.mxg")
                                            : QStringLiteral("Quarv Tangram - Game test.mxg"));
        QCOMPARE(pattern.windowTitle(),
                 german ? QStringLiteral("1 - aufgegeben") : QStringLiteral("1 - dropped"));
        QCOMPARE(Hint(&form, "TongueBtn"), german ? QStringLiteral("I don't speak german.")
                                                  : QStringLiteral("Ich spreche nicht englisch."));
        QCOMPARE(Hint(&form, "SaveBtn"),
                 german ? QStringLiteral("Einmal zu oft gesichert ist besser als einmal zuwenig")
                        : QStringLiteral("Save often, save always."));
        QCOMPARE(Hint(&form, "UpBtn"), german ? QStringLiteral("Ich nehm' das nächste Tangram.")
                                              : QStringLiteral("I take the next Tangram."));
        QCOMPARE(Hint(&form, "SoundBtn"), german
                                              ? QStringLiteral("Die Geräusche mag ich nicht immer.")
                                              : QStringLiteral("I dont like the sound always."));
        const QString ticker = form.Scroll()->text();
        QCOMPARE(ticker.count(QStringLiteral(".     ")) + ticker.count(QStringLiteral("!     ")),
                 3);
        QVERIFY(ticker.contains("8") && ticker.contains("88"));
        QCOMPARE(ticker.contains(QStringLiteral("Klick")), german);
        game.PuzzleStatus[1] = 8;
        pattern.Refresh();
        QCOMPARE(pattern.windowTitle(),
                 german ? QStringLiteral("1 - gelöst") : QStringLiteral("1 - solved"));
        game.GameFileName.clear();
    }

    // All thirteen hints, each in the language of the code: German for 1,
    // English for French and every other code.
    void everyHintInItsLanguage_data() {
        QTest::addColumn<int>("tongue");
        QTest::newRow("not chosen") << -1;
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 1;
        QTest::newRow("French") << 2;
    }
    void everyHintInItsLanguage() {
        QFETCH(int, tongue);
        struct Expected {
            const char* button;
            const char* german;
            const char* english;
        };
        const Expected hints[] = {
            {"LoadBtn", "Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
            {"SaveBtn", "Einmal zu oft gesichert ist besser als einmal zuwenig",
             "Save often, save always."},
            {"NewgameBtn", "Ich fang ein neues Spiel an.", "I want to play a new game."},
            {"SelectBtn", "Ich probier ein anderes Tangram.", "I try another Tangram."},
            {"UpBtn", "Ich nehm' das nächste Tangram.", "I take the next Tangram."},
            {"DownBtn", "Ich nehm' das vorige Tangram.", "I take the previous Tangram."},
            {"TipBtn", "Ich lass mir unter die Arme greifen.", "I need a little help."},
            {"StatBtn", "Mal sehen, was ich bisher schon geschafft habe.",
             "Let me see, what I've solved until now."},
            {"SoundBtn", "Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
            {"RulesBtn", "Worum geht's da eigentlich?", "What's to do here?"},
            {"ExitBtn", "Ich hab genug!", "I have enough!"},
            {"InfoBtn", "Wer hat dieses Spiel nur verbrochen?", "Who did this QUARV GAME?"},
            {"TongueBtn", "I don't speak german.", "Ich spreche nicht englisch."},
        };
        tangram::GameData game;
        tangram::Board board;
        fixture::FillGame(game, 3);
        game.Tongue = tongue;
        tangram::SetUpPuzzle(game, board);
        InstallLanguage(tongue);
        TMainForm form(game, board);
        form.Localize();
        for (const Expected& hint : hints) {
            QCOMPARE(Hint(&form, hint.button),
                     QString::fromUtf8(tongue == 1 ? hint.german : hint.english));
        }
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram"));
    }

    // The rules and the terms: each box holds its own language whatever
    // language is installed, and the German ones are no copy of the English.
    void rulesAndTermsInBothLanguages() {
        for (int installed : {0, 1, 2}) {
            InstallLanguage(installed);
            THintDlg rules;
            TFreewareDlg info;
            const auto text = [](QWidget* dialog, const char* box) {
                return dialog->findChild<QPlainTextEdit*>(QString::fromLatin1(box))->toPlainText();
            };
            QCOMPARE(text(&rules, "tipD"), THintDlg::GermanRules());
            QCOMPARE(text(&rules, "TipE"), THintDlg::EnglishRules());
            QCOMPARE(text(&info, "Memodeu"), TFreewareDlg::GermanTerms());
            QCOMPARE(text(&info, "Memoeng"), TFreewareDlg::EnglishTerms());
            QVERIFY(
                text(&rules, "tipD").startsWith(QStringLiteral("Was schon die alten Chinesen")));
            QVERIFY(text(&info, "Memodeu").startsWith(QStringLiteral("Nutzungsbedingungen\n")));
            QVERIFY(text(&info, "Memoeng").startsWith(QStringLiteral("Terms of use\n")));
            QVERIFY(!text(&info, "Memodeu").contains(QStringLiteral("%1")));
        }
    }

    // The language button asks, and the main window follows at once.
    void languageButton() {
        tangram::GameData game;
        tangram::Board board;
        fixture::FillGame(game, 3);
        game.Tongue = 0;
        tangram::SetUpPuzzle(game, board);
        TMainForm form(game, board);
        DialogAnswers answers;
        answers.Expect(Click("GermanBtn"));
        answers.Expect(CloseBox());
        form.TongueBtnClick();
        QCOMPARE(game.Tongue, 1);
        QCOMPARE(Hint(&form, "TongueBtn"), QStringLiteral("I don't speak german."));
        form.TongueBtnClick();
        QCOMPARE(game.Tongue, 1);
        QVERIFY(answers.Done());
        QCOMPARE(answers.seen, (QStringList{"TongueDlg", "TongueDlg"}));
    }

    void centring() {
        // Over a 660 x 480 window at (100, 50) with a client 445 high.
        const QRect main(100, 50, 660, 480);
        QCOMPARE(CentredOver(main, 445, QSize(261, 103)), QPoint(100 + 199, 50 + 480 - 274));
        // A dialog wider than the main window: the halved difference is
        // negative and rounds toward zero.
        QCOMPARE(CentredOver(QRect(10, 10, 300, 200), 180, QSize(385, 473)),
                 QPoint(10 - 42, 10 + 200 - 326));

        tangram::GameData game;
        tangram::Board board;
        fixture::FillGame(game, 3);
        tangram::SetUpPuzzle(game, board);
        TMainForm form(game, board);
        form.move(120, 90);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DialogAnswers answers;
        QPoint where;
        answers.Expect(CloseBox(),
                       [&](QWidget* shown) { where = shown->frameGeometry().topLeft(); });
        form.ShowPage(1);
        QCOMPARE(where, CentredOver(form.frameGeometry(), form.height(),
                                    form.YesNoDialog()->frameGeometry().size()));
    }
};

int main(int argc, char** argv) {
    // Our own settings folder, whatever else runs beside this test.
    QTemporaryDir scratch;
    qputenv("HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + "/config").toLocal8Bit());
    QApplication app(argc, argv);
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
