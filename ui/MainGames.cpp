// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window's saved games, puzzle choice and statistics: the handlers of
// the new, load, save, select and statistics buttons and the saves that keep
// the player's progress.
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>

#include "Main.h"
#include "MainGames.h"
#include "Select.h"
#include "Statis.h"
#include "YesNo.h"
#include "gamefile.h"
#include "language.h"

namespace {

const char* const GameFilter = "Quarv Tangram (*.mxg)";

QString FileDialogTitle(bool save, int tongue) {
    const Language say(tongue);
    return save ? say.translate("TMainForm", "Save game") : say.translate("TMainForm", "Load game");
}

// Qt's own dialogs. The save dialog does not ask about overwriting: the game
// asks itself, after it has put the ".mxg" on the name.
QString RealFileDialog(QWidget* parent, const QString& folder, bool save, int tongue) {
    QFileDialog dialog(parent, FileDialogTitle(save, tongue), folder,
                       QString::fromLatin1(GameFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mxg"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void ShowGameError(QWidget* parent, GameMessage message, const QString& path, int tongue) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quarv Tangram"),
                    GameMessageText(message, path, tongue), QMessageBox::Ok, parent);
    box.exec();
}

bool AskOverwrite(QWidget* parent, const QString& path, int tongue) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quarv Tangram"),
                    GameMessageText(GameMessage::Overwrite, path, tongue),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    // Qt's own captions in English, with their access keys.
    const Language say(tongue);
    box.button(QMessageBox::Yes)->setText(say.translate("TMainForm", "&Yes"));
    box.button(QMessageBox::No)->setText(say.translate("TMainForm", "&No"));
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

QString GameMessageText(GameMessage message, const QString& path, int tongue) {
    const QString name = QFileInfo(path).fileName();
    const Language say(tongue);
    switch (message) {
        case GameMessage::LoadError:
            return say.translate("TMainForm", "Error occured while loading file %1!").arg(name);
        case GameMessage::SaveError:
            return say.translate("TMainForm", "Cannot save game %1. Drive full or not writable.")
                .arg(name);
        case GameMessage::Overwrite:
            return say.translate("TMainForm", "Game %1 already exists. Overwrite?").arg(name);
    }
    return {};
}

QString WithGameExtension(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.completeBaseName() + QStringLiteral(".mxg");
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? base : path.left(slash + 1) + base;
}

QString SaveDialogFolder(const std::string& programDir) {
    const QFileInfo folder(QString::fromStdString(programDir));
    if (!programDir.empty() && folder.isDir() && folder.isWritable()) {
        return QDir(folder.absoluteFilePath()).absolutePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool LoadGameReporting(tangram::GameData& game, const QString& path, QWidget* parent) {
    if (tangram::LoadGame(game, path.toStdString()) == tangram::GameFileResult::Ok) {
        return true;
    }
    ShowGameError(parent, GameMessage::LoadError, path, game.Tongue);
    return false;
}

// A file that was created but not written completely counts as a failed save
// too: the old game stays as it was and the next automatic save tries again.
bool SaveGameReporting(const tangram::GameData& game, const QString& path, QWidget* parent) {
    if (tangram::SaveGame(game, path.toStdString()) == tangram::GameFileResult::Ok) {
        return true;
    }
    ShowGameError(parent, GameMessage::SaveError, path, game.Tongue);
    return false;
}

void LoadStartGame(tangram::GameData& game) {
    if (!game.GameFileName.empty() &&
        !LoadGameReporting(game, QString::fromStdString(game.GameFileName), nullptr)) {
        game.GameFileName.clear();
    }
}

// ---- the main window's part

bool TMainForm::LoadGame(const QString& path) {
    return LoadGameReporting(game_, path, this);
}

bool TMainForm::SaveGame(const QString& path) {
    return SaveGameReporting(game_, path, this);
}

void TMainForm::SaveGameAs() {
    QString folder = SaveDialogFolder(game_.ProgramDir);
    for (;;) {
        const QString chosen = AskSaveFile ? AskSaveFile(this, folder)
                                           : RealFileDialog(this, folder, true, game_.Tongue);
        if (chosen.isEmpty()) {
            return;
        }
        const QString path = WithGameExtension(chosen);
        // Declined: the dialog comes back, in the folder the player had chosen.
        if (QFileInfo::exists(path) && !AskOverwrite(this, path, game_.Tongue)) {
            folder = QFileInfo(path).absolutePath();
            continue;
        }
        if (SaveGame(path)) {
            game_.ProgressChanged = false;
            game_.GameFileName = path.toStdString();
            UpdateTitle();
        }
        return;
    }
}

void TMainForm::SaveProgressIfChanged() {
    if (!game_.ProgressChanged) {
        return;
    }
    if (game_.GameFileName.empty()) {
        SaveGameAs();
    } else {
        SaveGame(QString::fromStdString(game_.GameFileName));
    }
}

QString FreeGameFileName(const QString& folder) {
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("Quarv Tangram.mxg"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(QStringLiteral("Quarv Tangram %1.mxg").arg(n));
    }
    return path;
}

void TMainForm::SaveProgressQuietly() {
    if (!game_.ProgressChanged) {
        return;
    }
    QString path = QString::fromStdString(game_.GameFileName);
    if (path.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            return;
        }
        path = FreeGameFileName(folder);
    }
    if (tangram::SaveGame(game_, path.toStdString()) == tangram::GameFileResult::Ok) {
        game_.ProgressChanged = false;
        game_.GameFileName = path.toStdString();
    }
}

// Saving to the known file leaves ProgressChanged as it is, so a later close,
// load or new game writes the same file once more without asking.
void TMainForm::SaveBtnClick() {
    if (game_.GameFileName.empty()) {
        SaveGameAs();
    } else {
        SaveGame(QString::fromStdString(game_.GameFileName));
    }
}

void TMainForm::LoadBtnClick() {
    const QString folder =
        game_.GameFileName.empty()
            ? QString()
            : QFileInfo(QString::fromStdString(game_.GameFileName)).absolutePath();
    const QString path =
        AskOpenFile ? AskOpenFile(this, folder) : RealFileDialog(this, folder, false, game_.Tongue);
    if (path.isEmpty()) {
        return;
    }
    // The progress in memory goes to its file before it is replaced; if the
    // player cancels the save dialog here, the load goes ahead all the same.
    SaveProgressIfChanged();
    if (!LoadGame(path)) {
        return;
    }
    tangram::SetUpPuzzle(game_, board_);
    game_.ProgressChanged = false;
    game_.GameFileName = path.toStdString();
    RepaintAll();
    UpdateTitle();
}

void TMainForm::NewgameBtnClick() {
    // Only Yes goes on.
    if (ShowPage(TYesNoDlg::GiveUp) != TYesNoDlg::Yes) {
        return;
    }
    // The old game is kept in its own file first.
    SaveProgressIfChanged();
    std::fill(game_.PuzzleStatus.begin() + 1,
              game_.PuzzleStatus.begin() + 1 + tangram::PuzzleTotal(game_), uint8_t{0});
    tangram::SetUpPuzzle(game_, board_);
    // The new game has no file until it is saved.
    game_.ProgressChanged = false;
    game_.GameFileName.clear();
    RepaintAll();
    UpdateTitle();
}

TSelectDlg* TMainForm::SelectDialog() {
    if (SelectDlg == nullptr) {
        SelectDlg = new TSelectDlg(game_, this);
    }
    return SelectDlg;
}

TStatDlg* TMainForm::StatDialog() {
    if (StatDlg == nullptr) {
        StatDlg = new TStatDlg(game_, this);
    }
    return StatDlg;
}

// The dialog has put the chosen number into CurrentPuzzle when it says OK.
void TMainForm::SelectBtnClick() {
    if (SelectDialog()->exec() == 1) {
        tangram::SetUpPuzzle(game_, board_);
        RepaintAll();
    }
}

void TMainForm::StatBtnClick() {
    StatDialog()->exec();
}
