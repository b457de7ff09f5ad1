// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Quarv Tangram: reads the catalogue, sets up the current puzzle and opens the
// main window and the pattern window.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "Main.h"
#include "MainGames.h"
#include "Tongdlg.h"
#include "data.h"
#include "effects.h"
#include "pattern.h"
#include "raster.h"
#include "store.h"
#include "widgets/placement.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuarvGames"));
    QApplication::setApplicationName(QStringLiteral("QuarvTangram"));
    InitAssets();
    QIcon icon(QStringLiteral(":/icon.svg"));
    icon.addFile(QStringLiteral(":/icon48.png"), QSize(48, 48));
    QApplication::setWindowIcon(icon);

    tangram::GameData game;
    tangram::Board board;
    game.ProgramDir = QApplication::applicationDirPath().toStdString() + "/";
    // The language, the sound switch and the puzzle last played.
    using namespace settings;
    game.Tongue = ReadSettingInt(Common, QStringLiteral("tongue"), -1);
    const bool soundOn = ReadSettingBool(Common, QStringLiteral("sound"), true);
    game.CurrentPuzzle = ReadSettingInt(Common, QStringLiteral("level"), 1);
    InstallLanguage(game.Tongue);
    game.PuzzleStatus.fill(0);
    const tangram::CatalogueResult catalogue = tangram::LoadCatalogue(game);
    if (catalogue != tangram::CatalogueResult::Ok) {
        QMessageBox::critical(nullptr, QStringLiteral("Quarv Tangram"),
                              CatalogueErrorText(catalogue, game.Tongue));
        return 1;
    }
    tangram::LoadNames(game);
    // The game file played last (GameFileName, from the setting "save"); one
    // that cannot be loaded is reported and forgotten.
    game.GameFileName = ReadSettingString(Common, QStringLiteral("save")).toStdString();
    LoadStartGame(game);
    game.ProgressChanged = false;
    tangram::SetUpPuzzle(game, board);

    TMainForm mainForm(game, board);
    sound::WavePlayer waves;
    mainForm.SetEffectPlayer(&waves);
    mainForm.SetSoundOn(soundOn);
    // The pattern window stands where it was left, back on a screen if that
    // screen is gone.
    const QPoint stored(ReadSettingInt(Common, QStringLiteral("pleft"), 500),
                        ReadSettingInt(Common, QStringLiteral("ptop"), 50));
    TPatForm patForm(game, MendedPosition(stored, TPatForm::ClientSize));
    mainForm.SetPatternWindow(&patForm);
    mainForm.ShowAtStart();
    patForm.show();
    return QApplication::exec();
}
