// Quarv Tangram: reads the catalogue, sets up the current puzzle and opens the
// main window and the pattern window.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "Main.h"
#include "MainGames.h"
#include "data.h"
#include "pattern.h"
#include "raster.h"

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
    // The language, the sound switch and the puzzle last played are read here.
    game.PuzzleStatus.fill(0);
    const tangram::CatalogueResult catalogue = tangram::LoadCatalogue(game);
    if (catalogue != tangram::CatalogueResult::Ok) {
        QMessageBox::critical(nullptr, QStringLiteral("Quarv Tangram"),
                              CatalogueErrorText(catalogue, game.Tongue));
        return 1;
    }
    // The game file played last (GameFileName, from the setting "save"); one
    // that cannot be loaded is reported and forgotten.
    LoadStartGame(game);
    game.ProgressChanged = false;
    tangram::SetUpPuzzle(game, board);

    TMainForm mainForm(game, board);
    TPatForm patForm(game);
    mainForm.SetPatternWindow(&patForm);
    mainForm.show();
    patForm.show();
    return QApplication::exec();
}
