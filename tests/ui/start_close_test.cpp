// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The start and close sequences of the main window: which dialogs come and in
// what order, and what the settings hold afterwards; the sound switch.
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "Main.h"
#include "Tongdlg.h"
#include "dialog_answers.h"
#include "effects.h"
#include "pattern.h"
#include "store.h"
#include "ui_fixture.h"
#include "widgets/placement.h"

using answers::Click;
using answers::CloseBox;
using answers::DialogAnswers;
using answers::Key;

namespace {

QSettings Raw() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuarvGames"),
                     QStringLiteral("QuarvTangram"));
}

QStringList StoredNames() {
    QSettings raw = Raw();
    raw.beginGroup(QStringLiteral("V2/common"));
    QStringList names = raw.childKeys();
    names.sort();
    return names;
}

QString Stored(const char* name) {
    return Raw().value(QStringLiteral("V2/common/") + QLatin1String(name)).toString();
}

}  // namespace

class StartCloseTest : public QObject {
    Q_OBJECT

    tangram::GameData game;
    tangram::Board board;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TPatForm> pattern;

    // The program's windows as main.cpp makes them.
    void Start(int tongue) {
        game = tangram::GameData{};
        board = tangram::Board{};
        fixture::FillGame(game, 17);
        game.CurrentPuzzle = 5;
        game.Tongue = tongue;
        InstallLanguage(tongue);
        tangram::SetUpPuzzle(game, board);
        form = std::make_unique<TMainForm>(game, board);
        pattern = std::make_unique<TPatForm>(game, QPoint(300, 40));
        form->SetPatternWindow(pattern.get());
    }
    // The end of the program: the pattern window goes first.
    void End() {
        pattern.reset();
        form.reset();
    }

private slots:
    void init() { Raw().clear(); }
    void cleanup() {
        End();
        InstallLanguage(0);
    }

    // First start: the language, then the info dialog in that language, and
    // the figure named in it.
    void firstStartAsksTheLanguage() {
        Start(-1);
        fixture::NameFigures(game, {{fixture::Square, 3, "Cat", "Katze"}});
        pattern->Refresh();
        QCOMPARE(pattern->toolTip(), QStringLiteral("5: Cat (Animals)"));
        DialogAnswers answers;
        answers.Expect(Click("GermanBtn"));
        answers.Expect(Key(Qt::Key_Return), [](QWidget* info) {
            QVERIFY(info->findChild<QWidget*>("Memodeu")->isVisible());
        });
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(answers.seen, (QStringList{"TongueDlg", "FreewareDlg"}));
        QCOMPARE(game.Tongue, 1);
        QCOMPARE(form->findChild<QToolButton*>("TongueBtn")->toolTip(),
                 QStringLiteral("I don't speak german."));
        QCOMPARE(pattern->toolTip(), QStringLiteral("5: Katze (Tiere)"));
        QVERIFY(form->isVisible());
    }

