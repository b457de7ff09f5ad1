// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The end of a desktop session: what a confirmed close would save and write is
// saved and written without a dialog, once, and the signals that end the
// program reach the event loop instead of killing it.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

#include "Main.h"
#include "MainGames.h"
#include "dialog_answers.h"
#include "pattern.h"
#include "store.h"
#include "ui_fixture.h"
#include "widgets/sessionend.h"

namespace {

QString Stored(const char* name) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuarvGames"),
                     QStringLiteral("QuarvTangram"))
        .value(QStringLiteral("V2/common/") + QLatin1String(name))
        .toString();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SessionEndTest : public QObject {
    Q_OBJECT

    tangram::GameData game;
    tangram::Board board;
    std::unique_ptr<TMainForm> form;

    void Start() {
        game = tangram::GameData{};
        board = tangram::Board{};
        fixture::FillGame(game, 17);
        game.Tongue = 0;
        game.CurrentPuzzle = 4;
        tangram::SetUpPuzzle(game, board);
        form = std::make_unique<TMainForm>(game, board);
        // Any dialog would be a fault: answering it fails the test.
        form->AskSaveFile = [](QWidget*, const QString&) {
            [] { QFAIL("the save dialog came up"); }();
            return QString();
        };
    }
    QString DataFolder() const {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

private slots:
    void init() {
        QDir(DataFolder()).removeRecursively();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuarvGames"),
                  QStringLiteral("QuarvTangram"))
            .clear();
    }
    void cleanup() { form.reset(); }

    // Changed progress of a game with a file goes into that file; the
    // settings are written as at a confirmed close; nothing asks.
    void savesIntoTheGameFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mine.mxg"));
        Start();
        game.GameFileName = path.toStdString();
        game.PuzzleStatus[2] = tangram::SolvedBit;
        game.ProgressChanged = true;
        answers::DialogAnswers none;
        form->show();
        form->EndSession();
        QCOMPARE(none.seen, QStringList());
        QCOMPARE(Read(path).size(), 17);
        QCOMPARE(int(Read(path).at(1)), int(tangram::SolvedBit));
        QVERIFY(!game.ProgressChanged);
        QCOMPARE(Stored("level"), QStringLiteral("4"));
        QCOMPARE(Stored("save"), path);
        QVERIFY(form->SessionEnded());
    }

    // A game without a file goes to a new file in the data folder, never over
    // an older one; the setting "save" names it, so the next start loads it.
    void gameWithoutAFileGoesToTheDataFolder() {
        QVERIFY(QDir().mkpath(DataFolder()));
        QFile older(QDir(DataFolder()).filePath(QStringLiteral("Quarv Tangram.mxg")));
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("old");
        older.close();
        Start();
        game.PuzzleStatus[3] = tangram::SolvedBit;
        game.ProgressChanged = true;
        form->EndSession();
        const QString saved = QDir(DataFolder()).filePath(QStringLiteral("Quarv Tangram 2.mxg"));
        QCOMPARE(Stored("save"), saved);
        QCOMPARE(QString::fromStdString(game.GameFileName), saved);
        QCOMPARE(int(Read(saved).at(2)), int(tangram::SolvedBit));
        QCOMPARE(Read(older.fileName()), QByteArray("old"));
    }

    // Once only: a second end, or a close after it, writes and asks nothing.
    void runsOnceAndAClosesAfterItAsksNothing() {
        Start();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->EndSession();
        game.CurrentPuzzle = 9;
        form->EndSession();
        answers::DialogAnswers none;
        QVERIFY(form->close());
        QCOMPARE(none.seen, QStringList());
        QCOMPARE(Stored("level"), QStringLiteral("4"));
    }

    // The session ends while the closing question is open: everything is
    // saved then, and the close that the player still confirms writes
    // nothing again.
    void endDuringTheClosingQuestion() {
        Start();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        answers::DialogAnswers answers;
        answers.Expect([this](QWidget* dialog) {
            form->EndSession();
            game.CurrentPuzzle = 11;
            answers::Click("EndYesBtn")(dialog);
        });
        answers.Expect(answers::Key(Qt::Key_Return));
        QVERIFY(form->close());
        QCOMPARE(answers.seen, (QStringList{"YesNoDlg", "FreewareDlg"}));
        QCOMPARE(Stored("level"), QStringLiteral("4"));
    }

    void freeNames() {
        QTemporaryDir dir;
        QCOMPARE(FreeGameFileName(dir.path()), dir.filePath(QStringLiteral("Quarv Tangram.mxg")));
        for (const char* name : {"Quarv Tangram.mxg", "Quarv Tangram 2.mxg"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(FreeGameFileName(dir.path()), dir.filePath(QStringLiteral("Quarv Tangram 3.mxg")));
    }

    // The signals arrive in the event loop, each of them, and the program
    // lives on to handle them.
    void signalsReachTheEventLoop() {
        SessionEndSignals endSignals;
        QSignalSpy received(&endSignals, &SessionEndSignals::received);
        std::raise(SIGTERM);
        std::raise(SIGHUP);
        std::raise(SIGINT);
        QTRY_COMPARE(received.size(), 3);
        QCOMPARE(received.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(received.at(1).at(0).toInt(), SIGHUP);
        QCOMPARE(received.at(2).at(0).toInt(), SIGINT);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir scratch;
    qputenv("HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (scratch.path() + "/data").toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuarvGames"));
    QApplication::setApplicationName(QStringLiteral("QuarvTangram"));
    SessionEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "session_end_test.moc"
