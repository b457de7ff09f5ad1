// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Saved games through the main window: loading, saving under a name, the
// automatic saves before a load, a new game and at close, failed saves, the
// puzzle choice and the navigation at the ends of the catalogue. The file
// dialogs are answered by the test through the window's seams.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "Main.h"
#include "MainGames.h"
#include "Select.h"
#include "modal_answers.h"
#include "pattern.h"
#include "ui_fixture.h"
#include "widgets/boardcanvas.h"

using tangram::Board;
using tangram::GameData;

namespace {

void Press(QWidget* w, QPoint pos) {
    QMouseEvent event(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT

    GameData game;
    Board board;
    std::unique_ptr<QTemporaryDir> dir;
    // What the file dialogs will answer, and the folders they were opened in.
    QStringList saveAnswers, openAnswers, saveFolders, openFolders;

    QString Path(const QString& name) const { return dir->filePath(name); }

    void Attach(TMainForm& form) {
        form.AskSaveFile = [this](QWidget*, const QString& folder) {
            saveFolders << folder;
            return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        };
        form.AskOpenFile = [this](QWidget*, const QString& folder) {
            openFolders << folder;
            return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        };
    }

    // Lifts Tan 3 and puts it back where it lay: with every Tan in place this
    // solves the puzzle.
    void LiftAndDrop(TMainForm& form) {
        Press(form.Box(), fixture::Centre(board.Piece[3], 3, form.CellWidth()));
        Press(form.Box(), QPoint(2, 2));
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QDir(dir->path()).mkpath(QStringLiteral("prog"));
        game = GameData{};
        board = Board{};
        fixture::FillGame(game, 330);
        game.Tongue = 0;
        game.ProgramDir = Path(QStringLiteral("prog/")).toStdString();
        tangram::SetUpPuzzle(game, board);
        saveAnswers.clear();
        openAnswers.clear();
        saveFolders.clear();
        openFolders.clear();
    }

    void loadTakesAsManyBytesAsThereArePuzzles() {
        QByteArray shortGame;
        for (char k = 1; k <= 10; ++k) {
            shortGame += k;
        }
        Write(Path(QStringLiteral("short.mxg")), shortGame);
        Write(Path(QStringLiteral("long.mxg")), QByteArray(400, '\x08'));
        Write(Path(QStringLiteral("empty.mxg")), QByteArray());
        game.CurrentPuzzle = 3;
        game.PuzzleStatus[200] = tangram::SolvedBit;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;

        openAnswers << Path(QStringLiteral("short.mxg"));
        form.LoadBtnClick();
        QVERIFY(openFolders.constFirst().isEmpty());  // no game yet: the dialog's own folder
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(game.PuzzleStatus[k], uint8_t(k));
        }
        QCOMPARE(game.PuzzleStatus[200], uint8_t{0});
        QCOMPARE(game.GameFileName, Path(QStringLiteral("short.mxg")).toStdString());
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram - Game short.mxg"));
        // Puzzle 3 is set up afresh with its three Tans laid in advance.
        QCOMPARE(game.CurrentPuzzle, 3);
        for (int tan = 1; tan <= 3; ++tan) {
            QCOMPARE(board.Piece[tan], game.CurrentSolution[tan - 1]);
        }
        QCOMPARE(board.Piece[4], tangram::StartLayout[3]);

        openAnswers << Path(QStringLiteral("long.mxg"));
        form.LoadBtnClick();
        QCOMPARE(openFolders.last(), dir->path());
        QCOMPARE(std::count(game.PuzzleStatus.begin() + 1, game.PuzzleStatus.end(), 8), 330);

        openAnswers << Path(QStringLiteral("empty.mxg"));
        form.LoadBtnClick();
        QCOMPARE(std::count(game.PuzzleStatus.begin() + 1, game.PuzzleStatus.end(), 0), 330);
        QCOMPARE(game.GameFileName, Path(QStringLiteral("empty.mxg")).toStdString());

        // A file that cannot be read changes nothing; cancelling neither.
        game.PuzzleStatus[4] = tangram::SolvedBit;
        openAnswers << Path(QStringLiteral("missing.mxg"));
        form.LoadBtnClick();
        form.LoadBtnClick();
        QCOMPARE(answers.Messages(),
                 QStringList{QStringLiteral("Error occured while loading file missing.mxg!")});
        QCOMPARE(answers.Seen().constLast().icon, QMessageBox::Critical);
        QCOMPARE(game.PuzzleStatus[4], tangram::SolvedBit);
        QCOMPARE(game.GameFileName, Path(QStringLiteral("empty.mxg")).toStdString());
        QVERIFY(saveFolders.isEmpty());
    }

    void loadSavesChangedProgressFirst() {
        Write(Path(QStringLiteral("other.mxg")), QByteArray(330, '\0'));
        game.GameFileName = Path(QStringLiteral("mine.mxg")).toStdString();
        game.PuzzleStatus[2] = tangram::SolvedBit;
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;
        openAnswers << Path(QStringLiteral("other.mxg"));
        form.LoadBtnClick();
        QCOMPARE(Read(Path(QStringLiteral("mine.mxg"))).size(), 330);
        QCOMPARE(Read(Path(QStringLiteral("mine.mxg"))).at(1), char(tangram::SolvedBit));
        QCOMPARE(game.PuzzleStatus[2], uint8_t{0});
        QVERIFY(!game.ProgressChanged);
        QVERIFY(answers.Seen().isEmpty());
    }

    void saveAsAlwaysWritesAGameFile() {
        game.PuzzleStatus[1] = tangram::SolvedBit;
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;

        saveAnswers << Path(QStringLiteral("spring"));
        form.SaveBtnClick();
        QCOMPARE(saveFolders,
                 QStringList{QFileInfo(Path(QStringLiteral("prog"))).absoluteFilePath()});
        const QString spring = Path(QStringLiteral("spring.mxg"));
        QCOMPARE(Read(spring).size(), 330);
        QCOMPARE(game.GameFileName, spring.toStdString());
        QVERIFY(!game.ProgressChanged);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram - Game spring.mxg"));
        QVERIFY(answers.Seen().isEmpty());

        // spring.txt is spring.mxg too, which exists: the question comes
        // first, and No brings the dialog back, where cancelling ends it.
        game.GameFileName.clear();
        game.PuzzleStatus[2] = tangram::SolvedBit;
        saveAnswers << Path(QStringLiteral("spring.txt"));
        answers.ThenButton(QMessageBox::No);
        form.SaveGameAs();
        QCOMPARE(answers.Messages(),
                 QStringList{QStringLiteral("Game spring.mxg already exists. Overwrite?")});
        QCOMPARE(answers.Seen().constLast().icon, QMessageBox::Warning);
        QCOMPARE(saveFolders.size(), 3);
        QCOMPARE(saveFolders.last(), dir->path());
        QCOMPARE(Read(spring).at(1), '\0');
        QVERIFY(game.GameFileName.empty());
        QVERIFY(!QFile::exists(Path(QStringLiteral("spring.txt"))));

        // Yes overwrites.
        saveAnswers << Path(QStringLiteral("spring.txt"));
        answers.ThenButton(QMessageBox::Yes);
        form.SaveGameAs();
        QCOMPARE(Read(spring).at(1), char(tangram::SolvedBit));
        QCOMPARE(game.GameFileName, spring.toStdString());

        // The question's buttons speak the game's language; French is English.
        for (int tongue : {1, 2}) {
            game.Tongue = tongue;
            QStringList captions;
            saveAnswers << spring;
            answers.Then([&captions](QDialog* d) {
                auto* box = static_cast<QMessageBox*>(d);
                captions << box->button(QMessageBox::Yes)->text()
                         << box->button(QMessageBox::No)->text();
                box->button(QMessageBox::Yes)->click();
            });
            form.SaveGameAs();
            const QStringList expected =
                tongue == 1 ? QStringList{"Ja", "Nein"} : QStringList{"&Yes", "&No"};
            QCOMPARE(captions, expected);
        }
        QCOMPARE(answers.Messages().last(),
                 QStringLiteral("Game spring.mxg already exists. Overwrite?"));
        QCOMPARE(answers.Messages().at(answers.Messages().size() - 2),
                 QStringLiteral("Spiel spring.mxg existiert bereits. Überschreiben?"));
    }

    void gameFileNames() {
        QCOMPARE(WithGameExtension(QStringLiteral("/a/spring")), QStringLiteral("/a/spring.mxg"));
        QCOMPARE(WithGameExtension(QStringLiteral("/a/spring.txt")),
                 QStringLiteral("/a/spring.mxg"));
        QCOMPARE(WithGameExtension(QStringLiteral("/a/spring.mxg")),
                 QStringLiteral("/a/spring.mxg"));
        QCOMPARE(WithGameExtension(QStringLiteral("/a.b/week.1.txt")),
                 QStringLiteral("/a.b/week.1.mxg"));
        // A folder the player may not write to sends the dialog to the
        // documents folder.
        QCOMPARE(SaveDialogFolder(Path(QStringLiteral("nowhere/")).toStdString()),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(SaveDialogFolder(""),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

        QCOMPARE(GameMessageText(GameMessage::LoadError, QStringLiteral("/x/a.mxg"), 1),
                 QStringLiteral("Fehler beim Laden des Spiels a.mxg!"));
        QCOMPARE(
            GameMessageText(GameMessage::SaveError, QStringLiteral("/x/a.mxg"), 1),
            QStringLiteral(
                "Kann Spiel a.mxg nicht speichern. Datenträger voll oder nicht beschreibbar."));
        QCOMPARE(GameMessageText(GameMessage::Overwrite, QStringLiteral("/x/a.mxg"), 1),
                 QStringLiteral("Spiel a.mxg existiert bereits. Überschreiben?"));
        QCOMPARE(GameMessageText(GameMessage::SaveError, QStringLiteral("/x/a.mxg"), 2),
                 QStringLiteral("Cannot save game a.mxg. Drive full or not writable."));
        QCOMPARE(GameMessageText(GameMessage::LoadError, QStringLiteral("a.mxg"), -1),
                 QStringLiteral("Error occured while loading file a.mxg!"));
    }

    void solvingTwiceRaisesTheFlagOnce() {
        game.CurrentPuzzle = 7;
        game.PuzzleStatus[7] = 7;  // every Tan laid in advance
        tangram::SetUpPuzzle(game, board);
        TMainForm form(game, board);
        TPatForm pattern(game);
        form.SetPatternWindow(&pattern);
        fixture::ModalAnswers answers;
        LiftAndDrop(form);
        QCOMPARE(board.BoardState, 1);
        QCOMPARE(game.PuzzleStatus[7], uint8_t{8 | 7});
        QVERIFY(game.ProgressChanged);

        // Saved, then solved once more: nothing new to save.
        game.ProgressChanged = false;
        form.DownBtnClick();
        form.UpBtnClick();
        QCOMPARE(board.Piece[1], tangram::StartLayout[0]);  // a solved puzzle starts afresh
        for (int tan = 1; tan <= 7; ++tan) {
            board.UnstampPiece(tan);
            board.Piece[tan] = game.CurrentSolution[tan - 1];
            board.StampPiece(tan);
        }
        LiftAndDrop(form);
        QCOMPARE(board.BoardState, 1);
        QCOMPARE(game.PuzzleStatus[7], uint8_t{8 | 7});
        QVERIFY(!game.ProgressChanged);
    }

    void newGame() {
        const QString mine = Path(QStringLiteral("mine.mxg"));
        game.GameFileName = mine.toStdString();
        game.CurrentPuzzle = 12;
        game.PuzzleStatus[12] = tangram::SolvedBit;
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;

        answers.ThenButton(QMessageBox::No);
        form.NewgameBtnClick();
        QCOMPARE(answers.Seen().size(), 1);
        QCOMPARE(answers.Seen().constFirst().type, QStringLiteral("TYesNoDlg"));
        QVERIFY(!QFile::exists(mine));
        QCOMPARE(game.PuzzleStatus[12], tangram::SolvedBit);
        QCOMPARE(game.GameFileName, mine.toStdString());
        QVERIFY(game.ProgressChanged);

        answers.ThenButton(QMessageBox::Yes);
        form.NewgameBtnClick();
        QCOMPARE(answers.Seen().size(), 2);
        QCOMPARE(Read(mine).at(11), char(tangram::SolvedBit));  // the old game kept first
        QCOMPARE(game.PuzzleStatus[12], uint8_t{0});
        QVERIFY(game.GameFileName.empty());
        QVERIFY(!game.ProgressChanged);
        QCOMPARE(game.CurrentPuzzle, 12);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quarv Tangram"));
        QVERIFY(saveFolders.isEmpty());

        // An untitled game with progress asks for a name first; cancelled,
        // the new game starts all the same.
        game.PuzzleStatus[3] = tangram::SolvedBit;
        game.ProgressChanged = true;
        answers.ThenButton(QMessageBox::Yes);
        form.NewgameBtnClick();
        QCOMPARE(saveFolders.size(), 1);
        QCOMPARE(game.PuzzleStatus[3], uint8_t{0});
    }

    void closeOfAnUntitledGameCancelled() {
        game.PuzzleStatus[5] = tangram::SolvedBit;
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;  // confirms the closing question
        form.show();
        QVERIFY(form.close());
        QCOMPARE(saveFolders.size(), 1);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
        QVERIFY(answers.Messages().isEmpty());
    }

    void saveButtonThenCloseWritesAgain() {
        const QString week = Path(QStringLiteral("week.mxg"));
        game.GameFileName = week.toStdString();
        game.PuzzleStatus[1] = tangram::SolvedBit;
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;
        form.SaveBtnClick();
        QCOMPARE(Read(week).at(0), char(tangram::SolvedBit));
        QVERIFY(game.ProgressChanged);  // the save button keeps it

        game.PuzzleStatus[2] = tangram::SolvedBit;
        form.show();
        QVERIFY(form.close());
        QCOMPARE(Read(week).at(1), char(tangram::SolvedBit));
        QVERIFY(saveFolders.isEmpty());
        QVERIFY(answers.Messages().isEmpty());
    }

    void failedSaveKeepsTheProgressToSave() {
        // The game's folder has gone (a removed stick, say).
        const QString gone = Path(QStringLiteral("gone/game.mxg"));
        game.GameFileName = gone.toStdString();
        game.ProgressChanged = true;
        TMainForm form(game, board);
        Attach(form);
        fixture::ModalAnswers answers;
        form.SaveBtnClick();
        QCOMPARE(
            answers.Messages(),
            QStringList{QStringLiteral("Cannot save game game.mxg. Drive full or not writable.")});
        QCOMPARE(answers.Seen().constLast().icon, QMessageBox::Critical);
        QVERIFY(game.ProgressChanged);
        QCOMPARE(game.GameFileName, gone.toStdString());

        // Save as into a place that is no folder: reported, nothing taken on.
        Write(Path(QStringLiteral("plain")), "x");
        game.GameFileName.clear();
        saveAnswers << Path(QStringLiteral("plain/new"));
        form.SaveGameAs();
        QCOMPARE(answers.Messages().size(), 2);
        QCOMPARE(answers.Messages().last(),
                 QStringLiteral("Cannot save game new.mxg. Drive full or not writable."));
        QVERIFY(game.GameFileName.empty());
        QVERIFY(game.ProgressChanged);

        // A write-protected folder; the superuser writes anywhere.
        if (::geteuid() != 0) {
            QDir(dir->path()).mkdir(QStringLiteral("ro"));
            QFile::setPermissions(Path(QStringLiteral("ro")), QFile::ReadOwner | QFile::ExeOwner |
                                                                  QFile::ReadUser | QFile::ExeUser);
            game.GameFileName = Path(QStringLiteral("ro/game.mxg")).toStdString();
            form.SaveBtnClick();
            QCOMPARE(answers.Messages().size(), 3);
            QVERIFY(game.ProgressChanged);
            QFile::setPermissions(Path(QStringLiteral("ro")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }

        // German.
        game.Tongue = 1;
        game.GameFileName = gone.toStdString();
        form.SaveBtnClick();
        QCOMPARE(
            answers.Messages().last(),
            QStringLiteral(
                "Kann Spiel game.mxg nicht speichern. Datenträger voll oder nicht beschreibbar."));
    }

    void startUpLoad() {
        Write(Path(QStringLiteral("last.mxg")), QByteArray(5, '\x08'));
        game.GameFileName = Path(QStringLiteral("last.mxg")).toStdString();
        fixture::ModalAnswers answers;
        LoadStartGame(game);
        QCOMPARE(game.PuzzleStatus[5], tangram::SolvedBit);
        QCOMPARE(game.GameFileName, Path(QStringLiteral("last.mxg")).toStdString());

        game.GameFileName = Path(QStringLiteral("lost.mxg")).toStdString();
        LoadStartGame(game);
        QCOMPARE(answers.Messages(),
                 QStringList{QStringLiteral("Error occured while loading file lost.mxg!")});
        QVERIFY(game.GameFileName.empty());
        QCOMPARE(game.PuzzleStatus[5], tangram::SolvedBit);
    }

    void nextAndPreviousAtTheEndsLayThePuzzleAfresh() {
        game.CurrentPuzzle = 330;
        tangram::SetUpPuzzle(game, board);
        TMainForm form(game, board);
        Press(form.Box(), fixture::Centre(board.Piece[6], 6, form.CellWidth()));
        QCOMPARE(board.SelectedPiece, 6);
        form.UpBtnClick();
        QCOMPARE(game.CurrentPuzzle, 330);
        QCOMPARE(board.SelectedPiece, 0);
        QCOMPARE(board.Piece[6], tangram::StartLayout[5]);

        game.CurrentPuzzle = 1;
        tangram::SetUpPuzzle(game, board);
        Press(form.Box(), fixture::Centre(board.Piece[6], 6, form.CellWidth()));
        form.DownBtnClick();
        QCOMPARE(game.CurrentPuzzle, 1);
        QCOMPARE(board.SelectedPiece, 0);
    }

    void selectAndStatisticsButtons() {
        game.CurrentPuzzle = 5;
        game.PuzzleTable[9][0].col = 50;  // tell puzzle 9 apart
        TMainForm form(game, board);
        TPatForm pattern(game);
        form.SetPatternWindow(&pattern);
        fixture::ModalAnswers answers;
        answers.Then([&form](QDialog*) { form.SelectDialog()->boxMouseDown(QPoint(200, 150)); });
        form.SelectBtnClick();
        QCOMPARE(game.CurrentPuzzle, 9);
        QCOMPARE(game.CurrentSolution[0].col, 50);
        QCOMPARE(pattern.windowTitle(), QStringLiteral("9"));

        answers.ThenResult(2);
        form.SelectBtnClick();
        QCOMPARE(game.CurrentPuzzle, 9);

        game.PuzzleStatus[1] = tangram::SolvedBit;
        form.StatBtnClick();
        QCOMPARE(answers.Seen().last().type, QStringLiteral("TStatDlg"));
        QCOMPARE(answers.Seen().last().title, QStringLiteral("Tangram statistics"));
    }
};

QTEST_MAIN(SavedGamesTest)
#include "saved_games_test.moc"
