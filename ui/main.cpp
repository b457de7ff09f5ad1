// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Quarv Tangram: reads the catalogue, sets up the current puzzle and opens the
// main window and the pattern window behind the opening animation.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "Main.h"
#include "MainGames.h"
#include "Tongdlg.h"
#include "data.h"
#include "effects.h"
#include "pattern.h"
#include "raster.h"
#include "store.h"
#include "widgets/opening.h"
#include "widgets/placement.h"
#include "widgets/sessionend.h"

namespace {

// The pattern window floats where the player left it and the window opens with
// its outline growing on the screen: both need a window system that lets a
// program place its windows. Under Wayland the game therefore runs through
// XWayland where the session offers it, unless the player chose a platform
// with Qt's own QT_QPA_PLATFORM or -platform; Wayland alone still works.
std::vector<char*> WithPlatform(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    const bool chosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
                        std::any_of(argv, argv + argc, [](const char* argument) {
                            return std::strcmp(argument, "-platform") == 0;
                        });
    if (!chosen && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        static char option[] = "-platform";
        static char platforms[] = "xcb;wayland";
        arguments.insert(arguments.begin() + std::min(argc, 1), {option, platforms});
    }
    arguments.push_back(nullptr);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments = WithPlatform(argc, argv);
    int count = int(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    QApplication::setOrganizationName(QStringLiteral("QuarvGames"));
    QApplication::setApplicationName(QStringLiteral("QuarvTangram"));
    // Docks and task bars find the game's name and icon under this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quarvgames.QuarvTangram"));
    // Installed first, so that it stays until the windows have written their
    // placements at the very end. A signal that arrives while the game starts
    // is answered once the windows are there.
    SessionEndSignals endSignals;
    bool endRequested = false;
    const QMetaObject::Connection early = QObject::connect(
        &endSignals, &SessionEndSignals::received, [&endRequested] { endRequested = true; });

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
    // The game file played last (GameFileName, from the setting "save"); one
    // that cannot be loaded is reported and forgotten.
    game.GameFileName = ReadSettingString(Common, QStringLiteral("save")).toStdString();
    LoadStartGame(game);
    game.ProgressChanged = false;

    // The player sees the game come up now; everything else is made between
    // the frames of the opening animation, the main window first, then what
    // only the windows opened later need.
    OpeningAnimation opening;
    opening.Start(ExpectedOuterBounds(TMainForm::DesignClientSize, TMainForm::MinimumClientSize));
    InitAssets();
    QIcon icon(QStringLiteral(":/icon.svg"));
    icon.addFile(QStringLiteral(":/icon48.png"), QSize(48, 48));
    QApplication::setWindowIcon(icon);
    tangram::LoadNames(game);
    tangram::SetUpPuzzle(game, board);

    opening.NextFrame();
    TMainForm mainForm(game, board);
    mainForm.SetSoundOn(soundOn);

    // Made last, and gone before the main window.
    std::unique_ptr<sound::EffectPlayer> waves;

    opening.NextFrame();
    // The pattern window stands where it was left, back on a screen if that
    // screen is gone.
    const QPoint stored(ReadSettingInt(Common, QStringLiteral("pleft"), 500),
                        ReadSettingInt(Common, QStringLiteral("ptop"), 50));
    TPatForm patForm(game, MendedPosition(stored, TPatForm::ClientSize), &mainForm);
    mainForm.SetPatternWindow(&patForm);
    // The main window takes its place; the animation grows toward it and
    // shows it at its end, and the pattern window with it.
    QObject::connect(mainForm.Placement(), &WindowPlacer::shown, &patForm, &QWidget::show);
    mainForm.ShowAtStart(&opening);
    mainForm.MakeGameDialogs();

    opening.NextFrame();
    mainForm.MakeReadingDialogs();

    opening.NextFrame();
    waves = sound::LoadWavePlayer(QString::fromStdString(game.ProgramDir));
    mainForm.SetEffectPlayer(waves.get());

    // The end of the session, the signals that end the program and any other
    // way out save and write what a confirmed close does; then the windows
    // are destroyed and store their placements.
    const auto endSession = [&mainForm] {
        mainForm.EndSession();
        QCoreApplication::exit(0);
    };
    QObject::disconnect(early);
    QObject::connect(&endSignals, &SessionEndSignals::received, &mainForm, endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm, endSession);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainForm, &TMainForm::EndSession);
    if (endRequested) {
        QTimer::singleShot(0, &mainForm, endSession);
    }
    return QApplication::exec();
}