    // Where the window system activates the window mapped last (Wayland), the
    // pattern window comes up active and the main window does not: the
    // pattern window's activation brings the start's dialogs then, once, but
    // not before the main window is on the screen.
    void patternWindowActivationStartsTheGame() {
        Start(-1);
        const auto activatePattern = [this] {
            QEvent activation(QEvent::WindowActivate);
            QCoreApplication::sendEvent(pattern.get(), &activation);
        };
        DialogAnswers answers;
        activatePattern();
        QTest::qWait(50);
        QVERIFY(answers.seen.isEmpty());

        answers.Expect(Click("GermanBtn"));
        answers.Expect(Key(Qt::Key_Return));
        form->ShowAtStart();
        // The main window's own activation has not come yet: the dialogs are
        // shown and answered within the pattern window's.
        QVERIFY(!answers.Done());
        activatePattern();
        QVERIFY(answers.Done());
        QCOMPARE(answers.seen, (QStringList{"TongueDlg", "FreewareDlg"}));
        QCOMPARE(game.Tongue, 1);
        // Later activations of either window ask nothing.
        QTest::qWait(50);
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form.get(), &activation);
        activatePattern();
        QTest::qWait(50);
        QCOMPARE(answers.seen.size(), 2);
    }

    // Closing the language dialog runs the game in English and asks again at
    // the next start; a stored language is not asked for.
    void storedLanguageIsNotAsked() {
        Start(-1);
        DialogAnswers answers;
        answers.Expect(CloseBox());
        answers.Expect(CloseBox());
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(game.Tongue, -1);
        End();

        Start(0);
        answers.seen.clear();
        answers.Expect(Key(Qt::Key_Return));
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(answers.seen, QStringList{"FreewareDlg"});
    }

    // No keeps the window open and still shows the info dialog once; Yes
    // shows it twice and writes the settings.
    void closeWithNoThenYes() {
        Start(0);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->move(40, 30);
        DialogAnswers answers;
        answers.Expect(Click("EndNoBtn"));
        answers.Expect(Key(Qt::Key_Return));
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(answers.seen, (QStringList{"YesNoDlg", "FreewareDlg"}));
        QVERIFY(StoredNames().isEmpty());
        QVERIFY(!form->Help().QuitSent());

        answers.seen.clear();
        answers.Expect(Click("EndYesBtn"));
        answers.Expect(Key(Qt::Key_Return));
        answers.Expect(Key(Qt::Key_Return));
        game.CurrentPuzzle = 7;
        game.GameFileName = "/games/my.mxg";
        QVERIFY(form->close());
        QCOMPARE(answers.seen, (QStringList{"YesNoDlg", "FreewareDlg", "FreewareDlg"}));
        QVERIFY(form->Help().QuitSent());
        QVERIFY(form->Help().Path().endsWith("MEXA2.HLP"));

        QCOMPARE(StoredNames(),
                 (QStringList{"hig", "level", "pleft", "ptop", "save", "sound", "tongue", "wid"}));
        QCOMPARE(Stored("sound"), QStringLiteral("1"));
        QCOMPARE(Stored("level"), QStringLiteral("7"));
        QCOMPARE(Stored("tongue"), QStringLiteral("0"));
        QCOMPARE(Stored("save"), QStringLiteral("/games/my.mxg"));
        QCOMPARE(Stored("wid"), QString::number(form->frameGeometry().width()));
        QCOMPARE(Stored("hig"), QString::number(form->frameGeometry().height()));
        QCOMPARE(Stored("pleft"), QString::number(form->frameGeometry().left()));
        QCOMPARE(Stored("ptop"), QString::number(form->frameGeometry().top()));

        // At the end the pattern window's position replaces the main
        // window's, and the placement is stored.
        QSettings raw = Raw();
        raw.setValue("V2/common/MainFormColor", "1");
        raw.setValue("V2/common/MainFormFont", "Arial");
        raw.sync();
        const QRect frame = form->frameGeometry();
        pattern->move(333, 44);
        End();
        QCOMPARE(Stored("pleft"), QStringLiteral("333"));
        QCOMPARE(Stored("ptop"), QStringLiteral("44"));
        QCOMPARE(Stored("MainForm"), QStringLiteral("200,0,1,%1,%2,%3,%4")
                                         .arg(frame.left())
                                         .arg(frame.top())
                                         .arg(frame.left() + frame.width())
                                         .arg(frame.top() + frame.height()));
        QCOMPARE(StoredNames(), (QStringList{"MainForm", "hig", "level", "pleft", "ptop", "save",
                                             "sound", "tongue", "wid"}));
    }

    void maximisedCloseKeepsItsNormalBounds() {
        Start(1);
        form->setGeometry(50, 60, 640, 450);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect normalFrame = form->frameGeometry();
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        form->SetSoundOn(false);
        DialogAnswers answers;
        answers.Expect(Key(Qt::Key_Return));
        answers.Expect(Key(Qt::Key_Return));
        answers.Expect(Key(Qt::Key_Return));
        QVERIFY(form->close());
        QCOMPARE(StoredNames(), (QStringList{"level", "save", "sound", "tongue"}));
        QCOMPARE(Stored("sound"), QStringLiteral("0"));
        QCOMPARE(Stored("tongue"), QStringLiteral("1"));
        QCOMPARE(Stored("save"), QString());
        End();
        const QString stored = QStringLiteral("200,0,3,%1,%2,%3,%4")
                                   .arg(normalFrame.left())
                                   .arg(normalFrame.top())
                                   .arg(normalFrame.left() + normalFrame.width())
                                   .arg(normalFrame.top() + normalFrame.height());
        QCOMPARE(Stored("MainForm"), stored);

        // The next start opens maximised again, and keeps the normal bounds
        // exactly, however often it is started and closed maximised.
        Start(1);
        answers.seen.clear();
        answers.Expect(Key(Qt::Key_Return));
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        QVERIFY(form->isMaximized());
        End();
        QCOMPARE(Stored("MainForm"), stored);

        // Back in the normal state, it has the stored outer bounds.
        Start(1);
        answers.seen.clear();
        answers.Expect(Key(Qt::Key_Return));
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        form->showNormal();
        QTRY_COMPARE(form->frameGeometry(), normalFrame);
    }

    // On its way to the maximised state a window manager may move the window
    // more than once before it tells of the new state (openbox takes the
    // border away, then grows it); the normal bounds stored are the ones the
    // window rested at, not the passing ones.
    void maximisingKeepsTheBoundsTheWindowRestedAt() {
        Start(1);
        form->setGeometry(50, 60, 640, 450);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->move(120, 90);
        QTest::qWait(900);
        const QRect rested = form->frameGeometry();
        for (const QPoint passing : {QPoint(121, 91), QPoint(0, 0)}) {
            form->move(passing);
            QTRY_COMPARE(form->pos(), passing);
        }
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        DialogAnswers answers;
        for (int i = 0; i < 3; ++i) {
            answers.Expect(Key(Qt::Key_Return));
        }
        QVERIFY(form->close());
        End();
        QCOMPARE(Stored("MainForm"), QStringLiteral("200,0,3,%1,%2,%3,%4")
                                         .arg(rested.left())
                                         .arg(rested.top())
                                         .arg(rested.left() + rested.width())
                                         .arg(rested.top() + rested.height()));
    }

    void placementIsRestoredOnTheDesktop_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QRect>("expected");  // empty: centred at the design size
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QTest::newRow("as stored") << "200,0,1,120,80,780,600" << QRect(120, 80, 660, 520);
        QTest::newRow("beyond the right edge")
            << QString("200,0,1,%1,80,%2,600").arg(screen.right() - 100).arg(screen.right() + 560)
            << QRect(screen.right() + 1 - 660, 80, 660, 520);
        QTest::newRow("larger than the screen")
            << "200,0,1,-200,100,4000,3000" << QRect(screen.topLeft(), screen.size());
        QTest::newRow("six parts") << "200,0,1,10,10,20" << QRect();
        QTest::newRow("another marker") << "100,0,1,120,80,780,600" << QRect();
    }
    void placementIsRestoredOnTheDesktop() {
        QFETCH(QString, stored);
        QFETCH(QRect, expected);
        settings::WriteSettingString(settings::Common, "MainForm", stored);
        Start(0);
        DialogAnswers answers;
        answers.Expect(Key(Qt::Key_Return));
        form->ShowAtStart();
        QTRY_VERIFY(answers.Done());
        if (expected.isNull()) {
            // The design size, its frame in the middle of the free area.
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            const QSize outer = form->frameGeometry().size();
            QCOMPARE(form->size(), TMainForm::DesignClientSize);
            QCOMPARE(form->frameGeometry().topLeft(),
                     area.topLeft() + QPoint((area.width() - outer.width()) / 2,
                                             (area.height() - outer.height()) / 2));
        } else {
            // The stored bounds are the outer ones, frame included.
            QTRY_COMPARE(form->frameGeometry(), expected);
        }
    }

    void patternWindowOffEveryScreenComesBack() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(MendedPosition(QPoint(500, 50), TPatForm::ClientSize), QPoint(500, 50));
        QCOMPARE(MendedPosition(QPoint(-99999, 50), TPatForm::ClientSize), QPoint(0, 50));
        QCOMPARE(MendedPosition(QPoint(screen.right() + 500, screen.bottom() + 500),
                                TPatForm::ClientSize),
                 QPoint(screen.right() + 1 - 241, screen.bottom() + 1 - 160));
    }

    // Every effect stops the one before; only with the switch down does the
    // new one play.
    void soundSwitch() {
        Start(0);
        sound::RecordingPlayer waves;
        form->SetEffectPlayer(&waves);
        form->PlayEffect(sound::PickUp);
        form->findChild<QToolButton*>("SoundBtn")->click();
        QVERIFY(!form->SoundOn());
        form->PlayEffect(sound::Move);
        form->PlayEffect(0);
        form->SetSoundOn(true);
        form->PlayEffect(sound::Refused);
        form->PlayEffect(-1);
        QCOMPARE(waves.calls, (std::vector<std::string>{"stop", "play 0", "stop", "stop", "stop",
                                                        "play 5", "stop"}));
    }
};

int main(int argc, char** argv) {
    QTemporaryDir scratch;
    qputenv("HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + "/config").toLocal8Bit());
    QApplication app(argc, argv);
    StartCloseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "start_close_test.moc"
